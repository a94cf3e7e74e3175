// Entries of the problem table life-reading-cover.tst: the life-and-death
// pass of the tactical stage on positions whose answers are worked out by
// hand.  The answer format is written at each entry.
#include "engine/Problems.h"

#include <algorithm>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
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
    if (all.empty())
        return "none";
    std::string s;
    for (const std::string& w : all)
        s += (s.empty() ? "" : " ") + w;
    return s;
}

const TProblemRoutineAdd settleCandidates("SikatuThink:settle", SettleCandidates);

} // namespace
} // namespace vorn::test
