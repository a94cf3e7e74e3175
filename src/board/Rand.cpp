#include "board/Rand.h"

#include <chrono>

namespace vorn {

namespace {
std::uint64_t g_state = 0x9E3779B97F4A7C15ull;

// splitmix64: small, fast and the same on every platform.
std::uint64_t Next()
{
    std::uint64_t z = (g_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

int Random(int n)
{
    if (n <= 0)
        return 0;
    return static_cast<int>(Next() % static_cast<std::uint64_t>(n));
}

void RandSeed(std::uint64_t seed) { g_state = seed; }

void Randomize()
{
    RandSeed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())
             ^ static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

} // namespace vorn
