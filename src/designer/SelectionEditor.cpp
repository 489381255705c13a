#include "designer/SelectionEditor.h"

#include <algorithm>

#include "document/DesignFont.h"
#include "document/DisplayScale.h"
#include "document/DocumentChanges.h"
#include "document/LabelDocument.h"
#include "platform/Control.h"
#include "platform/Rounding.h"

namespace quorvel {
namespace {

bool Horizontal(THandle h) { return h != THandle::kr2 && h != THandle::kr6; }
bool Vertical(THandle h) { return h != THandle::kr4 && h != THandle::kr8; }

}  // namespace

TSelectionEditor::TSelectionEditor(TLabelDocument& document, TDocumentChanges& changes, ISelectionView& view)
    : document_(document), changes_(changes), view_(view) {}

int TSelectionEditor::getobject(const TControl& control) const {
  for (int slot = 1; slot <= document_.ObjectCount(); ++slot) {
    const TLabelObject& object = document_.Object(slot);
    if (!object.Deleted && &object.Element() == &control) return slot;
  }
  return 0;
}

TBounds TSelectionEditor::PixelBounds(const TLabelObject& object) const {
  TRect r = object.Element().BoundsRect();
  return {r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top};
}

void TSelectionEditor::setpoints() {
  TLabelObject* object = document_.Current();
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
  TLabelObject* object = document_.Current();
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
  changes_.SelectionChanged();
  changes_.BeginDrag("Verschieben " + object->Name);
}

void TSelectionEditor::ObjectMove(int x, int y) {
  TLabelObject* object = document_.Current();
  if (!object || !document_.SelectionActive || !dragging_) return;
  bool snapped = object->Kind() != TObjectKind::okText;
  auto step = [&](double difference) {
    return RoundHalfEven(snapped ? Snap(RoundHalfEven(difference)) : difference);
  };
  int dx = step(x - grabX_);
  int dy = step(y - grabY_);
  if (dx == 0 && dy == 0) return;
  TBounds before = PixelBounds(*object);
  TBounds after = before;
  after.Left += dx;
  after.Top += dy;
  Apply(*object, before, after);
}

void TSelectionEditor::ObjectUp() {
  dragging_ = false;
  changes_.EndDrag();
}

void TSelectionEditor::HandleDown(THandle handle, int x, int y) {
  handleDragging_[static_cast<int>(handle)] = true;
  anchorX_ = x;
  anchorY_ = y;
  if (TLabelObject* object = document_.Current()) changes_.BeginDrag(std::string("Größe ändern ") + object->Name);
}

void TSelectionEditor::HandleMove(THandle handle, int x, int y) {
  TLabelObject* object = document_.Current();
  if (!object || !handleDragging_[static_cast<int>(handle)]) return;
  int dx = RoundHalfEven(Snap(RoundHalfEven(x - anchorX_)));
  int dy = RoundHalfEven(Snap(RoundHalfEven(y - anchorY_)));
  if (object->Kind() == TObjectKind::okText) {
    // A text sizes itself to its content: only kr5 acts, through the font,
    // whose shown size grows by the points the drag stands for.
    if (handle != THandle::kr5 || dy == 0) return;
    int growth = FontGrowth(dy, kDesignPixelsPerInch);
    object->FontSize = std::max(1, object->FontSize + StoredValue(growth, document_.Zoom));
    object->UpdateElement(document_.Zoom);
  } else {
    TBounds before = PixelBounds(*object);
    Apply(*object, before, ResizedBounds(before, handle, dx, dy));
  }
  if (Horizontal(handle)) anchorX_ = Snap(x);
  if (Vertical(handle)) anchorY_ = Snap(y);
  setpoints();
}

void TSelectionEditor::HandleUp(THandle handle) {
  handleDragging_[static_cast<int>(handle)] = false;
  changes_.EndDrag();
}

void TSelectionEditor::Nudge(int dx, int dy, bool gridStep) {
  TLabelObject* object = document_.Current();
  if (!object || !document_.SelectionActive) return;
  int step = 1;
  if (int grid = SnapStep(document_.SnapGrid); gridStep && grid > 0)
    step = std::max(1, StoredValue(grid, document_.Zoom));
  changes_.Change(
      "Verschieben " + object->Name,
      [&] {
        object->Left += dx * step;
        object->Top += dy * step;
        object->UpdateElement(document_.Zoom);
      },
      TDocumentChanges::TJoin::SameStep);
}

// Each shown change of d pixels changes the value of 100 % by round(d / z),
// so the stored values never depend on the zoom steps taken in between.
void TSelectionEditor::Apply(TLabelObject& object, const TBounds& before, const TBounds& after) {
  double zoom = document_.Zoom;
  TObjectKind kind = object.Kind();
  object.Left += StoredValue(after.Left - before.Left, zoom);
  object.Top += StoredValue(after.Top - before.Top, zoom);
  // Texts and vertical texts take their size from their text.
  if (kind != TObjectKind::okText && kind != TObjectKind::okVerticalText) {
    object.Width = std::max(1, object.Width + StoredValue(after.Width - before.Width, WidthZoom(kind, zoom)));
    object.Height = std::max(1, object.Height + StoredValue(after.Height - before.Height, HeightZoom(kind, zoom)));
  }
  object.UpdateElement(zoom);
  setpoints();
}

}  // namespace quorvel
