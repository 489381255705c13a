#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Color.h"
#include "platform/Errors.h"
#include "platform/Geometry.h"
#include "qrcode/MapMatrix.h"

namespace quorvel {

class TCanvas;

// Raised for invalid property values and for an Assign from another class.
class EBarcode2DError : public EUserError {
 public:
  using EUserError::EUserError;
};

// Counter-clockwise as seen on the target: 0, 180, 270 and 90 degrees.
enum class TBarcodeOrientation { boLeftRight, boRightLeft, boTopBottom, boBottomTop };

int OrientationAngle(TBarcodeOrientation orientation);
bool IsVertical(TBarcodeOrientation orientation);

struct TQuietZones {
  int Leading = 0;
  int Top = 0;
  int Trailing = 0;
  int Bottom = 0;
  bool operator==(const TQuietZones&) const = default;
};

// How the module size is given: in pixels, or by the symbol's width or
// height in millimetres.
enum class TSizeMode { smModule, smWidthMm, smHeightMm };

// The drawing arguments of one encode-and-paint run.
struct TDrawArguments {
  TCanvas* Canvas = nullptr;
  TColor DarkColor = clBlack;
  TColor LightColor = clWhite;
  int Module = 1;  // pixels, for smModule
  int Left = 0;    // origin in target pixels
  int Top = 0;
  int Angle = 0;   // degrees counter-clockwise
  bool QuietZone = false;
  bool Mirrored = false;
  TSizeMode SizeMode = TSizeMode::smModule;
  double SizeMm = 0;   // for smWidthMm and smHeightMm
  int ResolutionX = 0;  // pixels per inch; 0: the canvas's
  int ResolutionY = 0;
};

// Stage flags of the pipeline.
enum TStageFlag : unsigned {
  sfLengthChecked = 1u << 0,
  sfCharsChecked = 1u << 1,
  sfSegmentsValid = 1u << 2,
  sfVersionChosen = 1u << 3,
  sfCodewordsBuilt = 1u << 4,
  sfMatrixBuilt = 1u << 5,
  sfAllStages = (1u << 6) - 1
};

// Room for the fields a concrete symbology adds to the work area.
struct TWorkAreaExtension {
  virtual ~TWorkAreaExtension() = default;
};

// The state of encode-and-paint runs. The component keeps one for its whole
// life, so that every stage's result survives between draws.
struct TCoreWorkArea {
  // Drawing arguments, the resolutions resolved.
  TDrawArguments Args;
  int ResolutionX = 1;
  int ResolutionY = 1;
  double ResolutionRatio = 1;  // horizontal / vertical
  double Radians = 0;
  double Sin = 0;  // of the angle, kept for the many module transforms
  double Cos = 1;

  // Data.
  std::string Barcode;  // the text last seen
  std::string Data;     // after OnEncode

  // Pipeline.
  unsigned Stages = 0;
  bool TooLong = false;
  bool ForceEncode = false;
  int InvalidPos = -1;

  // Results.
  TMapMatrix Matrix;
  unsigned MatrixBuilds = 0;  // counts every matrix built, so that what is made from one can tell it is stale
  int Columns = 0;
  int Rows = 0;
  TQuietZones QuietZones;
  int Module = 0;  // pixels
  int Width = 0;   // unrotated, quiet zones included
  int Height = 0;
  int LeadingPixels = 0;
  int TopPixels = 0;
  TPoint Origin;  // rotated origin

  std::unique_ptr<TWorkAreaExtension> Extension;

  bool Has(unsigned flags) const { return (Stages & flags) == flags; }
  void Set(unsigned flags) { Stages |= flags; }
  void Clear(unsigned flags) { Stages &= ~flags; }
};

// A read-only copy of the drawing parameters for OnDrawBarcode.
struct TUserWorkArea {
  TCanvas* Canvas = nullptr;
  std::string Barcode;
  TColor DarkColor = clBlack;
  TColor LightColor = clWhite;
  int Module = 0;
  int Left = 0;
  int Top = 0;
  int Angle = 0;
  bool QuietZone = false;
  bool Mirrored = false;
  std::string Data;
  int DataLength = 0;
  TQuietZones QuietZones;
  int Columns = 0;
  int Rows = 0;
  int Width = 0;
  int Height = 0;
  int LeadingPixels = 0;
  int TopPixels = 0;
  double Radians = 0;
  TPoint Origin;
  double ResolutionRatio = 1;
};
using PUserWorkArea = const TUserWorkArea*;

class TBarcodeCore2D;

using TOnEncode = std::function<void(TBarcodeCore2D& sender, std::string& data, const std::string& barcode)>;
using TParseBarcodeIndex = std::function<int(TBarcodeCore2D& sender, const std::string& barcode,
                                             const std::string& encodedData, int invalidEncodedDataIndex)>;

// The symbology-neutral core of a 2D barcode: the staged, cached pipeline
// from text to module matrix, the layout and the painting on a canvas.
class TBarcodeCore2D {
 public:
  virtual ~TBarcodeCore2D();
  TBarcodeCore2D(const TBarcodeCore2D&) = delete;
  TBarcodeCore2D& operator=(const TBarcodeCore2D&) = delete;

  virtual std::string ClassName() const = 0;

  // Turns Barcode into the data actually encoded; without it the data is
  // Barcode itself.
  TOnEncode OnEncode;
  // Maps a position in the encoded data back to a position in Barcode.
  TParseBarcodeIndex ParseBarcodeIndex;

  // The long-lived work area, for inspection.
  const TCoreWorkArea& WorkArea();

 protected:
  TBarcodeCore2D() = default;

  TCoreWorkArea& LongLivedWorkArea();
  // Clears stage flags of the long-lived work area.
  void ClearStages(unsigned flags);

  // The pipeline, in its virtual operations.
  virtual std::unique_ptr<TCoreWorkArea> CreateWorkArea();
  virtual void ExtendWorkArea(TCoreWorkArea& workArea);
  virtual void InitWorkArea(TCoreWorkArea& workArea, const std::string& barcode, const TDrawArguments& arguments);
  virtual int EncodeSymbol(TCoreWorkArea& workArea);
  virtual void LayoutSymbol(TCoreWorkArea& workArea);
  virtual int MapInvalidIndex(TCoreWorkArea& workArea, int position);
  virtual bool CheckLength(TCoreWorkArea& workArea);
  virtual int CheckCharacters(TCoreWorkArea& workArea);
  virtual bool IsValidChar(char c);
  virtual bool ResetSegmentation(TCoreWorkArea& workArea);
  virtual bool ChooseSymbol(TCoreWorkArea& workArea);
  virtual void BuildCodewords(TCoreWorkArea& workArea) = 0;
  void BuildMatrixOnce(TCoreWorkArea& workArea);
  virtual void BuildMatrix(TCoreWorkArea& workArea) = 0;
  virtual TQuietZones GetQuietZones(const TCoreWorkArea& workArea) = 0;
  virtual void GetSymbolSize(TCoreWorkArea& workArea, int& columns, int& rows) = 0;
  virtual void GetPixelSize(TCoreWorkArea& workArea);
  virtual void PaintSymbol(TCoreWorkArea& workArea);
  // Paints the rectangle from (x1, y1) to (x2, y2), both corners included,
  // of the unrotated symbol.
  virtual void PaintModule(TCoreWorkArea& workArea, int x1, int y1, int x2, int y2, TColor color);

  // Encodes `barcode` on the work area and, when `paint` is set, paints it.
  // Reports a failure through ReportResult and returns the result code.
  int Render(TCoreWorkArea& workArea, const std::string& barcode, const TDrawArguments& arguments, bool paint);
  virtual void ReportResult(int code, const std::string& barcode);

  // A point of the unrotated symbol in target pixels.
  static TPoint Transform(const TCoreWorkArea& workArea, int x, int y);
  // The rotated symbol's bounding box in target pixels.
  static TRect SymbolBounds(const TCoreWorkArea& workArea);

 private:
  std::unique_ptr<TCoreWorkArea> workArea_;
};

}  // namespace quorvel
