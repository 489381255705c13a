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
  void Clear() {
    image_ = QImage();
    source_ = {};
  }
  // Whether the picture was read from this file and the file has not
  // changed since, so that it need not be read again.
  bool IsLoadedFrom(const std::string& path) const;

  bool Empty() const { return image_.isNull(); }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  const QImage& Image() const { return image_; }

 private:
  // The file a picture was read from, as it stood then.
  struct TSource {
    std::string Path;
    qint64 Size = -1;
    qint64 Modified = -1;  // milliseconds since the epoch
    bool operator==(const TSource&) const = default;
  };
  static TSource SourceOf(const std::string& path);

  QImage image_;
  TSource source_;
};

// Reads a BMP file with the checks that Qt's reader leaves out.
QImage ReadBmpFile(const std::string& path);

}  // namespace quorvel
