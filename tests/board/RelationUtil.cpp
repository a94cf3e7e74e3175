#include "board/RelationUtil.h"

#include <cstdio>

#include "board/Kankei.h"
#include "board/KuuIsi.h"

namespace vorn::test {

void ClearTables(TGoban& b)
{
    for (int c = 1; c <= 2; ++c) {
        FillGrid<std::uint8_t, 1, 19>(b.ToruTen[c], 0);
        FillGrid<std::uint8_t, 1, 19>(b.Kinsi[c], 0);
        FillGrid<std::uint8_t, 1, 19>(b.SelfAtari[c], 0);
    }
    FillGrid<std::uint8_t, 1, 19>(b.Death, 0);
}

void MakeRelations(Tables tables)
{
    TGoban& b = *GobanLv[0];
    Level = 0;
    b.RenMake();
    if (tables == Tables::Build) {
        b.ToruTenMake();
        b.KinsiMake();
        b.SelfAtariMake();
        FillGrid<std::uint8_t, 1, 19>(b.Death, 0);
        b.DeathMake();
    }
    b.SetLocateIro();
    KankeiMakeAll();
    KuuIsiMake();
    KuuIsiArea();
    b.GrenMake();
}

std::string Rels(int x, int y)
{
    const TLocate& loc = GobanLv[0]->GetLocate(x, y);
    std::string s;
    for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
        const Point p = loc.GetKankeiPoint(i);
        if (!s.empty())
            s += ' ';
        s += std::to_string(loc.GetKankeiKind(i)) + ':' + std::to_string(p.x) + ',' + std::to_string(p.y) + '='
            + std::to_string(loc.GetKankeiValue(i));
    }
    return s;
}

std::string RelTo(Point p, Point q)
{
    const TLocate& loc = GobanLv[0]->GetLocatePt(p);
    std::string s;
    for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
        if (loc.GetKankeiPoint(i) != q)
            continue;
        if (!s.empty())
            s += ' ';
        s += std::to_string(loc.GetKankeiKind(i)) + '=' + std::to_string(loc.GetKankeiValue(i));
    }
    return s;
}

std::string AreaDiagram()
{
    std::string s;
    char buf[8];
    for (int y = 1; y <= BoardSize; ++y) {
        for (int x = 1; x <= BoardSize; ++x) {
            std::snprintf(buf, sizeof buf, "%3d", AreaMap[x][y]);
            s += buf;
        }
        s += '\n';
    }
    return s;
}

} // namespace vorn::test
