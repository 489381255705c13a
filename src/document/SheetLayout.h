#pragma once

#include <array>
#include <string>

namespace quorvel {

// The label and sheet measures exactly as typed on the settings page; every
// field is parsed where it is used, so files keep the user's text unchanged.
struct TSheetLayout {
  std::string LabelWidth = "55";   // "Breite [mm]"
  std::string LabelHeight = "50";  // "Höhe [mm]"
  std::string SheetWidth;          // "Blattbreite [mm]": printable width
  std::string SheetHeight;         // "Blatthöhe [mm]": printable height
  std::string Columns;             // labels side by side in one row
  std::string Rows;                // labels one below the other
  std::string RowGap;              // "Horizontaler Abstande ...": added to the label height per row
  std::string ColumnGap;           // "Vertikaler Abstand ...": added to the label width per column
  std::string TopMargin;           // "oberer Blattrand"
  std::string LeftMargin;          // "linker Blattrand"

  bool operator==(const TSheetLayout&) const = default;
};

// A measure with the caption of its field on the settings page (UTF-8).
struct TLayoutField {
  const char* Caption;
  std::string TSheetLayout::*Text;
};

// The measures in the order of the settings page and of the label file's header.
inline constexpr std::array<TLayoutField, 10> kLayoutFields = {{
    {"Breite [mm]", &TSheetLayout::LabelWidth},
    {"Höhe [mm]", &TSheetLayout::LabelHeight},
    {"Blattbreite [mm]", &TSheetLayout::SheetWidth},
    {"Blatthöhe [mm]", &TSheetLayout::SheetHeight},
    {"Anzahl Etiketten in einer Zeile nebeneinander:", &TSheetLayout::Columns},
    {"Anzahl Etiketten in einer Spalte untereinander:", &TSheetLayout::Rows},
    {"Horizontaler Abstande zwischen zwei Etiketten:", &TSheetLayout::RowGap},
    {"Vertikaler Abstand zwischen zwei Etiketten:", &TSheetLayout::ColumnGap},
    {"oberer Blattrand", &TSheetLayout::TopMargin},
    {"linker Blattrand", &TSheetLayout::LeftMargin},
}};

}  // namespace quorvel
