#include "barcode/Code39Encoder.h"

#include <array>

#include "barcode/ElementPatterns.h"

namespace quorvel {
namespace {

struct TCode39Char {
  char Char;
  const char* Elements;  // 5 bars and 4 spaces, 3 of the 9 wide
};

constexpr std::array<TCode39Char, 44> kCode39 = {{
    {'0', "NNNWWNWNN"}, {'1', "WNNWNNNNW"}, {'2', "NNWWNNNNW"}, {'3', "WNWWNNNNN"}, {'4', "NNNWWNNNW"},
    {'5', "WNNWWNNNN"}, {'6', "NNWWWNNNN"}, {'7', "NNNWNNWNW"}, {'8', "WNNWNNWNN"}, {'9', "NNWWNNWNN"},
    {'A', "WNNNNWNNW"}, {'B', "NNWNNWNNW"}, {'C', "WNWNNWNNN"}, {'D', "NNNNWWNNW"}, {'E', "WNNNWWNNN"},
    {'F', "NNWNWWNNN"}, {'G', "NNNNNWWNW"}, {'H', "WNNNNWWNN"}, {'I', "NNWNNWWNN"}, {'J', "NNNNWWWNN"},
    {'K', "WNNNNNNWW"}, {'L', "NNWNNNNWW"}, {'M', "WNWNNNNWN"}, {'N', "NNNNWNNWW"}, {'O', "WNNNWNNWN"},
    {'P', "NNWNWNNWN"}, {'Q', "NNNNNNWWW"}, {'R', "WNNNNNWWN"}, {'S', "NNWNNNWWN"}, {'T', "NNNNWNWWN"},
    {'U', "WWNNNNNNW"}, {'V', "NWWNNNNNW"}, {'W', "WWWNNNNNN"}, {'X', "NWNNWNNNW"}, {'Y', "WWNNWNNNN"},
    {'Z', "NWWNWNNNN"}, {'-', "NWNNNNWNW"}, {'.', "WWNNNNWNN"}, {' ', "NWWNNNWNN"}, {'$', "NWNWNWNNN"},
    {'/', "NWNWNNNWN"}, {'+', "NWNNNWNWN"}, {'%', "NNNWNWNWN"}, {'*', "NWNNWNWNN"},
}};

const char* Elements(char c) {
  for (const TCode39Char& entry : kCode39)
    if (entry.Char == c) return entry.Elements;
  return "";  // validation admits only table characters
}

// Full ASCII: bytes of a range become a shift character and a letter that
// counts up from First; bytes outside every range stand for themselves.
struct TShiftRange {
  unsigned char First;
  unsigned char Last;
  char Shift;
  char Letter;
};

constexpr std::array<TShiftRange, 10> kFullAscii = {{
    {'!', ',', '/', 'A'},
    {'/', '/', '/', 'O'},
    {':', ':', '/', 'Z'},
    {';', '?', '%', 'F'},
    {'@', '@', '%', 'V'},
    {'[', '_', '%', 'K'},
    {'`', '`', '%', 'W'},
    {'a', 'z', '+', 'A'},
    {'{', '~', '%', 'P'},
    {0x80, 0x80, '%', 'T'},  // the code page's stand-in for DEL
}};

}  // namespace

TModuleString EncodeCode39(std::string_view value) {
  TModuleString symbol;
  std::string& modules = symbol.Modules;
  AppendWithGap(modules, Elements('*'), '2');
  symbol.Marks.LeftStart = static_cast<int>(modules.size()) + 1;
  for (char c : value) AppendWithGap(modules, Elements(c), '1');
  symbol.Marks.LeftEnd = static_cast<int>(modules.size()) - 1;
  AppendElements(modules, Elements('*'), '2');
  return symbol;
}

std::string Code39FullAsciiSequence(std::string_view value) {
  std::string sequence;
  for (char c : value) {
    auto byte = static_cast<unsigned char>(c);
    const TShiftRange* range = nullptr;
    for (const TShiftRange& r : kFullAscii)
      if (byte >= r.First && byte <= r.Last) range = &r;
    if (range) {
      sequence += range->Shift;
      sequence += static_cast<char>(range->Letter + (byte - range->First));
    } else {
      sequence += c;
    }
  }
  return sequence;
}

TModuleString EncodeCode39FullAscii(std::string_view value) { return EncodeCode39(Code39FullAsciiSequence(value)); }

}  // namespace quorvel
