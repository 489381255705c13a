#include "platform/TextCodec.h"

#include <array>
#include <cstdint>

namespace quorvel {
namespace {

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

char ByteOf(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
  for (std::size_t i = 0; i < kHighControlRange.size(); ++i)
    if (kHighControlRange[i] == codePoint) return static_cast<char>(0x80 + i);
  return '?';
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
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

}  // namespace

std::string Utf8FromCp1252(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (char c : cp1252) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::string Cp1252FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t cp = 0;
    std::size_t length = DecodeUtf8(utf8, pos, cp);
    if (length == 0) {
      out += '?';
      ++pos;
      continue;
    }
    out += ByteOf(cp);
    pos += length;
  }
  return out;
}

QString ToQString(std::string_view cp1252) {
  QString out;
  out.reserve(static_cast<qsizetype>(cp1252.size()));
  for (char c : cp1252) out += QChar(static_cast<char16_t>(CodePointOf(static_cast<unsigned char>(c))));
  return out;
}

std::string FromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar ch = text[i];
    // A surrogate pair is one character outside the code page: one '?'.
    if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    out += ByteOf(ch.unicode());
  }
  return out;
}

bool LooksLikeUtf8(std::string_view bytes) {
  bool sawNonAscii = false;
  for (std::size_t pos = 0; pos < bytes.size();) {
    char32_t cp = 0;
    std::size_t length = DecodeUtf8(bytes, pos, cp);
    if (length == 0) return false;
    sawNonAscii = sawNonAscii || length > 1;
    pos += length;
  }
  return sawNonAscii;
}

std::string QuotedForMessage(std::string_view cp1252) {
  constexpr std::size_t kShown = 60;
  constexpr std::string_view kUndefined = "\x81\x8D\x8F\x90\x9D";
  std::string quoted = "'";
  for (std::size_t i = 0; i < cp1252.size() && i < kShown; ++i) {
    unsigned char c = static_cast<unsigned char>(cp1252[i]);
    if (c < 0x20 || c == 0x7F || kUndefined.find(static_cast<char>(c)) != std::string_view::npos) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      quoted += {'\\', 'x', kHex[c >> 4], kHex[c & 0xF]};
    } else {
      quoted += static_cast<char>(c);
    }
  }
  if (cp1252.size() > kShown) quoted += '\x85';  // "…"
  return quoted + "'";
}

}  // namespace quorvel
