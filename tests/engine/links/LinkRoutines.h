// The runner of the jump-link pattern routines that the problem tables call
// by name: the jump's box, the lines of a row's working and the candidates
// answered as expressions of the lines' evaluations (see LinkRoutines.cpp).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Point.h"
#include "engine/Koho.h"
#include "engine/links/KankeiBox.h"

namespace vorn::test {

// Runs `run` on the box of the jump pts[0]-pts[1] with the `own` points
// that follow, after the lines' evaluations; answers what `run` returned
// ("" for nothing) and the candidates, in terms of the lines.
std::string Expressed(const std::vector<Point>& pts, std::size_t own,
                      const std::function<std::string(const TKankeiBox&, const std::vector<Point>&)>& run);

// A pattern routine that takes the box alone.
template <void (*R)(TKankeiBox)>
std::string BoxRoutine(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        R(box);
        return std::string();
    });
}

// NAME:...:bonus A B [lines]: the candidates as BoxRoutine answers them,
// each followed by its bonus as "POINT+bonus".
template <void (*R)(TKankeiBox)>
std::string BoxRoutineWithBonus(const std::vector<Point>& pts)
{
    std::string out = BoxRoutine<R>(pts);
    for (int i = 1; i <= KohoCount; ++i)
        out += ' ' + GtpVertex(Koho.Pt[i]) + '+' + std::to_string(static_cast<int>(Koho.Bonus[i]));
    return out;
}

} // namespace vorn::test
