// More generator routines for the problem tables ("call NAME V..." in
// tests/problems/generators-more.tst and judgement-area.tst): the relation
// patterns of a weak group, the endgame's forcing ataris and one- and
// two-stone points, the look-ahead's bars around a big root, and the
// position judgement.  Each entry answers what its rows compare; the answer
// format is written at each entry.
#include "engine/Problems.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/KuuIsi.h"
#include "board/Tejun.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/MadeReplies.h"
#include "engine/Reading.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// The evaluation for `scored` after the moves (colour, point) in order,
// every move taken back.
int LineValue(int scored, const std::vector<std::pair<int, Point>>& moves)
{
    TYomiKeep keep;
    for (const auto& [c, p] : moves)
        if (!ToruPlay(c, p))
            throw std::invalid_argument("a move of the row's reading is refused: " + GtpVertex(p));
    return Hyoka(scored);
}

// A bonus as the candidate table keeps it with the value v: a byte, at
// most 9 for a value below 1, else at most ten times the value.
int TableBonus(int v, int b)
{
    b = std::clamp(b, 0, 255);
    if (v < 1)
        return std::min(b, 9);
    return b > v * 10 ? v * 10 : b;
}

// The candidates: the one at p as "P=r/b" against the formula's value r and
// bonus b as the table keeps it (bonus left out when withBonus is false,
// reason added when withReason), written "R=..." when label is set, the
// others by their points alone.
std::string CandidatesAgainst(Point p, int r, int b, bool withBonus, bool withReason, const char* label = nullptr)
{
    b = TableBonus(r, b);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == p) {
            if (label != nullptr)
                w = label;
            w += '=' + Against("r", Koho.Value[i], r);
            if (withBonus)
                w += '/' + Against("b", Koho.Bonus[i], b);
            if (withReason)
                w += ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
        }
        all.push_back(w);
    }
    return SortedWords(all);
}

void WantPoints(const std::vector<Point>& pts, std::size_t n, const char* what)
{
    if (pts.size() != n)
        throw std::invalid_argument(std::string("the entry wants ") + what);
}

// --- Weak groups: the relation patterns as pairs -------------------------------------

// The relation moves of the group at V (colour c, the other colour o)
// against the row's readings.  Plain rows give V P Q M: A = c's evaluation
// after c at P, B = o's after o at Q, and M is the candidate whose value the
// row pins.  Best = 1 rows give V P1 P2 Q: A is the larger of c's
// evaluations at P1 and P2 (P1 on ties), and c's point R is the one that
// gave it; Best = 2 rows give V P Q1 Q2 with o's point R the better of Q1
// and Q2 by o's evaluation.  There the candidate pinned is the engine's
// point: R (written "R") when it is the chooser's, else P or Q.
// r = A + B; a negative r becomes Floor (unless kKeep); then capped at Cap (0: none) and
// halved Halve times (toward zero), then scaled by Num / Den (toward zero).
// The candidate as "M=r:13" (or "R=r:13"), the others by their points.
// A Floor that keeps a negative sum as it is.
constexpr int kKeep = -1000000;

template <int Cap, int Halve, int Floor, int Best, int Num = 1, int Den = 1>
std::string KankeiPair(const std::vector<Point>& pts)
{
    WantPoints(pts, 4, "a stone of the group and three points");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    const int c = g->GetIsiIro(), o = c ^ 3;
    int r = 0;
    Point m = pts[3];
    const char* label = nullptr;
    if (Best == 0) {
        r = ReadingValue(c, {pts[1]}) + ReadingValue(o, {pts[2]});
    } else {
        // The chooser's two tries and the other colour's single point.
        const int chooser = Best == 1 ? c : o;
        const Point p1 = Best == 1 ? pts[1] : pts[2], p2 = Best == 1 ? pts[2] : pts[3];
        const Point single = Best == 1 ? pts[3] : pts[1];
        const int e1 = ReadingValue(chooser, {p1}), e2 = ReadingValue(chooser, {p2});
        r = std::max(e1, e2) + ReadingValue(chooser ^ 3, {single});
        const bool chooserIsEngine = JibunIro == chooser;
        m = chooserIsEngine ? (e2 > e1 ? p2 : p1) : single;
        label = chooserIsEngine ? "R" : nullptr;
    }
    if (r < 0 && Floor != kKeep)
        r = Floor;
    if (Cap > 0)
        r = std::min(r, Cap);
    for (int i = 0; i < Halve && r != 0; ++i)
        r /= 2;
    r = r * Num / Den;
    KohoKind = kkWeakGun;
    WeakGunKankeiMoves(*g);
    return CandidatesAgainst(m, r, 0, false, true, label);
}

const TProblemRoutineAdd kankeiPair("WeakGunKankeiMoves:pair", KankeiPair<0, 0, 0, 0>);
const TProblemRoutineAdd kankeiKeep("WeakGunKankeiMoves:pair:keep", KankeiPair<0, 0, kKeep, 0>);
const TProblemRoutineAdd kankeiOwnBest("WeakGunKankeiMoves:own-best", KankeiPair<0, 0, 0, 1>);
const TProblemRoutineAdd kankeiOppBest("WeakGunKankeiMoves:opp-best", KankeiPair<0, 0, 0, 2>);
const TProblemRoutineAdd kankeiContact("WeakGunKankeiMoves:contact", KankeiPair<0, 0, kKeep, 0, 4, 5>);
const TProblemRoutineAdd kankeiKeima("WeakGunKankeiMoves:keima", KankeiPair<0, 0, 1, 0>);
const TProblemRoutineAdd kankeiIkken("WeakGunKankeiMoves:ikken", KankeiPair<50, 0, 1, 0>);
const TProblemRoutineAdd kankeiIkkenHalf2("WeakGunKankeiMoves:ikken:halved2", KankeiPair<50, 2, 1, 0>);

// The three-space jump of the group at V (colour c) to a stone of the other
// colour o, read on one side: M beside the middle gap, N1 beside the gap
// next to V's stone and O1 beside that stone, N2 beside the gap next to the
// other stone and O2 beside it.  c's tries: M (e1 = c's evaluation after c
// at M) and N2 (c at N2, o at O2); o's: M (e2) and N1 (o at N1, c at O1).
// Each side's point is its better try (M on ties), the pair's value v the
// sum of both sides' best, at least 0.  The engine's tries are candidates
// with their own values, and the pair's move for the engine gets v as
// well, so the engine's point holds the larger of its try and v.  Answers
// the engine's two tries as "M=f N=f" against those formulas (N being N2
// for c, N1 for o); the other side's candidates by their points.
std::string ThreeSpaceJump(const std::vector<Point>& pts)
{
    WantPoints(pts, 6, "a stone of the group, M, N1, O1, N2 and O2");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    const int c = g->GetIsiIro(), o = c ^ 3;
    const Point m = pts[1], n1 = pts[2], o1 = pts[3], n2 = pts[4], o2 = pts[5];
    const int e1 = ReadingValue(c, {m}), e1n = LineValue(c, {{c, n2}, {o, o2}});
    const int e2 = ReadingValue(o, {m}), e2n = LineValue(o, {{o, n1}, {c, o1}});
    const int v = std::max(0, std::max(e1, e1n) + std::max(e2, e2n));
    const bool ours = JibunIro == c;
    const int tryM = ours ? e1 : e2, tryN = ours ? e1n : e2n;
    const Point n = ours ? n2 : n1;
    const bool atN = tryN > tryM;
    const int fm = atN ? tryM : std::max(tryM, v), fn = atN ? std::max(tryN, v) : tryN;
    KohoKind = kkWeakGun;
    WeakGunKankeiMoves(*g);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        const Point p = Koho.Pt[i];
        if (p == m)
            all.push_back("M=" + Against("f", Koho.Value[i], fm));
        else if (p == n)
            all.push_back("N=" + Against("f", Koho.Value[i], fn));
        else
            all.push_back(GtpVertex(p));
    }
    return SortedWords(all);
}

const TProblemRoutineAdd kankeiJump3("WeakGunKankeiMoves:three-space", ThreeSpaceJump);

// The two-space jump from the group's stone at V (colour c) to a stone of
// the other colour o, one side of it: L1 and L2 beside the gaps next to V's
// stone and next to the other stone, T0 to T3 two lines out at the four
// steps (V's stone, the gaps, the other stone).  c tries L1, T0, T1 and L2,
// o tries L2, T3, T2 and L1, each by the mover's evaluation after its move
// alone (the rows keep every try open and every guard point free); each
// side's point is its first best try, and v = the sum of both sides' best,
// halved when either is negative, at least 0.  The engine's tries are
// candidates with their own values, and its side's point gets v as well,
// where the larger stays.  Answers the engine's tries as "P=f" against
// these formulas, other candidates by their points.
std::string TwoSpaceJump(const std::vector<Point>& pts)
{
    WantPoints(pts, 7, "a stone of the group, L1, T0, T1, L2, T2 and T3");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    const int c = g->GetIsiIro(), o = c ^ 3;
    const Point l1 = pts[1], t0 = pts[2], t1 = pts[3], l2 = pts[4], t2 = pts[5], t3 = pts[6];
    struct TTry {
        Point p;
        int e;
    };
    auto tries = [](int mover, std::initializer_list<Point> at) {
        std::vector<TTry> out;
        for (const Point q : at)
            out.push_back({q, ReadingValue(mover, {q})});
        return out;
    };
    const std::vector<TTry> own = tries(c, {l1, t0, t1, l2}), other = tries(o, {l2, t3, t2, l1});
    auto best = [](const std::vector<TTry>& all) {
        TTry b = all.front();
        for (const TTry& t : all)
            if (t.e > b.e)
                b = t;
        return b;
    };
    const TTry bo = best(own), bt = best(other);
    int v = bo.e + bt.e;
    if (bo.e < 0 || bt.e < 0)
        v /= 2;
    v = std::max(v, 0);
    const bool ours = JibunIro == c;
    const std::vector<TTry>& engine = ours ? own : other;
    const Point at = ours ? bo.p : bt.p;
    KohoKind = kkWeakGun;
    WeakGunKankeiMoves(*g);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        for (const TTry& t : engine)
            if (t.p == Koho.Pt[i])
                w += '=' + Against("f", Koho.Value[i], t.p == at ? std::max(t.e, v) : t.e);
        all.push_back(w);
    }
    return SortedWords(all);
}

const TProblemRoutineAdd kankeiJump2("WeakGunKankeiMoves:two-space", TwoSpaceJump);

// --- The endgame ---------------------------------------------------------------------

// Both ataris force: J's move at V leaves O a chain in atari answered at F,
// O's move at V leaves J one answered at G.  A = J's evaluation after J at
// V and O at F, B = O's after O at V and J at G, C = J's after J at V and
// at F.  r = 2 (A + B), grown by its half, or C halved when 2r exceeds C;
// b = C.  "V=r/b".
std::string AtariBoth(const std::vector<Point>& pts)
{
    WantPoints(pts, 3, "the point, J's forcing point and O's");
    const int j = JibunIro, o = AiteIro;
    const Point v = pts[0], f = pts[1], g = pts[2];
    const int a = LineValue(j, {{j, v}, {o, f}}), b = LineValue(o, {{o, v}, {j, g}});
    const int c = LineValue(j, {{j, v}, {j, f}});
    int r = 2 * (a + b);
    r += r / 2;
    if (2 * r > c)
        r = c / 2;
    YoseCacheClear();
    KohoKind = kkYose;
    YoseAtariValue(v);
    YoseCacheClear();
    return CandidatesAgainst(v, r, c, true, false);
}

const TProblemRoutineAdd yoseBoth("YoseAtariValue:both", AtariBoth);

// The colour of the one stone beside p (0 when none or more than one).
int OneStoneColour(Point p)
{
    const TGoban& b = *GobanLv[0];
    int colour = 0, stones = 0;
    for (const Point q : {Point(p.x, p.y - 1), Point(p.x + 1, p.y), Point(p.x, p.y + 1), Point(p.x - 1, p.y)}) {
        const int c = b.GetIroPt(q);
        if (c == kKuro || c == kSiro) {
            colour = c;
            ++stones;
        }
    }
    return stones == 1 ? colour : 0;
}

// The point V beside one stone: A = J's evaluation after J at V, B = O's
// after O at V; with a follow-up L M (J's hane at L after V, O's answer at
// M) f = J's evaluation after J at V and L and O at M, else f = 0.
// r = A + B, or min(2r, f) when r is below f; "V=r/b mark" (b = 0; "mark"
// when V is marked dealt with), "none" when nothing is stored.
std::string OneStone(const std::vector<Point>& pts)
{
    if (pts.size() != 1 && pts.size() != 3)
        throw std::invalid_argument("the one-stone point wants the point, or the point and the follow-up");
    const int j = JibunIro, o = AiteIro;
    const Point v = pts[0];
    const int s = OneStoneColour(v);
    if (s == 0)
        throw std::invalid_argument("no single stone beside " + GtpVertex(v));
    int r = ReadingValue(j, {v}) + ReadingValue(o, {v});
    const int f = pts.size() == 3 ? LineValue(j, {{j, v}, {j, pts[1]}, {o, pts[2]}}) : 0;
    if (r < f)
        r = std::min(2 * r, f);
    YoseCacheClear();
    LinkMarkClear();
    KohoKind = kkYose;
    YoseOneStone(v, s);
    YoseCacheClear();
    std::string answer = CandidatesAgainst(v, r, 0, true, false);
    if (LinkMark1[v.x][v.y] == 1)
        answer += " mark";
    LinkMarkClear();
    return answer;
}

const TProblemRoutineAdd yoseOne("YoseOneStone", OneStone);

// The point V beside two stones of colour s that t = s xor 3 puts in atari
// there, their escape at L, then the empty neighbours N... of V that have
// two or more empty neighbours, in neighbour order: a = t's evaluation after
// t at V and s at L, b = t's after t at V and L; the owner's answer R is V,
// replaced by each N whose evaluation for s after s at N is larger, and g
// is the evaluation at R.  total = g + a; when 2 total < b it doubles when
// the engine is t, else grows by its half.  The candidate at R when the
// engine is s ("R=r/b mark"), else at V ("V=r/b mark"); b = 0.
// "YoseTwoStone:refused" reads the same where s may not play its escape at
// L at all (no liberty there, nothing taken): the gain after the escape
// counts 0 (a = 0), and the candidate is given without its bonus.
template <bool EscapeRefused>
std::string TwoStone(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the two-stone point wants the point, the escape and the open neighbours");
    const Point v = pts[0], l = pts[1];
    const TGoban& b0 = *GobanLv[0];
    int s = 0;
    for (const Point q : {Point(v.x, v.y - 1), Point(v.x + 1, v.y), Point(v.x, v.y + 1), Point(v.x - 1, v.y)})
        if (b0.GetIroPt(q) == kKuro || b0.GetIroPt(q) == kSiro)
            s = b0.GetIroPt(q);
    if (s == 0)
        throw std::invalid_argument("no stone beside " + GtpVertex(v));
    const int t = s ^ 3;
    const int a = EscapeRefused ? 0 : LineValue(t, {{t, v}, {s, l}}), b = LineValue(t, {{t, v}, {t, l}});
    Point answer = v;
    int g = ReadingValue(s, {v});
    for (std::size_t i = 2; i < pts.size(); ++i) {
        const int e = ReadingValue(s, {pts[i]});
        if (e > g) {
            g = e;
            answer = pts[i];
        }
    }
    int total = g + a;
    if (total * 2 < b)
        total = JibunIro == t ? total * 2 : total + total / 2;
    YoseCacheClear();
    LinkMarkClear();
    KohoKind = kkYose;
    YoseTwoStone(v, s);
    YoseCacheClear();
    const bool owner = JibunIro == s;
    std::string out = CandidatesAgainst(owner ? answer : v, total, 0, !EscapeRefused, false, owner ? "R" : nullptr);
    if (LinkMark1[v.x][v.y] == 1)
        out += " mark";
    LinkMarkClear();
    return out;
}

const TProblemRoutineAdd yoseTwo("YoseTwoStone:atari", TwoStone<false>);
const TProblemRoutineAdd yoseTwoRefused("YoseTwoStone:refused", TwoStone<true>);

// --- The look-ahead around a big root ------------------------------------------------

// The replies the look-ahead takes at one level for a root worth RootBest:
// the row gives the root R and then up to five candidates, which get the
// values 26, 25, 20, 16, 15 under the weak-group reason, in order.  Answers
// the points taken ("none" when none).
template <int RootBest>
std::string RepliesAround(const std::vector<Point>& pts)
{
    static constexpr TMadeReply kMade[] = {{26, kkWeakGun}, {25, kkWeakGun}, {20, kkWeakGun}, {16, kkWeakGun}, {15, kkWeakGun}};
    if (pts.size() < 2 || pts.size() > 6)
        throw std::invalid_argument("the replies want the root and one to five candidates");
    return RepliesTaken(pts, RootBest, std::span<const TMadeReply>(kMade, pts.size() - 1));
}

const TProblemRoutineAdd replies14("SelectYomiKoho:root14", RepliesAround<14>);
const TProblemRoutineAdd replies15("SelectYomiKoho:root15", RepliesAround<15>);
const TProblemRoutineAdd replies34("SelectYomiKoho:root34", RepliesAround<34>);
const TProblemRoutineAdd replies35("SelectYomiKoho:root35", RepliesAround<35>);
const TProblemRoutineAdd replies36("SelectYomiKoho:root36", RepliesAround<36>);

// The band of the best move that the look-ahead's own stage finds for the
// side to move (the whole board the area, inside the look-ahead): "below13",
// "13to24" or "25up" with the move's point; the continuation's bars after a
// small and a big root (13 and 25 for its first move) fall between them.
std::string ContinuationBand(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the band takes no points");
    const int savedIn = InSakiyomi;
    for (int y = 1; y <= 19; ++y)
        for (int x = 1; x <= 19; ++x)
            YomiArea[x][y] = 1;
    InSakiyomi = 1;
    Point t;
    ThinkYomi(t);
    InSakiyomi = static_cast<std::uint8_t>(savedIn);
    if (t.x <= 0)
        return "none";
    const char* band = KohoBestValue < 13 ? "below13" : KohoBestValue < 25 ? "13to24" : "25up";
    return std::string(band) + ' ' + GtpVertex(t);
}

const TProblemRoutineAdd continueBand("ThinkYomi:band", ContinuationBand);

// --- The position judgement ----------------------------------------------------------

// The judgement of the game position with komi K/2 points, against the sum
// `area` of the area map over the empty points (the map as the analysis of
// the position left it): "j=area-13".  From Black's side (KeiseiHandanCalc),
// or from the side to move's (KeiseiHandan), with the area's sign turned
// for White.
template <int HalfKomi, bool ToMove>
std::string Judgement(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the judgement takes no points");
    const TGoban& b0 = *GobanLv[0];
    int area = 0;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (b0.GetIro(x, y) == kAki)
                area += AreaMap[x][y];
    const float savedKomi = Komi;
    Komi = static_cast<float>(HalfKomi) / 2.0f;
    int j = 0;
    if (ToMove) {
        JibunIro = static_cast<std::uint8_t>(b0.Tejun.NextColor());
        j = KeiseiHandan();
        if (JibunIro == kSiro)
            area = -area;
    } else {
        j = KeiseiHandanCalc();
    }
    Komi = savedKomi;
    return Against("j=area", j, area);
}

const TProblemRoutineAdd judge13("KeiseiHandanCalc:komi6.5", Judgement<13, false>);
const TProblemRoutineAdd judge0("KeiseiHandanCalc:komi0", Judgement<0, false>);
const TProblemRoutineAdd judgeMove13("KeiseiHandan:komi6.5", Judgement<13, true>);

} // namespace
} // namespace vorn::test
