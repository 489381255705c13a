#include "qrcode/QrTextData.h"

#include <algorithm>

#include "platform/TextCodec.h"

namespace quorvel {
namespace {

constexpr std::string_view kUtf8Designator = "\\e[26]";

bool IsUndefinedInCp1252(unsigned char c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

std::string BackslashesDoubled(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    escaped += c;
    if (c == '\\') escaped += '\\';
  }
  return escaped;
}

}  // namespace

bool IsLatin1Text(std::string_view cp1252) {
  return std::none_of(cp1252.begin(), cp1252.end(), [](char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 && byte <= 0x9F && !IsUndefinedInCp1252(byte);
  });
}

std::string QrDataForText(std::string_view cp1252) {
  if (IsLatin1Text(cp1252)) return BackslashesDoubled(cp1252);
  return std::string(kUtf8Designator) + BackslashesDoubled(Utf8FromCp1252(cp1252));
}

}  // namespace quorvel
