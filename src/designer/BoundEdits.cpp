#include "designer/BoundEdits.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "document/DocumentChanges.h"
#include "platform/QtText.h"

namespace quorvel {

QLineEdit* TBoundEdits::Add(std::string& text, const char* name) {
  QLineEdit* edit = PlainEdit(ToQString(text), name);
  edits_.emplace_back(edit, &text);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [this, &text](const QString& typed) {
    if (!showing_) text = FromQString(typed);
  });
  return edit;
}

QLineEdit* TBoundEdits::Add(std::string& text, const char* name, TDocumentChanges& changes,
                            const std::string& step) {
  QLineEdit* edit = PlainEdit(ToQString(text), name);
  edits_.emplace_back(edit, &text);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [this, &text, &changes, step](const QString& typed) {
    if (!showing_) changes.Change(step, [&] { text = FromQString(typed); }, TDocumentChanges::TJoin::SameStep);
  });
  return edit;
}

void TBoundEdits::Show() {
  showing_ = true;
  for (const auto& [edit, text] : edits_)
    if (QString shown = ToQString(*text); edit->text() != shown) edit->setText(shown);
  showing_ = false;
}

QPushButton* PictureButton(const QIcon& picture, const QString& hint) {
  auto* button = new QPushButton(picture, QString());
  button->setIconSize(QSize(24, 24));
  button->setToolTip(hint);
  return button;
}

QLineEdit* PlainEdit(const QString& text, const char* name) {
  auto* edit = new QLineEdit(text);
  edit->setObjectName(name);
  edit->setMaximumWidth(120);
  return edit;
}

QLabel* HelpText(QWidget* page, const char* text, QRect place, QPushButton* toggle) {
  auto* help = new QLabel(QString::fromUtf8(text), page);
  help->setGeometry(place);
  help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  help->setAutoFillBackground(true);
  help->setFrameShape(QFrame::Box);
  help->setMargin(6);
  help->hide();
  QObject::connect(toggle, &QPushButton::clicked, help, [help] {
    help->setVisible(!help->isVisible());
    help->raise();
  });
  return help;
}

}  // namespace quorvel
