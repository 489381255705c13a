#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

#include "barcode/Ean.h"
#include "document/LabelDocument.h"
#include "platform/NumberParsing.h"
#include "platform/TextCodec.h"
#include "print/PrintCheck.h"

namespace quorvel {
namespace {

TScale Dpi(double dpi) { return {dpi / 25.4, dpi / 25.4}; }

// A symbol object of the given size in design units (0.1 mm).
TLabelObject& Symbol(TLabelDocument& document, TTypBarCode type, const std::string& value, int width, int height,
                     int angle = 0) {
  TLabelObject& o = document.Append(std::make_unique<TLabelObject>(TObjectKind::okBarcode));
  o.Width = width, o.Height = height;
  o.Barcode().SetTypBarCode(type);
  o.Barcode().SetBarCode(value);
  o.Barcode().SetAngle(angle);
  return o;
}

TLabelObject& Qr(TLabelDocument& document, const std::string& text, int size) {
  TLabelObject& o = document.Append(std::make_unique<TLabelObject>(TObjectKind::okQrCode));
  o.Width = o.Height = size;
  o.QrText = text;
  o.DrawQrSymbol();
  return o;
}

std::string Bytes(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += static_cast<char>('a' + i * 7 % 26);
  return text;
}

struct TCase {
  const char* Name;
  std::function<TLabelObject&(TLabelDocument&)> Make;
  double Dpi;
  std::optional<TFindingKind> Kind;  // none: prints as designed
};

TEST(PrintCheckTest, EachSymbolIsCheckedAtTheJobsResolution) {
  const TCase cases[] = {
      {"letters in an EAN", [](auto& d) -> auto& { return Symbol(d, TTypBarCode::bcEan13, "40063A133393", 400, 200); },
       600, TFindingKind::fkInvalidValue},
      {"EAN in 20 mm at 96 dpi", [](auto& d) -> auto& { return Symbol(d, TTypBarCode::bcEan13, "400638133393", 200, 200); },
       96, TFindingKind::fkBoxTooSmall},
      {"Code 128 in 30 mm at 203 dpi",
       [](auto& d) -> auto& { return Symbol(d, TTypBarCode::bcCode128, "SHIP-0012345678", 300, 100); }, 203,
       TFindingKind::fkThinModules},
      {"Code 39 in 30 mm at 203 dpi",
       [](auto& d) -> auto& { return Symbol(d, TTypBarCode::bcCode39Standard, "LOT-4711", 300, 100); }, 203,
       TFindingKind::fkThinModules},
      {"Code 128 in 45 mm at 300 dpi",
       [](auto& d) -> auto& { return Symbol(d, TTypBarCode::bcCode128, "SHIP-0012345678", 450, 100); }, 300,
       std::nullopt},
      {"turned Code 128 runs along the height",
       [](auto& d) -> auto& { return Symbol(d, TTypBarCode::bcCode128, "SHIP-0012345678", 100, 400, 90); }, 300,
       std::nullopt},
      {"unturned in the same box",
       [](auto& d) -> auto& { return Symbol(d, TTypBarCode::bcCode128, "SHIP-0012345678", 100, 400); }, 300,
       TFindingKind::fkBoxTooSmall},
      {"PDF417 in 20 mm at 203 dpi",
       [](auto& d) -> auto& { return Symbol(d, TTypBarCode::bcPDF417, "Lieferung 4711 / Palette 3", 200, 150); }, 203,
       TFindingKind::fkThinModules},
      {"empty value prints nothing by design",
       [](auto& d) -> auto& { return Symbol(d, TTypBarCode::bcCode128, "", 100, 100); }, 300, std::nullopt},
      {"QR of 3000 bytes", [](auto& d) -> auto& { return Qr(d, Bytes(3000), 400); }, 600,
       TFindingKind::fkTextTooLong},
      {"QR of 500 bytes in 14 mm at 300 dpi", [](auto& d) -> auto& { return Qr(d, Bytes(500), 140); }, 300,
       std::nullopt},
      {"QR of 500 bytes in 14 mm at 203 dpi", [](auto& d) -> auto& { return Qr(d, Bytes(500), 140); }, 203,
       TFindingKind::fkThinModules},
      {"QR of 500 bytes in 8 mm at 203 dpi", [](auto& d) -> auto& { return Qr(d, Bytes(500), 80); }, 203,
       TFindingKind::fkBoxTooSmall},
  };
  for (const TCase& c : cases) {
    TLabelDocument document;
    TLabelObject& object = c.Make(document);
    object.Name = "code01";
    std::optional<TPrintFinding> finding = CheckSymbol(object, Dpi(c.Dpi));
    ASSERT_EQ(finding.has_value(), c.Kind.has_value()) << c.Name << ": " << (finding ? finding->Reason : "");
    if (!finding) continue;
    EXPECT_EQ(finding->Kind, *c.Kind) << c.Name;
    EXPECT_EQ(finding->ObjectName, "code01");
    EXPECT_FALSE(finding->Reason.empty());
    bool sized = finding->Kind == TFindingKind::fkBoxTooSmall || finding->Kind == TFindingKind::fkThinModules;
    ASSERT_EQ(finding->SmallestBox.has_value(), sized) << c.Name;
    if (!sized) continue;
    // The box named is the smallest that works: it passes, and a tenth of
    // a millimetre less along the symbol does not.
    auto checkSized = [&](double widthMm, double heightMm) {
      object.Width = static_cast<int>(std::lround(widthMm * 10));
      object.Height = static_cast<int>(std::lround(heightMm * 10));
      return CheckSymbol(object, Dpi(c.Dpi));
    };
    TSizeMm box = *finding->SmallestBox;
    EXPECT_FALSE(checkSized(box.Width, box.Height).has_value()) << c.Name;
    bool tall = object.Kind() == TObjectKind::okBarcode && object.Barcode().Angle() % 180 != 0;
    EXPECT_TRUE(tall ? checkSized(box.Width, box.Height - 0.1) : checkSized(box.Width - 0.1, box.Height)) << c.Name;
  }
}

TEST(PrintCheckTest, ASeriesIsCheckedLineByLineWhereEachValuePrints) {
  TLabelDocument document;
  TLabelObject& ean = Symbol(document, TTypBarCode::bcEan13, "", 400, 200);
  ean.Name = "ean01", ean.Variable = 1;
  TLabelObject& qr = Qr(document, "own text", 200);
  qr.Name = "qr01", qr.Variable = 3;
  const std::vector<std::string> lines = {
      "400638133393;1",             // 1
      "4006A8133393;1",             // 2: letter in the EAN
      "4006A8133393;0;" + Bytes(3000),  // 3: prints nothing, its QR text stays for line 4
      "400638133393;2",             // 4: the QR text of line 3 prints here
      "400638133393;1;short",       // 5
      "12;1",                       // 6: outside the range
  };
  std::size_t next = 0;
  TLineSource source = [&](std::string& line) {
    if (next == lines.size()) return false;
    line = lines[next++];
    return true;
  };
  TPrintCheck check = CheckSeries(document, Dpi(300), {1, 5, 1, 2}, source);
  EXPECT_EQ(check.Labels, 5);
  ASSERT_EQ(check.Findings.size(), 2u);
  EXPECT_EQ(check.Findings[0].ObjectName, "ean01");
  EXPECT_EQ(check.Findings[0].SeriesLine, 2);
  EXPECT_EQ(check.Findings[1].ObjectName, "qr01");
  EXPECT_EQ(check.Findings[1].SeriesLine, 3);
  EXPECT_EQ(check.Findings[1].Kind, TFindingKind::fkTextTooLong);
  EXPECT_TRUE(check.Blocking());
}

// A character beyond a symbology's set is named as typed, at the place a
// reader counts; a QR Code takes any character.
TEST(PrintCheckTest, ACharacterOutOfSetIsNamedAtItsCharacterPosition) {
  TLabelDocument document;
  std::optional<TPrintFinding> code128 = CheckSymbol(Symbol(document, TTypBarCode::bcCode128, "Dvořák", 600, 200), Dpi(600));
  ASSERT_TRUE(code128.has_value());
  EXPECT_EQ(code128->Reason, "Das Zeichen 'ř' an Stelle 4 ist in Code 128 nicht erlaubt");
  EXPECT_FALSE(CheckSymbol(Qr(document, "Łódź İstanbul Ελλάδα Dvořák 你好", 300), Dpi(600)).has_value());
}

TEST(PrintCheckTest, FindingsReadAsLinesOfAMessage) {
  TPrintCheck check;
  for (int line = 1; line <= 12; ++line)
    check.Add({"ean01", line, TFindingKind::fkThinModules, "Modul zu schmal", TSizeMm{30.2, 10}});
  EXPECT_FALSE(check.Blocking());
  std::string text = FindingsText(check, 10);
  EXPECT_EQ(text.substr(0, text.find('\n')), std::string("ean01, Zeile 1: Modul zu schmal (kleinstes Feld: ") +
                                                 FormatFixed(30.2, 1) + " × " + FormatFixed(10, 1) +
                                                 " mm)");
  EXPECT_NE(text.find("... und 2 weitere"), std::string::npos);
}

}  // namespace
}  // namespace quorvel
