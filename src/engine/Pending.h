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
void Kankei11Utu(Point a, Point b);   // (1,4) shape
void Kankei13Utu(Point a, Point b);   // (3,3) diagonal
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
void SemeaiThink();
// Stage 4.
void Center19Think(Point& out);
void KouThink(Point& out);
// Stages 6 and 7.
void KankeiHokyo(int kind, Point& out);
void KeimaOgeimaHokyo(Point& out);
void KeimaHokyo(Point& out);

// --- Called by generators -----------------------------------------------------------
// Invasions between two-space links of the opponent (adds only).
void NikenUtikomiThink();

// --- Refinements of the choice -------------------------------------------------
void Sakiyomi(Point p, Point& out);
void KouDate(int limit, Point& out);

// --- Readings of other units ---------------------------------------------------------
// The ko unit's answers to mutual self-atari shapes.
void KouKatachiAnswer();

} // namespace vorn
