#include "qrcode/Barcode2D.h"

#include <optional>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Clipboard.h"
#include "platform/ImageControl.h"
#include "platform/Printer.h"
#include "platform/Rounding.h"

namespace quorvel {
namespace {

bool IsEmpty(const TRect& r) { return r.Width() <= 0 || r.Height() <= 0; }

int MmToPixels(int resolution, double mm) { return RoundHalfEven(resolution * mm / 25.4); }

// The image control's picture as a bitmap to draw on; a picture that holds
// nothing becomes a bitmap of the control's size. Commit puts the drawing
// back into the picture.
class TImageSurface {
 public:
  explicit TImageSurface(TImageControl& image) : image_(image) {
    const TPicture& picture = image.Picture();
    if (picture.Empty()) {
      bitmap_.SetSize(image.Width(), image.Height());
      return;
    }
    bitmap_.SetSize(picture.Width(), picture.Height());
    bitmap_.Canvas().CopyStretched({0, 0, picture.Width(), picture.Height()}, picture.Image());
  }

  bool Usable() const { return !bitmap_.Empty(); }
  TBitmap& Bitmap() { return bitmap_; }
  TCanvas& Canvas() { return bitmap_.Canvas(); }

  void Commit() {
    TPicture picture;
    picture.Assign(bitmap_);
    image_.SetPicture(std::move(picture));
  }

 private:
  TImageControl& image_;
  TBitmap bitmap_;
};

// Where module (column, row) of a columns x rows symbol lands when the
// symbol is turned counter-clockwise by a quarter-turn angle.
QPoint TurnedModule(int column, int row, int columns, int rows, int angle) {
  switch (angle) {
    case 90: return {row, columns - 1 - column};
    case 180: return {columns - 1 - column, rows - 1 - row};
    case 270: return {rows - 1 - row, column};
    default: return {column, row};
  }
}

// One pixel per module. Colour index 0 is the dark colour: with black and
// white that is the colour table page engines write as a 1-bit image.
QImage ModulePixels(const TMapMatrix& matrix, int columns, int rows, bool mirrored, int angle, TColor dark,
                    TColor light) {
  bool turned = angle == 90 || angle == 270;
  QImage image(turned ? rows : columns, turned ? columns : rows, QImage::Format_Mono);
  image.setColorTable({ToQColor(dark).rgb(), ToQColor(light).rgb()});
  image.fill(1);
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column) {
      if (!matrix.Dark(row, mirrored ? columns - 1 - column : column)) continue;
      QPoint p = TurnedModule(column, row, columns, rows, angle);
      image.scanLine(p.y())[p.x() >> 3] &= static_cast<uchar>(~(0x80 >> (p.x() & 7)));
    }
  return image;
}

}  // namespace

TBarcode2D::~TBarcode2D() {
  if (!image_) return;
  try {
    EraseLast();
  } catch (...) {
    // A destructor must not throw; the image then keeps the last drawing.
  }
}

void TBarcode2D::InitQuietZones() { quietZones_ = GetMinQuietZones(); }

// ---- properties ----

void TBarcode2D::SetBarcode(const std::string& barcode) {
  if (barcode == barcode_) return;
  BeginChange();
  barcode_ = barcode;
  EndChange(true);
}

void TBarcode2D::SetImage(TControl* control) {
  TImageControl* image = nullptr;
  if (control) {
    image = dynamic_cast<TImageControl*>(control);
    if (!image) throw EBarcode2DError(kInvalidPropertyValue);
  }
  if (image == image_) return;
  if (image_) BeginChange();
  image_ = image;
  EndChange(false);
}

void TBarcode2D::ImageDestroyed(const TControl& image) {
  if (&image != image_) return;
  image_ = nullptr;
  lastRect_ = {};
}

void TBarcode2D::SetModule(int module) {
  if (module <= 0) throw EBarcode2DError(kInvalidPropertyValue);
  ChangeProperty(module_, module);
}

// Colours and inversion keep the area: they draw again without erasing.
void TBarcode2D::SetBarColor(TColor color) {
  if (color == barColor_) return;
  barColor_ = color;
  EndChange(false);
}

void TBarcode2D::SetSpaceColor(TColor color) {
  if (color == spaceColor_) return;
  spaceColor_ = color;
  EndChange(false);
}

void TBarcode2D::SetInversed(bool inversed) {
  if (inversed == inversed_) return;
  inversed_ = inversed;
  EndChange(false);
}

void TBarcode2D::SetOrientation(TBarcodeOrientation orientation) { ChangeProperty(orientation_, orientation); }
void TBarcode2D::SetStretch(bool stretch) { ChangeProperty(stretch_, stretch); }
void TBarcode2D::SetLeftMargin(int margin) { ChangeProperty(leftMargin_, margin); }
void TBarcode2D::SetTopMargin(int margin) { ChangeProperty(topMargin_, margin); }
void TBarcode2D::SetShowQuietZone(bool show) { ChangeProperty(showQuietZone_, show); }
void TBarcode2D::SetMirrored(bool mirrored) { ChangeProperty(mirrored_, mirrored); }

// The stretched size matters only while stretching.
void TBarcode2D::SetBarcodeWidth(int width) {
  if (stretch_)
    ChangeProperty(barcodeWidth_, width);
  else
    barcodeWidth_ = width;
}

void TBarcode2D::SetBarcodeHeight(int height) {
  if (stretch_)
    ChangeProperty(barcodeHeight_, height);
  else
    barcodeHeight_ = height;
}

void TBarcode2D::SetQuietZone(int& field, int minimum, int modules) {
  if (modules < minimum) throw EBarcode2DError(kInvalidPropertyValue);
  ChangeProperty(field, modules);
}

void TBarcode2D::SetLeadingQuietZone(int modules) {
  SetQuietZone(quietZones_.Leading, GetMinQuietZones().Leading, modules);
}
void TBarcode2D::SetTopQuietZone(int modules) { SetQuietZone(quietZones_.Top, GetMinQuietZones().Top, modules); }
void TBarcode2D::SetTrailingQuietZone(int modules) {
  SetQuietZone(quietZones_.Trailing, GetMinQuietZones().Trailing, modules);
}
void TBarcode2D::SetBottomQuietZone(int modules) {
  SetQuietZone(quietZones_.Bottom, GetMinQuietZones().Bottom, modules);
}

void TBarcode2D::SetLocked(bool locked) {
  if (locked == locked_) return;
  locked_ = locked;
  if (locked_) return;
  EraseLast();
  Draw();
}

// ---- change cycle ----

void TBarcode2D::BeginChange() {
  if (!locked_) EraseLast();
}

void TBarcode2D::EraseLast() {
  if (image_ && !IsEmpty(lastRect_)) {
    TImageSurface surface(*image_);
    if (surface.Usable()) {
      surface.Canvas().FillRect(lastRect_);
      surface.Commit();
    }
  }
  lastRect_ = {};
}

void TBarcode2D::EndChange(bool notify) {
  if (!locked_) Draw();
  if (notify && OnChange) OnChange(*this);
}

void TBarcode2D::Assign(const TBarcodeCore2D* source) {
  const auto* other = dynamic_cast<const TBarcode2D*>(source);
  if (!other || !AcceptsAssign(*other)) AssignError(source);
  if (other == this) return;
  BeginChange();
  AssignProperties(*other);
  EndChange(true);
}

void TBarcode2D::AssignError(const TBarcodeCore2D* source) {
  std::string from = source ? source->ClassName() : "nil";
  throw EBarcode2DError(from + " kann nicht zu  " + ClassName() + " zugewiesen werden");
}

void TBarcode2D::AssignProperties(const TBarcode2D& source) {
  barcode_ = source.barcode_;
  module_ = source.module_;
  barColor_ = source.barColor_;
  spaceColor_ = source.spaceColor_;
  inversed_ = source.inversed_;
  mirrored_ = source.mirrored_;
  orientation_ = source.orientation_;
  leftMargin_ = source.leftMargin_;
  topMargin_ = source.topMargin_;
  barcodeWidth_ = source.barcodeWidth_;
  barcodeHeight_ = source.barcodeHeight_;
  stretch_ = source.stretch_;
  showQuietZone_ = source.showQuietZone_;
  quietZones_ = source.quietZones_;
  OnChange = source.OnChange;
  OnInvalidChar = source.OnInvalidChar;
  OnInvalidLength = source.OnInvalidLength;
  OnDrawBarcode = source.OnDrawBarcode;
  OnEncode = source.OnEncode;
  ParseBarcodeIndex = source.ParseBarcodeIndex;
}

// ---- results and events ----

void TBarcode2D::ReportResult(int code, const std::string& barcode) {
  constexpr int kLinear = 65536;
  if (code == 0) return;
  if (code == -1 || code == -1 - kLinear) {
    DoInvalidLength(barcode, code != -1);
    return;
  }
  bool linear = code > kLinear || code == -2 - kLinear;
  int index = code == -2 - kLinear ? -2 : code > kLinear ? code - kLinear : code;
  DoInvalidChar(barcode, index, linear);
}

void TBarcode2D::DoInvalidLength(const std::string& barcode, bool linearFlag) {
  if (OnInvalidLength) OnInvalidLength(*this, barcode, linearFlag);
}

void TBarcode2D::DoInvalidChar(const std::string& barcode, int index, bool linearFlag) {
  char c = 0;
  if (index >= 1 && index <= static_cast<int>(barcode.size()))
    c = barcode[index - 1];
  else if (index != -2)
    index = -3;
  if (OnInvalidChar) OnInvalidChar(*this, index, c, linearFlag);
}

// ---- pipeline hooks ----

TQuietZones TBarcode2D::GetQuietZones(const TCoreWorkArea& workArea) {
  return workArea.Args.QuietZone ? quietZones_ : TQuietZones{};
}

void TBarcode2D::PaintSymbol(TCoreWorkArea& wa) {
  TBarcodeCore2D::PaintSymbol(wa);
  if (!OnDrawBarcode) return;
  TUserWorkArea user{wa.Args.Canvas, wa.Barcode, wa.Args.DarkColor, wa.Args.LightColor, wa.Module,
                     wa.Args.Left, wa.Args.Top, wa.Args.Angle, wa.Args.QuietZone, wa.Args.Mirrored,
                     wa.Data, static_cast<int>(wa.Data.size()), wa.QuietZones, wa.Columns, wa.Rows,
                     wa.Width, wa.Height, wa.LeadingPixels, wa.TopPixels, wa.Radians, wa.Origin,
                     wa.ResolutionRatio};
  OnDrawBarcode(*this, *wa.Args.Canvas, &user);
}

int TBarcode2D::EncodeOnly() {
  return Render(LongLivedWorkArea(), barcode_,
                Arguments(nullptr, OwnSource(), leftMargin_, topMargin_, module_, -1, 0, 0), false);
}

const QImage* TBarcode2D::ModuleImage() {
  TCoreWorkArea& wa = LongLivedWorkArea();
  if (Render(wa, barcode_, Arguments(nullptr, OwnSource(), 0, 0, 1, -1, 0, 0), false) != 0) return nullptr;
  BuildMatrixOnce(wa);
  TModuleImageSource source{wa.MatrixBuilds, DarkColor(OwnSource()), LightColor(OwnSource()), mirrored_,
                            orientation_};
  if (moduleImage_.isNull() || !(source == moduleImageSource_)) {
    moduleImage_ = ModulePixels(wa.Matrix, wa.Columns, wa.Rows, mirrored_, OrientationAngle(orientation_),
                                source.Dark, source.Light);
    moduleImageSource_ = source;
  }
  return &moduleImage_;
}

// ---- the image target ----

void TBarcode2D::StretchedSize(int imageWidth, int imageHeight, int& width, int& height) const {
  bool vertical = IsVertical(orientation_);
  int alongWidth = vertical ? imageHeight - topMargin_ : imageWidth - leftMargin_;
  int alongHeight = vertical ? imageWidth - leftMargin_ : imageHeight - topMargin_;
  width = barcodeWidth_ > 0 ? barcodeWidth_ : alongWidth + barcodeWidth_;
  height = barcodeHeight_ > 0 ? barcodeHeight_ : alongHeight + barcodeHeight_;
}

int TBarcode2D::EncodeForImage(TBitmap& target, TRect& area) {
  TCoreWorkArea& wa = LongLivedWorkArea();
  int left = stretch_ ? 0 : leftMargin_;
  int top = stretch_ ? 0 : topMargin_;
  int code = Render(wa, barcode_, Arguments(&target.Canvas(), OwnSource(), left, top, module_, -1, 0, 0), false);
  if (code != 0) return code;
  int width = wa.Width, height = wa.Height;
  if (stretch_) StretchedSize(target.Width(), target.Height(), width, height);
  bool vertical = IsVertical(orientation_);
  area = {leftMargin_, topMargin_, leftMargin_ + (vertical ? height : width), topMargin_ + (vertical ? width : height)};
  return 0;
}

bool TBarcode2D::Draw() {
  std::optional<TImageSurface> surface;
  if (image_) surface.emplace(*image_);
  if (!surface || !surface->Usable()) {
    EncodeOnly();
    return false;
  }
  TRect area;
  if (EncodeForImage(surface->Bitmap(), area) != 0 || IsEmpty(area)) return false;
  TCoreWorkArea& wa = LongLivedWorkArea();
  if (!stretch_) {
    PaintSymbol(wa);
  } else {
    bool vertical = IsVertical(orientation_);
    TBitmap symbol(vertical ? wa.Height : wa.Width, vertical ? wa.Width : wa.Height);
    if (inversed_) {
      symbol.Canvas().Brush.Color = barColor_;
      symbol.Canvas().FillRect({0, 0, symbol.Width(), symbol.Height()});
    }
    wa.Args.Canvas = &symbol.Canvas();
    PaintSymbol(wa);
    wa.Args.Canvas = &surface->Canvas();
    surface->Canvas().FillRect(area);
    surface->Canvas().CopyStretched(area, symbol.Image());
  }
  lastRect_ = area;
  surface->Commit();
  return true;
}

void TBarcode2D::Redraw(bool force) {
  if (locked_) EraseLast();
  if (force) LongLivedWorkArea().ForceEncode = true;
  Draw();
}

void TBarcode2D::ClearArea(bool useSymbolColor) {
  if (!image_) return;
  TImageSurface surface(*image_);
  TRect area;
  if (!surface.Usable() || EncodeForImage(surface.Bitmap(), area) != 0) return;
  TCanvas& canvas = surface.Canvas();
  TBrush brush = canvas.Brush;
  if (useSymbolColor) canvas.Brush = {LightColor(OwnSource()), TBrushStyle::bsSolid};
  canvas.FillRect(area);
  canvas.Brush = brush;
  surface.Commit();
}

int TBarcode2D::GetBarcodeSize(int& width, int& height, int& stretchedWidth, int& stretchedHeight) {
  std::optional<TImageSurface> surface;
  if (image_) surface.emplace(*image_);
  bool usable = surface && surface->Usable();
  TCoreWorkArea& wa = LongLivedWorkArea();
  TDrawArguments arguments =
      Arguments(usable ? &surface->Canvas() : nullptr, OwnSource(), leftMargin_, topMargin_, module_, -1, 0, 0);
  if (int code = Render(wa, barcode_, arguments, false); code != 0) return code;
  bool vertical = IsVertical(orientation_);
  width = vertical ? wa.Height : wa.Width;
  height = vertical ? wa.Width : wa.Height;
  int alongWidth = 0, alongHeight = 0;
  StretchedSize(usable ? surface->Bitmap().Width() : 0, usable ? surface->Bitmap().Height() : 0, alongWidth,
                alongHeight);
  stretchedWidth = vertical ? alongHeight : alongWidth;
  stretchedHeight = vertical ? alongWidth : alongHeight;
  return 0;
}

// ---- output operations ----

TDrawArguments TBarcode2D::Arguments(TCanvas* canvas, const TSymbolSource& source, int left, int top, int module,
                                     int angle, int resolutionX, int resolutionY) const {
  TDrawArguments arguments;
  arguments.Canvas = canvas;
  arguments.DarkColor = DarkColor(source);
  arguments.LightColor = LightColor(source);
  arguments.Module = module == 0 ? module_ : module;
  arguments.Left = left;
  arguments.Top = top;
  arguments.Angle = angle == -1 ? OrientationAngle(orientation_) : angle;
  arguments.QuietZone = showQuietZone_;
  arguments.Mirrored = mirrored_;
  arguments.ResolutionX = resolutionX;
  arguments.ResolutionY = resolutionY;
  return arguments;
}

TDrawArguments TBarcode2D::PrintArguments(IPrinter& printer, TCanvas* canvas, const TSymbolSource& source,
                                          const TPrintArguments& print) const {
  int resolution = printer.PixelsPerInch();
  TDrawArguments arguments =
      Arguments(canvas, source, MmToPixels(resolution, print.LeftMm), MmToPixels(resolution, print.TopMm),
                std::max(1, MmToPixels(resolution, print.ModuleMm)), print.Angle, resolution, resolution);
  if (print.WidthMm > 0) {
    arguments.SizeMode = TSizeMode::smWidthMm;
    arguments.SizeMm = print.WidthMm;
  } else if (print.HeightMm > 0) {
    arguments.SizeMode = TSizeMode::smHeightMm;
    arguments.SizeMm = print.HeightMm;
  }
  return arguments;
}

int TBarcode2D::DrawToArea(TCoreWorkArea& wa, TCanvas& canvas, const TSymbolSource& source, int left, int top,
                           int module, int angle, int resolutionX, int resolutionY) {
  return Render(wa, source.Text, Arguments(&canvas, source, left, top, module, angle, resolutionX, resolutionY), true);
}

int TBarcode2D::DrawSizeOn(TCoreWorkArea& wa, TCanvas& canvas, const std::string& text, int module, int angle,
                           int resolutionX, int resolutionY, int& width, int& height) {
  TSymbolSource source{text, barColor_, spaceColor_};
  TDrawArguments arguments = Arguments(&canvas, source, 0, 0, module, angle, resolutionX, resolutionY);
  if (int code = Render(wa, text, arguments, false); code != 0) return code;
  TRect bounds = SymbolBounds(wa);
  width = bounds.Width();
  height = bounds.Height();
  return 0;
}

int TBarcode2D::CopyAreaToClipboard(TCoreWorkArea& wa, IClipboard& clipboard, const TSymbolSource& source, int module,
                                    int angle) {
  TBitmap bitmap;
  int width = 0, height = 0;
  if (int code = DrawSizeOn(wa, bitmap.Canvas(), source.Text, module, angle, 0, 0, width, height); code != 0)
    return code;
  bitmap.SetSize(width, height);
  if (int code = DrawToArea(wa, bitmap.Canvas(), source, 0, 0, module, angle, 0, 0); code != 0) return code;
  clipboard.SetBitmap(bitmap);
  return 0;
}

int TBarcode2D::PrintArea(TCoreWorkArea& wa, IPrinter& printer, const TSymbolSource& source,
                          const TPrintArguments& print) {
  TCanvas& canvas = printer.Canvas();
  return Render(wa, source.Text, PrintArguments(printer, &canvas, source, print), true);
}

int TBarcode2D::PrintSizeOn(TCoreWorkArea& wa, IPrinter& printer, const std::string& text,
                            const TPrintArguments& print, double& widthMm, double& heightMm) {
  TSymbolSource source{text, barColor_, spaceColor_};
  if (int code = Render(wa, text, PrintArguments(printer, nullptr, source, print), false); code != 0) return code;
  TRect bounds = SymbolBounds(wa);
  widthMm = bounds.Width() * 25.4 / wa.ResolutionX;
  heightMm = bounds.Height() * 25.4 / wa.ResolutionY;
  return 0;
}

int TBarcode2D::DrawTo(TCanvas& canvas, int left, int top, int module, int angle, int resolutionX, int resolutionY) {
  return DrawToArea(LongLivedWorkArea(), canvas, OwnSource(), left, top, module, angle, resolutionX, resolutionY);
}

int TBarcode2D::GetDrawSize(TCanvas& canvas, int module, int angle, int resolutionX, int resolutionY, int& width,
                            int& height) {
  return DrawSizeOn(LongLivedWorkArea(), canvas, barcode_, module, angle, resolutionX, resolutionY, width, height);
}

int TBarcode2D::CopyToClipboard(IClipboard& clipboard, int module, int angle) {
  return CopyAreaToClipboard(LongLivedWorkArea(), clipboard, OwnSource(), module, angle);
}

int TBarcode2D::Print(IPrinter& printer, double leftMm, double topMm, double moduleMm, double widthMm,
                      double heightMm, int angle) {
  return PrintArea(LongLivedWorkArea(), printer, OwnSource(), {leftMm, topMm, moduleMm, widthMm, heightMm, angle});
}

int TBarcode2D::GetPrintSize(IPrinter& printer, double moduleMm, double widthMm, double heightMm, int angle,
                             double& widthOutMm, double& heightOutMm) {
  return PrintSizeOn(LongLivedWorkArea(), printer, barcode_, {0, 0, moduleMm, widthMm, heightMm, angle}, widthOutMm,
                     heightOutMm);
}

int TBarcode2D::CopyTextToClipboard(IClipboard& clipboard, const std::string& text, TColor barColor,
                                    TColor spaceColor, int module, int angle) {
  return CopyAreaToClipboard(*CreateWorkArea(), clipboard, {text, barColor, spaceColor}, module, angle);
}

int TBarcode2D::DrawTextTo(TCanvas& canvas, const std::string& text, TColor barColor, TColor spaceColor, int left,
                           int top, int module, int angle, int resolutionX, int resolutionY) {
  return DrawToArea(*CreateWorkArea(), canvas, {text, barColor, spaceColor}, left, top, module, angle, resolutionX,
                    resolutionY);
}

int TBarcode2D::GetTextDrawSize(TCanvas& canvas, const std::string& text, int module, int angle, int resolutionX,
                                int resolutionY, int& width, int& height) {
  return DrawSizeOn(*CreateWorkArea(), canvas, text, module, angle, resolutionX, resolutionY, width, height);
}

int TBarcode2D::PrintText(IPrinter& printer, const std::string& text, TColor barColor, TColor spaceColor,
                          double leftMm, double topMm, double moduleMm, double widthMm, double heightMm, int angle) {
  return PrintArea(*CreateWorkArea(), printer, {text, barColor, spaceColor},
                   {leftMm, topMm, moduleMm, widthMm, heightMm, angle});
}

int TBarcode2D::GetTextPrintSize(IPrinter& printer, const std::string& text, double moduleMm, double widthMm,
                                 double heightMm, int angle, double& widthOutMm, double& heightOutMm) {
  return PrintSizeOn(*CreateWorkArea(), printer, text, {0, 0, moduleMm, widthMm, heightMm, angle}, widthOutMm,
                     heightOutMm);
}

}  // namespace quorvel
