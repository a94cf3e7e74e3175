#include "Util.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace vorn::test {

void SetBoard(const std::string& diagram, int handicap)
{
    std::vector<std::string> rows;
    std::istringstream in(diagram);
    std::string line;
    while (std::getline(in, line)) {
        std::string row;
        for (char ch : line)
            if (ch == 'X' || ch == '#' || ch == 'O' || ch == '.' || ch == '+')
                row += ch;
        if (!row.empty())
            rows.push_back(row);
    }
    BoardSize = static_cast<int>(rows.size());
    Handicap = handicap;
    Level = 0;
    TGoban& b = *GobanLv[0];
    const int h = Handicap;
    Handicap = 0;
    b.NewGame();
    Handicap = h;
    for (int y = 1; y <= BoardSize; ++y) {
        if (static_cast<int>(rows[y - 1].size()) != BoardSize)
            throw std::runtime_error("diagram row of wrong length");
        for (int x = 1; x <= BoardSize; ++x) {
            const char ch = rows[y - 1][x - 1];
            b.SetIro(x, y, (ch == 'X' || ch == '#') ? kKuro : ch == 'O' ? kSiro : kAki);
        }
    }
    b.Tejun.Clear();
    b.RenMake();
}

std::string BoardDiagram(const TGoban& b)
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

Point Pt(int x, int y) { return Point(x, y); }

std::string ChainSignature(const TGoban& b)
{
    std::ostringstream out;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            if (c != kKuro && c != kSiro)
                continue;
            TRen* r = b.RenList.RenAt(x, y);
            out << '(' << x << ',' << y << "):";
            if (r == nullptr) {
                out << "none\n";
                continue;
            }
            std::set<std::pair<int, int>> stones, libs;
            for (int i = 1; i <= r->IsiCount(); ++i)
                stones.insert({r->GetIsi(i).x, r->GetIsi(i).y});
            for (int i = 1; i <= r->Kuu(); ++i)
                libs.insert({r->GetKuu(i).x, r->GetKuu(i).y});
            out << "c" << r->GetIro() << " n" << r->IsiCount();
            for (auto& s : stones)
                out << ' ' << s.first << '/' << s.second;
            out << " |";
            for (int k = 0; k <= 3; ++k)
                out << ' ' << r->Count(k);
            out << " |";
            for (auto& s : libs)
                out << ' ' << s.first << '/' << s.second;
            out << " | mren";
            // Neighbouring chains named by their lowest stone, order-free.
            std::set<std::pair<int, int>> mrenLow;
            for (int i = 1; i <= r->MrenCount(); ++i) {
                TRen* m = b.RenList.Items(r->Mren(i));
                std::pair<int, int> low{99, 99};
                if (m)
                    for (int k = 1; k <= m->IsiCount(); ++k)
                        low = std::min(low, std::make_pair(m->GetIsi(k).y, m->GetIsi(k).x));
                mrenLow.insert(low);
            }
            for (auto& s : mrenLow)
                out << ' ' << s.second << '/' << s.first;
            out << '\n';
        }
    return out.str();
}

std::uint64_t BoardHash(const TGoban& b)
{
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](long v) {
        h ^= static_cast<std::uint64_t>(v) + 0x9e3779b97f4a7c15ull;
        h *= 1099511628211ull;
    };
    for (int x = 0; x <= BoardSize + 1; ++x)
        for (int y = 0; y <= BoardSize + 1; ++y)
            mix(b.Ban[x][y]);
    const TTejun& t = b.Tejun;
    mix(t.Current());
    mix(t.Last());
    mix(t.Hama(kKuro));
    mix(t.Hama(kSiro));
    for (int n = 1; n <= t.Last(); ++n) {
        mix(t.GetTe(n).x * 32 + t.GetTe(n).y);
        for (int i = 1; i <= t.ToruCountN(n); ++i)
            mix(t.ToruIsiN(n, i).x * 32 + t.ToruIsiN(n, i).y);
    }
    return h;
}

std::uint64_t StackHash()
{
    std::uint64_t h = static_cast<std::uint64_t>(Level);
    for (int lv = 0; lv <= Level; ++lv)
        h = h * 31 + BoardHash(*GobanLv[lv]);
    return h;
}

Point RandomMove(TGoban& b)
{
    const int c = b.Tejun.NextColor();
    std::vector<Point> cands;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            if (b.GetIro(x, y) != kAki)
                continue;
            // Skip own single-point eyes so games last and capture.
            bool eye = true;
            for (Point d : {Point(0, -1), Point(1, 0), Point(0, 1), Point(-1, 0)}) {
                const int n = b.GetIro(x + d.x, y + d.y);
                if (n != c && n != kHen)
                    eye = false;
            }
            if (eye)
                continue;
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

void RandomPosition(int size, int moves, std::uint64_t seed)
{
    ResetProgramState();
    RandSeed(seed);
    BoardSize = size;
    GobanLv[0]->NewGame();
    TGoban& b0 = *GobanLv[0];
    for (int i = 0; i < moves; ++i) {
        const Point p = RandomMove(b0);
        if (p.x == 0 || b0.Utu(p.x, p.y) != kUtuOk)
            break;
    }
}

} // namespace vorn::test
