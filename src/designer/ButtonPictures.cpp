#include "designer/ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace quorvel {
namespace {

constexpr int kSize = 24;

QIcon Pictogram(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1.2));
  draw(painter);
  return QIcon(pixmap);
}

void Sheet(QPainter& p, QRectF r) {
  p.setBrush(Qt::white);
  p.drawRect(r);
  for (double y = r.top() + 4; y < r.bottom() - 2; y += 3) p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

}  // namespace

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
