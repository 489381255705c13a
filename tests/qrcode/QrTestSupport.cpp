#include "QrTestSupport.h"

#include "platform/Bitmap.h"

namespace quorvel::test {

QImage DrawWithQuietZone(TBarcode2D_QRCode& qr, int module) {
  qr.SetShowQuietZone(true);
  TBitmap sizing;
  int width = 0, height = 0;
  if (qr.GetDrawSize(sizing.Canvas(), module, -1, 0, 0, width, height) != 0) return {};
  TBitmap bitmap(width, height);
  if (qr.DrawTo(bitmap.Canvas(), 0, 0, module) != 0) return {};
  return bitmap.Image();
}

TDecoded DecodeQr(const QImage& image, bool pure) {
  TDecodeOptions options;
  options.Formats = "QRCode";
  options.Pure = pure;
  options.TryHarder = !pure;
  options.TryRotate = !pure;
  return DecodeOne(image, options);
}

std::string MatrixText(const TMapMatrix& matrix) {
  std::string text;
  for (int r = 0; r < matrix.Rows(); ++r) {
    for (int c = 0; c < matrix.Columns(); ++c) text += matrix.Dark(r, c) ? '#' : '.';
    text += '\n';
  }
  return text;
}

TEventLog::TEventLog(TBarcode2D& component) {
  component.OnChange = [this](TBarcode2D&) { ++Changes; };
  component.OnDrawBarcode = [this](TBarcode2D&, TCanvas&, PUserWorkArea) { ++Draws; };
  component.OnInvalidLength = [this](TBarcode2D&, const std::string& barcode, bool) { InvalidLength.push_back(barcode); };
  component.OnInvalidChar = [this](TBarcode2D&, int index, char c, bool) { InvalidChar.emplace_back(index, c); };
}

TQrSegmentation TCountingQRCode::SegmentData(const TCoreWorkArea& workArea, int version) {
  ++Segmentations;
  return TBarcode2D_QRCode::SegmentData(workArea, version);
}

bool TCountingQRCode::ChooseSymbol(TCoreWorkArea& workArea) {
  ++Choices;
  return TBarcode2D_QRCode::ChooseSymbol(workArea);
}

void TCountingQRCode::BuildCodewords(TCoreWorkArea& workArea) {
  ++CodewordBuilds;
  TBarcode2D_QRCode::BuildCodewords(workArea);
}

void TCountingQRCode::EraseLast() {
  if (Image() && LastRect().Width() > 0) ++Erasures;
  TBarcode2D_QRCode::EraseLast();
}

void TCountingQRCode::BuildMatrix(TCoreWorkArea& workArea) {
  ++MatrixBuilds;
  TBarcode2D_QRCode::BuildMatrix(workArea);
}

}  // namespace quorvel::test
