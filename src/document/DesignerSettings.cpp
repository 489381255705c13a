#include "document/DesignerSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <array>

#include "document/LabelDocument.h"
#include "document/TextFile.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

// The text fields of lines 3 to 12, in file order.
template <typename Document>
auto SheetFields(Document& d) {
  auto& l = d.Layout;
  return std::array{&l.SheetWidth, &l.SheetHeight,     &l.Columns,   &l.Rows,       &l.RowGap,
                    &l.ColumnGap,  &d.SeriesFileName, &l.TopMargin, &l.LeftMargin, &d.QuantityColumn};
}

// Line n (from 1) of a file; a file with fewer lines reads as empty text.
std::string Line(const std::vector<std::string>& lines, std::size_t n) {
  return n <= lines.size() ? lines[n - 1] : std::string();
}

}  // namespace

QString SettingsFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation); }

std::string SettingsPath(const std::string& name) {
  const QString folder = SettingsFolder();
  return folder.isEmpty() ? name : FromQPath(folder) + "/" + name;
}

std::optional<std::vector<std::string>> ReadSettingsFile(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  TTextLineReader reader(path, kLabelFileLimits);
  std::vector<std::string> lines;
  for (std::string line; reader.NextLine(line);) lines.push_back(line);
  return lines;
}

void WriteSettingsFile(const std::string& path, const std::vector<std::string>& lines) {
  QFileInfo(ToQPath(path)).dir().mkpath(".");
  WriteTextFile(path, lines);
}

void ReadPrinterSettings(TLabelDocument& document, const std::string& path) {
  if (std::optional<std::vector<std::string>> lines = ReadSettingsFile(path)) document.PrinterName = Line(*lines, 1);
}

void WritePrinterSettings(const TLabelDocument& document, const std::string& path) {
  WriteSettingsFile(path, {document.PrinterName});
}

void ReadSheetSettings(TLabelDocument& document, const std::string& path) {
  std::optional<std::vector<std::string>> lines = ReadSettingsFile(path);
  if (!lines) return;
  if (Line(*lines, 1) == "1") document.Landscape = false;
  if (Line(*lines, 2) == "1") document.Landscape = true;
  auto fields = SheetFields(document);
  for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = Line(*lines, i + 3);
}

void WriteSheetSettings(const TLabelDocument& document, const std::string& path) {
  std::vector<std::string> lines{document.Landscape ? "0" : "1", document.Landscape ? "1" : "0"};
  for (const std::string* field : SheetFields(document)) lines.push_back(*field);
  WriteSettingsFile(path, lines);
}

}  // namespace quorvel
