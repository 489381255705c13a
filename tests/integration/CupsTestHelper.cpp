// The two C++ steps of cups-print.sh:
//   cups_test_helper label PATH   writes a label whose Code 128 takes the series' first value
//   cups_test_helper decode PNG   prints the text of every symbol found, one a line, sorted
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstring>
#include <iostream>
#include <memory>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "support/Decoder.h"

namespace {

void WriteLabel(const std::string& path) {
  using namespace quorvel;
  TLabelDocument document;
  // 60 x 30 mm labels, 2 x 2 of them on 120 x 60 mm.
  document.Layout = {"60", "30", "120", "60", "2", "2", "0", "0", "0", "0"};
  TLabelObject& code = document.Append(std::make_unique<TLabelObject>(TObjectKind::okBarcode));
  code.Left = 80, code.Top = 20, code.Width = 440, code.Height = 240;
  code.Barcode().SetTypBarCode(TTypBarCode::bcCode128);
  code.Barcode().SetBarCode("X");
  code.Variable = 1;
  save_label(document, path);
}

int Decode(const std::string& path) {
  QImage image(QString::fromStdString(path));
  if (image.isNull()) {
    std::cerr << "cannot read " << path << "\n";
    return 1;
  }
  std::vector<std::string> texts;
  // A thin strip across the middle of each quarter, one label each: on the
  // whole page zxing-cpp 1.4 trips an assertion while it merges the rows
  // where it found the same tall Code 128.
  quorvel::test::TDecodeOptions options;
  options.Formats = "Code128";
  options.TryRotate = false;
  const int w = image.width() / 2, h = image.height() / 2;
  for (int quarter = 0; quarter < 4; ++quarter) {
    QImage strip = image.copy(quarter % 2 * w, quarter / 2 * h + h / 4, w, 20);
    for (const auto& decoded : quorvel::test::Decode(strip, options)) texts.push_back(decoded.Text);
  }
  std::sort(texts.begin(), texts.end());
  for (const auto& text : texts) std::cout << text << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[1], "label") != 0 && std::strcmp(argv[1], "decode") != 0)) {
    std::cerr << "usage: cups_test_helper label PATH | decode PNG\n";
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  if (std::strcmp(argv[1], "label") == 0) {
    WriteLabel(argv[2]);
    return 0;
  }
  return Decode(argv[2]);
}
