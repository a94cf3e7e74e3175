#include "engine/links/IkkenEdgeRenraku.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Reading.h"
#include "engine/links/IkkenEdgeNozoki.h"
#include "engine/links/IkkenEdgeTuke.h"
#include "engine/links/IkkenEdgeTukeYomi.h"
#include "engine/links/IkkenEdgeWarikomi.h"

namespace vorn {

namespace {

constexpr TKankeiTest kEdgeTests[] = {
    {{BoxCells({4})}},
    {{BoxCells({3}), BoxCells({5})}},
    {{BoxCells({0}), BoxCells({2})}},
};

// A ladder that long is no safe escape for a first-line stone.
constexpr int kLongSicho = 10;

} // namespace

int IkkenEdgeShape(const TKankeiBox& box) { return KankeiFirstMatch(box, kEdgeTests); }

void IkkenEdgeRenraku(Point a, Point b)
{
    TKankeiBox box;
    if (!KankeiBoxMake(a, b, box) || box.D != 2)
        return;
    // The look-ahead gate sees the box as laid, the row beyond the edge
    // included where it lies on the board.
    if (!KankeiInArea(box, 8))
        return;
    if (box.IsHen(1))
        KankeiEdgeTurn(box);
    if (box.IsHen(0) || box.IsHen(2) || box.Own < 0)
        return;
    switch (IkkenEdgeShape(box)) {
    case kIkkenEdgeWarikomi:
        IkkenEdgeWarikomi(box);
        break;
    case kIkkenEdgeNozoki:
        IkkenEdgeNozoki(box);
        break;
    case kIkkenEdgeTuke: {
        {
            // The second reading starts from the position it was given.
            TYomiKeep keep;
            IkkenEdgeTuke(box);
        }
        IkkenEdgeTukeYomi(box);
        break;
    }
    default:
        break;
    }
}

bool IkkenEdgeSafeCheck(int c, Point p, Point q)
{
    ToruRenMake();
    if (SichoCheck2(p) == 1)
        return false;
    if (const TRen* r = ToruRenAt(p); r != nullptr && r->SichoCount() >= kLongSicho)
        return false;
    TYomiTrial t;
    if (!t.PushPlay(c, q))
        return true;
    ToruRenMake();
    if (IkkenEdgeKuu(c, q) == 1)
        return true;
    int list[4];
    if (ListTonariRen(q, c ^ 3, list) != 2)
        return true;
    const TRenList& rens = CurGoban().RenList;
    const TRen* r0 = rens.Items(list[0]);
    const TRen* r1 = rens.Items(list[1]);
    return !(r0 != nullptr && r1 != nullptr && r0->Kuu() == 1 && r1->Kuu() == 1);
}

TIkkenEdgeSide IkkenEdgeSideOf(const TKankeiBox& box, int orient)
{
    TIkkenEdgeSide e;
    e.S = box.Idx(orient, 1, 2);
    e.T = box.Idx(orient, 0, 2);
    e.N = box.Idx(orient, 1, 0);
    e.K = box.Idx(orient, 0, 0);
    e.Stone = box[1];
    e.Gap = box[4];
    e.U = StepBeyond(e.Stone, box[e.T]);
    e.W = StepBeyond(e.Gap, box[e.S]);
    e.V = StepBeyond(box[e.S], box[e.T]);
    return e;
}

int IkkenEdgeKuu(int c, Point p)
{
    if ((c != kKuro && c != kSiro) || CurGoban().GetIroPt(p) != c)
        return 0;
    const TRen* r = ToruRenAt(p);
    return r == nullptr ? 0 : r->Kuu();
}

} // namespace vorn
