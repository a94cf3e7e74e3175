#include "engine/links/Kankei10Warikomi.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// Stones of either colour among the eight points around p.
int StonesAround8(Point p)
{
    TIroCounts n;
    CountAround8(p, n);
    return n[kKuro] + n[kSiro];
}

// p is empty and so are its eight neighbours, all on the board.
bool QuietPoint(Point p)
{
    TIroCounts n;
    CountAround8(p, n);
    return IroAt(p) == kAki && n[kAki] >= 8;
}

// The owner's connection at `join` after the cut: caught by a ladder while
// it has two liberties.
bool JoinCaught(Point join)
{
    ToruRenMake();
    return RenKuu(join) == 2 && SichoCheck(join) == 1;
}

} // namespace

void Kankei10Warikomi(TKankeiBox box)
{
    KankeiStripMake(box, box[1], box[13]);
    Kankei10WariHane(box);
    KankeiMirrorBox(box);
    KankeiMirrorStrip(box);
    Kankei10WariHane(box);
}

void Kankei10WariHane(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[13]);
    if (box.IsHen(6) || box.IsHen(8))
        return;
    for (int i : {6, 8, 0, 12})
        if (box.IsOpp(i))
            return;
    if (CurGoban().IsSelfAtariPt(own, box[8]) == 1)
        return;
    // The intruder's way out two lines beyond [6] must be open.
    const Point out = box.Strip[4];
    if (IroAt(out) != kAki || box.StripOpp(0) || box.StripOpp(8) || StonesAround8(out) > 0)
        return;
    if (LineNoPt(box[6]) == 2 && (box.IsOpp(5) || box.IsOpp(11)))
        return;
    // The intruder's extension.
    Point p = out;
    int e = 0;
    if (LineNoPt(out) == 1) {
        const int e3 = UtuHyoka(opp, box[3]), e9 = UtuHyoka(opp, box[9]);
        p = e3 >= e9 ? box[3] : box[9];
        e = e3 >= e9 ? e3 : e9;
    } else {
        e = UtuHyoka(opp, out);
    }
    if (e < 0)
        return;
    // The owner's block at [6] and the cuts on either side of it: each
    // connection must escape the ladder.
    TYomiTrial t;
    t.Play(own, box[6]);
    t.Play(opp, box[3]);
    t.Play(own, box[4]);
    if (JoinCaught(box[4]))
        return;
    t.BackTo(1);
    t.Play(opp, box[9]);
    t.Play(own, box[10]);
    if (JoinCaught(box[10]))
        return;
    t.BackTo(1);
    const int h = Hyoka(own);
    t.Back();
    const int v = h + e;
    if (box.EngineAttacks()) {
        AddKoho(p, v, 0);
    } else {
        AddKoho(box[6], v, 0);
        AddPreparedTe(box[6], box[3], box[4]);
        AddPreparedTe(box[6], box[9], box[10]);
    }
}

void Kankei10WariHasi(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    int g, p, q, r, s;
    if (box.IsOpp(4)) {
        g = 4, p = 3, q = 5, r = 0, s = 2;
    } else if (box.IsOpp(10)) {
        g = 10, p = 9, q = 11, r = 12, s = 14;
    } else {
        return;
    }
    if (box.IsOpp(6) || box.IsOpp(8)) {
        Kankei10WariHasiYoko(box);
        return;
    }
    if (box.IsOpp(3) || box.IsOpp(5) || box.IsOpp(9) || box.IsOpp(11)) {
        Kankei10WariHasiNozoki(box);
        return;
    }
    for (int i : {p, q, r, s})
        if (IroAt(box[i]) == opp)
            return;
    if (IroAt(StepBeyond(box[g], box[p])) == own || IroAt(StepBeyond(box[g], box[q])) == own)
        return;
    // The owner's block: P unless Q is strictly better.
    const int e1 = UtuHyoka(own, box[p]), e2 = UtuHyoka(own, box[q]);
    const Point op = e1 >= e2 ? box[p] : box[q];
    const int ov = e1 >= e2 ? e1 : e2;
    // The intruder's extension: from a flank on the fourth line it may also
    // bend to the middle gap's flank on the second-line side.
    const int lp = LineNoPt(box[p]), lq = LineNoPt(box[q]);
    Point first = box[p], second = box[q];
    if (lp == 4 && lq == 2)
        second = box[6];
    else if (lp == 2 && lq == 4)
        first = box[q], second = box[8];
    const int f1 = UtuHyoka(opp, first), f2 = UtuHyoka(opp, second);
    const Point xp = f1 >= f2 ? first : second;
    const int xv = f1 >= f2 ? f1 : f2;
    KankeiKoho(box, op, xp, ov + xv);
}

void Kankei10WariHasiYoko(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    Point g, w, n;
    if (IroAt(box[4]) == opp)
        g = box[4];
    else if (IroAt(box[10]) == opp)
        g = box[10];
    else
        return;
    if (IroAt(box[6]) == opp)
        w = box[6], n = box[8];
    else if (IroAt(box[8]) == opp)
        w = box[8], n = box[6];
    else
        return;
    // The corner beside the nearer end on N's side holds the owner.
    if (IroAt(StepBeyond(w, g)) != own)
        return;
    const Point u = StepBeyond(box[7], n);
    if (!QuietPoint(u))
        return;
    const int h1 = SeqHyoka(own, {{own, n}});
    const int h2 = SeqHyoka(opp, {{opp, u}});
    KankeiKoho(box, n, u, h1 + h2);
}

void Kankei10WariHasiNozoki(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const bool col0 = box.IsOpp(3) || box.IsOpp(9);
    int t, n, d;
    if (box.IsOpp(4)) {
        t = col0 ? 2 : 0, n = col0 ? 8 : 6, d = col0 ? 5 : 3;
    } else if (box.IsOpp(10)) {
        t = col0 ? 14 : 12, n = col0 ? 8 : 6, d = col0 ? 11 : 9;
    } else {
        return;
    }
    if (IroAt(box[t]) != own)
        return;
    const Point u = StepBeyond(box[7], box[n]);
    if (!QuietPoint(u))
        return;
    const int h1 = SeqHyoka(opp, {{opp, u}});
    const int h2 = SeqHyoka(own, {{own, box[d]}});
    KankeiKoho(box, box[d], u, h2 + h1);
}

} // namespace vorn
