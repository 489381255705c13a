#include "document/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/Errors.h"
#include "platform/TextCodec.h"

namespace quorvel {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool FileExists(const std::string& path) { return !path.empty() && QFileInfo::exists(ToQString(path)); }

std::string ReadTextFile(const std::string& path) {
  auto unreadable = [&](const std::string& reason) {
    return EUserError("Die Datei " + path + Cp1252FromUtf8(" kann nicht gelesen werden: ") + reason);
  };
  // Opening a pipe or a device could block or never end.
  if (!QFileInfo(ToQString(path)).isFile()) throw unreadable(Cp1252FromUtf8("keine gewöhnliche Datei"));
  QFile file(ToQString(path));
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
  if (!file.isOpen() || file.error() != QFile::NoError) throw unreadable(FromQString(file.errorString()));
  std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (text.starts_with(kUtf8ByteOrderMark)) return Cp1252FromUtf8(text.substr(kUtf8ByteOrderMark.size()));
  if (LooksLikeUtf8(text)) return Cp1252FromUtf8(text);
  return std::string(text);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

void WriteTextFile(const std::string& path, const std::vector<std::string>& lines) {
  QSaveFile file(ToQString(path));
  bool written = file.open(QIODevice::WriteOnly);
  for (const std::string& line : lines) {
    if (!written) break;
    written = file.write(line.data(), static_cast<qint64>(line.size())) == static_cast<qint64>(line.size()) &&
              file.write("\r\n", 2) == 2;
  }
  if (!written || !file.commit())
    throw EUserError("Die Datei " + path + Cp1252FromUtf8(" kann nicht geschrieben werden: ") +
                     FromQString(file.errorString()));
}

}  // namespace quorvel
