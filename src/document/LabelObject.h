#pragma once

#include <memory>
#include <optional>
#include <string>

#include "document/ObjectKind.h"
#include "platform/Color.h"
#include "platform/Font.h"

namespace quorvel {

class TBarcode2D_QRCode;
class TControl;
struct TQrSymbol;
class TEan;
class TImageControl;
class TShapeControl;
class TStaticTextControl;

// One slot of the label's object table. The fields hold the values at
// 100 %: geometry in design units (0.1 mm from the label's top-left corner),
// font sizes in points. The slot owns its display element, a control that
// shows the object on the design surface (or nowhere, without a designer):
//   box, lines      TShapeControl
//   text            TStaticTextControl (254 pixels per inch, sized by its text)
//   picture         TImageControl, picture stretched, placeholder until a file is read
//   barcode         the TEan itself, which holds value, symbology and options
//   vertical text   TImageControl holding the rotated text, not stretched
//   QR Code         TImageControl, picture stretched, drawn by the object's
//                   own TBarcode2D_QRCode
// Fields a kind does not use are ignored for it.
class TLabelObject {
 public:
  // The element is built with the kind's defaults (its description's).
  explicit TLabelObject(TObjectKind kind);
  ~TLabelObject();
  TLabelObject(const TLabelObject&) = delete;
  TLabelObject& operator=(const TLabelObject&) = delete;

  TObjectKind Kind() const { return kind_; }

  std::string Name;   // keyword and counter: box01, text12
  int Number = 0;     // the counter at creation; kept as the file says on load
  int Variable = 0;   // series column that feeds the object, 0 = none
  bool Deleted = false;

  int Left = 0;
  int Top = 0;
  int Width = 0;   // texts and vertical texts: derived from the text (UpdateElement)
  int Height = 0;

  int PenWidth = 1;  // boxes and lines
  TColor PenColor = clBlack;
  TColor BrushColor = clWhite;

  std::string Text;  // texts and vertical texts
  std::string FontName = "Arial";
  int FontSize = 8;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  TColor FontColor = clBlack;
  TColor BackColor = clWhite;  // texts only
  int Angle = 0;               // vertical texts: 90 runs bottom to top

  std::string PictureFile;  // pictures: the path as entered or loaded
  std::string QrText;       // QR Codes: the content encoded

  // The font of a text or vertical text at 100 %.
  TFont Font() const;

  TControl& Element() { return *element_; }
  const TControl& Element() const { return *element_; }
  // The element as the kind's control; std::logic_error for another kind.
  TShapeControl& Shape();
  TStaticTextControl& StaticText();
  TImageControl& Image();
  TEan& Barcode();
  const TEan& Barcode() const;
  // The encoder of a QR Code object; std::logic_error for another kind.
  TBarcode2D_QRCode& QrEncoder();
  const TBarcode2D_QRCode& QrEncoder() const;

  // Shows the fields in the element at the zoom factor: bounds, pen, brush,
  // font, text and tooltip. Texts and vertical texts first derive Width and
  // Height from their text; a vertical text renders its bitmap again; a QR
  // Code draws its symbol when QrText is not what it drew last.
  void UpdateElement(double zoom);
  // A barcode whose element widened to fit its modules takes that width;
  // any other object keeps its fields.
  void AdoptWidenedElement(double zoom);

  // A picture object reads its picture from PictureFile when a file exists
  // there (JPEG or BMP by extension); otherwise the element keeps what it
  // shows. Throws EPictureError when the file cannot be decoded.
  void LoadPictureFile();
  // A picture object takes the path and shows its picture, the placeholder
  // for an empty path. A file that is missing or cannot be read throws
  // EPictureError and leaves the path and the picture as they were.
  void ChangePictureFile(const std::string& path);

  // A QR Code object has its encoder draw QrText into the element's picture:
  // a bitmap of Width x Height that the element shows stretched. Text that
  // cannot be encoded is shown red cross-hatched. A symbol that only changed
  // its size is not drawn again: it shows stretched.
  void DrawQrSymbol();
  // The same for another text, such as a series value; QrText stays.
  void DrawQrText(std::string text);

  // Whether a text fits this QR Code object and in which version, as the
  // object encodes it (characters beyond ISO-8859-1 as UTF-8 after ECI 26);
  // nothing is built or drawn.
  TQrSymbol QrFitOf(const std::string& text) const;

 private:
  void UpdateVerticalText(double zoom);

  TObjectKind kind_;
  std::unique_ptr<TControl> element_;
  std::optional<std::string> drawnQrText_;  // what DrawQrSymbol drew last
  // Declared after the element: the encoder lets go of it when destroyed.
  std::unique_ptr<TBarcode2D_QRCode> qrEncoder_;
};


}  // namespace quorvel
