// One more way of answering the jump-link pattern routines for the rows of
// tests/problems/q4-pin3.tst: the prepared answers a routine leaves.
//
// "NAME:prep:q4 A B [lines]": the candidates as "NAME A B [lines]" answers
// them (LinkRoutines.cpp), then each prepared answer as "D4/E5/F6" (the
// engine's move, the opponent's reply, the answer to it).
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <string>
#include <vector>

#include "engine/Koho.h"
#include "engine/links/Kankei6EdgeNozoki.h"

namespace vorn::test {
namespace {

template <void (*R)(TKankeiBox)>
std::string BoxRoutineWithPrepared(const std::vector<Point>& pts)
{
    PreparedTeClear();
    std::string out = BoxRoutine<R>(pts);
    for (int i = 1; i <= PreparedTeCount; ++i)
        out += ' ' + GtpVertex(PreparedTe.OwnTe[i]) + '/' + GtpVertex(PreparedTe.AiteTe[i]) + '/'
               + GtpVertex(PreparedTe.AnswerTe[i]);
    return out;
}

const TProblemRoutineAdd edgeNozokiPrepared("Kankei6EdgeNozoki:prep:q4", BoxRoutineWithPrepared<Kankei6EdgeNozoki>);

} // namespace
} // namespace vorn::test
