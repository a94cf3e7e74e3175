#include "board/KuuIsi.h"

namespace vorn {

Grid<int, 0, 20> AreaMap{};
Grid<int, 0, 20> AreaMapBackup{};
Grid<int, 0, 20> AreaMapView{};

void KuuIsiReset()
{
    FillGrid<int, 0, 20>(AreaMap, 0);
    FillGrid<int, 0, 20>(AreaMapBackup, 0);
    FillGrid<int, 0, 20>(AreaMapView, 0);
}

} // namespace vorn
