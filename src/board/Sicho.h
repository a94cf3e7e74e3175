// Ladder (シチョウ) and net (ゲタ) reading.
//
// The defender is the colour of the chain being read and the attacker the
// other colour, whichever side is to move.  Every reader works on the
// look-ahead boards above the caller's level and leaves the caller's board,
// its record, its chains and Level exactly as it found them.
//
// The answer is kept in the chain (TRen::Sicho and its capturing sequence):
//    0  not read yet
//    1  caught by a ladder (or in atari on a point its owner may not play)
//   -1  escapes the ladder
//    2  caught by a net
//    3  caught by an atari followed by a net
//    4  not caught, but can be squeezed
// The first move of the stored sequence is the move that starts the capture.
//
// SichoCheck and SichoAtariCheck read on one level above the caller's; the
// net readings open up to five more.  A reader with no level left answers
// "not read" (0) and changes nothing.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TRen;

constexpr int kMaxSichoYomi = 200; // the longest ladder line kept, and read
constexpr int kMaxGeta = 20;       // the longest net sequence kept

// Ladder status values of TRen::Sicho.
enum : int {
    kSichoUnread = 0,
    kSichoToreru = 1,   // caught by a ladder
    kSichoNigeru = -1,  // escapes
    kSichoGeta = 2,     // caught by a net
    kSichoAtariGeta = 3,
    kSichoSiboru = 4,   // can be squeezed
};

// Working state of the readers (one copy each).
extern Arr<Point, 1, kMaxSichoYomi> SichoYomiTejun; // the ladder line being built
extern int SichoYomiCount;
extern std::uint8_t SichoLastResult; // result (0 or 1) of the line in SichoYomiTejun
extern int SichoDepth;               // attacker moves on the line being read
extern int SichoBaseLevel;           // the level the ladder plays on
extern Point SichoToruPt;            // the capturing point last seen
extern Arr<Point, 1, kMaxGeta> GetaTejun; // the net sequence being built
extern int GetaCount;
extern std::uint8_t SiboruFlag; // a net reading found one extension caught
extern std::uint8_t GetaFlag;   // 1 while SichoCheck2 reads its nets
// Kind of the last SichoCheck2: 1 the ladder works, 2 it fails and the nets
// were read, 4 a squeeze was found.  The main window reads and writes it.
extern int SichoKind;

// Back to a fresh program.
void SichoReset();

// 1 when the chain at p is caught by a ladder, 0 when it escapes (or was not
// read); writes status 1 or -1 and the ladder line into the chain.
std::uint8_t SichoCheck(Point p);
// The chain at p is in atari: 1 when it cannot be saved by extending (its
// liberty is forbidden to it, or the extension is caught by a ladder).
std::uint8_t SichoAtariCheck(Point p);
// SichoCheck, then the net readings when the ladder fails; sets SichoKind.
std::uint8_t SichoCheck2(Point p);
// The net and atari-net readings; writes status 2, 3 or 4 and the sequence.
std::uint8_t GetaCheck(Point p);
// Reads every chain of the current board with one or two liberties.
void SichoAll();

// The recursive ladder reading on the current level (no level change).
std::uint8_t SichoYomi(Point p);
// The defender's replies to an atari (captures first, then the liberties);
// list holds up to 4 points, the answer is the count (at most 3).
int SichoNigeList(Point p, Arr<Point, 1, 4>& list);
// Copies the current ladder line into SichoYomiTejun.
void SichoRecord(std::uint8_t r);

// The net: the attacker closes the chain's two diagonal liberties from their
// empty corner.  Appends to GetaTejun; may set SiboruFlag.
std::uint8_t GetaYomi(Point p);
// One atari, then the net.
std::uint8_t AtariGetaYomi(Point p);
// One atari, then the net, else a second atari and the net.
std::uint8_t GetaYomi2(Point p);
// Attack on a chain standing on the third line: 1 when its group dies.
std::uint8_t Line3Yomi(Point p);
// Attack on a chain crawling along the first line: 1 when it is caught.
std::uint8_t HenYomi(Point p);
// The point that captures the chain at p: its liberty in atari, its first
// ladder move when the ladder works; t.x = 0 otherwise.  Rebuilds the chains
// of the current board first.
void SichoToruTe(Point p, Point& t);
// Proposes the first ladder move against the first chain linked to the chain
// at p that a ladder catches; true when there is such a chain.
bool GrenSichoKoho(Point p);
// Fills the chain's list of linked chains from the stone relations of the
// current board, leaving the board's relation records as they were.
void RenGrenMake(TRen* ren);
// The first point of the net sequence, (0, 0) when it is empty.
void GetaFirstTe(Point& t);
void GetaClear();

} // namespace vorn
