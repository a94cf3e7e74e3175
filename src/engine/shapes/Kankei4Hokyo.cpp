#include "engine/shapes/Kankei4Hokyo.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/Keima.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

constexpr TRefusal kGoOn = TRefusal::GoOn;

// The full analysis of the position reached, and its value for c; 0 at the
// game position (nothing stood).
void AnalyzeReached()
{
    if (Level > 0)
        CurGoban().Analyze();
}

int DiffReached(int c) { return Level > 0 ? HyokaDiff(c) : 0; }

// An attacker's stone at R1 (or R4) touching the end stone S.
void Kankei4HokyoTuke(const TKeimaBox& k)
{
    const int def = k.own, att = k.att;
    if (k.c[1] == att && k.c[4] == att)
        return;
    const bool r1 = k.c[1] == att;
    const Point o = r1 ? k.R[1] : k.R[4], s = r1 ? k.R[0] : k.R[5];
    const Point p1 = r1 ? k.R[3] : k.R[2], p2 = r1 ? k.R[2] : k.R[3];
    const TGoban& g = CurGoban();
    if (g.IsSelfAtariPt(def, p1) != 0 || g.IsSelfAtariPt(att, p1) != 0 || IsDeadAt(k.R[0]) || IsDeadAt(o) ||
        SichoOf(o) == 1)
        return;

    // The attacker's cut at P1 against the owner's P2.
    int e1 = 0, bonus = 0;
    {
        TShapeYomi y(kGoOn);
        y.Play(att, p1);
        y.Play(def, p2);
        if (IroOf(p1) == att && KuuOf(p1) > 1) {
            e1 = y.ScoreReached(att);
            y.Back();
            y.Play(att, p2);
            bonus = y.ScoreReached(att);
        } else {
            y.Play(att, KuuPointOf(p1, 1));
            e1 = y.ScoreReached(att);
        }
    }
    // The owner's connection at P1.
    int e2 = 0;
    bool atari = false;
    {
        TShapeYomi y(kGoOn);
        y.Play(def, p1);
        if (IroOf(p1) == def && SichoCheck(p1) == 1)
            return;
        e2 = y.ScoreReached(def);
        atari = HasAtariRen8(p1, att);
    }
    int v = e1 + e2;
    if (2 * v < bonus) {
        v *= 2;
        bonus = JibunIro == att ? bonus - v : 0;
    }
    if (JibunIro == def) {
        if (atari)
            v += 2;
        if (v == 4 && IsiOf(s) == 1 && KuuOf(s) <= 3)
            v += 3;
    }
    AddKoho(p1, v, bonus);
}

// The owner extends from the end stone S with two liberties after the cut:
// the attacker ataris from either side.  Answers e_x, the attacker's value
// of the ladder on an owner's chain left with two liberties (0 when none),
// and lowers eAtt by the owner's answer to that ladder.
int Kankei4HokyoSotoSicho(TShapeYomi& y, int def, int att, Point s, int& eAtt)
{
    int ex = 0;
    if (KuuOf(s) != 2)
        return ex;
    const Point lib[2] = {KuuPointOf(s, 1), KuuPointOf(s, 2)};
    for (const Point l : lib) {
        const int mark = y.Tries();
        if (!y.PushPlay(att, l) || KuuOf(l) == 1) {
            y.BackTo(mark);
            continue;
        }
        const Point ext = KuuPointOf(s, 1);
        const int markExt = y.Tries();
        if (!y.Play(def, ext)) {
            y.BackTo(mark);
            continue;
        }
        // The last owner's chain next to L with two liberties.
        Point x;
        int list[4];
        const int n = ListTonariRen(l, def, list);
        for (int i = 0; i < n; ++i)
            if (const TRen* rr = CurGoban().RenList.Items(list[i]); rr != nullptr && rr->Kuu() == 2)
                x = rr->GetIsi(1);
        Point m;
        if (x.x != 0 && SichoCheck(x) == 1) {
            m = SichoTeOf(x, 1);
            ex = y.ScoreAfter(att, {{att, m}});
        }
        y.BackTo(markExt);
        // Only the ladder read here may be answered here.
        if (m.x != 0 && ex > 0)
            eAtt = std::min(ex, y.ScoreAfter(att, {{def, m}, {att, ext}}));
        y.BackTo(mark);
    }
    return ex;
}

// An attacker's stone at D2 (or D3), outside the middle point P1.
void Kankei4HokyoSoto(const TKeimaBox& k)
{
    const int def = k.own, att = k.att;
    const bool d2 = k.d[2] == att;
    const Point o = d2 ? k.D[2] : k.D[3], p1 = d2 ? k.R[2] : k.R[3], p2 = d2 ? k.R[3] : k.R[2];
    const Point s = d2 ? k.R[0] : k.R[5], q = d2 ? k.R[1] : k.R[4];
    if (KuuOf(o) == 1 || IsDeadAt(o))
        return;
    int eDef = 0;
    {
        TShapeYomi y(kGoOn);
        y.Play(def, p1);
        AnalyzeReached();
        if (IsDeath90At(p1) && JibunIro == def)
            return;
        eDef = DiffReached(def);
    }
    TShapeYomi y(kGoOn);
    y.Play(att, p1);
    y.Play(def, p2);
    AnalyzeReached();
    if (IroOf(p1) == att && IsDeath90At(p1))
        return;
    int eAtt = DiffReached(att);
    const int ex = Kankei4HokyoSotoSicho(y, def, att, s, eAtt);
    y.BackTo(1);
    if (ex > 0) {
        const int ez = y.ScoreAfter(att, {{def, q}, {att, p2}, {def, StepBeyond(p1, p2)}});
        if (ez < ex)
            eAtt = ez;
    }
    int bonus = 0;
    if (JibunIro == att)
        bonus = y.ScoreAfter(att, {{att, p2}});
    y.BackAll();
    int v = eDef + eAtt;
    if (2 * v < bonus) {
        v *= 2;
        bonus = 0;
    }
    AddKoho(p1, v, bonus);
    LinkMark1Set(p1, 1);
}

// An attacker's stone at D1 (or D4), on the far line beside an end stone.
void Kankei4HokyoTooi(const TKeimaBox& k)
{
    const int def = k.own, att = k.att;
    if (MeAt(k.R[0]) < 3)
        return;
    const bool d1 = k.d[1] == att;
    const Point o = d1 ? k.D[1] : k.D[4], p1 = d1 ? k.R[3] : k.R[2], p2 = d1 ? k.R[2] : k.R[3];
    const Point f = d1 ? k.D[5] : k.D[0], n = d1 ? k.D[3] : k.D[2];
    if (IroOf(n) == def || MeAt(o) < 3)
        return;
    TShapeYomi y(kGoOn);
    y.Play(att, p1);
    y.Play(def, p2);
    const int ea = y.ScoreReached(att);
    y.Back();
    int v = 0, bonus = 0;
    if (IroOf(f) == att) {
        // Two attacker's stones along the far line.
        y.Play(att, p2);
        const int e2 = y.ScoreReached(att);
        y.BackAll();
        v = ea + y.ScoreAfter(def, {{def, p1}});
        if (2 * v < e2) {
            v *= 2;
            if (JibunIro == att)
                bonus = e2;
        }
    } else {
        if (JibunIro == att)
            bonus = y.ScoreAfter(att, {{att, p2}});
        y.BackAll();
        v = Kankei4FarValue(ea + y.ScoreAfter(def, {{def, p1}}), JibunIro == att);
    }
    AddKoho(p1, v, bonus);
    LinkMark1Set(p1, 1);
}

} // namespace

int Kankei4FarValue(int sum, bool engineAttacks)
{
    if (!engineAttacks)
        return sum;
    return sum <= 2 ? 2 * sum : sum + sum / 2;
}

void Kankei4Hokyo(Point a, Point b)
{
    const TKeimaBox k(a, b);
    const int att = k.att;
    if (att == 0 || k.c[2] == att || k.c[3] == att)
        return;
    if (k.c[1] == att || k.c[4] == att)
        Kankei4HokyoTuke(k);
    else if (k.d[2] == att || k.d[3] == att)
        Kankei4HokyoSoto(k);
    else if (k.d[1] == att || k.d[4] == att)
        Kankei4HokyoTooi(k);
}

} // namespace vorn
