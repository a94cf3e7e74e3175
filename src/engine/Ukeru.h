// The counter-capture check: the last move has put a chain of the other
// colour in atari next to a chain of the mover's colour that is itself in
// atari, so that each side can capture.  When the swing is large the engine
// takes at once, before it spends time on the look-ahead.
#pragma once

#include "board/Point.h"

namespace vorn {

// The capture to play, (0, 0) when there is none.  Reads the game board and
// LastTe; the look-ahead boards are left as they were found.
void CounterCapture(Point& out);

// col plays a, then (instead) the other colour plays b: the sum of the two
// evaluations, both from col's side.  A move that cannot be played counts 0.
int CaptureSwing(int col, Point a, Point b);

// The smallest swing that the check acts on.
constexpr int kCounterCaptureSwing = 41;

} // namespace vorn
