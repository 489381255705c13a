#include "WorkingDirectory.h"

#include <QDir>
#include <stdexcept>

namespace quorvel::test {

TWorkingDirectory::TWorkingDirectory() : previous_(QDir::currentPath()) {
  if (!QDir::setCurrent(QString::fromStdString(folder_.Path("")))) throw std::runtime_error("cannot enter temp folder");
}

TWorkingDirectory::~TWorkingDirectory() { QDir::setCurrent(previous_); }

}  // namespace quorvel::test
