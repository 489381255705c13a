#pragma once

#include <optional>

#include "document/ObjectKind.h"

namespace quorvel {

// The design surface shows the label at 10 pixels per millimetre times the
// zoom factor. The document keeps the values of 100 %; these routines are
// the one place that turns them into what the surface shows and back, so
// that no sequence of zoom steps can shift a stored value.

inline constexpr double kMinZoom = 1.0 / 16;
// Shown sizes are 32-bit: beyond 16 times a label of a few metres would overflow.
inline constexpr double kMaxZoom = 16.0;

// The factor after a step by the given factor, or none when it would leave 1/16 .. 16.
std::optional<double> SteppedZoom(double zoom, double factor);

// A value of 100 % as shown at the zoom: round(value x zoom), halves to even,
// kept well inside int so that right and bottom edges cannot overflow.
int ShownValue(int value, double zoom);

// What d shown pixels (or points) stand for at 100 %: round(d / zoom). A move
// or resize of d pixels changes a value of 100 % by this much.
int StoredValue(int shown, double zoom);

// The value of 100 % for a shown value that was typed or chosen: round(shown / zoom);
// the stored value itself when shown is what it shows already, so that applying
// an unchanged value never moves anything.
int StoredFromShown(int shown, int stored, double zoom);

// The zoom that applies to the width and the height of the kind: a horizontal
// line keeps its thickness on screen, a vertical line its width.
double WidthZoom(TObjectKind kind, double zoom);
double HeightZoom(TObjectKind kind, double zoom);

}  // namespace quorvel
