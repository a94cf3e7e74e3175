// The relation moves of a weak group in the cases the plain pair rows leave
// open (tests/problems/weak-kankei.tst): the diagonal's ladder reading, the
// middle try of a weak group's three-space jump and the tie between the
// extension and the small jump of the (1,3) shape.  Each entry runs the
// weak-group generator's relation step on the group at the row's first
// point and answers the candidate the row pins against its formula ("M=r"
// when the value is the formula's, "M=r+3" when it is 3 more), its reason,
// the other candidates by their points, and a word for the premise the row
// relies on; a last entry reads which pairs the step keeps, those whose
// move for the group's colour leaves the group no longer weak.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"

namespace vorn::test {
namespace {

const TGun& WeakGroupAt(const std::vector<Point>& pts, std::size_t want)
{
    if (pts.size() != want)
        throw std::invalid_argument("the entry wants " + std::to_string(want) + " points");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    return *g;
}

// Runs the relation step of g and answers its candidates: the one at m as
// "M=r:13" (r against the formula f; "M" written as the vertex), the others
// by their points, sorted, then the premise word.
std::string RelationStep(const TGun& g, Point m, int f, const std::string& premise)
{
    KohoKind = kkWeakGun;
    WeakGunKankeiMoves(g);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == m) {
            const int d = Koho.Value[i] - f;
            w += std::string("=r") + (d > 0 ? "+" : "") + (d != 0 ? std::to_string(d) : "") + ':'
                 + std::to_string(static_cast<int>(Koho.Kind[i]));
        }
        all.push_back(w);
    }
    std::sort(all.begin(), all.end());
    if (all.empty())
        all.push_back("none");
    all.push_back(premise);
    std::string out;
    for (const std::string& w : all)
        out += (out.empty() ? "" : " ") + w;
    return out;
}

// V P Q M, the diagonal contact of the group at V (colour c, the other
// colour o): A = c's evaluation after c at P, B = o's after o at Q, r = A +
// B, halved (toward zero) when A or B is negative; the pair is recorded only
// when r > 0.  Premise word: "plain" when A and B are both 0 or more, else
// "negative".
std::string Kosumi(const std::vector<Point>& pts)
{
    const TGun& g = WeakGroupAt(pts, 4);
    const int c = g.GetIsiIro(), o = c ^ 3;
    const int a = ReadingValue(c, {pts[1]}), b = ReadingValue(o, {pts[2]});
    int r = a + b;
    if (a < 0 || b < 0)
        r /= 2;
    return RelationStep(g, pts[3], r, a < 0 || b < 0 ? "negative" : "plain");
}

// V M, the middle try of a three-space jump: r = the engine's evaluation
// after its move at M + the opponent's after its move at M, a sum of 0
// written -1.  Premise word: "weak" when the group at V is weak by
// TGun::IsWeak (the flag its relation patterns get), else "strong".
std::string MiddleTry(const std::vector<Point>& pts)
{
    const TGun& g = WeakGroupAt(pts, 2);
    int r = ReadingValue(JibunIro, {pts[1]}) + ReadingValue(AiteIro, {pts[1]});
    if (r == 0)
        r = -1;
    return RelationStep(g, pts[1], r, g.IsWeak() ? "weak" : "strong");
}

// Chooser 1: V P1 P2 Q, c chooses between P1 and P2 and o's point is Q;
// chooser 2: V P Q1 Q2, c's point is P and o chooses between Q1 and Q2.
// The chooser's point R is the one with the larger evaluation after the
// chooser's move there, P1 (Q1) on ties; r = the chooser's best + the other
// colour's evaluation after its move at its point, a negative r counted 0.
// The candidate pinned is the engine's point of the pair: R when the
// chooser is the engine, else the other colour's point.  Premise word:
// "tie" when the chooser's two evaluations are equal, else "apart".
template <int Chooser>
std::string TieChoice(const std::vector<Point>& pts)
{
    const TGun& g = WeakGroupAt(pts, 4);
    const int c = g.GetIsiIro();
    const int chooser = Chooser == 1 ? c : c ^ 3;
    const Point p1 = pts[Chooser == 1 ? 1 : 2], p2 = pts[Chooser == 1 ? 2 : 3], single = pts[Chooser == 1 ? 3 : 1];
    const int e1 = ReadingValue(chooser, {p1}), e2 = ReadingValue(chooser, {p2});
    const int r = std::max(0, std::max(e1, e2) + ReadingValue(chooser ^ 3, {single}));
    const Point m = JibunIro == chooser ? (e2 > e1 ? p2 : p1) : single;
    return RelationStep(g, m, r, e1 == e2 ? "tie" : "apart");
}

// V P Q M W..., the pairs kept by the step: A = c's evaluation after c at P,
// B = o's after o at Q, r = A + B, a negative r counted 0; "M=r:13", the
// others by their points; then the premise of each W: "W:settled" when c's
// move at W leaves the group there no longer weak (eye value 4 or more and
// not weak by TGun::IsWeak, or under 4 with death level 0), else "W:weak".
std::string Kept(const std::vector<Point>& pts)
{
    if (pts.size() < 4)
        throw std::invalid_argument("the entry wants V P Q M and the points whose premise it reads");
    const TGun& g = WeakGroupAt({pts.begin(), pts.begin() + 4}, 4);
    const int c = g.GetIsiIro();
    const int r = std::max(0, ReadingValue(c, {pts[1]}) + ReadingValue(c ^ 3, {pts[2]}));
    std::string premise;
    for (std::size_t i = 4; i < pts.size(); ++i) {
        TYomiTrial t;
        if (!t.Play(c, pts[i]))
            throw std::invalid_argument("the group's move is refused: " + GtpVertex(pts[i]));
        CurGoban().Analyze();
        const TGun* after = GunAt(pts[i]);
        premise += (premise.empty() ? "" : " ") + GtpVertex(pts[i])
                   + (after != nullptr && !IsWeakGunTarget(*after) ? ":settled" : ":weak");
    }
    return RelationStep(g, pts[3], r, premise);
}

const TProblemRoutineAdd kosumi("WeakGunKankeiMoves:kosumi", Kosumi);
const TProblemRoutineAdd middleTry("WeakGunKankeiMoves:middle-try", MiddleTry);
const TProblemRoutineAdd ownTie("WeakGunKankeiMoves:own-tie", TieChoice<1>);
const TProblemRoutineAdd oppTie("WeakGunKankeiMoves:opp-tie", TieChoice<2>);
const TProblemRoutineAdd kept("WeakGunKankeiMoves:kept", Kept);

} // namespace
} // namespace vorn::test
