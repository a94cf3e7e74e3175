// The fixed positions of the engine benchmarks, from games of another
// program, kept as diagrams (rows top to bottom, 'X' black, 'O' white) with
// Black to move, so that other engines can be timed on the same ones.  The
// tests run their readers over them too.
#pragma once

namespace vorn::bench {

inline const char* const kPositions9[] = {
    R"(
. . . . . . . . .
O . . . X . . . .
. O O O . X . . .
. O X X . X . . .
. X X . . . . . .
X O O . . . . . .
X . . O . X . . .
. O . . . O . . .
. . . . . . . . .)",
    R"(
. . . . . . . . .
. . . . . . . . .
. . . X X . X X X
X . X O . . X O X
O X X O X X O O O
O O O X X O O . .
. . O O O . . . .
. . . . . . . . .
. . . . . . . . .)",
    R"(
. . . . O O O X .
. . . O O O X X X
. . O O X O O O X
. . . O X X X X X
O O O X . . X . X
O X X . . O X X X
X . . . X X O O X
. X . . X O . O O
. . . . X O O . .)",
};

inline const char* const kPositions19[] = {
    R"(
. . . . . . . . . . . . . . . . . . .
. . . . X . . . . . . . . . O . . . .
. . . . . . X . . . O . O O X . O . .
. . O . O . . . . . . . . X . X . O .
. . . . . . X . . . . . . . . . . . .
. . . . . . . . . . . O . X . . O . .
. . . . . . . . . . . . . . . . . . .
. . O . . . . . . . . . . X . . . . .
. . . . . . . . . . . . . . . . . . .
. . . X . . . . . X . . . . . . X . .
. . . . . . . . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .
. . O . . . . . . . . . . O . X . . .
. . . . . O . . . . O . . . . . . . .
. . . O . . . . . . . . . O . X . . .
. . O . . X . . X . . X . . O O X . .
. . X X . . . . . . . . . . . . X . .
. . . . . . . . . . . . . . . . . . .)",
    R"(
. . . . . . . X O . . O X X O X . . .
. . . . X X X O O . . . O . O X . . .
. . . X . O O X O . . O . . O X X . .
. . X . . O . . O . . . . . O O X . .
. X X O . . . . . . . O . . . O X . .
. O O O . . . . X . . . . O O X O . .
. . . . . . O O O . O . . . X X . . .
. . . . . . O X X O . . O . . X . . .
. . . . O . X . . X X . O O . . X . .
O O O . O X . X . . . X O X X . . . .
O X O O X . X . . X . . X . . . . X .
X X X X . . . . . . O X . X . X . . .
. . . . . . . . . . O O X X . . . . .
. . . . . . X . . O . . O O X X . . O
. . X . . . . . . . . . . . X . X . .
. . . . . X . . . . . . . O O O X X O
. . . X . X O . . O . . . . . . O O .
. . . . X O O . . . . . . . . . . . .
. . . . . . . . . . . . . . . . . . .)",
    R"(
. . . X X O . . . . . . . O O O . . .
. . X X O . . . . O O O O X O X O . .
. . X O O X O . . O X O X . X X . . .
. . X O . O . O O O X O X X X . X X .
. . X O . O X O X O X X . . O X . . X
. . X O . O X X X X X . X X O X X X O
. X . . O . O X . X . . X O O O O O O
. . X X O . O . O X O O O . . . . . .
X O . X . O . O . O X O . O . O . O O
X . O O O . O . . . X . X . . . O O X
. X . . . X X X X X . X . X . . O X X
. . . O X . . . . O . O X . . . O . X
. . O O X . X X X O . O X . . X O O X
O . O X X . X O O O . X X X X . . . X
X O O X . X O . . . . . O O . X X X .
X X X X . X O . . O . O . . O . O O X
. . . . . X X O . . . . O . . O . O X
. . . X . X O O . . . . . . O O X O X
. . . . X O O . . . . . . . . . O . .)",
};

} // namespace vorn::bench
