// The reading vocabulary of the move generators.
//
// A generator verifies its ideas by playing short sequences on the look-ahead
// boards and evaluating the result.  Every reading must end where it began:
// the same level, the same record on the current board.  The guards here make
// that hold on every path out of a routine, early returns and exceptions
// included, and the lookups never index a table with a point off the board
// and never hand out a chain or group that is not there.
//
// Chain and group pointers are only good until the next move, take-back,
// chain rebuild or analysis: look them up again by point after any of those.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Goban.h"
#include "board/Point.h"
#include "board/Ren.h"

namespace vorn {

class TGun;
class TRen;

// --- Moves --------------------------------------------------------------------

// Plays c at p (YomiUtu): false off the board or when illegal.
bool ToruPlay(int c, Point p);
// Plays c at p on a new level (YomiPushUtu); false off the board, at the top
// level or when illegal.
bool ToruPushPlay(int c, Point p);
// Rebuilds the chains of the current look-ahead board.  The game board's
// chains are never rebuilt here: they are the analysis' own.
void ToruRenMake();
// Takes every look-ahead move back and returns to the game board.
void YomiUnwind();

// --- Lookups safe anywhere ------------------------------------------------------

// The chain at p on the current board, nullptr when none (also off the board).
TRen* ToruRenAt(Point p);
// The ladder catches the chain at p on the current board (its chains must be
// fresh); its first capturing move in `first` when asked.
bool ToruSicho(Point p, Point* first = nullptr);
// Empty orthogonal neighbours of p on the current board.
int EmptyNeighbours(Point p);
// Orthogonal neighbours of p holding colour c on the current board.
int NeighboursOf(Point p, int c);
// The group of the stone at p on the current board (its analysis must be
// fresh), nullptr when none.
const TGun* GunAt(Point p);
// The point is inside the look-ahead area while the look-ahead runs (always
// true otherwise; never for a point off the board while it runs).
bool InYomiArea(Point p);

// --- Guards ---------------------------------------------------------------------

// Takes back, when it goes out of scope, every look-ahead move made since it
// was made: Level and the current board's record are as they were.
class TYomiKeep {
public:
    TYomiKeep();
    ~TYomiKeep();
    TYomiKeep(const TYomiKeep&) = delete;
    TYomiKeep& operator=(const TYomiKeep&) = delete;
    void Restore();

private:
    int level_;
    int moves_;
};

// A trial sequence that remembers every move it tried and whether the board
// took it.  Back() forgets the last try and takes its move back only when it
// stood, so a refused move never costs a move of the reading (or of the
// caller).  Whatever is left is taken back when the trial goes out of scope,
// also on an exception.
class TYomiTrial {
public:
    static constexpr int kMaxMoves = 32;

    TYomiTrial() = default;
    ~TYomiTrial();
    TYomiTrial(const TYomiTrial&) = delete;
    TYomiTrial& operator=(const TYomiTrial&) = delete;

    // c plays p on the current level (a level is opened at the game board).
    bool Play(int c, Point p);
    // c plays p on a new level.
    bool PushPlay(int c, Point p);
    // Forgets the last try; takes it back when it stood.
    void Back();
    // Back() until n tries are left (0: all).
    void BackTo(int n);
    void BackAll() { BackTo(0); }
    // Tries remembered, and how many of them stood.
    int Tries() const { return count_; }
    int Stood() const;
    // Whether the last try stood (false with none).
    bool LastStood() const { return count_ > 0 && stood_[count_ - 1]; }

private:
    bool Record(bool ok);
    bool stood_[kMaxMoves] = {};
    int count_ = 0;
};

// A line of moves played on the current board itself, level 0 included,
// without opening a level: the look-ahead tree plays on the game board.
// Each Play() puts down the side to move's stone (YomiUtuSame; c serves the
// display only) and is remembered only when the board took it, so Back()
// and the destructor take back exactly the moves that stood and never a move
// that was there before the guard, also when the record was full or the
// point refused.  On a record stepped back a move would cut off the moves
// after the one shown: play only at the record's last move.
class TYomiSame {
public:
    static constexpr int kMaxMoves = 16;

    TYomiSame() : level_(Level) {}
    ~TYomiSame() { BackAll(); }
    TYomiSame(const TYomiSame&) = delete;
    TYomiSame& operator=(const TYomiSame&) = delete;

    // Plays the side to move at p; false off the board, when refused, or
    // when the guard holds kMaxMoves already (then nothing is played).
    bool Play(int c, Point p);
    // Takes back the last move that stood (any levels left open above the
    // guard's are closed first).
    void Back();
    void BackAll();
    // Moves standing.
    int Played() const { return count_; }

private:
    int level_;
    int count_ = 0;
    // The record position of the current board before each move.
    int before_[kMaxMoves] = {};
};

// --- Chains by liberty count ------------------------------------------------------

// Calls f(ren) for every chain of stones of the current board with exactly
// `kuu` liberties (any count when kuu is 0), in chain-number order, skipping
// free numbers and empty areas.  The callback must not change the board's
// chains.
template <class F>
void ForEachRen(int kuu, F&& f)
{
    const TRenList& list = CurGoban().RenList;
    const int n = list.Count();
    for (int i = 1; i <= n; ++i) {
        TRen* r = list.Items(i);
        if (r != nullptr && (r->GetIro() == 1 || r->GetIro() == 2) && (kuu == 0 || r->Kuu() == kuu))
            f(r);
    }
}

// --- Relations in board order ------------------------------------------------------

// Calls f(stone, its relation record, index) for every relation of every stone
// of the current board: stones in board order (rows outer, columns inner),
// relations in record order.  The board is the one current when the walk
// starts; the callback may read on the look-ahead boards above it as long as
// it takes back what it played.
template <class F>
void ForEachStoneKankei(F&& f)
{
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            if (c != 1 && c != 2)
                continue;
            const TLocate& loc = b.GetLocate(x, y);
            for (int i = 1; i <= loc.GetKankeiSu(); ++i)
                f(Point(x, y), loc, i);
        }
}

// --- Output -------------------------------------------------------------------------

// The rule of the readings that take an attacking and an owning colour: when
// the engine is the attacker it gets the attacker's point, otherwise the
// owner's answer.  Adds under the current reason code; nothing for (0, 0).
void AddKohoSide(int attacker, Point attackerPt, Point ownerPt, int value, int bonus = 0);

} // namespace vorn
