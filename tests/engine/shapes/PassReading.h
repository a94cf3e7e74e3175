// Small pieces shared by the shape routines files whose rows score a handler
// against one reading: the reading in which the attacked side may pass, and
// the candidates written against the reading's value.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Problems.h"
#include "engine/Reading.h"

namespace vorn::test {

// pts[0] is a stone of the side being attacked, pts[2...] the attacker's
// reading (the attacker first, the colours alternating) in which pts[0]
// stands for a pass.  Answers the reading's value for the attacker.
inline int PassReadingValue(const std::vector<Point>& pts)
{
    const int att = CurGoban().GetIroPt(pts[0]) ^ 3;
    TYomiKeep keep;
    int c = att;
    for (std::size_t i = 2; i < pts.size(); c ^= 3, ++i)
        if (pts[i] != pts[0] && !ToruPlay(c, pts[i]))
            throw std::invalid_argument("a move of the row's reading is refused: " + GtpVertex(pts[i]));
    return Hyoka(att);
}

// The candidates as "P=r:K" when a value is ref, else "P=?value:K", K the
// reason; "none" without candidates.
inline std::string CandidatesAgainst(int ref)
{
    std::string s;
    for (int i = 1; i <= KohoCount; ++i) {
        const int v = Koho.Value[i];
        s += (s.empty() ? "" : " ") + GtpVertex(Koho.Pt[i]) + '=' + (v == ref ? "r" : '?' + std::to_string(v)) + ':'
             + std::to_string(static_cast<int>(Koho.Kind[i]));
    }
    return s.empty() ? "none" : s;
}

} // namespace vorn::test
