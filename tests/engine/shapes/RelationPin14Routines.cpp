// Entries of tests/problems/relation-pin14.tst: the stage of the relation
// moves of groups at a given count, the relations of one stone, and the
// size of a region and the area map after a move.
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Jisho.h"
#include "board/KuuIsi.h"
#include "board/Ren.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/shapes/GunKankei.h"

namespace vorn::test {
namespace {

// "GunKankeiThink:nN": the stage with the count N (no points).  Answers the
// best candidate it left as "value/bonus" (the largest value x 10 + bonus),
// then "chosen" when the stage chose a point, else "none".
template <int N>
std::string StageAtCount(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the stage takes no points");
    Point out;
    GunKankeiThink(N, out);
    GunKankeiReset();
    int best = 0;
    for (int i = 1; i <= KohoCount; ++i)
        if (best == 0 || Koho.Score(i) > Koho.Score(best))
            best = i;
    const std::string top =
        best == 0 ? "empty" : std::to_string(Koho.Value[best]) + '/' + std::to_string(Koho.Bonus[best]);
    return top + (out == Point() ? " none" : " chosen");
}

// "JiSize:after A P M": the colour of the stone at A plays M, the board is
// analysed, and the answer is the number of points of the region at P
// ("0" when P lies in no region); the move is taken back.
// "AreaMap:after A P M": the same move, then the area value at P by its
// sign: "black" (Black's side), "white" or "neutral" (0).
template <bool Region>
std::string AfterMove(const std::vector<Point>& pts)
{
    if (pts.size() != 3)
        throw std::invalid_argument("a reading after a move wants A, the point and the move");
    const int c = CurGoban().GetIroPt(pts[0]);
    if (c != kKuro && c != kSiro)
        throw std::invalid_argument("A holds no stone");
    TYomiKeep keep;
    if (!ToruPlay(c, pts[2]))
        throw std::invalid_argument("the move is refused");
    TGoban& b = CurGoban();
    b.Analyze();
    if (Region) {
        const TJi* ji = b.JiList.GetJiAt(pts[1]);
        return std::to_string(ji == nullptr ? 0 : ji->GetJisu());
    }
    const int a = GetAreaMap(pts[1]);
    return a > 0 ? "black" : a < 0 ? "white" : "neutral";
}

// "KankeiPatternUtu:at A": every relation of the stone at A to a stone of
// the other colour, read by its pattern (a group that is not weak) under
// the relation moves of groups (18): the candidates by their points,
// sorted, "none" when there are none.
std::string PatternsAt(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("KankeiPatternUtu:at wants the stone");
    KohoKind = kkGunKankei;
    GunKankeiReset();
    KankeiPatternUtu(pts[0], 0);
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i)
        words.push_back(GtpVertex(Koho.Pt[i]));
    return SortedWords(words);
}

// "Ren:status A": the chain at A on the game board as the analysis left it:
// "libs=L ladder=S dead=D" (its liberties, its ladder status, 1 when the
// stone at A is marked dead).
std::string ChainStatus(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("Ren:status wants the stone");
    TRen* r = ToruRenAt(pts[0]);
    if (r == nullptr)
        throw std::invalid_argument("no chain at the point");
    return "libs=" + std::to_string(r->Kuu()) + " ladder=" + std::to_string(r->GetSicho())
           + " dead=" + std::to_string(DeadStone(pts[0]) ? 1 : 0);
}

const TProblemRoutineAdd stageAt27("GunKankeiThink:n27", StageAtCount<27>);
const TProblemRoutineAdd stageAt28("GunKankeiThink:n28", StageAtCount<28>);
const TProblemRoutineAdd regionSizeAfter("JiSize:after", AfterMove<true>);
const TProblemRoutineAdd areaAfter("AreaMap:after", AfterMove<false>);
const TProblemRoutineAdd patternsAt("KankeiPatternUtu:at", PatternsAt);
const TProblemRoutineAdd chainStatus("Ren:status", ChainStatus);

} // namespace
} // namespace vorn::test
