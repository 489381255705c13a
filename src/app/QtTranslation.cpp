#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <utility>

#include "app/LanguageTable.h"

namespace quorvel {
namespace {

// Qt has no translation for Portugal; Brazil's is the nearest.
constexpr std::pair<int, const char*> kQtLanguages[] = {
    {lgGerman, "de"}, {lgFrench, "fr"}, {lgEnglish, "en"}, {lgPortuguese, "pt_BR"}};

// The file stem of Qt's translation for the language: "qtbase_de".
QString CatalogueName(int language) {
  const char* code = "de";
  for (const auto& [number, qtCode] : kQtLanguages) {
    if (number == language) code = qtCode;
  }
  return QStringLiteral("qtbase_") + code;
}

}  // namespace

TQtTranslation::~TQtTranslation() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

// Taken out while it loads, and put back, so that Qt tells every window
// that the language changed.
void TQtTranslation::Apply(int language) {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
  installed_ = translator_.load(CatalogueName(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
               QCoreApplication::installTranslator(&translator_);
}

}  // namespace quorvel
