// More shape routines for the problem tables (tests/problems/shapes-second.tst):
// the side tries of the two-space relation of groups and the wedge of the
// (2,3) link, each answered against readings the row names.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/shapes/GunKankeiWide.h"
#include "engine/shapes/Kankei8.h"

namespace vorn::test {
namespace {

// One side's try: its point (the first move) and the reading's value for the
// side that plays it.
struct TTry {
    Point at;
    int value = 0;
};

// The tries of the row for each colour of the pair: after A and B, the
// tries of A's colour, then B, then those of B's colour; each try is a
// reading (its first move is its point, the two colours alternate, scored
// for the mover) and A separates the tries of one colour.
void ReadTries(Point a, Point b, const std::vector<Point>& pts, std::vector<TTry> (&tries)[2])
{
    const int colA = CurGoban().GetIroPt(a);
    int side = 0;
    std::vector<Point> moves;
    const auto flush = [&] {
        if (!moves.empty())
            tries[side].push_back({moves.front(), ReadingValue(side == 0 ? colA : colA ^ 3, moves)});
        moves.clear();
    };
    for (std::size_t i = 2; i < pts.size(); ++i) {
        if (pts[i] == a) {
            flush();
        } else if (pts[i] == b) {
            flush();
            side = 1;
        } else {
            moves.push_back(pts[i]);
        }
    }
    flush();
}

// The best of one colour's tries (the first on ties), as the pattern takes
// them: the first try is the side point itself, each later one replaces it
// only when larger.
const TTry* BestTry(const std::vector<TTry>& tries)
{
    const TTry* best = nullptr;
    for (const TTry& t : tries)
        if (best == nullptr || t.value > best->value)
            best = &t;
    return best;
}

// The two-space relation of groups, one side of the jump open: every try of
// the engine's colour is a candidate at its point with its own reading
// ("P=t"); the best try of that colour also carries the sum of both
// colours' best tries, halved when either is negative and 0 below 0 (the
// larger of the two values stays).  A candidate whose value fits neither is
// answered as "P=?value".  The answer adds "sum" when the best try carries
// the sum (more than its own reading, so that the row shows it counted).
std::string SideTries(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a pair and its tries are wanted");
    KohoKind = kkGunKankei;
    const Point a = pts[0], b = pts[1];
    const int colA = CurGoban().GetIroPt(a);
    GunKankei6Utu(a, b);
    std::vector<TTry> tries[2];
    ReadTries(a, b, pts, tries);
    const int mine = JibunIro == colA ? 0 : 1;
    const TTry* best[2] = {BestTry(tries[0]), BestTry(tries[1])};
    int sum = 0;
    if (best[0] != nullptr && best[1] != nullptr) {
        sum = best[0]->value + best[1]->value;
        if (best[0]->value < 0 || best[1]->value < 0)
            sum /= 2;
        if (sum < 0)
            sum = 0;
    }
    std::string out;
    bool summed = false;
    for (int i = 1; i <= KohoCount; ++i) {
        int v = Koho.Value[i];
        if (v == 25 && Koho.Bonus[i] > 0)
            v = Koho.Bonus[i] + 13;
        const Point p = Koho.Pt[i];
        std::string word = GtpVertex(p) + "=?" + std::to_string(v);
        for (const TTry& t : tries[mine]) {
            if (t.at != p)
                continue;
            const bool isBest = &t == best[mine];
            if (isBest && sum > t.value && v == sum) {
                word = GtpVertex(p) + "=t";
                summed = true;
            } else if (v == t.value && !(isBest && sum > t.value)) {
                word = GtpVertex(p) + "=t";
            }
        }
        out += (out.empty() ? "" : " ") + word;
    }
    if (summed)
        out += " sum";
    return out.empty() ? "none" : out;
}

// The wedge on a middle point of the (2,3) link: "A B K A T" names the
// attacker's extension K and the owner's answer T.  The candidate is valued
// as the owner's evaluation after T plus the attacker's after K, scaled by
// the attacker's group at K after its move: "P=r" unscaled (neither dead nor
// weak), "P=r*d" scaled by d/100 with d its death level (weak), "P=r" again
// when it is dead (d = 100); "P=?value" when the value fits neither.
std::string WedgeRead(const std::vector<Point>& pts)
{
    if (pts.size() != 5 || pts[3] != pts[0])
        throw std::invalid_argument("the wedge wants A B K A T");
    KohoKind = kkKankei;
    const Point a = pts[0], k = pts[2], t = pts[4];
    const int own = CurGoban().GetIroPt(a), att = own ^ 3;
    Kankei8Utu(a, pts[1]);
    const int r = ReadingValue(own, {t}) + ReadingValue(att, {k});
    int d = 0;
    {
        TYomiKeep keep;
        if (!ToruPlay(att, k))
            throw std::invalid_argument("the attacker's move at K is refused");
        Hyoka(att);
        if (const TGun* g = GunAt(k); g != nullptr)
            d = g->GetDeath() == 1 ? 100 : g->IsWeak() ? g->GetDeathLevel() : 0;
    }
    std::string out;
    for (int i = 1; i <= KohoCount; ++i) {
        const int v = Koho.Value[i];
        std::string f = "?" + std::to_string(v);
        if (v == r && (d == 0 || d == 100))
            f = "r";
        else if (d > 0 && d < 100 && v == r * d / 100)
            f = "r*d";
        out += (out.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]) + '=' + f + ':'
               + std::to_string(static_cast<int>(Koho.Kind[i]));
    }
    return out.empty() ? "none" : out;
}

const TProblemRoutineAdd kankei8Wedge("Kankei8Utu:wedge", WedgeRead);
const TProblemRoutineAdd gunKankei6Tries("GunKankei6Utu:tries", SideTries);

} // namespace
} // namespace vorn::test
