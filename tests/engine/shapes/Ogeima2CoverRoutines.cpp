// Routines for tests/problems/shapes-gunkankei-cover2.tst: a relation of
// groups scored against the row's readings, for the patterns whose
// candidate value is scaled by the sizes of the two groups.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/GunKankeiWide.h"

namespace vorn::test {
namespace {

// The one-space jump of a group that is not weak.
void GunKankei3Strong(Point a, Point b) { GunKankei3Utu(a, b, 0); }

// "NAME:ogeima2-at A B P M... A N...": the relation handler on (A, B) under
// the relation moves of groups (18); r is the sum of the readings M... of
// B's colour (first, alternating, scored for it) and N... of A's colour.
// Answers the candidate at P alone: "P=r:18", "P=r/2:18" or "P=r/4:18"
// (halved toward zero), else "P=?v:18"; "none" when P has no candidate.
template <void (*Handler)(Point, Point)>
std::string AtScaled(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a relation wants a pair, the candidate and its readings");
    const int r = PairReadingsSum(pts, 3);
    KohoKind = kkGunKankei;
    Handler(pts[0], pts[1]);
    for (int i = 1; i <= KohoCount; ++i) {
        if (Koho.Pt[i] != pts[2])
            continue;
        // A value of 26 or more is kept as 25 with the excess over 13 as
        // its bonus: the whole value back.
        int v = Koho.Value[i];
        if (Koho.Kind[i] == kkGunKankei && v == 25 && Koho.Bonus[i] > 0)
            v = Koho.Bonus[i] + 13;
        const std::string w = v == r ? "r" : v == r / 2 ? "r/2" : v == r / 4 ? "r/4" : '?' + std::to_string(v);
        return GtpVertex(pts[2]) + '=' + w + ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
    }
    return "none";
}

// "GunKankei3Utu:ogeima2-edge A B N T": the one-space jump on (A, B) whose
// side toward the edge is read at N on the second line.  r is White's and
// Black's readings at N, where the engine's colour also slides to T after
// N (half the gain of the slide counts).  The value is kept at 23 with the
// excess as its bonus, the whole value back here; answers "N=r:18", or
// "N=?v:18", "none" when N has no candidate.
std::string EdgeSlide(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("the edge reading wants a pair, the point and the slide");
    const int me = JibunIro;
    const int stay = ReadingValue(me, {pts[2]});
    const int slid = OneSideValue(me, {pts[2], pts[3]});
    const int r = stay + (slid - stay) / 2 + ReadingValue(me ^ 3, {pts[2]});
    KohoKind = kkGunKankei;
    GunKankei3Strong(pts[0], pts[1]);
    for (int i = 1; i <= KohoCount; ++i) {
        if (Koho.Pt[i] != pts[2])
            continue;
        const int v = Koho.Value[i] + (Koho.Value[i] == 23 ? Koho.Bonus[i] : 0);
        return GtpVertex(pts[2]) + '=' + (v == r ? std::string("r") : '?' + std::to_string(v)) + ':'
               + std::to_string(static_cast<int>(Koho.Kind[i]));
    }
    return "none";
}

// "NAME:ogeima2-floored A B P": the relation handler on (A, B) with the
// group floor set above any evaluation; answers the candidate at P as
// "P=v:18", "none" when P has none.
template <void (*Handler)(Point, Point)>
std::string AtFloored(const std::vector<Point>& pts)
{
    if (pts.size() != 3)
        throw std::invalid_argument("a floored relation wants a pair and the candidate");
    KohoKind = kkGunKankei;
    GunKankeiMin = 1000;
    Handler(pts[0], pts[1]);
    GunKankeiReset();
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == pts[2])
            return GtpVertex(pts[2]) + '=' + std::to_string(Koho.Value[i]) + ':'
                   + std::to_string(static_cast<int>(Koho.Kind[i]));
    return "none";
}

const TProblemRoutineAdd gunKankei4Floored("GunKankei4Utu:ogeima2-floored", AtFloored<GunKankei4Utu>);
const TProblemRoutineAdd gunKankei6Floored("GunKankei6Utu:ogeima2-floored", AtFloored<GunKankei6Utu>);
const TProblemRoutineAdd gunKankei3Edge("GunKankei3Utu:ogeima2-edge", EdgeSlide);
const TProblemRoutineAdd gunKankei3At("GunKankei3Utu:ogeima2-at", AtScaled<GunKankei3Strong>);
const TProblemRoutineAdd gunKankei4At2("GunKankei4Utu:ogeima2-at", AtScaled<GunKankei4Utu>);
const TProblemRoutineAdd gunKankei5At2("GunKankei5Utu:ogeima2-at", AtScaled<GunKankei5Utu>);

} // namespace
} // namespace vorn::test
