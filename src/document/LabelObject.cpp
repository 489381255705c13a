#include "document/LabelObject.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

#include "barcode/Ean.h"
#include "document/DesignFont.h"
#include "document/DisplayScale.h"
#include "document/KindDescription.h"
#include "document/Placeholders.h"
#include "document/ShapeControl.h"
#include "document/StaticTextControl.h"
#include "platform/Bitmap.h"
#include "platform/ImageControl.h"
#include "platform/Rounding.h"
#include "platform/QtText.h"
#include "platform/TextRotOut.h"
#include "qrcode/Barcode2D_QRCode.h"
#include "qrcode/QrTextData.h"

namespace quorvel {
namespace {

// The rotated-text bitmap is never larger than this; what lies beyond is not shown.
constexpr int kMaxVerticalTextBitmap = 2000;
// A QR symbol is drawn into a bitmap of at most this size (40 cm at 100 %),
// so that a hostile size cannot ask for gigabytes.
constexpr int kMaxQrBitmap = 4000;

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

bool IsShape(TObjectKind kind) {
  return kind == TObjectKind::okBox || kind == TObjectKind::okHLine || kind == TObjectKind::okVLine;
}

bool IsImage(TObjectKind kind) {
  return kind == TObjectKind::okPicture || kind == TObjectKind::okVerticalText || kind == TObjectKind::okQrCode;
}

// The designer's barcodes: the component's own set-up dialog never opens,
// and PDF417 symbols get 7 rows of 2 columns.
std::unique_ptr<TEan> MakeBarcode() {
  auto barcode = std::make_unique<TEan>();
  barcode->SetDisableEditor(true);
  barcode->PDF417().SetRows(7);
  barcode->PDF417().SetCols(2);
  return barcode;
}

std::unique_ptr<TControl> MakeElement(TObjectKind kind) {
  if (IsShape(kind)) return std::make_unique<TShapeControl>();
  if (kind == TObjectKind::okText) return std::make_unique<TStaticTextControl>();
  if (kind == TObjectKind::okBarcode) return MakeBarcode();
  auto image = std::make_unique<TImageControl>();
  image->SetStretch(kind != TObjectKind::okVerticalText);
  if (kind == TObjectKind::okPicture) image->SetPicture(PicturePlaceholder());
  return image;
}

const char* const kDefaultQrText = "https://www.quorvel.example/";

// The object's text goes into the symbol as readers expect it: ISO-8859-1
// bytes, or UTF-8 after ECI 26 for characters beyond.
std::unique_ptr<TBarcode2D_QRCode> MakeQrEncoder() {
  auto encoder = std::make_unique<TBarcode2D_QRCode>();
  encoder->SetAllowEscape(true);
  encoder->OnEncode = [](TBarcodeCore2D&, std::string& data, const std::string& text) { data = QrDataForText(text); };
  return encoder;
}

[[noreturn]] void ThrowWrongKind(const char* element) {
  throw std::logic_error(std::string("the object's element is no ") + element);
}

}  // namespace

TLabelObject::TLabelObject(TObjectKind kind) : kind_(kind), element_(MakeElement(kind)) {
  if (kind == TObjectKind::okQrCode) {
    qrEncoder_ = MakeQrEncoder();
    QrText = kDefaultQrText;
  }
  const TKindDefaults& defaults = Describe(kind).Defaults;
  Left = defaults.Left;
  Top = defaults.Top;
  Width = defaults.Width;
  Height = defaults.Height;
  if (kind == TObjectKind::okText) Text = "Text";
  if (kind == TObjectKind::okVerticalText) {
    Text = "senkrechter Text";
    Angle = 90;
  }
}

TLabelObject::~TLabelObject() {
  if (qrEncoder_) qrEncoder_->ImageDestroyed(*element_);
}

TFont TLabelObject::Font() const {
  TFont font;
  font.Name = FontName;
  font.Size = FontSize;
  font.Style = TFontStyles()
                   .With(TFontStyle::fsBold, Bold)
                   .With(TFontStyle::fsItalic, Italic)
                   .With(TFontStyle::fsUnderline, Underline);
  font.Color = FontColor;
  return font;
}

TShapeControl& TLabelObject::Shape() {
  if (!IsShape(kind_)) ThrowWrongKind("shape");
  return static_cast<TShapeControl&>(*element_);
}

TStaticTextControl& TLabelObject::StaticText() {
  if (kind_ != TObjectKind::okText) ThrowWrongKind("static text");
  return static_cast<TStaticTextControl&>(*element_);
}

TImageControl& TLabelObject::Image() {
  if (!IsImage(kind_)) ThrowWrongKind("image");
  return static_cast<TImageControl&>(*element_);
}

TEan& TLabelObject::Barcode() {
  return const_cast<TEan&>(static_cast<const TLabelObject&>(*this).Barcode());
}

const TEan& TLabelObject::Barcode() const {
  if (kind_ != TObjectKind::okBarcode) ThrowWrongKind("barcode");
  return static_cast<const TEan&>(*element_);
}

TBarcode2D_QRCode& TLabelObject::QrEncoder() {
  return const_cast<TBarcode2D_QRCode&>(static_cast<const TLabelObject&>(*this).QrEncoder());
}

const TBarcode2D_QRCode& TLabelObject::QrEncoder() const {
  if (!qrEncoder_) ThrowWrongKind("QR Code");
  return *qrEncoder_;
}

void TLabelObject::UpdateElement(double zoom) {
  element_->Hint = kind_ == TObjectKind::okVerticalText ? Text : Name;
  switch (kind_) {
    case TObjectKind::okBox:
    case TObjectKind::okHLine:
    case TObjectKind::okVLine: {
      Shape().SetPen(PenWidth, PenColor);
      Shape().SetBrushColor(BrushColor);
      element_->SetBounds(ShownValue(Left, zoom), ShownValue(Top, zoom), ShownValue(Width, WidthZoom(kind_, zoom)),
                          ShownValue(Height, HeightZoom(kind_, zoom)));
      break;
    }
    case TObjectKind::okText: {
      TTextExtent extent = MeasureDesignText(Font(), Text);
      Width = extent.Width;
      Height = extent.Height;
      TFont shown = Font();
      shown.Size = ShownValue(FontSize, zoom);
      StaticText().SetCaption(Text);
      StaticText().SetFont(shown);
      StaticText().SetColor(BackColor);
      element_->SetBounds(ShownValue(Left, zoom), ShownValue(Top, zoom), element_->Width(), element_->Height());
      break;
    }
    case TObjectKind::okVerticalText:
      UpdateVerticalText(zoom);
      break;
    case TObjectKind::okQrCode:
      if (drawnQrText_ != QrText) DrawQrSymbol();
      [[fallthrough]];
    default:
      element_->SetBounds(ShownValue(Left, zoom), ShownValue(Top, zoom), ShownValue(Width, zoom),
                          ShownValue(Height, zoom));
      break;
  }
}

void TLabelObject::AdoptWidenedElement(double zoom) {
  if (kind_ == TObjectKind::okBarcode && element_->Width() > ShownValue(Width, zoom))
    Width = StoredFromShown(element_->Width(), Width, zoom);
}

// The width is four times the font size, the height 1.2 text widths; the
// text is drawn turned by Angle from the bottom-left corner, with a
// character height of four pixels per point.
void TLabelObject::UpdateVerticalText(double zoom) {
  Width = ClampToInt(std::int64_t{FontSize} * 4);
  Height = RoundHalfEven(MeasureDesignText(Font(), Text).Width * 1.2);

  TFont shownFont = Font();
  shownFont.Size = ShownValue(FontSize, zoom);
  int shownWidth = ShownValue(shownFont.Size, 4.0);
  int shownHeight = ShownValue(MeasureDesignText(shownFont, Text).Width, 1.2);
  TBitmap bitmap(std::clamp(shownWidth, 1, kMaxVerticalTextBitmap), std::clamp(shownHeight, 1, kMaxVerticalTextBitmap));
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font.Color = FontColor;
  TextRotOut(canvas, 0, shownHeight, Angle, FontName, shownWidth, shownFont.Style, Text);
  TPicture picture;
  picture.Assign(bitmap);
  Image().SetPicture(std::move(picture));
  element_->SetBounds(ShownValue(Left, zoom), ShownValue(Top, zoom), shownWidth, shownHeight);
}

// By value: the text may be the encoder's own, which changes on the way.
void TLabelObject::DrawQrText(std::string text) {
  TBarcode2D_QRCode& encoder = QrEncoder();
  // The encoder draws into the picture it finds there.
  TBitmap blank;
  if (Width > 0 && Height > 0) blank.SetSize(std::min(Width, kMaxQrBitmap), std::min(Height, kMaxQrBitmap));
  TPicture picture;
  picture.Assign(blank);
  Image().SetPicture(std::move(picture));
  encoder.SetBarcodeHeight(Height);
  encoder.SetBarcodeWidth(Width);
  encoder.SetStretch(true);
  encoder.SetBarColor(clBlack);
  encoder.SetSpaceColor(clWhite);
  encoder.SetBarcode({});
  encoder.SetBarcode(text);
  encoder.SetImage(element_.get());
  if (encoder.LastRect().Width() <= 0 && !blank.Empty()) {
    // A text the symbol cannot hold is marked as an invalid barcode is.
    blank.Canvas().Brush = kInvalidSymbolHatch;
    blank.Canvas().FillRect({0, 0, blank.Width(), blank.Height()});
    TPicture hatched;
    hatched.Assign(blank);
    Image().SetPicture(std::move(hatched));
  }
  element_->Invalidate();
}

void TLabelObject::DrawQrSymbol() {
  DrawQrText(QrText);
  drawnQrText_ = QrText;
}

TQrSymbol TLabelObject::QrFitOf(const std::string& text) const {
  return FitQrSymbol(QrDataForText(text), QrEncoder().Options());
}

void TLabelObject::LoadPictureFile() {
  if (kind_ != TObjectKind::okPicture || !QFileInfo(ToQPath(PictureFile)).isFile()) return;
  TPicture picture;
  picture.LoadFromFile(PictureFile);
  Image().SetPicture(std::move(picture));
}

void TLabelObject::ChangePictureFile(const std::string& path) {
  TPicture picture = PicturePlaceholder();
  if (!path.empty()) picture.LoadFromFile(path);
  PictureFile = path;
  Image().SetPicture(std::move(picture));
}

}  // namespace quorvel
