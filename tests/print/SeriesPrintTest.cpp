#include <gtest/gtest.h>

#include <algorithm>

#include "support/BitmapPrinter.h"
#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "platform/Errors.h"
#include "platform/ImageControl.h"
#include "platform/ScriptedDialogs.h"
#include "print/SeriesPrint.h"
#include "support/Decoder.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

using TCells = std::vector<std::pair<int, int>>;

// Labels of 60 x 30 mm on a sheet of 3 columns and 2 rows at 10 pixels per
// millimetre. The label carries a Code 128 barcode fed by series value 1,
// so every printed copy can be read back.
class SeriesPrintTest : public ::testing::Test {
 protected:
  SeriesPrintTest() {
    document.Layout = {"60", "30", "180", "60", "3", "2", "0", "0", "0", "0"};
    TLabelObject& barcode = document.Append(std::make_unique<TLabelObject>(TObjectKind::okBarcode));
    barcode.Left = 100, barcode.Top = 20, barcode.Width = 400, barcode.Height = 260;
    barcode.Variable = 1;
    barcode.Barcode().SetTypBarCode(TTypBarCode::bcCode128);
    barcode.Barcode().SetBarCode("LABEL");
  }

  void Print(const std::string& lines, TSeriesOptions options = {}) {
    std::string path = dir.Path("series.csv");
    test::WriteFile(path, lines);
    document.SeriesFileName = path;
    PrintSeries(printing, options);
  }

  // What each cell of a page reads as, row by row; "" for an empty cell.
  std::vector<std::string> Page(int page) {
    std::vector<std::string> texts;
    for (int row = 0; row < 2; ++row)
      for (int column = 0; column < 3; ++column) {
        QImage cell = printer.Pages.at(page).copy(column * 600, row * 300, 600, 300);
        texts.push_back(test::DecodeOne(cell, {.Formats = "Code128"}).Text);
      }
    return texts;
  }

  test::TTempDir dir;
  TLabelDocument document;
  test::TBitmapPrinter printer{1800, 600, 254};
  TScriptedDialogs dialogs;
  TLabelPrinting printing{document, printer, dialogs};
};

TEST_F(SeriesPrintTest, EveryLinePrintsItsValuesOnTheNextCells) {
  TLabelObject& text = document.Append(std::make_unique<TLabelObject>(TObjectKind::okText));
  text.Variable = 2;
  Print("4711;echt Kölnisch Wasser;\r\n4712;Seife neutral;\r\n");
  ASSERT_EQ(printer.Pages.size(), 1u);
  EXPECT_EQ(Page(0), (std::vector<std::string>{"4711", "4712", "", "", "", ""}));
  EXPECT_EQ(text.Text, "Seife neutral");  // the last line's values stay
  EXPECT_FALSE(document.Modified);
}

TEST_F(SeriesPrintTest, TheLineRangeCountsEveryLineIncludingEmptyOnes) {
  Print("A1\n\nA3\nA4\nA5\n", {.FirstLine = "3", .LastLine = "4"});
  EXPECT_EQ(Page(0), (std::vector<std::string>{"A3", "A4", "", "", "", ""}));
}

TEST_F(SeriesPrintTest, TheQuantityColumnGivesTheCopiesRoundedHalvesToEven) {
  document.QuantityColumn = "3";
  Print("Q26;x;2,6\nQ25;x;2,5\nQ0;x;0\nQX;x;viele\nQ2\n", {.EachCount = "1"});
  ASSERT_EQ(printer.Pages.size(), 2u);
  EXPECT_EQ(Page(0), (std::vector<std::string>{"Q26", "Q26", "Q26", "Q25", "Q25", "QX"}));
  EXPECT_EQ(Page(1), (std::vector<std::string>{"Q2", "", "", "", "", ""}));
}

TEST_F(SeriesPrintTest, CopiesContinueAcrossLinesFromTheStartCell) {
  Print("A\nB\n", {.Start = {"1", "2"}, .EachCount = "2"});
  ASSERT_EQ(printer.Pages.size(), 1u);
  EXPECT_EQ(Page(0), (std::vector<std::string>{"", "A", "A", "B", "B", ""}));
}

TEST_F(SeriesPrintTest, AnEmptyLinePrintsThePreviousValues) {
  Print("A\n\nC\n");
  EXPECT_EQ(Page(0), (std::vector<std::string>{"A", "A", "C", "", "", ""}));
}

TEST_F(SeriesPrintTest, ObjectsWithAVariableBeyondTheLineKeepTheirContent) {
  TLabelObject& text = document.Append(std::make_unique<TLabelObject>(TObjectKind::okText));
  text.Text = "fest";
  text.Variable = 3;
  Print("A;B\nC;D\n");
  EXPECT_EQ(text.Text, "fest");
}

TEST_F(SeriesPrintTest, APictureValueNamingNoFileClearsThePicture) {
  TLabelObject& picture = document.Append(std::make_unique<TLabelObject>(TObjectKind::okPicture));
  picture.Variable = 2;
  ASSERT_FALSE(picture.Image().Picture().Empty());  // the placeholder
  Print("A;/nonexistent/picture.jpg\n");
  EXPECT_TRUE(picture.Image().Picture().Empty());
}

TEST_F(SeriesPrintTest, AQrCodeEncodesItsValueWithoutChangingItsStoredText) {
  TLabelObject& qr = document.Append(std::make_unique<TLabelObject>(TObjectKind::okQrCode));
  qr.Left = 0, qr.Top = 0, qr.Width = 300, qr.Height = 300;
  qr.QrText = "stored";
  qr.DrawQrSymbol();
  qr.Variable = 2;
  Print("A;series value\n");
  EXPECT_EQ(qr.QrText, "stored");
  EXPECT_EQ(test::DecodeOne(qr.Image().Picture().Image(), {.Formats = "QRCode"}).Text, "series value");
}

TEST_F(SeriesPrintTest, AMissingFileIsReportedBeforeAnyJob) {
  document.SeriesFileName = dir.Path("missing.csv");
  try {
    PrintSeries(printing, {});
    FAIL();
  } catch (const EUserError& e) {
    EXPECT_EQ(e.what(), "Die Datei " + dir.Path("missing.csv") + " existiert nicht !");
  }
  EXPECT_EQ(printer.JobsBegun, 0);
}

TEST_F(SeriesPrintTest, BadCountsAndRangesStopBeforeTheJob) {
  for (TSeriesOptions options : {TSeriesOptions{.EachCount = "x"}, TSeriesOptions{.FirstLine = ""},
                                 TSeriesOptions{.LastLine = "9.999"}})
    EXPECT_THROW(Print("A\nB\n", options), EConvertError);
  EXPECT_EQ(printer.JobsBegun, 0);
}

TEST_F(SeriesPrintTest, AnErrorInALineEndsTheJobWithWhatWasPlacedAndNamesTheLine) {
  TLabelObject& picture = document.Append(std::make_unique<TLabelObject>(TObjectKind::okPicture));
  picture.Variable = 2;
  test::WriteFile(dir.Path("broken.jpg"), "no picture");
  try {
    Print("GOOD\nBAD;" + dir.Path("broken.jpg") + "\nNEVER\n");
    FAIL();
  } catch (const EUserError& e) {
    EXPECT_NE(std::string(e.what()).find("(Zeile 2 der Seriendatei)"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(Page(0), (std::vector<std::string>{"GOOD", "", "", "", "", ""}));
}

TEST_F(SeriesPrintTest, VariablesBeyondThirtyWork) {
  std::string line;
  for (int i = 1; i <= 34; ++i) line += "V" + std::to_string(i) + ";";
  document.Object(1).Variable = 34;
  Print(line + "\n");
  EXPECT_EQ(Page(0)[0], "V34");
}

TEST_F(SeriesPrintTest, ABadLineInTheMiddleOfALongSeriesRefusesItBeforeTheFirstPage) {
  document.Object(1).Barcode().SetTypBarCode(TTypBarCode::bcEan13);
  std::string lines;
  for (int line = 1; line <= 10000; ++line)
    lines += (line == 5000 ? std::string("40063A133393") : "400" + std::to_string(100000000 + line)) + "\n";
  TPrintCheck seen;
  printing.SetFindingsGate([&](const TPrintCheck& check) {
    seen = check;
    return false;
  });
  EXPECT_THROW(Print(lines, {.LastLine = "10000"}), EAbort);
  EXPECT_EQ(printer.JobsBegun, 0);
  EXPECT_EQ(seen.Labels, 10000);
  ASSERT_EQ(seen.Findings.size(), 1u);
  EXPECT_EQ(seen.Findings[0].SeriesLine, 5000);
}

TEST_F(SeriesPrintTest, EndingAfterTheFirstSheetPrintsThatSheetAndCountsIt) {
  std::vector<TPrintProgress> told;
  printing.SetSheetDone([&](const TPrintProgress& progress) {
    told.push_back(progress);
    return false;
  });
  TPrintOutcome outcome = printing.PrintCopies("300", {});  // 50 sheets of 6
  EXPECT_TRUE(outcome.Cancelled);
  EXPECT_EQ(outcome.Labels, 6);
  EXPECT_EQ(printer.Pages.size(), 1u);
  EXPECT_FALSE(printer.Printing());
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].SheetsDone, 1);
  EXPECT_EQ(told[0].SheetsTotal, 50);
  EXPECT_EQ(told[0].LabelsDone, 6);
  EXPECT_EQ(told[0].LabelsTotal, 300);
}

TEST(SeriesCopiesTest, FollowsTheQuantityColumnOnlyWhenItHoldsANumber) {
  struct {
    std::vector<std::string> Values;
    int Column, Each, Copies;
  } cases[] = {{{"a", "b", "2,6"}, 3, 1, 3}, {{"a", "b", "2,5"}, 3, 1, 2}, {{"a", "b", "3.5"}, 3, 1, 4},
               {{"a", "b", "0"}, 3, 5, 0},   {{"a", "b", "x"}, 3, 5, 5},   {{"a", "b"}, 3, 5, 5},
               {{"a", "b", "7"}, 0, 5, 5},   {{"a", "b", "-2"}, 3, 5, -2}};
  for (const auto& c : cases) EXPECT_EQ(SeriesCopies(c.Values, c.Column, c.Each), c.Copies);
}

}  // namespace
}  // namespace quorvel
