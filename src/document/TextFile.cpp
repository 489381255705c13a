#include "document/TextFile.h"

#include <QFileInfo>
#include <algorithm>

#include "platform/SafeFile.h"
#include "platform/QtText.h"
#include "platform/TextCodec.h"

namespace quorvel {

bool FileExists(const std::string& path) { return !path.empty() && QFileInfo::exists(ToQPath(path)); }

void WriteTextFile(const std::string& path, const std::vector<std::string>& lines) {
  const bool cp1252 = std::ranges::all_of(lines, [](const std::string& line) { return FitsCp1252(line); });
  TSafeFile file(path);
  if (!cp1252) file.Write(kUtf8ByteOrderMark);
  for (const std::string& line : lines) {
    file.Write(cp1252 ? Cp1252FromUtf8(line) : line);
    file.Write("\r\n");
  }
  file.Commit();
}

}  // namespace quorvel
