#include "engine/links/Kankei6EdgeKata.h"

#include <algorithm>
#include <initializer_list>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/Yose.h"
#include "engine/links/IkkenEdgeRenraku.h"
#include "engine/links/Kankei6EdgeUtu.h"
#include "engine/links/Kankei6Utu.h"

namespace vorn {

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// A line value from the descent counts at most this much.
constexpr int kLineCap = 22;

struct TKataPts {
    Point X, K, E, F;
    Point L7, XS2, K2, K3, E2, Back, XB, XS2B, FB;
};

TKataPts KataPts(const TKankeiBox& box)
{
    const int s = box.IsOpp(0) ? 0 : 2, o = 2 - s;
    TKataPts r;
    r.X = box[s];
    r.K = box[3 + s];
    r.E = box[3 + o];
    r.F = box[o];
    r.L7 = StepBeyond(r.X, r.K);
    r.XS2 = StepBeyond(box[1], r.X);
    r.K2 = StepBeyond(box[4], r.K);
    r.K3 = StepBeyond(r.K, r.K2);
    r.E2 = StepBeyond(box[4], r.E);
    r.Back = StepBeyond(box[4], box[1]);
    r.XB = StepBeyond(r.K, r.X);
    r.XS2B = StepBeyond(r.K2, r.XS2);
    r.FB = StepBeyond(r.E, r.F);
    return r;
}

// The moves of one side's line, in play order (up to three).
struct TLine {
    Point P[3];
    int N = 0;
    void Set(std::initializer_list<Point> pts)
    {
        N = 0;
        for (Point p : pts)
            P[N++] = p;
    }
};

// The second box along the second line from `from` to `to`, mirrored when
// its [3] is empty so that column 0 is the side of the stone beside row 1.
bool SecondBox(Point from, Point to, TKankeiBox& b2)
{
    if (!KankeiBoxMake(from, to, b2) || b2.D != 3)
        return false;
    if (b2.IsAki(3)) {
        KankeiMirrorBox(b2);
        KankeiBoxColours(b2);
    }
    return true;
}

} // namespace

void Kankei6EdgeKata(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    if (!box.IsOpp(0) && !box.IsOpp(2))
        return;
    const TKataPts r = KataPts(box);
    const Point stone = box[1], gap = box[4];

    // The shapes this reading is for.
    const int ls = IkkenEdgeKuu(own, stone), lx = IkkenEdgeKuu(opp, r.X);
    if (ls == 1 || lx == 1)
        return;
    if (LineNoPt(r.XS2) < 2 || LineNoPt(r.F) < 2)
        return;
    if (IroAt(r.L7) != kAki)
        return;
    if (IroAt(r.XS2) == own) {
        if (IkkenEdgeKuu(own, r.XS2) > 1)
            return;
    } else if (own != kKuro) {
        return;
    }
    if (IroAt(r.F) == opp || IroAt(r.E) == kHen || IroAt(r.E) == opp)
        return;
    if ((IroAt(r.K2) == own && IkkenEdgeKuu(own, r.K2) > 1) || IroAt(r.K3) == own || IroAt(r.E2) == opp)
        return;

    LinkMark1Set(r.K, 1);
    LinkMark1Set(gap, 1);
    if (IroAt(r.K2) == opp || IroAt(r.E) == own) {
        Kankei6EdgeKataNobi(r.K2, r.E);
        return;
    }
    if ((ls == 2 || lx == 2) && Kankei6EdgeKataDame2(box))
        return;
    if ((IroAt(r.Back) == own || IroAt(r.XB) == opp) && Kankei6EdgeKataHiraki(r.Back, r.XB, stone, r.X))
        return;

    // D: the point that answers an atari found on the way (AtariF).
    Point d;
    bool atariF = false;

    // The owner's line: the hane at K.
    TLine ol;
    int va = 0;
    if (IroAt(r.K2) == kAki) {
        TYomiTrial t;
        t.Play(own, r.K);
        t.Play(opp, r.K2);
        ol.Set({r.K});
        bool ok = true;
        ToruRenMake();
        if (IkkenEdgeKuu(opp, r.K2) == 1) {
            ok = false;
        } else if (IkkenEdgeKuu(opp, r.X) == 2 && IroAt(r.XS2) == kAki) {
            // The owner's XS2 ataris X: when X's escape leaves XS2 healthy,
            // the hane is no good.
            const int mark = t.Tries();
            if (t.Play(own, r.XS2)) {
                ToruRenMake();
                if (IkkenEdgeKuu(own, r.XS2) >= 2 && t.Play(opp, RenKuuPt(r.X, 1))) {
                    ToruRenMake();
                    if (IkkenEdgeKuu(own, r.XS2) >= 2)
                        ok = false;
                }
            }
            t.BackTo(mark);
        }
        if (ok) {
            ol.Set({r.K, r.K2});
            const int mark = t.Tries();
            t.Play(own, gap);
            TrialAnalyze();
            const TGun* g = GunAt(r.K2);
            if (g != nullptr && g->GetMe() >= 4) {
                ol.Set({r.K, r.K2, gap});
                va = std::min(Kankei6EdgeKataHyoka(r.K, r.K2, r.XS2, r.X, own), kLineCap);
            } else {
                // The K2 group short of eyes extends to open space.
                Point p;
                if (g != nullptr)
                    GunHirogeruBest(*g, p);
                if (p.x != 0) {
                    va = TrialHyoka(t, own, {{opp, p}});
                    if (va < 0) {
                        va = Hyoka(own);
                        if (va > 25)
                            va = 12;
                    }
                } else {
                    va = Hyoka(own);
                }
            }
            if (JibunIro == own && LineNoPt(r.XS2) >= 2) {
                const int m = t.Tries();
                if (t.Play(own, r.XS2)) {
                    ToruRenMake();
                    d = gap;
                    atariF = IkkenEdgeKuu(own, r.XS2) == 1;
                }
                t.BackTo(m);
            }
            t.BackTo(mark);
            // The extension behind the stone, against the opponent's XS2B.
            if (IroAt(r.Back) == kAki && IroAt(r.XS2B) == opp && EmptyNeighbours(r.Back) == 3) {
                t.BackAll();
                va = TrialHyoka(t, own, {{own, r.Back}});
                ol.Set({r.Back});
            }
        } else {
            t.Back();
            va = TrialHyoka(t, own, {{opp, r.XS2}});
        }
    } else {
        ol.Set({gap});
        TYomiTrial t;
        t.Play(own, gap);
        va = IroAt(r.K2) == own ? TrialHyoka(t, own, {{opp, r.K}}) : Hyoka(own);
    }

    // The opponent's line: the push at [4].
    TLine al;
    int vb = 0;
    bool cap25 = false;
    {
        TYomiTrial t;
        t.Play(opp, gap);
        t.Play(own, r.E);
        al.Set({gap});
        bool ok = true;
        ToruRenMake();
        if (IkkenEdgeKuu(own, r.E) == 1) {
            ok = false;
        } else if (IkkenEdgeKuu(own, stone) == 2 && IroAt(r.F) == kAki) {
            const int mark = t.Tries();
            if (t.Play(opp, r.F)) {
                ToruRenMake();
                if (IkkenEdgeKuu(opp, r.F) >= 2) {
                    t.Play(own, RenKuuPt(stone, 1));
                    ToruRenMake();
                    if (IkkenEdgeKuu(opp, r.F) >= 2)
                        ok = false;
                }
            }
            t.BackTo(mark);
        }
        if (ok) {
            t.Play(opp, r.K);
            TrialAnalyze();
            Point third = r.K;
            if (const TGun* gk = GunAt(r.K); gk != nullptr && gk->IsDeath90() == 1 && IroAt(r.K2) == kAki) {
                cap25 = true;
                third = r.K2;
                if (LineNoPt(r.XS2B) == 2 && IroAt(r.XS2B) == kAki && EmptyNeighbours(r.XS2B) == 4)
                    third = r.XS2B;
            }
            al.Set({gap, r.E, third});
            vb = std::min(Kankei6EdgeKataHyoka(gap, r.E, r.F, stone, opp), kLineCap);
            if (JibunIro == opp && LineNoPt(r.F) >= 2) {
                d = r.K;
                const int m = t.Tries();
                if (!t.Play(opp, r.F)) {
                    atariF = true;
                } else {
                    ToruRenMake();
                    atariF = IkkenEdgeKuu(opp, r.F) == 1;
                }
                t.BackTo(m);
            }
            // The hane behind X, with only the opponent's [4] standing.
            if (IroAt(r.XB) == kAki && IroAt(r.FB) == own && EmptyNeighbours(r.XB) == 3) {
                t.BackTo(1);
                const int tv = TrialHyoka(t, opp, {{opp, r.XB}});
                if (tv >= vb) {
                    vb = tv;
                    al.Set({r.XB});
                }
            }
        } else {
            t.Back();
            vb = TrialHyoka(t, opp, {{own, r.F}});
        }
    }

    int v = va + vb;
    if (v <= 0)
        return;
    if (v >= 20)
        ++v;
    if (cap25 && v > 25)
        v = 25;
    if (JibunIro == own) {
        if (atariF && ol.N >= 2 && EmptyNeighbours(d) == 3 && EmptyNeighbours(ol.P[1]) == 4) {
            AddKoho(d, v, 0);
        } else {
            AddKoho(ol.P[0], v, 0);
            if (ol.N == 3)
                AddPreparedTe(ol.P[0], ol.P[1], ol.P[2]);
        }
    } else if (atariF && al.N >= 2 && EmptyNeighbours(d) == 3 && EmptyNeighbours(al.P[1]) == 4) {
        // The hane at K instead of the push, when X has a friend nearby.
        const TLocate* loc = KankeiLocateAt(r.X);
        AddKoho(loc != nullptr && loc->HasKankeiLE(4, JibunIro) ? d : al.P[0], v, 0);
    } else {
        AddKoho(al.P[0], v, 0);
        if (al.N == 3)
            AddPreparedTe(al.P[0], al.P[1], al.P[2]);
    }
}

int Kankei6EdgeKataHyoka(Point p1, Point p2, Point p3, Point p4, int col)
{
    const int other = col ^ 3;
    const int result = Hyoka(col);
    // Z: the first-line point under p2.
    const Point z = StepBeyond(p3, p2);
    if (IroAt(z) != kAki)
        return result;
    TYomiTrial t;
    if (!t.Play(col, z))
        return result;
    ToruRenMake();
    if (IkkenEdgeKuu(col, z) == 1)
        return result;
    // Z2 under p1, Z3 the next first-line point outward, Z4 the next
    // second-line point outward.
    const Point z2 = StepBeyond(p4, p1), z3 = StepBeyond(z2, z), z4 = StepBeyond(p1, p2);
    if (IroAt(z3) != kAki || !t.Play(other, z3))
        return result;
    ToruRenMake();
    bool ok = IkkenEdgeKuu(other, z3) != 1;
    if (ok && RenKuu(p2) == 2 && IroAt(z4) == kAki) {
        const int mark = t.Tries();
        if (t.Play(col, z4)) {
            ToruRenMake();
            if (IkkenEdgeKuu(col, z4) >= 2) {
                t.Play(other, z2);
                ToruRenMake();
                if (SichoCheck(p2) == 1)
                    ok = false;
            }
        }
        t.BackTo(mark);
    }
    if (ok)
        return TrialHyoka(t, col, {{col, z2}});
    t.Back();
    return TrialHyoka(t, col, {{other, z4}});
}

void Kankei6EdgeKataNobi(Point k2, Point e)
{
    TKankeiBox b2;
    if (!SecondBox(k2, e, b2))
        return;
    // The contact stone X is the attacker, in the shapes that come here the
    // relation's opponent.
    const int attacker = b2.Iro[3];
    if (!IsStone(attacker))
        return;
    const int defender = attacker ^ 3;
    const Point k = b2[4], gap = b2[7];
    const Point p = IroAt(k2) == kAki && IroAt(e) == defender ? k : gap;
    const Point q = IroAt(e) == kAki && IroAt(k2) == attacker ? gap : k;
    const int a = SeqHyoka(attacker, {{attacker, p}});
    const int b = SeqHyoka(defender, {{defender, q}});
    AddKohoSide(attacker, p, q, a + b);
}

bool Kankei6EdgeKataDame2(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    const TKataPts r = KataPts(box);
    TKankeiBox b2;
    if (!SecondBox(r.E, r.K2, b2))
        return true;
    // Rows of the second box: E, [4], K, K2; its [3] the owner's stone,
    // [0] F, [6] X, [9] XS2.
    const Point s = b2[3], x = b2[6], f = b2[0], xs2 = b2[9];
    const Point gap = b2[4], k = b2[7], k2 = b2[10];
    const int l1 = RenKuu(s), l2 = RenKuu(x);
    if (l1 <= 1 || l2 <= 1)
        return true;
    if (Kankei6EdgeSicho(IroAt(s), s) == 1 || Kankei6EdgeSicho(IroAt(x), x) == 1)
        return true;
    const Point back = StepBeyond(gap, s);
    if (IroAt(back) == kHen)
        return true;
    const Point xb = StepBeyond(k, x);
    if (!IsStone(IroAt(back)) && !IsStone(IroAt(xb)))
        return Kankei6EdgeKataDame2Check(b2);

    // The opponent's move O with its value u.
    const TGoban& g = CurGoban();
    Point o;
    int u = 0;
    if (l1 == 2 && b2.IsAki(0) && g.IsSelfAtariPt(opp, f) == 0) {
        o = f;
        u = SeqHyoka(opp, {{opp, f}, {own, gap}, {opp, b2[1]}});
    } else {
        o = AtariMapAt(opp, gap) == 1 ? gap : k;
        u = SeqHyoka(opp, {{opp, o}});
        if (u < 0 && JibunIro == opp)
            return true;
    }
    // The owner's move M with its value w.
    Point m;
    int w = 0;
    if (l2 == 2 && b2.IsAki(0) && b2.IsAki(9) && g.IsSelfAtariPt(opp, xs2) == 0) {
        if (IroAt(StepBeyond(k2, xs2)) == opp)
            return true;
        m = xs2;
        w = SeqHyoka(own, {{own, xs2}, {opp, k}, {own, k2}});
    } else {
        m = AtariMapAt(own, k) == 1 ? k : gap;
        w = SeqHyoka(own, {{own, m}});
    }
    AddKohoSide(opp, o, m, u + w);
    return true;
}

bool Kankei6EdgeKataDame2Check(const TKankeiBox& second)
{
    const int defender = second.Iro[3], attacker = defender ^ 3;
    if (second.Iro[0] == attacker && RenKuu(second[0]) >= 2)
        return true;
    return second.Iro[9] == defender && RenKuu(second[9]) >= 2;
}

bool Kankei6EdgeKataHiraki(Point back, Point xb, Point s, Point x)
{
    if (IroAt(back) != kAki && IroAt(xb) != kAki)
        return false;
    // col extends along the third line into the open: the owner beyond XS2
    // on X's side, or the opponent beyond F on the free side; the other
    // side answers behind XS2 or behind F.
    const Point xs2 = StepBeyond(s, x);
    int col = 0;
    Point t, u;
    if (IroAt(xb) == kAki) {
        col = IroAt(back);
        t = StepBeyond(x, xs2);
        u = StepBeyond(back, xb);
    } else {
        col = IroAt(xb);
        const Point f = StepBeyond(x, s);
        t = StepBeyond(s, f);
        u = StepBeyond(xb, back);
    }
    if (!IsStone(col) || IroAt(t) != kAki)
        return false;
    TIroCounts around;
    CountAround8(t, around);
    if (around[kAki] != 8)
        return false;
    const int a = SeqHyoka(col, {{col, t}});
    const int b = SeqHyoka(col, {{col ^ 3, u}});
    AddKohoSide(col ^ 3, u, t, a + b);
    return true;
}

} // namespace vorn
