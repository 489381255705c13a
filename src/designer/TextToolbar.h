#pragma once

#include <array>
#include <functional>

#include "designer/ObjectCommands.h"

class QComboBox;
class QLineEdit;
class QToolBar;
class QToolButton;

namespace quorvel {

class TDocumentChanges;
class THandlerGuard;
class TLabelDocument;
class TLabelObject;

// The text formatting part of the top bar: the font face list, the size
// field with its arrows and the bold, italic and underline buttons. New texts
// and vertical texts take their font from it; while a text (kind "text"
// only) is selected it changes that text at once, as a change of the label.
// Sizes are those shown at the document's zoom.
class TTextToolbar {
 public:
  static constexpr int kMinSize = 0;
  static constexpr int kMaxSize = 100;

  // Adds the controls to the bar, their handlers run by the guard;
  // faceChosen runs after a face was chosen from the list, which then has
  // the keyboard focus no longer needs.
  TTextToolbar(QToolBar& bar, TLabelDocument& document, TDocumentChanges& changes, const THandlerGuard& guard,
               std::function<void()> faceChosen);

  TToolbarFont Font() const;
  // Shows the text's face, its size at the zoom and its style, except while
  // the toolbar itself changes the text: it shows what the user did there.
  void ShowText(const TLabelObject& text);

  // A face chosen from the list (typing alone changes nothing).
  void FontNameClick();
  // An arrow: steps the size field by one within 0..100, then the text takes the field's size.
  void UpDown1Click(int step);
  // Bold, italic or underline (0, 1, 2) pressed or released.
  void StyleButtonClick(int style, bool pressed);

 private:
  // The selected text, or null when no text is selected.
  TLabelObject* SelectedText() const;
  // Changes the selected text, if any, as a change of the label.
  void ChangeText(const std::function<void(TLabelObject&)>& change);

  TLabelDocument& document_;
  TDocumentChanges& changes_;
  std::function<void()> faceChosen_;
  bool changing_ = false;
  QComboBox* fontBox_ = nullptr;
  QLineEdit* fontSize_ = nullptr;
  std::array<QToolButton*, 3> styleButtons_{};  // bold, italic, underline
  int position_ = 8;                            // of the arrows
};

}  // namespace quorvel
