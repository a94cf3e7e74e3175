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

// Later positions of the engine's own games, Black to move: the middle game
// and the endgame on both sizes.
inline const char* const kMiddle9[] = {
    R"(
. . . . . . . . .
. . O O X . . . .
. . X . X . O . .
. . X . . . . . .
. . . . X . X X O
. X . . . . . O .
. X O O . O O X .
. O . . . . . O .
. . . . X . . . .)",
};

inline const char* const kEndgame9[] = {
    R"(
. . . . . . . . .
. . . . . . X X O
. . . . X X O O O
. . X . . X O . .
. . . . X O O . .
. . X . X X . O .
. . . . X O O . .
O . . X O . . . .
. . . X . O . . .)",
    R"(
. . . X . O . . .
. . . X . O . . .
. . . X . O . . .
. . . X . O . . .
. . . . O O . . .
. . . X . O . . .
. . . X . O . . .
. . . X . O . . .
. . . X . O . . .)",
};

inline const char* const kMiddle19[] = {
    R"(
. O . X . X . O . O . X . . . . . . X
. . O O X . O . O . . . O . X . . X .
. . . X O . X X X O . . . . O X X . .
O O . . X . . . X X O . X . . O X . X
O O O X . X . . O O . O O . . O O X .
O . X . X O O O . O X O X . O . X . .
. . . O . X O . X X . X X X . . . O .
. . O X . . . . . . . . O X . . X . .
. X X X . O X X . X X O . . . . . . .
. X O O . . . . . . O O O X . . . . .
. O X X X . O . O . O X X . O O . X .
. O O . . . . . . . . . . O . O X . .
O X X O O X . . X . . O . . . . O O .
. O . X O X O . . . . . . . . . . . .
O . O . X X . . X . . X . . X . . O .
O O . O . . . . . . . . O . . . X O .
X . O . O . . . . . O . X X . . . . O
. X . O O X . X . . . X X O . X . O O
. X . X X . . . . O . . . . . . . . X)",
};

inline const char* const kEndgame19[] = {
    R"(
. O . X . X . O . O . X . O O X . . X
. . O O X O O O O . . . O O X X . X .
. . . X X X X X X O . . O O O X X . .
O O . . X . . X X X O . X X O O X . X
O O O X . X X O O O . O O X X O O X X
O . X X X O O O . O X O X X . X X O X
. . O O . X O O X X . X X X X . X O O
. X O X . . . . . . . . O X . . X X O
X X X X . O X X . X X O . X . X O X O
O X . . X . . X X O O O O X X . O O O
O O X X X X O O O O O X X X O O O X O
O O O O X O O . X X O O O O . O X X .
O X X O O X O O X . . O X O . . O O .
O O X X O X O X . . X O X X O O O . .
O . O X X X X X X X . X X . X X X O .
O O . O . O O O O . . . O . . . X O .
X O O . O . O O X . O . X X . . . . O
X X X O O X X X X . . X X . X X O O O
. X . X X . . . . O . . . X O O O . X)",
};

} // namespace vorn::bench
