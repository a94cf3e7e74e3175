// TTejun: the move record of one board (up to 600 moves), with the stones each
// move captured, the prisoners, a comment per move and marks per move.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

constexpr int kMaxTe = 600;

struct TMark {
    std::string label; // up to two characters, UTF-8
    std::uint8_t x = 0;
    std::uint8_t y = 0;
};

// A setup stone placed in the course of the record (colour 0: the point
// cleared), after move `te` (0: before the first move); `was` is what the
// placement grid held at the point before.
struct THaiti {
    int te = 0;
    std::uint8_t x = 0;
    std::uint8_t y = 0;
    std::uint8_t iro = 0;
    std::uint8_t was = 0;
};

class TTejun {
public:
    TTejun();

    // Queries.
    int Current() const { return CurrentNo; }
    int Last() const { return LastNo; }
    Point GetTe(int n) const { return Point(TeX[n], TeY[n]); }
    Point CurTe() const { return CurrentNo == 0 ? Point() : GetTe(CurrentNo); }
    // Colour of move n, continuing the colour sequence of the levels below.
    // The game board's first colour decides: the one set for a position
    // with a side to move, else Black (White in a handicap game).
    int TeColor(int n) const;
    int CurColor() const { return TeColor(CurrentNo); }
    int NextColor() const { return TeColor(CurrentNo + 1); }
    int ToruCountN(int n) const;
    int ToruCount() const { return ToruCountN(CurrentNo); }
    Point ToruIsiN(int n, int i) const;
    Point ToruIsi(int i) const { return ToruIsiN(CurrentNo, i); }
    int Hama(int c) const { return HamaSu[c]; }
    int Find(int x, int y) const;
    // Comment of move n (0..600); empty when there is none.
    const std::string& GetComment(int n) const { return Comments[n]; }
    bool HasComment(int n) const { return !Comments[n].empty(); }
    int MarkCount(int n) const { return n == 0 ? 0 : static_cast<int>(Marks[n].size()); }
    const std::string& MarkText(int n, int i) const;
    Point MarkPoint(int n, int i) const;
    const std::vector<TMark>& GetMarks(int n) const { return Marks[n]; }
    // The setup stones in the order they were placed.
    const std::vector<THaiti>& GetHaiti() const { return HaitiList; }
    // The handicap a record read from a file names for stones that the board
    // did not place itself (set up freely, or given as Black's first moves);
    // 0 when the game's handicap is the board's own.
    int FileTeai() const { return FileTeaiSu; }

    // Changes.
    // Empties the record; the first colour goes back to the handicap's, and
    // no handicap of a file is left.
    void Clear();
    // The colour of move 1 of this record (kKuro or kSiro; 0: by handicap).
    void SetFirstColor(int c) { FirstIro = static_cast<std::uint8_t>(c == kKuro || c == kSiro ? c : 0); }
    void SetFileTeai(int n) { FileTeaiSu = n; }
    // Appends a move after the last one (a pass is (0, 0)); answers the new
    // number of moves, or -1 when the record is full.
    int Add(int x, int y);
    void SaveToru(int n);
    void Forward();
    void Back();
    // Removes moves n.. from the record (nothing for n = 0).
    void Truncate(int n);
    void SetComment(int n, const std::string& text);
    void AddMark(int n, const std::string& label, int x, int y);
    void SetMarks(int n, const std::vector<TMark>& marks);
    // A setup stone of colour c (0 clears) at (x, y) after the current move.
    void AddHaiti(int x, int y, int c, int was);

private:
    int CurrentNo = 0;
    int LastNo = 0;
    std::uint8_t FirstIro = 0;
    int FileTeaiSu = 0;
    Arr<int, 1, kMaxTe> TeX{};
    Arr<int, 1, kMaxTe> TeY{};
    // Captured stones of every move, kept move after move in one buffer:
    // move n owns ToruX/ToruY [ToruStart[n], ToruStart[n + 1]).
    Arr<int, 1, kMaxTe + 1> ToruStart{};
    std::vector<std::uint8_t> ToruX;
    std::vector<std::uint8_t> ToruY;
    Arr<int, 1, 2> HamaSu{};
    Arr<std::string, 0, kMaxTe> Comments;
    Arr<std::vector<TMark>, 1, kMaxTe> Marks;
    std::vector<THaiti> HaitiList;
    // Highest move number whose entries may be non-empty (bounds the work of Clear).
    int HighNo = 0;
};

} // namespace vorn
