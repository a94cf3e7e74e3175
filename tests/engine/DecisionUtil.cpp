#include "DecisionUtil.h"

#include "Util.h"

#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn::test {

const char* const kNet = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . O O . . . .
    . . O X X O . . .
    . . . O X . . . .
    . . . O . . . . .
    . . . . . . X . .
    . . . . . . . . .
    . . . . . . . . .)";

const char* const kDoubleAtari = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . O . . . O . .
    . . X O . O X . .
    . . X O X O X . .
    . . . X . X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

const char* const kKeimaPartner = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . X . . . . .
    . X . O X . . . .
    . . . O . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

void PrepareDecision(const char* diagram, int toMove)
{
    SetBoard(diagram);
    if (toMove == kSiro)
        GobanLv[0]->Pass();
    // No stage runs: the analysis and the prologue only.
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
}

std::optional<int> KohoValueAt(Point p)
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == p)
            return Koho.Value[i];
    return std::nullopt;
}

} // namespace vorn::test
