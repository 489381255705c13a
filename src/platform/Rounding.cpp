#include "platform/Rounding.h"

#include <cmath>
#include <limits>

namespace quorvel {

int RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  double lower = std::floor(value);
  double fraction = value - lower;
  double rounded = lower;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) rounded = lower + 1.0;
  constexpr double kMin = std::numeric_limits<int>::min();
  constexpr double kMax = std::numeric_limits<int>::max();
  if (rounded <= kMin) return std::numeric_limits<int>::min();
  if (rounded >= kMax) return std::numeric_limits<int>::max();
  return static_cast<int>(rounded);
}

}  // namespace quorvel
