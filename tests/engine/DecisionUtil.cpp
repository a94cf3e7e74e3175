#include "DecisionUtil.h"

#include <sstream>
#include <stdexcept>

#include "Util.h"

#include "board/Diagram.h"

#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn::test {

const char* const kNet = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . O O . . . .
    . . O X X O . . .
    . . . O X . . . .
    . . . O . . . . .
    . . . . . . X . .
    . . . . . . . . .
    . . . . . . . . .)";

const char* const kDoubleAtari = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . O . . . O . .
    . . X O . O X . .
    . . X O X O X . .
    . . . X . X . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .)";

const char* const kYoseGap = R"(
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . . O O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .)";

const char* const kYoseDameOnly = R"(
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X O O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .
    . . . X . O . . .)";

void PrepareDecision(const char* diagram, int toMove)
{
    SetupPosition(ReadDiagram(diagram), toMove);
    // No stage runs: the analysis and the prologue only.
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
}

std::optional<int> KohoValueAt(Point p)
{
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == p)
            return Koho.Value[i];
    return std::nullopt;
}

Point ParsePoint(const std::string& s)
{
    if (s == "pass")
        return Point();
    if (s.size() < 2)
        throw std::runtime_error("bad point " + s);
    const int x = s[0] - 'A' + 1;
    const int y = std::stoi(s.substr(1));
    return Point(x, y);
}

std::vector<Point> ParseList(const char* text)
{
    std::vector<Point> out;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        out.push_back(ParsePoint(word));
    return out;
}

std::string PointName(Point p)
{
    if (p.x == 0)
        return "pass";
    return std::string(1, static_cast<char>('A' + p.x - 1)) + std::to_string(p.y);
}

std::string CandidateList()
{
    std::ostringstream out;
    for (int i = 1; i <= KohoCount; ++i)
        out << ' ' << PointName(Koho.Pt[i]) << '=' << Koho.Value[i] << '/' << static_cast<int>(Koho.Bonus[i]) << ':'
            << static_cast<int>(Koho.Kind[i]);
    return out.str();
}

void StagesAfterOpening(int stage, Point& out)
{
    out = Point();
    if (stage >= 2)
        RunStageCalls(stage, out);
}

void NoKoThreat(int, Point& out, int& value)
{
    out = Point();
    value = 0;
}

} // namespace vorn::test
