// Regions of empty points grown from groups, with their eye verdicts.
#pragma once

namespace vorn {

class TJiList {
public:
};

} // namespace vorn
