#include "barcode/ModuleRows.h"

#include <vector>

#include "barcode/BarRuns.h"
#include "barcode/Stretch.h"

namespace quorvel {
namespace {

int CeilDiv(long long numerator, long long denominator) {
  long long quotient = numerator / denominator;
  if (numerator % denominator != 0 && (numerator > 0) == (denominator > 0)) ++quotient;
  return static_cast<int>(quotient);
}

}  // namespace

void PaintModuleRows(TRotatedCanvas& target, const TRect& box, const std::vector<std::string>& rows, bool security) {
  long long count = static_cast<long long>(rows.size());
  std::vector<TRect> bars;
  for (long long r = 0; r < count; ++r) {
    int top = box.Top + CeilDiv(r * box.Height(), count);
    int bottom = box.Top + CeilDiv((r + 1) * box.Height(), count);
    TStretched stretched = StretchModules(rows[r], {}, box.Width(), security);
    ForEachBarRun(stretched.Pixels, [&](int first, int end, char, bool) {
      bars.push_back({box.Left + first, top, box.Left + end, bottom});
    });
  }
  target.FillRects(bars);
}

}  // namespace quorvel
