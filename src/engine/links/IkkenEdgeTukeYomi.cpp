#include "engine/links/IkkenEdgeTukeYomi.h"

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/links/IkkenEdgeRenraku.h"
#include "engine/links/IkkenEdgeTuke.h"

namespace vorn {

namespace {

// A ladder this long counts as a capture for the capture lines.
constexpr int kLongSicho = 7;
// The cap of the combined value, and the cuts that follow it.
constexpr int kTukeCap = 25;
constexpr int kTukeCapUrgent = 19;
constexpr int kTukeCapBonus = 18;
constexpr int kTukeBigBonus = 20;

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

int GunMe(Point p)
{
    const TGun* g = GunAt(p);
    return g == nullptr ? 0 : g->GetMe();
}

bool GunWeak(Point p)
{
    const TGun* g = GunAt(p);
    return g != nullptr && g->IsWeak();
}

bool IsCorner(Point p) { return LineNoPair(p) == Point(1, 1); }
bool NextToCorner(Point p) { return LineNoPair(p) == Point(1, 2); }

int Around8(Point p, int c)
{
    TIroCounts n;
    CountAround8(p, n);
    return n[c];
}

// The first move of the ladder sequence stored in the chain at p; (0, 0)
// when there is none.
Point SichoFirst(Point p)
{
    TRen* r = ToruRenAt(p);
    return r == nullptr ? Point() : r->SichoTe(1);
}

// The chain at p is as good as captured: the ladder or a net catches it, or
// the ladder read against it runs more than seven moves.
bool CapRead(Point p)
{
    if (SichoCheck2(p) == 1)
        return true;
    SichoCheck(p);
    const TRen* r = ToruRenAt(p);
    return r != nullptr && r->SichoCount() > kLongSicho;
}

// The escape of the chain at p that CapRead caught: a capture beside it,
// else the ladder's first move, else its first liberty.
Point CapTe(Point p)
{
    Point y = TonariToruTe(ToruRenAt(p));
    if (y.x == 0)
        y = SichoFirst(p);
    if (y.x == 0)
        y = RenKuuPt(p, 1);
    return y;
}

// The side's block at q, beside the other side's first-line stone at nn:
// when the block keeps two liberties, leaves nn in atari, and the ladder then
// catches the chain at k, the other side answers in shape at the bent pair k,
// nn and v is the side's evaluation after that answer.  False otherwise (v as
// it was).
bool BlockSicho(TYomiTrial& tr, int side, Point k, Point nn, Point q, Point corner, int& v)
{
    int caught = 0;
    const int mark = tr.Tries();
    if (tr.Play(side, q)) {
        ToruRenMake();
        if (IkkenEdgeKuu(side, q) >= 2 && IkkenEdgeKuu(side ^ 3, nn) == 1)
            caught = SichoCheck(k);
    }
    tr.BackTo(mark);
    if (caught != 1)
        return false;
    ToruRenMake();
    v = TrialHyoka(tr, side, {{side ^ 3, TonariPairTeBent(k, nn, q, corner)}});
    return true;
}

// A side's line: up to four points, the first its candidate.
struct TTeLine {
    Arr<Point, 0, 3> Pt{};
    int N = 0;
    void Set(Point p)
    {
        Pt[0] = p;
        N = 1;
    }
    void Add(Point p)
    {
        if (N <= 3)
            Pt[N++] = p;
    }
    Point First() const { return N > 0 ? Pt[0] : Point(); }
};

// The named points of the pair, and the colours read before any trial move.
struct TTuke {
    int Own, Opp;
    Point St, K, N, S, T, Gap, NN, K2, H1, H2, KH1, KH2, TH1, K2H1;
    int CH1, CH2, CKH1, CKH2, CT, CK2, CTH1, CK2H1, CNN;
};

struct TTukeRead {
    int Vo = 0, Vp = 0;
    TTeLine L, M;
    bool EngineLine = false, OtherLine = false;
    int Bonus = 0;
    bool NoCap = false;

    // The side found a forcing line.
    void Forcing(int side)
    {
        if (JibunIro == side)
            EngineLine = true;
        else
            OtherLine = true;
    }
};

TTuke TukePoints(const TKankeiBox& box)
{
    TTuke e{};
    e.Own = box.Own;
    e.Opp = box.Opp;
    const TIkkenEdgeSide side = IkkenEdgeSideOf(box, box.IsOpp(0) ? kOrientPlain : kOrientAcross);
    e.St = side.Stone;
    e.Gap = side.Gap;
    e.K = box[side.K];
    e.N = box[side.N];
    e.S = box[side.S];
    e.T = box[side.T];
    e.NN = StepBeyond(e.Gap, e.N);
    e.K2 = StepBeyond(e.St, e.K);
    e.H1 = StepBeyond(e.Gap, e.St);
    e.H2 = StepBeyond(e.St, e.H1);
    e.KH1 = StepBeyond(e.N, e.K);
    e.KH2 = StepBeyond(e.K, e.KH1);
    e.TH1 = StepBeyond(e.S, e.T);
    e.K2H1 = StepBeyond(e.NN, e.K2);
    return e;
}

void TukeColours(TTuke& e)
{
    e.CH1 = IroAt(e.H1);
    e.CH2 = IroAt(e.H2);
    e.CKH1 = IroAt(e.KH1);
    e.CKH2 = IroAt(e.KH2);
    e.CT = IroAt(e.T);
    e.CK2 = IroAt(e.K2);
    e.CTH1 = IroAt(e.TH1);
    e.CK2H1 = IroAt(e.K2H1);
    e.CNN = IroAt(e.NN);
}

// The coordinate of p along the edge under the stone.
int Along(const TTuke& e, Point p) { return e.St.x == e.Gap.x ? p.x : p.y; }

// The owner's line after its move at N and the opponent's answer at NN, when
// that answer sets up no ladder for the owner: the owner connects at the gap
// and reads whether NN can be captured.  Takes back everything of `tr`.
void JibunNNKiri(const TTuke& e, const TKankeiBox& box, TYomiTrial& tr, TTukeRead& s)
{
    const int own = e.Own, opp = e.Opp;
    tr.Play(own, e.Gap);
    ToruRenMake();
    int sv = SichoCheck(e.Gap);
    if (sv == 0) {
        Point z;
        IkkenEdgeGetaTe(box, e.S, e.T, z);
        if (z.x != 0)
            sv = 1;
    }
    if (sv == 1) {
        // The connection would be caught: the owner connects at once.
        tr.BackAll();
        s.L.Set(e.Gap);
        s.Vo = TrialHyoka(tr, own, {{own, e.Gap}});
        return;
    }
    s.L.Set(e.N);
    s.L.Add(e.NN);
    s.L.Add(e.Gap);
    if (e.CH1 == kAki && Around8(e.H1, kAki) >= 6)
        s.L.Set(e.H1);
    bool plain = false;
    if (CapRead(e.NN)) {
        const Point y = CapTe(e.NN);
        const int mark = tr.Tries();
        const bool legal = tr.Play(opp, y);
        s.Vo = Hyoka(own);
        // An escape that was refused read no eyes: the line counts as forcing.
        int me = 0;
        if (legal) {
            me = GunMe(y);
            if (me <= 2)
                s.NoCap = true;
        }
        tr.BackTo(mark);
        if (JibunIro == own) {
            if (me != 3)
                s.EngineLine = true;
            s.Bonus = TrialHyoka(tr, own, {{own, y}});
        } else {
            s.OtherLine = true;
        }
    } else {
        if (BlockSicho(tr, own, e.K, e.NN, e.K2, e.N, s.Vo)) {
            s.Forcing(own);
        } else {
            s.Vo = Hyoka(own);
            if (s.Vo > kTukeCap && GunMe(e.NN) == 3)
                s.Vo = 19;
            plain = true;
        }
    }
    tr.BackAll();
    if (plain) {
        ToruRenMake();
        if (IkkenEdgeKuu(opp, e.K) == 3 && e.CK2 == opp && e.CNN == kAki && EmptyNeighbours(e.NN) == 2)
            s.L.Set(e.Gap);
    }
}

// The owner's line: its move under K at N (or the gap when N is a
// self-atari).  False: the owner's stone falls to a ladder, no candidate.
bool JibunLine(const TTuke& e, const TKankeiBox& box, TTukeRead& s)
{
    const int own = e.Own, opp = e.Opp;
    TYomiTrial tr;
    if (!IkkenEdgeUteruCheck(e.N, e.Gap, own)) {
        tr.Play(own, e.Gap);
        s.L.Set(e.Gap);
        s.Vo = Hyoka(own);
        if (GunMe(e.K) == 3) {
            s.Vo = TrialHyoka(tr, own, {{opp, e.N}});
            if (s.Vo == 1)
                s.Vo = 3;
        }
        return true;
    }
    tr.Play(own, e.N);
    ToruRenMake();
    if (SichoCheck(e.St) == 1)
        return false;
    if (SichoCheck(e.N) == 1) {
        s.L.Set(IsCorner(e.NN) ? e.N : e.Gap);
        s.Vo = 1;
        return true;
    }
    const int lK = IkkenEdgeKuu(opp, e.K);
    const int cNN = IroAt(e.NN), cK2 = IroAt(e.K2);
    if (cNN == kAki && lK > 1 && cK2 != own && !IsCorner(e.NN)) {
        tr.Play(opp, e.NN);
        if (!IkkenEdgeSichoNerai(e.K, e.NN, e.N, e.K2)) {
            JibunNNKiri(e, box, tr, s);
            return true;
        }
        // The answer at NN lets the owner's K2 start a ladder.
        if (JibunIro == own)
            AddPreparedTe(e.N, e.NN, e.K2);
        s.Forcing(own);
        s.L.Set(e.N);
        tr.Back();
        if (JibunIro == own)
            s.Bonus = Hyoka(own);
        s.L.Add(e.K2);
        tr.Play(opp, e.K2);
        tr.Play(own, e.NN);
        const Point x = StepBeyond(e.N, e.NN);
        if (!tr.Play(opp, x)) {
            s.Vo = Hyoka(own);
            return true;
        }
        ToruRenMake();
        if (IkkenEdgeKuu(opp, x) <= 1) {
            tr.Back();
            s.Vo = Hyoka(own);
            return true;
        }
        tr.Play(own, e.Gap);
        ToruRenMake();
        if (SichoCheck2(x) == 1) {
            s.L.Add(e.NN);
            s.Vo = TrialHyoka(tr, own, {{opp, SichoFirst(x)}});
            s.Forcing(own);
        } else {
            s.Vo = Hyoka(own);
        }
        return true;
    }
    // NN taken, K in atari, K2 the owner's, or NN in the corner.
    s.L.Set(e.N);
    if (lK == 1) {
        // K captures the last neighbour in atari, else extends.
        TRen* kr = ToruRenAt(e.K);
        if (TonariAtariKuu(kr).x != 0) {
            s.Vo = TrialHyoka(tr, own, {{opp, RenNigeTe(kr)}});
        } else {
            s.Vo = TrialHyoka(tr, own, {{opp, RenKuuPt(e.K, 1)}});
            if (JibunIro == own)
                s.EngineLine = true;
        }
    } else if (lK == 2) {
        s.Vo = SichoCheck(e.K) == 1 ? TrialHyoka(tr, own, {{opp, SichoFirst(e.K)}}) : Hyoka(own);
    } else if (IsCorner(e.NN)) {
        s.Vo = TrialHyoka(tr, own, {{opp, e.K2}});
    } else {
        s.Vo = Hyoka(own);
    }
    return true;
}

// The side's atari from x, the first-line point beyond its line: when the
// chain it ataris cannot capture its way out, the escape Y is answered at
// `back`, and a better value takes the line [x, Y, back].
void AtariBeyond(int side, Point x, Point back, int& v, TTeLine& line)
{
    if (IroAt(x) != kAki || AtariMapAt(side, x) != 1 || EmptyNeighbours(x) < 2)
        return;
    TYomiTrial tr;
    if (!tr.Play(side, x))
        return;
    ToruRenMake();
    // The atari may have captured and freed the chain instead: nothing to
    // chase then.
    TRen* atari = TonariAtariRen(x);
    if (atari == nullptr || TonariAtariKuu(atari).x != 0)
        return;
    const Point y = TonariAtariKuuPt(x);
    if (y.x == 0)
        return;
    const int w = TrialHyoka(tr, side, {{side ^ 3, y}, {side, back}});
    if (v < w) {
        v = w;
        line.Set(x);
        line.Add(y);
        line.Add(back);
    }
}

// The opponent's line: its push at the gap (or N).  False: K falls to a
// ladder, no candidate.
bool AiteLine(const TTuke& e, const TKankeiBox& box, TTukeRead& s)
{
    const int own = e.Own, opp = e.Opp;
    const TGoban& g = CurGoban();
    TYomiTrial tr;
    if (g.IsSelfAtariPt(opp, e.Gap) == 1 || (NextToCorner(e.N) && AtariMapAt(opp, e.Gap) == 0)) {
        s.M.Set(e.N);
        s.Vp = TrialHyoka(tr, opp, {{opp, e.N}});
        return true;
    }
    tr.Play(opp, e.Gap);
    ToruRenMake();
    if (SichoCheck(e.K) == 1)
        return false;
    if (IkkenEdgeKorosuCheck(e.N, e.K, own)) {
        tr.Back();
        s.M.Set(e.N);
        s.Vp = TrialHyoka(tr, opp, {{opp, e.N}});
        return true;
    }
    if (SichoCheck(e.Gap) == 1) {
        s.M.Set(IsCorner(e.N) ? e.Gap : e.N);
        s.Vp = 1;
        return true;
    }
    const int lSt = IkkenEdgeKuu(own, e.St);
    const int cS = IroAt(e.S), cT = IroAt(e.T);
    if (cS == kAki && lSt > 1 && cT != opp && !IsCorner(e.S)) {
        tr.Play(own, e.S);
        ToruRenMake();
        if (IkkenEdgeKuu(own, e.S) == 1) {
            s.M.Set(e.Gap);
            tr.Back();
            s.Vp = Hyoka(opp);
            return true;
        }
        if (Level > 0)
            CurGoban().ToruTenMake();
        const bool ko = IsKouShape(e.N, own);
        if (ko)
            IkkenEdgeKouTe(e.St, e.Gap, e.S, e.T, opp);
        tr.Play(opp, e.N);
        ToruRenMake();
        int sv = SichoCheck(e.N);
        Point z;
        if (sv == 0) {
            IkkenEdgeGetaTe(box, e.NN, e.K2, z);
            if (z.x != 0)
                sv = 1;
        }
        if (sv == 1) {
            const Point first = SichoFirst(e.N);
            s.M.Set(first.x != 0 ? first : z);
            s.Vp = 0;
            return true;
        }
        s.M.Set(e.Gap);
        s.M.Add(e.S);
        if (CapRead(e.S)) {
            s.M.Add(ko ? e.T : e.N);
            const Point y = CapTe(e.S);
            s.Vp = TrialHyoka(tr, opp, {{own, y}});
            if (JibunIro == opp) {
                s.EngineLine = true;
                s.Bonus = TrialHyoka(tr, opp, {{opp, y}});
            } else {
                s.OtherLine = true;
            }
            return true;
        }
        s.M.Add(e.N);
        if (BlockSicho(tr, opp, e.St, e.S, e.T, e.Gap, s.Vp))
            s.Forcing(opp);
        else
            s.Vp = Hyoka(opp);
        return true;
    }
    // S taken, the stone in atari, T the opponent's, or S in the corner.
    s.M.Set(e.Gap);
    if (lSt == 1)
        s.Vp = Hyoka(opp);
    else if (lSt == 2)
        s.Vp = SichoCheck(e.St) == 1 ? TrialHyoka(tr, opp, {{own, SichoFirst(e.St)}}) : Hyoka(opp);
    else if (IsCorner(e.S))
        s.Vp = TrialHyoka(tr, opp, {{own, e.T}});
    else
        s.Vp = Hyoka(opp);
    return true;
}

} // namespace

void IkkenEdgeTukeYomi(TKankeiBox box)
{
    if (box.Own < 0 || (box.IsOpp(0) && box.IsOpp(2)))
        return;
    TTuke e = TukePoints(box);
    const int own = e.Own, opp = e.Opp;
    // Of two opposing stones side by side, the one with the larger
    // coordinate along the edge reads the pair.
    if (Along(e, e.K) > Along(e, e.St))
        return;
    LinkMark1Set(e.Gap, 1);
    LinkMark1Set(e.N, 1);
    const TGoban& g = CurGoban();
    if (g.IsDeathPt(e.St) == 1 || g.IsDeathPt(e.K) == 1 || GunWeak(e.St) || GunWeak(e.K))
        return;
    if (RenKuu(e.St) == 1 || RenKuu(e.K) == 1)
        return;
    TukeColours(e);
    if (IroAt(e.S) == opp)
        return;
    if (e.CH1 == kAki && e.CH2 == opp && e.CT == kAki && EmptyNeighbours(e.T) == 3)
        return;
    if (e.CKH1 == kAki && e.CKH2 == own && e.CK2 == kAki && EmptyNeighbours(e.K2) == 3)
        return;
    if (e.CTH1 == own && e.CK2H1 == opp) {
        IkkenEdgeSitaYomi(e.T, e.K2);
        return;
    }
    if (IkkenEdgeKuu(own, e.St) == 2) {
        if (const Point l = TonariAtariKuu(ToruRenAt(e.St)); l.x != 0) {
            IkkenEdgeToruHyoka(box, opp, l);
            return;
        }
    }
    if (NextToCorner(e.S))
        IkkenEdgeSumiYomi(e.K, e.St, e.S, e.Gap);
    if (NextToCorner(e.NN))
        IkkenEdgeSumiYomi(e.St, e.K, e.NN, e.N);

    TTukeRead s;
    if (!JibunLine(e, box, s))
        return;
    if (e.CTH1 == kAki && LineNoPt(e.TH1) != 1 && Around8(e.TH1, own) <= 1) {
        s.L.Set(e.TH1);
        s.EngineLine = false;
    }
    if (s.Vo > 0)
        AtariBeyond(own, StepBeyond(e.N, e.NN), e.N, s.Vo, s.L);
    if (!AiteLine(e, box, s))
        return;
    if (e.CK2H1 == kAki && LineNoPt(e.K2H1) != 1 && Around8(e.K2H1, opp) <= 1) {
        s.M.Set(e.K2H1);
        s.EngineLine = false;
    }
    if (s.Vp > 0)
        AtariBeyond(opp, StepBeyond(e.Gap, e.S), e.Gap, s.Vp, s.M);

    const int sum = s.Vo + s.Vp;
    int total = sum;
    if (s.EngineLine) {
        total += sum / 2;
        if (s.OtherLine)
            total += sum / 3;
    } else if (s.OtherLine) {
        total += sum / 2;
    }
    if (!s.NoCap && total > kTukeCap) {
        total = kTukeCap;
        if (UrgentPassFlag == 1)
            total = kTukeCapUrgent;
        if (s.Bonus > kTukeBigBonus)
            total = kTukeCapBonus;
    }
    AddKohoSide(opp, s.M.First(), s.L.First(), total, s.Bonus);
    const TTeLine& line = JibunIro == own ? s.L : s.M;
    if (line.N == 3)
        AddPreparedTe(line.Pt[0], line.Pt[1], line.Pt[2]);
}

// --- Small readings -----------------------------------------------------------------

void IkkenEdgeSitaYomi(Point p, Point q)
{
    if (LineNoPt(p) == 1 || LineNoPt(q) == 1)
        return;
    TKankeiBox strip;
    if (!IkkenEdgeStripMake(p, q, strip))
        return;
    const int col = strip.Iro[4], oth = col ^ 3;
    if (!IsStone(col))
        return;
    // The first-line points of rows 1, 0, 2 and 3.
    const Point a = strip[5], b = strip[2], c = strip[8], d = strip[11];
    int va = 0;
    Point mc;
    if (IroAt(d) == kAki) {
        mc = c;
        TYomiTrial tr;
        tr.Play(col, c);
        if (!tr.Play(oth, d))
            return;
        tr.Play(col, a);
        va = Hyoka(col);
        if (va > 16 && GunMe(d) == 3)
            va = 8;
    } else {
        mc = a;
        va = SeqHyoka(col, {{col, a}});
    }
    int vb = 0;
    Point mo;
    if (IroAt(b) == kAki) {
        mo = a;
        TYomiTrial tr;
        tr.Play(oth, a);
        if (tr.Play(col, b)) {
            tr.Play(oth, c);
            vb = Hyoka(oth);
            if (vb > 16 && GunMe(b) == 3)
                vb = 8;
        } else {
            vb = Hyoka(oth);
        }
    } else {
        mo = c;
        vb = SeqHyoka(oth, {{oth, c}});
    }
    AddKoho(JibunIro == col ? mc : mo, va + vb, 0);
}

bool IkkenEdgeSichoNerai(Point a, Point b, Point c, Point d)
{
    if (IroAt(d) != kAki)
        return false;
    ToruRenMake();
    if (RenKuu(a) != 2 || RenKuu(b) != 2)
        return false;
    const int cc = IroAt(c);
    if (!IsStone(cc))
        return false;
    TYomiTrial tr;
    if (!tr.Play(cc, d))
        return false;
    ToruRenMake();
    if (IkkenEdgeKuu(cc, d) == 1)
        return false;
    tr.Play(cc ^ 3, RenKuuPt(c, 1));
    ToruRenMake();
    const bool caught = SichoCheck(a) == 1;
    tr.BackAll();
    ToruRenMake();
    return caught;
}

void IkkenEdgeKouTe(Point a, Point b, Point c, Point d, int colour)
{
    if (IroAt(StepBeyond(a, d)) != colour)
        return;
    const Point y = StepBeyond(b, c);
    int v = 0;
    {
        TYomiTrial tr;
        if (!tr.Play(colour, d) || !tr.Play(colour, y))
            return;
        v = Hyoka(colour) / 3;
    }
    ToruRenMake();
    AddKoho(b, v, 0);
    if (JibunIro == colour)
        AddPreparedTe(b, c, d);
}

void IkkenEdgeGetaTe(const TKankeiBox& box, Point x, Point y, Point& r)
{
    r = Point();
    const Point gap = box[4];
    const int cg = IroAt(gap);
    if (!IsStone(cg) || RenKuu(gap) != 3 || IroAt(x) != kAki || IroAt(y) != kAki)
        return;
    const Point z = StepBeyond(x, y);
    if (IroAt(z) != kAki || IroAt(StepBeyond(y, z)) != (cg ^ 3))
        return;
    TYomiTrial tr;
    if (!tr.PushPlay(cg ^ 3, z))
        return;
    tr.Play(cg, y);
    ToruRenMake();
    if (SichoCheck(y) == 1)
        r = z;
}

bool IkkenEdgeKorosuCheck(Point p, Point q, int colour)
{
    bool dead = false;
    {
        TYomiTrial tr;
        if (!tr.Play(colour, p))
            return false;
        CurGoban().Analyze();
        const TGun* g = GunAt(q);
        dead = g != nullptr && g->IsDeath70() == 1;
    }
    // The analysis rebuilt the chains with p on the board.
    ToruRenMake();
    return dead;
}

bool IkkenEdgeUteruCheck(Point p, Point q, int colour)
{
    (void)q;
    return CurGoban().IsSelfAtariPt(colour, p) != 1;
}

void IkkenEdgeToruHyoka(const TKankeiBox& box, int colour, Point p)
{
    const int other = colour ^ 3;
    const Point gap = box[4];
    const int a = SeqHyoka(other, {{other, p}});
    const int b = SeqHyoka(colour, {{colour, gap}, {other, p}});
    AddKoho(JibunIro == other ? p : gap, a + b, 0);
}

void IkkenEdgeSumiYomi(Point a, Point b, Point c, Point d)
{
    if (RenKuu(b) != 3)
        return;
    const int ca = IroAt(a), oa = ca ^ 3;
    if (!IsStone(ca))
        return;
    const Point e = StepBeyond(a, b);
    if (IroAt(e) != oa || IroAt(StepBeyond(b, e)) != kAki)
        return;
    const Point g = StepBeyond(c, e);
    if (IroAt(g) != ca || RenKuu(g) != 2)
        return;
    Point l1, l2;
    SichoFirstTwo(g, l1, l2);
    if (l1.x == 0 || l2.x == 0)
        return;
    int v = 0;
    {
        TYomiTrial tr;
        tr.Play(ca, c);
        tr.Play(oa, l1);
        tr.Play(ca, d);
        tr.Play(oa, l2);
        v = Hyoka(ca);
    }
    if (v == 6 && JibunIro == ca)
        v = 12;
    AddKoho(JibunIro == ca ? c : d, v, 0);
}

} // namespace vorn
