// Record printing: the layout of the stones, numbers and the list of moves
// on occupied points, pages drawn onto A4 images at 300 dpi and probed, and
// one print to a PDF file.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <filesystem>

#include "ShellUtil.h"
#include "board/Tejun.h"
#include "shell/ImageCanvas.h"
#include "shell/PrintCanvas.h"

namespace vorn::test {
namespace {

constexpr int kA4Width = 2480, kA4Height = 3508;

// A record of moves (x, y), shown up to its last move.
void Moves(TTejun& t, const std::vector<Point>& moves)
{
    for (const Point p : moves) {
        t.Add(p.x, p.y);
        t.Forward();
    }
}

TKifuPrintLayout Layout(const TTejun& t, int size, int handicap, const std::string& white = "",
                        const std::string& black = "")
{
    BoardSize = size;
    Handicap = handicap;
    TKifuHeader h;
    h.WhitePlayer = white;
    h.BlackPlayer = black;
    return KifuPrintLayout(t, size, StonesBeforeFirstMove(size, handicap), h, kA4Width, kA4Height);
}

// A page drawn as the printer draws it, on an A4 image at 300 dpi.
QImage Page(const TKifuPrintLayout& l, int page = 1)
{
    QImage img(kA4Width, kA4Height, QImage::Format_RGB32);
    img.setDotsPerMeterX(11811);
    img.setDotsPerMeterY(11811);
    img.fill(Qt::white);
    QPainter p(&img);
    const QSize size = PrintPageSetUp(p, img);
    EXPECT_EQ(size, QSize(kA4Width, kA4Height));
    TQtPrintCanvas canvas(p);
    KifuPrintPage(l, canvas, page);
    return img;
}

int At(const QImage& img, int x, int y) { return BgrFromColor(img.pixelColor(x, y)); }

// The colour of the stone of a cell, probed inside it below its number.
int StoneAt(const QImage& img, int left, int top) { return At(img, left + 46, top + 80); }

// The horizontal extent of the pixels of a colour class in a box ((-1, -1) none).
std::pair<int, int> InkSpan(const QImage& img, int left, int top, int right, int bottom, bool light)
{
    int lo = -1, hi = -1;
    for (int x = left; x < right; ++x)
        for (int y = top; y < bottom; ++y) {
            const QColor c = img.pixelColor(x, y);
            const bool isLight = c.lightness() > 200, isDark = c.lightness() < 60;
            if (light ? isLight : isDark) {
                if (lo < 0)
                    lo = x;
                hi = x;
                break;
            }
        }
    return {lo, hi};
}

class KPrintTest : public VornTest {};

TEST_F(KPrintTest, StonesKeepTheirFirstNumberAndRepeatsGoToTheList)
{
    TTejun t;
    // 1 B(3,3)  2 W pass  3 B(4,4)  4 W(3,3) on the stone of move 1, 5 B(3,3)
    // again, 6 W(25,3) a point off the board.
    Moves(t, {{3, 3}, {0, 0}, {4, 4}, {3, 3}, {3, 3}, {25, 3}});
    const TKifuPrintLayout l = Layout(t, 19, 0, "白い人", "黒い人");
    EXPECT_EQ(l.PrintIsiMap[3][3], kKuro);
    EXPECT_EQ(l.PrintBangoMap[3][3], 1);
    EXPECT_EQ(l.PrintBangoMap[4][4], 3);  // the pass counts
    ASSERT_EQ(l.Over.size(), 2u);
    EXPECT_EQ(l.Over[0].Te, 4);
    EXPECT_EQ(l.Over[0].TeColor, kSiro);
    EXPECT_EQ(l.Over[0].Prev, 1);
    EXPECT_EQ(l.Over[0].PrevColor, kKuro);
    EXPECT_EQ(l.Over[1].Te, 5);  // a third stone refers to the first as well
    EXPECT_EQ(l.Over[1].Prev, 1);
    EXPECT_EQ(l.Pages, 1);
    EXPECT_EQ(l.Header[1], "白：白い人    黒：黒い人");
    EXPECT_EQ(l.Header[2], "日時：    場所：");
    EXPECT_EQ(l.Header[3], "結果：");

    // Stepped back to move 3, only moves 1 to 3 are printed.
    t.Back(), t.Back(), t.Back();
    const TKifuPrintLayout back = Layout(t, 19, 0);
    EXPECT_TRUE(back.Over.empty());
    EXPECT_EQ(back.PrintBangoMap[4][4], 3);
}

TEST_F(KPrintTest, StonesBeforeTheFirstMoveArePrintedAsZero)
{
    struct Case {
        int size, handicap;
        std::vector<Point> stones;
    } const cases[] = {
        {19, 0, {}},
        {19, 2, {{16, 4}, {4, 16}}},
        {9, 5, {{7, 3}, {3, 7}, {7, 7}, {3, 3}, {5, 5}}},
        {13, 9, {{10, 4}, {4, 10}, {10, 10}, {4, 4}, {7, 7}, {10, 7}, {4, 7}, {7, 4}, {7, 10}}},
        // A large pattern: 25 stones on lines 4, 7, 10, 13 and 16.
        {19, 14, [] {
             std::vector<Point> v;
             for (int x : {4, 7, 10, 13, 16})
                 for (int y : {4, 7, 10, 13, 16})
                     v.emplace_back(x, y);
             return v;
         }()},
    };
    for (const Case& c : cases) {
        TTejun t;
        const TKifuPrintLayout l = Layout(t, c.size, c.handicap);
        int count = 0;
        for (int x = 1; x <= 19; ++x)
            for (int y = 1; y <= 19; ++y)
                count += l.PrintIsiMap[x][y] != 0 ? 1 : 0;
        EXPECT_EQ(count, static_cast<int>(c.stones.size())) << c.size << " " << c.handicap;
        for (const Point p : c.stones) {
            EXPECT_EQ(l.PrintIsiMap[p.x][p.y], kKuro) << p.x << "," << p.y;
            EXPECT_EQ(l.PrintBangoMap[p.x][p.y], 0);
        }
    }
}

TEST_F(KPrintTest, SetupStonesArePrintedInTheirColoursAndAMoveOnOneIsListed)
{
    HaitiBan[5][5] = kSiro;
    HaitiBan[6][6] = kKuro;
    TTejun t;
    Moves(t, {{7, 7}, {5, 5}});  // after its capture, Black's move 2 on the white setup stone
    const TKifuPrintLayout l = Layout(t, 9, 0);
    EXPECT_EQ(l.PrintIsiMap[5][5], kSiro);
    EXPECT_EQ(l.PrintIsiMap[6][6], kKuro);
    EXPECT_EQ(l.PrintBangoMap[5][5], 0);
    ASSERT_EQ(l.Over.size(), 1u);
    EXPECT_EQ(l.Over[0].Te, 2);
    EXPECT_EQ(l.Over[0].Prev, 0);
    EXPECT_EQ(l.Over[0].PrevColor, kSiro);
}

TEST_F(KPrintTest, ALongListGoesOnOverAFurtherPage)
{
    TTejun t;
    std::vector<Point> moves;
    for (int i = 1; i <= 10; ++i)
        moves.emplace_back(i, 1);
    for (int i = 0; i < 70; ++i)
        moves.emplace_back(1 + i % 10, 1);
    Moves(t, moves);
    const TKifuPrintLayout l = Layout(t, 19, 0);
    ASSERT_EQ(l.Over.size(), 70u);
    EXPECT_EQ(l.Pages, 2);
    // Eleven rows of six fit below a 19x19 board.
    const int firstTop = kPrintOrgY + 40 + 19 * kPrintCell;
    EXPECT_EQ(l.Over[0].Y, firstTop);
    EXPECT_EQ(l.Over[65].Page, 1);
    EXPECT_EQ(l.Over[65].Y, firstTop + 10 * 104);
    EXPECT_LE(l.Over[65].Y + kPrintCell, kA4Height);
    EXPECT_EQ(l.Over[66].Page, 2);
    EXPECT_EQ(l.Over[66].Y, 100);
    EXPECT_EQ(l.Over[66].X, l.PrintOrgX + 44);
    EXPECT_EQ(l.Over[69].X, l.PrintOrgX + 44 + 3 * 280);

    const QImage page2 = Page(l, 2);
    EXPECT_EQ(StoneAt(page2, l.Over[66].X, l.Over[66].Y), l.Over[66].TeColor == kKuro ? 0x000000 : 0xFFFFFF);
    // The second page holds no board.
    EXPECT_EQ(At(page2, l.PrintOrgX - 5, kPrintOrgY - 5), 0xFFFFFF);
}

TEST_F(KPrintTest, ThePageShowsBoardStonesNumbersAndTheList)
{
    // Two handicap stones; White's move 1 at (3,3); moves 2 to 105 on the
    // lower rows; Black's move 106 on the point of move 1.
    TTejun t;
    Handicap = 2;
    std::vector<Point> moves{{3, 3}};
    for (int y = 12; y <= 19 && moves.size() < 105; ++y)
        for (int x = 1; x <= 19 && moves.size() < 105; ++x)
            if (!(x == 4 && y == 16))
                moves.emplace_back(x, y);
    moves.emplace_back(3, 3);
    Moves(t, moves);
    const TKifuPrintLayout l = Layout(t, 19, 2);
    ASSERT_EQ(l.Over.size(), 1u);
    const QImage img = Page(l);
    auto cellLeft = [&l](int x) { return l.PrintOrgX + (x - 1) * kPrintCell; };
    auto cellTop = [&l](int y) { return l.PrintOrgY + (y - 1) * kPrintCell; };

    EXPECT_EQ(l.PrintOrgX, (kA4Width - 19 * 92) / 2);
    EXPECT_EQ(At(img, l.PrintOrgX - 5, l.PrintOrgY - 5), 0xC0C0C0);  // the silver frame
    EXPECT_EQ(At(img, l.PrintOrgX - 15, l.PrintOrgY - 15), 0xFFFFFF);
    EXPECT_EQ(StoneAt(img, cellLeft(3), cellTop(3)), 0xFFFFFF);  // White's first stone
    EXPECT_EQ(StoneAt(img, cellLeft(16), cellTop(4)), 0x000000);  // a handicap stone
    EXPECT_EQ(At(img, cellLeft(10) + 45, cellTop(10) + 45), 0x000000);  // the centre star point
    EXPECT_LT(img.pixelColor(l.PrintOrgX + 44 + 5 * 92, l.PrintOrgY + 44 + 4 * 92 + 46).lightness(), 128);  // a line

    // "0" in white on the handicap stone; "1" in black on White's stone.
    const auto zero = InkSpan(img, cellLeft(16) + 20, cellTop(4) + 8, cellLeft(16) + 80, cellTop(4) + 70, true);
    EXPECT_GE(zero.first, 0);
    EXPECT_LT(zero.second - zero.first, 40);
    EXPECT_GE(InkSpan(img, cellLeft(3) + 20, cellTop(3) + 8, cellLeft(3) + 80, cellTop(3) + 70, false).first, 0);
    // Move 100, a 3-digit number in the smallest font, spans the stone.
    int x100 = 0, y100 = 0;
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            if (l.PrintBangoMap[x][y] == 100)
                x100 = x, y100 = y;
    ASSERT_GT(x100, 0);
    const bool black100 = l.PrintIsiMap[x100][y100] == kKuro;
    const auto hundred = InkSpan(img, cellLeft(x100) + 4, cellTop(y100) + 18, cellLeft(x100) + 88,
                                 cellTop(y100) + 62, black100);
    EXPECT_GT(hundred.second - hundred.first, 45);

    // The list: Black's 106, then the bracketed White stone of move 1.
    const TPrintOver& o = l.Over[0];
    EXPECT_EQ(o.Y, l.PrintOrgY + 40 + 19 * 92);
    EXPECT_EQ(StoneAt(img, o.X, o.Y), 0x000000);
    EXPECT_EQ(StoneAt(img, o.X + 132, o.Y), 0xFFFFFF);
    EXPECT_GE(InkSpan(img, o.X + 100, o.Y, o.X + 130, o.Y + 70, false).first, 0);  // "["
}

TEST_F(KPrintTest, ANineByNineBoardIsCentredAtTheSameHeight)
{
    TTejun t;
    Moves(t, {{5, 5}});
    const TKifuPrintLayout l = Layout(t, 9, 0);
    EXPECT_EQ(l.PrintOrgX, (kA4Width - 9 * 92) / 2);
    EXPECT_EQ(l.PrintOrgY, 560);
    const QImage img = Page(l);
    EXPECT_EQ(At(img, l.PrintOrgX - 5, 555), 0xC0C0C0);
    EXPECT_EQ(At(img, l.PrintOrgX + 9 * 92 + 5, 555), 0xC0C0C0);
    EXPECT_EQ(At(img, l.PrintOrgX + 9 * 92 + 15, 555), 0xFFFFFF);
    EXPECT_EQ(StoneAt(img, l.PrintOrgX + 4 * 92, l.PrintOrgY + 4 * 92), 0x000000);
}

// --- The menu items -----------------------------------------------------------

int PdfPages(const std::string& pdf)
{
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        if (at + 11 >= pdf.size() || pdf[at + 11] != 's')
            ++pages;
    return pages;
}

TEST_F(WindowTest, TheRecordAndTheWindowPrintToAPdfFile)
{
    Open(19);
    NewHumanGame(Ctl());
    Click(4, 4);
    Click(16, 16);
    for (const char* item : {"mnuPrint2", "mnuPrint"}) {
        const std::string path = exeDir + item + std::string(".pdf");
        QPrinter& printer = form->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(QString::fromStdString(path));
        Ctl().Click(item);
        const std::string pdf = ReadText(path);
        ASSERT_GT(pdf.size(), 1000u) << item;
        EXPECT_EQ(pdf.compare(0, 5, "%PDF-"), 0) << item;
        EXPECT_EQ(PdfPages(pdf), 1) << item;
    }
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(WindowTest, APrintThatFailedLeavesThePrinterReadyForTheNextSetUp)
{
    Open(9);
    NewHumanGame(Ctl());
    Click(3, 3);
    for (const char* item : {"mnuPrint2", "mnuPrint"}) {
        // Output to a file, but no file named (as with no printer set up):
        // the print fails and says so, twice.
        form->Printer().setOutputFormat(QPrinter::PdfFormat);
        form->Printer().setOutputFileName(QString());
        form->Printer().setPageSize(QPageSize(QPageSize::A5));
        prompt.messages.clear();
        Ctl().Click(item);
        Ctl().Click(item);
        EXPECT_EQ(prompt.messages, (std::vector<std::string>{"印刷できません", "印刷できません"})) << item;
        // The set-up is kept, and the printer takes a new one.
        EXPECT_NE(form->Printer().printerState(), QPrinter::Active) << item;
        EXPECT_EQ(form->Printer().outputFormat(), QPrinter::PdfFormat) << item;
        EXPECT_EQ(form->Printer().pageLayout().pageSize().id(), QPageSize::A5) << item;
        const std::string good = exeDir + item + ".pdf";
        form->Printer().setOutputFileName(QString::fromStdString(good));
        EXPECT_EQ(form->Printer().outputFileName().toStdString(), good) << item;
        prompt.messages.clear();
        Ctl().Click(item);
        EXPECT_TRUE(prompt.messages.empty()) << item;
        const std::string pdf = ReadText(good);
        ASSERT_GT(pdf.size(), 1000u) << item;
        EXPECT_EQ(pdf.compare(0, 5, "%PDF-"), 0) << item;
        EXPECT_EQ(PdfPages(pdf), 1) << item;
    }
}

} // namespace
} // namespace vorn::test
