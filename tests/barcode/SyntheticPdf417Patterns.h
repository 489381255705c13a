#pragma once

#include <cstdint>
#include <map>

#include "barcode/Pdf417Patterns.h"

namespace quorvel::test {

// A pattern table that obeys every rule of the standard's but is not the
// standard's: the first 929 sound patterns of each cluster in lexicographic
// order of their widths. It lets the tests assemble rows and exercise the
// table checks while the real table is absent; no scanner can read it.
const TPdf417PatternTable& SyntheticPdf417Patterns();

// Codeword value of each pattern of one cluster (0, 1, 2 for clusters 0, 3, 6).
std::map<std::uint16_t, int> PatternValues(const TPdf417PatternTable& table, int cluster);

}  // namespace quorvel::test
