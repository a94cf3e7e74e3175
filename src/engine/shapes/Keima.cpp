#include "engine/shapes/Keima.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/shapes/KeimaSoto.h"
#include "engine/shapes/KeimaTuke.h"
#include "engine/shapes/KeimaWarikomi.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

// The roles of the contact frame with the attacker at R[1]: a box cell or a
// cell of the outer rows.  With the attacker at R[4] every cell i becomes
// 5 - i.
struct TRoleCell {
    bool outer;
    int i;
};
enum { kS, kT, kM, kN, kF, kO, kX, kZ, kEM, kEN, kEF, kW, kRoles };
constexpr TRoleCell kContactCells[kRoles] = {
    {false, 0}, {false, 1}, {false, 2}, {false, 3}, {false, 4}, {false, 5}, // S T M N F O
    {true, 1},  {true, 0},  {true, 2},  {true, 3},  {true, 4},  {true, 5},  // X Z E_M E_N E_F W
};
constexpr TPerm kMirror = ReversePerm(5);

bool Weak(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsWeak();
}

bool Death70(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsDeath70() == 1;
}

} // namespace

TKeimaBox::TKeimaBox(Point a, Point b)
{
    BetweenRows(a, b, std::span<Point>(R.begin(), 6));
    BetweenDiag(a, b, std::span<Point>(D.begin(), 6));
    for (int i = 0; i <= 5; ++i) {
        c[i] = static_cast<std::uint8_t>(IroOf(R[i]));
        d[i] = static_cast<std::uint8_t>(IroOf(D[i]));
    }
    own = c[0];
    att = IsStone(own) ? Aite(own) : 0;
}

TKeimaFrame::TKeimaFrame(const TKeimaBox& box, bool r4) : own(box.own), att(box.att), atR4(r4)
{
    const TPerm& p = r4 ? kMirror : kIdentity;
    Point* const role[kRoles] = {&S, &T, &M, &N, &F, &O, &X, &Z, &EM, &EN, &EF, &W};
    for (int k = 0; k < kRoles; ++k) {
        const TRoleCell& cell = kContactCells[k];
        *role[k] = cell.outer ? box.D[p[cell.i]] : box.R[p[cell.i]];
    }
    Y = StepBeyond(M, S);
    Y2 = StepBeyond(S, Y);
    U = StepBeyond(N, T);
    Q = StepBeyond(M, F);
    X2 = StepBeyond(T, X);
    N2 = StepBeyond(N, EN);
}

void KeimaRenraku(Point a, Point b)
{
    const TShape s(4, a, b);
    if (!s.Valid() || !s.Gate())
        return;
    const TKeimaBox box(a, b);
    if (box.c[5] != box.own)
        return;
    if (KuuOf(box.R[0]) == 1 || KuuOf(box.R[5]) == 1)
        return;
    const int att = box.att;
    if (box.c[2] == att || box.c[3] == att) {
        KeimaWarikomi(box.Rs(), box.Cs(), att);
        return;
    }
    if (box.c[1] == att || box.c[4] == att) {
        KeimaTuke(a, b);
        return;
    }
    KeimaFree(box.Rs(), att);
}

void KeimaFree(std::span<const Point> r, int att)
{
    if (r.size() < 6 || !IsStone(att))
        return;
    Point d[6];
    BetweenDiag(r[0], r[5], d);
    std::uint8_t dc[6];
    for (int i = 0; i < 6; ++i)
        dc[i] = static_cast<std::uint8_t>(IroOf(d[i]));
    if (dc[2] == att || dc[3] == att) {
        KeimaSotoNaka(r, d, dc, att);
    } else if (dc[1] == att || dc[4] == att) {
        KeimaSotoHane(r, d, dc, att);
        KeimaSotoHaneSicho(r, d, dc, att);
    } else if (dc[0] == att || dc[5] == att) {
        KeimaSotoTuke(r, d, dc, att);
    }
}

int KeimaTukeUtu(Point a, Point b)
{
    const TKeimaBox box(a, b);
    if (!IsStone(box.own))
        return 0;
    const int own = box.own, att = box.att;
    const TKeimaFrame f = TKeimaFrame::Of(box);
    if (IroOf(f.M) != kAki || IroOf(f.F) == own || IroOf(f.Z) == att)
        return 0;
    const int s = KuuOf(f.S);
    if (s <= 1)
        return 0;
    if (s == 2) {
        TRen* r = ToruRenAt(f.S);
        if (r == nullptr || r->GetSicho() >= 1)
            return 0;
        return DeiriHyoka(f.M);
    }

    // The push at the middle point.  A refused push reads nothing.
    TShapeYomi y(TRefusal::GoOn);
    if (!y.PushPlay(att, f.M) || CaughtAt(f.M) || CaughtAt(f.T))
        return 0;
    if (KuuOf(f.S) != 2) {
        y.Play(own, f.N);
        return y.Score(att);
    }
    if (SichoCheck(f.S) == 1)
        return y.Score(att);
    y.Play(own, f.N);
    if (KuuOf(f.T) == 2 && SichoCheck(f.T) == 1)
        return y.Score(att);
    if (KuuOf(f.S) == 2) {
        // Ataris on S from either side, answered by the extension.
        const Point l[2] = {KuuPointOf(f.S, 1), KuuPointOf(f.S, 2)};
        int best = 0;
        for (int i = 0; i < 2; ++i) {
            const int mark = y.Tries();
            int v = 0;
            if (y.Play(att, l[i]) && KuuOf(l[i]) != 1) {
                y.Play(own, l[1 - i]);
                v = y.Score(att);
                // Both cut groups near death and ours strong: little in it.
                if (v > 0 && Death70(f.T) && Death70(f.M) && !Weak(f.S) && !Weak(f.N))
                    v /= 4;
            }
            y.BackTo(mark);
            best = i == 0 ? v : std::max(best, v);
        }
        if (best > 0)
            return best;
    }
    CurGoban().Analyze();
    const TGun* g = GunAt(f.M);
    return g != nullptr && g->GetDeath() == 0 ? HyokaDiff(att) : 0;
}

} // namespace vorn
