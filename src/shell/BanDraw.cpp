#include "shell/BanDraw.h"

#include "board/Goban.h"
#include "board/Hooks.h"

namespace vorn {

namespace {

// The pitches a board can have, largest first; each is odd.
constexpr int kPitches[] = {53, 49, 45, 41, 37, 33, 29, 25};

} // namespace

int CharCount(const std::string& s)
{
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

TBanGeometry CalcBanGeometry(int clientWidth, int clientHeight, int panelHeight, int statusHeight, int size,
                             bool banLeft)
{
    TBanGeometry g;
    const int area = clientHeight - panelHeight - statusHeight;
    const int side = clientWidth < area ? clientWidth : area;
    const int p = size > 0 ? side / size : 0;
    g.BanPitch = p >= 21 ? 21 : 17;
    for (int v : kPitches)
        if (p >= v) {
            g.BanPitch = v;
            break;
        }
    g.BanHalf = g.BanPitch / 2;
    const int extent = size * g.BanPitch;
    if (banLeft) {
        g.BanX = 1;
        g.BanY = panelHeight + 1;
    } else {
        g.BanX = clientWidth > extent ? (clientWidth - extent) / 2 : 1;
        g.BanY = extent < area ? panelHeight + (area - extent) / 2 : panelHeight + 1;
    }
    return g;
}

int IrhTextColour(int code)
{
    switch (code) {
    case -1: return clBlack;
    case 0: return clRed;
    case 1: return 0xFFFF00;  // cyan
    case 2: return clBlue;
    case 3: return 0x00FF00;  // green
    case 4: return 0x00FFFF;  // yellow
    default: return clWhite;
    }
}

void TBanDraw::SetGeometry(const TBanGeometry& g)
{
    BanX = g.BanX;
    BanY = g.BanY;
    BanPitch = g.BanPitch;
    BanHalf = g.BanHalf;
}

bool TBanDraw::PixelToPoint(int px, int py, Point& p) const
{
    auto floorDiv = [](int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    p.x = floorDiv(px - BanX, BanPitch) + 1;
    p.y = floorDiv(py - BanY, BanPitch) + 1;
    return OnBoard(p.x, p.y);
}

bool TBanDraw::OnBoard(int x, int y) const { return x >= 1 && y >= 1 && x <= BoardSize && y <= BoardSize; }

void TBanDraw::BoardPaint()
{
    const int size = BoardSize;
    const int extent = size * BanPitch;
    canvas_.FillRect(BanX, BanY, BanX + extent + 1, BanY + extent + 1, BanColor);
    const int x0 = BanX + BanHalf;
    const int y0 = BanY + BanHalf;
    const int span = (size - 1) * BanPitch;
    for (int i = 0; i < size; ++i) {
        canvas_.Line(x0 + i * BanPitch, y0, x0 + i * BanPitch, y0 + span, clBlack);
        canvas_.Line(x0, y0 + i * BanPitch, x0 + span, y0 + i * BanPitch, clBlack);
    }
    // Star points by the board size.
    if (size == 19) {
        for (int x : {4, 10, 16})
            for (int y : {4, 10, 16})
                HosiDraw(x, y);
    } else if (size == 13) {
        for (int x : {4, 10})
            for (int y : {4, 10})
                HosiDraw(x, y);
        HosiDraw(7, 7);
    } else if (size == 9) {
        HosiDraw(5, 5);
    }
}

void TBanDraw::IsiPaintAll()
{
    const TGoban& b = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            if (c == kKuro || c == kSiro)
                IsiDraw(c, x, y);
        }
}

void TBanDraw::HosiDraw(int x, int y)
{
    if (!OnBoard(x, y))
        return;
    const int cx = CellLeft(x) + BanHalf;
    const int cy = CellTop(y) + BanHalf;
    canvas_.FillRect(cx - 1, cy - 1, cx + 2, cy + 2, clBlack);
}

void TBanDraw::IsiDraw(int colour, int x, int y)
{
    if (!OnBoard(x, y) || (colour != kKuro && colour != kSiro))
        return;
    const int l = CellLeft(x), t = CellTop(y);
    const int fill = (colour == kKuro && !OneColor) ? KuroIsiColor : SiroIsiColor;
    canvas_.Ellipse(l, t, l + BanPitch, t + BanPitch, clBlack, fill);
}

void TBanDraw::CellLines(int x, int y)
{
    const int l = CellLeft(x), t = CellTop(y);
    const int r = l + BanPitch, b = t + BanPitch;
    const int cx = l + BanHalf, cy = t + BanHalf;
    // On the edge the segment stops at the intersection.
    canvas_.Line(cx, y == 1 ? cy : t, cx, y == BoardSize ? cy : b, clBlack);
    canvas_.Line(x == 1 ? cx : l, cy, x == BoardSize ? cx : r, cy, clBlack);
}

void TBanDraw::BanPointPaint(int x, int y, int colour)
{
    if (!OnBoard(x, y))
        return;
    const int l = CellLeft(x), t = CellTop(y);
    canvas_.FillRect(l, t, l + BanPitch + 1, t + BanPitch + 1, colour);
    CellLines(x, y);
}

void TBanDraw::IsiErase(int x, int y)
{
    if (!OnBoard(x, y))
        return;
    BanPointPaint(x, y, BanColor);
    if (Hosi[x][y])
        HosiDraw(x, y);
}

void TBanDraw::BanMarkPaint(int x, int y, int pen, int brush)
{
    if (!OnBoard(x, y))
        return;
    const int l = CellLeft(x), t = CellTop(y);
    canvas_.FillRect(l, t, l + BanPitch + 1, t + BanPitch + 1, clOlive);
    canvas_.Rectangle(l + 2, t + 2, l + BanPitch - 2, t + BanPitch - 2, pen, 2, brush);
    CellLines(x, y);
}

void TBanDraw::DeadMarkDraw(int colour, int x, int y)
{
    if (!OnBoard(x, y))
        return;
    const int cx = CellLeft(x) + BanHalf, cy = CellTop(y) + BanHalf;
    const int pen = colour == kKuro ? clWhite : clBlack;
    canvas_.Line(cx - 4, cy - 4, cx + 5, cy + 5, pen, false);
    canvas_.Line(cx - 4, cy + 4, cx + 5, cy - 5, pen, false);
}

void TBanDraw::RingDraw(int x, int y, int colour)
{
    if (!OnBoard(x, y))
        return;
    const int l = CellLeft(x), t = CellTop(y);
    canvas_.Ellipse(l, t, l + BanPitch, t + BanPitch, colour, clNone);
}

void TBanDraw::AtariMarkDraw(int x, int y, int colour)
{
    if (!OnBoard(x, y))
        return;
    RingDraw(x, y, colour);
    const int cx = CellLeft(x) + BanHalf, cy = CellTop(y) + BanHalf;
    const int d = BanPitch / 16, s = BanPitch / 8 + 1;
    canvas_.Ellipse(cx - d, cy - d, cx - d + s, cy - d + s, colour, colour);
}

void TBanDraw::WeakMarkDraw(int colour, int x, int y)
{
    if (!OnBoard(x, y))
        return;
    const int cx = CellLeft(x) + BanHalf, cy = CellTop(y) + BanHalf;
    const int pen = colour == kKuro ? clWhite : clBlack;
    canvas_.Line(cx, cy - 7, cx - 6, cy + 3, pen, false);
    canvas_.Line(cx - 6, cy + 3, cx + 6, cy + 3, pen, false);
    canvas_.Line(cx + 6, cy + 3, cx, cy - 7, pen, false);
}

void TBanDraw::CornerTextOut(const std::string& text, Point p, int dx, int colour)
{
    if (!OnBoard(p.x, p.y))
        return;
    canvas_.TextOut(CellLeft(p.x) + dx, CellTop(p.y), text, colour);
}

void TBanDraw::LastMarkDraw(int x, int y)
{
    if (NoLastMark == 1 || !OnBoard(x, y))
        return;
    const int l = CellLeft(x) + BanPitch / 4 + 1;
    const int t = CellTop(y) + BanPitch / 4 + 1;
    canvas_.FillRect(l, t, l + BanHalf - 1, t + BanHalf - 1, clGrey);
}

void TBanDraw::IrhTextOut(const std::string& text, Point p, int code)
{
    if (!OnBoard(p.x, p.y))
        return;
    int x = CellLeft(p.x) + BanHalf - 8;
    const int y = CellTop(p.y) + BanHalf - 8;
    if (CharCount(text) == 1)
        x += 4;
    canvas_.TextOut(x, y, text, IrhTextColour(code));
}

void TBanDraw::NumberedIsiDraw(int colour, int n, Point p)
{
    IsiDraw(colour, p.x, p.y);
    IrhTextOut(std::to_string(n), p, colour == kKuro ? 5 : -1);
}

void TBanDraw::BangoDraw(int colour, int n, int x, int y)
{
    if (!OnBoard(x, y))
        return;
    const int m = BanPitch < 25 ? n % 100 : n;
    int px = CellLeft(x) + BanHalf - 4;
    if (m >= 10)
        px -= 4;
    if (m >= 100)
        px -= 4;
    int py = CellTop(y);
    if (BanPitch >= 21)
        py += (BanPitch - 17) / 2;
    canvas_.TextOut(px, py, std::to_string(m), colour == kKuro ? clWhite : clBlue);
}

void TBanDraw::BangoPaint()
{
    const TGoban& b = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            if (c == kKuro || c == kSiro)
                BangoDraw(c, b.Tejun.Find(x, y), x, y);
        }
}

int KankeiPen(int kind)
{
    static constexpr int kPens[] = {0x008000, clBlue, 0x00FFFF, clRed, 0x800080};
    return kind >= 0 && kind <= 4 ? kPens[kind] : -1;
}

void KankeiShift(Point a, Point b, int& dx, int& dy)
{
    dx = dy = 0;
    if (a.y == b.y && a.x < b.x)
        dy = 1;
    else if (a.x == b.x && a.y < b.y)
        dx = 1;
    else if (a.y < b.y)
        dy = 2;
}

void TBanDraw::KankeiDraw(int x1, int y1, int x2, int y2, int kind)
{
    if (const int pen = KankeiPen(kind); pen >= 0)
        kankeiPen_ = pen;
    const int ax = CellLeft(x1) + BanHalf, ay = CellTop(y1) + BanHalf;
    const int bx = CellLeft(x2) + BanHalf, by = CellTop(y2) + BanHalf;
    int dx = 0, dy = 0;
    KankeiShift(Point(x1, y1), Point(x2, y2), dx, dy);
    canvas_.Line(ax + dx, ay + dy, bx + dx, by + dy, kankeiPen_, false);
}

void TBanDraw::IrhLabelPaint()
{
    const TTejun& t = GobanLv[0]->Tejun;
    const int n = t.Current();
    for (int i = 1; i <= t.MarkCount(n); ++i) {
        const Point p = t.MarkPoint(n, i);
        // A label off the board (from a damaged record) is not drawn.
        if (!OnBoard(p.x, p.y))
            continue;
        IrhTextOut(t.MarkText(n, i), p, 1);
        IrhLabels[p.x][p.y] = t.MarkText(n, i);
    }
}

void TBanDraw::IrhLabelErase()
{
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            if (!IrhLabels[x][y].empty()) {
                IsiErase(x, y);
                IrhLabels[x][y].clear();
            }
}

void TBanDraw::IrhLabelsReset()
{
    for (auto& col : IrhLabels)
        for (std::string& s : col)
            s.clear();
}

} // namespace vorn
