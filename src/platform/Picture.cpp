#include "platform/Picture.h"

#include <QFileInfo>
#include <QBuffer>
#include <QDateTime>
#include <QImageReader>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/Bitmap.h"
#include "platform/Errors.h"
#include "platform/JpegReader.h"
#include "platform/QtText.h"

namespace quorvel {
namespace {

std::string LowerExtension(const std::string& path) {
  return FromQString(QFileInfo(ToQPath(path)).suffix().toLower());
}

std::uint32_t LittleEndian32(const char* p) {
  std::uint32_t v = 0;
  std::memcpy(&v, p, 4);
  return v;
}

[[noreturn]] void ThrowBroken(const std::string& path, const std::string& reason) {
  throw EPictureError("Die Bilddatei " + path + " ist fehlerhaft (BMP: " + reason + ")");
}

// Qt's reader fills a file cut short inside its pixels with black and calls
// it a success; an uncompressed BMP must hold all the rows its header names.
void CheckBmpComplete(const QByteArray& data, const std::string& path) {
  if (data.size() < 54 || data[0] != 'B' || data[1] != 'M') ThrowBroken(path, "kein Windows-Bitmap");
  std::uint32_t pixelOffset = LittleEndian32(data.constData() + 10);
  std::uint32_t headerSize = LittleEndian32(data.constData() + 14);
  if (headerSize < 40) return;  // old OS/2 headers: Qt checks those itself
  auto width = static_cast<std::int32_t>(LittleEndian32(data.constData() + 18));
  auto height = static_cast<std::int32_t>(LittleEndian32(data.constData() + 22));
  std::uint16_t bitCount = static_cast<std::uint8_t>(data[28]) | static_cast<std::uint8_t>(data[29]) << 8;
  std::uint32_t compression = LittleEndian32(data.constData() + 30);
  if (compression != 0 && compression != 3) return;  // run-length data has no fixed size
  // Headers may claim anything: compare by division so that no product of
  // hostile sizes can overflow.
  const long long rows = std::llabs(height), columns = std::llabs(width);
  const long long stride = (columns * bitCount + 31) / 32 * 4;
  const long long available = static_cast<long long>(data.size()) - pixelOffset;
  if (available < 0 || (stride > 0 && rows > available / stride)) ThrowBroken(path, "Datei ist abgeschnitten");
}

}  // namespace

QImage ReadBmpFile(const std::string& path) {
  QByteArray data = ReadPictureBytes(path);
  CheckBmpComplete(data, path);
  QBuffer buffer(&data);
  QImageReader reader(&buffer, "bmp");
  QSize size = reader.size();
  if (size.isValid() && static_cast<long long>(size.width()) * size.height() > kMaxPicturePixels)
    throw EPictureError("Die Bilddatei " + path + " ist zu groß (" + std::to_string(size.width()) +
                        " x " + std::to_string(size.height()) + " Pixel)");
  QImage image = reader.read();
  if (image.isNull()) ThrowBroken(path, FromQString(reader.errorString()));
  return image.convertToFormat(QImage::Format_RGB32);
}

void TPicture::LoadFromFile(const std::string& path) {
  std::string extension = LowerExtension(path);
  if (extension == "jpg" || extension == "jpeg")
    image_ = ReadJpegFile(path);
  else if (extension == "bmp")
    image_ = ReadBmpFile(path);
  else
    throw EPictureError("Unbekanntes Bildformat (." + extension + ") der Datei " + path);
  source_ = SourceOf(path);
}

void TPicture::Assign(const TBitmap& bitmap) {
  image_ = bitmap.Image();
  source_ = {};
}

TPicture::TSource TPicture::SourceOf(const std::string& path) {
  QFileInfo file(ToQPath(path));
  if (!file.isFile()) return {};
  return {path, file.size(), file.lastModified().toMSecsSinceEpoch()};
}

bool TPicture::IsLoadedFrom(const std::string& path) const {
  return !source_.Path.empty() && source_.Path == path && SourceOf(path) == source_;
}

}  // namespace quorvel
