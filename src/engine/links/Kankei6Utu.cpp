#include "engine/links/Kankei6Utu.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/KuuIsi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/shapes/Keima.h"
#include "engine/Think.h"
#include "engine/links/Kankei6EdgeUtu.h"
#include "engine/links/Kankei6Kata.h"
#include "engine/links/Kankei6Nozoki.h"
#include "engine/links/Kankei6Warikomi.h"
#include "engine/shapes/KiriHyoka.h"

namespace vorn {

namespace {

constexpr TKankeiTest kKankei6Tests[] = {
    {{BoxCells({4}), BoxCells({7})}},
    {{BoxCells({3}), BoxCells({5}), BoxCells({6}), BoxCells({8})}},
    {{BoxCells({0}), BoxCells({2}), BoxCells({9}), BoxCells({11})}},
};

constexpr int kOrients[] = {kOrientPlain, kOrientAcross, kOrientAlong, kOrientBoth};

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// The saved area map at p; off the board nobody's.
int AreaBackupAt(Point p)
{
    if (p.x < 0 || p.x > 20 || p.y < 0 || p.y > 20)
        return 0;
    return AreaMapBackup[p.x][p.y];
}

} // namespace

int Kankei6Orient(const TKankeiBox& box, int k)
{
    for (int o : kOrients)
        if (box.IsOpp(box.Idx(o, k, 0)))
            return o;
    return -1;
}

int Kankei6StripOrient(const TKankeiBox& box)
{
    for (int o : kOrients)
        if (box.StripOpp(box.StripIdx(o, 1, 0)))
            return o;
    return -1;
}

int KeimaTukeOnBoard(Point a, Point b)
{
    const TGoban& g = CurGoban();
    return g.OnBoardPt(a) && g.OnBoardPt(b) ? KeimaTukeUtu(a, b) : 0;
}

int KiriHyokaOnBoard(int c, Point cut, Point a, Point b)
{
    const TGoban& g = CurGoban();
    return g.OnBoardPt(cut) && g.OnBoardPt(a) && g.OnBoardPt(b) ? KiriHyoka(c, cut, a, b) : -1;
}

void TrialAnalyze()
{
    if (Level > 0)
        CurGoban().Analyze();
}

int Kankei6Shape(const TKankeiBox& box) { return KankeiFirstMatch(box, kKankei6Tests); }

void Kankei6Utu(Point a, Point b)
{
    TKankeiBox box;
    if (!KankeiPrologue(a, b, Kankei6EdgeUtu, box) || box.D != 3)
        return;
    switch (Kankei6Shape(box)) {
    case kKankei6Warikomi:
        Kankei6Warikomi(box);
        break;
    case kKankei6Nozoki:
        Kankei6Nozoki(box);
        break;
    case kKankei6Kata:
        Kankei6Kata(box);
        break;
    default:
        KankeiStripMake(box, box[1], box[10]);
        if (box.StripOpp(2) || box.StripOpp(3) || box.StripOpp(4) || box.StripOpp(5))
            Kankei6Soto(box);
        Kankei6Free(box);
        break;
    }
}

void Kankei6Free(TKankeiBox box)
{
    const int own = box.Own, opp = box.Opp;
    for (int i : {0, 2, 9, 11})
        if (box.IsOwn(i))
            return;
    for (int i = 3; i <= 8; ++i)
        if (AreaBackupAt(box[i]) != 0)
            return;
    if (LineNoPt(box[4]) == 1)
        return;
    // The opponent's gap point: [7] only when strictly better.
    const int g4 = UtuHyoka(opp, box[4]), g7 = UtuHyoka(opp, box[7]);
    const Point gap = g4 < g7 ? box[7] : box[4];
    const int gapValue = g4 < g7 ? g7 : g4;
    // The owner's point beside the gaps: the first of the best.
    Point best = box[3];
    int s = UtuHyoka(own, best);
    for (int i : {5, 6, 8}) {
        const int v = UtuHyoka(own, box[i]);
        if (v > s) {
            s = v;
            best = box[i];
        }
    }
    KankeiKoho(box, best, gap, gapValue + s);
}

void Kankei6Soto(TKankeiBox box)
{
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[10]);
    const int own = box.Own, opp = box.Opp;
    int stones = 0;
    for (int i = 2; i <= 5; ++i)
        stones += box.StripOpp(i) ? 1 : 0;
    if (stones == 0)
        return;
    if (stones >= 2) {
        Kankei6Soto2(box);
        return;
    }
    // The roles for the stone on outer [2], turned onto the one that holds it.
    const int o = Kankei6StripOrient(box);
    auto at = [&box, o](int k, int j) { return box[box.Idx(o, k, j)]; };
    const Point s = box.Strip[box.StripIdx(o, 1, 0)];
    const Point gn = at(1, 1), gf = at(2, 1), e = at(0, 1);
    const Point r1 = at(0, 0), r2 = at(3, 0);
    const Point ns = at(1, 0), no = at(1, 2), fs = at(2, 0), fo = at(2, 2);
    if (LineNoPt(s) == 1)
        return;
    const Point p = StepBeyond(gf, fs);
    if (IroAt(r1) == own || IroAt(r2) == own || IroAt(p) == own)
        return;
    if (const TGun* g = GunAt(s); g != nullptr && g->IsDeath90() == 1)
        return;
    if (LineNoPt(gn) == 1)
        return;
    const Point w = StepBeyond(e, r1);
    if (IroAt(w) == own) {
        Kankei6SotoKiri(gn, no, gf, fo, ns, r1, w, s, opp);
        return;
    }
    if (IroAt(StepBeyond(ns, r1)) == opp)
        return;
    const int a = SeqHyoka(opp, {{opp, gn}, {own, no}, {opp, gf}, {own, fo}});
    int value = UtuHyoka(own, fs) + a;
    if (value < 13)
        value *= 2;
    if (value == 0)
        value = -1;
    PushKohoKind(kkLink2ken29);
    if (box.EngineAttacks()) {
        AddKoho(gn, value, 0);
        AddPreparedTe(gn, no, gf);
    } else {
        AddKoho(fs, value, 0);
    }
    PopKohoKind();
}

void Kankei6Soto2(TKankeiBox box)
{
    if (box.StripHigh < 0)
        KankeiStripMake(box, box[1], box[10]);
    int g, f1, f2;
    if (box.StripOpp(2) && box.StripOpp(3)) {
        g = 4, f1 = 3, f2 = 5;
    } else if (box.StripOpp(4) && box.StripOpp(5)) {
        g = 7, f1 = 6, f2 = 8;
    } else {
        return;
    }
    const int v = DeiriHyoka(box[g]);
    if (box.EngineAttacks()) {
        AddKoho(box[g], v, 0);
    } else {
        AddKoho(box[f1], v, 0);
        AddKoho(box[f2], v, 0);
    }
}

void Kankei6SotoKiri(Point gn, Point no, Point gf, Point fo, Point ns, Point r1, Point w, Point s, int attacker)
{
    const int own = attacker ^ 3;
    const int n = RenKuu(s);
    if (n == 1)
        return;
    // The owner cuts the outside stone off at Ns, and captures it when it
    // is left in atari.
    int o = 0;
    {
        TYomiTrial t;
        t.Play(own, ns);
        o = Hyoka(own);
        ToruRenMake();
        if (RenKuu(s) == 1) {
            t.Play(own, RenKuuPt(s, 1));
            const int o2 = Hyoka(own);
            if (JibunIro == own)
                o += (o2 - o) / 2;
        }
    }
    Point d;
    int a = 0;
    if (n > 2) {
        d = gn;
        a = SeqHyoka(attacker, {{attacker, gn}, {own, no}, {attacker, gf}, {own, fo}});
    } else if (RenKuu(w) <= 2) {
        d = r1;
        a = SeqHyoka(attacker, {{attacker, r1}, {attacker, gn}, {own, no}, {attacker, gf}, {own, fo}});
    } else {
        d = ns;
        a = SeqHyoka(attacker, {{attacker, ns}});
    }
    AddKohoSide(attacker, d, ns, o + a);
}

} // namespace vorn
