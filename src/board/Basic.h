// Small point routines that the engine uses to look around a point: counts and
// lists of neighbours by colour, edge lines, distances, point arithmetic, small
// list routines and a handful of tactical shape queries.
//
// Every routine reads the board of the current look-ahead level (CurGoban())
// and its chains, so off-board points have colour kHen.  Lists are 0-based
// (entry 0 first) and range-tested against the caller's array: a list too
// short for what a routine writes is an ERangeError.  Nothing allocates.
#pragma once

#include <span>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TRen;

// Per-colour counts: [kAki], [kKuro], [kSiro], [kHen].
using TIroCounts = Arr<int, 0, 3>;

// --- Neighbours ------------------------------------------------------------

void CountNeighbour(Point p, TIroCounts& counts);
int ListNeighbour(Point p, int c, std::span<Point> list);
int ListNeighbourOrAki(Point p, int c, std::span<Point> list);
void CountDiagonal(Point p, TIroCounts& counts);
int ListDiagonal(Point p, int c, std::span<Point> list);
void CountAround8(Point p, TIroCounts& counts);
// The eight neighbours and the eight knight's-move points, then again the
// orthogonal, diagonal and one-space-jump points: 28 counts in which the
// eight neighbours weigh twice.
void CountAroundWide(Point p, TIroCounts& counts);

// --- Edge lines --------------------------------------------------------------

// 1 on the edge line, 2 on the second line, ..., capped at 10.
int LineNo(int x, int y);
int LineNoPt(Point p);
// The larger of the two coordinates mirrored to the nearer edge; not capped.
int LineNoFar(Point p);
// (LineNoPt, LineNoFar): (3, 4) for a 3-4 point.
Point LineNoPair(Point p);
// 1..4: the quarter of the board, split at the middle line; quarters run
// upper-left, upper-right, lower-right, lower-left, and the middle lines go
// to the right and lower quarters.
int Quadrant(Point p);

// --- Legality ----------------------------------------------------------------

// (x, y) is empty and has an empty neighbour or passes CheckUtu (so a ko
// retake is refused).
bool CanUtuXY(int c, int x, int y);

// --- Chains and groups near a point -----------------------------------------

int ListAroundRen8(Point p, int c, std::span<int> list);
int ListAroundRen8All(Point p, std::span<int> list);
int ListTonariRen(Point p, int c, std::span<int> list);
int ListTonariRenNo(Point p, std::span<int> list);
int ListTonariGun(Point p, int c, std::span<int> list);

// --- Point arithmetic ----------------------------------------------------------

// Distance by shape: 1 adjacent, 2 diagonal, 3 one-space jump, 4 knight's
// move, ...; 99 when the points are more than 8 lines apart.
int Kyori(Point p, Point q);
// q moved one step further from p on each axis where they differ; one step
// up when p = q.
Point StepBeyond(Point p, Point q);
constexpr bool SamePt(Point p, Point q) { return p == q; }
// The corner (p.x, q.y) when it is empty, else (q.x, p.y).
Point CrossPt(Point p, Point q);
// The corner (p.x, q.y) when it holds something, else (q.x, p.y).
Point CrossPtIsi(Point p, Point q);
// out[0] = (p.x, q.y), out[1] = (q.x, p.y).
void CrossPts(Point p, Point q, std::span<Point> out);
void SwapPt(Point& p, Point& q);
// Appends to list[count] unless already present or count >= max.
bool AddPtUnique(std::span<Point> list, int& count, int max, Point p);
bool AddIntUnique(std::span<int> list, int& count, int max, int n);
bool PtInList(Point p, std::span<const Point> list, int n);

// --- Shape queries -------------------------------------------------------------

// c captures a single stone at p in a ko shape.
bool IsKouShape(Point p, int c);
// The chain has one liberty that is a ko capture for the opponent.
bool RenIsKou(TRen* ren);
// p touches one own stone n, and the points beside p and n across that line
// form a cross-cut (opposite corners held by the opponent, the others empty).
bool IsNarabiCross(Point p, int c);
// Two opponent stones diagonal to p, two apart on one line, with c's stone
// between them, while c has fewer than two stones next to p.
bool IsWareShape(Point p, int c);
// A chain of colour c among the eight neighbours is in atari.
bool HasAtariRen8(Point p, int c);
// The last (direction order) opponent chain in atari next to the stone at p.
TRen* TonariAtariRen(Point p);
// The liberty of the first adjacent chain in atari (neighbour order).
Point TonariAtariKuu(TRen* ren);
// Rebuilds the chains, then the liberty of the first opponent chain in atari
// next to the stone at p (direction order).
Point TonariAtariKuuPt(Point p);
// Escape of a chain in atari: capture the last adjacent chain in atari, else
// extend at the chain's first liberty.
Point RenNigeTe(TRen* ren);
// Capture an adjacent chain in atari, else start the ladder of the first
// adjacent two-liberty chain that the ladder catches.
Point TonariToruTe(TRen* ren);
// The first TonariAtariKuu of the chains of colour c around p.
Point AroundToruTe(Point p, int c);
bool HasDeathGun8(Point p);
bool HasSekiGun4(Point p);
// The first one-space jump from p toward a higher line.
Point IkkenToCenter(Point p);

// Shape answer at p next to two stones: for two stones on either side of p
// or around its corner, the point that keeps them in shape or cuts them; p
// itself when there is none.
Point TonariPairTe(Point p, int c);
Point TonariPairTeStraight(Point a, Point b, Point p);
Point TonariPairTeBent(Point a, Point b, Point p, Point corner);

} // namespace vorn
