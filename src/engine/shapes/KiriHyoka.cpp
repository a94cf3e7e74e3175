#include "engine/shapes/KiriHyoka.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

// A chain of c's opponent next to p is in atari, on the chains of the current
// board (rebuilt first above the game board, whose chains are the analysis'
// own and are never rebuilt here).
bool TonariAtariHere(int c, Point p)
{
    ToruRenMake();
    const int o = Aite(c);
    for (int d = 1; d <= 4; ++d) {
        const Point q(p.x + Dir4X[d], p.y + Dir4Y[d]);
        if (IroOf(q) == o && KuuOf(q) == 1)
            return true;
    }
    return false;
}

// The cut stands and neither stone is in atari: the worst of the opponent's
// ataris on a two-liberty cutter, halved when no separated group is weak.
int KiriNoAtari(int c, Point cut, Point a, Point b)
{
    const int opp = Aite(c);
    CurGoban().Analyze();
    const TGun* ga = GunAt(a);
    const TGun* gb = GunAt(b);
    if (ga == nullptr || gb == nullptr)
        return HyokaDiff(c);
    const bool weak = ga->IsWeak() || gb->IsWeak();
    int best = HyokaDiff(c);
    if (KuuOf(cut) == 2) {
        const Point lib[2] = {KuuPointOf(cut, 1), KuuPointOf(cut, 2)};
        for (int i = 0; i < 2; ++i) {
            TShapeYomi y(TRefusal::GoOn);
            if (!y.Play(opp, lib[i]) || KuuOf(lib[i]) <= 1)
                continue;
            y.Play(c, lib[1 - i]);
            best = std::min(best, y.Score(c));
        }
    }
    return weak ? best : best / 2;
}

// The cut puts the stone at s in atari: its owner extends at the liberty.
int KiriAtari(int c, Point cut, Point s)
{
    const int opp = Aite(c);
    const Point lib = KuuPointOf(s, 1);
    TShapeYomi y;
    if (!y.Play(opp, lib))
        return Hyoka(c);
    CurGoban().Analyze();
    if (SichoCheck(lib) != 1) {
        // The extension gets out: the cut is worth the position, unless the
        // cutting stones die.
        const TGun* g = GunAt(cut);
        return g != nullptr && g->GetDeath() == 1 ? -1 : HyokaDiff(c);
    }
    y.BackAll();
    int result = Hyoka(c);
    if (KuuOf(cut) == 2) {
        const Point libs[2] = {KuuPointOf(cut, 1), KuuPointOf(cut, 2)};
        for (const Point l : libs) {
            if (Kyori(l, lib) != 4)
                continue;
            TShapeYomi k(TRefusal::GoOn);
            if (k.Play(opp, l))
                k.Play(c, KuuPointOf(cut, 1));
            result = k.Score(c);
        }
    }
    return result;
}

} // namespace

int KiriHyoka(int c, Point cut, Point a, Point b)
{
    TGoban& g = CurGoban();
    if (!IsStone(c) || !g.OnBoardPt(cut))
        return -1;
    if (g.CheckUtu(c, cut.x, cut.y) != kUtuOk)
        return -1;
    if (!TonariAtariHere(c, cut) && g.CheckSelfAtari2(c, cut))
        return -1;
    const Point x = CrossPtIsi(a, b);
    const bool kou = IsKouShape(cut, c);

    int result = 0;
    int kuuA = 0, kuuB = 0;
    {
        TShapeYomi y;
        if (!y.PushPlay(c, cut))
            return -1;
        const int cutKuu = KuuOf(cut);
        if ((cutKuu == 1 && !kou) || (cutKuu == 2 && SichoCheck(cut) == 1))
            return -1;
        if (ToruRenAt(x) != nullptr && CaughtAt(x))
            return -1;
        if (ToruRenAt(a) == nullptr || ToruRenAt(b) == nullptr)
            return Hyoka(c);
        kuuA = KuuOf(a);
        kuuB = KuuOf(b);
        if (kuuA != 1 && kuuB != 1)
            return KiriNoAtari(c, cut, a, b);
        result = KiriAtari(c, cut, kuuA == 1 ? a : b);
    }
    // The cut is taken back.  A stone left with two liberties by the cut
    // that the ladder catches even now: c takes both its liberties.
    if (kuuA != 2 && kuuB != 2)
        return result;
    const Point p2 = kuuA == 2 ? a : b;
    ToruRenMake();
    if (SichoCheck(p2) != 1)
        return result;
    const Point l1 = KuuPointOf(p2, 1), l2 = KuuPointOf(p2, 2);
    TShapeYomi z(TRefusal::GoOn);
    if (!z.PushPlay(c, l1))
        return result;
    z.Play(c, l2);
    return z.Score(c);
}

Point CommonDame(TRen* r1, TRen* r2)
{
    if (r1 == nullptr || r2 == nullptr)
        return Point();
    for (int i = 1; i <= r1->Kuu(); ++i) {
        const Point p = r1->GetKuu(i);
        for (int j = 1; j <= r2->Kuu(); ++j)
            if (r2->GetKuu(j) == p)
                return p;
    }
    return Point();
}

int RyoAtariHyoka(Point p)
{
    if (InSakiyomi == 1)
        return -1;
    ToruRenMake();
    const TRen* r = ToruRenAt(p);
    if (r == nullptr || !IsStone(r->GetIro()))
        return -1;
    const int own = r->GetIro(), opp = Aite(own);
    // Only exactly two such chains make a double atari: a third ends the
    // search.
    const TRenList& list = CurGoban().RenList;
    TRen* found[3] = {};
    int n = 0;
    for (int i = 1; i <= r->MrenCount() && n < 3; ++i) {
        TRen* m = list.Items(r->Mren(i));
        if (m == nullptr || m->GetIro() != opp || m->Kuu() != 2)
            continue;
        if (std::find(found, found + n, m) == found + n)
            found[n++] = m;
    }
    if (n != 2)
        return -1;
    const Point s1 = found[0]->GetIsi(1), s2 = found[1]->GetIsi(1);
    const Point cp = CommonDame(found[0], found[1]);
    if (cp.x == 0 || EmptyNeighbours(cp) < 2)
        return -1;

    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(own, cp))
        return -1;
    const Point l1 = KuuPointOf(s1, 1), l2 = KuuPointOf(s2, 1);
    int e[2];
    for (int i = 0; i < 2; ++i) {
        y.Play(opp, i == 0 ? l1 : l2);
        y.Play(own, i == 0 ? l2 : l1);
        e[i] = y.Score(own);
        y.BackTo(1);
    }
    return std::min(e[0], e[1]);
}

void EmptyThink(Point& out) { SelectIfAny(kSelectMiddle, out); }

} // namespace vorn
