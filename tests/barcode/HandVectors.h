#pragma once

#include <string>

namespace quorvel::test {

// Symbols of the two symbologies that no decoder here reads, written out by
// hand from the published character tables (guard bars as '2').

// Code 11 "123456" with C = 1 and K = 1: 0 101011, 1 1101011, 2 1001011,
// 3 1100101, 4 1011011, 5 1101101, 6 1001101, start/stop 1011001, each
// character followed by a narrow space.
inline const std::string kCode11Of123456 =
    "2022002" "0"
    "1101011" "0" "1001011" "0" "1100101" "0" "1011011" "0" "1101101" "0" "1001101" "0"
    "1101011" "0" "1101011" "0"
    "2022002";

// 2 of 5 industrial "120": 1 = WNNNW, 2 = NWNNW, 0 = NNWWN; every bar 1 or
// 2 modules followed by a one-module space; start bars WWN, stop bars WNW.
inline const std::string kIndustrialOf120 =
    "22022020"
    "110" "10" "10" "10" "110"
    "10" "110" "10" "10" "110"
    "10" "10" "110" "110" "10"
    "2202022";

}  // namespace quorvel::test
