#include "designer/ButtonPictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace quorvel {
namespace {

constexpr int kSize = 24;

// A pictogram drawn as vectors in a 24 x 24 frame, scaled to whatever size
// and device pixel ratio the button asks for, so it stays crisp on
// high-resolution screens.
class TPictogramEngine : public QIconEngine {
 public:
  explicit TPictogramEngine(std::function<void(QPainter&)> draw) : draw_(std::move(draw)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / double(kSize), rect.height() / double(kSize));
    painter->setPen(QPen(Qt::black, 1.2));
    if (mode == QIcon::Disabled) painter->setOpacity(0.4);
    draw_(*painter);
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }
  QIconEngine* clone() const override { return new TPictogramEngine(draw_); }

 private:
  std::function<void(QPainter&)> draw_;
};

QIcon Pictogram(std::function<void(QPainter&)> draw) { return QIcon(new TPictogramEngine(std::move(draw))); }

void Sheet(QPainter& p, QRectF r) {
  p.setBrush(Qt::white);
  p.drawRect(r);
  for (double y = r.top() + 4; y < r.bottom() - 2; y += 3) p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

// A blue arrow bending back to the left, as undo is shown everywhere.
void ArrowBack(QPainter& p) {
  QColor blue(40, 90, 170);
  p.setPen(QPen(blue, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath bend(QPointF(18, 20));
  bend.cubicTo(QPointF(23, 12), QPointF(16, 5), QPointF(8, 9));
  p.drawPath(bend);
  p.setPen(Qt::NoPen);
  p.setBrush(blue);
  p.drawPolygon(QPolygonF({{2, 11}, {10, 4}, {11, 14}}));
}

}  // namespace

QIcon UndoPicture() { return Pictogram(ArrowBack); }

QIcon RedoPicture() {
  return Pictogram([](QPainter& p) {
    p.translate(kSize, 0);
    p.scale(-1, 1);
    ArrowBack(p);
  });
}

QIcon OpenPicture() {
  return Pictogram([](QPainter& p) {
    p.setBrush(QColor(240, 200, 80));
    p.drawPolygon(QPolygonF({{2, 6}, {9, 6}, {11, 8}, {21, 8}, {21, 20}, {2, 20}}));
    p.setBrush(QColor(250, 225, 130));
    p.drawPolygon(QPolygonF({{5, 11}, {23, 11}, {20, 20}, {2, 20}}));
  });
}

QIcon SavePicture() {
  return Pictogram([](QPainter& p) {
    p.setBrush(QColor(60, 90, 160));
    p.drawRect(QRectF(3, 3, 18, 18));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 3, 10, 7));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(6, 13, 12, 8));
  });
}

QIcon PrintPicture() {
  return Pictogram([](QPainter& p) {
    Sheet(p, QRectF(7, 2, 10, 9));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(2, 10, 20, 8), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 15, 12, 7));
  });
}

QIcon CutPicture() {
  return Pictogram([](QPainter& p) {
    p.drawLine(QPointF(8, 3), QPointF(15, 15));
    p.drawLine(QPointF(16, 3), QPointF(9, 15));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4, 14, 6, 6));
    p.drawEllipse(QRectF(14, 14, 6, 6));
  });
}

QIcon CopyPicture() {
  return Pictogram([](QPainter& p) {
    Sheet(p, QRectF(3, 2, 12, 15));
    Sheet(p, QRectF(9, 7, 12, 15));
  });
}

QIcon PastePicture() {
  return Pictogram([](QPainter& p) {
    p.setBrush(QColor(190, 150, 90));
    p.drawRect(QRectF(3, 4, 14, 17));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(7, 2, 6, 4));
    Sheet(p, QRectF(10, 9, 11, 13));
  });
}

QIcon FolderPicture() {
  return Pictogram([](QPainter& p) {
    p.setBrush(QColor(240, 200, 80));
    p.drawPolygon(QPolygonF({{2, 6}, {9, 6}, {11, 8}, {22, 8}, {22, 20}, {2, 20}}));
  });
}

QIcon BarcodePicture() {
  return Pictogram([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const int widths[] = {1, 2, 1, 1, 3, 1, 2, 1, 1, 2};
    int x = 2;
    for (int i = 0; i < 10; ++i) {
      if (i % 2 == 0) p.drawRect(QRect(x, 3, widths[i], 18));
      x += widths[i] + 1;
    }
  });
}

QIcon BoxPicture() {
  return Pictogram([](QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 6, 18, 12));
  });
}

QIcon HorizontalLinePicture() {
  return Pictogram([](QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(3, 12), QPointF(21, 12));
  });
}

QIcon VerticalLinePicture() {
  return Pictogram([](QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(12, 3), QPointF(12, 21));
  });
}

}  // namespace quorvel
