// The frame shared by the jump-link handlers.
//
// A jump link is two points A and B on one line, d = 2, 3 or 4 steps apart:
// the one-, two- and three-space jumps (relation kinds 3, 6 and 10).  A
// relation handler (A, B) lays a numbered box over the jump, reads its
// colours once, recognises the shape by where the opponent's stones stand,
// hands the box to a pattern routine, and that routine verifies the shape by
// short readings and adds candidates: the owner's defence when the engine
// owns the link, the breaking move when the opponent does.  The owner is the
// colour at A; B is only tested for lying off the board.
//
// The box (TKankeiBox), cell 3k + j: the point k steps from A toward B
// (k = 0..d), moved j - 1 across the line, so j = 0 is always the side of
// the smaller coordinate and j = 2 the larger.  A = [1], B = [3d + 1], the
// gap points lie between.  For the one-space jump:
//
//        j=0  j=1  j=2
//   A    [0]  [1]  [2]
//   gap  [3]  [4]  [5]
//   B    [6]  [7]  [8]
//
// The outer strip, cell 2k + j: the point k steps from A, two lines out on
// the smaller side (j = 0) or the larger side (j = 1).  For the one-space
// jump [0] [1] beside A, [2] [3] beside the gap, [4] [5] beside B.
//
// Using the frame in a pattern routine:
//  - Pattern routines take the box by value (TKankeiBox box): they may turn
//    or mirror their own copy.  Cells are tested with box.IsOpp(i),
//    box.IsOwn(i), box.IsAki(i); an off-board cell (colour kHen) is never
//    either colour.
//  - Role tables ("by the side of the opponent's stone") are written once for
//    one orientation and read through box.Idx(orient, k, j).
//  - Every trial sequence runs on a TYomiTrial (engine/Reading.h): each
//    "take back" of a routine is one t.Back(), which takes the move back
//    only when it stood, so a refused move is simply absent from what is
//    evaluated and never costs an earlier move.  TrialHyoka and SeqHyoka
//    play a short sequence, evaluate and take it back.  A trial unwinds on
//    every way out of its scope, so each reading starts from the position
//    its routine was given.
//  - Chains and groups are looked up by point after every move, take-back,
//    chain rebuild and evaluation; never keep a TRen or TGun across them.
//    Rebuild the chains (ToruRenMake) after trial moves before reading them.
//  - Output: KankeiKoho / KankeiKohoEx pick the owner's point or the
//    opponent's by JibunIro; bonus 0.
//  - The lookups of engine/Reading.h, TGoban's ...Pt queries, AtariMapAt and
//    KiriMapAt and the ones below are safe for points off the board.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "board/Array.h"
#include "board/Point.h"
#include "engine/Reading.h"

namespace vorn {

class TLocate;

constexpr int kBoxHigh = 14;  // the highest box cell (three-space jump)
constexpr int kStripHigh = 9; // the highest strip cell

// Orientations of a role table: kAcross mirrors the sides (j <-> 2 - j, in
// the strip j <-> 1 - j), kAlong runs from B's end (k <-> d - k).
enum : int { kOrientPlain = 0, kOrientAcross = 1, kOrientAlong = 2, kOrientBoth = 3 };

struct TKankeiBox {
    int D = 0;     // steps from A to B: 2, 3 or 4
    int High = -1; // highest box cell, 3d + 2
    Arr<Point, 0, kBoxHigh> Pt{};
    Arr<std::uint8_t, 0, kBoxHigh> Iro{};
    int StripHigh = -1; // highest strip cell, 2d + 1; -1 until KankeiStripMake
    Arr<Point, 0, kStripHigh> Strip{};
    Arr<std::uint8_t, 0, kStripHigh> StripIro{};
    int Own = -1; // the owner of the link: the colour at [1]; -1 without a stone there
    int Opp = -1; // Own xor 3 (-1 likewise)

    Point operator[](int i) const { return Pt[Cell(i)]; }
    bool IsOpp(int i) const { return Iro[Cell(i)] == Opp; }
    bool IsOwn(int i) const { return Iro[Cell(i)] == Own; }
    bool IsAki(int i) const { return Iro[Cell(i)] == kAki; }
    bool IsHen(int i) const { return Iro[Cell(i)] == kHen; }
    bool StripOpp(int i) const { return StripIro[StripCell(i)] == Opp; }
    bool StripOwn(int i) const { return StripIro[StripCell(i)] == Own; }
    // The engine is the opponent of the link (JibunIro = Opp): it gets the
    // breaking point, otherwise the owner's point (AddKohoSide's rule).
    bool EngineAttacks() const;

    // Box cell k steps from A, side j, under an orientation.
    int Idx(int orient, int k, int j) const;
    // Strip cell k steps from A, side j (0 or 1), under an orientation.
    int StripIdx(int orient, int k, int j) const;

private:
    int Cell(int i) const;
    int StripCell(int i) const;
};

// --- Building -------------------------------------------------------------------

// The box of the jump a-b and its colours on the current board; owner :=
// colour at a (none when a holds no stone).  False when a and b are not 2 to
// 4 steps apart on one line.
bool KankeiBoxMake(Point a, Point b, TKankeiBox& box);
// Reads the colours of every box cell again.
void KankeiBoxColours(TKankeiBox& box);
// The outer strip from `from` toward `to` (usually box[1] and box[3d + 1];
// at the edge, from the stone toward the off-board end) and its colours.
void KankeiStripMake(TKankeiBox& box, Point from, Point to);

// The edge turn, for a jump whose A lies off the board: row 0 takes row d's
// points and colours, rows k and d - k exchange for 0 < k < d - k, the last
// row keeps its own.  The stone then stands at [1], the rows run from it
// toward the edge, and the owner is taken from [1].
void KankeiEdgeTurn(TKankeiBox& box);
// Mirror across the line: [3k] <-> [3k + 2] (the box only).
void KankeiMirrorBox(TKankeiBox& box);
// Mirror of the strip: [2k] <-> [2k + 1].
void KankeiMirrorStrip(TKankeiBox& box);

// --- Entering a handler ------------------------------------------------------------

// Local-mode gate: while the look-ahead runs (InSakiyomi = 1), true only when
// some box cell 0..high that lies on the board is in YomiArea; always true
// otherwise.
bool KankeiInArea(const TKankeiBox& box, int high);

// The dispatcher prologue of the jump handlers.  When a or b lies off the
// board it calls edge(a, b) and answers false.  Otherwise it builds the box,
// applies the local-mode gate over every box cell and answers true when the
// dispatch should go on (never for an a that holds no stone).
using TKankeiEdge = void (*)(Point a, Point b);
bool KankeiPrologue(Point a, Point b, TKankeiEdge edge, TKankeiBox& box);

// --- First-match dispatch ------------------------------------------------------

// A set of cells as bits: box cell i is bit i, strip cell i bit 16 + i.
constexpr std::uint32_t BoxCells(std::initializer_list<int> cells)
{
    std::uint32_t m = 0;
    for (int i : cells)
        m |= 1u << i;
    return m;
}
constexpr std::uint32_t StripCells(std::initializer_list<int> cells)
{
    std::uint32_t m = 0;
    for (int i : cells)
        m |= 1u << (16 + i);
    return m;
}

// One test of a dispatch table: it holds when, for one of its alternatives,
// every cell holds the opponent.  Unused alternatives are 0.
struct TKankeiTest {
    std::uint32_t Alt[4];
};

// The cells (box and strip as made) that hold the opponent.
std::uint32_t KankeiOppCells(const TKankeiBox& box);
// The index of the first test that holds; tests.size() when none does.
int KankeiFirstMatch(const TKankeiBox& box, std::span<const TKankeiTest> tests);

// --- Trial sequences --------------------------------------------------------------

struct TTe {
    int Iro;
    Point Pt;
};

// Plays the moves on top of the trial (results not tested), evaluates the
// position for colour c and takes back exactly what these moves put on.
int TrialHyoka(TYomiTrial& t, int c, std::initializer_list<TTe> moves);
// The same from the current position, with a trial of its own.
int SeqHyoka(int c, std::initializer_list<TTe> moves);
// c plays the first two moves s1, s2 of a stored ladder sequence: s2 only
// when it is a board point (a one-move sequence has none).  Both are
// recorded as tries either way, so two Back() calls take them back.
void TrialSichoPair(TYomiTrial& t, int c, Point s1, Point s2);
// The first two moves of the ladder sequence stored in the chain at p
// ((0, 0) where there is none).
void SichoFirstTwo(Point p, Point& s1, Point& s2);

// --- Lookups safe off the board -----------------------------------------------------

// Liberties of the chain at p on the current board; 0 when there is none.
int RenKuu(Point p);
// Liberty i (from 1) of the chain at p; (0, 0) when there is none.
Point RenKuuPt(Point p, int i);
// The relation record of p on the current board; nullptr off the board.
const TLocate* KankeiLocateAt(Point p);

// --- Output -------------------------------------------------------------------------

// Adds ownPt when the engine is the owner, else oppPt, with bonus 0 under
// the reason in force; nothing for (0, 0).
void KankeiKoho(const TKankeiBox& box, Point ownPt, Point oppPt, int value);
// The same with a reason and related point of its own.
void KankeiKohoEx(const TKankeiBox& box, Point ownPt, Point oppPt, int value, std::uint8_t reason, Point rel);

} // namespace vorn
