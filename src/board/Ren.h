// Chains: maximal sets of orthogonally connected stones of one colour (and,
// after the end of a game, the empty regions numbered as chains of colour 0).
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TGoban;
extern int BoardSize;

// Chain numbers run 1..kMaxRen.  Every point can be a chain of its own (stones
// and empty regions after the end of a game), so no position runs out.
constexpr int kMaxRen = kMaxPoints;
constexpr int kMaxGren = 30;     // linked chains kept per chain
constexpr int kMaxMren = kMaxPoints;
constexpr int kMaxSichoTe = 200; // longest stored ladder sequence

using RenNoT = std::int16_t;

// The lists of a chain too long to be kept in the chain itself, and its
// ladder sequence: one block per chain number, read only for such chains.
struct TRenBig {
    Arr<TBytePoint, 1, kMaxPoints> Isi;
    Arr<TBytePoint, 1, kMaxPoints> KuuPt;
    Arr<RenNoT, 1, kMaxMren> MrenList;
    Arr<RenNoT, 1, kMaxGren> GrenList;
    Arr<TBytePoint, 1, kMaxSichoTe> SichoPt;
};

class TRen {
public:
    TRen() = default;
    TRen(const TRen&) = delete;
    TRen& operator=(const TRen&) = delete;

    void Init(int no, int colour, int n);
    void Calc();

    int GetNo() const { return No; }
    int GetIro() const { return Iro; }
    int IsiCount() const { return IsiSu; }
    Point GetIsi(int i) const
    {
        if (i < 1 || i > IsiSu)
            RangeError(i, 1, IsiSu);
        return IsiData()[i - 1].Pt();
    }
    int Count(int k) const { return Counts[k]; }
    int Kuu() const { return Counts.v[0]; }
    int MrenCount() const { return MrenSu; }
    int Mren(int i) const
    {
        if (i < 1 || i > MrenSu)
            RangeError(i, 1, MrenSu);
        return MrenData()[i - 1];
    }
    int GrenCount() const { return GrenSu; }
    int Gren(int i) const
    {
        if (i < 1 || i > GrenSu)
            RangeError(i, 1, GrenSu);
        return GrenData()[i - 1];
    }
    Point GetKuu(int i)
    {
        if (!KuuValid)
            Calc();
        if (i < 1 || i > Counts.v[0])
            RangeError(i, 1, Counts.v[0]);
        return KuuData()[i - 1].Pt();
    }
    int GetGunNo() const { return GunNo; }
    bool GetDeath() const { return DeathFlag != 0; }
    bool GetGunDeath() const { return GunDeath != 0; }
    bool HasIsi(Point p) const;

    // Ladder status: reads the ladder on first use.
    int GetSicho();
    int SichoStatus() const { return Sicho; }
    int SichoCount() const { return SichoSu; }
    Point SichoTe(int i);

    void SetGunNo(int n) { GunNo = n; }
    void SetSicho(int s) { Sicho = s; }
    void SetDeath(int v) { DeathFlag = static_cast<std::uint8_t>(v); }
    void SetGunDeath(int v) { GunDeath = static_cast<std::uint8_t>(v); }
    void SetSichoTejun(const Point* points, int n);
    void AddGren(int n);
    // AddGren of a chain known not to be in the list yet.
    void AddGrenNew(int n)
    {
        if (GrenSu < kGrenIn)
            GrenIn[GrenSu++] = static_cast<RenNoT>(n);
        else
            AddGrenLong(n);
    }
    void ClearGren() { GrenSu = 0; }
    void DeleteIsi(Point p);
    int JiOwner() const;
    bool IsAttackable() const;
    // The stones 1..IsiCount() in order, for callers that copy them all.
    std::span<const TBytePoint> IsiList() const { return {IsiData(), static_cast<std::size_t>(IsiSu)}; }
    // The liberties 1..Kuu() in order, counted afresh first if need be.
    std::span<const TBytePoint> KuuList()
    {
        if (!KuuValid)
            Calc();
        return {KuuData(), static_cast<std::size_t>(Counts.v[0])};
    }

    // The board this chain belongs to.
    TGoban* Owner = nullptr;

    // How many entries of each list the chain keeps in itself; a longer list
    // lives in the chain's TRenBig block.
    static constexpr int kIsiIn = 12;
    static constexpr int kKuuIn = 12;
    static constexpr int kMrenIn = 8;
    static constexpr int kGrenIn = 8;

private:
    friend class TRenList;
    // Init without the stones.
    void Reset(int no, int colour);
    // The neighbouring chains from the points of their stones (the list
    // holding x * 32 + y until then), once every chain has its number.
    void MrenResolve();
    // The lists where their counts put them.
    const TBytePoint* IsiData() const { return IsiSu > kIsiIn ? Big->Isi.v : IsiIn; }
    const TBytePoint* KuuData() const { return Counts.v[0] > kKuuIn ? Big->KuuPt.v : KuuIn; }
    const RenNoT* MrenData() const { return MrenSu > kMrenIn ? Big->MrenList.v : MrenIn; }
    const RenNoT* GrenData() const { return GrenSu > kGrenIn ? Big->GrenList.v : GrenIn; }
    // Each list set from n entries, into the chain or its block by n.
    void StoreIsi(const TBytePoint* p, int n);
    void StoreKuu(const TBytePoint* p, int n);
    void StoreMren(const RenNoT* p, int n);
    // AddGrenNew once the chain's own entries are full.
    void AddGrenLong(int n);

    // The counts first, then the short lists, two bytes an entry: a chain
    // of a few stones reads two cache lines.
    TRenBig* Big = nullptr;
    int GunNo = 0;
    int Sicho = 0;
    RenNoT No = 0;
    std::int16_t IsiSu = 0;
    Arr<std::int16_t, 0, 3> Counts{};
    std::int16_t MrenSu = 0;
    std::int16_t SichoSu = 0;
    std::uint8_t Iro = 0;
    std::uint8_t GrenSu = 0;
    bool KuuValid = false;
    std::uint8_t DeathFlag = 0;
    std::uint8_t GunDeath = 0;
    TBytePoint IsiIn[kIsiIn];
    TBytePoint KuuIn[kKuuIn];
    RenNoT MrenIn[kMrenIn];
    RenNoT GrenIn[kGrenIn];
};
static_assert(sizeof(TRen) <= 128, "a chain's counts and short lists fill two cache lines");

class TRenList {
public:
    explicit TRenList(TGoban* owner);
    TRenList(const TRenList&) = delete;
    TRenList& operator=(const TRenList&) = delete;

    void Clear();
    void Rebuild();
    void NumberStones();
    void AddEmptyRen();
    // Creates chain n from the points connected to (x, y); false for a number
    // outside 1..kMaxRen.
    bool AddRen(int x, int y, int n);
    int NewNo();
    void DeleteRen(int n);
    void ClearNoPt(Point p) { RenNoMap[p.x][p.y] = 0; }
    void CalcAll();

    int Count() const { return CountNo; }
    // The chain numbered n, nullptr when the number is free or out of range.
    TRen* Items(int n) const
    {
        return (n >= 1 && n <= kMaxRen && Used[n]) ? &Pool[n - 1] : nullptr;
    }
    int RenNo(int x, int y) const { return RenNoMap[x][y]; }
    int RenNoPt(Point p) const { return RenNoMap[p.x][p.y]; }
    // The chain at (x, y), nullptr for a point off the board or without one.
    TRen* RenAt(int x, int y) const
    {
        if (x < 1 || y < 1 || x > BoardSize || y > BoardSize)
            return nullptr;
        return Items(RenNoMap.v[x - 1].v[y - 1]);
    }
    TRen* RenAtPt(Point p) const { return RenAt(p.x, p.y); }

private:
    friend class TRen;
    // Chain n from the unnumbered stone at (x, y), on a board whose chains
    // are being numbered afresh.
    void FillRen(int x, int y, int n);
    TGoban* Owner;
    std::unique_ptr<TRen[]> Pool;
    std::unique_ptr<TRenBig[]> Big;
    Arr<bool, 1, kMaxRen> Used{};
    int CountNo = 0;
    Grid<RenNoT, 1, 19> RenNoMap{};
};

} // namespace vorn
