#include "engine/links/IkkenEdgeTuke.h"

#include <utility>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/links/IkkenEdgeRenraku.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// The colour of the row-1 stone and the other colour; false when row 1 holds
// no stone.
bool StripColours(const TKankeiBox& strip, int& col, int& oth)
{
    col = strip.Iro[4];
    oth = col ^ 3;
    return col == kKuro || col == kSiro;
}

} // namespace

bool IkkenEdgeStripMake(Point from, Point to, TKankeiBox& strip)
{
    if (!KankeiBoxMake(from, to, strip) || strip.D != 3)
        return false;
    if (LineNoPt(strip[3]) == 1)
        KankeiMirrorBox(strip);
    return true;
}

void IkkenEdgeStripReverse(TKankeiBox& strip)
{
    for (int j = 0; j <= 2; ++j) {
        std::swap(strip.Pt[j], strip.Pt[9 + j]);
        std::swap(strip.Pt[3 + j], strip.Pt[6 + j]);
    }
    KankeiBoxColours(strip);
}

void IkkenEdgeTuke(TKankeiBox box)
{
    const bool k0 = box.IsOpp(0);
    const Point stone = box[1], k = box[k0 ? 0 : 2], f = box[k0 ? 2 : 0];
    const Point k2 = StepBeyond(stone, k);
    if (LineNoPt(k2) != 2)
        return;
    TKankeiBox strip;
    if (!IkkenEdgeStripMake(k2, f, strip))
        return;
    const int l1 = RenKuu(strip[4]), l2 = RenKuu(strip[7]);
    if ((l1 == 1 && l2 == 2) || (l1 == 2 && l2 == 1)) {
        IkkenEdgeTukeDame(strip);
        return;
    }
    IkkenEdgeTukeHane(strip);
    IkkenEdgeTukeSitaAtari(strip);
    IkkenEdgeStripReverse(strip);
    IkkenEdgeTukeHane(strip);
    IkkenEdgeTukeSitaAtari(strip);
}

void IkkenEdgeTukeHane(TKankeiBox strip)
{
    int col, oth;
    if (!StripColours(strip, col, oth) || strip.Iro[1] != kAki)
        return;
    const Point x = strip[1], y = strip[3];
    const TGoban& g = CurGoban();
    if (g.IsKinsiPt(oth, x) == 1 || g.IsSelfAtariPt(oth, x) == 1)
        return;
    if (TRen* r = ToruRenAt(strip[7]); r != nullptr && r->GetSicho() == 1)
        return;
    if (NeighboursOf(x, oth) >= 1 || NeighboursOf(x, col) >= 2)
        return;
    if (IroAt(y) == col) {
        IkkenEdgeTukeHaneKiri(strip);
        return;
    }
    if (IroAt(y) != kAki || LineNoPt(x) == 1)
        return;
    {
        const TRen* r = ToruRenAt(strip[7]);
        const int kuu = RenKuu(strip[7]);
        if (r != nullptr && r->IsiCount() == 1 && kuu <= 2)
            return;
        if (kuu == 2 && strip.Iro[8] == kAki && EmptyNeighbours(strip[8]) == 2)
            return;
    }
    if (!InYomiArea(x))
        return;
    int v = 0;
    {
        TYomiTrial tr;
        tr.Play(oth, x);
        ToruRenMake();
        if (IkkenEdgeKuu(oth, x) == 2 && SichoCheck(x) == 1)
            return;
        // Can oth's block be cut off at once from above?
        tr.Play(col, strip[5]);
        tr.Play(oth, y);
        ToruRenMake();
        const int kuuY = IkkenEdgeKuu(oth, y);
        if (kuuY == 1 || (kuuY == 2 && SichoCheck(y) == 1))
            return;
        tr.Back();
        tr.Back();
        tr.Play(col, y);
        ToruRenMake();
        if (IkkenEdgeKuu(col, y) == 2 && SichoCheck(y) == 1) {
            tr.Back();
            v = Hyoka(oth);
        } else {
            v = TrialHyoka(tr, oth, {{oth, strip[5]}});
        }
    }
    if (JibunIro == oth) {
        AddKoho(x, v, 0);
        return;
    }
    TIroCounts n;
    CountNeighbour(y, n);
    Point a;
    if (n[oth] >= 2)
        a = strip[0];
    else if (n[kAki] == 2 && n[col] == 2 && strip.Iro[6] == col)
        a = TonariPairTeBent(strip[4], strip[6], strip[3], strip[7]);
    else
        a = n[col] == 2 && n[oth] == 0 ? strip[0] : y;
    AddKoho(a, v, 0);
}

void IkkenEdgeTukeHaneKiri(TKankeiBox strip)
{
    int col, oth;
    if (!StripColours(strip, col, oth))
        return;
    if (KiriMapAt(oth, strip[0]) != 1 || IkkenEdgeKuu(col, strip[4]) != 3)
        return;
    if (const TGun* g = GunAt(strip[4]); g != nullptr && g->GetDeath() == 1)
        return;
    int v = -999;
    {
        TYomiTrial tr;
        tr.Play(oth, strip[1]);
        tr.Play(col, strip[5]);
        tr.Play(oth, strip[0]);
        ToruRenMake();
        if (SichoCheck(strip[0]) == 1)
            return;
        tr.Back();
        tr.Back();
        tr.Play(col, strip[0]);
        tr.Play(oth, strip[5]);
        const Point e = StepBeyond(strip[4], strip[1]);
        const int mark = tr.Tries();
        if (tr.Play(col, e)) {
            ToruRenMake();
            if (IkkenEdgeKuu(col, e) >= 2)
                v = TrialHyoka(tr, oth, {{oth, strip[2]}});
        }
        tr.BackTo(mark);
        if (v == -999)
            v = Hyoka(oth);
    }
    if (JibunIro == oth) {
        AddKoho(strip[1], v, 0);
        AddPreparedTe(strip[1], strip[0], strip[5]);
        AddPreparedTe(strip[1], strip[5], strip[0]);
    } else {
        AddKoho(CurGoban().IsToruTenPt(oth, strip[0]) == 1 ? strip[0] : strip[5], v, 0);
    }
}

void IkkenEdgeTukeSitaAtari(TKankeiBox strip)
{
    int col, oth;
    if (!StripColours(strip, col, oth) || strip.Iro[1] != kAki || strip.Iro[2] != kAki)
        return;
    const Point x = strip[2];
    if (AtariMapAt(oth, x) != 1)
        return;
    const Point xb = StepBeyond(strip[5], x);
    // The atari mark may belong to col's chain at [5]; the reading is about
    // the chain beyond X.
    if (IroAt(xb) != col)
        return;
    int a = 0, b = 0;
    {
        TYomiTrial tr;
        tr.Play(oth, x);
        ToruRenMake();
        const Point l = RenKuuPt(xb, 1);
        if (IroAt(xb) != col || l.x == 0)
            return;
        a = TrialHyoka(tr, oth, {{col, strip[5]}, {oth, l}});
        b = TrialHyoka(tr, oth, {{col, l}, {oth, strip[5]}});
    }
    const int value = a >= b ? a : b;
    AddKoho(JibunIro == oth ? x : strip[5], value, 0);
}

void IkkenEdgeTukeDame(TKankeiBox strip)
{
    Point x, y, p, r, z;
    int col;
    if (strip.Iro[1] == kAki) {
        x = strip[1], y = strip[0], p = strip[7], r = strip[4], z = strip[6];
        col = strip.Iro[4];
    } else if (strip.Iro[10] == kAki) {
        x = strip[10], y = strip[9], p = strip[4], r = strip[7], z = strip[3];
        col = strip.Iro[7];
    } else {
        return;
    }
    if (col != kKuro && col != kSiro)
        return;
    const int oth = col ^ 3;
    const TGoban& g = CurGoban();
    if (IroAt(y) == col || g.IsKinsiPt(oth, x) == 1 || g.IsSelfAtariPt(oth, x) == 1 || LineNoPt(z) == 1)
        return;
    if (RenKuu(z) == 1) {
        if (IroAt(z) != IroAt(p))
            IkkenEdgeTukeAtariTori(p, z, oth);
        return;
    }
    const int a = SeqHyoka(col, {{col, x}});
    int b = 0;
    {
        TYomiTrial tr;
        tr.Play(oth, x);
        ToruRenMake();
        if (RenKuu(p) == 1) {
            const Point l = RenKuuPt(p, 1), lr = RenKuuPt(r, 1);
            b = TrialHyoka(tr, oth, {{col, l}});
            // oth's own capture of R, when the engine plays oth, moves the
            // value a third of the way up.
            if (JibunIro == oth && lr.x != 0) {
                const int e = TrialHyoka(tr, oth, {{oth, lr}});
                if (b < e)
                    b += (e - b) / 3;
            }
        } else {
            b = Hyoka(oth);
        }
    }
    AddKoho(x, a + b, 0);
}

void IkkenEdgeTukeAtariTori(Point p, Point z, int colour)
{
    const int other = colour ^ 3;
    const Point l = RenKuuPt(z, 1), l2 = RenKuuPt(p, 1);
    if (l.x == 0 || l2.x == 0)
        return;
    const int a = SeqHyoka(colour, {{colour, l}});
    const int b = SeqHyoka(other, {{other, l2}});
    AddKoho(JibunIro == colour ? l : l2, a + b, 0);
}

} // namespace vorn
