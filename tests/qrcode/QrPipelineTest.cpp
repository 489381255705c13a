#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "QrTestSupport.h"
#include "platform/ImageControl.h"

namespace quorvel {
namespace {

using test::TCountingQRCode;
using test::TEventLog;
using enum TQRCode_EccLevel;

struct TChoiceCase {
  const char* Name;
  std::string Text;
  std::function<void(TBarcode2D_QRCode&)> Setup;
  int Version;
  TQRCode_EccLevel Level;
  int Bits;
};

TEST(QrPipelineTest, ChosenVersionsAndLevels) {
  auto none = [](TBarcode2D_QRCode&) {};
  const std::vector<TChoiceCase> cases = {
      {"empty text", "", none, 1, elHighest, 14},
      {"eight digits", "12345678", none, 1, elHighest, 41},
      {"17 letters", std::string(17, 'q'), none, 1, elLowest, 148},
      {"MinVersion 5", "A", [](TBarcode2D_QRCode& q) { q.SetMinVersion(5); }, 5, elHighest, 19},
      {"no upgrade", "A", [](TBarcode2D_QRCode& q) { q.SetEccLevelUpgrade(false); }, 1, elLowest, 19},
      {"from M up", "HELLO", [](TBarcode2D_QRCode& q) { q.SetEccLevel(elMedium); }, 1, elHighest, 41},
      {"upgrade stays in the version", std::string(30, 'q'), none, 2, elLowest, 252},
      {"7089 digits", std::string(7089, '7'), none, 40, elLowest, 23648},
      {"4296 capitals", std::string(4296, 'K'), none, 40, elLowest, 23645},
      {"2953 letters", std::string(2953, 'q'), none, 40, elLowest, 23644},
  };
  for (const TChoiceCase& c : cases) {
    TBarcode2D_QRCode qr;
    c.Setup(qr);
    TEventLog log(qr);
    qr.SetBarcode(c.Text);
    if (c.Text.empty()) qr.Redraw(true);
    EXPECT_TRUE(log.InvalidLength.empty()) << c.Name;
    const TQrEncodeState& state = qr.QrState();
    EXPECT_EQ(state.Version, c.Version) << c.Name;
    EXPECT_EQ(state.Level, LevelIndex(c.Level)) << c.Name;
    EXPECT_EQ(state.BitCount, c.Bits) << c.Name;
  }
}

TEST(QrPipelineTest, TextsBeyondVersion40FireOnInvalidLength) {
  for (const std::string& text : {std::string(7090, '7'), std::string(4297, 'K'), std::string(2954, 'q')}) {
    TCountingQRCode qr;
    TEventLog log(qr);
    qr.SetBarcode(text);
    ASSERT_EQ(log.InvalidLength.size(), 1u) << text.size();
    EXPECT_EQ(log.InvalidLength[0], text);
    EXPECT_FALSE(qr.Draw());
    EXPECT_EQ(log.InvalidLength.size(), 2u);
    // Digits are the densest mode: 7090 digits are refused before segmenting.
    if (text[0] == '7') {
      EXPECT_EQ(qr.Segmentations, 0);
    }
  }
}

// A verdict of "too long" must not outlive the settings it was made for.
TEST(QrPipelineTest, ALargerMaxVersionDrawsWhatDidNotFitBefore) {
  for (int length : {60, 30}) {  // refused by the length check, by the version choice
    TImageControl image;
    image.SetBounds(0, 0, 60, 60);
    TBarcode2D_QRCode qr;
    TEventLog log(qr);
    qr.SetImage(&image);
    qr.SetMaxVersion(1);
    qr.SetBarcode(std::string(length, 'q'));
    ASSERT_EQ(log.InvalidLength.size(), 1u) << length;
    qr.SetMaxVersion(40);
    EXPECT_EQ(log.InvalidLength.size(), 1u) << length;
    EXPECT_GT(qr.LastRect().Width(), 21) << length;
  }
}

TEST(QrPipelineTest, DrawingPropertiesRepaintFromTheCache) {
  TImageControl image;
  image.SetBounds(0, 0, 200, 200);
  TCountingQRCode qr;
  TEventLog log(qr);
  qr.SetImage(&image);
  qr.SetBarcode("https://www.example.com/a/b");
  int draws = log.Draws;
  const std::vector<std::function<void()>> changes = {
      [&] { qr.SetBarColor(clBlue); },      [&] { qr.SetSpaceColor(clLime); },
      [&] { qr.SetInversed(true); },        [&] { qr.SetModule(3); },
      [&] { qr.SetLeftMargin(4); },         [&] { qr.SetTopMargin(5); },
      [&] { qr.SetMirrored(true); },        [&] { qr.SetShowQuietZone(true); },
      [&] { qr.SetLeadingQuietZone(6); },   [&] { qr.SetOrientation(TBarcodeOrientation::boRightLeft); },
      [&] { qr.SetStretch(true); },         [&] { qr.SetBarcodeWidth(150); },
      [&] { qr.SetBarcodeHeight(120); },
  };
  int segmentations = qr.Segmentations, choices = qr.Choices, codewords = qr.CodewordBuilds,
      matrices = qr.MatrixBuilds;
  for (const auto& change : changes) change();
  EXPECT_EQ(log.Draws, draws + static_cast<int>(changes.size()));
  EXPECT_EQ(qr.Segmentations, segmentations);
  EXPECT_EQ(qr.Choices, choices);
  EXPECT_EQ(qr.CodewordBuilds, codewords);
  EXPECT_EQ(qr.MatrixBuilds, matrices);
  // Forcing takes the text as new.
  qr.Redraw(true);
  EXPECT_EQ(qr.CodewordBuilds, codewords + 1);
  EXPECT_EQ(qr.MatrixBuilds, matrices + 1);
}

TEST(QrPipelineTest, ChooseSymbolSegmentsOncePerVersionGroup) {
  struct TCase {
    std::string Text;
    int Segmentations;
    int Version;
  };
  for (const TCase& c : {TCase{"kurz", 1, 1}, {std::string(300, 'q'), 2, 11}, {std::string(1500, 'q'), 2, 28},
                         {std::string(7089, '1'), 1, 40}}) {
    TCountingQRCode qr;
    qr.SetBarcode(c.Text);
    EXPECT_EQ(qr.Choices, 1) << c.Text.size();
    EXPECT_EQ(qr.Segmentations, c.Segmentations) << c.Text.size();
    EXPECT_LE(qr.Segmentations, 3);
    EXPECT_EQ(qr.QrState().Version, c.Version) << c.Text.size();
    // Choosing again keeps the segmentation of the group.
    int codewords = qr.CodewordBuilds;
    qr.SetMinVersion(2);
    EXPECT_EQ(qr.Choices, 2);
    EXPECT_EQ(qr.Segmentations, c.Segmentations) << c.Text.size();
    EXPECT_EQ(qr.CodewordBuilds, codewords + (c.Version == 1 ? 1 : 0)) << c.Text.size();
  }
}

TEST(QrPipelineTest, EachPropertyClearsItsStages) {
  struct TCase {
    const char* Name;
    std::function<void(TBarcode2D_QRCode&)> Change;
    unsigned Cleared;
  };
  const unsigned capacity = sfVersionChosen | sfLengthChecked;
  const std::vector<TCase> cases = {
      {"MinVersion", [](auto& q) { q.SetMinVersion(2); }, sfVersionChosen},
      {"EccLevelUpgrade", [](auto& q) { q.SetEccLevelUpgrade(false); }, sfVersionChosen},
      {"MaxVersion", [](auto& q) { q.SetMaxVersion(30); }, capacity},
      {"EccLevel", [](auto& q) { q.SetEccLevel(elMedium); }, capacity},
      {"AllowKanjiMode", [](auto& q) { q.SetAllowKanjiMode(true); }, sfSegmentsValid},
      {"EncodePolicy", [](auto& q) { q.SetEncodePolicy(TQRCode_EncodePolicy::epSingleMode); }, sfSegmentsValid},
      {"MaxSliceLen", [](auto& q) { q.SetMaxSliceLen(10); }, sfSegmentsValid},
      {"AllowEscape", [](auto& q) { q.SetAllowEscape(true); }, sfSegmentsValid | sfCharsChecked | sfLengthChecked},
      {"Module", [](auto& q) { q.SetModule(2); }, 0},
      {"BarColor", [](auto& q) { q.SetBarColor(clRed); }, 0},
      {"Orientation", [](auto& q) { q.SetOrientation(TBarcodeOrientation::boTopBottom); }, 0},
      {"TrailingQuietZone", [](auto& q) { q.SetTrailingQuietZone(9); }, 0},
      {"Stretch", [](auto& q) { q.SetStretch(true); }, 0},
      {"Mirrored", [](auto& q) { q.SetMirrored(true); }, 0},
      {"Image", [](auto& q) { q.SetImage(nullptr); }, 0},
  };
  for (const TCase& c : cases) {
    TImageControl image;
    image.SetBounds(0, 0, 50, 50);
    TBarcode2D_QRCode qr;
    qr.SetImage(&image);
    qr.SetBarcode("Stufen");
    ASSERT_EQ(qr.WorkArea().Stages, sfAllStages) << c.Name;
    qr.SetLocked(true);
    c.Change(qr);
    EXPECT_EQ(qr.WorkArea().Stages, sfAllStages & ~c.Cleared) << c.Name;
  }
}

TEST(QrPipelineTest, AssignClearsOnlyTheStagesOfDifferingOptions) {
  TImageControl image;
  image.SetBounds(0, 0, 30, 30);
  TBarcode2D_QRCode source;
  source.SetBarcode("gleich");
  TBarcode2D_QRCode target;
  target.SetImage(&image);
  target.SetBarcode("gleich");
  target.SetLocked(true);
  target.Assign(&source);
  EXPECT_EQ(target.WorkArea().Stages, sfAllStages);
  source.SetEccLevel(elQuality);
  target.Assign(&source);
  EXPECT_EQ(target.WorkArea().Stages, sfAllStages & ~(sfVersionChosen | sfLengthChecked));
}

TEST(QrPipelineTest, BadEscapesAreReportedAtTheirPositionInBarcode) {
  TBarcode2D_QRCode qr;
  TEventLog log(qr);
  qr.SetAllowEscape(true);
  qr.SetBarcode("ab\\qc");
  ASSERT_EQ(log.InvalidChar.size(), 1u);
  EXPECT_EQ(log.InvalidChar[0], std::make_pair(4, 'q'));
  // The failed stage runs again on every draw.
  qr.Draw();
  EXPECT_EQ(log.InvalidChar.size(), 2u);
}

TEST(QrPipelineTest, PositionsInTheEncodedDataMapBackToBarcode) {
  struct TCase {
    const char* Name;
    TOnEncode Encode;
    TParseBarcodeIndex Parse;
    std::string Text;
    std::pair<int, char> Reported;
  };
  auto prefix = [](std::string p) {
    return [p](TBarcodeCore2D&, std::string& data, const std::string& barcode) { data = p + barcode; };
  };
  auto answer = [](int index) {
    return [index](TBarcodeCore2D&, const std::string&, const std::string&, int) { return index; };
  };
  const std::vector<TCase> cases = {
      {"bisection", prefix("xy"), nullptr, "ab\\qc", {4, 'q'}},
      {"added by OnEncode", prefix("\\q"), nullptr, "abc", {-2, '\0'}},
      {"handler", prefix("xy"), answer(2), "ab\\qc", {2, 'b'}},
      {"handler outside the text", prefix("xy"), answer(99), "ab\\qc", {-3, '\0'}},
      {"handler answering 0", prefix("xy"), answer(0), "ab\\qc", {-3, '\0'}},
  };
  for (const TCase& c : cases) {
    TCountingQRCode qr;
    qr.SetAllowEscape(true);
    qr.SetLocked(true);
    qr.OnEncode = c.Encode;
    qr.ParseBarcodeIndex = c.Parse;
    qr.SetBarcode(c.Text);
    TEventLog log(qr);
    EXPECT_FALSE(qr.Draw());
    ASSERT_EQ(log.InvalidChar.size(), 1u) << c.Name;
    EXPECT_EQ(log.InvalidChar[0], c.Reported) << c.Name;
    EXPECT_EQ(qr.CodewordBuilds, 1) << c.Name;  // only that of the empty text
  }
}

TEST(QrPipelineTest, OnEncodeGivingOtherDataEncodesAgain) {
  TCountingQRCode qr;
  qr.SetBarcode("abc");
  int codewords = qr.CodewordBuilds;
  qr.OnEncode = [](TBarcodeCore2D&, std::string& data, const std::string& barcode) {
    data = barcode;
    std::transform(data.begin(), data.end(), data.begin(), ::toupper);
  };
  qr.Draw();
  EXPECT_EQ(qr.WorkArea().Data, "ABC");
  EXPECT_EQ(qr.CodewordBuilds, codewords + 1);
  EXPECT_EQ(qr.QrState().Segmentation.Segments[0].Mode, TQrMode::qmAlphanumeric);
  int error = -1;
  EXPECT_EQ(qr.ChecksumOfText("ab", false, error), 'A' ^ 'B');
  EXPECT_EQ(qr.Checksum("ab", false, error), 'a' ^ 'b');
}

TEST(QrPipelineTest, KanjiModeNeedsAllowKanjiMode) {
  TBarcode2D_QRCode qr;
  qr.SetBarcode("\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x95\xB6\x8E\x9A");  // six Shift JIS characters
  EXPECT_EQ(qr.QrState().Segmentation.Segments[0].Mode, TQrMode::qmByte);
  qr.SetAllowKanjiMode(true);
  EXPECT_EQ(qr.QrState().Segmentation.Segments[0].Mode, TQrMode::qmKanji);
  EXPECT_EQ(qr.QrState().BitCount, 4 + 8 + 6 * 13);
  EXPECT_EQ(test::DecodeQr(test::DrawWithQuietZone(qr)).Bytes, qr.Barcode());
}

}  // namespace
}  // namespace quorvel
