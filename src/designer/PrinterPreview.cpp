#include "designer/PrinterPreview.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>
#include <string_view>

#include "document/LabelDocument.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/Rounding.h"
#include "print/LabelRenderer.h"

namespace quorvel {
namespace {

double Millimetres(const std::string& text) { return std::max(0.0, StrToFloat(text)); }

// Room the window needs around the picture: its button bar and scroll bars.
constexpr QSize kWindowChrome(60, 100);

// The resolutions "als Bild speichern" offers: the preview's 4 pixels per
// millimetre and two printer resolutions, at which symbols scan.
struct TBitmapResolution {
  const char* Name;
  const char* Caption;
  double PixelsPerMm;
};
constexpr TBitmapResolution kBitmapResolutions[] = {
    {"SaveAt4PerMm", "4 Pixel je mm", TPrinterPreview::kPixelsPerMillimetre},
    {"SaveAt300Dpi", "300 dpi", 300 / 25.4},
    {"SaveAt600Dpi", "600 dpi", 600 / 25.4},
};

bool EndsWithBmp(std::string_view path) {
  if (path.size() < 4) return false;
  std::string end(path.substr(path.size() - 4));
  std::transform(end.begin(), end.end(), end.begin(), [](unsigned char c) { return std::tolower(c); });
  return end == ".bmp";
}

}  // namespace

QSize PreviewBitmapSize(const TLabelDocument& document) {
  double k = TPrinterPreview::kPixelsPerMillimetre;
  return {RoundHalfEven(Millimetres(document.Layout.LabelWidth) * k),
          RoundHalfEven(Millimetres(document.Layout.LabelHeight) * k)};
}

TBitmap RenderLabel(TLabelDocument& document, double pixelsPerMmX, double pixelsPerMmY) {
  int width = RoundHalfEven(Millimetres(document.Layout.LabelWidth) * pixelsPerMmX);
  int height = RoundHalfEven(Millimetres(document.Layout.LabelHeight) * pixelsPerMmY);
  TBitmap bitmap(width, height, std::max(1, RoundHalfEven(pixelsPerMmY * 25.4)));
  if (bitmap.Empty()) return bitmap;
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen = TPen{};
  canvas.Brush = TBrush{};
  ausgabe_etikett(document, canvas, 0, 0, {pixelsPerMmX, pixelsPerMmY});
  return bitmap;
}

// The area that shows the picture at its offset.
class TPrinterPreview::TPictureArea : public QWidget {
 public:
  explicit TPictureArea(TPrinterPreview& preview) : preview_(preview) { setObjectName("PictureArea"); }

 protected:
  void paintEvent(QPaintEvent*) override {
    const TBitmap& shown = preview_.Shown();
    if (shown.Empty()) return;
    QPainter painter(this);
    painter.drawImage(preview_.offset_, shown.Image());
  }

 private:
  TPrinterPreview& preview_;
};

TPrinterPreview::TPrinterPreview(TLabelDocument& document, IDialogs& dialogs, IClipboard& clipboard, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      document_(document),
      dialogs_(dialogs),
      guard_(dialogs),
      clipboard_(clipboard) {
  setObjectName("PrinterPreview");
  setWindowTitle("Vorschau");
  setAttribute(Qt::WA_DeleteOnClose);
  PreviewBitmapSize(document_);  // a label size that is no number stops here

  auto* column = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  auto button = [&](const QString& caption, const char* name, void (TPrinterPreview::*handler)()) {
    auto* pressed = new QPushButton(caption);
    pressed->setObjectName(name);
    if (handler) connect(pressed, &QPushButton::clicked, this, guard_.Guarded([this, handler] { (this->*handler)(); }));
    bar->addWidget(pressed);
    return pressed;
  };
  button("Zoom", "ZoomSmaller", &TPrinterPreview::ZoomSmaller);
  button("Zoom", "ZoomLarger", &TPrinterPreview::ZoomLarger);
  button("Zoom aus", "ZoomReset", &TPrinterPreview::ZoomReset);
  button("in Zwischenablage", "CopyToClipboard", &TPrinterPreview::CopyToClipboard)->setToolTip("Etikett drucken");
  auto* resolutions = new QMenu(this);
  for (const TBitmapResolution& resolution : kBitmapResolutions) {
    QAction* action = resolutions->addAction(resolution.Caption);
    action->setObjectName(resolution.Name);
    connect(action, &QAction::triggered, this,
            guard_.Guarded([this, scale = resolution.PixelsPerMm] { SaveAsBitmap(scale); }));
  }
  button("als Bild speichern", "SaveAsBitmap", nullptr)->setMenu(resolutions);
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
  PlaceBesideParent();
}

void TPrinterPreview::PlaceBesideParent() {
  QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
  QSize room(static_cast<int>(available.width() * kScreenShare) - kWindowChrome.width(),
             static_cast<int>(available.height() * kScreenShare) - kWindowChrome.height());
  // The whole label at 4 pixels per millimetre, or smaller to fit the room.
  QSize label = PreviewBitmapSize(document_);
  ShowAt(label.isEmpty() || (label.width() <= room.width() && label.height() <= room.height())
             ? label
             : label.scaled(room.expandedTo({1, 1}), Qt::KeepAspectRatio));
  QSize window = (display_ + kWindowChrome).expandedTo({520, 300});
  resize(window.boundedTo(available.size() * kScreenShare));
  if (!parentWidget()) return;
  QRect designer = parentWidget()->frameGeometry();
  int right = designer.right() + 1, left = designer.left() - width();
  int x = right + width() <= available.right() + 1 ? right : std::max(available.left(), left);
  move(x, std::clamp(designer.top(), available.top(), std::max(available.top(), available.bottom() - height())));
}

// Presses in a row draw the label once, when it is next shown.
void TPrinterPreview::ShowAt(QSize display) {
  display_ = display;
  shownStale_ = true;
  if (area_) area_->update();
}

const TBitmap& TPrinterPreview::Shown() const {
  if (!shownStale_) return shown_;
  QSize label = PreviewBitmapSize(document_);
  double k = kPixelsPerMillimetre;
  shown_ = label.isEmpty() ? TBitmap()
                           : RenderLabel(document_, k * display_.width() / label.width(),
                                         k * display_.height() / label.height());
  shownStale_ = false;
  return shown_;
}

void TPrinterPreview::ZoomBy(int step) {
  QSize next(display_.width() + step, display_.height() + step);
  auto inBounds = [](int side) { return side >= kMinDisplay && side <= kMaxDisplay; };
  if (!inBounds(next.width()) || !inBounds(next.height())) return;
  ShowAt(next);
}

void TPrinterPreview::ZoomSmaller() { ZoomBy(-kZoomStep); }
void TPrinterPreview::ZoomLarger() { ZoomBy(kZoomStep); }
void TPrinterPreview::ZoomReset() { ShowAt(PreviewBitmapSize(document_)); }

void TPrinterPreview::CopyToClipboard() {
  clipboard_.SetBitmap(RenderLabel(document_, kPixelsPerMillimetre, kPixelsPerMillimetre));
}

void TPrinterPreview::SaveAsBitmap(double pixelsPerMm) {
  TFileDialogOptions options;
  options.Filter = "Bitmap (*.bmp)|*.bmp";
  options.DefaultExtension = "bmp";
  std::optional<std::string> path = dialogs_.SaveFileName(options);
  if (!path) return;
  if (!EndsWithBmp(*path)) *path += ".bmp";
  RenderLabel(document_, pixelsPerMm, pixelsPerMm).SaveToFile(*path);
}

}  // namespace quorvel
