#include "engine/links/Kankei10Soto.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

} // namespace

void Kankei10SotoNaka(TKankeiBox box)
{
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[13]);
    if (box.StripOpp(4)) {
        if (box.StripOpp(0) || box.StripOpp(8)) {
            Kankei10SotoNakaHasi(box);
            return;
        }
    } else if (box.StripOpp(5)) {
        if (box.StripOpp(1) || box.StripOpp(9)) {
            Kankei10SotoNakaHasi(box);
            return;
        }
    } else {
        return;
    }
    const int me = JibunIro, you = AiteIro;
    const int h = SeqHyoka(me, {{me, box[7]}});
    const int u = UtuHyoka(you, box[7]);
    AddKoho(box[7], h + u, 0);
}

void Kankei10SotoNakaHasi(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[13]);
    // G the gap next to the end with the second stone, P the owner's block
    // beside it on the stones' side, Q its other flank, C the end's corner
    // on the stones' side.
    int g, p, q, c;
    if (box.StripOpp(4) && box.StripOpp(0))
        g = 4, p = 3, q = 5, c = 0;
    else if (box.StripOpp(4) && box.StripOpp(8))
        g = 10, p = 9, q = 11, c = 12;
    else if (box.StripOpp(5) && box.StripOpp(1) && !box.StripOpp(4))
        g = 4, p = 5, q = 3, c = 2;
    else if (box.StripOpp(5) && box.StripOpp(9) && !box.StripOpp(4))
        g = 10, p = 11, q = 9, c = 14;
    else
        return;
    const int hx = SeqHyoka(opp, {{opp, box[g]}});
    const int ho = SeqHyoka(own, {{own, box[p]}});
    const int v = ho + hx;
    if (!box.EngineAttacks()) {
        AddKoho(box[p], v, 0);
        return;
    }
    AddKoho(box[g], v, 0);
    AddPreparedTe(box[g], box[q], box[7]);
    AddPreparedTe(box[g], box[p], box[c]);
    AddPreparedTe(box[g], box[c], box[p]);
}

void Kankei10SotoSoba(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[13]);
    // W the middle gap's flank on the stone's side, Z the strip beside it.
    Point w, z;
    if (box.StripOpp(2) || box.StripOpp(6))
        w = box[6], z = box.Strip[4];
    else if (box.StripOpp(3) || box.StripOpp(7))
        w = box[8], z = box.Strip[5];
    else
        return;
    // G the gap beside the stone, P its flank on the stone's side.
    Point g, p;
    if (box.StripOpp(2) || box.StripOpp(3))
        g = box[4], p = box.StripOpp(2) ? box[3] : box[5];
    else
        g = box[10], p = box.StripOpp(6) ? box[9] : box[11];
    if (IroAt(z) == own)
        return;
    const Point y = StepBeyond(w, z); // three lines out beside [7]
    // The owner's W, the opponent's P, the owner's G and the opponent's cut
    // at [7]: is the cutting stone caught by a ladder?
    TYomiTrial t;
    t.Play(own, w);
    t.Play(opp, p);
    t.Play(own, g);
    t.Play(opp, box[7]);
    ToruRenMake();
    const int l = SichoCheck(box[7]);
    t.BackTo(1);
    Point r;
    int h = 0;
    if (l == 1) {
        r = w;
        h = Hyoka(own);
        t.Back();
    } else {
        t.Back();
        r = box[7];
        h = UtuHyoka(own, box[7]);
    }
    const Point xp = IroAt(y) == own ? w : box[7];
    const int hx = SeqHyoka(opp, {{opp, xp}});
    KankeiKoho(box, r, xp, h + hx);
}

void Kankei10SotoKata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[13]);
    // By the first strip stone beside an end: the end's corner on its side
    // (no owner stone there), P the near gap's flank on its side, Q the far
    // gap's flank on the other side.
    int corner, p, q;
    if (box.StripOpp(0))
        corner = 0, p = 3, q = 11;
    else if (box.StripOpp(1))
        corner = 2, p = 5, q = 9;
    else if (box.StripOpp(8))
        corner = 12, p = 9, q = 5;
    else if (box.StripOpp(9))
        corner = 14, p = 11, q = 3;
    else
        return;
    if (IroAt(box[corner]) == own)
        return;
    const bool nearA = box.StripOpp(0) || box.StripOpp(1);
    const Point g1 = nearA ? box[4] : box[10], g2 = nearA ? box[10] : box[4];
    const bool side0 = box.StripOpp(0) || box.StripOpp(8);
    const Point h1 = side0 ? box[8] : box[6], h2 = side0 ? box[6] : box[8];
    const Point tp = StepBeyond(g1, box[p]); // two lines out beside G1
    const Point up = StepBeyond(box[p], tp); // three lines out
    if (IroAt(tp) == own || IroAt(up) == own)
        return;
    const int vo = UtuHyoka(own, box[p]);
    const int hx = SeqHyoka(
        opp, {{opp, box[p]}, {own, g1}, {opp, box[7]}, {own, h1}, {opp, box[q]}, {own, g2}, {opp, h2}});
    AddKoho(box[p], vo + hx, 0);
}

} // namespace vorn
