#include "qrcode/Barcode2D_QRCode.h"

#include "qrcode/QrTables.h"

namespace quorvel {
namespace {

// The QR fields of a work area.
struct TQrWorkArea : TWorkAreaExtension, TQrEncodeState {};

TQrEncodeState& Qr(TCoreWorkArea& workArea) { return static_cast<TQrWorkArea&>(*workArea.Extension); }
const TQrEncodeState& Qr(const TCoreWorkArea& workArea) {
  return static_cast<const TQrWorkArea&>(*workArea.Extension);
}

void CheckVersion(int version) {
  if (version < kQrMinVersion || version > kQrMaxVersion) throw EBarcode2DError(kInvalidPropertyValue);
}

// Which stages each option feeds.
constexpr unsigned kVersionStages = sfVersionChosen;
constexpr unsigned kCapacityStages = sfVersionChosen | sfLengthChecked;
constexpr unsigned kSegmentStages = sfSegmentsValid;
constexpr unsigned kEscapeStages = sfSegmentsValid | sfCharsChecked | sfLengthChecked;

}  // namespace

TBarcode2D_QRCode::TBarcode2D_QRCode() { InitQuietZones(); }

// ---- properties ----

void TBarcode2D_QRCode::SetMinVersion(int version) {
  CheckVersion(version);
  if (version == options_.MinVersion) return;
  BeginChange();
  options_.MinVersion = version;
  unsigned stages = kVersionStages;
  if (options_.MaxVersion < version) {
    options_.MaxVersion = version;
    stages |= kCapacityStages;
  }
  ClearStages(stages);
  EndChange(false);
}

void TBarcode2D_QRCode::SetMaxVersion(int version) {
  CheckVersion(version);
  if (version == options_.MaxVersion) return;
  BeginChange();
  options_.MaxVersion = version;
  if (options_.MinVersion > version) options_.MinVersion = version;
  ClearStages(kCapacityStages);
  EndChange(false);
}

void TBarcode2D_QRCode::SetEccLevel(TQRCode_EccLevel level) {
  ChangeOption(&TQrOptions::EccLevel, level, kCapacityStages);
}

void TBarcode2D_QRCode::SetEccLevelUpgrade(bool upgrade) {
  ChangeOption(&TQrOptions::EccLevelUpgrade, upgrade, kVersionStages);
}

void TBarcode2D_QRCode::SetAllowKanjiMode(bool allow) {
  ChangeOption(&TQrOptions::AllowKanjiMode, allow, kSegmentStages);
}

void TBarcode2D_QRCode::SetAllowEscape(bool allow) { ChangeOption(&TQrOptions::AllowEscape, allow, kEscapeStages); }

void TBarcode2D_QRCode::SetEncodePolicy(TQRCode_EncodePolicy policy) {
  ChangeOption(&TQrOptions::EncodePolicy, policy, kSegmentStages);
}

void TBarcode2D_QRCode::SetMaxSliceLen(int length) {
  constexpr int kShortestSlice = 8;
  if (length != 0 && length < kShortestSlice) length = kShortestSlice;
  ChangeOption(&TQrOptions::MaxSliceLen, length, kSegmentStages);
}

unsigned TBarcode2D_QRCode::StagesFedBy(const TQrOptions& a, const TQrOptions& b) {
  unsigned stages = 0;
  if (a.MinVersion != b.MinVersion || a.EccLevelUpgrade != b.EccLevelUpgrade) stages |= kVersionStages;
  if (a.MaxVersion != b.MaxVersion || a.EccLevel != b.EccLevel) stages |= kCapacityStages;
  if (a.AllowKanjiMode != b.AllowKanjiMode || a.EncodePolicy != b.EncodePolicy || a.MaxSliceLen != b.MaxSliceLen)
    stages |= kSegmentStages;
  if (a.AllowEscape != b.AllowEscape) stages |= kEscapeStages;
  return stages;
}

bool TBarcode2D_QRCode::AcceptsAssign(const TBarcode2D& source) const {
  return dynamic_cast<const TBarcode2D_QRCode*>(&source) != nullptr;
}

void TBarcode2D_QRCode::AssignProperties(const TBarcode2D& source) {
  TBarcode2D::AssignProperties(source);
  const TQrOptions& options = static_cast<const TBarcode2D_QRCode&>(source).options_;
  ClearStages(StagesFedBy(options_, options));
  options_ = options;
}

int TBarcode2D_QRCode::Checksum(const std::string& text, bool escapes, int& errorPosition) const {
  return QrChecksum(text, escapes, errorPosition);
}

int TBarcode2D_QRCode::ChecksumOfText(const std::string& text, bool escapes, int& errorPosition) {
  std::string data = text;
  if (OnEncode) OnEncode(*this, data, text);
  return Checksum(data, escapes, errorPosition);
}

const TQrEncodeState& TBarcode2D_QRCode::QrState() { return Qr(WorkArea()); }

// ---- the QR stages ----

void TBarcode2D_QRCode::ExtendWorkArea(TCoreWorkArea& workArea) {
  auto fields = std::make_unique<TQrWorkArea>();
  fields->Version = static_cast<std::uint8_t>(options_.MinVersion);
  fields->Level = static_cast<std::uint8_t>(LevelIndex(options_.EccLevel));
  workArea.Extension = std::move(fields);
}

void TBarcode2D_QRCode::InitWorkArea(TCoreWorkArea& workArea, const std::string& barcode,
                                     const TDrawArguments& arguments) {
  TBarcode2D::InitWorkArea(workArea, barcode, arguments);
  if (!workArea.Has(sfCharsChecked)) QrScanEscapes(options_, Qr(workArea), workArea.Data);
}

bool TBarcode2D_QRCode::CheckLength(TCoreWorkArea& workArea) {
  return QrCheckLength(options_, Qr(workArea), workArea.Data);
}

int TBarcode2D_QRCode::CheckCharacters(TCoreWorkArea& workArea) { return QrCheckCharacters(options_, Qr(workArea)); }

bool TBarcode2D_QRCode::ResetSegmentation(TCoreWorkArea& workArea) {
  TBarcode2D::ResetSegmentation(workArea);
  QrResetSegmentation(Qr(workArea));
  return true;
}

TQrSegmentation TBarcode2D_QRCode::SegmentData(const TCoreWorkArea& workArea, int version) {
  return QrSegment(options_, Qr(workArea), workArea.Data, version);
}

bool TBarcode2D_QRCode::ChooseSymbol(TCoreWorkArea& workArea) {
  return QrChooseSymbol(
      options_, Qr(workArea), workArea.Data, [&](int version) { return SegmentData(workArea, version); },
      workArea.TooLong);
}

void TBarcode2D_QRCode::BuildCodewords(TCoreWorkArea& workArea) {
  QrBuildCodewords(options_, Qr(workArea), workArea.Data);
}

void TBarcode2D_QRCode::BuildMatrix(TCoreWorkArea& workArea) { QrBuildMatrix(Qr(workArea), workArea.Matrix); }

void TBarcode2D_QRCode::GetSymbolSize(TCoreWorkArea& workArea, int& columns, int& rows) {
  columns = rows = QrSymbolSize(Qr(workArea).Version);
}

}  // namespace quorvel
