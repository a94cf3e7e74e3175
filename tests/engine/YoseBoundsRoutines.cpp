// Endgame routines read at the edges of their rules ("call NAME V..." in
// tests/problems/yose-bounds.tst): a follow-up worth exactly twice the gain,
// the smallest follow-up that lifts a reverse sente of no gain, the cap, the
// dame checks, eye values just below the bar of 4, the border point's
// floors and its store rule.
//
// Answers:
//  - "YoseValue:own-ladder P Q S", "YoseValue:their-ladder P Q S",
//    "YoseValue:both-ladders P Q S Q2 S2", "YoseValue:no-threat P": the
//    boundary point P where the move of the side to move (J), of the other
//    side (O), of both or of neither leaves a chain of the other colour with
//    two liberties that the ladder catches, Q S (Q2 S2 for O's move when
//    both) the ladder's first two moves.
//    A = J's evaluation after J at P (and O's answer at Q when J's move
//    threatens), f1 = J's evaluation after J at P, Q and S, halved (0 when
//    J's move threatens nothing); B and f2 the same for O with J answering.
//    J's move is sente when 2A < f1, O's when 2B < f2.  r = A + B, bonus 0;
//    both sente: r = f1; only J's: r = min(2r, f1), bonus 5; only O's:
//    r = 2r when that is below f2, then 2 when it is 0 and f2 >= 2.  A value
//    of 25 or more is proposed as 0 with bonus 9.  (The rows add the dame
//    checks and the diagonal-area bonus of a value of 0 by hand, as "r+2"
//    or "b+3".)  The candidate at P as "P=r/b" ("r+2", "b-5" when off), the
//    others by their points; then the
//    bounds the row stands on: J's gain A against 0 ("J:g<0", "J:g=0",
//    "J:g>0") and its sente test ("J:2g<f" sente, "J:2g=f" just gote,
//    "J:2g>f", "J:-" no threat), the same for O with B, the sum A + B
//    against 0 ("sum<0", "sum=0", "sum>0"), and with O's threat its
//    follow-up against the reverse-sente floor ("O:f<2", "O:f=2", "O:f>2")
//    and twice the sum against it ("O:2sum<f", "O:2sum=f", "O:2sum>f");
//    "cap-1" or "cap" when the value before the cap is 24 or 25.
//  - "YoseValue:eyes P": the smallest eye value among the groups next to
//    P, "eyes=N", then the candidates YoseValue left ("P=value", "none").
//  - "YoseBorderValue:plain P": a border point without a hane point of the
//    opponent's next to it and with no chain next to it in atari or caught
//    by a ladder after either move: A = J's evaluation after J at P, B =
//    O's after O at P; gJ = A when A >= 1, else 0; gO = B when B >= -1,
//    else 0; v = gJ + gO is stored as (v, 0) when v >= 2 or v < 0, (0, 5)
//    when v = 1, (0, 0) when v = 0: "P=r/b", then the bounds "J:g<1|g=1|
//    g>1" (A), "O:g<-2|g=-2|g=-1|g>-1" (B) and "v<-1|v=-1|...|v=2|v>2".
//    "YoseBorderValue:atari-ours P" and ":atari-theirs P": the same where
//    J's move, or O's, leaves a chain of the other colour in atari or
//    caught by a ladder: the atari bonus step max(g, 2), grown by 2 for J,
//    halved for O, raises gJ = A + step (A >= 1), or gO = B + (step / 2)
//    when that is larger (B >= -1).
//  - "YoseTwoStone:plain V S": the point V beside two stones of the colour
//    of the stone S, no atari point: the candidates YoseTwoStone left, by
//    their points ("none"), and "mark" when V is marked dealt with.
//  - "YoseTwoStone:bonus V S": the same point, each candidate as
//    "P:b=N" (N its bonus), then V's cache cell as "cell:b=N" ("cell=empty").
//  - "YoseBorderValue:eyes P": the largest eye value among the engine's
//    groups next to P, "eyes=N", then the candidates YoseBorderValue left
//    ("P=value", "none"); the point is valued only beside a group of eye
//    value 4 or more.
//  - "YoseKakemeThink", "YoseDameThink": the false-eye fallback scan, or
//    the scan of the dame points, alone: its candidates as
//    "P=value/bonus" ("none").
//  - "YoseOneStone:eyes V": the point V beside one stone: the eye value of
//    J's group at V after J's move there, "eyes=N", then the candidates the
//    routine left as "V=value" ("none" without one).
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// The words joined by blanks.
std::string Joined(const std::vector<std::string>& words)
{
    std::string out;
    for (const std::string& w : words)
        out += (out.empty() ? "" : " ") + w;
    return out;
}

// The candidates left in the table: the one at p as "P=r/b" against the
// formula's value r and bonus b, the others by their points; "none" for
// an empty table.
std::vector<std::string> CandidateWords(Point p, int r, int b)
{
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i)
        words.push_back(Koho.Pt[i] == p ? GtpVertex(p) + '=' + Against("r", Koho.Value[i], r) + '/'
                                              + Against("b", Koho.Bonus[i], b)
                                        : GtpVertex(Koho.Pt[i]));
    if (words.empty())
        words.push_back("none");
    return words;
}

// One side's move at P: its gain g (after the other side's answer at the
// ladder's first move when it threatens one) and its follow-up f (the
// ladder played out by the mover, halved).
struct TSide {
    int g = 0;
    int f = 0;
    bool threat = false;
};

TSide ReadSide(int c, Point p, const Point* ladder)
{
    TSide s;
    s.threat = ladder != nullptr;
    s.g = s.threat ? ReadingValue(c, {p, ladder[0]}) : ReadingValue(c, {p});
    s.f = s.threat ? OneSideValue(c, {p, ladder[0], ladder[1]}) / 2 : 0;
    return s;
}

// "<0", "=0", ">0": the sign of v.
std::string Sign(int v) { return v < 0 ? "<0" : v == 0 ? "=0" : ">0"; }

// The side's gain against 0 and its sente test against its bound.
std::vector<std::string> SideWords(char who, const TSide& s)
{
    const std::string w(1, who);
    if (!s.threat)
        return {w + ":g" + Sign(s.g), w + ":-"};
    return {w + ":g" + Sign(s.g), w + (2 * s.g < s.f ? ":2g<f" : 2 * s.g == s.f ? ":2g=f" : ":2g>f")};
}

std::string ValueAgainst(const std::vector<Point>& pts, bool mine, bool theirs)
{
    const std::size_t want = 1 + (mine ? 2 : 0) + (theirs ? 2 : 0);
    if (pts.size() != want)
        throw std::invalid_argument("the reading wants the point and two ladder moves per threat");
    const Point p = pts[0];
    const TSide j = ReadSide(JibunIro, p, mine ? &pts[1] : nullptr);
    const TSide o = ReadSide(AiteIro, p, theirs ? &pts[mine ? 3 : 1] : nullptr);
    const bool sj = j.threat && j.f > 0 && 2 * j.g < j.f;
    const bool so = o.threat && o.f >= 1 && 2 * o.g < o.f;
    const int sum = j.g + o.g;
    int r = sum, b = 0;
    if (sj && so) {
        r = j.f;
    } else if (sj) {
        r = std::min(2 * r, j.f);
        b = 5;
    } else if (so) {
        if (2 * r < o.f)
            r *= 2;
        if (r == 0 && o.f >= 2)
            r = 2;
    }
    const int before = r;
    if (r >= 25) {
        r = 0;
        b = 9;
    }
    YoseCacheClear();
    KohoKind = kkYose;
    YoseValue(p);
    YoseCacheClear();
    std::vector<std::string> words = CandidateWords(p, r, b);
    for (const TSide* side : {&j, &o})
        for (std::string& w : SideWords(side == &j ? 'J' : 'O', *side))
            words.push_back(std::move(w));
    words.push_back("sum" + Sign(sum));
    if (o.threat) {
        words.push_back(o.f < 2 ? "O:f<2" : o.f == 2 ? "O:f=2" : "O:f>2");
        words.push_back(2 * sum < o.f ? "O:2sum<f" : 2 * sum == o.f ? "O:2sum=f" : "O:2sum>f");
    }
    if (before == 24 || before == 25)
        words.push_back(before == 24 ? "cap-1" : "cap");
    return Joined(words);
}

std::string OwnLadder(const std::vector<Point>& pts) { return ValueAgainst(pts, true, false); }
std::string TheirLadder(const std::vector<Point>& pts) { return ValueAgainst(pts, false, true); }
std::string BothLadders(const std::vector<Point>& pts) { return ValueAgainst(pts, true, true); }
std::string NoThreat(const std::vector<Point>& pts) { return ValueAgainst(pts, false, false); }

std::string GateEyes(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the gate wants the point");
    const Point v = pts[0];
    const TGoban& b0 = *GobanLv[0];
    int least = -1;
    for (const Point q : {Point(v.x, v.y - 1), Point(v.x + 1, v.y), Point(v.x, v.y + 1), Point(v.x - 1, v.y)}) {
        const TGun* g = b0.OnBoardPt(q) && (b0.GetIroPt(q) == kKuro || b0.GetIroPt(q) == kSiro)
                            ? b0.GunList.GetGunAt(q)
                            : nullptr;
        if (g != nullptr && (least < 0 || g->GetMe() < least))
            least = g->GetMe();
    }
    YoseCacheClear();
    KohoKind = kkYose;
    YoseValue(v);
    YoseCacheClear();
    return "eyes=" + std::to_string(least) + ' ' + RoutineCandidates();
}

std::string OneStoneEyes(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the one-stone point wants the point");
    const Point v = pts[0];
    const TGoban& b0 = *GobanLv[0];
    int s = 0, stones = 0;
    for (const Point q : {Point(v.x, v.y - 1), Point(v.x + 1, v.y), Point(v.x, v.y + 1), Point(v.x - 1, v.y)})
        if (b0.OnBoardPt(q) && (b0.GetIroPt(q) == kKuro || b0.GetIroPt(q) == kSiro)) {
            s = b0.GetIroPt(q);
            ++stones;
        }
    if (stones != 1)
        throw std::invalid_argument("no single stone beside " + GtpVertex(v));
    int eyes = -1;
    {
        TYomiKeep keep;
        if (!ToruPlay(JibunIro, v))
            throw std::invalid_argument("the move is refused: " + GtpVertex(v));
        CurGoban().Analyze();
        const TGun* g = GunAt(v);
        eyes = g == nullptr ? -1 : g->GetMe();
    }
    YoseCacheClear();
    LinkMarkClear();
    KohoKind = kkYose;
    YoseOneStone(v, s);
    YoseCacheClear();
    LinkMarkClear();
    return "eyes=" + std::to_string(eyes) + ' ' + RoutineCandidates();
}

// A border point with no hane point of the opponent's between two of its
// stones next to it, read with the atari bonus when the row says that J's
// move (ours) or O's (theirs) ataris a chain or starts a ladder against it.
std::string BorderRead(const std::vector<Point>& pts, bool ours, bool theirs)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the border point wants the point");
    const Point p = pts[0];
    const int a = ReadingValue(JibunIro, {p}), b = ReadingValue(AiteIro, {p});
    // The atari bonus: a step of max(g, 2), grown by 2 for our stone,
    // halved for the opponent's.
    const int gJ = a >= 1 ? a + (ours ? std::max(a, 2) + 2 : 0) : 0;
    int gO = 0;
    if (b >= -1) {
        const int raised = b + (theirs ? std::max(b, 2) / 2 : 0);
        gO = b < raised ? b + (raised - b) / 2 : b;
    }
    const int v = gJ + gO;
    const int r = v >= 2 || v < 0 ? v : 0, bonus = v == 1 ? 5 : 0;
    YoseCacheClear();
    KohoKind = kkYose;
    YoseBorderValue(p);
    YoseCacheClear();
    std::vector<std::string> words = CandidateWords(p, r, bonus);
    words.push_back(a < 1 ? "J:g<1" : a == 1 ? "J:g=1" : "J:g>1");
    words.push_back(b < -2 ? "O:g<-2" : b == -2 ? "O:g=-2" : b == -1 ? "O:g=-1" : "O:g>-1");
    words.push_back(v < -1 ? "v<-1" : v > 2 ? "v>2" : "v=" + std::to_string(v));
    return Joined(words);
}

std::string BorderPlain(const std::vector<Point>& pts) { return BorderRead(pts, false, false); }
std::string BorderAtariOurs(const std::vector<Point>& pts) { return BorderRead(pts, true, false); }
std::string BorderAtariTheirs(const std::vector<Point>& pts) { return BorderRead(pts, false, true); }

// Runs YoseTwoStone on the point pts[0] beside two stones of the colour of the
// stone at pts[1], with no atari at stake, on a clean cache and clean marks.
void RunTwoStone(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the two-stone point wants the point and one of the two stones");
    const int s = GobanLv[0]->GetIroPt(pts[1]);
    if (s != kKuro && s != kSiro)
        throw std::invalid_argument("no stone at " + GtpVertex(pts[1]));
    YoseCacheClear();
    LinkMarkClear();
    KohoKind = kkYose;
    YoseTwoStone(pts[0], s);
}

// The candidates YoseTwoStone left by their points ("none" without one), then
// "mark" when it marked the point dealt with.
std::string TwoStonePlain(const std::vector<Point>& pts)
{
    RunTwoStone(pts);
    YoseCacheClear();
    std::string out;
    for (int i = 1; i <= KohoCount; ++i)
        out += (out.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]);
    if (out.empty())
        out = "none";
    if (LinkMark1[pts[0].x][pts[0].y] == 1)
        out += " mark";
    LinkMarkClear();
    return out;
}

// The bonus the two-stone point carries: each candidate as "P:b=N" (N its
// bonus; "none" without one), then the bonus of V's cache cell as "cell:b=N"
// ("cell=empty" without a cell).
std::string TwoStoneBonus(const std::vector<Point>& pts)
{
    RunTwoStone(pts);
    std::string out;
    for (int i = 1; i <= KohoCount; ++i)
        out += (out.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]) + ":b=" + std::to_string(static_cast<int>(Koho.Bonus[i]));
    if (out.empty())
        out = "none";
    int v = 0, b = 0;
    out += YoseCacheGet(JibunIro, pts[0], v, b) ? " cell:b=" + std::to_string(b) : " cell=empty";
    YoseCacheClear();
    LinkMarkClear();
    return out;
}

// The largest eye value among J's groups next to P, "eyes=N" (-1 without
// one), then the candidates YoseBorderValue left by their points.
std::string BorderEyes(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the border point wants the point");
    const Point v = pts[0];
    const TGoban& b0 = *GobanLv[0];
    int most = -1;
    for (const Point q : {Point(v.x, v.y - 1), Point(v.x + 1, v.y), Point(v.x, v.y + 1), Point(v.x - 1, v.y)}) {
        const TGun* g = b0.OnBoardPt(q) && b0.GetIroPt(q) == JibunIro ? b0.GunList.GetGunAt(q) : nullptr;
        if (g != nullptr)
            most = std::max(most, g->GetMe());
    }
    YoseCacheClear();
    KohoKind = kkYose;
    YoseBorderValue(v);
    YoseCacheClear();
    return "eyes=" + std::to_string(most) + ' ' + RoutineCandidates();
}

// One endgame scan alone: its candidates as "P=value/bonus", "none"
// without one.
template <void (*Scan)()>
std::string ScanAlone(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the scan wants no point");
    YoseCacheClear();
    KohoKind = kkYose;
    Scan();
    YoseCacheClear();
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i)
        words.push_back(GtpVertex(Koho.Pt[i]) + '=' + std::to_string(Koho.Value[i]) + '/'
                        + std::to_string(static_cast<int>(Koho.Bonus[i])));
    return SortedWords(words);
}

const TProblemRoutineAdd ownLadder("YoseValue:own-ladder", OwnLadder);
const TProblemRoutineAdd theirLadder("YoseValue:their-ladder", TheirLadder);
const TProblemRoutineAdd bothLadders("YoseValue:both-ladders", BothLadders);
const TProblemRoutineAdd noThreat("YoseValue:no-threat", NoThreat);
const TProblemRoutineAdd gateEyes("YoseValue:eyes", GateEyes);
const TProblemRoutineAdd twoStonePlain("YoseTwoStone:plain", TwoStonePlain);
const TProblemRoutineAdd twoStoneBonus("YoseTwoStone:bonus", TwoStoneBonus);
const TProblemRoutineAdd borderEyes("YoseBorderValue:eyes", BorderEyes);
const TProblemRoutineAdd kakemeScan("YoseKakemeThink", ScanAlone<YoseKakemeThink>);
const TProblemRoutineAdd dameScan("YoseDameThink", ScanAlone<YoseDameThink>);
const TProblemRoutineAdd borderPlain("YoseBorderValue:plain", BorderPlain);
const TProblemRoutineAdd borderOurs("YoseBorderValue:atari-ours", BorderAtariOurs);
const TProblemRoutineAdd borderTheirs("YoseBorderValue:atari-theirs", BorderAtariTheirs);
const TProblemRoutineAdd oneStoneEyes("YoseOneStone:eyes", OneStoneEyes);

} // namespace
} // namespace vorn::test
