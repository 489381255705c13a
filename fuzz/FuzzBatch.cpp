// The batch command line and the series reader together: arguments and a
// series file from the input drive a whole run. Whatever they say, the run
// ends with a known status, and a failed run leaves no output and no
// temporary file.
#include <sys/stat.h>

#include <QDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "app/BatchOptions.h"
#include "app/BatchRunner.h"
#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "document/LabelFile.h"

namespace {

// A label with a barcode and a QR Code that take series values 1 and 2.
std::string LabelFile(const std::string& folder) {
  quorvel::TLabelDocument document;
  document.Layout = {"60", "30", "120", "60", "2", "2", "0", "0", "0", "0"};
  auto& barcode = document.Append(std::make_unique<quorvel::TLabelObject>(quorvel::TObjectKind::okBarcode));
  barcode.Left = 20, barcode.Top = 20, barcode.Width = 300, barcode.Height = 200, barcode.Variable = 1;
  auto& qr = document.Append(std::make_unique<quorvel::TLabelObject>(quorvel::TObjectKind::okQrCode));
  qr.Left = 350, qr.Top = 20, qr.Width = 200, qr.Height = 200, qr.Variable = 2;
  std::string path = folder + "/label.lab";
  quorvel::save_label(document, path);
  return path;
}

// "@L", "@S" and "@O" stand for the label, the series file and an output.
std::string Expand(std::string argument, const std::string& label, const std::string& series,
                   const std::string& folder) {
  if (argument == "@L") return label;
  if (argument == "@S") return series;
  if (argument.starts_with("@O")) return folder + "/out" + argument.substr(2);
  return argument;
}

}  // namespace

// Input: arguments separated by NUL bytes; after two NUL bytes, the series file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorvel::fuzz::EnsureGuiApplication();
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t split = input.find(std::string_view("\0\0", 2));
  std::string_view arguments = input.substr(0, split);
  std::string_view series = split == std::string_view::npos ? std::string_view() : input.substr(split + 2);
  std::string seriesPath = quorvel::fuzz::WriteInputFile(reinterpret_cast<const std::uint8_t*>(series.data()),
                                                         series.size(), ".csv");
  std::string folder = seriesPath.substr(0, seriesPath.rfind('/')) + "/run";
  QDir(QString::fromStdString(folder)).removeRecursively();
  mkdir(folder.c_str(), 0700);
  static const std::string label = LabelFile(seriesPath.substr(0, seriesPath.rfind('/')));

  std::vector<std::string> argv;
  for (std::size_t start = 0; start <= arguments.size();) {
    std::size_t end = std::min(arguments.find('\0', start), arguments.size());
    argv.push_back(Expand(std::string(arguments.substr(start, end - start)), label, seriesPath, folder));
    start = end + 1;
  }
  quorvel::TBatchOptions options;
  try {
    options = quorvel::ParseBatchArguments(argv);
  } catch (const quorvel::EUsageError&) {
    return 0;
  }
  if (options.Help || !options.PrinterName.empty()) return 0;  // no print server here
  // Outputs named by plain fuzzed words would land beside the sources the
  // fuzzer runs from: they go into the run's folder instead.
  for (std::string* output : {&options.PdfFile, &options.PngFile, &options.SaveFile, &options.ReportFile})
    if (!output->empty() && output->front() != '/') *output = folder + "/" + *output;

  std::ostringstream errors;
  quorvel::TBatchRunner runner(errors, true);
  // Long runs are stopped as a signal would, so an input never times out.
  int labels = 0;
  runner.SetStopSignal([&labels] { return ++labels > 300 ? 15 : 0; });
  int status = runner.Run(options);
  if (status != 0 && status != 1 && status != 2 && status != 128 + 15) __builtin_trap();
  if (status != 0 && !QDir(QString::fromStdString(folder)).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
    __builtin_trap();
  return 0;
}
