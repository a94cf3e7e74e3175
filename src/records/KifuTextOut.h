// The text diagram: the position shown on board 0 in full-width characters
// (Shift-JIS, lines ending in CR LF).  A header line names the move shown
// and the prisoners, a line of column letters follows, then one line per
// row from the top, each starting with its number.
#pragma once

#include <string>

namespace vorn {

// The diagram's bytes.
std::string KifuTextDiagram();
// Writes the diagram to the file anew; false after the failure was reported.
bool KifuTextOut(const std::string& fileName);

} // namespace vorn
