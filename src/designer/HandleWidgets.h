#pragma once

#include <QWidget>
#include <array>

#include "designer/SelectionHandles.h"

namespace quorvel {

class IDialogs;
class TSelectionEditor;

// The eight handles kr1..kr8: small black squares on the design surface
// whose pointer events resize the current object.
class THandleWidgets {
 public:
  THandleWidgets(QWidget* surface, TSelectionEditor& editor, IDialogs& dialogs);

  void Show(const TBounds& bounds, TObjectKind kind);
  void Hide();
  QWidget* Handle(THandle handle) const { return handles_[static_cast<int>(handle)]; }

 private:
  std::array<QWidget*, kHandleCount> handles_{};
};

}  // namespace quorvel
