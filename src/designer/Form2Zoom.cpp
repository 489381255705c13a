// The designer window's display scale: the zoom commands and the size of
// the design surface.
#include <algorithm>

#include "designer/DesignPage.h"
#include "designer/Form2.h"
#include "document/DisplayScale.h"

namespace quorvel {

void TForm2::zoom(double factor) {
  selection_.delpoints();
  std::optional<double> stepped = SteppedZoom(document_.Zoom, factor);
  if (!stepped || *stepped == document_.Zoom) return;
  document_.Zoom = *stepped;
  SizeSurface();
  ShowObjectsAtZoom();
}

void TForm2::zoom_aus() {
  zoom(1 / document_.Zoom);
  designPage_->ScrollHome();
}

// A label size that is no number is reported; the surface keeps its size.
void TForm2::SizeSurface() {
  guard_.Run([this] {
    TSurfaceSize size = document_.SurfaceSize();
    designPage_->SizeSurface(std::max(0, ShownValue(size.Width, document_.Zoom)),
                             std::max(0, ShownValue(size.Height, document_.Zoom)));
  });
}

// Shown values are computed from those of 100 % each time, never from the
// previous shown ones, so that rounding cannot accumulate.
void TForm2::ShowObjectsAtZoom() {
  for (int slot = 1; slot <= document_.ObjectCount(); ++slot) {
    TLabelObject& object = document_.Object(slot);
    if (!object.Deleted) object.UpdateElement(document_.Zoom);
  }
}

}  // namespace quorvel
