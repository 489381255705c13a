#include "app/SettingsTakeOver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "app/LanguageFile.h"
#include "document/DesignerSettings.h"
#include "platform/QtText.h"

namespace quorvel {

QStringList SettingsFileNames() {
  return {LanguageFileName, ToQString(kSheetSettingsFile), ToQString(kPrinterSettingsFile)};
}

QStringList EarlierSettingsFolders() { return {QDir::currentPath(), QDir::homePath() + "/Quorvel"}; }

QStringList TakeOverSettingsFiles(const QString& settingsFolder, const QStringList& earlierFolders) {
  const QDir target(settingsFolder);
  const QStringList names = SettingsFileNames();
  const bool firstStart = std::none_of(names.begin(), names.end(), [&](const QString& name) {
    return QFileInfo::exists(target.filePath(name));
  });
  QStringList copied;
  if (!firstStart) return copied;
  for (const QString& name : names) {
    for (const QString& folder : earlierFolders) {
      const QString earlier = QDir(folder).filePath(name);
      if (!QFileInfo(earlier).isFile()) continue;
      // A file that cannot be copied is left behind: the program then starts
      // with its defaults, as without one.
      if (target.mkpath(".") && QFile::copy(earlier, target.filePath(name))) copied << name;
      break;
    }
  }
  return copied;
}

}  // namespace quorvel
