// Ladder and net reading.
#pragma once

#include <cstdint>

#include "board/Point.h"

namespace vorn {

// Reads whether the chain at p is caught by a ladder: 1 caught, 0 escapes;
// writes the status and the sequence into the chain.
std::uint8_t SichoCheck(Point p);

} // namespace vorn
