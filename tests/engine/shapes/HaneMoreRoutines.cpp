// Readings around the knight's-move hane for the problem tables
// (tests/problems/shapes-hane-more.tst): the premises the hane rows rest on,
// each read from the attacker's moves the row names.
//
//   call HaneMore:group A P M1 M2 ...
//
// plays M1, M2, ... alternately from the attacker (the colour opposite the
// stone at A), analyses the board, and answers for the group at P
// "dead", or "dl=N weak=W d70=X d90=Y": its death level, whether it counts
// as weak, and whether it counts as dead by the 70 and the 90 rule.
//
//   call HaneMore:eyes A P M1 M2 ...
//
// plays M1, M2, ... alternately from the owner (the colour of the stone at
// A) and answers the eye value of the group at P as "me=N".
//
//   call HaneMore:cut A C X Y M1 M2 ...
//
// plays M1, M2, ... alternately from the attacker and answers "cut",
// "even" or "no cut" as the value of the attacker's cut at C between X and
// Y (KiriHyoka) is positive, zero or negative; "HaneMore:cut-value" answers
// that value itself.
//
//   call HaneMore:push A X Y M1 M2 ...
//
// plays M1, M2, ... alternately from the attacker and answers the value of
// the push through the one-space jump between the stones at X and Y
// (IkkenOsiHyoka), as a number.
//
//   call HaneMore:value A M1 M2 ...
//
// the attacker's evaluation after M1, M2, ... (played alternately from the
// attacker), as a number: rows state with it where a reading stands against
// a threshold of the pattern, where that rests on the evaluation alone.
// "HaneMore:value-own" the same for the owner, from the owner's move.
//
//   call KeimaSotoNaka:at A B [P T...]
//   call KeimaSotoTuke:at A B [P T...]
//
// the answer to an attacker's stone beside a middle point, and to one
// touching a link stone from outside, alone, as "KeimaSotoHane:at" runs
// the hane answer (see HaneRoutines.cpp).
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Reading.h"
#include "engine/links/IkkenOsi.h"
#include "engine/shapes/KeimaSoto.h"
#include "engine/shapes/KiriHyoka.h"
#include "engine/shapes/OuterRoutines.h"

namespace vorn::test {
namespace {

int Attacker(const std::vector<Point>& pts)
{
    if (pts.empty())
        throw std::invalid_argument("the row names the stone A first");
    const int own = CurGoban().GetIroPt(pts[0]);
    if (own != kKuro && own != kSiro)
        throw std::invalid_argument("A holds no stone");
    return own ^ 3;
}

// The row's reading on the look-ahead boards while it lives: the moves
// pts[from...] played alternately from the attacker (from the owner when
// ownerFirst), the board analysed after them.
class TRowReading {
public:
    TRowReading(const std::vector<Point>& pts, std::size_t from, bool ownerFirst, const char* usage)
        : att(Attacker(pts))
    {
        if (pts.size() < from)
            throw std::invalid_argument(usage);
        int c = ownerFirst ? att ^ 3 : att;
        for (std::size_t i = from; i < pts.size(); ++i) {
            if (!ToruPlay(c, pts[i]))
                throw std::invalid_argument("a move of the row's reading is refused: " + GtpVertex(pts[i]));
            c ^= 3;
        }
        CurGoban().Analyze();
    }

private:
    TYomiKeep keep_;

public:
    const int att;
};

const TGun& GroupOf(Point p)
{
    const TGun* g = GunAt(p);
    if (g == nullptr)
        throw std::invalid_argument("no group at the point");
    return *g;
}

std::string GroupAfter(const std::vector<Point>& pts)
{
    const TRowReading row(pts, 2, false, "HaneMore:group wants A, the group's point and the moves");
    const TGun& g = GroupOf(pts[1]);
    if (g.GetDeath() != 0)
        return "dead";
    return "dl=" + std::to_string(g.GetDeathLevel()) + " weak=" + std::to_string(g.IsWeak() ? 1 : 0)
           + " d70=" + std::to_string(g.IsDeath70()) + " d90=" + std::to_string(g.IsDeath90());
}

std::string EyesAfter(const std::vector<Point>& pts)
{
    const TRowReading row(pts, 2, true, "HaneMore:eyes wants A, the group's point and the moves");
    return "me=" + std::to_string(GroupOf(pts[1]).GetMe());
}

template <bool Number>
std::string CutAfter(const std::vector<Point>& pts)
{
    const TRowReading row(pts, 4, false, "HaneMore:cut wants A, the cut, the two stones it cuts and the moves");
    const int k = KiriHyoka(row.att, pts[1], pts[2], pts[3]);
    if (Number)
        return std::to_string(k);
    return k > 0 ? "cut" : k == 0 ? "even" : "no cut";
}

std::string PushAfter(const std::vector<Point>& pts)
{
    const TRowReading row(pts, 3, false, "HaneMore:push wants A, the two stones and the moves");
    return std::to_string(IkkenOsiHyoka(pts[1], pts[2]));
}

template <bool Owner>
std::string ValueAfter(const std::vector<Point>& pts)
{
    const int att = Attacker(pts);
    const std::vector<Point> moves(pts.begin() + 1, pts.end());
    if (moves.empty())
        throw std::invalid_argument("HaneMore:value wants the moves");
    return std::to_string(ReadingValue(Owner ? att ^ 3 : att, moves));
}

const TProblemRoutineAdd haneMoreGroup("HaneMore:group", GroupAfter);
const TProblemRoutineAdd haneMoreEyes("HaneMore:eyes", EyesAfter);
const TProblemRoutineAdd haneMoreCut("HaneMore:cut", CutAfter<false>);
const TProblemRoutineAdd haneMoreCutValue("HaneMore:cut-value", CutAfter<true>);
const TProblemRoutineAdd haneMorePush("HaneMore:push", PushAfter);
const TProblemRoutineAdd haneMoreValue("HaneMore:value", ValueAfter<false>);
const TProblemRoutineAdd haneMoreValueOwn("HaneMore:value-own", ValueAfter<true>);
const TProblemRoutineAdd sotoNakaAt("KeimaSotoNaka:at", outer::OuterAt<KeimaSotoNaka>);
const TProblemRoutineAdd sotoTukeAt("KeimaSotoTuke:at", outer::OuterAt<KeimaSotoTuke>);

} // namespace
} // namespace vorn::test
