// Shared by the problem-table entries that run the life-and-death pondering
// of one group.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "engine/Koho.h"
#include "engine/Sikatu.h"

namespace vorn::test {

// The group of the row's one point.
inline const TGun& GroupAt(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the entry wants one stone of the group");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    return *g;
}

// The pondering switched on, with no shape remembered, for the life of the
// object; the settings as they were afterwards.
struct TPonderOn {
    std::uint8_t on = SikatuYomiOn;
    unsigned char mode = YomiSikatuMode;
    TPonderOn()
    {
        SikatuYomiOn = 1;
        YomiSikatuMode = 1;
        ClearSikatuGun();
        KohoKind = kkSikatu;
    }
    ~TPonderOn()
    {
        ClearSikatuGun();
        SikatuYomiOn = on;
        YomiSikatuMode = mode;
    }
    TPonderOn(const TPonderOn&) = delete;
    TPonderOn& operator=(const TPonderOn&) = delete;
};

} // namespace vorn::test
