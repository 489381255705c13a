#include "app/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>

#include "app/LanguageTable.h"

namespace quorvel {
namespace {

const QColor kWindowGreen(136, 155, 143);
const QColor kLogoYellow(255, 255, 0);
const QColor kLabelPaper(255, 253, 240);
const QColor kLabelEdge(196, 186, 150);
const QColor kInk(30, 30, 30);

// The same pictures on every run: a fixed sequence instead of a random one.
class TPattern {
 public:
  explicit TPattern(std::uint32_t seed) : state_(seed) {}
  int Next(int count) {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<int>((state_ >> 16) % static_cast<std::uint32_t>(count));
  }

 private:
  std::uint32_t state_;
};

void DrawBars(QPainter& painter, const QRectF& area, std::uint32_t seed) {
  TPattern pattern(seed);
  const double module = area.width() / 70.0;
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  double x = area.left();
  while (true) {
    const double bar = (1 + pattern.Next(3)) * module;
    if (x + bar > area.right()) break;
    painter.drawRect(QRectF(x, area.top(), bar, area.height()));
    x += bar + (1 + pattern.Next(3)) * module;
  }
}

bool InFinderZone(int row, int column, int size) {
  const bool top = row < 8, left = column < 8, right = column >= size - 8, bottom = row >= size - 8;
  return (top && left) || (top && right) || (bottom && left);
}

void DrawFinder(QPainter& painter, double x, double y, double module) {
  painter.setBrush(kInk);
  painter.drawRect(QRectF(x, y, 7 * module, 7 * module));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(x + module, y + module, 5 * module, 5 * module));
  painter.setBrush(kInk);
  painter.drawRect(QRectF(x + 2 * module, y + 2 * module, 3 * module, 3 * module));
}

// A square that looks like a QR Code: three finder patterns and a fixed
// scatter of modules.
void DrawMatrix(QPainter& painter, const QRectF& area, std::uint32_t seed) {
  constexpr int size = 21;
  const double module = area.width() / size;
  TPattern pattern(seed);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawRect(area);
  painter.setBrush(kInk);
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      if (InFinderZone(row, column, size) || pattern.Next(2) == 0) continue;
      painter.drawRect(QRectF(area.left() + column * module, area.top() + row * module, module, module));
    }
  }
  DrawFinder(painter, area.left(), area.top(), module);
  DrawFinder(painter, area.left() + (size - 7) * module, area.top(), module);
  DrawFinder(painter, area.left(), area.top() + (size - 7) * module, module);
}

void DrawTextLines(QPainter& painter, const QRectF& area, int lines, std::uint32_t seed) {
  TPattern pattern(seed);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(150, 150, 150));
  const double step = area.height() / lines;
  for (int i = 0; i < lines; ++i) {
    const double width = area.width() * (0.45 + pattern.Next(50) / 100.0);
    painter.drawRoundedRect(QRectF(area.left(), area.top() + i * step + step * 0.25, width, step * 0.5), 2, 2);
  }
}

void DrawText(QPainter& painter, const QRectF& area, const QString& text, double pixelSize, bool bold) {
  QFont font("Arial");
  font.setPixelSize(static_cast<int>(pixelSize));
  font.setBold(bold);
  painter.setFont(font);
  painter.setPen(kInk);
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text);
}

// One label of the start picture; its kind of content follows its place.
void DrawLabel(QPainter& painter, const QRectF& label, int index) {
  painter.setPen(QPen(kLabelEdge, 1));
  painter.setBrush(kLabelPaper);
  painter.drawRoundedRect(label, 5, 5);
  const QRectF inner = label.adjusted(7, 6, -7, -6);
  const double h = inner.height();
  switch (index % 4) {
    case 0:
      DrawText(painter, QRectF(inner.left(), inner.top(), inner.width(), h * 0.3), "4711", h * 0.26, true);
      DrawBars(painter, QRectF(inner.left(), inner.top() + h * 0.36, inner.width(), h * 0.64), 7 + index);
      break;
    case 1:
      DrawText(painter, QRectF(inner.left(), inner.top(), inner.width(), h * 0.34), QString::fromUtf8("Kölnisch Wasser"),
               h * 0.22, true);
      DrawTextLines(painter, QRectF(inner.left(), inner.top() + h * 0.38, inner.width(), h * 0.62), 3, 11 + index);
      break;
    case 2:
      DrawMatrix(painter, QRectF(inner.left(), inner.top(), h, h), 23 + index);
      DrawTextLines(painter, QRectF(inner.left() + h + 6, inner.top(), inner.width() - h - 6, h), 4, 31 + index);
      break;
    default:
      DrawTextLines(painter, QRectF(inner.left(), inner.top(), inner.width() * 0.55, h * 0.5), 2, 41 + index);
      DrawBars(painter, QRectF(inner.left(), inner.top() + h * 0.55, inner.width(), h * 0.45), 53 + index);
      break;
  }
}

}  // namespace

QImage StartPicture() {
  QImage image(377, 273, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, image.height());
  sky.setColorAt(0, QColor(228, 236, 231));
  sky.setColorAt(1, QColor(176, 192, 182));
  painter.fillRect(image.rect(), sky);

  const QRectF sheet(30, 12, 314, 248);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 55));
  painter.drawRect(sheet.translated(5, 5));
  painter.setBrush(Qt::white);
  painter.drawRect(sheet);

  constexpr int columns = 3, rows = 4;
  constexpr double margin = 10, gap = 7;
  const double width = (sheet.width() - 2 * margin - (columns - 1) * gap) / columns;
  const double height = (sheet.height() - 2 * margin - (rows - 1) * gap) / rows;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const QRectF label(sheet.left() + margin + column * (width + gap), sheet.top() + margin + row * (height + gap),
                         width, height);
      DrawLabel(painter, label, row * columns + column);
    }
  }
  return image;
}

QImage AboutPicture() {
  QImage image(209, 196, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient shade(0, 0, image.width(), image.height());
  shade.setColorAt(0, kWindowGreen.lighter(135));
  shade.setColorAt(1, kWindowGreen);
  painter.fillRect(image.rect(), shade);

  painter.translate(104, 104);
  painter.rotate(-12);
  const QRectF tag(-80, -50, 160, 100);
  QPainterPath outline;
  outline.addRoundedRect(tag, 12, 12);
  QPainterPath hole;
  hole.addEllipse(QPointF(tag.left() + 16, tag.top() + 16), 6, 6);
  painter.setPen(QPen(kLabelEdge, 1.5));
  painter.setBrush(kLabelPaper);
  painter.drawPath(outline.subtracted(hole));

  // the string the tag hangs on
  QPainterPath string;
  string.moveTo(tag.left() + 16, tag.top() + 16);
  string.cubicTo(tag.left() - 10, tag.top() - 30, tag.left() + 40, tag.top() - 40, tag.left() + 10, tag.top() - 70);
  painter.setPen(QPen(QColor(150, 60, 40), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(string);

  QFont logo("Arial");
  logo.setPixelSize(30);
  logo.setItalic(true);
  logo.setBold(true);
  painter.setFont(logo);
  painter.setPen(QColor(40, 70, 120));
  painter.drawText(QRectF(tag.left() + 30, tag.top() + 4, tag.width() - 36, 40), Qt::AlignCenter, "Quorvel");
  DrawBars(painter, QRectF(tag.left() + 16, tag.top() + 48, tag.width() - 32, 38), 97);
  return image;
}

QImage FlagPicture(int language) {
  QImage image(24, 16, QImage::Format_RGB32);
  QPainter painter(&image);
  switch (language) {
    case lgGerman:
      painter.fillRect(0, 0, 24, 6, QColor(0, 0, 0));
      painter.fillRect(0, 6, 24, 5, QColor(221, 0, 0));
      painter.fillRect(0, 11, 24, 5, QColor(255, 206, 0));
      break;
    case lgFrench:
      painter.fillRect(0, 0, 8, 16, QColor(0, 85, 164));
      painter.fillRect(8, 0, 8, 16, Qt::white);
      painter.fillRect(16, 0, 8, 16, QColor(239, 65, 53));
      break;
    case lgEnglish:
      painter.fillRect(image.rect(), Qt::white);
      painter.fillRect(10, 0, 4, 16, QColor(200, 16, 46));
      painter.fillRect(0, 6, 24, 4, QColor(200, 16, 46));
      break;
    default:
      painter.fillRect(0, 0, 10, 16, QColor(0, 102, 0));
      painter.fillRect(10, 0, 14, 16, QColor(255, 0, 0));
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(255, 220, 0));
      painter.drawEllipse(QPointF(10, 8), 4, 4);
      break;
  }
  return image;
}

QImage ProgramIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 256.0, size / 256.0);

  QLinearGradient shade(0, 0, 0, 256);
  shade.setColorAt(0, kWindowGreen.lighter(120));
  shade.setColorAt(1, kWindowGreen.darker(115));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

  const QRectF label(36, 70, 184, 132);
  painter.setBrush(kLabelPaper);
  painter.drawRoundedRect(label, 16, 16);
  DrawBars(painter, label.adjusted(20, 20, -20, -20), 5);

  QFont letter("Arial");
  letter.setPixelSize(92);
  letter.setItalic(true);
  letter.setBold(true);
  painter.setFont(letter);
  const QRectF corner(140, 4, 110, 110);
  painter.setPen(kWindowGreen.darker(160));
  painter.drawText(corner.translated(4, 4), Qt::AlignCenter, "Q");
  painter.setPen(kLogoYellow);
  painter.drawText(corner, Qt::AlignCenter, "Q");
  return image;
}

}  // namespace quorvel
