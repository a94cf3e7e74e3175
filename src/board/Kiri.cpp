#include "board/Kiri.h"

#include <array>
#include <cstring>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Jisho.h"
#include "board/KuuIsi.h"
#include "board/Locate.h"
#include "board/Ren.h"

namespace vorn {

Arr<Grid<std::uint8_t, 1, 19>, 1, 2> KiriMap{};
Arr<Grid<std::uint8_t, 1, 19>, 1, 2> Kiri2Map{};
Arr<Grid<std::uint8_t, 1, 19>, 1, 2> AtariMap{};

namespace {
int MapAt(const Arr<Grid<std::uint8_t, 1, 19>, 1, 2>& map, int c, Point p)
{
    if ((c != 1 && c != 2) || p.x < 1 || p.x > 19 || p.y < 1 || p.y > 19)
        return 0;
    return map[c][p.x][p.y];
}
} // namespace

int KiriMapAt(int c, Point p) { return MapAt(KiriMap, c, p); }
int Kiri2MapAt(int c, Point p) { return MapAt(Kiri2Map, c, p); }
int AtariMapAt(int c, Point p) { return MapAt(AtariMap, c, p); }

namespace {

using TColourMap = Arr<Grid<std::uint8_t, 1, 19>, 1, 2>;

// Clears both colours over the whole table, so no reader of a smaller board
// ever meets a mark left from a larger one.
inline void ClearMap(TColourMap& m) { std::memset(&m, 0, sizeof(m)); }

// The two crossing points of a diagonal (s, p): (s.x, p.y) and (p.x, s.y).
inline std::array<Point, 2> Crossings(Point s, Point p) { return {Point(s.x, p.y), Point(p.x, s.y)}; }

// Calls f(stone, its relation record, index) for every relation of every
// stone of the board, stones in scan order (y outer, x inner), relations in
// record order.
template <class F>
void ForEachStoneRelation(const TGoban& b, F&& f)
{
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            if (!IsStone(b.GetIro(x, y)))
                continue;
            const TLocate& loc = b.GetLocate(x, y);
            for (int i = 1; i <= loc.GetKankeiSu(); ++i)
                f(Point(x, y), loc, i);
        }
}

// Calls f(chain) for every stone chain of the board with `libs` liberties.
template <class F>
void ForEachChainWithLibs(const TGoban& b, int libs, F&& f)
{
    const TRenList& list = b.RenList;
    for (int n = 1; n <= list.Count(); ++n) {
        TRen* r = list.Items(n);
        if (r != nullptr && IsStone(r->GetIro()) && r->Kuu() == libs)
            f(*r);
    }
}

// The area map of the start of the decision at p; a point beyond the border
// line (none of the shapes reaches one) counts as taken.
inline int AreaBackupAt(Point p)
{
    if (p.x < 0 || p.y < 0 || p.x > 20 || p.y > 20)
        return 1;
    return AreaMapBackup[p.x][p.y];
}

// All of the box points first..last lie in neutral area.
bool NeutralBox(std::span<const Point> box, int first, int last)
{
    for (int i = first; i <= last; ++i)
        if (AreaBackupAt(box[static_cast<std::size_t>(i)]) != 0)
            return false;
    return true;
}

// The chain of the stone at p, nullptr for an empty point or a point off the
// board.
inline TRen* StoneChain(const TGoban& b, Point p)
{
    return IsStone(b.GetIroPt(p)) ? b.RenList.RenAtPt(p) : nullptr;
}

// The empty orthogonal neighbours of p in direction order (at most 4).
int EmptyNeighbours(const TGoban& b, Point p, std::array<Point, 4>& out)
{
    int n = 0;
    for (int d = 1; d <= 4; ++d) {
        const Point q(p.x + Dir4X[d], p.y + Dir4Y[d]);
        if (b.GetIroPt(q) == kAki)
            out[static_cast<std::size_t>(n++)] = q;
    }
    return n;
}

// Calls f(region) for every region of the group that is still in the list.
template <class F>
void ForEachJi(const TGun& gun, F&& f)
{
    const TJiList& list = CurGoban().JiList;
    for (int i = 1; i <= gun.GetJisu(); ++i)
        if (const TJi* ji = list.GetJi(gun.GetJi(i)); ji != nullptr)
            f(*ji);
}

} // namespace

void KiriReset()
{
    ClearMap(KiriMap);
    ClearMap(Kiri2Map);
    ClearMap(AtariMap);
}

// ---------------------------------------------------------------------------
// The maps

void KiriMake()
{
    ClearMap(KiriMap);
    const TGoban& b = CurGoban();
    ForEachStoneRelation(b, [&](Point s, const TLocate& loc, int i) {
        const int v = loc.GetLinkGrade(i);
        if (loc.GetKankeiKind(i) != KankeiNaname || (v != 2 && v != 3))
            return;
        const Point p = loc.GetKankeiPoint(i);
        const int e = Aite(b.GetIroPt(p));
        // The cut is played on an open crossing point: the first one when it
        // is empty, else the other.  With enemy stones on both (a link of
        // value 3) there is nothing left to play.
        for (const Point c : Crossings(s, p))
            if (b.GetIroPt(c) == kAki) {
                KiriMap[e][c.x][c.y] = 1;
                break;
            }
    });
}

void Kiri2Make()
{
    ClearMap(Kiri2Map);
    const TGoban& b = CurGoban();
    ForEachStoneRelation(b, [&](Point s, const TLocate& loc, int i) {
        if (loc.GetKankeiKind(i) != KankeiNaname || loc.GetLinkGrade(i) != 1)
            return;
        const Point p = loc.GetKankeiPoint(i);
        const std::array<Point, 2> c = Crossings(s, p);
        if (AreaMap[c[0].x][c[0].y] != 0 || AreaMap[c[1].x][c[1].y] != 0)
            return;
        // A firm diagonal can hold a stone on a crossing point (an enemy
        // stone that cannot cut); only the open points are marked.
        const int e = Aite(b.GetIroPt(p));
        for (const Point q : c)
            if (b.GetIroPt(q) == kAki)
                Kiri2Map[e][q.x][q.y] = 1;
    });
}

void AtariMake()
{
    ClearMap(AtariMap);
    const TGoban& b = CurGoban();
    ForEachChainWithLibs(b, 2, [&](TRen& r) {
        const int e = Aite(r.GetIro());
        for (int i = 1; i <= 2; ++i) {
            const Point l = r.GetKuu(i);
            if (b.IsKinsi(e, l.x, l.y) == 0)
                AtariMap[e][l.x][l.y] = 1;
        }
    });
}

// ---------------------------------------------------------------------------
// The pair list

void KohoLocateMake()
{
    TGoban& b = CurGoban();
    b.PairClear();
    KohoAtariNige();
    KohoSicho();
    KohoGeta();
    KohoJiAll();
    KohoAtari2();
    KiriPairMake();
    b.PairSort();
}

void KohoLocateMake2()
{
    TGoban& b = CurGoban();
    b.PairClear();
    KiriPairMake();
    b.PairSort();
}

void KohoAtariNige()
{
    TGoban& b = CurGoban();
    ForEachChainWithLibs(b, 1, [&](TRen& r) {
        const int k = r.GetIro();
        const Point l = r.GetKuu(1);
        // The owner can play its liberty, and the move either captures or
        // does not leave the chain in atari again.
        if (b.IsKinsi(k, l.x, l.y) == 1)
            return;
        if (b.IsToruTen(k, l.x, l.y) == 1 || b.IsSelfAtari(k, l.x, l.y) != 1)
            b.PairAdd(r.GetIsi(1), l, kPairAtariNige);
    });
}

void KohoSicho()
{
    TGoban& b = CurGoban();
    ForEachChainWithLibs(b, 2, [&](TRen& r) {
        if (r.GetSicho() < 1)
            return;
        // A status read elsewhere without a sequence has no move to offer.
        const Point te = r.SichoTe(1);
        if (b.OnBoardPt(te))
            b.PairAdd(r.GetIsi(1), te, kPairSicho);
    });
}

void KohoGeta()
{
    TGoban& b = CurGoban();
    ForEachChainWithLibs(b, 2, [&](TRen& r) {
        std::array<Point, 4> e1{}, e2{};
        const Point l1 = r.GetKuu(1), l2 = r.GetKuu(2);
        // Both liberties are narrow: two empty neighbours, and at most one
        // stone of each colour beside them.
        for (const Point l : {l1, l2}) {
            TIroCounts n;
            CountNeighbour(l, n);
            if (n[kAki] != 2 || n[kKuro] >= 2 || n[kSiro] >= 2)
                return;
        }
        EmptyNeighbours(b, l1, e1);
        EmptyNeighbours(b, l2, e2);
        // The point both liberties open onto (the last one found).
        Point q;
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                if (e1[static_cast<std::size_t>(i)] == e2[static_cast<std::size_t>(j)])
                    q = e1[static_cast<std::size_t>(i)];
        if (!q.IsNone() && LineNoPt(q) != 1)
            b.PairAdd(r.GetIsi(1), q, kPairGeta);
    });
}

void KohoJiAll()
{
    const TGunList& list = CurGoban().GunList;
    for (int n = 1; n <= list.GetCount(); ++n) {
        const TGun* g = list.GetGun(n);
        if (g == nullptr)
            continue;
        if (g->GetMe() == 3)
            KohoJiPartLocate(*g);
        else if (g->GetMe() == 4)
            KohoJi4(*g);
    }
}

// One eye and a region whose one vital point makes the second: whoever
// plays there decides the group's life.
void KohoJiPartLocate(const TGun& gun)
{
    ForEachJi(gun, [](const TJi& ji) {
        if (ji.GetPartLocateSu() == 1)
            CurGoban().PointAdd(ji.GetPartLocate(1), kPairJi);
    });
}

// Two eyes from a four-point region with two vital points: taking one of
// them leaves the other to answer.
void KohoJi4(const TGun& gun)
{
    ForEachJi(gun, [](const TJi& ji) {
        if (ji.GetJisu() == 4 && ji.GetPartLocateSu() == 2)
            KohoJi4Point(ji);
    });
}

void KohoJi4Point(const TJi& ji)
{
    TGoban& b = CurGoban();
    b.PointAdd(ji.GetPartLocate(1), kPairJi);
    b.PointAdd(ji.GetPartLocate(2), kPairJi);
}

void KohoAtari2()
{
    TGoban& b = CurGoban();
    // How many two-liberty chains of colour k the other colour ataris at a
    // point.
    static Arr<Grid<int, 1, 19>, 1, 2> cnt;
    std::memset(&cnt, 0, sizeof(cnt));
    ForEachChainWithLibs(b, 2, [&](TRen& r) {
        const int k = r.GetIro(), e = Aite(k);
        for (int i = 1; i <= 2; ++i) {
            const Point l = r.GetKuu(i);
            if (b.IsKinsiPt(e, l) != 1)
                ++cnt[k][l.x][l.y];
        }
    });
    for (int k = kKuro; k <= kSiro; ++k)
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                if (cnt[k][x][y] >= 2)
                    b.PointAdd(Point(x, y), kPairAtari2);
}

void KiriPairMake()
{
    TGoban& b = CurGoban();
    ForEachStoneRelation(b, [&](Point s, const TLocate& loc, int i) {
        const int v = loc.GetLinkGrade(i);
        if (v == 0)
            return;
        const int kind = loc.GetKankeiKind(i);
        const Point p = loc.GetKankeiPoint(i);
        if (!KiriPairFilter(kind, v, s, p))
            return;
        bool add = true;
        switch (kind) {
        case KankeiNaname:
            add = v != 3 && KiriNaname(s, p);
            break;
        case Kankei1ken:
            add = KiriIkken(s, p);
            break;
        case Kankei2ken:
            add = KiriNiken(s, p);
            break;
        default:
            break;
        }
        // The same link seen from the partner is refused as a duplicate.
        if (add)
            b.PairAdd(s, p, kind);
    });
}

// ---------------------------------------------------------------------------
// Cut tests

bool KiriPairFilter(int kind, int value, Point s, Point p)
{
    if (value == 2 || value == 3)
        return true;
    if (value != 1)
        return false;
    switch (kind) {
    case KankeiNaname2:
        return AreaBackupAt(Point((s.x + p.x) / 2, (s.y + p.y) / 2)) == 0;
    case Kankei2ken: {
        Arr<Point, 0, 11> box;
        BetweenStrip3(s, p, box.v);
        return NeutralBox(box.v, 3, 8);
    }
    case KankeiKeima23: {
        Arr<Point, 0, 11> box;
        BetweenWide(s, p, box.v);
        return NeutralBox(box.v, 3, 8);
    }
    default:
        return false;
    }
}

bool KiriNaname(Point s, Point p)
{
    const TGoban& b = CurGoban();
    for (const Point c : Crossings(s, p))
        if (b.GetIroPt(c) == kAki)
            return true;
    return false;
}

bool KiriIkken(Point s, Point p)
{
    const TGoban& b = CurGoban();
    for (const Point q : {s, p})
        if (const TRen* r = StoneChain(b, q); r != nullptr && r->GetDeath())
            return false;
    // Box points 3, 4, 5 are the gap row: the gap and its two sides.
    Arr<Point, 0, 8> box;
    BetweenStrip3(s, p, box.v);
    for (int i = 3; i <= 5; ++i)
        if (const TRen* r = StoneChain(b, box[i]); r != nullptr && r->Kuu() == 1)
            return false;
    const int own = b.OnBoardPt(p) ? b.GetIroPt(p) : b.GetIroPt(s);
    const int e = Aite(own);
    if (b.GetIroPt(box[4]) != e)
        return true;
    // An enemy stone in the gap: the link is safe when every open side
    // point is already closed by three own stones.
    int open = 0, closed = 0;
    for (const int i : {3, 5}) {
        if (b.GetIroPt(box[i]) != kAki)
            continue;
        ++open;
        TIroCounts n;
        CountNeighbour(box[i], n);
        closed += n[own] == 3;
    }
    return !(open > 0 && closed == open);
}

bool KiriNiken(Point s, Point p)
{
    const TGoban& b = CurGoban();
    for (const Point q : {s, p})
        if (const TRen* r = StoneChain(b, q); r != nullptr && r->Kuu() == 1)
            return false;
    Arr<Point, 0, 11> box;
    BetweenStrip3(s, p, box.v);
    const int own = b.OnBoardPt(p) ? b.GetIroPt(p) : b.GetIroPt(s);
    const int e = Aite(own);
    // Enemy stones in the box, and those of them in atari.
    int enemies = 0, inAtari = 0;
    for (const Point q : box) {
        if (b.GetIroPt(q) != e)
            continue;
        ++enemies;
        const TRen* r = b.RenList.RenAtPt(q);
        inAtari += r != nullptr && r->Kuu() == 1;
    }
    return !(enemies > 0 && inAtari == enemies);
}

} // namespace vorn
