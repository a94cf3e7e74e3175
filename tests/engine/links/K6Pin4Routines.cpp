// One more way of answering the peep at the edge for the rows of
// tests/problems/links-k6-pin4.tst.
//
// "Kankei6EdgeNozoki:bonus-lines A B [lines]": the candidates as
// "Kankei6EdgeNozoki A B [lines]" answers them (LinkRoutines.cpp), led by
// "=POINT:bonus" for the first candidate, its bonus written like a value,
// as an expression of the lines' evaluations.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/links/Kankei6EdgeNozoki.h"

namespace vorn::test {
namespace {

std::string EdgeNozokiBonusLines(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        Kankei6EdgeNozoki(box);
        if (KohoCount < 1)
            return std::string();
        return GtpVertex(Koho.Pt[1]) + ':' + std::to_string(static_cast<int>(Koho.Bonus[1]));
    });
}
const TProblemRoutineAdd edgeNozokiBonusLines("Kankei6EdgeNozoki:bonus-lines", EdgeNozokiBonusLines);

} // namespace
} // namespace vorn::test
