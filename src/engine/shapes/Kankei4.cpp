#include "engine/shapes/Kankei4.h"

#include <optional>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Jisho.h"
#include "board/Locate.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

// The owner's answer when the engine owns the link: beside the end stones,
// on the side of [4] and then of [1].  True when it added a candidate.
bool Kankei4NakaHosei(const Point (&box)[6], int opp, int v)
{
    // Each side point with the two cells it is read from.
    const Point sides[2][3] = {{box[4], box[5], box[2]}, {box[1], box[0], box[3]}};
    bool added = false;
    for (const auto& side : sides) {
        const Point e = side[0];
        const Point r1 = StepBeyond(side[1], e), r2 = StepBeyond(side[2], e);
        TIroCounts around;
        if (IroOf(r1) == kAki && IroOf(r2) == kAki) {
            CountAround8(r1, around);
            if (around[kAki] == 7 && around[opp] == 1) {
                AddKoho(r1, v, 0);
                added = true;
                continue;
            }
        }
        if (IroOf(r2) == kAki) {
            CountAround8(r2, around);
            if (around[kAki] >= 6) {
                AddKoho(r2, v, 0);
                added = true;
            }
        } else if (IroOf(r2) == opp) {
            AddKoho(e, v, 0);
            added = true;
        }
    }
    return added;
}

// opp pushes through at box[m], the owner blocks at box[n], opp extends at
// box[s]: worth the position when neither of opp's stones is caught.
void NakaYomi(const Point (&box)[6], int opp, int m, int n, int s)
{
    const int own = Aite(opp);
    std::optional<int> v;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(opp, box[m]))
            return;
        y.Play(own, box[n]);
        y.Play(opp, box[s]);
        if (!LadderedAt(box[s]) && !LadderedAt(box[m]))
            v = y.Score(opp);
    }
    if (!v)
        return;
    if (JibunIro != own || !Kankei4NakaHosei(box, opp, *v))
        AddKoho(box[m], *v, 0);
}

// Both middle points threatened from a distance (a one-space jump or a
// knight's move of opp, nothing of opp closer) and outside any territory.
void Kankei4NakaUtu(const Point (&box)[6], int opp)
{
    const TGoban& b = CurGoban();
    for (const int i : {2, 3}) {
        const Point p = box[i];
        if (!b.OnBoardPt(p))
            return;
        const TLocate& l = b.GetLocatePt(p);
        if (l.HasKankeiLE(KankeiNaname, opp) || !l.HasKankeiLE(KankeiKeima, opp) || b.JiList.GetJiAt(p) != nullptr)
            return;
    }
    NakaYomi(box, opp, 2, 3, 1);
    NakaYomi(box, opp, 3, 2, 4);
}

// An opponent stone outside a middle point: opp pushes at the far middle
// point against the end stone with three liberties, when a ladder then
// takes it.
void Kankei4SotoUtu(const Point (&box)[6], const Point (&outer)[6], int opp)
{
    const int own = Aite(opp);
    const bool low = IroOf(StepBeyond(box[2], outer[2])) == opp;
    const Point m = low ? box[3] : box[2], n = low ? box[2] : box[3], k = low ? box[4] : box[1];
    const Point o1 = low ? outer[2] : outer[3], o2 = low ? outer[4] : outer[1], z = low ? box[5] : box[0];
    if (IroOf(o1) != kAki || IroOf(o2) != kAki || KuuOf(z) != 3)
        return;
    int e0 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(opp, m))
            return;
        y.Play(own, n);
        if (!LadderedAt(z))
            return;
        y.Play(opp, SichoTeOf(z, 1));
        e0 = y.Score(opp);
    }
    AddKohoSide(opp, m, k, UtuHyoka(own, k) + e0);
}

void Kankei4SotoCheck(const Point (&box)[6], int opp)
{
    Point outer[6];
    BetweenDiag(box[0], box[5], outer);
    const Point f1 = StepBeyond(box[2], outer[2]), f2 = StepBeyond(box[3], outer[3]);
    if (IroOf(f1) == opp || IroOf(f2) == opp)
        Kankei4SotoUtu(box, outer, opp);
}

} // namespace

void Kankei4Pair(Point p, Point q)
{
    if (p.x > q.x)
        return;
    const int own = IroOf(p);
    if (!IsStone(own) || Kyori(p, q) != 4)
        return;
    const int opp = Aite(own);
    Point box[6];
    BetweenRows(p, q, box);
    Kankei4NakaUtu(box, opp);
    Kankei4SotoCheck(box, opp);
}

void Kankei4Think(Point& out)
{
    if (InSakiyomi == 1)
        return;
    // The pass leaves its reason in force for the stages after it.
    KohoKind = kkKankei;
    const int n = BoardSize;
    for (int y = 1; y <= n; ++y) {
        for (int x = 1; x <= n; ++x) {
            const Point p(x, y);
            if (!IsStone(IroOf(p)))
                continue;
            // The links first: the readings below re-analyse the boards
            // they play on.
            Point partners[kMaxKankei];
            int count = 0;
            const TLocate& l = CurGoban().GetLocatePt(p);
            for (int i = 1; i <= l.GetKankeiSu(); ++i)
                if (l.GetKankeiKind(i) == KankeiKeima && l.GetLinkGrade(i) == 1 && l.OnBoardAt(i))
                    partners[count++] = l.GetKankeiPoint(i);
            for (int i = 0; i < count; ++i)
                Kankei4Pair(p, partners[i]);
        }
    }
    SelectIfAny(kSelectMiddle, out);
}

} // namespace vorn
