#include "qrcode/QrTextData.h"

#include "platform/TextCodec.h"

namespace quorvel {
namespace {

constexpr std::string_view kUtf8Designator = "\\e[26]";

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

std::string QrDataForText(std::string_view text) {
  if (FitsLatin1(text)) return BackslashesDoubled(Latin1FromUtf8(text));
  return std::string(kUtf8Designator) + BackslashesDoubled(text);
}

}  // namespace quorvel
