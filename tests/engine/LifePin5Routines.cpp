// Entries of the problem table life-pin5.tst: the gates in front of the kill
// pondering (the group's breathing points, its chance to run out), read
// with what the pondering leaves remembered.  The answer format is written
// at each entry.
#include "engine/Problems.h"
#include "engine/Pondering.h"

#include <string>
#include <vector>

#include "board/Gun.h"
#include "engine/Reading.h"
#include "engine/Sikatu.h"

namespace vorn::test {
namespace {

// call KorosuYomi:remembered V   the kill pondering of the group at V, with
// the pondering switched on and no shape remembered: "kokyu=K" (the group's
// breathing points as the analysis gives them: the premise), "n=N" (its
// answer), then "remembered" when it left the group's shape remembered as
// pondered without a result, "not" otherwise.
std::string KillRemembered(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    const TPonderOn on;
    const int n = KorosuYomi(g);
    return "kokyu=" + std::to_string(g.GetKokyuSu()) + " n=" + std::to_string(n)
           + (FindSikatuGun(g) ? " remembered" : " not");
}

// call NigeruCheck V   the escape test of the group at V: "runs" when one
// of its breathing points, taken by the group's colour, lowers its death
// level by 10 or more, "stays" otherwise.
std::string Escapes(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    const bool runs = NigeruCheck(g);
    YomiUnwind();
    return runs ? "runs" : "stays";
}

const TProblemRoutineAdd killRemembered("KorosuYomi:remembered", KillRemembered);
const TProblemRoutineAdd escapes("NigeruCheck", Escapes);

} // namespace
} // namespace vorn::test
