// Groups: chains joined by links (TRen::Gren, directly or through other chains
// of the group), with what the engine asks of a unit of life and death: the
// empty points related to the group (From) and its liberties, breathing
// points, regions, eye value, neighbours, capturing-race partners, linked
// allies, status and death probability.  The list is rebuilt from scratch by
// every analysis (TGoban::Analyze); nothing of a group survives the next one.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "board/Array.h"
#include "board/Point.h"
#include "board/Locate.h"
#include "board/Ren.h"

namespace vorn {

class TGoban;
class TJi;


// Capacities: every group holds a stone and every chain belongs to one group,
// so a board has at most one group per point and a group at most every
// chain.  Each empty point is listed once per group.  A group's regions are
// its own (they never overlap, each holds one of its liberties), those of
// loose dead stones it receives (they never overlap, each holds a dead stone)
// and one per dying neighbour.
constexpr int kMaxGun = kMaxPoints;
constexpr int kMaxGunRen = kMaxRen;
constexpr int kMaxFrom = kMaxPoints;
constexpr int kMaxGunJi = 2 * kMaxPoints;

// Limits that shape the judgement: how much of each list it looks at.
constexpr int kMaxKokyu = 20;  // breathing points
constexpr int kMaxMgun = 5;    // adjacent enemy groups
constexpr int kMaxSemeai = 3;  // capturing-race partners
constexpr int kMaxLink = 3;    // linked allies
constexpr int kMaxSikatuKoho = 30; // life-and-death candidate points

// The candidate area of the last group passed to TGun::KohoTe.
extern Grid<std::uint8_t, 1, 19> KohoTeMap;

class TGun {
public:
    // --- Construction -------------------------------------------------------------
    // Fills the group from the chains of GunRenList.
    void Init(TGoban* owner, int gunNo, int isiIro);
    // One relation of the empty point b with the group's stone a.
    void AddFrom(Point a, Point b, int kind);
    void MakeMgun();
    // The Add operations answer true when they appended.
    bool AddMgun(int n);
    bool AddSemeai(int n);
    bool AddLink(int n);
    void MakeKokyu();
    void SplitDame();
    void MakeJiAll();
    // Grows a region from p (mode 0 over the group's related points and dead
    // stones, mode 1 over the whole side of the area map) and registers it;
    // answers its number.
    int AddJi(Point p, int mode);
    // Registers the flood list as a region of the group; answers its number.
    int AddJiList();
    void DeleteJi(int n);
    void ClearJiMarks();
    void SetDeath(int v);
    void SetDeathMarks();
    // AddFrom of a point b the group does not list yet.
    void AddNewFrom(Point a, Point b, int kind);

    // --- Judgement ----------------------------------------------------------------
    void EvaluateJi();
    void CalcJiMe();
    bool CheckDeath1();
    void ReEvaluateJi();
    void CalcMe();
    void SemeaiCheck();
    void SetSeki();
    void SetSinda();
    // The group's regions with a point in the flood list; answers the count.
    int JiRebuild(std::span<int> list) const;
    // JiRebuild in two halves: the flood list marked, and the group's
    // regions with a marked point.
    static void MarkFlood();
    int JiInMarkedFlood(std::span<int> list) const;
    void AreaRemake();
    // One of the group's chains has a single liberty inside region ji and
    // none outside it diagonal to it (the group has two chains or more).
    int HasSingleInnerDame(const TJi& ji) const;
    void CalcDeathLevel();
    void MeBonus();
    // Candidate points for life-and-death reading with colour to move; at
    // most 30 and the list's size; answers the count.
    int SikatuKoho(std::span<Point> list, int colour) const;
    // Marks the group's candidate area in KohoTeMap.
    void KohoTe() const;

    // --- Queries -------------------------------------------------------------------
    int GetGunNo() const { return GunNo; }
    int GetIsiIro() const { return IsiIro; }
    int GetIsiSu() const { return IsiSu; }
    // Stone i, 1..IsiSu.
    Point GetYoso(int i) const { return Isi[Chk(i, IsiSu)].Pt(); }
    int GetRenSu() const { return RenSu; }
    int GetRen(int i) const { return Ren[Chk(i, RenSu)]; }
    int GetFromSu() const { return FromSu; }
    Point GetFromA(int i) const { return From[i].A.Pt(); }
    Point GetFromB(int i) const { return From[i].B.Pt(); }
    // The relation kind of entry i.
    int GetFromValue(int i) const { return From[i].Kind; }
    int GetKokyuSu() const { return KokyuSu; }
    Point GetKokyu(int i) const { return Kokyu[i]; }
    int GetKokyuValue(int i) const { return KokyuValue[i]; }
    int GetJisu() const { return JiSu; }
    int GetJi(int i) const { return Ji[i]; }
    int GetMe() const { return Me; }
    int GetMeSaved() const { return MeSaved; }
    int GetMgunSu() const { return MgunSu; }
    int GetMgun(int i) const { return Mgun[i]; }
    int GetSemeaiSu() const { return SemeaiSu; }
    int GetSemeai(int i) const { return Semeai[i]; }
    int GetLinkSu() const { return LinkSu; }
    int GetLink(int i) const { return Link[i]; }
    int GetDame() const { return Dame; }
    int GetDameInSu() const { return DameInSu; }
    Point GetDameIn(int i) const { return DameIn[Chk(i, DameInSu)].Pt(); }
    int GetDameOutSu() const { return DameOutSu; }
    Point GetDameOut(int i) const { return DameOut[Chk(i, DameOutSu)].Pt(); }
    int GetDeath() const { return Death; }
    int GetDeath1() const { return Death1; }
    int GetSeki() const { return Seki; }
    int GetLost() const { return Lost; }
    int GetWin() const { return Win; }
    int GetSmai() const { return Smai; }
    int GetDeathLevel() const { return DeathLevel; }
    int GetReCount() const { return ReCount; }
    void SetWin(int v) { Win = static_cast<std::uint8_t>(v); }
    void SetSmai(int v) { Smai = v; }
    void SetSekiFlag(int v) { Seki = static_cast<std::uint8_t>(v); }
    void SetReCount() { ReCount = 1; }

    // --- Derived queries -----------------------------------------------------------
    // Liberties and eye value with those of the linked allies.
    int GetDameAll() const;
    int GetMeLink() const;
    bool IsWeak() const;
    bool IsWeak20() const;
    bool IsDeathOrWeak() const;
    int IsDeath70() const;
    int IsDeath90() const;
    // 4 per stone and 2 per related point of kind 4 or less.
    int GetKati() const;
    // The related points of that kind reached from stone a; answers the count.
    int GetFromList(Point a, int kind, std::span<Point> list) const;
    int IsDamePt(Point p) const;
    int HasIsi(Point p) const;
    // Distinct chains next to the group's chains; answers the count.
    int ListMren(std::span<int> list) const;
    // For each of the group's chains and each chain of group n beside it, the
    // group's chain (repeats kept); answers the count.
    int ListMrenOfGun(int n, std::span<int> list) const;
    bool IsOnlyMgun(int n) const;
    // Every chain carries the dead flag: the group is set dead, true.
    bool CheckRenDeath();
    bool HasAttackableRen() const;

private:
    static int Chk(int i, int n)
    {
        if (i < 1 || i > n)
            RangeError(i, 1, n);
        return i;
    }
    TGoban& B() const { return *Owner; }
    // The judgement's view of another group of the same board.
    TGun* Other(int n) const;
    // Fills the flood list from p by the growth rule of the mode; answers
    // its count.  Mode 0: same side of the area map, and a point related to
    // the group (its entry is taken) or a dead stone.  Mode 1: same side.
    int JiFloodFill(Point p, int mode);
    bool JiGrowTest(Point cur, Point q) const;
    // One pass of the evaluator over the group's regions; answers whether
    // some region reported a change, and sets moved when one changed.
    int EvaluatePass(bool& moved) const;
    // The same, and sets falseVerdict when a region was left with a false or
    // possibly false verdict.
    int EvaluatePass(bool& moved, bool& falseVerdict) const;
    // Index of FromB = p among entries 1..FromSu, 0 when absent.
    int FromIndex(Point p) const;
    static int PointBit(Point p) { return (p.y - 1) * kMaxBoard + (p.x - 1); }

    // The counts and small lists first, then the long lists: a group's
    // judgement reads the first few cache lines, the related points one
    // entry at a time.
    TGoban* Owner = nullptr;
    int GunNo = 0;
    int IsiIro = 0;
    int IsiSu = 0;
    int RenSu = 0;
    int FromSu = 0;
    int Dame = 0;
    int KokyuSu = 0;
    int JiSu = 0;
    int Me = 0;
    int MgunSu = 0;
    int SemeaiSu = 0;
    int Smai = 0;
    int MeSaved = 0;
    int LinkSu = 0;
    int DameInSu = 0;
    int DameOutSu = 0;
    int DeathLevel = 0;
    std::uint8_t Lost = 0;
    std::uint8_t Win = 0;
    std::uint8_t Death1 = 0;
    std::uint8_t Death = 0;
    std::uint8_t Seki = 0;
    std::uint8_t ReCount = 0;
    Arr<int, 1, kMaxMgun> Mgun{};
    Arr<int, 1, kMaxSemeai> Semeai{};
    Arr<int, 1, kMaxLink> Link{};
    // The points listed as From B, one bit per point.
    Arr<std::uint64_t, 0, (kMaxPoints - 1) / 64> FromSet{};
    // The liberties among them (entries of kind KankeiTonari), one bit per
    // point: the bits in order are the entries in order, as the points are
    // told in scan order.
    Arr<std::uint64_t, 0, (kMaxPoints - 1) / 64> DameSet{};
    // Entry i: the empty point B related to the group's stone A, by kind.
    struct TFrom {
        TBytePoint A, B;
        std::uint8_t Kind;
    };
    Arr<TFrom, 1, kMaxFrom> From;
    Arr<TBytePoint, 1, kMaxPoints> Isi;
    Arr<RenNoT, 1, kMaxGunRen> Ren;
    Arr<Point, 1, kMaxKokyu> Kokyu;
    Arr<int, 1, kMaxKokyu> KokyuValue{};
    Arr<std::int16_t, 1, kMaxGunJi> Ji;
    // DameIn: the liberties next to a race partner; DameOut: the others.
    Arr<TBytePoint, 1, kMaxFrom> DameIn, DameOut;

    friend class TGunList;
};

class TGunList {
public:
    explicit TGunList(TGoban* owner);
    TGunList(const TGunList&) = delete;
    TGunList& operator=(const TGunList&) = delete;

    // Empties the map and the list.
    void Clear();
    // Builds every group (numbered in scan order of their first stones).
    void MakeAll();
    // Builds group n from the chain at (x, y).
    void MakeGun(int x, int y, int n);

    // --- The analysis steps over all groups, in number order ---------------------
    void MakeMgunAll();
    void MakeJi();
    void EvaluateJiAll();
    void CalcJiMeAll();
    void MakeKokyuAll();
    void Death1All();
    void Judge();
    void ReEvaluateJiAll();
    void CalcMeAll();
    void SemeaiCheckAll();
    void SekiCheck();
    void SemeaiJudge();
    void CalcDeathLevelAll();
    void MeBonusAll();

    // --- Queries -------------------------------------------------------------------
    // The group numbered n (1..kMaxGun), nullptr for a free slot.
    TGun* GetGun(int n) const { return Gun[n]; }
    int GetGunNo(int x, int y) const { return GunMap[x][y]; }
    // The group of the stone at p (x, y 1..19), nullptr when none.
    // nullptr for a point without a group, also off the board.
    TGun* GetGunAt(Point p) const
    {
        if (p.x < 1 || p.x > 19 || p.y < 1 || p.y > 19 || GunMap[p.x][p.y] == 0)
            return nullptr;
        return Gun[GunMap[p.x][p.y]];
    }
    int GetCount() const { return Count; }

private:
    // Runs one step for every group in number order.
    void EachGun(void (TGun::*step)());

    TGoban* Owner;
    Arr<TGun*, 1, kMaxGun> Gun{};
    int Count = 0;
    Grid<std::int16_t, 1, 19> GunMap{};
    // Group objects are made the first time a number is used and kept.
    Arr<std::unique_ptr<TGun>, 1, kMaxGun> Store;
};

// Related points are listed once per analysis point by point, a thousand
// times per analysis: inline.
inline int TGun::FromIndex(Point p) const
{
    if (p.x < 1 || p.y < 1 || p.x > BoardSize || p.y > BoardSize)
        return 0;
    const int bit = PointBit(p);
    if ((FromSet[bit / 64] >> (bit % 64) & 1) == 0)
        return 0;
    // The analysis lists one empty point at a time, so a repeat is the last.
    const TBytePoint q = TBytePoint::Of(p);
    for (int i = FromSu; i >= 1; --i)
        if (From.v[i - 1].B.x == q.x && From.v[i - 1].B.y == q.y)
            return i;
    return 0;
}

inline void TGun::AddFrom(Point a, Point b, int kind)
{
    if (FromSu >= kMaxFrom || b.x < 1 || b.y < 1 || b.x > BoardSize || b.y > BoardSize)
        return;
    if (const int i = FromIndex(b)) {
        TFrom& e = From[i];
        if (e.Kind <= kind)
            return;
        e.A = TBytePoint::Of(a);
        e.Kind = static_cast<std::uint8_t>(kind);
        if (kind == KankeiTonari) {
            ++Dame;
            const int bit = PointBit(b);
            DameSet[bit / 64] |= std::uint64_t{1} << (bit % 64);
        }
        return;
    }
    const int i = ++FromSu;
    From[i] = TFrom{TBytePoint::Of(a), TBytePoint::Of(b), static_cast<std::uint8_t>(kind)};
    const int bit = PointBit(b);
    FromSet[bit / 64] |= std::uint64_t{1} << (bit % 64);
    if (kind == KankeiTonari) {
        ++Dame;
        DameSet[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
}

inline void TGun::AddNewFrom(Point a, Point b, int kind)
{
    if (FromSu >= kMaxFrom || b.x < 1 || b.y < 1 || b.x > BoardSize || b.y > BoardSize)
        return;
    const int i = ++FromSu;
    From.v[i - 1] = TFrom{TBytePoint::Of(a), TBytePoint::Of(b), static_cast<std::uint8_t>(kind)};
    const int bit = PointBit(b);
    FromSet.v[bit / 64] |= std::uint64_t{1} << (bit % 64);
    DameSet.v[bit / 64] |= static_cast<std::uint64_t>(kind == KankeiTonari) << (bit % 64);
    Dame += kind == KankeiTonari;
}

// The in-between point of a one-space pair (b, a) when both points beside it
// hold stones of the colour opposite to b's and it does not; (0, 0) else.
Point JumpGapPoint(Point b, Point a);
// JumpGapPoint of entry i of the board's pair list (PairB, PairA).
Point PairGapPoint(const TGoban& board, int i);

// The growth rule of regions over the whole side of the area map: q is on
// the board and on the same side as cur.
bool JiGrowTest2(Point cur, Point q);

void GunReset();

} // namespace vorn
