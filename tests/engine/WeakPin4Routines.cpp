// Entries of the problem table weak-pin4.tst: the bonuses of a weak group's
// extensions against their readings, the pending entries the weak-group
// generator and a group's area answer, the jump reading the link generators
// take from a group, the pair answers and the double-move pass.  The answer
// format is written at each entry.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Reading.h"
#include "engine/WeakGun.h"

namespace vorn::test {
namespace {

const TGun& GroupOf(Point p)
{
    const TGun* g = GobanLv[0]->GunList.GetGunAt(p);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(p));
    return *g;
}

// A bonus against the reading it is taken from: "r/3" when it is a third of
// r (toward zero) held to the range a candidate worth 25 keeps, "r/2" for a
// half, else the number.
std::string BonusOf(int bonus, int r, int cap)
{
    const auto held = [cap](int v) { return KohoBonusClamp(25, std::min(v, cap)); };
    return bonus == held(r / 3) ? "r/3" : bonus == held(r / 2) ? "r/2" : std::to_string(bonus);
}

// The group's colour extends at B, the board analysed: its evaluation,
// lowered by the approach reading at B.
int ExtensionReading(int col, Point b)
{
    TYomiTrial t;
    if (!t.Play(col, b))
        throw std::invalid_argument("the extension is refused");
    CurGoban().Analyze();
    return KakariMin(b, HyokaDiff(col));
}

// Runs a part of the generator; the pending entries it marked answered
// (flag 1), as "kind/A" (the entry's kind and first point), the marks
// taken off again.
template <class Run>
std::string NewPairMarks(Run run)
{
    TGoban& b = *GobanLv[0];
    std::vector<int> before;
    for (int i = 1; i <= b.PairCount(); ++i)
        before.push_back(b.PairFlag(i));
    run();
    std::vector<std::string> all;
    for (int i = 1; i <= b.PairCount(); ++i) {
        const int was = before[static_cast<std::size_t>(i - 1)];
        if (b.PairFlag(i) == 1 && was != 1)
            all.push_back(std::to_string(b.PairKind(i)) + '/' + GtpVertex(b.PairPointA(i)));
        b.SetPairFlag(i, was);
    }
    return SortedWords(all);
}

// call WeakGunHirogeru:keima-bonus V B Q...   the extensions of the opponent's
// weak group at V, read at its knight's move B and the rectangle points
// Q...: "B/r/3" with r = e1 + e2 (e1: the group's colour plays B, analysed,
// its evaluation lowered by the approach reading; e2: the side to move's
// evaluation after its own play at B) held to 35, and "Q/r/3" with r = e1 +
// the side to move's evaluation after its play at Q; "r/2" for a half,
// "P=none" without a candidate.
std::string HirogeruKeima(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the extension wants a stone of the group, its point and the points read");
    const TGun& g = GroupOf(pts[0]);
    const int col = g.GetIsiIro(), opp = col ^ 3;
    const Point b = pts[1];
    const int e1 = ExtensionReading(col, b);
    const int e2 = ReadingValue(opp, {b});
    std::vector<int> reads{e1 + e2};
    for (std::size_t i = 2; i < pts.size(); ++i)
        reads.push_back(e1 + UtuHyoka(opp, pts[i]));
    KohoKind = kkWeakGun;
    Point best;
    WeakGunHirogeru(g, 0, best);
    std::vector<std::string> all;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        std::string w = GtpVertex(pts[i]) + "=none";
        for (int k = 1; k <= KohoCount; ++k)
            if (Koho.Pt[k] == pts[i])
                w = GtpVertex(pts[i]) + '/' + BonusOf(Koho.Bonus[k], reads[i - 1], i == 1 ? 35 : 255);
        all.push_back(w);
    }
    return SortedWords(all);
}

const TProblemRoutineAdd hirogeruKeima("WeakGunHirogeru:keima-bonus", HirogeruKeima);

// call WeakGunHirogeru:halved-bonus V B   the extensions of the opponent's lone
// stone at V read at its knight's move B: "B/r/N/3" when the bonus is a
// third of r = e1 + e2 (as for the knight's move above) divided by N (N =
// 1, 2, 4, ... 64, halving toward zero each time), held to 35; the number
// else, "B=none" without a candidate.
std::string HirogeruHalved(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the extension wants the stone and its knight's move");
    const TGun& g = GroupOf(pts[0]);
    const int col = g.GetIsiIro(), opp = col ^ 3;
    const Point b = pts[1];
    const int e1 = ExtensionReading(col, b);
    const int r = e1 + ReadingValue(opp, {b});
    KohoKind = kkWeakGun;
    Point best;
    WeakGunHirogeru(g, 0, best);
    for (int k = 1; k <= KohoCount; ++k) {
        if (Koho.Pt[k] != b)
            continue;
        int v = r;
        for (int n = 1; n <= 64; n *= 2, v /= 2)
            if (Koho.Bonus[k] == KohoBonusClamp(25, std::min(v / 3, 35)))
                return GtpVertex(b) + "/r/" + std::to_string(n) + "/3";
        return GtpVertex(b) + '/' + std::to_string(Koho.Bonus[k]);
    }
    return GtpVertex(b) + "=none";
}

const TProblemRoutineAdd hirogeruHalved("WeakGunHirogeru:halved-bonus", HirogeruHalved);

// call WeakGunHirogeru:jump-bonus V B M   the extensions of the opponent's weak
// group at V read at its one-space jump B, M the point between B and the
// side to move's stone two points diagonally from B: "B/r/3" with r = e1
// + e2 (e1 as for the knight's move; e2 the smaller of the side to move's
// evaluation after its play at B and after its play at B answered by the
// group's colour at M) held to 35, "B/r/2" for a half, the number else,
// "B=none" without a candidate.
std::string HirogeruJump(const std::vector<Point>& pts)
{
    if (pts.size() != 3)
        throw std::invalid_argument("the jump wants a stone of the group, the jump and the cutting point");
    const TGun& g = GroupOf(pts[0]);
    const int col = g.GetIsiIro(), opp = col ^ 3;
    const Point b = pts[1];
    const int e1 = ExtensionReading(col, b);
    const int r = e1 + std::min(ReadingValue(opp, {b}), ReadingValue(opp, {b, pts[2]}));
    KohoKind = kkWeakGun;
    Point best;
    WeakGunHirogeru(g, 0, best);
    std::string w = GtpVertex(b) + "=none";
    for (int k = 1; k <= KohoCount; ++k)
        if (Koho.Pt[k] == b)
            w = GtpVertex(b) + '/' + BonusOf(Koho.Bonus[k], r, 35);
    return w;
}

const TProblemRoutineAdd hirogeruJump("WeakGunHirogeru:jump-bonus", HirogeruJump);

// call GunIkkenHyoka:named V P...   the jump reading of the group at V, named
// by the reading it equals: "P" when it is the opponent's evaluation after
// the group's colour plays P (one of the row's points), "board" when it is
// the opponent's evaluation of the position as it stands, "other" else.
std::string IkkenReading(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the reading wants a stone of the group and the points to compare");
    const TGun& g = GroupOf(pts[0]);
    const int col = g.GetIsiIro();
    const int v = GunIkkenHyoka(g);
    std::vector<std::string> all;
    for (std::size_t i = 1; i < pts.size(); ++i)
        if (v == -ReadingValue(col, {pts[i]}))
            all.push_back(GtpVertex(pts[i]));
    if (v == -ReadingValue(col, {}))
        all.push_back("board");
    return all.empty() ? "other" : SortedWords(all);
}

const TProblemRoutineAdd ikkenReading("GunIkkenHyoka:named", IkkenReading);

// call WeakGunPairAnswer:marks V   the pending capture entries answered inside
// the area of the group at V: the entries marked answered (flag 1), as "kind/A"
// (the entry's kind and first point); the marks are taken off again.
std::string PairAnswerMarks(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the answers want a stone of the group");
    const TGun& g = GroupOf(pts[0]);
    g.KohoTe();
    return NewPairMarks([&g] {
        KohoKind = kkWeakGun;
        WeakGunPairAnswer(g);
    });
}

const TProblemRoutineAdd pairAnswerMarks("WeakGunPairAnswer:marks", PairAnswerMarks);

// call WeakGunPairAnswer:premarked V P...   the same answers, the entries
// whose first point is one of P... marked answered beforehand (as an earlier
// pass of the same decision leaves them): the candidates by their points
// alone, sorted ("none").
std::string PairAnswerPremarked(const std::vector<Point>& pts)
{
    if (pts.empty())
        throw std::invalid_argument("the answers want a stone of the group");
    TGoban& b = *GobanLv[0];
    const TGun& g = GroupOf(pts[0]);
    std::vector<int> before;
    for (int i = 1; i <= b.PairCount(); ++i) {
        before.push_back(b.PairFlag(i));
        for (std::size_t k = 1; k < pts.size(); ++k)
            if (b.PairPointA(i) == pts[k])
                b.SetPairFlag(i, 1);
    }
    g.KohoTe();
    KohoKind = kkWeakGun;
    WeakGunPairAnswer(g);
    for (int i = 1; i <= b.PairCount(); ++i)
        b.SetPairFlag(i, before[static_cast<std::size_t>(i - 1)]);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]));
    return SortedWords(all);
}

const TProblemRoutineAdd pairAnswerPremarked("WeakGunPairAnswer:premarked", PairAnswerPremarked);

// call WeakGunThink:marks   the weak-group generator over the whole
// board: the pending entries it marked answered (flag 1), as "kind/A" (the entry's
// kind and first point); the marks are taken off again.
std::string ThinkMarks(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the generator's marks take no points");
    return NewPairMarks([] {
        Point out;
        WeakGunThink(out);
    });
}

const TProblemRoutineAdd thinkMarks("WeakGunThink:marks", ThinkMarks);

// call PairAnswer:reasons P...   the pair answers over the whole pending list,
// read at the points P... alone: "P:r" with the reason r of the candidate
// there ("P=none" when there is none).
std::string PairAnswerReasons(const std::vector<Point>& pts)
{
    if (pts.empty())
        throw std::invalid_argument("the pair answers want the points to read");
    Point out;
    PairAnswer(out);
    std::vector<std::string> all;
    for (Point p : pts) {
        std::string w = GtpVertex(p) + "=none";
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Pt[i] == p)
                w = GtpVertex(p) + ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
        all.push_back(w);
    }
    return SortedWords(all);
}

const TProblemRoutineAdd pairAnswerReasons("PairAnswer:reasons", PairAnswerReasons);

// call KohoDoubleScan:links-raised P...   links of the side to move (reason 4)
// worth 2 at P... (in that order), then the double-move pass over them:
// each point as "P=v" when its link kept its value v, "P=up" when the pass
// raised it.
// call KohoDoubleScan:links-last-1 P...   the same, the last link worth -1.
template <int LastValue>
std::string DoubleScanRaised(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the pass wants two points or more");
    std::vector<int> given;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        given.push_back(i + 1 == pts.size() ? LastValue : 2);
        AddKohoEx(pts[i], given.back(), kkTugi, Point());
    }
    KohoKind = kkKankei;
    KohoDoubleScan(kkTugi);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]) + "=up";
        for (std::size_t k = 0; k < pts.size(); ++k)
            if (pts[k] == Koho.Pt[i] && Koho.Value[i] == given[k])
                w = GtpVertex(Koho.Pt[i]) + '=' + std::to_string(given[k]);
        all.push_back(w);
    }
    return SortedWords(all);
}

const TProblemRoutineAdd doubleScanRaised("KohoDoubleScan:links-raised", DoubleScanRaised<2>);
const TProblemRoutineAdd doubleScanLastLow("KohoDoubleScan:links-last-1", DoubleScanRaised<-1>);

} // namespace
} // namespace vorn::test
