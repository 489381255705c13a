#include "qrcode/QrEscapes.h"

#include <optional>

namespace quorvel {
namespace {

constexpr char kGroupSeparator = 29;
constexpr int kMaxEciDesignator = 999999;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// A whole number within 0..max, blanks around it allowed.
std::optional<int> NumberIn(std::string_view s, int min, int max) {
  s = Trimmed(s);
  if (s.empty() || s.size() > 7) return std::nullopt;
  int value = 0;
  for (char c : s) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < min || value > max) return std::nullopt;
  return value;
}

// An application indicator: one letter (its code + 100) or a number 0..255.
std::optional<int> ApplicationIndicator(std::string_view s) {
  std::string_view trimmed = Trimmed(s);
  if (trimmed.size() == 1 && IsLetter(trimmed[0])) return static_cast<unsigned char>(trimmed[0]) + 100;
  return NumberIn(s, 0, 255);
}

int EciDataBits(int designator) { return designator < 128 ? 8 : designator <= 16383 ? 16 : 24; }

class TEscapeParser {
 public:
  explicit TEscapeParser(std::string_view text) : text_(text) { result_.Pieces.emplace_back(); }

  TQrEscapedText Parse() {
    if (ParseLeading()) ParseData();
    return std::move(result_);
  }

 private:
  // The content of the bracket that opens at `open`, up to the first "]"
  // not preceded by a backslash; `end` becomes the position after it.
  std::optional<std::string_view> Bracket(std::size_t open, std::size_t& end) const {
    if (open >= text_.size() || text_[open] != '[') return std::nullopt;
    for (std::size_t i = open + 1; i < text_.size(); ++i) {
      if (text_[i] == ']' && text_[i - 1] != '\\') {
        end = i + 1;
        return text_.substr(open + 1, i - open - 1);
      }
    }
    return std::nullopt;
  }

  bool At(std::size_t p, char escape) const {
    return p + 1 < text_.size() && text_[p] == '\\' && text_[p + 1] == escape;
  }

  bool Fail(std::size_t index) {
    result_.ErrorPosition = static_cast<int>(index) + 1;
    return false;
  }

  void AddLeading(TQrMode mode, std::size_t end, std::uint32_t value) {
    TQrSegment segment{mode, static_cast<int>(end - p_), value};
    result_.Leading.push_back(segment);
    result_.EscBits += 4 + QrEscapeDataBits(segment);
    p_ = end;
  }

  std::optional<TQrSegment> Eci(std::size_t& end) const {
    std::optional<std::string_view> content = Bracket(p_ + 2, end);
    std::optional<int> designator = content ? NumberIn(*content, 0, kMaxEciDesignator) : std::nullopt;
    if (!designator) return std::nullopt;
    return TQrSegment{TQrMode::qmEci, static_cast<int>(end - p_), static_cast<std::uint32_t>(*designator)};
  }

  bool ParseLeading() {
    std::size_t end = 0;
    if (At(0, 's')) {
      std::optional<std::string_view> content = Bracket(2, end);
      std::optional<std::uint32_t> value = content ? StructuredAppend(*content) : std::nullopt;
      if (!value) return Fail(1);
      AddLeading(TQrMode::qmStructuredAppend, end, *value);
    }
    if (At(p_, 'e')) {
      std::optional<TQrSegment> eci = Eci(end);
      if (!eci) return Fail(p_ + 1);
      AddLeading(TQrMode::qmEci, end, eci->Value);
    }
    if (At(p_, 'f') || At(p_, 't') || At(p_, 'd')) return ParseLeadingFnc1();
    return true;
  }

  bool ParseLeadingFnc1() {
    fnc1SyntaxPending_ = false;
    char escape = text_[p_ + 1];
    std::size_t next = p_ + 2;
    bool digitFollows = next < text_.size() && IsDigit(text_[next]);
    if (escape != 'd' && digitFollows) {
      AddLeading(TQrMode::qmFnc1First, next, 0);
      return true;
    }
    if (escape == 'f') {
      std::size_t end = 0;
      std::optional<std::string_view> content = Bracket(next, end);
      std::optional<int> indicator = content ? ApplicationIndicator(*content) : std::nullopt;
      if (!indicator) return Fail(p_ + 1);
      AddLeading(TQrMode::qmFnc1Second, end, static_cast<std::uint32_t>(*indicator));
      return true;
    }
    if (escape == 'd') {
      if (next < text_.size() && IsLetter(text_[next])) {
        AddLeading(TQrMode::qmFnc1Second, next + 1, static_cast<unsigned char>(text_[next]) + 100);
        return true;
      }
      if (digitFollows && next + 1 < text_.size() && IsDigit(text_[next + 1])) {
        AddLeading(TQrMode::qmFnc1Second, next + 2, (text_[next] - '0') * 10 + (text_[next + 1] - '0'));
        return true;
      }
    }
    return Fail(p_ + 1);
  }

  static std::optional<std::uint32_t> StructuredAppend(std::string_view content) {
    std::size_t first = content.find(',');
    std::size_t second = first == std::string_view::npos ? first : content.find(',', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    std::optional<int> position = NumberIn(content.substr(0, first), 1, 16);
    std::optional<int> total = NumberIn(content.substr(first + 1, second - first - 1), 2, 16);
    std::optional<int> parity = NumberIn(content.substr(second + 1), 0, 255);
    // A symbol cannot be number 5 of 3.
    if (!position || !total || !parity || *position > *total) return std::nullopt;
    return static_cast<std::uint32_t>((((*position - 1) * 16 + (*total - 1)) << 8) | *parity);
  }

  bool Fnc1SyntaxHolds(char escape) const {
    std::size_t next = p_ + 2;
    bool digit = next < text_.size() && IsDigit(text_[next]);
    switch (escape) {
      case 'd':
        return (next < text_.size() && IsLetter(text_[next])) ||
               (digit && next + 1 < text_.size() && IsDigit(text_[next + 1]));
      case 'f': {
        std::size_t end = 0;
        std::optional<std::string_view> content = Bracket(next, end);
        return digit || (content && ApplicationIndicator(*content));
      }
      default: return digit;
    }
  }

  void AddData(char byte) {
    result_.Pieces.back().Data += byte;
    ++result_.EscCharCount;
    fnc1SyntaxPending_ = false;
  }

  void ParseData() {
    while (p_ < text_.size()) {
      char c = text_[p_];
      if (c != '\\') {
        AddData(c);
        ++p_;
        continue;
      }
      if (p_ + 1 == text_.size()) {
        Fail(p_);
        return;
      }
      char escape = text_[p_ + 1];
      switch (escape) {
        case '\\': AddData('\\'); break;
        case 'g': AddData(kGroupSeparator); break;
        case 'd':
        case 'f':
        case 't':
          if (fnc1SyntaxPending_ && !Fnc1SyntaxHolds(escape)) {
            Fail(p_ + 1);
            return;
          }
          AddData(kGroupSeparator);
          break;
        case 'e': {
          std::size_t end = 0;
          std::optional<TQrSegment> eci = Eci(end);
          if (!eci) {
            Fail(p_ + 1);
            return;
          }
          result_.Pieces.back().EciFollows = true;
          result_.Pieces.back().Eci = *eci;
          result_.Pieces.emplace_back();
          result_.EscBits += 4 + QrEscapeDataBits(*eci);
          p_ = end;
          continue;
        }
        default:  // "\s" after the start and every unknown escape
          Fail(p_ + 1);
          return;
      }
      p_ += 2;
    }
  }

  std::string_view text_;
  std::size_t p_ = 0;
  // Until data or one of "\\", "\g", "\d", "\f", "\t" has come, "\d", "\f"
  // and "\t" must still look like FNC1 escapes.
  bool fnc1SyntaxPending_ = true;
  TQrEscapedText result_;
};

}  // namespace

TQrEscapedText ParseQrEscapes(std::string_view text) { return TEscapeParser(text).Parse(); }

std::string QrUnescapedData(const TQrEscapedText& escaped) {
  std::string data;
  for (const TQrEscapedText::TPiece& piece : escaped.Pieces) data += piece.Data;
  return data;
}

int QrEscapeDataBits(const TQrSegment& segment) {
  switch (segment.Mode) {
    case TQrMode::qmStructuredAppend: return 16;
    case TQrMode::qmEci: return EciDataBits(static_cast<int>(segment.Value));
    case TQrMode::qmFnc1Second: return 8;
    default: return 0;
  }
}

TQrSegmentation SegmentEscapedText(const TQrEscapedText& escaped, int version, const TQrSegmentOptions& options) {
  TQrSegmentation result;
  auto addEscape = [&](const TQrSegment& segment) {
    result.Segments.push_back(segment);
    result.BitCount += 4 + QrEscapeDataBits(segment);
    result.ItemCount += 2 + (QrEscapeDataBits(segment) + 7) / 8;
  };
  for (const TQrSegment& segment : escaped.Leading) addEscape(segment);
  for (const TQrEscapedText::TPiece& piece : escaped.Pieces) {
    TQrSegmentation data = SegmentText(piece.Data, version, options);
    result.Segments.insert(result.Segments.end(), data.Segments.begin(), data.Segments.end());
    result.BitCount += data.BitCount;
    result.ItemCount += data.ItemCount;
    if (piece.EciFollows) addEscape(piece.Eci);
  }
  return result;
}

int QrChecksum(std::string_view text, bool escapes, int& errorPosition) {
  errorPosition = 0;
  std::string unescaped;
  if (escapes) {
    TQrEscapedText escaped = ParseQrEscapes(text);
    errorPosition = escaped.ErrorPosition;
    if (errorPosition != 0) return 0;
    unescaped = QrUnescapedData(escaped);
    text = unescaped;
  }
  unsigned char parity = 0;
  for (char c : text) parity ^= static_cast<unsigned char>(c);
  return parity;
}

}  // namespace quorvel
