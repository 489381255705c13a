#include "print/PrintCheck.h"

#include <algorithm>

#include "barcode/BarCodeEncoder.h"
#include "barcode/BarCodeInfo.h"
#include "barcode/CheckDigits.h"
#include "barcode/Ean.h"
#include "barcode/Pdf417.h"
#include "document/LabelDocument.h"
#include "platform/NumberParsing.h"
#include "platform/Rounding.h"
#include "platform/TextCodec.h"
#include "qrcode/Barcode2D_QRCode.h"
#include "qrcode/QrTables.h"

namespace quorvel {
namespace {

// Below this many device pixels per module scanners start to misread.
constexpr int kMinModulePixels = 2;

// The object's extent in device pixels, as the renderer rounds it.
struct TPixelSize {
  int Width;
  int Height;
};

TPixelSize PixelSize(const TLabelObject& o, TScale scale) {
  return {RoundHalfEven(o.Width * scale.X / 10), RoundHalfEven(o.Height * scale.Y / 10)};
}

// The fewest design units whose pixels at the scale reach `pixels`.
int DesignUnitsFor(int pixels, double pixelsPerMm) {
  if (pixelsPerMm <= 0) return 0;
  int units = static_cast<int>(pixels * 10 / pixelsPerMm) + 1;
  while (units > 0 && RoundHalfEven((units - 1) * pixelsPerMm / 10) >= pixels) --units;
  return units;
}

double Millimetres(int designUnits) { return designUnits / 10.0; }

std::string InvalidValueReason(TTypBarCode type, const TValidation& validation) {
  const std::string& symbology = GetBarCodeInfo(type).Name;
  switch (validation.Error) {
    case TLastPaintError::erCharOutOfSet:
      return std::string("Das Zeichen '") + validation.ErrorChar + "' an Stelle " +
             std::to_string(validation.ErrorPosition) + " ist in " + symbology + " nicht erlaubt";
    case TLastPaintError::erCharMustBeSpace:
      return "An Stelle " + std::to_string(validation.ErrorPosition) + " muss ein Leerzeichen stehen";
    case TLastPaintError::erBarcodeLengthInvalid:
      return std::string("Die Länge des Werts passt nicht zu ") + symbology;
    case TLastPaintError::erFirstCharMustBeZero:
      return "Das erste Zeichen muss eine 0 sein";
    case TLastPaintError::erCountCharMustBeEven:
      return "Die Anzahl der Ziffern muss gerade sein";
    default:
      return std::string("Der Wert ist für ") + symbology + " ungültig";
  }
}

// A symbol of `modules` modules along an axis of `pixels` device pixels.
// Fills kind and reason when it does not fit or its modules are thin.
bool CheckModules(int modules, int pixels, TPrintFinding& finding) {
  if (modules > pixels) {
    finding.Kind = TFindingKind::fkBoxTooSmall;
    finding.Reason = std::string("Das Feld ist zu klein: ") + std::to_string(modules) + " Module auf " +
                     std::to_string(pixels) + " Druckpunkten";
    return false;
  }
  if (pixels / modules < kMinModulePixels) {
    finding.Kind = TFindingKind::fkThinModules;
    finding.Reason = std::string("Ein Modul ist nur 1 Druckpunkt breit, mindestens 2 sind nötig");
    return false;
  }
  return true;
}

// The module count across a linear or stacked symbol, or a finding when
// the value cannot be encoded.
std::optional<int> LinearModules(const TEan& barcode, const std::string& value, TPrintFinding& finding) {
  if (barcode.TypBarCode() == TTypBarCode::bcPDF417) {
    try {
      TPdf417Symbol symbol = EncodePdf417(value, barcode.PDF417().Options());
      if (symbol.RowModules.empty()) return std::nullopt;
      return static_cast<int>(symbol.RowModules.front().size());
    } catch (const EPdf417Error& error) {
      finding.Kind = TFindingKind::fkTextTooLong;
      finding.Reason = error.what();
      return std::nullopt;
    }
  }
  TEncodedBarCode encoded =
      EncodeBarCode(barcode.TypBarCode(), value, {barcode.ShowLabels(), barcode.AutoCheckDigit()});
  if (!encoded.Validation.Valid()) {
    finding.Kind = TFindingKind::fkInvalidValue;
    finding.Reason = InvalidValueReason(barcode.TypBarCode(), encoded.Validation);
    return std::nullopt;
  }
  return static_cast<int>(encoded.Symbol.Modules.size());
}

bool CheckBarcode(const TLabelObject& o, const std::string& value, TScale scale, TPrintFinding& finding) {
  const TEan& barcode = o.Barcode();
  std::string stored = CompleteCheckDigit(barcode.TypBarCode(), value);
  if (stored.empty()) return true;
  std::optional<int> modules = LinearModules(barcode, stored, finding);
  if (!modules) return finding.Reason.empty();
  TPixelSize size = PixelSize(o, scale);
  // Turned a quarter, the bars run along the object's height.
  bool turned = barcode.Angle() % 180 != 0;
  int across = turned ? size.Height : size.Width;
  if (CheckModules(*modules, across, finding)) return true;
  int units = DesignUnitsFor(kMinModulePixels * *modules, turned ? scale.Y : scale.X);
  finding.SmallestBox = turned ? TSizeMm{Millimetres(o.Width), Millimetres(units)}
                               : TSizeMm{Millimetres(units), Millimetres(o.Height)};
  return false;
}

bool CheckQrCode(const TLabelObject& o, const std::string& text, TScale scale, TPrintFinding& finding) {
  TQrSymbol symbol = o.QrFitOf(text);
  if (symbol.Result == -1) {
    finding.Kind = TFindingKind::fkTextTooLong;
    finding.Reason = std::string("Der Text ist für einen QR-Code zu lang (") + std::to_string(CharactersOf(text).size()) + " Zeichen)";
    return false;
  }
  if (symbol.Result != 0) {
    finding.Kind = TFindingKind::fkInvalidValue;
    finding.Reason = "Der Text kann nicht als QR-Code geschrieben werden";
    return false;
  }
  int modules = QrSymbolSize(symbol.State.Version);
  TPixelSize size = PixelSize(o, scale);
  if (CheckModules(modules, std::min(size.Width, size.Height), finding)) return true;
  int pixels = kMinModulePixels * modules;
  finding.SmallestBox = TSizeMm{Millimetres(std::max(o.Width, DesignUnitsFor(pixels, scale.X))),
                                Millimetres(std::max(o.Height, DesignUnitsFor(pixels, scale.Y)))};
  return false;
}

bool IsSymbol(const TLabelObject& o) {
  return !o.Deleted && (o.Kind() == TObjectKind::okBarcode || o.Kind() == TObjectKind::okQrCode);
}

// The value a symbol object prints now.
std::string OwnValue(const TLabelObject& o) {
  if (o.Kind() == TObjectKind::okBarcode) return o.Barcode().BarCode();
  return o.QrEncoder().Barcode();
}

}  // namespace

void TPrintCheck::Add(TPrintFinding finding) {
  blocking_ = blocking_ || finding.Blocks();
  if (static_cast<int>(Findings.size()) < kMaxKept)
    Findings.push_back(std::move(finding));
  else
    ++Omitted;
}

std::optional<TPrintFinding> CheckSymbol(const TLabelObject& object, const std::string& value, TScale scale) {
  if (!IsSymbol(object)) return std::nullopt;
  TPrintFinding finding;
  finding.ObjectName = object.Name;
  bool fine = object.Kind() == TObjectKind::okBarcode ? CheckBarcode(object, value, scale, finding)
                                                      : CheckQrCode(object, value, scale, finding);
  if (fine) return std::nullopt;
  return finding;
}

std::optional<TPrintFinding> CheckSymbol(const TLabelObject& object, TScale scale) {
  if (!IsSymbol(object)) return std::nullopt;
  return CheckSymbol(object, OwnValue(object), scale);
}

TPrintCheck CheckLabel(const TLabelDocument& document, TScale scale, long long labels) {
  TPrintCheck check;
  check.Labels = std::max(0LL, labels);
  if (check.Labels == 0) return check;
  for (int slot = 1; slot <= document.ObjectCount(); ++slot)
    if (std::optional<TPrintFinding> finding = CheckSymbol(document.Object(slot), scale)) check.Add(*finding);
  return check;
}

TPrintCheck CheckSeries(const TLabelDocument& document, TScale scale, const TSeriesRange& range,
                        const TLineSource& nextLine) {
  // Each symbol's value as the run would leave it, and whether it has been
  // checked since it last changed.
  struct TCurrent {
    const TLabelObject* Object;
    std::string Value;
    int Line = 0;
    bool Checked = false;
  };
  std::vector<TCurrent> symbols;
  for (int slot = 1; slot <= document.ObjectCount(); ++slot)
    if (const TLabelObject& o = document.Object(slot); IsSymbol(o)) symbols.push_back({&o, OwnValue(o)});

  TPrintCheck check;
  ForEachSeriesLine(nextLine, range, [&](int line, const std::vector<std::string>& values, int copies) {
    for (TCurrent& symbol : symbols) {
      int variable = symbol.Object->Variable;
      if (variable < 1 || variable > static_cast<int>(values.size()) || values[variable - 1] == symbol.Value) continue;
      symbol = {symbol.Object, values[variable - 1], line, false};
    }
    if (copies < 1) return true;
    check.Labels += copies;
    for (TCurrent& symbol : symbols) {
      if (symbol.Checked) continue;
      symbol.Checked = true;
      if (std::optional<TPrintFinding> finding = CheckSymbol(*symbol.Object, symbol.Value, scale)) {
        finding->SeriesLine = symbol.Line;
        check.Add(std::move(*finding));
      }
    }
    return true;
  });
  return check;
}

std::string FindingText(const TPrintFinding& finding) {
  std::string text = finding.ObjectName;
  if (finding.SeriesLine > 0) text += ", Zeile " + std::to_string(finding.SeriesLine);
  text += ": " + finding.Reason;
  if (finding.SmallestBox)
    text += " (kleinstes Feld: " + FormatFixed(finding.SmallestBox->Width, 1) + " × " +
            FormatFixed(finding.SmallestBox->Height, 1) + " mm)";
  return text;
}

std::string FindingsText(const TPrintCheck& check, int shown) {
  std::string text;
  int listed = std::min<int>(shown, static_cast<int>(check.Findings.size()));
  for (int i = 0; i < listed; ++i) text += FindingText(check.Findings[i]) + "\n";
  int more = static_cast<int>(check.Findings.size()) - listed + check.Omitted;
  if (more > 0) text += "... und " + std::to_string(more) + " weitere\n";
  return text;
}

}  // namespace quorvel
