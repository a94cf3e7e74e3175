// The endgame unit.  For now it holds the two link-mark boards that the link
// handlers, the chain tactics and the endgame scans share.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// Points a link handler has dealt with (1), per decision.  The endgame scans,
// the centre moves and the shape moves skip points marked in LinkMark1; the
// chain tactics skip those marked in LinkMark2.
extern Grid<std::uint8_t, 1, 19> LinkMark1;
extern Grid<std::uint8_t, 1, 19> LinkMark2;

// Clears both boards over the board size (at the start of every decision).
void LinkMarkClear();
// Store the value at p; a point off the board is ignored.
void LinkMark1Set(Point p, int value);
void LinkMark2Set(Point p, int value);

// Back to start-up values.
void YoseReset();

} // namespace vorn
