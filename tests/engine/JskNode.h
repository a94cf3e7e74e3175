// A dictionary record for hand-made test files.
#pragma once

#include "engine/Joseki.h"

namespace vorn::test {

inline TJskNode Node(int x, int y, int child, int next)
{
    TJskNode n;
    n.X = static_cast<std::uint8_t>(x);
    n.Y = static_cast<std::uint8_t>(y);
    n.Child = child;
    n.Next = next;
    return n;
}

} // namespace vorn::test
