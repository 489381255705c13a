#include <gtest/gtest.h>

#include <string>

#include "QrTestSupport.h"
#include "qrcode/QrSegmenter.h"
#include "qrcode/QrTables.h"

namespace quorvel {
namespace {

using test::DecodeQr;
using test::DrawWithQuietZone;

// The longest prefix of the repeated pattern whose segmentation fits the
// data codewords of the version and level.
std::string LongestFitting(const std::string& pattern, int version, TQRCode_EccLevel level, bool kanji = false) {
  int capacity = 8 * QrDataCodewords(version, level);
  TQrSegmentOptions options{TQRCode_EncodePolicy::epMixingQuick, 64, kanji};
  auto fits = [&](std::size_t length) {
    std::string text;
    while (text.size() < length) text += pattern;
    text.resize(length);
    return SegmentText(text, version, options).BitCount <= capacity;
  };
  std::size_t low = 0, high = 8000;
  while (high - low > 1) {
    std::size_t middle = (low + high) / 2;
    (fits(middle) ? low : high) = middle;
  }
  // Kanji pairs must stay whole.
  if (kanji && low % 2 == 1) --low;
  std::string text;
  while (text.size() < low) text += pattern;
  text.resize(low);
  return text;
}

std::string KanjiPattern() {
  std::string pattern;
  for (int lead : {0x88, 0x93, 0x9F, 0xE0, 0xEA})
    for (int trail : {0x40, 0x7E, 0x80, 0x9F, 0xFC}) pattern += {static_cast<char>(lead), static_cast<char>(trail)};
  return pattern;
}

struct TSample {
  const char* Name;
  std::string Pattern;
  bool Kanji = false;
};

const std::vector<TSample>& Samples() {
  static const std::vector<TSample> samples = {
      {"numeric", "3141592653589793238462643383279502884197"},
      {"alphanumeric", "HELLO WORLD $%*+-./:0123456789"},
      {"byte", std::string("Gr\xFC\xDF" "e aus K\xF6ln! \x80\x01\xFF~"), false},
      {"mixed", "abc12345678DEFGHIJKLM-90x\xE4\x83\x40" "0123456789012345z"},
      {"kanji", KanjiPattern(), true},
  };
  return samples;
}

class QrEveryVersionTest : public ::testing::TestWithParam<TQRCode_EccLevel> {};

// Every version at this level, each kind of text filling it, drawn and read
// back by an independent decoder to the exact bytes.
TEST_P(QrEveryVersionTest, DecodesToTheExactBytes) {
  TQRCode_EccLevel level = GetParam();
  TBarcode2D_QRCode qr;
  qr.SetEccLevel(level);
  qr.SetEccLevelUpgrade(false);
  for (int version = kQrMinVersion; version <= kQrMaxVersion; ++version) {
    qr.SetMaxVersion(version);
    qr.SetMinVersion(version);
    for (const TSample& sample : Samples()) {
      qr.SetAllowKanjiMode(sample.Kanji);
      std::string text = LongestFitting(sample.Pattern, version, level, sample.Kanji);
      qr.SetBarcode(text);
      QImage image = DrawWithQuietZone(qr, 2);
      ASSERT_FALSE(image.isNull()) << sample.Name << " version " << version;
      test::TDecoded decoded = DecodeQr(image);
      EXPECT_EQ(decoded.Bytes, text) << sample.Name << " version " << version << " length " << text.size();
      EXPECT_EQ(qr.QrState().Version, version);
      EXPECT_EQ(decoded.EcLevel, std::string(1, "LMQH"[LevelIndex(level)])) << sample.Name << " version " << version;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Levels, QrEveryVersionTest,
                         ::testing::Values(TQRCode_EccLevel::elLowest, TQRCode_EccLevel::elMedium,
                                           TQRCode_EccLevel::elQuality, TQRCode_EccLevel::elHighest));

}  // namespace
}  // namespace quorvel
