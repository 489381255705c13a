#include "document/DisplayScale.h"

#include <algorithm>
#include <cstdint>

#include "platform/Rounding.h"

namespace quorvel {
namespace {

// Shown coordinates stay well inside int, so that a control's right and
// bottom edges (left + width) can never overflow, whatever a file holds.
constexpr std::int64_t kMaxShownCoordinate = 1 << 28;

}  // namespace

std::optional<double> SteppedZoom(double zoom, double factor) {
  double stepped = zoom * factor;
  if (stepped < kMinZoom || stepped > kMaxZoom) return std::nullopt;
  return stepped;
}

int ShownValue(int value, double zoom) {
  return static_cast<int>(
      std::clamp<std::int64_t>(RoundHalfEven(value * zoom), -kMaxShownCoordinate, kMaxShownCoordinate));
}

int StoredValue(int shown, double zoom) { return RoundHalfEven(shown / zoom); }

int StoredFromShown(int shown, int stored, double zoom) {
  return shown == ShownValue(stored, zoom) ? stored : StoredValue(shown, zoom);
}

double WidthZoom(TObjectKind kind, double zoom) { return kind == TObjectKind::okVLine ? 1.0 : zoom; }

double HeightZoom(TObjectKind kind, double zoom) { return kind == TObjectKind::okHLine ? 1.0 : zoom; }

}  // namespace quorvel
