#include "designer/ControlHost.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <exception>

#include "platform/Canvas.h"
#include "platform/Errors.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

TMouseButton ToMouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
  }
}

TShiftState ToShiftState(const QMouseEvent& event, bool isDouble = false) {
  TShiftState shift;
  shift.Shift = event.modifiers().testFlag(Qt::ShiftModifier);
  shift.Ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  shift.Alt = event.modifiers().testFlag(Qt::AltModifier);
  shift.Left = event.buttons().testFlag(Qt::LeftButton);
  shift.Right = event.buttons().testFlag(Qt::RightButton);
  shift.Middle = event.buttons().testFlag(Qt::MiddleButton);
  shift.Double = isDouble;
  return shift;
}

Qt::CursorShape ToCursorShape(TCursor cursor) {
  switch (cursor) {
    case TCursor::crSizeNWSE: return Qt::SizeFDiagCursor;
    case TCursor::crSizeNESW: return Qt::SizeBDiagCursor;
    case TCursor::crSizeNS: return Qt::SizeVerCursor;
    case TCursor::crSizeWE: return Qt::SizeHorCursor;
    case TCursor::crSizeAll: return Qt::SizeAllCursor;
    case TCursor::crHandPoint: return Qt::PointingHandCursor;
    case TCursor::crCross: return Qt::CrossCursor;
    case TCursor::crDefault: return Qt::ArrowCursor;
  }
  return Qt::ArrowCursor;
}

}  // namespace

TControlHost::TControlHost(TControl& control, IDialogs& dialogs, QWidget* parent, const THintSource* hints)
    : QWidget(parent), control_(&control), hints_(hints), guard_(dialogs) {
  setMouseTracking(true);
  control.SetHost(this);
  FollowControl();
}

TControlHost::~TControlHost() { Detach(); }

void TControlHost::Detach() {
  if (!control_) return;
  if (control_->Host() == this) control_->SetHost(nullptr);
  control_ = nullptr;
  hide();
  deleteLater();
}

void TControlHost::RequestRepaint(TControl&) { update(); }

void TControlHost::BoundsChanged(TControl&) { FollowControl(); }

void TControlHost::FollowControl() {
  TRect bounds = control_->BoundsRect();
  setGeometry(bounds.Left, bounds.Top, std::max(0, bounds.Width()), std::max(0, bounds.Height()));
  setCursor(ToCursorShape(control_->Cursor));
  setVisible(control_->Visible());
  update();
}

template <typename Action>
void TControlHost::Guarded(Action action) {
  if (control_) guard_.Run(action);
}

bool TControlHost::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip || !control_) return QWidget::event(event);
  // The hint is read when the tooltip is due, so it is always the current one.
  auto* help = static_cast<QHelpEvent*>(event);
  std::string hint = hints_ && *hints_ ? (*hints_)(*control_) : control_->Hint;
  if (hint.empty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), ToQString(hint), this);
  }
  return true;
}

void TControlHost::paintEvent(QPaintEvent*) {
  if (!control_) return;
  QPainter painter(this);
  TCanvas canvas(painter, logicalDpiY());
  // A control that cannot paint leaves its area empty and says why itself
  // (a barcode through OnPaintError). Anything else is reported once the
  // paint is over: a dialog from inside a paint would only ask for the next.
  try {
    control_->Paint(canvas);
  } catch (const EUserError&) {
  } catch (...) {
    QMetaObject::invokeMethod(
        this, [this, error = std::current_exception()] { guard_.Run([&] { std::rethrow_exception(error); }); },
        Qt::QueuedConnection);
  }
}

void TControlHost::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
  QPoint p = event->position().toPoint();
  Guarded([&] { control_->MouseDown(ToMouseButton(event->button()), ToShiftState(*event), p.x(), p.y()); });
}

void TControlHost::mouseMoveEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  Guarded([&] { control_->MouseMove(ToShiftState(*event), p.x(), p.y()); });
}

void TControlHost::mouseReleaseEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  bool click = event->button() == Qt::LeftButton && leftPressed_ && rect().contains(p);
  if (event->button() == Qt::LeftButton) leftPressed_ = false;
  Guarded([&] {
    control_->MouseUp(ToMouseButton(event->button()), ToShiftState(*event), p.x(), p.y());
    if (click && control_) control_->Click();
  });
}

void TControlHost::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
  QPoint p = event->position().toPoint();
  Guarded([&] {
    control_->MouseDown(ToMouseButton(event->button()), ToShiftState(*event, true), p.x(), p.y());
    if (event->button() == Qt::LeftButton && control_) control_->DblClick();
  });
}

}  // namespace quorvel
