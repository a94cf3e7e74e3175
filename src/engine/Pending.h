// Calls into units that are not in the program yet.  Each does nothing until
// its unit lands (a generator with an out point leaves (0, 0) there, so its
// stage yields nothing); the unit's author then deletes the no-op from
// Pending.cpp and moves the declaration to the unit's own header.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// --- Per-decision state of the generators -----------------------------------------
void NozokiCheck();   // the peep table
// Peeps recorded at each point, by the colour that peeps: [colour][x][y].
extern Arr<Grid<std::uint8_t, 1, 19>, 1, 2> NozokiMap;
void LinkMarkClear(); // the link-mark boards
// Points the link handlers have dealt with: the chain tactics skip those
// marked in LinkMark2 and mark their escapes in LinkMark1.
extern Grid<std::uint8_t, 1, 19> LinkMark2;
void LinkMark1Set(Point p, int value);
// The ko-threat search: its list, and the value of the best threat found.
extern int KouDateCount;
extern int KouDateValue;
// 1 while the group-relation patterns record pairs instead of candidates.
extern std::uint8_t GunKankeiPairMode;

// --- Generators, by stage --------------------------------------------------------
// Stage 2.
void SikatuUrgentThink(Point& out);
void PairAnswer(Point& out);
void SikatuThink();
void NozokiThink(Point& out);
void SemeaiThink();
// Stage 3.
void WeakGunThink(Point& out);
void WeakGunKankeiThink(Point& out);
void EmptyThink(Point& out);
void Kankei34Think(Point& out);
void JiUtikomiThink();
void AiteKankeiThink();
void GunKankeiThink(int n, Point& out);
// Stage 4.
void Center19Think(Point& out);
void KouThink(Point& out);
void IkiGunKankeiThink(Point& out);
// Stage 5.
void JiThink(Point& out);
void GunJiThink(Point& out);
// Stages 6 and 7.
void KankeiHokyo(int kind, Point& out);
void Kankei6Think(Point& out);
void KeimaOgeimaHokyo(Point& out);
void KeimaHokyo(Point& out);
// Stage 8.
void LastThink(Point& out);
void YoseThink(Point& out);

// --- Called by generators -----------------------------------------------------------
// A two-space extension along line 3 from the group of a stone on line 3, or a
// jump to line 5, where nothing stands within three lines; (0, 0) when none.
void HirakiTobiTe(Point stone, Point& out);
// Invasions between two-space links of the opponent (adds only).
void NikenUtikomiThink();

// --- Refinements of the choice -------------------------------------------------
void KosumiKankeiUtu(Point& out);
void Sakiyomi(Point p, Point& out);
void KouDate(int limit, Point& out);

// --- Readings of other units ---------------------------------------------------------
// The value for c of cutting at `cut` between the other colour's stones a and
// b; -1 (no cut) until the shape-link generators land.
int KiriHyoka(int c, Point cut, Point a, Point b);
// The ko unit's answers to mutual self-atari shapes.
void KouKatachiAnswer();

} // namespace vorn
