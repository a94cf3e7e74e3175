#include "TcpUtil.h"

#include <algorithm>

namespace vorn::test {

bool TFakeHost::MovesReceived(const std::vector<Point>& received, std::string& why)
{
    moves.clear();
    for (const Point& p : received)
        if (!Play(p)) {
            why = "occupied";
            return false;
        }
    return true;
}

int TFakeHost::ToMove() const
{
    const int first = teai >= 2 ? kSiro : kKuro;
    return moves.size() % 2 == 0 ? first : Aite(first);
}

bool TFakeHost::Play(Point p)
{
    if (p != kPass && std::find(moves.begin(), moves.end(), p) != moves.end())
        return false;
    moves.push_back(p);
    return true;
}

bool TFakeHost::PeerToMove() const { return running && ToMove() == (black ? kSiro : kKuro); }

bool TFakeHost::PeerMove(Point p, std::string& why)
{
    if (refuseNext || !Play(p)) {
        refuseNext = false;
        why = "refused";
        return false;
    }
    return true;
}

} // namespace vorn::test
