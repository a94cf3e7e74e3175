// Jump-link pattern routines for the rows of tests/problems/links-probe3.tst,
// answered as in LinkRoutines.cpp (candidates in terms of the row's lines).
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include "engine/links/IkkenEdgeWarikomi.h"
#include "engine/links/IkkenKado1.h"
#include "engine/links/IkkenRenraku.h"

namespace vorn::test {
namespace {

const TProblemRoutineAdd ikkenKadoKataSides("IkkenKadoKata:sides", BoxRoutine<IkkenKadoKata>);
const TProblemRoutineAdd ikkenKado1Whole("IkkenKado1:whole", BoxRoutine<IkkenKado1>);
const TProblemRoutineAdd ikkenEdgeWariKataSide("IkkenEdgeWariKata:side", BoxRoutine<IkkenEdgeWariKata>);

} // namespace
} // namespace vorn::test
