// Entries of the problem tables yose-pin17.tst and life-pin17.tst: the
// follow-up threat that a move leaves behind, read on its own, the eye
// value of a group after a move and the moves of a ladder (the
// premises of the passes that read such moves).
#include "engine/Problems.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// call YoseFollowUp P [L]   the side to move (J) plays P, then the follow-up
// of the stone at P: the point Q it threatens as "Q=D4" ("Q=none"), then
// its value f against r = half J's evaluation after J at P and again at L
// (the row's expected follow-up point, O passing), r = 0 without L: "f=r"
// ("f=r+2" when off).
std::string FollowUp(const std::vector<Point>& pts)
{
    if (pts.size() != 1 && pts.size() != 2)
        throw std::invalid_argument("the follow-up wants the move, and the expected follow-up point");
    const Point p = pts[0];
    const int r = pts.size() == 2 ? OneSideValue(JibunIro, {p, pts[1]}) / 2 : 0;
    Point q{};
    int f = 0;
    {
        TYomiTrial t;
        if (!t.Play(JibunIro, p))
            throw std::invalid_argument("the move at " + GtpVertex(p) + " is refused");
        ToruRenMake();
        f = YoseFollowUp(p, q);
    }
    return "Q=" + (q.x == 0 ? std::string("none") : GtpVertex(q)) + " f=" + Against("r", f, r);
}

const TProblemRoutineAdd followUp("YoseFollowUp", FollowUp);

// The eye value of the group at `at` once c has played `move` on a new
// level and the board is analysed again; "none" without a group there.
std::string MeAfterMove(int c, Point move, Point at)
{
    TYomiTrial tr;
    if (!tr.PushPlay(c, move))
        throw std::invalid_argument("the move at " + GtpVertex(move) + " is refused");
    CurGoban().Analyze();
    const TGun* g = GunAt(at);
    return g == nullptr ? "none" : std::to_string(g->GetMe());
}

// call GunMe:after V P   the owner of the group at V plays P: the eye value
// of the group at P then (the premise of a pass that reads that move).
std::string MeAfter(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the eye value after a move wants the group and the move");
    const TGun* g = GunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    return MeAfterMove(g->GetIsiIro(), pts[1], pts[1]);
}

const TProblemRoutineAdd meAfter("GunMe:after", MeAfter);

// call GunMe:tried V S P   the colour of the stone at S plays P: the eye
// value of the group at V then (the premise of a reading that evaluates
// that move).
std::string MeTried(const std::vector<Point>& pts)
{
    if (pts.size() != 3)
        throw std::invalid_argument("GunMe:tried wants the group, a stone of the mover and the move");
    return MeAfterMove(CurGoban().GetIroPt(pts[1]), pts[2], pts[0]);
}

const TProblemRoutineAdd meTried("GunMe:tried", MeTried);

// call GunMe:capture V P Q [R]   the owner of the group at V plays P and then
// Q (an atari and the capture that follows it), the other colour runs out
// at R when given, and the board is analysed again: the eye value of the
// group at P then.
std::string MeAfterCapture(const std::vector<Point>& pts)
{
    if (pts.size() != 3 && pts.size() != 4)
        throw std::invalid_argument("the capture line wants the group, two moves and the run-out");
    const TGun* g = GunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    const int own = g->GetIsiIro();
    TYomiKeep keep;
    if (!ToruPushPlay(own, pts[1]) || !ToruPlay(own, pts[2]) || (pts.size() == 4 && !ToruPlay(Aite(own), pts[3])))
        throw std::invalid_argument("a move of the capture line is refused");
    CurGoban().Analyze();
    const TGun* h = GunAt(pts[1]);
    return h == nullptr ? "none" : std::to_string(h->GetMe());
}

const TProblemRoutineAdd meAfterCapture("GunMe:capture", MeAfterCapture);

// call Ladder:moves V   the ladder against the chain at V on the game board:
// "caught" and the moves the ladder reading stored, in order, or "free"
// when the ladder does not catch it (the premise of a pass that plays the
// ladder's first moves).
std::string LadderMoves(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the ladder wants one point");
    if (GobanLv[0]->RenList.RenAtPt(pts[0]) == nullptr)
        throw std::invalid_argument("no chain at " + GtpVertex(pts[0]));
    if (SichoCheck(pts[0]) != 1)
        return "free";
    TRen* r = GobanLv[0]->RenList.RenAtPt(pts[0]);
    std::string out = "caught";
    for (int i = 1; i <= r->SichoCount(); ++i)
        out += ' ' + GtpVertex(r->SichoTe(i));
    return out;
}

const TProblemRoutineAdd ladderMoves("Ladder:moves", LadderMoves);

} // namespace
} // namespace vorn::test
