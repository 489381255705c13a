#pragma once

#include <QWidget>
#include <functional>
#include <unordered_map>

#include "designer/ControlHost.h"
#include "designer/HandlerGuard.h"
#include "document/DesignSurface.h"
#include "platform/Control.h"

namespace quorvel {

class IDialogs;
class TControlHost;

// Where the surface sends pointer events, those of every element (relative
// to the element) and those of the empty surface (relative to the surface),
// and its keys.
struct TSurfaceInput {
  std::function<void(TControl& element, TMouseButton button, int x, int y)> ElementDown;
  std::function<void(TControl& element, int x, int y)> ElementMove;
  std::function<void(TControl& element)> ElementUp;
  std::function<void(int x, int y)> SurfaceDown;
  std::function<void(int x, int y)> SurfaceMove;
  // A key (Qt::Key) pressed while the surface has the focus; false leaves it to the window.
  std::function<bool(int key, bool shift)> Key;
};

// The design surface (Panel1): a white area of the label's size on which
// every element of the document is shown through its own TControlHost. A
// click on it or on an element gives it the keyboard focus. A thin grey edge
// marks the label's border on the screen.
class TDesignPanel : public QWidget, public IDesignSurface {
 public:
  // The colour of the label's edge on the screen.
  static constexpr QRgb kEdge = 0xFF909090;

  TDesignPanel(IDialogs& dialogs, QWidget* parent);
  ~TDesignPanel() override;

  void AddElement(TControl& element) override;
  void RemoveElement(TControl& element) override;
  void BringToFront(TControl& element) override;
  void SendToBack(TControl& element) override;

  // The host showing the element, or null.
  TControlHost* HostOf(const TControl& element) const;

  void SetInput(TSurfaceInput input) { input_ = std::move(input); }
  // What the elements' tooltips say, asked when one is due.
  void SetHintSource(THintSource hints) { hints_ = std::move(hints); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TSurfaceInput input_;
  THintSource hints_;
  IDialogs& dialogs_;
  THandlerGuard guard_;
  std::unordered_map<const TControl*, TControlHost*> hosts_;
};

}  // namespace quorvel
