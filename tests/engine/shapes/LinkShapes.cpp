#include "engine/shapes/LinkShapes.h"

#include <algorithm>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/shapes/ShapeHarness.h"

#include "board/Goban.h"
#include "board/Rand.h"
#include "board/Ren.h"
#include "engine/Koho.h"
#include "engine/Reading.h"

namespace vorn::test {

bool PlaceShape(int size, std::initializer_list<TShapeCell> cells, Point b, int percent, TShapePlacement& out)
{
    return PlaceShape(size, std::vector<TShapeCell>(cells), b, percent, out);
}

bool PlaceShape(int size, const std::vector<TShapeCell>& cells, Point b, int percent, TShapePlacement& out)
{
    const int s = Random(8);
    const int own = 1 + Random(2), att = own ^ 3;
    // The shape's extent after the symmetry, then a place where it fits.
    std::vector<TShapeCell> shape(cells);
    shape.push_back({0, 0, 'A'});
    shape.push_back({b.x, b.y, 'A'});
    const auto orient = [s](int dx, int dy) {
        if (s & 4)
            std::swap(dx, dy);
        return Point((s & 1) ? -dx : dx, (s & 2) ? -dy : dy);
    };
    int lox = 0, hix = 0, loy = 0, hiy = 0;
    for (const TShapeCell& c : shape) {
        const Point p = orient(c.dx, c.dy);
        lox = std::min(lox, p.x), hix = std::max(hix, p.x);
        loy = std::min(loy, p.y), hiy = std::max(hiy, p.y);
    }
    if (hix - lox >= size || hiy - loy >= size)
        return false;
    const Point origin(1 - lox + Random(size - (hix - lox)), 1 - loy + Random(size - (hiy - loy)));
    std::vector<std::string> rows(static_cast<std::size_t>(size), std::string(static_cast<std::size_t>(size), '.'));
    std::vector<std::vector<bool>> fixed(static_cast<std::size_t>(size + 2), std::vector<bool>(size + 2, false));
    const auto at = [&](Point p) -> char& { return rows[static_cast<std::size_t>(p.y - 1)][static_cast<std::size_t>(p.x - 1)]; };
    const char ownCh = own == kKuro ? 'X' : 'O', attCh = att == kKuro ? 'X' : 'O';
    for (const TShapeCell& c : shape) {
        const Point o = orient(c.dx, c.dy);
        const Point p(origin.x + o.x, origin.y + o.y);
        at(p) = c.what == 'A' ? ownCh : c.what == 'X' ? attCh : '.';
        fixed[p.x][p.y] = true;
    }
    for (int y = std::max(1, origin.y + loy - 2); y <= std::min(size, origin.y + hiy + 2); ++y)
        for (int x = std::max(1, origin.x + lox - 2); x <= std::min(size, origin.x + hix + 2); ++x)
            if (!fixed[x][y] && Random(100) < percent)
                at(Point(x, y)) = Random(2) == 0 ? 'X' : 'O';
    out.diagram.clear();
    for (const std::string& r : rows)
        out.diagram += r + "\n";
    const Point ob = orient(b.x, b.y);
    out.a = origin;
    out.b = Point(origin.x + ob.x, origin.y + ob.y);
    out.own = own;
    // Every chain needs a liberty.
    SetBoard(out.diagram);
    const TGoban& g = *GobanLv[0];
    for (int y = 1; y <= size; ++y)
        for (int x = 1; x <= size; ++x) {
            const TRen* r = g.RenList.RenAt(x, y);
            if (g.GetIro(x, y) != kAki && (r == nullptr || r->Kuu() == 0))
                return false;
        }
    return true;
}

std::string WithStone(const std::string& diagram, Point p, char what)
{
    std::string rows;
    int x = 0, y = 1;
    for (const char ch : diagram) {
        if (ch == '.' || ch == 'X' || ch == 'O') {
            ++x;
            rows += (x == p.x && y == p.y) ? what : ch;
        } else if (ch == '\n' && x > 0) {
            rows += ch;
            x = 0;
            ++y;
        }
    }
    return rows;
}

void RunHandler(const char* diagram, int engine, Point a, Point b, void (*handler)(Point, Point))
{
    PrepareDecision(diagram, engine);
    KohoKind = kkKankei;
    const std::uint64_t before = StackHash();
    handler(a, b);
    EXPECT_EQ(StackHash(), before);
    EXPECT_EQ(Level, 0);
}

std::optional<int> ScoreAfter(int scorer, std::initializer_list<TYomiMove> moves)
{
    TShapeYomi y;
    bool first = true;
    for (const TYomiMove& m : moves) {
        if (!(first ? y.PushPlay(m.c, m.p) : y.Play(m.c, m.p)))
            return std::nullopt;
        first = false;
    }
    return y.Score(scorer);
}

int SweepShapes(int positions, const std::function<bool(std::uint64_t, TShapePlacement&)>& place,
                std::initializer_list<const char*> handlers)
{
    std::vector<const TContractHandler*> hs;
    for (const char* name : handlers)
        if (const TContractHandler* h = ContractHandler(name); h != nullptr)
            hs.push_back(h);
    if (hs.size() != handlers.size())
        return 0;
    int answered = 0;
    for (std::uint64_t seed = 1, placed = 0; placed < static_cast<std::uint64_t>(positions); ++seed) {
        ResetProgramState();
        RandSeed(seed);
        TShapePlacement pl;
        if (!place(seed, pl))
            continue;
        ++placed;
        SCOPED_TRACE(testing::Message() << "seed " << seed << "\n" << pl.diagram);
        for (const int engine : {kKuro, kSiro}) {
            PrepareDecision(pl.diagram.c_str(), engine);
            for (std::size_t i = 0; i < hs.size(); ++i) {
                CheckContractCall(*hs[i], pl.a, pl.b);
                if (i == 0 && KohoCount > 0)
                    ++answered;
            }
        }
    }
    return answered;
}

} // namespace vorn::test
