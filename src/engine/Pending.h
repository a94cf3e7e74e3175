// Calls into units that are not in the program yet.  Each does nothing until
// its unit lands; the unit's author then deletes the no-op here (Pending.cpp)
// and the declaration moves to the unit's own header.
#pragma once

#include "board/Point.h"

namespace vorn {

// --- Look-ahead play and take-back --------------------------------------------
// Plays colour at p on the look-ahead boards and rebuilds the chains there;
// false when the move is not played.  Until the look-ahead boards land nothing
// is played.
bool YomiUtuRebuild(int colour, Point p);
// Takes back the last look-ahead move.
void YomiModosu();

} // namespace vorn
