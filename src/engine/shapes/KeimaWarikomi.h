// Knight's-move cut-through answers.
//
// The attacker has pushed a stone into one of the two middle points of a
// knight's move (the wedge, W) and threatens to cut through at the other (G).
// KeimaWarikomi marks the points concerned, settles the shapes where the
// wedge stone itself is short of liberties, hands the shapes with stones just
// outside the box to their readings, and otherwise reads the cut at G from
// both sides: the owner's block (at G, or the hane at H1) against the
// attacker's cut.  The owner's point goes to the table when the engine owns
// the link, the attacker's when it attacks; the reason code is the caller's,
// except for the atari from outside, which carries code 3.
//
// The wedge frame names the box after the middle point the wedge stands on.
// With the wedge at R[2] (the other placement is its half-turn image, cell
// i -> 5 - i, in the box and in the outer rows DD alike):
//
//      Y_N                         Nn = R[0]   the link stone touching W
//      DD[0]  Nn  H1  E_H   V       H1 = R[1]   beside Nn and G
//      DD[2]  W   G   E_G           W  = R[2]   the wedge
//             H2  Dd  E_D           G  = R[3]   where the cut is completed
//                 Y1               H2 = R[4]   beside W and Dd
//                                  Dd = R[5]   the other link stone
//
// E_G, E_D and E_H are the outer points beside G, Dd and H1 (DD[3], DD[5],
// DD[1]); V lies beyond H1 on its line, Y1 beyond Dd, Y2 beyond H2, Y_N
// beyond Nn, and E_Y beyond E_H on the outer line.
//
// Every reading takes back exactly the moves that stood; a reading whose
// first move is refused adds nothing.
#pragma once

#include <cstdint>
#include <span>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

struct TWariFrame {
    int own = 0, att = 0;
    bool atR3 = false; // the wedge stands on R[3]: the half-turn image
    Point W, G, Nn, Dd, H1, H2;
    Arr<Point, 0, 5> DD{};
    int iG = 0, iD = 0, iH = 0; // E_G, E_D and E_H as cells of DD
    Point EG, ED, EH;
    Point V, Y1, Y2, YN, EY;

    // r: the knight's-move box of a pair (BetweenRows, cells 0..5).
    TWariFrame(std::span<const Point> r, int att, bool atR3);
};

// The router and the main cut reading: r the box, c its colours, att the
// attacker (the colour on R[2], else on R[3]; nothing when neither).
void KeimaWarikomi(std::span<const Point> r, std::span<const std::uint8_t> c, int att);

// The double atari of colour's play at p: the smaller value of the two
// orders of the opponent's extension and colour's capture; -1 when the play
// is refused, leaves its own chain in atari or does not put exactly two
// liberties of the opponent's chains in atari.
int KeimaWariRyoAtari(int colour, Point p);

// --- Value arithmetic of the readings (the totals as added) ----------------------

// The main reading: v + va, 6 more above 15; with the engine owning the link
// and the wedge the game's last move, 10 more above 20.
int KeimaWariTotal(int total, bool engineOwns, bool wedgeIsLast);
// The owner's block beside E_G when the attacker's hane gains twice as much
// as the cut: with the engine attacking 2 t + 2 up to 3, else t + 3; with the
// engine owning, 2 becomes 5.  Only positive totals change.
int KeimaWariExtraTotal(int total, bool engineAttacks);
// The owner's stone at E_H: small positive totals doubled for the attacker
// and raised by half for the owner, then 4 more above 12.
int KeimaWariHaneTotal(int total, bool engineAttacks);

} // namespace vorn
