#include "engine/links/Kankei10EdgeNi.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

} // namespace

void Kankei10EdgeNi(TKankeiBox box)
{
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[13]);
    // Column 0, then column 2: the flank of [4] and the strip beside it.
    for (int j : {0, 1}) {
        const Point flank = box[3 + 2 * j], out = box.Strip[2 + j];
        if (EmptyNeighbours(out) == 4 && IroAt(flank) == kAki && EmptyNeighbours(flank) == 4)
            AddKohoTry(flank);
    }
}

void Kankei10EdgeSanYoko(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[13]);
    // P the other flank of [4], F and G the second-line points on P's and
    // S's side, C the corner beside the stone on P's side, Y and Z two lines
    // out on P's side beside [4] and [7].
    Point f, p, c, s, g, y, z;
    if (box.IsOpp(3)) {
        if (box.StripOpp(1) && IroAt(box.Strip[3]) == kAki && box.IsAki(2))
            return;
        f = box[8], p = box[5], c = box[2], s = box[3], g = box[6], y = box.Strip[3], z = box.Strip[5];
    } else if (box.IsOpp(5)) {
        if (box.StripOpp(0) && IroAt(box.Strip[2]) == kAki && box.IsAki(0))
            return;
        f = box[6], p = box[3], c = box[0], s = box[5], g = box[8], y = box.Strip[2], z = box.Strip[4];
    } else {
        return;
    }
    const int l = LineNoPt(p);
    if (l == 1)
        return;
    if (const TRen* rs = ToruRenAt(s); rs != nullptr && rs->IsiCount() == 1 && rs->Kuu() <= 3)
        return;
    const Point h = StepBeyond(box[4], s); // two lines out beside [4], S's side
    const Point j = StepBeyond(z, y);      // two lines out beside the stone, P's side
    const int gc = IroAt(g), hc = IroAt(h), cc = IroAt(c), zc = IroAt(z), yc = IroAt(y), jc = IroAt(j);
    // The opponent's point.
    Point xp;
    if (l == 2) {
        xp = box[4];
    } else {
        xp = zc == own ? box[7] : f;
        if (cc == kAki && yc == kAki) {
            if (EmptyNeighbours(c) == 3)
                xp = box[4];
            if (gc == opp || hc == opp) {
                xp = p;
                if (jc == own && zc == kAki)
                    xp = z;
            }
        }
    }
    const int hx = SeqHyoka(opp, {{opp, xp}});
    // The owner's point: the ladder on S when it works.
    Point op = box[4];
    if (TRen* rs = ToruRenAt(s); rs != nullptr && rs->GetSicho() == 1)
        op = rs->SichoTe(1);
    else if (gc == opp)
        op = p;
    else if (cc == own)
        op = box[7];
    int ho = 0;
    {
        TYomiTrial t;
        t.Play(own, op);
        ho = Hyoka(own);
        if (const TGun* go = GunAt(op); go != nullptr && go->IsDeath90() == 1)
            return;
    }
    KankeiKoho(box, op, xp, ho + hx);
}

void Kankei10EdgeNiYoko(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (LineNoPt(box[1]) != 4)
        return;
    const Point p = box.IsOpp(6) ? box[5] : box[3];
    const Point q = box.IsOpp(6) ? box[8] : box[6];
    const Point r = NeighboursOf(p, own) == 0 ? p : q;
    const int v = UtuHyoka(own, box[7]) + UtuHyoka(opp, r);
    KankeiKoho(box, box[7], r, v);
}

void Kankei10EdgeKata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (own == kSiro)
        return;
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[13]);
    // S beside the stone, P the flank of [4] on S's side; Y two lines out
    // beside [4] on S's side, Y2 on the other side.
    const Point g = box[4];
    Point s, p, y, y2;
    if (box.IsOpp(0))
        s = box[0], p = box[3], y = box.Strip[2], y2 = box.Strip[3];
    else if (box.IsOpp(2))
        s = box[2], p = box[5], y = box.Strip[3], y2 = box.Strip[2];
    else
        return;
    if (LineNoPt(y) <= 2 || LineNoPt(y2) <= 2)
        return;
    const int na = RenKuu(box[1]), ns = RenKuu(s);
    if (na == 1 || ns == 1)
        return;
    Point op = p;
    if (na == 2 && IroAt(y2) == kAki) {
        if (EmptyNeighbours(p) == 3)
            op = g;
    } else if (IroAt(y) == opp) {
        op = g;
    }
    const int ho = SeqHyoka(own, {{own, op}});
    Point xp = g;
    if (ns == 2 && IroAt(y) == kAki) {
        if (EmptyNeighbours(g) == 3)
            xp = p;
    } else if (IroAt(y2) == own) {
        xp = p;
    }
    const int hx = SeqHyoka(opp, {{opp, xp}});
    KankeiKoho(box, op, xp, ho + hx);
}

} // namespace vorn
