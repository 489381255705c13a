#pragma once

namespace quorvel {

// Every conversion to whole pixels, design units or points rounds to the
// nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values beyond the int range clamp to it; NaN gives 0, so hostile input
// can never produce undefined conversions.
int RoundHalfEven(double value);

}  // namespace quorvel
