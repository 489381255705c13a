#include "barcode/Stretch.h"

#include <cstdint>

namespace quorvel {
namespace {

// First pixel of the 1-based module m.
int ModuleStart(int m, int width, int length, bool security) {
  if (m <= 0) return 0;
  std::int64_t before = m - 1;
  if (security) return static_cast<int>(before * (width / length));
  return static_cast<int>((before * width + length - 1) / length);
}

TTextMarks StretchMarks(const TTextMarks& marks, int width, int length, bool security) {
  auto at = [&](int m) { return ModuleStart(m, width, length, security); };
  return {at(marks.LeftStart), at(marks.LeftEnd), at(marks.RightStart), at(marks.RightEnd), at(marks.AddOnStart)};
}

}  // namespace

TStretched StretchModules(std::string_view modules, const TTextMarks& marks, int width, bool security) {
  TStretched result;
  int length = static_cast<int>(modules.size());
  if (length == 0) return result;
  if (security && width / length <= 0) {
    result.OutOfSecurityBox = true;
    return result;
  }
  if (width <= 0) return result;
  result.Pixels.reserve(width);
  for (int i = 1; i <= length; ++i) {
    int end = ModuleStart(i + 1, width, length, security);
    result.Pixels.append(end - static_cast<int>(result.Pixels.size()), modules[i - 1]);
  }
  result.Marks = StretchMarks(marks, width, length, security);
  return result;
}

}  // namespace quorvel
