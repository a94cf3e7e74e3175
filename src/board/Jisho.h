// Regions of empty points grown from groups, with their eye verdicts.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

constexpr int kMaxJi = 100;

class TJi {
public:
    // The owner's colour; 0 while the region is marked seki.
    int GetJiIro() const { return SekiMark == 1 ? 0 : JiIro; }
    int GetMe() const { return Me; }

private:
    std::uint8_t JiIro = 0;
    int Me = 0;
    std::uint8_t SekiMark = 0;
};

class TJiList {
public:
    TJi* GetJi(int n) const { return Ji[n]; }
    int GetJiNo(int x, int y) const { return JiMap[x][y]; }
    // The region at p (0..20 on both axes), nullptr when none.
    TJi* GetJiAt(Point p) const { return JiMap[p.x][p.y] == 0 ? nullptr : Ji[JiMap[p.x][p.y]]; }
    int GetJiIroPt(Point p) const { return GetJiAt(p) == nullptr ? 0 : GetJiAt(p)->GetJiIro(); }
    int GetCount() const { return Count; }

private:
    Arr<TJi*, 1, kMaxJi> Ji{};
    Grid<int, 0, 20> JiMap{};
    int Count = 0;
};

} // namespace vorn
