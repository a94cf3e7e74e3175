// More jump-link pattern routines for the problem tables (rows in
// tests/problems/links-probe2.tst), answered as in LinkRoutines.cpp.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <sstream>
#include <string>
#include <vector>

#include "engine/links/IkkenNozokiKata.h"
#include "engine/links/IkkenWarikomi.h"
#include "engine/links/Kankei10Warikomi.h"
#include "engine/links/Kankei6Warikomi.h"

namespace vorn::test {
namespace {

const TProblemRoutineAdd ikkenNozokiKado("IkkenNozokiKado", BoxRoutine<IkkenNozokiKado>);

// IkkenNozokiKado:atari A B: the candidates of the atari follow-up alone
// (those under the caller's reason; the cut's own, reasons 3 and 4, left
// out), "none" without one.
std::string KadoAtari(const std::vector<Point>& pts)
{
    std::istringstream all(BoxRoutine<IkkenNozokiKado>(pts));
    std::string out, word;
    while (all >> word)
        if (word.ends_with(":5"))
            out += (out.empty() ? "" : " ") + word;
    return out.empty() ? "none" : out;
}
const TProblemRoutineAdd ikkenNozokiKadoAtari("IkkenNozokiKado:atari", KadoAtari);
const TProblemRoutineAdd kankei6Warikomi("Kankei6Warikomi", BoxRoutine<Kankei6Warikomi>);
const TProblemRoutineAdd kankei10WariHasi("Kankei10WariHasi", BoxRoutine<Kankei10WariHasi>);

// IkkenWariKadoDame A B: its candidates only (none when it declines).
std::string KadoDame(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        IkkenWariKadoDame(box);
        return std::string();
    });
}
const TProblemRoutineAdd ikkenWariKadoDame("IkkenWariKadoDame", KadoDame);

} // namespace
} // namespace vorn::test
