#include "board/Goban.h"

#include <bit>
#include <cstring>
#include <vector>
#include <utility>

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Diagram.h"
#include "board/Kankei.h"
#include "board/KuuIsi.h"

namespace vorn {

Arr<TGoban*, 0, kMaxLevel> GobanLv{};
int Level = 0;
int BoardSize = 19;
int Handicap = 0;
Grid<std::uint8_t, 1, 19> Hosi{};

Arr<int, 1, kMaxToru> ToruListX{};
Arr<int, 1, kMaxToru> ToruListY{};
int ToruListSu = 0;

Arr<int, 1, kMaxPoints> FloodX{};
Arr<int, 1, kMaxPoints> FloodY{};
int FloodSu = 0;
Grid<std::uint8_t, 0, 20> FloodVisited{};
Arr<int, 1, kMaxPoints> FloodLayerX{};
Arr<int, 1, kMaxPoints> FloodLayerY{};
int FloodLayerSu = 0;

std::uint8_t RenSabun = 0;
std::uint8_t KankeiOff = 0;
std::uint8_t SichoYomiFlag = 0;
std::uint64_t AnalyzeCount = 0;

void CreateGobanLv()
{
    if (GobanLv[0] == nullptr) {
        for (int i = 0; i <= kMaxLevel; ++i)
            GobanLv[i] = new TGoban();
    }
    Level = 0;
    GobanLv[0]->NewGame();
}

void GobanReset()
{
    BoardSize = 19;
    Handicap = 0;
    Level = 0;
    RenSabun = 0;
    KankeiOff = 0;
    SichoYomiFlag = 0;
    ToruListSu = 0;
    FloodSu = 0;
    FloodLayerSu = 0;
    CreateGobanLv();
    // Every board, the look-ahead boards too: no analysis of an earlier game
    // or reading is left on them.
    for (int i = 0; i <= kMaxLevel; ++i) {
        TGoban& b = *GobanLv[i];
        b.NewGame();
        for (int c = 1; c <= 2; ++c) {
            FillGrid<std::uint8_t, 1, 19>(b.ToruTen[c], 0);
            FillGrid<std::uint8_t, 1, 19>(b.Kinsi[c], 0);
            FillGrid<std::uint8_t, 1, 19>(b.SelfAtari[c], 0);
        }
        b.PairClear();
    }
    RenSabun = 0;
}

// ---------------------------------------------------------------------------
// Flood fill

int FloodFillOn(const TGoban& b, int x, int y)
{
    const int edge = BoardSize + 1;
    if (b.OnBoard(x, y) && b.Ban.v[x].v[y] != kHen) {
        // A stone or an empty point of the board fills points of its own
        // colour, which lie on the board, so every neighbour lies within the
        // border lines; layer by layer is the order of a queue.
        const int c = b.Ban.v[x].v[y];
        std::memset(&FloodVisited, 0, sizeof(FloodVisited));
        FloodSu = 1;
        FloodX[1] = x;
        FloodY[1] = y;
        FloodVisited.v[x].v[y] = 1;
        for (int k = 1; k <= FloodSu; ++k) {
            const int px = FloodX.v[k - 1], py = FloodY.v[k - 1];
            for (int d = 0; d < 4; ++d) {
                const int nx = px + Dir4X.v[d], ny = py + Dir4Y.v[d];
                std::uint8_t& seen = FloodVisited.v[nx].v[ny];
                if (seen)
                    continue;
                seen = 1;
                if (b.Ban.v[nx].v[ny] == c) {
                    ++FloodSu;
                    FloodX[FloodSu] = nx;
                    FloodY[FloodSu] = ny;
                }
            }
        }
        FloodLayerSu = 0;
        return FloodSu;
    }
    // One clear of the whole map (441 bytes) is cheaper than one per column.
    static_assert(sizeof(FloodVisited) == 21 * 21);
    std::memset(&FloodVisited, 0, sizeof(FloodVisited));
    FloodSu = 1;
    FloodX[1] = x;
    FloodY[1] = y;
    FloodVisited[x][y] = 1;
    // The newest layer is FloodX/FloodY [layerStart, FloodSu].
    int layerStart = 1;
    while (layerStart <= FloodSu) {
        const int layerEnd = FloodSu;
        FloodLayerSu = 0;
        for (int k = layerStart; k <= layerEnd; ++k) {
            const int px = FloodX[k];
            const int py = FloodY[k];
            const std::uint8_t c = b.GetIro(px, py);
            for (int d = 1; d <= 4; ++d) {
                const int nx = px + Dir4X[d];
                const int ny = py + Dir4Y[d];
                if (nx < 0 || ny < 0 || nx > edge || ny > edge || FloodVisited[nx][ny])
                    continue;
                FloodVisited[nx][ny] = 1;
                if (b.GetIro(nx, ny) == c) {
                    ++FloodLayerSu;
                    FloodLayerX[FloodLayerSu] = nx;
                    FloodLayerY[FloodLayerSu] = ny;
                }
            }
        }
        for (int i = 1; i <= FloodLayerSu; ++i) {
            ++FloodSu;
            FloodX[FloodSu] = FloodLayerX[i];
            FloodY[FloodSu] = FloodLayerY[i];
        }
        layerStart = layerEnd + 1;
    }
    return FloodSu;
}

int FloodFill(int x, int y) { return FloodFillOn(CurGoban(), x, y); }

bool FloodNoKuuOn(const TGoban& b)
{
    for (int k = 1; k <= FloodSu; ++k) {
        const int px = FloodX[k];
        const int py = FloodY[k];
        for (int d = 1; d <= 4; ++d)
            if (b.GetIro(px + Dir4X[d], py + Dir4Y[d]) == kAki)
                return false;
    }
    return true;
}

bool FloodNoKuu() { return FloodNoKuuOn(CurGoban()); }

// ---------------------------------------------------------------------------
// TGoban

TGoban::TGoban() : RenList(this), GunList(this), JiList(this)
{
    KankeiOff = 0;
    SichoYomiFlag = 0;
}

void TGoban::NewGame()
{
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y) {
            Death[x][y] = 0;
            Hosi[x][y] = 0;
            KakemeMap[x][y] = 0;
            DeathRenMark[x][y] = 0;
        }
    FillGrid<std::uint8_t, 0, 20>(Ban, 0);
    for (int i = 0; i <= BoardSize + 1; ++i) {
        Ban[0][i] = kHen;
        Ban[BoardSize + 1][i] = kHen;
        Ban[i][0] = kHen;
        Ban[i][BoardSize + 1] = kHen;
    }
    RenList.Clear();
    GunList.Clear();
    JiList.Clear();

    // Star points.
    if (BoardSize == 9) {
        Hosi[5][5] = 1;
    } else if (BoardSize == 13) {
        Hosi[4][4] = Hosi[4][10] = Hosi[10][4] = Hosi[10][10] = Hosi[7][7] = 1;
    } else if (BoardSize == 19) {
        for (int x : {4, 10, 16})
            for (int y : {4, 10, 16})
                Hosi[x][y] = 1;
    }

    Tejun.Clear();

    // Handicap stones, written straight onto the board.
    Arr<Point, 1, kMaxHandicapStones> stones;
    const int n = HandicapPoints(BoardSize, Handicap, stones);
    for (int i = 1; i <= n; ++i)
        Ban[stones[i].x][stones[i].y] = kKuro;
}

int HandicapPoints(int size, int handicap, Arr<Point, 1, kMaxHandicapStones>& points)
{
    int n = 0;
    const int h = handicap;
    if (h < 2)
        return 0;
    auto put = [&](int x, int y) {
        if (x >= 1 && y >= 1 && x <= size && y <= size)
            points[++n] = Point(x, y);
    };
    if (size == 19 && h >= 10) {
        const int s[3] = {4, 10, 16};
        if (h <= 12)
            for (int x : s)
                for (int y : s)
                    put(x, y);
        if (h == 10 || h == 12) {
            put(7, 7), put(7, 13), put(13, 7), put(13, 13);
        }
        if (h == 11 || h == 12) {
            put(3, 3), put(3, 17), put(17, 3), put(17, 17);
        }
        if (h == 13)
            for (int x : {4, 8, 12, 16})
                for (int y : {4, 7, 10, 13, 16})
                    put(x, y);
        if (h == 14)
            for (int x : {4, 7, 10, 13, 16})
                for (int y : {4, 7, 10, 13, 16})
                    put(x, y);
        return n;
    }
    int F = 0, M = 0, N = 0;
    switch (size) {
    case 9: F = 7, M = 5, N = 3; break;
    case 13: F = 10, M = 7, N = 4; break;
    case 19: F = 16, M = 10, N = 4; break;
    default: return 0;
    }
    put(F, N), put(N, F);
    if (h >= 3)
        put(F, F);
    if (h >= 4)
        put(N, N);
    if (h == 5 || h == 7 || h == 9)
        put(M, M);
    if (h >= 6)
        put(F, M), put(N, M);
    if (h >= 8)
        put(M, N), put(M, F);
    return n;
}

void TGoban::CopyBan(const TGoban& other)
{
    for (int x = 0; x <= BoardSize + 1; ++x)
        for (int y = 0; y <= BoardSize + 1; ++y)
            Ban[x][y] = other.GetIro(x, y);
    Tejun.Clear();
}

void TGoban::SetIro(int x, int y, int colour)
{
    // Only points of the board: the border line must stay intact.
    if (x < 1 || y < 1 || x > BoardSize || y > BoardSize || colour < 0 || colour > 2)
        return;
    Ban[x][y] = static_cast<std::uint8_t>(colour);
}

std::uint32_t TGoban::NextCheckStamp()
{
    if (++CheckStamp == 0) {
        for (auto& col : CheckMark)
            col.Fill(0);
        CheckStamp = 1;
    }
    return CheckStamp;
}

bool TGoban::KouLastMove(Point& te, int& toruSu, Point& toru) const
{
    const TGoban* b = this;
    int lv = Level;
    // A fresh look-ahead level continues the position below it: its first
    // move may retake a ko that the level below has just taken.
    while (b->Tejun.Current() == 0) {
        if (b != GobanLv[lv] || lv == 0)
            return false;
        --lv;
        b = GobanLv[lv];
    }
    const TTejun& t = b->Tejun;
    te = t.CurTe();
    toruSu = t.ToruCount();
    if (toruSu == 1)
        toru = t.ToruIsi(1);
    return true;
}

int TGoban::CheckUtu(int colour, int x, int y)
{
    if (!OnBoard(x, y))
        return kUtuOccupied;
    if (Ban[x][y] != kAki)
        return kUtuOccupied;
    const TGoban& cur = *this;
    Ban[x][y] = static_cast<std::uint8_t>(colour);
    const int o = Aite(colour);
    int empties = 0;
    for (int d = 1; d <= 4; ++d)
        if (cur.GetIro(x + Dir4X[d], y + Dir4Y[d]) == kAki)
            ++empties;

    ToruListSu = 0;
    NextCheckStamp();
    for (int d = 1; d <= 4; ++d) {
        const int nx = x + Dir4X[d];
        const int ny = y + Dir4Y[d];
        if (cur.GetIro(nx, ny) != o || CheckMark[nx][ny] == CheckStamp)
            continue;
        FloodFillOn(cur, nx, ny);
        if (FloodNoKuuOn(cur)) {
            for (int k = 1; k <= FloodSu; ++k) {
                CheckMark[FloodX[k]][FloodY[k]] = CheckStamp;
                ++ToruListSu;
                ToruListX[ToruListSu] = FloodX[k];
                ToruListY[ToruListSu] = FloodY[k];
            }
        }
    }

    if (empties == 0 && ToruListSu == 0) {
        FloodFillOn(cur, x, y);
        if (FloodNoKuuOn(cur)) {
            Ban[x][y] = kAki;
            return kUtuSuicide;
        }
    }

    if (empties == 0 && ToruListSu == 1) {
        Point te, toru;
        int toruSu = 0;
        if (KouLastMove(te, toruSu, toru) && te.x > 0 && toruSu == 1 && te.x == ToruListX[1]
            && te.y == ToruListY[1] && toru.x == x && toru.y == y) {
            Ban[x][y] = kAki;
            return kUtuKou;
        }
    }

    Ban[x][y] = kAki;
    return kUtuOk;
}

int TGoban::Utu(int x, int y)
{
    const int code = CheckUtu(Tejun.NextColor(), x, y);
    if (code != kUtuOk)
        return code;
    // Playing while the record is stepped back replaces the moves after it.
    if (Tejun.Current() < Tejun.Last())
        Tejun.Truncate(Tejun.Current() + 1);
    if (Tejun.Add(x, y) < 0)
        return kUtuFull;
    Susumu();
    return kUtuOk;
}

bool TGoban::Pass()
{
    ToruListSu = 0;
    if (Tejun.Current() < Tejun.Last())
        Tejun.Truncate(Tejun.Current() + 1);
    if (Tejun.Add(0, 0) < 0)
        return false;
    Susumu();
    return true;
}

void TGoban::Susumu()
{
    if (Tejun.Current() >= Tejun.Last())
        return;
    Tejun.Forward();
    const Point p = Tejun.CurTe();
    if (p.x == 0)
        return;
    if (RenSabun == 1) {
        UtuRenUpdate(Tejun.Current());
        return;
    }
    Ban[p.x][p.y] = static_cast<std::uint8_t>(Tejun.CurColor());
    const int n = Tejun.ToruCount();
    for (int i = 1; i <= n; ++i) {
        const Point q = Tejun.ToruIsi(i);
        Ban[q.x][q.y] = kAki;
    }
}

void TGoban::Modosu()
{
    if (Tejun.Current() < 1)
        return;
    if (RenSabun == 1) {
        ModosuRenUpdate(Tejun.Current());
    } else {
        const Point p = Tejun.CurTe();
        if (p.x != 0) {
            const std::uint8_t back = static_cast<std::uint8_t>(Tejun.NextColor());
            const int n = Tejun.ToruCount();
            for (int i = 1; i <= n; ++i) {
                const Point q = Tejun.ToruIsi(i);
                Ban[q.x][q.y] = back;
            }
            Ban[p.x][p.y] = kAki;
        }
    }
    Tejun.Back();
}

void TGoban::Matta()
{
    Modosu();
    Tejun.Truncate(Tejun.Current() + 1);
}

// ---------------------------------------------------------------------------
// Incremental chain updates (while RenSabun = 1)

namespace {
// Appends n to list unless it is there already.
void AddUnique(Arr<int, 1, kMaxRen>& list, int& su, int n)
{
    if (n == 0)
        return;
    for (int i = 1; i <= su; ++i)
        if (list[i] == n)
            return;
    list[++su] = n;
}

Arr<int, 1, kMaxRen> g_listA;
Arr<int, 1, kMaxRen> g_listB;
} // namespace

void TGoban::UtuRenUpdate(int n)
{
    const Point p = Tejun.GetTe(n);
    if (p.x == 0)
        return;
    const int c = Tejun.TeColor(n);
    const int o = Aite(c);
    int suA = 0, suB = 0;

    // 1. Own chains next to p, and their neighbours.
    for (int d = 1; d <= 4; ++d) {
        const int nx = p.x + Dir4X[d], ny = p.y + Dir4Y[d];
        if (GetIro(nx, ny) == c)
            AddUnique(g_listA, suA, RenList.RenNo(nx, ny));
    }
    for (int i = 1; i <= suA; ++i) {
        const TRen* r = RenList.Items(g_listA[i]);
        if (r == nullptr)
            continue;
        for (int k = 1; k <= r->MrenCount(); ++k)
            AddUnique(g_listB, suB, r->Mren(k));
    }

    // 2. The stone joins them into one new chain.
    Ban[p.x][p.y] = static_cast<std::uint8_t>(c);
    for (int i = 1; i <= suA; ++i)
        RenList.DeleteRen(g_listA[i]);
    RenList.AddRen(p.x, p.y, RenList.NewNo());
    for (int i = 1; i <= suB; ++i)
        if (TRen* r = RenList.Items(g_listB[i]))
            r->Calc();

    // 3. Captured chains leave the board; their neighbours are recomputed.
    suA = 0;
    int suC = 0;
    const int toru = Tejun.ToruCountN(n);
    for (int i = 1; i <= toru; ++i) {
        const Point q = Tejun.ToruIsiN(n, i);
        AddUnique(g_listA, suA, RenList.RenNoPt(q));
    }
    for (int i = 1; i <= suA; ++i) {
        const TRen* r = RenList.Items(g_listA[i]);
        if (r == nullptr)
            continue;
        for (int k = 1; k <= r->MrenCount(); ++k)
            AddUnique(g_listB, suC, r->Mren(k));
    }
    for (int i = 1; i <= suA; ++i)
        RenList.DeleteRen(g_listA[i]);
    for (int i = 1; i <= toru; ++i) {
        const Point q = Tejun.ToruIsiN(n, i);
        Ban[q.x][q.y] = kAki;
    }

    // 4. The new chain, the enemy chains beside it, and those next to captures.
    if (TRen* r = RenList.RenAt(p.x, p.y))
        r->Calc();
    for (int d = 1; d <= 4; ++d) {
        const int nx = p.x + Dir4X[d], ny = p.y + Dir4Y[d];
        if (GetIro(nx, ny) == o)
            if (TRen* r = RenList.RenAt(nx, ny))
                r->Calc();
    }
    for (int i = 1; i <= suC; ++i)
        if (TRen* r = RenList.Items(g_listB[i]))
            r->Calc();
}

void TGoban::ModosuRenUpdate(int n)
{
    const Point p = Tejun.GetTe(n);
    if (p.x == 0)
        return;
    const int c = Tejun.TeColor(n);
    const int o = Aite(c);

    // 1. Lift the stone.
    Ban[p.x][p.y] = kAki;
    int k = 0;
    for (int d = 1; d <= 4; ++d)
        if (GetIro(p.x + Dir4X[d], p.y + Dir4Y[d]) == c)
            ++k;
    const int r = RenList.RenNo(p.x, p.y);

    // 2. The chain it belonged to shrinks or falls apart.
    int suNew = 0;
    if (k == 0) {
        RenList.DeleteRen(r);
    } else if (k == 1) {
        if (TRen* ren = RenList.Items(r)) {
            ren->DeleteIsi(p);
            RenList.ClearNoPt(p);
            ren->Calc();
        } else {
            RenList.ClearNoPt(p);
        }
    } else {
        RenList.DeleteRen(r);
        RenList.ClearNoPt(p);
        for (int d = 1; d <= 4; ++d) {
            const int nx = p.x + Dir4X[d], ny = p.y + Dir4Y[d];
            if (GetIro(nx, ny) == c && RenList.RenNo(nx, ny) == 0) {
                const int no = RenList.NewNo();
                if (RenList.AddRen(nx, ny, no))
                    g_listA[++suNew] = no;
            }
        }
    }

    // 3. The captured stones return.
    const int toru = Tejun.ToruCountN(n);
    for (int i = 1; i <= toru; ++i) {
        const Point q = Tejun.ToruIsiN(n, i);
        Ban[q.x][q.y] = static_cast<std::uint8_t>(o);
    }
    for (int d = 1; d <= 4; ++d) {
        const int nx = p.x + Dir4X[d], ny = p.y + Dir4Y[d];
        if (GetIro(nx, ny) == o && RenList.RenNo(nx, ny) == 0) {
            const int no = RenList.NewNo();
            if (RenList.AddRen(nx, ny, no))
                g_listA[++suNew] = no;
        }
    }

    // Recompute the chains beside p, the new chains and their neighbours.
    int suB = 0;
    for (int d = 1; d <= 4; ++d) {
        const int nx = p.x + Dir4X[d], ny = p.y + Dir4Y[d];
        const int col = GetIro(nx, ny);
        if (col == kKuro || col == kSiro)
            AddUnique(g_listB, suB, RenList.RenNo(nx, ny));
    }
    for (int i = 1; i <= suNew; ++i) {
        AddUnique(g_listB, suB, g_listA[i]);
    }
    for (int i = 1; i <= suNew; ++i) {
        if (TRen* ren = RenList.Items(g_listA[i])) {
            ren->Calc();
            for (int m = 1; m <= ren->MrenCount(); ++m)
                AddUnique(g_listB, suB, ren->Mren(m));
        }
    }
    for (int i = 1; i <= suB; ++i)
        if (TRen* ren = RenList.Items(g_listB[i]))
            ren->Calc();
}

// ---------------------------------------------------------------------------
// Position analysis

namespace {

// Scratch of the dead-chain marks: the cut pairs of one dead chain and the
// chains reached from one of its neighbours, with stamps per chain number.
constexpr int kMaxCutPair = 10;
Arr<int, 1, kMaxCutPair> g_cutA;
Arr<int, 1, kMaxCutPair> g_cutB;
int g_cutSu = 0;
Arr<int, 1, kMaxRen> g_reach;
Arr<std::uint32_t, 1, kMaxRen> g_reachMark{};
std::uint32_t g_reachStamp = 0;

bool IsCutPair(int a, int b)
{
    for (int i = 1; i <= g_cutSu; ++i)
        if ((g_cutA[i] == a && g_cutB[i] == b) || (g_cutA[i] == b && g_cutB[i] == a))
            return true;
    return false;
}

// The chains reachable from chain `start` through their links (TRen::Gren)
// without following a link between the two chains of a cut pair, into
// g_reach; answers their number.  Each chain is shown to stop(chain) in the
// order of g_reach before its links are followed; the fill ends early, with
// the chains so far, when stop answers true.
template <class Stop>
int GrenFloodCut(const TRenList& list, int start, Stop stop)
{
    if (++g_reachStamp == 0) {
        g_reachMark.Fill(0);
        g_reachStamp = 1;
    }
    int su = 0;
    g_reach[++su] = start;
    g_reachMark[start] = g_reachStamp;
    for (int i = 1; i <= su; ++i) {
        TRen* r = list.Items(g_reach[i]);
        if (r == nullptr)
            continue;
        if (stop(*r))
            return i;
        for (int k = 1; k <= r->GrenCount(); ++k) {
            const int g = r->Gren(k);
            if (list.Items(g) == nullptr || g_reachMark[g] == g_reachStamp || IsCutPair(g_reach[i], g))
                continue;
            g_reachMark[g] = g_reachStamp;
            g_reach[++su] = g;
        }
    }
    return su;
}

// The empty points of the board as rows: bit x of rows[y] for an empty
// (x, y), the border lines never empty.
using TEmptyRows = std::uint32_t[kMaxBoard + 2];
void EmptyRowsOf(const TGoban& b, TEmptyRows& rows)
{
    for (std::uint32_t& r : rows)
        r = 0;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            rows[y] |= static_cast<std::uint32_t>(b.Ban.v[x].v[y] == kAki) << x;
}

// The empty points of row y with no empty neighbour (least = 1) or with at
// most one (least = 2).
std::uint32_t EmptyWithFewEmpty(const TEmptyRows& rows, int y, int least)
{
    const std::uint32_t n = rows[y - 1], s = rows[y + 1], w = rows[y] << 1, e = rows[y] >> 1;
    const std::uint32_t any = n | s | w | e;
    const std::uint32_t two = (n & s) | (w & e) | ((n | s) & (w | e));
    return rows[y] & ~(least == 1 ? any : two);
}

} // namespace

void TGoban::Analyze()
{
    ++AnalyzeCount;
    for (int step = 1; step <= kAnalyzeSteps; ++step)
        AnalyzeStep(step);
}

const char* TGoban::AnalyzeStepName(int step)
{
    static constexpr const char* kNames[kAnalyzeSteps] = {
        "Ren",        "ToruTen",   "Kinsi",      "SelfAtari",  "LocateIro", "DeathMake",
        "Kankei",     "KuuIsi",    "Area",       "Gren",       "Gun",       "GunLocate",
        "Mgun",       "Ji",        "EvaluateJi", "JiMe",       "Kokyu",     "Death1",
        "Judge",      "DeathLevel", "MeBonus",   "DeathRenMark",
    };
    return step >= 1 && step <= kAnalyzeSteps ? kNames[step - 1] : "";
}

void TGoban::AnalyzeStep(int step)
{
    switch (step) {
    case 1: // Chains.
        RenList.Rebuild();
        break;
    case 2: // Capture, forbidden and self-atari points.
        ToruTenMake();
        break;
    case 3:
        KinsiMake();
        break;
    case 4:
        SelfAtariMake();
        break;
    case 5:
        // Eye verdicts and dead stones start empty, and so do the relation
        // records of every point.
        FillGrid<std::uint8_t, 1, 19>(KakemeMap, 0);
        FillGrid<std::uint8_t, 1, 19>(Death, 0);
        SetLocateIro();
        break;
    case 6: // Chains in atari that cannot be saved.
        DeathMake();
        break;
    case 7: // Stone relations.
        KankeiMakeAll();
        break;
    case 8: // Empty-point relations and the area map.
        KuuIsiMake();
        break;
    case 9:
        KuuIsiArea();
        break;
    case 10: // Chain links from the relations.
        GrenMake();
        break;
    case 11: // Groups.
        GunList.Clear();
        GunList.MakeAll();
        break;
    case 12: // Empty points related to each group.
        GunLocateMake();
        break;
    case 13: // Adjacent enemy groups.
        GunList.MakeMgunAll();
        break;
    case 14: // Regions and eyes.
        JiList.Clear();
        GunList.MakeJi();
        break;
    case 15:
        GunList.EvaluateJiAll();
        break;
    case 16:
        GunList.CalcJiMeAll();
        break;
    case 17: // Group judgement.
        GunList.MakeKokyuAll();
        break;
    case 18:
        GunList.Death1All();
        break;
    case 19:
        GunList.Judge();
        break;
    case 20:
        GunList.CalcDeathLevelAll();
        break;
    case 21:
        GunList.MeBonusAll();
        break;
    case 22: // Points that end-of-game counting takes off.
        DeathRenMarkMake();
        break;
    default:
        RangeError(step, 1, kAnalyzeSteps);
    }
}

void TGoban::ToruTenMake()
{
    FillGrid<std::uint8_t, 1, 19>(ToruTen[kKuro], 0);
    FillGrid<std::uint8_t, 1, 19>(ToruTen[kSiro], 0);
    for (int n = 1; n <= RenList.Count(); ++n) {
        TRen* r = RenList.Items(n);
        if (r == nullptr || !IsStone(r->GetIro()) || r->Kuu() != 1)
            continue;
        const Point q = r->GetKuu(1);
        ToruTen[Aite(r->GetIro())][q.x][q.y] = 1;
    }
}

void TGoban::KinsiMake()
{
    FillGrid<std::uint8_t, 1, 19>(Kinsi[kKuro], 0);
    FillGrid<std::uint8_t, 1, 19>(Kinsi[kSiro], 0);
    // Every stone is forbidden to both.
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            Kinsi.v[0].v[x - 1].v[y - 1] = Kinsi.v[1].v[x - 1].v[y - 1] = Ban.v[x].v[y] != kAki;
    // The empty points without an empty neighbour, in board order.
    TEmptyRows empty;
    EmptyRowsOf(*this, empty);
    for (int y = 1; y <= BoardSize; ++y)
        for (std::uint32_t m = EmptyWithFewEmpty(empty, y, 1); m != 0; m &= m - 1) {
            const int x = std::countr_zero(m);
            // Without an empty neighbour and without a capture (a capture is
            // legal but for a ko retake, which stays unmarked: the ko test
            // belongs to the move itself), the move test refuses c exactly
            // when no own chain beside the point has a liberty besides it.
            // The chains are fresh, so their liberty counts answer that.
            for (int c = kKuro; c <= kSiro; ++c) {
                if (ToruTen[c][x][y])
                    continue;
                bool breathes = false;
                for (int d = 1; d <= 4 && !breathes; ++d) {
                    const int nx = x + Dir4X[d], ny = y + Dir4Y[d];
                    if (GetIro(nx, ny) != c)
                        continue;
                    const TRen* r = RenList.RenAt(nx, ny);
                    breathes = r != nullptr && r->Kuu() >= 2;
                }
                Kinsi[c][x][y] = breathes ? 0 : 1;
            }
        }
}

namespace {

// The colours of the four neighbours of (x, y), a point on the board (its
// border lines hold kHen); answers how many are empty, the last of them in
// `first`.
int NeighbourColours(const TGoban& b, int x, int y, int (&col)[4], Point& first)
{
    int e = 0;
    for (int d = 0; d < 4; ++d) {
        const int nx = x + Dir4X.v[d], ny = y + Dir4Y.v[d];
        col[d] = b.Ban.v[nx].v[ny];
        if (col[d] == kAki) {
            ++e;
            first = Point(nx, ny);
        }
    }
    return e;
}

// c at p, where it captures nothing and has the e (0 or 1) empty neighbours
// that NeighbourColours found, leaves its chain with one liberty at most: the
// empty neighbour and the liberties of the own chains it joins, other than p
// itself.
bool SelfAtariWithoutCapture(const TRenList& list, int c, Point p, const int (&col)[4], int e, Point first)
{
    bool any = e == 1;
    for (int d = 0; d < 4; ++d) {
        TRen* r = col[d] == c ? list.RenAt(p.x + Dir4X.v[d], p.y + Dir4Y.v[d]) : nullptr;
        if (r == nullptr)
            continue;
        const std::span<const TBytePoint> kuu = r->KuuList();
        // Two liberties besides p at least.
        if (kuu.size() >= 3)
            return false;
        for (const TBytePoint lb : kuu) {
            const Point q = lb.Pt();
            if (q == p)
                continue;
            if (!any) {
                any = true;
                first = q;
            } else if (q != first) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

void TGoban::SelfAtariMake()
{
    FillGrid<std::uint8_t, 1, 19>(SelfAtari[kKuro], 0);
    FillGrid<std::uint8_t, 1, 19>(SelfAtari[kSiro], 0);
    // The empty points with at most one empty neighbour, in board order; the
    // neighbours' colours read once for both.
    TEmptyRows empty;
    EmptyRowsOf(*this, empty);
    for (int y = 1; y <= BoardSize; ++y)
        for (std::uint32_t m = EmptyWithFewEmpty(empty, y, 2); m != 0; m &= m - 1) {
            const int x = std::countr_zero(m);
            int col[4];
            Point first;
            const int e = NeighbourColours(*this, x, y, col, first);
            for (int c = kKuro; c <= kSiro; ++c) {
                if (Kinsi.v[c - 1].v[x - 1].v[y - 1])
                    continue;
                const bool self = ToruTen.v[c - 1].v[x - 1].v[y - 1]
                                      ? CheckSelfAtari(c, x, y)
                                      : SelfAtariWithoutCapture(RenList, c, Point(x, y), col, e, first);
                SelfAtari.v[c - 1].v[x - 1].v[y - 1] = self ? 1 : 0;
            }
        }
}

bool TGoban::CheckSelfAtari(int c, int x, int y)
{
    int col[4];
    Point first;
    int e = 0;
    if (OnBoard(x, y)) {
        e = NeighbourColours(*this, x, y, col, first);
    } else {
        for (int d = 0; d < 4; ++d) {
            col[d] = GetIro(x + Dir4X.v[d], y + Dir4Y.v[d]);
            if (col[d] == kAki) {
                ++e;
                first = Point(x + Dir4X.v[d], y + Dir4Y.v[d]);
            }
        }
    }
    if (e >= 2)
        return false;
    const Point p(x, y);
    const int o = Aite(c);
    if (!ToruTen[c][x][y])
        return SelfAtariWithoutCapture(RenList, c, p, col, e, first);

    // A capture: the own chains joined have no liberty but p, so the new
    // chain (p and those chains, stamped) breathes only through the
    // captured stones next to it; count them.
    if (e > 0)
        return false;
    const std::uint32_t own = NextCheckStamp();
    CheckMark[x][y] = own;
    for (int d = 1; d <= 4; ++d) {
        const int nx = x + Dir4X[d], ny = y + Dir4Y[d];
        if (GetIro(nx, ny) != c)
            continue;
        const TRen* r = RenList.RenAt(nx, ny);
        if (r == nullptr)
            continue;
        if (r->Kuu() > 1)
            return false;
        for (int i = 1; i <= r->IsiCount(); ++i)
            CheckMark[r->GetIsi(i).x][r->GetIsi(i).y] = own;
    }
    int breathing = 0;
    const TRen* seen[4] = {};
    for (int d = 1; d <= 4; ++d) {
        const int nx = x + Dir4X[d], ny = y + Dir4Y[d];
        if (GetIro(nx, ny) != o)
            continue;
        const TRen* r = RenList.RenAt(nx, ny);
        if (r == nullptr || r->Kuu() != 1 || r == seen[0] || r == seen[1] || r == seen[2] || r == seen[3])
            continue;
        seen[d - 1] = r;
        for (int i = 1; i <= r->IsiCount(); ++i) {
            const Point s = r->GetIsi(i);
            for (int k = 1; k <= 4; ++k)
                if (CheckMark[s.x + Dir4X[k]][s.y + Dir4Y[k]] == own) {
                    if (++breathing >= 2)
                        return false;
                    break;
                }
        }
    }
    return true;
}

bool TGoban::CheckSelfAtari2(int c, Point p)
{
    if (GetIroPt(p) != kAki)
        return false;
    int e = 0;
    for (int d = 1; d <= 4; ++d)
        e += GetIro(p.x + Dir4X[d], p.y + Dir4Y[d]) == kAki;
    return e < 2 && CheckSelfAtari(c, p.x, p.y);
}

void TGoban::DeathMake()
{
    for (int n = 1; n <= RenList.Count(); ++n) {
        TRen* r = RenList.Items(n);
        if (r == nullptr || !IsStone(r->GetIro()) || r->Kuu() != 1)
            continue;
        const int k = r->GetIro(), o = Aite(k);
        const Point l = r->GetKuu(1);
        if (!ToruTen[o][l.x][l.y] || ToruTen[k][l.x][l.y])
            continue;
        bool dead = false;
        // 1. Its owner cannot extend, and it cannot escape by a capture.
        if (SelfAtari[k][l.x][l.y] || Kinsi[k][l.x][l.y]) {
            bool counter = false;
            for (int i = 1; i <= r->MrenCount() && !counter; ++i) {
                const TRen* m = RenList.Items(r->Mren(i));
                counter = m != nullptr && m->Kuu() == 1;
            }
            dead = !counter;
        }
        // 2. A lone enemy stone in atari stands beside the liberty.
        for (int d = 1; d <= 4 && !dead; ++d) {
            const int nx = l.x + Dir4X[d], ny = l.y + Dir4Y[d];
            if (GetIro(nx, ny) != o)
                continue;
            const TRen* m = RenList.RenAt(nx, ny);
            dead = m != nullptr && m->IsiCount() == 1 && m->Kuu() == 1;
        }
        // 3. The liberty leads into a narrow passage of empty points.
        if (!dead) {
            int e = 0;
            bool narrow = true;
            for (int d = 1; d <= 4; ++d) {
                const int nx = l.x + Dir4X[d], ny = l.y + Dir4Y[d];
                if (GetIro(nx, ny) != kAki)
                    continue;
                ++e;
                int ee = 0;
                for (int k2 = 1; k2 <= 4; ++k2) {
                    const int c2 = GetIro(nx + Dir4X[k2], ny + Dir4Y[k2]);
                    ee += c2 == kAki;
                    if (c2 == k)
                        narrow = false;
                }
                if (ee >= 3)
                    narrow = false;
            }
            dead = e == 2 && narrow;
        }
        if (!dead)
            continue;
        r->SetDeath(1);
        for (int i = 1; i <= r->IsiCount(); ++i)
            Death[r->GetIsi(i).x][r->GetIsi(i).y] = 1;
    }
}

void TGoban::DeathRenMarkMake()
{
    FillGrid<std::uint8_t, 1, 19>(DeathRenMark, 0);

    // Chain pass: a dead chain whose last liberty is the only point of area
    // around it, when a neighbouring chain (with what it links to) has no
    // other point of area to breathe from.
    for (int n = 1; n <= RenList.Count(); ++n) {
        TRen* r = RenList.Items(n);
        if (r == nullptr || !IsStone(r->GetIro()) || !Death[r->GetIsi(1).x][r->GetIsi(1).y])
            continue;
        const int k = r->GetIro(), o = Aite(k);
        int areaSu = 0;
        Point l;
        for (int i = 1; i <= r->Kuu(); ++i)
            if (IsAreaKuu(r->GetKuu(i))) {
                ++areaSu;
                l = r->GetKuu(i);
            }
        // Nothing to mark without exactly one such liberty, nor when an
        // earlier chain marked it.
        if (areaSu != 1 || DeathRenMark[l.x][l.y])
            continue;

        // Cut pairs: two enemy chains at the corners of a crossing with a
        // live own stone, and the two enemy chains beside the liberty.
        g_cutSu = 0;
        for (int i = 0; i <= r->IsiCount(); ++i) {
            const Point s = i == 0 ? l : r->GetIsi(i);
            for (int d = 1; d <= 4; ++d) {
                const Point q(s.x + NanameX[d], s.y + NanameY[d]);
                if (GetIroPt(q) != k || Death[q.x][q.y])
                    continue;
                Point corner[2];
                CrossPts(s, q, corner);
                if (GetIroPt(corner[0]) != o || GetIroPt(corner[1]) != o)
                    continue;
                // Room is kept for the pair at the liberty.
                if (g_cutSu >= kMaxCutPair - 1)
                    break;
                ++g_cutSu;
                g_cutA[g_cutSu] = RenList.RenNoPt(corner[0]);
                g_cutB[g_cutSu] = RenList.RenNoPt(corner[1]);
            }
        }
        int side[4], sideSu = 0;
        for (int d = 1; d <= 4; ++d)
            if (GetIro(l.x + Dir4X[d], l.y + Dir4Y[d]) == o)
                side[sideSu++] = RenList.RenNo(l.x + Dir4X[d], l.y + Dir4Y[d]);
        if (sideSu == 2 && side[0] != side[1] && g_cutSu < kMaxCutPair) {
            ++g_cutSu;
            g_cutA[g_cutSu] = side[0];
            g_cutB[g_cutSu] = side[1];
        }

        // The chains reached are looked at in the order of the fill, which
        // stops at the first that breathes; once the liberty is marked, the
        // other neighbours can only mark it again.
        for (int i = 1; i <= r->MrenCount() && !DeathRenMark[l.x][l.y]; ++i) {
            const int m = r->Mren(i);
            int stones = 0;
            bool breathes = false;
            GrenFloodCut(RenList, m, [&](TRen& c) {
                stones += c.IsiCount();
                for (int v = 1; v <= c.Kuu() && !breathes; ++v) {
                    const Point q = c.GetKuu(v);
                    breathes = q != l && AreaMap[q.x][q.y] != 0 && KakemeMap[q.x][q.y] != 1;
                }
                return breathes;
            });
            if (!breathes && !(stones == 1 && SelfAtari[k][l.x][l.y]))
                DeathRenMark[l.x][l.y] = 1;
        }
    }

    // Group pass: a weak group in a capturing race, linked through a dead
    // group, with little area of its own and at most one dead neighbour:
    // the liberties of the weakest chain of its dead partners.
    for (int n = 1; n <= GunList.GetCount(); ++n) {
        const TGun& g = *GunList.GetGun(n);
        if (g.GetDeath() || g.GetSmai() != 1 || g.GetLinkSu() < 1 || g.GetMeSaved() >= 1)
            continue;
        int libs = 0;
        for (int i = 1; i <= g.GetFromSu(); ++i)
            libs += g.GetFromValue(i) == KankeiTonari && IsAreaKuu(g.GetFromB(i));
        if (libs >= 2)
            continue;
        int dead = 0;
        for (int i = 1; i <= g.GetMgunSu(); ++i)
            if (const TGun* m = GunList.GetGun(g.GetMgun(i)); m != nullptr && m->GetDeath())
                ++dead;
        if (dead >= 2)
            continue;
        TRen* weakest = nullptr;
        for (int i = 1; i <= g.GetSemeaiSu(); ++i) {
            const TGun* p = GunList.GetGun(g.GetSemeai(i));
            if (p == nullptr || !p->GetDeath())
                continue;
            for (int k = 1; k <= p->GetRenSu(); ++k) {
                TRen* r = RenList.Items(p->GetRen(k));
                if (r != nullptr && (weakest == nullptr || r->Kuu() < weakest->Kuu()))
                    weakest = r;
            }
        }
        if (weakest != nullptr)
            for (int i = 1; i <= weakest->Kuu(); ++i)
                DeathRenMark[weakest->GetKuu(i).x][weakest->GetKuu(i).y] = 1;
    }
}

bool TGoban::IsKakeme(int x, int y) const
{
    const int v = KakemeMap[x][y];
    if (v == 1 || v == 4)
        return true;
    if (v != 2)
        return false;
    const TJi* ji = JiList.GetJiAt(Point(x, y));
    return ji != nullptr && ji->GetMe() == 0;
}

bool TGoban::IsAreaKuu(Point p) const
{
    const int v = KakemeMap[p.x][p.y];
    return v != 1 && v != 4 && AreaMap[p.x][p.y] != 0;
}

bool TGoban::HasAkiNeighbour(int x, int y) const
{
    for (int d = 1; d <= 4; ++d)
        if (GetIro(x + Dir4X[d], y + Dir4Y[d]) == kAki)
            return true;
    return false;
}

bool TGoban::TonariAtari(int c, Point p)
{
    TGoban& b = CurGoban();
    b.RenMake();
    const int o = Aite(c);
    for (int d = 1; d <= 4; ++d) {
        const Point q(p.x + Dir4X[d], p.y + Dir4Y[d]);
        if (b.GetIroPt(q) != o)
            continue;
        const TRen* r = b.RenList.RenAtPt(q);
        if (r != nullptr && r->Kuu() == 1)
            return true;
    }
    return false;
}

int TGoban::ListDiagonalLive(Point p, int c, std::span<Point> list) const
{
    int su = 0;
    for (int d = 1; d <= 4; ++d) {
        const Point q(p.x + NanameX[d], p.y + NanameY[d]);
        if (GetIroPt(q) != c)
            continue;
        if (Death[q.x][q.y]) {
            const TGun* g = GunList.GetGunAt(q);
            if (g == nullptr || g->GetSmai() != 1)
                continue;
        }
        if (static_cast<std::size_t>(su) >= list.size())
            RangeError(su, 0, static_cast<long>(list.size()) - 1);
        list[static_cast<std::size_t>(su++)] = q;
    }
    return su;
}

// ---------------------------------------------------------------------------
// Point-pair list

int TGoban::PairAdd(Point p1, Point p2, int kind)
{
    if (PairNum >= kMaxPair)
        return 0;
    for (int i = 1; i <= PairNum; ++i)
        if (PairKindList[i] == kind
            && ((PairA[i] == p1 && PairB[i] == p2) || (PairA[i] == p2 && PairB[i] == p1)))
            return 1;
    ++PairNum;
    PairA[PairNum] = p2;
    PairB[PairNum] = p1;
    PairKindList[PairNum] = kind;
    PairFlags[PairNum] = 0;
    return PairNum;
}

int TGoban::PointAdd(Point p, int kind)
{
    if (PairNum >= kMaxPair)
        return kMaxPair;
    ++PairNum;
    PairA[PairNum] = p;
    PairB[PairNum] = Point();
    PairKindList[PairNum] = kind;
    PairFlags[PairNum] = 0;
    return PairNum;
}

void TGoban::PairSort()
{
    for (int i = 1; i < PairNum; ++i)
        for (int j = i + 1; j <= PairNum; ++j)
            if (PairKindList[i] > PairKindList[j]) {
                std::swap(PairKindList[i], PairKindList[j]);
                std::swap(PairA[i], PairA[j]);
                std::swap(PairB[i], PairB[j]);
            }
}

void TGoban::PairFlagsClear()
{
    for (int i = 1; i <= PairNum; ++i)
        PairFlags[i] = 0;
}

bool TGoban::HasPair(Point p, Point q) const
{
    for (int i = 1; i <= PairNum; ++i)
        if ((PairA[i] == p && PairB[i] == q) || (PairA[i] == q && PairB[i] == p))
            return true;
    return false;
}

bool TGoban::CheckChains(std::string* why) const
{
    auto fail = [why](Point p, const std::string& what) {
        if (why != nullptr)
            *why = "chain at " + GtpVertex(p) + ": " + what;
        return false;
    };
    Grid<std::uint8_t, 0, 20> seen{};
    Grid<std::uint8_t, 0, 20> counted{};
    std::vector<Point> stones;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = Ban[x][y];
            if ((c != kKuro && c != kSiro) || seen[x][y])
                continue;
            // The stones connected to (x, y), their liberties and their
            // opponent neighbours, each point counted once.
            FillGrid<std::uint8_t, 0, 20>(counted, 0);
            stones.assign(1, Point(x, y));
            seen[x][y] = 1;
            int kuu = 0, aite = 0;
            for (std::size_t i = 0; i < stones.size(); ++i)
                for (int d = 1; d <= 4; ++d) {
                    const Point q = Dir4Pt(stones[i], d);
                    const int n = GetIroPt(q);
                    if (n == c) {
                        if (!seen[q.x][q.y]) {
                            seen[q.x][q.y] = 1;
                            stones.push_back(q);
                        }
                    } else if ((n == kAki || n == Aite(c)) && !counted[q.x][q.y]) {
                        counted[q.x][q.y] = 1;
                        ++(n == kAki ? kuu : aite);
                    }
                }
            const TRen* r = RenList.RenAt(x, y);
            if (r == nullptr)
                return fail(Point(x, y), "no chain in the list");
            if (r->GetIro() != c)
                return fail(Point(x, y), "listed with colour " + std::to_string(r->GetIro()));
            if (r->IsiCount() != static_cast<int>(stones.size()))
                return fail(Point(x, y), std::to_string(r->IsiCount()) + " stones listed, "
                                             + std::to_string(stones.size()) + " on the board");
            for (const Point q : stones)
                if (RenList.RenNoPt(q) != r->GetNo())
                    return fail(q, "a stone listed in another chain");
            if (r->Kuu() != kuu)
                return fail(Point(x, y), std::to_string(r->Kuu()) + " liberties listed, " + std::to_string(kuu)
                                             + " on the board");
            if (r->Count(Aite(c)) != aite)
                return fail(Point(x, y), std::to_string(r->Count(Aite(c))) + " opponent neighbours listed, "
                                             + std::to_string(aite) + " on the board");
        }
    for (int n = 1; n <= RenList.Count(); ++n) {
        const TRen* r = RenList.Items(n);
        if (r == nullptr || (r->GetIro() != kKuro && r->GetIro() != kSiro))
            continue;
        for (int i = 1; i <= r->IsiCount(); ++i) {
            const Point q = r->GetIsi(i);
            if (!OnBoardPt(q) || Ban[q.x][q.y] != r->GetIro() || RenList.RenNoPt(q) != n)
                return fail(q, "chain " + std::to_string(n) + " lists a stone that is not its own");
        }
    }
    return true;
}

} // namespace vorn
