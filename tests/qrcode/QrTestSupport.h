#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "qrcode/Barcode2D_QRCode.h"
#include "support/Decoder.h"

namespace quorvel::test {

// Draws the component's symbol with quiet zones onto a fresh bitmap through
// DrawTo and returns the pixels.
QImage DrawWithQuietZone(TBarcode2D_QRCode& qr, int module = 2);

// What zxing-cpp reads from a QR image.
TDecoded DecodeQr(const QImage& image, bool pure = true);

// The data modules of the matrix as text rows of '#' and '.', for messages.
std::string MatrixText(const TMapMatrix& matrix);

// Records the events a component fires.
struct TEventLog {
  explicit TEventLog(TBarcode2D& component);
  int Changes = 0;
  int Draws = 0;
  std::vector<std::string> InvalidLength;  // the Barcode reported
  std::vector<std::pair<int, char>> InvalidChar;
};

// Counts the pipeline stages a QR component runs.
class TCountingQRCode : public TBarcode2D_QRCode {
 public:
  int Segmentations = 0;
  int Choices = 0;
  int CodewordBuilds = 0;
  int MatrixBuilds = 0;
  int Erasures = 0;  // erasures of a drawing that was there

 protected:
  void EraseLast() override;
  TQrSegmentation SegmentData(const TCoreWorkArea& workArea, int version) override;
  bool ChooseSymbol(TCoreWorkArea& workArea) override;
  void BuildCodewords(TCoreWorkArea& workArea) override;
  void BuildMatrix(TCoreWorkArea& workArea) override;
};

}  // namespace quorvel::test
