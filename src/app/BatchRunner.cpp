#include "app/BatchRunner.h"

#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>

#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "platform/Bitmap.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/PdfPrinter.h"
#include "app/QtPrinter.h"
#include "platform/Rounding.h"
#include "platform/TextCodec.h"
#include "print/LabelPrinting.h"
#include "print/SeriesPrint.h"

namespace quorvel {

// Reports go to standard error; there is nobody to answer questions.
class TBatchRunner::TStderrDialogs : public IDialogs {
 public:
  explicit TStderrDialogs(std::ostream& errors) : errors_(errors) {}
  void ShowMessage(const std::string& text) override { errors_ << Utf8FromCp1252(text) << '\n'; }
  bool AskYesNo(const std::string& text) override {
    ShowMessage(text);
    return false;
  }
  std::optional<std::string> OpenFileName(const TFileDialogOptions&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const TFileDialogOptions&) override { return std::nullopt; }
  std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
  std::optional<TFont> ChooseFont(const TFont&) override { return std::nullopt; }

 private:
  std::ostream& errors_;
};

namespace {

// Removes the output files unless the run succeeded.
class TOutputGuard {
 public:
  void Add(const std::string& path) {
    if (!path.empty()) paths_.push_back(path);
  }
  void Keep() { paths_.clear(); }
  ~TOutputGuard() {
    for (const std::string& path : paths_) QFile::remove(ToQString(path));
  }

 private:
  std::vector<std::string> paths_;
};

int LinesIn(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  int lines = 0;
  std::string line;
  while (std::getline(in, line)) ++lines;
  return lines;
}

// "[#####.....]  120/1000 Zeilen, 850 Etiketten/s" over the same line.
class TProgressBar {
 public:
  TProgressBar(std::ostream& out, int total) : out_(out), total_(total), start_(Clock::now()) {}
  ~TProgressBar() {
    if (shown_) out_ << '\n';
  }
  void Update(int lines, int labels) {
    auto now = Clock::now();
    if (lines < total_ && now - last_ < std::chrono::milliseconds(100)) return;
    last_ = now;
    shown_ = true;
    double seconds = std::chrono::duration<double>(now - start_).count();
    int filled = total_ > 0 ? 30 * lines / total_ : 30;
    out_ << "\r[" << std::string(filled, '#') << std::string(30 - filled, '.') << "] " << lines << '/' << total_
         << " Zeilen, " << static_cast<int>(seconds > 0 ? labels / seconds : 0) << " Etiketten/s" << std::flush;
  }

 private:
  using Clock = std::chrono::steady_clock;
  std::ostream& out_;
  int total_;
  Clock::time_point start_;
  Clock::time_point last_{};
  bool shown_ = false;
};

void ApplyOverrides(TLabelDocument& document, const TBatchOptions& options) {
  if (options.SheetWidth) document.Layout.SheetWidth = Cp1252FromUtf8(*options.SheetWidth);
  if (options.SheetHeight) document.Layout.SheetHeight = Cp1252FromUtf8(*options.SheetHeight);
  if (options.Landscape) document.Landscape = *options.Landscape;
  if (options.QuantityColumn) document.QuantityColumn = Cp1252FromUtf8(*options.QuantityColumn);
  if (options.SeriesFile) document.SeriesFileName = Cp1252FromUtf8(*options.SeriesFile);
  if (!options.PrinterName.empty()) document.PrinterName = Cp1252FromUtf8(options.PrinterName);
}

int Resolution(const std::optional<std::string>& dpi, int fallback) {
  int value = dpi ? StrToInt(Cp1252FromUtf8(*dpi)) : fallback;
  if (value < 10 || value > 2400)
    throw EUserError(Cp1252FromUtf8("Die Auflösung muss zwischen 10 und 2400 dpi liegen, nicht ") +
                     std::to_string(value));
  return value;
}

// The label alone, as the preview shows it, at the given resolution.
void RenderPng(TLabelDocument& document, const std::string& path, int dpi) {
  double pixelsPerMm = dpi / 25.4;
  int width = RoundHalfEven(StrToFloat(document.Layout.LabelWidth) * pixelsPerMm);
  int height = RoundHalfEven(StrToFloat(document.Layout.LabelHeight) * pixelsPerMm);
  if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > 200'000'000LL)
    throw EUserError(Cp1252FromUtf8("Das Etikett ist für ein Bild zu groß oder leer"));
  TBitmap bitmap(width, height, dpi);
  ausgabe_etikett(document, bitmap.Canvas(), 0, 0, {pixelsPerMm, pixelsPerMm});
  if (!bitmap.Image().save(ToQString(path), "PNG"))
    throw EUserError("Die Datei " + path + Cp1252FromUtf8(" kann nicht geschrieben werden"));
}

}  // namespace

TBatchRunner::TBatchRunner(std::ostream& errors, bool showProgress)
    : systemPrinter_([] { return std::make_unique<TQtPrinter>(nullptr, false); }),
      errors_(errors),
      showProgress_(showProgress) {}

int TBatchRunner::Run(const TBatchOptions& options) {
  TStderrDialogs dialogs(errors_);
  TOutputGuard outputs;
  try {
    TLabelDocument document;
    load_label(document, Cp1252FromUtf8(options.LabelFile));
    ApplyOverrides(document, options);

    std::unique_ptr<IPrinter> printer;
    if (!options.PdfFile.empty()) {
      TPrintableSize size = ReadPrintableSize(document.Layout, dialogs);
      outputs.Add(Cp1252FromUtf8(options.PdfFile));
      printer = std::make_unique<TPdfPrinter>(Cp1252FromUtf8(options.PdfFile), size.Width, size.Height,
                                              Resolution(options.Dpi, 600));
    } else if (!options.PrinterName.empty()) {
      printer = systemPrinter_();
      std::vector<std::string> names = printer->PrinterNames();
      if (std::find(names.begin(), names.end(), document.PrinterName) == names.end())
        throw EPrinterError("Der Drucker " + document.PrinterName + " ist nicht installiert");
    }

    if (printer) {
      TLabelPrinting printing(document, *printer, dialogs);
      TStartCell start{Cp1252FromUtf8(options.StartRow), Cp1252FromUtf8(options.StartColumn)};
      if (options.PrintsSeries()) {
        TSeriesOptions series{start, Cp1252FromUtf8(options.FirstLine), Cp1252FromUtf8(options.LastLine),
                              Cp1252FromUtf8(options.EachCount), {}};
        std::optional<TProgressBar> bar;
        if (showProgress_) {
          bar.emplace(errors_, LinesIn(document.SeriesFileName));
          series.Progress = [&](int lines, int labels) { bar->Update(lines, labels); };
        }
        PrintSeries(printing, series);
      } else if (options.Copies) {
        printing.PrintCopies(Cp1252FromUtf8(*options.Copies), start);
      } else {
        printing.PrintLabel();
      }
    }
    if (!options.PngFile.empty()) {
      outputs.Add(Cp1252FromUtf8(options.PngFile));
      RenderPng(document, Cp1252FromUtf8(options.PngFile), Resolution(options.Dpi, 300));
    }
    if (!options.SaveFile.empty()) save_label(document, Cp1252FromUtf8(options.SaveFile));
    outputs.Keep();
    return 0;
  } catch (const EUserError& e) {
    errors_ << Utf8FromCp1252(e.what()) << '\n';
    return 1;
  }
}

}  // namespace quorvel
