// The ladder query: a right click on a chain short of liberties reads its
// ladder and puts the verdict into the status bar.
#include <QStatusBar>

#include "ShellUtil.h"
#include "board/Goban.h"

namespace vorn::test {
namespace {

using SichoQueryTest = WindowTest;

TEST_F(SichoQueryTest, RightClickTellsWhetherTheLadderWorks)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    NewHumanGame(Ctl());
    ASSERT_EQ(Ctl().GameRunning, 1);
    // White's (5,5) with two liberties; White's (8,2) breaks one ladder path.
    for (Point p : {Point(5, 4), Point(5, 5), Point(4, 5), Point(8, 2), Point(6, 6)})
        Click(p.x, p.y);
    ASSERT_EQ(GobanLv[0]->Tejun.Last(), 5);
    Click(5, 5, Qt::RightButton);
    EXPECT_EQ(form->Status()->currentMessage().toStdString(), "You can get by the ladder");
    EXPECT_EQ(GobanLv[0]->RenList.RenAt(5, 5)->SichoStatus(), 1);

    // A breaker on the other path too.
    Click(2, 8);
    Click(9, 9);
    Click(5, 5, Qt::RightButton);
    EXPECT_EQ(form->Status()->currentMessage().toStdString().rfind("You cannot get by the ladder", 0), 0u);
    EXPECT_EQ(GobanLv[0]->RenList.RenAt(5, 5)->SichoStatus(), -1);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 7); // the query plays nothing
    EXPECT_EQ(Level, 0);
}

TEST_F(SichoQueryTest, OnAScaledScreenClicksFindTheirPoints)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    // The board drawn at twice the window's pixels, as on a screen scaled 2:1.
    TImageCanvas& canvas = form->Canvas();
    canvas.Resize(form->Client()->width(), form->Client()->height(), 2.0);
    Ctl().FormResize();
    ASSERT_EQ(canvas.Image().width(), 2 * form->Client()->width());
    NewHumanGame(Ctl());
    for (Point p : {Point(5, 4), Point(5, 5), Point(4, 5), Point(9, 9), Point(6, 6)})
        Click(p.x, p.y);
    EXPECT_EQ(GobanLv[0]->GetIro(6, 6), kKuro);
    EXPECT_EQ(GobanLv[0]->GetIro(4, 5), kKuro);
    Click(5, 5, Qt::RightButton);
    EXPECT_EQ(form->Status()->currentMessage().toStdString(), "You can get by the ladder");
    // The ladder's first move drawn where the window shows (6,5), in both the
    // picture's own pixels and the window's.
    const TBanDraw& b = Ctl().Ban;
    const int x = b.CellLeft(6) + b.BanHalf + 3, y = b.CellTop(5) + b.BanHalf + 3;
    EXPECT_EQ(BgrFromColor(canvas.Image().pixelColor(2 * x, 2 * y)), clBlack);
    EXPECT_EQ(At(Grab(), 6, 5, 3, 3), clBlack);
}

TEST_F(SichoQueryTest, TheLineGoesWhenTheGameEnds)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    NewHumanGame(Ctl());
    for (Point p : {Point(5, 4), Point(5, 5), Point(4, 5), Point(9, 9), Point(6, 6)})
        Click(p.x, p.y);
    Click(5, 5, Qt::RightButton);
    // Black's first ladder move is drawn on the empty point (6,5).
    ASSERT_EQ(GobanLv[0]->GetIro(6, 5), kAki);
    ASSERT_EQ(At(Grab(), 6, 5, 3, 3), clBlack);
    prompt.answers = {true};
    Ctl().Click("mnuResign");
    ASSERT_EQ(Ctl().GameRunning, 0);
    EXPECT_EQ(At(Grab(), 6, 5, 3, 3), Ctl().Ban.BanColor);
}

} // namespace
} // namespace vorn::test
