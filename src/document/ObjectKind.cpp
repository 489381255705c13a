#include "document/ObjectKind.h"

namespace quorvel {

std::string_view Keyword(TObjectKind kind) {
  static constexpr std::array<std::string_view, kObjectKindCount> kKeywords = {"box",  "linh", "linv",  "text",
                                                                             "bild", "bar",  "stext", "qr"};
  return kKeywords[KindIndex(kind)];
}

std::optional<TObjectKind> KindFromCode(std::string_view text) {
  if (text.size() != 1 || text[0] < '1' || text[0] > '8') return std::nullopt;
  return static_cast<TObjectKind>(text[0] - '0');
}

std::string ObjectName(TObjectKind kind, int counter) {
  std::string number = std::to_string(counter);
  return std::string(Keyword(kind)) + (number.size() == 1 ? "0" : "") + number;
}

}  // namespace quorvel
