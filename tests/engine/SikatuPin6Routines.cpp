// Entries of the problem table life-sikatu-pin6.tst: the life-and-death pass
// and the test that spares a group, read with every candidate they leave
// (value and reason); a group's candidate points and death level as the
// premises of the filter and escape rows.  The answer format is written at
// each entry.
#include "engine/Problems.h"
#include "engine/Pondering.h"

#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Gun.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Sikatu.h"

namespace vorn::test {
namespace {

// The candidate table against K: "P=K+d:R" (value, reason), sorted.
std::string Table(int k)
{
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        all.push_back(GtpVertex(Koho.Pt[i]) + '=' + Against("K", Koho.Value[i], k)
                      + ':' + std::to_string(Koho.Kind[i]));
    }
    return SortedWords(all);
}

// call SikatuThink:pass V   the life-and-death pass over every group, with
// the pondering switched on and no shape remembered: every candidate it
// left as "P=K+d:R" against K, the value of the group at V ("P=K:R",
// "P=K-d:R"), R its reason; sorted; "none".
std::string PassTable(const std::vector<Point>& pts)
{
    const int k = GroupAt(pts).GetKati();
    {
        const TPonderOn pondering;
        SikatuThink();
    }
    YomiUnwind();
    return Table(k);
}

// call SikatuSkip:table V   the test that spares the group at V the
// life-and-death reading, on an empty candidate table: "skip" or "read",
// then every candidate the test left as "P=K+d:R" as above; sorted.
std::string SkipTable(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    const int k = g.GetKati();
    KohoKind = kkSikatu;
    const bool skip = SikatuSkip(g);
    YomiUnwind();
    return std::string(skip ? "skip " : "read ") + Table(k);
}

// call SikatuKoho:attacker V   the candidate points of the group at V for
// the other colour's reading, as the analysis lists them (the premise a
// filter row stands on): sorted; "none".
std::string AttackerPoints(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    Point list[kMaxSikatuKoho];
    const int n = g.SikatuKoho(list, Aite(g.GetIsiIro()));
    std::vector<std::string> all;
    for (int i = 0; i < n; ++i)
        all.push_back(GtpVertex(list[i]));
    return SortedWords(all);
}

// call GunDeathLevel V   the death level of the group at V as the analysis
// gives it (the premise an escape row stands on): "level=L", "weak" when
// the group counts as weak, then its breathing points, sorted ("none").
std::string DeathLevelAt(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    std::vector<std::string> all;
    for (int i = 1; i <= g.GetKokyuSu(); ++i)
        all.push_back(GtpVertex(g.GetKokyu(i)));
    return "level=" + std::to_string(g.GetDeathLevel()) + (g.IsWeak() ? " weak " : " ") + SortedWords(all);
}

// call Locate:colours P...   the colours of the stones the relation record
// of each empty point P sees (a premise): "P=BW", "P=B", "P=W" or "P=-";
// sorted.
std::string LocateColours(const std::vector<Point>& pts)
{
    std::vector<std::string> all;
    for (const Point p : pts) {
        const TLocate& loc = CurGoban().GetLocatePt(p);
        std::string c = std::string(loc.CountIro(kKuro) > 0 ? "B" : "") + (loc.CountIro(kSiro) > 0 ? "W" : "");
        all.push_back(GtpVertex(p) + '=' + (c.empty() ? "-" : c));
    }
    return SortedWords(all);
}

const TProblemRoutineAdd locateColours("Locate:colours", LocateColours);
const TProblemRoutineAdd deathLevel("GunDeathLevel", DeathLevelAt);
// call SikatuKoho:own V   the candidate points of the group at V for its
// own colour's reading, in the order the analysis lists them (a premise):
// "P Q ..." unsorted; "none".
std::string OwnPoints(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    Point list[kMaxSikatuKoho];
    const int n = g.SikatuKoho(list, g.GetIsiIro());
    std::string out;
    for (int i = 0; i < n; ++i)
        out += (i > 0 ? " " : "") + GtpVertex(list[i]);
    return n == 0 ? "none" : out;
}

const TProblemRoutineAdd ownPoints("SikatuKoho:own", OwnPoints);
const TProblemRoutineAdd attackerPoints("SikatuKoho:attacker", AttackerPoints);
// call SikatuSkip:second V   the test that spares the group at V the
// reading, on an empty table: "skip" or "read", then every candidate it
// left against E, the evaluation for the second-line mover (the group's
// colour when its eye value is below 4, the other colour otherwise) after
// that colour's stone at the point: "P=E", "P=E+d"; sorted.
std::string SkipSecond(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    const int mover = g.GetMe() < 4 ? g.GetIsiIro() : Aite(g.GetIsiIro());
    KohoKind = kkSikatu;
    const bool skip = SikatuSkip(g);
    YomiUnwind();
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        const int d = Koho.Value[i] - ReadingValue(mover, {Koho.Pt[i]});
        all.push_back(GtpVertex(Koho.Pt[i]) + "=E" + (d > 0 ? "+" : "") + (d != 0 ? std::to_string(d) : ""));
    }
    return std::string(skip ? "skip " : "read ") + SortedWords(all);
}

const TProblemRoutineAdd skipSecond("SikatuSkip:second", SkipSecond);
const TProblemRoutineAdd passTable("SikatuThink:pass", PassTable);
const TProblemRoutineAdd skipTable("SikatuSkip:table", SkipTable);

} // namespace
} // namespace vorn::test
