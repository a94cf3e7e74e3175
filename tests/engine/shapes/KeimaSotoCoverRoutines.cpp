// An entry of tests/problems/keima-soto-cover.tst:
//
//   call KeimaSotoNaka:bonus A B
//
// runs the answer to an attacker's stone beside a middle point alone on the
// knight's move (A, B), as "KeimaSotoNaka:at" does, and answers every
// candidate as "P/b", its point and the bonus byte that breaks ties within
// a value; "none" when there is none.
#include "engine/Problems.h"

#include "engine/shapes/KeimaSoto.h"
#include "engine/shapes/OuterRoutines.h"

namespace vorn::test {
namespace {

const TProblemRoutineAdd sotoNakaBonus("KeimaSotoNaka:bonus", outer::OuterBonus<KeimaSotoNaka>);

} // namespace
} // namespace vorn::test
