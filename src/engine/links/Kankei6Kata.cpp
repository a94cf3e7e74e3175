#include "engine/links/Kankei6Kata.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/links/Kankei6Utu.h"
#include "engine/shapes/LinkUtil.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

struct TKataRoles {
    Point C, E, Far, Ga, Gb, K, Ao, L, Bo, Co, Fs;
};

// The roles for the corner stone on [0], turned onto the first that holds.
bool KataRoles(const TKankeiBox& box, TKataRoles& r)
{
    const int o = Kankei6Orient(box, 0);
    if (o < 0)
        return false;
    auto at = [&box, o](int k, int j) { return box[box.Idx(o, k, j)]; };
    r.C = at(0, 0);
    r.E = at(0, 1);
    r.Co = at(0, 2);
    r.K = at(1, 0);
    r.Ga = at(1, 1);
    r.Ao = at(1, 2);
    r.L = at(2, 0);
    r.Gb = at(2, 1);
    r.Bo = at(2, 2);
    r.Fs = at(3, 0);
    r.Far = at(3, 1);
    return true;
}

// The push at Ga works for the opponent: after the owner's block at K
// and the opponent's L, its wedge at Ga makes a group with eyes.
bool KataPushWorks(const TKataRoles& r, int own, Point y, TYomiTrial& t)
{
    const int opp = own ^ 3;
    t.Play(own, r.K);
    ToruRenMake();
    if (RenKuu(r.K) <= 1)
        return true;
    if (SichoCheck(r.K) == 1)
        return false;
    t.Play(opp, r.L);
    ToruRenMake();
    if (RenKuu(r.L) < 2)
        return false;
    const Point save = RenKuu(r.C) == 1 ? RenKuuPt(r.C, 1) : y;
    if (!t.Play(own, save))
        return true;
    t.Play(opp, r.Gb);
    TrialAnalyze();
    const TGun* g = GunAt(r.Ga);
    return g != nullptr && g->GetIsiIro() == opp && g->GetMe() >= 4;
}

} // namespace

void Kankei6Kata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TKataRoles r;
    if (!KataRoles(box, r))
        return;
    if (IroAt(StepBeyond(r.E, r.C)) == own)
        return;
    const Point y = StepBeyond(r.Ga, r.K);
    if (IroAt(y) == kHen)
        return;
    if (IroAt(y) == own) {
        Dame2Utu(r.E, r.K, r.Ga, r.L, opp);
        return;
    }
    if (RenKuu(r.E) > 3) {
        Kankei6KataYomi(box);
        return;
    }
    int a = 0;
    {
        TYomiTrial t;
        t.Play(opp, r.Ga);
        const int mark = t.Tries();
        const bool works = KataPushWorks(r, own, y, t);
        t.BackTo(mark);
        if (!works)
            return;
        a = Hyoka(opp);
    }
    // The owner's answer: the gap, or the block at K when it has room and
    // the corner stone is short of liberties.
    Point d = r.Ga;
    if (EmptyNeighbours(r.K) >= 3) {
        const int libs = RenKuu(r.C);
        const TRen* c = ToruRenAt(r.C);
        if (libs <= 2 || (libs == 3 && c != nullptr && c->IsiCount() == 1 && IroAt(r.Co) == own))
            d = r.K;
    }
    KankeiKoho(box, d, r.Ga, UtuHyoka(own, d) + a);
}

void Kankei6KataYomi(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    TKataRoles r;
    if (!KataRoles(box, r))
        return;
    if (LineNoPt(r.K) == 2)
        return;
    // An owner stone behind E: the corner stone is shut in when the ladder
    // catches its escape behind itself.
    const Point eb = StepBeyond(r.Ga, r.E), cb = StepBeyond(r.K, r.C), cbb = StepBeyond(eb, cb);
    if (IroAt(eb) == own && IroAt(cb) == kAki && IroAt(cbb) == kAki) {
        const Point v = StepBeyond(r.E, r.C);
        TYomiTrial t;
        t.Play(own, cb);
        t.Play(opp, cbb);
        ToruRenMake();
        if (RenKuu(cbb) > 1 && t.Play(own, v)) {
            ToruRenMake();
            if (RenKuu(v) > 1) {
                t.Play(opp, r.K);
                ToruRenMake();
                if (SichoCheck(cbb) == 1)
                    return;
            }
        }
    }
    if (IroAt(StepBeyond(r.Ga, r.K)) == opp || IroAt(StepBeyond(r.Gb, r.L)) == opp ||
        IroAt(StepBeyond(r.Far, r.Fs)) == opp)
        return;
    int a = 0, n = 0;
    {
        TYomiTrial t;
        t.Play(opp, r.Ga);
        t.Play(own, r.Ao);
        t.Play(opp, r.Bo);
        t.Play(own, r.Gb);
        t.Play(opp, r.K);
        a = Hyoka(opp);
        ToruRenMake();
        n = RenKuu(r.Bo);
    }
    // The wedge at Bo ends in atari or is gone.
    if (n <= 1)
        return;
    Point d = r.Ga;
    int o = 0;
    if (EmptyNeighbours(r.K) == 3) {
        TYomiTrial t;
        t.Play(own, r.K);
        t.Play(opp, r.Ga);
        ToruRenMake();
        const int s = SichoCheck(r.Ga);
        t.Back();
        if (s == 1) {
            d = r.K;
            o = Hyoka(own);
        }
    }
    if (d == r.Ga)
        o = UtuHyoka(own, r.Ga);
    KankeiKoho(box, d, r.Ga, o + a);
}

} // namespace vorn
