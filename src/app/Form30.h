#pragma once

#include <QDialog>

#include "app/LanguageTable.h"

class QPlainTextEdit;
class QPushButton;

namespace quorvel {

// The about window: product, version, release date and the distributor,
// in the language in effect when it was created.
class TForm30 : public QDialog {
 public:
  explicit TForm30(TLanguageTable& texts, QWidget* parent = nullptr);

  // The localised texts, taken once at creation.
  void uebersetze(TLanguageTable& texts);

  QPlainTextEdit* InfoText = nullptr;
  QPushButton* CloseButton = nullptr;
};

}  // namespace quorvel
