#include "designer/TextToolbar.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "designer/HandlerGuard.h"
#include "document/DisplayScale.h"
#include "document/DocumentChanges.h"
#include "document/LabelDocument.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

struct TStyleDef {
  const char* Caption;
  const char* Hint;
  bool TLabelObject::*Flag;
};
constexpr std::array<TStyleDef, 3> kStyles = {{
    {"B", "Bold", &TLabelObject::Bold},
    {"I", "Italic", &TLabelObject::Italic},
    {"U", "Underline", &TLabelObject::Underline},
}};

// All faces installed for the screen, sorted (GetFontNames).
QStringList GetFontNames() {
  QStringList faces = QFontDatabase::families();
  faces.sort();
  return faces;
}

// The face list changes a text only by a choice: the wheel turning over it
// on the way elsewhere is none.
class TFaceList : public QComboBox {
 protected:
  void wheelEvent(QWheelEvent* event) override {
    if (hasFocus())
      QComboBox::wheelEvent(event);
    else
      event->ignore();
  }
};

QComboBox* FontNameBox() {
  auto* box = new TFaceList;
  box->setObjectName("FontName");
  box->setEditable(true);
  // A typed name is no choice: it must not become an entry either.
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMaxVisibleItems(10);
  box->addItems(GetFontNames());
  box->setEditText("Arial");
  box->setToolTip("Font Name");
  box->setMinimumWidth(160);
  return box;
}

QToolButton* StyleButton(const TStyleDef& style, int index) {
  auto* button = new QToolButton;
  button->setObjectName(QString(style.Hint) + "Button");
  button->setText(style.Caption);
  button->setCheckable(true);
  button->setToolTip(style.Hint);
  QFont look = button->font();
  look.setBold(index == 0);
  look.setItalic(index == 1);
  look.setUnderline(index == 2);
  button->setFont(look);
  return button;
}

}  // namespace

TTextToolbar::TTextToolbar(QToolBar& bar, TLabelDocument& document, TDocumentChanges& changes,
                           const THandlerGuard& guard, std::function<void()> faceChosen)
    : document_(document), changes_(changes), faceChosen_(std::move(faceChosen)) {
  fontBox_ = FontNameBox();
  QObject::connect(fontBox_, &QComboBox::activated, fontBox_, guard.Guarded([this] { FontNameClick(); }));
  bar.addWidget(fontBox_);

  fontSize_ = new QLineEdit(QString::number(position_));
  fontSize_->setObjectName("FontSize");
  fontSize_->setToolTip("Font Size");
  fontSize_->setFixedWidth(36);
  bar.addWidget(fontSize_);
  auto* arrows = new QWidget;
  auto* arrowColumn = new QVBoxLayout(arrows);
  arrowColumn->setContentsMargins(0, 0, 0, 0);
  arrowColumn->setSpacing(0);
  for (auto [direction, step, name] : {std::tuple{Qt::UpArrow, 1, "FontSizeUp"}, {Qt::DownArrow, -1, "FontSizeDown"}}) {
    auto* arrow = new QToolButton;
    arrow->setObjectName(name);
    arrow->setArrowType(direction);
    arrow->setFixedSize(16, 12);
    QObject::connect(arrow, &QToolButton::clicked, arrow, guard.Guarded([this, step = step] { UpDown1Click(step); }));
    arrowColumn->addWidget(arrow);
  }
  bar.addWidget(arrows);

  for (int i = 0; i < static_cast<int>(kStyles.size()); ++i) {
    styleButtons_[i] = StyleButton(kStyles[i], i);
    // clicked, not toggled: showing a pressed text's style must not change it.
    QObject::connect(styleButtons_[i], &QToolButton::clicked, styleButtons_[i],
                     [this, i, &guard](bool pressed) { guard.Run([&] { StyleButtonClick(i, pressed); }); });
    bar.addWidget(styleButtons_[i]);
  }
}

TToolbarFont TTextToolbar::Font() const {
  return {FromQString(fontBox_->currentText()), FromQString(fontSize_->text()), styleButtons_[0]->isChecked(),
          styleButtons_[1]->isChecked(), styleButtons_[2]->isChecked()};
}

void TTextToolbar::ShowText(const TLabelObject& text) {
  if (changing_) return;
  for (size_t i = 0; i < kStyles.size(); ++i) styleButtons_[i]->setChecked(text.*kStyles[i].Flag);
  fontBox_->setEditText(ToQString(text.FontName));
  fontSize_->setText(QString::number(ShownValue(text.FontSize, document_.Zoom)));
}

TLabelObject* TTextToolbar::SelectedText() const {
  TLabelObject* object = document_.Current();
  return document_.SelectionActive && object && object->Kind() == TObjectKind::okText ? object : nullptr;
}

void TTextToolbar::ChangeText(const std::function<void(TLabelObject&)>& change) {
  TLabelObject* text = SelectedText();
  if (!text) return;
  QScopedValueRollback<bool> changing(changing_, true);
  changes_.Change("Schrift " + text->Name, [&] {
    change(*text);
    text->UpdateElement(document_.Zoom);
  });
}

void TTextToolbar::FontNameClick() {
  std::string face = FromQString(fontBox_->currentText());
  ChangeText([&](TLabelObject& text) { text.FontName = face; });
  if (faceChosen_) faceChosen_();
}

void TTextToolbar::UpDown1Click(int step) {
  // Like an up-down control tied to its field: it steps from what the field
  // shows when that is a number, else from its own position.
  bool number = false;
  int shown = fontSize_->text().trimmed().toInt(&number);
  int from = number ? std::clamp(shown, kMinSize, kMaxSize) : position_;
  position_ = std::clamp(from + step, kMinSize, kMaxSize);
  fontSize_->setText(QString::number(position_));
  ChangeText([this](TLabelObject& text) { text.FontSize = StoredFromShown(position_, text.FontSize, document_.Zoom); });
}

void TTextToolbar::StyleButtonClick(int style, bool pressed) {
  ChangeText([&](TLabelObject& text) { text.*kStyles[style].Flag = pressed; });
}

}  // namespace quorvel
