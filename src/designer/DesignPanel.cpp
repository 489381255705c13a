#include "designer/DesignPanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "barcode/Ean.h"
#include "designer/ControlHost.h"
#include "platform/Dialogs.h"

namespace quorvel {

TDesignPanel::TDesignPanel(IDialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs), guard_(dialogs) {
  setObjectName("Panel1");
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

TDesignPanel::~TDesignPanel() {
  for (auto& [element, host] : hosts_) host->Detach();
}

void TDesignPanel::AddElement(TControl& element) {
  auto* host = new TControlHost(element, dialogs_, this, &hints_);
  hosts_[&element] = host;
  host->raise();
  element.OnMouseDown = [this](TControl& sender, TMouseButton button, TShiftState, int x, int y) {
    setFocus(Qt::MouseFocusReason);
    if (input_.ElementDown) input_.ElementDown(sender, button, x, y);
  };
  element.OnMouseMove = [this](TControl& sender, TShiftState, int x, int y) {
    if (input_.ElementMove) input_.ElementMove(sender, x, y);
  };
  element.OnMouseUp = [this](TControl& sender, TMouseButton, TShiftState, int, int) {
    if (input_.ElementUp) input_.ElementUp(sender);
  };
  // A barcode that cannot paint says why, once the paint event is over.
  if (auto* barcode = dynamic_cast<TEan*>(&element))
    barcode->OnPaintError = [this](TEan&, const std::string& message) {
      QMetaObject::invokeMethod(this, [this, message] { dialogs_.ShowMessage(message); }, Qt::QueuedConnection);
    };
}

void TDesignPanel::RemoveElement(TControl& element) {
  auto found = hosts_.find(&element);
  if (found == hosts_.end()) return;
  if (auto* barcode = dynamic_cast<TEan*>(&element)) barcode->OnPaintError = nullptr;
  element.OnMouseDown = nullptr;
  element.OnMouseMove = nullptr;
  element.OnMouseUp = nullptr;
  found->second->Detach();
  hosts_.erase(found);
}

void TDesignPanel::BringToFront(TControl& element) {
  if (TControlHost* host = HostOf(element)) host->raise();
}

void TDesignPanel::SendToBack(TControl& element) {
  if (TControlHost* host = HostOf(element)) host->lower();
}

void TDesignPanel::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  QPoint p = event->position().toPoint();
  if (input_.SurfaceDown) guard_.Run([&] { input_.SurfaceDown(p.x(), p.y()); });
}

void TDesignPanel::mouseMoveEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  if (input_.SurfaceMove) guard_.Run([&] { input_.SurfaceMove(p.x(), p.y()); });
}

void TDesignPanel::keyPressEvent(QKeyEvent* event) {
  bool handled = false;
  bool shift = event->modifiers() & Qt::ShiftModifier;
  if (input_.Key) guard_.Run([&] { handled = input_.Key(event->key(), shift); });
  if (!handled) QWidget::keyPressEvent(event);
}

void TDesignPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QColor(kEdge));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

TControlHost* TDesignPanel::HostOf(const TControl& element) const {
  auto found = hosts_.find(&element);
  return found == hosts_.end() ? nullptr : found->second;
}

}  // namespace quorvel
