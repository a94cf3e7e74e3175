#include "engine/shapes/RelationMoves.h"

#include <algorithm>

#include "engine/DecisionUtil.h"

#include "engine/Koho.h"

namespace vorn::test {

std::string Stones(int n, const std::vector<std::pair<const char*, char>>& stones)
{
    std::vector<std::string> rows(static_cast<std::size_t>(n), std::string(static_cast<std::size_t>(n), '.'));
    for (const auto& [name, c] : stones) {
        const Point p = ParsePoint(name);
        rows.at(static_cast<std::size_t>(p.y - 1)).at(static_cast<std::size_t>(p.x - 1)) = c;
    }
    std::string out;
    for (const std::string& r : rows)
        out += r + "\n";
    return out;
}

int KohoEntry(Point p)
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == p)
            return i;
    return 0;
}

std::string SortedCandidates()
{
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(PointName(Koho.Pt[i]) + "=" + std::to_string(Koho.Value[i]) + "/" +
                      std::to_string(Koho.Bonus[i]));
    std::sort(all.begin(), all.end());
    std::string out;
    for (const std::string& s : all)
        out += " " + s;
    return out;
}

std::string PreparedList()
{
    std::string out;
    for (int i = 1; i <= PreparedTeCount; ++i)
        out += " " + PointName(PreparedTe.OwnTe[i]) + ":" + PointName(PreparedTe.AiteTe[i]) + ">" +
               PointName(PreparedTe.AnswerTe[i]);
    return out;
}

} // namespace vorn::test
