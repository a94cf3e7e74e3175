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

// The engine's move for the side to move on the game board: out.x > 0 play
// that point, out.x = 0 pass, out.x < 0 an offer to resign (the move it would
// play instead is (-x, y)).  Nothing is thought while the game is over (a
// pass).  The answer is always legal on the game board, and the look-ahead is
// back at level 0.
void ThinkMove(Point& out);
// Analyses the game board and runs stages 0 to maxStage for its side to move.
void VornThink0(int maxStage, Point& out);
// The staged search: prologue, the stages in order until one yields a point,
// the ko threat and the resignation offer.
void ThinkStage(int maxStage, Point& out);
// The per-decision state, rebuilt before the first generator runs: the
// ladders of the short chains (with `ladders`), the pair list, the cut and
// atari maps, the peep table, the pair flags, the ko point, the link marks,
// the base evaluation and the position judgement (with `judgement`); the
// candidate table, the ko park and the ko-threat list are emptied.
void ThinkPrologue(bool ladders, bool judgement);
// The calls of one stage, in their order; out is the stage's choice.
void RunStageCalls(int stage, Point& out);

// Reply to a lone far stone of the opponent: a one-space jump from it.
void ReplyLastTe(Point& out);
// Whether a best candidate of this reason goes to the look-ahead.
bool NeedSakiyomi(int reason);
// A slow attack far from the last move gives way to a big point.
void SakiyomiPreCheck(Point p, Point& out);
// Refines an attack or defence of a weak group.
void VornThinkWeakGun(Point p, Point& out);

// What the staged search consults besides the board: the calls of each stage
// and the ko-threat search (which also reports the threat's value).  The
// program runs RunStageCalls and the ko unit; tests put scripted sources in
// their place.
struct TThinkSources {
    void (*Stage)(int stage, Point& out);
    void (*KoThreat)(int limit, Point& out, int& value);
};
extern TThinkSources ThinkSources;
TThinkSources DefaultThinkSources();

// Engine settings as the engine uses them: the INI can hold anything, so
// they are clamped here.
int SettingYomiWide(); // look-ahead roots on boards above 9x9, 1..20
int SettingYomiDeep(); // longest forced continuation, 0..10
int SettingYomiTime(); // thinking budget in minutes, 0..1000
// The engine's clock has used more than the thinking budget less reserve minutes.
bool JikanOver(int reserveMinutes);

// The point is a legal move for the side to move on the game board.
bool LegalOnGame(Point p);

// Back to start-up values.
void ThinkReset();

} // namespace vorn
