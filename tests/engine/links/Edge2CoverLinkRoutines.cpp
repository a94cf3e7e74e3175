// The follow-ups of the peep beside the gap of a jump to the edge, called on
// their own for the rows of tests/problems/links-edge2-cover.tst (the family
// head's own candidate would mix in otherwise); answered as in
// LinkRoutines.cpp, candidates in terms of the row's lines.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include "engine/links/IkkenEdgeNozoki.h"

namespace vorn::test {
namespace {

// The opponent's play beside the gap that leaves the connection in atari.
const TProblemRoutineAdd ikkenEdgeNozokiAtariEdge2("IkkenEdgeNozokiAtari:edge2", BoxRoutine<IkkenEdgeNozokiAtari>);
// The opponent's play beside the gap followed by the hane above it.
const TProblemRoutineAdd ikkenEdgeNozokiHaneEdge2("IkkenEdgeNozokiHane:edge2", BoxRoutine<IkkenEdgeNozokiHane>);

} // namespace
} // namespace vorn::test
