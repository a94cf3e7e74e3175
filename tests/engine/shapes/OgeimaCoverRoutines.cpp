// Routines for tests/problems/shapes-ogeima-cover.tst and
// shapes-gunkankei-cover.tst whose answers need more than the candidates:
// the points the large knight's-move handler marks for the later shape
// moves, the bonuses and prepared answers of its candidates, its candidate against a reading with passes,
// its second pass valued against the row's readings, and the value a (2,2)
// relation of groups leaves in pair mode under a high floor.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Yose.h"
#include "engine/WeakGun.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/GunKankeiWide.h"
#include "engine/shapes/Ogeima.h"
#include "engine/shapes/PassReading.h"

namespace vorn::test {
namespace {

// "Kankei7Utu:ogeima-marks A B": the pair handler on (A, B); answers the
// points it marked for the later shape moves (LinkMark1), "none" for none.
std::string Kankei7Marks(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("Kankei7Utu:ogeima-marks wants two points");
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            LinkMark1[x][y] = 0;
    KohoKind = kkKankei;
    Kankei7Utu(pts[0], pts[1]);
    std::vector<std::string> marks;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (LinkMark1[x][y] == 1)
                marks.push_back(GtpVertex(Point(x, y)));
    return SortedWords(marks);
}

// "NAME:ogeima-read A B M... A N...": a relation handler on (A, B) under
// the reason code of its stage; M... is the reading of B's colour (first,
// alternating, scored for it), N... A's colour's (scored for A's colour),
// and r their sum.  Answers "P=r:K" for a candidate of value r ("P=?v:K"
// otherwise; "none" without candidates), then each prepared answer as
// "D4/E5/F6" (own move, reply, answer).
template <void (*Handler)(Point, Point), int Reason>
std::string ReadSum(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("a relation handler wants a pair and its readings");
    // The readings' sum: B's colour's moves up to A, then A's colour's.
    const int r = PairReadingsSum(pts, 2);
    KohoKind = Reason;
    Handler(pts[0], pts[1]);
    std::string s;
    for (int i = 1; i <= KohoCount; ++i) {
        // A relation move of groups worth 26 or more is kept as 25 with the
        // excess over 13 as its bonus: the whole value back.
        int v = Koho.Value[i];
        if (Koho.Kind[i] == kkGunKankei && v == 25 && Koho.Bonus[i] > 0)
            v = Koho.Bonus[i] + 13;
        s += (s.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]) + '=' + (v == r ? "r" : '?' + std::to_string(v)) + ':'
             + std::to_string(static_cast<int>(Koho.Kind[i]));
    }
    if (s.empty())
        s = "none";
    for (int i = 1; i <= PreparedTeCount; ++i)
        s += ' ' + PreparedTeWord(i);
    return s;
}

// "Kankei7Utu:ogeima-pass-at A B P M...": the pair handler on (A, B); the
// candidate at P answers "P=r:5" when its value is that of M..., the
// attacker's reading in which A stands for a pass ("P=?v:5" otherwise);
// the other candidates answer their points alone.
std::string Kankei7PassAt(const std::vector<Point>& pts)
{
    if (pts.size() < 4)
        throw std::invalid_argument("Kankei7Utu:ogeima-pass-at wants a pair, the candidate and a reading");
    std::vector<Point> reading{pts[0], pts[1]};
    reading.insert(reading.end(), pts.begin() + 3, pts.end());
    const int r = PassReadingValue(reading);
    KohoKind = kkKankei;
    Kankei7Utu(pts[0], pts[1]);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == pts[2])
            w += '=' + (Koho.Value[i] == r ? std::string("r") : '?' + std::to_string(Koho.Value[i])) + ':'
                 + std::to_string(static_cast<int>(Koho.Kind[i]));
        all.push_back(w);
    }
    return SortedWords(all);
}

// "Kankei7Utu:ogeima-bonus A B" and "Kankei7Utu:ogeima-prep A B": the pair
// handler on (A, B); answers the bonus of each candidate it left ("D4=0"),
// or the prepared answers it left ("D4/E5/F6": own move, the reply, the
// answer); "none" for none.
template <bool Prepared>
std::string Kankei7Words(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("Kankei7Utu:ogeima-bonus/prep wants two points");
    KohoKind = kkKankei;
    Kankei7Utu(pts[0], pts[1]);
    std::vector<std::string> all;
    const int n = Prepared ? PreparedTeCount : KohoCount;
    for (int i = 1; i <= n; ++i)
        all.push_back(Prepared ? PreparedTeWord(i)
                               : GtpVertex(Koho.Pt[i]) + '=' + std::to_string(static_cast<int>(Koho.Bonus[i])));
    return SortedWords(all);
}

// "GunKankei5Utu:ogeima-pair-floored A B": the (2,2) relation of groups on
// (A, B) in pair mode with the group floor set above any evaluation;
// answers the pairs it left as "D4/E5=0" (Black's point, White's, the
// value), "none" for none.
std::string GunKankei5Floored(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("GunKankei5Utu:ogeima-pair-floored wants two points");
    KohoKind = kkGunKankei;
    GunKankeiMin = 1000;
    GunKankeiPairCount = 0;
    GunKankeiPairMode = 1;
    GunKankei5Utu(pts[0], pts[1]);
    GunKankeiPairMode = 0;
    GunKankeiReset();
    std::vector<std::string> all;
    for (int i = 1; i <= GunKankeiPairCount; ++i)
        all.push_back(GtpVertex(GunKankeiPair.Kuro[i]) + '/' + GtpVertex(GunKankeiPair.Siro[i]) + '='
                      + std::to_string(GunKankeiPair.Value[i]));
    GunKankeiPairCount = 0;
    return SortedWords(all);
}

const TProblemRoutineAdd gunKankei5Floored("GunKankei5Utu:ogeima-pair-floored", GunKankei5Floored);
const TProblemRoutineAdd kankei7PassAt("Kankei7Utu:ogeima-pass-at", Kankei7PassAt);
const TProblemRoutineAdd kankei7Bonus("Kankei7Utu:ogeima-bonus", Kankei7Words<false>);
const TProblemRoutineAdd kankei7Prep("Kankei7Utu:ogeima-prep", Kankei7Words<true>);
const TProblemRoutineAdd kankei7Marks("Kankei7Utu:ogeima-marks", Kankei7Marks);
const TProblemRoutineAdd kankei7HokyoRead("Kankei7Hokyo:ogeima-read", ReadSum<Kankei7Hokyo, kkHokyo>);
const TProblemRoutineAdd gunKankei2Read("GunKankei2Utu:ogeima-read", ReadSum<GunKankei2Utu, kkGunKankei>);

} // namespace
} // namespace vorn::test
