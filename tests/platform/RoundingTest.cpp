#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Rounding.h"

namespace quorvel {
namespace {

struct TRoundCase {
  double Value;
  int Expected;
};

TEST(RoundHalfEvenTest, RoundsToNearestWithHalvesToEven) {
  const TRoundCase cases[] = {TRoundCase{2.5, 2}, TRoundCase{3.5, 4}, TRoundCase{0.5, 0},
                                           TRoundCase{1.5, 2}, TRoundCase{-0.5, 0}, TRoundCase{-1.5, -2},
                                           TRoundCase{-2.5, -2}, TRoundCase{2.4999999, 2}, TRoundCase{2.5000001, 3},
                                           TRoundCase{-2.6, -3}, TRoundCase{6.0, 6}, TRoundCase{0.0, 0},
                                           TRoundCase{1e12, std::numeric_limits<int>::max()},
                                           TRoundCase{-1e12, std::numeric_limits<int>::min()},
                                           TRoundCase{std::nan(""), 0}};
  for (const TRoundCase& c : cases) EXPECT_EQ(RoundHalfEven(c.Value), c.Expected) << c.Value;
}

}  // namespace
}  // namespace quorvel
