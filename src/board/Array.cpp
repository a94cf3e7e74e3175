#include "board/Array.h"

#include <string>

namespace vorn {

void RangeError(long index, long lo, long hi)
{
    const std::string what = "index " + std::to_string(index) + " outside " + std::to_string(lo) + ".."
                             + std::to_string(hi);
    throw ERangeError(what.c_str());
}

} // namespace vorn
