// TLocate: the relations of one point to nearby points.
#pragma once

namespace vorn {

class TLocate {
public:
};

} // namespace vorn
