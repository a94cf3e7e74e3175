// Groups of linked chains.
#pragma once

#include <cstdint>

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

constexpr int kMaxGun = 80;

class TGun {
public:
    int GetJisu() const { return JiSu; }
    int GetSmai() const { return Smai; }
    int GetDeath() const { return Death; }
    int GetSeki() const { return Seki; }

private:
    int JiSu = 0;
    int Smai = 0;
    std::uint8_t Death = 0;
    std::uint8_t Seki = 0;
};

class TGunList {
public:
    // The group numbered n (1..80), nullptr for a free slot.
    TGun* GetGun(int n) const { return Gun[n]; }
    int GetGunNo(int x, int y) const { return GunMap[x][y]; }
    // The group of the stone at p, nullptr when p holds no grouped stone.
    TGun* GetGunAt(Point p) const { return GunMap[p.x][p.y] == 0 ? nullptr : Gun[GunMap[p.x][p.y]]; }
    int GetCount() const { return Count; }

private:
    Arr<TGun*, 1, kMaxGun> Gun{};
    int Count = 0;
    Grid<int, 1, 19> GunMap{};
};

} // namespace vorn
