// Entries of the problem table yose-pin6.tst: the atari whose forced answer
// the opponent cannot play.  (The cache forgetting cells that hold 0,
// "YoseCacheInvalidate:zero", is in LifeYosePin4Routines.cpp; the two-stone
// atari whose escape the owner cannot play, "YoseTwoStone:refused", in
// GeneratorMoreRoutines.cpp.)
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

// The atari reading at P on an empty cache: the candidate at P against the
// expected value r and bonus b, the others by their points.
std::string AtariReadAgainst(Point p, int r, int bonus)
{
    YoseCacheClear();
    KohoKind = kkYose;
    YoseAtariValue(p);
    YoseCacheClear();
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(Koho.Pt[i] == p ? GtpVertex(p) + '=' + Against("r", Koho.Value[i], r) + '/'
                                            + Against("b", Koho.Bonus[i], bonus)
                                      : GtpVertex(Koho.Pt[i]));
    return SortedWords(all);
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
    return AtariReadAgainst(p, r, bonus);
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
    return AtariReadAgainst(p, r, 0);
}

const TProblemRoutineAdd atariRefusedTheirs("YoseAtariValue:refused-theirs", AtariRefusedTheirs);

} // namespace
} // namespace vorn::test
