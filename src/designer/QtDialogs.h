#pragma once

#include <QString>

#include "platform/Dialogs.h"

class QWidget;

namespace quorvel {

// The dialogs as Qt shows them, modal to a parent window.
class TQtDialogs : public IDialogs {
 public:
  explicit TQtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const std::string& text) override;
  void ShowInternalError(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  TYesNoCancel AskYesNoCancel(const std::string& text) override;
  bool AskYesNoDefaultNo(const std::string& text) override;
  std::optional<std::string> OpenFileName(const TFileDialogOptions& options) override;
  std::optional<std::string> SaveFileName(const TFileDialogOptions& options) override;
  std::optional<TColor> ChooseColor(TColor initial) override;
  std::optional<TFont> ChooseFont(const TFont& initial) override;

 private:
  QWidget* parent_;
};

// "Etikett|*.lab|Alle|*.*" becomes "Etikett (*.lab);;Alle (*.*)".
QString ToQtFilter(const std::string& filter);

}  // namespace quorvel
