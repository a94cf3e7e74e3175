// Ko (コウ) fights.
//
// The ko rule itself is the board's (a retake at once is refused); the engine
// sees the ko through the ko point KouTen and the stone that has just taken
// there, KouTenIsi (engine/Koho.h), and parks a candidate on the ko point
// instead of adding it.  When the parked retake was worth more than the best
// move of the staged search, the driver asks KouDate for a ko threat: a move
// elsewhere that the opponent must answer, worth more than that best move.
// Threats come from two finders: cuts of the opponent's one-space jumps and
// knight's moves (the engine plays the cut twice in a row and evaluates), and
// ataris on the opponent's living two-liberty chains (the engine plays both
// liberties in a row).
//
// KouThink is a generator of the fourth stage for the ko shapes on the
// board; KouKatachiAnswer reads the mutual self-atari shapes for the chain
// tactics.
//
// J is the engine's colour (JibunIro), O the opponent's (AiteIro).
#pragma once

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

constexpr int kMaxKouDate = 20;

// The threats of the last search, each point once, with its value at the
// same index 1..KouDateCount.
extern Arr<Point, 1, kMaxKouDate> KouDateList;
extern Arr<int, 1, kMaxKouDate> KouDateListValue;
extern int KouDateCount;
// The best threat and its value (0: none), and the value it must beat.
extern int KouDateValue;
extern Point KouDatePt;
extern int KouDateLimit;
// The first stone of J's chain in atari next to the ko-taking stone: the
// stones at stake in the ko, (0, 0) when none.
extern Point KouAtariIsi;

// The best ko threat worth more than `limit`, read on the current board (the
// game board when the driver asks); out.x = 0 when none.  KouDateValue holds
// its value.
void KouDate(int limit, Point& out);
// Lists a threat (not the ko point, each point once, 20 at most) and keeps
// the best.
void KouDateAdd(Point p, int value);
// The cuts of O's one-space jumps and knight's moves of link grade 2 as
// threats.
void KouDateKankei();
// The ataris on O's living two-liberty chains as threats; stops once a
// threat is worth more than KouDateLimit.
void KouDateUtu();

// Stage 4: the ko shapes of the game board, then SelectKoho(160) when the
// table holds a candidate, else (0, 0).
void KouThink(Point& out);
// The ko at p, where the stone s (in atari, alone) can be taken: the owner
// of s fills, and ladders on the taker's two-liberty chains decide.
void KouYomi(Point p, Point s);
// The take at p: when the taker's stone can be put in atari and the owner's
// extension is then caught, p is worth half as much again as the taker's
// answer there.
void KouToruCheck(Point p, Point s);

// The mutual self-atari shapes of the game board (answers of the chain
// tactics, under the reason in force).
void KouKatachiAnswer();
// One shape: c's stone at p would be in atari; e, next to p, is as bad a
// point for the other colour.
void KouKatachi(Point p, Point e, int c);

// Back to start-up values.
void KouReset();

} // namespace vorn
