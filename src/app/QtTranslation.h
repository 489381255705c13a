#pragma once

#include <QTranslator>

namespace quorvel {

// Qt's own texts (the buttons of message boxes, the file and print dialogs)
// in the language of the start window, from the translations installed
// with Qt. Without them Qt speaks English.
class TQtTranslation {
 public:
  TQtTranslation() = default;
  ~TQtTranslation();
  TQtTranslation(const TQtTranslation&) = delete;
  TQtTranslation& operator=(const TQtTranslation&) = delete;

  // Takes Qt's texts of the language (a TLanguageNumber); no language is
  // German, as the designer is. Where Qt's translation is not installed, Qt
  // speaks English.
  void Apply(int language);

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace quorvel
