#include "document/TextFile.h"

#include <QFileInfo>

#include "platform/SafeFile.h"
#include "platform/TextCodec.h"

namespace quorvel {

bool FileExists(const std::string& path) { return !path.empty() && QFileInfo::exists(ToQString(path)); }

void WriteTextFile(const std::string& path, const std::vector<std::string>& lines) {
  TSafeFile file(NativePath(path));
  for (const std::string& line : lines) {
    file.Write(line);
    file.Write("\r\n");
  }
  file.Commit();
}

}  // namespace quorvel
