#include "board/Goban.h"

#include <cstring>

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

namespace {
// Orthogonal steps in the shared order: up, right, down, left.
constexpr int kDx4[4] = {0, 1, 0, -1};
constexpr int kDy4[4] = {-1, 0, 1, 0};
} // namespace

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
    for (int i = 1; i <= kMaxLevel; ++i) {
        GobanLv[i]->CopyBan(*GobanLv[0]);
        GobanLv[i]->RenList.Clear();
    }
    RenSabun = 0;
}

// ---------------------------------------------------------------------------
// Flood fill

int FloodFillOn(const TGoban& b, int x, int y)
{
    const int edge = BoardSize + 1;
    for (int i = 0; i <= edge; ++i)
        std::memset(FloodVisited[i].v, 0, static_cast<std::size_t>(edge + 1));
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
            for (int d = 0; d < 4; ++d) {
                const int nx = px + kDx4[d];
                const int ny = py + kDy4[d];
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
        for (int d = 0; d < 4; ++d)
            if (b.GetIro(px + kDx4[d], py + kDy4[d]) == kAki)
                return false;
    }
    return true;
}

bool FloodNoKuu() { return FloodNoKuuOn(CurGoban()); }

// ---------------------------------------------------------------------------
// TGoban

TGoban::TGoban() : RenList(this)
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
    if (x < 0 || y < 0 || x > BoardSize || y > BoardSize || colour < 0 || colour > 2)
        return;
    Ban[x][y] = static_cast<std::uint8_t>(colour);
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
    for (int d = 0; d < 4; ++d)
        if (cur.GetIro(x + kDx4[d], y + kDy4[d]) == kAki)
            ++empties;

    ToruListSu = 0;
    if (++CheckStamp == 0) {
        for (auto& col : CheckMark)
            col.Fill(0);
        CheckStamp = 1;
    }
    for (int d = 0; d < 4; ++d) {
        const int nx = x + kDx4[d];
        const int ny = y + kDy4[d];
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
    for (int d = 0; d < 4; ++d) {
        const int nx = p.x + kDx4[d], ny = p.y + kDy4[d];
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
    for (int d = 0; d < 4; ++d) {
        const int nx = p.x + kDx4[d], ny = p.y + kDy4[d];
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
    for (int d = 0; d < 4; ++d)
        if (GetIro(p.x + kDx4[d], p.y + kDy4[d]) == c)
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
        for (int d = 0; d < 4; ++d) {
            const int nx = p.x + kDx4[d], ny = p.y + kDy4[d];
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
    for (int d = 0; d < 4; ++d) {
        const int nx = p.x + kDx4[d], ny = p.y + kDy4[d];
        if (GetIro(nx, ny) == o && RenList.RenNo(nx, ny) == 0) {
            const int no = RenList.NewNo();
            if (RenList.AddRen(nx, ny, no))
                g_listA[++suNew] = no;
        }
    }

    // Recompute the chains beside p, the new chains and their neighbours.
    int suB = 0;
    for (int d = 0; d < 4; ++d) {
        const int nx = p.x + kDx4[d], ny = p.y + kDy4[d];
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

} // namespace vorn
