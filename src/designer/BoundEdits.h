#pragma once

#include <QRect>
#include <QString>
#include <string>
#include <utility>
#include <vector>

class QIcon;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quorvel {

// Edit fields that edit texts of the document: typing changes the text at
// once, and Show puts the document's texts back into the fields.
class TBoundEdits {
 public:
  // A new field named `name` for the text.
  QLineEdit* Add(std::string& text, const char* name);
  void Show() const;

 private:
  std::vector<std::pair<QLineEdit*, std::string*>> edits_;
};

// A button that shows a picture instead of a caption, with the hint as its tooltip.
QPushButton* PictureButton(const QIcon& picture, const QString& hint);

// A narrow edit field with the text, named for tests.
QLineEdit* PlainEdit(const QString& text, const char* name);

// A help text shown over a page at a fixed place; its button shows and hides it.
QLabel* HelpText(QWidget* page, const char* text, QRect place, QPushButton* toggle);

}  // namespace quorvel
