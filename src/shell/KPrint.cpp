#include "shell/KPrint.h"

#include "board/Goban.h"
#include "board/Tejun.h"

namespace vorn {

const char* const kKifuPrintTitle = "対局囲碁「ＶＯＲＮ」棋譜";

namespace {

constexpr int kSilver = 0xC0C0C0;
constexpr int kBlack = 0x000000;
constexpr int kWhite = 0xFFFFFF;
// The list: entries six to a row, 280 apart; rows 104 apart.
constexpr int kListColumns = 6;
constexpr int kListColumnStep = 280;
constexpr int kListRowStep = 104;
// A continued list starts where the header starts on the first page.
constexpr int kContinuedTop = 100;

// A stone of a cell with its number, the number placed by its size.
void NumberedStone(TPrintCanvas& c, int left, int top, int colour, int number)
{
    const bool black = colour == kKuro;
    c.Ellipse(left, top, left + kPrintCell, top + kPrintCell, kBlack, 2, black ? kBlack : kWhite);
    int points = 14, dx = 24, dy = 8;
    if (number >= 100)
        points = 9, dx = 10, dy = 20;
    else if (number >= 10)
        points = 12, dx = 14, dy = 12;
    c.Text(left + dx, top + dy, std::to_string(number), points, black, black ? kWhite : kBlack);
}

// Places the list entries: rows below the board while they fit on the page,
// then on further pages from the top.
void PlaceList(TKifuPrintLayout& l)
{
    const int firstTop = l.PrintOrgY + 40 + l.Size * kPrintCell;
    int page = 1, rowTop = firstTop;
    for (std::size_t i = 0; i < l.Over.size(); ++i) {
        const int column = static_cast<int>(i) % kListColumns;
        if (column == 0) {
            if (i > 0)
                rowTop += kListRowStep;
            // A row that would pass the foot of the page opens the next
            // page; a further page takes at least one row, however small.
            if (rowTop + kPrintCell > l.PageHeight && (page == 1 || rowTop != kContinuedTop)) {
                ++page;
                rowTop = kContinuedTop;
            }
        }
        TPrintOver& o = l.Over[i];
        o.Page = page;
        o.X = l.PrintOrgX + 44 + column * kListColumnStep;
        o.Y = rowTop;
    }
    l.Pages = page;
}

} // namespace

Grid<unsigned char, 1, 19> StonesBeforeFirstMove(int size, int handicap)
{
    Grid<unsigned char, 1, 19> stones{};
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            stones[x][y] = x <= size && y <= size ? HaitiBan[x][y] : 0;
    Arr<Point, 1, kMaxHandicapStones> points;
    const int n = HandicapPoints(size, handicap, points);
    for (int i = 1; i <= n; ++i)
        stones[points[i].x][points[i].y] = kKuro;
    return stones;
}

TKifuPrintLayout KifuPrintLayout(const TTejun& t, int size, const Grid<unsigned char, 1, 19>& setup,
                                 const TKifuHeader& header, int pageWidth, int pageHeight)
{
    TKifuPrintLayout l;
    l.Size = size < 1 ? 1 : size > 19 ? 19 : size;
    l.PageWidth = pageWidth;
    l.PageHeight = pageHeight;
    l.PrintOrgX = (pageWidth - l.Size * kPrintCell) / 2;

    for (int x = 1; x <= l.Size; ++x)
        for (int y = 1; y <= l.Size; ++y)
            if (setup[x][y] == kKuro || setup[x][y] == kSiro)
                l.PrintIsiMap[x][y] = setup[x][y];
    for (int n = 1; n <= t.Current(); ++n) {
        const Point p = t.GetTe(n);
        // Passes print nothing; a point off this board (a damaged record)
        // cannot be printed either.
        if (p.x < 1 || p.y < 1 || p.x > l.Size || p.y > l.Size)
            continue;
        int& isi = l.PrintIsiMap[p.x][p.y];
        if (isi == 0) {
            isi = t.TeColor(n);
            l.PrintBangoMap[p.x][p.y] = n;
        } else {
            TPrintOver o;
            o.Te = n;
            o.TeColor = t.TeColor(n);
            o.Prev = l.PrintBangoMap[p.x][p.y];
            o.PrevColor = isi;
            l.Over.push_back(o);
        }
    }
    PlaceList(l);

    l.Header[0] = header.GameName;
    l.Header[1] = "白：" + header.WhitePlayer + "    黒：" + header.BlackPlayer;
    l.Header[2] = "日時：" + header.Date + "    場所：" + header.Place;
    l.Header[3] = "結果：" + header.Result;
    return l;
}

void KifuPrintPage(const TKifuPrintLayout& l, TPrintCanvas& c, int page)
{
    if (page == 1) {
        for (int i = 0; i < 4; ++i)
            c.Text(l.PrintOrgX, 100 + i * 80, l.Header[i], 14, false, kBlack);

        const int ox = l.PrintOrgX, oy = l.PrintOrgY, n = l.Size;
        c.FillRect(ox - 10, oy - 10, ox + n * kPrintCell + 10, oy + n * kPrintCell + 10, kSilver);
        const int gx = ox + 44, gy = oy + 44, span = (n - 1) * kPrintCell;
        c.FrameRect(gx, gy, gx + span, gy + span, kBlack, 4);
        for (int i = 1; i <= n - 2; ++i) {
            c.Line(gx, gy + i * kPrintCell, gx + span, gy + i * kPrintCell, kBlack, 2);
            c.Line(gx + i * kPrintCell, gy, gx + i * kPrintCell, gy + span, kBlack, 2);
        }
        auto hosi = [&](int x, int y) {
            const int left = ox + (x - 1) * kPrintCell + 35, top = oy + (y - 1) * kPrintCell + 35;
            c.Ellipse(left, top, left + 21, top + 21, kBlack, 2, kBlack);
        };
        if (n == 19) {
            for (int x : {4, 10, 16})
                for (int y : {4, 10, 16})
                    hosi(x, y);
        } else if (n == 13) {
            for (int x : {4, 10})
                for (int y : {4, 10})
                    hosi(x, y);
            hosi(7, 7);
        } else if (n == 9) {
            hosi(5, 5);
        }
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y)
                if (l.PrintIsiMap[x][y] != 0)
                    NumberedStone(c, ox + (x - 1) * kPrintCell, oy + (y - 1) * kPrintCell, l.PrintIsiMap[x][y],
                                  l.PrintBangoMap[x][y]);
    }
    for (const TPrintOver& o : l.Over) {
        if (o.Page != page)
            continue;
        NumberedStone(c, o.X, o.Y, o.TeColor, o.Te);
        c.Text(o.X + 104, o.Y, "[", 16, false, kBlack);
        NumberedStone(c, o.X + 132, o.Y, o.PrevColor, o.Prev);
        c.Text(o.X + 220, o.Y, "]", 16, false, kBlack);
    }
}

} // namespace vorn
