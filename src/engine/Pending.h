// Calls into units that are not in the program yet.  Each does nothing until
// its unit lands (a generator with an out point leaves (0, 0) there, so its
// stage yields nothing); the unit's author then deletes the no-op from
// Pending.cpp and moves the declaration to the unit's own header.
#pragma once

#include <cstdint>
#include <span>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TGun;
struct TKankeiBox;
class TGun;

// --- Per-decision state of the generators -----------------------------------------
// The ko-threat search: its list, and the value of the best threat found.
extern int KouDateCount;
extern int KouDateValue;

// --- Relation handlers of the link generators ----------------------------------
// A is the stone whose relation to its partner B is threatened (B may lie on
// the border line for a link to the edge).  They add candidates and prepared
// answers under the current reason code and select nothing.
void Kankei5Utu(Point a, Point b);    // (2,2) diagonal
void Kankei7Utu(Point a, Point b);    // large knight's move
void Kankei8Utu(Point a, Point b);    // (2,3) shape
void Kankei10Utu(Point a, Point b);   // three-space jump
void Kankei11Utu(Point a, Point b);   // (1,4) shape
void Kankei13Utu(Point a, Point b);   // (3,3) diagonal
// Pattern families of a one-space jump to the edge
// (engine/links/IkkenEdgeRenraku.h): the opponent's stone beside the owner's
// stone and its reading.
void IkkenEdgeTuke(TKankeiBox box);
void IkkenEdgeTukeYomi(TKankeiBox box);
// The dispatcher of a two-space jump to the edge (one end off the board).
void Kankei6EdgeUtu(Point a, Point b);

// --- Generators, by stage --------------------------------------------------------
// Stage 2.
void SikatuUrgentThink(Point& out);
void SikatuThink();
void SemeaiThink();
// Stage 3.
void WeakGunKankeiThink(Point& out);
void Kankei34Think(Point& out);
void JiUtikomiThink();
void AiteKankeiThink();
void GunKankeiThink(int n, Point& out);
// Stage 4.
void Center19Think(Point& out);
void KouThink(Point& out);
void IkiGunKankeiThink(Point& out);
// Stages 6 and 7.
void KankeiHokyo(int kind, Point& out);
void Kankei6Think(Point& out);
void KeimaOgeimaHokyo(Point& out);
void KeimaHokyo(Point& out);

// --- Called by generators -----------------------------------------------------------
// A two-space extension along line 3 from the group of a stone on line 3, or a
// jump to line 5, where nothing stands within three lines; (0, 0) when none.
void HirakiTobiTe(Point stone, Point& out);
// Invasions between two-space links of the opponent (adds only).
void NikenUtikomiThink();
// The group-relation patterns of every stone of a group (n: the least value
// a pattern keeps).  While GunKankeiPairMode is 1 they record pairs with
// AddKohoPair instead of adding candidates.
void KankeiGunUtu(const TGun& g, int n);
// The patterns of one relation between the related point a and our stone b,
// by relation kind; weak is passed as 1 by the weak-group generator.
void GunKankei1Utu(Point a, Point b);
void GunKankei2Utu(Point a, Point b);
void GunKankei3Utu(Point a, Point b, int weak);
void GunKankei4Utu(Point a, Point b);
void GunKankei5Utu(Point a, Point b);
void GunKankei6Utu(Point a, Point b);
void GunKankei7Utu(Point a, Point b, int weak);
void GunKankei8Utu(Point a, Point b);

// --- Refinements of the choice -------------------------------------------------
void Sakiyomi(Point p, Point& out);
void KouDate(int limit, Point& out);

// --- Readings of other units ---------------------------------------------------------
// The ko unit's answers to mutual self-atari shapes.
void KouKatachiAnswer();

} // namespace vorn
