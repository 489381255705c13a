#pragma once

#include <QImage>
#include <string>

#include "qrcode/BarcodeCore2D.h"

namespace quorvel {

// The message of EBarcode2DError for an invalid property value (Windows-1252).
inline constexpr char kInvalidPropertyValue[] = "Ungültiger Wert der Eigenschaft";

class IClipboard;
class IPrinter;
class TBitmap;
class TControl;
class TImageControl;
class TBarcode2D;

using TBarcode2DNotifyEvent = std::function<void(TBarcode2D& sender)>;
using TOnInvalidLength = std::function<void(TBarcode2D& sender, const std::string& barcode, bool linearFlag)>;
using TOnInvalidChar = std::function<void(TBarcode2D& sender, int index, char barcodeChar, bool linearFlag)>;
using TOnDrawBarcode = std::function<void(TBarcode2D& sender, TCanvas& canvas, PUserWorkArea workArea)>;

// A 2D barcode with its published properties, the image target it draws
// into, the change-and-redraw cycle and the output operations. Every setter
// compares first: an unchanged value does nothing.
class TBarcode2D : public TBarcodeCore2D {
 public:
  ~TBarcode2D() override;

  const std::string& Barcode() const { return barcode_; }
  void SetBarcode(const std::string& barcode);
  // The image control whose picture receives the symbol, or none.
  TImageControl* Image() const { return image_; }
  // Accepts none or an image control; anything else raises EBarcode2DError.
  void SetImage(TControl* image);
  // Forgets the image control when it is the one assigned: call it before
  // the control goes away while it is still assigned.
  void ImageDestroyed(const TControl& image);

  int Module() const { return module_; }
  void SetModule(int module);
  TColor BarColor() const { return barColor_; }
  void SetBarColor(TColor color);
  TColor SpaceColor() const { return spaceColor_; }
  void SetSpaceColor(TColor color);
  TBarcodeOrientation Orientation() const { return orientation_; }
  void SetOrientation(TBarcodeOrientation orientation);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int margin);
  int TopMargin() const { return topMargin_; }
  void SetTopMargin(int margin);
  int BarcodeWidth() const { return barcodeWidth_; }
  void SetBarcodeWidth(int width);
  int BarcodeHeight() const { return barcodeHeight_; }
  void SetBarcodeHeight(int height);
  bool ShowQuietZone() const { return showQuietZone_; }
  void SetShowQuietZone(bool show);
  int LeadingQuietZone() const { return quietZones_.Leading; }
  void SetLeadingQuietZone(int modules);
  int TopQuietZone() const { return quietZones_.Top; }
  void SetTopQuietZone(int modules);
  int TrailingQuietZone() const { return quietZones_.Trailing; }
  void SetTrailingQuietZone(int modules);
  int BottomQuietZone() const { return quietZones_.Bottom; }
  void SetBottomQuietZone(int modules);
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);
  bool Inversed() const { return inversed_; }
  void SetInversed(bool inversed);
  bool Mirrored() const { return mirrored_; }
  void SetMirrored(bool mirrored);

  // The rectangle of the image that the last drawing covered.
  TRect LastRect() const { return lastRect_; }

  // The symbol as an image of one pixel per module, without quiet zones,
  // in the orientation, mirroring and colours of the component: what a page
  // or bitmap of any resolution draws, each module scaled to whole pixels.
  // Black on white is a 1-bit image, which pages keep lossless. Encoded on
  // the long-lived work area whatever the image target or Locked, so an
  // unchanged symbol gives the same image again; null when the text cannot
  // be encoded (reported through the events).
  const QImage* ModuleImage();

  TBarcode2DNotifyEvent OnChange;
  TOnInvalidChar OnInvalidChar;
  TOnInvalidLength OnInvalidLength;
  TOnDrawBarcode OnDrawBarcode;

  // Copies the properties and event handlers (not Image, not Locked) from a
  // component of the same class; any other source raises EBarcode2DError.
  void Assign(const TBarcodeCore2D* source);

  // Draws into the image target; True when the symbol was drawn.
  bool Draw();
  void Redraw(bool force);
  void ClearArea(bool useSymbolColor);

  // The output operations return the pipeline's result code, 0 on success,
  // and report failures through the events. module 0 means Module, angle -1
  // the Orientation's angle, a resolution of 0 the canvas's.
  int GetBarcodeSize(int& width, int& height, int& stretchedWidth, int& stretchedHeight);
  int DrawTo(TCanvas& canvas, int left, int top, int module = 0, int angle = -1, int resolutionX = 0,
             int resolutionY = 0);
  int GetDrawSize(TCanvas& canvas, int module, int angle, int resolutionX, int resolutionY, int& width, int& height);
  int CopyToClipboard(IClipboard& clipboard, int module = 0, int angle = -1);
  // Millimetres on the printer's open page. A positive width wins over a
  // positive height; with neither the module size counts.
  int Print(IPrinter& printer, double leftMm, double topMm, double moduleMm, double widthMm = 0, double heightMm = 0,
            int angle = -1);
  int GetPrintSize(IPrinter& printer, double moduleMm, double widthMm, double heightMm, int angle, double& widthOutMm,
                   double& heightOutMm);

  // The same for an explicit text and colours, on a temporary work area.
  int CopyTextToClipboard(IClipboard& clipboard, const std::string& text, TColor barColor, TColor spaceColor,
                          int module = 0, int angle = -1);
  int DrawTextTo(TCanvas& canvas, const std::string& text, TColor barColor, TColor spaceColor, int left, int top,
                 int module = 0, int angle = -1, int resolutionX = 0, int resolutionY = 0);
  int GetTextDrawSize(TCanvas& canvas, const std::string& text, int module, int angle, int resolutionX,
                      int resolutionY, int& width, int& height);
  int PrintText(IPrinter& printer, const std::string& text, TColor barColor, TColor spaceColor, double leftMm,
                double topMm, double moduleMm, double widthMm = 0, double heightMm = 0, int angle = -1);
  int GetTextPrintSize(IPrinter& printer, const std::string& text, double moduleMm, double widthMm, double heightMm,
                       int angle, double& widthOutMm, double& heightOutMm);

 protected:
  TBarcode2D() = default;
  // Sets the quiet zones to the class minimum; the concrete class's
  // constructor calls it.
  void InitQuietZones();

  [[noreturn]] virtual void AssignError(const TBarcodeCore2D* source);
  virtual bool AcceptsAssign(const TBarcode2D& source) const = 0;
  virtual void AssignProperties(const TBarcode2D& source);
  virtual TQuietZones GetMinQuietZones() const = 0;
  // Runs the pipeline without painting, so that errors are still reported.
  virtual int EncodeOnly();
  virtual void DoInvalidLength(const std::string& barcode, bool linearFlag);
  virtual void DoInvalidChar(const std::string& barcode, int index, bool linearFlag);
  virtual void BeginChange();
  virtual void EraseLast();
  virtual void EndChange(bool notify);

  TQuietZones GetQuietZones(const TCoreWorkArea& workArea) override;
  void PaintSymbol(TCoreWorkArea& workArea) override;
  void ReportResult(int code, const std::string& barcode) override;

  // Stores a changed property value inside BeginChange and EndChange and
  // clears the given stage flags; an unchanged value does nothing.
  template <class T>
  void ChangeProperty(T& field, const T& value, unsigned stagesCleared = 0) {
    if (field == value) return;
    BeginChange();
    field = value;
    ClearStages(stagesCleared);
    EndChange(false);
  }

 private:
  struct TSymbolSource {
    const std::string& Text;
    TColor BarColor;
    TColor SpaceColor;
  };
  struct TPrintArguments {
    double LeftMm = 0, TopMm = 0, ModuleMm = 0, WidthMm = 0, HeightMm = 0;
    int Angle = -1;
  };

  TDrawArguments Arguments(TCanvas* canvas, const TSymbolSource& source, int left, int top, int module, int angle,
                           int resolutionX, int resolutionY) const;
  TDrawArguments PrintArguments(IPrinter& printer, TCanvas* canvas, const TSymbolSource& source,
                                const TPrintArguments& print) const;
  int DrawToArea(TCoreWorkArea& workArea, TCanvas& canvas, const TSymbolSource& source, int left, int top, int module,
                 int angle, int resolutionX, int resolutionY);
  int DrawSizeOn(TCoreWorkArea& workArea, TCanvas& canvas, const std::string& text, int module, int angle,
                 int resolutionX, int resolutionY, int& width, int& height);
  int CopyAreaToClipboard(TCoreWorkArea& workArea, IClipboard& clipboard, const TSymbolSource& source, int module,
                          int angle);
  int PrintArea(TCoreWorkArea& workArea, IPrinter& printer, const TSymbolSource& source, const TPrintArguments& print);
  int PrintSizeOn(TCoreWorkArea& workArea, IPrinter& printer, const std::string& text, const TPrintArguments& print,
                  double& widthMm, double& heightMm);

  TSymbolSource OwnSource() const { return {barcode_, barColor_, spaceColor_}; }
  TColor DarkColor(const TSymbolSource& source) const { return inversed_ ? source.SpaceColor : source.BarColor; }
  TColor LightColor(const TSymbolSource& source) const { return inversed_ ? source.BarColor : source.SpaceColor; }
  // The symbol's size along its own axes when stretched into an image of
  // that size.
  void StretchedSize(int imageWidth, int imageHeight, int& width, int& height) const;
  // Encodes for the image target and gives the rectangle Draw would cover.
  int EncodeForImage(TBitmap& target, TRect& area);
  void SetQuietZone(int& field, int minimum, int modules);

  std::string barcode_;
  TImageControl* image_ = nullptr;
  int module_ = 1;
  TColor barColor_ = clBlack;
  TColor spaceColor_ = clWhite;
  TBarcodeOrientation orientation_ = TBarcodeOrientation::boLeftRight;
  bool stretch_ = false;
  int leftMargin_ = 0;
  int topMargin_ = 0;
  int barcodeWidth_ = 0;
  int barcodeHeight_ = 0;
  bool showQuietZone_ = false;
  TQuietZones quietZones_;
  bool locked_ = false;
  bool inversed_ = false;
  bool mirrored_ = false;
  TRect lastRect_;
  // ModuleImage and what it was made from.
  struct TModuleImageSource {
    unsigned MatrixBuilds = 0;
    TColor Dark = clBlack;
    TColor Light = clWhite;
    bool Mirrored = false;
    TBarcodeOrientation Orientation = TBarcodeOrientation::boLeftRight;
    bool operator==(const TModuleImageSource&) const = default;
  };
  QImage moduleImage_;
  TModuleImageSource moduleImageSource_;
};

}  // namespace quorvel
