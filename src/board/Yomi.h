// The look-ahead protocol.  GobanLv[0] is the game; a reader opens levels
// 1..10 above it, plays and takes back moves there, and returns to level 0
// before it ends.  Every stone played, taken away or put back on the way is
// shown through the shell's thinking display.
//
// One YomiModosu undoes one YomiUtu or YomiPushUtu, with the pass that may
// have been put in before it, and closes the level when its last move goes:
// a reader that played k moves from level 0 takes back k times and finds
// board 0, its record and Level exactly as they were.
#pragma once

#include "board/Point.h"

namespace vorn {

// Opens the next level as a copy of the current board; false at level 10.
bool YomiPush();
// Plays colour c at p: opens level 1 when called at level 0, and passes
// first when c is not the side to move.  An illegal move answers false and
// leaves everything as it was.
bool YomiUtu(int c, Point p);
// Plays the side to move at p on the current board (level 0 included)
// without opening a level or passing; c is only what the caller expects.
bool YomiUtuSame(int c, Point p);
// YomiUtu, then rebuilds the chains of the current board.
bool YomiUtuRebuild(int c, Point p);
// Always opens a new level (except at level 10) and plays there.
bool YomiPushUtu(int c, Point p);
// Takes back the last move of the current level with its inserted pass and
// drops the level once it is empty (not while the ladder reader runs).
void YomiModosu();
// Takes back the last move of the current board; no pass step, no level drop.
void YomiModosuSame();

} // namespace vorn
