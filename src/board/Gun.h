// Groups of linked chains.
#pragma once

namespace vorn {

class TGunList {
public:
};

} // namespace vorn
