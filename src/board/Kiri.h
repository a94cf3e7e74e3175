// Cut and atari maps, and the point-pair list of pending threats.
//
// Before the engine chooses a move it marks, for each colour, where that
// colour can threaten: cut a diagonal link of the other colour (KiriMap,
// Kiri2Map) or put a two-liberty chain of the other colour into atari
// (AtariMap).  It also fills the board's point-pair list with the places where
// something is at stake, by kind:
//    1..14  a link of that relation kind between own stones that the
//           opponent can cut: PairA the related point, PairB the scanning stone
//    20     a vital point of a group with eye value 3 or 4: PairA the point
//    21     a chain in atari that can escape: PairA its liberty, PairB its
//           first stone
//    22     a two-liberty chain that a ladder or net catches: PairA the first
//           capturing move, PairB the chain's first stone
//    23     a two-liberty chain with a loose-net point: PairA that point,
//           PairB the chain's first stone
//    24     a point that ataris two chains of one colour at once: PairA
// The passes run in the order 21, 22, 23, 20, 24, then the links, so on a
// crowded board (100 entries) the threats to chains survive first; the list
// is then sorted by kind.
//
// Everything here reads the board of the current look-ahead level and its
// analysis (relations, area map, chains, groups and regions).  The maps are
// program-wide and describe the board they were made on until they are made
// again; look-ahead moves do not update them.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TGun;
class TJi;

// [colour][x][y]: 1 where that colour can cut a diagonal link of the other
// colour (an empty crossing point of a cuttable diagonal).
extern Arr<Grid<std::uint8_t, 1, 19>, 1, 2> KiriMap;
// [colour][x][y]: 1 on the empty crossing points of a firm diagonal link of
// the other colour that lie in neutral area.
extern Arr<Grid<std::uint8_t, 1, 19>, 1, 2> Kiri2Map;
// [colour][x][y]: 1 where that colour may play and so leave a chain of the
// other colour with one liberty.
extern Arr<Grid<std::uint8_t, 1, 19>, 1, 2> AtariMap;

// Reads of the three maps that answer 0 for a point off the board or a colour
// other than black and white.
int KiriMapAt(int c, Point p);
int Kiri2MapAt(int c, Point p);
int AtariMapAt(int c, Point p);

// Pair kinds beyond the link kinds 1..14.
enum : int {
    kPairJi = 20,       // vital point of a group with eye value 3 or 4
    kPairAtariNige = 21, // chain in atari that can escape
    kPairSicho = 22,    // two-liberty chain caught by a ladder or net
    kPairGeta = 23,     // two-liberty chain with a loose-net point
    kPairAtari2 = 24,   // double-atari point
};

// Back to a fresh program: all maps empty.
void KiriReset();

// The maps, each rebuilt from scratch.
void KiriMake();
void Kiri2Make();
void AtariMake();

// The whole pair list of the current board: cleared, the passes 21, 22, 23,
// 20, 24 and the links, then sorted by kind.  The ladder pass reads the
// ladder of every two-liberty chain that has no status yet.
void KohoLocateMake();
// Only the links, sorted: the list the life-and-death reader works through.
void KohoLocateMake2();

// The passes.
void KohoAtariNige();
void KohoSicho();
void KohoGeta();
void KohoJiAll();
void KohoJiPartLocate(const TGun& gun);
void KohoJi4(const TGun& gun);
void KohoJi4Point(const TJi& ji);
void KohoAtari2();
void KiriPairMake();

// The cut tests of a link between the stone s and its related point p (p may
// lie on the border line for a link to the edge).
// A link of value 2 or 3 is worth a look; a firm one (value 1) only for the
// wide kinds 5, 6 and 8 when the points between lie in neutral area at the
// start of the decision.
bool KiriPairFilter(int kind, int value, Point s, Point p);
// A diagonal: at least one crossing point is open.
bool KiriNaname(Point s, Point p);
// A one-space jump: neither end is a dead chain, no stone across the gap is
// in atari, and an enemy stone in the gap is not shut in on both sides.
bool KiriIkken(Point s, Point p);
// A two-space jump: neither end in atari, and not every enemy stone in
// between is in atari.
bool KiriNiken(Point s, Point p);

} // namespace vorn
