#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The eight kinds of label object; the value is the code that label files store.
enum class TObjectKind { okBox = 1, okHLine, okVLine, okText, okPicture, okBarcode, okVerticalText, okQrCode };

inline constexpr int kObjectKindCount = 8;

inline constexpr std::array<TObjectKind, kObjectKindCount> kAllObjectKinds = {
    TObjectKind::okBox,     TObjectKind::okHLine,   TObjectKind::okVLine,        TObjectKind::okText,
    TObjectKind::okPicture, TObjectKind::okBarcode, TObjectKind::okVerticalText, TObjectKind::okQrCode};

constexpr int KindCode(TObjectKind kind) { return static_cast<int>(kind); }
// 0-based position of the kind in tables of eight.
constexpr int KindIndex(TObjectKind kind) { return KindCode(kind) - 1; }

// The word every object name of the kind begins with: "box", "linh", ...
std::string_view Keyword(TObjectKind kind);

// The kind whose code the text is, exactly "1" to "8"; nothing otherwise.
std::optional<TObjectKind> KindFromCode(std::string_view text);

// The keyword followed by the counter, with at least two digits: box01, text12, box100.
std::string ObjectName(TObjectKind kind, int counter);

}  // namespace quorvel
