#include "app/ManualFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace quorvel {

QString FindManual(const QString& programFolder, const QString& docFromProgram) {
  const QString installed = QDir::cleanPath(programFolder + "/" + docFromProgram + "/" + ManualFileName);
  const QString besideProgram = programFolder + "/" + ManualFileName;
  for (const QString& candidate : {installed, besideProgram}) {
    if (QFileInfo(candidate).isFile()) return candidate;
  }
  return installed;
}

}  // namespace quorvel
