// Chain tactics: captures of the opponent's chains that are short of
// liberties and escapes of our own.
//
// RenAnswer is a generator of the second stage of the move choice.  It walks
// the chains of the game board and hands every chain with one, two or three
// liberties to the handler for its liberty count and colour; the handlers
// read short sequences on the look-ahead boards, ask the ladder and net
// reader and the evaluation, and add candidates under reason kkToru.  The
// handlers of chains in atari and the shape utilities live here; those of
// chains with two and three liberties are in Toru2.
//
// Colours: "own" is JibunIro, the side the engine chooses a move for, and
// "opponent" AiteIro.  The readers that serve both handlers take the colour
// of the stone they are given as the defender.
//
// Every routine here starts and ends at the look-ahead level where it was
// called (a guard takes back whatever a reading leaves, also when it throws),
// and every chain or group it reads is looked up and tested before use.
#pragma once

#include <span>

#include "board/Array.h"
#include "board/Point.h"
#include "engine/Reading.h"

namespace vorn {

class TGun;
class TRen;

// The best and second-best cutting points of the last DoubleKiriHyoka
// (entries 1 and 2; entry 0 is never written).
extern Arr<Point, 0, 2> DoubleKiri;

// --- The generator ------------------------------------------------------------

// Stage-2 generator: every chain of the game board with one to three
// liberties to its handler, then the mutual self-atari shapes of the ko unit;
// selects at 220 (out (0, 0) when nothing reaches it).
void RenAnswer(Point& out);

// The handlers of one chain in atari of the game board: capture an opponent
// chain, save an own chain.  They add candidates and return nothing.
void RenToru1(TRen* ren);
void RenNigeru1(TRen* ren);

// --- Shape utilities ------------------------------------------------------------

// The cutting points of the cuttable one-space jumps and two-space jumps near
// p (both ends within distance index 4 of p, one of them within 2), from the
// pair list of the current board, which is made afresh.  At most `capacity`
// points are written (and never more than the list holds); answers the count.
int KankeiKiriPoints(Point p, std::span<Point> list, int capacity);
// p is a cutting point of a one-space jump or knight's move of a stone in the
// 3x3 square round p (links of grade 2 or 3 only).
bool IsKankeiKiriPoint(Point p);
// For the chain at p with two or more neighbour chains in atari: the capture
// by the other colour that works (it leaves none of that colour's chains
// round p in atari); (0, 0) when there is none.
void RenAtariTori(Point p, Point& out);

// --- Reading routines shared with Toru2 --------------------------------------
// Each returns to the level it started from.  "c" is the colour of the stone
// at p and "the other colour" c xor 3.

// The chain at p is one stone in atari.
bool IsIsi1Atari(Point p);
// The cuts of the chain at p at its empty diagonal points between two enemy
// stones (at most 10): -1 with fewer than two; else the best KiriHyoka value,
// the best two points going to DoubleKiri[1] and [2].
int DoubleKiriHyoka(Point p);
// The best value for c of capturing an enemy chain next to p that is in
// atari, or of starting the ladder against one with two liberties that the
// ladder catches; 0 (TonariToruHyoka) or -1 (TonariToruHyoka1) when none.
int TonariToruHyoka(Point p);
int TonariToruHyoka1(Point p);
// The same over the distinct enemy chains next to any of the stones (at most
// 10 chains); -1 when none.
int NigeHangekiHyoka(std::span<const Point> stones, int count);
// The hane that heads off the extension at p: p's one empty neighbour E when
// the other colour holds the diagonal corners of the strip p-E; (0, 0) else.
Point HaneNigeTe(Point p);
// The other colour plays HaneNigeTe(p): Hyoka for c; -1 when there is none.
int HaneNigeHyoka(Point p);
// The other colour captures a chain of c in atari that is diagonally linked
// (grade 3) to the chain at p: the smallest Hyoka for c (at least 0); only
// ko captures: half of Hyoka for c; -1 when none.
int NanameToruHyoka(Point p);
// Own connects at p's one empty neighbour E and recaptures after the
// opponent's capture at p: adds E valued Hyoka(own) + v; true when added.
bool TugiKaesiKoho(Point p, int v);
// The escape of c's chain at p fails by shape.
bool NigeKatachiCheck(Point p, int c);
// c's escape along the second line from p, between the third-line point a
// and the first-line point b, fails.
bool Line2NigeYomi(Point a, Point b, int c);
// The chain at p has at most two liberties and one neighbour in atari; the
// ladder catches it once the other colour saves that neighbour.
bool NigeToruCheck(Point p, int c);
// The laddered chain at p on the edge line: when its owner can live by
// playing the ladder's first move on the second line instead, the capture at
// p is proposed.  The owner's stone stays at p.
void EdgeSichoKoho(Point p);
// An own lone stone in atari on the edge line: the escape along the edge;
// true when the escape candidate was added.
bool EdgeIsi1Nige(TRen* ren);
// Own's value after capturing at p, lowered when the opponent's stone can
// escape at p's one empty diagonal point.
int NigeToruHyoka(Point p);
// A liberty shared by two two-liberty chains next to the chain at p, with two
// or more empty neighbours; (0, 0) when none.
Point SharedDamePt(Point p);

void ToruReset();

} // namespace vorn
