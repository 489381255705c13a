#include <gtest/gtest.h>

#include <vector>

#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "platform/ImageControl.h"

namespace quorvel {
namespace {

class TRecordingHost : public IControlHost {
 public:
  void RequestRepaint(TControl&) override { ++repaints; }
  void BoundsChanged(TControl&) override { ++boundsChanges; }
  int repaints = 0;
  int boundsChanges = 0;
};

TEST(ControlTest, ResizeEventsFollowSizeChangesOnly) {
  TImageControl control;
  TRecordingHost host;
  control.SetHost(&host);
  int resizes = 0;
  control.OnResize = [&](TControl&) { ++resizes; };
  control.SetBounds(0, 0, 10, 10);
  control.SetLeft(5);  // a move is not a resize
  control.SetBounds(5, 0, 10, 10);  // no change at all
  control.SetWidth(20);
  EXPECT_EQ(resizes, 2);
  EXPECT_EQ(host.boundsChanges, 3);
  EXPECT_EQ(control.BoundsRect(), (TRect{5, 0, 25, 10}));
}

TEST(ControlTest, ImageControlRepaintsOnChangesAndPaintsStretchedOrNatural) {
  TImageControl control;
  TRecordingHost host;
  control.SetHost(&host);
  control.SetBounds(0, 0, 20, 20);
  TBitmap picture(2, 2);
  picture.Canvas().Brush = {clBlack, TBrushStyle::bsSolid};
  picture.Canvas().FillRect({0, 0, 2, 2});
  TPicture p;
  p.Assign(picture);
  control.SetPicture(p);
  control.SetStretch(true);
  control.SetStretch(true);
  EXPECT_EQ(host.repaints, 2);

  TBitmap stretched(20, 20);
  control.Paint(stretched.Canvas());
  EXPECT_EQ(stretched.Pixel(19, 19), clBlack);
  control.SetStretch(false);
  TBitmap natural(20, 20);
  control.Paint(natural.Canvas());
  EXPECT_EQ(natural.Pixel(1, 1), clBlack);
  EXPECT_EQ(natural.Pixel(2, 2), clWhite);
}

TEST(ControlTest, MouseHooksReachTheEvents) {
  TImageControl control;
  std::vector<int> seen;
  control.OnMouseDown = [&](TControl&, TMouseButton, TShiftState, int x, int y) { seen.push_back(x * 100 + y); };
  control.OnDblClick = [&](TControl&) { seen.push_back(-1); };
  control.MouseDown(TMouseButton::mbLeft, {}, 3, 4);
  control.DblClick();
  EXPECT_EQ(seen, (std::vector<int>{304, -1}));
}

}  // namespace
}  // namespace quorvel
