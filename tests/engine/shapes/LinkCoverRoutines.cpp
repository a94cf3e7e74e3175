// Entries of the problem table tests/problems/shapes-link-cover.tst that
// the formula entries of shapes-wide-cover.tst cannot express: a reading
// in which one side plays twice in a row.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/shapes/OuterRoutines.h"
#include "engine/shapes/ShapeFrame.h"
#include "engine/shapes/WeakGunKankei.h"

namespace vorn::test {
namespace {

// "KeimaOsiUtu:ladder A B P R S L": the push beside the knight's move (A, B)
// at P with the opponent to play, whose push at P is followed by its own
// cut at R and the owner's S, after which the ladder catches the end stone
// beside P and the opponent plays its first move L.  The value is half the
// opponent's evaluation after P, R, S and L (toward zero) plus the owner's
// after its block at P (the opponent passing).  Answers the candidate at P
// as "P=r:5" for that value, else as outer::Relative says; the others by
// their points.
std::string KeimaOsiLadder(const std::vector<Point>& pts)
{
    if (pts.size() != 6)
        throw std::invalid_argument("KeimaOsiUtu:ladder wants the pair and the points P R S L");
    const int own = CurGoban().GetIroPt(pts[0]), att = own ^ 3;
    const Point p = pts[2], r = pts[3], s = pts[4], l = pts[5];
    int pushed = 0;
    {
        TShapeYomi y;
        pushed = y.ScoreAfter(att, {{att, p}, {att, r}, {own, s}, {att, l}});
    }
    const int ref = pushed / 2 + OneSideValue(own, {p});
    KohoKind = kkKankei;
    KeimaOsiUtu(pts[0], pts[1]);
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == p)
            w += '=' + outer::Relative(static_cast<int>(Koho.Value[i]), ref) + ':' + std::to_string(static_cast<int>(Koho.Kind[i]));
        words.push_back(w);
    }
    return SortedWords(words);
}

const TProblemRoutineAdd keimaOsiLadder("KeimaOsiUtu:ladder", KeimaOsiLadder);

} // namespace
} // namespace vorn::test
