// Knight's-move answers to the attacker's stones outside the box.
//
// No attacker stone stands inside the knight's move; KeimaFree (Keima.h)
// hands the shape here by where the attacker stands just outside it: beside
// a middle point (KeimaSotoNaka), beyond a side point (KeimaSotoHane, then
// KeimaSotoHaneSicho), or touching a link stone from outside
// (KeimaSotoTuke).  Each reads both sides' first moves at the cutting points
// and adds one candidate: the owner's answer when the engine owns the link,
// the attacker's point when it attacks, under the caller's reason code.
//
// Every routine names the points after the side of the attacker's stone that
// set it off.  In the first orientation (the other is its half-turn image,
// cell i -> 5 - i of the box R and of the outer rows D alike):
//
//     Oa  Na  Sd  O1        Na = R[0]  the link stone on the attacker's side
//     Om  Mp  Mq  Oq        Sd = R[1]  beside Na
//     O4  Fd  Nb  Ob        Mp = R[2]  the middle point touching Na
//                           Mq = R[3]  the middle point touching Nb
//                           Fd = R[4]  beside Nb
//                           Nb = R[5]  the other link stone
//
// and the outer points Oa, O1, Om, Oq, O4, Ob = D[0] .. D[5].  The first
// orientation is taken when its trigger point holds the attacker (Om for the
// middle routines, O1 for the side routines, Oa for the contact routine).
//
// Every reading takes back exactly the moves that stood; a routine whose
// first move is refused adds nothing.
#pragma once

#include <cstdint>
#include <span>

#include "board/Point.h"

namespace vorn {

struct TSotoFrame {
    int own = 0, att = 0;
    bool mirror = false;
    Point Na, Sd, Mp, Mq, Fd, Nb;
    Point Oa, O1, Om, Oq, O4, Ob;

    // r: the knight's-move box (BetweenRows, cells 0..5), d its outer rows
    // (BetweenDiag).
    TSotoFrame(std::span<const Point> r, std::span<const Point> d, int att, bool mirror);
};

// The routers' entries: r the box, d the outer rows, dc their colours, att
// the attacker.  Each does nothing when its trigger point holds no attacker
// stone in either orientation.
// An attacker's stone beside a middle point (D[2], else D[3]).
void KeimaSotoNaka(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att);
// An attacker's stone beyond a side point (D[1], else D[4]).
void KeimaSotoHane(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att);
// The same stone, against the owner's two-liberty stone beyond Mq.
void KeimaSotoHaneSicho(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc,
                        int att);
// An attacker's stone touching a link stone from outside (D[0], else D[5]).
void KeimaSotoTuke(std::span<const Point> r, std::span<const Point> d, std::span<const std::uint8_t> dc, int att);

// --- Value arithmetic of the readings (the totals as added) ------------------------

// The owner's first value at Mp beside the attacker's stone: a gain of more
// than 25 counts a quarter.
int KeimaSotoNakaOwnerValue(int diff);
// The total of KeimaSotoNaka from the owner's value v and the attacker's k:
// halved when either is negative; when the cut does not work (noCut), 1 to 3
// become 2 t + 1 (2 more with the engine attacking) and 4 becomes 6; then 0
// becomes -1 and 2 becomes 4.
int KeimaSotoNakaTotal(int v, int k, bool noCut, bool engineAttacks);
// The total of KeimaSotoTuke: a negative total is doubled, and with the
// engine attacking it also carries its size as the bonus.
int KeimaSotoTukeTotal(int total, bool engineAttacks, int& bonus);

} // namespace vorn
