#include <gtest/gtest.h>

#include "designer/SelectionHandles.h"

namespace quorvel {
namespace {

TEST(SelectionHandlesTest, RasterSnapsDifferencesTowardZero) {
  struct TCase {
    const char* Grid;
    int Value;
    double Expected;
  };
  const TCase kCases[] = {
      {"10", 37, 30}, {"10", -37, -30}, {"10", 7, 0},   {"10", 43, 40}, {"10", 0, 0},
      {"5", 37, 35},  {"5", 32, 30},    {"5", -7, -5},  {"5", 4, 0},    {"0", 37, 37},
      {"", -37, -37}, {"ab", 37, 37},   {"3", 37, 37},  {"10x", 37, 37}, {"99999999999", 37, 37},
  };
  for (const TCase& c : kCases) EXPECT_EQ(raster(c.Value, c.Grid), c.Expected) << c.Grid << " " << c.Value;
}

TEST(SelectionHandlesTest, HandlesSitAroundTheExampleBox) {
  std::array<TPoint2, kHandleCount> places = HandlePlaces({10, 10, 100, 50});
  const std::array<TPoint2, kHandleCount> kExpected = {
      {{6, 6}, {56, 6}, {106, 6}, {106, 31}, {106, 56}, {56, 56}, {6, 56}, {6, 31}}};
  EXPECT_EQ(places, kExpected);
}

TEST(SelectionHandlesTest, LinesShowOnlyTheHandlesAlongThem) {
  for (int i = 0; i < kHandleCount; ++i) {
    auto handle = static_cast<THandle>(i);
    bool sideways = handle == THandle::kr4 || handle == THandle::kr8;
    bool upright = handle == THandle::kr2 || handle == THandle::kr6;
    EXPECT_EQ(HandleShown(TObjectKind::okHLine, handle), sideways) << i;
    EXPECT_EQ(HandleShown(TObjectKind::okVLine, handle), upright) << i;
    for (TObjectKind kind : {TObjectKind::okBox, TObjectKind::okText, TObjectKind::okQrCode})
      EXPECT_TRUE(HandleShown(kind, handle)) << i;
  }
}

TEST(SelectionHandlesTest, EachHandleResizesItsEdges) {
  const TBounds kBox{100, 100, 100, 50};
  struct TCase {
    THandle Handle;
    TBounds Expected;  // after a drag of (+10, +20)
  };
  const TCase kCases[] = {
      {THandle::kr1, {110, 120, 90, 30}}, {THandle::kr2, {100, 120, 100, 30}}, {THandle::kr3, {100, 120, 110, 30}},
      {THandle::kr4, {100, 100, 110, 50}}, {THandle::kr5, {100, 100, 110, 70}}, {THandle::kr6, {100, 100, 100, 70}},
      {THandle::kr7, {110, 100, 90, 70}}, {THandle::kr8, {110, 100, 90, 50}},
  };
  for (const TCase& c : kCases)
    EXPECT_EQ(ResizedBounds(kBox, c.Handle, 10, 20), c.Expected) << static_cast<int>(c.Handle) + 1;
}

TEST(SelectionHandlesTest, ResizingStopsAtOneUnit) {
  const TBounds kBox{100, 100, 100, 50};
  EXPECT_EQ(ResizedBounds(kBox, THandle::kr4, -300, 0), (TBounds{100, 100, 1, 50}));
  EXPECT_EQ(ResizedBounds(kBox, THandle::kr1, 300, 300), (TBounds{199, 149, 1, 1}));
  EXPECT_EQ(ResizedBounds(kBox, THandle::kr6, 0, -50), (TBounds{100, 100, 100, 1}));
  // An object already thinner than that may grow, never shrink further.
  EXPECT_EQ(ResizedBounds({0, 0, 0, 0}, THandle::kr5, -5, 4), (TBounds{0, 0, 0, 4}));
}

TEST(SelectionHandlesTest, TextFontGrowsThreePointsForTenPixels) {
  EXPECT_EQ(FontGrowth(10, 254), 3);
  EXPECT_EQ(FontGrowth(-10, 254), -3);
  EXPECT_EQ(FontGrowth(0, 254), 0);
  EXPECT_EQ(FontGrowth(10, 0), 0);
}

}  // namespace
}  // namespace quorvel
