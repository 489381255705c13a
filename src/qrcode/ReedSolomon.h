#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Reed-Solomon error correction over GF(256) with the primitive polynomial
// x^8 + x^4 + x^3 + x^2 + 1 and the primitive element 2.
namespace quorvel {

std::uint8_t GfExp(int exponent);  // 2^exponent, exponent taken modulo 255
int GfLog(std::uint8_t value);     // value must not be 0
std::uint8_t GfMultiply(std::uint8_t a, std::uint8_t b);

// The coefficients of (x - 2^0)(x - 2^1)...(x - 2^(degree-1)), highest first,
// the leading 1 included.
std::vector<std::uint8_t> RsGenerator(int degree);

// The remainder of data(x) * x^ecc.size() divided by the generator of that
// degree, highest coefficient first.
void RsRemainder(std::span<const std::uint8_t> data, std::span<std::uint8_t> ecc);

}  // namespace quorvel
