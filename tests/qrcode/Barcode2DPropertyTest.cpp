#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "QrTestSupport.h"
#include "platform/ImageControl.h"

namespace quorvel {
namespace {

using test::TCountingQRCode;
using test::TEventLog;

class TPlainControl : public TControl {
 public:
  void Paint(TCanvas&) override {}
};

TEST(Barcode2DPropertyTest, DefaultsAfterCreation) {
  TBarcode2D_QRCode qr;
  EXPECT_EQ(qr.Barcode(), "");
  EXPECT_EQ(qr.Image(), nullptr);
  EXPECT_EQ(qr.Module(), 1);
  EXPECT_EQ(qr.BarColor(), 0u);
  EXPECT_EQ(qr.SpaceColor(), 16777215u);
  EXPECT_EQ(qr.Orientation(), TBarcodeOrientation::boLeftRight);
  EXPECT_FALSE(qr.Stretch());
  EXPECT_EQ(qr.LeftMargin(), 0);
  EXPECT_EQ(qr.TopMargin(), 0);
  EXPECT_EQ(qr.BarcodeWidth(), 0);
  EXPECT_EQ(qr.BarcodeHeight(), 0);
  EXPECT_FALSE(qr.ShowQuietZone());
  EXPECT_EQ(qr.LeadingQuietZone(), 4);
  EXPECT_EQ(qr.TopQuietZone(), 4);
  EXPECT_EQ(qr.TrailingQuietZone(), 4);
  EXPECT_EQ(qr.BottomQuietZone(), 4);
  EXPECT_FALSE(qr.Locked());
  EXPECT_FALSE(qr.Inversed());
  EXPECT_FALSE(qr.Mirrored());
  EXPECT_EQ(qr.MinVersion(), 1);
  EXPECT_EQ(qr.MaxVersion(), 40);
  EXPECT_EQ(qr.EccLevel(), TQRCode_EccLevel::elLowest);
  EXPECT_TRUE(qr.EccLevelUpgrade());
  EXPECT_FALSE(qr.AllowKanjiMode());
  EXPECT_FALSE(qr.AllowEscape());
  EXPECT_EQ(qr.EncodePolicy(), TQRCode_EncodePolicy::epMixingQuick);
  EXPECT_EQ(qr.MaxSliceLen(), 64);
  EXPECT_EQ(qr.LastRect(), TRect{});
}

// Invalid values raise the component's error and change nothing, not even
// the drawing.
TEST(Barcode2DPropertyTest, InvalidValuesRaiseAndChangeNothing) {
  TImageControl image;
  image.SetBounds(0, 0, 60, 60);
  TCountingQRCode qr;
  qr.SetImage(&image);
  TRect drawn = qr.LastRect();
  int erasures = qr.Erasures;
  const std::vector<std::pair<const char*, std::function<void()>>> setters = {
      {"Module 0", [&] { qr.SetModule(0); }},
      {"Module -1", [&] { qr.SetModule(-1); }},
      {"LeadingQuietZone 3", [&] { qr.SetLeadingQuietZone(3); }},
      {"TopQuietZone 3", [&] { qr.SetTopQuietZone(3); }},
      {"TrailingQuietZone 3", [&] { qr.SetTrailingQuietZone(3); }},
      {"BottomQuietZone 3", [&] { qr.SetBottomQuietZone(3); }},
      {"MinVersion 41", [&] { qr.SetMinVersion(41); }},
      {"MinVersion 0", [&] { qr.SetMinVersion(0); }},
      {"MaxVersion 0", [&] { qr.SetMaxVersion(0); }},
      {"MaxVersion 41", [&] { qr.SetMaxVersion(41); }},
  };
  for (const auto& [name, set] : setters) {
    try {
      set();
      ADD_FAILURE() << name << " was accepted";
    } catch (const EBarcode2DError& e) {
      EXPECT_STREQ(e.what(), "Ungültiger Wert der Eigenschaft") << name;
    }
  }
  EXPECT_EQ(qr.Module(), 1);
  EXPECT_EQ(qr.LeadingQuietZone(), 4);
  EXPECT_EQ(qr.BottomQuietZone(), 4);
  EXPECT_EQ(qr.MinVersion(), 1);
  EXPECT_EQ(qr.MaxVersion(), 40);
  EXPECT_EQ(qr.Erasures, erasures);
  EXPECT_EQ(qr.LastRect(), drawn);

  TPlainControl notAnImage;
  EXPECT_THROW(qr.SetImage(&notAnImage), EBarcode2DError);
  EXPECT_EQ(qr.Image(), &image);
}

TEST(Barcode2DPropertyTest, MinAndMaxVersionFollowEachOther) {
  TBarcode2D_QRCode qr;
  qr.SetMaxVersion(5);
  qr.SetMinVersion(10);
  EXPECT_EQ(qr.MinVersion(), 10);
  EXPECT_EQ(qr.MaxVersion(), 10);
  qr.SetMaxVersion(3);
  EXPECT_EQ(qr.MinVersion(), 3);
  EXPECT_EQ(qr.MaxVersion(), 3);
}

TEST(Barcode2DPropertyTest, MaxSliceLenIsZeroOrAtLeastEight) {
  TBarcode2D_QRCode qr;
  for (auto [given, kept] : {std::pair{5, 8}, {-3, 8}, {0, 0}, {8, 8}, {100, 100}}) {
    qr.SetMaxSliceLen(given);
    EXPECT_EQ(qr.MaxSliceLen(), kept) << given;
  }
}

TEST(Barcode2DPropertyTest, UnchangedValuesDoNothingAndColoursDrawWithoutErasing) {
  TImageControl image;
  image.SetBounds(0, 0, 40, 40);
  TCountingQRCode qr;
  TEventLog log(qr);
  qr.SetImage(&image);
  int draws = log.Draws, erasures = qr.Erasures;
  qr.SetBarColor(0);
  qr.SetModule(1);
  qr.SetBarcode("");
  qr.SetOrientation(TBarcodeOrientation::boLeftRight);
  EXPECT_EQ(log.Draws, draws);
  EXPECT_EQ(qr.Erasures, erasures);
  EXPECT_EQ(log.Changes, 0);

  qr.SetBarColor(RGB(0, 0, 128));
  EXPECT_EQ(log.Draws, draws + 1);
  EXPECT_EQ(qr.Erasures, erasures);
  qr.SetInversed(true);
  qr.SetSpaceColor(RGB(255, 255, 0));
  EXPECT_EQ(log.Draws, draws + 3);
  EXPECT_EQ(qr.Erasures, erasures);

  qr.SetModule(2);
  EXPECT_EQ(qr.Erasures, erasures + 1);
  EXPECT_EQ(log.Draws, draws + 4);
}

TEST(Barcode2DPropertyTest, OnChangeFiresForTheTextOnly) {
  TBarcode2D_QRCode qr;
  TEventLog log(qr);
  qr.SetModule(3);
  qr.SetMirrored(true);
  qr.SetEccLevel(TQRCode_EccLevel::elHighest);
  EXPECT_EQ(log.Changes, 0);
  qr.SetBarcode("A");
  EXPECT_EQ(log.Changes, 1);
  qr.SetLocked(true);
  qr.SetBarcode("B");
  EXPECT_EQ(log.Changes, 2);
}

TEST(Barcode2DPropertyTest, LockedWaitsAndUnlockingDrawsOnce) {
  TImageControl image;
  image.SetBounds(0, 0, 40, 40);
  TCountingQRCode qr;
  TEventLog log(qr);
  qr.SetImage(&image);
  int draws = log.Draws, erasures = qr.Erasures;
  qr.SetLocked(true);
  qr.SetBarcode("gesperrt");
  qr.SetModule(2);
  qr.SetMirrored(true);
  EXPECT_EQ(log.Draws, draws);
  EXPECT_EQ(qr.Erasures, erasures);
  qr.SetLocked(false);
  EXPECT_EQ(log.Draws, draws + 1);
  EXPECT_EQ(qr.Erasures, erasures + 1);
  EXPECT_EQ(qr.LastRect(), (TRect{0, 0, 42, 42}));
}

TEST(Barcode2DPropertyTest, AssignCopiesPropertiesAndHandlersButNotImageOrLocked) {
  TImageControl image;
  image.SetBounds(0, 0, 50, 50);
  TBarcode2D_QRCode source;
  source.SetBarcode("Quelle");
  source.SetModule(2);
  source.SetBarColor(RGB(1, 2, 3));
  source.SetSpaceColor(RGB(4, 5, 6));
  source.SetInversed(true);
  source.SetMirrored(true);
  source.SetOrientation(TBarcodeOrientation::boTopBottom);
  source.SetLeftMargin(3);
  source.SetTopMargin(4);
  source.SetStretch(true);
  source.SetBarcodeWidth(30);
  source.SetBarcodeHeight(20);
  source.SetShowQuietZone(true);
  source.SetTopQuietZone(6);
  source.SetMinVersion(3);
  source.SetMaxVersion(30);
  source.SetEccLevel(TQRCode_EccLevel::elQuality);
  source.SetEccLevelUpgrade(false);
  source.SetAllowKanjiMode(true);
  source.SetAllowEscape(true);
  source.SetEncodePolicy(TQRCode_EncodePolicy::epMixingOptimal);
  source.SetMaxSliceLen(16);
  int sourceChanges = 0;
  source.OnChange = [&](TBarcode2D&) { ++sourceChanges; };
  source.SetLocked(true);

  TBarcode2D_QRCode target;
  target.SetImage(&image);
  target.Assign(&source);
  EXPECT_EQ(sourceChanges, 1);  // the handler came along and fired once
  EXPECT_EQ(target.Barcode(), "Quelle");
  EXPECT_EQ(target.Module(), 2);
  EXPECT_EQ(target.BarColor(), RGB(1, 2, 3));
  EXPECT_EQ(target.SpaceColor(), RGB(4, 5, 6));
  EXPECT_TRUE(target.Inversed());
  EXPECT_TRUE(target.Mirrored());
  EXPECT_EQ(target.Orientation(), TBarcodeOrientation::boTopBottom);
  EXPECT_EQ(target.LeftMargin(), 3);
  EXPECT_EQ(target.TopMargin(), 4);
  EXPECT_TRUE(target.Stretch());
  EXPECT_EQ(target.BarcodeWidth(), 30);
  EXPECT_EQ(target.BarcodeHeight(), 20);
  EXPECT_TRUE(target.ShowQuietZone());
  EXPECT_EQ(target.TopQuietZone(), 6);
  EXPECT_EQ(target.MinVersion(), 3);
  EXPECT_EQ(target.MaxVersion(), 30);
  EXPECT_EQ(target.EccLevel(), TQRCode_EccLevel::elQuality);
  EXPECT_FALSE(target.EccLevelUpgrade());
  EXPECT_TRUE(target.AllowKanjiMode());
  EXPECT_TRUE(target.AllowEscape());
  EXPECT_EQ(target.EncodePolicy(), TQRCode_EncodePolicy::epMixingOptimal);
  EXPECT_EQ(target.MaxSliceLen(), 16);
  EXPECT_EQ(target.Image(), &image);
  EXPECT_FALSE(target.Locked());
  EXPECT_EQ(target.LastRect(), (TRect{3, 4, 23, 34}));  // turned: height across, width down
}

// A 2D symbology of another class.
class TOtherBarcode2D : public TBarcode2D {
 public:
  TOtherBarcode2D() { InitQuietZones(); }
  std::string ClassName() const override { return "TBarcode2D_Other"; }

 protected:
  bool AcceptsAssign(const TBarcode2D& source) const override { return dynamic_cast<const TOtherBarcode2D*>(&source); }
  TQuietZones GetMinQuietZones() const override { return {2, 2, 2, 2}; }
  void BuildCodewords(TCoreWorkArea&) override {}
  void BuildMatrix(TCoreWorkArea&) override {}
  void GetSymbolSize(TCoreWorkArea&, int& columns, int& rows) override { columns = rows = 1; }
};

TEST(Barcode2DPropertyTest, AssignFromAnotherClassRaises) {
  TBarcode2D_QRCode qr;
  TOtherBarcode2D other;
  try {
    qr.Assign(&other);
    ADD_FAILURE();
  } catch (const EBarcode2DError& e) {
    EXPECT_STREQ(e.what(), "TBarcode2D_Other kann nicht zu  TBarcode2D_QRCode zugewiesen werden");
  }
  try {
    qr.Assign(nullptr);
    ADD_FAILURE();
  } catch (const EBarcode2DError& e) {
    EXPECT_STREQ(e.what(), "nil kann nicht zu  TBarcode2D_QRCode zugewiesen werden");
  }
  // The minimum quiet zone is the class's own.
  EXPECT_EQ(other.LeadingQuietZone(), 2);
  EXPECT_NO_THROW(other.SetLeadingQuietZone(2));
  EXPECT_THROW(other.SetLeadingQuietZone(1), EBarcode2DError);
}

}  // namespace
}  // namespace quorvel
