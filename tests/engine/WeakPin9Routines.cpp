// Entries of the problem table weak-pin9.tst: which groups the weak-group
// generator takes up, the premises of small extension and pair values, and
// the reasons the pair answers leave on the double-move pass.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Pondering.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"

namespace vorn::test {
namespace {

// call WeakGunThink:target V   whether the weak-group generator takes up the
// group at V: "yes" or "no".
std::string Target(const std::vector<Point>& pts)
{
    return IsWeakGunTarget(GroupAt(pts)) ? "yes" : "no";
}

const TProblemRoutineAdd target("WeakGunThink:target", Target);

// call WeakGunHirogeru:read V P   the premise of an extension of the lone
// stone or group at V to P: "dl=D v=R", D the death level of the group at P
// after the group's colour plays P (the board analysed), R that colour's
// evaluation there, lowered by the approach reading at P, plus the other
// colour's evaluation after its play at P, lowered the same way when P is a
// one-space jump from V.
std::string HirogeruRead(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the entry wants the group and the extension point");
    const int col = GroupAt({pts[0]}).GetIsiIro(), opp = Aite(col);
    const Point p = pts[1];
    int dl = 0, e1 = 0, e2 = 0;
    {
        TYomiTrial t;
        if (!t.Play(col, p))
            throw std::invalid_argument("the extension is refused");
        CurGoban().Analyze();
        const TGun* after = GunAt(p);
        dl = after == nullptr ? -1 : after->GetDeathLevel();
        e1 = KakariMin(p, HyokaDiff(col));
    }
    {
        TYomiTrial t;
        if (!t.Play(opp, p))
            throw std::invalid_argument("the other colour's play is refused");
        e2 = Hyoka(opp);
        const int dx = p.x - pts[0].x, dy = p.y - pts[0].y;
        if ((dx == 0 && (dy == 2 || dy == -2)) || (dy == 0 && (dx == 2 || dx == -2)))
            e2 = KakariMin(p, e2);
    }
    return "dl=" + std::to_string(dl) + " v=" + std::to_string(e1 + e2);
}

const TProblemRoutineAdd hirogeruRead("WeakGunHirogeru:read", HirogeruRead);

// call Readings:sum A P B Q   the premise of a pair's value: the evaluation
// of A's colour after its move at P plus that of B's colour after its move
// at Q, as a number.
std::string ReadingSum(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("the entry wants A P B Q");
    const int a = GobanLv[0]->GetIroPt(pts[0]), b = GobanLv[0]->GetIroPt(pts[2]);
    if (!IsStone(a) || !IsStone(b))
        throw std::invalid_argument("A and B must hold stones");
    return std::to_string(ReadingValue(a, {pts[1]}) + ReadingValue(b, {pts[3]}));
}

const TProblemRoutineAdd readingSum("Readings:sum", ReadingSum);

// call Pairs:kinds   the premise: the kinds of the pending point pairs of
// the board in list order ("none").
std::string PairKinds(const std::vector<Point>&)
{
    const TGoban& b = *GobanLv[0];
    std::string s;
    for (int i = 1; i <= b.PairCount(); ++i)
        s += (s.empty() ? "" : " ") + std::to_string(b.PairKind(i));
    return s.empty() ? std::string("none") : s;
}

const TProblemRoutineAdd pairKinds("Pairs:kinds", PairKinds);

// call PairAnswer:links-reasons P...   links of the side to move (reason 4)
// worth 2 at P..., then the pair answers over the whole pending list (with
// their double-move passes): "P:r" with the reason r of the last candidate
// at P, "P:r=2" when that is the link itself, still worth 2.
std::string LinksReasons(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the entry wants two links or more");
    for (Point p : pts)
        AddKohoEx(p, 2, kkTugi, Point());
    const int given = KohoCount;
    Point out;
    PairAnswer(out);
    std::vector<std::string> all;
    for (Point p : pts) {
        std::string w;
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Pt[i] == p)
                w = GtpVertex(p) + ':' + std::to_string(static_cast<int>(Koho.Kind[i]))
                    + (i <= given && Koho.Value[i] == 2 ? "=2" : "");
        all.push_back(w);
    }
    return SortedWords(all);
}

const TProblemRoutineAdd linksReasons("PairAnswer:links-reasons", LinksReasons);

} // namespace
} // namespace vorn::test
