#include "engine/links/Kankei10Nozoki.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/links/Kankei6Utu.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// The points of a peep beside the middle gap, by the side of the peeping
// stone W: N the other flank of [7], Q1 and Q2 the flanks of [4] and [10]
// on N's side, P1 and P2 those on W's side.
struct TNakaRoles {
    Point W, N, Q1, Q2, P1, P2;
};

// The roles for the stone on [6], else on [8]; false when neither holds
// the opponent.
bool NakaRoles(const TKankeiBox& box, TNakaRoles& r)
{
    if (box.IsOpp(6))
        r = {box[6], box[8], box[5], box[11], box[3], box[9]};
    else if (box.IsOpp(8))
        r = {box[8], box[6], box[3], box[9], box[5], box[11]};
    else
        return false;
    return true;
}

} // namespace

void Kankei10NakaNozoki(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TNakaRoles r;
    if (!NakaRoles(box, r) || IroAt(r.N) != kAki)
        return;
    // The opponent two lines out beside A or B on N's side.
    if (IroAt(StepBeyond(box[7], r.Q1)) == opp || IroAt(StepBeyond(box[7], r.Q2)) == opp)
        return;
    if (LineNoPt(box[7]) == 2) {
        Kankei10NakaNozokiHen(box);
        return;
    }
    if (IroAt(r.P1) == opp || IroAt(r.P2) == opp) {
        const int e1 = UtuHyoka(own, r.N), e2 = UtuHyoka(opp, r.N);
        AddKoho(r.N, e1 + e2, 0);
        return;
    }
    Point own7 = box[7];
    int h = 0;
    {
        TYomiTrial t;
        t.Play(own, box[7]);
        h = Hyoka(own);
        const TGun* gw = GunAt(r.W);
        if (gw != nullptr && gw->GetDeath() == 1)
            own7 = r.N;
        else if (IroAt(r.P1) == kAki && IroAt(StepBeyond(box[4], r.P1)) == own)
            own7 = r.N;
        else if (IroAt(r.P2) == kAki && IroAt(StepBeyond(box[10], r.P2)) == own)
            own7 = r.N;
    }
    const int e2 = UtuHyoka(opp, r.N);
    KankeiKoho(box, own7, r.N, h + e2);
}

void Kankei10NakaNozokiHen(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TNakaRoles r;
    if (!NakaRoles(box, r) || LineNoPt(r.W) == 1)
        return;
    if (IroAt(r.P1) == opp && IroAt(r.P2) == opp) {
        const TGun* ga = GunAt(box[1]);
        const Point q = ga != nullptr && ga->GetMe() >= 4 ? r.Q1 : r.Q2;
        const int h1 = SeqHyoka(own, {{own, q}});
        const int h2 = SeqHyoka(opp, {{opp, q}});
        AddKoho(q, h1 + h2, 0);
        return;
    }
    const int h1 = SeqHyoka(own, {{own, box[7]}});
    const int e4 = SeqHyoka(opp, {{opp, box[4]}});
    const int e10 = SeqHyoka(opp, {{opp, box[10]}});
    const Point push = e4 >= e10 ? box[4] : box[10];
    KankeiKoho(box, box[7], push, h1 + (e4 >= e10 ? e4 : e10));
}

void Kankei10Nozoki(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    KankeiStripMake(box, box[1], box[13]);
    // The end whose gap is peeped.
    Point e, g;
    if (box.IsOpp(3) || box.IsOpp(5))
        e = box[1], g = box[4];
    else if (box.IsOpp(9) || box.IsOpp(11))
        e = box[13], g = box[10];
    else
        return;
    // The middle gap's flank away from the peep.
    Point m2;
    if (box.IsOpp(3) || box.IsOpp(9))
        m2 = box[8];
    else
        m2 = box[6];
    // The peeping stone S: K the end-row corner on the other side, D the
    // other flank of S's gap, Z two lines out beside the end on the other
    // side, C2 the end-row corner on S's side.
    Point s, k, d, z, c2;
    if (box.IsOpp(3))
        s = box[3], k = box[2], d = box[5], z = box.Strip[1], c2 = box[0];
    else if (box.IsOpp(9))
        s = box[9], k = box[14], d = box[11], z = box.Strip[9], c2 = box[12];
    else if (box.IsOpp(5))
        s = box[5], k = box[0], d = box[3], z = box.Strip[0], c2 = box[2];
    else
        s = box[11], k = box[12], d = box[9], z = box.Strip[8], c2 = box[14];
    const int zc = IroAt(z);
    if (zc == opp)
        return;
    const Point t1 = StepBeyond(e, c2); // two lines out beside the end, S's side
    const Point t2 = StepBeyond(d, k);  // behind the end, K's side
    const Point t3 = StepBeyond(s, c2); // behind the end, S's side
    if (IroAt(k) == own) {
        AddKohoHyoka(box[7]);
        return;
    }
    Point r = g;
    if (RenKuu(e) <= 2 || IroAt(t2) == own || zc == own)
        r = m2;
    const int vo = UtuHyoka(own, r);
    // The owner's corner C2 when it leaves the peeping stone weak, with the
    // hane from T1 answered at G.
    if (JibunIro == own && LineNoPt(t1) == 1 && IroAt(c2) == kAki && IroAt(t3) == opp && IroAt(t1) == kAki) {
        TYomiTrial t;
        t.Play(own, c2);
        TrialAnalyze();
        if (const TGun* gs = GunAt(s); gs != nullptr && gs->IsWeak()) {
            r = c2;
            AddPreparedTe(c2, t1, g);
        }
    }
    Point xp;
    if (LineNoPt(box[7]) == 2) {
        xp = c2;
    } else if (AtariMapAt(own, g) == 1) {
        xp = box[7];
    } else {
        xp = m2;
        TIroCounts n;
        CountAround8(k, n);
        if (IroAt(k) == kAki && n[kAki] == 7)
            xp = g;
    }
    const int vx = UtuHyoka(opp, xp);
    KankeiKoho(box, r, xp, vo + vx);
}

} // namespace vorn
