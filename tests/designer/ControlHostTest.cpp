#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <stdexcept>

#include "designer/ControlHost.h"
#include "platform/Canvas.h"
#include "platform/Errors.h"
#include "platform/ScriptedDialogs.h"

namespace quorvel {
namespace {

// A control that fills itself with one colour and remembers what reached it.
class TProbe : public TControl {
 public:
  void Paint(TCanvas& canvas) override {
    ++paints;
    ppi = canvas.PixelsPerInch();
    if (failPaint) throw std::runtime_error("kaputt");
    canvas.Brush = {color, TBrushStyle::bsSolid};
    canvas.FillRect({0, 0, Width(), Height()});
  }
  TColor color = clRed;
  bool failPaint = false;
  int paints = 0;
  int ppi = 0;
};

class ControlHostTest : public ::testing::Test {
 protected:
  ControlHostTest() {
    probe_.SetBounds(10, 20, 40, 30);
    host_ = new TControlHost(probe_, dialogs_, &window_);
    window_.resize(200, 200);
    window_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }
  QColor ShownAt(int x, int y) { return host_->grab().toImage().pixelColor(x, y); }

  TScriptedDialogs dialogs_;
  TProbe probe_;
  QWidget window_;
  TControlHost* host_;
};

TEST_F(ControlHostTest, FollowsTheControlsBoundsAndVisibility) {
  EXPECT_EQ(probe_.Host(), host_);
  EXPECT_EQ(host_->geometry(), QRect(10, 20, 40, 30));
  probe_.SetBounds(5, 6, 70, 8);
  EXPECT_EQ(host_->geometry(), QRect(5, 6, 70, 8));
  probe_.SetVisible(false);
  EXPECT_FALSE(host_->isVisible());
  probe_.SetVisible(true);
  EXPECT_TRUE(host_->isVisible());
  probe_.SetWidth(-5);  // a negative size shows nothing instead of failing
  EXPECT_EQ(host_->width(), 0);
}

TEST_F(ControlHostTest, PaintsTheControlAndRepaintsWhenAsked) {
  EXPECT_EQ(ShownAt(3, 3), QColor(Qt::red));
  EXPECT_EQ(probe_.ppi, host_->logicalDpiY());
  probe_.color = clBlue;
  int before = probe_.paints;
  probe_.Invalidate();
  QTRY_VERIFY(probe_.paints > before);
  EXPECT_EQ(ShownAt(3, 3), QColor(Qt::blue));
  probe_.failPaint = true;  // a control that cannot paint leaves its area empty
  EXPECT_NO_THROW(host_->grab());
}

TEST_F(ControlHostTest, HandsMouseEventsToTheControlInItsOwnCoordinates) {
  std::vector<std::string> seen;
  probe_.OnMouseDown = [&](TControl&, TMouseButton button, TShiftState shift, int x, int y) {
    seen.push_back("down " + std::to_string(static_cast<int>(button)) + (shift.Ctrl ? " ctrl " : " ") +
                   std::to_string(x) + "," + std::to_string(y));
  };
  probe_.OnMouseMove = [&](TControl&, TShiftState, int x, int y) {
    seen.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  };
  probe_.OnMouseUp = [&](TControl&, TMouseButton, TShiftState, int x, int y) {
    seen.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };
  probe_.OnClick = [&](TControl&) { seen.push_back("click"); };
  probe_.OnDblClick = [&](TControl&) { seen.push_back("double"); };

  QTest::mousePress(host_, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 7));
  QTest::mouseMove(host_, QPoint(9, 8));
  QTest::mouseRelease(host_, Qt::LeftButton, Qt::NoModifier, QPoint(9, 8));
  QTest::mouseClick(host_, Qt::RightButton, Qt::NoModifier, QPoint(2, 3));
  EXPECT_EQ(seen, (std::vector<std::string>{"down 0 ctrl 5,7", "move 9,8", "up 9,8", "click", "down 1 2,3", "up 2,3"}));
  seen.clear();
  QTest::mouseDClick(host_, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
  EXPECT_NE(std::find(seen.begin(), seen.end(), "double"), seen.end());
}

TEST_F(ControlHostTest, AFailingHandlerIsReportedNotThrownIntoQt) {
  probe_.OnMouseDown = [](TControl&, TMouseButton, TShiftState, int, int) {
    throw EConvertError("'x' ist kein gültiger Integerwert");
  };
  QTest::mousePress(host_, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
  EXPECT_EQ(dialogs_.Messages(), (std::vector<std::string>{"'x' ist kein gültiger Integerwert"}));
}

TEST_F(ControlHostTest, ShowsTheHintCurrentWhenTheTooltipIsDue) {
  probe_.Hint = "box01";
  QHelpEvent first(QEvent::ToolTip, QPoint(2, 2), host_->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(host_, &first);
  EXPECT_EQ(QToolTip::text(), "box01");
  probe_.Hint = "Köln";  // Windows-1252
  QHelpEvent second(QEvent::ToolTip, QPoint(3, 3), host_->mapToGlobal(QPoint(3, 3)));
  QApplication::sendEvent(host_, &second);
  EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Köln"));
}

TEST_F(ControlHostTest, ADetachedHostLetsGoOfTheControl) {
  QPointer<TControlHost> host = host_;
  host_->Detach();
  EXPECT_EQ(probe_.Host(), nullptr);
  EXPECT_FALSE(host->isVisible());
  probe_.Invalidate();  // reaches nobody
  probe_.SetBounds(0, 0, 1, 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(host.isNull());
}

}  // namespace
}  // namespace quorvel
