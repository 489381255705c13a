#pragma once

namespace quorvel {

class TBitmap;

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  // Puts the bitmap on the clipboard as a picture; throws EGraphicsError on failure.
  virtual void SetBitmap(const TBitmap& bitmap) = 0;
};

// The system clipboard.
class TQtClipboard : public IClipboard {
 public:
  void SetBitmap(const TBitmap& bitmap) override;
};

}  // namespace quorvel
