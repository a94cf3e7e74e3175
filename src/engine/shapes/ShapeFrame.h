// The frame shared by every relation-shape handler: the handlers of the
// diagonal (kind 2), knight's-move (4), (2,2) (5), (1,3) (7), (2,3) (8), (1,4)
// (11) and (3,3) (13) relations between two stones A and B.
//
// A handler is given the pair (A, B), A being the stone whose owner the
// relation belongs to.  It runs these steps, and this unit gives one tool
// for each:
//
//   1. own := colour of A, opp := own xor 3                 TShape
//   2. lay the kind's box over the pair, read its colours   TShape
//   3. the local-mode gate                                  TShape::Gate
//   4. guards on the chains of A and B                      TShape::Kuu
//   5. dispatch on the first cell that holds opp            TShape::FirstOpp
//   6. read short fixed sequences                           TShapeYomi
//   7. add the candidate by the one output rule             TShape::Add
//
// and a pattern written once runs over its mirror image through a role view
// (TRole), which renames the box cells by a permutation.
//
// Sketch of a handler and a pattern written once for both placements:
//
//     bool Pattern(const TRole& r)           // cells named as in the shape
//     {
//         if (r.c(2) != r.Opp())
//             return false;                  // not this placement
//         TShapeYomi y;                      // Stop: a refused move ends it
//         if (!y.Play(r.Own(), r.R(3)))
//             return true;                   // first move refused: nothing
//         const int e = y.Score(r.Own());
//         y.BackAll();
//         r.Shape().Add(r.R(3), r.R(4), e);  // owner's point, attacker's
//         return true;
//     }
//
//     void KankeiNUtu(Point a, Point b)
//     {
//         const TShape s(N, a, b);
//         if (!s.Valid() || !s.Gate() || s.Kuu(0) == 1)
//             return;
//         static constexpr TPerm kMirror = ReversePerm(5);
//         if (!Pattern(TRole(s, kIdentity)))    // first placement first
//             Pattern(TRole(s, kMirror));
//     }
//
// Boxes by kind (builders in board/Between.h; A and B are cells of the box):
//
//   kind  shape      box                                high  A    B     gate cells
//   2     diagonal   [0] A, [1] C1, [2] C2, [3] B         3   [0]  [3]   [2] when empty
//   4     knight     BetweenRows                          5   [0]  [5]   [0]..[5]
//   5     (2,2)      BetweenWide                          8   [0]  [8]   [0]..[8]
//   7     (1,3)      BetweenRows + outer BetweenDiag      7   [0]  [7]   [0]..[7]
//   8     (2,3)      BetweenWide                         11   [0]  [11]  [1]..[10]
//   11    (1,4)      BetweenRows + outer BetweenDiag      9   [0]  [9]   [1]..[8]
//   13    (3,3)      BetweenBox4                         15   [0]  [15]  [1]..[14]
//
// For the diagonal, C1 is the crossing point that holds a stone ((A.x, B.y)
// when that point is occupied, else (B.x, A.y)) and C2 the other one, the
// cutting point.
//
// Colours are read once, when the shape is made, with the board's GetIroPt:
// 0 empty, 1 black, 2 white, 3 off the board.  A cell off the board reads 3,
// so it is never empty, own or opp; look such a point up in a per-point table
// only through the ...Pt lookups that are safe off the board.  Readings look
// at the board as it stands (TGoban::GetIroPt), not at the colours read here.
//
// Everything here is plain data on the stack: no state between calls, no
// allocation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

#include "board/Array.h"
#include "board/Point.h"
#include "engine/Reading.h"

namespace vorn {

class TRen;

// The largest box: the 4 x 4 square of the (3,3) shape.
constexpr int kShapeBoxHigh = 15;
using TBoxPoints = Arr<Point, 0, kShapeBoxHigh>;
using TBoxIro = Arr<std::uint8_t, 0, kShapeBoxHigh>;

// --- Box table ---------------------------------------------------------------

enum class TBoxBuilder : std::uint8_t { Cross, Rows, Wide, Box4 };

struct TBoxSpec {
    int kind;
    TBoxBuilder builder;
    int high;         // highest cell index
    bool outer;       // the two lines outside the rows (BetweenDiag) as well
    int gateLo;       // the gate cells gateLo..gateHi
    int gateHi;
    bool gateEmpty;   // only a gate cell that is empty counts
};

inline constexpr TBoxSpec kBoxSpecs[] = {
    {2, TBoxBuilder::Cross, 3, false, 2, 2, true},
    {4, TBoxBuilder::Rows, 5, false, 0, 5, false},
    {5, TBoxBuilder::Wide, 8, false, 0, 8, false},
    {7, TBoxBuilder::Rows, 7, true, 0, 7, false},
    {8, TBoxBuilder::Wide, 11, false, 1, 10, false},
    {11, TBoxBuilder::Rows, 9, true, 1, 8, false},
    {13, TBoxBuilder::Box4, 15, false, 1, 14, false},
};

// The box of a relation kind; nullptr for a kind without a shape handler.
const TBoxSpec* BoxSpecOf(int kind);

// --- The shape context -----------------------------------------------------------

class TShape {
public:
    // Lays the kind's box from a toward b and reads its colours on the board
    // of the current level.  A kind without a box gives an empty shape (not
    // Valid).
    TShape(int kind, Point a, Point b);

    int Kind() const { return kind_; }
    Point A() const { return a_; }
    Point B() const { return b_; }
    // The owner (colour of A) and the attacker.
    int Own() const { return own_; }
    int Opp() const { return opp_; }
    // A holds a stone and the kind has a box.
    bool Valid() const { return spec_ != nullptr && (own_ == 1 || own_ == 2); }
    const TBoxSpec& Spec() const;

    int High() const { return spec_ == nullptr ? -1 : spec_->high; }
    // Cell i of the box and its colour; an index above High is a range error.
    Point R(int i) const { return box_[Cell(i)]; }
    int c(int i) const { return iro_[Cell(i)]; }
    // The outer lines (kinds 7 and 11), cell for cell with R.
    bool HasOuter() const { return spec_ != nullptr && spec_->outer; }
    Point D(int i) const { return outer_[OuterCell(i)]; }
    int d(int i) const { return outerIro_[OuterCell(i)]; }

    // The box and its colours as open arrays (cells 0..High), for pattern
    // routines that take them.
    std::span<const Point> Box() const;
    std::span<const std::uint8_t> Iro() const;
    std::span<const Point> Outer() const;
    std::span<const std::uint8_t> OuterIro() const;

    // The local-mode gate: true outside the root look-ahead, and inside it
    // when a gate cell of the kind is on the board and in YomiArea.
    bool Gate() const;
    // The same over cells of the caller's choice.
    bool GateCells(std::span<const int> cells) const;

    // The first of the cells, in the order given, that holds opp; -1 when
    // none does.
    int FirstOpp(std::span<const int> cells) const;
    int FirstOpp(std::initializer_list<int> cells) const
    {
        return FirstOpp(std::span<const int>(cells.begin(), cells.size()));
    }

    // The first of a pattern's role rows, in order, whose cell `at` holds
    // opp; nullptr when none does.
    template <class Row, std::size_t N>
    const Row* FirstOppRow(const Row (&rows)[N], int Row::*at) const
    {
        for (const Row& r : rows)
            if (opp_ != 0 && c(r.*at) == opp_)
                return &r;
        return nullptr;
    }

    // The chain at cell i on the current board (nullptr when none), and its
    // liberties (0 when none).
    TRen* Ren(int i) const;
    int Kuu(int i) const;

    // The output rule: ownerPt when the engine owns the relation (JibunIro =
    // own), else attackerPt; AddKoho under the reason code in force, bonus 0.
    void Add(Point ownerPt, Point attackerPt, int value) const;

private:
    int Cell(int i) const;
    int OuterCell(int i) const;

    const TBoxSpec* spec_ = nullptr;
    int kind_ = 0;
    Point a_, b_;
    int own_ = 0;
    int opp_ = 0;
    TBoxPoints box_{};
    TBoxIro iro_{};
    TBoxPoints outer_{};
    TBoxIro outerIro_{};
};

// --- Roles -------------------------------------------------------------------

// A renaming of box cells: cell i of a role view is cell to[i] of the box.
struct TPerm {
    Arr<std::int8_t, 0, kShapeBoxHigh> to;
    constexpr int operator[](int i) const { return to[i]; }
};

constexpr TPerm IdentityPerm()
{
    TPerm p{};
    for (int i = 0; i <= kShapeBoxHigh; ++i)
        p.to[i] = static_cast<std::int8_t>(i);
    return p;
}

// i -> high - i: the half turn that exchanges A and B in a rows, wide or
// square box (and in the outer lines with the rows).
constexpr TPerm ReversePerm(int high)
{
    TPerm p = IdentityPerm();
    for (int i = 0; i <= high; ++i)
        p.to[i] = static_cast<std::int8_t>(high - i);
    return p;
}

// The (2,2) box reflected in the line through A and B: 3k + j -> 3j + k,
// so [1] <-> [3], [2] <-> [6], [5] <-> [7].
constexpr TPerm TransposePerm3()
{
    TPerm p = IdentityPerm();
    for (int k = 0; k < 3; ++k)
        for (int j = 0; j < 3; ++j)
            p.to[3 * k + j] = static_cast<std::int8_t>(3 * j + k);
    return p;
}

// A strip of three columns (BetweenStrip3) reflected in its middle line:
// 3k + j -> 3k + 2 - j.
constexpr TPerm ColumnSwapPerm3(int high)
{
    TPerm p = IdentityPerm();
    for (int i = 0; i <= high; ++i)
        p.to[i] = static_cast<std::int8_t>(i - i % 3 + 2 - i % 3);
    return p;
}

inline constexpr TPerm kIdentity = IdentityPerm();

// A view of a shape through a renaming of its cells.  Patterns are written
// once over a view and run with the identity first, then the mirror.
class TRole {
public:
    TRole(const TShape& s, const TPerm& p) : s_(s), p_(p) {}

    const TShape& Shape() const { return s_; }
    int Own() const { return s_.Own(); }
    int Opp() const { return s_.Opp(); }
    // The box index of the view's cell i.
    int Cell(int i) const { return p_[i]; }
    Point R(int i) const { return s_.R(p_[i]); }
    int c(int i) const { return s_.c(p_[i]); }
    Point D(int i) const { return s_.D(p_[i]); }
    int d(int i) const { return s_.d(p_[i]); }
    TRen* Ren(int i) const { return s_.Ren(p_[i]); }
    int Kuu(int i) const { return s_.Kuu(p_[i]); }

private:
    const TShape& s_;
    TPerm p_;
};

// --- The reader ------------------------------------------------------------------

// What a line does when the board refuses one of its moves.  Either way the
// refused move is not played and so never taken back.
enum class TRefusal : std::uint8_t {
    Stop, // the line ends: nothing more is played until it is taken back
    GoOn, // the line goes on, and the score reads the board it reached
};

struct TYomiMove {
    int c;
    Point p;
};

// The scoped reader of the shape patterns.  It remembers every move it tried
// and whether it stood, takes back exactly the moves that stood (Back, BackTo
// or when it goes out of scope), and never a move of its caller.
//
// Play follows the look-ahead protocol: the first move at the game board
// opens level 1, later moves stay on the current level (a pass goes in
// when the same colour plays twice); PushPlay always opens a new level.
class TShapeYomi {
public:
    explicit TShapeYomi(TRefusal policy = TRefusal::Stop) : policy_(policy) {}
    TShapeYomi(const TShapeYomi&) = delete;
    TShapeYomi& operator=(const TShapeYomi&) = delete;

    // c plays p; false when the board refused it or the line has stopped.
    // Play rebuilds the chains of the level it played on.
    bool Play(int c, Point p);
    bool PushPlay(int c, Point p);
    // A move of the line was refused under Stop.
    bool Stopped() const { return stopAt_ >= 0; }
    // The line's first move was refused.
    bool FirstRefused() const { return firstRefused_; }
    // How many of the tries stood (are on the board now).
    int Stood() const { return trial_.Stood(); }

    // Forgets the last try (taking it back when it stood); BackTo keeps the
    // first n tries.
    void Back();
    void BackTo(int n);
    void BackAll() { BackTo(0); }
    int Tries() const { return trial_.Tries(); }

    // Hyoka(c) of the position reached.
    int Score(int c) const;
    // The same, but 0 when the reading stands at the game board (none of its
    // moves stood): the position of the decision is what Hyoka measures
    // from, and the game board's analysis is left alone.
    int ScoreReached(int c) const;
    // Plays the moves in order, scores Hyoka(scorer) and takes back exactly
    // what it played.  Under Stop, nullopt when one of them was refused;
    // under GoOn, nullopt only when its first move was refused.
    std::optional<int> Line(int scorer, std::initializer_list<TYomiMove> moves);
    // Plays the moves on top of what stands, scores the position reached as
    // ScoreReached(scorer) does (a refused move is not played) and takes
    // back exactly what it played.
    int ScoreAfter(int scorer, std::initializer_list<TYomiMove> moves);

private:
    bool Try(int c, Point p, bool push);

    TYomiTrial trial_;
    TRefusal policy_;
    int stopAt_ = -1;
    bool firstRefused_ = false;
};

// --- Small reads -----------------------------------------------------------------

// The colour at p on the current board (3 off the board).
int IroOf(Point p);
// Liberties of the chain at p on the current board, 0 when there is none.
int KuuOf(Point p);
// Stones of the chain at p on the current board, 0 when there is none.
int IsiOf(Point p);
// Liberty i (1-based) of the chain at p, (0, 0) when there is none.
Point KuuPointOf(Point p, int i);
// The ladder status of the chain at p (read when it is not known yet); 0
// when there is no chain.
int SichoOf(Point p);
// Move i of the chain's stored ladder sequence (its liberty when the chain
// is in atari and has none); (0, 0) past its end or without a chain.
Point SichoTeOf(Point p, int i);
// The chain at p has one liberty, or two and a ladder catches it.
bool CaughtAt(Point p);
// All eight points around p are empty (none off the board).
bool Around8Empty(Point p);
// c plays p on the look-ahead boards, Hyoka(scorer) of the position reached
// (a refused move is not played and the position is read as it stands),
// and the move is taken back.  UtuHyoka answers 0 for a refused move
// instead.
int PlayScore(int scorer, int c, Point p);

// The group of the stone at p on the current board (its analysis must be
// fresh); false or 0 when there is none.
bool IsDeath70At(Point p);
bool IsDeath90At(Point p);
bool IsWeakAt(Point p);
// TGun::GetDeath = 1.
bool IsDeadAt(Point p);
// The group's eye value.
int MeAt(Point p);
// A ladder catches the chain at p (SichoCheck, which stores its answer in
// the chain); a point without a chain is not caught.
bool LadderedAt(Point p);

} // namespace vorn
