#include "print/SheetSetup.h"

#include "document/SheetLayout.h"
#include "document/SheetPresets.h"
#include "platform/Canvas.h"
#include "platform/NumberParsing.h"
#include "platform/Printer.h"
#include "platform/Rounding.h"
#include "platform/TextCodec.h"
#include "print/LabelPrinting.h"

namespace quorvel {
namespace {

struct TCalibrationText {
  double X, Y;
  const char* Text;
};

constexpr TCalibrationText kCalibrationTexts[] = {
    {105, 0, "Bitte messen Sie die Länge dieser Linie"},
    {105, 5, "und stelllen diese in Millimeter als Blatthöhe ein."},
    {0, 155, "Bitte messen Sie die Länge dieser Linie"},
    {0, 160, "und stelllen diese in Millimeter als Blattbreite ein."},
    {110, 175, "Dort wo die Linien enden, kann ihr Drucker nicht mehr drucken."},
    {110, 180, "Dieser Abstand muss je einmal vom Blattrand abgezogen werden."},
    {110, 185, "Bei den Zweckformformaten geschieht das automatisch."},
};

}  // namespace

void ApplySheetPreset(TSheetLayout& layout, const std::string& entry) {
  std::string number = entry.substr(0, 4);
  for (const TSheetPreset& preset : SheetPresets()) {
    if (std::string(preset.Entry).substr(0, 4) != number) continue;
    layout.LabelWidth = preset.LabelWidth;
    layout.LabelHeight = preset.LabelHeight;
    layout.Columns = preset.Columns;
    layout.Rows = preset.Rows;
    layout.RowGap = "0";
    layout.ColumnGap = "0";
    break;
  }
  double left = (StrToFloat(layout.SheetWidth) - StrToFloat(layout.LabelWidth) * StrToFloat(layout.Columns)) * 0.5;
  double top = (StrToFloat(layout.SheetHeight) - StrToFloat(layout.LabelHeight) * StrToFloat(layout.Rows)) * 0.5;
  layout.LeftMargin = FormatFixed(left, 1);
  layout.TopMargin = FormatFixed(top, 1);
}

void PrintCalibrationSheet(TLabelPrinting& printing) {
  printing.setze_aufloesung();
  IPrinter& printer = printing.Printer();
  if (printer.Printing()) printer.EndDoc();
  printer.SetOrientation(TPrinterOrientation::poPortrait);
  printer.BeginDoc();
  printing.InJob([&] {
    TCanvas& canvas = printer.Canvas();
    TScale scale = printing.Scale();
    auto x = [&](double mm) { return RoundHalfEven(mm * scale.X); };
    auto y = [&](double mm) { return RoundHalfEven(mm * scale.Y); };
    canvas.Pen = {clBlack, 50, TPenStyle::psSolid, TPenMode::pmCopy};
    canvas.MoveTo(x(100), y(0));
    canvas.LineTo(x(100), y(300));
    canvas.MoveTo(x(0), y(150));
    canvas.LineTo(x(300), y(150));
    canvas.Font = TFont{};
    canvas.Font.Size = 8;
    canvas.Brush = {clWhite, TBrushStyle::bsSolid};
    for (const TCalibrationText& text : kCalibrationTexts) canvas.TextOut(x(text.X), y(text.Y), text.Text);
  });
}

}  // namespace quorvel
