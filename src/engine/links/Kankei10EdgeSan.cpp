#include "engine/links/Kankei10EdgeSan.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"

namespace vorn {

namespace {

constexpr TKankeiTest kSanTests[] = {
    {{BoxCells({3}), BoxCells({5})}},
    {{BoxCells({0}), BoxCells({2})}},
    {{BoxCells({6}), BoxCells({8})}},
    {{StripCells({2}), StripCells({3})}},
    {{StripCells({0}), StripCells({1})}},
    {{StripCells({4}), StripCells({5})}},
};

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

} // namespace

void Kankei10EdgeSan(TKankeiBox box)
{
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[13]);
    switch (KankeiFirstMatch(box, kSanTests)) {
    case 0:
        Kankei10EdgeSanNozoki(box);
        break;
    case 1:
        Kankei10EdgeSanKata(box);
        break;
    case 2:
        Kankei10EdgeSanNi(box);
        break;
    case 3:
        Kankei10EdgeSanSoto(box);
        break;
    case 4:
        Kankei10EdgeSanSotoKata(box);
        break;
    case 5:
        Kankei10EdgeSanSotoNi(box);
        break;
    default:
        Kankei10EdgeSanFree(box);
        break;
    }
}

void Kankei10EdgeSanNozoki(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    // P the free flank of [4], C the corner beside the stone on P's side;
    // Y, Z and W two lines out on P's side beside [4], the stone and [7].
    Point c, p, y, z, w;
    if (box.IsOpp(3))
        c = box[2], p = box[5], y = box.Strip[3], z = box.Strip[1], w = box.Strip[5];
    else if (box.IsOpp(5))
        c = box[0], p = box[3], y = box.Strip[2], z = box.Strip[0], w = box.Strip[4];
    else
        return;
    if (IroAt(c) != kAki || LineNoPt(p) <= 2 || IroAt(z) == opp)
        return;
    const Point t1 = StepBeyond(p, y); // three lines out beside [4]
    if (IroAt(t1) == opp || IroAt(t1) == kHen)
        return;
    const Point t2 = StepBeyond(c, z); // three lines out beside the stone
    if (IroAt(t2) == own)
        return;
    const Point t4 = StepBeyond(p, c); // behind the stone on P's side
    if (IroAt(t4) == opp)
        return;
    if (RenKuu(box[1]) == 1 || IroAt(w) != kAki)
        return;
    Point xp = c;
    if (IroAt(t1) == own)
        xp = w;
    else if (IroAt(t4) == own)
        xp = p;
    const int h = SeqHyoka(opp, {{opp, xp}});
    const int u = UtuHyoka(own, p);
    KankeiKoho(box, p, xp, h + u);
}

void Kankei10EdgeSanKata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    // S beside the stone, P the flank of [4] away from it, Y two lines out
    // beside P, C the corner on P's side, D the flank of [4] on S's side.
    Point s, p, y, c, d;
    if (box.IsOpp(0))
        s = box[0], p = box[5], y = box.Strip[3], c = box[2], d = box[3];
    else if (box.IsOpp(2))
        s = box[2], p = box[3], y = box.Strip[2], c = box[0], d = box[5];
    else
        return;
    if (IroAt(y) == own)
        return;
    if (IroAt(c) == kAki && IroAt(StepBeyond(p, c)) == opp)
        return;
    if (LineNoPt(p) < 3)
        return;
    Point r = p;
    if (RenKuu(s) <= 2 && CurGoban().IsSelfAtariPt(own, d) == 0)
        r = d;
    const int h1 = SeqHyoka(own, {{own, r}});
    const int h2 = SeqHyoka(opp, {{opp, p}});
    KankeiKoho(box, r, p, h1 + h2);
}

void Kankei10EdgeSanNi(TKankeiBox) {}

void Kankei10EdgeSanSoto(TKankeiBox box)
{
    const Point p = box.StripOpp(2) ? box[5] : box[3];
    TRen* r = ToruRenAt(box[1]);
    if (r != nullptr && r->GetSicho() == 1)
        return;
    AddKohoTry(p);
}

void Kankei10EdgeSanSotoKata(TKankeiBox box) { AddKohoTry(box.StripOpp(0) ? box[5] : box[3]); }

void Kankei10EdgeSanSotoNi(TKankeiBox box)
{
    const Point p = box.StripOpp(4) ? box[5] : box[3];
    const Point c = box.StripOpp(4) ? box[2] : box[0];
    if (IroAt(c) == kAki && NeighboursOf(c, box.Opp) > 0)
        return;
    AddKohoTry(p);
}

void Kankei10EdgeSanFree(TKankeiBox box)
{
    Kankei10EdgeSanHiraki(box);
    KankeiMirrorBox(box);
    Kankei10EdgeSanHiraki(box);
}

void Kankei10EdgeSanHiraki(const TKankeiBox& box)
{
    if (IroAt(box[0]) == kAki)
        AddKohoHyoka(box[3]);
}

} // namespace vorn
