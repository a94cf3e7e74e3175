// The two-space jump routines (second pass, edge families, marks) for the rows of
// tests/problems/links-k6cover.tst, answered as in LinkRoutines.cpp (the
// candidates in terms of the row's lines).
//
// "Kankei6Hokyo:lines A B [lines]": the second-pass handler on the jump A-B
// under its reason code (21); B next to A stands for the end beyond the
// edge (A's jump to the edge).  After the candidates, each prepared answer
// the handler left, as "P/Q/R" (own move, the opponent's reply, the answer
// to it).  ":from-edge" gives the same relation to the handler the other way
// round, the end beyond the edge first.
//
// "Kankei6EdgeUtu:lines A B [lines]": the whole handler of a jump to the
// edge (its dispatch to the families), answered in the same way.
//
// "NAME:marks A B": the link marks the routine leaves on the jump A-B, each
// as "P:1" (LinkMark1) or "P:2" (LinkMark2); "none" without one.
//
// "NAME:prep A B [lines]" for a pattern routine on the box of the jump A-B
// (as "NAME A B" in LinkRoutines.cpp), its prepared answers following its
// candidates as above.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Yose.h"
#include "engine/links/Kankei6EdgeKata.h"
#include "engine/links/Kankei6EdgeUtu.h"
#include "engine/links/Kankei6EdgeWarikomi.h"
#include "engine/links/Kankei6Hokyo.h"
#include "engine/links/Kankei6Kata.h"
#include "engine/links/Kankei6Nozoki.h"
#include "engine/links/Kankei6EdgeNozoki.h"
#include "engine/links/Kankei6Warikomi.h"

namespace vorn::test {
namespace {

// The prepared answers left in the table, each as " P/Q/R".
std::string PreparedAnswers()
{
    std::string out;
    for (int i = 1; i <= PreparedTeCount; ++i)
        out += ' ' + PreparedTeWord(i);
    return out;
}

template <bool FromEdge>
std::string HokyoLines(const std::vector<Point>& pts)
{
    const std::string out = Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        // The box is laid from A: [1] is A, [10] the other end (beyond the
        // edge for a jump to the edge).
        KohoKind = kkHokyo;
        if (FromEdge)
            Kankei6Hokyo(box[10], box[1]);
        else
            Kankei6Hokyo(box[1], box[10]);
        return std::string();
    });
    return out + PreparedAnswers();
}
const TProblemRoutineAdd kankei6HokyoLines("Kankei6Hokyo:lines", HokyoLines<false>);
const TProblemRoutineAdd kankei6HokyoFromEdge("Kankei6Hokyo:from-edge", HokyoLines<true>);

std::string EdgeUtuLines(const std::vector<Point>& pts)
{
    const std::string out = Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        Kankei6EdgeUtu(box[1], box[10]);
        return std::string();
    });
    return out + PreparedAnswers();
}
const TProblemRoutineAdd kankei6EdgeUtuLines("Kankei6EdgeUtu:lines", EdgeUtuLines);

template <void (*R)(TKankeiBox)>
std::string BoxPrep(const std::vector<Point>& pts)
{
    const std::string out = BoxRoutine<R>(pts);
    return out + PreparedAnswers();
}
const TProblemRoutineAdd kankei6WarikomiPrep("Kankei6Warikomi:prep", BoxPrep<Kankei6Warikomi>);
const TProblemRoutineAdd kankei6KataK6("Kankei6Kata:prep", BoxPrep<Kankei6Kata>);
const TProblemRoutineAdd kankei6EdgeWarikomiPrep("Kankei6EdgeWarikomi:prep", BoxPrep<Kankei6EdgeWarikomi>);
const TProblemRoutineAdd kankei6EdgeKataLines("Kankei6EdgeKata:lines", BoxPrep<Kankei6EdgeKata>);
const TProblemRoutineAdd kankei6EdgeSanSanKataPrep("Kankei6EdgeSanSanKata:prep", BoxPrep<Kankei6EdgeSanSanKata>);
const TProblemRoutineAdd kankei6EdgeSanSanUtikomiPrep("Kankei6EdgeSanSanUtikomi:prep",
                                                      BoxPrep<Kankei6EdgeSanSanUtikomi>);

// The marks left on the board after `run` on the jump's box.
std::string Marks(const std::vector<Point>& pts, void (*run)(const TKankeiBox&))
{
    if (pts.size() != 2)
        throw std::invalid_argument("the marks entries want the jump's two points");
    LinkMarkClear();
    Expressed(pts, 0, [run](const TKankeiBox& box, const std::vector<Point>&) {
        run(box);
        return std::string();
    });
    const int n = BoardSize;
    std::string out;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            const Point p(x, y);
            if (LinkMark1[x][y] != 0)
                out += (out.empty() ? "" : " ") + GtpVertex(p) + ":1";
            if (LinkMark2[x][y] != 0)
                out += (out.empty() ? "" : " ") + GtpVertex(p) + ":2";
        }
    return out.empty() ? "none" : out;
}

template <void (*R)(TKankeiBox)>
std::string BoxMarks(const std::vector<Point>& pts)
{
    return Marks(pts, [](const TKankeiBox& box) { R(box); });
}
std::string HokyoMarks(const std::vector<Point>& pts)
{
    return Marks(pts, [](const TKankeiBox& box) {
        KohoKind = kkHokyo;
        Kankei6Hokyo(box[1], box[10]);
    });
}
const TProblemRoutineAdd kankei6HokyoMarks("Kankei6Hokyo:marks", HokyoMarks);
const TProblemRoutineAdd kankei6NozokiMarks("Kankei6Nozoki:marks", BoxMarks<Kankei6Nozoki>);
const TProblemRoutineAdd kankei6EdgeNozokiMarks("Kankei6EdgeNozoki:marks", BoxMarks<Kankei6EdgeNozoki>);

} // namespace
} // namespace vorn::test
