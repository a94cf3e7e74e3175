// Shape routines for the problem table tests/problems/shapes-probe.tst whose
// answers need more than the other tables' entries give: the prepared
// answers of the move between two stones, and a reading in which one side
// passes (a side that plays twice in a row).
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
#include "engine/shapes/KankeiHokyo.h"
#include "engine/shapes/KeimaTuke.h"
#include "engine/shapes/PassReading.h"

namespace vorn::test {
namespace {

// "KeimaOgeimaHokyo:prep": the stage routine's candidates as "G5:22" (point
// and reason) and its prepared answers as "G5/F5/H4" (own move, the
// opponent's reply, the answer to it).
std::string KeimaOgeimaPrep(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("KeimaOgeimaHokyo:prep takes no points");
    Point out;
    KeimaOgeimaHokyo(out);
    std::string s;
    const auto put = [&s](const std::string& w) { s += (s.empty() ? "" : " ") + w; };
    for (int i = 1; i <= KohoCount; ++i)
        put(GtpVertex(Koho.Pt[i]) + ':' + std::to_string(static_cast<int>(Koho.Kind[i])));
    for (int i = 1; i <= PreparedTeCount; ++i)
        put(PreparedTeWord(i));
    return s.empty() ? "none" : s;
}

// "KeimaTuke:pass A B M...": the knight's-move contact handler on (A, B);
// M... is the attacker's reading (the attacker first, the colours
// alternating, scored for the attacker) in which A stands for a pass of the
// side to play.  Each candidate answers "P=r" when its value is the
// reading's, "P=r/2" or "P=r/4" for that part of it (toward zero), else
// "P=?value".
std::string KeimaTukePass(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("KeimaTuke:pass wants a pair and a reading");
    const int ref = PassReadingValue(pts);
    KohoKind = kkKankei;
    KeimaTuke(pts[0], pts[1]);
    std::string s;
    for (int i = 1; i <= KohoCount; ++i) {
        const int v = Koho.Value[i];
        const std::string rel = v == ref ? "r" : v == ref / 2 ? "r/2" : v == ref / 4 ? "r/4" : '?' + std::to_string(v);
        s += (s.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]) + '=' + rel;
    }
    return s.empty() ? "none" : s;
}

// "GunMe V": the eye value of the group at V as the analysis gives it, for
// rows whose branch turns on it.
std::string GunMe(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("GunMe wants one point");
    const TGun* g = GunAt(pts[0]);
    return g == nullptr ? "none" : std::to_string(g->GetMe());
}

const TProblemRoutineAdd gunMe("GunMe", GunMe);
const TProblemRoutineAdd keimaOgeimaPrep("KeimaOgeimaHokyo:prep", KeimaOgeimaPrep);
const TProblemRoutineAdd keimaTukePass("KeimaTuke:pass", KeimaTukePass);

} // namespace
} // namespace vorn::test
