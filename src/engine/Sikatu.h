// Life and death (死活): whether a group short of eyes can be killed or made
// to live, and the moves that do it.
//
// Every idea is verified on the look-ahead boards with a full analysis after
// each trial move.  A group that needs it gets the long search, pondering
// (長考): the attacker and the defender take turns over the first three
// moves that pass their filter, down to look-ahead level 8.  A kill search
// that found nothing is remembered by the group's signature, so the same
// shape is not pondered again in the game.
//
// The defender is the colour of the group being read, the attacker the other
// colour, whichever side the engine plays.  Two generators of the second
// stage use the unit: SikatuUrgentThink (it may choose the move by itself)
// and SikatuThink (it only adds candidates).  The pattern passes they run are
// in SikatuKatachi.
#pragma once

#include <cstdint>
#include <span>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TGun;

constexpr int kMaxSikatuGun = 20;     // signatures kept per game
constexpr int kMaxSikatuTarget = 90;  // target stones tracked
constexpr int kMaxSikatuList = 30;    // moves of a filter or search list
constexpr int kSikatuWidth = 3;       // moves searched per side
constexpr int kSikatuDepth = 8;       // the level at which a search gives up
constexpr int kSikatuUrgentScore = 220;

// --- The pondered groups ------------------------------------------------------------

// A group's shape as the cache knows it: its stones, its related empty points
// and the sum of x + y over both.  Equal signatures are the same group.
struct TSikatuGun {
    int IsiSu = 0;
    int FromSu = 0;
    int XySum = 0;
    bool operator==(const TSikatuGun&) const = default;
};
TSikatuGun SikatuSignature(const TGun& g);

// The groups whose kill pondering found nothing in this game.
extern Arr<TSikatuGun, 1, kMaxSikatuGun> SikatuGunCache;
extern int SikatuGunCount;
// Forgets them all (a new game).
void ClearSikatuGun();
bool FindSikatuGun(const TGun& g);
// Remembers the group; nothing when it is known or the cache is full.
void AddSikatuGun(const TGun& g);

// --- The target -------------------------------------------------------------------

// The stones whose group a search reads: the group's own, then those of its
// linked groups in link order, at most 90.
extern Arr<Point, 1, kMaxSikatuTarget> SikatuTarget;
extern int SikatuTargetCount;
extern std::uint8_t SikatuTargetIro;
void SetSikatuTarget(const TGun& g);
// The group at the first target stone still standing on the current board
// (its analysis must be fresh); nullptr once all were captured.
const TGun* SikatuTargetGun();

// --- Filters and the search ------------------------------------------------------------
//
// Each answers the number of moves written to list[0..] (never more than 30
// nor the list's size).  The target must be set first.

// The attacker's moves that damage g: legal, not a self-atari of four stones
// or more, and afterwards the target is captured, dead, or worse off in eyes
// (eye value below g's and at most 3).  Only for g with eye value 3 or 4.
int SikatuKorosu(const TGun& g, std::span<Point> list);
// The defender's moves after which the target's eye value rises above g's
// and is at least 3.  Only for g with eye value below 4.
int SikatuIkiru(const TGun& g, std::span<Point> list);
// The first three moves of the filter, each read on: a kill stands when the
// target is captured or has no living move left; a living move stands when
// the target has no killing move left.  Nothing from level 8 on.
int KorosuSearch(const TGun& g, std::span<Point> list);
int IkiruSearch(const TGun& g, std::span<Point> list);
// 1: a search inside a search stops at the first move it finds (the caller
// asks only whether there is one).  0 reads every move, as the benchmarks
// compare.  The moves a pondering proposes are the same either way.
extern std::uint8_t SikatuFirstStop;

// --- Pondering -------------------------------------------------------------------------

// The engine kills the opponent's group g: each killing move is added
// (reason 10) with the group's value; answers how many.  Nothing unless
// pondering is on, and not for a hopeless or free group, one that can run
// out or one pondered before.
int KorosuYomi(const TGun& g);
// The living moves of g (either colour's: for the opponent's group the
// engine takes the point); when there is none, the moves that improve it.
int IkiruYomi(const TGun& g);
// The group gets clearly further from death by a move at one of its
// breathing points: it can run out, and needs no pondering.
bool NigeruCheck(const TGun& g);

// --- The generators ---------------------------------------------------------------------

// No life-and-death work is needed for g (the tests on the way may add
// candidates); otherwise the reason is set to 9 and the answer is false.
bool SikatuSkip(const TGun& g);
// The relation moves of g: the pending capture threats in its area, then
// the link threats; true when one scores 220 or more.  The candidates stay.
bool GunKankeiKoho(const TGun& g);
// Stage 2, adds only: pondering and the pattern passes over every group.
void SikatuThink();
// Stage 2: the urgent eye passes; selects at 220, (0, 0) when the table is empty.
void SikatuUrgentThink(Point& out);

// Back to start-up values.
void SikatuReset();

} // namespace vorn
