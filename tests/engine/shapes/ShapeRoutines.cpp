// The shape-link routines that the problem tables call by name ("call NAME
// A B" in tests/problems/shapes*.tst): each entry runs one routine on the
// points of the row and answers the candidates it left.  The ":read"
// entries compare each candidate's value with readings the row names (see
// ReadAnswer), ":at" and ":only" those of the one candidate the row names,
// ":marks" answers the points a routine marked.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/GunKankeiWide.h"
#include "engine/shapes/Hiraki.h"
#include "engine/shapes/Kankei11.h"
#include "engine/shapes/Kankei4Hokyo.h"
#include "engine/shapes/KankeiHokyo.h"
#include "engine/shapes/Kankei8.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/KeimaTuke.h"
#include "engine/shapes/Kosumi.h"
#include "engine/shapes/Ogeima.h"

namespace vorn::test {
namespace {

// A relation handler on the pair (A, B), under the reason code of the pair
// list's answers, as the relation dispatch calls it.
template <void (*Handler)(Point, Point)>
std::string Pair(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("a pair handler wants two points");
    KohoKind = kkKankei;
    Handler(pts[0], pts[1]);
    return RoutineCandidatesWithReason();
}

// A value against the sum r of a row's readings: "r" when equal, else the
// first of the scalings the patterns apply that gives it ("r/2", "r/3",
// "r/4", "r*2/3", "r*4/5", "r*3/2", "r*2"; division toward zero), else
// "v<r" for a value capped below the sum, "r+k" for one raised by k.
std::string RelativeValue(int v, int r)
{
    if (v == r)
        return "r";
    struct TScale {
        int mul, div;
        const char* name;
    };
    static constexpr TScale kScales[] = {{1, 2, "r/2"},     {1, 3, "r/3"},     {1, 4, "r/4"},    {2, 3, "r*2/3"},
                                         {4, 5, "r*4/5"}, {3, 2, "r*3/2"}, {2, 1, "r*2"}};
    for (const TScale& s : kScales)
        if (r != 0 && v == r * s.mul / s.div)
            return s.name;
    // Less than the sum: a cap ("19<r"); more: a fixed addition ("r+2").
    if (v < r)
        return std::to_string(v) + "<r";
    return "r+" + std::to_string(v - r);
}

// A handler on the pair (A, B) whose candidates carry the value of readings
// written in the row.  The points after A and B are the attacker's reading
// (the attacker first, the two sides alternating, scored for the attacker),
// then, after A again as a separator, the owner's reading (the owner first,
// scored for the owner); the owner is the colour of A.  A reading left out
// counts 0.  B between readings of one side offers them as alternatives of
// which the better counts (a pattern's best of two tries); an empty one
// counts 0 (a reading taken only when it gains).  Each candidate
// is answered as "D4=r:5" when its value is the sum of the readings, else
// as RelativeValue says ("D4=r/4:5", "D4=r+2:5", "D4=19<r:18").
std::string ReadAnswer(Point a, const std::vector<Point>& pts, Point at = Point(), bool onlyAt = false)
{
    const int own = CurGoban().GetIroPt(a), att = own ^ 3;
    const Point b = pts.size() > 1 ? pts[1] : Point();
    // Each side's readings, split at B; the better one counts.
    std::vector<std::vector<Point>> parts[2]; // the attacker's, the owner's
    parts[0].emplace_back();
    int side = 0;
    for (std::size_t i = 2; i < pts.size(); ++i) {
        if (pts[i] == a) {
            side = 1;
            parts[1].emplace_back();
        } else if (pts[i] == b) {
            parts[side].emplace_back();
        } else {
            parts[side].back().push_back(pts[i]);
        }
    }
    int ref = 0;
    for (int k = 0; k < 2; ++k) {
        bool any = false;
        int best = 0;
        for (const std::vector<Point>& moves : parts[k]) {
            // An empty alternative beside others is passing: 0.
            if (moves.empty() && parts[k].size() == 1)
                continue;
            const int v = moves.empty() ? 0 : ReadingValue(k == 0 ? att : own, moves);
            best = any ? std::max(best, v) : v;
            any = true;
        }
        ref += best;
    }
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        // Under the relation moves of groups a value of 26 or more is kept
        // as 25 with the excess over 13 as its bonus: the whole value back.
        int v = Koho.Value[i];
        if (Koho.Kind[i] == kkGunKankei && v == 25 && Koho.Bonus[i] > 0)
            v = Koho.Bonus[i] + 13;
        if (at.x != 0 && Koho.Pt[i] != at) {
            if (!onlyAt)
                all.push_back(GtpVertex(Koho.Pt[i]));
        } else {
            all.push_back(GtpVertex(Koho.Pt[i]) + '=' + RelativeValue(v, ref) + ':'
                          + std::to_string(static_cast<int>(Koho.Kind[i])));
        }
    }
    std::string out;
    for (const std::string& s : all)
        out += (out.empty() ? "" : " ") + s;
    return out.empty() ? "none" : out;
}

// The answer for the candidate at pts[2], the readings following it.
std::string AnswerAt(const std::vector<Point>& pts, bool onlyAt)
{
    std::vector<Point> rest{pts[0], pts[1]};
    rest.insert(rest.end(), pts.begin() + 3, pts.end());
    return ReadAnswer(pts[0], rest, pts[2], onlyAt);
}

// The handler under the reason code its caller sets: the pair answers (5),
// the second pass (21), the relation moves of groups (18).
template <void (*Handler)(Point, Point), int Reason = kkKankei>
std::string PairRead(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("a pair handler wants two points and its readings");
    KohoKind = Reason;
    Handler(pts[0], pts[1]);
    return ReadAnswer(pts[0], pts);
}

// The same for the one candidate at P, the point after A and B: the others
// are answered by their points alone ("D4 F6=r:18"), or not at all when
// OnlyAt (for a pattern whose other side's point the row cannot know).
template <void (*Handler)(Point, Point), int Reason = kkKankei, bool OnlyAt = false>
std::string PairReadAt(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a pair handler wants two points, the candidate and its readings");
    KohoKind = Reason;
    Handler(pts[0], pts[1]);
    return AnswerAt(pts, OnlyAt);
}

// A stage routine of the second pass, under the reason code it leaves (the
// knight's-move reinforcement, 22): points A and B of one of the pairs it
// walks name the owner, then the candidate P and its readings as above.
template <void (*Stage)(Point&), int Reason>
std::string StageReadAt(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a stage routine wants a pair, the candidate and its readings");
    KohoKind = Reason;
    Point out;
    Stage(out);
    return AnswerAt(pts, false);
}

// The three-space jump of a weak group; the (1,3) shape of a group that is
// not weak.
void GunKankei10Weak(Point a, Point b) { GunKankei10Utu(a, b, 1); }
void GunKankei7Strong(Point a, Point b) { GunKankei7Utu(a, b, 0); }

// The points that the extensions toward own stones left marked on their skip
// board (the points between an extension point and its stone), as "D4 E5".
std::string Kankei6Marks(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("Kankei6Think:marks takes no points");
    Point out;
    Kankei6Think(out);
    std::vector<std::string> marks;
    const int n = BoardSize;
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x)
            if (Kankei6Skip[x][y] == 1)
                marks.push_back(GtpVertex(Point(x, y)));
    std::string s;
    for (const std::string& m : marks)
        s += (s.empty() ? "" : " ") + m;
    return s.empty() ? "none" : s;
}

const TProblemRoutineAdd kosumiRenraku("KosumiRenraku", Pair<KosumiRenraku>);
const TProblemRoutineAdd kosumiRead("KosumiRenraku:read", PairRead<KosumiRenraku>);
const TProblemRoutineAdd kankei11Read("Kankei11Utu:read", PairRead<Kankei11Utu>);
const TProblemRoutineAdd kankei11At("Kankei11Utu:at", PairReadAt<Kankei11Utu>);
const TProblemRoutineAdd kankei8Read("Kankei8Utu:read", PairRead<Kankei8Utu>);
const TProblemRoutineAdd kankei7Read("Kankei7Utu:read", PairRead<Kankei7Utu>);
const TProblemRoutineAdd keimaTukeRead("KeimaTuke:read", PairRead<KeimaTuke>);
const TProblemRoutineAdd keimaRead("KeimaRenraku:read", PairRead<KeimaRenraku>);
const TProblemRoutineAdd keimaHokyoAt("KeimaHokyo:at", StageReadAt<KeimaHokyo, kkKeimaHokyo>);
const TProblemRoutineAdd kankei4HokyoRead("Kankei4Hokyo:read", PairRead<Kankei4Hokyo, kkHokyo>);
const TProblemRoutineAdd gunKankei1Read("GunKankei1Utu:read", PairRead<GunKankei1Utu, kkGunKankei>);
const TProblemRoutineAdd gunKankei4Only("GunKankei4Utu:only", PairReadAt<GunKankei4Utu, kkGunKankei, true>);
const TProblemRoutineAdd gunKankei5At("GunKankei5Utu:at", PairReadAt<GunKankei5Utu, kkGunKankei>);
const TProblemRoutineAdd gunKankei6Read("GunKankei6Utu:read", PairRead<GunKankei6Utu, kkGunKankei>);
const TProblemRoutineAdd gunKankei7At("GunKankei7Utu:at", PairReadAt<GunKankei7Strong, kkGunKankei>);
const TProblemRoutineAdd gunKankei8At("GunKankei8Utu:at", PairReadAt<GunKankei8Utu, kkGunKankei>);
const TProblemRoutineAdd gunKankei10Read("GunKankei10Utu:weak", PairRead<GunKankei10Weak, kkGunKankei>);
const TProblemRoutineAdd kankei6Marks("Kankei6Think:marks", Kankei6Marks);

} // namespace
} // namespace vorn::test
