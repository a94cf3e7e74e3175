// Knight's-move contact rows of tests/problems/keima-cover.tst that the
// shared entries cannot state:
//
//   call KeimaTuke:nobi A B P F
//
// runs the contact handler on the knight's move (A, B) with the attacker's
// stone beyond the side point F on the touched stone's line, and answers
// every candidate against the push along that line: the attacker's F alone
// (scored for the attacker) plus the owner's answer P alone (scored for the
// owner, counted twice when it loses), as "P=r:5", else "P=?value:5".
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/KeimaTuke.h"
#include "engine/shapes/OuterRoutines.h"
#include "engine/shapes/PassReading.h"

namespace vorn::test {
namespace {

// The candidates by their points, the one at `at` with its value against
// ref: "r" or "?value" (scaled: as outer::Relative names it), then its reason.
std::string CandidateAt(Point at, int ref, bool scaled)
{
    std::string s;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == at) {
            const int v = Koho.Value[i];
            w += '=' + (scaled ? outer::Relative(v, ref) : v == ref ? std::string("r") : '?' + std::to_string(v));
            w += ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
        }
        s += (s.empty() ? "" : " ") + w;
    }
    return s.empty() ? "none" : s;
}

std::string KeimaTukeNobiAgainst(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("KeimaTuke:nobi wants a pair, the owner's answer and the side point");
    const int own = CurGoban().GetIroPt(pts[0]), att = own ^ 3;
    int e2 = ReadingValue(own, {pts[2]});
    if (e2 < 0)
        e2 *= 2;
    const int ref = ReadingValue(att, {pts[3]}) + e2;
    KohoKind = kkKankei;
    KeimaTuke(pts[0], pts[1]);
    return CandidatesAgainst(ref);
}

std::string KeimaTukeUtuValue(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("KeimaTukeUtu:value wants a pair and a reading");
    const int v = KeimaTukeUtu(pts[0], pts[1]);
    if (pts.size() > 2) {
        const int att = CurGoban().GetIroPt(pts[0]) ^ 3;
        if (v == ReadingValue(att, std::vector<Point>(pts.begin() + 2, pts.end())))
            return "r";
    }
    return std::to_string(v);
}

std::string KeimaTukeHaneAgainst(const std::vector<Point>& pts)
{
    if (pts.size() != 5)
        throw std::invalid_argument("KeimaTuke:hane wants a pair and the points Y M P");
    const int own = CurGoban().GetIroPt(pts[0]);
    const int ref = PassReadingValue({pts[0], pts[1], pts[2], pts[0], pts[3]}) / 2 + ReadingValue(own, {pts[4]});
    KohoKind = kkKankei;
    KeimaTuke(pts[0], pts[1]);
    return CandidateAt(pts[2], ref, false);
}

std::string KeimaRenrakuAt(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("KeimaRenraku:at wants a pair, the candidate and its formula");
    KohoKind = kkKankei;
    KeimaRenraku(pts[0], pts[1]);
    return CandidateAt(pts[2], outer::FormulaValue(pts[0], pts[1], pts, 3), true);
}

const TProblemRoutineAdd keimaTukeNobi("KeimaTuke:nobi", KeimaTukeNobiAgainst);
const TProblemRoutineAdd keimaTukeUtuValue("KeimaTukeUtu:value", KeimaTukeUtuValue);
const TProblemRoutineAdd keimaTukeHane("KeimaTuke:hane", KeimaTukeHaneAgainst);
const TProblemRoutineAdd keimaRenrakuAt("KeimaRenraku:at", KeimaRenrakuAt);

} // namespace
} // namespace vorn::test
