// Jump-link pattern routines for the rows of tests/problems/links-probe3.tst,
// answered as in LinkRoutines.cpp (candidates in terms of the row's lines).
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <sstream>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"

#include "engine/links/IkkenEdgeWarikomi.h"
#include "engine/links/IkkenKado1.h"
#include "engine/links/IkkenRenraku.h"
#include "engine/links/Kankei6EdgeKata.h"
#include "engine/links/Kankei6EdgeWarikomi.h"

namespace vorn::test {
namespace {

const TProblemRoutineAdd ikkenKadoKataSides("IkkenKadoKata:sides", BoxRoutine<IkkenKadoKata>);
const TProblemRoutineAdd ikkenKado1Whole("IkkenKado1:whole", BoxRoutine<IkkenKado1>);
const TProblemRoutineAdd ikkenEdgeWariKataSide("IkkenEdgeWariKata:side", BoxRoutine<IkkenEdgeWariKata>);

// Kankei6EdgeKata:prep A B: the candidates' points as "P:reason" (their
// values left out), then each prepared answer as "P/Q/R" (own move, the
// opponent's reply, the answer to it).
std::string Kankei6EdgeKataPrep(const std::vector<Point>& pts)
{
    std::istringstream all(BoxRoutine<Kankei6EdgeKata>(pts));
    std::string out, word;
    while (all >> word)
        if (const std::size_t eq = word.find('='); eq != std::string::npos)
            out += (out.empty() ? "" : " ") + word.substr(0, eq) + word.substr(word.rfind(':'));
    for (int i = 1; i <= PreparedTeCount; ++i)
        out += (out.empty() ? "" : " ") + PreparedTeWord(i);
    return out.empty() ? "none" : out;
}
const TProblemRoutineAdd kankei6EdgeKataPrep("Kankei6EdgeKata:prep", Kankei6EdgeKataPrep);
const TProblemRoutineAdd kankei6EdgeWariKataSide("Kankei6EdgeWariKata:side", BoxRoutine<Kankei6EdgeWariKata>);

} // namespace
} // namespace vorn::test
