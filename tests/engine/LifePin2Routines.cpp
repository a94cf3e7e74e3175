// Entries of the problem table life-pin2.tst: the pondering of one group on
// positions whose answers are worked out by hand, read with the bonus of
// each candidate.  The answer format is written at each entry.
#include "engine/Problems.h"
#include "engine/Pondering.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "engine/Koho.h"
#include "engine/Sikatu.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

// The pondering Ponder of the group at the row's one point: "n=N" (its
// answer), then each candidate against the base B as "P=B", "P=B+d" or
// "P=B-d", with its bonus after a slash: "P=B/0".
template <int (*Ponder)(const TGun&)>
std::string Pondered(const std::vector<Point>& pts, const char* name, bool halveShort)
{
    const TGun& g = GroupAt(pts);
    const int base = halveShort && g.GetMe() < 3 ? g.GetKati() / 2 - 1 : g.GetKati();
    int n = 0;
    {
        const TPonderOn on;
        n = Ponder(g);
    }
    std::vector<std::string> all{"n=" + std::to_string(n)};
    for (int i = 1; i <= KohoCount; ++i) {
        all.push_back(GtpVertex(Koho.Pt[i]) + '=' + Against(name, Koho.Value[i], base)
                      + '/' + std::to_string(Koho.Bonus[i]));
    }
    return SortedWords(all);
}

// call KorosuYomi:pin2 V   the kill pondering of the group at V: "n=N", then
// its candidates against K, the group's value: "P=K/0", "P=K+1/0".
std::string KorosuBonus(const std::vector<Point>& pts) { return Pondered<KorosuYomi>(pts, "K", false); }

// call IkiruYomi:pin2 V   the life pondering of the group at V: "n=N", then
// its candidates against h (the group's value K, or K / 2 - 1 for eye value
// below 3): "P=h/0", "P=h+5/0".
std::string IkiruBonus(const std::vector<Point>& pts) { return Pondered<IkiruYomi>(pts, "h", true); }

// call KorosuYomi:again:pin2 V   the kill pondering of the group at V twice
// in a row, the remembered shapes kept between the two: "n=N again=M",
// the two answers.
std::string KorosuAgain(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    const TPonderOn on;
    const int n = KorosuYomi(g);
    const int again = KorosuYomi(g);
    return "n=" + std::to_string(n) + " again=" + std::to_string(again);
}

// call SikatuUrgentThink:steal:pin2   the urgent life-and-death pass over
// every group: the candidates it added under the eye-stealing reason (33)
// as "P=V", sorted; "none".
std::string UrgentSteals(const std::vector<Point>&)
{
    Point chosen;
    SikatuUrgentThink(chosen);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Kind[i] == kkSikatuUrgent)
            all.push_back(GtpVertex(Koho.Pt[i]) + '=' + std::to_string(Koho.Value[i]));
    return SortedWords(all);
}

const TProblemRoutineAdd urgentSteals("SikatuUrgentThink:steal:pin2", UrgentSteals);
const TProblemRoutineAdd korosuAgain("KorosuYomi:again:pin2", KorosuAgain);
const TProblemRoutineAdd korosuBonus("KorosuYomi:pin2", KorosuBonus);
const TProblemRoutineAdd ikiruBonus("IkiruYomi:pin2", IkiruBonus);

} // namespace
} // namespace vorn::test
