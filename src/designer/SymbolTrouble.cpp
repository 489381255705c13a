#include "designer/SymbolTrouble.h"

#include "document/LabelDocument.h"
#include "platform/Control.h"
#include "print/PrintCheck.h"

namespace quorvel {

// On the surface one pixel is a tenth of a millimetre at 100 %: a symbol is
// hatched where it would not print at that scale. Thin modules are a matter
// of the printer, so they are not named here.
std::string SymbolTrouble(const TLabelDocument& document, const TLabelObject& object) {
  double pixelsPerMm = 10 * document.Zoom;
  std::optional<TPrintFinding> finding = CheckSymbol(object, {pixelsPerMm, pixelsPerMm});
  if (!finding || !finding->Blocks()) return {};
  return object.Name + ": " + finding->Reason;
}

std::string SurfaceHint(const TLabelDocument& document, const TControl& element) {
  for (int slot = 1; slot <= document.ObjectCount(); ++slot) {
    const TLabelObject& object = document.Object(slot);
    if (&object.Element() != &element) continue;
    std::string trouble = SymbolTrouble(document, object);
    return trouble.empty() ? element.Hint : trouble;
  }
  return element.Hint;
}

}  // namespace quorvel
