#include "designer/FontDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/QtText.h"

namespace quorvel {
namespace {

QFont ToQFont(const TFont& font) {
  QFont qfont(ToQString(font.Name), font.Size);
  qfont.setBold(font.Style.Has(TFontStyle::fsBold));
  qfont.setItalic(font.Style.Has(TFontStyle::fsItalic));
  qfont.setUnderline(font.Style.Has(TFontStyle::fsUnderline));
  qfont.setStrikeOut(font.Style.Has(TFontStyle::fsStrikeOut));
  return qfont;
}

QIcon Swatch(TColor colour) {
  QPixmap swatch(16, 16);
  swatch.fill(ToQColor(colour));
  return QIcon(swatch);
}

}  // namespace

TFontDialog::TFontDialog(const TFont& initial, QWidget* parent)
    : QDialog(parent), initial_(initial), colour_(initial.Color) {
  setWindowTitle("Schriftart");
  auto* column = new QVBoxLayout(this);
  // Qt's dialog serves as a part of this one, without buttons of its own.
  fonts_ = new QFontDialog(ToQFont(initial), this);
  fonts_->setWindowFlags(Qt::Widget);
  fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  column->addWidget(fonts_);
  colourButton_ = new QPushButton("Schriftfarbe");
  colourButton_->setObjectName("FontColourButton");
  colourButton_->setIcon(Swatch(colour_));
  connect(colourButton_, &QPushButton::clicked, this, [this] { ChooseColour(); });
  column->addWidget(colourButton_, 0, Qt::AlignLeft);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
}

void TFontDialog::SetColour(TColor colour) {
  colour_ = colour;
  colourButton_->setIcon(Swatch(colour));
}

void TFontDialog::ChooseColour() {
  QColor chosen = QColorDialog::getColor(ToQColor(colour_), this);
  if (chosen.isValid()) SetColour(FromQColor(chosen));
}

TFont TFontDialog::ChosenFont() const {
  QFont chosen = fonts_->currentFont();
  TFont font = initial_;
  font.Name = FromQString(chosen.family());
  font.Size = chosen.pointSize() > 0 ? chosen.pointSize() : initial_.Size;
  font.Style = TFontStyles()
                   .With(TFontStyle::fsBold, chosen.bold())
                   .With(TFontStyle::fsItalic, chosen.italic())
                   .With(TFontStyle::fsUnderline, chosen.underline())
                   .With(TFontStyle::fsStrikeOut, chosen.strikeOut());
  font.Color = colour_;
  return font;
}

}  // namespace quorvel
