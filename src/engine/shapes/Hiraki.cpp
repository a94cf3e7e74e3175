#include "engine/shapes/Hiraki.h"

#include <cstdlib>
#include <span>

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Jisho.h"
#include "board/KuuIsi.h"
#include "board/Locate.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

Arr<Point, 1, kMaxKankei6Gap> Kankei6GapList{};
int Kankei6GapCount = 0;
Grid<std::uint8_t, 1, 19> Kankei6Skip{};

namespace {

// Stones an extension point may reach at its shape.
constexpr int kMaxTargets = 10;
// Candidates of the region invasion.
constexpr int kMaxJiPoints = 20;
// A region smaller than this is not invaded.
constexpr int kJiUtikomiSize = 20;
// The diagonal's bonus on the side of a two-space jump.
constexpr int kGapBonus = 4;
constexpr int kGapBonusFrom = 9;
// The opponent's reply that the diagonal looks at from here on.
constexpr int kDiagonalReply = 16;
// An invasion of the opponent's area costs this much.
constexpr int kAreaInvasionCost = 20;
// HirakiTobiTe's From points per kind.
constexpr int kMaxHiraki = 4;

bool Empty(Point p) { return IroOf(p) == kAki; }

// --- The extension shapes, as data ------------------------------------------------

enum class TBuild : std::uint8_t { None, Diag, Rows, Strip3, Strip5 };

// Cells lo..hi of a box laid from the extension point toward its stone by a
// builder that writes cells 0..high.
struct TCells {
    TBuild build = TBuild::None;
    int high = 0, lo = 0, hi = -1;
};

struct TExtension {
    int kind;
    TCells free1, free2; // must hold no opponent's stone
    TCells marks;        // go on the skip board
    bool knight;         // the knight's move's own tests and value
};

constexpr TExtension kExtensions[] = {
    {KankeiKeima14, {TBuild::Diag, 9, 0, 9}, {}, {TBuild::Rows, 9, 2, 7}, false},
    {Kankei3ken, {TBuild::Strip3, 14, 0, 14}, {TBuild::Strip5, 9, 2, 7}, {TBuild::Strip3, 14, 3, 11}, false},
    {KankeiOgeima, {TBuild::Diag, 7, 2, 5}, {}, {TBuild::Rows, 7, 2, 5}, false},
    {Kankei2ken, {TBuild::Strip3, 11, 0, 11}, {TBuild::Strip5, 7, 2, 5}, {TBuild::Strip3, 11, 3, 8}, false},
    {KankeiKeima, {TBuild::Diag, 5, 1, 4}, {}, {}, true},
};

// Calls f(point) for the cells of the box between e and t.
template <class F>
void ForCells(const TCells& c, Point e, Point t, F&& f)
{
    if (c.build == TBuild::None)
        return;
    Point box[15];
    const auto span = std::span<Point>(box, static_cast<std::size_t>(c.high) + 1);
    switch (c.build) {
    case TBuild::Diag:
        BetweenDiag(e, t, span);
        break;
    case TBuild::Rows:
        BetweenRows(e, t, span);
        break;
    case TBuild::Strip3:
        BetweenStrip3(e, t, span);
        break;
    case TBuild::Strip5:
        BetweenStrip5(e, t, span);
        break;
    case TBuild::None:
        break;
    }
    for (int i = c.lo; i <= c.hi; ++i)
        f(box[i]);
}

bool HoldsAite(const TCells& c, Point e, Point t)
{
    bool found = false;
    ForCells(c, e, t, [&found](Point p) { found = found || IroOf(p) == AiteIro; });
    return found;
}

bool Skipped(Point p) { return Kankei6Skip[p.x][p.y] != 0; }

// The engine's stones that the empty point e reaches at the extension's
// shape; 0 when an own stone is closer or an opponent's stone touches e.
int ExtensionTargets(const TExtension& x, Point e, Point (&ts)[kMaxTargets])
{
    const TLocate& loc = CurGoban().GetLocatePt(e);
    int n = 0;
    for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
        const int c = loc.GetKankeiIro(i), k = loc.GetKankeiKind(i);
        if (c == AiteIro && k == KankeiTonari)
            return 0;
        if (c != JibunIro || k > x.kind)
            continue;
        if (k < x.kind)
            return 0;
        const Point t = loc.GetKankeiPoint(i);
        if (x.knight && (LineNoPt(t) == 1 || GunDeath70At(t)))
            continue;
        if (n < kMaxTargets)
            ts[n++] = t;
    }
    return n;
}

void ExtensionPattern(const TExtension& x)
{
    TGoban& b = CurGoban();
    for (int yy = 1; yy <= BoardSize; ++yy)
        for (int xx = 1; xx <= BoardSize; ++xx) {
            const Point e(xx, yy);
            if (b.GetIro(xx, yy) != kAki || Skipped(e) || LineNoPt(e) < 2)
                continue;
            if (x.knight && b.JiList.GetJiIroPt(e) != 0)
                continue;
            Point ts[kMaxTargets];
            const int n = ExtensionTargets(x, e, ts);
            if (n == 0)
                continue;
            bool clear = true;
            for (int i = 0; i < n && clear; ++i)
                clear = !HoldsAite(x.free1, e, ts[i]) && !HoldsAite(x.free2, e, ts[i]);
            if (!clear)
                continue;
            int value = UtuHyoka(JibunIro, e);
            if (x.knight) {
                // The opponent's stone here: the less it is worth to him,
                // the less the extension.
                TShapeYomi y;
                if (y.Play(AiteIro, e)) {
                    CurGoban().Analyze();
                    if (GunDeath90At(e))
                        value /= 3;
                    else if (GunDeath70At(e))
                        value /= 2;
                }
            }
            AddKoho(e, value, 0);
            for (int i = 0; i < n; ++i)
                ForCells(x.marks, e, ts[i], [](Point p) {
                    if (p.x >= 1 && p.y >= 1 && p.x <= BoardSize && p.y <= BoardSize)
                        Kankei6Skip[p.x][p.y] = 1;
                });
        }
}

// Every own group among the targets has fewer than three eyes' worth.
bool AllThin(const Point (&ts)[kMaxTargets], int n)
{
    for (int i = 0; i < n; ++i) {
        const TGun* g = GunAt(ts[i]);
        if (g != nullptr && g->GetMe() >= 3)
            return false;
    }
    return true;
}

void IkkenPattern()
{
    TGoban& b = CurGoban();
    for (int yy = 1; yy <= BoardSize; ++yy)
        for (int xx = 1; xx <= BoardSize; ++xx) {
            const Point e(xx, yy);
            if (b.GetIro(xx, yy) != kAki || Skipped(e) || b.JiList.GetJiIroPt(e) != 0)
                continue;
            // z: where the opponent answers, beyond e from his stone beside it.
            Point z = e, ts[kMaxTargets];
            int n = 0;
            bool skip = false;
            const TLocate& loc = b.GetLocatePt(e);
            for (int i = 1; i <= loc.GetKankeiSu() && !skip; ++i) {
                const int c = loc.GetKankeiIro(i), k = loc.GetKankeiKind(i);
                if (c == JibunIro && (k == KankeiTonari || k == KankeiNaname)) {
                    skip = true;
                } else if (c == JibunIro && k == Kankei1ken) {
                    if (LineNoPt(e) != 1 && n < kMaxTargets)
                        ts[n++] = loc.GetKankeiPoint(i);
                } else if (c == AiteIro && k == KankeiTonari) {
                    skip = EmptyAround(e) < 7;
                    z = StepBeyond(loc.GetKankeiPoint(i), e);
                }
            }
            if (skip || n == 0)
                continue;
            bool clear = true;
            for (int i = 0; i < n && clear; ++i) {
                Point box[9];
                BetweenStrip3(e, ts[i], box);
                int aite = 0;
                for (int k = 0; k < 9; ++k) {
                    const bool their = IroOf(box[k]) == AiteIro;
                    aite += their ? 1 : 0;
                    clear = clear && !(their && k >= 3 && k <= 5);
                }
                clear = clear && aite < 2;
            }
            if (!clear || AllThin(ts, n))
                continue;
            const int e1 = UtuHyoka(JibunIro, e);
            int e2 = 0;
            int value = e1;
            {
                TShapeYomi y;
                if (y.Play(AiteIro, z)) {
                    CurGoban().Analyze();
                    e2 = HyokaDiff(AiteIro);
                    if (e2 > 0)
                        e2 /= 2;
                    value = e1 + e2;
                    if (value > 0)
                        value = GunDeath90At(z) ? value / 3 : GunDeath70At(z) ? value / 2 : value;
                }
            }
            AddKoho(e, value, 0);
        }
}

bool InGapList(Point p)
{
    for (int i = 1; i <= Kankei6GapCount; ++i)
        if (Kankei6GapList[i] == p)
            return true;
    return false;
}

void NanamePattern()
{
    TGoban& b = CurGoban();
    for (int yy = 1; yy <= BoardSize; ++yy)
        for (int xx = 1; xx <= BoardSize; ++xx) {
            const Point e(xx, yy);
            if (b.GetIro(xx, yy) != kAki || Skipped(e) || AreaMapView[xx][yy] != 0 || LinkMark1[xx][yy] != 0)
                continue;
            // The last open neighbour on somebody's side, where we answer
            // the opponent's stone at e.
            Point nb;
            for (int d = 1; d <= 4; ++d) {
                const Point q = Dir4Pt(e, d);
                if (Empty(q) && AreaMapBackupAt(q) != 0 && EmptyNeighbours(q) >= 2)
                    nb = q;
            }
            Point ts[kMaxTargets];
            int n = 0;
            bool skip = false;
            const TLocate& loc = b.GetLocatePt(e);
            for (int i = 1; i <= loc.GetKankeiSu() && !skip; ++i) {
                const int c = loc.GetKankeiIro(i), k = loc.GetKankeiKind(i);
                if (k == KankeiTonari && (c == JibunIro || c == AiteIro))
                    skip = true;
                else if (c == JibunIro && k == KankeiNaname && n < kMaxTargets)
                    ts[n++] = loc.GetKankeiPoint(i);
            }
            if (skip || n == 0 || AllThin(ts, n))
                continue;
            const int e1 = UtuHyoka(JibunIro, e);
            int e2 = 0;
            if (loc.HasKankeiLE(Kankei1ken, AiteIro)) {
                TShapeYomi y;
                if (y.Play(AiteIro, e)) {
                    e2 = y.Score(AiteIro);
                    if (e2 >= kDiagonalReply && nb.x != 0)
                        e2 = y.ScoreAfter(AiteIro, {{JibunIro, nb}});
                }
            }
            int value = e1 + e2;
            if (InGapList(e) && value >= kGapBonusFrom)
                value += kGapBonus;
            AddKoho(e, value, 0);
        }
}

void BuildGapList()
{
    Kankei6GapCount = 0;
    const TGoban& b = CurGoban();
    ForEachStoneKankei([&b](Point s, const TLocate& loc, int i) {
        if (loc.GetIro() != JibunIro || loc.GetKankeiKind(i) != Kankei2ken || loc.GetLinkGrade(i) != 1)
            return;
        const Point t = loc.GetKankeiPoint(i);
        if (!b.OnBoardPt(t))
            return;
        Point strip[12];
        BetweenStrip3(s, t, strip);
        const auto list = std::span<Point>(Kankei6GapList.begin(), kMaxKankei6Gap);
        for (int k : {3, 5, 6, 8})
            AddPtUnique(list, Kankei6GapCount, kMaxKankei6Gap, strip[k]);
    });
}

} // namespace

void Kankei6Think(Point& out)
{
    KohoKind = kkKankei6;
    BuildGapList();
    FillGrid(Kankei6Skip, std::uint8_t{0});
    for (const TExtension& x : kExtensions)
        ExtensionPattern(x);
    IkkenPattern();
    NanamePattern();
    SelectIfAny(kSelectLow, out);
}

void HirakiTobiTe(Point stone, Point& out)
{
    out = Point{};
    const int col = IroOf(stone);
    if (LineNoPt(stone) != 3 || (col != kKuro && col != kSiro))
        return;
    const TGun* g = GunAt(stone);
    if (g == nullptr)
        return;
    const int o = Aite(col);
    Point pts[kMaxHiraki];
    int n = g->GetFromList(stone, Kankei2ken, pts);
    for (int i = 0; i < n; ++i)
        if (LineNoPt(pts[i]) == 3 && IroAround(pts[i], col) == 0 && NeighboursOf(pts[i], o) == 0) {
            out = pts[i];
            return;
        }
    n = g->GetFromList(stone, Kankei1ken, pts);
    for (int i = 0; i < n; ++i)
        if (LineNoPt(pts[i]) == 5 && StonesAround(pts[i]) == 0) {
            out = pts[i];
            return;
        }
}

void JiUtikomiThink()
{
    TGoban& b = CurGoban();
    // 1. The largest region: points between two of its points a large
    //    knight's move apart, neutral and in touch with no stone.
    const TJi* big = nullptr;
    for (int i = 1; i <= b.JiList.GetCount(); ++i) {
        const TJi* ji = b.JiList.GetJi(i);
        if (ji != nullptr && (big == nullptr || ji->GetJisu() > big->GetJisu()))
            big = ji;
    }
    if (big != nullptr && big->GetJisu() >= kJiUtikomiSize) {
        const int other = Aite(big->GetJiIro());
        Point list[kMaxJiPoints];
        int count = 0;
        for (int i = 1; i <= big->GetJisu(); ++i)
            for (int j = i + 1; j <= big->GetJisu(); ++j) {
                const Point pi = big->GetYoso(i), pj = big->GetYoso(j);
                const int dx = std::abs(pi.x - pj.x), dy = std::abs(pi.y - pj.y);
                if (!((dx == 1 && dy == 3) || (dx == 3 && dy == 1)))
                    continue;
                Point r[8];
                BetweenRows(pi, pj, r);
                bool open = true;
                for (int k = 2; k <= 5 && open; ++k)
                    open = AreaMapBackupAt(r[k]) == 0 && Empty(r[k]);
                if (!open)
                    continue;
                for (int k = 2; k <= 5; ++k)
                    if (!b.GetLocatePt(r[k]).HasKindLE(KankeiKeima))
                        AddPtUnique(list, count, kMaxJiPoints, r[k]);
            }
        for (int i = 0; i < count; ++i)
            if (b.GetLocatePt(list[i]).HasKankeiLELive(KankeiKeima14, other))
                AddKoho(list[i], ItiHyoka(list[i]), 0);
    }

    // 2. The border of the opponent's area, away from our stones.
    const int sgn = JibunIro == kKuro ? -1 : 1;
    for (int y = 4; y <= BoardSize - 4; ++y)
        for (int x = 4; x <= BoardSize - 4; ++x) {
            const Point p(x, y);
            if (AreaMapView[x][y] != sgn || EmptyNeighbours(p) != 4 || b.GetLocatePt(p).CountIro(JibunIro) != 0)
                continue;
            TShapeYomi r;
            if (r.Play(JibunIro, p))
                AddKoho(p, r.Score(JibunIro) - kAreaInvasionCost, 0);
        }
}

void HirakiReset()
{
    Kankei6GapList = {};
    Kankei6GapCount = 0;
    FillGrid(Kankei6Skip, std::uint8_t{0});
}

} // namespace vorn
