// Centre moves: points in the open middle of a 19x19 board, and the invasion
// beside a two-space jump of the opponent that the opening's middle-game
// generator uses on any board.
//
// Center19Think is a generator of the fourth stage.  It looks at three kinds
// of point: a diagonal contact with the opponent's nearest stone where two of
// our stones stand far enough apart to work together, a one-space jump from
// the opponent's nearest stone, and the liberties of the lone two-liberty
// stones; the first two are valued by both sides' plays there, lowered by
// the opponent's approach plays, the last by an atari and its answer.
// Candidates carry reason kkCenter19.
//
// Own stones are JibunIro's, the opponent's AiteIro's.
#pragma once

#include "board/Array.h"
#include "board/Locate.h"
#include "board/Point.h"

namespace vorn {

// The most pairs KyoriPairs keeps.
constexpr int kMaxKyoriPairs = 14;

// Stage 4 (reason kkCenter19): on 19 lines the three scans, then
// SelectKoho(220) when the table holds a candidate; elsewhere (0, 0).
void Center19Think(Point& out);
// Diagonal contacts, y and x over 5..15 of the game board, points marked in
// LinkMark1 left out.
void Center19Kosumi();
// One-space jumps from the opponent's nearest stone, over the same square.
void Center19Ikken();
// The liberties of the one-stone chains with two liberties.
void Center19Ren2();

// The smallest of values 1..count; 99 for none (never above 99).
int MinInt(const Arr<int, 1, kMaxKankei>& values, int count);
// The pairs i < j among relations 1..count whose kinds are both above 2 and
// whose points lie at distance index above 4, in i-then-j order, at most
// kMaxKyoriPairs; answers how many.
int KyoriPairs(const Arr<Point, 1, kMaxKankei>& points, const Arr<int, 1, kMaxKankei>& kinds, int count,
               Arr<Point, 1, kMaxKyoriPairs>& firsts, Arr<Point, 1, kMaxKyoriPairs>& seconds);

// The invasions beside the opponent's two-space jumps (adds only, under the
// reason in force).
void NikenUtikomiThink();
// The invasion beside the two-space jump between the opponent's stones a and
// b (each pair is taken once, from its upper or left stone).
void NikenUtikomi(Point a, Point b);

} // namespace vorn
