// Peeps (ノゾキ): a stone played orthogonally next to the cutting point of a
// link of the other colour, threatening to cut there next.
//
// NozokiCheck builds the peep table from the stone relations of the current
// board at the start of every decision: for each peep, the peeping point and
// the cutting point it threatens (its target), and per colour the number of
// peeps found at each point.  The opening, the life-and-death reading and the
// peep view read the table.
//
// NozokiThink is a generator of the second stage: nine urgent shapes, each
// verified by a short fixed reading on the look-ahead boards.  The two that
// read the peep table (the double peep and the peep at an atari point) live
// here; the other seven are the urgent shapes of Kyuba.
//
// In the readings ca is the colour that attacks a shape and co = ca xor 3 the
// colour that owns it; where the engine owns the shape it gets the owner's
// answer instead of the attacker's point.
#pragma once

#include <cstdint>
#include <span>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

constexpr int kMaxNozoki = 60;

// The peep table of the board NozokiCheck last ran on.
extern Arr<Point, 1, kMaxNozoki> NozokiFrom; // the peeping point
extern Arr<Point, 1, kMaxNozoki> NozokiTo;   // the cutting point it threatens
extern int NozokiCount;
// Peeps recorded at each point, [colour][x][y], counted for the colour whose
// scan found them.
extern Arr<Grid<std::uint8_t, 1, 19>, 1, 2> NozokiMap;

// Empties the table and the map.
void NozokiClear();
// Appends the peep from -> to: false when the table is full or holds the
// pair already (the caller then counts nothing).
bool NozokiAdd(Point from, Point to);
// The targets of the peeps at `from`, in table order, into list[0..high]
// (never further, nor past the list's end); answers how many.
int NozokiList(Point from, std::span<Point> list, int high);
// Rebuilds the table from the stone relations of the current board.
void NozokiCheck();
// The peeps at the cutting point of the diagonal pair of stones a-b (a cut
// is possible where one crossing point holds an enemy stone not in atari).
void NozokiKosumiCheck(Point a, Point b);
// The peeps beside the gap of the one-space jump between the stones a and b
// (taken once, from the upper or left stone).
void NozokiIkkenCheck(Point a, Point b);

// Stage-2 generator: the nine urgent shapes, each under its reason code and
// each leaving the look-ahead at the game board; selects at 260 (out (0, 0)
// when nothing reaches it).
void NozokiThink(Point& out);

// The double peep: a point that peeps at two cutting points at once.  Adds
// under reason 5 and puts the code in force back.
void DoubleNozokiThink();
void DoubleNozokiUtu(int ca, Point e);
// The double peep whose cutting stones stand ready beyond both targets.
void DoubleNozokiCut(int ca, Point e, Point t1, Point t2);
// A peep that is also an atari on a two-liberty chain of the owner.
void NozokiAtariThink();

// The first generator of stage 4: nothing to add; out stays as it is.
void UrgentStage4Think(Point& out);
// The late pass after a decision above stage 3: offers no point ((0, 0)),
// so the driver's choice stands.
void KosumiKankeiUtu(Point& out);

// Back to start-up values.
void NozokiReset();

} // namespace vorn
