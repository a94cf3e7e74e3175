// Entries of the problem table tests/problems/wide-pin.tst: the relation
// patterns of groups for the wide shapes and the weak group's two-space
// extensions, one candidate valued against readings, the others named by
// their points, each with a bonus that the value does not explain.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/GunKankeiWide.h"
#include "engine/shapes/OuterRoutines.h"

namespace vorn::test {
namespace {

// The three-space jump of a group that is not weak, and of a weak one.
void GunKankei10Strong(Point a, Point b) { GunKankei10Utu(a, b, 0); }
void GunKankei10Weak(Point a, Point b) { GunKankei10Utu(a, b, 1); }
// The large knight's move of a weak group, and of one that is not.
void GunKankei7Weak(Point a, Point b) { GunKankei7Utu(a, b, 1); }
void GunKankei7Strong(Point a, Point b) { GunKankei7Utu(a, b, 0); }

// "NAME:pin A B X F...": the pattern on the pair (A, B) for the side to move,
// under the reason of the relation moves of groups (18).  F is a formula of
// readings (outer::FormulaValue: a term opened by A is read with A's colour
// first, one opened by B with B's colour first; within a term a stone of A's
// colour separates alternatives of which the larger counts); its value is r.
// Answers every candidate by its point, sorted; the one at X followed by
// "=" and its whole value against r ("X=r:18", "X=r+1:18", "X=r/2:18"; a
// value of 26 or more is kept as 25 with the excess over 13 as its bonus, and
// counts whole).  A bonus the value does not explain so follows as "/b"
// ("X=r:18/1", "E5/1").  With Halved, r is halved (toward zero) when a term
// of F is negative: the two-space jump's side where one colour's better try
// loses.
template <void (*Handler)(Point, Point), bool Halved = false>
std::string PinAt(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a pin row wants the pair, the candidate and its formula");
    const int r = outer::TermwiseValue(pts, Halved);
    KohoKind = kkGunKankei;
    Handler(pts[0], pts[1]);
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i) {
        const bool kept = Koho.Value[i] == 25 && Koho.Bonus[i] > 0;
        const int whole = kept ? Koho.Bonus[i] + 13 : Koho.Value[i];
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == pts[2])
            w += '=' + outer::Relative(whole, r) + ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
        if (!kept && Koho.Bonus[i] != 0)
            w += '/' + std::to_string(Koho.Bonus[i]);
        words.push_back(w);
    }
    return SortedWords(words);
}

// "NAME:pin-floored A B": the pattern on (A, B) with the group minimum above
// any value, so that every value it compares with the minimum is floored.
// Answers every candidate by its point, sorted, those whose value is 0 as
// "P=0", those whose value is 1 as "P=1".
template <void (*Handler)(Point, Point)>
std::string FlooredAt(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("a floored pattern wants the pair");
    KohoKind = kkGunKankei;
    GunKankeiMin = 1000;
    Handler(pts[0], pts[1]);
    GunKankeiReset();
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i) {
        const int v = Koho.Value[i];
        words.push_back(GtpVertex(Koho.Pt[i]) + (v == 0 || v == 1 ? '=' + std::to_string(v) : std::string()));
    }
    return SortedWords(words);
}

// The weak group at the row's first point.
const TGun& WeakGroup(const std::vector<Point>& pts, std::size_t least)
{
    if (pts.size() < least)
        throw std::invalid_argument("the entry wants a stone of the group and " + std::to_string(least - 1) + " points");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    return *g;
}

// Every candidate by its point and reason, sorted, the one at `at` also
// against r ("T=r:13", else as outer::Relative says), each with "/b" for a
// bonus b.
std::string ReasonWords(Point at, int r)
{
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == at)
            w += '=' + outer::Relative(Koho.Value[i], r);
        w += ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
        if (Koho.Bonus[i] != 0)
            w += '/' + std::to_string(Koho.Bonus[i]);
        words.push_back(w);
    }
    return SortedWords(words);
}

// "WeakGunNiken:pin V B T": the two-space extensions of the group at V; r is
// the engine's evaluation after its move at B plus the opponent's after its
// move at T.  Answered by ReasonWords at T.
std::string NikenPin(const std::vector<Point>& pts)
{
    const TGun& g = WeakGroup(pts, 3);
    const int r = ReadingValue(JibunIro, {pts[1]}) + ReadingValue(AiteIro, {pts[2]});
    KohoKind = kkWeakGun;
    WeakGunNiken(g);
    return ReasonWords(pts[2], r);
}

// "WeakGunKankeiMoves:pin V W M F...": the relation moves of the weak group
// at V (W a stone of the other colour, for the formula); r is the formula F
// (as for NAME:pin, V's colour in A's place, W in B's).  Answered by
// ReasonWords at M.
std::string KankeiMovesPin(const std::vector<Point>& pts)
{
    const TGun& g = WeakGroup(pts, 3);
    const int r = outer::FormulaValue(pts[0], pts[1], pts, 3);
    KohoKind = kkWeakGun;
    WeakGunKankeiMoves(g);
    return ReasonWords(pts[2], r);
}

const TProblemRoutineAdd kankeiMovesPin("WeakGunKankeiMoves:pin", KankeiMovesPin);
const TProblemRoutineAdd nikenPin("WeakGunNiken:pin", NikenPin);
const TProblemRoutineAdd gunKankei6Pin("GunKankei6Utu:pin", PinAt<GunKankei6Utu, true>);
const TProblemRoutineAdd gunKankei10Pin("GunKankei10Utu:pin", PinAt<GunKankei10Strong>);
const TProblemRoutineAdd gunKankei4PinFloored("GunKankei4Utu:pin-floored", FlooredAt<GunKankei4Utu>);
const TProblemRoutineAdd gunKankei7PinFloored("GunKankei7Utu:pin-floored", FlooredAt<GunKankei7Strong>);
const TProblemRoutineAdd gunKankei8PinFloored("GunKankei8Utu:pin-floored", FlooredAt<GunKankei8Utu>);
const TProblemRoutineAdd gunKankei10PinFloored("GunKankei10Utu:pin-floored", FlooredAt<GunKankei10Strong>);
const TProblemRoutineAdd gunKankei7PinWeak("GunKankei7Utu:pin-weak", PinAt<GunKankei7Weak>);
const TProblemRoutineAdd gunKankei10PinWeak("GunKankei10Utu:pin-weak", PinAt<GunKankei10Weak>);

} // namespace
} // namespace vorn::test
