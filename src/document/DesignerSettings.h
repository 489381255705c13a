#pragma once

#include <string>

namespace quorvel {

class TLabelDocument;

// The designer's two settings files, plain text with CR LF line ends, found
// by bare name in the working directory.
inline const std::string kPrinterSettingsFile = "drucker.ini";  // line 1: the printer name
inline const std::string kSheetSettingsFile = "data2.ini";      // orientation, sheet and series settings

// Each reader skips a file that does not exist and throws EUserError for
// one that exists but cannot be read.

// The first line becomes PrinterName, whether or not such a printer is installed.
void ReadPrinterSettings(TLabelDocument& document, const std::string& path = kPrinterSettingsFile);
void WritePrinterSettings(const TLabelDocument& document, const std::string& path = kPrinterSettingsFile);

// Twelve lines: portrait "1"/"0", landscape "1"/"0", sheet width and height,
// columns, rows, row gap, column gap, series file, top and left margin,
// quantity column. Lines missing at the end read as empty texts. Line 2
// wins over line 1; when neither reads "1" the orientation stays.
void ReadSheetSettings(TLabelDocument& document, const std::string& path = kSheetSettingsFile);
void WriteSheetSettings(const TLabelDocument& document, const std::string& path = kSheetSettingsFile);

}  // namespace quorvel
