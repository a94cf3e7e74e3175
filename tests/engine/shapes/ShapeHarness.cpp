#include "engine/shapes/ShapeHarness.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "Util.h"
#include "engine/DecisionUtil.h"

#include "board/Goban.h"
#include "board/Rand.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"

namespace vorn::test {

namespace {

// The candidate table as it stood before a call.
struct TKohoSnapshot {
    int count = 0;
    std::vector<std::uint8_t> kinds;

    static TKohoSnapshot Take()
    {
        TKohoSnapshot s;
        s.count = KohoCount;
        for (int i = 1; i <= KohoCount; ++i)
            s.kinds.push_back(Koho.Kind[i]);
        return s;
    }
};

// Calls f and checks the contract; inForce is the reason code set before it.
template <class F>
void CheckCall(const char* name, Point a, Point b, int inForce, std::uint64_t extra, F&& f)
{
    SCOPED_TRACE(testing::Message() << name << " a=(" << a.x << ',' << a.y << ") b=(" << b.x << ',' << b.y << ')');
    const std::uint64_t hash = StackHash();
    const int level = Level;
    const std::uint8_t kind = KohoKind;
    const TKohoSnapshot before = TKohoSnapshot::Take();
    f();
    EXPECT_EQ(Level, level) << "the look-ahead level moved";
    EXPECT_EQ(StackHash(), hash) << "a board or its record changed";
    EXPECT_EQ(KohoKind, kind) << "the reason code was not restored";
    for (int i = 1; i <= KohoCount; ++i) {
        const bool changed = i > before.count || Koho.Kind[i] != before.kinds[static_cast<std::size_t>(i - 1)];
        if (!changed)
            continue;
        const int r = Koho.Kind[i];
        EXPECT_TRUE(r == inForce || (r < 64 && ((extra >> r) & 1) != 0))
            << "reason " << r << " at (" << Koho.Pt[i].x << ',' << Koho.Pt[i].y << ')';
    }
    if (Level != level)
        YomiUnwind();
}

void RandomDecision(int size, int moves, std::uint64_t seed)
{
    ResetProgramState();
    RandSeed(seed);
    BoardSize = size;
    Handicap = 0;
    Level = 0;
    TGoban& b = *GobanLv[0];
    b.NewGame();
    for (int i = 0; i < moves; ++i) {
        const Point p = RandomMove(b);
        if (p.x == 0)
            break;
        b.Utu(p.x, p.y);
    }
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
}

// Calls f(a, b) for every pair-list entry of the handler's kind (every stone
// for kind 0).
template <class F>
void ForEachCall(const TContractHandler& h, F&& f)
{
    const TGoban& g = CurGoban();
    if (h.kind == 0) {
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                if (g.GetIro(x, y) == kKuro || g.GetIro(x, y) == kSiro)
                    f(Point(x, y), Point());
        return;
    }
    for (int i = 1; i <= g.PairCount(); ++i)
        if (g.PairKind(i) == h.kind)
            f(g.PairPointB(i), g.PairPointA(i));
}

} // namespace

void RunContract(int size, int positions, int moves, std::uint64_t seed, std::vector<int>* calls)
{
    if (calls != nullptr)
        calls->resize(ContractHandlers().size());
    for (int k = 0; k < positions; ++k) {
        SCOPED_TRACE(testing::Message() << size << "x" << size << " seed " << seed + k);
        RandomDecision(size, moves, seed + static_cast<std::uint64_t>(k));
        for (std::size_t n = 0; n < ContractHandlers().size(); ++n) {
            const TContractHandler& h = ContractHandlers()[n];
            const auto call = [&h, calls, n](Point a, Point b) {
                if (calls != nullptr)
                    ++(*calls)[n];
                KohoKind = kkKankei;
                CheckCall(h.name, a, b, kkKankei, h.extraReasons, [&] { h.fn(a, b); });
            };
            ForEachCall(h, call);
        }
        // The root look-ahead with an empty area: the gates stay shut.
        InSakiyomi = 1;
        FillGrid(YomiArea, std::uint8_t{0});
        for (const TContractHandler& h : ContractHandlers()) {
            if (!h.gated)
                continue;
            ForEachCall(h, [&h](Point a, Point b) {
                const int count = KohoCount;
                CheckCall(h.name, a, b, KohoKind, 0, [&] { h.fn(a, b); });
                EXPECT_EQ(KohoCount, count) << h.name << " added a candidate outside the look-ahead area";
            });
        }
        InSakiyomi = 0;
        for (const TContractStage& s : ContractStages()) {
            if (s.reason != 0)
                KohoKind = static_cast<std::uint8_t>(s.reason);
            Point out;
            CheckCall(s.name, Point(), Point(), KohoKind, 0, [&] { s.fn(out); });
            EXPECT_TRUE(out.x == 0 || GobanLv[0]->GetIroPt(out) == kAki) << s.name;
        }
    }
}

// --- Symmetry ------------------------------------------------------------------

Point MapPoint(int s, Point p, int n)
{
    if (p.IsNone())
        return p;
    if (s & 4)
        std::swap(p.x, p.y);
    if (s & 1)
        p.x = n + 1 - p.x;
    if (s & 2)
        p.y = n + 1 - p.y;
    return p;
}

Point UnmapPoint(int s, Point p, int n)
{
    if (p.IsNone())
        return p;
    if (s & 1)
        p.x = n + 1 - p.x;
    if (s & 2)
        p.y = n + 1 - p.y;
    if (s & 4)
        std::swap(p.x, p.y);
    return p;
}

namespace {

// What a routine left: its answer and the candidates, in board order of the
// unmapped points.
std::string Outcome(int s, int n, int answer)
{
    std::vector<std::pair<Point, int>> c;
    for (int i = 1; i <= KohoCount; ++i)
        c.emplace_back(UnmapPoint(s, Koho.Pt[i], n), Koho.Value[i]);
    std::sort(c.begin(), c.end(), [](const auto& l, const auto& r) {
        return l.first.y != r.first.y ? l.first.y < r.first.y : l.first.x < r.first.x;
    });
    std::ostringstream out;
    out << "answer " << answer << ";";
    for (const auto& [p, v] : c)
        out << " (" << p.x << ',' << p.y << ")=" << v;
    return out.str();
}

} // namespace

void RunSymmetry(const TSymmetryCase& c)
{
    SCOPED_TRACE(c.name);
    SetBoard(c.diagram);
    const int n = BoardSize;
    const std::string plain = BoardDiagram(*GobanLv[0]);
    std::string first;
    for (int s = 0; s < 8; ++s) {
        std::string mapped;
        for (int y = 1; y <= n; ++y) {
            for (int x = 1; x <= n; ++x) {
                const Point q = UnmapPoint(s, Point(x, y), n);
                mapped += plain[static_cast<std::size_t>((q.y - 1) * (n + 1) + (q.x - 1))];
            }
            mapped += '\n';
        }
        ResetProgramState();
        PrepareDecision(mapped.c_str(), c.toMove);
        Point pts[4];
        for (int i = 0; i < 4; ++i)
            pts[i] = MapPoint(s, c.pts[i], n);
        const std::uint64_t before = StackHash();
        const int answer = c.fn(std::span<const Point>(pts));
        EXPECT_EQ(StackHash(), before) << "symmetry " << s;
        EXPECT_EQ(Level, 0) << "symmetry " << s;
        const std::string got = Outcome(s, n, answer);
        if (s == 0)
            first = got;
        else
            EXPECT_EQ(got, first) << "symmetry " << s;
    }
}

} // namespace vorn::test
