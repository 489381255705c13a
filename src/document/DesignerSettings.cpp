#include "document/DesignerSettings.h"

#include <array>
#include <vector>

#include "document/LabelDocument.h"
#include "document/TextFile.h"

namespace quorvel {
namespace {

// The text fields of lines 3 to 12, in file order.
template <typename Document>
auto SheetFields(Document& d) {
  auto& l = d.Layout;
  return std::array{&l.SheetWidth, &l.SheetHeight,     &l.Columns,   &l.Rows,       &l.RowGap,
                    &l.ColumnGap,  &d.SeriesFileName, &l.TopMargin, &l.LeftMargin, &d.QuantityColumn};
}

// The first lines of the file, which are all that settings use; line n of
// a file with fewer lines reads as empty text.
class TSettingsLines {
 public:
  explicit TSettingsLines(const std::string& path) {
    TTextLineReader reader(path, kLabelFileLimits);
    std::string line;
    while (lines_.size() < kLinesUsed && reader.NextLine(line)) lines_.push_back(line);
  }
  std::string Line(std::size_t n) const { return n <= lines_.size() ? lines_[n - 1] : std::string(); }

 private:
  static constexpr std::size_t kLinesUsed = 12;
  std::vector<std::string> lines_;
};

}  // namespace

void ReadPrinterSettings(TLabelDocument& document, const std::string& path) {
  if (!FileExists(path)) return;
  document.PrinterName = TSettingsLines(path).Line(1);
}

void WritePrinterSettings(const TLabelDocument& document, const std::string& path) {
  WriteTextFile(path, {document.PrinterName});
}

void ReadSheetSettings(TLabelDocument& document, const std::string& path) {
  if (!FileExists(path)) return;
  TSettingsLines file(path);
  if (file.Line(1) == "1") document.Landscape = false;
  if (file.Line(2) == "1") document.Landscape = true;
  auto fields = SheetFields(document);
  for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = file.Line(i + 3);
}

void WriteSheetSettings(const TLabelDocument& document, const std::string& path) {
  std::vector<std::string> lines{document.Landscape ? "0" : "1", document.Landscape ? "1" : "0"};
  for (const std::string* field : SheetFields(document)) lines.push_back(*field);
  WriteTextFile(path, lines);
}

}  // namespace quorvel
