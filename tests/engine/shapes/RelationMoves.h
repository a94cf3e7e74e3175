// Small helpers of the tests of the relation moves (the group relation
// shapes, the moves beside weak groups' links, the invasions and the
// extensions from empty points).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "board/Point.h"

namespace vorn::test {

// A diagram of an n x n board with the stones given as (name, colour):
// "D5" is (4, 5) as ParsePoint reads it, 'X' black, 'O' white.
std::string Stones(int n, const std::vector<std::pair<const char*, char>>& stones);

// The candidate at p: its entry (0 when none).
int KohoEntry(Point p);
// The candidates as a sorted list of "D5=22/0" (value/bonus), reasons
// left out: for comparing two tables.
std::string SortedCandidates();
// The prepared answers as " own:reply>answer" in table order.
std::string PreparedList();

} // namespace vorn::test
