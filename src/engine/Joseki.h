// The joseki dictionaries: a whole-board opening book (19x19 and 9x9) that is
// followed from the first move in one of its eight orientations, and a corner
// book of joseki that is followed in the four corners independently, with
// answers after a tenuki.  Both are read-only move trees in files of 12-byte
// records; the game start opens them, every played move is fed to them, and
// the engine asks them for continuations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// One record of a dictionary file (12 bytes on disk, little-endian):
// x, y, mark, weight (bytes), child, next (32-bit signed).
struct TJskNode {
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    std::uint8_t Mark = 0;   // 0: may be proposed; else followed but never proposed
    std::uint8_t Weight = 0; // twice the candidate bonus of the move
    std::int32_t Child = 0;  // first reply, 0 = none
    std::int32_t Next = 0;   // next sibling, below 1 = end of the chain
};

constexpr int kJskRecordSize = 12;
constexpr int kJskChain = 31;      // the longest sibling chain
constexpr int kJskProposable = 20; // the most unmarked nodes a random pick sees
constexpr int kJskPath = 31;       // the deepest corner path kept
// The largest dictionary read; anything longer is no dictionary of ours.
constexpr long kJskMaxRecords = 1L << 20;

enum { kJskCorner = 0, kJskWhole = 1 };

// A tenuki node of the corner book: both coordinates beyond the corner.
constexpr bool IsTenukiNode(const TJskNode& n) { return n.X > 10 && n.Y > 10; }

// Record bytes <-> node.
void JskDecode(const std::uint8_t* bytes, TJskNode& node);
void JskEncode(const TJskNode& node, std::uint8_t* bytes);
// Reads every whole record of a file (a trailing partial record is ignored);
// false, with no records, when the file cannot be read.
bool JskReadFile(const std::string& fileName, std::vector<TJskNode>& records);

// A dictionary: the records of one file and a cache of the sibling chain last
// read.  A file that is missing or unreadable reads as an empty dictionary; a
// malformed one (partial record, record numbers out of range, a cycle, a
// chain longer than 31) is read as far as it is sound.
class TLjsk {
public:
    // Reads the file; false (and an empty, closed dictionary) when it cannot
    // be read.  The cache is emptied and the mode kept either way.
    bool Open(const std::string& fileName, int mode);
    // Takes the records from memory (the dictionary compiler and tests).
    void OpenRecords(const std::vector<TJskNode>& records, int mode);
    void Close();

    // Caches the sibling chain that starts at record rec; answers its length
    // (0 when closed or rec is not a record).
    int ReadSiblings(int rec);
    // The child of the first cached node at p; 0 when none.
    int FindChild(Point p) const;
    const TJskNode& GetNode(int i) const { return Cache[i]; }
    int GetRecNo(int i) const { return CacheRec[i]; }
    int Count() const { return CacheCount; }
    // One of the first 20 unmarked cached nodes, chosen at random; (0, 0) when
    // there is none.
    void RandomKoho(Point& out) const;

    bool IsOpen() const { return OpenFlag; }
    int Mode() const { return FMode; }
    int RecordCount() const { return static_cast<int>(Records.size()); }
    const TJskNode& Record(int n) const { return Records[static_cast<std::size_t>(n)]; }

private:
    Arr<TJskNode, 0, kJskChain - 1> Cache{};
    Arr<int, 0, kJskChain - 1> CacheRec{};
    int CacheCount = 0;
    int FMode = kJskWhole;
    std::vector<TJskNode> Records;
    bool OpenFlag = false;
};

// The two dictionaries of the game.
extern TLjsk ZenbanLjsk; // whole-board openings: VORN5F.JSK (19x19) or Vorn9.jsk (9x9)
extern TLjsk JosekiLjsk; // corner sequences: VORN5J.JSK

// File names in the program's directory.
inline constexpr const char* kZenbanFile19 = "VORN5F.JSK";
inline constexpr const char* kZenbanFile9 = "Vorn9.jsk";
inline constexpr const char* kJosekiFile = "VORN5J.JSK";

// --- Whole-board following --------------------------------------------------
extern int ZenbanRec;                 // record of the chain of the next move
extern int ZenbanCount;               // moves followed
extern std::uint8_t ZenbanOff;        // 1: out of book for this game
extern std::uint8_t ZenbanSwap;       // orientation: x and y exchanged
extern std::uint8_t ZenbanMirrorX;    // orientation: x mirrored
extern std::uint8_t ZenbanMirrorY;    // orientation: y mirrored

Point ZenbanToDict(Point p);
Point ZenbanFromDict(Point p);

// --- Corner following, per corner 1 top-left, 2 top-right, 3 bottom-right, 4 bottom-left.
extern Arr<Arr<TJskNode, 0, kJskChain - 1>, 1, 4> JosekiCache; // current continuations
extern Arr<int, 1, 4> JosekiCacheCount;
extern Arr<Arr<TJskNode, 0, kJskChain - 1>, 1, 4> JosekiTenuki; // answers after a tenuki
extern Arr<int, 1, 4> JosekiTenukiCount;
extern Arr<int, 1, 4> JosekiNextIro;  // colour expected next in the corner, 0 before any move
extern Arr<int, 1, 4> JosekiDepth;
extern Arr<Arr<int, 0, kJskPath>, 1, 4> JosekiPath;
extern Arr<std::uint8_t, 1, 4> JosekiFlip;        // local x and y exchanged
extern Arr<std::uint8_t, 1, 4> JosekiOrientFixed; // 1 once an off-diagonal move fixed the flip
extern Arr<Point, 1, 4> JosekiExtent;             // largest local x and y of the corner
extern Arr<Point, 1, 4> JosekiPrevPt;             // previous local point
extern Point JosekiLastPt;                        // last fed point, (0, 0) when it reached no corner
extern std::uint8_t JosekiOff;                    // 1: the corner book is done for this game
extern Arr<Point, 1, 30> JosekiTeList;            // the list built by JosekiTe
extern int JosekiTeCount;
extern Arr<std::uint8_t, 1, 4> JosekiCornerFlag;  // 1: the corner's continuations are candidates

// Board point <-> corner-local point (counted from the top-left corner; the
// mirror is 20 - v, so the corner book serves 19x19 only).
Point JosekiToCorner(Point p, int c);
Point JosekiFromCorner(Point p, int c);

// Game start, after the dictionaries are open: back to the roots, handicap
// stones fed to the corners.
void JosekiStart();
// Opens the dictionaries of the board size from ExeDir (whole-board book on
// 19x19 and 9x9, the corner book always) and runs JosekiStart.
void JosekiOpenGame();
// Closes both dictionaries (end of a game).
void JosekiCloseGame();

// A played move of the given colour, fed to the corner books.
void JosekiFeed(Point p, int colour);
void JosekiAdvance(int c, int child, int colour);
void JosekiKakariCheck(int c);
// A played move, followed in the whole-board book.
void ZenbanFollow(Point p);

// The opening stage: a continuation of the whole-board book, (0, 0) when none.
void ZenbanKoho(Point& out);
// Stage 1: a joseki continuation in the corner of the last move.
void JosekiTe(Point& out);
// Stage 2: every corner's continuations as candidates.
void JosekiKoho();
void JosekiKohoAll();

void JosekiReset();

} // namespace vorn
