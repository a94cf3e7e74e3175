#include "engine/Pending.h"

namespace vorn {

// Not in the program yet: each of these does nothing.

bool YomiUtuRebuild(int, Point) { return false; }
void YomiModosu() {}

} // namespace vorn
