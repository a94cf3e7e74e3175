// Entries of the problem table tests/problems/shapes-wide-cover.tst: the
// (2,2), (2,3) and (1,4) link handlers with the value of one candidate
// (and the push beside a knight's move of a group facing the opponent)
// written as a formula of readings, or as the position value of its point
// where a pattern proposes a point by its evaluation alone.
#include "engine/Problems.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/shapes/Kankei11.h"
#include "engine/shapes/Kankei5.h"
#include "engine/shapes/Kankei8.h"
#include "engine/shapes/OuterRoutines.h"
#include "engine/shapes/WeakGunKankei.h"

namespace vorn::test {
namespace {

// v against the formula's value r: "r", "r*4/3" (the corner cut's scaling,
// toward zero), else as outer::Relative says.
std::string Against(int v, int r)
{
    if (v != r && v == r * 4 / 3)
        return "r*4/3";
    return outer::Relative(v, r);
}

// The candidates by their points, sorted, the one at `at` followed by "=",
// the word `word` gives for its value, ":" and its reason, and "/B" for a
// bonus B (these patterns give none): "D4 E5=r:5".
template <class Word>
std::string WordsAt(Point at, const Word& word)
{
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == at) {
            w += '=' + word(static_cast<int>(Koho.Value[i])) + ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
            if (Koho.Bonus[i] != 0)
                w += '/' + std::to_string(static_cast<int>(Koho.Bonus[i]));
        }
        words.push_back(w);
    }
    return SortedWords(words);
}

// "NAME:formula A B P F...": the handler on the pair (A, B); every candidate
// is answered by its point, the one at P as "P=r:5" when its value is the
// formula F (outer::FormulaValue: readings opened by A, the owner first, or
// by B, the attacker first, summed), else as Against says.  Without F the
// candidate at P is compared with the position value of P before the
// handler ran (the value a pattern gives a point it proposes by its
// evaluation alone): "P=iti:5", else "P=?value:5".
template <void (*Handler)(Point, Point)>
std::string FormulaAt(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a formula entry wants the pair A B and the candidate P");
    const Point a = pts[0], b = pts[1], at = pts[2];
    const bool iti = pts.size() == 3;
    const int ref = iti ? ItiHyoka(at) : outer::FormulaValue(a, b, pts, 3);
    KohoKind = kkKankei;
    Handler(a, b);
    return WordsAt(at, [&](int v) {
        if (!iti)
            return Against(v, ref);
        return v == ref ? std::string("iti") : '?' + std::to_string(v);
    });
}

// "Kankei8Utu:capture A B P L U": the (2,3) pair (A, B) with the attacker's
// stone touching an end stone along the long side, in atari after the
// owner's P at the middle point beside it, L its last liberty then, U the
// attacker's push.  h: the owner's P answered by the attacker's L (scored for
// the owner); w: the owner's P and L, capturing (the attacker passing); a:
// the attacker's U.  With w > 0 the value is h + a, at most twice that,
// raised by half of w - h: min(2(h + a), h + a + (w - h) / 2); else h + a.
// Answers the candidate at P as "P=capped:5" for that value (also when no
// capture reading counts: "P=sum:5" when it is h + a and the cap gives more
// or less), else "P=?value:5"; the others by their points.
std::string Kankei8Capture(const std::vector<Point>& pts)
{
    if (pts.size() != 5)
        throw std::invalid_argument("Kankei8Utu:capture wants the pair and the points P L U");
    const int own = CurGoban().GetIroPt(pts[0]), att = own ^ 3;
    const Point p = pts[2], l = pts[3], u = pts[4];
    const int h = ReadingValue(own, {p, l}), w = OneSideValue(own, {p, l}), a = ReadingValue(att, {u});
    const int sum = h + a;
    const int capped = w > 0 ? std::min(2 * sum, sum + (w - h) / 2) : sum;
    KohoKind = kkKankei;
    Kankei8Utu(pts[0], pts[1]);
    return WordsAt(p, [&](int v) {
        if (v == capped)
            return std::string("capped");
        return v == sum ? std::string("sum") : '?' + std::to_string(v);
    });
}

// "KeimaOsiUtu:hane A B P V": the push beside the knight's move (A, B) at P,
// the point beside an end that touches the opponent's stone T, where the
// owner, to play, reads the hane V after its block at P when T is then left
// with two liberties.  The value is the opponent's push at P (scored for the
// opponent) plus the owner's P and V (the opponent passing; scored for the
// owner).  Answers the candidate at P as "P=r:5" for that value, else as
// outer::Relative says; the others by their points.
std::string KeimaOsiHane(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("KeimaOsiUtu:hane wants the pair and the points P V");
    const int own = CurGoban().GetIroPt(pts[0]), att = own ^ 3;
    const Point p = pts[2], v = pts[3];
    const int ref = ReadingValue(att, {p}) + OneSideValue(own, {p, v});
    KohoKind = kkKankei;
    KeimaOsiUtu(pts[0], pts[1]);
    return WordsAt(p, [&](int value) { return outer::Relative(value, ref); });
}

const TProblemRoutineAdd kankei8Formula("Kankei8Utu:formula", FormulaAt<Kankei8Utu>);
const TProblemRoutineAdd kankei8Capture("Kankei8Utu:capture", Kankei8Capture);
const TProblemRoutineAdd kankei5Formula("Kankei5Utu:formula", FormulaAt<Kankei5Utu>);
const TProblemRoutineAdd kankei11Formula("Kankei11Utu:formula", FormulaAt<Kankei11Utu>);
// The push is proposed under the reason the row sets (5 here, not the stage's 18, whose
// values from 26 on move into the bonus).
const TProblemRoutineAdd keimaOsiFormula("KeimaOsiUtu:formula", FormulaAt<KeimaOsiUtu>);
const TProblemRoutineAdd keimaOsiHane("KeimaOsiUtu:hane", KeimaOsiHane);

} // namespace
} // namespace vorn::test
