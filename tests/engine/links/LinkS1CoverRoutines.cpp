// Jump-link pattern routines for the rows of tests/problems/links-s1-cover.tst
// (the peep with the opponent beyond the far point), answered as in
// LinkRoutines.cpp: the candidates as expressions of the row's lines.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include "engine/links/IkkenNozokiKata.h"

namespace vorn::test {
namespace {

const TProblemRoutineAdd s1NozokiSotoAite("IkkenNozokiSotoAite:s1", BoxRoutine<IkkenNozokiSotoAite>);
const TProblemRoutineAdd s1NozokiSotoAite2("IkkenNozokiSotoAite2:s1", BoxRoutine<IkkenNozokiSotoAite2>);

} // namespace
} // namespace vorn::test
