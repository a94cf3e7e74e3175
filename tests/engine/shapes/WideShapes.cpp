#include "engine/shapes/WideShapes.h"

#include <vector>

#include "engine/DecisionUtil.h"

#include "engine/Koho.h"

namespace vorn::test {

TLinkOutput RunPair(void (*handler)(Point, Point), const char* diagram, int engine, Point a, Point b, int* moves)
{
    PrepareDecision(diagram, engine);
    KohoKind = kkKankei;
    return RunLink([&] { handler(a, b); }, moves);
}

std::set<TPt> KohoPoints(const TLinkOutput& out)
{
    std::set<TPt> s;
    for (const auto& [p, v] : out.Koho)
        s.insert(p);
    return s;
}

std::string Stones(const char* black, const char* white)
{
    std::vector<TDiagramStone> stones;
    for (const Point p : ParseList(black))
        stones.push_back({p.x, p.y, 'X'});
    for (const Point p : ParseList(white))
        stones.push_back({p.x, p.y, 'O'});
    return StoneDiagram(stones);
}

TPt Pt(const char* name)
{
    const Point p = ParsePoint(name);
    return {p.x, p.y};
}

} // namespace vorn::test
