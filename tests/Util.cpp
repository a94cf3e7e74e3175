#include "Util.h"

#include "board/Diagram.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace vorn::test {

void SetBoard(const std::string& diagram, int handicap)
{
    TDiagram d;
    std::string why;
    if (!ParseDiagram(diagram, d, why))
        throw std::runtime_error(why);
    // No side is named: the first move is the handicap's.
    SetupPosition(d, 0);
    Handicap = handicap;
}

std::string BoardDiagram(const TGoban& b) { return DiagramRows(b); }

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

Point RandomMove(TGoban& b) { return RandomLegalMove(b); }

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
