#include "platform/Rounding.h"

#include <cmath>
#include <limits>

namespace quorvel {

int RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  // The default floating-point rounding mode rounds halves to even.
  double rounded = std::nearbyint(value);
  constexpr double kMin = std::numeric_limits<int>::min();
  constexpr double kMax = std::numeric_limits<int>::max();
  if (rounded <= kMin) return std::numeric_limits<int>::min();
  if (rounded >= kMax) return std::numeric_limits<int>::max();
  return static_cast<int>(rounded);
}

}  // namespace quorvel
