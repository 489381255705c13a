#pragma once

#include "qrcode/Barcode2D.h"
#include "qrcode/QrEncoder.h"

namespace quorvel {

// QR Code model 2, versions 1 to 40: turns Barcode into a QR symbol and
// draws it into the image target or onto any canvas.
class TBarcode2D_QRCode : public TBarcode2D {
 public:
  TBarcode2D_QRCode();

  std::string ClassName() const override { return "TBarcode2D_QRCode"; }

  int MinVersion() const { return options_.MinVersion; }
  // 1..40; a MinVersion above MaxVersion raises MaxVersion to it.
  void SetMinVersion(int version);
  int MaxVersion() const { return options_.MaxVersion; }
  // 1..40; a MaxVersion below MinVersion lowers MinVersion to it.
  void SetMaxVersion(int version);
  TQRCode_EccLevel EccLevel() const { return options_.EccLevel; }
  void SetEccLevel(TQRCode_EccLevel level);
  bool EccLevelUpgrade() const { return options_.EccLevelUpgrade; }
  void SetEccLevelUpgrade(bool upgrade);
  bool AllowKanjiMode() const { return options_.AllowKanjiMode; }
  void SetAllowKanjiMode(bool allow);
  bool AllowEscape() const { return options_.AllowEscape; }
  void SetAllowEscape(bool allow);
  TQRCode_EncodePolicy EncodePolicy() const { return options_.EncodePolicy; }
  void SetEncodePolicy(TQRCode_EncodePolicy policy);
  int MaxSliceLen() const { return options_.MaxSliceLen; }
  // 0 (no limit) or at least 8; other values below 8 become 8.
  void SetMaxSliceLen(int length);

  // The exclusive-or of the text's data bytes (escapes taken out when
  // `escapes` is set), the parity of a structured append. A bad escape gives
  // its position and 0.
  int Checksum(const std::string& text, bool escapes, int& errorPosition) const;
  // The same after OnEncode.
  int ChecksumOfText(const std::string& text, bool escapes, int& errorPosition);

  // The QR options as a plain encoder takes them.
  const TQrOptions& Options() const { return options_; }

  // The QR results of the long-lived work area: version, level, segments,
  // codewords and mask of the last encode.
  const TQrEncodeState& QrState();

 protected:
  bool AcceptsAssign(const TBarcode2D& source) const override;
  void AssignProperties(const TBarcode2D& source) override;
  TQuietZones GetMinQuietZones() const override { return {4, 4, 4, 4}; }

  void ExtendWorkArea(TCoreWorkArea& workArea) override;
  void InitWorkArea(TCoreWorkArea& workArea, const std::string& barcode, const TDrawArguments& arguments) override;
  bool CheckLength(TCoreWorkArea& workArea) override;
  int CheckCharacters(TCoreWorkArea& workArea) override;
  bool ResetSegmentation(TCoreWorkArea& workArea) override;
  bool ChooseSymbol(TCoreWorkArea& workArea) override;
  void BuildCodewords(TCoreWorkArea& workArea) override;
  void BuildMatrix(TCoreWorkArea& workArea) override;
  void GetSymbolSize(TCoreWorkArea& workArea, int& columns, int& rows) override;

  // Segments the work area's data for a version; ChooseSymbol calls it at
  // most once per version group.
  virtual TQrSegmentation SegmentData(const TCoreWorkArea& workArea, int version);

 private:
  // Stores a QR option inside the change cycle, clearing the stages it feeds.
  template <class T>
  void ChangeOption(T TQrOptions::*option, T value, unsigned stagesCleared) {
    ChangeProperty(options_.*option, value, stagesCleared);
  }
  static unsigned StagesFedBy(const TQrOptions& a, const TQrOptions& b);

  TQrOptions options_;
};

}  // namespace quorvel
