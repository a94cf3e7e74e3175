// Routines of the diagonal and knight's-move links for the problem table
// tests/problems/shapes-diagonal-cover.tst, each answered against readings
// the row names.
//
// Every ":cover" entry takes the pair (A, B) (for KiriHyoka: the cut, then
// the two stones A and B it separates), the candidate point P, then the
// readings whose values add up to P's expected value.  The readings are
// split at A; the first is played from the colour opposing A's stone, the
// next from A's colour, and so on alternating; within a reading the colours
// alternate and B stands for a pass.  Each reading is scored for the side
// that starts it.  P is answered as "P=r/BONUS:REASON" when its value is the
// sum, "P=r*2/..." when twice the sum, "P=r/2/..." when half, otherwise
// with its own value ("P=14/0:5", which is also the form when the row names
// no reading); the other candidates by their points alone.
// "KosumiRenraku:min" and "Kankei4Pair:max" compare with the smallest or
// the largest of the readings instead, each of them the attacker's.
// "KosumiRenraku:halfway" and "AiteKankeiThink:at" say their own forms.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/shapes/Kankei13.h"
#include "engine/shapes/Kankei4.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/Kosumi.h"
#include "engine/shapes/Utikomi.h"

namespace vorn::test {
namespace {

// The sum of the readings in pts[from...] as the header says; A = pts[0],
// the pass B = pts[1].  Other than kSum, every reading is the attacker's
// and the answer is the smallest (kMin) or largest (kMax) of their values.
enum TCombine { kSum, kMin, kMax };
int ReadingSum(const std::vector<Point>& pts, std::size_t from, TCombine how = kSum)
{
    const int own = CurGoban().GetIroPt(pts[0]);
    if (own != kKuro && own != kSiro)
        throw std::invalid_argument("the first point of the row must hold a stone");
    int sum = 0, starter = own ^ 3;
    bool first = true;
    std::size_t i = from;
    while (i < pts.size()) {
        TYomiKeep keep;
        int c = starter;
        for (; i < pts.size() && pts[i] != pts[0]; ++i, c ^= 3)
            if (pts[i] != pts[1] && !ToruPlay(c, pts[i]))
                throw std::invalid_argument("a move of the row's reading is refused: " + GtpVertex(pts[i]));
        const int v = Hyoka(starter);
        keep.Restore();
        sum = how == kSum ? sum + v : first ? v : how == kMin ? std::min(sum, v) : std::max(sum, v);
        first = false;
        if (how == kSum)
            starter ^= 3;
        ++i; // past the separator
    }
    return sum;
}

// A value against the sum of the readings (none named: the value itself).
std::string Against(int v, bool any, int ref)
{
    if (!any)
        return std::to_string(v);
    if (v == ref)
        return "r";
    if (v == ref * 2)
        return "r*2";
    if (v == ref / 2)
        return "r/2";
    return '?' + std::to_string(v);
}

// The candidates after a routine ran: P with its value, bonus and reason,
// the others by their points.
std::string AnswerWith(Point p, bool any, int ref)
{
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == p)
            w += '=' + Against(Koho.Value[i], any, ref) + '/' + std::to_string(static_cast<int>(Koho.Bonus[i])) + ':'
                 + std::to_string(static_cast<int>(Koho.Kind[i]));
        all.push_back(w);
    }
    return SortedWords(all);
}

// A pair handler with its candidate P and readings: pts = A B P readings
// (":min", ":max": the smallest or largest of the attacker's readings).
template <void (*Handler)(Point, Point), int Reason, TCombine How = kSum>
std::string PairCover(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a pair handler wants A, B and the candidate");
    std::vector<Point> reading{pts[0], pts[1]};
    reading.insert(reading.end(), pts.begin() + 3, pts.end());
    const int ref = ReadingSum(reading, 2, How);
    KohoKind = Reason;
    Handler(pts[0], pts[1]);
    return AnswerWith(pts[2], pts.size() > 3, ref);
}

// "KiriHyoka:cover CUT A B readings": the side to move cuts at CUT between
// the other side's stones A and B; answers "-1" for no cut, else its value
// against the readings ("r", "r/2", "?value").
std::string KiriCover(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("KiriHyoka:cover wants the cut and the two stones");
    const std::vector<Point> reading(pts.begin() + 1, pts.end());
    const int ref = ReadingSum(reading, 2);
    const int v = KiriHyoka(CurGoban().GetIroPt(pts[1]) ^ 3, pts[0], pts[1], pts[2]);
    return v == -1 ? "-1" : Against(v, pts.size() > 3, ref);
}

// "KosumiRenraku:halfway A B P S T": the crossing stone dies in a ladder
// starting at the owner's S, the owner's chain beside it in a ladder
// starting at the attacker's T.  P's value is expected to be the owner's
// evaluation after S plus e1 + (e2 - e1) / 2 (toward zero), e1 the
// attacker's after T and e2 the attacker's after T and the cut at the
// crossing point C2 (both the attacker's moves).
std::string KosumiHalfway(const std::vector<Point>& pts)
{
    if (pts.size() != 5)
        throw std::invalid_argument("KosumiRenraku:halfway wants A, B, P, S and T");
    const int own = CurGoban().GetIroPt(pts[0]), att = own ^ 3;
    // C2: the crossing point of A and B that is empty.
    const Point x1(pts[0].x, pts[1].y), x2(pts[1].x, pts[0].y);
    const Point c2 = CurGoban().GetIroPt(x1) == kAki ? x1 : x2;
    const int e1 = ReadingValue(att, {pts[4]});
    const int e2 = OneSideValue(att, {pts[4], c2});
    const int ref = ReadingValue(own, {pts[3]}) + e1 + (e2 - e1) / 2;
    KohoKind = kkKankei;
    KosumiRenraku(pts[0], pts[1]);
    return AnswerWith(pts[2], true, ref);
}

// "AiteKankeiThink:at P...": the invasions between the opponent's linked
// stones at the points named, "D3=18" or "D3=none" each.
std::string AiteKankeiAt(const std::vector<Point>& pts)
{
    AiteKankeiThink();
    return CandidatesAt(pts, false);
}

const TProblemRoutineAdd kosumiHalfway("KosumiRenraku:halfway", KosumiHalfway);
const TProblemRoutineAdd kosumiCover("KosumiRenraku:cover", PairCover<KosumiRenraku, kkKankei>);
const TProblemRoutineAdd kosumiMin("KosumiRenraku:min", PairCover<KosumiRenraku, kkKankei, kMin>);
const TProblemRoutineAdd kosumiHokyoCover("KosumiHokyo:cover", PairCover<KosumiHokyo, kkHokyo>);
const TProblemRoutineAdd kankei4Cover("Kankei4Pair:cover", PairCover<Kankei4Pair, kkKankei>);
const TProblemRoutineAdd kankei13Cover("Kankei13Utu:cover", PairCover<Kankei13Utu, kkKankei>);
const TProblemRoutineAdd kankei4Max("Kankei4Pair:max", PairCover<Kankei4Pair, kkKankei, kMax>);
const TProblemRoutineAdd kiriCover("KiriHyoka:cover", KiriCover);
const TProblemRoutineAdd aiteKankeiAt("AiteKankeiThink:at", AiteKankeiAt);

} // namespace
} // namespace vorn::test
