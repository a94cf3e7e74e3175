// Entries of the problem table life-sikatu-pin7.tst.  The answer format is
// written at each entry.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Sikatu.h"

namespace vorn::test {
namespace {

// call SikatuSkip:seeded-22 V P   the test that spares the group at V the
// life-and-death reading, with one candidate already in the table before
// it: P at value 22 (score 220, the bar of the relation answers) under the
// relation reason (5).  "skip" or "read", then the points of the
// candidates the test added (the seed left out), sorted; "none".
std::string SkipSeededStrong(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the test wants a stone of the group and the seeded point");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    AddKohoEx(pts[1], 22, kkKankei, Point{});
    if (KohoCount != 1)
        throw std::invalid_argument("the seed is refused at " + GtpVertex(pts[1]));
    KohoKind = kkSikatu;
    const bool skip = SikatuSkip(*g);
    YomiUnwind();
    std::vector<std::string> added;
    for (int i = 2; i <= KohoCount; ++i)
        added.push_back(GtpVertex(Koho.Pt[i]));
    return std::string(skip ? "skip " : "read ") + SortedWords(added);
}

const TProblemRoutineAdd skipSeededStrong("SikatuSkip:seeded-22", SkipSeededStrong);

} // namespace
} // namespace vorn::test
