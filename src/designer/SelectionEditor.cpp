#include "designer/SelectionEditor.h"

#include <algorithm>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "platform/Control.h"
#include "platform/Rounding.h"

namespace quorvel {
namespace {

// Pixels per inch of the texts the designer makes.
constexpr int kTextPixelsPerInch = 254;

bool Horizontal(THandle h) { return h != THandle::kr2 && h != THandle::kr6; }
bool Vertical(THandle h) { return h != THandle::kr4 && h != THandle::kr8; }

}  // namespace

TSelectionEditor::TSelectionEditor(TLabelDocument& document, ISelectionView& view)
    : document_(document), view_(view) {}

int TSelectionEditor::getobject(const TControl& control) const {
  for (int slot = 1; slot <= document_.ObjectCount(); ++slot) {
    const TLabelObject& object = document_.Object(slot);
    if (!object.Deleted && &object.Element() == &control) return slot;
  }
  return 0;
}

TLabelObject* TSelectionEditor::Current() const {
  int slot = document_.CurrentObject;
  if (slot < 1 || slot > document_.ObjectCount()) return nullptr;
  return &document_.Object(slot);
}

TBounds TSelectionEditor::PixelBounds(const TLabelObject& object) const {
  TRect r = object.Element().BoundsRect();
  return {r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top};
}

void TSelectionEditor::setpoints() {
  TLabelObject* object = Current();
  if (!object) return;
  view_.ShowHandles(PixelBounds(*object), object->Kind());
  document_.SelectionActive = true;
}

void TSelectionEditor::delpoints() {
  view_.HideHandles();
  document_.SelectionActive = false;
}

void TSelectionEditor::Reset() {
  dragging_ = false;
  grabX_ = grabY_ = 0;
  handleDragging_.fill(false);
}

double TSelectionEditor::Snap(int value) const { return raster(value, document_.SnapGrid); }

void TSelectionEditor::ObjectDown(const TControl& control, int x, int y) {
  document_.CurrentObject = getobject(control);
  TLabelObject* object = Current();
  if (!object) {
    delpoints();
    return;
  }
  // Texts move unsnapped, so they are held where they were grabbed: a
  // snapped grab would make them jump on the first move.
  bool snapped = object->Kind() != TObjectKind::okText;
  grabX_ = snapped ? Snap(x) : x;
  grabY_ = snapped ? Snap(y) : y;
  dragging_ = true;
  setpoints();
  view_.ObjectPressed(*object);
}

void TSelectionEditor::ObjectMove(int x, int y) {
  TLabelObject* object = Current();
  if (!object || !document_.SelectionActive || !dragging_) return;
  bool snapped = object->Kind() != TObjectKind::okText;
  auto step = [&](double difference) {
    return RoundHalfEven(snapped ? Snap(RoundHalfEven(difference)) : difference);
  };
  int dx = step(x - grabX_);
  int dy = step(y - grabY_);
  if (dx == 0 && dy == 0) return;
  TBounds bounds = PixelBounds(*object);
  bounds.Left += dx;
  bounds.Top += dy;
  Apply(*object, bounds);
}

void TSelectionEditor::ObjectUp() {
  bool wasDragging = dragging_;
  dragging_ = false;
  if (wasDragging && Current()) view_.EditFinished();
}

void TSelectionEditor::HandleDown(THandle handle, int x, int y) {
  handleDragging_[static_cast<int>(handle)] = true;
  anchorX_ = x;
  anchorY_ = y;
}

void TSelectionEditor::HandleMove(THandle handle, int x, int y) {
  TLabelObject* object = Current();
  if (!object || !handleDragging_[static_cast<int>(handle)]) return;
  int dx = RoundHalfEven(Snap(RoundHalfEven(x - anchorX_)));
  int dy = RoundHalfEven(Snap(RoundHalfEven(y - anchorY_)));
  if (object->Kind() == TObjectKind::okText) {
    // A text sizes itself to its content: only kr5 acts, through the font.
    if (handle != THandle::kr5 || dy == 0) return;
    object->FontSize = std::max(1, object->FontSize + FontGrowth(dy, RoundHalfEven(kTextPixelsPerInch * document_.Zoom)));
    object->UpdateElement(document_.Zoom);
  } else {
    Apply(*object, ResizedBounds(PixelBounds(*object), handle, dx, dy));
  }
  if (Horizontal(handle)) anchorX_ = Snap(x);
  if (Vertical(handle)) anchorY_ = Snap(y);
  document_.Modified = true;
  setpoints();
}

void TSelectionEditor::HandleUp(THandle handle) {
  handleDragging_[static_cast<int>(handle)] = false;
  if (Current()) view_.EditFinished();
}

void TSelectionEditor::Apply(TLabelObject& object, const TBounds& bounds) {
  double zoom = document_.Zoom;
  object.Left = RoundHalfEven(bounds.Left / zoom);
  object.Top = RoundHalfEven(bounds.Top / zoom);
  if (object.Kind() != TObjectKind::okText && object.Kind() != TObjectKind::okVerticalText) {
    object.Width = std::max(1, RoundHalfEven(bounds.Width / zoom));
    object.Height = std::max(1, RoundHalfEven(bounds.Height / zoom));
  }
  object.UpdateElement(zoom);
  // A barcode may widen its element to fit its modules.
  if (object.Kind() == TObjectKind::okBarcode) object.Width = RoundHalfEven(object.Element().Width() / zoom);
  document_.Modified = true;
  setpoints();
}

}  // namespace quorvel
