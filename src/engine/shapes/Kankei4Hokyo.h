// The knight's move in the second pass over the relations: a knight's move
// a-b (the box of Keima.h) whose middle points are free of the attacker, read
// once more where an attacker's stone
//
//   - touches an end stone from the side (R1 or R4): the contact answer;
//   - stands outside a middle point (D2 or D3): the outside answer;
//   - stands on the far line beside an end (D1 or D4): the far answer.
//
// Each proposes the middle point next to that stone for either side, valued
// by both sides' readings; the attacker's follow-up may ride as the bonus.
// A refused move inside a reading is not played and the reading goes on;
// only the moves that stood are taken back.
#pragma once

#include "board/Point.h"

namespace vorn {

void Kankei4Hokyo(Point a, Point b);

// The far answer's value from the two sides' readings summed: doubled up to
// 2 when the engine attacks, else raised by half (toward zero); as it
// stands when the engine owns the link.
int Kankei4FarValue(int sum, bool engineAttacks);

} // namespace vorn
