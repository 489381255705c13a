#pragma once

#include <QTemporaryDir>
#include <string>

namespace quorvel::test {

// A private folder removed with the object.
class TTempDir {
 public:
  std::string Path(const std::string& name) const { return dir_.filePath(QString::fromStdString(name)).toStdString(); }

 private:
  QTemporaryDir dir_;
};

// Writes bytes to a file, replacing it.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

}  // namespace quorvel::test
