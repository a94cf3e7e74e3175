#include "board/Ren.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "board/Define.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/KuuIsi.h"
#include "board/Sicho.h"

namespace vorn {

namespace {
// Scratch marks of Calc, stamped instead of cleared.
Grid<std::uint32_t, 0, 20> g_visit{};
Arr<std::uint32_t, 1, kMaxRen> g_seen{};
std::uint32_t g_stamp = 0;
// A chain's lists as they are made, before they are stored.
TBytePoint g_isi[kMaxPoints];
TBytePoint g_kuu[kMaxPoints];
RenNoT g_mren[kMaxMren];

std::uint32_t NextStamp()
{
    if (++g_stamp == 0) {
        for (auto& col : g_visit)
            col.Fill(0);
        g_seen.Fill(0);
        g_stamp = 1;
    }
    return g_stamp;
}
} // namespace

// ---------------------------------------------------------------------------
// TRen

void TRen::Init(int no, int colour, int n)
{
    Reset(no, colour);
    if (n < 0 || n > kMaxPoints)
        RangeError(n, 0, kMaxPoints);
    for (int i = 1; i <= n; ++i) {
        g_isi[i - 1] = TBytePoint::Of(Point(FloodX[i], FloodY[i]));
    }
    StoreIsi(g_isi, n);
}

namespace {
// n entries from p to the chain's own array `in` when they fit (copied whole,
// a fixed size), otherwise to the long array that big() gives: the block is
// not read for a short list.  The scratch lists read past n are as long as
// the board.
template <class T, std::size_t N, class Big>
void StoreList(const T* p, int n, T (&in)[N], Big big)
{
    if (n <= static_cast<int>(N))
        std::memcpy(in, p, sizeof in);
    else
        std::memcpy(big(), p, sizeof(T) * static_cast<std::size_t>(n));
}

// The point (x, y) of the board as two bytes, made as one word where x
// comes first in memory.
TBytePoint BytePoint(int x, int y)
{
    if constexpr (std::endian::native == std::endian::little)
        return std::bit_cast<TBytePoint>(static_cast<std::uint16_t>(x | y << 8));
    else
        return TBytePoint{static_cast<unsigned char>(x), static_cast<unsigned char>(y)};
}
} // namespace

void TRen::StoreIsi(const TBytePoint* p, int n)
{
    IsiSu = static_cast<std::int16_t>(n);
    StoreList(p, n, IsiIn, [this] { return Big->Isi.v; });
}

void TRen::StoreKuu(const TBytePoint* p, int n)
{
    Counts.v[0] = static_cast<std::int16_t>(n);
    StoreList(p, n, KuuIn, [this] { return Big->KuuPt.v; });
}

void TRen::StoreMren(const RenNoT* p, int n)
{
    MrenSu = static_cast<std::int16_t>(n);
    StoreList(p, n, MrenIn, [this] { return Big->MrenList.v; });
}

void TRen::AddGrenLong(int n)
{
    if (GrenSu >= kMaxGren)
        return;
    if (GrenSu == kGrenIn)
        std::copy(GrenIn, GrenIn + kGrenIn, Big->GrenList.v);
    Big->GrenList.v[GrenSu++] = static_cast<RenNoT>(n);
}

void TRen::Reset(int no, int colour)
{
    No = static_cast<RenNoT>(no);
    Iro = static_cast<std::uint8_t>(colour);
    IsiSu = 0;
    Counts.Fill(0);
    MrenSu = 0;
    GrenSu = 0;
    GunNo = 0;
    KuuValid = false;
    Sicho = 0;
    SichoSu = 0;
    DeathFlag = 0;
    GunDeath = 0;
}

void TRen::Calc()
{
    const TGoban& b = *Owner;
    const TRenList& list = b.RenList;
    const std::uint32_t stamp = NextStamp();
    const TBytePoint* isi = IsiData();
    int counts[4] = {};
    int mren = 0;
    FloodSu = 0;
    for (int i = 1; i <= IsiSu; ++i) {
        const int px = isi[i - 1].x, py = isi[i - 1].y;
        for (int d = 0; d < 4; ++d) {
            const int nx = px + Dir4X.v[d], ny = py + Dir4Y.v[d];
            if (g_visit[nx][ny] == stamp)
                continue;
            g_visit[nx][ny] = stamp;
            const int c = b.GetIro(nx, ny);
            if (c == Iro)
                continue;
            ++counts[c];
            if (c == kAki) {
                ++FloodSu;
                FloodX[FloodSu] = nx;
                FloodY[FloodSu] = ny;
            } else if (c != kHen) {
                const int m = list.RenNo(nx, ny);
                if (m != 0 && g_seen[m] != stamp && mren < kMaxMren) {
                    g_seen[m] = stamp;
                    g_mren[mren++] = static_cast<RenNoT>(m);
                }
            }
        }
    }
    for (int i = 1; i <= FloodSu; ++i) {
        g_kuu[i - 1] = TBytePoint::Of(Point(FloodX[i], FloodY[i]));
    }
    for (int k = 1; k < 4; ++k)
        Counts.v[k] = static_cast<std::int16_t>(counts[k]);
    StoreKuu(g_kuu, FloodSu);
    StoreMren(g_mren, mren);
    KuuValid = true;
}

inline void TRen::MrenResolve()
{
    const TRenList& list = Owner->RenList;
    const int su = MrenSu;
    if (su <= kMrenIn) {
        // A short list, resolved in place: a chain met again is found by
        // looking back over the chains listed so far.
        int mren = 0;
        for (int i = 0; i < su; ++i) {
            const int p = MrenIn[i];
            const RenNoT m = list.RenNoMap.v[(p >> 5) - 1].v[(p & 31) - 1];
            bool listed = m == 0;
            for (int k = 0; k < mren; ++k)
                listed |= MrenIn[k] == m;
            if (!listed)
                MrenIn[mren++] = m;
        }
        MrenSu = static_cast<std::int16_t>(mren);
        return;
    }
    const std::uint32_t stamp = NextStamp();
    const RenNoT* points = MrenData();
    int mren = 0;
    for (int i = 0; i < su; ++i) {
        const int p = points[i];
        const int m = list.RenNoMap.v[(p >> 5) - 1].v[(p & 31) - 1];
        if (m != 0 && g_seen.v[m - 1] != stamp) {
            g_seen.v[m - 1] = stamp;
            g_mren[mren++] = static_cast<RenNoT>(m);
        }
    }
    StoreMren(g_mren, mren);
}

bool TRen::HasIsi(Point p) const
{
    for (const TBytePoint s : IsiList())
        if (s.x == p.x && s.y == p.y)
            return true;
    return false;
}

int TRen::GetSicho()
{
    // The ladder is read on the board of the current level; a chain of
    // another board keeps its status until its board is the current one.
    if (Sicho == 0 && IsiSu > 0 && Owner == &CurGoban())
        SichoCheck(GetIsi(1));
    return Sicho;
}

Point TRen::SichoTe(int i)
{
    // A chain rebuilt by a reading that was taken back comes back unread,
    // with no moves: they are read as its status is, on demand.
    if (Sicho == 0 && SichoSu == 0 && IsiSu > 0 && Owner == &CurGoban())
        SichoCheck(GetIsi(1));
    if (i >= 1 && i <= SichoSu)
        return Big->SichoPt[i].Pt();
    if (Kuu() == 1)
        return GetKuu(1);
    return Point();
}

void TRen::SetSichoTejun(const Point* points, int n)
{
    if (n > kMaxSichoTe)
        n = kMaxSichoTe;
    SichoSu = static_cast<std::int16_t>(n < 0 ? 0 : n);
    for (int i = 1; i <= SichoSu; ++i) {
        Big->SichoPt[i] = TBytePoint::Of(points[i - 1]);
    }
}

void TRen::AddGren(int n)
{
    const RenNoT* gren = GrenData();
    for (int i = 0; i < GrenSu; ++i)
        if (gren[i] == n)
            return;
    AddGrenNew(n);
}

void TRen::DeleteIsi(Point p)
{
    const int su = IsiSu;
    TBytePoint* isi = su > kIsiIn ? Big->Isi.v : IsiIn;
    for (int i = 0; i < su; ++i) {
        if (isi[i].x == p.x && isi[i].y == p.y) {
            std::copy(isi + i + 1, isi + su, isi + i);
            // Back into the chain once the list fits there.
            if (su == kIsiIn + 1)
                std::copy(isi, isi + kIsiIn, IsiIn);
            --IsiSu;
            KuuValid = false;
            return;
        }
    }
}

int TRen::JiOwner() const
{
    const TGoban& b0 = *GobanLv[0];
    bool kuro = false, siro = false;
    const RenNoT* mrenList = MrenData();
    for (int i = 0; i < MrenSu; ++i) {
        const TRen* m = b0.RenList.Items(mrenList[i]);
        if (m == nullptr)
            continue;
        const bool dead = m->GetGunDeath();
        if ((m->GetIro() == kKuro && !dead) || (m->GetIro() == kSiro && dead))
            kuro = true;
        if ((m->GetIro() == kSiro && !dead) || (m->GetIro() == kKuro && dead))
            siro = true;
    }
    if (kuro && !siro)
        return kKuro;
    if (siro && !kuro)
        return kSiro;
    return 0;
}

bool TRen::IsAttackable() const
{
    const TGoban& b = CurGoban();
    const int o = Aite(Iro);
    if (!KuuValid || Iro < kKuro || Iro > kSiro)
        return false;
    int playable = 0, unplayable = 0;
    const TBytePoint* kuu = KuuData();
    for (int i = 0; i < Counts.v[0]; ++i) {
        const int qx = kuu[i].x, qy = kuu[i].y;
        const bool toru = b.ToruTen[o][qx][qy] != 0;
        const bool self = b.SelfAtari[o][qx][qy] != 0;
        if (b.Kinsi[o][qx][qy] != 0 || (!toru && self && AreaMap[qx][qy] == 0))
            ++unplayable;
        else
            ++playable;
    }
    return playable >= 1 && unplayable <= 1;
}

// ---------------------------------------------------------------------------
// TRenList

TRenList::TRenList(TGoban* owner) : Owner(owner), Pool(new TRen[kMaxRen]), Big(new TRenBig[kMaxRen])
{
    for (int i = 0; i < kMaxRen; ++i) {
        Pool[i].Owner = owner;
        Pool[i].Big = &Big[i];
    }
}

void TRenList::Clear()
{
    RenSabun = 0;
    CountNo = 0;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            RenNoMap.v[x - 1].v[y - 1] = 0;
    Used.Fill(false);
}

void TRenList::Rebuild()
{
    // The board's points are read without a range test below.
    if (BoardSize < 1 || BoardSize > kMaxBoard)
        RangeError(BoardSize, 1, kMaxBoard);
    Clear();
    NumberStones();
    if (GameOver == 1) {
        AddEmptyRen();
        CalcAll();
        return;
    }
    // The stones' chains only, counted as they were filled: their
    // neighbouring chains once every chain has its number.  The flood fill's
    // lists are left as CalcAll leaves them: the liberties of the last chain.
    int last = 0;
    for (int n = 1; n <= CountNo; ++n)
        if (Used.v[n - 1]) {
            Pool[n - 1].MrenResolve();
            last = n;
        }
    if (last != 0) {
        const TRen& r = Pool[last - 1];
        const TBytePoint* kuu = r.KuuData();
        FloodSu = r.Counts.v[0];
        for (int i = 1; i <= FloodSu; ++i) {
            FloodX[i] = kuu[i - 1].x;
            FloodY[i] = kuu[i - 1].y;
        }
    }
}

void TRenList::NumberStones()
{
    const TGoban& b = *Owner;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.Ban.v[x].v[y];
            if ((c == kKuro || c == kSiro) && RenNoMap.v[x - 1].v[y - 1] == 0 && CountNo < kMaxRen)
                FillRen(x, y, ++CountNo);
        }
}

void TRenList::FillRen(int x, int y, int n)
{
    // The flood fill of AddRen, in its order (layer by layer, neighbours in
    // direction order), with the chain numbers as the marks: a stone of the
    // colour is reached once, when it gets its number.  The stones go
    // straight into the chain.  The fill meets the other neighbours of the
    // stones in the order of Calc (the stones in order, each one's
    // neighbours in direction order), so it counts them as Calc does; the
    // neighbouring chains are kept as points until every chain has its
    // number (TRen::MrenResolve).
    const TGoban& b = *Owner;
    const int c = b.Ban.v[x].v[y];
    const int enemy = Aite(c);
    TRen& r = Pool[n - 1];
    r.Reset(n, c);
    const RenNoT no = static_cast<RenNoT>(n);
    RenNoMap.v[x - 1].v[y - 1] = no;
    g_isi[0] = BytePoint(x, y);
    int su = 1;
    int counts[4] = {};
    int kuu = 0, mren = 0;
    // A neighbour not of the colour, met for the first time.
    auto meet = [&](int nx, int ny, int nc) {
        ++counts[nc];
        // Written always, kept when empty.
        g_kuu[kuu] = BytePoint(nx, ny);
        kuu += nc == kAki;
        if (nc == enemy)
            g_mren[mren++] = static_cast<RenNoT>(nx << 5 | ny);
    };
    int around[4];
    bool lone = true;
    for (int d = 0; d < 4; ++d) {
        around[d] = b.Ban.v[x + Dir4X.v[d]].v[y + Dir4Y.v[d]] & 3;
        lone &= around[d] != c;
    }
    if (lone) {
        // A lone stone: its four neighbours are four points, each met once.
        for (int d = 0; d < 4; ++d)
            meet(x + Dir4X.v[d], y + Dir4Y.v[d], around[d]);
    } else {
        const std::uint32_t stamp = NextStamp();
        for (int k = 0; k < su; ++k) {
            const int px = g_isi[k].x, py = g_isi[k].y;
            for (int d = 0; d < 4; ++d) {
                const int nx = px + Dir4X.v[d], ny = py + Dir4Y.v[d];
                const int nc = b.Ban.v[nx].v[ny] & 3;
                if (nc == c) {
                    // A stone of the colour lies on the board.
                    if (RenNoMap.v[nx - 1].v[ny - 1] == 0) {
                        RenNoMap.v[nx - 1].v[ny - 1] = no;
                        g_isi[su++] = BytePoint(nx, ny);
                    }
                    continue;
                }
                std::uint32_t& seen = g_visit.v[nx].v[ny];
                if (seen == stamp)
                    continue;
                seen = stamp;
                meet(nx, ny, nc);
            }
        }
    }
    for (int k = 1; k < 4; ++k)
        r.Counts.v[k] = static_cast<std::int16_t>(counts[k]);
    r.StoreIsi(g_isi, su);
    r.StoreKuu(g_kuu, kuu);
    r.StoreMren(g_mren, mren);
    r.KuuValid = true;
    Used.v[n - 1] = true;
}

void TRenList::AddEmptyRen()
{
    const TGoban& b = *Owner;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (b.Ban[x][y] == kAki && RenNoMap[x][y] == 0 && CountNo < kMaxRen)
                AddRen(x, y, ++CountNo);
}

bool TRenList::AddRen(int x, int y, int n)
{
    if (n < 1 || n > kMaxRen)
        return false;
    const int su = FloodFillOn(*Owner, x, y);
    TRen& r = Pool[n - 1];
    r.Init(n, Owner->GetIro(x, y), su);
    Used[n] = true;
    for (int i = 1; i <= su; ++i)
        RenNoMap[FloodX[i]][FloodY[i]] = static_cast<RenNoT>(n);
    return true;
}

int TRenList::NewNo()
{
    for (int n = 1; n <= CountNo; ++n)
        if (!Used[n])
            return n;
    if (CountNo < kMaxRen)
        return ++CountNo;
    return 0;
}

void TRenList::DeleteRen(int n)
{
    TRen* r = Items(n);
    if (r == nullptr)
        return;
    for (const TBytePoint s : r->IsiList())
        RenNoMap[s.x][s.y] = 0;
    Used[n] = false;
}

void TRenList::CalcAll()
{
    for (int n = 1; n <= CountNo; ++n)
        if (Used[n])
            Pool[n - 1].Calc();
}


} // namespace vorn
