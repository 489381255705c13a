#include "document/SheetPresets.h"

#include <array>
#include <vector>

namespace quorvel {
namespace {

constexpr std::array<TSheetPreset, 32> kPresets = {{
    {"3666    5 Spalten 13 Reihen, 65 Etiketten", "38", "21,2", "5", "13"},
    {"3667    4 Spalten 16 Reihen, 64 Etiketten", "48,5", "16,9", "4", "16"},
    {"3657    4 Spalten 10 Reihen, 40 Etiketten", "48,5", "25,4", "4", "10"},
    {"3668    4 Spalten 14 Reihen, 56 Etiketten", "52,5", "21,2", "4", "14"},
    {"3651    4 Spalten 10 Reihen, 40 Etiketten", "52,5", "29,7", "4", "10"},
    {"3658    3 Spalten   8 Reihen, 24 Etiketten", "64,6", "33,8", "3", "8"},
    {"3420    3 Spalten 17 Reihen, 51 Etiketten", "70", "16,9", "3", "17"},
    {"3421    3 Spalten 11 Reihen, 33 Etiketten", "70", "25,4", "3", "11"},
    {"3489    3 Spalten 10 Reihen, 30 Etiketten", "70", "29,7", "3", "10"},
    {"3479    3 Spalten  9  Reihen, 27 Etiketten", "70", "32", "3", "9"},
    {"3664    3 Spalten  8  Reihen, 24 Etiketten", "70", "33,8", "3", "8"},
    {"3422    3 Spalten  8  Reihen, 24 Etiketten", "70", "35", "3", "8"},
    {"3475    3 Spalten  8  Reihen, 24 Etiketten", "70", "36", "3", "8"},
    {"3490    3 Spalten  8  Reihen, 24 Etiketten", "70", "36", "3", "8"},
    {"3474    3 Spalten  8  Reihen, 24 Etiketten", "70", "37", "3", "8"},
    {"3481    2 Spalten  6 Reihen,  12 Etiketten", "70", "41", "2", "6"},
    {"3652    3 Spalten  7 Reihen,  21 Etiketten", "70", "42,3", "3", "7"},
    {"3669    3 Spalten  5 Reihen,  15 Etiketten", "70", "50,8", "3", "5"},
    {"3661    3 Spalten  4 Reihen,  12 Etiketten", "70", "67,7", "3", "4"},
    {"3659    2 Spalten  6 Reihen,  12 Etiketten", "97", "42,3", "2", "6"},
    {"3659    2 Spalten  6 Reihen,  12 Etiketten", "97", "42,3", "2", "6"},
    {"3660    2 Spalten  4 Reihen,   8 Etiketten", "97", "67,7", "2", "4"},
    {"3665    2 Spalten  8 Reihen,  16 Etiketten", "105", "33,8", "2", "8"},
    {"3423    2 Spalten  8 Reihen,  16 Etiketten", "105", "35", "2", "8"},
    {"3484    2 Spalten  8 Reihen,  16 Etiketten", "105", "37", "2", "8"},
    {"3477    2 Spalten  7 Reihen,  14 Etiketten", "105", "41", "2", "7"},
    {"3653    2 Spalten  7 Reihen,  14 Etiketten", "105", "42,3", "2", "7"},
    {"3424    2 Spalten  6 Reihen,  12 Etiketten", "105", "48", "2", "6"},
    {"3425    2 Spalten  5 Reihen,  10 Etiketten", "105", "57", "2", "5"},
    {"3426    2 Spalten  4 Reihen,   8 Etiketten", "105", "70", "2", "4"},
    {"3427    2 Spalten  4 Reihen,   8 Etiketten", "105", "74", "2", "4"},
    {"3483    2 Spalten  2 Reihen,   4 Etiketten", "105", "148", "2", "2"},
}};

constexpr int kEmptyEntries = 22;

std::vector<std::string> BuildEntries() {
  std::vector<std::string> entries;
  for (const TSheetPreset& preset : kPresets) entries.emplace_back(preset.Entry);
  entries.insert(entries.end(), kEmptyEntries, std::string());
  entries.emplace_back(" ");
  return entries;
}

}  // namespace

std::span<const TSheetPreset> SheetPresets() { return kPresets; }

std::span<const std::string> SheetPresetEntries() {
  static const std::vector<std::string> entries = BuildEntries();
  return entries;
}

}  // namespace quorvel
