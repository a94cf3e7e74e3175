// Eye shapes (形) of life and death: the pattern passes that the
// life-and-death generators run on one group of the game board.
//
// Each pattern looks for its trigger on the game board, plays the idea on
// the look-ahead boards, analyses, and reads the group at a point of the
// shape.  A candidate is worth the group's value (TGun::GetKati) unless said
// otherwise; where the pattern knows the answers to the opponent's replies
// it records them as prepared answers, for the engine's own group only.  In
// the patterns d is the group's colour (the defender) and a the other one.
//
// Every pattern starts and ends on the game board.
#pragma once

namespace vorn {

class TGun;

// --- Settling ---------------------------------------------------------------------

// The settling patterns in their order: the wide extension (reason 32);
// then with reason 9 the ladder in the region, the diagonal with answers, the
// liberty in the atari map, the jump and peep, the lone stone in atari; then
// the extension (reason 32).  Ends with reason 9.
void SikatuSettle(const TGun& g);
// A two-space jump or large knight's move into open ground (or, when there
// is none, a jump or knight's move along line 3) that gives two eyes; the
// first that does is added with one more than the group's value.
void SettleWideHiraki(const TGun& g);
// An enemy stone inside the group's region that the group captures by a
// ladder whose first move is a self-atari: the ladder's first move when its
// third gives two eyes.  One per call.
void SettleSichoInJi(const TGun& g);
// A diagonal point that ataris an enemy chain: it stands when the capture
// makes two eyes and, after the enemy connects, a move beside it still does.
void SettleNanameAnswer(const TGun& g);
// A liberty of the group that ataris an enemy chain: it stands when the
// capture makes two eyes and, after the enemy saves itself, a move at one of
// the two liberties of the enemy chain keeps eye value 3.
void SettleAtariDame(const TGun& g);
// A one-space jump onto a point from which the group peeps: the peep makes
// two eyes, and after the enemy connects a move beside it still does.
void SettleIkkenNozoki(const TGun& g);
// A lone stone of the group in atari whose liberty has one empty neighbour:
// that neighbour makes two eyes, by itself or with a capture (the engine's
// group takes it, against the opponent's group the engine takes the liberty).
void SettleAtariIsi(const TGun& g);
// A diagonal, jump or knight's-move point beside one own stone and in the
// group's sphere that gives two eyes (reason 32).
void SettleHiraki(const TGun& g);

// --- Killing ----------------------------------------------------------------------

// The kill patterns, for a group with fewer than 3 breathing points: the
// border point (eye value 4), then the two-liberty chain (2 stones or more).
void SikatuKillPatterns(const TGun& g);
// A border point of the group's region with three empty neighbours: the
// attacker's move there, answered beside it, leaves the group short of eyes.
void KillBorderPoint(const TGun& g);
// A liberty of a two-liberty chain of the group that the ladder does not
// catch: the attacker's atari there, answered, leaves the group short of
// eyes and gains by the evaluation (the candidate's value).
void KillNiDameRen(const TGun& g);

// --- Eye shape and the urgent passes ------------------------------------------------

// A large eye space beside a false-looking one-point eye: the attacker's
// false-eye and border points that kill the group.
void SikatuMeShape(const TGun& g);
// The urgent eye pass of a group short of eyes: the points beside its
// border that give eye value 3 or more, and the inner corner points that
// give two eyes.  Not when a relation move or a capture helps it already.
void SikatuUrgentMe(const TGun& g);
// A living group with a half eye: the attacker's peep beside it that, with
// the move into the half eye, kills the group (reason in force).
void SikatuUrgentSteal(const TGun& g);

} // namespace vorn
