// Two more ways of reading the two-space jump for the rows of
// tests/problems/links-pin16.tst.
//
// "Kankei6Free:as-saved A B [lines]": the general answer to the jump A-B
// on the saved area map as the analysis left it (no point set neutral); the
// candidates are answered as BoxRoutine answers them (LinkRoutines.cpp).
// "KeimaTukeUtu:after R A B M1 M2 ...": M1, M2, ... are played alternately
// from the colour opposite the stone at R, the board is analysed, and the
// answer is the push value at the middle point of the knight's move A-B
// (the owner being the colour at A), as a number.
// "Gun:stones P": the number of stones of the group at P, as a number.
// "Kankei6Nozoki:bonus A B [lines]": the candidates of the peep reading as
// BoxRoutine answers them, each followed by its bonus as "POINT+bonus".
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Pondering.h"
#include "engine/Reading.h"
#include "engine/links/Kankei6Nozoki.h"
#include "engine/links/Kankei6Utu.h"
#include "engine/shapes/Keima.h"

namespace vorn::test {
namespace {

std::string FreeAsSaved(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        Kankei6Free(box);
        return std::string();
    });
}
const TProblemRoutineAdd freeAsSaved("Kankei6Free:as-saved", FreeAsSaved);

std::string KeimaPushAfter(const std::vector<Point>& pts)
{
    if (pts.size() < 3)
        throw std::invalid_argument("KeimaTukeUtu:after wants R, the knight's move and the moves");
    const int r = CurGoban().GetIroPt(pts[0]);
    if (r != kKuro && r != kSiro)
        throw std::invalid_argument("R holds no stone");
    TYomiTrial t;
    int c = r ^ 3;
    for (std::size_t i = 3; i < pts.size(); ++i, c ^= 3)
        if (!t.Play(c, pts[i]))
            throw std::invalid_argument("a move of the row's reading is refused: " + GtpVertex(pts[i]));
    CurGoban().Analyze();
    return std::to_string(KeimaTukeUtu(pts[1], pts[2]));
}
const TProblemRoutineAdd keimaPushAfter("KeimaTukeUtu:after", KeimaPushAfter);

std::string GunStones(const std::vector<Point>& pts)
{
    return std::to_string(GroupAt(pts).GetIsiSu());
}
const TProblemRoutineAdd gunStones("Gun:stones", GunStones);

const TProblemRoutineAdd nozokiBonus("Kankei6Nozoki:bonus", BoxRoutineWithBonus<Kankei6Nozoki>);

} // namespace
} // namespace vorn::test
