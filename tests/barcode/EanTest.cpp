#include <gtest/gtest.h>

#include <functional>

#include "barcode/Ean.h"

namespace quorvel {
namespace {

using enum TTypBarCode;
using enum TLastPaintError;

// Counts the repaint requests of the controls it hosts.
class TCountingHost : public IControlHost {
 public:
  void RequestRepaint(TControl&) override { ++Repaints; }
  void BoundsChanged(TControl&) override {}
  int Repaints = 0;
};

class EanTest : public ::testing::Test {
 protected:
  EanTest() {
    ean.SetHost(&host);
    ean.OnChangeBarCode = [this](TControl&) { ++barCodeChanges; };
    ean.OnChangeTypCode = [this](TControl&) { ++typChanges; };
  }
  // Runs a change and tells how many repaints it asked for.
  int RepaintsOf(const std::function<void()>& change) {
    int before = host.Repaints;
    change();
    return host.Repaints - before;
  }

  TCountingHost host;
  TEan ean;
  int barCodeChanges = 0;
  int typChanges = 0;
};

TEST_F(EanTest, InitialValues) {
  EXPECT_EQ(ean.BarCode(), "9771210107001");
  EXPECT_EQ(ean.TypBarCode(), bcEan13);
  EXPECT_TRUE(ean.ShowLabels());
  EXPECT_TRUE(ean.StartStopLines());
  EXPECT_TRUE(ean.AutoCheckDigit());
  EXPECT_EQ(ean.Angle(), 0);
  EXPECT_EQ(ean.LinesColor(), clBlack);
  EXPECT_EQ(ean.BackgroundColor(), clWhite);
  EXPECT_FALSE(ean.Transparent());
  EXPECT_TRUE(ean.Ean13AddUp());
  EXPECT_TRUE(ean.FontAutoSize());
  EXPECT_EQ(ean.Font().Name, "Arial");
  EXPECT_EQ(ean.Font().Size, 16);
  EXPECT_EQ(ean.Font().Color, clWindowText);
  EXPECT_FALSE(ean.Security());
  EXPECT_TRUE(ean.LabelMask().empty());
  EXPECT_TRUE(ean.AutoSize());
  EXPECT_FALSE(ean.DisableEditor());
  EXPECT_EQ(ean.LastPaintError(), erOK);
  EXPECT_EQ(ean.SetOfChars(), "0123456789");
  // 103 modules of the example with its digit blanks, plus 20, raised to one
  // PDF417 row of the default 10 columns: 17 x 10 + 69 modules.
  EXPECT_EQ(ean.Width(), 239);
  EXPECT_EQ(ean.Height(), 80);

  EXPECT_TRUE(ean.Caption().Visible());
  EXPECT_TRUE(ean.Caption().Text().empty());
  EXPECT_EQ(ean.Caption().Font().Name, "Arial");
  EXPECT_EQ(ean.Caption().Font().Size, 10);
  EXPECT_TRUE(ean.Caption().AutoSize());
  EXPECT_EQ(ean.Caption().Alignment(), TAlignment::taLeftJustify);
  EXPECT_FALSE(ean.Caption().AutoCaption());
  EXPECT_EQ(ean.HorzLines().LinesCount(), 0);
  EXPECT_EQ(ean.HorzLines().Pen(), (TPen{clBlack, 1, TPenStyle::psSolid, TPenMode::pmCopy}));

  EXPECT_EQ(ean.PDF417().Mode(), xbPDF417Mode::xbPDF417Alphanumeric);
  EXPECT_EQ(ean.PDF417().Rows(), 0);
  EXPECT_EQ(ean.PDF417().Cols(), 10);
  EXPECT_EQ(ean.PDF417().SecurityLevel(), xbPDF417ErrorCorrection::xbPDF417AutoEC);
  EXPECT_FALSE(ean.PDF417().Truncated());
  EXPECT_TRUE(ean.PDF417().PaintIfSmall());
}

TEST_F(EanTest, SettingTheSameValueChangesNothing) {
  EXPECT_EQ(RepaintsOf([&] { ean.SetBarCode("9771210107001"); }), 0);
  EXPECT_EQ(barCodeChanges, 0);
}

TEST_F(EanTest, SettingAValueCompletesItsCheckDigit) {
  EXPECT_EQ(RepaintsOf([&] { ean.SetBarCode("977121010700"); }), 1);
  EXPECT_EQ(ean.BarCode(), "9771210107001");
  EXPECT_EQ(barCodeChanges, 1);
  // Compared before completion: the same stored result still counts as a change.
  ean.SetBarCode("9771210107009");
  EXPECT_EQ(ean.BarCode(), "9771210107001");
  EXPECT_EQ(barCodeChanges, 2);
}

TEST_F(EanTest, SwitchingSymbologyTakesItsExample) {
  struct {
    TTypBarCode Type;
    const char* Stored;
  } cases[] = {{bcEan8, "12345670"},   {bcJAN13, "4912345678904"},  {bcJAN8, "49123456"},
               {bcISBN, "80-7226-102-9"}, {bcCodabar, "A0123+-$/:68A"}, {bcCode39Standard, "LABEL"},
               {bcEan128, "EAN 128"},     {bcPDF417, "Quorvel PDF417"}, {bcEan13, "9771210107001"}};
  int expectedChanges = 0;
  for (const auto& c : cases) {
    ean.SetTypBarCode(c.Type);
    EXPECT_EQ(ean.BarCode(), c.Stored);
    EXPECT_EQ(typChanges, ++expectedChanges);
  }
  ean.SetTypBarCode(bcEan13);
  EXPECT_EQ(typChanges, expectedChanges);  // unchanged: no event
}

TEST_F(EanTest, SymbologyFirstThenValueKeepsTheValue) {
  ean.SetTypBarCode(bcCode128);
  ean.SetBarCode("Quorvel 1");
  EXPECT_EQ(ean.BarCode(), "Quorvel 1");
  EXPECT_EQ(ean.SetOfChars().size(), 103u);
}

TEST_F(EanTest, JanValuesAreForcedToStartWith49) {
  ean.SetTypBarCode(bcJAN13);
  ean.SetBarCode("1212345678901");
  EXPECT_EQ(ean.BarCode(), "4912345678904");
}

TEST_F(EanTest, SwitchingSymbologyClearsAutoCaption) {
  ean.Caption().SetAutoCaption(true);
  ean.SetTypBarCode(bcISBN);
  EXPECT_FALSE(ean.Caption().AutoCaption());
}

TEST_F(EanTest, AutoCaptionNamesIsbnValues) {
  ean.SetTypBarCode(bcISBN);
  ean.Caption().SetVisible(false);
  ean.Caption().SetAutoCaption(true);
  EXPECT_EQ(ean.Caption().Text(), "ISBN 80-7226-102-9");
  EXPECT_TRUE(ean.Caption().Visible());
  ean.SetBarCode("3-16-148410-X 12");
  EXPECT_EQ(ean.Caption().Text(), "ISBN 3-16-148410-X");  // the first 13 characters, no add-on
  EXPECT_TRUE(ean.CaptionBottom().Text().empty());       // only the upper caption follows
}

TEST_F(EanTest, AngleIsCutToRightAngles) {
  struct {
    int Value;
    int Stored;
  } cases[] = {{45, 0}, {270, 270}, {360, 0}, {450, 90}, {-90, -90}, {-450, -90}, {90, 90}};
  for (const auto& c : cases) {
    const int repaints = c.Value == ean.Angle() ? 0 : 1;  // the setter compares with the angle before
    EXPECT_EQ(RepaintsOf([&] { ean.SetAngle(c.Value); }), repaints);
    EXPECT_EQ(ean.Angle(), c.Stored) << c.Value;
  }
  EXPECT_EQ(RepaintsOf([&] { ean.SetAngle(90); }), 0);
}

TEST_F(EanTest, EverySetterRepaintsOnlyOnAChange) {
  std::vector<std::pair<const char*, std::function<void(bool)>>> setters = {
      {"ShowLabels", [&](bool on) { ean.SetShowLabels(on); }},
      {"StartStopLines", [&](bool on) { ean.SetStartStopLines(on); }},
      {"AutoCheckDigit", [&](bool on) { ean.SetAutoCheckDigit(on); }},
      {"LinesColor", [&](bool on) { ean.SetLinesColor(on ? clBlack : clBlue); }},
      {"BackgroundColor", [&](bool on) { ean.SetBackgroundColor(on ? clWhite : clLime); }},
      {"Transparent", [&](bool on) { ean.SetTransparent(!on); }},
      {"Ean13AddUp", [&](bool on) { ean.SetEan13AddUp(on); }},
      {"FontAutoSize", [&](bool on) { ean.SetFontAutoSize(on); }},
      {"Security", [&](bool on) { ean.SetSecurity(!on); }},
      {"LabelMask", [&](bool on) { ean.SetLabelMask(on ? "" : "__X"); }},
      {"Font", [&](bool on) { TFont f = ean.Font(); f.Size = on ? 16 : 12; ean.SetFont(f); }},
      {"Caption.Text", [&](bool on) { ean.Caption().SetText(on ? "" : "Preis"); }},
      {"Caption.Visible", [&](bool on) { ean.Caption().SetVisible(on); }},
      {"Caption.Alignment",
       [&](bool on) { ean.Caption().SetAlignment(on ? TAlignment::taLeftJustify : TAlignment::taCenter); }},
      {"CaptionBottom.AutoSize", [&](bool on) { ean.CaptionBottom().SetAutoSize(on); }},
      {"HorzLines.LinesCount", [&](bool on) { ean.HorzLines().SetLinesCount(on ? 0 : 2); }},
      {"HorzLines.Color", [&](bool on) { ean.HorzLines().SetColor(on ? clBlack : clRed); }},
      {"HorzLines.Width", [&](bool on) { ean.HorzLines().SetWidth(on ? 1 : 3); }},
      {"PDF417.Cols", [&](bool on) { ean.PDF417().SetCols(on ? 10 : 2); }},
      {"PDF417.Rows", [&](bool on) { ean.PDF417().SetRows(on ? 0 : 7); }},
      {"PDF417.PaintIfSmall", [&](bool on) { ean.PDF417().SetPaintIfSmall(on); }},
  };
  for (auto& setter : setters) {
    SCOPED_TRACE(setter.first);
    auto& set = setter.second;
    EXPECT_EQ(RepaintsOf([&] { set(true); }), 0);  // the initial value again
    EXPECT_EQ(RepaintsOf([&] { set(false); }), 1);
    EXPECT_EQ(RepaintsOf([&] { set(false); }), 0);
    EXPECT_EQ(RepaintsOf([&] { set(true); }), 1);
  }
}

TEST_F(EanTest, CaptionFontAlwaysRepaintsAndAssignCopiesFields) {
  EXPECT_EQ(RepaintsOf([&] { ean.Caption().SetFont(ean.Caption().Font()); }), 1);
  TEan other;
  other.Caption().SetText("Oben");
  other.Caption().SetAlignment(TAlignment::taRightJustify);
  TBarcodeCaption* owned = &ean.Caption();
  ean.SetCaption(other.Caption());
  EXPECT_EQ(&ean.Caption(), owned);
  EXPECT_EQ(ean.Caption().Text(), "Oben");
  EXPECT_EQ(ean.Caption().Alignment(), TAlignment::taRightJustify);
}

TEST_F(EanTest, Pdf417OptionsRepaintThenNotify) {
  std::vector<std::string> order;
  TCountingHost* counting = &host;
  ean.PDF417().OnChange = [&](TxbPDF417&) { order.push_back("change after " + std::to_string(counting->Repaints)); };
  int before = host.Repaints;
  ean.PDF417().SetMode(xbPDF417Mode::xbPDF417Binary);
  ASSERT_EQ(order.size(), 1u);
  EXPECT_EQ(order[0], "change after " + std::to_string(before + 1));
  ean.PDF417().SetMode(xbPDF417Mode::xbPDF417Binary);
  EXPECT_EQ(order.size(), 1u);
  EXPECT_EQ(ean.PDF417().Options().Mode, xbPDF417Mode::xbPDF417Binary);
}

TEST_F(EanTest, ValidationLeavesItsFindingsInTheControl) {
  EXPECT_FALSE(ean.BarCodeValid("9771210107001 1A345"));
  EXPECT_EQ(ean.LastPaintError(), erCharOutOfSet);
  EXPECT_EQ(ean.ErrorPosition(), 15);
  EXPECT_EQ(ean.ErrorChar(), "A");
  // A failure that sets no position keeps the old one.
  EXPECT_FALSE(ean.BarCodeValid("977121010700112"));
  EXPECT_EQ(ean.LastPaintError(), erBarcodeLengthInvalid);
  EXPECT_EQ(ean.ErrorPosition(), 15);
  EXPECT_FALSE(ean.BarCodeValid("9771210107001A12"));
  EXPECT_EQ(ean.LastPaintError(), erCharMustBeSpace);
  EXPECT_EQ(ean.ErrorPosition(), 14);
  EXPECT_EQ(ean.ErrorChar(), "A");  // not set by this error
  EXPECT_FALSE(ean.BarCodeValid(""));
  EXPECT_EQ(ean.LastPaintError(), erEmptyCode);
  EXPECT_TRUE(ean.BarCodeValid("9771210107001"));
  EXPECT_EQ(ean.LastPaintError(), erOK);
}

TEST_F(EanTest, EncodeFollowsShowLabelsAndAutoCheckDigit) {
  EXPECT_EQ(ean.EncodeBarCode(ean.BarCode()).Modules.size(), 103u);
  ean.SetShowLabels(false);
  EXPECT_EQ(ean.EncodeBarCode(ean.BarCode()).Modules.size(), 95u);
  ean.SetTypBarCode(bcCode128);
  ean.SetBarCode("1234");
  EXPECT_EQ(ean.EncodeBarCode(ean.BarCode()).Modules.size(), 57u);
  ean.SetAutoCheckDigit(false);
  EXPECT_EQ(ean.EncodeBarCode(ean.BarCode()).Modules.size(), 46u);
  TModuleString invalid = ean.EncodeBarCode("Grüß");
  EXPECT_TRUE(invalid.Modules.empty());
  EXPECT_EQ(ean.LastPaintError(), erCharOutOfSet);
}

TEST_F(EanTest, ResizeEventsAndAutoSize) {
  int resizes = 0;
  ean.OnResize = [&](TControl&) { ++resizes; };
  ean.SetBounds(10, 10, 300, 100);
  EXPECT_EQ(resizes, 1);
  ean.SetAutoSize(false);
  ean.SetAutoSize(true);
  EXPECT_EQ(ean.Width(), 300);  // already wider than any PDF417 row of the value
  EXPECT_GE(ean.Width(), ean.PDF417MinWidth());
  ean.SetBounds(0, 0, 10, 100);
  ean.SetTypBarCode(bcPDF417);  // widens a narrow control to one PDF417 row
  EXPECT_GE(ean.Width(), std::max(10, ean.PDF417MinWidth()));
}

}  // namespace
}  // namespace quorvel
