// More jump-link pattern routines for the problem tables (rows in
// tests/problems/links-probe2.tst), answered as in LinkRoutines.cpp.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include "engine/links/IkkenNozokiKata.h"

namespace vorn::test {
namespace {

const TProblemRoutineAdd ikkenNozokiKado("IkkenNozokiKado", BoxRoutine<IkkenNozokiKado>);

} // namespace
} // namespace vorn::test
