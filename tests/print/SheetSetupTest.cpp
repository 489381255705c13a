#include <gtest/gtest.h>

#include "support/BitmapPrinter.h"
#include "document/LabelDocument.h"
#include "document/SheetPresets.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/ScriptedDialogs.h"
#include "print/LabelPrinting.h"
#include "print/SheetSetup.h"

namespace quorvel {
namespace {

std::string Decimal(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c == '.') c = UserDecimalSeparator();
  return out;
}

TEST(SheetPresetTest, FillsTheSheetAndCentresTheGridWithoutGaps) {
  struct {
    std::string Entry;
    TSheetLayout Expected;
  } cases[] = {
      {SheetPresets()[0].Entry, {"38", "21,2", "195", "288", "5", "13", "0", "0", Decimal("6.2"), Decimal("2.5")}},
      {SheetPresets().back().Entry, {"105", "148", "195", "288", "2", "2", "0", "0", Decimal("-4.0"), Decimal("-7.5")}},
      {"", {"50", "40", "195", "288", "4", "7", "3", "2", Decimal("4.0"), Decimal("-2.5")}},
      {" ", {"50", "40", "195", "288", "4", "7", "3", "2", Decimal("4.0"), Decimal("-2.5")}},
  };
  for (const auto& c : cases) {
    TSheetLayout layout{"50", "40", "195", "288", "4", "7", "3", "2", "", ""};
    ApplySheetPreset(layout, c.Entry);
    EXPECT_EQ(layout, c.Expected) << c.Entry;
  }
}

TEST(SheetPresetTest, AnUnsetPrintableSizeStopsTheMarginsAfterThePresetIsWritten) {
  TSheetLayout layout;
  layout.TopMargin = "1";
  EXPECT_THROW(ApplySheetPreset(layout, SheetPresets()[0].Entry), EConvertError);
  EXPECT_EQ(layout.LabelWidth, "38");
  EXPECT_EQ(layout.TopMargin, "1");
}

TEST(CalibrationSheetTest, PrintsPortraitLinesAtOneHundredAndOneHundredFiftyMillimetres) {
  TLabelDocument document;
  document.Layout.SheetWidth = "200";
  document.Layout.SheetHeight = "300";
  document.Landscape = true;
  test::TBitmapPrinter printer(400, 600, 50);  // 2 pixels per millimetre in portrait
  TScriptedDialogs dialogs;
  TLabelPrinting printing(document, printer, dialogs);
  PrintCalibrationSheet(printing);
  ASSERT_EQ(printer.Pages.size(), 1u);
  const QImage& page = printer.Pages[0];
  EXPECT_EQ(page.width(), 400);  // portrait although "Querformat" is chosen
  EXPECT_EQ(printer.Orientation(), TPrinterOrientation::poPortrait);
  // Landscape scales (600 / 300 across, 400 / 200 down) place the lines.
  auto black = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
  EXPECT_TRUE(black(200, 500));   // vertical line at 100 mm
  EXPECT_TRUE(black(10, 300));    // horizontal line at 150 mm
  EXPECT_FALSE(black(150, 250));
  EXPECT_FALSE(printer.Printing());
}

}  // namespace
}  // namespace quorvel
