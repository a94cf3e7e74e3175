#include "LinkUtil.h"

#include <cstdlib>
#include <sstream>

#include "Util.h"

#include "board/Goban.h"
#include "board/Yomi.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/Yose.h"
#include "engine/links/KankeiBox.h"

namespace vorn::test {

std::vector<TLinkHandler>& LinkHandlers()
{
    static std::vector<TLinkHandler> handlers;
    return handlers;
}

namespace {

// As at the start of a decision for the side to move: the analysis and the
// prologue, no stage.
void Prologue()
{
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
}

// An empty point where c may play, away from p (for a caller's move that
// stands while a value routine runs); (0, 0) when there is none.
Point FarPoint(Point p, int c)
{
    TGoban& b = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if ((std::abs(x - p.x) > 3 || std::abs(y - p.y) > 3) && b.GetIro(x, y) == kAki &&
                b.CheckUtu(c, x, y) == kUtuOk)
                return Point(x, y);
    return Point();
}

std::string Where(const std::string& what, const TLinkHandler& h, Point a, Point b, int c, int saki)
{
    std::ostringstream s;
    s << what << ": " << h.Name << "((" << a.x << "," << a.y << "), (" << b.x << "," << b.y << ")) for colour " << c
      << (saki == 1 ? " in the look-ahead" : "");
    return s.str();
}

// One call, and the same again with a move of the caller standing for a
// value routine.
void SweepCall(const std::string& what, const TLinkHandler& h, Point a, Point b, int c, int saki)
{
    KohoKind = h.Pass == TLinkPass::Second ? kkHokyo : kkKankei;
    const std::uint64_t before = StackHash();
    EXPECT_NO_THROW(h.Call(a, b)) << Where(what, h, a, b, c, saki);
    ASSERT_EQ(StackHash(), before) << Where(what, h, a, b, c, saki);
    if (h.Pass != TLinkPass::Value)
        return;
    const Point far = FarPoint(a, c);
    if (far.x == 0 || !YomiUtu(c, far))
        return;
    const std::uint64_t standing = StackHash();
    EXPECT_NO_THROW(h.Call(a, b)) << Where(what, h, a, b, c, saki) << " with a move standing";
    ASSERT_EQ(StackHash(), standing) << Where(what, h, a, b, c, saki) << " with a move standing";
    YomiModosu();
    ASSERT_EQ(StackHash(), before);
}

} // namespace

void RandomDecision(int size, int moves, std::uint64_t seed)
{
    RandSeed(seed);
    BoardSize = size;
    Level = 0;
    TGoban& b0 = *GobanLv[0];
    b0.NewGame();
    for (int i = 0; i < moves; ++i) {
        const Point p = RandomMove(b0);
        if (p.x == 0)
            break;
        b0.Utu(p.x, p.y);
    }
    Prologue();
}

void DiagramDecision(const char* diagram)
{
    SetBoard(diagram);
    Prologue();
}

namespace {

struct TJump {
    int Kind;
    Point A, B;
};

// Every registered handler of its kind on every jump, for JibunIro = each
// colour, with the look-ahead off and on (an area over the left half of
// the board); a jump with an end off the board also with its ends swapped.
void SweepJumps(const std::string& what, const std::vector<TJump>& jumps, TSweepCount& count)
{
    const TGoban& b0 = *GobanLv[0];
    YomiArea = {};
    for (int x = 1; x <= (BoardSize + 1) / 2; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            YomiArea[x][y] = 1;
    for (const TJump& pr : jumps) {
        std::vector<std::pair<Point, Point>> ends{{pr.A, pr.B}};
        if (b0.GetIroPt(pr.A) == kHen || b0.GetIroPt(pr.B) == kHen)
            ends.push_back({pr.B, pr.A});
        for (const TLinkHandler& h : LinkHandlers()) {
            if (h.Kind != pr.Kind)
                continue;
            for (const auto& [a, b] : ends)
                for (int c : {kKuro, kSiro})
                    for (int saki : {0, 1}) {
                        JibunIro = static_cast<std::uint8_t>(c);
                        AiteIro = static_cast<std::uint8_t>(c ^ 3);
                        InSakiyomi = static_cast<std::uint8_t>(saki);
                        SweepCall(what, h, a, b, c, saki);
                        ++count.Calls;
                        if (::testing::Test::HasFatalFailure())
                            return;
                    }
        }
    }
    InSakiyomi = 0;
    YomiArea = {};
    for (int i = 1; i <= KohoCount; ++i)
        EXPECT_EQ(b0.GetIroPt(Koho.Pt[i]), kAki) << what << ": candidate " << Koho.Pt[i].x << "," << Koho.Pt[i].y;
}

} // namespace

void SweepPairs(const std::string& what, TSweepCount& count)
{
    ++count.Positions;
    const TGoban& b0 = *GobanLv[0];
    std::vector<TJump> jumps;
    for (int i = 1; i <= b0.PairCount(); ++i) {
        const int kind = b0.PairKind(i);
        if (kind == 3 || kind == 6 || kind == 10)
            jumps.push_back({kind, b0.PairPointB(i), b0.PairPointA(i)});
    }
    SweepJumps(what, jumps, count);
}

void SweepEdgeLine(const std::string& what, int d, TSweepCount& count)
{
    ++count.Positions;
    const TGoban& b0 = *GobanLv[0];
    const int kind = d == 2 ? 3 : d == 3 ? 6 : 10;
    std::vector<TJump> jumps;
    const auto edge = [](int v) { return v == 1 || v == BoardSize; };
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int c = b0.GetIro(x, y);
            if (c != kKuro && c != kSiro)
                continue;
            // Along the top or bottom edge, and along the left or right.
            if (edge(y) && b0.GetIro(x + d, y) == c)
                jumps.push_back({kind, Point(x, y), Point(x + d, y)});
            if (edge(x) && b0.GetIro(x, y + d) == c)
                jumps.push_back({kind, Point(x, y), Point(x, y + d)});
        }
    SweepJumps(what, jumps, count);
}

bool JumpBox(Point a, Point b, TKankeiBox& box) { return KankeiPrologue(a, b, nullptr, box); }

std::string StoneDiagram(const std::vector<TDiagramStone>& stones, int size)
{
    std::vector<std::string> rows(size, std::string(size, '.'));
    for (const TDiagramStone& s : stones)
        rows[s.Y - 1][s.X - 1] = s.C;
    std::string d;
    for (const std::string& r : rows)
        d += "\n" + r;
    return d;
}

Point Sym(Point p, int t)
{
    const int n = BoardSize + 1;
    if (t & 4)
        std::swap(p.x, p.y);
    if (t & 1)
        p.x = n - p.x;
    if (t & 2)
        p.y = n - p.y;
    return p;
}

Point SymInverse(Point p, int t)
{
    const int n = BoardSize + 1;
    if (t & 1)
        p.x = n - p.x;
    if (t & 2)
        p.y = n - p.y;
    if (t & 4)
        std::swap(p.x, p.y);
    return p;
}

void SymDecision(const char* diagram, int t, int toMove, const std::vector<std::pair<Point, int>>& stones)
{
    SetBoard(diagram);
    TGoban& b = *GobanLv[0];
    for (auto [p, c] : stones)
        b.SetIro(p.x, p.y, c);
    Grid<std::uint8_t, 0, 20> ban = b.Ban;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const Point q = Sym(Point(x, y), t);
            b.SetIro(q.x, q.y, ban[x][y]);
        }
    b.RenMake();
    if (toMove == kSiro)
        b.Pass();
    Prologue();
}

std::string TLinkOutput::Show() const
{
    std::ostringstream s;
    for (const auto& [p, v] : Koho)
        s << " koho(" << p.first << "," << p.second << ")=" << v;
    for (const auto& [ox, oy, rx, ry, ax, ay] : Prepared)
        s << " prepared(" << ox << "," << oy << " " << rx << "," << ry << " -> " << ax << "," << ay << ")";
    for (const auto& [x, y] : Marks)
        s << " mark(" << x << "," << y << ")";
    return s.str();
}

TLinkOutput TakeLinkOutput(int t)
{
    TLinkOutput out;
    for (int i = 1; i <= KohoCount; ++i) {
        const Point p = SymInverse(Koho.Pt[i], t);
        out.Koho[{p.x, p.y}] = Koho.Value[i];
    }
    for (int i = 1; i <= PreparedTeCount; ++i) {
        const Point o = SymInverse(PreparedTe.OwnTe[i], t);
        const Point r = SymInverse(PreparedTe.AiteTe[i], t);
        const Point a = SymInverse(PreparedTe.AnswerTe[i], t);
        out.Prepared.insert({o.x, o.y, r.x, r.y, a.x, a.y});
    }
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (LinkMark1[x][y] != 0) {
                const Point p = SymInverse(Point(x, y), t);
                out.Marks.insert({p.x, p.y});
            }
    return out;
}

void ClearLinkOutput()
{
    KohoCount = 0;
    PreparedTeClear();
    LinkMarkClear();
}

void PrepareLink(const char* diagram, int toMove, const TStones& stones)
{
    SetBoard(diagram);
    for (auto [p, c] : stones)
        GobanLv[0]->SetIro(p.x, p.y, c);
    GobanLv[0]->RenMake();
    if (toMove == kSiro)
        GobanLv[0]->Pass();
    Prologue();
    ClearLinkOutput();
    KohoKind = kkKankei;
}

TLinkOutput RunLink(const std::function<void()>& f, int* moves)
{
    const std::uint64_t before = StackHash();
    TTrialMoveCounter counter;
    f();
    EXPECT_EQ(StackHash(), before);
    if (moves != nullptr)
        *moves = counter.Moves;
    return TakeLinkOutput();
}

TLinkOutput RunLinkHandler(const std::function<void()>& f, int* moves) { return RunLink(f, moves); }

void ExpectNoLinkOutput(const char* diagram, const TStones& stones, const std::function<void()>& f, const char* what)
{
    for (int c : {kKuro, kSiro}) {
        PrepareLink(diagram, c, stones);
        JibunIro = static_cast<std::uint8_t>(c);
        AiteIro = static_cast<std::uint8_t>(c ^ 3);
        int moves = -1;
        const TLinkOutput out = RunLink(f, &moves);
        EXPECT_TRUE(out.Koho.empty()) << what << ":" << out.Show();
        EXPECT_TRUE(out.Marks.empty()) << what;
        EXPECT_EQ(moves, 0) << what;
    }
}

std::string Handler(void (*h)(Point, Point), Point a, Point b, int t)
{
    ClearLinkOutput();
    h(Sym(a, t), Sym(b, t));
    return TakeLinkOutput(t).Show();
}

namespace {

// The candidate values blanked, for positions whose evaluation is not
// symmetric.
std::string PointsOnly(std::string s)
{
    for (std::size_t i = s.find(")="); i != std::string::npos; i = s.find(")=", i + 1)) {
        std::size_t j = i + 2;
        while (j < s.size() && s[j] != ' ')
            ++j;
        s.replace(i + 2, j - i - 2, "v");
    }
    return s;
}

} // namespace

void ExpectSymmetric(std::span<const TSymCase> cases)
{
    for (const TSymCase& c : cases) {
        std::string first;
        for (int t = 0; t < 8; ++t) {
            SymDecision(c.Diagram, t, c.ToMove);
            JibunIro = static_cast<std::uint8_t>(c.ToMove);
            AiteIro = static_cast<std::uint8_t>(c.ToMove ^ 3);
            ClearLinkOutput();
            const std::uint64_t before = StackHash();
            std::string got = c.Run(t);
            EXPECT_EQ(StackHash(), before) << c.Name << " symmetry " << t;
            if (!c.Values)
                got = PointsOnly(got);
            if (t == 0) {
                first = got;
                EXPECT_FALSE(first.empty()) << c.Name << " gives nothing to compare";
            } else {
                EXPECT_EQ(got, first) << c.Name << " symmetry " << t;
            }
        }
    }
}

void ExpectEdgeSymmetric(void (*h)(Point, Point), std::span<const TEdgeSymCase> cases)
{
    for (const TEdgeSymCase& c : cases) {
        TLinkOutput first;
        for (int t = 0; t < 8; ++t)
            for (bool swapped : {false, true}) {
                SymDecision(c.Diagram.c_str(), t, c.ToMove, c.Stones);
                JibunIro = static_cast<std::uint8_t>(c.ToMove);
                AiteIro = static_cast<std::uint8_t>(c.ToMove ^ 3);
                KohoKind = kkKankei;
                ClearLinkOutput();
                const Point a = Sym(swapped ? c.Edge : c.Stone, t), b = Sym(swapped ? c.Stone : c.Edge, t);
                const std::uint64_t before = StackHash();
                h(a, b);
                EXPECT_EQ(StackHash(), before) << c.Name << " symmetry " << t;
                TLinkOutput got = TakeLinkOutput(t);
                if (!c.Values)
                    for (auto& [p, v] : got.Koho)
                        v = 0;
                if (t == 0 && !swapped) {
                    first = got;
                    EXPECT_FALSE(first.Koho.empty()) << c.Name << " gives nothing to compare";
                } else {
                    EXPECT_TRUE(got == first) << c.Name << " symmetry " << t << (swapped ? " from the edge" : "")
                                              << ":" << got.Show() << " /" << first.Show();
                }
            }
    }
}

TTrialMoveCounter::TTrialMoveCounter() { SetShellHooks(this); }

TTrialMoveCounter::~TTrialMoveCounter() { SetShellHooks(nullptr); }

void TTrialMoveCounter::ThinkIsiDraw(int, Point) { ++Moves; }

} // namespace vorn::test
