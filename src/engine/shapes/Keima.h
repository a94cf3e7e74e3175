// Knight's-move links: the dispatcher of the relation kind 4 and the value of
// the opponent's contact play against a knight's move.
//
// Two stones A and B of one colour a knight's move apart.  The box R steps
// along the long side from A to B, R[2k] on A's line and R[2k + 1] on B's
// line; the outer rows D are the lines one step beyond A's line (even cells)
// and beyond B's line (odd cells):
//
//     D[0]  R[0]=A  R[1]  D[1]        R[2], R[3]  the middle points, where
//     D[2]  R[2]    R[3]  D[3]                    the link is cut
//     D[4]  R[4]    R[5]=B D[5]       R[1], R[4]  the side points
//
// KeimaRenraku hands the pair by where the opponent stands: on a middle point
// (the cut-through answers), touching A or B from the side (the contact
// answers, KeimaTuke.h), or outside the box only (KeimaFree).
//
// The contact frame names the box after the side on which the attacker
// touches.  With the attacker at R[1] (the other placement is its half-turn
// image, cell i -> 5 - i):
//
//     S = R[0]  the touched stone       Z   = D[0]  behind S, away from T
//     T = R[1]  the contact stone       X   = D[1]  beyond T, away from S
//     M = R[2]  middle point beside S   E_M = D[2]  outside M
//     N = R[3]  middle point beside T   E_N = D[3]  outside N
//     F = R[4]  beside O on S's line    E_F = D[4]  outside F
//     O = R[5]  the other stone         W   = D[5]  outside O
//
// and, one step further along the lines (StepBeyond): Y behind S and Y2 one
// more along S's line, U behind T along T's line, Q beyond F along S's line,
// X2 two lines outside T, N2 two lines outside N.
#pragma once

#include <cstdint>
#include <span>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// The knight's-move box of a pair and its outer rows, with the colours of
// the current board (3 off the board).
struct TKeimaBox {
    Arr<Point, 0, 5> R{};
    Arr<Point, 0, 5> D{};
    Arr<std::uint8_t, 0, 5> c{};
    Arr<std::uint8_t, 0, 5> d{};
    int own = 0; // colour of A
    int att = 0; // own xor 3 (0 when A holds no stone)

    TKeimaBox(Point a, Point b);
    std::span<const Point> Rs() const { return {R.begin(), 6}; }
    std::span<const Point> Ds() const { return {D.begin(), 6}; }
    std::span<const std::uint8_t> Cs() const { return {c.begin(), 6}; }
    std::span<const std::uint8_t> Dc() const { return {d.begin(), 6}; }
};

// The contact frame of a box: by default the attacker at R[1] (R[4] when
// atR4), as the table above.
struct TKeimaFrame {
    int own = 0, att = 0;
    bool atR4 = false;
    Point S, T, M, N, F, O, X, Z, EM, EN, EF, W;
    Point Y, Y2, U, Q, X2, N2;

    TKeimaFrame(const TKeimaBox& box, bool atR4);
    // The frame of the side the attacker touches: R[1] first.
    static TKeimaFrame Of(const TKeimaBox& box) { return TKeimaFrame(box, box.c[1] != box.att); }
};

// The handler of a knight's move a-b (kind 4).
void KeimaRenraku(Point a, Point b);

// The router of the shapes with the attacker's stones outside the box only.
void KeimaFree(std::span<const Point> r, int att);

// The attacker's value of pushing in at the middle point after a contact
// beside a or b (at R[1], else taken to be at R[4]); 0 when the shape does
// not apply.  Adds no candidate and leaves the boards as found.
int KeimaTukeUtu(Point a, Point b);

} // namespace vorn
