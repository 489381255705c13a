// The C++ steps of cups-print.sh:
//   cups_test_helper printable QUEUE   prints the queue's printable width and height
//                                      in whole millimetres, as a user enters them
//   cups_test_helper label PATH        writes a label whose Code 128 takes the series' first value
//   cups_test_helper decode PNG DPI    prints the text of every label's symbol, one a line, sorted
//   cups_test_helper decode-cells PNG DPI  the same, each label's cell decoded whole (its
//                                      caption may cross the middle of the bars)
//   cups_test_helper label-pdf417 PATH writes a label with a PDF417 symbol of kPdf417Value
//   cups_test_helper decode-pdf417 PNG DPI  the same for the PDF417 label
//   cups_test_helper measure PNG DPI   prints the distance of the labels' left edges across
//                                      and down the sheet in millimetres
#include <QApplication>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "app/QtPrinter.h"
#include "platform/TextCodec.h"
#include "support/Decoder.h"

namespace {

// 60 x 30 mm labels, 2 x 2 of them; a Code 128 of 44 x 24 mm at (8, 2) mm in each.
constexpr double kLabelWidth = 60, kLabelHeight = 30;
constexpr double kCodeLeft = 8, kCodeTop = 2, kCodeHeight = 24;

int Printable(const std::string& queue) {
  quorvel::TQtPrinter printer(nullptr, false);
  std::vector<std::string> names = printer.PrinterNames();
  auto found = std::find(names.begin(), names.end(), queue);
  if (found == names.end()) {
    std::cerr << "no queue " << queue << "\n";
    return 1;
  }
  printer.SelectPrinter(static_cast<int>(found - names.begin()));
  const double mmPerPixel = 25.4 / printer.PixelsPerInch();
  std::cout << std::floor(printer.PageWidth() * mmPerPixel) << " " << std::floor(printer.PageHeight() * mmPerPixel) << "\n";
  return 0;
}

// The one barcode of a label, in design units (0.1 mm); variable 0: fixed value.
struct TLabelCode {
  quorvel::TTypBarCode Type;
  const char* Value;
  int Left, Top, Width, Height;
  int Variable;
};

// The Code 128 takes the series' first value. The designer's PDF417 (2
// columns) of 50 x 24 mm at (5, 3) mm holds a fixed value.
constexpr TLabelCode kSeriesCode{quorvel::TTypBarCode::bcCode128, "X", 80, 20, 440, 240, 1};
constexpr const char* kPdf417Value = "Quorvel PDF417 / CUPS 4711";
constexpr TLabelCode kPdf417Code{quorvel::TTypBarCode::bcPDF417, kPdf417Value, 50, 30, 500, 240, 0};
constexpr double kPdf417Left = 5, kPdf417Top = 3;

void WriteLabel(const std::string& path, const TLabelCode& label) {
  using namespace quorvel;
  TLabelDocument document;
  document.Layout = {"60", "30", "120", "60", "2", "2", "0", "0", "0", "0"};
  TLabelObject& code = document.Append(std::make_unique<TLabelObject>(TObjectKind::okBarcode));
  code.Left = label.Left, code.Top = label.Top, code.Width = label.Width, code.Height = label.Height;
  code.Barcode().SetTypBarCode(label.Type);
  code.Barcode().SetBarCode(label.Value);
  code.Variable = label.Variable;
  save_label(document, path);
}

void PrintSorted(std::vector<std::string> texts) {
  std::sort(texts.begin(), texts.end());
  for (const auto& text : texts) std::cout << text << "\n";
}

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// The first dark pixel from `from` on, walking by `step`, that follows at
// least `gap` white pixels; its distance from `from` in steps.
std::optional<int> NextEdge(const QImage& image, QPoint from, QPoint step, int gap) {
  int white = 0;
  for (int i = 0; image.valid(from + i * step); ++i) {
    const bool dark = Dark(image, from.x() + i * step.x(), from.y() + i * step.y());
    if (dark && white >= gap) return i;
    white = dark ? 0 : white + 1;
  }
  return std::nullopt;
}

std::optional<int> NextEdgeInRow(const QImage& image, int y, int x0, int gap) {
  auto i = NextEdge(image, {x0, y}, {1, 0}, gap);
  return i ? std::optional(x0 + *i) : std::nullopt;
}

std::optional<int> NextEdgeInColumn(const QImage& image, int x, int y0, int gap) {
  auto i = NextEdge(image, {x, y0}, {0, 1}, gap);
  return i ? std::optional(y0 + *i) : std::nullopt;
}

// The top-left label's first bar, found from the page's top-left corner.
std::optional<QPoint> FirstBar(const QImage& image) {
  for (int y = 0; y < image.height(); y += 4)
    if (auto x = NextEdgeInRow(image, y, 0, 0)) {
      auto top = NextEdgeInColumn(image, *x + 1, 0, 0);
      if (top) return QPoint(*x, *top);
    }
  return std::nullopt;
}

int Measure(const QImage& image, QPoint first, double pixelsPerMm) {
  const int gap = static_cast<int>(5 * pixelsPerMm);  // wider than any space inside a symbol
  auto right = NextEdgeInRow(image, first.y() + static_cast<int>(kCodeHeight / 2 * pixelsPerMm), first.x(), gap);
  auto below = NextEdgeInColumn(image, first.x() + 1, first.y(), gap);
  if (!right || !below) {
    std::cerr << "the second column or row of labels is missing\n";
    return 1;
  }
  std::cout << std::fixed << std::setprecision(2) << (*right - first.x()) / pixelsPerMm << " "
            << (*below - first.y()) / pixelsPerMm << "\n";
  return 0;
}

int Decode(const QImage& image, QPoint first, double pixelsPerMm) {
  // One thin strip across the middle of each label: on the whole page
  // zxing-cpp 1.4 trips an assertion while it merges the rows where it
  // found the same tall Code 128.
  quorvel::test::TDecodeOptions options;
  options.Formats = "Code128";
  options.TryRotate = false;
  std::vector<std::string> texts;
  const double left = first.x() / pixelsPerMm - kCodeLeft, top = first.y() / pixelsPerMm - kCodeTop;
  for (int cell = 0; cell < 4; ++cell) {
    const double x = left + cell % 2 * kLabelWidth, y = top + cell / 2 * kLabelHeight + kCodeTop + kCodeHeight / 2;
    QImage strip = image.copy(std::lround(x * pixelsPerMm), std::lround(y * pixelsPerMm),
                              std::lround(kLabelWidth * pixelsPerMm), 20);
    for (const auto& decoded : quorvel::test::Decode(strip, options)) texts.push_back(decoded.Text);
  }
  PrintSorted(texts);
  return 0;
}

// Each label's cell on its own: on the whole page zxing-cpp 1.4 reports
// some PDF417 symbols twice.
int DecodeCells(const QImage& image, QPoint first, double pixelsPerMm, const char* format, double codeLeft,
                double codeTop) {
  std::vector<std::string> texts;
  const double left = first.x() / pixelsPerMm - codeLeft, top = first.y() / pixelsPerMm - codeTop;
  for (int cell = 0; cell < 4; ++cell) {
    QImage label = image.copy(std::lround((left + cell % 2 * kLabelWidth) * pixelsPerMm),
                              std::lround((top + cell / 2 * kLabelHeight) * pixelsPerMm),
                              std::lround(kLabelWidth * pixelsPerMm), std::lround(kLabelHeight * pixelsPerMm));
    for (const auto& decoded : quorvel::test::Decode(label, {.Formats = format, .TryRotate = false}))
      texts.push_back(decoded.Text);
  }
  PrintSorted(texts);
  return 0;
}

int Usage() {
  std::cerr << "usage: cups_test_helper printable QUEUE | label PATH | label-pdf417 PATH | decode PNG DPI |"
               " decode-cells PNG DPI | decode-pdf417 PNG DPI | measure PNG DPI\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1], argument = argv[2];
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  if (command == "printable") return Printable(argument);
  if (command == "label" || command == "label-pdf417") {
    WriteLabel(argument, command == "label" ? kSeriesCode : kPdf417Code);
    return 0;
  }
  if ((command != "decode" && command != "decode-cells" && command != "decode-pdf417" && command != "measure") ||
      argc != 4)
    return Usage();
  QImage image(QString::fromStdString(argument));
  if (image.isNull()) {
    std::cerr << "cannot read " << argument << "\n";
    return 1;
  }
  const double pixelsPerMm = std::atof(argv[3]) / 25.4;
  auto first = FirstBar(image);
  if (!first) {
    std::cerr << "the page is blank\n";
    return 1;
  }
  if (command == "decode-pdf417") return DecodeCells(image, *first, pixelsPerMm, "PDF417", kPdf417Left, kPdf417Top);
  if (command == "decode-cells") return DecodeCells(image, *first, pixelsPerMm, "Code128", kCodeLeft, kCodeTop);
  return command == "decode" ? Decode(image, *first, pixelsPerMm) : Measure(image, *first, pixelsPerMm);
}
