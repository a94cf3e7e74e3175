// Entries of the problem table yose-pin6.tst: the endgame cache forgetting
// the cells that hold 0 on the liberties of a three-liberty chain beside
// the move, the atari whose forced answer the opponent cannot play, and
// the two-stone atari whose escape the owner cannot play.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// call YoseCacheInvalidate:zero M V...   every V holds value 0 with bonus 0
// in the cells of both colours, the cache has been read once, and the move
// at M (a stone of the diagram) makes it forget: each V as "V=BW", "V=B",
// "V=W" (the colours whose cell still holds its 0) or "V=-"; sorted.
std::string InvalidateZero(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the invalidation wants the move and the cells");
    YoseCacheClear();
    const int own = JibunIro;
    for (std::size_t i = 1; i < pts.size(); ++i)
        for (int c = kKuro; c <= kSiro; ++c) {
            JibunIro = c;
            YoseCacheStore(pts[i], 0, 0);
        }
    JibunIro = own;
    KohoClear();
    YoseCacheValid = 1;
    YoseCacheInvalidate(pts[0]);
    std::vector<std::string> all;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        std::string kept;
        for (int c = kKuro; c <= kSiro; ++c) {
            int v = -1, b = -1;
            if (YoseCacheGet(c, pts[i], v, b) && v == 0 && b == 0)
                kept += c == kKuro ? 'B' : 'W';
        }
        all.push_back(GtpVertex(pts[i]) + '=' + (kept.empty() ? "-" : kept));
    }
    YoseCacheClear();
    return SortedWords(all);
}

const TProblemRoutineAdd invalidateZero("YoseCacheInvalidate:zero", InvalidateZero);

// "r", "r+2", "r-1": v against the formula's f under the letter.
std::string Against(char letter, int v, int f)
{
    const int d = v - f;
    return std::string(1, letter) + (d > 0 ? "+" : "") + (d != 0 ? std::to_string(d) : "");
}

// call YoseAtariValue:refused P F   J's atari at P leaves a chain of O's in
// atari whose liberty F O may not play (no liberty there, nothing taken):
// J's move forces, but O's answer is refused, so J's gain after it counts
// as 0.  O's move at P forces nothing: B = O's evaluation after O at P.
// C = J's evaluation after J at P and J again at F (the follow-up).
// r = 2 (0 + B), or C halved when 2r exceeds C; b = C as the table keeps
// it.  The candidate at P as "P=r/b" ("P=r-2/b" when off), the others by
// their points.
std::string AtariRefused(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the atari reading wants the point and the refused answer");
    const Point p = pts[0];
    const int b = ReadingValue(AiteIro, {p}), c = OneSideValue(JibunIro, {p, pts[1]});
    int r = 2 * (0 + b);
    if (2 * r > c)
        r = c / 2;
    const int bonus = KohoBonusClamp(r, c);
    YoseCacheClear();
    KohoKind = kkYose;
    YoseAtariValue(p);
    YoseCacheClear();
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(Koho.Pt[i] == p ? GtpVertex(p) + '=' + Against('r', Koho.Value[i], r) + '/'
                                            + Against('b', Koho.Bonus[i], bonus)
                                      : GtpVertex(Koho.Pt[i]));
    return SortedWords(all);
}

const TProblemRoutineAdd atariRefused("YoseAtariValue:refused", AtariRefused);

// call YoseAtariValue:refused-theirs P F   J's move at P forces nothing; O's
// move at P leaves a chain of J's in atari whose liberty F J may not play:
// O's move forces, J's answer is refused and O's gain after it counts 0.
// A = J's evaluation after J at P; r = A + 0, b = 0 (J has no follow-up).
// "P=r/b" ("P=r+1/b" when off), the others by their points.  Throws when J
// may play F after O's move at P.
std::string AtariRefusedTheirs(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the atari reading wants the point and the refused answer");
    const Point p = pts[0];
    {
        TYomiTrial t;
        if (!t.Play(AiteIro, p))
            throw std::invalid_argument("the move at " + GtpVertex(p) + " is refused");
        TYomiTrial answer;
        if (answer.Play(JibunIro, pts[1]))
            throw std::invalid_argument("the answer at " + GtpVertex(pts[1]) + " is not refused");
    }
    const int r = ReadingValue(JibunIro, {p}) + 0;
    YoseCacheClear();
    KohoKind = kkYose;
    YoseAtariValue(p);
    YoseCacheClear();
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(Koho.Pt[i] == p ? GtpVertex(p) + '=' + Against('r', Koho.Value[i], r) + '/'
                                            + Against('b', Koho.Bonus[i], 0)
                                      : GtpVertex(Koho.Pt[i]));
    return SortedWords(all);
}

const TProblemRoutineAdd atariRefusedTheirs("YoseAtariValue:refused-theirs", AtariRefusedTheirs);

// call YoseTwoStone:refused V L N...   the point V beside two stones of
// colour s (the colour of the stones beside V), t = s xor 3 puts one of
// them in atari at V, and s may not escape at its liberty L (no liberty
// there, nothing taken): the gain after the escape counts 0.  b = t's
// evaluation after t at V and L (the capture); the owner's answer R = V,
// replaced by each N (the empty neighbours of V with two or more empty
// neighbours, in neighbour order) whose evaluation for s after s there is
// larger; g = the evaluation at R.  total = g + 0, doubled when 2 total < b
// and the engine is t, grown by its half when the engine is s.  The
// candidate at R when the engine is s ("R=r"), else at V ("V=r"), the
// others by their points, then "mark" when V is marked dealt with.
std::string TwoStoneRefused(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the two-stone point wants the point, the escape and the open neighbours");
    const Point v = pts[0];
    const TGoban& b0 = *GobanLv[0];
    int s = 0;
    for (const Point q : {Point(v.x, v.y - 1), Point(v.x + 1, v.y), Point(v.x, v.y + 1), Point(v.x - 1, v.y)})
        if (b0.GetIroPt(q) == kKuro || b0.GetIroPt(q) == kSiro)
            s = b0.GetIroPt(q);
    if (s == 0)
        throw std::invalid_argument("no stone beside " + GtpVertex(v));
    const int t = s ^ 3;
    const int b = OneSideValue(t, {v, pts[1]});
    Point answer = v;
    int g = ReadingValue(s, {v});
    for (std::size_t i = 2; i < pts.size(); ++i) {
        const int e = ReadingValue(s, {pts[i]});
        if (e > g) {
            g = e;
            answer = pts[i];
        }
    }
    int total = g + 0;
    if (total * 2 < b)
        total = JibunIro == t ? total * 2 : total + total / 2;
    YoseCacheClear();
    LinkMarkClear();
    KohoKind = kkYose;
    YoseTwoStone(v, s);
    YoseCacheClear();
    const bool owner = JibunIro == s;
    const Point at = owner ? answer : v;
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(Koho.Pt[i] == at ? (owner ? std::string("R") : GtpVertex(v)) + '=' + Against('r', Koho.Value[i], total)
                                       : GtpVertex(Koho.Pt[i]));
    std::string out = SortedWords(all);
    if (LinkMark1[v.x][v.y] == 1)
        out += " mark";
    LinkMarkClear();
    return out;
}

const TProblemRoutineAdd twoStoneRefused("YoseTwoStone:refused", TwoStoneRefused);

} // namespace
} // namespace vorn::test
