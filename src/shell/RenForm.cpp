#include "shell/RenForm.h"

#include <cstdio>

#include "board/Goban.h"
#include "shell/RenInfo.h"

namespace vorn {

std::string MapNumberText(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.2d", n);
    return text;
}

bool MapPoint(int px, int py, Point& p)
{
    p = Point(px / kMapPitch + 1, py / kMapPitch + 1);
    return p.x >= 1 && p.x <= BoardSize && p.y >= 1 && p.y <= BoardSize;
}

void MapCellPaint(TCanvas& canvas, Point p, int number, int back, int text)
{
    const int l = (p.x - 1) * kMapPitch, t = (p.y - 1) * kMapPitch;
    canvas.FillRect(l, t, l + kMapPitch, t + kMapPitch, back);
    canvas.TextOut(l, t, MapNumberText(number), text);
}

void StoneCellColours(int colour, int& back, int& text)
{
    back = colour == kKuro ? clBlack : colour == kSiro ? clWhite : clYellow;
    text = colour == kKuro ? clWhite : clBlack;
}

void TRenForm::FormPaint(TCanvas& canvas) const
{
    const TGoban& b = CurGoban();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            int back = 0, text = 0;
            StoneCellColours(b.GetIro(x, y), back, text);
            MapCellPaint(canvas, Point(x, y), b.RenList.RenNo(x, y), back, text);
        }
}

void TRenForm::FormMouseDown(int px, int py)
{
    Point p;
    if (!MapPoint(px, py, p))
        return;
    info_.Visible = true;
    info_.ShowRen(CurGoban().RenList.RenNoPt(p));
}

} // namespace vorn
