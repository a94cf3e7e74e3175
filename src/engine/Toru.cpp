#include "engine/Toru.h"

#include <algorithm>
#include <utility>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Kiri.h"
#include "board/Gun.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "board/Yomi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Kou.h"
#include "engine/Yose.h"
#include "engine/Think.h"
#include "engine/Toru2.h"
#include "engine/shapes/KiriHyoka.h"

namespace vorn {

Arr<Point, 0, 2> DoubleKiri{};

namespace {

inline int IroAt(Point p) { return CurGoban().GetIroPt(p); }

bool GunDead(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->GetDeath() == 1;
}

// The liberty of the first chain of colour c next to p (direction order)
// that is in atari; (0, 0) when none.  The chains of the current board are
// read as they stand (the game board's are never rebuilt).
Point AtariLibertyAt(Point p, int c)
{
    const TGoban& b = CurGoban();
    for (int d = 1; d <= 4; ++d) {
        const Point q = Dir4Pt(p, d);
        if (b.GetIroPt(q) != c)
            continue;
        TRen* r = b.RenList.RenAtPt(q);
        if (r != nullptr && r->Kuu() == 1)
            return r->GetKuu(1);
    }
    return Point();
}

// An enemy chain next to the stones read: how to attack it.
struct TTarget {
    int no = 0;
    int libs = 0;
    Point lib;   // its liberty when in atari
    Point stone; // its first stone
};

constexpr int kMaxTargets = 10;

// Appends the distinct chains of the other colour than c next to p.
void CollectTargets(Point p, int c, TTarget (&list)[kMaxTargets], int& n)
{
    const TGoban& b = CurGoban();
    for (int d = 1; d <= 4 && n < kMaxTargets; ++d) {
        const Point q = Dir4Pt(p, d);
        if (b.GetIroPt(q) != Aite(c))
            continue;
        TRen* r = b.RenList.RenAtPt(q);
        if (r == nullptr || r->IsiCount() < 1)
            continue;
        bool seen = false;
        for (int i = 0; i < n && !seen; ++i)
            seen = list[i].no == r->GetNo();
        if (seen)
            continue;
        list[n].no = r->GetNo();
        list[n].libs = r->Kuu();
        list[n].lib = r->Kuu() >= 1 ? r->GetKuu(1) : Point();
        list[n].stone = r->GetIsi(1);
        ++n;
    }
}

// The best value for c of capturing one of the targets in atari or starting
// the ladder against one with two liberties; `none` when no attack works.
int BestAttack(const TTarget (&list)[kMaxTargets], int n, int c, int none)
{
    int best = none;
    bool any = false;
    for (int i = 0; i < n; ++i) {
        Point move;
        if (list[i].libs == 1)
            move = list[i].lib;
        else if (list[i].libs != 2 || !ToruSicho(list[i].stone, &move))
            continue;
        if (!ToruPushPlay(c, move))
            continue;
        const int v = Hyoka(c);
        YomiModosu();
        best = any ? std::max(best, v) : v;
        any = true;
    }
    return best;
}

int TonariToruCore(Point p, int none)
{
    TYomiKeep keep;
    ToruRenMake();
    const int c = IroAt(p);
    if (!IsStone(c))
        return none;
    TTarget list[kMaxTargets];
    int n = 0;
    CollectTargets(p, c, list, n);
    return BestAttack(list, n, c, none);
}

bool OnLine(Point a, Point b) { return a.x == b.x || a.y == b.y; }

// The cutting point of a cuttable one-space jump from the stone b to a, read
// on the 3x3 strip between them; (0, 0) when there is none.
Point IkkenPairCut(Point b, Point a)
{
    if (Kyori(a, b) != 3 || !OnLine(a, b))
        return Point();
    const TGoban& g = CurGoban();
    Point box[9];
    BetweenStrip3(b, a, box);
    const int c = g.OnBoardPt(box[1]) ? g.GetIroPt(box[1]) : g.GetIroPt(box[7]);
    if (!IsStone(c))
        return Point();
    const int o = Aite(c);
    if (g.GetIroPt(box[4]) != o)
        return Point();
    auto shut = [&](int i) {
        const int col = g.GetIroPt(box[i]);
        return col == o || col == kHen;
    };
    Point cut;
    if (g.GetIroPt(box[3]) == kAki && shut(2) && shut(8))
        cut = box[3];
    if (g.GetIroPt(box[5]) == kAki && shut(0) && shut(6))
        cut = box[5];
    return cut;
}

// The cutting point of a cuttable two-space jump from the stone b to a, read
// on the 4x3 strip between them (rows b, two middle rows, a); (0, 0) when
// there is none.
Point NikenPairCut(Point b, Point a)
{
    if (Kyori(a, b) != 6 || !OnLine(a, b))
        return Point();
    const TGoban& g = CurGoban();
    Point box[12];
    BetweenStrip3(b, a, box);
    const bool offB = !g.OnBoardPt(box[1]), offA = !g.OnBoardPt(box[10]);
    auto col = [&](int i) { return g.GetIroPt(box[i]); };
    Point cut;
    if (offB || offA) {
        // A link to the edge: read from the end that stands on the board.
        if (offB)
            std::reverse(std::begin(box), std::end(box));
        if (!IsStone(col(1)))
            return Point();
        const int o = Aite(col(1));
        if (col(4) == o) {
            if (col(3) == o)
                cut = box[5];
            else if (col(5) == o)
                cut = box[3];
        } else if (col(4) == kAki && (col(3) == o || col(5) == o)) {
            cut = box[4];
        }
    } else {
        if (!IsStone(col(1)))
            return Point();
        const int o = Aite(col(1));
        if (col(4) != o && col(7) != o) {
            if (col(3) == o || col(5) == o)
                cut = box[4];
            else if (col(6) == o || col(8) == o)
                cut = box[7];
        }
    }
    return cut;
}

// Cutting points of the one-space jump from the stone s to r (up to two).
int IkkenKiriTest(Point s, Point r, Point (&cuts)[4])
{
    if (Kyori(s, r) != 3 || !OnLine(s, r))
        return 0;
    const TGoban& g = CurGoban();
    Point box[9];
    BetweenStrip3(s, r, box);
    const int c = g.OnBoardPt(box[1]) ? g.GetIroPt(box[1]) : g.GetIroPt(box[7]);
    if (!IsStone(c))
        return 0;
    const int o = Aite(c);
    auto col = [&](int i) { return g.GetIroPt(box[i]); };
    int n = 0;
    if (col(4) != o) {
        const bool corner = col(0) == o || col(2) == o || col(6) == o || col(8) == o;
        if (col(3) != o && col(5) != o && corner)
            cuts[n++] = box[4];
    } else {
        if (col(3) == kAki)
            cuts[n++] = box[3];
        if (col(5) == kAki)
            cuts[n++] = box[5];
    }
    return n;
}

// The cutting point of the knight's move from the stone s to r.
int KeimaKiriTest(Point s, Point r, Point (&cuts)[4])
{
    if (Kyori(s, r) != 4)
        return 0;
    const TGoban& g = CurGoban();
    Point box[6];
    BetweenRows(s, r, box);
    const int c = g.GetIroPt(box[0]);
    if (!IsStone(c))
        return 0;
    const int o = Aite(c);
    if (g.GetIroPt(box[1]) == o) {
        cuts[0] = box[3];
        return 1;
    }
    if (g.GetIroPt(box[4]) == o) {
        cuts[0] = box[2];
        return 1;
    }
    return 0;
}

} // namespace

// ---------------------------------------------------------------------------
// The generator

void RenAnswer(Point& out)
{
    out = Point();
    KohoKind = kkToru;
    YomiUnwind();
    const TRenList& list = GobanLv[0]->RenList;
    for (int n = 1; n <= list.Count(); ++n) {
        TRen* r = list.Items(n);
        if (r == nullptr || !IsStone(r->GetIro()) || r->IsiCount() < 1)
            continue;
        const bool aite = r->GetIro() == AiteIro;
        switch (r->Kuu()) {
        case 1:
            if (aite)
                RenToru1(r);
            else
                RenNigeru1(r);
            break;
        case 2:
            if (aite)
                RenSemeru2(r);
            else
                RenNigeru2(r);
            YomiUnwind();
            if (r->GetSicho() == kSichoNigeru)
                Ren2Geta(r);
            break;
        case 3:
            Ren3Answer(r);
            break;
        default:
            break;
        }
        YomiUnwind();
    }
    for (int n = 1; n <= list.Count(); ++n) {
        TRen* r = list.Items(n);
        if (r == nullptr || !IsStone(r->GetIro()) || r->Kuu() != 2)
            continue;
        Ren2KinsiYomi(r);
        YomiUnwind();
    }
    KouKatachiAnswer();
    YomiUnwind();
    if (KohoCount < 1)
        return;
    SelectKoho(kSelectHigh, out);
}

// ---------------------------------------------------------------------------
// An opponent chain in atari

void RenToru1(TRen* ren)
{
    if (ren == nullptr || ren->Kuu() != 1 || ren->IsiCount() < 1 || !IsStone(ren->GetIro()))
        return;
    TYomiKeep keep;
    const TGoban& b = CurGoban();
    const int opp = ren->GetIro(), own = Aite(opp);
    const Point k = ren->GetKuu(1), s = ren->GetIsi(1);
    const bool single = ren->IsiCount() == 1;
    if (!InYomiArea(k) || LinkMark2[k.x][k.y] == 1)
        return;

    // Counter-capture: the opponent takes one of our chains in atari next
    // to its chain and so gets out of atari.
    int best = -9, counterStones = 0;
    Point counter;
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(ren->Mren(i));
        if (m == nullptr || m->Kuu() != 1)
            continue;
        const Point l = m->GetKuu(1);
        const int stones = m->IsiCount();
        TYomiKeep line;
        if (!ToruPlay(opp, l))
            continue;
        ToruRenMake();
        const TRen* r = ToruRenAt(l);
        if (r != nullptr && r->Kuu() == 1 && r->IsiCount() > 1)
            continue;
        if (ToruSicho(s))
            continue;
        const int v = Hyoka(opp);
        if (v > best) {
            best = v;
            counter = l;
            counterStones = stones;
        }
    }

    DoubleKiri[1].x = 0;
    DoubleKiri[2].x = 0;
    if (best == -9) {
        // The escape by extension.
        if (b.IsKinsiPt(opp, k))
            return;
        if (b.IsSelfAtariPt(opp, k)) {
            const TGun* g = b.GunList.GetGunAt(s);
            if (g == nullptr || g->GetDeath() != 1)
                AddKoho(k, 0, 2);
            return;
        }
        TYomiKeep line;
        if (!ToruPlay(opp, k))
            return;
        ToruRenMake();
        TIroCounts around;
        CountNeighbour(k, around);
        if (ToruSicho(k) && around[opp] < 4) {
            EdgeSichoKoho(k);
            return;
        }
        if (NigeKatachiCheck(k, opp) || NigeToruCheck(k, opp))
            return;
        ToruRenMake();
        const Point save = AtariLibertyAt(k, own);
        if (save.x != 0) {
            TYomiKeep t;
            if (ToruPlay(own, save))
                best = Hyoka(opp);
        } else {
            best = DoubleKiriHyoka(k);
            if (best < 0)
                best = HaneNigeHyoka(k);
            if (best < 0)
                best = NanameToruHyoka(k);
            if (best < 0)
                best = Hyoka(opp);
        }
    }
    // best is now what the opponent gains by getting out.

    if (counter == k && counterStones == 1 && TugiKaesiKoho(k, best))
        return;

    // The capture.
    int g = 0, bonus = 0;
    bool koLike = false;
    {
        TYomiKeep line;
        if (!ToruPlay(own, k))
            return;
        CurGoban().RenLocateMake();
        const TRen* r = ToruRenAt(k);
        if (r == nullptr)
            return;
        if (r->Kuu() == 1 && r->IsiCount() >= 3)
            return;
        koLike = r->Kuu() == 1 && r->IsiCount() == 1;
        if (r->Kuu() == 2 && ToruSicho(k))
            return;

        Point cuts[5];
        if (KankeiKiriPoints(k, cuts, 5) == 1) {
            // One cut near the capture: we gain what is left after it.
            TYomiKeep t;
            ToruPlay(opp, cuts[0]);
            g = Hyoka(own);
            if (single) {
                for (int d = 1; d <= 4; ++d) {
                    const Point dp(k.x + NanameX[d], k.y + NanameY[d]);
                    if (IroAt(dp) != kAki)
                        continue;
                    TYomiKeep u;
                    if (ToruPlay(own, dp))
                        g = std::max(g, Hyoka(own) / 2);
                }
            }
        } else {
            g = Hyoka(own);
            bonus = TonariToruHyoka(k);
            if (g < bonus) {
                if (2 * g < bonus) {
                    g = 2 * g;
                    bonus = bonus - g;
                } else {
                    g = g + (bonus - g) / 2;
                }
            }
            if (g == 2 && IsIsi1Atari(k))
                g = 1;
        }
        if (DoubleKiri[1].x > 0) {
            // The opponent's extension had two cuts: it takes the better.
            const Point d1 = DoubleKiri[1], d2 = DoubleKiri[2];
            const Point cut = UtuHyoka(opp, d1) >= UtuHyoka(opp, d2) ? d1 : d2;
            TYomiKeep t;
            ToruPlay(opp, cut);
            g = Hyoka(own);
        }
    }

    // Follow-up ladders against the chains round the capturing stone.
    {
        TYomiKeep line;
        if (ToruPlay(own, k)) {
            ToruRenMake();
            Point firsts[5];
            int fn = 0;
            if (const TRen* r = ToruRenAt(k)) {
                const TGoban& cur = CurGoban();
                for (int i = 1; i <= r->MrenCount(); ++i) {
                    const TRen* m = cur.RenList.Items(r->Mren(i));
                    if (m != nullptr && m->Kuu() == 2 && m->IsiCount() >= 1)
                        AddPtUnique(firsts, fn, 5, m->GetIsi(1));
                }
            }
            for (int i = 0; i < fn; ++i) {
                ToruRenMake();
                Point move;
                if (!ToruSicho(firsts[i], &move))
                    continue;
                TYomiKeep t;
                if (!ToruPlay(own, move))
                    continue;
                const int v = Hyoka(own);
                if (v > g)
                    g = g + (v - g) / 2;
            }
        }
    }

    int value = g + best;
    if (value > 10 && LineNoPt(k) == 2 && EmptyNeighbours(k) >= 3)
        value += 5;
    if (koLike && value >= 2)
        value /= 2;
    AddKoho(k, value, bonus);
}

// ---------------------------------------------------------------------------
// An own chain in atari

void RenNigeru1(TRen* ren)
{
    if (ren == nullptr || ren->Kuu() != 1 || ren->IsiCount() < 1 || !IsStone(ren->GetIro()))
        return;
    TYomiKeep keep;
    const TGoban& b = CurGoban();
    const int own = ren->GetIro(), opp = Aite(own);
    const Point k = ren->GetKuu(1), s = ren->GetIsi(1);
    if (!InYomiArea(k) || LinkMark2[k.x][k.y] == 1)
        return;
    if (LineNoPt(k) == 1 && ren->IsiCount() == 1 && EdgeIsi1Nige(ren))
        return;

    // The chain's stones, and room for the extension.
    Point stones[11];
    int sn = 0;
    for (int i = 1; i <= ren->IsiCount(); ++i)
        AddPtUnique(stones, sn, 10, ren->GetIsi(i));

    bool losing = false;
    {
        TYomiKeep line;
        if (!ToruPlay(own, k))
            return;
        CurGoban().Analyze();
        const TGun* g = GunAt(k);
        losing = g != nullptr && g->GetSmai() == 1 && g->GetLost() == 1;
    }
    const TGun* g0 = b.GunList.GetGunAt(s);
    const int me = g0 == nullptr ? 0 : g0->GetMe();

    // Escape by capturing a neighbour in atari.
    int best = -999;
    Point answer;
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(ren->Mren(i));
        if (m == nullptr || m->Kuu() != 1)
            continue;
        const Point l = m->GetKuu(1);
        // A ko capture saves the chain only when a lost race makes the ko worth it.
        if (!losing && l == KouTen)
            continue;
        if (b.IsSelfAtariPt(opp, l) && EmptyNeighbours(k) > 0)
            continue;
        TYomiKeep line;
        if (!ToruPlay(own, l))
            continue;
        ToruRenMake();
        bool koLike = false;
        if (const TRen* r = ToruRenAt(l); r != nullptr && r->Kuu() == 1) {
            if (r->IsiCount() > 1)
                continue;
            koLike = true;
        }
        if (ToruSicho(s))
            continue;
        int v = Hyoka(own);
        if (koLike)
            v /= 2;
        if (v > best) {
            best = v;
            answer = l;
        }
    }

    if (best < -998) {
        // Escape by extension.
        if (b.IsKinsiPt(own, k) || b.IsSelfAtariPt(own, k))
            return;
        answer = k;
        int h = 0;
        {
            TYomiKeep line;
            if (!ToruPlay(own, k))
                return;
            ToruRenMake();
            if (SichoCheck2(k) == 1) {
                EdgeSichoKoho(k);
                return;
            }
            if (NigeKatachiCheck(k, own) || NigeToruCheck(k, own))
                return;
            best = Hyoka(own);
            const TGun* g = GunAt(k);
            if (me == 3 && g != nullptr && g->GetMe() == 3)
                return;
            AddPtUnique(stones, sn, 11, k);
            h = NigeHangekiHyoka(stones, sn);
            if (h <= 0)
                h = DoubleKiriHyoka(k) / 2;
        }
        if (h > best && h >= 1)
            best = best + (h - best) / 3;
        // Out of eye shape: one step further keeps the shape open.
        if (me <= 2) {
            TIroCounts n;
            CountNeighbour(k, n);
            Point e[4];
            if (n[own] == 3 && n[kAki] == 1 && ListNeighbour(k, kAki, e) == 1)
                answer = e[0];
        }
    }
    if (best < -20)
        return;

    // What the opponent gets by capturing at k.
    int o = 0, bonus = 0;
    {
        TYomiKeep line;
        if (ToruPlay(opp, k)) {
            const int took = CurGoban().Tejun.ToruCount();
            CurGoban().RenLocateMake();
            const TRen* q = ToruRenAt(k);
            const int qLibs = q == nullptr ? 0 : q->Kuu();
            const int qStones = q == nullptr ? 0 : q->IsiCount();
            Point cuts[5];
            if (qLibs == 1 && (qStones >= 2 || took >= 2)) {
                // We take back at once.
                const Point t = ToruRenAt(k)->GetKuu(1);
                TYomiKeep u;
                ToruPlay(own, t);
                o = Hyoka(opp);
            } else if (KankeiKiriPoints(k, cuts, 5) == 1) {
                TYomiKeep u;
                if (ToruPlay(own, cuts[0])) {
                    ToruRenMake();
                    bool shortOwn = false;
                    const TGoban& cur = CurGoban();
                    for (int d = 1; d <= 4 && !shortOwn; ++d) {
                        const Point nq = Dir4Pt(k, d);
                        if (cur.GetIroPt(nq) != own)
                            continue;
                        const TRen* r = cur.RenList.RenAtPt(nq);
                        shortOwn = r != nullptr && r->Kuu() <= 2 && r->Count(kHen) == 0;
                    }
                    const int withCut = Hyoka(opp);
                    if (shortOwn) {
                        u.Restore();
                        o = (withCut + Hyoka(opp)) / 2;
                    } else {
                        o = withCut;
                    }
                } else {
                    o = Hyoka(opp);
                }
            } else {
                Point p;
                RenAtariTori(k, p);
                if (p.x < 1) {
                    o = Hyoka(opp);
                    const int t = TonariToruHyoka1(k);
                    if (t > o && t >= 1)
                        o = t;
                } else {
                    TYomiKeep u;
                    if (ToruPlay(own, p)) {
                        o = NigeToruHyoka(k);
                        u.Restore();
                        if (ToruPlay(opp, p))
                            bonus = Hyoka(opp);
                    } else {
                        o = Hyoka(opp);
                    }
                }
                if (o == 2 && p.x == 0 && IsIsi1Atari(k))
                    o = 1;
            }
        }
    }

    int value = best + o;
    if (value == 0)
        value = -1;
    if (value >= 5)
        value += 3;
    AddKoho(answer, value, bonus);
    LinkMark1Set(answer, 1);
    for (int d = 1; d <= 4; ++d) {
        const Point e = Dir4Pt(answer, d);
        if (b.GetIroPt(e) == kAki)
            LinkMark1Set(e, 1);
    }
}

// ---------------------------------------------------------------------------
// Reading routines

bool IsIsi1Atari(Point p)
{
    ToruRenMake();
    const TRen* r = ToruRenAt(p);
    return r != nullptr && r->IsiCount() == 1 && r->Kuu() == 1;
}

int DoubleKiriHyoka(Point p)
{
    TYomiKeep keep;
    ToruRenMake();
    const TRen* r = ToruRenAt(p);
    if (r == nullptr || !IsStone(r->GetIro()))
        return -1;
    const int c = r->GetIro(), o = Aite(c);
    constexpr int kMax = 10;
    Point cut[kMax], sa[kMax], sb[kMax];
    int val[kMax];
    int n = 0;
    for (int i = 1; i <= r->IsiCount() && n < kMax; ++i) {
        const Point s = r->GetIsi(i);
        for (int d = 1; d <= 4 && n < kMax; ++d) {
            const Point dp(s.x + NanameX[d], s.y + NanameY[d]);
            if (IroAt(dp) != kAki || PtInList(dp, cut, n))
                continue;
            Point corner[2];
            CrossPts(s, dp, corner);
            if (IroAt(corner[0]) != o || IroAt(corner[1]) != o)
                continue;
            cut[n] = dp;
            sa[n] = corner[0];
            sb[n] = corner[1];
            ++n;
        }
    }
    if (n < 2)
        return -1;
    for (int i = 0; i < n; ++i)
        val[i] = KiriHyoka(c, cut[i], sa[i], sb[i]);
    // The two best to the front.
    for (int i = 0; i < 2; ++i)
        for (int j = i + 1; j < n; ++j)
            if (val[i] < val[j]) {
                std::swap(val[i], val[j]);
                std::swap(cut[i], cut[j]);
            }
    DoubleKiri[1] = cut[0];
    DoubleKiri[2] = cut[1];
    return val[0];
}

int TonariToruHyoka(Point p) { return TonariToruCore(p, 0); }

int TonariToruHyoka1(Point p) { return TonariToruCore(p, -1); }

int NigeHangekiHyoka(std::span<const Point> stones, int count)
{
    TYomiKeep keep;
    ToruRenMake();
    count = std::min<int>(count, static_cast<int>(stones.size()));
    if (count < 1)
        return -1;
    const int c = IroAt(stones[0]);
    if (!IsStone(c))
        return -1;
    TTarget list[kMaxTargets];
    int n = 0;
    for (int i = 0; i < count; ++i)
        CollectTargets(stones[static_cast<std::size_t>(i)], c, list, n);
    return BestAttack(list, n, c, -1);
}

Point HaneNigeTe(Point p)
{
    const int pc = IroAt(p);
    if (!IsStone(pc))
        return Point();
    Point e[4];
    if (ListNeighbour(p, kAki, e) != 1)
        return Point();
    Point box[6];
    BetweenStrip3(p, e[0], box);
    const int c = Aite(pc);
    if (IroAt(box[0]) == c && IroAt(box[5]) == c)
        return e[0];
    return Point();
}

int HaneNigeHyoka(Point p)
{
    TYomiKeep keep;
    const int pc = IroAt(p);
    const Point e = HaneNigeTe(p);
    if (e.x == 0 || !ToruPlay(Aite(pc), e))
        return -1;
    return Hyoka(pc);
}

int NanameToruHyoka(Point p)
{
    TYomiKeep keep;
    if (Level > 0) {
        CurGoban().RenLocateMake();
        CurGoban().ToruTenMake();
    }
    const TGoban& b = CurGoban();
    const TRen* r = ToruRenAt(p);
    if (r == nullptr || !IsStone(r->GetIro()))
        return -1;
    const int c = r->GetIro(), cap = Aite(c);
    constexpr int kMax = 16;
    Point libs[kMax];
    int n = 0;
    for (int i = 1; i <= r->IsiCount(); ++i) {
        const Point s = r->GetIsi(i);
        const TLocate& loc = b.GetLocatePt(s);
        for (int j = 1; j <= loc.GetKankeiSu(); ++j) {
            if (loc.GetKankeiKind(j) != KankeiNaname || loc.GetLinkGrade(j) != 3 || !loc.OnBoardAt(j))
                continue;
            TRen* m = ToruRenAt(loc.GetKankeiPoint(j));
            if (m != nullptr && m != r && m->GetIro() == c && m->Kuu() == 1)
                AddPtUnique(libs, n, kMax, m->GetKuu(1));
        }
    }
    int best = 0;
    bool played = false, ko = false;
    for (int i = 0; i < n; ++i) {
        if (IsKouShape(libs[i], cap)) {
            ko = true;
            continue;
        }
        if (!ToruPushPlay(cap, libs[i]))
            continue;
        const int v = std::max(Hyoka(c), 0);
        YomiModosu();
        best = played ? std::min(best, v) : v;
        played = true;
    }
    if (played)
        return best;
    if (ko)
        return Hyoka(c) / 2;
    return -1;
}

bool TugiKaesiKoho(Point p, int v)
{
    const int own = JibunIro, opp = AiteIro;
    const TGoban& b = CurGoban();
    Point e[4];
    if (ListNeighbour(p, kAki, e) != 1 || b.IsSelfAtariPt(own, e[0]))
        return false;
    const Point conn = e[0];
    int value = 0;
    {
        TYomiKeep keep;
        if (!ToruPlay(own, conn) || !ToruPlay(opp, p))
            return false;
        ToruRenMake();
        TRen* r = ToruRenAt(p);
        if (r == nullptr || r->Kuu() != 1 || !ToruPlay(own, r->GetKuu(1)))
            return false;
        value = Hyoka(own) + v;
    }
    AddKoho(conn, value, 0);
    return true;
}

bool NigeKatachiCheck(Point p, int c)
{
    TYomiKeep keep;
    const int o = Aite(c);
    Point e[4];
    if (ListNeighbour(p, kAki, e) != 3)
        return false;
    // Two of the ways out face the other colour: block the third and read
    // both extensions.
    int wide[3], nw = 0, narrow = -1;
    for (int i = 0; i < 3; ++i) {
        TIroCounts n;
        CountNeighbour(e[i], n);
        if (n[o] >= 2)
            wide[nw++] = i;
        else
            narrow = i;
    }
    if (nw == 2) {
        if (!ToruPlay(o, e[narrow]))
            return false;
        for (int i = 0; i < 2; ++i) {
            TYomiKeep line;
            if (!ToruPlay(c, e[wide[i]]))
                continue; // an extension c cannot play is no way out
            ToruRenMake();
            if (!ToruSicho(p))
                return false;
        }
        return true;
    }
    if (LineNoPt(p) != 2)
        return false;
    Point third, first;
    for (int d = 1; d <= 4; ++d) {
        const Point q = Dir4Pt(p, d);
        const int col = IroAt(q);
        if (col != c && col != kAki)
            continue;
        if (LineNoPt(q) == 3)
            third = q;
        else if (LineNoPt(q) == 1)
            first = q;
    }
    if (third.x == 0 || first.x == 0)
        return false;
    return Line2NigeYomi(third, first, c);
}

bool Line2NigeYomi(Point a, Point b, int c)
{
    TYomiKeep keep;
    Point box[9];
    BetweenStrip3(a, b, box);
    if (IroAt(box[3]) != kAki || IroAt(box[5]) != kAki || IroAt(box[7]) != kAki)
        return false;
    const Point p = box[4];
    const int o = Aite(c);
    for (int order = 0; order < 2; ++order) {
        const Point os = order == 0 ? box[3] : box[5];
        const Point cs = order == 0 ? box[5] : box[3];
        TYomiKeep line;
        if (!ToruPlay(o, os) || !ToruPlay(c, cs))
            continue;
        CurGoban().Analyze();
        if (GunDead(p))
            return true;
        if (!ToruPlay(o, StepBeyond(p, cs)))
            continue;
        ToruRenMake();
        // The block stands when c cannot capture round its stone and the
        // blocking stone is not itself short of liberties.
        bool atari = false;
        for (int d = 1; d <= 4 && !atari; ++d) {
            const Point q = Dir4Pt(cs, d);
            const TRen* r = IroAt(q) == o ? ToruRenAt(q) : nullptr;
            atari = r != nullptr && r->Kuu() == 1;
        }
        if (atari)
            continue;
        const Point block = StepBeyond(p, cs);
        const TRen* r = ToruRenAt(block);
        if (r != nullptr && r->Kuu() >= 2 && (r->Kuu() > 2 || !ToruSicho(block)))
            return true;
    }
    return false;
}

bool NigeToruCheck(Point p, int c)
{
    TYomiKeep keep;
    ToruRenMake();
    const TRen* r = ToruRenAt(p);
    if (r == nullptr || r->GetIro() != c || r->Kuu() > 2)
        return false;
    const TGoban& b = CurGoban();
    int n = 0;
    Point lib;
    for (int i = 1; i <= r->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(r->Mren(i));
        if (m != nullptr && m->Kuu() == 1) {
            ++n;
            lib = m->GetKuu(1);
        }
    }
    if (n != 1 || !ToruPlay(Aite(c), lib))
        return false;
    ToruRenMake();
    return ToruSicho(p);
}

void EdgeSichoKoho(Point p)
{
    if (LineNoPt(p) != 1 || Level < 1 || CurGoban().Tejun.CurTe() != p)
        return;
    TRen* r = ToruRenAt(p);
    if (r == nullptr || !IsStone(r->GetIro()))
        return;
    const int owner = r->GetIro(), other = Aite(owner);
    const Point m = r->SichoTe(1);
    if (!CurGoban().OnBoardPt(m) || LineNoPt(m) != 2)
        return;
    // Instead of extending at p, the owner plays the ladder's first move.
    YomiModosu();
    bool add = false;
    int v = 0;
    {
        TYomiKeep line;
        if (ToruPlay(owner, m)) {
            CurGoban().Analyze();
            const TGun* g = GunAt(m);
            if (g != nullptr && g->GetMe() >= 4 && ToruPlay(other, p)) {
                v = Hyoka(other);
                add = true;
            }
        }
    }
    if (add)
        AddKoho(p, v, 0);
    if (ToruPlay(owner, p))
        ToruRenMake();
}

bool EdgeIsi1Nige(TRen* ren)
{
    if (ren == nullptr || ren->IsiCount() != 1 || ren->Kuu() != 1 || !IsStone(ren->GetIro()))
        return false;
    TYomiKeep keep;
    const TGoban& b = CurGoban();
    const int c = ren->GetIro(), o = Aite(c);
    const Point s = ren->GetIsi(1), k = ren->GetKuu(1);
    if (LineNoPt(s) != 1)
        return false;
    const Point beyond = StepBeyond(s, k);
    if (b.GetIroPt(beyond) != kAki)
        return false;
    Point box[9];
    BetweenStrip3(s, beyond, box);
    if (!b.OnBoardPt(box[3])) {
        std::swap(box[0], box[2]);
        std::swap(box[3], box[5]);
        std::swap(box[6], box[8]);
    }
    if (b.GetIroPt(box[3]) != c)
        return false;
    const TRen* q = b.RenList.RenAtPt(box[3]);
    if (q == nullptr)
        return false;
    const int qLibs = q->Kuu();
    const Point t = box[6];

    // Our extension along the edge.
    int e1 = 0;
    {
        TYomiKeep line;
        if (!ToruPlay(c, k))
            return false;
        ToruRenMake();
        const TRen* r = ToruRenAt(k);
        if (r != nullptr && r->Kuu() == 2 && ToruSicho(k))
            return false;
        e1 = Hyoka(c);
    }

    // The opponent's hane at t first, when our neighbour has room.
    if (b.GetIroPt(t) == kAki && qLibs == 3 && EmptyNeighbours(t) >= 3) {
        int e2 = 0;
        bool add = false;
        {
            TYomiKeep line;
            if (ToruPlay(o, t) && ToruPlay(c, k)) {
                ToruRenMake();
                if (ToruSicho(k)) {
                    YomiModosu();
                    if (ToruPlay(o, k)) {
                        e2 = Hyoka(o);
                        add = true;
                    }
                }
            }
        }
        if (add) {
            AddKoho(c == JibunIro ? k : t, e1 + e2, 0);
            return false;
        }
    }

    // The opponent takes; we play on beyond.
    int e2 = 0;
    bool ladder = false;
    {
        TYomiKeep line;
        if (!ToruPlay(o, k) || !ToruPlay(c, beyond))
            return false;
        ToruRenMake();
        if (const TRen* rb = ToruRenAt(beyond); rb != nullptr && rb->Kuu() == 1) {
            YomiModosu();
            const int taken = Hyoka(o);
            line.Restore();
            const int ours = UtuHyoka(c, k);
            AddKoho(k, ours + taken, 0);
            return false;
        }
        ToruPlay(o, s);
        ToruRenMake();
        if (SichoCheck2(beyond) != 1) {
            const Point u = SharedDamePt(k);
            TYomiKeep t2;
            if (u.x != 0 && ToruPlay(c, u))
                e2 = Hyoka(o) + 2;
            else
                e2 = Hyoka(o);
        } else {
            TRen* rb = ToruRenAt(beyond);
            const Point m = rb == nullptr ? Point() : rb->SichoTe(1);
            TYomiKeep t2;
            ToruPlay(c, m);
            e2 = Hyoka(o);
            ladder = true;
        }
    }
    int value = e1 + e2;
    if (e1 < -1 || e2 < -1)
        value /= 2;
    else if (ladder)
        value *= 2;
    value = std::min(value, 25);
    AddKoho(k, value, 1);
    return true;
}

int NigeToruHyoka(Point p)
{
    TYomiKeep keep;
    const int opp = AiteIro;
    int r = Hyoka(opp);
    Point d[4];
    if (ListDiagonal(p, kAki, d) != 1 || !ToruPlay(opp, d[0]))
        return r;
    ToruRenMake();
    const TRen* ch = ToruRenAt(d[0]);
    if (ch != nullptr && ch->Kuu() >= 2 && !(ch->Kuu() == 2 && SichoCheck2(d[0]) == 1))
        r = Hyoka(opp) / 2;
    return r;
}

Point SharedDamePt(Point p)
{
    ToruRenMake();
    const TRen* r = ToruRenAt(p);
    if (r == nullptr)
        return Point();
    const TGoban& b = CurGoban();
    TRen* two[kMaxMren]; // room for every neighbour
    int n = 0;
    for (int i = 1; i <= r->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(r->Mren(i));
        if (m != nullptr && m->Kuu() == 2)
            two[n++] = m;
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int li = 1; li <= 2; ++li)
                for (int lj = 1; lj <= 2; ++lj) {
                    const Point u = two[i]->GetKuu(li);
                    if (u == two[j]->GetKuu(lj) && EmptyNeighbours(u) >= 2)
                        return u;
                }
    return Point();
}

// ---------------------------------------------------------------------------
// Shape utilities

int KankeiKiriPoints(Point p, std::span<Point> list, int capacity)
{
    capacity = std::clamp(capacity, 0, static_cast<int>(list.size()));
    KohoLocateMake();
    const TGoban& b = CurGoban();
    int n = 0;
    for (int i = 1; i <= b.PairCount() && n < capacity; ++i) {
        const int kind = b.PairKind(i);
        if (kind != Kankei1ken && kind != Kankei2ken)
            continue; // a knight's move has no single cutting point
        const Point a = b.PairPointA(i), s = b.PairPointB(i);
        const int ka = Kyori(a, p), ks = Kyori(s, p);
        if (ka > 4 || ks > 4 || (ka > 2 && ks > 2))
            continue;
        // Every link counts, also two that share one cutting point: two
        // links to cut are not "the one cut" the callers answer.
        const Point cut = kind == Kankei1ken ? IkkenPairCut(s, a) : NikenPairCut(s, a);
        if (b.OnBoardPt(cut))
            list[static_cast<std::size_t>(n++)] = cut;
    }
    return n;
}

bool IsKankeiKiriPoint(Point p)
{
    const TGoban& b = CurGoban();
    for (int y = p.y - 1; y <= p.y + 1; ++y)
        for (int x = p.x - 1; x <= p.x + 1; ++x) {
            const Point s(x, y);
            if (!b.OnBoardPt(s) || !IsStone(b.GetIroPt(s)))
                continue;
            const TLocate& loc = b.GetLocatePt(s);
            for (int j = 1; j <= loc.GetKankeiSu(); ++j) {
                if (loc.GetLinkGrade(j) <= 1)
                    continue;
                Point cuts[4];
                int n = 0;
                if (loc.GetKankeiKind(j) == Kankei1ken)
                    n = IkkenKiriTest(s, loc.GetKankeiPoint(j), cuts);
                else if (loc.GetKankeiKind(j) == KankeiKeima)
                    n = KeimaKiriTest(s, loc.GetKankeiPoint(j), cuts);
                for (int i = 0; i < n; ++i)
                    if (cuts[i] == p)
                        return true;
            }
        }
    return false;
}

void RenAtariTori(Point p, Point& out)
{
    out = Point();
    TYomiKeep keep;
    ToruRenMake();
    const TRen* r = ToruRenAt(p);
    if (r == nullptr || !IsStone(r->GetIro()))
        return;
    const int o = Aite(r->GetIro());
    const TGoban& b = CurGoban();
    Point firsts[kMaxMren]; // room for every neighbour
    int n = 0;
    for (int i = 1; i <= r->MrenCount(); ++i) {
        const TRen* m = b.RenList.Items(r->Mren(i));
        if (m != nullptr && m->Kuu() == 1 && m->IsiCount() >= 1)
            firsts[n++] = m->GetIsi(1);
    }
    if (n < 2)
        return;
    Point kept;
    for (int i = 0; i < n; ++i) {
        const Point l = AtariLibertyAt(firsts[i], r->GetIro());
        if (l.x != 0 && CurGoban().CheckUtu(o, l.x, l.y) == kUtuOk)
            kept = l;
    }
    if (kept.x == 0 || !ToruPlay(o, kept))
        return;
    ToruRenMake();
    if (!HasAtariRen8(p, o))
        out = kept;
}

void ToruReset() { DoubleKiri.Fill(Point()); }

} // namespace vorn
