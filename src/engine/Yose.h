// The endgame: values of the boundary points of a settled position, and the
// two link-mark boards that the link handlers, the chain tactics and the
// endgame scans share.
//
// YoseThink is the last generator of the move choice (stage 8, after the last
// moves).  A point's value is, as a rule, what the engine gains by playing it
// plus what the opponent gains by playing it, raised when one side's move is
// sente (its follow-up is worth more than twice the gain).  Candidates carry
// reason kkYose.  When nothing reaches score 10, fallbacks at score 0 remove
// dead stones from our territory, mend false eyes and fill the liberties of a
// capturing race; with nothing left at all the engine passes.
//
// Values persist from one decision to the next in a per-point cache, one for
// each colour the engine plays (the sente rules are one-sided, so a value is
// only good for the side that stored it).  The shell clears the cache at the
// start of a game and after moves are deleted or taken back, and invalidates
// it around every move played.  A cell is filled only with a value of 0 or
// more: negative values are read again at the next decision.
//
// In the comments J is the engine's colour (JibunIro) and O the opponent's.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TRen;

// --- Link marks -----------------------------------------------------------------

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

// --- The cache ---------------------------------------------------------------------

// [colour][x][y]: the value (-1 for an empty cell) and the bonus of the
// candidate last stored at the point for that engine colour.  The bonus is
// kept as the candidate table clamps it, so it reads back as added.
extern Arr<Grid<int, 1, 19>, 1, 2> YoseCacheValue;
extern Arr<Grid<int, 1, 19>, 1, 2> YoseCacheBonus;
// 0 after YoseCacheClear, 1 once YoseThink has run its scans.
extern std::uint8_t YoseCacheValid;

// Empties both colours' caches (game start, moves deleted or taken back).
void YoseCacheClear();
// After a move at p on the game board (analysed): forgets the 5x5 square
// around it and the zero values on the liberties of the three-liberty chains
// next to it.  Nothing before the first YoseThink.
void YoseCacheInvalidate(Point p);
// Stores (value, bonus) at p for the engine's colour and adds the candidate.
void YoseCacheStore(Point p, int value, int bonus);
// The engine colour's filled cell at p.
bool YoseCacheGet(int colour, Point p, int& value, int& bonus);

// --- The generator -------------------------------------------------------------------

// Stage 8: the scans, then SelectKoho(10); when that finds nothing, the
// fallback scans and SelectKoho(0).
void YoseThink(Point& out);

// The colour may play at p on the game board, and not into atari.
bool CanUtu(int colour, Point p);

// The scans over the game board, in their order.
void YoseLinkMark();
void YoseStoneThink();
void YoseBorderThink();
void YoseDameThink();
void YoseKamoThink();
// The fallbacks.
void YoseDeathThink();
void YoseKakemeThink();
void YoseSemeaiThink();

// Link marks of the endgame: the gap of a one-space jump the opponent
// already presses on, the two middle points of an open knight's move.
void YoseIkkenMark(Point a, Point b);
void YoseKeimaMark(Point a, Point b);

// --- Values of one point ------------------------------------------------------------

// A point between both colours (a dame or a boundary point).
void YoseValue(Point p);
// A point where either colour ataris a chain.
void YoseAtariValue(Point p);
// A point next to our living group and close to the opponent.
void YoseBorderValue(Point p);
// A point touching exactly one stone, of colour s.
void YoseOneStone(Point p, int s);
// A point touching two stones, both of colour s.
void YoseTwoStone(Point p, int s);
void YoseTwoStoneAtari(Point p, int s);

// --- Readings, after a stone was played at p ---------------------------------------

// The best follow-up of that stone against the chains next to it (a capture
// or a ladder), halved; its point in q ((0, 0) when none).
int YoseFollowUp(Point p, Point& q);
// 1 when a chain of colour e next to p has two liberties, one of them
// diagonal to p with two or more empty neighbours.
int YoseDameCheck(Point p, int e);
// 1 when the other colour can turn the stone's short chain into a ladder
// (and adds p with bonus 1 when it is the engine's stone).
int YoseSichoTrap(Point p);
// The other colour's hane between two of its stones diagonal to p; (0, 0)
// when none.
Point YoseOsaePoint(Point p);
// g raised when the stone ataris a chain of the other colour or starts a
// ladder against one.
int YoseAtariBonus(Point p, int g);
// Some group of the engine's colour next to p on the game board lives.
bool YoseIkiGunCheck(Point p);
// p is adjacent or diagonal to an opponent stone on the game board.
bool AiteNearCheck(Point p);
// 1 when the chain has two liberties and the ladder captures it.
int Ren2SichoCheck(TRen* ren);

// Back to start-up values.
void YoseReset();

} // namespace vorn
