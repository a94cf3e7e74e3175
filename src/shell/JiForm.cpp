#include "shell/JiForm.h"

#include "board/Goban.h"
#include "board/KuuIsi.h"
#include "shell/JiInfo.h"
#include "shell/RenForm.h"

namespace vorn {

namespace {

constexpr int clMaroon = 0x000080;
constexpr int clSilver = 0xC0C0C0;
constexpr int clGreen = 0x008000;
constexpr int clAqua = 0xFFFF00;

} // namespace

void JiCellColours(int colour, int a, int& back, int& text)
{
    // Decided in this order, a later rule overriding an earlier one.
    back = clYellow;
    text = clBlack;
    if (a > 0) {
        back = a == 1 ? clRed : clMaroon;
        text = clWhite;
    } else if (a < 0) {
        back = a == -1 ? clSilver : clGrey;
        text = clBlack;
    }
    if (colour == kKuro) {
        back = a != 0 ? clGreen : clBlack;
        text = clWhite;
    } else if (colour == kSiro) {
        back = a != 0 ? clAqua : clWhite;
        text = clBlack;
    }
}

void TJiForm::FormPaint(TCanvas& canvas) const
{
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            int back = 0, text = 0;
            JiCellColours(b.GetIro(x, y), AreaMap[x][y], back, text);
            MapCellPaint(canvas, Point(x, y), b.JiList.GetJiNo(x, y), back, text);
        }
}

void TJiForm::FormMouseDown(int px, int py)
{
    Point p;
    if (!MapPoint(px, py, p))
        return;
    const int n = CurGoban().JiList.GetJiNoPt(p);
    if (n == 0)
        return;
    info_.Visible = true;
    info_.ShowJi(n);
}

} // namespace vorn
