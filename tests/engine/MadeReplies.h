// The look-ahead's reply choice at one level, run on a made-up candidate
// table: shared by the routines files whose rows pin which replies are read.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "engine/Koho.h"
#include "engine/Problems.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"

namespace vorn::test {

// One value and reason of a made-up candidate.
struct TMadeReply {
    int value;
    std::uint8_t reason;
};

// The replies SelectYomiKoho takes: the area marked around the root pts[0]
// with its best value rootBest, the candidates pts[1..] with the values and
// reasons of `made` in order.  Answers the points taken, sorted ("none" when
// none); the root's state is restored.
inline std::string RepliesTaken(const std::vector<Point>& pts, int rootBest, std::span<const TMadeReply> made)
{
    if (pts.size() != made.size() + 1)
        throw std::invalid_argument("the variant wants the root and " + std::to_string(made.size()) + " points");
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            YomiArea[x][y] = 0;
    MarkYomiArea(pts[0]);
    const Point savedTe = SakiRootTe;
    const int savedBest = SakiRootBest;
    SakiRootTe = pts[0];
    SakiRootBest = rootBest;
    for (std::size_t i = 0; i < made.size(); ++i)
        AddKohoEx(pts[i + 1], made[i].value, made[i].reason, Point());
    Arr<Point, 1, kMaxKoho> taken{};
    const int m = SelectYomiKoho(taken);
    SakiRootTe = savedTe;
    SakiRootBest = savedBest;
    std::vector<std::string> words;
    for (int i = 1; i <= m; ++i)
        words.push_back(GtpVertex(taken[i]));
    return SortedWords(words);
}

inline std::string RepliesTaken(const std::vector<Point>& pts, int rootBest, std::initializer_list<TMadeReply> made)
{
    return RepliesTaken(pts, rootBest, std::span<const TMadeReply>(made.begin(), made.size()));
}

} // namespace vorn::test
