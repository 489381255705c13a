#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <cstdio>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Errors.h"
#include "platform/Picture.h"
#include "support/TempDir.h"

extern "C" {
#include <jpeglib.h>
}

namespace quorvel {
namespace {

// Encodes a W x H JPEG of one colour with libjpeg; components 1, 3 or 4.
std::string EncodeJpeg(int width, int height, J_COLOR_SPACE space, std::vector<JSAMPLE> pixel, bool adobe = false) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = static_cast<int>(pixel.size());
  info.in_color_space = space;
  jpeg_set_defaults(&info);
  info.write_Adobe_marker = adobe;
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row;
  for (int x = 0; x < width; ++x) row.insert(row.end(), pixel.begin(), pixel.end());
  while (info.next_scanline < info.image_height) {
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&info, &p, 1);
  }
  jpeg_finish_compress(&info);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

std::string BmpBytes(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::blue);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return data.toStdString();
}

std::string LoadMessage(const std::string& path) {
  try {
    TPicture picture;
    picture.LoadFromFile(path);
  } catch (const EPictureError& e) {
    return e.what();
  }
  return "";
}

class PictureTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    std::string path = dir_.Path(name);
    test::WriteFile(path, bytes);
    return path;
  }
  test::TTempDir dir_;
};

TEST_F(PictureTest, ReadsJpegInEveryColourModel) {
  struct {
    const char* Name;
    J_COLOR_SPACE Space;
    std::vector<JSAMPLE> Pixel;
    bool Adobe;
    QColor Expected;
  } cases[] = {
      {"rgb.jpg", JCS_RGB, {200, 30, 40}, false, QColor(200, 30, 40)},
      {"grey.JPEG", JCS_GRAYSCALE, {128}, false, QColor(128, 128, 128)},
      // Adobe CMYK stores inverted inks: 255 is no ink, so this is cyan.
      {"cmyk.jpg", JCS_CMYK, {0, 255, 255, 255}, true, QColor(0, 255, 255)},
  };
  for (const auto& c : cases) {
    TPicture picture;
    picture.LoadFromFile(Write(c.Name, EncodeJpeg(16, 8, c.Space, c.Pixel, c.Adobe)));
    ASSERT_EQ(picture.Width(), 16) << c.Name;
    ASSERT_EQ(picture.Height(), 8) << c.Name;
    QColor got = picture.Image().pixelColor(8, 4);
    EXPECT_NEAR(got.red(), c.Expected.red(), 6) << c.Name;
    EXPECT_NEAR(got.green(), c.Expected.green(), 6) << c.Name;
    EXPECT_NEAR(got.blue(), c.Expected.blue(), 6) << c.Name;
  }
}

TEST_F(PictureTest, PicturesInFoldersOfAnyNameAreRead) {
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir_.Path("Müller/Łódź"))));
  for (const char* name : {"Müller/Łódź/你好.jpg", "Müller/Łódź/Ελλάδα.bmp"}) {
    std::string bytes = std::string(name).ends_with(".bmp") ? BmpBytes(4, 4) : EncodeJpeg(4, 4, JCS_RGB, {0, 0, 255}, false);
    TPicture picture;
    picture.LoadFromFile(Write(name, bytes));
    EXPECT_EQ(picture.Image().width(), 4) << name;
  }
  EXPECT_NE(LoadMessage(dir_.Path("Müller/Łódź/fehlt.jpg")).find("Müller/Łódź/fehlt.jpg"), std::string::npos);
}

TEST_F(PictureTest, BrokenJpegFilesGiveAMessageNamingTheFile) {
  std::string good = EncodeJpeg(64, 64, JCS_RGB, {10, 20, 30});
  std::string corrupt = good;
  for (std::size_t i = 200; i < corrupt.size() - 2; i += 7) corrupt[i] = static_cast<char>(0xFF);
  std::string files[][2] = {
      {"truncated.jpg", good.substr(0, good.size() / 2)},
      {"header-only.jpg", good.substr(0, 20)},
      {"corrupt.jpg", corrupt},
      {"empty.jpg", ""},
      {"text.jpg", "this is not a picture"},
  };
  for (const auto& f : files) {
    std::string path = Write(f[0], f[1]);
    std::string message = LoadMessage(path);
    EXPECT_NE(message.find(path), std::string::npos) << f[0] << ": " << message;
  }
}

TEST_F(PictureTest, RefusesPicturesTooLargeToHoldBeforeDecodingThem) {
  // A JPEG header that claims 60000 x 60000 pixels.
  std::string header = EncodeJpeg(8, 8, JCS_RGB, {1, 2, 3});
  std::size_t sof = header.find("\xFF\xC0", 0, 2);
  ASSERT_NE(sof, std::string::npos);
  header[sof + 5] = char(0xEA), header[sof + 6] = char(0x60);  // height
  header[sof + 7] = char(0xEA), header[sof + 8] = char(0x60);  // width
  std::string message = LoadMessage(Write("huge.jpg", header));
  EXPECT_NE(message.find("zu gro"), std::string::npos) << message;
}

TEST_F(PictureTest, ReadsBmpAndRefusesTruncatedOnes) {
  std::string bmp = BmpBytes(20, 10);
  TPicture picture;
  picture.LoadFromFile(Write("ok.BMP", bmp));
  EXPECT_EQ(picture.Image().pixelColor(3, 3), QColor(Qt::blue));

  for (std::size_t cut : {bmp.size() - 1, bmp.size() / 2, std::size_t(60), std::size_t(10), std::size_t(0)}) {
    std::string path = Write("cut.bmp", bmp.substr(0, cut));
    EXPECT_NE(LoadMessage(path).find(path), std::string::npos) << cut;
  }
}

// Headers that claim sizes no file can hold, among them one the fuzzer found
// whose row size times row count overflowed 64 bits.
TEST_F(PictureTest, BmpHeadersClaimingImpossibleSizesGiveAMessage) {
  const std::string found =
      QByteArray::fromBase64("Qk1GBAAAAAAAAD4AAAAA/v//R0lG/25vb28BAAE/AAAAAAgAAAAAAAAAAAAAAAIAAAAAAAAAIAAAAP///yAAAAD///8AgAAAAIAAAAA=")
          .toStdString();
  struct {
    const char* Name;
    std::size_t Offset;
    std::string Bytes;
  } claims[] = {
      {"pixels beyond the end", 10, std::string("\xFF\xFF\xFF\xFF", 4)},
      {"most negative width", 18, std::string("\x00\x00\x00€", 4)},
      {"most negative height", 22, std::string("\x00\x00\x00€", 4)},
      {"65535 bits per pixel", 28, std::string("\xFF\xFF", 2)},
  };
  EXPECT_NE(LoadMessage(Write("found.bmp", found)).find("found.bmp"), std::string::npos);
  for (const auto& claim : claims) {
    std::string bmp = BmpBytes(20, 10);
    bmp.replace(claim.Offset, claim.Bytes.size(), claim.Bytes);
    std::string path = Write("claim.bmp", bmp);
    EXPECT_NE(LoadMessage(path).find(path), std::string::npos) << claim.Name;
  }
}

TEST_F(PictureTest, MissingFilesAndUnknownExtensionsGiveMessages) {
  EXPECT_EQ(LoadMessage("/nonexistent/x.jpg"), " Die Datei /nonexistent/x.jpg existiert nicht");
  EXPECT_NE(LoadMessage(Write("x.png", BmpBytes(2, 2))).find("(.png)"), std::string::npos);
}

TEST_F(PictureTest, AFailedLoadKeepsThePreviousPicture) {
  TPicture picture;
  picture.LoadFromFile(Write("ok.bmp", BmpBytes(5, 4)));
  EXPECT_THROW(picture.LoadFromFile(Write("bad.jpg", "xx")), EPictureError);
  EXPECT_EQ(picture.Width(), 5);
}

TEST_F(PictureTest, KnowsTheFileItWasReadFromUntilThatFileChanges) {
  TPicture picture;
  std::string path = Write("logo.bmp", BmpBytes(5, 4));
  EXPECT_FALSE(picture.IsLoadedFrom(path));
  picture.LoadFromFile(path);
  EXPECT_TRUE(picture.IsLoadedFrom(path));
  EXPECT_FALSE(picture.IsLoadedFrom(Write("other.bmp", BmpBytes(5, 4))));

  Write("logo.bmp", BmpBytes(6, 4));  // rewritten: another size
  EXPECT_FALSE(picture.IsLoadedFrom(path));
  picture.LoadFromFile(path);
  EXPECT_TRUE(picture.IsLoadedFrom(path));

  picture.Assign(TBitmap(3, 3));
  EXPECT_FALSE(picture.IsLoadedFrom(path));
  picture.LoadFromFile(path);
  picture.Clear();
  EXPECT_FALSE(picture.IsLoadedFrom(path));
}

}  // namespace
}  // namespace quorvel
