#include "app/LanguageTable.h"

#include "platform/TextCodec.h"

namespace quorvel {
namespace {

// The texts the program shows, one column per language (UTF-8, as
// all text inside the program).
struct TTextRow {
  int Number;
  const char* Texts[4];  // German, French, English, Portuguese
};

constexpr TTextRow kTextRows[] = {
    {21, {"Dokumentation", "Documentation", "Documentation", "Documentaçao"}},
    {25, {"über Talvern", "de Talvern", "about Talvern", "Acerca do Talvern"}},
    {26, {"Ende", "Fin", "End", "Final"}},
    {27, {"Passwort", "Mot de passe", "Password", "Senha pessoal:"}},
    {28, {"bitte Sprache wählen:", "choisir une langue SVP:", "please select language:", "Seleccione o seu Idioma:"}},
    {29, {"deutsch", "allemand", "german", "alemao"}},
    {30, {"französisch", "français", "french", "francês"}},
    {31, {"englisch", "anglais", "english", "inglês"}},
    {996, {"portugiesisch", "portugais", "portuguese", "português"}},
    {619, {"Stand", "Du", "From", "De:"}},
    {620, {"Alleinvertrieb:", "Agence exclusive:", "Sole agency:", "Agência única:"}},
    {670, {"Deutschland", "Allemagne", "Germany", "Alemanha"}},
};

}  // namespace

void TLanguageTable::SetLanguage(int language) {
  CurrentLanguage = language;
  TableStale = true;
}

std::string TLanguageTable::sprachtext(int number) {
  if (TableStale) {
    switch (CurrentLanguage) {
      case lgGerman: FillGerman(); break;
      case lgFrench: FillFrench(); break;
      case lgEnglish: FillEnglish(); break;
      case lgPortuguese: FillPortuguese(); break;
      default: break;  // no language chosen: the table stays as it is
    }
    TableStale = false;
  }
  if (number < 1 || number > SlotCount) return {};
  return TextTable[number - 1];
}

void TLanguageTable::FillGerman() { Fill(lgGerman); }
void TLanguageTable::FillFrench() { Fill(lgFrench); }
void TLanguageTable::FillEnglish() { Fill(lgEnglish); }
void TLanguageTable::FillPortuguese() { Fill(lgPortuguese); }

void TLanguageTable::Fill(int language) {
  for (const TTextRow& row : kTextRows) TextTable[row.Number - 1] = row.Texts[language - 1];
}

}  // namespace quorvel
