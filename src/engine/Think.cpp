#include "engine/Think.h"

namespace vorn {

std::uint8_t JibunIro = 0;
std::uint8_t AiteIro = 0;
int KeiseiHandanNow = 0;
std::uint8_t UrgentPassFlag = 0;
std::uint8_t SikatuYomiOn = 0;
std::uint8_t InSakiyomi = 0;
Grid<std::uint8_t, 1, 19> YomiArea{};

void ThinkReset()
{
    JibunIro = 0;
    AiteIro = 0;
    KeiseiHandanNow = 0;
    UrgentPassFlag = 0;
    SikatuYomiOn = 0;
    InSakiyomi = 0;
    FillGrid<std::uint8_t, 1, 19>(YomiArea, 0);
}

} // namespace vorn
