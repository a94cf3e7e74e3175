// The program's one random source.  Tests seed it; the program seeds it from
// the clock at start-up.
#pragma once

#include <cstdint>

namespace vorn {

// 0 .. n-1; 0 when n <= 0.
int Random(int n);
void RandSeed(std::uint64_t seed);
// Seeds from the clock.
void Randomize();

} // namespace vorn
