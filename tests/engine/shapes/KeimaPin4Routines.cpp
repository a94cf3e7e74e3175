// Entries of the problem table tests/problems/keima-pin4.tst.
//
//   call KeimaTuke:marks2 A B
//
// runs the knight's-move contact handler on (A, B) under the reason of the
// pair answers, with the second skip marks cleared, and answers the points
// it marked in LinkMark2 with their marks ("D6=1"), "none" when it marked
// none.
#include "engine/Problems.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/Yose.h"
#include "engine/shapes/KeimaTuke.h"

namespace vorn::test {
namespace {

std::string KeimaTukeMarks2(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("KeimaTuke:marks2 wants the pair");
    FillGrid(LinkMark2, std::uint8_t{0});
    KohoKind = kkKankei;
    KeimaTuke(pts[0], pts[1]);
    std::vector<std::string> words;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (LinkMark2[x][y] != 0)
                words.push_back(GtpVertex(Point(x, y)) + '=' + std::to_string(LinkMark2[x][y]));
    return SortedWords(words);
}

const TProblemRoutineAdd keimaTukeMarks2("KeimaTuke:marks2", KeimaTukeMarks2);

} // namespace
} // namespace vorn::test
