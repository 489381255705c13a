#include "designer/HandleWidgets.h"

#include <QMouseEvent>

#include "designer/HandlerGuard.h"
#include "designer/SelectionEditor.h"

namespace quorvel {
namespace {

class THandleWidget : public QWidget {
 public:
  THandleWidget(THandle handle, TSelectionEditor& editor, IDialogs& dialogs, QWidget* parent)
      : QWidget(parent), handle_(handle), editor_(editor), guard_(dialogs) {
    static constexpr std::array<Qt::CursorShape, kHandleCount> kShapes = {
        Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor,
        Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor};
    setObjectName(QString("kr%1").arg(static_cast<int>(handle) + 1));
    setCursor(kShapes[static_cast<int>(handle)]);
    setFixedSize(kHandleSize, kHandleSize);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    hide();
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    QPoint p = event->position().toPoint();
    guard_.Run([&] { editor_.HandleDown(handle_, p.x(), p.y()); });
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    QPoint p = event->position().toPoint();
    guard_.Run([&] { editor_.HandleMove(handle_, p.x(), p.y()); });
  }
  void mouseReleaseEvent(QMouseEvent*) override {
    guard_.Run([&] { editor_.HandleUp(handle_); });
  }

 private:
  THandle handle_;
  TSelectionEditor& editor_;
  THandlerGuard guard_;
};

}  // namespace

THandleWidgets::THandleWidgets(QWidget* surface, TSelectionEditor& editor, IDialogs& dialogs) {
  for (int i = 0; i < kHandleCount; ++i) handles_[i] = new THandleWidget(static_cast<THandle>(i), editor, dialogs, surface);
}

void THandleWidgets::Show(const TBounds& bounds, TObjectKind kind) {
  std::array<TPoint2, kHandleCount> places = HandlePlaces(bounds);
  for (int i = 0; i < kHandleCount; ++i) {
    QWidget* handle = handles_[i];
    if (!HandleShown(kind, static_cast<THandle>(i))) {
      handle->hide();
      continue;
    }
    handle->move(places[i].X, places[i].Y);
    handle->show();
    handle->raise();
  }
}

void THandleWidgets::Hide() {
  for (QWidget* handle : handles_) handle->hide();
}

}  // namespace quorvel
