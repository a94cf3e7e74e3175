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

struct TKankeiBox;
class TGun;

// --- Per-decision state of the generators -----------------------------------------
void NozokiCheck();   // the peep table
// Peeps recorded at each point, by the colour that peeps: [colour][x][y].
extern Arr<Grid<std::uint8_t, 1, 19>, 1, 2> NozokiMap;
// The ko-threat search: its list, and the value of the best threat found.
extern int KouDateCount;
extern int KouDateValue;
// 1 while the group-relation patterns record pairs instead of candidates.
extern std::uint8_t GunKankeiPairMode;

// --- Relation handlers of the link generators ----------------------------------
// A is the stone whose relation to its partner B is threatened (B may lie on
// the border line for a link to the edge).  They add candidates and prepared
// answers under the current reason code and select nothing.
void Kankei5Utu(Point a, Point b);    // (2,2) diagonal
void Kankei6Utu(Point a, Point b);    // two-space jump
void Kankei7Utu(Point a, Point b);    // large knight's move
void Kankei8Utu(Point a, Point b);    // (2,3) shape
void Kankei10Utu(Point a, Point b);   // three-space jump
void Kankei11Utu(Point a, Point b);   // (1,4) shape
void Kankei13Utu(Point a, Point b);   // (3,3) diagonal
// Pattern families of the one-space jump (engine/links/IkkenRenraku.h): the
// wedge, the peep and the reading from outside it, a single opponent
// corner; and the dispatcher of a jump to the edge.
void IkkenWarikomi(TKankeiBox box);
void IkkenNozoki(TKankeiBox box);
void IkkenNozokiSoto(TKankeiBox box);
void IkkenKado1(TKankeiBox box);
void IkkenEdgeRenraku(Point a, Point b);
// Pattern families of the knight's move (engine/shapes/Keima.h routes to
// them): a stone of the attacker on a middle point of the box r, and stones
// of the attacker just outside it (d: the outer lines, dc their colours).
void KeimaWarikomi(std::span<const Point> r, std::span<const std::uint8_t> c, int att);
void KeimaSotoNaka(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att);
void KeimaSotoHane(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att);
void KeimaSotoHaneSicho(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc,
                        int att);
void KeimaSotoTuke(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att);
// Relation moves run at the end of the pair answers (reason 5); selects at
// 160 into out.
void Kankei4Think(Point& out);

// --- Generators, by stage --------------------------------------------------------
// Stage 2.
void SikatuUrgentThink(Point& out);
void SikatuThink();
void NozokiThink(Point& out);
void SemeaiThink();
// Stage 3.
void WeakGunThink(Point& out);
void WeakGunKankeiThink(Point& out);
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
// The weak-group unit's extension finders: the group's best extension
// point, and its first two-space extension along the third line; x <= 0 when
// there is none.
void GunHirogeruBest(const TGun& gun, Point& out);
void GunNikenHirogeru(const TGun& gun, Point& out);
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
// The ko unit's answers to mutual self-atari shapes.
void KouKatachiAnswer();

} // namespace vorn
