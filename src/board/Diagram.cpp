#include "board/Diagram.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <vector>

#include "board/Define.h"
#include "board/Goban.h"
#include "board/Rand.h"

namespace vorn {

namespace {

// GTP's column letters: the alphabet without I.
constexpr char kColumns[] = "ABCDEFGHJKLMNOPQRST";

bool IsCoordinateLine(std::string_view line)
{
    for (char ch : line) {
        if (ch == ' ' || ch == '\t' || std::isdigit(static_cast<unsigned char>(ch)))
            continue;
        return ch == 'A';
    }
    return false;
}

} // namespace

std::string GtpVertex(Point p, int size)
{
    if (p.x == 0 && p.y == 0)
        return "pass";
    if (p.x < 1 || p.y < 1 || p.x > size || p.y > size || size > kMaxBoard)
        return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return std::string(1, kColumns[p.x - 1]) + std::to_string(size + 1 - p.y);
}

std::string GtpVertex(Point p) { return GtpVertex(p, BoardSize); }

bool ParseGtpVertex(std::string_view text, Point& p, int size)
{
    std::string s;
    for (char ch : text)
        s += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (s == "PASS") {
        p = Point();
        return true;
    }
    if (s.size() < 2 || s.size() > 3 || size < 1 || size > kMaxBoard)
        return false;
    int x = 0;
    for (int i = 0; i < size; ++i)
        if (kColumns[i] == s[0])
            x = i + 1;
    int row = 0;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
        row = row * 10 + (s[i] - '0');
    }
    if (x == 0 || s[1] == '0' || row < 1 || row > size)
        return false;
    p = Point(x, size + 1 - row);
    return true;
}

bool ParseGtpVertex(std::string_view text, Point& p) { return ParseGtpVertex(text, p, BoardSize); }

bool ParseDiagram(std::string_view text, TDiagram& diagram, std::string& why)
{
    std::vector<std::string> rows;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (IsCoordinateLine(line))
            continue;
        std::string row;
        for (char ch : line) {
            if (ch == 'X' || ch == '#')
                row += static_cast<char>(kKuro);
            else if (ch == 'O')
                row += static_cast<char>(kSiro);
            else if (ch == '.' || ch == '+')
                row += static_cast<char>(kAki);
        }
        if (!row.empty())
            rows.push_back(row);
    }
    const int n = static_cast<int>(rows.size());
    if (n < 1 || n > kMaxBoard) {
        why = "a diagram of " + std::to_string(n) + " rows: a board has 1 to 19";
        return false;
    }
    diagram = TDiagram();
    diagram.size = n;
    for (int y = 1; y <= n; ++y) {
        const std::string& row = rows[y - 1];
        if (static_cast<int>(row.size()) != n) {
            why = "row " + std::to_string(y) + " of the diagram has " + std::to_string(row.size()) + " points, not "
                  + std::to_string(n);
            return false;
        }
        for (int x = 1; x <= n; ++x)
            diagram.iro[x][y] = static_cast<std::uint8_t>(row[x - 1]);
    }
    return true;
}

TDiagram ReadDiagram(std::string_view text)
{
    TDiagram d;
    std::string why;
    if (!ParseDiagram(text, d, why))
        throw std::invalid_argument(why);
    return d;
}

void SetupPosition(const TDiagram& diagram, int toMove)
{
    BoardSize = diagram.size;
    Handicap = 0;
    Level = 0;
    TGoban& b = *GobanLv[0];
    b.NewGame();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            b.SetIro(x, y, diagram.iro[x][y]);
    b.Tejun.Clear();
    b.Tejun.SetFirstColor(toMove);
    b.RenMake();
}

std::string DiagramRows(const TGoban& b)
{
    std::string s;
    for (int y = 1; y <= BoardSize; ++y) {
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            s += c == kKuro ? 'X' : c == kSiro ? 'O' : '.';
        }
        s += '\n';
    }
    return s;
}

std::string DiagramText(const TGoban& b)
{
    if (BoardSize < 1 || BoardSize > kMaxBoard)
        return "(a board of " + std::to_string(BoardSize) + " lines)\n";
    std::string s = "   ";
    for (int x = 1; x <= BoardSize; ++x) {
        s += ' ';
        s += kColumns[x - 1];
    }
    s += '\n';
    for (int y = 1; y <= BoardSize; ++y) {
        const int row = BoardSize + 1 - y;
        s += (row < 10 ? "  " : " ") + std::to_string(row);
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            s += ' ';
            s += c == kKuro ? 'X' : c == kSiro ? 'O' : '.';
        }
        s += '\n';
    }
    return s;
}

std::string MapDiagram(const std::function<std::string(Point)>& cell)
{
    std::vector<std::string> cells;
    std::size_t width = 1;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            cells.push_back(cell(Point(x, y)));
            width = std::max(width, cells.back().size());
        }
    std::string s;
    std::size_t i = 0;
    for (int y = 1; y <= BoardSize; ++y) {
        for (int x = 1; x <= BoardSize; ++x, ++i) {
            if (x > 1)
                s += ' ';
            s.append(width - cells[i].size(), ' ');
            s += cells[i];
        }
        s += '\n';
    }
    return s;
}

Point RandomLegalMove(TGoban& b)
{
    const int c = b.Tejun.NextColor();
    std::vector<Point> cands;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            if (b.GetIro(x, y) != kAki)
                continue;
            // Own one-point eyes stay empty, so that random games last and
            // capture.
            bool eye = true;
            for (int d = 1; d <= 4; ++d) {
                const int n = b.GetIro(x + Dir4X[d], y + Dir4Y[d]);
                if (n != c && n != kHen)
                    eye = false;
            }
            if (!eye)
                cands.push_back(Point(x, y));
        }
    while (!cands.empty()) {
        const int i = Random(static_cast<int>(cands.size()));
        const Point p = cands[i];
        if (b.CheckUtu(c, p.x, p.y) == kUtuOk)
            return p;
        cands.erase(cands.begin() + i);
    }
    return Point();
}

} // namespace vorn
