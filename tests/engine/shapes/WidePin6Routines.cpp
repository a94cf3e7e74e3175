// Entries of the problem table tests/problems/shapes-wide-pin6.tst: the
// relation patterns of groups for the wide shapes with the group minimum
// set to the value a row's readings give, so that a value lying exactly on
// the minimum shows whether it is kept.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/WeakGun.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/GunKankeiWide.h"
#include "engine/shapes/OuterRoutines.h"

namespace vorn::test {
namespace {

// The value r of a row's formula (from its fourth point on).
int MinimumFormula(const std::vector<Point>& pts)
{
    if (pts.size() < 4)
        throw std::invalid_argument("an at-min row wants the pair, the candidate and its formula");
    const int r = outer::FormulaValue(pts[0], pts[1], pts, 3);
    if (r > -4 && r < 4)
        throw std::invalid_argument("the formula's value " + std::to_string(r) + " is too small to tell the scalings apart");
    return r;
}

// A value v against r, as the at-min rows answer it.
std::string AgainstR(int v, int r)
{
    if (v == r)
        return "r";
    if (v == r * 8 / 10)
        return "r*8/10";
    if (v == r / 2)
        return "r/2";
    if (v == 0)
        return "0";
    return v > r ? "r+" + std::to_string(v - r) : "r-" + std::to_string(r - v);
}

// "NAME:at-min A B X F...": the pattern on the pair (A, B) for the side to
// move, under the reason of the relation moves of groups (18), with the
// group minimum set to r, the value of the formula F (as for NAME:pin in
// wide-pin.tst: a term opened by A is read with A's colour first, one
// opened by B with B's colour first).  Answers only the candidate at X:
// "X=r", "X=r*8/10" (four fifths, toward zero), "X=r/2" (toward zero),
// "X=0", else "X=r+k" or "X=r-k"; "none" when X is not a candidate.  The
// row must give an r of at least 4 either way, so that these differ.
template <void (*Handler)(Point, Point)>
std::string AtMinimum(const std::vector<Point>& pts)
{
    const int r = MinimumFormula(pts);
    KohoKind = kkGunKankei;
    GunKankeiMin = r;
    Handler(pts[0], pts[1]);
    GunKankeiReset();
    for (int i = 1; i <= KohoCount; ++i) {
        if (Koho.Pt[i] != pts[2])
            continue;
        // A value of 26 or more is kept as 25 with the excess over 13 as
        // its bonus: the whole value back.
        const bool kept = Koho.Value[i] == 25 && Koho.Bonus[i] > 0;
        return GtpVertex(Koho.Pt[i]) + '=' + AgainstR(kept ? Koho.Bonus[i] + 13 : Koho.Value[i], r);
    }
    return "none";
}

// "NAME:pair-at-min A B X F...": the same in pair mode: answers the pairs
// recorded with X as Black's or White's move, as "K/S=" and the value
// against r (as above), in the order recorded; "none" when there is none.
template <void (*Handler)(Point, Point)>
std::string PairAtMinimum(const std::vector<Point>& pts)
{
    const int r = MinimumFormula(pts);
    KohoKind = kkGunKankei;
    GunKankeiMin = r;
    GunKankeiPairCount = 0;
    GunKankeiPairMode = 1;
    Handler(pts[0], pts[1]);
    GunKankeiPairMode = 0;
    GunKankeiReset();
    std::string out;
    for (int i = 1; i <= GunKankeiPairCount; ++i) {
        if (GunKankeiPair.Kuro[i] != pts[2] && GunKankeiPair.Siro[i] != pts[2])
            continue;
        out += (out.empty() ? "" : " ") + GtpVertex(GunKankeiPair.Kuro[i]) + '/' + GtpVertex(GunKankeiPair.Siro[i]) + '='
               + AgainstR(GunKankeiPair.Value[i], r);
    }
    GunKankeiPairCount = 0;
    return out.empty() ? "none" : out;
}

const TProblemRoutineAdd gunKankei4AtMin("GunKankei4Utu:at-min", AtMinimum<GunKankei4Utu>);
const TProblemRoutineAdd gunKankei5PairAtMin("GunKankei5Utu:pair-at-min", PairAtMinimum<GunKankei5Utu>);
const TProblemRoutineAdd gunKankei6AtMin("GunKankei6Utu:at-min", AtMinimum<GunKankei6Utu>);

} // namespace
} // namespace vorn::test
