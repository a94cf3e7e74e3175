// An entry of tests/problems/keima-soto-pin.tst:
//
//   call KeimaSotoHaneSicho:bonus A B
//
// runs the push answer against an owner's stone beyond Oq alone on the
// knight's move (A, B), as "KeimaSotoHaneSicho:at" does, and answers each
// candidate as "P/b", its point and its tie-break bonus, sorted; "none"
// when there is none.
#include "engine/Problems.h"

#include "engine/shapes/KeimaSoto.h"
#include "engine/shapes/OuterRoutines.h"

namespace vorn::test {
namespace {

const TProblemRoutineAdd haneSichoBonus("KeimaSotoHaneSicho:bonus", outer::OuterBonus<KeimaSotoHaneSicho>);

} // namespace
} // namespace vorn::test
