// Entries of the problem table generators-probe.tst: single generator
// routines on positions whose answers are worked out by hand.  The answer
// format is written at each entry.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Define.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Yomi.h"
#include "engine/CaptureAnswer.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Kyuba.h"
#include "engine/Nozoki.h"
#include "engine/Reading.h"
#include "engine/WeakGun.h"

namespace vorn::test {
namespace {

// call WeakGunHirogeru:probe V P...  the extensions of the group at V
// (added, reason 13), answered at the points P... alone.
std::string HirogeruAt(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the extensions want a stone of the group and the points to read");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    KohoKind = kkWeakGun;
    Point best;
    WeakGunHirogeru(*g, 0, best);
    return CandidatesAt(std::vector<Point>(pts.begin() + 1, pts.end()), false);
}

const TProblemRoutineAdd hirogeruAt("WeakGunHirogeru:probe", HirogeruAt);

// The candidates by their points and reasons, "D4:1"; sorted, "none" when
// the table is empty.
std::string PointsAndReasons()
{
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]) + ':' + std::to_string(static_cast<int>(Koho.Kind[i])));
    return SortedWords(all);
}

// call DameShareThink:probe   the shared-liberty shape over the board
// under the capture reason 1: the candidates as "D4:1" (their values are
// the reading's).
std::string DameShareAll(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the shared-liberty scan takes no points");
    KohoKind = kkToru;
    DameShareThink();
    return PointsAndReasons();
}

const TProblemRoutineAdd dameShareAll("DameShareThink:probe", DameShareAll);

// call AtariNigeAnswer:probe A B   the answer to the chain at B in atari
// with its liberty A, saved by extending at A: "A=r" against the reading
// r = max(e1, -1) + e2, e1 the evaluation for the chain's colour after it
// extends at A, e2 the opponent's after it takes at A (no counter-capture);
// any other candidate by its point alone.
std::string AtariNigeRead(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the atari answer wants the liberty and a stone of the chain");
    const TRen* r = GobanLv[0]->RenList.RenAtPt(pts[1]);
    if (r == nullptr)
        throw std::invalid_argument("no chain at " + GtpVertex(pts[1]));
    const int col = r->GetIro();
    const int reading = std::max(ReadingValue(col, {pts[0]}), -1) + ReadingValue(col ^ 3, {pts[0]});
    AtariNigeAnswer(pts[0], pts[1]);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        const int d = Koho.Value[i] - reading;
        all.push_back(Koho.Pt[i] != pts[0] ? GtpVertex(Koho.Pt[i])
                                           : GtpVertex(Koho.Pt[i]) + "=r" + (d > 0 ? "+" : "")
                                                 + (d != 0 ? std::to_string(d) : ""));
    }
    return SortedWords(all);
}

const TProblemRoutineAdd atariNigeRead("AtariNigeAnswer:probe", AtariNigeRead);

// call KosumiAtariThink:probe S E T X   the atari before the cut over the
// board (reason 14): the candidate at the atari point S as "S=r" against
// the reading r = min(w1, w2), w1 the attacker's evaluation after S, the
// owner's escape E and the cut T, w2 after S, the owner's connection at T
// and the attacker's move at the extension point X; "S=none" without one.
// The attacker is the side to move.
std::string KosumiAtariRead(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("the atari before the cut wants S, the escape, T and the extension");
    const Point s = pts[0];
    const int ca = JibunIro;
    const int w1 = ReadingValue(ca, {s, pts[1], pts[2]});
    const int w2 = ReadingValue(ca, {s, pts[2], pts[3]});
    const int reading = std::min(w1, w2);
    KohoKind = kkNozoki;
    KosumiAtariThink(nullptr);
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == s) {
            const int d = Koho.Value[i] - reading;
            return GtpVertex(s) + "=r" + (d > 0 ? "+" : "") + (d != 0 ? std::to_string(d) : "");
        }
    return GtpVertex(s) + "=none";
}

const TProblemRoutineAdd kosumiAtariRead("KosumiAtariThink:probe", KosumiAtariRead);

// The candidate at p as "P=r" against the reading r ("P=r+2", "P=r-1"),
// "P=none" when the table holds nothing there.
std::string ReadingAt(Point p, int reading)
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == p) {
            const int d = Koho.Value[i] - reading;
            return GtpVertex(p) + "=r" + (d > 0 ? "+" : "") + (d != 0 ? std::to_string(d) : "");
        }
    return GtpVertex(p) + "=none";
}

// call RyoAtariThink:probe L O Y A B   atari, extension, double atari over
// the board (reason 14), the attacker being the side to move: its candidate
// at the atari point L as "L=r" against r = the least of the attacker's
// evaluations after L, O, Y, A, B; after L, O, Y, B, A; and after L, Y, O
// (O the owner's extension, Y the double atari, A and B its two liberties).
std::string RyoAtariRead(const std::vector<Point>& pts)
{
    if (pts.size() != 5)
        throw std::invalid_argument("the double atari wants L, O, Y and the two liberties");
    const int ca = JibunIro;
    const Point l = pts[0], o = pts[1], y = pts[2], a = pts[3], b = pts[4];
    const int reading = std::min({ReadingValue(ca, {l, o, y, a, b}), ReadingValue(ca, {l, o, y, b, a}),
                                  ReadingValue(ca, {l, y, o})});
    KohoKind = kkNozoki;
    RyoAtariThink();
    return ReadingAt(l, reading);
}

const TProblemRoutineAdd ryoAtariRead("RyoAtariThink:probe", RyoAtariRead);

// call NozokiCheck:probe P...   the peep table rebuilt on the row's board:
// for each point P the targets it peeps at, in table order, "P>T1,T2", or
// "P>none".
std::string PeepTargets(const std::vector<Point>& pts)
{
    NozokiCheck();
    std::vector<std::string> all;
    for (Point p : pts) {
        Point list[4] = {};
        const int n = NozokiList(p, list, 3);
        std::string w = GtpVertex(p) + '>';
        for (int i = 0; i < n; ++i)
            w += (i > 0 ? "," : "") + GtpVertex(list[i]);
        all.push_back(n == 0 ? w + "none" : w);
    }
    return SortedWords(all);
}

const TProblemRoutineAdd peepTargets("NozokiCheck:probe", PeepTargets);

// call DoubleNozokiThink:probe   the double peep over the board, rebuilt
// peep table first: the candidates as "D4:5" (their values are the
// reading's).
std::string DoublePeepAll(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the double peep takes no points");
    NozokiCheck();
    KohoKind = kkNozoki;
    DoubleNozokiThink();
    return PointsAndReasons();
}

const TProblemRoutineAdd doublePeepAll("DoubleNozokiThink:probe", DoublePeepAll);

// call GetaAnswer:probe A B E L   the answer to the net at A on the chain
// at B, E the chain's escape point and L the liberty of its neighbour in
// atari that the net's owner takes after the escape: "A=r" (the net's
// owner to play) or "E=r" (the chain's owner to play) against r = e1 + e2,
// halved when the escaping group is weak: e1 the evaluation for the
// chain's side after E, analysed, and the capture at L (not analysed
// again), e2 the owner's evaluation after the net at A.
std::string GetaRead(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("the net answer wants A, B, the escape and the capture");
    const Point a = pts[0], e = pts[2], l = pts[3];
    const TRen* chain = GobanLv[0]->RenList.RenAtPt(pts[1]);
    if (chain == nullptr)
        throw std::invalid_argument("no chain at " + GtpVertex(pts[1]));
    const int col = chain->GetIro(), opp = col ^ 3;
    int e1 = 0;
    bool weak = false;
    {
        TYomiKeep keep;
        if (!ToruPushPlay(col, e))
            throw std::invalid_argument("the escape is refused");
        CurGoban().Analyze();
        const TGun* g = CurGoban().GunList.GetGunAt(e);
        weak = g != nullptr && g->IsWeak();
        if (!ToruPlay(opp, l))
            throw std::invalid_argument("the capture is refused");
        e1 = HyokaDiff(col);
    }
    int reading = e1 + ReadingValue(opp, {a});
    if (weak)
        reading /= 2;
    GetaAnswer(a, pts[1]);
    return ReadingAt(JibunIro == col ? e : a, reading);
}

const TProblemRoutineAdd getaRead("GetaAnswer:probe", GetaRead);

// call AtariNigeAnswer:ko A B L   the answer to the chain at B in atari
// with its liberty A, where the opponent's take at A leaves a lone stone
// in atari that it connects at L: "A=r" against r = max(e1, -1) + e2 div 2,
// e1 the evaluation for the chain's side after it extends at A, e2 the
// opponent's after A and L (valid while e2 is not 2).
std::string AtariNigeKo(const std::vector<Point>& pts)
{
    if (pts.size() != 3)
        throw std::invalid_argument("the ko answer wants the liberty, a stone of the chain and the connection");
    const TRen* r = GobanLv[0]->RenList.RenAtPt(pts[1]);
    if (r == nullptr)
        throw std::invalid_argument("no chain at " + GtpVertex(pts[1]));
    const int col = r->GetIro(), opp = col ^ 3;
    int e2 = 0;
    {
        TYomiKeep keep;
        if (!ToruPushPlay(opp, pts[0]) || !ToruPlay(opp, pts[2]))
            throw std::invalid_argument("the take and the connection are refused");
        e2 = Hyoka(opp);
    }
    const int reading = std::max(ReadingValue(col, {pts[0]}), -1) + e2 / 2;
    AtariNigeAnswer(pts[0], pts[1]);
    return ReadingAt(pts[0], reading);
}

const TProblemRoutineAdd atariNigeKo("AtariNigeAnswer:ko", AtariNigeKo);

} // namespace
} // namespace vorn::test
