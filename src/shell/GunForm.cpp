#include "shell/GunForm.h"

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/KuuIsi.h"
#include "shell/GunInfo.h"
#include "shell/MainCtl.h"
#include "shell/RenForm.h"

namespace vorn {

namespace {

constexpr int clAqua = 0xFFFF00;

} // namespace

void TGunForm::FormPaint(TCanvas& canvas) const
{
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            int back = 0, text = 0;
            StoneCellColours(b.GetIro(x, y), back, text);
            MapCellPaint(canvas, Point(x, y), b.GunList.GetGunNo(x, y), back, text);
        }
}

void TGunForm::FormMouseDown(int px, int py)
{
    Point p;
    if (!MapPoint(px, py, p))
        return;
    const int n = CurGoban().GunList.GetGunNo(p.x, p.y);
    if (n == 0)
        return;
    info_.Visible = true;
    info_.ShowGun(n);
    ShowFrom(n);
}

void TGunForm::ShowFrom(int n)
{
    if (n < 1 || n > kMaxGun)
        return;
    const TGun* g = GobanLv[0]->GunList.GetGun(n);
    if (g == nullptr)
        return;
    TMainView& view = main_.View();
    for (int i = 1; i <= g->GetFromSu(); ++i) {
        const Point p = g->GetFromB(i);
        view.LocateDrawText(p, std::to_string(g->GetFromValue(i)), GetAreaMap(p) != 0 ? clAqua : clBlue);
    }
    for (int i = 1; i <= g->GetKokyuSu(); ++i)
        view.LocateDrawText(g->GetKokyu(i), std::to_string(g->GetKokyuValue(i)), clWhite);
}

} // namespace vorn
