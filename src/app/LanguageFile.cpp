#include "app/LanguageFile.h"

#include <filesystem>
#include <fstream>

namespace quorvel {
namespace {

// A line longer than this cannot be "1"; reading stops there so that a
// stray large file costs no memory.
constexpr std::size_t kLongestUsefulLine = 64;

std::string ReadLine(std::istream& in) {
  std::string line;
  for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
    if (c == '\n') break;
    if (c == '\r') {
      if (in.peek() == '\n') in.get();
      break;
    }
    if (line.size() < kLongestUsefulLine) line.push_back(static_cast<char>(c));
  }
  return line;
}

}  // namespace

std::optional<TLanguageLines> ReadLanguageFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  TLanguageLines lines;
  for (std::string& line : lines) line = ReadLine(in);
  return lines;
}

bool WriteLanguageFile(const std::string& path, const TLanguageButtons& chosen) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (bool button : chosen) out << (button ? "1" : "0") << "\r\n";
  out.close();
  return static_cast<bool>(out);
}

}  // namespace quorvel
