#include "engine/LastThink.h"

#include <algorithm>
#include <array>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Jisho.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Nozoki.h"
#include "engine/Reading.h"
#include "engine/Think.h"

namespace vorn {

namespace {

// A group's one territory of this size is filled from inside.
constexpr int kJiFillMin = 9;
constexpr int kJiFillMax = 12;
constexpr int kJiFillValue = 8;
// The hane that starts a ladder on the second line.
constexpr int kKosumiLadderValue = 12;
// A push worth less than this is read on to the ladder it may start.
constexpr int kKeimaPushLadder = 4;
// The distance index of a knight's move.
constexpr int kKyoriKeima = 4;

int IroAt(Point p) { return CurGoban().GetIroPt(p); }

Point Dir4(Point p, int d) { return Point(p.x + Dir4X[d], p.y + Dir4Y[d]); }

int RenKuu(Point p)
{
    const TRen* r = ToruRenAt(p);
    return r == nullptr ? 0 : r->Kuu();
}

// The hane at c under the diagonal t2-t3 (t2 on the second line, t3 on the
// third) of the stone a's colour: a candidate when it starts a ladder on t2
// and the second line beyond c is open.
void KosumiLadderHane(Point a, Point t2, Point t3, Point c)
{
    if (IroAt(c) != kAki || RenKuu(t3) != 4 || EmptyNeighbours(c) != 2)
        return;
    const Point z1 = StepBeyond(t2, c), z2 = StepBeyond(c, z1), z3 = StepBeyond(z1, z2);
    if (IroAt(z1) != kAki || IroAt(z2) != kAki || IroAt(z3) != kAki || EmptyNeighbours(z1) != 3
        || EmptyNeighbours(z2) != 3 || EmptyNeighbours(z3) != 2)
        return;
    const int hane = Aite(IroAt(a));
    bool caught = false;
    {
        TYomiTrial t;
        if (!t.Play(hane, c))
            return;
        ToruRenMake();
        caught = ToruSicho(t2);
    }
    if (caught)
        AddKoho(c, kKosumiLadderValue, 0);
}

} // namespace

// ---------------------------------------------------------------------------
// Territory moves

void JiThink(Point& out)
{
    JiNiNi();
    SelectIfAny(kSelectHigh, out);
}

void JiNiNi()
{
    const int n = BoardSize;
    for (int a = 0; a <= 1; ++a)
        for (int c = 0; c <= 1; ++c) {
            const Point p{(n - 3) * a + 2, (n - 3) * c + 2};
            const TGoban& b = CurGoban();
            if (b.GetIroPt(p) != kAki || EmptyNeighbours(p) != 4)
                continue;
            const TJi* ji = b.JiList.GetJiAt(p);
            const int owner = ji == nullptr ? 0 : ji->GetJiIro();
            if (!IsStone(owner))
                continue;
            const int invader = Aite(owner);
            int v = 0;
            {
                TYomiTrial t;
                if (!t.Play(invader, p))
                    continue;
                v = Hyoka(invader);
                // The owner's answers along the second line.
                for (int d = 1; d <= 4; ++d) {
                    const Point e = Dir4(p, d);
                    if (IroAt(e) != kAki || LineNoPt(e) != 2)
                        continue;
                    TYomiTrial answer;
                    if (answer.Play(owner, e))
                        v = std::min(v, Hyoka(invader));
                }
            }
            AddKoho(p, v == 0 ? -1 : v, 0);
        }
}

void GunJiThink(Point& out)
{
    const TGunList& list = CurGoban().GunList;
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TGun* g = list.GetGun(n);
        if (g != nullptr && g->GetMe() >= 4 && g->GetMe() <= 6)
            GunJiFill(*g);
    }
    SelectIfAny(kSelectHigh, out);
}

void GunJiFill(const TGun& g)
{
    const TJiList& list = CurGoban().JiList;
    TJi* only = nullptr;
    int eyes = 0;
    for (int i = 1; i <= g.GetJisu(); ++i) {
        const int n = g.GetJi(i);
        TJi* ji = n >= 1 && n <= kMaxJi ? list.GetJi(n) : nullptr;
        if (ji != nullptr && ji->CalcMe() > 0) {
            ++eyes;
            only = ji;
        }
    }
    if (eyes != 1 || only->GetJisu() < kJiFillMin || only->GetJisu() > kJiFillMax)
        return;
    for (int i = 1; i <= only->GetJisu(); ++i) {
        const Point p = only->GetYoso(i);
        if (IroAt(p) == kAki && EmptyNeighbours(p) == 4)
            AddKoho(p, kJiFillValue, 0);
    }
}

// ---------------------------------------------------------------------------
// Last moves

void LastThink(Point& out)
{
    out = Point{};
    // A ko to fight, or a lead to keep: the endgame decides.
    if (KouKohoValue > 0 || KeiseiHandanNow >= 2)
        return;
    const TGunList& list = CurGoban().GunList;
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TGun* g = list.GetGun(n);
        if (g != nullptr && g->GetIsiIro() == JibunIro && g->GetIsiSu() > 2 && g->GetMe() < 3 && g->GetSmai() < 1)
            LastGunThink(*g);
    }
    const int size = BoardSize;
    for (int y = 1; y <= size; ++y)
        for (int x = 1; x <= size; ++x) {
            const TGoban& b = CurGoban();
            if (b.GetIro(x, y) != AiteIro)
                continue;
            const Point a{x, y};
            const TLocate& loc = b.GetLocate(x, y);
            for (int k = 1; k <= loc.GetKankeiSu(); ++k) {
                const Point r = loc.GetKankeiPoint(k);
                const int grade = loc.GetLinkGrade(k);
                // A link to the edge has no box to read.
                if (!loc.OnBoardAt(k) || r.x > a.x || (grade != 1 && grade != 2))
                    continue;
                if (loc.GetKankeiKind(k) == KankeiKeima)
                    LastKeimaPush(a, r);
                else if (loc.GetKankeiKind(k) == KankeiNaname)
                    LastKosumiLadder(a, r);
            }
        }
    SelectIfAny(kSelectLast, out);
}

void LastGunThink(const TGun& g)
{
    const int c = g.GetIsiIro();
    for (int i = 1; i <= g.GetFromSu(); ++i) {
        const Point b = g.GetFromB(i);
        const int k = g.GetFromValue(i);
        if (k == KankeiTonari || k == KankeiNaname)
            LastContact(b, c);
        LastMeSpace(b, c);
    }
}

void LastMeSpace(Point b, int c)
{
    if (!CurGoban().OnBoardPt(b) || !IsStone(c) || NozokiMap[c][b.x][b.y] == 0 || EmptyNeighbours(b) < 2)
        return;
    int best = -1;
    {
        TYomiTrial t;
        if (!t.Play(c, b))
            return;
        for (int d = 1; d <= 4; ++d) {
            const Point e = Dir4(b, d);
            if (IroAt(e) != kAki)
                continue;
            TYomiTrial second;
            if (second.Play(c, e))
                best = std::max(best, Hyoka(c));
        }
    }
    if (best >= 1)
        AddKoho(b, best / 3, 0);
}

void LastContact(Point b, int c)
{
    const TGoban& board = CurGoban();
    const int o = Aite(c);
    if (!IsStone(c) || board.IsKinsiPt(c, b) != 0 || board.IsSelfAtariPt(c, b) != 0)
        return;
    TIroCounts around;
    CountNeighbour(b, around);
    if (around[o] == 0)
        return;
    TYomiTrial t;
    if (!t.Play(c, b))
        return;
    ToruRenMake();
    if (RenKuu(b) < 3)
        return;
    std::array<int, 4> chains{};
    const int su = ListTonariRen(b, o, chains);
    for (int i = 0; i < su; ++i) {
        TRen* r = CurGoban().RenList.Items(chains[static_cast<std::size_t>(i)]);
        if (r != nullptr && r->Kuu() == 2)
            LastRenAtari(r, b);
    }
}

void LastRenAtari(TRen* ren, Point p)
{
    if (ren == nullptr || ren->Kuu() != 2 || !IsStone(ren->GetIro()))
        return;
    const int r = ren->GetIro(), c = Aite(r);
    const Point s = ren->GetIsi(1);
    const Point libs[2] = {ren->GetKuu(1), ren->GetKuu(2)};
    for (int i = 0; i < 2; ++i) {
        const Point l = libs[i];
        Point other = libs[1 - i];
        int v = 0;
        {
            TYomiTrial t;
            if (!t.PushPlay(c, l))
                continue;
            ToruRenMake();
            if (RenKuu(l) == 1)
                continue;
            // The chain in atari captures a neighbour in atari instead of
            // extending.
            if (const TRen* again = ToruRenAt(s))
                for (int k = 1; k <= again->MrenCount(); ++k) {
                    TRen* m = CurGoban().RenList.Items(again->Mren(k));
                    if (m != nullptr && m->Kuu() == 1)
                        other = m->GetKuu(1);
                }
            if (!t.Play(r, other))
                continue;
            v = Hyoka(c);
            // A neighbour of the atari stone caught in a ladder is the real
            // gain.
            // Every such neighbour is read; the last one caught decides.
            std::array<Point, kMaxMren> caught{};
            int su = 0;
            if (const TRen* mine = ToruRenAt(l))
                for (int k = 1; k <= mine->MrenCount() && su < kMaxMren; ++k) {
                    const TRen* m = CurGoban().RenList.Items(mine->Mren(k));
                    if (m != nullptr && m->Kuu() == 2)
                        caught[static_cast<std::size_t>(su++)] = m->GetIsi(1);
                }
            for (int k = 0; k < su; ++k) {
                Point first;
                if (!ToruSicho(caught[static_cast<std::size_t>(k)], &first) || first.x <= 0)
                    continue;
                TYomiTrial ladder;
                if (ladder.PushPlay(c, first))
                    v = Hyoka(c);
            }
        }
        if (JibunIro == r)
            v /= 2;
        AddKoho(p, v, 0);
    }
}

void LastKeimaPush(Point a, Point b)
{
    const TGoban& board = CurGoban();
    if (!board.OnBoardPt(a) || !board.OnBoardPt(b) || Kyori(a, b) != kKyoriKeima)
        return;
    std::array<Point, 6> e{};
    BetweenRows(a, b, e);
    const int c = board.GetIroPt(a), o = Aite(c);
    if (!IsStone(c) || RenKuu(a) == 1 || RenKuu(b) == 1)
        return;
    for (int i = 1; i <= 4; ++i)
        if (IroAt(e[static_cast<std::size_t>(i)]) == o)
            return;
    // The push comes from the side where our stone already stands.
    Point w, push, answer, watch;
    Point x = StepBeyond(e[3], e[1]);
    if (IroAt(x) == o) {
        w = e[1], push = e[2], answer = e[3], watch = a;
    } else {
        x = StepBeyond(e[2], e[4]);
        if (IroAt(x) != o)
            return;
        w = e[4], push = e[3], answer = e[2], watch = b;
    }
    const TGun* pusher = board.GunList.GetGunAt(x);
    if (pusher == nullptr || pusher->GetMe() >= 3 || pusher->GetIsiSu() < 3)
        return;
    int v = 0;
    {
        TYomiTrial t;
        if (!t.Play(o, w) || !t.Play(o, push) || !t.Play(c, answer))
            return;
        v = Hyoka(o);
        Point first;
        if (v < kKeimaPushLadder && IsStone(IroAt(watch)) && ToruSicho(watch, &first)) {
            TYomiTrial ladder;
            if (ladder.Play(o, first))
                v = Hyoka(o);
        }
    }
    AddKoho(w, v / 3, 0);
}

void LastKosumiLadder(Point a, Point b)
{
    const TGoban& board = CurGoban();
    if (!board.OnBoardPt(a) || !board.OnBoardPt(b))
        return;
    Point t2 = a, t3 = b;
    if (LineNoPt(a) != 2) {
        if (LineNoPt(b) != 2)
            return;
        t2 = b, t3 = a;
    }
    if (LineNoPt(t3) != 3)
        return;
    // The hane is the crossing point on the second line: (t2.x, t3.y) along
    // the left and right edges, (t3.x, t2.y) along the top and bottom; both
    // are on it only when t2 is a 2-2 point, and then both are read.
    const Point crossings[2] = {Point(t2.x, t3.y), Point(t3.x, t2.y)};
    for (const Point c : crossings)
        if (LineNoPt(c) == 2)
            KosumiLadderHane(a, t2, t3, c);
}

} // namespace vorn
