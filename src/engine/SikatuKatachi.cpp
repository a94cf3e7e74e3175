#include "engine/SikatuKatachi.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Jisho.h"
#include "board/Kiri.h"
#include "board/KuuIsi.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Nozoki.h"
#include "engine/Reading.h"
#include "engine/Sikatu.h"
#include "engine/Think.h"

namespace vorn {

namespace {

constexpr int kMaxWide = 10;     // points the wide extension tries
constexpr int kUrgentCap = 18;   // the urgent eye pass's value for eye value 3
constexpr int kInnerLoss = 4;    // an inner corner point is worth this less

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

bool Around8Empty(Point p)
{
    const TGoban& b = CurGoban();
    for (int d = 1; d <= 8; ++d)
        if (b.GetIroPt(Dir8Pt(p, d)) != kAki)
            return false;
    return true;
}

bool NoStoneOn(int c, const Point* box, std::initializer_list<int> cells)
{
    for (int i : cells)
        if (IroAt(box[i]) == c)
            return false;
    return true;
}

// The eye value of the group at p on the analysed trial board, -1 when no
// stone stands there.
int MeAt(Point p)
{
    const TGun* h = GunAt(p);
    return h == nullptr ? -1 : h->GetMe();
}

// The group's stones as they stood on the game board: on a trial board the
// group is the one at the first of them still standing.
class TGunStones {
public:
    explicit TGunStones(const TGun& g) : iro_(g.GetIsiIro())
    {
        n_ = std::min(g.GetIsiSu(), kMaxSikatuTarget);
        for (int i = 1; i <= n_; ++i)
            pts_[i] = g.GetYoso(i);
    }
    // nullptr when all were captured.
    const TGun* Gun() const
    {
        for (int i = 1; i <= n_; ++i)
            if (IroAt(pts_[i]) == iro_)
                return GunAt(pts_[i]);
        return nullptr;
    }
    // Dead or captured.
    bool Dead() const
    {
        const TGun* h = Gun();
        return h == nullptr || h->GetDeath() == 1;
    }

private:
    Arr<Point, 1, kMaxSikatuTarget> pts_{};
    int n_ = 0;
    int iro_;
};

// c plays p on a new level and the board is analysed; false when refused.
bool PushAnalyze(int c, Point p)
{
    if (!ToruPushPlay(c, p))
        return false;
    CurGoban().Analyze();
    return true;
}

// c plays p on the current level and the board is analysed.
bool PlayAnalyze(int c, Point p)
{
    if (!ToruPlay(c, p))
        return false;
    CurGoban().Analyze();
    return true;
}

// The regions of g on the game board.
template <class F>
void ForEachJi(const TGun& g, F&& f)
{
    const TJiList& jl = CurGoban().JiList;
    for (int i = 1; i <= g.GetJisu(); ++i)
        if (const TJi* ji = jl.GetJi(g.GetJi(i)); ji != nullptr)
            f(*ji);
}

bool Ours(const TGun& g) { return g.GetIsiIro() == JibunIro; }

// On the trial board, the empty neighbours of b (other than skip, and those
// `fit` accepts) where the defender's move gives the group at b two eyes;
// answers the count.
template <class Fit>
int LivingAnswers(int d, Point b, Point skip, Fit fit, Point (&answers)[4])
{
    int n = 0;
    for (int dir = 1; dir <= 4; ++dir) {
        const Point e = Dir4Pt(b, dir);
        if (e == skip || IroAt(e) != kAki || !fit(e))
            continue;
        TYomiKeep answer;
        if (PlayAnalyze(d, e) && MeAt(b) >= 4)
            answers[n++] = e;
    }
    return n;
}

// Candidate b, with the prepared answers to the opponent's reply: for the
// engine's own group only.  With both, each answer is also a reply the
// other way round.
void AddWithAnswers(const TGun& g, Point b, Point reply, const Point* answers, int n, bool both)
{
    AddKoho(b, g.GetKati(), 0);
    if (!Ours(g))
        return;
    for (int k = 0; k < n; ++k) {
        AddPreparedTe(b, reply, answers[k]);
        if (both)
            AddPreparedTe(b, answers[k], reply);
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Settling

void SikatuSettle(const TGun& g)
{
    const int kokyu = g.GetKokyuSu();
    const int me = g.GetMe();
    KohoKind = kkSikatuSettle;
    SettleWideHiraki(g);
    KohoKind = kkSikatu;
    SettleSichoInJi(g);
    SettleNanameAnswer(g);
    SettleAtariDame(g);
    if (me <= 3)
        SettleIkkenNozoki(g);
    if (me == 3)
        SettleAtariIsi(g);
    if (kokyu < 10) {
        KohoKind = kkSikatuSettle;
        SettleHiraki(g);
    }
    KohoKind = kkSikatu;
}

void SettleWideHiraki(const TGun& g)
{
    const int d = g.GetIsiIro(), a = Aite(d);
    Point list[kMaxWide];
    int n = 0;
    auto scan = [&](bool wide) {
        for (int i = 1; i <= g.GetFromSu() && n < kMaxWide; ++i) {
            const int kind = g.GetFromValue(i);
            const Point s = g.GetFromA(i), b = g.GetFromB(i);
            const int line = LineNoPt(b);
            Point box[16];
            bool ok = false;
            if (wide && kind == Kankei2ken && line >= 2 && line <= 5) {
                BetweenStrip3(s, b, box);
                ok = NoStoneOn(a, box, {3, 4, 5, 6, 7, 8});
            } else if (wide && kind == KankeiOgeima && line >= 2 && line <= 4) {
                BetweenRows(s, b, box);
                ok = NoStoneOn(a, box, {2, 3});
            } else if (!wide && kind == Kankei1ken && line == 3) {
                ok = true;
            } else if (!wide && kind == KankeiKeima && line == 3) {
                BetweenRows(s, b, box);
                ok = NoStoneOn(a, box, {2, 3});
            }
            if (ok && Around8Empty(b))
                AddPtUnique(list, n, kMaxWide, b);
        }
    };
    scan(true);
    if (n == 0)
        scan(false);
    const int value = g.GetKati() + 1;
    // The points on line 3 first; the first that gives two eyes is taken.
    for (bool line3 : {true, false})
        for (int i = 0; i < n; ++i) {
            if ((LineNoPt(list[i]) == 3) != line3)
                continue;
            bool lives = false;
            {
                TYomiKeep keep;
                lives = PushAnalyze(d, list[i]) && MeAt(list[i]) >= 4;
            }
            if (lives) {
                AddKoho(list[i], value, 0);
                return;
            }
        }
}

void SettleSichoInJi(const TGun& g)
{
    const int d = g.GetIsiIro(), a = Aite(d);
    const TGoban& b = CurGoban();
    Point found{};
    ForEachJi(g, [&](const TJi& ji) {
        for (int k = 1; k <= ji.GetJisu() && found.x == 0; ++k) {
            const Point s = ji.GetYoso(k);
            if (ji.GetIsiMark(k) != 1 || IroAt(s) != a)
                continue;
            TRen* r = ToruRenAt(s);
            if (r == nullptr || r->GetSicho() != kSichoToreru || r->SichoCount() < 3)
                continue;
            const Point m1 = r->SichoTe(1), m2 = r->SichoTe(2), m3 = r->SichoTe(3);
            if (b.IsSelfAtariPt(d, m1) == 0)
                continue;
            TYomiKeep keep;
            if (ToruPushPlay(d, m1) && ToruPlay(a, m2) && PlayAnalyze(d, m3) && MeAt(m3) >= 4)
                found = m1;
        }
    });
    if (found.x != 0)
        AddKoho(found, g.GetKati(), 0);
}

void SettleNanameAnswer(const TGun& g)
{
    const int d = g.GetIsiIro(), a = Aite(d);
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        const Point b = g.GetFromB(i);
        const TGoban& b0 = CurGoban();
        if (g.GetFromValue(i) != KankeiNaname || b0.IsSelfAtariPt(d, b) != 0 || AtariMapAt(d, b) != 1
            || EmptyNeighbours(b) == 0)
            continue;
        Point t{};
        Point answers[4];
        int na = 0;
        {
            TYomiKeep keep;
            if (!ToruPushPlay(d, b))
                continue;
            t = TonariAtariKuuPt(b);
            if (t.x == 0)
                continue;
            bool captureLives = false;
            {
                TYomiKeep capture;
                captureLives = PlayAnalyze(d, t) && MeAt(b) >= 4;
            }
            if (!captureLives || !PlayAnalyze(a, t) || MeAt(b) >= 4)
                continue;
            na = LivingAnswers(d, b, t, [d](Point e) {
                const int open = EmptyNeighbours(e);
                return open >= 1 && open <= 2 && NeighboursOf(e, d) < 2;
            }, answers);
        }
        if (na > 0)
            AddWithAnswers(g, b, t, answers, na, true);
    }
}

void SettleAtariDame(const TGun& g)
{
    const int d = g.GetIsiIro(), a = Aite(d);
    const int value = g.GetKati();
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        const Point b = g.GetFromB(i);
        if (g.GetFromValue(i) != KankeiTonari || CurGoban().IsSelfAtariPt(d, b) != 0 || AtariMapAt(d, b) != 1)
            continue;
        bool stands = false;
        {
            TYomiKeep keep;
            if (!ToruPushPlay(d, b))
                continue;
            const Point t = TonariAtariKuuPt(b);
            if (t.x == 0)
                continue;
            // The enemy chain in atari beside b, found by its liberty.
            TRen* caught = nullptr;
            for (int dir = 1; dir <= 4 && caught == nullptr; ++dir) {
                TRen* r = ToruRenAt(Dir4Pt(b, dir));
                if (r != nullptr && r->GetIro() == a && r->Kuu() == 1 && r->GetKuu(1) == t)
                    caught = r;
            }
            const Point save = RenNigeTe(caught);
            bool captureLives = false;
            {
                TYomiKeep capture;
                if (ToruPlay(d, t)) {
                    // Another enemy chain left in atari beside t runs out first.
                    const Point ext = TonariAtariKuuPt(t);
                    if (ext.x != 0)
                        ToruPlay(a, ext);
                    CurGoban().Analyze();
                    captureLives = MeAt(b) >= 4;
                }
            }
            if (!captureLives || save.x == 0 || !PlayAnalyze(a, save) || MeAt(b) >= 4)
                continue;
            TRen* r = ToruRenAt(save);
            if (r == nullptr || r->Kuu() != 2)
                continue;
            const Point libs[2] = {r->GetKuu(1), r->GetKuu(2)};
            for (const Point l : libs) {
                TYomiKeep answer;
                if (!PlayAnalyze(d, l))
                    continue;
                const TRen* own = ToruRenAt(l);
                if (own != nullptr && own->Kuu() > 1 && MeAt(b) >= 3) {
                    stands = true;
                    break;
                }
            }
        }
        if (stands)
            AddKoho(b, value, 0);
    }
}

void SettleIkkenNozoki(const TGun& g)
{
    const int d = g.GetIsiIro(), a = Aite(d);
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        const Point s = g.GetFromA(i), b = g.GetFromB(i);
        if (g.GetFromValue(i) != Kankei1ken || !CurGoban().OnBoardPt(b) || NozokiMap[d][b.x][b.y] == 0
            || EmptyNeighbours(b) < 3)
            continue;
        Point box[9];
        BetweenStrip3(s, b, box);
        if (IroAt(box[3]) != kAki || IroAt(box[4]) != kAki || IroAt(box[5]) != kAki)
            continue;
        Point targets[4];
        const int nt = NozokiList(b, targets, 3);
        Point cut{};
        Point answers[4];
        int na = 0;
        {
            TYomiKeep keep;
            if (!ToruPushPlay(d, b))
                continue;
            for (int k = 0; k < nt && cut.x == 0; ++k) {
                TYomiKeep peep;
                if (PlayAnalyze(d, targets[k]) && MeAt(b) >= 4)
                    cut = targets[k];
            }
            if (cut.x == 0 || !ToruPlay(a, cut))
                continue;
            na = LivingAnswers(d, b, Point{}, [](Point) { return true; }, answers);
        }
        if (na > 0)
            AddWithAnswers(g, b, cut, answers, na, false);
    }
}

void SettleAtariIsi(const TGun& g)
{
    const int d = g.GetIsiIro(), a = Aite(d);
    const TGoban& b0 = CurGoban();
    const int value = g.GetKati();
    for (int i = 1; i <= g.GetRenSu(); ++i) {
        TRen* r = b0.RenList.Items(g.GetRen(i));
        if (r == nullptr || r->IsiCount() != 1 || r->Kuu() != 1)
            continue;
        const Point stone = r->GetIsi(1), l = r->GetKuu(1);
        if (EmptyNeighbours(l) != 1 || NeighboursOf(l, a) != 0)
            continue;
        Point n{};
        for (int dir = 1; dir <= 4 && n.x == 0; ++dir)
            if (IroAt(Dir4Pt(l, dir)) == kAki)
                n = Dir4Pt(l, dir);
        if (b0.IsSelfAtariPt(a, n) != 0)
            continue;
        bool lives = false;
        {
            TYomiKeep keep;
            if (!PushAnalyze(d, n))
                continue;
            lives = MeAt(n) >= 4;
            // Or with a capture of an enemy chain in atari beside the shape.
            Point caps[8];
            int nc = 0;
            for (const Point p : {n, stone}) {
                const TRen* x = ToruRenAt(p);
                for (int k = 1; x != nullptr && k <= x->MrenCount(); ++k) {
                    TRen* m = CurGoban().RenList.Items(x->Mren(k));
                    if (m != nullptr && m->Kuu() == 1)
                        AddPtUnique(caps, nc, 8, m->GetKuu(1));
                }
            }
            for (int k = 0; k < nc && !lives; ++k) {
                TYomiKeep capture;
                lives = PlayAnalyze(d, caps[k]) && MeAt(n) >= 4;
            }
        }
        if (lives)
            AddKohoSide(a, l, n, value);
    }
}

void SettleHiraki(const TGun& g)
{
    const int d = g.GetIsiIro(), a = Aite(d);
    const int value = g.GetKati();
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        const int kind = g.GetFromValue(i);
        const Point b = g.GetFromB(i);
        if (kind < KankeiNaname || kind > KankeiKeima || !CurGoban().OnBoardPt(b) || EmptyNeighbours(b) != 3
            || NeighboursOf(b, d) != 1)
            continue;
        const TLocate& loc = CurGoban().GetLocatePt(b);
        if (loc.CountKankeiLE(KankeiKeima, d) < 2 || loc.CountKankeiLE(KankeiKeima, a) >= 2)
            continue;
        bool lives = false;
        {
            TYomiKeep keep;
            lives = PushAnalyze(d, b) && MeAt(b) >= 4;
        }
        if (lives)
            AddKoho(b, value, 0);
    }
}

// ---------------------------------------------------------------------------
// Killing

void SikatuKillPatterns(const TGun& g)
{
    if (g.GetKokyuSu() >= 3)
        return;
    if (g.GetMe() == 4)
        KillBorderPoint(g);
    if (g.GetIsiSu() >= 2)
        KillNiDameRen(g);
}

void KillBorderPoint(const TGun& g)
{
    const int d = g.GetIsiIro(), a = Aite(d);
    const int value = g.GetKati();
    struct TFound {
        Point p, e;
    };
    TFound found[16];
    int nf = 0;
    ForEachJi(g, [&](const TJi& ji) {
        for (int k = 1; k <= ji.GetJisu(); ++k) {
            const Point p = ji.GetYoso(k);
            if (ji.GetBorderMark(k) != 1 || IroAt(p) != kAki || EmptyNeighbours(p) != 3)
                continue;
            for (int dir = 1; dir <= 4 && nf < 16; ++dir) {
                const Point e = Dir4Pt(p, dir);
                if (IroAt(e) != kAki || EmptyNeighbours(e) != 1 || NeighboursOf(e, a) != 1)
                    continue;
                TYomiKeep keep;
                if (ToruPushPlay(a, p) && PlayAnalyze(d, e) && MeAt(e) < 4)
                    found[nf++] = {p, e};
            }
        }
    });
    for (int i = 0; i < nf; ++i)
        AddKohoSide(a, found[i].p, found[i].e, value);
}

void KillNiDameRen(const TGun& g)
{
    const int d = g.GetIsiIro(), a = Aite(d);
    const TGoban& b0 = CurGoban();
    for (int i = 1; i <= g.GetRenSu(); ++i) {
        TRen* r = b0.RenList.Items(g.GetRen(i));
        if (r == nullptr || r->Kuu() != 2 || r->GetSicho() == kSichoToreru)
            continue;
        const Point stone = r->GetIsi(1);
        const Point libs[2] = {r->GetKuu(1), r->GetKuu(2)};
        for (int k = 0; k < 2; ++k) {
            const Point l = libs[k];
            if (b0.IsKinsiPt(a, l) != 0 || b0.IsSelfAtariPt(a, l) != 0)
                continue;
            int value = 0;
            {
                TYomiKeep keep;
                if (!ToruPushPlay(a, l))
                    continue;
                ToruRenMake();
                // The defender connects, or captures an attacker chain in
                // atari beside its chain (the last one found).
                Point reply = libs[1 - k];
                if (TRen* x = ToruRenAt(stone); x != nullptr)
                    for (int j = 1; j <= x->MrenCount(); ++j) {
                        TRen* m = CurGoban().RenList.Items(x->Mren(j));
                        if (m != nullptr && m->Kuu() == 1)
                            reply = m->GetKuu(1);
                    }
                if (!ToruPlay(d, reply))
                    continue;
                value = Hyoka(a);
                const TGun* h = CurGoban().GetIroPt(stone) == d ? GunAt(stone) : nullptr;
                if (h != nullptr && h->GetMe() >= 4)
                    value = 0;
            }
            if (value > 0)
                AddKoho(l, value, 0);
        }
    }
}

// ---------------------------------------------------------------------------
// Eye shape and the urgent passes

void SikatuMeShape(const TGun& g)
{
    const int a = Aite(g.GetIsiIro());
    bool halfEye = false, sharpEye = false;
    ForEachJi(g, [&](const TJi& ji) {
        halfEye = halfEye || ji.GetMe() == 1;
        if (ji.GetJisu() != 1 || ji.GetMe() != 2)
            return;
        int corners = 0;
        for (int dir = 1; dir <= 4; ++dir) {
            const int c = IroAt(NanamePt(ji.GetYoso(1), dir));
            corners += (c == a || c == kHen) ? 1 : 0;
        }
        sharpEye = sharpEye || corners >= 2;
    });
    if (!halfEye || !sharpEye)
        return;
    const TGunStones target(g);
    const int value = g.GetKati();
    Point kills[2 * kMaxSikatuKoho];
    int nk = 0;
    ForEachJi(g, [&](const TJi& ji) {
        Point pts[kMaxSikatuKoho];
        for (int pass = 0; pass < 2; ++pass) {
            const int n = pass == 0 ? ji.KohoKakeme(pts) : ji.KohoBorder(pts);
            for (int i = 0; i < n; ++i) {
                TYomiKeep keep;
                if (PushAnalyze(a, pts[i]) && target.Dead())
                    AddPtUnique(kills, nk, 2 * kMaxSikatuKoho, pts[i]);
            }
        }
    });
    for (int i = 0; i < nk; ++i)
        AddKoho(kills[i], value, 0);
}

void SikatuUrgentMe(const TGun& g)
{
    const int d = g.GetIsiIro(), a = Aite(d);
    if (g.GetIsiSu() < 2)
        return;
    const bool related = GunKankeiKoho(g);
    YomiUnwind();
    if (related)
        return;
    const TGunStones target(g);
    const TGoban& b0 = CurGoban();
    // A capture beside the group already saves it: nothing urgent here.
    for (int i = 1; i <= g.GetRenSu(); ++i) {
        TRen* r = b0.RenList.Items(g.GetRen(i));
        for (int k = 1; r != nullptr && k <= r->MrenCount(); ++k) {
            TRen* m = b0.RenList.Items(r->Mren(k));
            Point cap{};
            if (m != nullptr && m->Kuu() == 1)
                cap = m->GetKuu(1);
            else if (m != nullptr && m->Kuu() == 2 && m->GetSicho() == kSichoToreru && m->SichoCount() >= 1)
                cap = m->SichoTe(1);
            if (cap.x == 0)
                continue;
            TYomiKeep keep;
            if (PushAnalyze(d, cap) && !target.Dead())
                return;
        }
    }
    const int kati = g.GetKati();
    struct TFound {
        Point p;
        int value;
    };
    TFound found[2 * kMaxPoints];
    int nf = 0;
    auto add = [&](Point p, int v) {
        if (nf < 2 * kMaxPoints)
            found[nf++] = {p, v};
    };
    ForEachJi(g, [&](const TJi& ji) {
        for (int k = 1; k <= ji.GetJisu(); ++k) {
            const Point p = ji.GetYoso(k);
            const bool border = ji.GetBorderMark(k) == 1;
            if (border)
                for (int dir = 1; dir <= 4; ++dir) {
                    const Point e = Dir4Pt(p, dir);
                    const int enemies = NeighboursOf(e, a);
                    if (IroAt(e) != kAki || AreaMapBackup[e.x][e.y] != 0 || enemies >= 2)
                        continue;
                    if (enemies == 0 && (EmptyNeighbours(e) != 3 || NeighboursOf(e, kHen) != 0))
                        continue;
                    int me = -1;
                    {
                        TYomiKeep keep;
                        if (!PushAnalyze(d, e))
                            continue;
                        const TRen* r = ToruRenAt(e);
                        if (r != nullptr && r->Kuu() != 2)
                            me = MeAt(e);
                    }
                    if (me < 3)
                        continue;
                    int v = me >= 4 ? kati : std::min(kati / 2, kUrgentCap);
                    if (AtariMapAt(JibunIro, e) == 1)
                        v += 2;
                    add(e, v);
                }
            const bool split = border && ji.GetBunkatuMark(k) == kBunkatuQ;
            const bool inner = !border && LineNoFar(p) <= 2;
            if (!(split || inner) || IroAt(p) != kAki || b0.IsSelfAtariPt(d, p) != 0 || EmptyNeighbours(p) < 3)
                continue;
            bool lives = false;
            {
                TYomiKeep keep;
                lives = PushAnalyze(d, p) && MeAt(p) >= 4;
            }
            if (lives)
                add(p, kati - kInnerLoss);
        }
    });
    for (int i = 0; i < nf; ++i)
        AddKoho(found[i].p, found[i].value, 0);
}

void SikatuUrgentSteal(const TGun& g)
{
    const int a = Aite(g.GetIsiIro());
    const TGunStones target(g);
    const int value = g.GetKati();
    Point kills[kMaxPoints];
    int nk = 0;
    ForEachJi(g, [&](const TJi& ji) {
        if (ji.GetMe() != 1)
            return;
        for (int k = 1; k <= ji.GetJisu(); ++k) {
            const Point r = ji.GetYoso(k);
            if (IroAt(r) != kAki)
                continue;
            for (int dir = 1; dir <= 4; ++dir) {
                const Point e = Dir4Pt(r, dir);
                if (IroAt(e) != kAki || NozokiMap[a][e.x][e.y] == 0)
                    continue;
                TYomiKeep keep;
                if (ToruPushPlay(a, e) && PlayAnalyze(a, r) && target.Dead())
                    AddPtUnique(kills, nk, kMaxPoints, e);
            }
        }
    });
    for (int i = 0; i < nk; ++i)
        AddKoho(kills[i], value, 0);
}

} // namespace vorn
