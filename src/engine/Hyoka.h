// The evaluation of a position and the position judgement.
//
// HyokaCalc scores the board of the current look-ahead level from Black's side
// on one scale (2 per prisoner, 1 per point of influence in the area map,
// 4 per dead stone) from prisoners, the area map, dead stones, weak groups,
// capturing races, eyes gained and false eyes.  HyokaBase stores the score of
// the position before a decision; HyokaDiff and Hyoka give the change since
// then from one colour's side, with a bonus for joining one's own big groups
// and for cutting the opponent's apart.  The candidate routines play a move on
// the look-ahead boards, evaluate and take it back.
//
// KeiseiHandan judges who is ahead in the game position, counting komi.
#pragma once

#include "board/Point.h"

namespace vorn {

// The terms of the last HyokaCalc (shown by the evaluation window).
extern int AreaKuro, AreaSiro;       // area map on empty points
extern int GunAreaKuro, GunAreaSiro; // area around nearly dead groups
extern int DeadKuro, DeadSiro;       // dead stones, 4 each
extern int SemeaiKuro, SemeaiSiro;   // capturing races started or settled
extern int MeGainKuro, MeGainSiro;   // eyes gained since the game position
extern int KakemeKuro, KakemeSiro;   // false eyes in one's area
extern int WeakGunKuro, WeakGunSiro; // weak groups

// The base position of the decision.
extern int HyokaBaseValue;
extern int BigGunKuroBase, BigGunSiroBase;
// Big groups of the last count.
extern int BigGunKuro, BigGunSiro;

// Hyoka calls since start-up or the last reset: the work counter of the
// benchmarks (an evaluation is the costliest step of a reading).
extern long long HyokaCallCount;

// Score of the current level's position from Black's side, from its analysis.
int HyokaCalc();
// Stores the score and the big-group counts of the position before a decision.
void HyokaBase();
// Change since the base from the colour's side, without a new analysis.
int HyokaDiff(int colour);
// Analyses the current level's board, then HyokaDiff.
int Hyoka(int colour);
// The colour plays p on the look-ahead boards, Hyoka, take back; 0 when the
// move is illegal.
int UtuHyoka(int colour, Point p);
// What p is worth to both sides.
int DeiriHyoka(Point p);
// Hyoka(colour) after the opponent's escape next to p.
int HyokaAiteNigeru(int colour, Point p);
// The value of p for the engine's colour: our play plus the opponent's loss.
int ItiHyoka(Point p);
void AddKohoHyoka(Point p);
// Values both colours' plays at p and adds the candidate.
void AddKohoTry(Point p);
void AddKohoTryKakari(Point p);
// The value v lowered by the opponent's approach plays next to the stone at p.
int KakariMin(Point p, int v);
// One save cell for the base (the look-ahead resets it at every node).
void SaveHyokaBase();
void RestoreHyokaBase();

// The judgement of the game position from Black's side: komi, prisoners, area,
// dead stones and nearly dead groups.
int KeiseiHandanCalc();
// The same from the side of the engine's colour.
int KeiseiHandan();

void HyokaReset();

} // namespace vorn
