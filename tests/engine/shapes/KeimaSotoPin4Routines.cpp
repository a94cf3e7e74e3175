// Entries of tests/problems/keima-soto-pin4.tst:
//
//   call KeimaSotoHane:prep A B
//   call KeimaSotoNaka:prep A B
//
// run the answer to an attacker's stone beyond a side point (beside a
// middle point) alone on the knight's move (A, B), as "KeimaSotoHane:at"
// does, and answer the prepared answers it left as "D6/E6/E5" (the
// engine's move, the opponent's reply, the engine's answer to it), sorted;
// "none" when there is none.
//
//   call KeimaSotoNaka:marks A B
//
// runs the answer beside a middle point the same way and answers the link
// marks it left as "P:v", the point and the mark's value, in board order;
// "none" when it left none.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Yose.h"
#include "engine/shapes/KeimaSoto.h"
#include "engine/shapes/OuterRoutines.h"

namespace vorn::test {
namespace {

template <outer::TOuterRoutine Routine>
std::string OuterPrepared(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("a prepared-answer entry wants the pair A B");
    outer::OuterAt<Routine>(pts);
    std::vector<std::string> words;
    for (int i = 1; i <= PreparedTeCount; ++i)
        words.push_back(PreparedTeWord(i));
    return SortedWords(words);
}

template <outer::TOuterRoutine Routine>
std::string OuterMarks(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("a marks entry wants the pair A B");
    LinkMarkClear();
    outer::OuterAt<Routine>(pts);
    std::string out;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (LinkMark1[x][y] != 0)
                out += (out.empty() ? "" : " ") + GtpVertex(Point(x, y)) + ':' + std::to_string(LinkMark1[x][y]);
    return out.empty() ? "none" : out;
}

const TProblemRoutineAdd hanePrepared("KeimaSotoHane:prep", OuterPrepared<KeimaSotoHane>);
const TProblemRoutineAdd nakaPrepared("KeimaSotoNaka:prep", OuterPrepared<KeimaSotoNaka>);
const TProblemRoutineAdd nakaMarks("KeimaSotoNaka:marks", OuterMarks<KeimaSotoNaka>);

} // namespace
} // namespace vorn::test
