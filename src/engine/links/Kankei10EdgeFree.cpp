#include "engine/links/Kankei10EdgeFree.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"

namespace vorn {

namespace {

// Before this move of the record an approach is worth at most a big point.
constexpr int kEarlyMoves = 20;
constexpr int kEarlyCap = 25;

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// The far flank of [4] from the approach beside the second line, or [7]
// when that flank touches an owner stone; valued by the opponent's play
// there and the owner's [7].
void FarFlank(const TKankeiBox& box, const TEdgeSoto& f)
{
    const int own = box.Own, opp = box.Opp;
    const Point p = f.Iro[4] == opp ? box[5] : box[3];
    const Point q = NeighboursOf(p, own) == 0 ? p : box[7];
    const int v = UtuHyoka(opp, q) + UtuHyoka(own, box[7]);
    KankeiKoho(box, box[7], q, v);
}

} // namespace

TEdgeSoto Kankei10EdgeSoto(const TKankeiBox& box)
{
    TEdgeSoto f;
    for (int k = 0; k <= 3; ++k) {
        f.F[2 * k] = StepBeyond(box[3 * k + 1], box[3 * k]);
        f.F[2 * k + 1] = StepBeyond(box[3 * k + 1], box[3 * k + 2]);
    }
    for (int i = 0; i <= 7; ++i)
        f.Iro[i] = static_cast<std::uint8_t>(IroAt(f.F[i]));
    return f;
}

void Kankei10EdgeFree(TKankeiBox box)
{
    const int opp = box.Opp;
    const TEdgeSoto f = Kankei10EdgeSoto(box);
    if (f.Iro[0] == kHen || f.Iro[1] == kHen)
        return;
    const int low = (f.Iro[2] == opp ? 1 : 0) + (f.Iro[4] == opp ? 1 : 0);
    const int high = (f.Iro[3] == opp ? 1 : 0) + (f.Iro[5] == opp ? 1 : 0);
    if (low > 0 && high > 0)
        return;
    if (low == 2 || high == 2)
        Kankei10EdgeFreeSoto2(box, f);
    else if (f.Iro[2] == opp || f.Iro[3] == opp)
        Kankei10EdgeFreeSotoSan(box, f);
    else if (f.Iro[4] == opp || f.Iro[5] == opp)
        Kankei10EdgeFreeSotoNi(box, f);
}

void Kankei10EdgeFreeSoto2(const TKankeiBox& box, const TEdgeSoto& f) { FarFlank(box, f); }

void Kankei10EdgeFreeSotoNi(const TKankeiBox& box, const TEdgeSoto& f)
{
    // The owner beside the third line on the approach's side.
    if (f.Iro[f.Iro[4] == box.Opp ? 2 : 3] == box.Own)
        return;
    FarFlank(box, f);
}

void Kankei10EdgeFreeSotoSan(const TKankeiBox& box, const TEdgeSoto& f)
{
    const int own = box.Own, opp = box.Opp;
    // Z the approach, P the flank of [4] on its side, Y two lines out
    // beside the second line and W beside the stone on that side, Q the
    // second-line point below P.
    Point z, p, y, q, w;
    if (f.Iro[2] == opp) {
        if (IroAt(box[0]) == own)
            return;
        z = f.F[2], p = box[3], y = f.F[4], q = box[6], w = f.F[0];
    } else {
        if (IroAt(box[2]) == own)
            return;
        z = f.F[3], p = box[5], y = f.F[5], q = box[8], w = f.F[1];
    }
    if (IroAt(y) == own)
        return;
    // The opponent's [7], then with the owner's other flank of [4] too.
    int a = 0;
    {
        TYomiTrial t;
        t.Play(opp, box[7]);
        a = Hyoka(opp);
        t.Play(own, StepBeyond(p, box[4]));
        const int b = Hyoka(opp);
        a = (a + 2 * b) / 3;
    }
    Point r = p;
    int e = 0;
    {
        TYomiTrial t;
        t.Play(own, p);
        e = Hyoka(own);
        const TGun* gz = GunAt(z);
        if (IroAt(w) != own && gz != nullptr && gz->GetMe() <= 3)
            r = q;
    }
    int v = a + e;
    if (v > kEarlyCap && CurGoban().Tejun.Current() < kEarlyMoves)
        v = kEarlyCap;
    KankeiKoho(box, r, box[7], v);
}

} // namespace vorn
