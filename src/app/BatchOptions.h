#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// What one run of quorvel-batch is asked to do. Numbers are checked
// against their ranges when the command line is read. File names are kept
// as given: the system's bytes.
struct TBatchOptions {
  std::string LabelFile;
  std::string PdfFile;
  std::string PrinterName;
  std::string PngFile;
  std::string SaveFile;
  std::optional<int> Dpi;
  std::optional<int> Copies;
  int StartRow = 1;
  int StartColumn = 1;
  std::optional<std::string> SeriesFile;
  bool SeriesFromLabel = false;
  int FirstLine = 1;
  int LastLine = 9999;
  int EachCount = 1;
  std::optional<int> QuantityColumn;
  std::optional<int> SheetWidth;
  std::optional<int> SheetHeight;
  std::optional<bool> Landscape;
  bool Strict = false;        // modules under two device pixels refuse the job too
  bool AllowInvalid = false;  // print whatever the check finds
  // Production runs through the print server (--printer only).
  std::optional<int> JobSheets;
  bool Wait = false;
  std::string ReportFile;
  // Sheets of the run that are printed, from 1.
  std::optional<int> FromSheet;
  std::optional<int> ToSheet;
  bool Help = false;

  bool Prints() const { return !PdfFile.empty() || !PrinterName.empty(); }
  bool PrintsSeries() const { return SeriesFile.has_value() || SeriesFromLabel; }
  // Whether the run goes to the print server as jobs of its own.
  bool PrintsJobs() const { return JobSheets || Wait || !ReportFile.empty(); }
};

// A command line that cannot be understood; what() says why.
class EUsageError : public std::exception {
 public:
  explicit EUsageError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// Reads the arguments after the program name. Throws EUsageError.
TBatchOptions ParseBatchArguments(const std::vector<std::string>& arguments);

// The text of --help, UTF-8.
const std::string& BatchUsage();

}  // namespace quorvel
