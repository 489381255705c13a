#include "app/Form30.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "app/AboutText.h"
#include "app/Artwork.h"
#include "platform/Color.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

constexpr TColor kInfoBackground = 16111783;  // red 167, green 216, blue 245

}  // namespace

TForm30::TForm30(TLanguageTable& texts, QWidget* parent) : QDialog(parent) {
  QRect frame(QPoint(0, 0), QSize(498, 327));
  if (QScreen* screen = QGuiApplication::primaryScreen()) frame.moveCenter(screen->availableGeometry().center());
  setGeometry(frame);
  setFixedSize(frame.size());

  auto* picture = new QLabel(this);
  picture->setPixmap(QPixmap::fromImage(AboutPicture()));
  picture->setGeometry(8, 8, 209, 196);

  InfoText = new QPlainTextEdit(this);
  InfoText->setReadOnly(true);
  InfoText->setGeometry(225, 8, 265, 216);
  QPalette palette = InfoText->palette();
  palette.setColor(QPalette::Base, ToQColor(kInfoBackground));
  InfoText->setPalette(palette);

  CloseButton = new QPushButton(QString::fromUtf8("&Schließen"), this);
  CloseButton->setGeometry(336, 232, 75, 25);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);

  uebersetze(texts);
}

void TForm30::uebersetze(TLanguageTable& texts) {
  setWindowTitle(ToQString(texts.sprachtext(25)));
  QStringList lines;
  for (const std::string& line : AboutLines(texts)) lines << ToQString(line);
  InfoText->setPlainText(lines.join('\n'));
}

}  // namespace quorvel
