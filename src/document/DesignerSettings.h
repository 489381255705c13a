#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class TLabelDocument;

// The settings files (the designer's two and the start window's language
// file) are plain text with CR LF line ends. They live in the user's
// configuration folder for the program, normally ~/.config/quorvel/,
// whatever folder the program was started from.
inline const std::string kPrinterSettingsFile = "drucker.ini";  // line 1: the printer name
inline const std::string kSheetSettingsFile = "data2.ini";      // orientation, sheet and series settings

// The configuration folder; empty when the system names none, and the
// settings files are then kept in the working directory as bare names.
QString SettingsFolder();
// Where the settings file of this name lives.
std::string SettingsPath(const std::string& name);

// The file's lines; nothing when it does not exist. Throws EUserError naming
// the file when it exists but cannot be read.
std::optional<std::vector<std::string>> ReadSettingsFile(const std::string& path);
// Replaces the file with the lines, creating its folder first: the
// configuration folder need not exist yet. Throws EUserError naming the file.
void WriteSettingsFile(const std::string& path, const std::vector<std::string>& lines);

// Each reader skips a file that does not exist and throws EUserError for
// one that exists but cannot be read.

// The first line becomes PrinterName, whether or not such a printer is installed.
void ReadPrinterSettings(TLabelDocument& document, const std::string& path);
void WritePrinterSettings(const TLabelDocument& document, const std::string& path);

// Twelve lines: portrait "1"/"0", landscape "1"/"0", sheet width and height,
// columns, rows, row gap, column gap, series file, top and left margin,
// quantity column. Lines missing at the end read as empty texts. Line 2
// wins over line 1; when neither reads "1" the orientation stays.
void ReadSheetSettings(TLabelDocument& document, const std::string& path);
void WriteSheetSettings(const TLabelDocument& document, const std::string& path);

}  // namespace quorvel
