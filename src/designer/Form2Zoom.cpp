// The designer window's display scale: the zoom commands and the scroll
// bars that slide the design surface within its page.
#include <QScrollBar>
#include <algorithm>

#include "designer/DesignPanel.h"
#include "designer/Form2.h"
#include "document/DisplayScale.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"

namespace quorvel {

void TForm2::zoom(double factor) {
  selection_->delpoints();
  std::optional<double> stepped = SteppedZoom(document_.Zoom, factor);
  if (!stepped || *stepped == document_.Zoom) return;
  document_.Zoom = *stepped;
  SizeSurface();
  ShowObjectsAtZoom();
}

void TForm2::zoom_aus() {
  zoom(1 / document_.Zoom);
  horizontalBar_->setValue(0);
  verticalBar_->setValue(0);
}

void TForm2::SizeSurface() {
  try {
    TSurfaceSize size = document_.SurfaceSize();
    panel_->resize(std::max(0, ShownValue(size.Width, document_.Zoom)),
                   std::max(0, ShownValue(size.Height, document_.Zoom)));
  } catch (const EUserError& error) {
    dialogs_.ShowMessage(error.what());
  }
}

// Shown values are computed from those of 100 % each time, never from the
// previous shown ones, so that rounding cannot accumulate.
void TForm2::ShowObjectsAtZoom() {
  for (int slot = 1; slot <= document_.ObjectCount(); ++slot) {
    TLabelObject& object = document_.Object(slot);
    if (!object.Deleted) object.UpdateElement(document_.Zoom);
  }
}

// The bar's range follows the surface on every change; the position may
// have been cut down to the new maximum on the way.
void TForm2::HorizontalScrolled() {
  horizontalBar_->setMaximum(panel_->width());
  panel_->move(-horizontalBar_->value(), panel_->y());
}

// At position 0 the surface goes back below the quick text field.
void TForm2::VerticalScrolled() {
  verticalBar_->setMaximum(panel_->height());
  int position = verticalBar_->value();
  panel_->move(panel_->x(), position == 0 ? kSurfaceTop : -position);
}

}  // namespace quorvel
