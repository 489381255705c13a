#include "designer/PropertyRows.h"

#include <functional>

#include "barcode/BarCodeInfo.h"
#include "barcode/Ean.h"
#include "document/ColorText.h"
#include "document/DisplayScale.h"
#include "document/LabelObject.h"
#include "platform/ImageControl.h"
#include "platform/NumberParsing.h"

namespace quorvel {
namespace {

using TRead = std::function<std::string(const TLabelObject&, double zoom)>;
using TWrite = std::function<void(TLabelObject&, const std::string&, double zoom)>;

struct TRowDef {
  const char* Caption;
  TRead Read;
  TWrite Write;  // empty: the row is not read back
  TPicker Picker = TPicker::None;
};

std::string YesNo(bool value) { return value ? "ja" : "nein"; }
bool IsYes(const std::string& text) { return text == "ja"; }

// A position, size or font size: shown at the zoom, stored at 100 %.
TRowDef Measure(const char* caption, int TLabelObject::*field) {
  return {caption, [field](const TLabelObject& o, double zoom) { return std::to_string(ShownValue(o.*field, zoom)); },
          [field](TLabelObject& o, const std::string& v, double zoom) {
            o.*field = StoredFromShown(StrToInt(v), o.*field, zoom);
          }};
}

TRowDef Number(const char* caption, int TLabelObject::*field) {
  return {caption, [field](const TLabelObject& o, double) { return std::to_string(o.*field); },
          [field](TLabelObject& o, const std::string& v, double) { o.*field = StrToInt(v); }};
}

TRowDef Colour(const char* caption, TColor TLabelObject::*field) {
  return {caption, [field](const TLabelObject& o, double) { return set_farbe(o.*field); },
          [field](TLabelObject& o, const std::string& v, double) { o.*field = back_farbe(v); }, TPicker::Colour};
}

TRowDef Flag(const char* caption, bool TLabelObject::*field) {
  return {caption, [field](const TLabelObject& o, double) { return YesNo(o.*field); },
          [field](TLabelObject& o, const std::string& v, double) { o.*field = IsYes(v); }, TPicker::YesNo};
}

TRowDef Words(const char* caption, std::string TLabelObject::*field, TPicker picker = TPicker::None) {
  return {caption, [field](const TLabelObject& o, double) { return o.*field; },
          [field](TLabelObject& o, const std::string& v, double) { o.*field = v; }, picker};
}

// "Strichstärke" of a line: the pen and the line's thickness.
TRowDef LinePen(int TLabelObject::*thickness) {
  return {"Strichstärke", [](const TLabelObject& o, double) { return std::to_string(o.PenWidth); },
          [thickness](TLabelObject& o, const std::string& v, double) {
            o.PenWidth = StrToInt(v);
            o.*thickness = o.PenWidth;
          }};
}

TRowDef BarcodeRow(const char* caption, std::function<std::string(const TEan&)> read,
                    std::function<void(TEan&, const std::string&)> write, TPicker picker) {
  return {caption, [read](const TLabelObject& o, double) { return read(o.Barcode()); },
          [write](TLabelObject& o, const std::string& v, double) { write(o.Barcode(), v); }, picker};
}

std::string SymbologyName(TTypBarCode type) {
  for (TTypBarCode offered : OfferedBarCodes())
    if (offered == type) return GetBarCodeInfo(type).DesignerName;
  return {};
}

const std::vector<TRowDef>& Rows(TObjectKind kind) {
  using O = TLabelObject;
  static const TRowDef kLeft = Measure("Links", &O::Left), kTop = Measure("Oben", &O::Top),
                        kWidth = Measure("Breite", &O::Width), kHeight = Measure("Höhe", &O::Height),
                        kVariable = Number("Variable", &O::Variable), kText = Words("Text", &O::Text),
                        kFace = Words("Schriftart", &O::FontName, TPicker::Font),
                        kSize = Measure("Schriftgröße", &O::FontSize), kBold = Flag("Fett", &O::Bold),
                        kItalic = Flag("Kursiv", &O::Italic), kUnderline = Flag("Unterstrichen", &O::Underline),
                        kFontColour = Colour("Schriftfarbe", &O::FontColor);
  static const std::vector<TRowDef> kBox = {kLeft, kTop, kWidth, kHeight, Number("Strichstärke", &O::PenWidth),
                                             Colour("Rahmenfarbe", &O::PenColor), Colour("Füllfarbe", &O::BrushColor)};
  static const std::vector<TRowDef> kHLine = {kLeft, kTop, kWidth, LinePen(&O::Height),
                                               Colour("Strichfarbe", &O::PenColor)};
  static const std::vector<TRowDef> kVLine = {kLeft, kTop, kHeight, LinePen(&O::Width),
                                               Colour("Strichfarbe", &O::PenColor)};
  static const std::vector<TRowDef> kTextRows = {kLeft,   kTop,       kText,       kFace,
                                                  kSize,   kBold,      kItalic,     kUnderline,
                                                  kFontColour, Colour("Hintergrundfarbe", &O::BackColor), kVariable};
  static const std::vector<TRowDef> kPicture = {kLeft, kTop, kWidth, kHeight,
                                                 Words("Bilddatei", &O::PictureFile, TPicker::PictureFile), kVariable};
  static const std::vector<TRowDef> kBarcode = {
      kLeft, kTop, kWidth, kHeight,
      BarcodeRow("Text", [](const TEan& b) { return b.BarCode(); },
                 [](TEan& b, const std::string& v) { b.SetBarCode(v); }, TPicker::None),
      BarcodeRow("Barcodetyp", [](const TEan& b) { return SymbologyName(b.TypBarCode()); },
                 [](TEan& b, const std::string& v) {
                   // A new symbology replaces the value by its example.
                   if (auto type = BarCodeByDesignerName(v); type && *type != b.TypBarCode()) b.SetTypBarCode(*type);
                 },
                 TPicker::Symbology),
      BarcodeRow("Pruefziffer", [](const TEan& b) { return YesNo(b.AutoCheckDigit()); },
                 [](TEan& b, const std::string& v) { b.SetAutoCheckDigit(IsYes(v)); }, TPicker::YesNo),
      BarcodeRow("Text unter Barcode", [](const TEan& b) { return YesNo(b.ShowLabels()); },
                 [](TEan& b, const std::string& v) { b.SetShowLabels(IsYes(v)); }, TPicker::YesNo),
      BarcodeRow("Hochkant", [](const TEan& b) { return YesNo(b.Angle() == 90); },
                 [](TEan& b, const std::string& v) { b.SetAngle(IsYes(v) ? 90 : 0); }, TPicker::YesNo),
      kVariable};
  // Vertical texts have no background of their own: the row stays empty and is not read.
  static const std::vector<TRowDef> kVerticalText = {
      kLeft, kTop, kText, kFace, kSize, kBold, kItalic, kUnderline, kFontColour,
      {"Hintergrundfarbe", [](const O&, double) { return std::string(); }, nullptr},
      Number("Winkel", &O::Angle), kVariable};
  static const std::vector<TRowDef> kQr = {kLeft, kTop, kWidth, kHeight, Words("QR-Code", &O::QrText), kVariable};
  static const std::vector<TRowDef>* const kByKind[] = {&kBox,     &kHLine,   &kVLine,        &kTextRows,
                                                         &kPicture, &kBarcode, &kVerticalText, &kQr};
  return *kByKind[KindIndex(kind)];
}

// The order the rows are written in, where it differs from the order shown.
std::vector<int> WriteOrder(TObjectKind kind) {
  std::vector<int> order(Rows(kind).size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  // A vertical text takes its angle right after its text.
  if (kind == TObjectKind::okVerticalText) order = {0, 1, 2, 10, 3, 4, 5, 6, 7, 8, 9, 11};
  return order;
}

void ApplyQrCode(TLabelObject& object, const std::vector<std::string>& values, double zoom) {
  const std::vector<TRowDef>& rows = Rows(TObjectKind::okQrCode);
  bool changed = values[4] != object.QrText;
  for (int row : {0, 1, 2, 3, 5}) rows[row].Write(object, values[row], zoom);
  if (changed) {
    object.QrText = values[4];
    object.UpdateElement(zoom);
    object.DrawQrSymbol();
  }
}

void ShowApplied(TLabelObject& object, double zoom) {
  object.UpdateElement(zoom);
  object.AdoptWidenedElement(zoom);
}

}  // namespace

std::vector<TPropertyRow> PropertyRows(const TLabelObject& object, double zoom) {
  std::vector<TPropertyRow> result;
  for (const TRowDef& row : Rows(object.Kind())) result.push_back({row.Caption, row.Read(object, zoom), row.Picker});
  return result;
}

std::vector<std::string> PropertyCaptions(TObjectKind kind) {
  std::vector<std::string> result;
  for (const TRowDef& row : Rows(kind)) result.push_back(row.Caption);
  return result;
}

void ApplyPropertyRows(TLabelObject& object, const std::vector<std::string>& values, double zoom, bool current) {
  const std::vector<TRowDef>& rows = Rows(object.Kind());
  if (values.size() < rows.size()) return;
  if (object.Kind() == TObjectKind::okQrCode && !current) return;
  // The element shows whatever was applied, also when a cell stops the apply.
  try {
    if (object.Kind() == TObjectKind::okQrCode) {
      ApplyQrCode(object, values, zoom);
    } else {
      for (int row : WriteOrder(object.Kind()))
        if (rows[row].Write) rows[row].Write(object, values[row], zoom);
    }
  } catch (...) {
    ShowApplied(object, zoom);
    throw;
  }
  ShowApplied(object, zoom);
}

const std::vector<std::string>& SymbologyNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (TTypBarCode type : OfferedBarCodes()) list.push_back(GetBarCodeInfo(type).DesignerName);
    return list;
  }();
  return names;
}

}  // namespace quorvel
