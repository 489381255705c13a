#pragma once

#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

#include "platform/Canvas.h"

namespace quorvel {

class TBitmapCanvas;

// A bitmap of W x H pixels, new pixels white, with a drawing surface.
class TBitmap {
 public:
  explicit TBitmap(int width = 0, int height = 0, int pixelsPerInch = 96);
  ~TBitmap();
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  int PixelsPerInch() const { return pixelsPerInch_; }
  bool Empty() const { return image_.isNull(); }

  // Resizes and makes every pixel white again.
  void SetSize(int width, int height);

  // The drawing surface; it stays valid for the bitmap's life.
  TCanvas& Canvas();

  // The pixels with everything drawn so far.
  const QImage& Image() const;
  TColor Pixel(int x, int y) const;

  // Writes a BMP file; throws EGraphicsError when it cannot.
  void SaveToFile(const std::string& path) const;

 private:
  void Allocate(int width, int height);

  mutable QImage image_;
  int pixelsPerInch_;
  std::unique_ptr<TBitmapCanvas> canvas_;
};

}  // namespace quorvel
