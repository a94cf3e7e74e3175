// One more way of answering the jump-link pattern routines for the rows of
// tests/problems/links-k6-pin.tst.
//
// "NAME:pin-bonus A B [lines]": the candidates as "NAME A B [lines]" answers
// them (LinkRoutines.cpp), then each candidate's bonus as "POINT+bonus".
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <string>
#include <vector>

#include "engine/links/Kankei6EdgeNozoki.h"
#include "engine/links/Kankei6Utu.h"

namespace vorn::test {
namespace {

const TProblemRoutineAdd pfEdgeNozokiBonus("Kankei6EdgeNozoki:pin-bonus", BoxRoutineWithBonus<Kankei6EdgeNozoki>);
const TProblemRoutineAdd pfSotoBonus("Kankei6Soto:pin-bonus", BoxRoutineWithBonus<Kankei6Soto>);

} // namespace
} // namespace vorn::test
