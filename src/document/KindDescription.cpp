#include "document/KindDescription.h"

#include <QFileInfo>
#include <array>
#include <stdexcept>

#include "barcode/BarCodeInfo.h"
#include "barcode/Ean.h"
#include "document/LabelObject.h"
#include "platform/ImageControl.h"
#include "platform/QtText.h"
#include "qrcode/Barcode2D_QRCode.h"

namespace quorvel {
namespace {

using O = TLabelObject;

// A field held in a member of the object.
template <typename T>
TFieldDescription Member(const char* name, TFieldType type, T O::*member, unsigned use,
                         TPicker picker = TPicker::None) {
  return {name, type, use, [member](const O& o) { return TFieldValue(o.*member); },
          [member](O& o, const TFieldValue& v) { o.*member = std::get<T>(v); }, picker};
}

TFieldDescription Measure(const char* name, int O::*member, unsigned use) {
  return Member(name, TFieldType::ftMeasure, member, use);
}
TFieldDescription Number(const char* name, int O::*member, unsigned use) {
  return Member(name, TFieldType::ftInt, member, use);
}
TFieldDescription Colour(const char* name, TColor O::*member, unsigned use) {
  return Member(name, TFieldType::ftColour, member, use, TPicker::Colour);
}
TFieldDescription Flag(const char* name, bool O::*member, unsigned use) {
  return Member(name, TFieldType::ftBool, member, use, TPicker::YesNo);
}
TFieldDescription Words(const char* name, std::string O::*member, unsigned use, TPicker picker = TPicker::None) {
  return Member(name, TFieldType::ftText, member, use, picker);
}

// A field held by the object's barcode component.
template <typename T>
TFieldDescription BarcodeField(const char* name, TFieldType type, unsigned use, TPicker picker, T (*get)(const TEan&),
                               void (*set)(TEan&, const T&)) {
  return {name, type, use, [get](const O& o) { return TFieldValue(get(o.Barcode())); },
          [set](O& o, const TFieldValue& v) { set(o.Barcode(), std::get<T>(v)); }, picker};
}

// The grid's "Strichstärke" of a line: the pen and the line's thickness.
TFieldDescription LinePen(int O::*thickness) {
  return {"Strichstärke", TFieldType::ftInt, fuRow, [](const O& o) { return TFieldValue(o.PenWidth); },
          [thickness](O& o, const TFieldValue& v) { o.PenWidth = o.*thickness = std::get<int>(v); }};
}

const TFieldDescription kLeft = Measure("Links", &O::Left, kStored | fuRow);
const TFieldDescription kTop = Measure("Oben", &O::Top, kStored | fuRow);
// Kinds fed by a series show their variable as the grid's last row; the file holds it in every line's third field.
const TFieldDescription kVariable = Number("Variable", &O::Variable, fuRow);

// The fields of boxes and lines; the grid shows what the kind's shape has.
std::vector<TFieldDescription> ShapeFields(TObjectKind kind) {
  bool box = kind == TObjectKind::okBox;
  bool hline = kind == TObjectKind::okHLine;
  auto row = [](bool shown) { return kStored | fuCopied | (shown ? unsigned(fuRow) : 0u); };
  std::vector<TFieldDescription> fields = {
      kLeft,
      kTop,
      Measure("Breite", &O::Width, row(box || hline)),
      Measure("Höhe", &O::Height, row(box || !hline)),
      Number("Strichstärke", &O::PenWidth, row(box)),
  };
  if (!box) fields.push_back(LinePen(hline ? &O::Height : &O::Width));
  fields.push_back(Colour(box ? "Rahmenfarbe" : "Strichfarbe", &O::PenColor, row(true)));
  // Lines carry a fill colour through the file without showing it.
  fields.push_back(Colour("Füllfarbe", &O::BrushColor, row(box)));
  return fields;
}

// Face, size, style and colour of texts and vertical texts, as the grid shows them.
std::vector<TFieldDescription> FontFields(unsigned copied) {
  return {Words("Schriftart", &O::FontName, kStored | fuRow | copied, TPicker::Font),
          Measure("Schriftgröße", &O::FontSize, kStored | fuRow),
          Flag("Fett", &O::Bold, kStored | fuRow | copied),
          Flag("Kursiv", &O::Italic, kStored | fuRow | copied),
          Flag("Unterstrichen", &O::Underline, kStored | fuRow | copied),
          Colour("Schriftfarbe", &O::FontColor, kStored | fuRow | copied)};
}

std::vector<TFieldDescription> Joined(std::initializer_list<std::vector<TFieldDescription>> parts) {
  std::vector<TFieldDescription> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::string SymbologyName(const TEan& barcode) { return GetBarCodeInfo(barcode.TypBarCode()).DesignerName; }

// A name of none of the fourteen leaves the symbology; a new one replaces the value by its example.
void SetSymbology(TEan& barcode, const std::string& name) {
  if (auto type = BarCodeByDesignerName(name); type && *type != barcode.TypBarCode()) barcode.SetTypBarCode(*type);
}

std::vector<TFieldDescription> BarcodeFields() {
  const unsigned shown = kStored | fuRow | fuCopied;
  return {
      kLeft,
      kTop,
      Measure("Breite", &O::Width, shown),
      Measure("Höhe", &O::Height, shown),
      BarcodeField<std::string>(
          "Text", TFieldType::ftText, shown, TPicker::None, [](const TEan& b) { return b.BarCode(); },
          [](TEan& b, const std::string& v) { b.SetBarCode(v); }),
      BarcodeField<std::string>("Barcodetyp", TFieldType::ftText, shown | fuLeading, TPicker::Symbology, SymbologyName,
                                SetSymbology),
      BarcodeField<bool>(
          "Pruefziffer", TFieldType::ftBool, shown, TPicker::YesNo, [](const TEan& b) { return b.AutoCheckDigit(); },
          [](TEan& b, const bool& v) { b.SetAutoCheckDigit(v); }),
      BarcodeField<bool>(
          "Text unter Barcode", TFieldType::ftBool, shown, TPicker::YesNo,
          [](const TEan& b) { return b.ShowLabels(); }, [](TEan& b, const bool& v) { b.SetShowLabels(v); }),
      BarcodeField<bool>(
          "Hochkant", TFieldType::ftBool, shown, TPicker::YesNo, [](const TEan& b) { return b.Angle() == 90; },
          [](TEan& b, const bool& v) { b.SetAngle(v ? 90 : 0); }),
      kVariable,
  };
}

std::vector<TFieldDescription> VerticalTextFields() {
  TFieldDescription angle = Number("Winkel", &O::Angle, kStored | fuRow);
  angle.AppliedAfter = "Text";
  return Joined({
      {kLeft, kTop,
       // The size follows from font and text: written for other programs, never read.
       Measure("Breite", &O::Width, fuWritten), Measure("Höhe", &O::Height, fuWritten),
       Words("Text", &O::Text, kStored | fuRow)},
      FontFields(0),
      // Vertical texts have no background of their own: the row stays empty.
      {{"Hintergrundfarbe", TFieldType::ftText, fuRow, [](const O&) { return TFieldValue(std::string()); }, nullptr},
       angle, kVariable},
  });
}

// ---------------------------------------------------------------- series values

// Texts and vertical texts take the value; the design surface keeps a
// vertical text's turned picture, the print uses the text.
void SeriesText(O& o, const std::string& value) { o.Text = value; }

void SeriesTextShown(O& o, double zoom) { o.UpdateElement(zoom); }

void SeriesBarcode(O& o, const std::string& value) { o.Barcode().SetBarCode(value); }

// A value naming no file clears the picture.
void SeriesPicture(O& o, const std::string& value) {
  if (!QFileInfo(ToQPath(value)).isFile()) return o.Image().SetPicture(TPicture());
  // The same unchanged file keeps its picture: the page then embeds it once.
  if (o.Image().Picture().IsLoadedFrom(value)) return;
  TPicture picture;
  picture.LoadFromFile(value);
  o.Image().SetPicture(std::move(picture));
}

// The symbol takes the value; the stored text stays what the label holds.
void SeriesQrCode(O& o, const std::string& value) { o.QrEncoder().SetBarcode(value); }

void SeriesQrCodeShown(O& o, double) { o.DrawQrText(o.QrEncoder().Barcode()); }

std::array<TKindDescription, kObjectKindCount> MakeDescriptions() {
  const unsigned shown = kStored | fuRow;
  using K = TObjectKind;
  return {{
      {.Kind = K::okBox,
       .Fields = ShapeFields(K::okBox),
       .Defaults = {10, 10, 100, 50},
       .Pasted = true,
       .PasteOffset = TPasteOffset{0, 10},
       .LoadedAtBack = true},
      {.Kind = K::okHLine,
       .Fields = ShapeFields(K::okHLine),
       .Defaults = {10, 10, 100, 1},
       .Pasted = true,
       .PasteOffset = TPasteOffset{0, 10}},
      {.Kind = K::okVLine,
       .Fields = ShapeFields(K::okVLine),
       .Defaults = {10, 10, 1, 100},
       .Pasted = true,
       .PasteOffset = TPasteOffset{10, 0}},
      // A pasted text stays where new texts go.
      {.Kind = K::okText,
       .Fields = Joined({{kLeft, kTop, Words("Text", &O::Text, shown | fuCopied)},
                         FontFields(fuCopied),
                         {Colour("Hintergrundfarbe", &O::BackColor, shown | fuCopied), kVariable}}),
       .Defaults = {0, 0, 0, 0},
       .Pasted = true,
       .QuickTextField = "Text",
       .SeriesValue = SeriesText,
       .SeriesShown = SeriesTextShown},
      {.Kind = K::okPicture,
       .Fields = {kLeft, kTop, Measure("Breite", &O::Width, shown | fuCopied),
                  Measure("Höhe", &O::Height, shown | fuCopied),
                  Words("Bilddatei", &O::PictureFile, shown | fuCopied, TPicker::PictureFile), kVariable},
       .Defaults = {0, 0, 70, 50},
       .Pasted = true,
       .PasteOffset = TPasteOffset{10, 10},
       .SeriesValue = SeriesPicture},
      {.Kind = K::okBarcode,
       .Fields = BarcodeFields(),
       .Defaults = {0, 0, 300, 100},
       .Pasted = true,
       .PasteOffset = TPasteOffset{10, 10},
       .QuickTextField = "Text",
       .SeriesValue = SeriesBarcode},
      {.Kind = K::okVerticalText,
       .Fields = VerticalTextFields(),
       .Defaults = {10, 10, 0, 0},
       .QuickTextPointsToGrid = true,
       .SeriesValue = SeriesText},
      {.Kind = K::okQrCode,
       .Fields = {kLeft, kTop, Measure("Breite", &O::Width, shown), Measure("Höhe", &O::Height, shown),
                  Words("QR-Code", &O::QrText, shown), kVariable},
       .Defaults = {0, 0, 100, 100},
       .QuickTextField = "QR-Code",
       .SeriesValue = SeriesQrCode,
       .SeriesShown = SeriesQrCodeShown},
  }};
}

}  // namespace

const TKindDescription& Describe(TObjectKind kind) {
  static const std::array<TKindDescription, kObjectKindCount> kDescriptions = MakeDescriptions();
  return kDescriptions[KindIndex(kind)];
}

const TFieldDescription& FieldNamed(const TKindDescription& kind, std::string_view name) {
  for (const TFieldDescription& field : kind.Fields)
    if (field.Name == name) return field;
  throw std::logic_error("the kind has no field " + std::string(name));
}

std::vector<const TFieldDescription*> FieldsWith(const TKindDescription& kind, unsigned use, bool leadingFirst) {
  std::vector<const TFieldDescription*> fields;
  auto take = [&](auto wanted) {
    for (const TFieldDescription& field : kind.Fields)
      if ((field.Use & use) == use && wanted(field)) fields.push_back(&field);
  };
  auto leading = [](const TFieldDescription& field) { return (field.Use & fuLeading) != 0; };
  if (leadingFirst) {
    take(leading);
    take([&](const TFieldDescription& field) { return !leading(field); });
  } else {
    take([](const TFieldDescription&) { return true; });
  }
  return fields;
}

void CopyFields(const TLabelObject& from, TLabelObject& to) {
  const TKindDescription& kind = Describe(from.Kind());
  for (const TFieldDescription* field : FieldsWith(kind, fuCopied, true)) field->Set(to, field->Get(from));
  if (kind.PasteOffset) {
    to.Left = from.Left + kind.PasteOffset->Left;
    to.Top = from.Top + kind.PasteOffset->Top;
  }
}

}  // namespace quorvel
