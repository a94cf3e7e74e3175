#include "shell/LocateForm.h"

#include <cstdlib>

#include "board/Goban.h"
#include "shell/BanDraw.h"

namespace vorn {

void WideLine(TCanvas& canvas, int x1, int y1, int x2, int y2, int colour, int width)
{
    const bool steep = std::abs(y2 - y1) > std::abs(x2 - x1);
    for (int k = 0; k < width; ++k) {
        const int dx = steep ? k : 0, dy = steep ? 0 : k;
        canvas.Line(x1 + dx, y1 + dy, x2 + dx, y2 + dy, colour, false);
    }
}

int TLocateForm::LineColour(int code)
{
    const int pen = KankeiPen(code);
    return pen >= 0 ? pen : KankeiPen(0);
}

int TLocateForm::LineCode(Point p, Point related, int value)
{
    const TGoban& b = *GobanLv[0];
    const int c = b.GetIroPt(p);
    if (c == kKuro || c == kSiro)
        return value;
    return b.GetIroPt(related) + 1;
}

void TLocateForm::FormPaint(TCanvas& canvas) const
{
    const int size = BoardSize;
    canvas.FillRect(0, 0, size * LocPitch + 19, size * LocPitch + 20, kBackColor);
    canvas.FillRect(LocOrgX, LocOrgY, LocOrgX + size * LocPitch + 1, LocOrgY + size * LocPitch + 1, clOlive);
    const int first = LocOrgX + LocHalf, last = first + (size - 1) * LocPitch;
    for (int i = 0; i < size; ++i) {
        const int v = first + i * LocPitch;
        canvas.Line(first, v, last + 1, v, clBlack, false);
        canvas.Line(v, first, v, last + 1, clBlack, false);
    }
    const TGoban& b = *GobanLv[0];
    for (int y = 1; y <= size; ++y)
        for (int x = 1; x <= size; ++x) {
            const int c = b.GetIro(x, y);
            if (c != kKuro && c != kSiro)
                continue;
            const int l = LocOrgX + (x - 1) * LocPitch, t = LocOrgY + (y - 1) * LocPitch;
            canvas.Ellipse(l, t, l + LocPitch, t + LocPitch, clBlack, c == kKuro ? clBlack : clWhite);
        }
}

void TLocateForm::FormMouseDown(TCanvas& canvas, int px, int py) const
{
    const Point p((px - LocOrgX) / LocPitch + 1, (py - LocOrgY) / LocPitch + 1);
    if (p.x < 1 || p.x > BoardSize || p.y < 1 || p.y > BoardSize)
        return;
    FormPaint(canvas);
    KankeiPaint(canvas, p);
}

void TLocateForm::KankeiPaint(TCanvas& canvas, Point p) const
{
    const TGoban& b = *GobanLv[0];
    if (!b.OnBoardPt(p))
        return;
    Arr<Point, 1, kMaxKankei> points;
    Arr<int, 1, kMaxKankei> values;
    const int n = b.LocateCall(p.x, p.y, points, values);
    for (int i = 1; i <= n; ++i) {
        const Point q = points[i];
        // Each end at its point's crossing.
        const int ax = LocPitch * p.x - 1, ay = LocPitch * p.y - 1;
        const int bx = LocPitch * q.x - 1, by = LocPitch * q.y - 1;
        int dx = 0, dy = 0;
        KankeiShift(p, q, dx, dy);
        WideLine(canvas, ax + dx, ay + dy, bx + dx, by + dy, LineColour(LineCode(p, q, values[i])), 2);
    }
}

void TLocateForm::DrawText(TCanvas& canvas, const std::string& text, Point p, int colour) const
{
    int x = LocOrgX + (p.x - 1) * LocPitch;
    const int y = LocOrgY + (p.y - 1) * LocPitch;
    if (CharCount(text) == 1)
        x += 4;
    canvas.TextOut(x, y, text, colour);
}

void TLocateForm::ShowDirection(TCanvas& canvas) const
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const TGoban& b = CurGoban();
    for (int y = 4; y <= BoardSize - 3; ++y)
        for (int x = 4; x <= BoardSize - 3; ++x) {
            if (b.GetIro(x, y) != kAki)
                continue;
            const TLocate& loc = b.GetLocate(x, y);
            int mask[3] = {0, 0, 0};
            for (int c = kKuro; c <= kSiro; ++c)
                for (int d = 1; d <= 4; ++d)
                    if (loc.GetDirection(c, d) != 0)
                        mask[c] |= 1 << (d - 1);
            DrawText(canvas, std::string{kHex[mask[kKuro]], kHex[mask[kSiro]]}, Point(x, y), clRed);
        }
}

} // namespace vorn
