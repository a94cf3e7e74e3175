// Relations of empty points and the signed area map.
#pragma once

#include "board/Array.h"
#include "board/Point.h"

namespace vorn {

// Positive on Black's side, negative on White's, 0 neutral; +-1 border, +-2 firm.
extern Grid<int, 0, 20> AreaMap;
// The area map as it stood at the start of the engine's decision.
extern Grid<int, 0, 20> AreaMapBackup;
// The area map as the territory display shows it.
extern Grid<int, 0, 20> AreaMapView;

void KuuIsiReset();

} // namespace vorn
