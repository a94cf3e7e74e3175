#include "engine/Kou.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"

namespace vorn {

Arr<Point, 1, kMaxKouDate> KouDateList{};
Arr<int, 1, kMaxKouDate> KouDateListValue{};
int KouDateCount = 0;
int KouDateValue = 0;
Point KouDatePt{};
int KouDateLimit = 0;
Point KouAtariIsi{};

namespace {

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// A stone of J whose group (fresh analysis) is not dead.
bool LiveJibunAt(Point p)
{
    if (IroAt(p) != JibunIro)
        return false;
    const TGun* g = GunAt(p);
    return g != nullptr && g->GetDeath() == 0;
}

// J plays `first` and then `second`, two moves in a row; the position is
// listed as a threat at `first` with J's evaluation.
void KouDateTwice(Point first, Point second)
{
    TYomiTrial t;
    if (!t.Play(JibunIro, first) || !t.Play(JibunIro, second))
        return;
    KouDateAdd(first, Hyoka(JibunIro));
}

// The cut of O's one-space jump a-b: J's stone beside the gap on one side
// (in a group that lives on) lets J push into the gap and threaten to cut
// on the other side, unless O holds both far corners there.
void KouDateIkken(Point a, Point b)
{
    Point s[9];
    BetweenStrip3(a, b, s);
    const Point gap = s[4];
    const bool low = LiveJibunAt(s[3]), high = LiveJibunAt(s[5]);
    if (low == high || IroAt(gap) != kAki)
        return;
    // The other side of the gap and its far corners.
    const Point other = low ? s[5] : s[3];
    const Point c1 = low ? s[2] : s[0], c2 = low ? s[8] : s[6];
    if (IroAt(c1) == AiteIro && IroAt(c2) == AiteIro)
        return;
    KouDateTwice(gap, other);
}

// The cut of O's knight's move a-b (a the stone with the smaller x): the two
// middle points are the cut.  J's stone next to one of them, on the side of
// the rectangle or just outside it, lets J start there.
void KouDateKeima(Point a, Point b)
{
    for (const Point p : {a, b}) {
        const TRen* r = ToruRenAt(p);
        if (r == nullptr || r->Kuu() <= 1)
            return;
    }
    Point rows[6], diag[6];
    BetweenRows(a, b, rows);
    BetweenDiag(a, b, diag);
    const Point m1 = rows[2], m2 = rows[3]; // on a's line and on b's line
    if (IroAt(m1) != kAki || IroAt(m2) != kAki)
        return;
    if (LiveJibunAt(rows[4]) || LiveJibunAt(diag[2]))
        KouDateTwice(m1, m2);
    else if (LiveJibunAt(rows[1]) || LiveJibunAt(diag[3]))
        KouDateTwice(m2, m1);
}

// J's chain that holds KouAtariIsi is a neighbour of r.
bool NextToStake(const TRen& r)
{
    if (KouAtariIsi.x == 0)
        return false;
    const TRenList& list = CurGoban().RenList;
    for (int i = 1; i <= r.MrenCount(); ++i) {
        const TRen* m = list.Items(r.Mren(i));
        if (m != nullptr && m->HasIsi(KouAtariIsi))
            return true;
    }
    return false;
}

// The chains of colour c next to the stone at s with exactly two liberties
// (distinct), on the current board; answers how many.
int TwoLibertyNeighbours(Point s, int c, Point (&first)[4])
{
    int chains[4] = {};
    const int n = ListTonariRen(s, c, chains);
    int k = 0;
    for (int i = 0; i < n; ++i) {
        const TRen* r = CurGoban().RenList.Items(chains[i]);
        if (r != nullptr && r->Kuu() == 2)
            first[k++] = r->GetIsi(1);
    }
    return k;
}

} // namespace

// ---------------------------------------------------------------------------
// Ko threats

void KouDate(int limit, Point& out)
{
    // Only the ko at hand puts stones at stake: an old point would keep good
    // threats next to it out of the list.
    KouAtariIsi = Point{};
    const TGoban& b = CurGoban();
    if (KouTen.x != 0 && b.OnBoardPt(KouTenIsi) && IsStone(b.GetIroPt(KouTenIsi)))
        for (int d = 1; d <= 4; ++d) {
            const Point q = Dir4Pt(KouTenIsi, d);
            if (b.GetIroPt(q) != JibunIro)
                continue;
            TRen* r = b.RenList.RenAtPt(q);
            if (r != nullptr && r->Kuu() == 1)
                KouAtariIsi = r->GetIsi(1);
        }
    KouDateLimit = limit;
    KouDateValue = 0;
    KouDatePt = Point{};
    KouDateCount = 0;
    KouDateKankei();
    YomiUnwind();
    if (KouDateValue <= KouDateLimit) {
        KouDateUtu();
        YomiUnwind();
    }
    out = KouDatePt;
}

void KouDateAdd(Point p, int value)
{
    if (p.x == 0 || p == KouTen || KouDateCount >= kMaxKouDate)
        return;
    for (int i = 1; i <= KouDateCount; ++i)
        if (KouDateList[i] == p)
            return;
    ++KouDateCount;
    KouDateList[KouDateCount] = p;
    KouDateListValue[KouDateCount] = value;
    if (value > KouDateValue) {
        KouDateValue = value;
        KouDatePt = p;
    }
}

void KouDateKankei()
{
    // Each pair once: a one-space jump from its upper or left stone, a
    // knight's move from the stone with the smaller x.  (A diagonal of link
    // grade 2 gives no threat: its cut is read only for firm links.)
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            if (b.GetIro(x, y) != AiteIro)
                continue;
            const Point a(x, y);
            const TLocate& loc = b.GetLocate(x, y);
            for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
                if (loc.GetLinkGrade(i) != 2 || !loc.OnBoardAt(i))
                    continue;
                const Point p = loc.GetKankeiPoint(i);
                if (loc.GetKankeiKind(i) == Kankei1ken && (p.y > y || p.x > x))
                    KouDateIkken(a, p);
                else if (loc.GetKankeiKind(i) == KankeiKeima && p.x > x)
                    KouDateKeima(a, p);
            }
        }
}

void KouDateUtu()
{
    bool enough = false;
    ForEachRen(2, [&enough](TRen* r) {
        if (enough || r->GetIro() != AiteIro)
            return;
        const TGun* g = GunAt(r->GetIsi(1));
        if (g == nullptr || g->GetMe() < 4)
            return;
        const TGoban& b = CurGoban();
        Point l1 = r->GetKuu(1), l2 = r->GetKuu(2);
        const bool k1 = b.IsKinsiPt(JibunIro, l1) != 0, k2 = b.IsKinsiPt(JibunIro, l2) != 0;
        if (k1 && k2)
            return;
        if (k1)
            SwapPt(l1, l2);
        if (l1 == KouTen || l2 == KouTen || NextToStake(*r))
            return;

        TYomiTrial t;
        if (!t.Play(JibunIro, l1))
            return;
        ToruRenMake();
        // Our atari must not simply be taken.
        if (TRen* mine = ToruRenAt(l1); mine != nullptr && mine->Kuu() == 1) {
            const Point take = mine->GetKuu(1);
            if (t.Play(AiteIro, take)) {
                const int v = Hyoka(JibunIro);
                t.Back();
                if (v < -2)
                    return;
            } else {
                t.Back();
            }
        }
        CurGoban().Analyze();
        const TGun* g1 = GunAt(l1);
        const bool lost1 = g1 != nullptr && g1->IsDeath90() == 1;
        if (!t.Play(JibunIro, l2))
            return;
        const int value = Hyoka(JibunIro);
        const TGun* g2 = GunAt(l2);
        if (g2 != nullptr && g2->GetSmai() == 1)
            return;
        Point threat = l1;
        if (lost1) {
            // The atari from the other side, unless it leaves a big chain in
            // atari or a dead group.
            t.BackAll();
            if (t.Play(JibunIro, l2)) {
                CurGoban().Analyze();
                const TRen* mine = ToruRenAt(l2);
                const bool bigAtari = mine != nullptr && mine->IsiCount() >= 4 && mine->Kuu() == 1;
                const TGun* g = GunAt(l2);
                if (!bigAtari && g != nullptr && g->GetDeath() == 0)
                    threat = l2;
            }
        }
        t.BackAll();
        if (threat == KouTen)
            return;
        KouDateAdd(threat, value);
        enough = KouDateValue > KouDateLimit;
    });
}

// ---------------------------------------------------------------------------
// Ko shapes

void KouThink(Point& out)
{
    const TGoban& b = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const Point p(x, y);
            for (int c = kKuro; c <= kSiro; ++c) {
                if (b.IsToruTenPt(c, p) == 0 || b.IsSelfAtariPt(c, p) == 0 || !IsKouShape(p, c))
                    continue;
                for (int d = 1; d <= 4; ++d) {
                    const Point s = Dir4Pt(p, d);
                    if (b.GetIroPt(s) != Aite(c))
                        continue;
                    const TRen* r = b.RenList.RenAtPt(s);
                    if (r != nullptr && r->IsiCount() == 1 && r->Kuu() == 1)
                        KouYomi(p, s);
                    YomiUnwind();
                }
            }
        }
    SelectIfAny(kSelectMiddle, out);
}

void KouYomi(Point p, Point s)
{
    // c owns the stone in atari, a takes it.
    const int c = IroAt(s);
    if (!IsStone(c))
        return;
    const int a = Aite(c);
    Point around[4];
    if (TwoLibertyNeighbours(s, a, around) == 0)
        return;
    TYomiTrial t;
    if (!t.Play(c, p))
        return;
    ToruRenMake();
    const TRen* filled = ToruRenAt(p);
    if (filled == nullptr)
        return;
    if (filled->Kuu() == 1) {
        t.BackAll();
        KouToruCheck(p, s);
        return;
    }
    if (filled->Kuu() == 2 && ToruSicho(p))
        return;
    // The taker's chains next to s that the ladder now catches.
    const int n = TwoLibertyNeighbours(s, a, around);
    for (int i = 0; i < n; ++i) {
        TRen* r = ToruRenAt(around[i]);
        if (r == nullptr || !ToruSicho(around[i]))
            continue;
        r = ToruRenAt(around[i]); // the ladder reader may have renumbered
        if (r == nullptr)
            continue;
        Point line[kMaxSichoTe];
        const int len = std::min(r->SichoCount(), kMaxSichoTe);
        for (int k = 1; k <= len; ++k)
            line[k - 1] = r->SichoTe(k);
        const Point first = r->SichoTe(1);
        int value = 0;
        {
            TYomiTrial ladder;
            if (!ladder.PushPlay(c, first))
                continue;
            // The catcher's own first two moves of the ladder.
            if (len >= 2)
                ladder.Play(c, line[1]);
            value = Hyoka(c) / 2;
        }
        if (JibunIro == a) {
            // A good move of ours on the ladder's path keeps the chain.
            int best = 0;
            for (int k = 0; k < len; ++k)
                for (int j = 1; j <= KohoCount; ++j)
                    if (Koho.Pt[j] == line[k] && Koho.Value[j] >= 20 && (best == 0 || Koho.Score(j) > Koho.Score(best)))
                        best = j;
            if (best != 0)
                AddKoho(Koho.Pt[best], value, 0);
            else
                AddKoho(p == KouTen ? first : p, value, 0);
        } else {
            AddKoho(first, value, 0);
        }
    }
}

void KouToruCheck(Point p, Point s)
{
    const int c = IroAt(s);
    if (!IsStone(c))
        return;
    const int a = Aite(c);
    TYomiTrial t;
    if (!t.Play(a, p))
        return;
    ToruRenMake();
    TRen* atari = TonariAtariRen(p);
    if (atari == nullptr)
        return;
    const Point l = atari->GetKuu(1);
    if (t.Play(c, l)) {
        ToruRenMake();
        const TRen* ext = ToruRenAt(l);
        if (ext == nullptr || ext->Kuu() != 1)
            return;
        t.Back(); // the extension
    } else {
        t.Back(); // the refused extension
        t.Back(); // and the take itself
    }
    if (!t.Play(a, l))
        return;
    const int w = Hyoka(a);
    t.BackAll();
    AddKoho(p, 3 * w / 2, 0);
}

// ---------------------------------------------------------------------------
// Mutual self-atari shapes

void KouKatachiAnswer()
{
    const TGoban& b = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const Point p(x, y);
            if (b.GetIroPt(p) != kAki)
                continue;
            for (int c = kKuro; c <= kSiro; ++c) {
                if (b.IsSelfAtariPt(c, p) == 0 || NeighboursOf(p, c) != 0)
                    continue;
                const int a = Aite(c);
                for (int d = 1; d <= 4; ++d) {
                    const Point e = Dir4Pt(p, d);
                    if (b.GetIroPt(e) != kAki || NeighboursOf(e, a) != 0 || b.IsSelfAtariPt(a, e) == 0)
                        continue;
                    KouKatachi(p, e, c);
                    YomiUnwind();
                }
            }
        }
}

void KouKatachi(Point p, Point e, int c)
{
    if (InSakiyomi == 1 && !InYomiArea(p) && !InYomiArea(e))
        return;
    const int a = Aite(c);
    const int va = UtuHyoka(a, e);
    if (va > 0) {
        TYomiTrial t;
        if (t.Play(c, e) && t.Play(a, p) && Hyoka(c) >= -2) {
            AddKoho(e, va / 2, 0);
            if (va > 5 || AtariMapAt(c, e) != 0)
                return;
        }
    }
    TYomiTrial t;
    if (!t.Play(c, p))
        return;
    const int v = Hyoka(c);
    if (v > 2) {
        AddKoho(p, v / 2, 0);
        return;
    }
    // c's stone stays at p: a saves its chain that the stone ataris.
    TRen* atari = TonariAtariRen(p);
    if (atari == nullptr)
        return;
    const Point l = atari->GetKuu(1);
    if (!t.Play(a, l))
        return;
    ToruRenMake();
    const TRen* saved = ToruRenAt(l);
    if (saved == nullptr || saved->Kuu() != 1)
        return;
    t.Back();
    if (!t.Play(c, l))
        return;
    const int w1 = Hyoka(c);
    t.BackAll();
    const int w2 = UtuHyoka(a, p);
    AddKoho(p, (w1 + w2) / 2, 0);
}

void KouReset()
{
    KouDateList.Fill(Point{});
    KouDateListValue.Fill(0);
    KouDateCount = 0;
    KouDateValue = 0;
    KouDatePt = Point{};
    KouDateLimit = 0;
    KouAtariIsi = Point{};
}

} // namespace vorn
