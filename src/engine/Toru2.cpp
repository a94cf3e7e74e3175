#include "engine/Toru2.h"

#include <algorithm>

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Kiri.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "board/Yomi.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Yose.h"
#include "engine/Think.h"
#include "engine/Toru.h"

namespace vorn {

namespace {

inline int IroAt(Point p) { return CurGoban().GetIroPt(p); }

// A chain with two liberties: both, in the chain's order.
bool TwoLibs(TRen* ren, Point& l1, Point& l2)
{
    if (ren == nullptr || ren->Kuu() != 2)
        return false;
    l1 = ren->GetKuu(1);
    l2 = ren->GetKuu(2);
    return true;
}

// The chain handed to a handler: on the board, a stone colour, at least one
// stone.
bool Usable(TRen* ren) { return ren != nullptr && IsStone(ren->GetIro()) && ren->IsiCount() >= 1; }

// A usable chain with exactly two liberties, l1 and l2.
bool UsableTwoLibs(TRen* ren, Point& l1, Point& l2) { return Usable(ren) && TwoLibs(ren, l1, l2); }

// The same, with at least one liberty inside the area being read.
bool TwoLibsToRead(TRen* ren, Point& l1, Point& l2)
{
    return UsableTwoLibs(ren, l1, l2) && (InYomiArea(l1) || InYomiArea(l2));
}

// The ladder, read again on the chain at s of the current board (its chains
// are rebuilt first): works, with the first `want` moves of its sequence and
// its length.
bool LadderMoves(Point s, Point (&moves)[3], int& length)
{
    ToruRenMake();
    if (!ToruSicho(s))
        return false;
    TRen* r = ToruRenAt(s);
    if (r == nullptr)
        return false;
    length = r->SichoCount();
    for (int i = 0; i < 3; ++i)
        moves[i] = r->SichoTe(i + 1);
    return true;
}

// A chain with three liberties: them, in the chain's order.
bool ThreeLibs(TRen* ren, Point (&libs)[3])
{
    if (!Usable(ren) || ren->Kuu() != 3)
        return false;
    for (int i = 0; i < 3; ++i)
        libs[i] = ren->GetKuu(i + 1);
    return true;
}

// The group of the stone at p is 90 % dead on the game board.
bool GunDeath90At0(Point p)
{
    const TGoban& b0 = *GobanLv[0];
    if (!b0.OnBoardPt(p))
        return false;
    const TGun* g = b0.GunList.GetGunAt(p);
    return g != nullptr && g->IsDeath90() != 0;
}

} // namespace

// ---------------------------------------------------------------------------
// The attack on an opponent chain with two liberties

void RenSemeru2(TRen* ren)
{
    Point l1, l2;
    if (!TwoLibsToRead(ren, l1, l2))
        return;
    TYomiKeep keep;
    const TGoban& b = CurGoban();
    const int c = ren->GetIro(), a = Aite(c);
    const Point s = ren->GetIsi(1);
    int status = ren->GetSicho();
    if (status == kSichoUnread) {
        SichoCheck2(s);
        status = ren->SichoStatus();
    }
    switch (status) {
    case kSichoNigeru:
        Semeru2ToruAtari(ren);
        Semeru2Tume(ren);
        return;
    case kSichoGeta:
        GetaKoho(ren);
        return;
    case kSichoSiboru:
        Ren2Shibori(ren);
        return;
    default:
        break;
    }
    const Point p1 = ren->SichoTe(1);
    if (!b.OnBoardPt(p1) || LinkMark2[p1.x][p1.y] == 1)
        return;
    const Point p2 = ren->SichoTe(2);
    if (!b.OnBoardPt(p2))
        return;

    // A net is the quieter capture.
    Point target;
    int g = 0;
    GetaClear();
    if (GetaYomi(s) == 1) {
        Point net;
        GetaFirstTe(net);
        if (b.OnBoardPt(net) && LineNoPt(net) != 1) {
            target = net;
            g = UtuHyoka(a, net);
        }
    }
    if (target.x == 0) {
        // The ladder: the atari at p1, and the opponent's counter-atari on
        // the atari stone, which the capture at p2 answers.
        target = p1;
        Point q;
        int qv = 0;
        bool haveQ = false;
        {
            TYomiKeep line;
            if (!ToruPushPlay(a, p1))
                return;
            ToruRenMake();
            Point al1, al2;
            if (TwoLibs(ToruRenAt(p1), al1, al2))
                q = Kyori(al1, p2) != 1 ? al1 : Kyori(al2, p2) != 1 ? al2 : Point();
            if (q.x != 0) {
                TYomiKeep t;
                if (ToruPlay(c, q) && ToruPlay(a, p2)) {
                    qv = Hyoka(a);
                    haveQ = true;
                }
            }
            TYomiKeep t;
            ToruPlay(a, p2);
            g = Hyoka(a);
        }
        if (haveQ) {
            if (2 * qv < g)
                g = 2 * qv;
            AddPreparedTe(p1, q, p2);
        }
    }

    // What the defender gains: a capture of its own, or the escape at p1.
    int d = 0;
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(ren->Mren(i));
        if (m != nullptr && m->Kuu() == 1)
            d = UtuHyoka(c, m->GetKuu(1));
    }
    if (d == 0) {
        TYomiKeep line;
        if (ToruPlay(c, p1)) {
            CurGoban().Analyze();
            const TGun* gp = GunAt(p1);
            if (!ToruSicho(p1) && gp != nullptr && gp->GetDeath() != 1)
                d = Hyoka(c);
        }
    }

    int value = g + d;
    if (value < 2)
        return;
    if (g < 0)
        value /= 2;
    AddKoho(target, value, 0);
}

void Semeru2ToruAtari(TRen* ren)
{
    if (!Usable(ren))
        return;
    TYomiKeep keep;
    const TGoban& b = CurGoban();
    const int c = ren->GetIro(), a = Aite(c);
    const Point s = ren->GetIsi(1), p = ren->SichoTe(1);
    if (!b.OnBoardPt(p) || !b.IsToruTenPt(a, p) || !b.IsSelfAtariPt(a, p))
        return;
    int v = 0;
    {
        TYomiKeep line;
        if (!ToruPlay(a, p))
            return;
        ToruRenMake();
        const TRen* ar = ToruRenAt(p);
        TRen* cr = ToruRenAt(s);
        if (ar == nullptr || ar->IsiCount() != 1 || cr == nullptr || cr->Kuu() < 1)
            return;
        const Point l = cr->GetKuu(1);
        {
            // The defender's extension at l would leave it in atari.
            TYomiKeep t;
            if (!ToruPlay(c, l))
                return;
            ToruRenMake();
            const TRen* r = ToruRenAt(l);
            if (r == nullptr || r->Kuu() != 1)
                return;
        }
        if (!ToruPlay(a, l))
            return;
        v = Hyoka(a) / 2;
    }
    AddKoho(p, v, 0);
}

void Semeru2Tume(TRen* ren)
{
    Point l1, l2;
    if (!UsableTwoLibs(ren, l1, l2))
        return;
    TYomiKeep keep;
    const TGoban& b = CurGoban();
    const int c = ren->GetIro(), a = Aite(c);
    // Our chain in atari next to it, which the ladder catches.
    Point lm;
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(ren->Mren(i));
        if (m != nullptr && m->Kuu() == 1 && m->GetSicho() == kSichoToreru)
            lm = m->GetKuu(1);
    }
    if (lm.x == 0 || b.IsSelfAtariPt(a, l1) || b.IsSelfAtariPt(a, l2))
        return;
    // The liberty to fill: the defender cannot answer at the other.
    Point fill;
    for (int i = 0; i < 2; ++i) {
        const Point li = i == 0 ? l1 : l2, lo = i == 0 ? l2 : l1;
        TYomiKeep line;
        if (!ToruPlay(a, li))
            continue;
        if (!ToruPlay(c, lo)) {
            fill = li;
            continue;
        }
        ToruRenMake();
        const TRen* r = ToruRenAt(lo);
        if (r != nullptr && r->Kuu() == 1)
            fill = li;
    }
    if (fill.x == 0)
        return;
    int v = 0;
    {
        TYomiKeep line;
        if (!ToruPlay(a, l1))
            return;
        {
            TYomiKeep t;
            ToruPlay(c, lm);
            if (Hyoka(a) <= 1)
                return;
        }
        if (!ToruPlay(a, l2))
            return;
        v = Hyoka(a) / 2;
    }
    PushKohoKind(kkToru28);
    AddKoho(fill, v, 0);
    PopKohoKind();
}

void GetaKoho(TRen* ren)
{
    if (!Usable(ren))
        return;
    const int c = ren->GetIro(), a = Aite(c);
    const Point p1 = ren->SichoTe(1);
    if (!CurGoban().OnBoardPt(p1))
        return;
    const int value = UtuHyoka(a, p1) + UtuHyoka(c, p1);
    AddKoho(p1, value, 0);
}

void Ren2Shibori(TRen* ren)
{
    Point l1, l2;
    if (!UsableTwoLibs(ren, l1, l2))
        return;
    TYomiKeep keep;
    const TGoban& b = CurGoban();
    const int c = ren->GetIro(), a = Aite(c);
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        const TRen* m = b.RenList.Items(ren->Mren(i));
        if (m != nullptr && m->Kuu() == 1)
            return;
    }
    // The liberty whose atari leaves the defender's extension in atari.
    Point squeeze;
    for (int i = 0; i < 2 && squeeze.x == 0; ++i) {
        const Point li = i == 0 ? l1 : l2, lo = i == 0 ? l2 : l1;
        TYomiKeep line;
        if (!ToruPlay(a, li) || !ToruPlay(c, lo))
            continue;
        ToruRenMake();
        const TRen* r = ToruRenAt(lo);
        if (r != nullptr && r->Kuu() == 1)
            squeeze = li;
    }
    if (squeeze.x == 0)
        return;
    const int e = UtuHyoka(a, squeeze);
    const int value = e + UtuHyoka(c, ren->SichoTe(1));
    AddKoho(squeeze, value, 0);
}

// ---------------------------------------------------------------------------
// The escape of an own chain with two liberties

void RenNigeru2(TRen* ren)
{
    Point lib1, lib2;
    if (!TwoLibsToRead(ren, lib1, lib2))
        return;
    TYomiKeep keep;
    const TGoban& b = CurGoban();
    const int c = ren->GetIro(), a = Aite(c);
    const Point s = ren->GetIsi(1);
    if (ren->GetSicho() == kSichoNigeru) {
        EdgeSichoNige(ren);
        return;
    }
    const int n = ren->SichoCount();
    const Point p1 = ren->SichoTe(1);
    if (!b.OnBoardPt(p1) || LinkMark2[p1.x][p1.y] == 1)
        return;
    Point p2 = ren->SichoTe(2);
    if (p2.x == 0)
        p2 = p1 == lib1 ? lib2 : p1 == lib2 ? lib1 : Point();
    if (!b.OnBoardPt(p2))
        return;
    const Point p3 = ren->SichoTe(3);
    if (IsNarabiCross(p1, c) || IsWareShape(p1, c))
        return;

    int best = -5;
    Point target = p1;

    // Counter-attack on a neighbour.
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(ren->Mren(i));
        if (m == nullptr || m->IsiCount() < 1)
            continue;
        if (m->Kuu() == 1) {
            const Point l = m->GetKuu(1);
            TYomiKeep line;
            if (!ToruPushPlay(c, l))
                continue;
            ToruRenMake();
            if (!ToruSicho(l)) {
                best = Hyoka(c);
                target = l;
            }
            continue;
        }
        if (m->Kuu() != 2 || m->GetSicho() != kSichoToreru)
            continue;
        const Point ms = m->GetIsi(1);
        const Point m1 = m->SichoTe(1), m2 = m->SichoTe(2);
        bool broke = false;
        {
            TYomiKeep line;
            if (!ToruPushPlay(c, m1))
                continue;
            ToruRenMake();
            if (!ToruSicho(s)) {
                broke = true;
                best = Hyoka(c);
                target = m1;
                ToruRenMake();
                const Point x = Dame2OpenPt(ToruRenAt(s));
                TYomiKeep t;
                if (x.x != 0 && ToruPlay(a, x) && m2.x != 0 && ToruPlay(c, m2)) {
                    ToruRenMake();
                    // Our chains next to x that the ladder now catches.
                    Point caught[4];
                    int cn = 0;
                    for (int d = 1; d <= 4; ++d) {
                        const Point q = Dir4Pt(x, d);
                        const TRen* r = IroAt(q) == c ? ToruRenAt(q) : nullptr;
                        if (r != nullptr && r->Kuu() == 2)
                            AddPtUnique(caught, cn, 4, r->GetIsi(1));
                    }
                    for (int k = 0; k < cn; ++k) {
                        ToruRenMake();
                        Point first;
                        if (!ToruSicho(caught[k], &first))
                            continue;
                        TYomiKeep u;
                        if (ToruPlay(a, first))
                            best = Hyoka(c);
                    }
                }
            }
        }
        if (broke) {
            const Point y = NigeToruPt(s, m1, ms);
            if (y.x > 0)
                target = y;
        }
    }

    // A double atari on two neighbours.
    if (best < -4) {
        Point sp, u, v;
        if (RyoAtariPt(ren, sp, u, v)) {
            target = sp;
            int e1 = 0, e2 = 0;
            {
                TYomiKeep line;
                if (ToruPushPlay(c, sp)) {
                    ToruPlay(a, u);
                    ToruPlay(c, v);
                    e1 = Hyoka(c);
                }
            }
            {
                TYomiKeep line;
                if (ToruPushPlay(c, sp)) {
                    ToruPlay(a, v);
                    ToruPlay(c, u);
                    e2 = Hyoka(c);
                }
            }
            best = std::min(e1, e2);
        }
    }

    // An atari on a neighbour from beside the ladder's first move.
    if (best < -4) {
        for (int d = 1; d <= 4; ++d) {
            const Point e = Dir4Pt(p1, d);
            if (b.GetIroPt(e) != kAki || AtariMap[c][e.x][e.y] == 0)
                continue;
            TYomiKeep line;
            if (!ToruPushPlay(c, e))
                continue;
            ToruRenMake();
            const TRen* r = ToruRenAt(e);
            if (r == nullptr || r->Kuu() <= 1 || ToruSicho(s))
                continue;
            ToruRenMake();
            Point ext;
            for (int k = 1; k <= 4; ++k) {
                const Point q = Dir4Pt(e, k);
                TRen* ar = IroAt(q) == a ? ToruRenAt(q) : nullptr;
                if (ar != nullptr && ar->Kuu() == 1)
                    ext = ar->GetKuu(1);
            }
            if (ext.x != 0)
                ToruPlay(a, ext);
            best = Hyoka(c);
            if (best > 0) {
                const TGun* g = GunAt(e);
                if (g != nullptr && g->IsDeath70())
                    best /= 2;
            }
            target = e;
        }
    }

    // The extension.
    if (best < -4) {
        Point x = p1;
        if (LineNoPt(p1) != 1 || n < 3) {
            const bool cutAhead = n >= 3 && b.GetIroPt(p3) == kAki && KiriMap[a][p3.x][p3.y] == 1;
            if (!cutAhead) {
                for (int d = 1; d <= 4; ++d) {
                    const Point e = Dir4Pt(p1, d);
                    if (b.GetIroPt(e) == kAki && b.IsToruTenPt(a, e))
                        x = e;
                }
            }
        } else if (EmptyNeighbours(p1) >= 2 && b.GetIroPt(p3) == kAki && !b.IsKinsiPt(c, p3)) {
            x = p3;
        }
        TYomiKeep line;
        auto holds = [&](Point at) {
            if (!ToruPushPlay(c, at))
                return false;
            ToruRenMake();
            const TRen* r = ToruRenAt(s);
            const TRen* rx = ToruRenAt(at);
            if (r == nullptr || r->Kuu() == 1 || rx == nullptr || rx->Kuu() == 1 || (r->Kuu() == 2 && ToruSicho(s))) {
                YomiModosu();
                return false;
            }
            return true;
        };
        if (!holds(x)) {
            // The ladder's far end: a stone there breaks it.
            if (n != 3 && n != 5 && n != 7)
                return;
            const Point y = ren->SichoTe(n), z = ren->SichoTe(n - 1);
            if (b.GetIroPt(y) == kAki && LineNoPt(y) != 1 && holds(y))
                x = y;
            else if (b.GetIroPt(z) == kAki && holds(z))
                x = z;
            else
                return;
        }
        target = x;
        CurGoban().Analyze();
        const TGun* g = GunAt(target);
        if (g != nullptr && (g->IsDeath90() || g->IsDeath70()))
            return;
        best = g != nullptr && g->IsWeak() ? 0 : HyokaDiff(c);
        Point cuts[5];
        if (KankeiKiriPoints(target, cuts, 5) == 1) {
            TYomiKeep t;
            ToruPlay(a, cuts[0]);
            best = Hyoka(c);
            const TGun* after = GunAt(target);
            if (after != nullptr && after->IsDeath90())
                return;
        } else {
            const Point w = TonariAtariKuuAt(x);
            if (w.x != 0) {
                TYomiKeep t;
                if (ToruPlay(a, w))
                    best = Hyoka(c);
            } else {
                line.Restore();
                // A looser shape beside the extension point.
                TIroCounts around;
                CountNeighbour(target, around);
                if (around[c] == 2 && around[kAki] == 2) {
                    const Point from = target;
                    for (int d = 1; d <= 4; ++d) {
                        const Point nb = Dir4Pt(from, d);
                        if (b.GetIroPt(nb) != kAki)
                            continue;
                        TIroCounts nn;
                        CountNeighbour(nb, nn);
                        if (nn[kAki] != 3 || nn[a] != 1)
                            continue;
                        TYomiKeep t;
                        if (!ToruPushPlay(c, nb))
                            continue;
                        ToruRenMake();
                        if (ToruSicho(s))
                            continue;
                        const int v = Hyoka(c);
                        if (v > best) {
                            best = v;
                            target = nb;
                        }
                    }
                }
            }
        }
    }

    // The opponent's side: both liberties filled.
    int o = 0;
    {
        TYomiKeep line;
        if (ToruPlay(a, p1)) {
            ToruPlay(a, p2);
            o = Hyoka(a);
        }
    }
    int value = best + o;
    if (LineNoPt(p1) == 2 && LineNoPt(p2) == 1 && value >= 8)
        value += 4;
    if (!b.OnBoardPt(target))
        return;
    if (KiriMap[a][target.x][target.y] != 1)
        AddKohoEx(target, value, kkNigeru, target);
    else
        AddKohoEx(TonariPairTe(target, a), value, kkNigeru, target);
}

void EdgeSichoNige(TRen* ren)
{
    if (!Usable(ren) || ren->SichoCount() < 10)
        return;
    bool edge = false;
    for (int i = 1; i <= ren->IsiCount() && !edge; ++i)
        edge = LineNoPt(ren->GetIsi(i)) == 1;
    if (!edge)
        return;
    const int a = Aite(ren->GetIro());
    const Point m1 = ren->SichoTe(1), m2 = ren->SichoTe(2);
    int v = 0;
    {
        TYomiKeep line;
        if (!ToruPlay(a, m1) || !ToruPlay(a, m2))
            return;
        v = Hyoka(a) * 3 / 4;
    }
    AddKoho(m1, v, 0);
}

bool SharedDame2(TRen* a, TRen* b, Point& s, Point& u, Point& v)
{
    Point a1, a2, b1, b2;
    if (!TwoLibs(a, a1, a2) || !TwoLibs(b, b1, b2))
        return false;
    const Point al[2] = {a1, a2}, bl[2] = {b1, b2};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            if (al[i] == bl[j]) {
                s = al[i];
                u = al[1 - i];
                v = bl[1 - j];
                return true;
            }
    return false;
}

bool RyoAtariPt(TRen* ren, Point& s, Point& u, Point& v)
{
    if (!Usable(ren))
        return false;
    const TGoban& b = CurGoban();
    const int c = ren->GetIro();
    TRen* two[kMaxMren]; // room for every neighbour
    int n = 0;
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(ren->Mren(i));
        if (m != nullptr && m->Kuu() == 2)
            two[n++] = m;
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (SharedDame2(two[i], two[j], s, u, v) && !b.IsKinsiPt(c, s) && !b.IsSelfAtariPt(c, s))
                return true;
    return false;
}

Point Dame2OpenPt(TRen* ren)
{
    Point l1, l2;
    if (!TwoLibs(ren, l1, l2))
        return Point();
    if (EmptyNeighbours(l2) >= 2)
        return l2;
    if (EmptyNeighbours(l1) >= 2)
        return l1;
    return Point();
}

Point TonariAtariKuuAt(Point p)
{
    ToruRenMake();
    const TRen* r = ToruRenAt(p);
    if (r == nullptr)
        return Point();
    const TGoban& b = CurGoban();
    Point w;
    for (int i = 1; i <= r->MrenCount(); ++i) {
        TRen* m = b.RenList.Items(r->Mren(i));
        if (m != nullptr && m->Kuu() == 1)
            w = m->GetKuu(1);
    }
    return w;
}

Point NigeToruPt(Point s, Point l1, Point m)
{
    (void)l1; // the ladder-breaking move is already off the board here
    TYomiKeep keep;
    ToruRenMake();
    const TGoban& b = CurGoban();
    TRen* ren = ToruRenAt(s);
    const TRen* skip = ToruRenAt(m);
    if (ren == nullptr)
        return Point();
    const int c = ren->GetIro();
    Point y;
    // The points first: the reading below plays on other levels only.
    Point plays[kMaxMren]; // room for every neighbour
    int pn = 0;
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* nr = b.RenList.Items(ren->Mren(i));
        Point n1, n2;
        if (nr == nullptr || nr == skip || !TwoLibs(nr, n1, n2))
            continue;
        Point atari;
        for (int k = 1; k <= nr->MrenCount() && atari.x == 0; ++k) {
            TRen* own = b.RenList.Items(nr->Mren(k));
            if (own != nullptr && own->Kuu() == 1)
                atari = own->GetKuu(1);
        }
        if (atari.x == 0)
            continue;
        plays[pn++] = n1 != atari ? n1 : n2;
    }
    for (int i = 0; i < pn; ++i) {
        TYomiKeep line;
        if (!ToruPushPlay(c, plays[i]))
            continue;
        ToruRenMake();
        const TRen* r = ToruRenAt(plays[i]);
        if (r != nullptr && r->Kuu() > 1)
            y = plays[i];
    }
    return y;
}

// ---------------------------------------------------------------------------
// Nets and forced ladders against two-liberty chains

void Ren2Geta(TRen* ren)
{
    Point l1, l2;
    if (!TwoLibsToRead(ren, l1, l2) || Kyori(l1, l2) != 2)
        return;
    if (EmptyNeighbours(l1) != 2 || EmptyNeighbours(l2) != 2)
        return;
    const TGoban& b = CurGoban();
    const int c = ren->GetIro(), a = Aite(c);
    Point net(l1.x, l2.y);
    if (b.GetIroPt(net) != kAki)
        net = Point(l2.x, l1.y);
    if (b.GetIroPt(net) != kAki)
        return;
    int e = 0, f = 0;
    {
        TYomiKeep line;
        if (!ToruPlay(a, net))
            return;
        for (const Point ext : {l1, l2}) {
            TYomiKeep t;
            if (!ToruPlay(c, ext))
                return;
            ToruRenMake();
            if (!ToruSicho(ext))
                return;
        }
        e = Hyoka(a);
    }
    {
        TYomiKeep line;
        if (!ToruPlay(c, net))
            return;
        f = Hyoka(c);
    }
    AddKoho(net, e + f, 0);
}

void Ren2KinsiYomi(TRen* ren)
{
    Point l1, l2;
    if (!UsableTwoLibs(ren, l1, l2))
        return;
    const TGoban& b = CurGoban();
    const int c = ren->GetIro(), a = Aite(c);
    const Point s = ren->GetIsi(1);
    // A liberty the attacker may not play, which its self-atari table marks too.
    Point l0;
    for (const Point l : {l1, l2})
        if (b.IsKinsiPt(a, l) && b.IsSelfAtariPt(a, l))
            l0 = l;
    if (l0.x == 0)
        return;
    Point e[4];
    if (ListNeighbour(l0, kAki, e) != 1 || b.IsSelfAtariPt(a, e[0]))
        return;
    TIroCounts around;
    CountNeighbour(e[0], around);
    if (around[a] < 1)
        return;
    const Point ep = e[0];
    int value = 0;
    Point n3;
    {
        TYomiKeep line;
        if (!ToruPlay(a, ep))
            return;
        Point mv[3];
        int length = 0;
        if (!LadderMoves(s, mv, length) || length < 3 || EmptyNeighbours(mv[2]) != 0)
            return;
        if (!ToruPlay(c, mv[2]))
            return;
        if (!LadderMoves(s, mv, length) || length < 3)
            return;
        n3 = mv[2];
        if (!ToruPlay(a, mv[0]) || !ToruPlay(a, mv[1]))
            return;
        ToruRenMake();
        const Point l = TonariAtariKuuPt(mv[1]);
        TYomiKeep t;
        if (l.x != 0)
            ToruPlay(c, l);
        value = Hyoka(a);
    }
    AddKoho(c == JibunIro ? n3 : ep, value, 0);
}

// ---------------------------------------------------------------------------
// Chains with three liberties

void Ren3Answer(TRen* ren)
{
    if (!Usable(ren) || ren->Kuu() != 3)
        return;
    Ren3Horikomi(ren);
    Ren3Sicho(ren);
    Ren3Geta(ren);
}

void Ren3Horikomi(TRen* ren)
{
    Point libs[3];
    if (!ThreeLibs(ren, libs))
        return;
    const TGoban& b = CurGoban();
    const int a = Aite(ren->GetIro());
    const Point s = ren->GetIsi(1);
    if (b.IsDeathPt(s))
        return;
    for (const Point l : libs) {
        if (b.GetKakeme(l.x, l.y) != kKakemeYes || !b.IsSelfAtariPt(a, l))
            continue;
        const int v = HorikomiSicho(s, l);
        if (v > 0)
            AddKoho(l, v, 0);
    }
}

int HorikomiSicho(Point s, Point l)
{
    const TGoban& b = CurGoban();
    if (!InYomiArea(l) || !b.OnBoardPt(l))
        return -1;
    const int c = b.GetIroPt(s);
    if (!IsStone(c))
        return -1;
    const int a = Aite(c);
    if (b.IsToruTenPt(a, l))
        return -1;
    TYomiKeep keep;
    if (!ToruPushPlay(a, l))
        return -1;
    ToruRenMake();
    TRen* thrown = ToruRenAt(l);
    if (thrown == nullptr || thrown->Kuu() != 1 || !ToruPlay(c, thrown->GetKuu(1)))
        return -1;
    Point mv[3];
    int length = 0;
    if (!LadderMoves(s, mv, length))
        return -1;
    if (!ToruPlay(a, mv[0]))
        return -1;
    ToruPlay(a, mv[1]);
    return Hyoka(a);
}

void Ren3Sicho(TRen* ren)
{
    Point libs[3];
    if (!ThreeLibs(ren, libs) || ren->IsiCount() < 2 || GunDeath90At0(ren->GetIsi(1)))
        return;
    const TGoban& b = CurGoban();
    const int c = ren->GetIro(), a = Aite(c);
    if (!InYomiArea(libs[0]) && !InYomiArea(libs[1]) && !InYomiArea(libs[2]))
        return;
    for (int i = 0; i < 3; ++i) {
        const Point l = libs[i], o1 = libs[(i + 1) % 3], o2 = libs[(i + 2) % 3];
        if (b.IsKinsiPt(a, l) || b.IsSelfAtariPt(a, l) || Kyori(l, o1) > 2 || Kyori(l, o2) > 2)
            continue;
        int v = 0;
        bool works = true;
        {
            TYomiKeep line;
            if (!ToruPlay(a, l))
                continue;
            ToruRenMake();
            const TRen* ar = ToruRenAt(l);
            if (ar == nullptr || ar->Kuu() <= 2)
                continue;
            // Each extension of the defender must run into a ladder.
            for (const Point ext : {o1, o2}) {
                TYomiKeep t;
                if (!ToruPlay(c, ext))
                    continue;
                ToruRenMake();
                if (!ToruSicho(ext)) {
                    works = false;
                    break;
                }
            }
            if (works)
                v = Hyoka(a);
        }
        if (works)
            AddKoho(l, v, 0);
    }
}

void Ren3Geta(TRen* ren)
{
    Point libs[3];
    if (!ThreeLibs(ren, libs) || ren->IsiCount() < 2 || GunDeath90At0(ren->GetIsi(1)))
        return;
    const TGoban& b = CurGoban();
    const int c = ren->GetIro(), a = Aite(c);
    const Point s = ren->GetIsi(1);
    for (int i = 0; i < 3; ++i)
        if (Kyori(libs[i], libs[(i + 1) % 3]) > 4)
            return;
    // Class of each liberty by its distances to the other two.
    Point byClass[4];
    int classes = 0;
    for (int i = 0; i < 3; ++i) {
        const int d1 = Kyori(libs[i], libs[(i + 1) % 3]), d2 = Kyori(libs[i], libs[(i + 2) % 3]);
        const int lo = std::min(d1, d2), hi = std::max(d1, d2);
        const int cls = lo == 1 && hi == 4 ? 1 : lo == 1 && hi == 2 ? 2 : lo == 2 && hi == 4 ? 3 : 0;
        if (cls == 0 || byClass[cls].x != 0)
            return;
        byClass[cls] = libs[i];
        ++classes;
    }
    if (classes != 3)
        return;
    const Point l2 = byClass[2], l3 = byClass[3];
    Point net(l2.x, l3.y);
    if (b.GetIroPt(net) != kAki)
        net = Point(l3.x, l2.y);
    if (b.GetIroPt(net) != kAki)
        return;
    TIroCounts at3;
    CountNeighbour(l3, at3);
    if (b.IsToruTenPt(c, l3) || EmptyNeighbours(net) < 4 || at3[kAki] >= 3 || at3[c] >= 2)
        return;
    int v = 0;
    {
        TYomiKeep line;
        if (!ToruPlay(a, net))
            return;
        v = Hyoka(a);
        const TGun* caught = GunAt(s);
        const TGun* atNet = GunAt(net);
        if (caught == nullptr || caught->GetDeath() != 1 || (atNet != nullptr && atNet->IsDeath90()))
            return;
    }
    AddKoho(net, v, 0);
}

bool Ren3HorikomiCheck(Point p)
{
    const TGoban& b = CurGoban();
    TRen* ren = ToruRenAt(p);
    Point libs[3];
    if (!ThreeLibs(ren, libs))
        return false;
    const int a = Aite(ren->GetIro());
    if (!InYomiArea(libs[0]) && !InYomiArea(libs[1]) && !InYomiArea(libs[2]))
        return false;
    const Point s = ren->GetIsi(1);
    for (const Point l : libs)
        if (b.GetKakeme(l.x, l.y) == kKakemeYes && b.IsSelfAtariPt(a, l) && AtariMap[a][l.x][l.y] == 1
            && HorikomiSicho(s, l) > 0)
            return true;
    return false;
}

} // namespace vorn
