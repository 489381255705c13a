#pragma once

#include <array>

#include "designer/SelectionHandles.h"

namespace quorvel {

class TControl;
class TDocumentChanges;
class TLabelDocument;
class TLabelObject;

// What the selection shows on screen; the designer window implements it.
class ISelectionView {
 public:
  virtual ~ISelectionView() = default;
  // Places the handles the kind shows around the bounds (surface pixels) and shows them.
  virtual void ShowHandles(const TBounds& bounds, TObjectKind kind) = 0;
  virtual void HideHandles() = 0;
};

// Selecting, moving and resizing objects with the pointer and the keys. It
// is fed the pointer events of the object controls, the handles and the
// surface, in surface pixels at the current zoom, and writes the results
// back into the document at 100 %. A press on an object selects it (every
// view follows); each drag from press to release is one change of the label.
class TSelectionEditor {
 public:
  TSelectionEditor(TLabelDocument& document, TDocumentChanges& changes, ISelectionView& view);

  // The live slot whose element is the control; 0 if none.
  int getobject(const TControl& control) const;
  // Shows the handles around the current object and sets SelectionActive.
  void setpoints();
  // Hides the handles and clears SelectionActive.
  void delpoints();

  // Pointer events of an object's control, relative to the control.
  void ObjectDown(const TControl& control, int x, int y);
  void ObjectMove(int x, int y);
  void ObjectUp();
  // Pointer events of a handle, relative to the handle.
  void HandleDown(THandle handle, int x, int y);
  void HandleMove(THandle handle, int x, int y);
  void HandleUp(THandle handle);
  // A press on the empty surface, or Esc: the handles go, the current object stays.
  void SurfaceDown() { delpoints(); }
  // An arrow key: the selected object moves by (dx, dy) design units, or
  // with gridStep by as many steps of the snap grid (one design unit each
  // without a grid).
  void Nudge(int dx, int dy, bool gridStep);

  // Forgets a press in progress (before creating an object).
  void Reset();

  bool DraggingObject() const { return dragging_; }
  bool HandleDragging(THandle handle) const { return handleDragging_[static_cast<int>(handle)]; }

 private:
  TBounds PixelBounds(const TLabelObject& object) const;
  // Writes the change from one pixel bounds to the other into the object at 100 % and shows it.
  void Apply(TLabelObject& object, const TBounds& before, const TBounds& after);
  double Snap(int value) const;

  TLabelDocument& document_;
  TDocumentChanges& changes_;
  ISelectionView& view_;
  bool dragging_ = false;
  double grabX_ = 0;
  double grabY_ = 0;
  std::array<bool, kHandleCount> handleDragging_{};
  double anchorX_ = 0;
  double anchorY_ = 0;
};

}  // namespace quorvel
