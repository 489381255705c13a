#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "designer/HandlerGuard.h"
#include "platform/Control.h"

namespace quorvel {

class IDialogs;

// The tooltip of a control, asked when it is due; none given: its Hint.
using THintSource = std::function<std::string(const TControl& control)>;

// The one widget class that shows a control on the design surface, whatever
// its kind: it paints the control on a TCanvas over its QPainter, hands
// mouse events to the control, follows the control's bounds and visibility,
// repaints when the control asks, and shows the control's Hint as tooltip.
// Failures inside the control's handlers go to the handler guard, never
// into Qt.
class TControlHost : public QWidget, public IControlHost {
 public:
  // `hints`, when set, outlives the host.
  TControlHost(TControl& control, IDialogs& dialogs, QWidget* parent, const THintSource* hints = nullptr);
  ~TControlHost() override;

  // The control shown; null once detached.
  TControl* Control() const { return control_; }
  // Lets go of the control before it is destroyed: the host hides, never
  // touches the control again and deletes itself when Qt is next idle (it
  // may be inside one of its own event handlers right now).
  void Detach();

  void RequestRepaint(TControl& control) override;
  void BoundsChanged(TControl& control) override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void FollowControl();
  template <typename Action>
  void Guarded(Action action);

  TControl* control_;
  const THintSource* hints_;
  THandlerGuard guard_;
  bool leftPressed_ = false;
};

}  // namespace quorvel
