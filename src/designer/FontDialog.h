#pragma once

#include <QDialog>

#include "platform/Font.h"

class QFontDialog;
class QPushButton;

namespace quorvel {

// The property grid's font dialog: Qt's choice of face, size and style with
// a button "Schriftfarbe" below it for the colour, which Qt's own font
// dialog does not offer.
class TFontDialog : public QDialog {
 public:
  explicit TFontDialog(const TFont& initial, QWidget* parent = nullptr);

  // The face, size, style and colour as chosen.
  TFont ChosenFont() const;
  void SetColour(TColor colour);

  QFontDialog& FontChoice() const { return *fonts_; }

 private:
  void ChooseColour();

  TFont initial_;
  QFontDialog* fonts_;
  QPushButton* colourButton_;
  TColor colour_;
};

}  // namespace quorvel
