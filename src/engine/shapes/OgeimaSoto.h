// Large knight's-move links: the patterns of the attacker's stones on the
// two outer lines of the shape, when none stands inside the rectangle or
// beside an end stone.  Cells as in Ogeima.h; each pattern is written for
// its trigger and also runs on the mirror image:
//
//     OgeimaNozokiUtu  the attacker at D3 (D4): a peep at the middle
//     OgeimaKakeUtu    at D2 (D5): a cap beside A's line
//     OgeimaSotoUtu    at D1 (D6): outside B's line at A's end
//     OgeimaUraUtu     at D0 (D7): behind A
//
// They add under the reason code in force, except one follow-up of the cap
// that carries 18, and take back exactly the moves that stood.
#pragma once

#include "engine/shapes/ShapeFrame.h"

namespace vorn {

void OgeimaNozokiUtu(const TShape& s);
void OgeimaKakeUtu(const TShape& s);
void OgeimaSotoUtu(const TShape& s);
void OgeimaUraUtu(const TShape& s);

} // namespace vorn
