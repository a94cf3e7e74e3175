// Entries of the problem table life-katachi-pin6.tst: the settling patterns
// run together, as the life-and-death pass runs them for one group.  The
// answer format is written at the entry.
#include "engine/Problems.h"
#include "engine/Pondering.h"

#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Koho.h"
#include "engine/SikatuKatachi.h"

namespace vorn::test {
namespace {

// call SikatuSettle V   the settling patterns on the group at V: "me=M
// kokyu=N" (the group's eye value and breathing points: the premises of the
// gates), then each candidate as "P=K+d:r", its value counted from the
// group's value K and its reason r, sorted ("none"), then "then:R", the
// reason left for the candidates added after the patterns.
std::string Settle(const std::vector<Point>& pts)
{
    const TGun* g = &GroupAt(pts);
    const int kati = g->GetKati();
    const std::string counts = "me=" + std::to_string(g->GetMe()) + " kokyu=" + std::to_string(g->GetKokyuSu());
    KohoKind = kkSikatu;
    SikatuSettle(*g);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        all.push_back(GtpVertex(Koho.Pt[i]) + '=' + Against("K", Koho.Value[i], kati) + ':'
                      + std::to_string(static_cast<int>(Koho.Kind[i])));
    }
    return counts + ' ' + SortedWords(all) + " then:" + std::to_string(static_cast<int>(KohoKind));
}

const TProblemRoutineAdd settle("SikatuSettle", Settle);

} // namespace
} // namespace vorn::test
