#include "engine/CaptureAnswer.h"

#include <cstdlib>

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
#include "engine/Toru.h"

namespace vorn {

// Every reading below plays its first move on a level of its own
// (ToruPushPlay), so that the board it is called on keeps its analysis, and a
// TYomiKeep takes the reading back however it ends.

namespace {

constexpr int kNoValue = -999;

bool IsStoneColour(int c) { return c == kKuro || c == kSiro; }

// The chain of the stone at p on the current board; nullptr for an empty
// point or a point off the board.
TRen* ChainAt(Point p) { return IsStoneColour(CurGoban().GetIroPt(p)) ? ToruRenAt(p) : nullptr; }

// Marked dead by the judgement; no group at all counts as dead: the stones
// are gone.
bool GunGone(Point p)
{
    const TGun* g = GunAt(p);
    return g == nullptr || g->GetDeath() != 0;
}

// Plays and rebuilds the chains: the first move of a reading on a new level,
// the later ones on it.
bool PushPlayRebuild(int c, Point p)
{
    if (!ToruPushPlay(c, p))
        return false;
    ToruRenMake();
    return true;
}

bool PlayRebuild(int c, Point p)
{
    if (!ToruPlay(c, p))
        return false;
    ToruRenMake();
    return true;
}

// The candidate for the engine's side: our chain is saved at `save`, the
// opponent's chain is taken at `a`.
void AddAnswer(int chainColour, Point a, Point save, int value)
{
    AddKoho(chainColour == AiteIro ? a : save, value, 0);
}

// Colour c plays p on a level of its own and the position is evaluated for
// c; 0 when the move is illegal.
int TryHyoka(int c, Point p)
{
    TYomiKeep keep;
    return ToruPushPlay(c, p) ? Hyoka(c) : 0;
}

// The ladder catches the chain of the stone at p (read afresh).
bool LadderCaught(Point p) { return ChainAt(p) != nullptr && ToruSicho(p); }

// Room for every chain next to one chain.
using TNeighbourStones = Arr<Point, 1, kMaxMren>;

// The opponent chains next to the chain of the stone at p, by their first
// stones, every one of them; with libertyCount only those with that many.
int NeighbourChainStones(Point p, TNeighbourStones& stones, int libertyCount = 0)
{
    TRen* ren = ChainAt(p);
    if (ren == nullptr)
        return 0;
    const TRenList& list = CurGoban().RenList;
    int n = 0;
    for (int i = 1; i <= ren->MrenCount(); ++i) {
        TRen* m = list.Items(ren->Mren(i));
        if (m == nullptr || m->IsiCount() < 1 || (libertyCount != 0 && m->Kuu() != libertyCount))
            continue;
        stones[++n] = m->GetIsi(1);
    }
    return n;
}

// The first two liberties of the chain at p (fewer when it has fewer); 0
// when there is no chain.
int TwoLibertiesOf(Point p, Point (&libs)[2])
{
    TRen* r = ChainAt(p);
    if (r == nullptr)
        return 0;
    const int k = r->Kuu() < 2 ? r->Kuu() : 2;
    for (int i = 0; i < k; ++i)
        libs[i] = r->GetKuu(i + 1);
    return k;
}

// The first two distinct chains of colour c next to p that stand in atari,
// in neighbour order, by their stone next to p.
int AtariChainsNextTo(Point p, int c, Point (&stones)[2])
{
    int n = 0;
    for (int d = 1; d <= 4 && n < 2; ++d) {
        const Point q = Dir4Pt(p, d);
        if (CurGoban().GetIroPt(q) != c)
            continue;
        TRen* r = ChainAt(q);
        if (r == nullptr || r->Kuu() != 1 || (n == 1 && r->HasIsi(stones[0])))
            continue;
        stones[n++] = q;
    }
    return n;
}

} // namespace

// ---------------------------------------------------------------------------
// A chain in atari

void AtariNigeAnswer(Point a, Point b)
{
    TRen* ren = ChainAt(b);
    if (ren == nullptr || ren->Kuu() != 1 || ren->GetKuu(1) != a)
        return;
    // A chain that cannot be saved by extending is not worth an answer.
    if (ren->SichoStatus() >= kSichoToreru)
        return;
    const int col = ren->GetIro(), opp = Aite(col);
    const TGun* gun = GunAt(b);
    const int me0 = gun != nullptr ? gun->GetMe() : 0;

    // Saving by capture: the best capture of a neighbour in atari.
    int e1 = kNoValue;
    Point save{};
    {
        TNeighbourStones stones;
        const int n = NeighbourChainStones(b, stones, 1);
        for (int i = 1; i <= n; ++i) {
            TRen* m = ChainAt(stones[i]);
            if (m == nullptr || m->Kuu() != 1)
                continue;
            const Point l = m->GetKuu(1);
            if (l == KouTen)
                continue;
            TYomiKeep keep;
            if (!ToruPushPlay(col, l))
                continue;
            const int v = Hyoka(col);
            if (v > e1) {
                e1 = v;
                save = l;
            }
        }
    }
    if (e1 == kNoValue) {
        // Saving by extending: only when the extension really escapes.
        save = a;
        TYomiKeep keep;
        if (!PushPlayRebuild(col, a))
            return;
        TRen* ext = ChainAt(a);
        if (ext == nullptr || ext->Kuu() <= 1 || SichoCheck2(a) == 1)
            return;
        CurGoban().Analyze();
        if (GunGone(a))
            return;
        // A group with one eye and a vital point that stays so gains nothing.
        if (me0 == 3 && GunAt(a)->GetMe() == 3)
            return;
        e1 = HyokaDiff(col);
    } else if (e1 < -1) {
        e1 /= 2;
    }

    // The capture: what the opponent gains by taking the chain at a.
    int e2 = 0;
    {
        TYomiKeep keep;
        if (PushPlayRebuild(opp, a)) {
            TRen* taker = ChainAt(a);
            if (taker == nullptr)
                return;
            // A capture that leaves a bigger chain in atari, or a two-liberty
            // chain in a ladder, is no threat.
            if (taker->Kuu() == 1 && taker->IsiCount() >= 2)
                return;
            if (taker->Kuu() == 2 && ToruSicho(a))
                return;
            if (taker->Kuu() == 1) {
                // A lone capturing stone in atari (a ko or a snapback): the
                // opponent connects it.
                const Point l = taker->GetKuu(1);
                {
                    TYomiKeep joined;
                    ToruPlay(opp, l);
                    e2 = Hyoka(opp);
                }
                if (e2 == 2) {
                    keep.Restore();
                    AddKoho(a, 1, col == JibunIro ? 1 : 0);
                    return;
                }
                e2 /= 2;
            } else {
                // The defender's counter-capture, when one works, is part of
                // the position.  The position is analysed in both cases.
                Point counter;
                RenAtariTori(a, counter);
                if (counter.x >= 1)
                    ToruPlay(col, counter);
                e2 = Hyoka(opp);
            }
        }
    }
    if (e1 < -1)
        e1 = -1;
    AddAnswer(col, a, save, e1 + e2);
}

// ---------------------------------------------------------------------------
// A two-liberty chain caught by a ladder

void SichoAnswer(Point a, Point b)
{
    const TGoban& board = CurGoban();
    TRen* ren = ChainAt(b);
    if (ren == nullptr || ren->Kuu() != 2 || ren->GetSicho() < kSichoToreru || !board.OnBoardPt(a)
        || board.GetIroPt(a) != kAki)
        return;
    // a starts the capture: one of the liberties, or the first move read.
    if (a != ren->GetKuu(1) && a != ren->GetKuu(2) && a != ren->SichoTe(1))
        return;
    const int col = ren->GetIro(), opp = Aite(col);
    const bool toruTen = board.IsToruTenPt(opp, a) == 1;
    int e1 = 0;
    int divisor = 0;
    Point save = a;

    // Counter-captures: a neighbour in atari is taken; a two-liberty
    // neighbour that a ladder catches is laddered when that frees our chain.
    {
        TNeighbourStones stones;
        const int n = NeighbourChainStones(b, stones);
        for (int i = 1; i <= n; ++i) {
            TRen* m = ChainAt(stones[i]);
            if (m == nullptr)
                continue;
            if (m->Kuu() == 1) {
                save = m->GetKuu(1);
                e1 = TryHyoka(col, save);
            } else if (m->Kuu() == 2 && !toruTen && ToruSicho(stones[i])) {
                const Point te = m->SichoTe(1);
                TYomiKeep keep;
                if (PushPlayRebuild(col, te) && !LadderCaught(b)) {
                    save = te;
                    e1 = Hyoka(col);
                }
            }
        }
    }

    // An atari next to the ladder's path: after the opponent's escape the
    // ladder may no longer work.
    for (int d = 1; d <= 4 && e1 == 0; ++d) {
        const Point nb = Dir4Pt(a, d);
        if (board.GetIroPt(nb) != kAki || AtariMap[col][nb.x][nb.y] != 1 || board.IsSelfAtariPt(col, nb) == 1)
            continue;
        TYomiKeep keep;
        if (!PushPlayRebuild(col, nb))
            continue;
        const Point escape = TonariAtariKuuPt(nb);
        if (escape.x != 0)
            PlayRebuild(opp, escape);
        if (!LadderCaught(b)) {
            save = nb;
            e1 = Hyoka(col);
        }
    }

    // The plain extension at the ladder's first point.
    if (e1 == 0) {
        // Extending into a cutting point of a jump or knight's move leaves
        // the cut for the opponent.
        if (IsKankeiKiriPoint(a))
            return;
        TYomiKeep keep;
        if (!PushPlayRebuild(col, a))
            return;
        TRen* ext = ChainAt(a);
        if (ext == nullptr || (ext->Kuu() < 3 && ToruSicho(a)))
            return;
        CurGoban().Analyze();
        const TGun* g = GunAt(a);
        if (g == nullptr || g->IsDeath90() != 0)
            return;
        e1 = HyokaDiff(col);
        Point cuts[5];
        if (KankeiKiriPoints(a, cuts, 5) == 1) {
            // One cut is left: the opponent cuts there at once.
            if (ToruPlay(opp, cuts[0])) {
                e1 = Hyoka(col);
                if (GunGone(a))
                    return;
            }
        } else if (g->IsDeath70() != 0) {
            divisor = 2;
        }
    }
    if (e1 < -7)
        return;

    // The attack: the opponent starts the ladder at a and, the ladder
    // working, takes the chain.
    int e2 = 0;
    {
        TYomiKeep keep;
        if (!PushPlayRebuild(opp, a))
            return;
        // The ladder stones themselves caught: no attack.
        TNeighbourStones stones;
        const int n = NeighbourChainStones(b, stones);
        for (int i = 1; i <= n; ++i)
            if (LadderCaught(stones[i]))
                return;
        // The chain's remaining liberties (one after a ladder's atari, two
        // after a net's first move).
        Point libs[2];
        const int k = TwoLibertiesOf(b, libs);
        if (k == 0)
            return;
        for (int i = 0; i < k; ++i)
            ToruPlay(opp, libs[i]);
        e2 = Hyoka(opp);
    }
    int v = e1 + e2;
    if (divisor != 0)
        v /= divisor;
    AddAnswer(col, a, save, v);
}

// ---------------------------------------------------------------------------
// A two-liberty chain in a loose net

Point GetaEscapePoint(Point a, Point s)
{
    const TGoban& board = CurGoban();
    // Only a net point diagonal to the stone lays out the 3 x 3 block.
    if (std::abs(a.x - s.x) != 1 || std::abs(a.y - s.y) != 1 || !board.OnBoardPt(s))
        return a;
    Point cell[9];
    BetweenWide(s, StepBeyond(s, a), cell);
    for (int k = 1; k <= 8; ++k)
        if (IsStoneColour(board.GetIroPt(cell[k])))
            return a;
    // An open block: run along the liberty that leads to a friendly stone.
    const int own = board.GetIroPt(cell[0]);
    if (board.GetIroPt(StepBeyond(cell[3], cell[6])) == own)
        return cell[3];
    if (board.GetIroPt(StepBeyond(cell[1], cell[2])) == own)
        return cell[1];
    return a;
}

void GetaAnswer(Point a, Point b)
{
    const TGoban& board = CurGoban();
    TRen* ren = ChainAt(b);
    if (ren == nullptr || ren->Kuu() != 2 || !board.OnBoardPt(a) || board.GetIroPt(a) != kAki)
        return;
    const int col = ren->GetIro(), opp = Aite(col);
    // The stone that touches both liberties.
    Point s{};
    for (int i = 1; i <= ren->IsiCount() && s.x == 0; ++i)
        if (EmptyNeighbours(ren->GetIsi(i)) == 2)
            s = ren->GetIsi(i);
    TIroCounts atNet;
    CountNeighbour(a, atNet);
    if (atNet[opp] > 0 && atNet[col] == 0)
        return;
    const Point first = ren->GetIsi(1);
    const Point e = GetaEscapePoint(a, s);

    // The escape, and the opponent's capture of a stone of ours beside the
    // chain that stands in atari.
    int e1 = 0;
    bool weak = false;
    {
        TYomiKeep keep;
        if (!ToruPushPlay(col, e))
            return;
        CurGoban().Analyze();
        if (GunGone(e))
            return;
        weak = GunAt(e)->IsWeak();
        Point l{};
        for (int d = 1; d <= 4; ++d) {
            TRen* r = ChainAt(Point(first.x + NanameX[d], first.y + NanameY[d]));
            if (r != nullptr && r->GetIro() == col && r->Kuu() == 1)
                l = r->GetKuu(1);
        }
        if (l.x != 0)
            ToruPlay(opp, l);
        // The analysis is that of the escape; the capture counts its prisoners.
        e1 = HyokaDiff(col);
    }

    // The net: after it every extension of the chain must be caught.
    int e2 = 0;
    {
        TYomiKeep keep;
        if (!PushPlayRebuild(opp, a))
            return;
        Point libs[2];
        const int k = TwoLibertiesOf(b, libs);
        if (k == 0)
            return;
        for (int i = 0; i < k; ++i) {
            bool caught = true; // an extension it cannot play is no escape
            {
                TYomiKeep extension;
                if (PlayRebuild(col, libs[i]))
                    caught = LadderCaught(b);
            }
            if (!caught)
                return;
        }
        e2 = Hyoka(opp);
    }
    int v = e1 + e2;
    if (weak)
        v /= 2;
    if (v < 1)
        return;
    AddAnswer(col, a, e, v);
}

// ---------------------------------------------------------------------------
// A double atari

namespace {

// The attacker's stone at p (on the current board) stands in atari: the
// victim takes it, and the first of the chains it had put in atari that a
// ladder then catches is laddered.  False when none is caught.  The moves
// read here are taken back; p stays.
bool Atari2PointValue(Point p, int& value)
{
    TRen* own = ChainAt(p);
    if (own == nullptr || own->Kuu() != 1)
        return false;
    const int att = own->GetIro(), victim = Aite(att);
    const Point l = own->GetKuu(1);
    Point victims[2];
    const int n = AtariChainsNextTo(p, victim, victims);
    TYomiKeep keep;
    if (!PushPlayRebuild(victim, l))
        return false;
    for (int i = 0; i < n; ++i) {
        if (!LadderCaught(victims[i]))
            continue;
        TRen* r = ChainAt(victims[i]);
        const Point t1 = r->SichoTe(1);
        const Point t2 = r->SichoCount() >= 2 ? r->SichoTe(2) : Point();
        // Both points of the ladder's start: the chain is as good as taken.
        ToruPlay(att, t1);
        if (t2.x != 0)
            ToruPlay(att, t2);
        value = Hyoka(att);
        return true;
    }
    return false;
}

} // namespace

void Atari2Point(Point p)
{
    int value = 0;
    if (Atari2PointValue(p, value))
        AddKoho(p, value, 0);
}

void Atari2Answer(Point p)
{
    const TGoban& board = CurGoban();
    if (!board.OnBoardPt(p) || board.GetIroPt(p) != kAki)
        return;
    // The victim: the colour with two stones next to p; with two of each,
    // Black when two black chains there have two liberties.
    TIroCounts around;
    CountNeighbour(p, around);
    int victim = kSiro;
    if (around[kKuro] >= 2 && around[kSiro] >= 2) {
        int twoLib = 0;
        int seen[4] = {};
        for (int d = 1; d <= 4; ++d) {
            TRen* r = board.GetIroPt(Dir4Pt(p, d)) == kKuro ? ChainAt(Dir4Pt(p, d)) : nullptr;
            if (r == nullptr)
                continue;
            bool again = false;
            for (int k = 0; k < d - 1; ++k)
                again = again || seen[k] == r->GetNo();
            seen[d - 1] = r->GetNo();
            if (!again && r->Kuu() == 2)
                ++twoLib;
        }
        if (twoLib >= 2)
            victim = kKuro;
    } else if (around[kKuro] >= 2) {
        victim = kKuro;
    }
    const int att = Aite(victim);
    Point firstVictim{};
    for (int d = 1; d <= 4 && firstVictim.x == 0; ++d)
        if (board.GetIroPt(Dir4Pt(p, d)) == victim)
            firstVictim = Dir4Pt(p, d);
    if (firstVictim.x == 0)
        return;
    const TGun* g = GunAt(firstVictim);
    if (g != nullptr && g->IsDeath90() != 0)
        return;

    int m = 0;
    {
        TYomiKeep keep;
        if (!PushPlayRebuild(att, p))
            return;
        TRen* stone = ChainAt(p);
        if (stone == nullptr)
            return;
        if (stone->Kuu() == 1) {
            int value = 0;
            const bool found = Atari2PointValue(p, value);
            keep.Restore();
            if (found)
                AddKoho(p, value, 0);
            return;
        }

        // The first two victim chains now in atari: their liberties, sizes,
        // and the victim's answer for each (a counter-capture, else the
        // extension).
        Point victims[2], lib[2], answer[2];
        int size[2] = {};
        if (AtariChainsNextTo(p, victim, victims) < 2)
            return;
        for (int i = 0; i < 2; ++i) {
            TRen* r = ChainAt(victims[i]);
            lib[i] = r->GetKuu(1);
            size[i] = r->IsiCount();
            const Point counter = TonariAtariKuu(r);
            answer[i] = counter.x != 0 ? counter : lib[i];
        }
        if (lib[0] == lib[1])
            return;

        int e[2] = {};
        for (int i = 0; i < 2; ++i) {
            TYomiKeep answerKeep;
            if (!PlayRebuild(victim, answer[i])) {
                e[i] = Hyoka(att);
                continue;
            }
            bool retreat = false;
            if (answer[i] != lib[i] && size[i] == 1) {
                TRen* r = ChainAt(answer[i]);
                if (r != nullptr && r->Kuu() == 1) {
                    // The counter-capturing stone would stand in atari
                    // itself: the single stone runs out instead.
                    retreat = true;
                    answerKeep.Restore();
                    if (!PlayRebuild(victim, lib[i]))
                        PlayRebuild(victim, answer[i]);
                }
            }
            ToruPlay(att, lib[1 - i]);
            e[i] = Hyoka(att);
            if (retreat)
                e[i] = e[i] * 2 / 3;
        }
        m = e[0] < e[1] ? e[0] : e[1];
    }
    AddKoho(p, m < 3 ? m : m + 2, 0);
}

} // namespace vorn
