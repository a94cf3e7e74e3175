// The look-ahead (先読み): when the staged search ends with a tactical move
// (a capture, an escape, a link, life and death, a peep), Sakiyomi checks it
// against the other good candidates by a shallow game tree.  Each root is
// played, the opponent's replies, our answers and a forced continuation of
// tactical moves are read, and the root whose line ends best for the engine
// wins, with preferences for short lines and for captures.
//
// The tree's moves are played on the game board itself, level 0, and every
// node chooses its moves with ThinkYomi, a small move choice of the tactical
// generators (which read on the levels above as usual); the search is
// confined to an area around the fight (YomiArea) and to a few moves per
// node.  It runs only at the record's last move, with room in the record for
// the longest line, and not when the engine's clock is short.  Afterwards
// the game board, its record and its analysis, the candidate table and the
// engine's colours are as they were.
//
// The lines read are written, one per root, as the comment of the record's
// current move: each move as "<x,y>", then the root's score, then "\r\n".
// A comment the user or a record wrote stays; only an empty comment or one
// of earlier look-ahead lines is replaced.
#pragma once

#include <cstdint>
#include <string>

#include "board/Array.h"
#include "board/Point.h"
#include "engine/Koho.h"

namespace vorn {

constexpr int kMaxSakiRoot = 99;

// The engine's colour when the search started: every leaf is valued for it.
extern std::uint8_t SakiRootColour;
// The best candidate's value when the search started.
extern int SakiRootBest;
// The root being read.
extern Point SakiRootTe;
// The principal line of the root (SakiLine1), of the reply being read and
// below (SakiLine2), and of our answer and below (SakiLine3).
extern std::string SakiLine1, SakiLine2, SakiLine3;
// Depth marker of the line being read, and the length marker of the root's
// principal line.
extern int SakiDepth;
extern int SakiLineLen;

// The roots of the last search: point, value (the search score once read),
// reason and line length.
struct TSakiRootList {
    Arr<Point, 1, kMaxSakiRoot> Pt{};
    Arr<int, 1, kMaxSakiRoot> Value{};
    Arr<std::uint8_t, 1, kMaxSakiRoot> Kind{};
    Arr<int, 1, kMaxSakiRoot> Len{};
    int Count = 0;
};
extern TSakiRootList SakiRoot;

// ThinkYomi calls since start-up or the last reset (the benchmarks' count of
// tree nodes).
extern long long ThinkYomiCount;

// The search: out is the chosen root, or p when the search does not run.
void Sakiyomi(Point p, Point& out);
// The choice among the n roots read (SakiRoot, with their line lengths) by
// their scores: a root whose opponent has no answer while every other line
// runs long; else the best score, but a short line before a long one when
// our own top choice ended quickly, and a capture before a non-capture that
// scores less than 5 more.  Equal scores keep the roots' order.
Point SakiyomiChoose(int n, const Arr<int, 1, kMaxSakiRoot>& score);
// The roots from the sorted candidate table (and the look-ahead area around
// them); answers how many.
int SelectRootKoho();
// The look-ahead area around the top candidate p: the square of 13 lines
// round it and the surroundings of the weak groups near it.
void MakeYomiArea(Point p);
// Adds the 9 x 9 window of a root (two lines up and left, six down and right).
void MarkYomiArea(Point p);

// The levels of the tree; col is the colour that plays the point given, or
// the colour to move.  Each answers the value for SakiRootColour.
int YomiTe(Point r, int col);
int YomiAite(int col);
int YomiJibun(Point q, int col);
int YomiLeaf(Point s, int col);
int YomiContinue(int col, std::string& line);
// The replies considered at a tree node (after ThinkYomi), into out[1..];
// answers how many.
int SelectYomiKoho(Arr<Point, 1, kMaxKoho>& out);
// The move choice at a tree node for the side to move of the game board:
// the tactical generators, then the best candidate in the area (or worth 50
// or more); (0, 0) when there is none.
void ThinkYomi(Point& out);

// The text holds look-ahead lines only (one or more lines of "<x,y>" moves
// followed by a value).
bool IsSakiyomiComment(const std::string& text);

// Back to start-up values.
void SakiyomiReset();

} // namespace vorn
