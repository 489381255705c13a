#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// What one run of quorvel-batch is asked to do. Numbers stay texts until
// they are used, so they are refused with the number parser's message.
struct TBatchOptions {
  std::string LabelFile;
  std::string PdfFile;
  std::string PrinterName;
  std::string PngFile;
  std::string SaveFile;
  std::optional<std::string> Dpi;
  std::optional<std::string> Copies;
  std::string StartRow = "1";
  std::string StartColumn = "1";
  std::optional<std::string> SeriesFile;
  bool SeriesFromLabel = false;
  std::string FirstLine = "1";
  std::string LastLine = "9999";
  std::string EachCount = "1";
  std::optional<std::string> QuantityColumn;
  std::optional<std::string> SheetWidth;
  std::optional<std::string> SheetHeight;
  std::optional<bool> Landscape;
  bool Strict = false;        // modules under two device pixels refuse the job too
  bool AllowInvalid = false;  // print whatever the check finds
  bool Help = false;

  bool Prints() const { return !PdfFile.empty() || !PrinterName.empty(); }
  bool PrintsSeries() const { return SeriesFile.has_value() || SeriesFromLabel; }
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
const char* BatchUsage();

}  // namespace quorvel
