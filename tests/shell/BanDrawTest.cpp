// Board geometry and the picture of the board, probed pixel by pixel in the
// window's grabbed image.
#include "shell/BanDraw.h"

#include "ShellUtil.h"
#include "board/Goban.h"

namespace vorn::test {
namespace {

TEST(BanGeometryTest, PitchAndPlacementForSeveralWindows)
{
    struct Case {
        int width, height, size;
        bool left;
        TBanGeometry want;
    };
    const Case cases[] = {
        // The worked example: area 471, 471 div 19 = 24, pitch 21, extent 399.
        {550, 520, 19, false, {75, 66, 21, 10}},
        {550, 520, 19, true, {1, 31, 21, 10}},
        // Wide window: the height decides; 1000-49 = 951, 951 div 19 = 50 -> 49.
        {1200, 1000, 19, false, {134, 40, 49, 24}},
        // Tall window: the width decides; 300 div 9 = 33 -> 33, extent 297.
        {300, 900, 9, false, {1, 30 + (851 - 297) / 2, 33, 16}},
        // 13 lines: 600 div 13 = 46 -> 45.
        {700, 649, 13, false, {(700 - 585) / 2, 30 + (600 - 585) / 2, 45, 22}},
        // Too small: pitch 17 even below 17, the board is clipped at the top left.
        {200, 200, 19, false, {1, 31, 17, 8}},
        // Exactly 25 (the board fills the area: placed at 1 and panel + 1)
        // and just below it.
        {475, 524, 19, false, {1, 31, 25, 12}},
        {474, 523, 19, false, {37, 30 + (474 - 399) / 2, 21, 10}},
    };
    for (const Case& c : cases) {
        const TBanGeometry g = CalcBanGeometry(c.width, c.height, 30, 19, c.size, c.left);
        EXPECT_EQ(g, c.want) << c.width << "x" << c.height << " size " << c.size << ": got " << g.BanX << ","
                             << g.BanY << " pitch " << g.BanPitch;
    }
}

TEST(BanGeometryTest, PixelsMapToPointsByFloorDivision)
{
    ResetProgramState();
    TNullCanvas canvas;
    TBanDraw d(canvas);
    d.SetGeometry(TBanGeometry{75, 66, 21, 10});
    struct Case {
        int px, py;
        bool on;
        Point p;
    };
    const Case cases[] = {
        {75, 66, true, {1, 1}},     {95, 86, true, {1, 1}},        {96, 87, true, {2, 2}},
        {74, 70, false, {0, 1}},    {54, 70, false, {0, 1}},       {53, 70, false, {-1, 1}},
        {80, 65, false, {1, 0}},    {75 + 399 - 1, 66, true, {19, 1}}, {75 + 399, 66, false, {20, 1}},
    };
    for (const Case& c : cases) {
        Point p;
        EXPECT_EQ(d.PixelToPoint(c.px, c.py, p), c.on) << c.px << "," << c.py;
        EXPECT_EQ(p, c.p) << c.px << "," << c.py;
    }
}

// Writes down every drawing call.
class TRecordingCanvas : public TCanvas {
public:
    void FillRect(int l, int t, int r, int b, int c) override { Add("fill", {l, t, r, b, c}); }
    void Rectangle(int l, int t, int r, int b, int pen, int w, int brush) override
    {
        Add("rect", {l, t, r, b, pen, w, brush});
    }
    void Ellipse(int l, int t, int r, int b, int pen, int brush) override { Add("ellipse", {l, t, r, b, pen, brush}); }
    void Line(int x1, int y1, int x2, int y2, int c, bool last) override { Add("line", {x1, y1, x2, y2, c, last}); }
    void TextOut(int x, int y, const std::string& text, int c) override { Add("text " + text, {x, y, c}); }
    std::vector<std::string> calls;

private:
    void Add(const std::string& what, std::initializer_list<int> args)
    {
        std::string s = what;
        for (int a : args)
            s += " " + std::to_string(a);
        calls.push_back(s);
    }
};

class BanDrawTest : public VornTest {
protected:
    TRecordingCanvas canvas;
    TBanDraw d{canvas};
};

TEST_F(BanDrawTest, MoveNumbersShortenBelowPitch25)
{
    d.SetGeometry(TBanGeometry{75, 66, 21, 10});
    d.BangoDraw(kKuro, 123, 1, 1);   // "23": two digits, moved 4 left
    d.BangoDraw(kSiro, 7, 2, 1);
    d.SetGeometry(TBanGeometry{1, 31, 25, 12});
    d.BangoDraw(kKuro, 123, 1, 1);   // in full: three digits, 8 left
    d.SetGeometry(TBanGeometry{1, 31, 17, 8});
    d.BangoDraw(kSiro, 45, 1, 1);    // below 21 no vertical offset
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{
                                "text 23 77 68 16777215",   // 75+10-4-4, 66+(21-17)/2, white on black
                                "text 7 102 68 16711680",   // 96+10-4, blue on white
                                "text 123 1 35 16777215",   // 1+12-4-4-4, 31+(25-17)/2
                                "text 45 1 31 16711680",
                            }));
}

TEST_F(BanDrawTest, TextsMarksAndErasedPoints)
{
    BoardSize = 9;
    GobanLv[0]->NewGame();
    d.SetGeometry(TBanGeometry{10, 40, 21, 10});
    d.IrhTextOut("A", Point{1, 1}, 1);
    d.IrhTextOut("AB", Point{1, 1}, -1);
    d.IrhTextOut("◆", Point{1, 1}, 0);   // one character, three bytes
    d.IrhTextOut("x", Point{10, 1}, 0);  // off the board
    d.LastMarkDraw(2, 2);
    NoLastMark = 1;
    d.LastMarkDraw(3, 3);
    NoLastMark = 0;
    d.IsiErase(5, 5);                     // the star point of 9x9 comes back
    d.IsiErase(9, 1);                     // the corner: lines from the intersection only
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{
                                "text A 16 42 16776960",
                                "text AB 12 42 0",
                                "text ◆ 16 42 255",
                                // 31 + 21/4 + 1 = 37, 61 + 6 = 67; BanHalf - 1 = 9 square
                                "fill 37 67 46 76 8421504",
                                "fill 94 124 116 146 32896",
                                "line 104 124 104 145 0 1",
                                "line 94 134 115 134 0 1",
                                "fill 103 133 106 136 0",
                                "fill 178 40 200 62 32896",
                                "line 188 50 188 61 0 1",
                                "line 178 50 188 50 0 1",
                            }));
}

using BanPictureTest = WindowTest;

TEST_F(BanPictureTest, StarPointsOfEachBoardSize)
{
    struct Case {
        int size;
        std::vector<Point> stars;
    };
    const Case cases[] = {
        {9, {{5, 5}}},
        {13, {{4, 4}, {4, 10}, {10, 4}, {10, 10}, {7, 7}}},
        {19, {{4, 4}, {4, 10}, {4, 16}, {10, 4}, {10, 10}, {10, 16}, {16, 4}, {16, 10}, {16, 16}}},
    };
    for (const Case& c : cases) {
        Open(c.size);
        ASSERT_EQ(BoardSize, c.size);
        const QImage img = Grab();
        int stars = 0;
        for (int x = 1; x <= c.size; ++x)
            for (int y = 1; y <= c.size; ++y) {
                // The star point fills the diagonal neighbours of the
                // intersection, which the grid lines never touch.
                const bool star = At(img, x, y, 1, 1) == clBlack;
                stars += star;
                EXPECT_EQ(At(img, x, y), clBlack);  // grid crossing
                EXPECT_EQ(At(img, x, y, 3, 3), clOlive) << x << "," << y;
            }
        EXPECT_EQ(stars, static_cast<int>(c.stars.size())) << c.size;
        for (Point p : c.stars)
            EXPECT_EQ(At(img, p.x, p.y, -1, -1), clBlack) << c.size << ": " << p.x << "," << p.y;
        form.reset();
    }
}

TEST_F(BanPictureTest, StoneColoursAndTheLastMoveMarkFollowThePlay)
{
    // Board, stone colours from the settings ($BBGGRR): red board, blue and
    // yellow stones.
    Open(9, "BanColor=255\nKuroIsiColor=16711680\nSiroIsiColor=65535\n");
    NewHumanGame(form->Ctl());
    QImage img = Grab();
    EXPECT_EQ(BgrFromColor(img.pixelColor(form->Ctl().Ban.BanX + 2, form->Ctl().Ban.BanY + 2)), 0x0000FF);
    EXPECT_EQ(img.pixelColor(form->Ctl().Ban.BanX + 2, form->Ctl().Ban.BanY + 2), QColor(255, 0, 0));

    Click(3, 3);
    img = Grab();
    const int quarter = form->Ctl().Ban.BanPitch / 4;
    EXPECT_EQ(At(img, 3, 3), clGrey);                       // the last-move mark
    EXPECT_EQ(At(img, 3, 3, quarter + 1, 0), 0xFF0000);     // the black stone beside it
    Click(7, 7);
    img = Grab();
    EXPECT_EQ(At(img, 3, 3), 0xFF0000);                     // the mark moved on
    EXPECT_EQ(At(img, 7, 7), clGrey);
    EXPECT_EQ(At(img, 7, 7, quarter + 1, 0), 0x00FFFF);     // white stone
    EXPECT_EQ(At(img, 7, 7, form->Ctl().Ban.BanHalf + 1, 3), 0x0000FF);  // board beyond it

    // One colour: both look white; the mark stays.
    form->Ctl().Click("mnuOneColor");
    img = Grab();
    EXPECT_EQ(At(img, 3, 3), 0x00FFFF);
    EXPECT_EQ(At(img, 7, 7), clGrey);

    // An expose repaints from the image: nothing is lost.
    form->Client()->repaint();
    EXPECT_EQ(At(Grab(), 7, 7), clGrey);
}

TEST_F(BanPictureTest, CapturedStonesAreErasedAndStarPointsComeBack)
{
    Open(9);
    NewHumanGame(form->Ctl());
    // Black surrounds a white stone on the star point (5, 5).
    for (Point p : {Point{5, 4}, Point{5, 5}, Point{4, 5}, Point{1, 1}, Point{6, 5}, Point{1, 2}, Point{5, 6}})
        Click(p.x, p.y);
    EXPECT_EQ(GobanLv[0]->GetIro(5, 5), kAki);
    const QImage img = Grab();
    EXPECT_EQ(At(img, 5, 5, 1, 1), clBlack);  // the star point is back
    EXPECT_EQ(At(img, 5, 5, 3, 3), clOlive);  // no stone left
    EXPECT_EQ(At(img, 5, 6), clGrey);
}

TEST_F(BanPictureTest, MoveNumbersAndLabels)
{
    Open(19);
    NewHumanGame(form->Ctl());
    Click(4, 4);
    GobanLv[0]->Tejun.AddMark(1, "A", 10, 10);
    GobanLv[0]->Tejun.AddMark(1, "B", 25, 3);  // off the board: not drawn
    form->Ctl().TjnInfoShow();
    EXPECT_EQ(form->Ctl().Ban.IrhLabels[10][10], "A");
    const QImage before = Grab();
    form->Ctl().Click("mnuNumber");
    const QImage after = Grab();
    // "1" in white on the black stone, somewhere in its middle.
    int white = 0;
    const TBanDraw& b = form->Ctl().Ban;
    for (int dx = -4; dx <= 4; ++dx)
        for (int dy = -6; dy <= 6; ++dy)
            white += At(after, 4, 4, dx, dy) == clWhite;
    EXPECT_GT(white, 3);
    EXPECT_NE(before, after);
    EXPECT_TRUE(form->Ctl().Checked("mnuNumber"));
    form->Ctl().Ban.IrhLabelErase();
    EXPECT_EQ(b.IrhLabels[10][10], "");
}

} // namespace
} // namespace vorn::test
