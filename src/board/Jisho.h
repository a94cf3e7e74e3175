// Regions: connected points on one group's side of the area map (its eye
// space and territory, and the dead stones inside), grown by the group from
// its liberties.  Every point of a region gets a false-eye verdict; the
// region gets an eye value from its shape (eye values live in Me.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

class TGoban;

// Region numbers 1..kMaxJi.  The regions that a group grows from its
// liberties never overlap one another and each holds a liberty next to one of
// the group's stones, so a board has no more of them than pairs of adjacent
// points, 2n(n-1).  The regions of loose dead stones never overlap and each
// holds a dead stone (at most n*n), and a group that dies hands at most one
// new region to a neighbour (at most n*n groups).
constexpr int kMaxJi = 2 * kMaxBoard * (kMaxBoard - 1) + 2 * kMaxPoints;
// Vital points kept per region (a region is searched for them only below 10
// points).
constexpr int kMaxPartLocate = 10;

// False-eye verdicts of a point, of a region and of TGoban::KakemeMap.
enum : int {
    kKakemeNone = 0,
    kKakemeYes = 1,   // "Yes": a false eye
    kKakemeKamo = 2,  // "Kamo": false or not, by who plays first
    kKakemeNo = 3,    // "No": not false
    kKakemeNotMe = 4, // "NotMe": no eye at all (board map only)
};

// Dividing-point marks of a region point.
enum : int { kBunkatuNone = 0, kBunkatuP = 1, kBunkatuQ = 2 };

class TJi {
public:
    // Numbers the region and fills it from the flood list.
    void Init(TGoban* owner, int jiNo, int gunNo, int colour);
    // Takes the points of the flood list (marks cleared, stones and border
    // points noted from the board and the area map).
    void Scan();
    // Scan again, keeping the number, owner and counters.
    void Rescan();

    // --- False-eye verdicts ----------------------------------------------------
    // One pass of the evaluator of the region's size; non-zero = changed.
    int Evaluate();
    int Evaluate1();
    int Evaluate2();
    int Evaluate3();
    int EvaluateN();
    // The verdict of the region point p for the region's colour c: 0 none,
    // 1 false, 2 possibly false, 3 not false.
    int KakemeCheck(Point p, int c);
    // Evaluate, and sets moved when the pass changed any verdict, mark or
    // count of the region or a board verdict at its points.  A pass over a
    // set of regions that moves nothing leaves every later pass the same.
    int EvaluateTracked(bool& moved);
    // The same, and sets falseVerdict when the pass left a false or possibly
    // false verdict in the region, at one of its points or on the board map
    // there.
    int EvaluateTracked(bool& moved, bool& falseVerdict);
    // Marks '&' the inner points with three open sides (regions below 13 points).
    void Kuu3Check();
    // Clears the verdicts of the region and of its points on the board map.
    void ClearMarks();

    // --- Area and candidates ---------------------------------------------------
    // Every point's area value := v; points beside neutral empty points become
    // border points, the others are doubled.
    void SetAreaValue(int v);
    // Marks the region seki and sets alive every group with a stone in it.
    void SetSekiMark(int v);
    // Points that make or break a false eye, into list (at most its size;
    // repeats kept); answers the count.
    int KohoKakeme(std::span<Point> list) const;
    // The neutral points just outside border points; answers the count.
    int KohoBorder(std::span<Point> list) const;

    // --- Eye value and shape (Me.cpp) ---------------------------------------------
    int CalcMe();
    void MakePartLocate();
    int PartValue(Point p);
    int ShapeCheck();
    void MarkPoints() const;
    void MakeKakemeNeighbourList() const;
    int CountIsi() const;

    // --- Queries -------------------------------------------------------------------
    int GetJiNo() const { return JiNo; }
    // The owner's colour; 0 while the region is marked seki.
    int GetJiIro() const { return SekiMark == 1 ? 0 : JiIro; }
    int GetJisu() const { return Jisu; }
    int GetGunNo() const { return GunNo; }
    // Point i, 1..Jisu.
    Point GetYoso(int i) const { return Point(Pts[Idx(i)].x, Pts[Idx(i)].y); }
    int GetKind(int i) const { return Pts[Idx(i)].Kind; }
    int GetIsiMark(int i) const { return Pts[Idx(i)].IsiMark; }
    int GetBorderMark(int i) const { return Pts[Idx(i)].BorderMark; }
    int GetKuu3Mark(int i) const { return Pts[Idx(i)].Kuu3Mark; }
    int GetBunkatuMark(int i) const { return Pts[Idx(i)].Bunkatu; }
    // The marks of a point by position, 0 when it is not in the region.
    int GetKindPt(Point p) const;
    int GetIsiMarkPt(Point p) const;
    int GetKuu3MarkPt(Point p) const;
    // The index 1..Jisu of p, 0 when absent.
    int FindYoso(Point p) const;
    // Points without a stone.
    int CountKuu() const { return Jisu - CountIsi(); }
    // Points marked 'p'.
    int CountBunkatuP() const;
    int GetKakeme() const { return Kakeme; }
    int GetKakemeSu() const { return KakemeSu; }
    int GetKakemeKamoSu() const { return KakemeKamoSu; }
    int GetMe() const { return Me; }
    int GetBorder() const { return Border; }
    int GetKuu3Su() const { return Kuu3Su; }
    int GetSeki() const { return Seki; }
    int GetSekiMark() const { return SekiMark; }
    int GetPartLocateSu() const { return PartLocateSu; }
    // Vital point i, 1..10.
    Point GetPartLocate(int i) const { return PartLocate[i]; }

private:
    int Idx(int i) const
    {
        if (i < 1 || i > Jisu)
            RangeError(i, 1, Jisu);
        return i;
    }
    void SetVerdict(int i, int v);
    // EvaluateTracked, telling false verdicts when asked.
    template <bool InRecount>
    int EvaluateWatched(bool& moved, bool* falseVerdict);
    // A false or possibly false verdict in the region, at one of its points
    // or on the board map there.
    bool HasFalseVerdict() const;
    // In a recount: evaluating the region again would repeat its last
    // evaluation (TJiRecount).
    bool EvaluationRepeats() const;
    // Just after an evaluation in a recount (readNoVerdict: it made no net
    // test; clean: the region held no false verdict before): evaluating it
    // again before any verdict it reads changes would change nothing and
    // answer answer (set here).
    bool RepeatsAs(bool readNoVerdict, bool clean, int& answer) const;
    // Point i is about to be written (EvaluateTracked notes what it held).
    void Watch(int i);
    int KakemeCheckAt(int i, Point p, int c);
    // The check with the board read through a view (Jisho.cpp).
    template <class View>
    int KakemeCheckOn(const View& v, int i, Point p, int c);
    int CountKind(int v) const;
    // The net test of the false-eye check (chains cut off from other area).
    template <class View>
    bool HasIsolatedNet(const View& v, Point p, int c);
    bool RenNetIsolated(Point s, Point p);
    // A point of a part of the region with its false-eye verdict and its
    // open-sides mark.
    struct TPartPoint {
        Point P;
        int Kind;
        int Kuu3;
    };
    int PartPointValue(int size, const TPartPoint* pts);
    // PartValue of the region point with index i, the region's points
    // joined by adj (the index of each neighbour in the region, 0 none).
    int PartValueAt(int i, const Arr<Arr<std::uint8_t, 0, 3>, 1, 32>& adj);
    // The eye value worked out afresh.
    int CalcMeNow();

    TGoban* Owner = nullptr;
    int JiNo = 0;
    int GunNo = 0;
    std::uint8_t JiIro = 0;
    int Jisu = 0;
    int Kuu3Su = 0;
    int Kakeme = 0;
    int KakemeSu = 0;
    int KakemeKamoSu = 0;
    int Me = 0;
    int Border = 0;
    Arr<Point, 1, kMaxPartLocate> PartLocate;
    int PartLocateSu = 0;
    std::uint8_t Seki = 0;
    std::uint8_t SekiMark = 0;
    // The points with their verdicts and marks, one entry a point.
    struct TJiPt {
        std::uint8_t x, y;
        std::uint8_t Kind;
        std::uint8_t IsiMark;
        std::uint8_t BorderMark;
        std::uint8_t Kuu3Mark;
        std::uint8_t Bunkatu;
        // The false-eye check's answer kept under the TJiCheckOnce of
        // CheckOnce (Jisho.cpp); 0 none.
        std::uint8_t Kept;
    };
    Arr<TJiPt, 1, kMaxPoints> Pts;
    // The TJiCheckOnce whose answers the points keep.
    std::uint64_t CheckOnce = 0;
    // Points without a stone and with three open sides (empty or the
    // opponent's), -1 until Kuu3Check has counted them.
    int Open3Su = -1;
};

class TJiList {
public:
    explicit TJiList(TGoban* owner);
    TJiList(const TJiList&) = delete;
    TJiList& operator=(const TJiList&) = delete;

    // Empties the map and the list.
    void Clear();
    // The flood list becomes region Count + 1 of group gunNo; answers its number.
    int Add(int gunNo, int colour);
    // Region n takes the points of the flood list.
    void Restamp(int n);
    // Frees region n (its verdicts cleared); the map is left as it is.
    void Delete(int n);

    // The region numbered n (1..kMaxJi), nullptr for a free slot.
    TJi* GetJi(int n) const { return Ji[n]; }
    int GetJiNo(int x, int y) const { return JiMap[x][y]; }
    int GetJiNoPt(Point p) const { return JiMap[p.x][p.y]; }
    // The region at p (0..20 on both axes), nullptr when none.
    TJi* GetJiAt(Point p) const { return JiMap[p.x][p.y] == 0 ? nullptr : Ji[JiMap[p.x][p.y]]; }
    int GetJiIro(int x, int y) const { return GetJiIroPt(Point(x, y)); }
    int GetJiIroPt(Point p) const
    {
        const TJi* ji = GetJiAt(p);
        return ji == nullptr ? 0 : ji->GetJiIro();
    }
    int GetCount() const { return Count; }

private:
    void Stamp(int n, int v);

    TGoban* Owner;
    Arr<TJi*, 1, kMaxJi> Ji{};
    Grid<int, 0, 20> JiMap{};
    int Count = 0;
    // Region objects are made the first time a number is used and kept, so
    // an analysis allocates nothing once the board has seen its largest one.
    Arr<std::unique_ptr<TJi>, 1, kMaxJi> Store;
};

// p is a point of the region.
bool JiHasPoint(const TJi& ji, Point p);
// The chain net of the false-eye test into the unit's chain list: the chains
// reached through links from the chain at s, leaving out the chains of colour
// rc with a stone next to p (the chain at s always belongs); answers their
// number.
int ListLinkedRenExcept(const TGoban& b, Point s, Point p, int rc);

// While one lives, the passes of TJi::EvaluateTracked over a set of regions
// whose verdicts were cleared (a recount) leave out a region whose last
// evaluation in it would be repeated unchanged (TJi::RepeatsAs): its
// evaluator has nothing left to do, or it read no chain net and its evaluator
// would write what it wrote; and no verdict it read has changed since.
// Nothing but the evaluations may change the board or the regions meanwhile.
class TJiRecount {
public:
    TJiRecount();
    ~TJiRecount();
    TJiRecount(const TJiRecount&) = delete;
    TJiRecount& operator=(const TJiRecount&) = delete;

private:
    bool Outer;
};

// While one lives, the false-eye check of TJi at a region's point for the
// region's colour remembers its answer and gives it again: an answer that
// took no chain-net test reads only the stones, the dead marks, the area map,
// the forbidden and self-atari points, the race marks of groups and the
// regions, none of which may change meanwhile (verdicts may); one that took
// net tests is given again only while every verdict they read stays as it
// was.
class TJiCheckOnce {
public:
    TJiCheckOnce();
    ~TJiCheckOnce();
    TJiCheckOnce(const TJiCheckOnce&) = delete;
    TJiCheckOnce& operator=(const TJiCheckOnce&) = delete;

private:
    std::uint64_t Outer;
};

// While one lives, TJi::CalcMe works each region's eye value out once and
// answers the same value again after: the eye values of a set of regions read
// the regions and the board, which nothing but the eye values themselves
// change meanwhile (a point told apart from an eye replaces no false-eye
// verdict that another value reads).
class TJiMeOnce {
public:
    TJiMeOnce();
    ~TJiMeOnce();
    TJiMeOnce(const TJiMeOnce&) = delete;
    TJiMeOnce& operator=(const TJiMeOnce&) = delete;

private:
    std::uint32_t Outer;
};

} // namespace vorn
