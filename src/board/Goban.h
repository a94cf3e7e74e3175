// TGoban: the board of one look-ahead level, with its move play, legality test
// and take-back, and the per-point analysis tables.  Eleven boards live for the
// whole run: GobanLv[0] is the game, GobanLv[1..10] the look-ahead levels.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "board/Array.h"
#include "board/Define.h"
#include "board/Gun.h"
#include "board/Jisho.h"
#include "board/Locate.h"
#include "board/Point.h"
#include "board/Ren.h"
#include "board/Tejun.h"

namespace vorn {

constexpr int kMaxLevel = 10;
constexpr int kMaxToru = 360;  // the most stones one move can capture
constexpr int kMaxPair = 100;

// Legality codes of a move.
enum { kUtuOk = 0, kUtuOccupied = -1, kUtuSuicide = -2, kUtuKou = -3, kUtuFull = -4 };

class TGoban;

// Program-wide board state.
extern Arr<TGoban*, 0, kMaxLevel> GobanLv;
extern int Level;
extern int BoardSize;
extern int Handicap;
extern Grid<std::uint8_t, 1, 19> Hosi;

// Capture list: the stones that the move last tested by CheckUtu captures.
extern Arr<int, 1, kMaxToru> ToruListX;
extern Arr<int, 1, kMaxToru> ToruListY;
extern int ToruListSu;

// Flood list: the chain or empty region last filled by FloodFill.
extern Arr<int, 1, kMaxPoints> FloodX;
extern Arr<int, 1, kMaxPoints> FloodY;
extern int FloodSu;
extern Grid<std::uint8_t, 0, 20> FloodVisited;
// The newest layer of the fill (a layer can hold most of the board).
extern Arr<int, 1, kMaxPoints> FloodLayerX;
extern Arr<int, 1, kMaxPoints> FloodLayerY;
extern int FloodLayerSu;

extern std::uint8_t RenSabun;      // 1: replay and take-back keep the chains up to date
extern std::uint8_t KankeiOff;     // 1: SetKankei records nothing
extern std::uint8_t SichoYomiFlag; // 1 while the ladder reader reads
// Full position analyses since start-up, on any board: the engine's unit of
// work, counted for the benchmarks.
extern std::uint64_t AnalyzeCount;

// The board of the current look-ahead level.
inline TGoban& CurGoban() { return *GobanLv[Level]; }

// Creates the eleven boards once (later calls do nothing) and sets up board 0.
void CreateGobanLv();
// Back to a fresh program: 19 lines, no handicap, level 0, empty boards.
void GobanReset();

// The standard handicap stones of a board size and handicap (2 to 9 on the
// star points, 10 to 14 the large 19x19 patterns), in placing order; answers
// how many (0 for no handicap).
constexpr int kMaxHandicapStones = 25;
int HandicapPoints(int size, int handicap, Arr<Point, 1, kMaxHandicapStones>& points);

// Fills the flood list with the chain or empty region of (x, y) on the board
// of the current level (or on the board given); answers FloodSu.
int FloodFill(int x, int y);
int FloodFillOn(const TGoban& b, int x, int y);
// True when no point of the flood list has an empty orthogonal neighbour.
bool FloodNoKuu();
bool FloodNoKuuOn(const TGoban& b);

// Fills the flood list breadth-first from p (layer by layer, neighbours in
// direction order) with the points q reached from a listed point cur for
// which grow(cur, q) holds; every point of 0..20 is examined once, whether
// it joins or not.  Answers FloodSu.
template <class Grow>
int FloodFillBy(Point p, Grow grow)
{
    std::memset(&FloodVisited, 0, sizeof(FloodVisited));
    FloodSu = 1;
    FloodX[1] = p.x;
    FloodY[1] = p.y;
    FloodVisited[p.x][p.y] = 1;
    for (int k = 1; k <= FloodSu; ++k) {
        // Listed points lie in 0..20 (p by the test above, the others by
        // the test below).
        const Point cur(FloodX.v[k - 1], FloodY.v[k - 1]);
        for (int d = 0; d < 4; ++d) {
            const Point q(cur.x + Dir4X.v[d], cur.y + Dir4Y.v[d]);
            if (static_cast<unsigned>(q.x) > 20 || static_cast<unsigned>(q.y) > 20 || FloodVisited.v[q.x].v[q.y])
                continue;
            FloodVisited.v[q.x].v[q.y] = 1;
            if (!grow(cur, q))
                continue;
            ++FloodSu;
            FloodX[FloodSu] = q.x;
            FloodY[FloodSu] = q.y;
        }
    }
    return FloodSu;
}

class TGoban {
public:
    TGoban();
    TGoban(const TGoban&) = delete;
    TGoban& operator=(const TGoban&) = delete;

    void NewGame();
    void CopyBan(const TGoban& other);

    std::uint8_t GetIro(int x, int y) const
    {
        if (x < 0 || y < 0 || x > BoardSize || y > BoardSize)
            return kHen;
        return Ban[x][y];
    }
    std::uint8_t GetIroPt(Point p) const
    {
        if (p.x < 1 || p.y < 1 || p.x > BoardSize || p.y > BoardSize)
            return kHen;
        return Ban[p.x][p.y];
    }
    void SetIro(int x, int y, int colour);
    bool OnBoard(int x, int y) const { return x >= 1 && y >= 1 && x <= BoardSize && y <= BoardSize; }
    bool OnBoardPt(Point p) const { return OnBoard(p.x, p.y); }

    int CheckUtu(int colour, int x, int y);
    int Utu(int x, int y);
    bool Pass();
    void Susumu();
    void Modosu();
    void Matta();
    void UtuRenUpdate(int n);
    void ModosuRenUpdate(int n);

    // --- Position analysis ------------------------------------------------
    // Chains, capture, forbidden and self-atari points, dead chains, and the
    // later analysis steps in their fixed order.  The tables stay valid until
    // the board changes; playing a move updates none of them.
    void Analyze();
    // The same in its steps, 1..kAnalyzeSteps in this order (chains; capture,
    // forbidden and self-atari points; records reset; dead chains in atari;
    // stone and empty-point relations; the area map; chain links; groups and
    // their related points and neighbours; regions, their verdicts and eye
    // values; breathing points, groups dead at once, races and seki, death
    // levels, the eye bonus; the end-of-game marks), with a short name each.
    // A step reads what the steps before it left.
    static constexpr int kAnalyzeSteps = 22;
    void AnalyzeStep(int step);
    static const char* AnalyzeStepName(int step);
    void ToruTenMake();
    void KinsiMake();
    void SelfAtariMake();
    void DeathMake();
    void DeathRenMarkMake();

    // Table access: x, y in 1..19, colour 1 or 2 (anything else is a range error).
    int IsToruTen(int c, int x, int y) const { return ToruTen[c][x][y]; }
    // The ...Pt forms answer 0 for a point off the board: there is no capture
    // point, self-atari or dead stone there.
    int IsToruTenPt(int c, Point p) const { return OnBoardPt(p) ? ToruTen[c][p.x][p.y] : 0; }
    int IsKinsi(int c, int x, int y) const { return Kinsi[c][x][y]; }
    // 1 for a point off the board.
    int IsKinsiPt(int c, Point p) const { return OnBoardPt(p) ? Kinsi[c][p.x][p.y] : 1; }
    int IsSelfAtari(int c, int x, int y) const { return SelfAtari[c][x][y]; }
    int IsSelfAtariPt(int c, Point p) const { return OnBoardPt(p) ? SelfAtari[c][p.x][p.y] : 0; }
    int IsDeath(int x, int y) const { return Death[x][y]; }
    int IsDeathPt(Point p) const { return OnBoardPt(p) ? Death[p.x][p.y] : 0; }
    void SetDeathPt(Point p, int v) { Death[p.x][p.y] = static_cast<std::uint8_t>(v); }
    int GetKakeme(int x, int y) const { return KakemeMap[x][y]; }
    void SetKakemePt(Point p, int v) { KakemeMap[p.x][p.y] = static_cast<std::uint8_t>(v); }
    // A false eye, no eye, or possibly false in a region worth no eye.
    bool IsKakeme(int x, int y) const;
    // Not a false eye or no-eye point, and someone's area.
    bool IsAreaKuu(Point p) const;
    int GetDeathRenMark(int x, int y) const { return DeathRenMark[x][y]; }
    bool HasAkiNeighbour(int x, int y) const;
    // Rebuilds the chains of the current level, then: an opponent chain of c
    // next to p is in atari.
    bool TonariAtari(int c, Point p);
    // c at (x, y) leaves its chain with one liberty (tables and chains of the
    // current analysis).
    bool CheckSelfAtari(int c, int x, int y);
    // The same, tested only when p is empty with fewer than two empty neighbours.
    bool CheckSelfAtari2(int c, Point p);
    // Diagonal neighbours of colour c that count: not dead, or dead but in a
    // capturing race.
    int ListDiagonalLive(Point p, int c, std::span<Point> list) const;

    // --- Point-pair list (100 entries; further ones are dropped) ------------
    void PairClear() { PairNum = 0; }
    int PairCount() const { return PairNum; }
    // Stores PairA = p2, PairB = p1.  Answers the new entry's number; 1 when
    // the same kind already pairs the two points (either order); 0 when full.
    int PairAdd(Point p1, Point p2, int kind);
    // A single point (PairB = (0, 0)); answers its number, 100 when full.
    int PointAdd(Point p, int kind);
    // Ascending by kind; the flags stay with their slots.
    void PairSort();
    Point PairPointA(int i) const { return PairA[i]; }
    Point PairPointB(int i) const { return PairB[i]; }
    int PairKind(int i) const { return PairKindList[i]; }
    int PairFlag(int i) const { return PairFlags[i]; }
    void SetPairFlag(int i, int v) { PairFlags[i] = static_cast<std::uint8_t>(v); }
    void PairFlagsClear();
    bool HasPair(Point p, Point q) const;

    void RenMake() { RenList.Rebuild(); }
    // The chain list against the stones: every stone lies in a chain of its
    // colour that holds exactly the stones connected to it, with the
    // liberties and the opponent neighbours the board gives them, and every
    // chain of stones in the list is such a chain.  False, with the first
    // disagreement when asked, otherwise.  A board played on since its last
    // rebuild or analysis may disagree until RenMake.
    bool CheckChains(std::string* why = nullptr) const;

    // Relations between nearby points (Locate, Kankei).
    void SetKankei(int x, int y, int index, int kind, int value);
    void SetLocateIro();
    TLocate& GetLocate(int x, int y);
    const TLocate& GetLocate(int x, int y) const;
    TLocate& GetLocatePt(Point p);
    const TLocate& GetLocatePt(Point p) const;
    int LocateCall(int x, int y, Arr<Point, 1, kMaxKankei>& points, Arr<int, 1, kMaxKankei>& values) const;
    void RenLocateMake();
    void GrenMake();
    // The linked chains of one chain, from the relation records as they stand.
    void GrenMakeRen(TRen& r);
    // Every empty point tells each group it is related to (TGun::AddFrom).
    void GunLocateMake();

    // Fields, in the order of the board's data.
    Grid<std::uint8_t, 0, 20> Ban{};
    Grid<std::uint8_t, 1, 19> Death{};
    Arr<Grid<std::uint8_t, 1, 19>, 1, 2> ToruTen{};
    Arr<Grid<std::uint8_t, 1, 19>, 1, 2> Kinsi{};
    Arr<Grid<std::uint8_t, 1, 19>, 1, 2> SelfAtari{};
    Grid<std::uint8_t, 1, 19> KakemeMap{};
    Grid<std::uint8_t, 1, 19> DeathRenMark{};
    Arr<Point, 1, kMaxPair> PairA{};
    Arr<Point, 1, kMaxPair> PairB{};
    Arr<int, 1, kMaxPair> PairKindList{};
    Arr<std::uint8_t, 1, kMaxPair> PairFlags{};
    int PairNum = 0;
    Grid<TLocate, 1, 19> Locate;
    TRenList RenList;
    TGunList GunList;
    TJiList JiList;
    TTejun Tejun;

private:
    // Scratch marks of CheckUtu, stamped instead of cleared.
    Grid<std::uint32_t, 0, 20> CheckMark{};
    std::uint32_t CheckStamp = 0;
    std::uint32_t NextCheckStamp();
    // The move before the current one for the ko test: this record's current
    // move, or on a fresh look-ahead level the last move of the level below.
    bool KouLastMove(Point& te, int& toruSu, Point& toru) const;
};

} // namespace vorn
