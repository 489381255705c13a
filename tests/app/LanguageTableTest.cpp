#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/LanguageTable.h"

namespace quorvel {
namespace {

// Every text the windows look up, as Windows-1252 bytes.
struct TTextCase {
  int Number;
  std::array<std::string, 4> Texts;  // German, French, English, Portuguese
};

const TTextCase kTextCases[] = {
    {21, {"Dokumentation", "Documentation", "Documentation", "Documentaç" "ao"}},
    {25, {"ü" "ber Talvern", "de Talvern", "about Talvern", "Acerca do Talvern"}},
    {26, {"Ende", "Fin", "End", "Final"}},
    {27, {"Passwort", "Mot de passe", "Password", "Senha pessoal:"}},
    {28, {"bitte Sprache wählen:", "choisir une langue SVP:", "please select language:", "Seleccione o seu Idioma:"}},
    {29, {"deutsch", "allemand", "german", "alemao"}},
    {30, {"französisch", "franç" "ais", "french", "francês"}},
    {31, {"englisch", "anglais", "english", "inglês"}},
    {996, {"portugiesisch", "portugais", "portuguese", "português"}},
    {619, {"Stand", "Du", "From", "De:"}},
    {620, {"Alleinvertrieb:", "Agence exclusive:", "Sole agency:", "Agência única:"}},
    {670, {"Deutschland", "Allemagne", "Germany", "Alemanha"}},
};

TEST(LanguageTableTest, EveryLookedUpTextInEveryLanguage) {
  for (int language = lgGerman; language <= lgPortuguese; ++language) {
    TLanguageTable table;
    table.SetLanguage(language);
    for (const TTextCase& text : kTextCases) {
      EXPECT_EQ(table.sprachtext(text.Number), text.Texts[language - 1])
          << "text " << text.Number << ", language " << language;
    }
  }
}

TEST(LanguageTableTest, StartsEmptyWithNoLanguageAndNothingToRefill) {
  TLanguageTable table;
  EXPECT_EQ(table.CurrentLanguage, lgNone);
  EXPECT_FALSE(table.TableStale);
  EXPECT_EQ(table.sprachtext(21), "");
}

TEST(LanguageTableTest, AStaleLookupWithoutALanguageClearsTheFlagAndStaysEmptyUntilALanguageIsSet) {
  TLanguageTable table;
  table.TableStale = true;
  EXPECT_EQ(table.sprachtext(26), "");
  EXPECT_FALSE(table.TableStale);

  table.CurrentLanguage = lgEnglish;  // without the flag nothing is refilled
  EXPECT_EQ(table.sprachtext(26), "");

  table.SetLanguage(lgEnglish);
  EXPECT_TRUE(table.TableStale);
  EXPECT_EQ(table.sprachtext(26), "End");
}

TEST(LanguageTableTest, ALanguageChangeWithoutTheFlagKeepsThePreviousTexts) {
  TLanguageTable table;
  table.SetLanguage(lgFrench);
  EXPECT_EQ(table.sprachtext(26), "Fin");
  table.CurrentLanguage = lgGerman;
  EXPECT_EQ(table.sprachtext(26), "Fin");
}

TEST(LanguageTableTest, TwoLookupsAfterOneChangeRefillOnlyOnce) {
  TLanguageTable table;
  table.SetLanguage(lgPortuguese);
  EXPECT_EQ(table.sprachtext(26), "Final");
  EXPECT_FALSE(table.TableStale);
  // Were the second lookup to refill, it would now fill German.
  table.CurrentLanguage = lgGerman;
  EXPECT_EQ(table.sprachtext(27), "Senha pessoal:");
}

TEST(LanguageTableTest, EachLanguageChangeRefillsOnTheNextLookup) {
  TLanguageTable table;
  table.SetLanguage(lgGerman);
  EXPECT_EQ(table.sprachtext(619), "Stand");
  table.SetLanguage(lgEnglish);
  EXPECT_EQ(table.sprachtext(619), "From");
  table.SetLanguage(lgGerman);
  EXPECT_EQ(table.sprachtext(619), "Stand");
}

TEST(LanguageTableTest, AnUnknownLanguageFillsNothingAndKeepsTheTexts) {
  TLanguageTable table;
  table.SetLanguage(lgFrench);
  EXPECT_EQ(table.sprachtext(21), "Documentation");
  table.SetLanguage(7);
  EXPECT_EQ(table.sprachtext(26), "Fin");
  EXPECT_FALSE(table.TableStale);
}

TEST(LanguageTableTest, NumbersNoLanguageFillsGiveEmptyTexts) {
  TLanguageTable table;
  table.SetLanguage(lgGerman);
  for (int number : {1004, 1011, 0, -5, 1301}) EXPECT_EQ(table.sprachtext(number), "") << number;
}

}  // namespace
}  // namespace quorvel
