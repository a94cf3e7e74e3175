// Random positions for the benchmarks.
#pragma once

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Rand.h"

namespace vorn::bench {

// A legal random move for the side to move that does not fill an own eye.
inline Point BenchMove(TGoban& b) { return RandomLegalMove(b); }

} // namespace vorn::bench
