// The generator routines that the problem tables call by name ("call NAME
// V..." in tests/problems/opening.tst and generators.tst).  Each entry runs
// one routine on the points of the row and answers what the row compares;
// the answer format is written at each entry.
#include "engine/Problems.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Ren.h"
#include "board/Tejun.h"
#include "engine/Hyoka.h"
#include "engine/MadeReplies.h"
#include "engine/Joban.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Sakiyomi.h"
#include "engine/SikatuKatachi.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// --- Answers ---------------------------------------------------------------------------

// The candidates as "D4=25/49": point, value and bonus.
std::string WithBonus()
{
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]) + '=' + std::to_string(Koho.Value[i]) + '/'
                      + std::to_string(Koho.Bonus[i]));
    return SortedWords(all);
}

// The points of the candidates alone (for values that the evaluation gives),
// with their reason codes: "D4:13".
std::string PointsWithReason()
{
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]) + ':' + std::to_string(static_cast<int>(Koho.Kind[i])));
    return SortedWords(all);
}

// The candidates with their values counted from the group's value (its
// Kati): "D4=K+1:32", "D4=K:9", "D4=K-4:33".
std::string KatiRelative(int kati)
{
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        const int d = Koho.Value[i] - kati;
        all.push_back(GtpVertex(Koho.Pt[i]) + "=K" + (d > 0 ? "+" : "") + (d != 0 ? std::to_string(d) : "") + ':'
                      + std::to_string(static_cast<int>(Koho.Kind[i])));
    }
    return SortedWords(all);
}

const TGun& GroupAt(const std::vector<Point>& pts)
{
    if (pts.empty())
        throw std::invalid_argument("the routine wants a stone of the group");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    return *g;
}

// A value against the reading r of its row: "r", "r+2", "r-3".
std::string Relative(int v, int r)
{
    const int d = v - r;
    return std::string("r") + (d > 0 ? "+" : "") + (d != 0 ? std::to_string(d) : "");
}

// The candidate at p against the reading r, "D4=r:9", the others by their
// points alone.
std::string ReadAt(Point p, int r)
{
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(Koho.Pt[i] != p ? GtpVertex(Koho.Pt[i])
                                      : GtpVertex(Koho.Pt[i]) + '=' + Relative(Koho.Value[i], r) + ':'
                                            + std::to_string(static_cast<int>(Koho.Kind[i])));
    return SortedWords(all);
}

// --- The opening ---------------------------------------------------------------------

// The game record holds `moves` moves while it lives: passes, taken back at
// the end.  The engine's colour stays the one of the decision.
class TMovesPlayed {
public:
    explicit TMovesPlayed(int moves)
    {
        TGoban& b = *GobanLv[0];
        const int now = b.Tejun.Current();
        if (moves < now)
            throw std::invalid_argument("the record cannot be brought to " + std::to_string(moves) + " moves");
        while (b.Tejun.Current() < moves) {
            if (!b.Pass())
                throw std::runtime_error("the record is full");
            ++added_;
        }
    }
    ~TMovesPlayed()
    {
        for (int i = 0; i < added_; ++i)
            GobanLv[0]->Matta();
    }
    TMovesPlayed(const TMovesPlayed&) = delete;
    TMovesPlayed& operator=(const TMovesPlayed&) = delete;

private:
    int added_ = 0;
};

// The edge scan alone: every candidate as "D4=25/49".
std::string EdgeGaps(const std::vector<Point>&)
{
    JobanInit();
    KohoKind = kkJoban;
    JobanEdgeGaps();
    return WithBonus();
}

// Stage 2 of the opening after `Moves` moves: the candidates at the row's
// points, "D4=25/49" or "D4=none".
template <int Moves>
std::string StageTwoAt(const std::vector<Point>& pts)
{
    TMovesPlayed played(Moves);
    JobanInit();
    Point out;
    JobanKoho(out);
    return CandidatesAt(pts, true);
}

// Stage 3 of the opening after `Moves` moves: the candidates at the row's
// points with their values alone, "D4=25" or "D4=none" (the bonus of a cap
// is the evaluation's).
template <int Moves>
std::string StageThreeAt(const std::vector<Point>& pts)
{
    TMovesPlayed played(Moves);
    JobanInit();
    JobanKoho2();
    return CandidatesAt(pts, false);
}

// Stage 2 of the opening: whether the table holds a candidate at each of the
// row's points, "D4" or "D4=none" (for values that the evaluation gives).
std::string StageTwoHas(const std::vector<Point>& pts)
{
    JobanInit();
    Point out;
    JobanKoho(out);
    std::vector<std::string> all;
    for (Point p : pts)
        all.push_back(CandidatesAt({p}, false) == GtpVertex(p) + "=none" ? GtpVertex(p) + "=none" : GtpVertex(p));
    return SortedWords(all);
}

const TProblemRoutineAdd edgeGaps("JobanEdgeGaps", EdgeGaps);
const TProblemRoutineAdd stage2has("JobanKoho:has", StageTwoHas);
const TProblemRoutineAdd stage2m30("JobanKoho:at:moves30", StageTwoAt<30>);
const TProblemRoutineAdd stage2m31("JobanKoho:at:moves31", StageTwoAt<31>);
const TProblemRoutineAdd stage3m59("JobanKoho2:at:moves59", StageThreeAt<59>);
const TProblemRoutineAdd stage3m60("JobanKoho2:at:moves60", StageThreeAt<60>);
const TProblemRoutineAdd stage3m80("JobanKoho2:at:moves80", StageThreeAt<80>);
const TProblemRoutineAdd stage3m100("JobanKoho2:at:moves100", StageThreeAt<100>);
const TProblemRoutineAdd stage3m101("JobanKoho2:at:moves101", StageThreeAt<101>);

// --- The look-ahead's replies ----------------------------------------------------------

// The replies the look-ahead takes at one level.  The row gives the root
// move R (the area is the one marked for R) and then the candidates, which
// get the variant's values and reasons in order.  Answers the points taken,
// in any order ("none" when none).
template <int RootBest, TMadeReply... K>
std::string YomiReplies(const std::vector<Point>& pts)
{
    static constexpr TMadeReply made[] = {K...};
    return RepliesTaken(pts, RootBest, made);
}

// Values 90, 85, 82, 81 (weak-group reason): the big ones, up to the cap.
const TProblemRoutineAdd yomiBig("SelectYomiKoho:big", YomiReplies<40, TMadeReply{90, kkWeakGun}, TMadeReply{85, kkWeakGun},
                                                                    TMadeReply{82, kkWeakGun}, TMadeReply{81, kkWeakGun}>);
// A root of 20 (bar 15): 40 and 30 (weak group), 20 (pair answer), 16
// (capture), 14 (weak group).
const TProblemRoutineAdd yomiNear("SelectYomiKoho:near",
                                  YomiReplies<20, TMadeReply{40, kkWeakGun}, TMadeReply{30, kkWeakGun},
                                              TMadeReply{20, kkKankei}, TMadeReply{16, kkToru}, TMadeReply{14, kkWeakGun}>);
// A root of 40 (bar 25): 25 (weak group), 24 (capture), 22 (escape), 20
// (capture), 12 (capture).
const TProblemRoutineAdd yomiLow("SelectYomiKoho:low",
                                 YomiReplies<40, TMadeReply{25, kkWeakGun}, TMadeReply{24, kkToru}, TMadeReply{22, kkNigeru},
                                             TMadeReply{20, kkToru}, TMadeReply{12, kkToru}>);

// The forced continuation after the root colour's last answer: the side to
// move of the row's position is the root colour's opponent, the whole board
// is the look-ahead area, the continuation is at most Deep moves long and
// the root's best value is RootBest.  Answers the number of moves played,
// then the first of them.
template <int Deep, int RootBest>
std::string Continue(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the continuation takes no points");
    const int savedDeep = YomiDeep, savedBest = SakiRootBest, savedIn = InSakiyomi;
    const std::uint8_t savedColour = SakiRootColour;
    const int root = GobanLv[0]->Tejun.NextColor() ^ 3;
    for (int y = 1; y <= 19; ++y)
        for (int x = 1; x <= 19; ++x)
            YomiArea[x][y] = 1;
    YomiDeep = Deep;
    SakiRootBest = RootBest;
    SakiRootColour = static_cast<std::uint8_t>(root);
    InSakiyomi = 1;
    SaveHyokaBase();
    std::string line;
    YomiContinue(root, line);
    YomiDeep = savedDeep;
    SakiRootBest = savedBest;
    SakiRootColour = savedColour;
    InSakiyomi = static_cast<std::uint8_t>(savedIn);
    // The line's first move, "<x,y>" with y from the top, as a vertex.
    std::string first;
    int x = 0, y = 0;
    if (std::sscanf(line.c_str(), "<%d,%d>", &x, &y) == 2)
        first = ' ' + GtpVertex(Point(x, y));
    return std::to_string(SakiDepth - 2) + first;
}

const TProblemRoutineAdd continue1("YomiContinue:deep1", Continue<1, 20>);
const TProblemRoutineAdd continue2("YomiContinue:deep2", Continue<2, 20>);
const TProblemRoutineAdd continue3("YomiContinue:deep3", Continue<3, 20>);
// Two moves at most, for a root around the bar of 35.
const TProblemRoutineAdd continue34("YomiContinue:root34", Continue<2, 34>);
const TProblemRoutineAdd continue35("YomiContinue:root35", Continue<2, 35>);
const TProblemRoutineAdd continue36("YomiContinue:root36", Continue<2, 36>);

// --- Weak groups -----------------------------------------------------------------------

// The two-space extensions of the group at the row's first point: the
// candidates' points with their reasons, "C3:13" (their values are the
// evaluation's).
std::string Niken(const std::vector<Point>& pts)
{
    KohoKind = kkWeakGun;
    WeakGunNiken(GroupAt(pts));
    return PointsWithReason();
}

// The pending pairs answered inside the area of the group at the row's first
// point: the entries marked answered, as "kind/A/B" (the pair list's two
// points); the marks are taken off again.
template <int Mode>
std::string PairRange(const std::vector<Point>& pts)
{
    TGoban& b = *GobanLv[0];
    GroupAt(pts).KohoTe();
    std::vector<int> before;
    for (int i = 1; i <= b.PairCount(); ++i)
        before.push_back(b.PairFlag(i));
    KohoKind = kkWeakGun;
    PairAnswerRange(Mode);
    std::vector<std::string> all;
    for (int i = 1; i <= b.PairCount(); ++i) {
        if (b.PairFlag(i) != before[static_cast<std::size_t>(i - 1)])
            all.push_back(std::to_string(b.PairKind(i)) + '/' + GtpVertex(b.PairPointA(i)) + '/'
                          + GtpVertex(b.PairPointB(i)));
        b.SetPairFlag(i, before[static_cast<std::size_t>(i - 1)]);
    }
    return SortedWords(all);
}

// The relation moves of the group at the row's first point against a
// reading of P, the row's second point; A = Black's evaluation after Black
// at P, B = White's after White at P.  Jump: the escape jump P, r = (A + B) *
// 13 / 10 (toward zero).  Edge: the edge point P of a one-space jump to an
// enemy stone, r = A + B, a sum from 24 to 49 kept as 23.  The candidate at
// P as "P=r:13", the others by their points.
template <bool Edge>
std::string KankeiMovesRead(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    if (pts.size() != 2)
        throw std::invalid_argument("the relation moves want a stone of the group and the point read");
    const int sum = ReadingValue(kKuro, {pts[1]}) + ReadingValue(kSiro, {pts[1]});
    const int r = !Edge ? sum * 13 / 10 : (sum > 23 && sum < 50 ? 23 : sum);
    KohoKind = kkWeakGun;
    WeakGunKankeiMoves(g);
    return ReadAt(pts[1], r);
}

const TProblemRoutineAdd niken("WeakGunNiken", Niken);
const TProblemRoutineAdd kankeiJump("WeakGunKankeiMoves:jump", KankeiMovesRead<false>);
const TProblemRoutineAdd kankeiEdge("WeakGunKankeiMoves:edge", KankeiMovesRead<true>);
const TProblemRoutineAdd range1("PairAnswerRange:1", PairRange<1>);
const TProblemRoutineAdd range2("PairAnswerRange:2", PairRange<2>);

// --- Life and death --------------------------------------------------------------------

// One pattern pass on the group at the row's first point, under reason 9 as
// the life-and-death generators run it: the candidates with their values
// counted from the group's value, "D4=K+1:32".
template <void (*Pass)(const TGun&), int Reason = kkSikatu>
std::string Pattern(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    const int kati = g.GetKati();
    KohoKind = Reason;
    Pass(g);
    return KatiRelative(kati);
}

// The same at the points after the group's stone alone, "D4=K-4:9" or
// "D4=none", for a pass that also leaves the relation answers it ran in the
// table.
template <void (*Pass)(const TGun&)>
std::string PatternAt(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    const int kati = g.GetKati();
    KohoKind = kkSikatu;
    Pass(g);
    const std::string all = KatiRelative(kati);
    std::vector<std::string> out;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        const std::string v = GtpVertex(pts[i]);
        std::string w = v + "=none";
        for (std::size_t at = all.find(v + '='); at != std::string::npos; at = std::string::npos)
            if (at == 0 || all[at - 1] == ' ')
                w = all.substr(at, all.find(' ', at) - at);
        out.push_back(w);
    }
    return SortedWords(out);
}

// A pass whose candidate is worth the attacker's evaluation after a
// reading: the row gives a stone of the group, then the reading (the
// attacker first, at the candidate).  The candidate at the reading's first
// move as "D4=r:9", the others by their points alone.
template <void (*Pass)(const TGun&)>
std::string PatternRead(const std::vector<Point>& pts)
{
    const TGun& g = GroupAt(pts);
    if (pts.size() < 2)
        throw std::invalid_argument("the pass wants a stone of the group and a reading");
    const int r = ReadingValue(g.GetIsiIro() ^ 3, {pts.begin() + 1, pts.end()});
    KohoKind = kkSikatu;
    Pass(g);
    return ReadAt(pts[1], r);
}

const TProblemRoutineAdd urgentMe("SikatuUrgentMe", Pattern<SikatuUrgentMe>);
const TProblemRoutineAdd urgentMeAt("SikatuUrgentMe:at", PatternAt<SikatuUrgentMe>);
const TProblemRoutineAdd urgentSteal("SikatuUrgentSteal", Pattern<SikatuUrgentSteal, kkSikatuUrgent>);
const TProblemRoutineAdd meShape("SikatuMeShape", Pattern<SikatuMeShape>);
const TProblemRoutineAdd killBorder("KillBorderPoint", Pattern<KillBorderPoint>);
const TProblemRoutineAdd killNiDame("KillNiDameRen:read", PatternRead<KillNiDameRen>);
const TProblemRoutineAdd wideHiraki("SettleWideHiraki", Pattern<SettleWideHiraki, kkSikatuSettle>);
const TProblemRoutineAdd hiraki("SettleHiraki", Pattern<SettleHiraki, kkSikatuSettle>);
const TProblemRoutineAdd sichoInJi("SettleSichoInJi", Pattern<SettleSichoInJi>);
const TProblemRoutineAdd nanameAnswer("SettleNanameAnswer", Pattern<SettleNanameAnswer>);
const TProblemRoutineAdd atariDame("SettleAtariDame", Pattern<SettleAtariDame>);
const TProblemRoutineAdd ikkenNozoki("SettleIkkenNozoki", Pattern<SettleIkkenNozoki>);
const TProblemRoutineAdd atariIsi("SettleAtariIsi", Pattern<SettleAtariIsi>);

// --- The endgame -----------------------------------------------------------------------

// The value of one boundary point between both colours, read afresh: the
// candidates it left as "D4=3/5" (point, value, bonus).
template <void (*Value)(Point)>
std::string YosePoint(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the endgame reading wants one point");
    YoseCacheClear();
    KohoKind = kkYose;
    Value(pts[0]);
    const std::string answer = WithBonus();
    YoseCacheClear();
    return answer;
}

const TProblemRoutineAdd yoseValue("YoseValue", YosePoint<YoseValue>);
const TProblemRoutineAdd yoseAtari("YoseAtariValue", YosePoint<YoseAtariValue>);

// The reading of one boundary point P against the values of the row's
// readings, J the side to move and O the other: the candidate at P as
// "P=r/b" (value against the formula's r, bonus against its b, each "r",
// "r+2", "r-1"), "none" when nothing is stored.
std::string YoseAgainst(Point p, void (*value)(Point), int r, int b)
{
    YoseCacheClear();
    KohoKind = kkYose;
    value(p);
    YoseCacheClear();
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string bonus = Relative(Koho.Bonus[i], b);
        bonus[0] = 'b';
        all.push_back(GtpVertex(Koho.Pt[i]) + '=' + Relative(Koho.Value[i], r) + '/' + bonus);
    }
    return SortedWords(all);
}

// Gote: neither move threatens anything: r = A + B, A = J's evaluation after
// J at P, B = O's after O at P; b = 0.
std::string YoseGote(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the gote reading wants the point");
    const int a = ReadingValue(JibunIro, {pts[0]}), b = ReadingValue(AiteIro, {pts[0]});
    return YoseAgainst(pts[0], YoseValue, a + b, 0);
}

// J's atari at P forces O to connect at F; O's move at P forces nothing:
// A = J's evaluation after J at P and O's answer at F, B = O's after O at P,
// C = J's after J at P and J again at F (the follow-up).  r = 2 (A + B),
// or C halved when 2r exceeds C; b = C.
std::string YoseAtariSente(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the atari reading wants the point and the forcing point");
    const int a = ReadingValue(JibunIro, {pts[0], pts[1]}), b = ReadingValue(AiteIro, {pts[0]});
    const int c = OneSideValue(JibunIro, {pts[0], pts[1]});
    int r = 2 * (a + b);
    if (2 * r > c)
        r = c / 2;
    return YoseAgainst(pts[0], YoseAtariValue, r, c);
}

// Only O's atari at P forces (J answers at G); J's move there forces
// nothing: A = J's evaluation after J at P, B = O's after O at P and J's
// answer at G; r = A + B, b = 0 (no follow-up of J's).
std::string YoseAtariReverse(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the atari reading wants the point and the answer");
    const int a = ReadingValue(JibunIro, {pts[0]}), b = ReadingValue(AiteIro, {pts[0], pts[1]});
    return YoseAgainst(pts[0], YoseAtariValue, a + b, 0);
}

const TProblemRoutineAdd yoseReverse("YoseAtariValue:reverse", YoseAtariReverse);
const TProblemRoutineAdd yoseGote("YoseValue:gote", YoseGote);
const TProblemRoutineAdd yoseSente("YoseAtariValue:sente", YoseAtariSente);

} // namespace
} // namespace vorn::test
