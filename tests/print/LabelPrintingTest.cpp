#include <gtest/gtest.h>

#include "support/BitmapPrinter.h"
#include "document/LabelDocument.h"
#include "platform/Errors.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextCodec.h"
#include "print/LabelPrinting.h"

namespace quorvel {
namespace {

// A sheet of 1 pixel per millimetre: printable area 300 x 300 mm. The label
// is one filled box as large as the label, so each copy shows as a block.
class LabelPrintingTest : public ::testing::Test {
 protected:
  LabelPrintingTest() {
    document.Layout = {"50", "40", "300", "300", "2", "2", "10", "20", "5", "7"};
    TLabelObject& box = document.Append(std::make_unique<TLabelObject>(TObjectKind::okBox));
    box.Left = 0, box.Top = 0, box.Width = 500, box.Height = 400, box.BrushColor = clBlack;
  }

  // The cells (row, column) that hold a copy on the page.
  std::vector<std::pair<int, int>> Cells(int page) {
    std::vector<std::pair<int, int>> cells;
    const QImage& image = printer.Pages.at(page);
    for (int row = 0; row < 8; ++row)
      for (int column = 0; column < 4; ++column) {
        int x = 7 + column * (50 + 20) + 25, y = 5 + row * (40 + 10) + 20;
        if (image.valid(x, y) && qGray(image.pixel(x, y)) < 128) cells.emplace_back(row, column);
      }
    return cells;
  }

  TLabelDocument document;
  test::TBitmapPrinter printer{300, 300, 25};
  TScriptedDialogs dialogs;
  TLabelPrinting printing{document, printer, dialogs};
};

using TCells = std::vector<std::pair<int, int>>;

TEST_F(LabelPrintingTest, CopiesFillTheSheetRowByRowAndContinueOnANewPage) {
  printing.PrintCopies("5", {});
  ASSERT_EQ(printer.Pages.size(), 2u);
  EXPECT_EQ(Cells(0), (TCells{{0, 0}, {0, 1}, {1, 0}, {1, 1}}));
  EXPECT_EQ(Cells(1), (TCells{{0, 0}}));
  EXPECT_FALSE(printer.Printing());
}

TEST_F(LabelPrintingTest, ACopyInTheLastCellFeedsOutNoBlankSheet) {
  document.Layout.Columns = "3";
  printing.PrintCopies("1", {"2", "3"});
  ASSERT_EQ(printer.Pages.size(), 1u);
  EXPECT_EQ(Cells(0), (TCells{{1, 2}}));
}

TEST_F(LabelPrintingTest, CopiesThatFillTheLastSheetExactlyEndWithIt) {
  printing.PrintCopies("8", {});
  ASSERT_EQ(printer.Pages.size(), 2u);
  EXPECT_EQ(Cells(1), (TCells{{0, 0}, {0, 1}, {1, 0}, {1, 1}}));
}

TEST_F(LabelPrintingTest, StartCellsAreReadOnlyWhenNotBothOneAndKeepWhatWasRead) {
  document.Layout.Rows = "4";
  struct {
    TStartCell Start;
    double Row, Column;
  } cases[] = {{{"1", "1"}, 0, 0}, {{"1", "2"}, 0, 1}, {{"3", "x"}, 2, 0}, {{"x", "3"}, 0, 0}, {{"4,0", "2"}, 3, 1}};
  for (const auto& c : cases) {
    printing.BeginRun(c.Start);
    EXPECT_EQ(printing.Run().PrintRow, c.Row) << c.Start.Row << "/" << c.Start.Column;
    EXPECT_EQ(printing.Run().PrintColumn, c.Column) << c.Start.Row << "/" << c.Start.Column;
  }
}

TEST_F(LabelPrintingTest, AStartCellOffTheSheetIsRefusedBeforeTheJob) {
  for (TStartCell start : {TStartCell{"3", "1"}, TStartCell{"1", "3"}, TStartCell{"0", "1"}, TStartCell{"1", "-1"},
                           TStartCell{"1,5", "1"}}) {
    try {
      printing.PrintCopies("1", start);
      ADD_FAILURE() << start.Row << "/" << start.Column;
    } catch (const EUserError& e) {
      EXPECT_NE(std::string(e.what()).find("liegt nicht auf dem Blatt mit 2 Zeilen und 2 Spalten"), std::string::npos)
          << e.what();
    }
  }
  EXPECT_EQ(printer.JobsBegun, 0);
}

TEST_F(LabelPrintingTest, PlacesTheCopyByLabelSizeGapAndMargin) {
  document.Layout = {"55", "40", "300", "300", "3", "2", "0", "3", "0", "5"};
  printing.BeginRun({"1", "3"});
  printing.setze_aufloesung();
  printing.BeginJob();
  printing.drucke_serie();
  printer.EndDoc();
  const QImage& page = printer.Pages.at(0);
  EXPECT_LT(qGray(page.pixel(122, 10)), 128);   // 121 mm is the left edge
  EXPECT_GT(qGray(page.pixel(119, 10)), 128);
}

TEST_F(LabelPrintingTest, PrintingOnceIgnoresMarginsAndStartCell) {
  printing.PrintLabel();
  ASSERT_EQ(printer.Pages.size(), 1u);
  EXPECT_LT(qGray(printer.Pages[0].pixel(0, 0)), 128);
  EXPECT_LT(qGray(printer.Pages[0].pixel(49, 39)), 128);
  EXPECT_GT(qGray(printer.Pages[0].pixel(51, 41)), 128);
}

TEST_F(LabelPrintingTest, SetUpChoosesTheLastPrinterOfThatNameAndScalesByThePrintableSize) {
  document.PrinterName = "Laser";
  printing.setze_aufloesung();
  EXPECT_EQ(printer.Selected, 2);
  EXPECT_EQ(printer.DialogsShown, 1);
  EXPECT_DOUBLE_EQ(printing.Scale().X, 1.0);
  EXPECT_DOUBLE_EQ(printing.Scale().Y, 1.0);

  document.PrinterName = "Unbekannt";
  document.Landscape = true;
  document.Layout.SheetWidth = "195";
  document.Layout.SheetHeight = "288";
  printing.setze_aufloesung();
  EXPECT_EQ(printer.Selected, 2);  // no equal entry: unchanged
  EXPECT_DOUBLE_EQ(printing.Scale().X, 300.0 / 288);
  EXPECT_DOUBLE_EQ(printing.Scale().Y, 300.0 / 195);
}

TEST_F(LabelPrintingTest, ABadPrintableSizeIsReportedAndReplaced) {
  document.Layout.SheetWidth = "195,5";
  document.Layout.SheetHeight = "";
  printing.setze_aufloesung();
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Blattbreite falsch angegeben !",
                                                         std::string("Blatthöhe falsch angegeben !")}));
  EXPECT_EQ(document.Layout.SheetWidth, "195");
  EXPECT_EQ(document.Layout.SheetHeight, "288");
  EXPECT_DOUBLE_EQ(printing.Scale().X, 300.0 / 195);
}

TEST_F(LabelPrintingTest, ABadLayoutOrCountStopsBeforeTheJob) {
  document.Layout.Columns = "zwei";
  try {
    printing.PrintCopies("1", {});
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.what(), std::string("'zwei' ist kein gültiger Integerwert"));
  }
  EXPECT_EQ(printer.JobsBegun, 0);

  document.Layout.Columns = "2";
  EXPECT_THROW(printing.PrintCopies("viele", {}), EConvertError);
  EXPECT_EQ(printer.JobsBegun, 0);
}

}  // namespace
}  // namespace quorvel
