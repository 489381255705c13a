#include "platform/Bitmap.h"

#include <QImageWriter>

#include "platform/Errors.h"
#include "platform/Rounding.h"
#include "platform/SafeFile.h"
#include "platform/QtText.h"

namespace quorvel {

// A canvas that begins painting on its bitmap when first drawn on and ends
// before anyone reads the pixels.
class TBitmapCanvas : public TCanvas {
 public:
  TBitmapCanvas(QImage& image, int pixelsPerInch) : TCanvas(pixelsPerInch, false), image_(image) {}
  ~TBitmapCanvas() override { Flush(); }

  using TCanvas::SetPixelsPerInch;

  void Flush() {
    if (painter_.isActive()) painter_.end();
  }

 protected:
  QPainter& Painter() override {
    if (!painter_.isActive()) painter_.begin(&image_);
    return painter_;
  }

 private:
  QImage& image_;
  QPainter painter_;
};

TBitmap::TBitmap(int width, int height, int pixelsPerInch) : pixelsPerInch_(pixelsPerInch) {
  Allocate(width, height);
}

TBitmap::~TBitmap() = default;

TBitmap::TBitmap(const TBitmap& other) : image_(other.Image().copy()), pixelsPerInch_(other.pixelsPerInch_) {}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this != &other) {
    if (canvas_) canvas_->Flush();
    image_ = other.Image().copy();
    pixelsPerInch_ = other.pixelsPerInch_;
    if (canvas_) canvas_->SetPixelsPerInch(pixelsPerInch_);
  }
  return *this;
}

void TBitmap::Allocate(int width, int height) {
  if (canvas_) canvas_->Flush();
  if (width <= 0 || height <= 0) {
    image_ = QImage();
    return;
  }
  image_ = QImage(width, height, QImage::Format_RGB32);
  if (image_.isNull())
    throw EGraphicsError(std::string("Nicht genügend Speicher für ein Bild von ") + std::to_string(width) + " x " +
                         std::to_string(height) + " Pixeln");
  int dotsPerMeter = RoundHalfEven(pixelsPerInch_ / 0.0254);
  image_.setDotsPerMeterX(dotsPerMeter);
  image_.setDotsPerMeterY(dotsPerMeter);
  image_.fill(Qt::white);
}

void TBitmap::SetSize(int width, int height) { Allocate(width, height); }

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(image_, pixelsPerInch_);
  return *canvas_;
}

const QImage& TBitmap::Image() const {
  if (canvas_) canvas_->Flush();
  return image_;
}

TColor TBitmap::Pixel(int x, int y) const {
  const QImage& image = Image();
  if (!image.valid(x, y)) return clWhite;
  return FromQColor(image.pixelColor(x, y));
}

void TBitmap::SaveToFile(const std::string& path) const {
  try {
    TSafeFile file(path);
    QImageWriter writer(&file.Device(), "bmp");
    if (!writer.write(Image()))
      throw EGraphicsError("Die Datei " + path + " kann nicht geschrieben werden: " +
                           FromQString(writer.errorString()));
    file.Commit();
  } catch (const EGraphicsError&) {
    throw;
  } catch (const EUserError& e) {
    throw EGraphicsError(e.what());
  }
}

}  // namespace quorvel
