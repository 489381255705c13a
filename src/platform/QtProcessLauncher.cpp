#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "platform/ProcessLauncher.h"
#include "platform/QtText.h"

namespace quorvel {

bool TQtProcessLauncher::StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                                      const std::string& workingDirectory) {
  QStringList list;
  for (const std::string& argument : arguments) list << ToQPath(argument);
  return QProcess::startDetached(ToQPath(program), list, ToQPath(workingDirectory));
}

bool TQtProcessLauncher::OpenDocument(const std::string& pathOrAddress) {
  QString text = ToQString(pathOrAddress);
  QUrl url = text.contains("://") ? QUrl(text) : QUrl::fromLocalFile(text);
  return QDesktopServices::openUrl(url);
}

}  // namespace quorvel
