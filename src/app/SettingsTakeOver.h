#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {

// The names of the program's settings files: the language, the sheet and
// the printer.
QStringList SettingsFileNames();

// Where settings were kept before they moved to the configuration folder:
// the working directory, then the folder the earlier menu entry worked in
// (~/Quorvel).
QStringList EarlierSettingsFolders();

// At the first start, when settingsFolder holds none of the settings files,
// copies each from the first of earlierFolders that has it, creating
// settingsFolder. Once the folder holds any of them, its files win and
// nothing is copied. The earlier files stay where they are. Returns the
// names copied.
QStringList TakeOverSettingsFiles(const QString& settingsFolder, const QStringList& earlierFolders);

}  // namespace quorvel
