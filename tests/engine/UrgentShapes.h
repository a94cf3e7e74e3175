// Positions of the urgent shapes shared by the tests of the peep generator
// and of the shapes other generators ask for (9 x 9; points named by column
// letter and row counted from the top), and the small helpers that name
// points and edit positions.
#pragma once

#include <cstdlib>
#include <sstream>
#include <string>

#include "board/Point.h"
#include "engine/Koho.h"

namespace vorn::test::shapes {

// A point named as in the diagrams: "D4" is column D, row 4 from the top.
inline Point At(const char* name) { return Point(name[0] - 'A' + 1, std::atoi(name + 1)); }

// The reason code of the candidate at p, 0 when the table holds none there.
inline int KindAt(Point p)
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == p)
            return Koho.Kind[i];
    return 0;
}

// A 9 x 9 diagram: `base` (the empty board when null) with the edits put on
// it, each colour followed by its points: "X D4 E4 O C3 . E3" ('.' empties).
inline std::string Board9(const char* edits, const char* base = nullptr)
{
    std::string cells;
    for (const char ch : std::string(base == nullptr ? "" : base))
        if (ch == 'X' || ch == 'O' || ch == '.')
            cells += ch;
    cells.resize(81, '.');
    std::istringstream in(edits);
    std::string word;
    char colour = '.';
    while (in >> word) {
        if (word == "X" || word == "O" || word == ".") {
            colour = word[0];
            continue;
        }
        const Point p = At(word.c_str());
        cells[(p.y - 1) * 9 + (p.x - 1)] = colour;
    }
    std::string out;
    for (int y = 0; y < 9; ++y)
        out += cells.substr(y * 9, 9) + "\n";
    return out;
}

// White's jumps C3-E3 and E3-E5: Black's D4 peeps at both gaps.
inline constexpr const char* kDoublePeep = R"(
    . . . . . . . . .
    . . . X . . . . .
    . . O . O . . . .
    . . . . . X . . .
    . . X . O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
// The same with White's D5 beside the peep: Black's cutting stones D2 and
// F4 stand ready beyond both gaps.
inline constexpr const char* kDoublePeepCut = R"(
    . . . . . . . . .
    . . . X . . . . .
    . . O . O . . . .
    . . . . . X . . .
    . . X O O . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
// White's two-liberty stone at D4 shares D3 with the three-liberty stone at
// E3, which the ladder takes once Black's D3 has made White extend at D5.
inline constexpr const char* kSharedLiberty = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . O . . . .
    . . X O X X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
// White's diagonal D4-E5: Black's atari at E4 on the stone at F4 comes
// before the cut at D5.
inline constexpr const char* kAtariBeforeCut = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . X X . . .
    . . . O . O X . .
    . . . . O . . . .
    . . X . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
// Black's D4-D5 escapes the ladder because its stone at E7 breaks it;
// White's atari at E6 on the breaker makes the ladder work.
inline constexpr const char* kLadderPath = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . O O . O . . .
    . . O X . X X . .
    . . O X . . . O .
    . . . O . O . . .
    . . . O X O X . .
    . . . X . X X . .
    . . . X X X . . .)";
// Black's E5 ataris White's E4; after White's F4, Black's D6 ataris D5 and
// D7-D8 at once.
inline constexpr const char* kAtariDoubleAtari = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . X . . . .
    . . . X O . . . .
    . . . O . . . . .
    . . . . . . . . .
    . . X O X . . . .
    . . X O X . . . .
    . . . . . . . . .)";
// Black's D4-E3 diagonal in neutral ground: White's cut at E2 leaves F2 to
// the ladder.
inline constexpr const char* kNeutralCut = R"(
    . . X . O O . O .
    . . X X . X . O O
    . . . . X . . . .
    . . . . . . . . .
    . . O X . . X . .
    . . . O . . X . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";
// White's F5 has two liberties, E5 (shut in by White on three sides, D5 in
// atari) and G5; Black's G6 beside G5 leans on White's knight's-move links
// from G7 to F5 and E6.
inline constexpr const char* kEnclosedLiberty = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . X . . .
    . . X O . O . X .
    . . . X O X . . .
    . . . . . . O . .
    . . . . . . . . .
    . . . . . . . . .)";
// Black's C8 peeps at White's jump B7-D7 and ataris B9-D9, which can
// capture A9 at A8.
inline constexpr const char* kPeepAtari = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    X X . . . . . . .
    . O . O O . . . .
    . X . . . . . . .
    X O O O X . . . .)";
// White's two stones D5-E5 with Black beside them and at F5: the hane at C5.
inline constexpr const char* kNirenHane = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . O O X . . .
    . . . X X . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

} // namespace vorn::test::shapes
