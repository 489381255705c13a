#include "platform/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quorvel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Unicode code points of the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControlRange[byte - 0x80];
  return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[pos]; returns its length, or 0 when
// the sequence is malformed (overlong, surrogate, out of range, cut short).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(pos);
  std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
  if (length == 0 || pos + length > text.size()) return 0;
  if (length == 1) {
    cp = lead;
    return 1;
  }
  cp = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(pos + i) & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

// Calls visit(character, bytes) for each character; a malformed byte is
// visited as itself with the character 0xFFFFFFFF.
template <typename Visit>
void ForEachCharacter(std::string_view utf8, Visit visit) {
  constexpr char32_t kMalformed = 0xFFFFFFFF;
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t cp = 0;
    std::size_t length = DecodeUtf8(utf8, pos, cp);
    if (length == 0) {
      visit(kMalformed, utf8.substr(pos, 1));
      ++pos;
      continue;
    }
    visit(cp, utf8.substr(pos, length));
    pos += length;
  }
}

bool IsLatin1(char32_t cp) { return cp <= 0xFF; }

}  // namespace

std::string Utf8FromCp1252(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (char c : cp1252) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::optional<char> Cp1252ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  auto found = std::ranges::find(kHighControlRange, cp);
  if (found == kHighControlRange.end()) return std::nullopt;
  return static_cast<char>(0x80 + (found - kHighControlRange.begin()));
}

std::string Cp1252FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  ForEachCharacter(utf8, [&](char32_t cp, std::string_view) { out += Cp1252ByteOf(cp).value_or('?'); });
  return out;
}

bool FitsCp1252(std::string_view utf8) {
  bool fits = true;
  ForEachCharacter(utf8, [&](char32_t cp, std::string_view) { fits = fits && Cp1252ByteOf(cp).has_value(); });
  return fits;
}

bool FitsLatin1(std::string_view utf8) {
  bool fits = true;
  ForEachCharacter(utf8, [&](char32_t cp, std::string_view) { fits = fits && IsLatin1(cp); });
  return fits;
}

std::string Latin1FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  ForEachCharacter(utf8, [&](char32_t cp, std::string_view) { out += IsLatin1(cp) ? static_cast<char>(cp) : '?'; });
  return out;
}

std::u32string CharactersOf(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  ForEachCharacter(utf8, [&](char32_t cp, std::string_view) { out += cp > 0x10FFFF ? kReplacement : cp; });
  return out;
}

std::string Utf8Of(char32_t character) {
  std::string out;
  AppendUtf8(out, character);
  return out;
}

std::string Utf8Repaired(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  ForEachCharacter(bytes, [&](char32_t cp, std::string_view sequence) {
    if (cp > 0x10FFFF)
      out += '?';
    else
      out += sequence;
  });
  return out;
}

bool IsUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    char32_t cp = 0;
    std::size_t length = DecodeUtf8(bytes, pos, cp);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::string QuotedForMessage(std::string_view text) {
  constexpr std::size_t kShown = 60;
  std::string quoted = "'";
  std::size_t count = 0;
  ForEachCharacter(text, [&](char32_t cp, std::string_view bytes) {
    if (count++ >= kShown) return;
    bool control = cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp > 0x10FFFF;
    if (!control) {
      quoted += bytes;
      return;
    }
    // A malformed byte shows as itself, a control character as its value.
    unsigned c = bytes.size() == 1 ? static_cast<unsigned char>(bytes[0]) : static_cast<unsigned>(cp);
    static constexpr char kHex[] = "0123456789ABCDEF";
    quoted += {'\\', 'x', kHex[c >> 4], kHex[c & 0xF]};
  });
  if (count > kShown) quoted += "…";
  return quoted + "'";
}

}  // namespace quorvel
