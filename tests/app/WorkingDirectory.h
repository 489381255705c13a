#pragma once

#include <QString>
#include <string>

#include "support/TempDir.h"

namespace quorvel::test {

// Makes a fresh private folder the working directory for the object's life,
// where tests put what the program must find or must ignore there.
class TWorkingDirectory {
 public:
  TWorkingDirectory();
  ~TWorkingDirectory();
  TWorkingDirectory(const TWorkingDirectory&) = delete;
  TWorkingDirectory& operator=(const TWorkingDirectory&) = delete;

  std::string Path(const std::string& name) const { return folder_.Path(name); }

 private:
  TTempDir folder_;
  QString previous_;
};

}  // namespace quorvel::test
