// One more way of answering the peep at the edge for the rows of
// tests/problems/links-k6-pin4.tst.
//
// "Kankei6EdgeNozoki:bonus-lines A B [lines]": the candidates as
// "Kankei6EdgeNozoki A B [lines]" answers them (LinkRoutines.cpp), led by
// "=POINT:bonus" for the first candidate, its bonus written like a value,
// as an expression of the lines' evaluations.
// "NAME:mark-values A B": the link marks left on the board after NAME on the
// jump's box, each as "POINT:board=value" (board 1 or 2).
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/Yose.h"
#include "engine/links/Kankei6EdgeNozoki.h"
#include "engine/links/Kankei6Nozoki.h"

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

template <void (*R)(TKankeiBox)>
std::string MarkValues(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the mark entries want the jump's two points");
    LinkMarkClear();
    Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        R(box);
        return std::string();
    });
    std::string out;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            for (int board : {1, 2})
                if (const int v = board == 1 ? LinkMark1[x][y] : LinkMark2[x][y]; v != 0)
                    out += (out.empty() ? "" : " ") + GtpVertex(Point(x, y)) + ':' + std::to_string(board) + '='
                           + std::to_string(v);
    return out.empty() ? "none" : out;
}
const TProblemRoutineAdd edgeNozokiMarkValues("Kankei6EdgeNozoki:mark-values", MarkValues<Kankei6EdgeNozoki>);
const TProblemRoutineAdd nozokiMarkValues("Kankei6Nozoki:mark-values", MarkValues<Kankei6Nozoki>);

} // namespace
} // namespace vorn::test
