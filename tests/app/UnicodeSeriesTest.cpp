// Names from address lists beyond Windows-1252, in a label and a series file
// in folders whose names are no Windows-1252 either, printed by the batch
// tool: every character reaches the PDF's text and every QR Code.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <algorithm>

#include "support/Decoder.h"
#include "support/TempDir.h"

namespace quorvel {
namespace {

const std::vector<std::string> kNames = {"Łódź", "İstanbul", "Ελλάδα", "Dvořák", "你好"};

// One 60 x 40 mm cell per line, five on the sheet: the name as text and as
// QR Code, and a fixed text beyond Windows-1252, so the label is UTF-8.
const std::string kLabel =
    "60;40;120;200;1;5;0;0;0;0;;0;;\r\n"
    "4;1;1;20;20;Name;Arial;12;0;0;0;000000;FFFFFF;\r\n"
    "4;2;0;20;200;Grüße aus Łódź;Arial;10;0;0;0;000000;FFFFFF;\r\n"
    "8;3;1;350;20;220;220;Name;\r\n";

std::string RunBatch(const QStringList& arguments) {
  QProcess process;
  process.start(QUORVEL_BATCH_EXE, arguments);
  process.waitForFinished(120000);
  return process.exitCode() == 0 ? "" : "exit " + std::to_string(process.exitCode()) + ": " +
                                            process.readAllStandardError().toStdString();
}

std::string PdfText(const QString& pdf) {
  QProcess process;
  process.start("pdftotext", {pdf, "-"});
  process.waitForFinished(60000);
  return process.readAllStandardOutput().toStdString();
}

TEST(UnicodeSeriesTest, NamesBeyondWindows1252PrintAsTextAndQrCodeFromFoldersOfAnyName) {
  test::TTempDir dir;
  const std::string folder = dir.Path("Müller/Łódź");
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
  std::string series;
  for (const std::string& name : kNames) series += name + ";\n";
  test::WriteFile(folder + "/adressen.csv", series);
  test::WriteFile(folder + "/etikett.lab", kLabel);
  const QString pdf = QString::fromStdString(folder + "/ausgabe.pdf");
  const QString saved = QString::fromStdString(folder + "/gespeichert.lab");

  ASSERT_EQ(RunBatch({QString::fromStdString(folder + "/etikett.lab"), "--series",
                 QString::fromStdString(folder + "/adressen.csv"), "--pdf", pdf, "--dpi", "300", "--save", saved}),
            "");

  std::string text = PdfText(pdf);
  for (const std::string& name : kNames) EXPECT_NE(text.find(name), std::string::npos) << name << " in\n" << text;
  EXPECT_NE(text.find("Grüße aus Łódź"), std::string::npos);

  QProcess::execute("pdftoppm", {"-r", "300", "-png", "-singlefile", pdf, QString::fromStdString(dir.Path("page"))});
  std::vector<std::string> decoded;
  for (const auto& symbol : test::Decode(QImage(QString::fromStdString(dir.Path("page.png")))))
    decoded.push_back(symbol.Text);
  std::vector<std::string> expected = kNames;
  std::sort(decoded.begin(), decoded.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(decoded, expected);

  // Saved after the series: the last line's values, beyond Windows-1252, so UTF-8.
  std::string label = test::ReadFile(saved.toStdString());
  EXPECT_TRUE(label.starts_with("\xEF\xBB\xBF")) << label;
  EXPECT_NE(label.find("4;1;1;20;20;你好;"), std::string::npos) << label;
  EXPECT_NE(label.find("Grüße aus Łódź"), std::string::npos) << label;
}

}  // namespace
}  // namespace quorvel
