#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <algorithm>
#include <functional>

#include "app/BatchOptions.h"
#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "support/Decoder.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

struct TResult {
  int ExitCode = -1;
  std::string Errors;
};

TResult RunBatch(const QStringList& arguments) {
  QProcess process;
  process.start(QUORVEL_BATCH_EXE, arguments);
  process.waitForFinished(120000);
  return {process.exitCode(), process.readAllStandardError().toStdString()};
}

bool Exists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

// Page `page` (1-based) of a PDF at 254 dpi: 10 pixels per millimetre.
QImage Page(const std::string& pdf, int page, const std::string& prefix) {
  QProcess::execute("pdftoppm", {"-r", "254", "-f", QString::number(page), "-l", QString::number(page), "-png",
                                 "-singlefile", QString::fromStdString(pdf), QString::fromStdString(prefix)});
  return QImage(QString::fromStdString(prefix + ".png"));
}

std::vector<std::string> Texts(const QImage& image) {
  std::vector<std::string> texts;
  for (const auto& d : test::Decode(image)) texts.push_back(d.Text);
  std::sort(texts.begin(), texts.end());
  return texts;
}

class BatchTest : public ::testing::Test {
 protected:
  // A 60 x 30 mm label on a printable area of 120 x 60 mm, 2 x 2 labels.
  std::string LabelFile(const std::function<void(TLabelDocument&)>& fill) {
    TLabelDocument document;
    document.Layout = {"60", "30", "120", "60", "2", "2", "0", "0", "0", "0"};
    fill(document);
    std::string path = dir.Path("label.lab");
    save_label(document, path);
    return path;
  }

  static TLabelObject& Barcode(TLabelDocument& document, TTypBarCode type, const std::string& value) {
    TLabelObject& o = document.Append(std::make_unique<TLabelObject>(TObjectKind::okBarcode));
    o.Left = 80, o.Top = 20, o.Width = 440, o.Height = 240;
    o.Barcode().SetTypBarCode(type);
    o.Barcode().SetBarCode(value);
    return o;
  }

  QString Path(const std::string& name) { return QString::fromStdString(dir.Path(name)); }

  test::TTempDir dir;
};

TEST_F(BatchTest, ALabelOfEveryKindPrintsToPdfAndItsCodesScan) {
  std::string label = LabelFile([](TLabelDocument& d) {
    d.Layout = {"100", "50", "120", "60", "1", "1", "0", "0", "0", "0"};
    for (TObjectKind kind : {TObjectKind::okBox, TObjectKind::okHLine, TObjectKind::okVLine, TObjectKind::okText,
                             TObjectKind::okVerticalText, TObjectKind::okPicture})
      d.Append(std::make_unique<TLabelObject>(kind));
    TLabelObject& ean = Barcode(d, TTypBarCode::bcEan13, "400638133393");
    ean.Left = 150, ean.Top = 150, ean.Width = 400, ean.Height = 250;
    TLabelObject& qr = d.Append(std::make_unique<TLabelObject>(TObjectKind::okQrCode));
    qr.Left = 650, qr.Top = 100, qr.Width = 300, qr.Height = 300;
    qr.QrText = "https://quorvel.example/batch";
  });
  TResult result = RunBatch({QString::fromStdString(label), "--pdf", Path("out.pdf")});
  ASSERT_EQ(result.ExitCode, 0) << result.Errors;
  EXPECT_EQ(Texts(Page(dir.Path("out.pdf"), 1, dir.Path("p"))),
            (std::vector<std::string>{"4006381333931", "https://quorvel.example/batch"}));
}

TEST_F(BatchTest, ASeriesWithAQuantityColumnFillsCellsAndPages) {
  std::string label = LabelFile([](TLabelDocument& d) { Barcode(d, TTypBarCode::bcCode128, "X").Variable = 1; });
  test::WriteFile(dir.Path("series.csv"), "ALPHA;2\r\nBETA;1\r\nGAMMA;3\r\n");
  TResult result = RunBatch({QString::fromStdString(label), "--pdf", Path("series.pdf"), "--series",
                             Path("series.csv"), "--quantity-column", "2", "--dpi", "254"});
  ASSERT_EQ(result.ExitCode, 0) << result.Errors;
  auto cells = [&](int page) {
    QImage image = Page(dir.Path("series.pdf"), page, dir.Path("page" + std::to_string(page)));
    std::vector<std::string> texts;
    for (int row = 0; row < 2; ++row)
      for (int column = 0; column < 2; ++column)
        texts.push_back(test::DecodeOne(image.copy(column * 600, row * 300, 600, 300), {.Formats = "Code128"}).Text);
    return texts;
  };
  EXPECT_EQ(cells(1), (std::vector<std::string>{"ALPHA", "ALPHA", "BETA", "GAMMA"}));
  EXPECT_EQ(cells(2), (std::vector<std::string>{"GAMMA", "GAMMA", "", ""}));
}

TEST_F(BatchTest, SavingAfterASeriesKeepsTheLastLineAndPngShowsTheLabel) {
  std::string label = LabelFile([](TLabelDocument& d) { Barcode(d, TTypBarCode::bcCode128, "X").Variable = 1; });
  test::WriteFile(dir.Path("series.csv"), "FIRST\nLAST\n");
  TResult result = RunBatch({QString::fromStdString(label), "--pdf", Path("s.pdf"), "--series", Path("series.csv"),
                             "--save", Path("after.lab"), "--png", Path("label.png")});
  ASSERT_EQ(result.ExitCode, 0) << result.Errors;
  TLabelDocument saved;
  load_label(saved, dir.Path("after.lab"));
  EXPECT_EQ(saved.Object(1).Barcode().BarCode(), "LAST");
  QImage png(Path("label.png"));
  EXPECT_EQ(png.width(), 709);  // 60 mm at 300 dpi
  EXPECT_EQ(Texts(png), std::vector<std::string>{"LAST"});
}

TEST_F(BatchTest, BadInputGivesItsMessageAndStatusAndLeavesNoOutput) {
  std::string label = LabelFile([](TLabelDocument& d) { Barcode(d, TTypBarCode::bcCode128, "X").Variable = 1; });
  test::WriteFile(dir.Path("series.csv"), "A\nB\n");
  test::WriteFile(dir.Path("nul.lab"), std::string(80, '\0'));
  QString lab = QString::fromStdString(label);
  struct {
    QStringList Arguments;
    int ExitCode;
    std::string Message;
  } cases[] = {
      {{Path("missing.lab"), "--pdf", Path("o.pdf")}, 1, " Die Datei " + dir.Path("missing.lab") + " existiert nicht"},
      {{Path("nul.lab"), "--pdf", Path("o.pdf")}, 1,
       "Die Etikettendatei " + dir.Path("nul.lab") + ", Zeile 1, Feld \"Breite [mm]\": '\\x00\\x00"},
      {{lab, "--pdf", Path("o.pdf"), "--series", Path("none.csv")}, 1,
       "Die Datei " + dir.Path("none.csv") + " existiert nicht !"},
      {{lab, "--pdf", Path("o.pdf"), "--series", Path("series.csv"), "--each", "x"}, 2,
       "--each erwartet eine ganze Zahl von 1 bis 10000, nicht 'x'"},
      {{lab, "--pdf", Path("o.pdf"), "--copies", "viele"}, 2, "--copies erwartet eine ganze Zahl"},
      {{lab, "--pdf", Path("o.pdf"), "--dpi", "1,5"}, 2, "--dpi erwartet eine ganze Zahl von 10 bis 2400, nicht '1,5'"},
      {{lab, "--pdf", Path("o.pdf"), "--frobnicate"}, 2, "Unbekannte Option '--frobnicate'"},
      {{lab, "--pdf"}, 2, "--pdf erwartet einen Wert"},
      {{lab, "--pdf", Path("o.pdf"), "--printer", "Laser"}, 2, "--pdf und --printer"},
  };
  for (const auto& c : cases) {
    TResult result = RunBatch(c.Arguments);
    EXPECT_EQ(result.ExitCode, c.ExitCode) << c.Arguments.join(' ').toStdString();
    EXPECT_NE(result.Errors.find(c.Message), std::string::npos) << result.Errors;
    EXPECT_FALSE(Exists(dir.Path("o.pdf"))) << c.Arguments.join(' ').toStdString();
  }
}

TEST_F(BatchTest, ASeriesThatFailsInTheMiddleRemovesItsPartialPdf) {
  std::string label = LabelFile([](TLabelDocument& d) {
    Barcode(d, TTypBarCode::bcCode128, "X").Variable = 1;
    d.Append(std::make_unique<TLabelObject>(TObjectKind::okPicture)).Variable = 2;
  });
  test::WriteFile(dir.Path("broken.jpg"), "not a jpeg at all");
  test::WriteFile(dir.Path("series.csv"), "A\nB;" + dir.Path("broken.jpg") + "\nC\n");
  TResult result = RunBatch({QString::fromStdString(label), "--pdf", Path("o.pdf"), "--series", Path("series.csv")});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_NE(result.Errors.find("broken.jpg"), std::string::npos) << result.Errors;
  EXPECT_FALSE(Exists(dir.Path("o.pdf")));
}

TEST_F(BatchTest, EachFindingOfTheCheckHasItsStatusAndMessage) {
  using enum TTypBarCode;
  auto qr = [](TLabelDocument& d, std::string text) {
    TLabelObject& o = d.Append(std::make_unique<TLabelObject>(TObjectKind::okQrCode));
    o.Left = 20, o.Top = 20, o.Width = 250, o.Height = 250;
    o.QrText = std::move(text);
  };
  std::string lines;
  for (int line = 1; line <= 10000; ++line)
    lines += (line == 5000 ? std::string("4006A8133393") : "400" + std::to_string(100000000 + line)) + "\n";
  test::WriteFile(dir.Path("ean.csv"), lines);
  struct {
    const char* Name;
    std::function<void(TLabelDocument&)> Fill;
    QStringList Options;
    int ExitCode;
    std::string Message;
    bool Printed;
  } cases[] = {
      {"letters in an EAN", [](auto& d) { Barcode(d, bcEan13, "40063A133393"); }, {}, 1,
       "bar01: Das Zeichen 'A' an Stelle 6 ist in EAN 13 nicht erlaubt", false},
      {"a bad line amid 10,000", [](auto& d) { Barcode(d, bcEan13, "400638133393").Variable = 1; },
       {"--series", Path("ean.csv")}, 1, "bar01, Zeile 5000: Das Zeichen 'A'", false},
      {"a QR text too long", [&](auto& d) { qr(d, std::string(3000, 'q')); }, {}, 1,
       "Der Text ist für einen QR-Code zu lang", false},
      {"a box too small", [](auto& d) { Barcode(d, bcCode128, "SHIP-0012345678").Width = 40; }, {}, 1,
       "Das Feld ist zu klein", false},
      {"thin modules warn", [](auto& d) { Barcode(d, bcCode128, "SHIP-0012345678").Width = 300; }, {"--dpi", "203"},
       0, "mindestens 2 sind nötig (kleinstes Feld: ", true},
      {"thin modules with --strict", [](auto& d) { Barcode(d, bcCode128, "SHIP-0012345678").Width = 300; },
       {"--dpi", "203", "--strict"}, 1, "mindestens 2 sind nötig", false},
      {"invalid with --allow-invalid", [](auto& d) { Barcode(d, bcEan13, "40063A133393"); }, {"--allow-invalid"}, 0,
       "Es wird trotzdem gedruckt", true},
  };
  for (const auto& c : cases) {
    std::string label = LabelFile(c.Fill);
    TResult result = RunBatch(QStringList{QString::fromStdString(label), "--pdf", Path("o.pdf")} + c.Options);
    EXPECT_EQ(result.ExitCode, c.ExitCode) << c.Name << ": " << result.Errors;
    EXPECT_NE(result.Errors.find(c.Message), std::string::npos) << c.Name << ": " << result.Errors;
    // Nothing left behind: no partial or temporary file beside the inputs.
    QStringList expected{"ean.csv", "label.lab"};
    if (c.Printed) expected << "o.pdf";
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected) << c.Name;
    QFile::remove(Path("o.pdf"));
  }
}

// 100 series lines, each a PDF417 value, come back line by line from the
// cells of the batch PDF; the PNG shows the label with the last line.
TEST_F(BatchTest, APdf417SeriesOfAHundredLinesReadsBackLineByLine) {
  std::string label = LabelFile([](TLabelDocument& d) {
    d.Layout = {"40", "20", "160", "200", "4", "10", "0", "0", "0", "0"};  // 4 across, 10 down
    TLabelObject& o = Barcode(d, TTypBarCode::bcPDF417, "X");
    o.Left = 20, o.Top = 10, o.Width = 360, o.Height = 180, o.Variable = 1;
  });
  std::vector<std::string> lines;
  std::string csv;
  for (int line = 1; line <= 100; ++line) {
    lines.push_back("Zeile " + std::to_string(line) + " / ART-" + std::to_string(4000 + line));
    csv += lines.back() + ";" + std::to_string(line) + "\r\n";
  }
  test::WriteFile(dir.Path("series.csv"), csv);
  TResult result = RunBatch({QString::fromStdString(label), "--pdf", Path("series.pdf"), "--series",
                             Path("series.csv"), "--png", Path("label.png")});
  ASSERT_EQ(result.ExitCode, 0) << result.Errors;
  std::vector<std::string> read;
  for (int page = 1; page <= 3; ++page) {
    QImage image = Page(dir.Path("series.pdf"), page, dir.Path("page" + std::to_string(page)));
    for (int row = 0; row < 10 && read.size() < lines.size(); ++row)
      for (int column = 0; column < 4 && read.size() < lines.size(); ++column)
        read.push_back(test::DecodeOne(image.copy(column * 400, row * 200, 400, 200), {.Formats = "PDF417"}).Text);
  }
  EXPECT_EQ(read, lines);
  EXPECT_EQ(Texts(QImage(Path("label.png"))), std::vector<std::string>{lines.back()});
}

TEST(BatchOptionsTest, ReadsEveryOption) {
  TBatchOptions o = ParseBatchArguments({"a.lab", "--pdf", "o.pdf", "--dpi", "300", "--start", "2/3", "--series",
                                         "s.csv", "--from", "4", "--to", "9", "--each", "2", "--quantity-column",
                                         "5", "--sheet-width", "195", "--sheet-height", "288", "--landscape", "--save",
                                         "b.lab", "--png", "p.png"});
  EXPECT_EQ(o.LabelFile, "a.lab");
  EXPECT_EQ(o.PdfFile, "o.pdf");
  EXPECT_EQ(o.Dpi, 300);
  EXPECT_EQ(o.StartRow, 2);
  EXPECT_EQ(o.StartColumn, 3);
  EXPECT_EQ(o.SeriesFile, "s.csv");
  EXPECT_EQ(o.FirstLine, 4);
  EXPECT_EQ(o.LastLine, 9);
  EXPECT_EQ(o.EachCount, 2);
  EXPECT_EQ(o.QuantityColumn, 5);
  EXPECT_EQ(o.SheetWidth, 195);
  EXPECT_EQ(o.SheetHeight, 288);
  EXPECT_EQ(o.Landscape, true);
  EXPECT_EQ(o.SaveFile, "b.lab");
  EXPECT_EQ(o.PngFile, "p.png");
  EXPECT_TRUE(ParseBatchArguments({"--help"}).Help);
  TBatchOptions checks = ParseBatchArguments({"a.lab", "--pdf", "o.pdf", "--strict", "--allow-invalid"});
  EXPECT_TRUE(checks.Strict);
  EXPECT_TRUE(checks.AllowInvalid);
  for (std::vector<std::string> bad : std::vector<std::vector<std::string>>{
           {}, {"a.lab"}, {"a.lab", "b.lab", "--save", "x"}, {"a.lab", "--copies", "2"}, {"a.lab", "--start", "2"},
           {"a.lab", "--pdf", "o", "--series", "s", "--series-from-label"}, {"a.lab", "--pdf", "o", "--copies", "2", "--series", "s"}})
    EXPECT_THROW(ParseBatchArguments(bad), EUsageError);
  TBatchOptions named = ParseBatchArguments({"Łódź/日本.lab", "--pdf", "o", "--series", "Müller/日本.csv", "--save", "你好.lab"});
  EXPECT_EQ(named.LabelFile, "Łódź/日本.lab");
  EXPECT_EQ(named.SeriesFile, "Müller/日本.csv");
  EXPECT_EQ(named.SaveFile, "你好.lab");
}

}  // namespace
}  // namespace quorvel
