#pragma once

#include <QImage>
#include <string>

namespace quorvel {

class TBitmap;

// A picture that a canvas can stretch into a rectangle: read from a JPEG
// or BMP file, or taken from a bitmap.
class TPicture {
 public:
  TPicture() = default;
  explicit TPicture(QImage image) : image_(std::move(image)) {}

  // Reads the file as JPEG for the extensions "jpg" and "jpeg" and as BMP
  // for "bmp" (any case). Throws EPictureError with a message naming the
  // file when it is missing, of another kind, corrupt, truncated or too large;
  // the picture is then left unchanged.
  void LoadFromFile(const std::string& path);
  void Assign(const TBitmap& bitmap);
  void Clear() { image_ = QImage(); }

  bool Empty() const { return image_.isNull(); }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};

// Reads a BMP file with the checks that Qt's reader leaves out.
QImage ReadBmpFile(const std::string& path);

}  // namespace quorvel
