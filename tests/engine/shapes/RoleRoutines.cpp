// Relation moves of groups, the knight's-move contact and the large
// knight's move called by name from tests/problems/shapes-roles.tst,
// answered for one candidate against readings the row names:
//
//   call NAME:at A B P M... A N...
//
// runs the routine on the pair (A, B) for the side to move and answers the
// candidate at P as "P=r:reason" when its value is the other colour's
// evaluation after M... (the other colour first, alternating) plus A's
// colour's after N... (A's colour first); B between readings of the other
// colour offers them as alternatives of which the worse counts (a pattern
// that takes the smaller of two answers); "P=r*4/5", "P=r/2" or "P=r/8" for the
// scalings the patterns apply (toward zero); any other value as
// "P=value(r=sum)", which no row expects.  The other candidates are
// answered by their points alone.  A reading left out counts 0.
//
//   call NAME:pair A B
//
// runs the routine in the weak-group generator's pair mode and answers the
// pairs it recorded as "black's move/white's move" words, "none" when it
// recorded none.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/WeakGun.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/GunKankeiWide.h"
#include "engine/shapes/KeimaTuke.h"
#include "engine/shapes/Ogeima.h"

namespace vorn::test {
namespace {

// The sum of the readings after P (pts[2]): the other colour's (the worse
// of those split by B), then, after A again, A's colour's.
int ReadingsSum(const std::vector<Point>& pts)
{
    const int colA = CurGoban().GetIroPt(pts[0]);
    std::vector<std::vector<Point>> other(1);
    std::vector<Point> own;
    bool ownSide = false;
    for (std::size_t i = 3; i < pts.size(); ++i) {
        if (pts[i] == pts[0])
            ownSide = true;
        else if (ownSide)
            own.push_back(pts[i]);
        else if (pts[i] == pts[1])
            other.emplace_back();
        else
            other.back().push_back(pts[i]);
    }
    int sum = 0;
    if (!other[0].empty()) {
        int worst = ReadingValue(colA ^ 3, other[0]);
        for (std::size_t k = 1; k < other.size(); ++k)
            worst = std::min(worst, ReadingValue(colA ^ 3, other[k]));
        sum += worst;
    }
    if (!own.empty())
        sum += ReadingValue(colA, own);
    return sum;
}

std::string Scaled(int v, int r)
{
    if (v == r)
        return "r";
    if (r != 0 && v == r * 4 / 5)
        return "r*4/5";
    if (r != 0 && v == r / 2)
        return "r/2";
    if (r != 0 && v == r / 8)
        return "r/8";
    return std::to_string(v) + "(r=" + std::to_string(r) + ")";
}

template <void (*Handler)(Point, Point), int Reason = kkGunKankei>
std::string GroupAt(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a relation wants two points, the candidate and its readings");
    KohoKind = Reason;
    Handler(pts[0], pts[1]);
    const int r = ReadingsSum(pts);
    std::string out;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string s = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == pts[2]) {
            // A value of 26 or more is kept as 25 with the excess over 13
            // as its bonus: the whole value back.
            int v = Koho.Value[i];
            if (Koho.Kind[i] == kkGunKankei && v == 25 && Koho.Bonus[i] > 0)
                v = Koho.Bonus[i] + 13;
            s += '=' + Scaled(v, r) + ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
        }
        out += (out.empty() ? "" : " ") + s;
    }
    return out.empty() ? "none" : out;
}

template <void (*Handler)(Point, Point)>
std::string GroupPairs(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("a group relation in pair mode wants two points");
    KohoKind = kkGunKankei;
    GunKankeiPairCount = 0;
    GunKankeiPairMode = 1;
    Handler(pts[0], pts[1]);
    GunKankeiPairMode = 0;
    std::string out;
    for (int i = 1; i <= GunKankeiPairCount; ++i)
        out += (out.empty() ? "" : " ") + GtpVertex(GunKankeiPair.Kuro[i]) + '/' + GtpVertex(GunKankeiPair.Siro[i]);
    GunKankeiPairCount = 0;
    return out.empty() ? "none" : out;
}

const TProblemRoutineAdd gunKankei1At("GunKankei1Utu:at", GroupAt<GunKankei1Utu>);
const TProblemRoutineAdd gunKankei4At("GunKankei4Utu:at", GroupAt<GunKankei4Utu>);
const TProblemRoutineAdd gunKankei6At("GunKankei6Utu:at", GroupAt<GunKankei6Utu>);
const TProblemRoutineAdd keimaTukeAt("KeimaTuke:at", GroupAt<KeimaTuke, kkKankei>);
const TProblemRoutineAdd kankei7At("Kankei7Utu:at", GroupAt<Kankei7Utu, kkKankei>);
const TProblemRoutineAdd gunKankei5Pair("GunKankei5Utu:pair", GroupPairs<GunKankei5Utu>);

// call Kankei7Utu:outer-at A B P M... A N...   as "Kankei7Utu:at", but
// the candidate at P is answered as "P=r", "P=r/2" or "P=r*2/3" (r the sum
// of the readings, shares toward zero as the outside patterns give each
// side), any other value as "P=value(r=sum)", which no row expects.
std::string Kankei7OuterAt(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("Kankei7Utu:outer-at wants a pair, the candidate and its readings");
    const int r = ReadingsSum(pts);

    KohoKind = kkKankei;
    Kankei7Utu(pts[0], pts[1]);
    std::string out;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string s = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == pts[2]) {
            const int v = Koho.Value[i];
            std::string how = std::to_string(v) + "(r=" + std::to_string(r) + ")";
            if (v == r)
                how = "r";
            else if (r != 0 && v == r / 2)
                how = "r/2";
            else if (r != 0 && v == r * 2 / 3)
                how = "r*2/3";
            s += '=' + how + ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
        }
        out += (out.empty() ? "" : " ") + s;
    }
    return out.empty() ? "none" : out;
}

const TProblemRoutineAdd kankei7OuterAt("Kankei7Utu:outer-at", Kankei7OuterAt);

} // namespace
} // namespace vorn::test
