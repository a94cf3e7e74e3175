// Capturing races (攻め合い): an own group against the enemy groups that the
// group judgement has paired with it (TGun::GetSemeai).
//
// SemeaiThink, a generator of the second stage, reads each race of the
// engine's groups and adds its moves under the reason in force (it sets none
// and selects nothing): a capture that settles a short race, a cut that
// gains, the liberty and relation moves around the group, an eye in its half
// eye, or the first liberty of the partner in the order an attacker fills it
// (ToruTejun, also shown by the group view).
#pragma once

#include <span>

#include "board/Point.h"

namespace vorn {

class TGun;

constexpr int kMaxSemeaiDame = 30;

// Stage 2, adds only: every race of the engine's groups on the game board.
void SemeaiThink();
// One race between our group g and its partner p; true ends the pass.
bool SemeaiUtu(const TGun& g, const TGun& p);
// A point next to the group (relation kind 3 or less) already holds a
// candidate worth 15 or more: the race is being dealt with.
bool HasKohoNear(const TGun& g);
// The group's outside liberties that are no false eye, then its shared
// liberties, each once, at most 30; answers the count.
int SemeaiDameList(const TGun& g, std::span<Point> list);
// A race with few liberties: the captures of the partner's chains in atari
// beside our chains, halved in value where the partner could not run out
// there anyway.
void SemeaiShort(const TGun& g, const TGun& p, int v);
// The partner leaves the race when it captures one of our chains in atari:
// true when two such captures exist, or one that our extension cannot stop.
bool SemeaiNigeTe(const TGun& g, const TGun& p);
// The best cut among our liberties (own is our colour): both sides' gain
// where the partner can cut there and neither stone is caught; (0, 0) when
// there is none.
Point SemeaiKiriTe(int own, std::span<const Point> liberties);
// The relation and liberty moves of our group at s and of its neighbours,
// and the eye in a half eye; true when one of them is decisive.
bool SemeaiGunTe(Point s, int v);
// Making an eye of a half eye of g: true when the eye wins the race; the
// moves that help are added with v (v carries over from point to point,
// capped at 19 once the race is lost, one more once g leaves the race).
bool SemeaiMeTe(const TGun& g, int v);

// The class of the empty point p for the attacker a, by the first test that
// holds: 8 forbidden, 7 self-atari, 1 captures, 2 ataris a two-liberty chain,
// 3 beside a point where the other side would atari, 4 beside a stone of a,
// 5 diagonal to one, 6 none of these.
int DameClass(Point p, int a);
// The order in which the attacker fills g's liberties (outside ones, then
// those shared with a race partner, each by class 1 to 6; a group in no
// race has outside liberties only), read on the look-ahead boards: a point
// that would be a self-atari then is preceded by the point that avoids it
// when that one is safe, and a point where the ladder catches the filling
// stone is left out.  Writes list[0..capacity] (never past the list's end)
// and answers the count, at most capacity + 1.  Everything played is taken
// back.
int ToruTejun(const TGun& g, std::span<Point> list, int capacity);

} // namespace vorn
