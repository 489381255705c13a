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

class TDocumentChanges;

// Edit fields that edit texts of the document: typing changes the text at
// once, and Show puts the document's texts back into the fields.
class TBoundEdits {
 public:
  // A new field named `name` for a text the label file does not hold.
  QLineEdit* Add(std::string& text, const char* name);
  // A new field for a text of the label: typing into it is a change of the
  // label, the step (Windows-1252) that the keys typed in a row make.
  QLineEdit* Add(std::string& text, const char* name, TDocumentChanges& changes, const std::string& step);
  // Shows the document's texts; a field that shows its text already is left
  // alone, so that its cursor stays where the user is typing.
  void Show();

 private:
  std::vector<std::pair<QLineEdit*, std::string*>> edits_;
  bool showing_ = false;
};

// A button that shows a picture instead of a caption, with the hint as its tooltip.
QPushButton* PictureButton(const QIcon& picture, const QString& hint);

// A narrow edit field with the text, named for tests.
QLineEdit* PlainEdit(const QString& text, const char* name);

// A help text shown over a page at a fixed place; its button shows and hides it.
QLabel* HelpText(QWidget* page, const char* text, QRect place, QPushButton* toggle);

}  // namespace quorvel
