#include "qrcode/QrCodewords.h"

#include <algorithm>
#include <span>

#include "qrcode/QrEscapes.h"
#include "qrcode/QrSegmenter.h"
#include "qrcode/QrTables.h"
#include "qrcode/ReedSolomon.h"

namespace quorvel {
namespace {

using enum TQrMode;

class TItemWriter {
 public:
  explicit TItemWriter(std::vector<TQrBitItem>& items) : items_(items) {}
  void Add(int value, int length) { items_.push_back({static_cast<std::uint16_t>(value), static_cast<std::uint8_t>(length)}); }

 private:
  std::vector<TQrBitItem>& items_;
};

void AddDataItems(TItemWriter& out, TQrMode mode, std::string_view bytes) {
  auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  switch (mode) {
    case qmNumeric:
      for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::size_t group = std::min<std::size_t>(3, bytes.size() - i);
        int value = 0;
        for (std::size_t j = 0; j < group; ++j) value = value * 10 + (at(i + j) - '0');
        out.Add(value, static_cast<int>(3 * group + 1));  // 10, 7 or 4 bits
      }
      break;
    case qmAlphanumeric:
      for (std::size_t i = 0; i < bytes.size(); i += 2) {
        if (i + 1 < bytes.size())
          out.Add(45 * QrAlphanumericValue(at(i)) + QrAlphanumericValue(at(i + 1)), 11);
        else
          out.Add(QrAlphanumericValue(at(i)), 6);
      }
      break;
    case qmByte:
      for (std::size_t i = 0; i < bytes.size(); ++i) out.Add(at(i), 8);
      break;
    case qmKanji:
      for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        int w = 256 * at(i) + at(i + 1);
        w -= w <= 0x9FFC ? 0x8140 : 0xC140;
        out.Add((w >> 8) * 0xC0 + (w & 0xFF), 13);
      }
      break;
    default: break;
  }
}

void AddEscapeItems(TItemWriter& out, const TQrSegment& segment) {
  std::uint32_t v = segment.Value;
  switch (QrEscapeDataBits(segment)) {
    case 24:
      out.Add(192 + ((v >> 16) & 31), 8);
      out.Add((v >> 8) & 0xFF, 8);
      out.Add(v & 0xFF, 8);
      break;
    case 16:
      out.Add((segment.Mode == qmEci ? 128 : 0) + (v >> 8), 8);
      out.Add(v & 0xFF, 8);
      break;
    case 8: out.Add(v, 8); break;
    default: break;
  }
}

}  // namespace

std::vector<TQrBitItem> MakeQrBitItems(const std::vector<TQrSegment>& segments, std::string_view data, int version) {
  std::vector<TQrBitItem> items;
  TItemWriter out(items);
  std::size_t position = 0;
  for (const TQrSegment& segment : segments) {
    out.Add(QrModeIndicator(segment.Mode), 4);
    bool escape = segment.Mode >= qmEci;
    int count = segment.Mode == qmKanji ? segment.Count / 2 : segment.Count;
    out.Add(escape ? 0 : count, escape ? 0 : QrCountIndicatorBits(segment.Mode, version));
    if (escape) {
      AddEscapeItems(out, segment);
      continue;
    }
    AddDataItems(out, segment.Mode, data.substr(position, segment.Count));
    position += segment.Count;
  }
  return items;
}

std::vector<std::uint8_t> MakeQrDataCodewords(const std::vector<TQrBitItem>& items, int dataCodewords) {
  std::vector<std::uint8_t> codewords(dataCodewords, 0);
  // Whole bytes are written as they fill; bits past the capacity are dropped.
  std::size_t full = 0;
  std::uint32_t pending = 0;  // fewer than 8 bits between items
  int pendingBits = 0;
  for (const TQrBitItem& item : items) {
    if (full == codewords.size()) break;
    pending = (pending << item.Length) | (item.Value & ((1u << item.Length) - 1));
    pendingBits += item.Length;
    for (; pendingBits >= 8 && full < codewords.size(); pendingBits -= 8)
      codewords[full++] = static_cast<std::uint8_t>(pending >> (pendingBits - 8));
    pending &= (1u << pendingBits) - 1;
  }
  if (full == codewords.size()) return codewords;
  if (pendingBits > 0) codewords[full] = static_cast<std::uint8_t>(pending << (8 - pendingBits));
  const long capacity = 8L * dataCodewords;
  long bit = 8L * static_cast<long>(full) + pendingBits;
  bit += std::min(4L, capacity - bit);  // the terminator: zero bits
  std::size_t used = static_cast<std::size_t>((bit + 7) / 8);
  for (std::size_t i = used; i < codewords.size(); ++i) codewords[i] = (i - used) % 2 == 0 ? 236 : 17;
  return codewords;
}

std::vector<std::uint8_t> InterleaveQrBlocks(const std::vector<std::uint8_t>& dataCodewords, int version,
                                             TQRCode_EccLevel level) {
  TQrBlockLayout layout = QrBlockLayout(version, level);
  std::vector<std::span<const std::uint8_t>> data;
  std::vector<std::vector<std::uint8_t>> ecc(layout.Blocks, std::vector<std::uint8_t>(layout.EccPerBlock));
  std::size_t next = 0;
  for (int b = 0; b < layout.Blocks; ++b) {
    std::size_t length = layout.ShortBlockData + (b < layout.ShortBlocks ? 0 : 1);
    data.emplace_back(dataCodewords.data() + next, length);
    RsRemainder(data.back(), ecc[b]);
    next += length;
  }
  std::vector<std::uint8_t> result;
  result.reserve(layout.TotalCodewords);
  for (int i = 0; i <= layout.ShortBlockData; ++i)
    for (int b = 0; b < layout.Blocks; ++b)
      if (static_cast<std::size_t>(i) < data[b].size()) result.push_back(data[b][i]);
  for (int i = 0; i < layout.EccPerBlock; ++i)
    for (int b = 0; b < layout.Blocks; ++b) result.push_back(ecc[b][i]);
  return result;
}

}  // namespace quorvel
