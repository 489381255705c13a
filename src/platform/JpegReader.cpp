#include "platform/JpegReader.h"

#include <QFileInfo>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include "platform/Errors.h"
#include "platform/ReadableFile.h"
#include "platform/QtText.h"

extern "C" {
#include <jpeglib.h>
}

namespace quorvel {
namespace {

struct TJpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
  auto* manager = reinterpret_cast<TJpegErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// libjpeg reports a file cut short inside its image data only as a warning
// and fills the rest with grey; such a picture counts as broken.
void OnJpegMessage(j_common_ptr info, int level) {
  if (level < 0) OnJpegError(info);
}

std::string Describe(const std::string& path, const std::string& reason) {
  return "Die Bilddatei " + path + " ist fehlerhaft (JPEG: " + reason + ")";
}

QRgb CmykToRgb(const JSAMPLE* p, bool adobeInverted) {
  int c = p[0], m = p[1], y = p[2], k = p[3];
  if (!adobeInverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
  // Adobe files store the inks inverted: 255 means no ink.
  return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

// Everything that must survive the longjmp lives outside the setjmp frame.
struct TDecodeState {
  jpeg_decompress_struct info{};
  TJpegErrorManager errors{};
  std::vector<JSAMPLE> row;
  QImage image;
};

void Decode(TDecodeState& s, const QByteArray& data, const std::string& path) {
  jpeg_create_decompress(&s.info);
  jpeg_mem_src(&s.info, reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&s.info, TRUE);
  bool cmyk = s.info.jpeg_color_space == JCS_CMYK || s.info.jpeg_color_space == JCS_YCCK;
  s.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  if ((long long)s.info.image_width * s.info.image_height > kMaxPicturePixels)
    throw EPictureError("Die Bilddatei " + path + " ist zu groß (" + std::to_string(s.info.image_width) + " x " +
                        std::to_string(s.info.image_height) + " Pixel)");
  jpeg_start_decompress(&s.info);
  int width = static_cast<int>(s.info.output_width), height = static_cast<int>(s.info.output_height);
  s.image = QImage(width, height, QImage::Format_RGB32);
  if (s.image.isNull()) throw EPictureError(Describe(path, "zu wenig Speicher"));
  s.row.resize(static_cast<std::size_t>(width) * s.info.output_components);
  bool adobeInverted = s.info.saw_Adobe_marker;
  while (s.info.output_scanline < s.info.output_height) {
    JSAMPROW rowPointer = s.row.data();
    int y = static_cast<int>(s.info.output_scanline);
    jpeg_read_scanlines(&s.info, &rowPointer, 1);
    auto* target = reinterpret_cast<QRgb*>(s.image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const JSAMPLE* p = s.row.data() + static_cast<std::size_t>(x) * s.info.output_components;
      target[x] = cmyk ? CmykToRgb(p, adobeInverted) : qRgb(p[0], p[1], p[2]);
    }
  }
  jpeg_finish_decompress(&s.info);
}

}  // namespace

QByteArray ReadPictureBytes(const std::string& path) {
  try {
    std::string bytes = ReadWholeFile(path, kMaxPictureFileBytes);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
  } catch (const EUserError& e) {
    if (!QFileInfo::exists(ToQPath(path))) throw EPictureError(" Die Datei " + path + " existiert nicht");
    throw EPictureError(e.what());
  }
}

QImage ReadJpegFile(const std::string& path) {
  QByteArray data = ReadPictureBytes(path);
  if (data.isEmpty()) throw EPictureError(Describe(path, "leere Datei"));

  TDecodeState state;
  state.info.err = jpeg_std_error(&state.errors.base);
  state.errors.base.error_exit = OnJpegError;
  state.errors.base.emit_message = OnJpegMessage;
  if (setjmp(state.errors.jump)) {
    jpeg_destroy_decompress(&state.info);
    throw EPictureError(Describe(path, state.errors.message));
  }
  try {
    Decode(state, data, path);
  } catch (...) {
    jpeg_destroy_decompress(&state.info);
    throw;
  }
  jpeg_destroy_decompress(&state.info);
  return state.image;
}

}  // namespace quorvel
