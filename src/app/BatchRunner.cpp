#include "app/BatchRunner.h"

#include <QTemporaryDir>
#include <algorithm>
#include <climits>
#include <thread>
#include <chrono>
#include <cstdio>

#include "document/LabelDocument.h"
#include "document/LabelFile.h"
#include "platform/Bitmap.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/PdfPrinter.h"
#include "app/QtPrinter.h"
#include "platform/PrintQueue.h"
#include "platform/ReadableFile.h"
#include "platform/Rounding.h"
#include "platform/SafeFile.h"
#include "platform/QtText.h"
#include "print/LabelPrinting.h"
#include "print/PrintCheck.h"
#include "print/SeriesPrint.h"

namespace quorvel {

// There is nobody to answer questions, and nothing may be replaced by a
// fallback: what the designer reports and then works around ends the run.
class TBatchRunner::TStderrDialogs : public IDialogs {
 public:
  void ShowMessage(const std::string& text) override { throw EUserError(text); }
  bool AskYesNo(const std::string& text) override { throw EUserError(text); }
  TYesNoCancel AskYesNoCancel(const std::string& text) override { throw EUserError(text); }
  std::optional<std::string> OpenFileName(const TFileDialogOptions&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const TFileDialogOptions&) override { return std::nullopt; }
  std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
  std::optional<TFont> ChooseFont(const TFont&) override { return std::nullopt; }
};

namespace {

// A stop signal ended the run between two labels.
struct TStopped {
  int Signal;
};

// The batch's answer to a job's findings: each goes to standard error;
// one that leaves a symbol unprinted refuses the job unless --allow-invalid,
// thin modules only warn unless --strict.
bool AcceptFindings(const TPrintCheck& check, const TBatchOptions& options, std::ostream& errors) {
  bool refused = !options.AllowInvalid && (check.Blocking() || options.Strict);
  errors << FindingsText(check, TPrintCheck::kMaxKept);
  if (!refused && !check.Empty()) errors << "Es wird trotzdem gedruckt.\n";
  return !refused;
}

// An output path that names one of the run's inputs.
struct TOverwritesInput {
  std::string Message;
};

// "[#####.....]  120/1000 Zeilen, 850 Etiketten/s" over the same line.
class TProgressBar {
 public:
  explicit TProgressBar(std::ostream& out) : out_(out), start_(Clock::now()) {}
  ~TProgressBar() {
    if (shown_) out_ << '\n';
  }
  void Update(const TSeriesProgress& progress) {
    auto now = Clock::now();
    if (progress.LinesRead < progress.TotalLines && now - last_ < std::chrono::milliseconds(100)) return;
    last_ = now;
    shown_ = true;
    double seconds = std::chrono::duration<double>(now - start_).count();
    int total = progress.TotalLines;
    int filled = total > 0 ? static_cast<int>(30LL * progress.LinesRead / total) : 30;
    out_ << "\r[" << std::string(filled, '#') << std::string(30 - filled, '.') << "] " << progress.LinesRead << '/'
         << total << " Zeilen, " << static_cast<long long>(seconds > 0 ? progress.LabelsPlaced / seconds : 0)
         << " Etiketten/s" << std::flush;
  }

 private:
  using Clock = std::chrono::steady_clock;
  std::ostream& out_;
  Clock::time_point start_;
  Clock::time_point last_{};
  bool shown_ = false;
};

void ApplyOverrides(TLabelDocument& document, const TBatchOptions& options) {
  if (options.SheetWidth) document.Layout.SheetWidth = std::to_string(*options.SheetWidth);
  if (options.SheetHeight) document.Layout.SheetHeight = std::to_string(*options.SheetHeight);
  if (options.Landscape) document.Landscape = *options.Landscape;
  if (options.QuantityColumn) document.QuantityColumn = std::to_string(*options.QuantityColumn);
  if (options.SeriesFile) document.SeriesFileName = *options.SeriesFile;
  if (!options.PrinterName.empty()) document.PrinterName = options.PrinterName;
}

// Refuses an output path that names the label, its series file or one of
// its pictures, however it is spelt, before anything is written.
void CheckOutputsSpareInputs(const TLabelDocument& document, const TBatchOptions& options) {
  std::vector<std::pair<std::string, const char*>> inputs = {
      {options.LabelFile, "die Etikettdatei"}};
  if (options.PrintsSeries()) inputs.push_back({document.SeriesFileName, "die Seriendatei"});
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
    const TLabelObject& object = document.Object(slot);
    if (!object.Deleted && object.Kind() == TObjectKind::okPicture && !object.PictureFile.empty())
      inputs.push_back({object.PictureFile, "eine Bilddatei des Etiketts"});
  }
  std::string save = options.SaveFile.empty() ? "" : options.SaveFile;
  for (const std::string& output : {options.PdfFile, options.PngFile, save})
    for (const auto& [input, what] : inputs)
      if (!output.empty() && SameFile(output, input))
        throw TOverwritesInput{"Die Ausgabedatei " + output + " ist " + what + " und wird nicht überschrieben"};
}

int Resolution(const std::optional<int>& dpi, int fallback) { return dpi.value_or(fallback); }

long long LastSheet(const TBatchOptions& options) { return options.ToSheet ? *options.ToSheet : LLONG_MAX; }

TSeriesOptions SeriesOptions(const TBatchOptions& options) {
  return {{std::to_string(options.StartRow), std::to_string(options.StartColumn)},
          std::to_string(options.FirstLine),
          std::to_string(options.LastLine),
          std::to_string(options.EachCount),
          {}};
}

// The label alone, as the preview shows it, at the given resolution, into
// the file (not yet committed), once its symbols pass the check at that
// resolution.
void RenderPng(TLabelDocument& document, TSafeFile& file, int dpi, const TFindingsGate& gate) {
  double pixelsPerMm = dpi / 25.4;
  int width = RoundHalfEven(StrToFloat(document.Layout.LabelWidth) * pixelsPerMm);
  int height = RoundHalfEven(StrToFloat(document.Layout.LabelHeight) * pixelsPerMm);
  if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > 200'000'000LL)
    throw EUserError(std::string("Das Etikett ist für ein Bild zu groß oder leer"));
  ConfirmFindings(CheckLabel(document, {pixelsPerMm, pixelsPerMm}, 1), gate);
  TBitmap bitmap(width, height, dpi);
  ausgabe_etikett(document, bitmap.Canvas(), 0, 0, {pixelsPerMm, pixelsPerMm});
  if (!bitmap.Image().save(&file.Device(), "PNG"))
    throw EUserError("Die Datei " + DisplayPath(file.Target()) + " kann nicht geschrieben werden");
}

void LoadLabel(TLabelDocument& document, const std::string& path) {
  load_label(document, path);
  if (TReadableFile(path).Size() == 0) throw EUserError("Die Etikettdatei " + path + " ist leer");
}

}  // namespace

TBatchRunner::TBatchRunner(std::ostream& errors, bool showProgress)
    : systemPrinter_([] { return std::make_unique<TQtPrinter>(nullptr, false); }),
      queue_(std::make_unique<TCupsPrintQueue>()),
      errors_(errors),
      showProgress_(showProgress) {}

TBatchRunner::~TBatchRunner() = default;

void TBatchRunner::SetPrintQueue(std::unique_ptr<IPrintQueue> queue) { queue_ = std::move(queue); }

void TBatchRunner::ThrowIfStopped() const {
  if (int signal = stopSignal_()) throw TStopped{signal};
}

int TBatchRunner::Run(const TBatchOptions& options) {
  jobs_.clear();
  std::string failure;
  int status = RunGuarded(options, failure);
  if (!failure.empty()) errors_ << failure << '\n';
  if (!options.ReportFile.empty()) status = WriteReport(options, failure, status);
  return status;
}

int TBatchRunner::RunGuarded(const TBatchOptions& options, std::string& failure) {
  try {
    return RunOutputs(options);
  } catch (const TStopped& stopped) {
    failure = "Abgebrochen durch Signal " + std::to_string(stopped.Signal);
    // Jobs already sent stay with the print server; the report lists them.
    if (!options.PrintsJobs()) failure += "; keine Ausgabe geschrieben";
    return 128 + stopped.Signal;
  } catch (const TOverwritesInput& refusal) {
    failure = refusal.Message;
    return 2;
  } catch (const EAbort& e) {
    // The check's findings are on standard error already.
    failure = std::string(e.what()) + "; keine Ausgabe geschrieben";
  } catch (const EUserError& e) {
    failure = e.what();
  } catch (const std::bad_alloc&) {
    failure = "Nicht genug Arbeitsspeicher; keine Ausgabe geschrieben";
  } catch (const std::exception& e) {
    failure = std::string("Interner Fehler: ") + e.what() + "; keine Ausgabe geschrieben";
  } catch (...) {
    failure = "Unbekannter interner Fehler; keine Ausgabe geschrieben";
  }
  return 1;
}

int TBatchRunner::WriteReport(const TBatchOptions& options, const std::string& failure, int status) {
  try {
    WriteFileSafely(options.ReportFile, JobReportJson(options.LabelFile, jobs_, failure));
    return status;
  } catch (const EUserError& e) {
    errors_ << e.what() << '\n';
    return status == 0 ? 1 : status;
  }
}

TFindingsGate TBatchRunner::Gate(const TBatchOptions& options) {
  return [this, &options](const TPrintCheck& check) { return AcceptFindings(check, options, errors_); };
}

void TBatchRunner::Print(TLabelPrinting& printing, const TBatchOptions& options, const TFindingsGate& gate) {
  printing.SetFindingsGate(gate);
  printing.SetBeforeEachLabel([this] { ThrowIfStopped(); });
  printing.SetSheetRange(options.FromSheet.value_or(1), LastSheet(options));
  TStartCell start{std::to_string(options.StartRow), std::to_string(options.StartColumn)};
  if (options.PrintsSeries()) {
    TSeriesOptions series = SeriesOptions(options);
    std::optional<TProgressBar> bar;
    if (showProgress_) {
      bar.emplace(errors_);
      series.Progress = [&](const TSeriesProgress& progress) { bar->Update(progress); };
    }
    PrintSeries(printing, series);
  } else if (options.Copies) {
    printing.PrintCopies(std::to_string(*options.Copies), start);
  } else {
    printing.PrintLabel();
  }
}

void TBatchRunner::RunJobs(TLabelDocument& document, const TBatchOptions& options, IDialogs& dialogs) {
  TPrintableSize size = ReadPrintableSize(document.Layout, dialogs);
  QTemporaryDir folder;
  if (!folder.isValid()) throw EUserError(std::string("Kein Platz für die Druckaufträge im temporären Ordner"));
  auto pdfPrinter = [&](const std::string& path) {
    return TPdfPrinter(path, size.Width, size.Height, Resolution(options.Dpi, 600));
  };
  // The plan: what each sheet of the whole run holds, read as printing reads it.
  TPdfPrinter planner = pdfPrinter(FromQPath(folder.filePath("plan.pdf")));
  TLabelPrinting planning(document, planner, dialogs);
  TStartCell start{std::to_string(options.StartRow), std::to_string(options.StartColumn)};
  std::vector<TSheetContents> sheets = options.PrintsSeries() ? PlanSeries(planning, SeriesOptions(options))
                                       : planning.PlanCopies(std::to_string(options.Copies.value_or(1)), start);
  // The whole run is checked once, before any job goes to the print server.
  planning.setze_aufloesung();
  ConfirmFindings(options.PrintsSeries()
                      ? CheckSeriesFile(document, planning.Scale(), ReadSeriesRange(document, SeriesOptions(options)))
                      : CheckLabel(document, planning.Scale(), options.Copies.value_or(1)),
                  Gate(options));
  long long last = std::min<long long>(LastSheet(options), static_cast<long long>(sheets.size()));
  long long first = options.FromSheet.value_or(1);
  if (first > last)
    throw EUserError(std::string("Der Druck hat nur ") + std::to_string(sheets.size()) +
                     " Blätter; --from-sheet " + std::to_string(first) + " liegt dahinter");
  std::vector<TPrintedJob> jobs =
      SplitIntoJobs(sheets, first, last, options.JobSheets.value_or(kMaxSheets), options.PrinterName);
  for (TPrintedJob& job : jobs) {
    std::string path = FromQPath(folder.filePath(QString("job-%1.pdf").arg(job.FirstSheet)));
    {
      TPdfPrinter pdf = pdfPrinter(path);
      TLabelPrinting printing(document, pdf, dialogs);
      TBatchOptions part = options;
      part.FromSheet = static_cast<int>(job.FirstSheet);
      part.ToSheet = static_cast<int>(job.LastSheet);
      Print(printing, part, {});
    }
    job.Id = queue_->Submit(options.PrinterName, JobTitle(options.LabelFile, job), path);
    jobs_.push_back(job);
    ThrowIfStopped();
  }
  if (options.Wait) WaitForJobs();
}

void TBatchRunner::WaitForJobs() {
  for (;;) {
    bool open = false;
    for (TPrintedJob& job : jobs_) {
      if (job.State && IsFinal(*job.State)) continue;
      job.State = queue_->State(job.Printer, job.Id);
      open = open || !IsFinal(*job.State);
    }
    if (!open) break;
    ThrowIfStopped();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
  }
  std::string failed;
  for (const TPrintedJob& job : jobs_)
    if (!Succeeded(*job.State)) failed += "\n  " + DescribeJob(job);
  if (!failed.empty()) throw EUserError("Nicht gedruckt wurden:" + failed);
}

int TBatchRunner::RunOutputs(const TBatchOptions& options) {
  TStderrDialogs dialogs;
  TLabelDocument document;
  LoadLabel(document, options.LabelFile);
  ApplyOverrides(document, options);
  CheckOutputsSpareInputs(document, options);
  ThrowIfStopped();
  if (options.PrintsJobs()) {
    RunJobs(document, options, dialogs);
    return 0;
  }

  std::unique_ptr<IPrinter> printer;
  TPdfPrinter* pdf = nullptr;
  if (!options.PdfFile.empty()) {
    TPrintableSize size = ReadPrintableSize(document.Layout, dialogs);
    auto file = std::make_unique<TPdfPrinter>(options.PdfFile, size.Width, size.Height, Resolution(options.Dpi, 600),
                                              TPdfCommit::OnCommit);
    pdf = file.get();
    printer = std::move(file);
  } else if (!options.PrinterName.empty()) {
    printer = systemPrinter_();
    std::vector<std::string> names = printer->PrinterNames();
    if (std::find(names.begin(), names.end(), document.PrinterName) == names.end())
      throw EPrinterError("Der Drucker " + document.PrinterName + " ist nicht installiert");
  }

  if (printer) {
    TLabelPrinting printing(document, *printer, dialogs);
    Print(printing, options, Gate(options));
  }
  std::optional<TSafeFile> png;
  if (!options.PngFile.empty()) {
    png.emplace(options.PngFile);
    RenderPng(document, *png, Resolution(options.Dpi, 300), Gate(options));
  }
  ThrowIfStopped();
  if (pdf) pdf->Commit();
  if (png) png->Commit();
  if (!options.SaveFile.empty()) save_label(document, options.SaveFile);
  return 0;
}

}  // namespace quorvel
