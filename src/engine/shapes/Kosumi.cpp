#include "engine/shapes/Kosumi.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <tuple>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/Yose.h"
#include "engine/shapes/LinkUtil.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

// The reason codes of the diagonal's own candidates: the owner's defence and
// the attacker's cut, both related to the cutting point.
constexpr std::uint8_t kReasonDefence = 3;
constexpr std::uint8_t kReasonCut = 4;

// The centre of the 19x19 board, where a ladder of the cutting stone may run.
constexpr Point kCentre19{10, 10};

// The points of one diagonal pair (see the header's diagram).
struct TKosumi {
    Point a, b, c1, c2, e1, e2, d1, d2, d3;
    int own = 0, opp = 0;

    explicit TKosumi(const TShape& s)
        : a(s.R(0)), b(s.R(3)), c1(s.R(1)), c2(s.R(2)), own(s.Own()), opp(s.Opp())
    {
        e1 = StepBeyond(c1, a);
        e2 = StepBeyond(c1, b);
        d1 = StepBeyond(c1, c2);
        d2 = StepBeyond(a, c2);
        d3 = StepBeyond(b, c2);
    }
    // The engine owns the pair / attacks it.
    bool EngineOwn() const { return JibunIro == own; }
    bool EngineOpp() const { return JibunIro == opp; }
};

int StonesOf(Point p)
{
    const TRen* r = ToruRenAt(p);
    return r == nullptr ? 0 : r->IsiCount();
}

int EmptyAround8(Point p)
{
    TIroCounts n;
    CountAround8(p, n);
    return n[kAki];
}

// A group that is weak, and one in a capturing race; false without a group.
bool Weak(const TGun* g) { return g != nullptr && g->IsWeak(); }
bool InRace(const TGun* g) { return g != nullptr && g->GetSmai() == 1; }

// The cutting group at p is gone or dead and not in a capturing race, on a
// fresh analysis of the current board.
bool CutterDead(Point p)
{
    CurGoban().Analyze();
    const TGun* g = GunAt(p);
    return g == nullptr || (g->GetDeath() == 1 && !InRace(g));
}

// c plays p on a new level (a refused move is not played): Hyoka for
// scorer, then p is taken back.
int ScorePush(TShapeYomi& y, int scorer, int c, Point p)
{
    const int mark = y.Tries();
    y.PushPlay(c, p);
    const int v = y.Score(scorer);
    y.BackTo(mark);
    return v;
}

// The first stones of the distinct chains of colour c next to p, in
// direction order; answers their count.
int TonariRenStones(Point p, int c, Point (&out)[4])
{
    int nos[4];
    const int n = ListTonariRen(p, c, nos);
    int k = 0;
    for (int i = 0; i < n; ++i)
        if (const TRen* r = CurGoban().RenList.Items(nos[i]); r != nullptr && r->IsiCount() > 0)
            out[k++] = r->GetIsi(1);
    return k;
}

// --- The stone at C1 in atari ---------------------------------------------------

void KosumiAtariUtu(const TKosumi& k)
{
    const Point l = KuuPointOf(k.c1, 1);
    if (KuuOf(k.a) == 2 && KuuOf(k.b) == 2) {
        // Both link chains short of liberties: after the cut and the
        // capture, can a ladder still take one of them?
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(k.opp, k.c2))
            return;
        const int cut = y.Tries();
        if (!y.Play(k.own, l))
            return;
        const TRen* caught = ToruRenAt(l);
        if (caught != nullptr && caught->Kuu() == 1 && caught->IsiCount() >= 2)
            return;
        const int s = SichoCheck(k.a) == 1 ? 1 : SichoCheck(k.b);
        y.BackTo(cut);
        if (s != 1)
            return;
        const int e1 = ScorePush(y, k.opp, k.opp, KuuPointOf(k.a, 1));
        const int e2 = ScorePush(y, k.opp, k.opp, KuuPointOf(k.b, 1));
        AddKoho(k.EngineOpp() ? k.c2 : l, std::min(e1, e2), 0);
        return;
    }
    TIroCounts around;
    CountAround8(k.c2, around);
    if (around[k.opp] < 2)
        return;
    int e = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(k.opp, k.c2) || SichoCheck(k.c2) == 1 || !y.Play(k.own, l))
            return;
        // Our chain next to the cut that the capture leaves in atari.
        Point stones[4], t;
        for (int i = 0, n = TonariRenStones(k.c2, k.own, stones); i < n; ++i)
            if (KuuOf(stones[i]) == 1)
                t = KuuPointOf(stones[i], 1);
        e = t.x != 0 ? y.ScoreAfter(k.opp, {{k.opp, t}}) : y.Score(k.opp);
    }
    if (e > 0)
        AddKoho(k.EngineOwn() ? l : k.c2, UtuHyoka(k.own, l) + e, 0);
    LinkMark1Set(k.c2, 1);
}

// --- The stone at C1 caught by a ladder -----------------------------------------

// Our chains next to the cut with fewer than three liberties: the opponent's
// best capture or ladder against one of them; -1 when there is none.
int BestAttackNextToCut(TShapeYomi& y, const TKosumi& k, Point& tBest)
{
    Point stones[4], target[4];
    int m = 0;
    for (int i = 0, n = TonariRenStones(k.c2, k.own, stones); i < n; ++i) {
        const int kuu = KuuOf(stones[i]);
        Point t;
        if (kuu == 1)
            t = KuuPointOf(stones[i], 1);
        else if (kuu != 2 || !ToruSicho(stones[i], &t))
            continue;
        target[m++] = t;
    }
    int best = -1;
    for (int i = 0; i < m; ++i) {
        const int mark = y.Tries();
        if (y.PushPlay(k.opp, target[i])) {
            const int e = y.Score(k.opp);
            if (e > best) {
                best = e;
                tBest = target[i];
            }
        }
        y.BackTo(mark);
    }
    return best;
}

// After the cut and our first ladder move, the opponent's stone beside A or
// B pushes out: the value of the cut through that push.
void KosumiSichoYomi2(TShapeYomi& y, const TKosumi& k, Point s, Point other)
{
    const Point t1 = StepBeyond(k.c1, s), t2 = StepBeyond(s, t1);
    if (IroOf(t1) != kAki || EmptyNeighbours(t1) < 2 || IroOf(t2) != k.own)
        return;
    const int mark = y.Tries();
    if (y.Play(k.opp, t1) && KuuOf(s) == 1) {
        y.Play(k.own, KuuPointOf(s, 1));
        const Point x = StepBeyond(other, k.c2);
        const Point yPt = StepBeyond(x, t1);
        const int e = IroOf(yPt) == kAki ? y.ScoreAfter(k.opp, {{k.opp, yPt}}) : y.Score(k.opp);
        AddKoho(k.c2, e, 0);
    }
    y.BackTo(mark);
}

void KosumiSichoYomi(const TKosumi& k, Point l1)
{
    if (IroOf(StepBeyond(k.b, k.c2)) != k.opp && IroOf(StepBeyond(k.a, k.c2)) != k.opp)
        return;
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(k.opp, k.c2))
        return;
    y.Play(k.own, l1);
    KosumiSichoYomi2(y, k, k.a, k.b);
    KosumiSichoYomi2(y, k, k.b, k.a);
}

// True when it added a candidate.
bool KosumiSichoUtu(const TKosumi& k)
{
    const Point l1 = SichoTeOf(k.c1, 1);
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(k.opp, k.c2) || SichoCheck(k.c2) == 1)
        return false;
    const int cut = y.Tries();
    y.Play(k.own, l1);
    Point tBest;
    const int best = BestAttackNextToCut(y, k, tBest);
    if (best < 1) {
        y.BackAll();
        KosumiSichoYomi(k, l1);
        return false;
    }
    // Our answer to the best attack instead of the ladder.
    y.BackTo(cut);
    y.Play(k.own, tBest);
    Point unused;
    const int best2 = BestAttackNextToCut(y, k, unused);
    if (best2 <= 0)
        return false;
    AddKoho(k.c2, std::min(best, best2), 0);
    return true;
}

void KosumiSichoUtu2(const TKosumi& k)
{
    // The last of our two-liberty chains next to C1's stone that a ladder
    // catches.
    TRen* r1 = ToruRenAt(k.c1);
    if (r1 == nullptr)
        return;
    const Point s = r1->SichoTe(1);
    // The ladder reader plays above this level: the chain list stays.
    Point t;
    for (int i = 1; i <= r1->MrenCount(); ++i) {
        const TRen* m = CurGoban().RenList.Items(r1->Mren(i));
        Point first;
        if (m != nullptr && m->GetIro() == k.own && m->Kuu() == 2 && ToruSicho(m->GetIsi(1), &first))
            t = first;
    }
    if (t.x == 0)
        return;
    int e1 = 0, e2 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(k.opp, t))
            return;
        e1 = y.Score(k.opp);
        y.Play(k.opp, k.c2);
        e2 = y.Score(k.opp);
    }
    const int m = e1 + (e2 - e1) / 2;
    const int e3 = UtuHyoka(k.own, s);
    AddKoho(k.EngineOpp() ? t : s, e3 + m, 0);
}

// --- Stones beyond the cutting point ---------------------------------------------

void KosumiHaneUtu(const TKosumi& k)
{
    const Point s = IroOf(k.d2) == k.opp ? k.a : k.b;
    if (IroOf(StepBeyond(k.c1, s)) == k.opp)
        return;
    const int e0 = UtuHyoka(k.own, k.c2);
    int e = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(k.opp, k.c2))
            return;
        if (IroOf(k.d2) != kAki) {
            y.Play(k.own, k.d3);
        } else if (y.Play(k.own, k.d2) && KuuOf(k.b) == 1) {
            y.Play(k.opp, KuuPointOf(k.b, 1));
        }
        e = y.Score(k.opp);
    }
    AddKoho(k.c2, e0 + e, 0);
}

// The opponent's stone beside the pair, read along the strip from h (the
// stone beyond the cutting point) to g; true when it added a candidate.
bool KosumiSotoUtu(const TKosumi& k, Point h, Point g)
{
    Point box[12];
    BetweenStrip3(h, g, box);
    // The first opponent stone of [3], [5], [6], [8] names (M, N, K).
    struct TPick {
        int at, m, n, k;
    };
    static constexpr TPick kPicks[] = {{3, 4, 5, 8}, {5, 4, 3, 6}, {6, 7, 8, 5}, {8, 7, 6, 3}};
    const TPick* pick = nullptr;
    for (const TPick& p : kPicks)
        if (IroOf(box[p.at]) == k.opp) {
            pick = &p;
            break;
        }
    if (pick == nullptr)
        return false;
    const Point m = box[pick->m], n = box[pick->n], kk = box[pick->k];
    if (CurGoban().IsSelfAtariPt(k.opp, n) == 1)
        return false;
    Point s;
    int e = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (ToruSicho(m, &s)) {
            if (!y.Play(k.opp, s))
                return false;
        } else {
            s = n;
            if (!y.Play(k.opp, n))
                return false;
            y.Play(k.own, k.c2);
            y.Play(k.opp, kk);
        }
        e = y.Score(k.opp);
    }
    AddKoho(k.EngineOwn() ? k.c2 : s, e, 0);
    return true;
}

// --- A link on the second line ----------------------------------------------------

// s: the link stone on the second line whose two-liberty chain a ladder
// catches; t the other.
void KosumiNiroUtu(const TKosumi& k, Point s, Point t)
{
    const Point u = StepBeyond(s, k.c2);
    if (IroOf(u) != kAki)
        return;
    const Point v = StepBeyond(t, k.c2), w = StepBeyond(k.c2, s), x = StepBeyond(k.c1, s);
    const int cv = IroOf(v), cw = IroOf(w), cx = IroOf(x);
    int e1 = 0;
    {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(k.opp, k.c2))
            return;
        y.Play(k.own, u);
        const Point l = KuuPointOf(s, 1);
        y.Play(k.opp, l);
        e1 = y.Score(k.opp);
        if (k.EngineOpp())
            AddPreparedTe(k.c2, u, l);
        const TGun* gu = GunAt(u);
        if (gu != nullptr && gu->GetMe() > 3) {
            if (KuuOf(t) == 2 && e1 >= 10)
                e1 += 4;
        } else if (gu != nullptr) {
            Point p;
            GunHirogeruBest(*gu, p);
            if (p.x > 0) {
                e1 = y.ScoreAfter(k.opp, {{k.own, p}});
                if (e1 < 0)
                    e1 = 12;
            }
        }
    }
    // Our descent beside the stone, when it turns the cut into a ladder.
    Point q = k.c2;
    if (cw == k.opp && cv == k.opp && cx == kAki) {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(k.own, x) && SichoCheck(x) != 1 && y.Play(k.opp, k.c2) && SichoCheck(k.c2) == 1)
            q = x;
    }
    const int e2 = UtuHyoka(k.own, q);
    int value = e1 + e2;
    if (e2 < -5)
        value /= 2;
    if (value >= 14)
        value += 4;
    AddKoho(k.EngineOwn() ? q : k.c2, value, 0);
    LinkMark2Set(k.c2, 1);
}

// --- The cut --------------------------------------------------------------------------

// The cutting stone is caught by a ladder: the quiet move under it on the
// second line.
void KosumiKiriSicho(const TKosumi& k)
{
    if (LineNoPt(k.c2) != 3 || IroOf(k.c1) == JibunIro)
        return;
    const Point p = StepBeyond(k.c1, k.c2);
    if (LineNoPt(p) == 2 && IroOf(p) == kAki && EmptyAround8(p) == 8)
        AddKoho(p, 5, 0);
}


// Both link chains keep two liberties or more and a ladder catches one:
// the two ladders as miai.
void KosumiKiriDame(const TKosumi& k)
{
    const bool ca = SichoCheck(k.a) == 1;
    const bool cb = SichoCheck(k.b) == 1;
    if (!ca && !cb)
        return;
    const Point a1 = SichoTeOf(k.a, 1), b1 = SichoTeOf(k.b, 1);
    int e[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.Play(k.own, i == 0 ? a1 : b1))
            return;
        y.Play(k.opp, i == 0 ? b1 : a1);
        e[i] = y.Score(k.opp);
    }
    AddKoho(k.c2, std::min(e[0], e[1]), 0);
}

// The cutting chain on the third line with liberties on the third and the
// second line: after our block on the third line the descent dies.
bool KiriLine3Dies(const TKosumi& k)
{
    if (LineNoPt(k.c2) != 3 || KuuOf(k.c2) != 2)
        return false;
    const Point l1 = KuuPointOf(k.c2, 1), l2 = KuuPointOf(k.c2, 2);
    Point third, second;
    if (LineNoPt(l1) == 3 && LineNoPt(l2) == 2) {
        third = l1;
        second = l2;
    } else if (LineNoPt(l2) == 3 && LineNoPt(l1) == 2) {
        third = l2;
        second = l1;
    } else {
        return false;
    }
    TShapeYomi y(TRefusal::GoOn);
    if (!y.PushPlay(k.own, third) || KuuOf(third) == 1)
        return false;
    if (!y.Play(k.opp, second))
        return true;
    return CutterDead(k.c2);
}

// Our atari on the two-liberty cutter from either side leaves its extension
// dead or hopeless.
bool KiriAtariDies(const TKosumi& k)
{
    if (KuuOf(k.c2) != 2)
        return false;
    const Point libs[2] = {KuuPointOf(k.c2, 1), KuuPointOf(k.c2, 2)};
    for (int i = 0; i < 2; ++i) {
        TShapeYomi y(TRefusal::GoOn);
        if (!y.PushPlay(k.own, libs[i]) || KuuOf(libs[i]) == 1)
            continue;
        if (!y.PushPlay(k.opp, libs[1 - i]))
            return true;
        CurGoban().Analyze();
        const TGun* g = GunAt(k.c2);
        if (g == nullptr || (g->GetDeath() == 1 && !InRace(g)) ||
            (g->IsWeak() && !InRace(g) && g->GetDeathLevel() > 70))
            return true;
    }
    return false;
}

// The cut's value v corrected by the strength of the groups it separates;
// run with the cut on the board and its analysis fresh.
int KosumiKiriHosei(const TKosumi& k, int v)
{
    const bool w1 = Weak(GunAt(k.c1)), w2 = Weak(GunAt(k.c2));
    const bool wa = Weak(GunAt(k.a)), wb = Weak(GunAt(k.b));
    const bool race = InRace(GunAt(k.a)) || InRace(GunAt(k.b));
    if (w1 && w2 && !wa && !wb)
        return -1;
    if (KiriLine3Dies(k))
        return -1;
    if (KiriAtariDies(k))
        return k.EngineOpp() ? 0 : v / 2;
    if (!w2 || race)
        return v;
    bool oneExtends = false;
    if ((wa || wb) && k.EngineOwn()) {
        // Our weak side extends along the third line instead.
        const TGun* ga = GunAt(k.a);
        const TGun* gb = GunAt(k.b);
        Point pa, pb;
        if (wa && ga != nullptr)
            GunNikenHirogeru(*ga, pa);
        if (wb && gb != nullptr)
            GunNikenHirogeru(*gb, pb);
        if (wa && wb) {
            if (pa.x > 0 && pb.x > 0) {
                const int r = std::min(v / 2, 25);
                AddKoho(pa, r, 0);
                AddKoho(pb, r, 0);
                return r;
            }
        } else {
            oneExtends = (wa ? pa : pb).x > 0;
        }
    }
    if ((!wa && !wb) || k.EngineOpp() || oneExtends)
        v /= 2;
    return v;
}

// What the cut is worth to the opponent, read with the cut on the board.
struct TCutValue {
    bool stop = false;  // the handler ends here
    int vCut = 0;
    int hold = 0;       // our escape from the atari fails or the cutter lives
    Point z;            // the centre, where the cutter's ladder runs
    bool edgeAtari = false;
};

TCutValue ReadCut(const TKosumi& k, int sA, int sB)
{
    TCutValue r;
    r.stop = true;
    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(k.opp, k.c2))
        return r;
    if (StonesOf(k.c1) > 1 && SichoCheck(k.c1) == 1)
        return r;
    if (KuuOf(k.c2) == 2) {
        if (SichoCheck(k.c2) == 1) {
            y.BackAll();
            KosumiKiriSicho(k);
            return r;
        }
        if (GetaYomi2(k.c2) == 1 || Line3Yomi(k.c2) == 1)
            return r;
    }
    if (BoardSize == 19) {
        TRen* cutter = ToruRenAt(k.c2);
        for (int i = 1; cutter != nullptr && i <= cutter->SichoCount(); ++i)
            if (cutter->SichoTe(i) == kCentre19 && EmptyAround8(kCentre19) == 8)
                r.z = kCentre19;
    }
    const int kA = KuuOf(k.a), kB = KuuOf(k.b);
    if (kA == 1 && kB == 1)
        return r;
    r.stop = false;

    const int cut = y.Tries();
    Point l, w;
    if ((kA == 1 && sB != 1) || (kA != 1 && kB == 1 && sA != 1)) {
        const Point s = kA == 1 ? k.a : k.b;
        l = KuuPointOf(s, 1);
        r.hold = KosumiKiriAtari(y, k.c2, s, l, w);
        r.edgeAtari = LineNoPt(k.c2) == 2 && LineNoPt(l) == 1;
    }
    if (kA >= 2 && kB >= 2 && (kA == 2 || kB == 2))
        KosumiKiriDame(k);
    r.vCut = y.Score(k.opp);
    if (const TGun* g = GunAt(k.c2); r.vCut >= 0 && g != nullptr && g->IsDeath90() == 1 && !InRace(g))
        r.vCut /= 4;
    if (r.hold != 1)
        r.vCut = KosumiKiriHosei(k, r.vCut);
    y.BackTo(cut);
    if (r.hold == 1 && w.x != 0 && r.vCut >= 21) {
        const int v = y.ScoreAfter(k.opp, {{k.own, w}, {k.opp, l}});
        if (v < r.vCut)
            r.vCut = v + (r.vCut - v) / 2;
    }
    return r;
}

// --- The defence --------------------------------------------------------------------

Point DefencePoint(const TKosumi& k)
{
    TGoban& g = CurGoban();
    // The board's shape answer at the cut; the cut itself when it has none.
    const Point bent = TonariPairTeBent(k.a, k.b, k.c2, k.c1);
    TRen* r1 = ToruRenAt(k.c1);
    Point d = bent;
    if (r1 != nullptr && r1->Kuu() == 1) {
        const Point lib = r1->GetKuu(1);
        if (lib != KouTen)
            d = lib;
    } else if (r1 != nullptr && r1->Kuu() == 2) {
        if (r1->GetSicho() == 1)
            d = r1->SichoTe(1);
    } else {
        if (AtariMapAt(k.opp, k.c2) == 1 || g.IsToruTenPt(k.opp, k.c2) == 1)
            d = k.c2;
        if (AtariMapAt(k.own, d) == 0) {
            // An atari of ours beside the cut after which the cutter dies
            // in a ladder.
            Point diag[4];
            for (int i = 0, n = ListDiagonal(k.c2, kAki, diag); i < n; ++i) {
                if (AtariMapAt(k.own, diag[i]) != 1)
                    continue;
                TShapeYomi y(TRefusal::GoOn);
                if (y.Play(k.own, diag[i]) && y.Play(k.opp, k.c2) && SichoCheck(k.c2) == 1) {
                    d = diag[i];
                    break;
                }
            }
        }
    }
    if (bent != k.c2)
        d = bent;
    return d;
}

// The defence's value for the owner; nullopt when the handler ends (the
// engine's defence would leave a dead group).  stood: our move at d was
// played.
std::optional<int> DefenceValue(const TKosumi& k, Point d, bool& stood)
{
    TShapeYomi y(TRefusal::GoOn);
    stood = y.Play(k.own, d);
    if (!stood)
        return 0;
    CurGoban().Analyze();
    if (k.EngineOwn()) {
        const TGun* g = GunAt(d);
        if (g != nullptr && g->IsDeath90() == 1)
            return std::nullopt;
    }
    int vDef = HyokaDiff(k.own);
    if (k.EngineOwn()) {
        // The opponent's chains next to our stone that a ladder now takes.
        Point stones[4];
        for (int i = 0, n = TonariRenStones(d, k.opp, stones); i < n; ++i) {
            Point first;
            if (KuuOf(stones[i]) != 2 || !ToruSicho(stones[i], &first))
                continue;
            const int v = y.ScoreAfter(k.own, {{k.own, first}});
            if (v > vDef)
                vDef += (v - vDef) / 3;
        }
    }
    return vDef;
}

// The outer atari on C1's two-liberty stone before the defence: (x, y) when
// the shape of its liberties calls for it.
bool OuterAtari(const TKosumi& k, Point& x, Point& y)
{
    if (KuuOf(k.c1) != 2)
        return false;
    const Point l1 = KuuPointOf(k.c1, 1), l2 = KuuPointOf(k.c1, 2);
    const int e1 = EmptyNeighbours(l1), e2 = EmptyNeighbours(l2);
    if ((e1 == 1 && e2 == 2) || (e2 == 3 && e1 <= 3)) {
        x = l2;
        y = l1;
        return true;
    }
    if ((e1 == 2 && e2 == 1) || (e1 == 3 && e2 <= 2)) {
        x = l1;
        y = l2;
        return true;
    }
    return false;
}

} // namespace

int KosumiKiriAtari(TShapeYomi& y, Point c2, Point s, Point l, Point& w)
{
    w = Point();
    const int own = IroOf(s);
    if (own != kKuro && own != kSiro)
        return 1;
    const int opp = Aite(own);
    const bool out = y.Play(own, l);
    if (KuuOf(out ? l : s) == 1) {
        if (out)
            y.Back();
        return 1;
    }
    const int kc = KuuOf(c2);
    if (kc > 1) {
        // The cutter runs out toward open space near the cut.
        Point run;
        for (int i = 1; i <= kc && run.x == 0; ++i) {
            const Point q = KuuPointOf(c2, i);
            if (Kyori(q, c2) < 4 && EmptyNeighbours(q) >= 3)
                run = q;
        }
        if (run.x != 0 && y.Play(opp, run))
            w = run;
    } else if (kc == 1) {
        const Point lib = KuuPointOf(c2, 1);
        if (y.Play(opp, lib)) {
            if (KuuOf(lib) > 1)
                w = lib;
            else
                y.Back();
        }
    }
    CurGoban().Analyze();
    const TGun* g = GunAt(c2);
    return g == nullptr || g->GetDeath() == 1 ? 0 : 1;
}

// --- The handlers --------------------------------------------------------------------

void KosumiRenraku(Point a, Point b)
{
    const TShape s(2, a, b);
    if (!s.Valid() || !s.Gate())
        return;
    const TKosumi k(s);
    TGoban& g = CurGoban();
    if (IroOf(k.b) != k.own || IroOf(k.c1) != k.opp || IroOf(k.c2) != kAki)
        return;
    if (KuuOf(k.a) == 1 || KuuOf(k.b) == 1)
        return;
    const int sA = SichoOf(k.a), sB = SichoOf(k.b);
    // A one-space jump of the opponent through one of our stones is answered
    // as that pair.
    if ((IroOf(k.e1) == k.opp && g.HasPair(k.c1, k.e1)) || (IroOf(k.e2) == k.opp && g.HasPair(k.c1, k.e2)))
        return;
    if (g.IsKinsiPt(k.opp, k.c2) == 1 || g.IsSelfAtariPt(k.opp, k.c2) == 1)
        return;
    if (JoinedLinkCheck(a, b) == 1)
        return;

    // The opponent's stone at C1.
    bool kou = false;
    {
        TRen* r1 = ToruRenAt(k.c1);
        if (r1 == nullptr)
            return;
        if (r1->Kuu() == 1) {
            if (!RenIsKou(r1)) {
                KosumiAtariUtu(k);
                return;
            }
            kou = true;
        } else if (r1->Kuu() == 2 && AtariMapAt(k.opp, k.c2) == 0 && r1->GetSicho() == 1) {
            if (!KosumiSichoUtu(k))
                KosumiSichoUtu2(k);
            return;
        }
    }

    // Stones beyond the cutting point.  In the two cases that look beyond
    // C1 that point stands in for D2 or D3 on the edge below.
    Point d2 = k.d2, d3 = k.d3;
    const int cD1 = IroOf(k.d1), cD2 = IroOf(k.d2), cD3 = IroOf(k.d3);
    if (cD1 == k.own && ((cD2 == k.opp && cD3 == kAki) || (cD3 == k.opp && cD2 == kAki))) {
        KosumiHaneUtu(k);
        return;
    }
    const Point pastB = StepBeyond(k.b, k.c1), pastA = StepBeyond(k.a, k.c1);
    if (cD3 == k.opp && cD2 == kAki && IroOf(pastB) == kAki) {
        d2 = pastB;
        const Point gPt = StepBeyond(k.c2, k.b);
        if (IroOf(gPt) == k.opp && IroOf(k.e2) == kAki && KosumiSotoUtu(k, k.d3, gPt))
            return;
    } else if (cD2 == k.opp && cD3 == kAki && IroOf(pastA) == kAki) {
        d3 = pastA;
        const Point gPt = StepBeyond(k.c2, k.a);
        if (IroOf(gPt) == k.opp && IroOf(k.e1) == kAki && KosumiSotoUtu(k, k.d2, gPt))
            return;
    }

    // A link on the second line whose stone a ladder takes.
    if (LineNoPt(k.c2) == 2) {
        for (const auto& [st, other, status] : {std::tuple{k.a, k.b, sA}, std::tuple{k.b, k.a, sB}}) {
            if (LineNoPt(st) == 2 && KuuOf(st) == 2 && status == 1) {
                KosumiNiroUtu(k, st, other);
                return;
            }
        }
    }

    const TCutValue cut = ReadCut(k, sA, sB);
    if (cut.stop)
        return;

    // The cut ataris a link stone on the edge and gains nothing.
    if (cut.edgeAtari && cut.vCut <= 0) {
        const Point p = LineNoPt(k.a) == 1 ? k.a : k.b;
        if (SichoOf(p) < 1) {
            const Point q = LineNoPt(d2) == 2 ? d2 : LineNoPt(d3) == 2 ? d3 : Point();
            if (q.x != 0 && IroOf(q) == kAki) {
                const int empty8 = EmptyAround8(q);
                if (empty8 >= 7)
                    AddKoho(k.EngineOwn() ? q : k.c2, 14, 0);
                else if (empty8 == 6 && EmptyNeighbours(q) == 4)
                    AddKoho(k.EngineOwn() ? q : k.c2, 12, 0);
            }
        } else {
            const Point l1 = SichoTeOf(p, 1), l2 = SichoTeOf(p, 2);
            int v = 0;
            {
                TShapeYomi y(TRefusal::GoOn);
                if (!y.Play(k.opp, l1))
                    return;
                y.Play(k.opp, l2);
                v = y.Score(k.opp);
            }
            LinkMark2Set(l1, 1);
            AddKoho(k.EngineOpp() ? l1 : TonariPairTe(l1, k.own), v, 0);
            return;
        }
    }

    Point d = DefencePoint(k);
    bool stood = false;
    const std::optional<int> def = DefenceValue(k, d, stood);
    if (!def)
        return;
    int vDef = *def;

    Point x, yPt;
    bool outer = OuterAtari(k, x, yPt);
    if (outer) {
        TShapeYomi y(TRefusal::GoOn);
        if (y.Play(k.own, x) && y.Play(k.opp, yPt)) {
            y.Play(k.own, d);
            vDef = y.Score(k.own);
            const TGun* gx = GunAt(x);
            outer = gx != nullptr && gx->GetDeath() != 1;
        }
        // Refused at X or Y: X stays, only the defence is not read again.
    }

    int vAll = vDef + cut.vCut;
    if (kou)
        vAll = vAll * 2 / 3;

    if (k.EngineOwn()) {
        // No defence of ours to offer when our move there is refused.
        if (!stood)
            return;
        if (vAll <= 0 && cut.hold == 1)
            vAll = 1;
        if (outer) {
            AddKohoEx(x, vAll, kReasonDefence, k.c2);
        } else if (cut.z.x != 0) {
            AddKoho(cut.z, vAll, 0);
        } else {
            LinkMark2Set(k.c2, 1);
            if (d == k.c2) {
                const Point bent = TonariPairTeBent(k.a, k.b, k.c2, k.c1);
                if (bent != k.c2)
                    d = bent;
            }
            AddKohoEx(d, vAll, kReasonDefence, k.c2);
        }
    } else if (k.EngineOpp()) {
        if (cut.vCut > 10 && LineNoPt(k.c2) == 3)
            vAll += 5;
        AddKohoEx(k.c2, vAll, kReasonCut, k.c2);
    }
}

void KosumiHokyo(Point a, Point b)
{
    const TShape s(2, a, b);
    if (!s.Valid())
        return;
    const TKosumi k(s);
    if (IroOf(k.b) != k.own || IroOf(k.c1) != k.opp || IroOf(k.c2) != kAki)
        return;
    if (KuuOf(k.a) == 1 || KuuOf(k.b) == 1 || SichoOf(k.a) == 1 || SichoOf(k.b) == 1)
        return;
    if (SichoOf(k.c1) != 1 || (KuuOf(k.a) != 3 && KuuOf(k.b) != 3))
        return;
    // The ladder against C1's stone, and its other liberty.
    const Point s1 = SichoTeOf(k.c1, 1);
    Point lx;
    for (int i = 1, n = std::min(KuuOf(k.c1), 2); i <= n; ++i)
        if (const Point l = KuuPointOf(k.c1, i); l != s1)
            lx = l;

    TShapeYomi y(TRefusal::GoOn);
    if (!y.Play(k.opp, k.c2))
        return;
    Point r;
    if (SichoCheck(k.a) == 1)
        r = k.a;
    else if (SichoCheck(k.b) == 1)
        r = k.b;
    else
        return;
    TRen* caught = ToruRenAt(r);
    if (caught == nullptr || caught->SichoCount() != 1)
        return;
    const Point t1 = caught->SichoTe(1);
    int v = y.ScoreAfter(k.opp, {{k.own, s1}, {k.opp, t1}, {k.own, lx}});
    if (k.EngineOpp())
        v *= 2;
    AddKoho(k.c2, v, 0);
}

} // namespace vorn
