// Entries of tests/problems/shapes-relation-pin.tst: relations of groups whose
// value is a formula of readings (the one-space jump's far point in a
// large region, the diagonal block and the ladder it starts).
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
#include "engine/Think.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/Kankei11.h"

namespace vorn::test {
namespace {

// The readings of a row after its first `from` points: the moves before
// the next repeat of A (pts[0]) and the moves after it.
void SplitReadings(const std::vector<Point>& pts, std::size_t from, std::vector<Point>& first,
                   std::vector<Point>& second)
{
    std::size_t i = from;
    for (; i < pts.size() && pts[i] != pts[0]; ++i)
        first.push_back(pts[i]);
    for (++i; i < pts.size(); ++i)
        second.push_back(pts[i]);
}

// The value of the candidate at p (a relation of groups' 25 with a bonus
// read back whole) and its reason; false when p has none.
bool ValueAt(Point p, int& v, int& kind)
{
    for (int k = 1; k <= KohoCount; ++k) {
        if (Koho.Pt[k] != p)
            continue;
        v = Koho.Value[k];
        if (Koho.Kind[k] == kkGunKankei && v == 25 && Koho.Bonus[k] > 0)
            v = Koho.Bonus[k] + 13;
        kind = Koho.Kind[k];
        return true;
    }
    return false;
}

// "P=word:kind": the candidate at p, its value named by `word`.
std::string Answer(Point p, const std::string& word, int kind)
{
    return GtpVertex(p) + '=' + word + ':' + std::to_string(kind);
}

// "GunKankei3Utu:pin-far A B P M... A N...": the one-space jump of a group
// that is not weak on (A, B) under the relation moves of groups (18).  b is
// the reading M... of B's colour (first, alternating, scored for it), a the
// reading N... of A's colour.  Answers the candidate at P alone as "P=a+b:18"
// or "P=a*4/3+b:18" (a third more of A's reading, toward zero), the value
// read back whole when the table kept 25 with a bonus; else "P=?v:18";
// "none" when P has no candidate.
std::string JumpFar(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a relation wants a pair, the candidate and its readings");
    std::vector<Point> theirs, mine;
    SplitReadings(pts, 3, theirs, mine);
    const int colA = CurGoban().GetIroPt(pts[0]);
    const int b = theirs.empty() ? 0 : ReadingValue(colA ^ 3, theirs);
    const int a = mine.empty() ? 0 : ReadingValue(colA, mine);
    KohoKind = kkGunKankei;
    GunKankei3Utu(pts[0], pts[1], 0);
    int v = 0, kind = 0;
    if (!ValueAt(pts[2], v, kind))
        return "none";
    return Answer(pts[2], v == a + b ? "a+b" : v == a + a / 3 + b ? "a*4/3+b" : '?' + std::to_string(v), kind);
}

// "GunKankei2Utu:pin-side A B P K... [B L...] A S... [B L...]": the diagonal
// relation of groups on (A, B) under the relation moves of groups (18).
// K... are Black's moves and S... White's, each colour alone (the other
// passing), scored for it; after B, a colour's block is followed by the
// first two moves of the ladder on the other stone, played by that colour:
// its reading is then the smaller of twice its block's and the block's plus
// half of what the ladder adds (toward zero).  r is Black's plus White's,
// halved when one of them is negative.  Answers the candidate at P as
// "P=r:18", "P=r/4:18" or "P=?v:18", "none" when P has none.
std::string DiagonalSides(const std::vector<Point>& pts)
{
    if (pts.size() < 4)
        throw std::invalid_argument("a diagonal relation wants a pair, the candidate and the readings");
    std::vector<Point> seg[2][2];
    int side = 0, half = 0;
    for (std::size_t i = 3; i < pts.size(); ++i) {
        if (pts[i] == pts[0])
            side = 1, half = 0;
        else if (pts[i] == pts[1])
            half = 1;
        else
            seg[side][half].push_back(pts[i]);
    }
    int r = 0;
    bool negative = false;
    for (int k = 0; k < 2; ++k) {
        const int c = k == 0 ? kKuro : kSiro;
        int e = seg[k][0].empty() ? 0 : OneSideValue(c, seg[k][0]);
        if (!seg[k][1].empty()) {
            std::vector<Point> all = seg[k][0];
            all.insert(all.end(), seg[k][1].begin(), seg[k][1].end());
            const int e2 = e + (OneSideValue(c, all) - e) / 2;
            e = std::min(2 * e, e2);
        }
        negative = negative || e < 0;
        r += e;
    }
    if (negative)
        r /= 2;
    KohoKind = kkGunKankei;
    GunKankei2Utu(pts[0], pts[1]);
    int v = 0, kind = 0;
    if (!ValueAt(pts[2], v, kind))
        return "none";
    return Answer(pts[2], v == r ? "r" : v == r / 4 ? "r/4" : '?' + std::to_string(v), kind);
}

// "Kankei11Utu:pin-quarter A B P M... A N...": the (1,4) link on (A, B)
// under the pair answers' reason (5); a is the attacker's reading M...
// (first, alternating, scored for the attacker), e the owner's N...  The
// candidate at P is answered "P=rule:5" when its value is e + a with both
// readings non-negative, or (e + a) / 4 (toward zero) with one of them
// negative; "P=?v:5" otherwise, "none" when P has none.
std::string QuarterRule(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a link wants a pair, the candidate and its readings");
    const int own = CurGoban().GetIroPt(pts[0]);
    std::vector<Point> att, mine;
    SplitReadings(pts, 3, att, mine);
    const int a = att.empty() ? 0 : ReadingValue(own ^ 3, att);
    const int e = mine.empty() ? 0 : ReadingValue(own, mine);
    const int want = (e < 0 || a < 0) ? (e + a) / 4 : e + a;
    KohoKind = kkKankei;
    Kankei11Utu(pts[0], pts[1]);
    int v = 0, kind = 0;
    if (!ValueAt(pts[2], v, kind))
        return "none";
    return Answer(pts[2], v == want ? "rule" : '?' + std::to_string(v), kind);
}

// "Kankei11Utu:pin-prep A B": the (1,4) link on (A, B); answers the prepared
// answers it left as "D4/E5/F6" (the engine's move, the reply, the answer),
// sorted, "none" for none.
std::string OneFourPrepared(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("Kankei11Utu:pin-prep wants two points");
    KohoKind = kkKankei;
    Kankei11Utu(pts[0], pts[1]);
    std::vector<std::string> all;
    for (int i = 1; i <= PreparedTeCount; ++i)
        all.push_back(PreparedTeWord(i));
    return SortedWords(all);
}

const TProblemRoutineAdd jumpFar("GunKankei3Utu:pin-far", JumpFar);
const TProblemRoutineAdd diagonalSides("GunKankei2Utu:pin-side", DiagonalSides);
const TProblemRoutineAdd quarterRule("Kankei11Utu:pin-quarter", QuarterRule);
const TProblemRoutineAdd oneFourPrepared("Kankei11Utu:pin-prep", OneFourPrepared);

} // namespace
} // namespace vorn::test
