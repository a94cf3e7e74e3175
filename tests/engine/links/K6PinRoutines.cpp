// Two more ways of answering the jump-link pattern routines for the rows of
// tests/problems/links-k6-pin.tst.
//
// "NAME:pf:bonus A B [lines]": the candidates as "NAME A B [lines]" answers
// them (LinkRoutines.cpp), then each candidate's bonus as "POINT/bonus".
//
// "NAME:pf:less A B A L...": each candidate as "POINT=d:reason" where d is
// its value less h, the evaluation for the owner (the colour at A) after the
// owner's line L (colours alternating from the owner).  A row so pins the
// constant part of a value whose other part is that line's evaluation
// (e.g. h - 10, or h + 5 - 10).
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/links/Kankei6EdgeNozoki.h"
#include "engine/links/Kankei6Nozoki.h"
#include "engine/links/Kankei6Utu.h"

namespace vorn::test {
namespace {

template <void (*R)(TKankeiBox)>
std::string AndBonus(const std::vector<Point>& pts)
{
    std::string out = BoxRoutine<R>(pts);
    for (int i = 1; i <= KohoCount; ++i)
        out += ' ' + GtpVertex(Koho.Pt[i]) + '/' + std::to_string(static_cast<int>(Koho.Bonus[i]));
    return out;
}

template <void (*R)(TKankeiBox)>
std::string LessOwnLine(const std::vector<Point>& pts)
{
    if (pts.size() < 4 || pts[2] != pts[0])
        throw std::invalid_argument("the :pf:less entries want A B A and the owner's line");
    const std::vector<Point> line(pts.begin() + 3, pts.end());
    const int h = ReadingValue(GobanLv[0]->GetIroPt(pts[0]), line);
    BoxRoutine<R>({pts[0], pts[1]});
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i)
        words.push_back(GtpVertex(Koho.Pt[i]) + '=' + std::to_string(Koho.Value[i] - h) + ':'
                        + std::to_string(static_cast<int>(Koho.Kind[i])));
    return SortedWords(words);
}

const TProblemRoutineAdd pfEdgeNozokiBonus("Kankei6EdgeNozoki:pf:bonus", AndBonus<Kankei6EdgeNozoki>);
const TProblemRoutineAdd pfSotoBonus("Kankei6Soto:pf:bonus", AndBonus<Kankei6Soto>);
const TProblemRoutineAdd pfEdgeNozokiLess("Kankei6EdgeNozoki:pf:less", LessOwnLine<Kankei6EdgeNozoki>);
const TProblemRoutineAdd pfNozokiLess("Kankei6Nozoki:pf:less", LessOwnLine<Kankei6Nozoki>);

} // namespace
} // namespace vorn::test
