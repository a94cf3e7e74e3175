#include "engine/links/Kankei6EdgeUtu.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/links/IkkenEdgeRenraku.h"
#include "engine/links/Kankei6EdgeKata.h"
#include "engine/links/Kankei6EdgeNozoki.h"
#include "engine/links/Kankei6EdgeWarikomi.h"

namespace vorn {

namespace {

constexpr TKankeiTest kEdgeTests[] = {
    {{BoxCells({4})}},
    {{BoxCells({7})}},
    {{BoxCells({3}), BoxCells({5})}},
    {{BoxCells({0}), BoxCells({2})}},
    {{BoxCells({6}), BoxCells({8})}},
};

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

} // namespace

int Kankei6EdgeShape(const TKankeiBox& box) { return KankeiFirstMatch(box, kEdgeTests); }

bool Kankei6EdgeBox(Point a, Point b, TKankeiBox& box)
{
    if (!KankeiBoxMake(a, b, box) || box.D != 3)
        return false;
    // The look-ahead gate sees the first nine cells as laid: from the end
    // beyond the edge these are that end's row and the two gap rows.
    if (!KankeiInArea(box, 8))
        return false;
    if (box.IsHen(1))
        KankeiEdgeTurn(box);
    return box.Own >= 0 && !box.IsHen(0) && !box.IsHen(2);
}

Point Kankei6EdgeEnd(const TKankeiBox& box) { return StepBeyond(box[4], box[7]); }

int Kankei6EdgeSide(const TKankeiBox& box, int c)
{
    if (box.IsOpp(c))
        return 0;
    return box.IsOpp(c + 2) ? 2 : -1;
}

int Kankei6EdgeSicho(int c, Point p)
{
    if ((c != kKuro && c != kSiro) || IroAt(p) != c)
        return 0;
    TRen* r = ToruRenAt(p);
    return r == nullptr ? 0 : r->GetSicho();
}

void Kankei6EdgeUtu(Point a, Point b)
{
    TKankeiBox box;
    if (!Kankei6EdgeBox(a, b, box))
        return;
    switch (Kankei6EdgeShape(box)) {
    case kKankei6EdgeWarikomi:
        Kankei6EdgeWarikomi(box);
        break;
    case kKankei6EdgeWarikomi2:
        Kankei6EdgeWarikomi2(box);
        break;
    case kKankei6EdgeNozoki:
        Kankei6EdgeNozoki(box);
        break;
    case kKankei6EdgeKata:
        // The contact reading under the caller's reason, the two corner
        // patterns under their own; each starts from the position given.
        Kankei6EdgeKata(box);
        PushKohoKind(kkLink2ken29);
        Kankei6EdgeSanSanUtikomi(box);
        Kankei6EdgeSanSanKata(box);
        PopKohoKind();
        break;
    case kKankei6EdgeNozoki2:
        Kankei6EdgeNozoki2(box);
        break;
    default:
        break;
    }
}

void Kankei6EdgeWarikomi2(TKankeiBox box)
{
    KankeiStripMake(box, box[1], Kankei6EdgeEnd(box));
    Kankei6EdgeWarikomi2Kata(box);
    KankeiMirrorBox(box);
    KankeiMirrorStrip(box);
    Kankei6EdgeWarikomi2Kata(box);
}

void Kankei6EdgeWarikomi2Kata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (const TGun* g = GunAt(box[7]); g != nullptr && g->IsWeak())
        return;
    // Z: three lines out beside the near gap.
    const Point z = StepBeyond(box[3], box.Strip[2]);
    if (IroAt(z) == opp)
        return;
    if (!box.IsAki(3) || box.StripIro[2] != kAki || box.StripIro[4] != kAki)
        return;
    const int o0 = box.StripIro[0];
    if (o0 == kAki) {
        AddKohoHyoka(box[3]);
    } else if (o0 == own) {
        const int v = UtuHyoka(own, box[3]) + UtuHyoka(opp, box.Strip[4]);
        KankeiKoho(box, box[3], box.Strip[4], v);
    }
}

void Kankei6EdgeSanSanUtikomi(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const int s = box.IsOpp(0) ? 0 : 2, o = 2 - s;
    const Point x = box[s], g = box[o];
    const Point back = StepBeyond(box[4], box[1]);
    const Point gb = StepBeyond(box[3 + o], g);
    const Point t = StepBeyond(box[1], g);
    if (IkkenEdgeKuu(own, box[1]) == 1 || IkkenEdgeKuu(opp, x) == 1)
        return;
    if (IroAt(back) != kAki || IroAt(g) != kAki || IroAt(gb) != own)
        return;
    if (LineNoPair(t) != Point(3, 3) || IroAt(t) != kAki)
        return;
    TIroCounts around;
    CountAround8(t, around);
    if (around[kAki] < 7)
        return;
    const TLocate* loc = KankeiLocateAt(t);
    if (loc == nullptr || loc->CountIro(own) > 2)
        return;
    AddKohoSide(opp, t, box[4], 25, 40);
}

void Kankei6EdgeSanSanKata(TKankeiBox box)
{
    const int opp = box.Opp;
    if (LineNoPair(box[1]) != Point(3, 3))
        return;
    if (const TGun* g = GunAt(box[1]); g != nullptr && g->GetMe() >= 4)
        return;
    const int s = Kankei6EdgeSide(box, 0);
    if (s < 0)
        return;
    const int o = 2 - s;
    const Point x = box[s], k = box[3 + s], e = box[3 + o], f = box[o];
    const Point e2 = StepBeyond(box[4], k);
    const Point fb = StepBeyond(e, f), fbb = StepBeyond(f, fb);
    if (LineNoPt(x) != 3)
        return;
    for (Point p : {e2, e, f, fb})
        if (IroAt(p) != kAki)
            return;
    if (EmptyNeighbours(fb) != 4)
        return;
    if (AiteIro == opp) {
        AddKoho(k, 25, 0);
        AddKoho(fb, 25, 0);
        AddPreparedTe(fb, fbb, e);
        AddPreparedTe(fb, box[4], e);
    } else {
        AddKoho(box[4], 25, 0);
        AddPreparedTe(box[4], e, k);
    }
}

void Kankei6EdgeNozoki2(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    // P and Q: the second- and first-line points on the other side.
    const int side = Kankei6EdgeSide(box, 6);
    if (side < 0)
        return;
    const Point p = box[5 - side], q = box[8 - side];
    if (IroAt(p) != kAki)
        return;
    TIroCounts n;
    CountNeighbour(p, n);
    if (n[kAki] == 3 && n[own] == 1) {
        const int v = UtuHyoka(own, box[4]) + UtuHyoka(opp, q);
        KankeiKoho(box, box[4], q, v);
    } else if (n[kAki] == 4) {
        AddKohoHyoka(p);
    }
}

} // namespace vorn
