#include "app/ManualFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace quorvel {

QString FindManual(const QString& workingFolder, const QString& programFolder, const QString& docFromProgram) {
  const QStringList folders = {workingFolder, programFolder, QDir::cleanPath(programFolder + "/" + docFromProgram)};
  for (const QString& folder : folders) {
    const QString candidate = folder + "/" + ManualFileName;
    if (QFileInfo(candidate).isFile()) return candidate;
  }
  return workingFolder + "/" + ManualFileName;
}

}  // namespace quorvel
