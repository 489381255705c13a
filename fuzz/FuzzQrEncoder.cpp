// The QR encoder under every policy and level, with escapes and Kanji mode
// on and off; the first two bytes choose the options.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "qrcode/QrEncoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  quorvel::TQrOptions options;
  options.EncodePolicy = static_cast<quorvel::TQRCode_EncodePolicy>(data[0] % 3);
  options.EccLevel = static_cast<quorvel::TQRCode_EccLevel>((data[0] / 3) % 4);
  options.AllowEscape = (data[0] & 0x10) != 0;
  options.AllowKanjiMode = (data[0] & 0x20) != 0;
  options.EccLevelUpgrade = (data[0] & 0x40) != 0;
  options.MinVersion = 1 + data[1] % 40;
  options.MaxVersion = options.MinVersion + (data[0] & 0x80 ? 40 - options.MinVersion : 0);
  const std::string_view value(reinterpret_cast<const char*>(data + 2), size - 2);

  const quorvel::TQrSymbol symbol = quorvel::EncodeQrSymbol(value, options);
  if (symbol.Result == 0) {
    const int version = symbol.State.Version;
    if (version < options.MinVersion || version > options.MaxVersion) __builtin_trap();
  }
  return 0;
}
