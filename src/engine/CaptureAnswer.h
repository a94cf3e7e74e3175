// Capture answers of the pair list: chains short of liberties that the pair
// list has found (a chain in atari that can escape, a two-liberty chain that
// a ladder catches, a two-liberty chain that a loose net catches, a point
// that ataris two chains at once).  Each answer reads both sides of the
// threat on the look-ahead boards and adds one candidate for the engine's
// side: the saving move when the chain is the engine's, the capturing move
// when it is the opponent's.  The side whose chain is read is the defender,
// whoever is to move.
//
// Every answer leaves the look-ahead where it found it and adds its
// candidate under the reason code in force.
#pragma once

#include "board/Point.h"

namespace vorn {

// A chain in atari: a its liberty, b one of its stones.  Saving by capturing
// a neighbour in atari comes before extending; a chain that a ladder or net
// catches after extending is left alone.
void AtariNigeAnswer(Point a, Point b);
// A two-liberty chain caught by a ladder that starts at a; b one of its
// stones.  The escape is a counter-capture, an atari that breaks the ladder,
// or the extension at a.
void SichoAnswer(Point a, Point b);
// A two-liberty chain that a loose net at a catches; b one of its stones.
void GetaAnswer(Point a, Point b);
// The point that ataris two chains of one colour at once.
void Atari2Answer(Point p);

// Where the netted chain escapes: a itself, or an empty point of the block
// from its stone s (touching both liberties) to one step beyond a that leads
// toward a friendly stone.
Point GetaEscapePoint(Point a, Point s);
// The double-atari stone at p stands in atari itself: when the victim takes
// it and one of the two chains it had put in atari is then caught by a
// ladder, p is added with the value of that ladder.
void Atari2Point(Point p);

} // namespace vorn
