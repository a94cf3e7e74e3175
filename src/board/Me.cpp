// Eye values of regions and the eye shapes they are judged by: vital points
// that divide an eye space, and the shapes that enemy stones inside it leave.
#include "board/Me.h"

#include <cstring>

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Jisho.h"
#include "board/KuuIsi.h"

namespace vorn {

Grid<std::uint8_t, 0, 20> JiMarkMap{};

namespace {

inline bool InGrid(Point p) { return p.x >= 0 && p.y >= 0 && p.x <= 20 && p.y <= 20; }

// The empty neighbours of the false-eye points of the region under study.
// Every point is listed at most once, so the list never runs out of room.
Arr<Point, 1, kMaxPoints> KakemeNeighbourList;
int KakemeNeighbourSu = 0;

// The parts of PartValue, by point: the part a point belongs to, stamped.
Grid<std::uint32_t, 0, 20> PartMark{};
std::uint32_t PartStamp = 0;

std::uint32_t NextPartStamp()
{
    if (++PartStamp == 0) {
        for (auto& col : PartMark)
            col.Fill(0);
        PartStamp = 1;
    }
    return PartStamp;
}

// While a region looks for its vital points, the work map keeps the region
// marked between its PartValue calls: only the point each call takes out
// changes, and the map ends as the last call left it.
struct TPartMarks;
TPartMarks* g_partMarks = nullptr;
struct TPartMarks {
    const TJi* Ji;
    bool Marked = false;
    Point Cleared;
    TPartMarks* Outer;
    explicit TPartMarks(const TJi& ji) : Ji(&ji), Outer(g_partMarks) { g_partMarks = this; }
    ~TPartMarks() { g_partMarks = Outer; }
    TPartMarks(const TPartMarks&) = delete;
    TPartMarks& operator=(const TPartMarks&) = delete;
};

// The index of each point of the region under study (0 elsewhere).
Grid<std::uint8_t, 0, 20> g_partIndex{};

// The largest part whose points the value rules look at.
constexpr int kPartPoints = 10;

// The largest enemy chain whose shapes are classed: bigger ones make seki.
constexpr int kMaxShapeRen = 8;
// A chain of n stones has at most 2n + 2 liberties; a shape is the stones
// and all liberties but one.
constexpr int kMaxShape = kMaxShapeRen + 2 * kMaxShapeRen + 1;

} // namespace

// ---------------------------------------------------------------------------
// Eye value of a region

namespace {
// The TJiMeOnce in force (0 none), and by region number the one each value
// was worked out under.
std::uint32_t g_meOnce = 0;
std::uint32_t g_meOnceLast = 0;
Arr<std::uint32_t, 1, kMaxJi> g_meOnceMark{};

std::uint32_t NextMeOnce()
{
    if (++g_meOnceLast == 0) {
        g_meOnceMark.Fill(0);
        g_meOnceLast = 1;
    }
    return g_meOnceLast;
}
} // namespace

TJiMeOnce::TJiMeOnce() : Outer(g_meOnce) { g_meOnce = NextMeOnce(); }

// An enclosing scope starts afresh: the inner one may have replaced a verdict
// that its kept values read.
TJiMeOnce::~TJiMeOnce() { g_meOnce = Outer == 0 ? 0 : NextMeOnce(); }

int TJi::CalcMe()
{
    if (g_meOnce == 0 || JiNo < 1 || JiNo > kMaxJi)
        return CalcMeNow();
    if (g_meOnceMark[JiNo] == g_meOnce)
        return Me;
    const int me = CalcMeNow();
    // Kept under the mark in force after the work: one that it replaced came
    // from the region's own single point, which its value does not read.
    g_meOnceMark[JiNo] = g_meOnce;
    return me;
}

int TJi::CalcMeNow()
{
    const TGoban& b = *Owner;
    const int J = Jisu, B = Border, KS = KakemeSu, KK = KakemeKamoSu, K = Kakeme;
    const int inner = J - B - KS;
    const int c = JiIro, o = Aite(c);
    auto done = [this](int v) {
        Me = v;
        return v;
    };

    if (K == kKakemeYes)
        return done(0);
    if (K == kKakemeKamo) {
        if (J == 2 && KS + KK == 2)
            return done(0);
        return done(B == 0 ? 1 : 0);
    }
    if (J == 1) {
        const Point p = GetYoso(1);
        if (B == 1) {
            int open = 0;
            Point q;
            for (int d = 1; d <= 4; ++d)
                if (b.GetIroPt(Dir4Pt(p, d)) == kAki) {
                    ++open;
                    q = Dir4Pt(p, d);
                }
            bool shut = false;
            if (open == 1) {
                int enemy = 0, own = 0;
                for (int d = 1; d <= 4; ++d) {
                    const int col = b.GetIroPt(Dir4Pt(q, d));
                    enemy += col == o;
                    own += col == c;
                }
                shut = enemy >= 2 && own == 0;
            }
            if (CountAreaNeighbour(p, 0) >= 2 || shut) {
                // The values kept so far may have read the verdict replaced.
                const int was = b.GetKakeme(p.x, p.y);
                if (g_meOnce != 0 && (was == kKakemeYes || was == kKakemeKamo))
                    g_meOnce = NextMeOnce();
                Owner->SetKakemePt(p, kKakemeNotMe);
                return done(0);
            }
            if (open == 1 && Pts[1].IsiMark) {
                const TRen* r = b.RenList.RenAtPt(p);
                if (r != nullptr && r->GetDeath())
                    return done(2);
            }
            return done(1);
        }
        if (Pts[1].IsiMark)
            return done(0);
        return done(b.IsToruTenPt(o, p) ? 1 : 2);
    }
    if (J == 2) {
        if (KS == 2)
            return done(0);
        if (B == 2)
            return done(1);
        if (KK >= 2)
            return done(0);
        if (KK == 1 && B == 1)
            return done(1);
        return done(2);
    }
    if (J == 3 && KS == 1 && KK == 1)
        return done(1);
    if (J == B)
        return done(0);
    if (inner >= 8)
        return done(6);
    if (J >= 10)
        return done(4);

    MakePartLocate();
    switch (PartLocateSu) {
    case 0: {
        const int s = ShapeCheck();
        if (s == 0)
            return done(4);
        if (s == 2)
            return done(3);
        if (Kuu3Su >= 2)
            return done(4);
        if (inner == 6 || inner == 7)
            return done(Kuu3Su == 1 ? 3 : 2);
        if (J < 8 || inner < 4)
            return done(2);
        return done(3);
    }
    case 1:
        return done(b.IsKinsiPt(o, PartLocate[1]) ? 4 : 3);
    case 2:
        return done(J <= 5 && B >= 3 ? 3 : 4);
    case 3:
        return done(4);
    default:
        return done(5);
    }
}

// ---------------------------------------------------------------------------
// Vital points

void TJi::MakeKakemeNeighbourList() const
{
    const TGoban& b = *Owner;
    KakemeNeighbourSu = 0;
    for (int i = 1; i <= Jisu; ++i) {
        if (Pts[i].Kind != kKakemeYes)
            continue;
        for (int d = 1; d <= 4; ++d) {
            const Point q = Dir4Pt(GetYoso(i), d);
            if (b.GetIroPt(q) == kAki && !InKakemeNeighbourList(q))
                KakemeNeighbourList[++KakemeNeighbourSu] = q;
        }
    }
}

int InKakemeNeighbourList(Point p)
{
    for (int i = 1; i <= KakemeNeighbourSu; ++i)
        if (KakemeNeighbourList[i] == p)
            return 1;
    return 0;
}

int IsKuu3PointEx(Point p, int colour)
{
    const TGoban& b = CurGoban();
    int open = 0, firm = 0;
    for (int d = 1; d <= 4; ++d) {
        const Point q = Dir4Pt(p, d);
        const int col = b.GetIroPt(q);
        if (col != kAki && col != colour)
            continue;
        ++open;
        const int a = AreaMap[q.x][q.y];
        const int k = b.GetKakeme(q.x, q.y);
        if ((a < -1 || a > 1) && k != kKakemeYes && k != kKakemeKamo && !InKakemeNeighbourList(q))
            ++firm;
        // Three open sides need at least three firm ones.
        if (open - firm > 1)
            return 0;
    }
    return open >= 3 && firm >= 3 ? 1 : 0;
}

void TJi::MakePartLocate()
{
    const TGoban& b = *Owner;
    const int c = JiIro, o = Aite(c);
    PartLocateSu = 0;
    for (int i = 1; i <= Jisu; ++i)
        Pts[i].Bunkatu = kBunkatuNone;
    MakeKakemeNeighbourList();
    // The region stays marked in the work map from one PartValue to the next.
    const TPartMarks marks(*this);
    // A small region finds its parts on the graph of its own points.
    const bool small = Jisu <= 32;
    Arr<Arr<std::uint8_t, 0, 3>, 1, 32> adj;
    if (small) {
        // The region's points by index in a scratch map (a region point
        // lies on the board), cleared again after.
        for (int i = 1; i <= Jisu; ++i)
            g_partIndex[Pts[i].x][Pts[i].y] = static_cast<std::uint8_t>(i);
        for (int i = 1; i <= Jisu; ++i)
            for (int d = 0; d < 4; ++d)
                adj[i][d] = g_partIndex.v[Pts[i].x + Dir4X.v[d]].v[Pts[i].y + Dir4Y.v[d]];
        for (int i = 1; i <= Jisu; ++i)
            g_partIndex[Pts[i].x][Pts[i].y] = 0;
    }
    int lastPart = 0;
    for (int i = 1; i <= Jisu; ++i) {
        const Point p = GetYoso(i);
        if (Pts[i].IsiMark || Pts[i].Kind == kKakemeYes || b.IsKinsi(c, p.x, p.y))
            continue;
        // The open sides (empty or the opponent's) by colour, eight bits a
        // colour (a region point lies on the board, its neighbours on the
        // board or the border lines): a vital point has three, a point
        // that parts the region two.
        const auto& ban = b.Ban;
        const unsigned n = (1u << (8 * ban.v[p.x].v[p.y - 1])) + (1u << (8 * ban.v[p.x + 1].v[p.y]))
                           + (1u << (8 * ban.v[p.x].v[p.y + 1])) + (1u << (8 * ban.v[p.x - 1].v[p.y]));
        const int enemy = static_cast<int>(n >> (8 * o) & 0xff);
        const int open = static_cast<int>(n & 0xff) + enemy;
        if (open < 2)
            continue;
        bool vital = open >= 3 && IsKuu3PointEx(p, o) != 0;
        if (!vital) {
            int pressure = enemy;
            for (int d = 0; d < 4; ++d) {
                const int qx = p.x + Dir4X.v[d], qy = p.y + Dir4Y.v[d];
                pressure += ban.v[qx].v[qy] == kAki && AreaMap.v[qx].v[qy] != 0;
            }
            if (pressure < 2)
                continue;
            int v;
            if (small) {
                v = PartValueAt(i, adj);
                lastPart = i;
            } else {
                v = PartValue(p);
            }
            if (v >= 4) {
                Pts[i].Bunkatu = kBunkatuP;
                vital = true;
            } else if (v == 3) {
                Pts[i].Bunkatu = kBunkatuQ;
            }
        }
        if (vital && PartLocateSu < kMaxPartLocate)
            PartLocate[++PartLocateSu] = p;
    }
    // The work map as PartValue leaves it: the region marked but the last
    // point looked at.
    if (lastPart != 0) {
        MarkPoints();
        JiMarkMap[Pts[lastPart].x][Pts[lastPart].y] = 0;
    }
}

int TJi::PartValueAt(int i, const Arr<Arr<std::uint8_t, 0, 3>, 1, 32>& adj)
{
    const TGoban& b = *Owner;
    const int o = Aite(JiIro);
    const Point p = GetYoso(i);
    // The points of the parts found, by index; a part is filled breadth
    // first in the direction order, as PartFloodFill fills it.
    std::uint32_t taken = 0;
    int parts = 0, value = 0;
    for (int d = 0; d < 4 && parts < 4; ++d) {
        const int j = adj.v[i - 1].v[d];
        // Parts lie inside this region: a neighbour outside it starts none.
        // A neighbour inside it lies on the board.
        if (j == 0 || (taken >> j & 1))
            continue;
        const Point q(p.x + Dir4X.v[d], p.y + Dir4Y.v[d]);
        const int col = b.Ban.v[q.x].v[q.y];
        if ((col != kAki && col != o) || AreaMap.v[q.x].v[q.y] == 0)
            continue;
        int queue[33];
        int su = 0;
        queue[su++] = j;
        std::uint32_t seen = std::uint32_t{1} << j | std::uint32_t{1} << i;
        for (int k = 0; k < su; ++k)
            for (int e = 0; e < 4; ++e) {
                const int n = adj.v[queue[k] - 1].v[e];
                if (n == 0 || (seen >> n & 1))
                    continue;
                seen |= std::uint32_t{1} << n;
                queue[su++] = n;
            }
        TPartPoint pts[kPartPoints];
        const int size = su < kPartPoints ? su : kPartPoints;
        for (int k = 0; k < su; ++k) {
            const int n = queue[k];
            taken |= std::uint32_t{1} << n;
            if (k < kPartPoints) {
                const TJiPt& r = Pts.v[n - 1];
                pts[k] = TPartPoint{Point(r.x, r.y), r.Kind, r.Kuu3Mark};
            }
        }
        ++parts;
        value += PartPointValue(size, pts);
    }
    return value;
}

void TJi::MarkPoints() const
{
    std::memset(&JiMarkMap, 0, sizeof(JiMarkMap));
    for (int i = 1; i <= Jisu; ++i)
        JiMarkMap[Pts[i].x][Pts[i].y] = 1;
}

int TJi::PartValue(Point p)
{
    const TGoban& b = *Owner;
    const int o = Aite(JiIro);
    // The region marked in the work map but p: made afresh unless the
    // caller keeps it marked for this region (TPartMarks).
    if (g_partMarks != nullptr && g_partMarks->Ji == this) {
        if (g_partMarks->Marked)
            JiMarkMap[g_partMarks->Cleared.x][g_partMarks->Cleared.y] = 1;
        else
            MarkPoints();
        g_partMarks->Marked = true;
        g_partMarks->Cleared = p;
    } else {
        MarkPoints();
    }
    JiMarkMap[p.x][p.y] = 0;
    const std::uint32_t stamp = NextPartStamp();
    int parts = 0, value = 0;
    for (int d = 1; d <= 4 && parts < 4; ++d) {
        const Point q = Dir4Pt(p, d);
        const int col = b.GetIroPt(q);
        // Parts lie inside this region: a neighbour outside it starts none.
        if ((col != kAki && col != o) || AreaMap[q.x][q.y] == 0 || JiMarkMap[q.x][q.y] == 0)
            continue;
        if (PartMark[q.x][q.y] == stamp)
            continue;
        const int su = PartFloodFill(q);
        TPartPoint pts[kPartPoints];
        const int size = su < kPartPoints ? su : kPartPoints;
        for (int k = 1; k <= su; ++k) {
            PartMark[FloodX[k]][FloodY[k]] = stamp;
            if (k <= kPartPoints) {
                const Point r(FloodX[k], FloodY[k]);
                pts[k - 1] = TPartPoint{r, GetKindPt(r), GetKuu3MarkPt(r)};
            }
        }
        ++parts;
        value += PartPointValue(size, pts);
    }
    return value;
}

// The eye value of one part of a divided region, by its size and marks.
int TJi::PartPointValue(int size, const TPartPoint* pts)
{
    const TGoban& b = *Owner;
    int y = 0, a = 0;
    for (int k = 0; k < size; ++k) {
        y += pts[k].Kind == kKakemeYes;
        a += pts[k].Kuu3 != 0;
    }
    if (size == 1) {
        const int kind = pts[0].Kind;
        if (kind == kKakemeYes)
            return 0;
        if (kind == kKakemeKamo || a > 0)
            return 1;
        return 2;
    }
    if (size == 2) {
        if (y > 0)
            return a == 0 ? 1 : 0;
        return a <= 1 ? 2 : 0;
    }
    if (size == 3) {
        if (y == 0 && a == 0)
            return b.GetIroPt(MiddleOfThree(pts[0].P, pts[1].P, pts[2].P)) == kAki ? 3 : 2;
        if (y == 1) {
            for (int k = 0; k < 3; ++k)
                if (pts[k].Kind == kKakemeYes)
                    return IsStone(b.GetIroPt(pts[k].P)) ? 1 : 2;
        }
        return a == 1 || a == 2 ? 2 : 0;
    }
    for (int k = 0; k < size; ++k)
        if (pts[k].Kind != kKakemeYes)
            return 2;
    return 0;
}

int PartFloodFill(Point p)
{
    const int v = JiMarkMap[p.x][p.y];
    return FloodFillBy(p, [v](Point, Point q) { return v != 0 && JiMarkMap[q.x][q.y] == v; });
}

Point MiddleOfThree(Point a, Point b, Point c)
{
    auto mid = [](int u, int v, int w) {
        const int lo = u < v ? (u < w ? u : w) : (v < w ? v : w);
        const int hi = u > v ? (u > w ? u : w) : (v > w ? v : w);
        return (lo + hi) / 2;
    };
    if (a.x == b.x && b.x == c.x)
        return Point(a.x, mid(a.y, b.y, c.y));
    if (a.y == b.y && b.y == c.y)
        return Point(mid(a.x, b.x, c.x), a.y);
    const int x = (a.x == b.x || a.x == c.x) ? a.x : b.x;
    const int y = (a.y != b.y && a.y != c.y) ? b.y : a.y;
    return Point(x, y);
}

// ---------------------------------------------------------------------------
// Stones inside a region

int TJi::ShapeCheck()
{
    Seki = 0;
    if (Jisu >= 10)
        return 1;
    const int stones = CountIsi();
    if (stones < 2 || stones > 8)
        return 1;
    const TRenList& list = Owner->RenList;
    int ren = 0;
    for (int i = 1; i <= Jisu; ++i) {
        if (!Pts[i].IsiMark)
            continue;
        const int no = list.RenNoPt(GetYoso(i));
        if (ren == 0)
            ren = no;
        else if (no != ren)
            return 1;
    }
    const int s = RenShapeClass(ren);
    if (s == 4) {
        Seki = 1;
        return 0;
    }
    return s == 3 ? 2 : 1;
}

int RenShapeClass(int renNo)
{
    TRen* r = CurGoban().RenList.Items(renNo);
    if (r == nullptr)
        return 2;
    if (r->IsiCount() > kMaxShapeRen)
        return 4;
    const int libs = r->Kuu();
    if (libs == 0)
        return 3;
    Point shape[kMaxShape];
    for (int l = 1; l <= libs; ++l) {
        int n = 0;
        for (int i = 1; i <= r->IsiCount(); ++i)
            shape[n++] = r->GetIsi(i);
        for (int k = 1; k <= libs; ++k)
            if (k != l)
                shape[n++] = r->GetKuu(k);
        if (ShapeEyeClass(std::span<const Point>(shape, static_cast<std::size_t>(n)), n) <= 3)
            return 2;
    }
    return 4;
}

int ShapeEyeClass(std::span<const Point> points, int n)
{
    if (n <= 2)
        return 2;
    if (n == 3)
        return 3;
    if (n == 4 && IsBentFourCorner(points.first(4)))
        return 3;
    std::memset(&JiMarkMap, 0, sizeof(JiMarkMap));
    for (int i = 0; i < n; ++i)
        JiMarkMap[points[static_cast<std::size_t>(i)].x][points[static_cast<std::size_t>(i)].y] = 1;
    int dividing = 0;
    for (int i = 0; i < n; ++i) {
        const Point p = points[static_cast<std::size_t>(i)];
        JiMarkMap[p.x][p.y] = 0;
        dividing += IsDividingPoint(p);
        JiMarkMap[p.x][p.y] = 1;
        if (dividing >= 2)
            return 4;
    }
    return dividing == 1 ? 3 : 2;
}

int ListMarkedNeighbours(Point p, std::span<Point> list)
{
    int n = 0;
    for (int d = 1; d <= 4; ++d) {
        const Point q = Dir4Pt(p, d);
        if (!InGrid(q) || JiMarkMap[q.x][q.y] != 1)
            continue;
        if (static_cast<std::size_t>(n) >= list.size())
            RangeError(n, 0, static_cast<long>(list.size()) - 1);
        list[static_cast<std::size_t>(n++)] = q;
    }
    return n;
}

int IsDividingPoint(Point p)
{
    Point nb[4];
    const int n = ListMarkedNeighbours(p, nb);
    if (n == 0)
        return 0;
    // The whole part of the first neighbour: a further neighbour outside it
    // lies in another part.
    const int su = PartFloodFill(nb[0]);
    for (int j = 1; j < n; ++j) {
        bool inPart = false;
        for (int k = 1; k <= su && !inPart; ++k)
            inPart = FloodX[k] == nb[j].x && FloodY[k] == nb[j].y;
        if (!inPart)
            return 1;
    }
    return 0;
}

int IsBentFourCorner(std::span<const Point> points)
{
    if (points.size() != 4)
        return 0;
    const int n = BoardSize;
    auto isCorner = [n](Point p) { return (p.x == 1 || p.x == n) && (p.y == 1 || p.y == n); };
    int corner = -1;
    for (int i = 0; i < 4; ++i) {
        const Point p = points[static_cast<std::size_t>(i)];
        if (LineNoPt(p) != 1)
            return 0;
        if (corner < 0 && isCorner(p))
            corner = i;
    }
    if (corner < 0)
        return 0;
    // Sides: 1 top, 2 bottom, 4 left, 8 right.
    int sides = 0;
    for (int i = 0; i < 4; ++i) {
        if (i == corner)
            continue;
        const Point p = points[static_cast<std::size_t>(i)];
        sides |= (p.y == 1 ? 1 : 0) | (p.y == n ? 2 : 0) | (p.x == 1 ? 4 : 0) | (p.x == n ? 8 : 0);
    }
    const int count = (sides & 1) + ((sides >> 1) & 1) + ((sides >> 2) & 1) + ((sides >> 3) & 1);
    return count == 2 ? 1 : 0;
}

void MeReset()
{
    std::memset(&JiMarkMap, 0, sizeof(JiMarkMap));
    KakemeNeighbourSu = 0;
}

} // namespace vorn
