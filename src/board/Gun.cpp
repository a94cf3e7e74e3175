#include "board/Gun.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/BitRows.h"
#include "board/Hooks.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Jisho.h"
#include "board/KuuIsi.h"
#include "board/Locate.h"

namespace vorn {

namespace {

// JiGrowTest2 for the flood fills, which step from a point of 0..20 to a
// point of 0..20: on the board and on the same side as cur.
inline bool SameSide(Point cur, Point q)
{
    if (static_cast<unsigned>(q.x - 1) >= static_cast<unsigned>(BoardSize)
        || static_cast<unsigned>(q.y - 1) >= static_cast<unsigned>(BoardSize))
        return false;
    const int a = AreaMap.v[q.x].v[q.y], ac = AreaMap.v[cur.x].v[cur.y];
    return a != 0 && ac != 0 && (a > 0) == (ac > 0);
}

// The chains of the group being built, stamped by chain number.
Arr<int, 1, kMaxGunRen> GunRenList;
int GunRenSu = 0;
Arr<std::uint32_t, 1, kMaxRen> GunRenMark{};
std::uint32_t GunRenStamp = 0;

// The group growing its regions: its related points that already lie in one
// of its regions, one bit per point as in TGun::FromSet (a related point is
// listed once, so the bit stands for its entry).
Arr<std::uint64_t, 0, (kMaxPoints - 1) / 64> FromTaken{};

inline bool BitAt(const Arr<std::uint64_t, 0, (kMaxPoints - 1) / 64>& set, int bit)
{
    return (set.v[bit / 64] >> (bit % 64) & 1) != 0;
}

template <class T>
std::uint32_t NextStamp(std::uint32_t& stamp, T& marks)
{
    if (++stamp == 0) {
        if constexpr (requires { marks.Fill(0u); })
            marks.Fill(0);
        else
            for (auto& col : marks)
                col.Fill(0);
        stamp = 1;
    }
    return stamp;
}

// GunLocateMake: by group number (0 for the edge), the nearest relation to
// the group from the empty point being looked at, kind << 4 | relation index;
// kNoBest for a group not met there.
Arr<std::uint8_t, 0, kMaxGun> LocateGunBest{};
constexpr unsigned kNoBest = 0xff;
static_assert((KankeiNanameKuu << 4 | (kMaxKankei - 1)) < kNoBest);
// MakeMgun: the groups the group being made has listed, stamped by number.
Arr<std::uint32_t, 0, kMaxGun> MgunMark{};
std::uint32_t MgunStamp = 0;
// SplitDame: the race partners of the group, stamped by number.
Arr<std::uint32_t, 0, kMaxGun> PartnerMark{};
std::uint32_t PartnerStamp = 0;

} // namespace

// ---------------------------------------------------------------------------
// TGunList: building

TGunList::TGunList(TGoban* owner) : Owner(owner) {}

void TGunList::Clear()
{
    FillGrid<std::int16_t, 1, 19>(GunMap, 0);
    for (int n = 1; n <= Count; ++n)
        Gun[n] = nullptr;
    Count = 0;
}

namespace {

// The chains are numbered in scan order of their first stones (rows from the
// top, points from the left), each listing that stone first, as a rebuilt
// chain list numbers them: then the chains in number order meet the groups
// in scan order of their first stones.
bool ChainsInScanOrder(const TGoban& b, const TRenList& rl)
{
    int last = -1;
    for (int n = 1; n <= rl.Count(); ++n) {
        const TRen* r = rl.Items(n);
        if (r == nullptr || !IsStone(r->GetIro()))
            continue;
        const std::span<const TBytePoint> isi = r->IsiList();
        if (isi.empty())
            return false;
        const TBytePoint s = isi[0];
        if (s.x < 1 || s.y < 1 || s.x > BoardSize || s.y > BoardSize || !IsStone(b.Ban.v[s.x].v[s.y])
            || rl.RenNo(s.x, s.y) != n)
            return false;
        const int key = s.y * 32 + s.x;
        if (key <= last)
            return false;
        for (const TBytePoint q : isi)
            if (q.y * 32 + q.x < key)
                return false;
        last = key;
    }
    return true;
}

} // namespace

void TGunList::MakeAll()
{
    const TGoban& b = *Owner;
    const TRenList& rl = b.RenList;
    if (ChainsInScanOrder(b, rl)) {
        // A stone chain's first stone is the group's first stone in scan
        // order when the group has no chain numbered lower.
        for (int n = 1; n <= rl.Count(); ++n) {
            const TRen* r = rl.Items(n);
            if (r == nullptr || !IsStone(r->GetIro()))
                continue;
            const TBytePoint s = r->IsiList()[0];
            if (GunMap.v[s.x - 1].v[s.y - 1] == 0)
                MakeGun(s.x, s.y, ++Count);
        }
        return;
    }
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (IsStone(b.GetIro(x, y)) && GunMap[x][y] == 0 && rl.RenNo(x, y) != 0)
                MakeGun(x, y, ++Count);
}

void TGunList::MakeGun(int x, int y, int n)
{
    const TRenList& rl = Owner->RenList;
    const std::uint32_t stamp = NextStamp(GunRenStamp, GunRenMark);
    GunRenSu = 1;
    GunRenList[1] = rl.RenNo(x, y);
    GunRenMark[GunRenList[1]] = stamp;
    // Breadth-first over the links: layer by layer in list order.  A link
    // joins when its chain exists and is not listed yet; the test is taken
    // without a branch (a missing chain stays missing, so marking it too
    // changes nothing).
    for (int i = 1; i <= GunRenSu; ++i) {
        TRen* r = rl.Items(GunRenList[i]);
        if (r == nullptr)
            continue;
        r->SetGunNo(n);
        for (int k = 1; k <= r->GrenCount(); ++k) {
            const int g = r->Gren(k);
            if (static_cast<unsigned>(g - 1) >= static_cast<unsigned>(kMaxRen))
                continue;
            std::uint32_t& mark = GunRenMark.v[g - 1];
            const int fresh = static_cast<int>(mark != stamp) & static_cast<int>(rl.Items(g) != nullptr);
            mark = stamp;
            if (GunRenSu < kMaxGunRen) {
                GunRenList.v[GunRenSu] = g;
                GunRenSu += fresh;
            }
        }
    }
    if (!Store[n])
        Store[n] = std::make_unique<TGun>();
    Gun[n] = Store[n].get();
    Gun[n]->Init(Owner, n, Owner->GetIro(x, y));
    const TGun& g = *Gun[n];
    for (int i = 1; i <= g.IsiSu; ++i) {
        const TBytePoint p = g.Isi.v[i - 1];
        GunMap[p.x][p.y] = static_cast<std::int16_t>(n);
    }
}

void TGun::Init(TGoban* owner, int gunNo, int isiIro)
{
    Owner = owner;
    GunNo = gunNo;
    IsiIro = isiIro;
    RenSu = GunRenSu;
    IsiSu = 0;
    const TRenList& rl = owner->RenList;
    for (int i = 1; i <= RenSu; ++i) {
        Ren[i] = static_cast<RenNoT>(GunRenList[i]);
        const TRen* r = rl.Items(GunRenList[i]);
        if (r == nullptr)
            continue;
        // A group holds each stone of the board at most once.
        const std::span<const TBytePoint> isi = r->IsiList();
        if (isi.size() > static_cast<std::size_t>(kMaxPoints - IsiSu))
            RangeError(IsiSu + static_cast<int>(isi.size()), 1, kMaxPoints);
        std::copy(isi.begin(), isi.end(), Isi.v + IsiSu);
        IsiSu += static_cast<int>(isi.size());
    }
    FromSu = 0;
    FromSet.Fill(0);
    DameSet.Fill(0);
    Dame = 0;
    DameInSu = 0;
    DameOutSu = 0;
    Me = 0;
    KokyuSu = 0;
    JiSu = 0;
    MgunSu = 0;
    SemeaiSu = 0;
    LinkSu = 0;
    MeSaved = 0;
    Death = 0;
    Death1 = 0;
    Seki = 0;
    Smai = 0;
    Lost = 0;
    Win = 0;
    ReCount = 0;
    DeathLevel = 0;
}

TGun* TGun::Other(int n) const { return n >= 1 && n <= kMaxGun ? Owner->GunList.GetGun(n) : nullptr; }

// ---------------------------------------------------------------------------
// Related empty points

// Every empty point tells each group it is related to, once per group with
// the nearest relation (AddNewFrom; AddFrom's test for a listed point is
// not needed).
void TGoban::GunLocateMake()
{
    LocateGunBest.Fill(static_cast<std::uint8_t>(kNoBest));
    for (int y = 1; y <= BoardSize; ++y) {
        TBitRow empty = 0;
        for (int x = 1; x <= BoardSize; ++x)
            empty |= static_cast<TBitRow>(Ban.v[x].v[y] == kAki) << x;
        for (; empty != 0; empty &= empty - 1) {
            const int x = std::countr_zero(empty);
            // An empty point relates to stones and to the edge.  Each group
            // met takes the point once, with its nearest relation (the
            // first of the smallest kind); the edge takes nothing.
            const TLocate& loc = Locate.v[x - 1].v[y - 1];
            int met[kMaxKankei];
            int n = 0;
            loc.EachKankeiOnBoard([&](int i, int ax, int ay, int kind) {
                const int g = GunList.GetGunNo(ax, ay);
                const unsigned key = static_cast<unsigned>(kind) << 4 | static_cast<unsigned>(i);
                const unsigned best = LocateGunBest.v[g];
                LocateGunBest.v[g] = static_cast<std::uint8_t>(std::min(key, best));
                met[n] = g;
                n += static_cast<int>(static_cast<unsigned>(best == kNoBest) & static_cast<unsigned>(g != 0));
            });
            // Every group met is left as not met for the next point.
            LocateGunBest.v[0] = static_cast<std::uint8_t>(kNoBest);
            for (int k = 0; k < n; ++k) {
                const unsigned key = LocateGunBest.v[met[k]];
                LocateGunBest.v[met[k]] = static_cast<std::uint8_t>(kNoBest);
                if (TGun* g = GunList.GetGun(met[k]))
                    g->AddNewFrom(loc.GetKankeiPoint(static_cast<int>(key & 15) + 1), Point(x, y),
                                  static_cast<int>(key >> 4));
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Neighbours, partners and allies

void TGun::MakeMgun()
{
    // The groups of the related enemy stones of each stone in order of first
    // appearance (TLocate::GetKankeiGuns), each once, at most kMaxMgun.
    const TGoban& b = *Owner;
    const int enemy = Aite(IsiIro);
    const std::uint32_t stamp = NextStamp(MgunStamp, MgunMark);
    for (int i = 1; i <= MgunSu; ++i)
        MgunMark[Mgun[i]] = stamp;
    for (int i = 1; i <= IsiSu && MgunSu < kMaxMgun; ++i)
        b.Locate.v[Isi[i].x - 1].v[Isi[i].y - 1].EachKankeiOfIro(enemy, [&](int x, int y, int) {
            // The group map holds each stone's chain's group number.
            const int g = b.GunList.GetGunNo(x, y);
            if (g == 0 || MgunMark.v[g] == stamp || MgunSu >= kMaxMgun)
                return;
            MgunMark.v[g] = stamp;
            Mgun.v[MgunSu++] = g;
        });
}

namespace {
template <int N>
bool AddUniqueCapped(Arr<int, 1, N>& list, int& su, int n)
{
    if (su >= N)
        return false;
    for (int i = 1; i <= su; ++i)
        if (list[i] == n)
            return false;
    list[++su] = n;
    return true;
}
} // namespace

bool TGun::AddMgun(int n) { return AddUniqueCapped(Mgun, MgunSu, n); }

bool TGun::AddSemeai(int n) { return AddUniqueCapped(Semeai, SemeaiSu, n); }

bool TGun::AddLink(int n)
{
    if (LinkSu >= kMaxLink)
        return false;
    for (int i = 1; i <= LinkSu; ++i)
        if (Link[i] == n)
            return false;
    if (LinkSu == 0)
        MeSaved = Me;
    Link[++LinkSu] = n;
    return true;
}

// ---------------------------------------------------------------------------
// Breathing points and liberties

namespace {

// While every group lists its breathing points, the points of the board that
// pass the tests of a point alone (off the first line, no stone beside, not
// inner area), one bit per point x of row y.
struct TKokyuRows {
    const TGoban* Board = nullptr;
    std::uint32_t Open[kMaxBoard + 2] = {};
};
TKokyuRows g_kokyuRows;

void MakeKokyuRows(const TGoban& b)
{
    const int n = BoardSize;
    std::uint32_t stones[kMaxBoard + 2] = {};
    std::uint32_t inner[kMaxBoard + 2] = {};
    for (int x = 1; x <= n; ++x) {
        const auto& col = b.Ban.v[x].v;
        const auto& area = AreaMap.v[x].v;
        for (int y = 1; y <= n; ++y) {
            stones[y] |= static_cast<std::uint32_t>(static_cast<unsigned>(col[y] - 1) < 2u) << x;
            inner[y] |= static_cast<std::uint32_t>(area[y] == 2 || area[y] == -2) << x;
        }
    }
    // Points 2..n-1 of a row.
    const std::uint32_t middle = ((std::uint32_t{1} << n) - 1) & ~std::uint32_t{3};
    g_kokyuRows.Open[0] = g_kokyuRows.Open[1] = 0;
    for (int y = 2; y < n; ++y) {
        const std::uint32_t near = stones[y - 1] | stones[y + 1] | stones[y] << 1 | stones[y] >> 1;
        g_kokyuRows.Open[y] = middle & ~near & ~inner[y];
    }
    for (int y = n < 2 ? 0 : n; y <= kMaxBoard + 1; ++y)
        g_kokyuRows.Open[y] = 0;
}

} // namespace

void TGunList::MakeKokyuAll()
{
    MakeKokyuRows(*Owner);
    g_kokyuRows.Board = Owner;
    EachGun(&TGun::MakeKokyu);
    g_kokyuRows.Board = nullptr;
}

void TGun::MakeKokyu()
{
    const TGoban& b = B();
    const auto& ban = b.Ban.v;
    const auto& area = AreaMap.v;
    const unsigned edge = static_cast<unsigned>(BoardSize);
    constexpr unsigned kinds = 1u << KankeiNaname | 1u << Kankei1ken | 1u << KankeiKeima;
    KokyuSu = 0;
    // The tests of a point alone (MakeKokyuRows), taken together without a
    // branch each: a related point lies on the board with its neighbours on
    // the board or on the edge lines, and so do the points between it and
    // its stone.
    auto alone = [&](int x, int y) {
        // Not on the first line.
        unsigned ok = static_cast<unsigned>(static_cast<unsigned>(x - 2) < edge - 2)
                      & static_cast<unsigned>(static_cast<unsigned>(y - 2) < edge - 2);
        // No stone beside it: bit c of 0b1001 tells colour c is no stone.
        auto open = [](std::uint8_t c) { return 9u >> (c & 3u); };
        ok &= open(ban[x].v[y - 1]) & open(ban[x + 1].v[y]) & open(ban[x].v[y + 1]) & open(ban[x - 1].v[y]);
        const int a = area[x].v[y];
        return ok & static_cast<unsigned>(a + 2 != 0) & static_cast<unsigned>(a - 2 != 0);
    };
    const bool rows = g_kokyuRows.Board == Owner;
    for (int i = 1; i <= FromSu; ++i) {
        const TFrom e = From.v[i - 1];
        const unsigned kind = e.Kind;
        const int x = e.B.x, y = e.B.y, ax = e.A.x, ay = e.A.y;
        const unsigned ok = kinds >> (kind & 31) & (rows ? g_kokyuRows.Open[y] >> x : alone(x, y)) & 1;
        if (ok == 0)
            continue;
        if (kind == Kankei1ken) {
            // Both points beside the gap are open.
            const int mx = (ax + x) / 2, my = (ay + y) / 2;
            const bool across = ay == y;
            if (ban[across ? mx : mx - 1].v[across ? my - 1 : my] != kAki
                || ban[across ? mx : mx + 1].v[across ? my + 1 : my] != kAki)
                continue;
        } else if (kind == KankeiKeima) {
            // Both corners of the knight's move are open.
            if (ban[ax].v[y] != kAki || ban[x].v[ay] != kAki)
                continue;
        }
        if (KokyuSu >= kMaxKokyu)
            break;
        ++KokyuSu;
        Kokyu[KokyuSu] = Point(x, y);
        KokyuValue[KokyuSu] = static_cast<int>(kind);
    }
}

void TGun::SplitDame()
{
    DameInSu = 0;
    DameOutSu = 0;
    const std::uint32_t stamp = NextStamp(PartnerStamp, PartnerMark);
    for (int k = 1; k <= SemeaiSu; ++k)
        PartnerMark[Semeai[k]] = stamp;
    // The liberties in the order of their entries, from their bits.
    const TGunList& gl = Owner->GunList;
    for (int w = 0; w <= (kMaxPoints - 1) / 64; ++w)
        for (std::uint64_t m = DameSet.v[w]; m != 0; m &= m - 1) {
            const int bit = w * 64 + std::countr_zero(m);
            const Point p(bit % kMaxBoard + 1, bit / kMaxBoard + 1);
            // TLocate::KankeiGun: a related stone of a race partner (the
            // edge is no partner).
            unsigned partner = 0;
            Owner->Locate.v[p.x - 1].v[p.y - 1].EachKankeiOnBoard([&](int, int x, int y, int) {
                partner |= static_cast<unsigned>(PartnerMark.v[gl.GetGunNo(x, y)] == stamp);
            });
            if (partner != 0) {
                ++DameInSu;
                DameIn[DameInSu] = TBytePoint::Of(p);
            } else {
                ++DameOutSu;
                DameOut[DameOutSu] = TBytePoint::Of(p);
            }
        }
}

// ---------------------------------------------------------------------------
// Regions

void TGun::MakeJiAll()
{
    JiSu = 0;
    FromTaken.Fill(0);
    // A liberty on the group's side of the area map starts a region unless
    // an earlier region took it.  The liberties are read from their bits in
    // the order of their entries; a fill marks the points it takes, so the
    // word is read again after each.
    const bool black = IsiIro == kKuro;
    for (int w = 0; w <= (kMaxPoints - 1) / 64; ++w)
        for (std::uint64_t m = DameSet.v[w] & ~FromTaken.v[w]; m != 0; m &= ~FromTaken.v[w]) {
            const int bit = w * 64 + std::countr_zero(m);
            m &= m - 1;
            const Point p(bit % kMaxBoard + 1, bit / kMaxBoard + 1);
            const int area = AreaMap.v[p.x].v[p.y];
            if (black ? area >= 1 : area < 0)
                AddJi(p, 0);
        }
}

bool TGun::JiGrowTest(Point cur, Point q) const
{
    if (!SameSide(cur, q))
        return false;
    // q lies on the board.
    const TGoban& b = B();
    const int col = b.Ban.v[q.x].v[q.y];
    if (col == kAki) {
        const int bit = PointBit(q);
        if (!BitAt(FromSet, bit))
            return false;
        FromTaken.v[bit / 64] |= std::uint64_t{1} << (bit % 64);
        return true;
    }
    return IsStone(col) && b.Death.v[q.x - 1].v[q.y - 1] != 0;
}

bool JiGrowTest2(Point cur, Point q)
{
    if (!CurGoban().OnBoardPt(q))
        return false;
    const int a = AreaMap[q.x][q.y], ac = AreaMap[cur.x][cur.y];
    return a != 0 && ac != 0 && (a > 0) == (ac > 0);
}


namespace {

// The fills of JiFloodFill from a point p of the board, in FloodFillBy's
// order (layer by layer, neighbours in direction order, each point examined
// once).  A listed point lies on the board, so its neighbours lie in 0..20;
// the tests of a neighbour are taken together, without a branch each, as the
// edges of small regions make them hard to guess.  Mode 0 (Related) grows
// over the stamped related points, taking their entries, and dead stones;
// mode 1 over the whole side.
// The points examined by the current fill, stamped per fill.
Grid<std::uint32_t, 0, 20> FillSeen{};
std::uint32_t FillSeenStamp = 0;

template <bool Related>
int JiFloodFast(const TGoban& b, Point p, const Arr<std::uint64_t, 0, (kMaxPoints - 1) / 64>& related)
{
    const std::uint32_t fill = NextStamp(FillSeenStamp, FillSeen);
    FloodSu = 1;
    FloodX.v[0] = p.x;
    FloodY.v[0] = p.y;
    FillSeen.v[p.x].v[p.y] = fill;
    const unsigned edge = static_cast<unsigned>(BoardSize);
    for (int k = 1; k <= FloodSu; ++k) {
        const int cx = FloodX.v[k - 1], cy = FloodY.v[k - 1];
        const int ac = AreaMap.v[cx].v[cy];
        for (int d = 0; d < 4; ++d) {
            const int qx = cx + Dir4X.v[d], qy = cy + Dir4Y.v[d];
            std::uint32_t& seen = FillSeen.v[qx].v[qy];
            unsigned join = seen != fill;
            seen = fill;
            join &= static_cast<unsigned>(static_cast<unsigned>(qx - 1) < edge)
                    & static_cast<unsigned>(static_cast<unsigned>(qy - 1) < edge);
            const int a = AreaMap.v[qx].v[qy];
            join &= static_cast<unsigned>(a != 0) & static_cast<unsigned>(ac != 0)
                    & static_cast<unsigned>((a > 0) == (ac > 0));
            if constexpr (Related) {
                // The tables of the board's points, read at a point of the
                // board whatever q is (join is clear off the board).
                const int ix = qx < 1 ? 0 : qx > kMaxBoard ? kMaxBoard - 1 : qx - 1;
                const int iy = qy < 1 ? 0 : qy > kMaxBoard ? kMaxBoard - 1 : qy - 1;
                const int col = b.Ban.v[qx].v[qy];
                const unsigned empty = col == kAki;
                const int bit = iy * kMaxBoard + ix;
                const unsigned listed = static_cast<unsigned>(related.v[bit / 64] >> (bit % 64)) & 1u;
                const unsigned dead = static_cast<unsigned>(static_cast<unsigned>(col - 1) < 2u)
                                      & static_cast<unsigned>(b.Death.v[ix].v[iy] != 0);
                join &= (empty & listed) | dead;
            }
            if (FloodSu < kMaxPoints) {
                FloodX.v[FloodSu] = qx;
                FloodY.v[FloodSu] = qy;
                FloodSu += static_cast<int>(join);
            }
        }
    }
    if constexpr (Related) {
        // The related points that joined (all but the first point) lie in
        // a region now.
        for (int k = 2; k <= FloodSu; ++k) {
            const int x = FloodX.v[k - 1], y = FloodY.v[k - 1];
            if (b.Ban.v[x].v[y] != kAki)
                continue;
            const int bit = (y - 1) * kMaxBoard + x - 1;
            FromTaken.v[bit / 64] |= std::uint64_t{1} << (bit % 64);
        }
    }
    return FloodSu;
}

} // namespace

int TGun::JiFloodFill(Point p, int mode)
{
    if (B().OnBoardPt(p))
        return mode == 0 ? JiFloodFast<true>(B(), p, FromSet) : JiFloodFast<false>(B(), p, FromSet);
    if (mode == 0)
        return FloodFillBy(p, [this](Point cur, Point q) { return JiGrowTest(cur, q); });
    return FloodFillBy(p, [](Point cur, Point q) { return SameSide(cur, q); });
}

int TGun::AddJi(Point p, int mode)
{
    JiFloodFill(p, mode);
    return AddJiList();
}

int TGun::AddJiList()
{
    const int n = Owner->JiList.Add(GunNo, IsiIro);
    Ji[++JiSu] = static_cast<std::int16_t>(n);
    return n;
}

void TGun::DeleteJi(int n)
{
    for (int i = 1; i <= JiSu; ++i) {
        if (Ji[i] != n)
            continue;
        for (int k = i; k < JiSu; ++k)
            Ji[k] = Ji[k + 1];
        --JiSu;
        Owner->JiList.Delete(n);
        return;
    }
}

void TGun::ClearJiMarks()
{
    for (int i = 1; i <= JiSu; ++i)
        if (TJi* ji = Owner->JiList.GetJi(Ji[i]))
            ji->ClearMarks();
}

void TGunList::MakeJi()
{
    for (int n = 1; n <= Count; ++n)
        Gun[n]->MakeJiAll();
    // Dead stones that no group's region reached go to the group beside them.
    // Dead marks are few: the board is passed over when it has none, and
    // the mark is asked first.
    const TGoban& b = *Owner;
    std::uint8_t any = 0;
    for (const auto& col : b.Death.v)
        for (const std::uint8_t d : col.v)
            any |= d;
    if (any == 0)
        return;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            if (b.Death.v[x - 1].v[y - 1] == 0)
                continue;
            const int c = b.GetIro(x, y);
            if (!IsStone(c) || AreaMap[x][y] == 0 || Owner->JiList.GetJiNo(x, y) != 0)
                continue;
            for (int d = 1; d <= 4; ++d) {
                const Point q = Dir4Pt(Point(x, y), d);
                if (b.GetIroPt(q) != Aite(c))
                    continue;
                if (TGun* g = GetGunAt(q))
                    g->AddJi(Point(x, y), 1);
                break;
            }
        }
}

// ---------------------------------------------------------------------------
// Status

void TGun::SetDeath(int v)
{
    Death = static_cast<std::uint8_t>(v);
    if (v == 1 && Me >= 4)
        Me = 0;
    for (int i = 1; i <= RenSu; ++i)
        if (TRen* r = Owner->RenList.Items(Ren[i]))
            r->SetGunDeath(v);
    SetDeathMarks();
}

void TGun::SetDeathMarks()
{
    for (int i = 1; i <= IsiSu; ++i)
        Owner->SetDeathPt(GetYoso(i), Death);
}

// ---------------------------------------------------------------------------
// Derived queries

int TGun::GetDameAll() const
{
    int n = Dame;
    for (int i = 1; i <= LinkSu; ++i)
        if (const TGun* g = Other(Link[i]))
            n += g->Dame;
    return n;
}

int TGun::GetMeLink() const
{
    int n = Me;
    for (int i = 1; i <= LinkSu; ++i)
        if (const TGun* g = Other(Link[i]))
            n += g->Me;
    return n;
}

bool TGun::IsWeak() const
{
    if (Me < 4)
        return DeathLevel > 6;
    if (LinkSu > 0)
        return false;
    // Alive by eyes, unless they are all in one small region.
    const TJi* eye = nullptr;
    int eyes = 0;
    for (int i = 1; i <= JiSu; ++i) {
        const TJi* ji = Owner->JiList.GetJi(Ji[i]);
        if (ji != nullptr && ji->GetMe() > 0) {
            ++eyes;
            eye = ji;
        }
    }
    return eyes == 1 && eye->GetJisu() - eye->GetBorder() < 3;
}

bool TGun::IsWeak20() const { return IsWeak() && DeathLevel > 20; }

bool TGun::IsDeathOrWeak() const { return Death == 1 || IsWeak(); }

int TGun::IsDeath70() const { return Death == 1 || (IsWeak() && Smai != 1 && DeathLevel > 70) ? 1 : 0; }

int TGun::IsDeath90() const { return Death == 1 || (IsWeak() && Smai != 1 && DeathLevel > 90) ? 1 : 0; }

int TGun::GetKati() const
{
    int v = 4 * IsiSu;
    for (int i = 1; i <= FromSu; ++i)
        if (From[i].Kind < 5)
            v += 2;
    return v;
}

int TGun::GetFromList(Point a, int kind, std::span<Point> list) const
{
    int n = 0;
    for (int i = 1; i <= FromSu && static_cast<std::size_t>(n) < list.size(); ++i)
        if (From[i].Kind == kind && GetFromA(i) == a)
            list[static_cast<std::size_t>(n++)] = GetFromB(i);
    return n;
}

int TGun::IsDamePt(Point p) const
{
    const int i = FromIndex(p);
    return i != 0 && From[i].Kind == KankeiTonari ? 1 : 0;
}

int TGun::HasIsi(Point p) const
{
    return Owner->OnBoardPt(p) && Owner->GunList.GetGunNo(p.x, p.y) == GunNo ? 1 : 0;
}

int TGun::ListMren(std::span<int> list) const
{
    int n = 0;
    const int max = static_cast<int>(list.size());
    for (int i = 1; i <= RenSu; ++i) {
        const TRen* r = Owner->RenList.Items(Ren[i]);
        for (int k = 1; r != nullptr && k <= r->MrenCount(); ++k)
            AddIntUnique(list, n, max, r->Mren(k));
    }
    return n;
}

int TGun::ListMrenOfGun(int g, std::span<int> list) const
{
    int n = 0;
    const TRenList& rl = Owner->RenList;
    for (int i = 1; i <= RenSu; ++i) {
        const TRen* r = rl.Items(Ren[i]);
        for (int k = 1; r != nullptr && k <= r->MrenCount(); ++k) {
            const TRen* m = rl.Items(r->Mren(k));
            if (m == nullptr || m->GetGunNo() != g)
                continue;
            if (static_cast<std::size_t>(n) >= list.size())
                return n;
            list[static_cast<std::size_t>(n++)] = Ren[i];
        }
    }
    return n;
}

bool TGun::IsOnlyMgun(int n) const { return MgunSu == 1 && Mgun[1] == n; }

bool TGun::CheckRenDeath()
{
    for (int i = 1; i <= RenSu; ++i) {
        const TRen* r = Owner->RenList.Items(Ren[i]);
        if (r == nullptr || !r->GetDeath())
            return false;
    }
    SetDeath(1);
    return true;
}

bool TGun::HasAttackableRen() const
{
    for (int i = 1; i <= RenSu; ++i) {
        const TRen* r = Owner->RenList.Items(Ren[i]);
        if (r != nullptr && r->IsAttackable())
            return true;
    }
    return false;
}

// ===========================================================================
// Judgement: eye values, groups dead at once, capturing races and seki, the
// area of dead groups, death levels and the eye bonus.  Every step visits the
// groups in number order and sees what the earlier steps did.

Grid<std::uint8_t, 1, 19> KohoTeMap{};

namespace {

// Regions already counted by one TGun::CalcMe, by region number.
Arr<std::uint32_t, 1, kMaxJi> JiSeen{};
std::uint32_t JiSeenStamp = 0;

// The points of the flood list, stamped per test; FloodMarkNow is the
// stamp of the last marking.
Grid<std::uint32_t, 0, 20> FloodMark{};
std::uint32_t FloodMarkStamp = 0;
std::uint32_t FloodMarkNow = 0;

// Passes of the evaluator over a set of regions until none reports a
// change, at most 10.
constexpr int kMaxEvaluatePass = 10;

// The smallest liberty count of the group's chains, and its Dame if smaller.
int SemeaiCount(const TGoban& b, const TGun& g)
{
    int n = g.GetDame();
    for (int i = 1; i <= g.GetRenSu(); ++i)
        if (const TRen* r = b.RenList.Items(g.GetRen(i)); r != nullptr && r->Kuu() < n)
            n = r->Kuu();
    return n;
}

// The group of the first stone of a region.
TGun* FirstStoneGun(const TGoban& b, const TJi& ji)
{
    for (int i = 1; i <= ji.GetJisu(); ++i)
        if (ji.GetIsiMark(i))
            return b.GunList.GetGunAt(ji.GetYoso(i));
    return nullptr;
}

} // namespace

int TGun::EvaluatePass(bool& moved, bool& falseVerdict) const
{
    int changed = 0;
    for (int i = 1; i <= JiSu; ++i)
        if (TJi* ji = Owner->JiList.GetJi(Ji[i]))
            changed |= ji->EvaluateTracked(moved, falseVerdict) != 0;
    return changed;
}

int TGun::EvaluatePass(bool& moved) const
{
    int changed = 0;
    for (int i = 1; i <= JiSu; ++i)
        if (TJi* ji = Owner->JiList.GetJi(Ji[i]))
            changed |= ji->EvaluateTracked(moved) != 0;
    return changed;
}

void TGun::EvaluateJi()
{
    // Passes until none reports a change; a pass that moved nothing would
    // only repeat itself.
    for (int pass = 1; pass <= kMaxEvaluatePass; ++pass) {
        bool moved = false;
        if (!EvaluatePass(moved) || !moved)
            break;
    }
}

void TGun::CalcJiMe()
{
    Me = 0;
    for (int i = 1; i <= JiSu; ++i)
        if (TJi* ji = Owner->JiList.GetJi(Ji[i]))
            Me += ji->CalcMe();
}

void TGunList::EachGun(void (TGun::*step)())
{
    for (int n = 1; n <= Count; ++n)
        (Gun[n]->*step)();
}

void TGunList::MakeMgunAll() { EachGun(&TGun::MakeMgun); }
void TGunList::EvaluateJiAll()
{
    // The passes change only verdicts: a check is made again only when
    // verdicts it read have changed.
    const TJiCheckOnce once;
    EachGun(&TGun::EvaluateJi);
}
void TGunList::CalcJiMeAll() { EachGun(&TGun::CalcJiMe); }
void TGunList::ReEvaluateJiAll()
{
    // The recounts change only verdicts: a check is made again only when
    // verdicts it read have changed.
    const TJiCheckOnce once;
    EachGun(&TGun::ReEvaluateJi);
}
void TGunList::CalcMeAll()
{
    // A region shared by groups through their links is valued once.
    const TJiMeOnce once;
    EachGun(&TGun::CalcMe);
}
void TGunList::CalcDeathLevelAll() { EachGun(&TGun::CalcDeathLevel); }
void TGunList::MeBonusAll() { EachGun(&TGun::MeBonus); }

// ---------------------------------------------------------------------------
// Dead at once

void TGunList::Death1All()
{
    bool died = false;
    for (int n = 1; n <= Count; ++n)
        died = Gun[n]->CheckDeath1() || died;
    if (died) {
        ReEvaluateJiAll();
        CalcMeAll();
    }
}

bool TGun::CheckDeath1()
{
    if (Me >= 1 || CheckRenDeath() || KokyuSu > 0 || MgunSu >= 2)
        return false;
    // A single chain in atari that can capture an enemy chain in atari.
    if (RenSu == 1) {
        const TRenList& rl = Owner->RenList;
        const TRen* r = rl.Items(Ren[1]);
        if (r != nullptr && r->Kuu() == 1)
            for (int k = 1; k <= r->MrenCount(); ++k) {
                const TRen* m = rl.Items(r->Mren(k));
                if (m != nullptr && m->Kuu() == 1)
                    return false;
            }
    }
    Death1 = 1;
    SetDeath(1);
    SetSinda();
    return true;
}

// ---------------------------------------------------------------------------
// Races and seki

void TGunList::Judge()
{
    const bool running = GameOver == 0;
    // A weak group out of the judgement: enough eyes, all chains dead, dead
    // at once, or breathing room while the game runs.
    auto settled = [running](TGun& g) {
        return g.GetMe() >= 3 || g.CheckRenDeath() || g.GetDeath1() == 1 || (g.GetKokyuSu() >= 4 && running);
    };
    for (int n = 1; n <= Count; ++n) {
        TGun& g = *Gun[n];
        if (settled(g))
            continue;
        int added = 0;
        for (int i = 1; i <= g.MgunSu; ++i) {
            TGun* m = GetGun(g.Mgun[i]);
            if (m != nullptr && !settled(*m) && g.AddSemeai(m->GunNo))
                ++added;
        }
        if (added > 0) {
            g.Smai = 1;
            continue;
        }
        // No weak neighbour to race: the group is dead.
        g.Smai = 0;
        g.SetDeath(1);
        if (g.Me <= 0 || (g.Me < 3 && g.IsiSu < 5))
            g.SetSinda();
        for (int i = 1; i <= g.MgunSu; ++i)
            if (TGun* m = GetGun(g.Mgun[i]); m != nullptr && m->Death == 1)
                m->SetDeath(0);
    }
    for (int n = 1; n <= Count; ++n)
        if (Gun[n]->Smai)
            Gun[n]->SplitDame();
    SemeaiCheckAll();
    ReEvaluateJiAll();
    CalcMeAll();
    SekiCheck();
    SemeaiJudge();
}

void TGunList::SemeaiCheckAll()
{
    for (int n = 1; n <= Count; ++n)
        if (Gun[n]->Smai)
            Gun[n]->SemeaiCheck();
}

void TGun::SemeaiCheck()
{
    const TRenList& rl = Owner->RenList;
    Lost = 0;
    for (int i = 1; i <= SemeaiSu; ++i) {
        TGun* p = Other(Semeai[i]);
        if (p == nullptr)
            continue;
        const bool pAttackable = p->HasAttackableRen();
        if (!HasAttackableRen() && !pAttackable) {
            SetSeki();
            p->SetSeki();
            return;
        }
        int l1 = GetDameAll();
        // A chain of two stones or more facing the partner in atari.
        if (RenSu > 1)
            for (int k = 1; k <= RenSu && l1 != 1; ++k) {
                const TRen* r = rl.Items(Ren[k]);
                if (r == nullptr || r->IsiCount() < 2 || r->Kuu() != 1)
                    continue;
                for (int j = 1; j <= r->MrenCount(); ++j) {
                    const TRen* m = rl.Items(r->Mren(j));
                    if (m != nullptr && m->GetGunNo() == p->GunNo) {
                        l1 = 1;
                        break;
                    }
                }
            }
        const int l2 = p->GetDameAll();
        if (l1 != 1 && pAttackable && (l1 >= l2 || (l1 >= 4 && l2 >= 4 && l1 + 2 >= l2)))
            return;
        if (l1 == 1 && l2 == 1)
            for (int k = 1; k <= p->MgunSu; ++k)
                if (const TGun* m = Other(p->Mgun[k]); m != nullptr && m->Me >= 4)
                    return;
    }
    // The race is lost: the neighbours share the area.
    Lost = 1;
    SetDeath(1);
    if (Me < 1)
        SetSinda();
    for (int i = 1; i <= MgunSu; ++i)
        for (int k = 1; k <= MgunSu; ++k)
            if (i != k)
                if (TGun* m = Other(Mgun[i]))
                    m->AddLink(Mgun[k]);
    if (SemeaiSu == 1)
        if (TGun* p = Other(Semeai[1])) {
            p->Win = 1;
            p->ReCount = 1;
        }
}

void TGun::SetSeki()
{
    Seki = 1;
    for (int i = 1; i <= MgunSu; ++i)
        if (TGun* m = Other(Mgun[i]); m != nullptr && m->Death1 == 1)
            m->SetDeath(0);
    for (int i = 1; i <= JiSu; ++i)
        if (TJi* ji = Owner->JiList.GetJi(Ji[i]))
            ji->SetSekiMark(1);
}

// ---------------------------------------------------------------------------
// The area of a dead group goes to its neighbours

void TGun::SetSinda()
{
    TGoban& b = B();
    const int s = IsiIro == kKuro ? -1 : 1;
    for (int i = 1; i <= IsiSu; ++i)
        AreaMap[Isi[i].x][Isi[i].y] = s;

    // The related points count again with the stones dead, unless one of them
    // lies in a region of a friendly group.
    bool shared = false;
    for (int i = 1; i <= FromSu && !shared; ++i) {
        const TJi* ji = b.JiList.GetJiAt(GetFromB(i));
        shared = ji != nullptr && ji->GetJiIro() == IsiIro && ji->GetGunNo() != GunNo;
    }
    if (!shared)
        AreaRemake();

    // The connected area of the dead side around the group.
    JiFloodFill(GetYoso(IsiSu), 1);
    // The flood list stays as it is below: marked once for every neighbour.
    MarkFlood();

    Arr<int, 1, kMaxGunJi> list;
    for (int i = 1; i <= MgunSu; ++i) {
        TGun* m = Other(Mgun[i]);
        if (m == nullptr)
            continue;
        const int n = m->JiInMarkedFlood(std::span<int>(list.v, kMaxGunJi));
        for (int k = 1; k <= n; ++k)
            m->DeleteJi(list[k]);
        m->ReCount = 1;
    }
    if (SemeaiSu == 2) {
        TGun* p1 = Other(Semeai[1]);
        TGun* p2 = Other(Semeai[2]);
        if (p1 != nullptr && p2 != nullptr) {
            p1->AddLink(p2->GunNo);
            p2->AddLink(p1->GunNo);
        }
    }
    if (MgunSu == 0)
        return;
    for (int i = 1; i <= MgunSu; ++i)
        for (int k = 1; k <= MgunSu; ++k)
            if (i != k)
                if (TGun* m = Other(Mgun[i]))
                    m->AddLink(Mgun[k]);

    // The first neighbour takes the area as one region.
    TGun* m1 = Other(Mgun[1]);
    if (m1 == nullptr)
        return;
    const int n = m1->JiInMarkedFlood(std::span<int>(list.v, kMaxGunJi));
    int ji;
    if (n > 0) {
        ji = list[1];
        b.JiList.Restamp(ji);
        for (int k = 2; k <= n; ++k)
            m1->DeleteJi(list[k]);
    } else {
        ji = m1->AddJiList();
    }
    if (TJi* r = b.JiList.GetJi(ji))
        r->SetAreaValue(s);
    m1->ReCount = 1;
}

int TGun::JiRebuild(std::span<int> list) const
{
    MarkFlood();
    return JiInMarkedFlood(list);
}

void TGun::MarkFlood()
{
    FloodMarkNow = NextStamp(FloodMarkStamp, FloodMark);
    for (int k = 1; k <= FloodSu; ++k)
        FloodMark[FloodX[k]][FloodY[k]] = FloodMarkNow;
}

int TGun::JiInMarkedFlood(std::span<int> list) const
{
    const std::uint32_t stamp = FloodMarkNow;
    int n = 0;
    for (int i = 1; i <= JiSu && static_cast<std::size_t>(n) < list.size(); ++i) {
        const TJi* ji = Owner->JiList.GetJi(Ji[i]);
        if (ji == nullptr)
            continue;
        for (int k = 1; k <= ji->GetJisu(); ++k) {
            const Point p = ji->GetYoso(k);
            if (FloodMark[p.x][p.y] == stamp) {
                list[static_cast<std::size_t>(n++)] = Ji[i];
                break;
            }
        }
    }
    return n;
}

void TGun::AreaRemake()
{
    // Recount the related points without adding their relations again.
    struct TKankeiOffScope {
        std::uint8_t Saved = KankeiOff;
        TKankeiOffScope() { KankeiOff = 1; }
        ~TKankeiOffScope() { KankeiOff = Saved; }
    } off;
    const TKuuIsiRecount recount;
    for (int i = 1; i <= FromSu; ++i) {
        KuuIsiRemake(From[i].B.x, From[i].B.y);
        KuuIsiAreaPoint(From[i].B.x, From[i].B.y);
    }
}

// ---------------------------------------------------------------------------
// Recount after area changed hands

void TGun::ReEvaluateJi()
{
    if (!ReCount || Death)
        return;
    ClearJiMarks();
    for (int i = 1; i <= LinkSu; ++i)
        if (TGun* l = Other(Link[i]))
            l->ClearJiMarks();
    const TJiRecount recount;
    for (int k = 1; k <= kMaxEvaluatePass; ++k) {
        bool moved = false, falseVerdict = false;
        int changed = EvaluatePass(moved, falseVerdict);
        for (int i = 1; i <= LinkSu; ++i)
            if (const TGun* l = Other(Link[i]))
                changed |= l->EvaluatePass(moved, falseVerdict);
        if (!changed || !moved)
            break;
        // The first pass started from cleared verdicts.  When it wrote no
        // false or possibly false verdict, the tests of the next pass (which
        // tell only those from the others) all answer as in the first, so it
        // writes the same values in the same order, and so does every pass
        // after it: the verdicts stay as they are.
        if (k == 1 && !falseVerdict)
            break;
    }
}

void TGun::CalcMe()
{
    if (!ReCount)
        return;
    const std::uint32_t stamp = NextStamp(JiSeenStamp, JiSeen);
    // Each region counts once, however many links reach it.
    auto sum = [this, stamp](const TGun& g) {
        int me = 0;
        for (int i = 1; i <= g.JiSu; ++i) {
            const int n = g.Ji[i];
            TJi* ji = Owner->JiList.GetJi(n);
            if (ji == nullptr || JiSeen[n] == stamp)
                continue;
            JiSeen[n] = stamp;
            me += ji->CalcMe();
        }
        return me;
    };
    Me = sum(*this);
    for (int i = 1; i <= LinkSu; ++i) {
        const TGun* l = Other(Link[i]);
        if (l == nullptr)
            continue;
        Me += sum(*l);
        for (int k = 1; k <= l->LinkSu; ++k)
            if (l->Link[k] != GunNo)
                if (const TGun* ll = Other(l->Link[k]))
                    Me += sum(*ll);
    }
    if (Win == 1)
        for (int i = 1; i <= SemeaiSu; ++i)
            if (const TGun* p = Other(Semeai[i]); p != nullptr && p->Lost == 1)
                Me += Me > 0 ? 4 : 2;
}

// ---------------------------------------------------------------------------
// Seki inside an eye, and races that both sides lost

void TGunList::SekiCheck()
{
    TGoban& b = *Owner;
    for (int n = 1; n <= Count; ++n) {
        TGun& g = *Gun[n];
        if (g.Me != 4)
            continue;
        TJi* eye = nullptr;
        int eyes = 0;
        for (int i = 1; i <= g.JiSu; ++i) {
            TJi* ji = b.JiList.GetJi(g.Ji[i]);
            if (ji != nullptr && ji->GetMe() > 0) {
                ++eyes;
                eye = ji;
            }
        }
        if (eyes != 1 || !eye->GetSeki())
            continue;
        if (g.HasSingleInnerDame(*eye)) {
            g.SplitDame();
            if (g.DameInSu + g.DameOutSu - eye->CountKuu() < 3) {
                g.SetDeath(1);
                if (TGun* e = FirstStoneGun(b, *eye))
                    e->SetDeath(0);
                continue;
            }
        }
        g.SetSekiFlag(1);
        TGun* e = nullptr;
        if (g.Smai == 0)
            e = FirstStoneGun(b, *eye);
        else if (g.Win == 1 && g.SemeaiSu >= 1)
            e = GetGun(g.Semeai[1]);
        if (e != nullptr) {
            e->SetDeath(0);
            eye->SetAreaValue(0);
            e->SetSekiFlag(1);
        }
    }
    for (int n = 1; n <= Count; ++n) {
        TGun& g = *Gun[n];
        if (g.Me != 6 || g.JiSu != 1 || g.KokyuSu >= 8)
            continue;
        TJi* r = b.JiList.GetJi(g.Ji[1]);
        if (r == nullptr || r->GetJisu() >= 10 || r->CountIsi() < 3)
            continue;
        TGun* e = FirstStoneGun(b, *r);
        if (e != nullptr && e->Dame == g.Dame) {
            g.SetSekiFlag(1);
            e->SetDeath(0);
            r->SetAreaValue(0);
            e->SetSekiFlag(1);
        }
    }
}

int TGun::HasSingleInnerDame(const TJi& ji) const
{
    if (RenSu < 2)
        return 0;
    for (int i = 1; i <= RenSu; ++i) {
        TRen* r = Owner->RenList.Items(Ren[i]);
        if (r == nullptr)
            continue;
        int inside = 0;
        bool outsideDiagonal = false;
        for (int k = 1; k <= r->Kuu(); ++k) {
            const Point l = r->GetKuu(k);
            if (JiHasPoint(ji, l)) {
                ++inside;
                continue;
            }
            for (int d = 1; d <= 4 && !outsideDiagonal; ++d)
                outsideDiagonal = JiHasPoint(ji, Point(l.x + NanameX[d], l.y + NanameY[d]));
        }
        if (inside == 1 && !outsideDiagonal)
            return 1;
    }
    return 0;
}

void TGunList::SemeaiJudge()
{
    const TGoban& b = *Owner;
    auto lost = [](const TGun& g) { return g.Smai && g.Lost && g.Death; };
    for (int n = 1; n <= Count; ++n) {
        TGun& g = *Gun[n];
        if (g.IsiIro != kKuro || g.SemeaiSu < 1)
            continue;
        for (int i = 1; i <= g.SemeaiSu; ++i) {
            TGun* p = GetGun(g.Semeai[i]);
            if (p == nullptr || !lost(g) || !lost(*p))
                continue;
            const int cg = SemeaiCount(b, g), cp = SemeaiCount(b, *p);
            if (cg == cp)
                continue;
            (cg > cp ? g : *p).SetDeath(0);
            g.AreaRemake();
            p->AreaRemake();
        }
    }
}

// ---------------------------------------------------------------------------
// Death probability and the eye bonus

void TGun::CalcDeathLevel()
{
    if (Me >= 4 && !IsWeak())
        return;
    const TGoban& b = B();
    int level = Me >= 3 ? 70 : Me == 2 ? 94 : Me == 1 ? 98 : 100;
    int jumps = 0, knights = 0;
    for (int i = 1; i <= KokyuSu; ++i) {
        const int kind = KokyuValue[i];
        level -= kind == KankeiNaname ? 2 : 3;
        if (kind == Kankei1ken) {
            ++jumps;
            // Room toward a living friend.
            if (b.GetLocatePt(Kokyu[i]).HasLiveGun(GunNo, IsiIro))
                level -= 8;
        } else if (kind == KankeiKeima) {
            ++knights;
        }
    }
    if (knights >= 2)
        level -= 2 * knights;
    if (jumps >= 2)
        level -= 5 * jumps;
    // A far related point without an enemy stone within a knight's move.
    const int enemy = Aite(IsiIro);
    for (int i = 1; i <= FromSu; ++i) {
        const TFrom e = From.v[i - 1];
        if (e.Kind < Kankei2ken)
            continue;
        bool near = false;
        b.Locate.v[e.B.x - 1].v[e.B.y - 1].EachKankei(
            [&](int, int, int kind, int iro) { near = near || (iro == enemy && kind <= KankeiKeima); });
        level -= near ? 0 : 1;
    }
    DeathLevel = level < 0 ? 0 : level;
}

void TGun::MeBonus()
{
    if (Death || Me >= 4)
        return;
    for (int i = 1; i <= MgunSu; ++i) {
        const TGun* m = Other(Mgun[i]);
        if (m != nullptr && !m->Death && m->Me < 4 && m->IsDeath90() && m->IsOnlyMgun(GunNo))
            Me += 2;
    }
}

// ---------------------------------------------------------------------------
// Candidate points

Point JumpGapPoint(Point b, Point a)
{
    const TGoban& g = CurGoban();
    // A one-space jump fills three steps of three points: the gap row is
    // cells 3, 4 and 5.
    Point strip[9];
    BetweenStrip3(b, a, strip);
    const int o = Aite(g.GetIroPt(b));
    const Point mid = strip[4];
    if (!IsStone(o) || !g.OnBoardPt(mid))
        return Point();
    if (g.GetIroPt(strip[3]) == o && g.GetIroPt(strip[5]) == o && g.GetIroPt(mid) != o)
        return mid;
    return Point();
}

Point PairGapPoint(const TGoban& board, int i)
{
    return JumpGapPoint(board.PairPointB(i), board.PairPointA(i));
}

int TGun::SikatuKoho(std::span<Point> list, int colour) const
{
    TGoban& b = B();
    const TRenList& rl = b.RenList;
    const int max = static_cast<int>(list.size()) < kMaxSikatuKoho ? static_cast<int>(list.size()) : kMaxSikatuKoho;
    int n = 0;
    auto add = [&](Point p) { AddPtUnique(list, n, max, p); };

    // The regions: vital points, inner points, false-eye and border points.
    Point buf[kMaxSikatuKoho];
    for (int i = 1; i <= JiSu; ++i) {
        const TJi* ji = b.JiList.GetJi(Ji[i]);
        if (ji == nullptr)
            continue;
        const int vital = ji->GetPartLocateSu();
        if (vital < 3)
            for (int k = 1; k <= vital; ++k)
                add(ji->GetPartLocate(k));
        if (vital == 0)
            for (int k = 1; k <= ji->GetJisu(); ++k)
                if (ji->GetKuu3Mark(k))
                    add(ji->GetYoso(k));
        int k = ji->KohoKakeme(buf);
        for (int j = 0; j < k; ++j)
            add(buf[j]);
        k = ji->KohoBorder(buf);
        for (int j = 0; j < k; ++j) {
            // Not beside an own chain that a ladder catches.
            bool caught = false;
            for (int d = 1; d <= 4 && !caught; ++d) {
                const Point q = Dir4Pt(buf[j], d);
                if (b.GetIroPt(q) != IsiIro)
                    continue;
                TRen* r = rl.RenAtPt(q);
                caught = r != nullptr && r->GetSicho() == 1;
            }
            if (!caught)
                add(buf[j]);
        }
    }

    // Chains in atari, and two-liberty chains caught in a ladder: the
    // group's own when the opponent moves, its neighbours when it moves.
    auto takeRen = [&](TRen* r) {
        if (r == nullptr)
            return;
        if (r->Kuu() == 1)
            add(r->GetKuu(1));
        else if (r->Kuu() == 2 && r->GetSicho() == 1 && r->SichoCount() >= 1)
            add(r->SichoTe(1));
    };
    for (int i = 1; i <= RenSu; ++i) {
        TRen* r = rl.Items(Ren[i]);
        if (r == nullptr)
            continue;
        if (colour != IsiIro) {
            takeRen(r);
        } else {
            for (int k = 1; k <= r->MrenCount(); ++k)
                takeRen(rl.Items(r->Mren(k)));
        }
    }

    // The gaps of cuttable one-space links of the group.
    for (int i = 1; i <= b.PairCount(); ++i) {
        const int kind = b.PairKind(i);
        if (kind >= 20)
            continue;
        const Point pa = b.PairPointA(i), pb = b.PairPointB(i);
        const bool involved = (b.OnBoardPt(pa) && HasIsi(pa)) || (b.OnBoardPt(pb) && HasIsi(pb));
        if (!involved || kind != Kankei1ken)
            continue;
        const Point gap = PairGapPoint(b, i);
        if (!gap.IsNone())
            add(gap);
    }

    // Open diagonal points.
    for (int i = 1; i <= FromSu; ++i) {
        if (From[i].Kind != KankeiNaname)
            continue;
        const Point p = GetFromB(i);
        int enemy = 0, open = 0;
        for (int d = 1; d <= 4; ++d) {
            const int col = b.GetIroPt(Dir4Pt(p, d));
            enemy += col == Aite(IsiIro);
            open += col == kAki;
        }
        if (enemy <= 1 && open >= 2)
            add(p);
    }
    return n;
}

void TGun::KohoTe() const
{
    const TGoban& b = B();
    FillGrid<std::uint8_t, 1, 19>(KohoTeMap, 0);
    auto mark = [&](Point p) {
        if (b.OnBoardPt(p))
            KohoTeMap[p.x][p.y] = 1;
    };
    for (int i = 1; i <= IsiSu; ++i) {
        const Point s = GetYoso(i);
        mark(s);
        const TLocate& loc = b.GetLocatePt(s);
        for (int k = 1; k <= loc.GetKankeiSu(); ++k)
            mark(loc.GetKankeiPoint(k));
    }
    // The corners between an adjacent enemy stone and its marked diagonals.
    for (int i = 1; i <= IsiSu; ++i) {
        const TLocate& loc = b.GetLocatePt(GetYoso(i));
        for (int k = 1; k <= loc.GetKankeiSu(); ++k) {
            const Point p = loc.GetKankeiPoint(k);
            if (loc.GetKankeiKind(k) != KankeiTonari || !b.OnBoardPt(p))
                continue;
            const TLocate& lp = b.GetLocatePt(p);
            for (int j = 1; j <= lp.GetKankeiSu(); ++j) {
                const Point q = lp.GetKankeiPoint(j);
                if (lp.GetKankeiKind(j) == KankeiNaname && b.OnBoardPt(q) && KohoTeMap[q.x][q.y])
                    mark(CrossPt(q, p));
            }
        }
    }
    for (int i = 1; i <= FromSu; ++i)
        mark(GetFromB(i));
    const TRenList& rl = b.RenList;
    for (int i = 1; i <= RenSu; ++i) {
        const TRen* r = rl.Items(Ren[i]);
        for (int k = 1; r != nullptr && k <= r->MrenCount(); ++k) {
            TRen* m = rl.Items(r->Mren(k));
            if (m == nullptr || m->Kuu() >= 3)
                continue;
            for (int j = 1; j <= m->Kuu(); ++j)
                mark(m->GetKuu(j));
        }
    }
}

void GunReset()
{
    FillGrid<std::uint8_t, 1, 19>(KohoTeMap, 0);
    GunRenSu = 0;
}

} // namespace vorn
