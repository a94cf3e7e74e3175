// The engine's move choice: ThinkMove answers the engine's move for the side
// to move on the game board, for the engine's own turn and for the hint.  It
// consults the prepared answers and a reply to a lone far stone, then runs the
// staged search (VornThink0 / ThinkStage), which asks the move generators in a
// fixed order of nine stages and stops at the first stage that yields a point,
// and finally refines the choice by the reason of the best candidate.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// The colour the engine is choosing a move for, and its opponent.
extern std::uint8_t JibunIro;
extern std::uint8_t AiteIro;
// The position judgement taken at the start of the staged search.
extern int KeiseiHandanNow;
// 1 only while the urgent life-and-death pass of stage 2 runs.
extern std::uint8_t UrgentPassFlag;
// 1 lets the life-and-death pondering run (the main search only).
extern std::uint8_t SikatuYomiOn;
// 1 while the look-ahead search runs; several generators stand down then.
extern std::uint8_t InSakiyomi;
// Points inside the look-ahead area, [x][y]: 1 inside.
extern Grid<std::uint8_t, 1, 19> YomiArea;

// Back to start-up values.
void ThinkReset();

} // namespace vorn
