// Urgent shapes (急場): seven small tactical shapes that the peep generator
// runs besides its two peep patterns, and the liberty moves around one group
// that the life-and-death and capturing-race generators ask for.
//
// Each pattern scans the board (or one group) for its shape, verifies it by a
// short fixed reading on the look-ahead boards valued with Hyoka, and adds the
// attacker's point or, where the reading says so, the owner's answer, under
// the reason code in force.  In the readings ca is the colour that attacks a
// shape and co = ca xor 3 the colour that owns it.
//
// The patterns read the analysis of the board they start on (the game board
// during a decision): its chains with their ladder status, its per-point
// tables and the cut and atari maps of the decision.  Every reading takes back
// what it plays, also a move the board refused, and looks every chain up
// again after a move; nothing here leaves the look-ahead where it was not.
#pragma once

#include <initializer_list>

#include "board/Point.h"

namespace vorn {

class TGun;
class TRen;

// A two-liberty chain shares a liberty with a three-liberty chain of its own
// colour: the attacker's move on the shared liberty that ladders the other.
void DameShareThink();
void DameShareUtu(TRen* ren);
// An atari on a chain beside a firm diagonal link before cutting it; with a
// group, only links whose crossing point is a liberty of the group.
void KosumiAtariThink(const TGun* gun);
// Moves on the path of a ladder that the defender escapes: an atari that
// makes the ladder work, or a cut that does.  With a group, only its chains.
void SichoMichiThink(const TGun* gun);
// Atari on a two-liberty chain, and after its extension a double atari.
void RyoAtariThink();
// The crossing points of firm diagonal links in neutral ground.
void Kiri2Think();
// A liberty shut in by the owner's stones, read with the knight's-move link
// that a move beside the other liberty threatens.
void KeimaNozokiThink();
// The hane at the head of two stones.
void NirenThink();

// The liberty moves around the group (reason 26; the code in force is put
// back): the shared-liberty shapes of its chains and of the chains next to
// them (30 at most), the atari before the cut and the ladder path.  True when
// a reason-26 candidate worth more than 220 stands in the table.
bool GunDameTe(const TGun& gun);

// What the knight's-move links of the stone at p are worth: the relation
// handler runs on each of them (link grade 2 or more), and the candidate each
// call appended is taken out of the table again.  Answers the value of the
// last one so taken, 0 when none.
int KeimaKankeiUtu(Point p);
// The handler KeimaKankeiUtu runs (the knight's-move relation handler; tests
// script their own).
using TKankeiHandler = void (*)(Point a, Point b);
extern TKankeiHandler KeimaKankeiHandler;

// Hyoka for a reading: the game board is never re-analysed by one, so where
// every move of a line was refused the position is the base and worth 0.
int YomiHyoka(int colour);

// One move of a line: a colour and a point.
struct TTe {
    int Iro;
    Point Pt;
};
// Plays the moves in turn on the current level (a refused one is left out),
// values the position for `colour` (YomiHyoka) and takes back what stood.
int LineHyoka(int colour, std::initializer_list<TTe> moves);
// `colour` plays p on a new level: its value there (YomiHyoka), taken back.
int PushHyoka(int colour, Point p);

// Back to start-up values.
void KyubaReset();

} // namespace vorn
