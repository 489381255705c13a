#include "app/LanguageFile.h"

#include "document/DesignerSettings.h"
#include "platform/Errors.h"

namespace quorvel {

std::optional<TLanguageLines> ReadLanguageFile(const std::string& path) {
  try {
    std::optional<std::vector<std::string>> file = ReadSettingsFile(path);
    if (!file) return std::nullopt;
    TLanguageLines lines;
    for (std::size_t k = 0; k < lines.size() && k < file->size(); ++k) lines[k] = (*file)[k];
    return lines;
  } catch (const EUserError&) {
    return std::nullopt;
  }
}

bool WriteLanguageFile(const std::string& path, const TLanguageButtons& chosen) {
  std::vector<std::string> lines;
  for (bool button : chosen) lines.push_back(button ? "1" : "0");
  try {
    WriteSettingsFile(path, lines);
    return true;
  } catch (const EUserError&) {
    return false;
  }
}

}  // namespace quorvel
