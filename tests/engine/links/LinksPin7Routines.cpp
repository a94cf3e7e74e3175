// The general answer to a two-space jump that no opponent stone touches,
// for the rows of tests/problems/links-pin7.tst.
//
// "Kankei6Free:neutral A B [lines]": the saved area map is set neutral on
// the six points between the stones (the two gap points and their flanks),
// as when the opponent's stones stand near, and the answer runs on the box
// of the jump A-B; the candidates are answered as BoxRoutine answers them
// (LinkRoutines.cpp).  The other points keep the area the analysis saved,
// and the six points get their saved values back afterwards.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <array>
#include <string>
#include <vector>

#include "board/KuuIsi.h"
#include "engine/links/Kankei6Utu.h"

namespace vorn::test {
namespace {

std::string FreeNeutral(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        std::array<int, 6> saved{};
        for (int i = 3; i <= 8; ++i) {
            saved[i - 3] = AreaMapBackup[box[i].x][box[i].y];
            AreaMapBackup[box[i].x][box[i].y] = 0;
        }
        Kankei6Free(box);
        for (int i = 3; i <= 8; ++i)
            AreaMapBackup[box[i].x][box[i].y] = saved[i - 3];
        return std::string();
    });
}
const TProblemRoutineAdd freeNeutral("Kankei6Free:neutral", FreeNeutral);

} // namespace
} // namespace vorn::test
