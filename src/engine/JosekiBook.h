// The source form of the joseki dictionaries and their compiler.
//
// A dictionary is written as an SGF move tree.  Variations are alternatives;
// variations that begin alike are merged, so every line may be written out in
// full from the root.  Two private properties describe a move:
//   JM[1]  known move that is followed but never proposed (a poor move);
//   JW[n]  weight 0..255, twice the candidate bonus of the move (default 60).
// In the corner book (SZ[19], coordinates counted from the top-left corner) a
// pass stands for a move elsewhere on the board: its children are the answers
// of the same side after the tenuki.  The whole-board books use board points.
#pragma once

#include <string>
#include <vector>

#include "board/Point.h"
#include "engine/Joseki.h"

namespace vorn {

constexpr int kJskDefaultWeight = 60;

// A node of the source tree; node 0 is the root (before the first move).
struct TBookNode {
    Point Pt;             // (0, 0) for a tenuki
    int Colour = 0;       // colour that plays the move, 0 for the root
    int Mark = -1;        // -1 when not given
    int Weight = -1;      // -1 when not given
    std::vector<int> Kids;
};

class TJosekiBook {
public:
    explicit TJosekiBook(int mode) : Mode(mode) { Clear(); }
    void Clear();

    // Reads an SGF move tree and merges it into the book; messages for
    // anything that cannot be read go to errors (false when there are any).
    bool ParseSgf(const std::string& text, std::vector<std::string>& errors);
    // The book as dictionary records (record 0 unused, record 1 the root chain).
    std::vector<TJskNode> Compile() const;

    int Mode;
    int Size = 19;
    std::vector<TBookNode> Nodes;
};

// Checks compiled records: record numbers, a tree without cycles or shared
// chains, coordinates, at most 31 siblings of which at most 20 proposable, one
// tenuki node per chain (corner book only, never at the root or right after
// another), no point twice in a chain, mirror twins where the corner's
// orientation is still open, the marks of the approach nodes that the 4-4
// check changes, and the legality of every line.
void JskValidate(const std::vector<TJskNode>& records, int mode, int size, std::vector<std::string>& errors);

// A dictionary printed back as an SGF move tree.
std::string JskToSgf(const std::vector<TJskNode>& records, int mode, int size);

// Writes a dictionary file; false when it cannot be written.
bool JskWriteFile(const std::string& fileName, const std::vector<TJskNode>& records);

} // namespace vorn
