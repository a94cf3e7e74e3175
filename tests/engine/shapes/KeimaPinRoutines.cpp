// Knight's-move rows of tests/problems/keima-pin.tst: the contact handler,
// the second pass and the contact answer of the reinforcement stage, each
// candidate answered with its value AND its bonus against readings the row
// names.
//
//   call KeimaTuke:pin A B P [Q] F...
//   call Kankei4Hokyo:pin A B P [Q] F...
//   call KeimaHokyo:pin A B P [Q] F...
//
// run the routine on the pair (A, B) (the stage routine on the whole pair
// list, A and B naming the owner) under the reason code its caller sets (5,
// 21, 22).  F... is a sum of readings (see outer::FormulaValue): a term
// starts with A (the owner moves first, scored for the owner) or B (the
// attacker first, scored for the attacker), the colours alternating; inside
// a term a stone of the owner's colour starts an alternative of which the
// larger counts, one of the attacker's colour one of which the smaller
// counts; r is the sum.  Q, when given (a point that is neither A nor B),
// names the bonus reading b: the attacker plays P and then Q, the owner
// passing, scored for the attacker.
//
// The candidate at P is answered as "P=V/W:K": V is "r", "2r", "r+2",
// "r+3", "r+5" (the owner's fixed additions), "r*3/2" (toward zero), else
// "r+k" or "r-k"; W is left out (with its slash) for a bonus of 0, else
// "b", "10v" (b held at ten times the value), "9" (b held at 9 beside a
// value below 1), "b-v" (b less the value) or the number; K the reason.
// Every other candidate is answered by its point, with "/bonus" when its
// bonus is not 0.
//
//   call Kankei4Hokyo:marks A B
//
// runs the second pass on (A, B) with the skip marks cleared and answers
// the points it marked in LinkMark1 with their marks ("D6=1"), "none" when
// it marked none.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Yose.h"
#include "engine/shapes/Kankei4Hokyo.h"
#include "engine/shapes/KankeiHokyo.h"
#include "engine/shapes/KeimaTuke.h"
#include "engine/shapes/OuterRoutines.h"

namespace vorn::test {
namespace {

std::string ValueText(int v, int r)
{
    if (v == r)
        return "r";
    if (r != 0 && v == 2 * r)
        return "2r";
    // The owner's fixed additions before the scalings.
    if (v - r == 2 || v - r == 3 || v - r == 5)
        return "r+" + std::to_string(v - r);
    if (r != 0 && v == r + r / 2)
        return "r*3/2";
    return v > r ? "r+" + std::to_string(v - r) : "r-" + std::to_string(r - v);
}

std::string BonusText(int bonus, int value, int b)
{
    if (bonus == b)
        return "b";
    if (value >= 1 && bonus == 10 * value && b > bonus)
        return "10v";
    if (value < 1 && bonus == 9 && b > 9)
        return "9";
    if (bonus == b - value)
        return "b-v";
    return std::to_string(bonus);
}

// The routine has run: the candidates as the header says.
std::string Answer(const std::vector<Point>& pts)
{
    const Point a = pts[0], b = pts[1], at = pts[2];
    const bool hasQ = pts.size() > 3 && pts[3] != a && pts[3] != b;
    const int att = CurGoban().GetIroPt(a) ^ 3;
    const int r = outer::FormulaValue(a, b, pts, hasQ ? 4 : 3);
    const int bonusRef = hasQ ? OneSideValue(att, {at, pts[3]}) : 0;
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        const int v = Koho.Value[i], bonus = Koho.Bonus[i];
        if (Koho.Pt[i] == at) {
            w += '=' + ValueText(v, r);
            if (bonus != 0)
                w += '/' + BonusText(bonus, v, bonusRef);
            w += ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
        } else if (bonus != 0) {
            w += '/' + std::to_string(bonus);
        }
        words.push_back(w);
    }
    return SortedWords(words);
}

// Runs the routine under the reason code its caller sets and answers the row.
template <class Run>
std::string Pinned(const std::vector<Point>& pts, int reason, Run run)
{
    if (pts.size() < 3)
        throw std::invalid_argument("a pin wants the pair, the candidate and its readings");
    KohoKind = reason;
    run();
    return Answer(pts);
}

std::string KeimaTukePin(const std::vector<Point>& pts)
{
    return Pinned(pts, kkKankei, [&] { KeimaTuke(pts[0], pts[1]); });
}

std::string Kankei4HokyoPin(const std::vector<Point>& pts)
{
    return Pinned(pts, kkHokyo, [&] { Kankei4Hokyo(pts[0], pts[1]); });
}

std::string KeimaHokyoPin(const std::vector<Point>& pts)
{
    Point out;
    return Pinned(pts, kkKeimaHokyo, [&] { KeimaHokyo(out); });
}

std::string Kankei4HokyoMarks(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("Kankei4Hokyo:marks wants the pair");
    FillGrid(LinkMark1, std::uint8_t{0});
    KohoKind = kkHokyo;
    Kankei4Hokyo(pts[0], pts[1]);
    std::vector<std::string> words;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (LinkMark1[x][y] != 0)
                words.push_back(GtpVertex(Point(x, y)) + '=' + std::to_string(LinkMark1[x][y]));
    return SortedWords(words);
}

const TProblemRoutineAdd keimaTukePin("KeimaTuke:pin", KeimaTukePin);
const TProblemRoutineAdd kankei4HokyoPin("Kankei4Hokyo:pin", Kankei4HokyoPin);
const TProblemRoutineAdd keimaHokyoPin("KeimaHokyo:pin", KeimaHokyoPin);
const TProblemRoutineAdd kankei4HokyoMarks("Kankei4Hokyo:marks", Kankei4HokyoMarks);

} // namespace
} // namespace vorn::test
