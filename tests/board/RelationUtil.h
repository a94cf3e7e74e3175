// Helpers of the relation and area-map tests: building the relations of board
// 0 in the order of the analysis, and printing records and maps.
#pragma once

#include <string>

#include "board/Goban.h"

namespace vorn::test {

enum class Tables {
    Build, // the analysis tables (captures, forbidden points, self-atari, dead marks) are built
    AsSet, // the tables stand as the test set them
};

// Clears the analysis tables of board b.
void ClearTables(TGoban& b);
// Chains, the analysis tables, the relation records, the stone and the
// empty-point relations, the area map and the chain links of board 0.
void MakeRelations(Tables tables = Tables::Build);

// The relations of (x, y) in record order: "kind:x,y=value" separated by blanks.
std::string Rels(int x, int y);
// The relations of p to q in record order: "kind=value" separated by blanks.
std::string RelTo(Point p, Point q);
// The area map of board 0, one row per line, values right-aligned in 3 columns.
std::string AreaDiagram();

} // namespace vorn::test
