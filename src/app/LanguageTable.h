#pragma once

#include <array>
#include <string>

namespace quorvel {

// The languages of the start and about windows, numbered as the language
// file orders its lines.
enum TLanguageNumber : int { lgNone = 0, lgGerman = 1, lgFrench = 2, lgEnglish = 3, lgPortuguese = 4 };

// The texts of the start and about windows by number. The table holds the
// texts of one language at a time and is refilled on the first lookup after
// the language was set, so windows that already took their texts keep them.
class TLanguageTable {
 public:
  static constexpr int SlotCount = 1300;

  int CurrentLanguage = lgNone;
  bool TableStale = false;  // refill from CurrentLanguage before the next lookup

  // The texts change on the next lookup.
  void SetLanguage(int language);

  // The text of slot number (1..SlotCount) in CurrentLanguage;
  // an empty text for a slot no language fills, or a number out of range.
  std::string sprachtext(int number);

  // Each writes the texts of its language into their slots and touches
  // nothing else, so a text the language lacks keeps the previous one.
  void FillGerman();
  void FillFrench();
  void FillEnglish();
  void FillPortuguese();

 private:
  void Fill(int language);

  std::array<std::string, SlotCount> TextTable;
};

}  // namespace quorvel
