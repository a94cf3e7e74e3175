// Entries of the problem table life-reading-cover.tst: the life-and-death
// pass of the tactical stage on positions whose answers are worked out by
// hand.  The answer format is written at each entry.
#include "engine/Problems.h"

#include <algorithm>
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

// call SikatuThink:settle   the life-and-death pass over every group, with
// the pondering switched on and no shape remembered: the candidates of the
// settling patterns (reasons 9 and 32) as "P:R", sorted; "none".
std::string SettleCandidates(const std::vector<Point>&)
{
    const std::uint8_t on = SikatuYomiOn;
    const unsigned char mode = YomiSikatuMode;
    SikatuYomiOn = 1;
    YomiSikatuMode = 1;
    ClearSikatuGun();
    SikatuThink();
    SikatuYomiOn = on;
    YomiSikatuMode = mode;
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Kind[i] == kkSikatu || Koho.Kind[i] == kkSikatuSettle)
            all.push_back(GtpVertex(Koho.Pt[i]) + ':' + std::to_string(Koho.Kind[i]));
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return SortedWords(all);
}

const TProblemRoutineAdd settleCandidates("SikatuThink:settle", SettleCandidates);

// call KorosuYomi:cover V   the kill pondering of the group at V, with the
// pondering switched on and no shape remembered: "n=N" (its answer), then
// its candidates against K, the group's value: "P=K" or "P=K+d"; sorted.
std::string KorosuValues(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the kill pondering wants one point");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    const int k = g->GetKati();
    const std::uint8_t on = SikatuYomiOn;
    SikatuYomiOn = 1;
    ClearSikatuGun();
    KohoKind = kkSikatu;
    const int n = KorosuYomi(*g);
    SikatuYomiOn = on;
    std::vector<std::string> all{"n=" + std::to_string(n)};
    for (int i = 1; i <= KohoCount; ++i) {
        const int d = Koho.Value[i] - k;
        all.push_back(GtpVertex(Koho.Pt[i]) + "=K" + (d > 0 ? "+" : "") + (d != 0 ? std::to_string(d) : ""));
    }
    return SortedWords(all);
}

const TProblemRoutineAdd korosuValues("KorosuYomi:cover", KorosuValues);

} // namespace
} // namespace vorn::test
