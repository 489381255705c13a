#pragma once

#include <span>
#include <string>

namespace quorvel {

// A Zweckform label sheet: the entry of the list "Zweckform-Auswahl" and the
// measures it stands for, as texts with a decimal comma.
struct TSheetPreset {
  const char* Entry;
  const char* LabelWidth;
  const char* LabelHeight;
  const char* Columns;
  const char* Rows;
};

// The presets in list order (3659 is listed twice).
std::span<const TSheetPreset> SheetPresets();

// Every entry of the list: the presets' entries, then 22 empty entries and
// one of a single space.
std::span<const std::string> SheetPresetEntries();

}  // namespace quorvel
