#include "designer/PrinterPreview.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "document/LabelDocument.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/Rounding.h"
#include "print/LabelRenderer.h"

namespace quorvel {
namespace {

// Fonts in the bitmap are sized for the screen it is shown on.
int ScreenPixelsPerInch() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? RoundHalfEven(screen->logicalDotsPerInch()) : 96;
}

int PreviewPixels(const std::string& millimetres) {
  return std::max(0, RoundHalfEven(StrToFloat(millimetres) * TPrinterPreview::kPixelsPerMillimetre));
}

}  // namespace

QSize PreviewBitmapSize(const TLabelDocument& document) {
  int width = PreviewPixels(document.Layout.LabelWidth);
  return {width, PreviewPixels(document.Layout.LabelHeight)};
}

// The area that shows the bitmap stretched to the display size at the offset.
class TPrinterPreview::TPictureArea : public QWidget {
 public:
  explicit TPictureArea(TPrinterPreview& preview) : preview_(preview) { setObjectName("PictureArea"); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QSize size = preview_.display_;
    if (preview_.bitmap_.Empty() || size.isEmpty()) return;
    painter.drawImage(QRect(preview_.offset_, size), preview_.bitmap_.Image());
  }

 private:
  TPrinterPreview& preview_;
};

TPrinterPreview::TPrinterPreview(TLabelDocument& document, IDialogs& dialogs, IClipboard& clipboard, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      document_(document),
      dialogs_(dialogs),
      guard_(dialogs),
      clipboard_(clipboard),
      bitmap_(0, 0, ScreenPixelsPerInch()) {
  setObjectName("PrinterPreview");
  setWindowTitle("Vorschau");
  setAttribute(Qt::WA_DeleteOnClose);

  QSize size = PreviewBitmapSize(document_);
  bitmap_.SetSize(size.width(), size.height());
  display_ = size;
  TCanvas& canvas = bitmap_.Canvas();
  canvas.Pen = TPen{};
  canvas.Brush = TBrush{};
  ausgabe_etikett(document_, canvas, 0, 0, {kPixelsPerMillimetre, kPixelsPerMillimetre});

  auto* column = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  auto button = [&](const QString& caption, const char* name, void (TPrinterPreview::*handler)()) {
    auto* pressed = new QPushButton(caption);
    pressed->setObjectName(name);
    connect(pressed, &QPushButton::clicked, this, guard_.Guarded([this, handler] { (this->*handler)(); }));
    bar->addWidget(pressed);
    return pressed;
  };
  button("Zoom", "ZoomSmaller", &TPrinterPreview::ZoomSmaller);
  button("Zoom", "ZoomLarger", &TPrinterPreview::ZoomLarger);
  button("Zoom aus", "ZoomReset", &TPrinterPreview::ZoomReset);
  button("in Zwischenablage", "CopyToClipboard", &TPrinterPreview::CopyToClipboard)->setToolTip("Etikett drucken");
  button("als Bild speichern", "SaveAsBitmap", &TPrinterPreview::SaveAsBitmap);
  bar->addStretch();
  auto* close = new QPushButton(QString::fromUtf8("S&chließen"));
  close->setObjectName("ClosePreview");
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  bar->addWidget(close);
  column->addLayout(bar);

  auto* body = new QGridLayout;
  area_ = new TPictureArea(*this);
  auto* vertical = new QScrollBar(Qt::Vertical);
  vertical->setObjectName("VerticalBar");
  auto* horizontal = new QScrollBar(Qt::Horizontal);
  horizontal->setObjectName("HorizontalBar");
  for (QScrollBar* scroll : {vertical, horizontal}) scroll->setRange(0, 100);
  connect(vertical, &QScrollBar::valueChanged, this, [this](int position) {
    offset_.setY(10 - position);
    area_->update();
  });
  connect(horizontal, &QScrollBar::valueChanged, this, [this](int position) {
    offset_.setX(10 - position);
    area_->update();
  });
  body->addWidget(area_, 0, 0);
  body->addWidget(vertical, 0, 1);
  body->addWidget(horizontal, 1, 0);
  column->addLayout(body, 1);
  resize(std::clamp(size.width() + 60, 520, 1000), std::clamp(size.height() + 100, 300, 800));
}

void TPrinterPreview::ZoomBy(int step) {
  QSize next(display_.width() + step, display_.height() + step);
  auto inBounds = [](int side) { return side >= kMinDisplay && side <= kMaxDisplay; };
  if (!inBounds(next.width()) || !inBounds(next.height())) return;
  display_ = next;
  area_->update();
}

void TPrinterPreview::ZoomSmaller() { ZoomBy(-kZoomStep); }
void TPrinterPreview::ZoomLarger() { ZoomBy(kZoomStep); }

void TPrinterPreview::ZoomReset() {
  display_ = PreviewBitmapSize(document_);
  area_->update();
}

void TPrinterPreview::CopyToClipboard() { clipboard_.SetBitmap(bitmap_); }

void TPrinterPreview::SaveAsBitmap() {
  TFileDialogOptions options;
  options.Filter = "Bitmap (*.bmp)|*.bmp";
  if (std::optional<std::string> path = dialogs_.SaveFileName(options)) bitmap_.SaveToFile(*path);
}

}  // namespace quorvel
