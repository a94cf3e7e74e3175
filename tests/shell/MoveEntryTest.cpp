// Moves by the mouse and through BanUtu: gates, refusals, captures, ko,
// placement mode and points that come from outside.
#include <QApplication>
#include <QLabel>

#include "ShellUtil.h"
#include "board/Goban.h"
#include "shell/IniFile.h"

namespace vorn::test {
namespace {

using MoveEntryTest = WindowTest;

// Black and white build a ko at (5,5)/(6,5) on 9x9; white's eighth move takes.
const Point kKoGame[] = {{5, 4}, {6, 4}, {4, 5}, {7, 5}, {5, 6}, {6, 6}, {6, 5}, {5, 5}};

TEST_F(MoveEntryTest, TwoPeoplePlayByClicksWithACaptureAndAKo)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    NewHumanGame(Ctl());
    ASSERT_EQ(Ctl().GameRunning, 1);
    for (Point p : kKoGame)
        Click(p.x, p.y);
    const TGoban& b = *GobanLv[0];
    EXPECT_EQ(b.Tejun.Last(), 8);
    EXPECT_EQ(b.GetIro(6, 5), kAki);  // captured
    EXPECT_EQ(b.Tejun.Hama(kSiro), 1);
    EXPECT_EQ(form->TjnInfoLabel()->text().toStdString(), "8 White5-5");
    EXPECT_TRUE(Ctl().Item("btnPrev").enabled);
    EXPECT_TRUE(Ctl().Item("mnuFirst").enabled);
    EXPECT_EQ(At(Grab(), 6, 5, 3, 3), clOlive);  // erased from the picture
    EXPECT_TRUE(prompt.messages.empty());

    // Black may not take back at once.
    Click(6, 5);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "Forbidden move：<6,5>Ko cannot be regained immediately");
    EXPECT_EQ(b.Tejun.Last(), 8);
    EXPECT_EQ(b.GetIro(6, 5), kAki);

    // After a threat and its answer the ko can be taken.
    Click(1, 1);
    Click(9, 9);
    Click(6, 5);
    EXPECT_EQ(b.Tejun.Last(), 11);
    EXPECT_EQ(b.GetIro(5, 5), kAki);
    EXPECT_EQ(b.Tejun.Hama(kKuro), 1);
    EXPECT_EQ(form->TjnInfoLabel()->text().toStdString(), "11 Black6-5");
    EXPECT_EQ(prompt.messages.size(), 1u);
}

TEST_F(MoveEntryTest, KoAndSuicideRefusalsInJapanese)
{
    Open(9);
    NewHumanGame(Ctl());
    for (Point p : kKoGame)
        Click(p.x, p.y);
    Click(6, 5);  // ko
    // Black takes (1,2) and (2,1); white at (1,1) would have no liberty.
    Click(1, 2);
    Click(8, 8);
    Click(2, 1);
    Click(1, 1);
    ASSERT_GE(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "禁じ手：<6,5>コウはすぐ取り返せません");
    EXPECT_EQ(form->TjnInfoLabel()->text().toStdString(), "第11手 黒2-1");
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages[1], "禁じ手：<1,1>打ったと同時に取られてしまう手");
}

TEST_F(MoveEntryTest, ClicksThatMustNotPlay)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    const TGoban& b = *GobanLv[0];
    Click(5, 5);  // no game yet
    EXPECT_EQ(b.Tejun.Last(), 0);

    NewHumanGame(Ctl());
    Ctl().Thinking = 1;
    Click(5, 5);
    EXPECT_EQ(b.Tejun.Last(), 0);
    Ctl().Thinking = 0;

    PlayerKind[kKuro] = pkSerial;  // a peer's turn
    Click(5, 5);
    EXPECT_EQ(b.Tejun.Last(), 0);
    PlayerKind[kKuro] = pkComputer;
    Click(5, 5);
    EXPECT_EQ(b.Tejun.Last(), 0);
    PlayerKind[kKuro] = pkHuman;

    // Up to one pitch left of or above the board is no point of it.
    const TBanDraw& d = Ctl().Ban;
    ClickPixel(d.BanX - d.BanPitch + 1, d.BanY + d.BanHalf);
    ClickPixel(d.BanX + d.BanHalf, d.BanY - 1);
    ClickPixel(d.BanX + 9 * d.BanPitch, d.BanY + d.BanHalf);
    EXPECT_EQ(b.Tejun.Last(), 0);

    Click(5, 5);
    Click(5, 5);  // a human's click on a stone is silent
    EXPECT_EQ(b.Tejun.Last(), 1);
    Click(4, 4);
    GobanLv[0]->Tejun.Back();  // an earlier move is shown
    GobanLv[0]->Ban[4][4] = kAki;
    Click(3, 3);
    EXPECT_EQ(b.Tejun.Last(), 2);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(MoveEntryTest, PlacementModeKeepsEveryChainAlive)
{
    Open(9);
    NewHumanGame(Ctl());
    Click(5, 5);  // a black move
    Ctl().Click("mnuDeploy");
    ASSERT_TRUE(Ctl().Checked("mnuDeploy"));
    TGoban& b = *GobanLv[0];

    Click(3, 3);                          // left: black setup stone
    Click(7, 7, Qt::RightButton);         // right: white
    EXPECT_EQ(b.GetIro(3, 3), kKuro);
    EXPECT_EQ(HaitiBan[3][3], kKuro);
    EXPECT_EQ(b.GetIro(7, 7), kSiro);
    EXPECT_EQ(HaitiBan[7][7], kSiro);
    EXPECT_EQ(b.Tejun.Last(), 1);         // no move recorded
    ASSERT_NE(b.RenList.RenAt(7, 7), nullptr);  // analysed after placing
    EXPECT_EQ(b.RenList.RenAt(7, 7)->GetIro(), kSiro);

    Click(5, 5, Qt::RightButton);         // the point of a move: nothing
    EXPECT_EQ(b.GetIro(5, 5), kKuro);
    EXPECT_EQ(HaitiBan[5][5], 0);

    // A corner white stone at (1,1) with black at (2,1): black at (1,2)
    // would leave it without liberties; white at (1,2) would fill its own.
    Click(1, 1, Qt::RightButton);
    Click(2, 1);
    Click(1, 2);
    EXPECT_EQ(b.GetIro(1, 2), kAki);
    Click(3, 1, Qt::RightButton);
    EXPECT_EQ(b.GetIro(3, 1), kSiro);
    Click(2, 2, Qt::RightButton);         // black (2,1) would lose its last liberty
    EXPECT_EQ(b.GetIro(2, 2), kAki);
    EXPECT_EQ(b.GetIro(2, 1), kKuro);
    Click(5, 5);                          // nor is a move's stone overwritten
    EXPECT_EQ(b.GetIro(5, 5), kKuro);

    // A click on a placed stone removes it, whichever button.
    Click(3, 3, Qt::RightButton);
    EXPECT_EQ(b.GetIro(3, 3), kAki);
    EXPECT_EQ(HaitiBan[3][3], 0);
    EXPECT_EQ(At(Grab(), 3, 3, 3, 3), clOlive);

    // Clearing the placement removes every placed stone, moves stay.
    Ctl().Click("mnuDeployClr");
    EXPECT_EQ(b.GetIro(7, 7), kAki);
    EXPECT_EQ(b.GetIro(1, 1), kAki);
    EXPECT_EQ(b.GetIro(5, 5), kKuro);
}

TEST_F(MoveEntryTest, HaitiFreeKnowsTheRecordedMoves)
{
    Open(9);
    NewHumanGame(Ctl());
    Click(2, 2);
    Click(3, 3);
    EXPECT_FALSE(Ctl().HaitiFree(2, 2));
    EXPECT_FALSE(Ctl().HaitiFree(3, 3));
    EXPECT_TRUE(Ctl().HaitiFree(4, 4));
}

// --- Headless: the controller with a recording window -----------------------

class BanUtuTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        WriteIni("[Goban]\nSize=9\n[Form]\nLanguage=1\n");
        ctl.FormCreate(exeDir, {});
        NewHumanGame(ctl);
    }
    void TearDown() override
    {
        ctl.FormClose();
        ShellTest::TearDown();
    }
    TRecordingView view;
    TNullCanvas canvas;
    TScriptPrompt prompt;
    TMainCtl ctl{view, canvas, prompt};
};

TEST_F(BanUtuTest, PointsFromOutsideAreCheckedBeforeUse)
{
    const TGoban& b = *GobanLv[0];
    for (Point p : {Point{0, 5}, Point{5, 0}, Point{10, 1}, Point{1, 10}, Point{-1, 3}, Point{3, 20}, Point{20, 20},
                    Point{-100000, 7}})
        EXPECT_FALSE(Shell().BanUtu(p.x, p.y, 1)) << p.x << "," << p.y;
    EXPECT_EQ(b.Tejun.Last(), 0);
    EXPECT_TRUE(prompt.messages.empty());

    Shell().HaitiIsi(kKuro, 25, 3);
    Shell().HaitiIsi(kKuro, 0, 3);
    Shell().HaitiIsi(7, 3, 3);
    Shell().HaitiIsi(kSiro, 10, 9);  // off a 9x9 board, inside the arrays
    EXPECT_EQ(b.GetIro(3, 3), kAki);
    EXPECT_EQ(HaitiBan[10][9], 0);
    EXPECT_EQ(b.Ban[0][3], kHen);

    // Drawing calls of the engine and the readers with stray points.
    ctl.Click("mnuDspThink");
    Shell().ThinkIsiDraw(kKuro, Point{30, 2});
    Shell().ThinkIsiErase(Point{-4, 2});
    Shell().BangoDraw(kKuro, 5, 40, 2);
    Shell().IsiDraw(kSiro, 0, 400);
    EXPECT_TRUE(Shell().BanUtu(3, 3, 1));
    EXPECT_EQ(b.Tejun.Last(), 1);
}

TEST_F(BanUtuTest, TheEnginesMoveOnAStoneIsReportedAHumansIsNot)
{
    EXPECT_TRUE(Shell().BanUtu(3, 3, 0));
    EXPECT_FALSE(Shell().BanUtu(3, 3, 0));
    EXPECT_TRUE(prompt.messages.empty());
    ctl.Thinking = 1;
    EXPECT_FALSE(Shell().BanUtu(3, 3, 0));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "Forbidden move：<3,3>The point is already occupied");
}

TEST_F(BanUtuTest, AFullRecordShowsOnlyItsOwnMessage)
{
    TGoban& b = *GobanLv[0];
    while (b.Tejun.Last() < kMaxTe)
        ASSERT_TRUE(b.Pass());
    EXPECT_FALSE(Shell().BanUtu(4, 4, 0));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].find("Forbidden"), std::string::npos);
    EXPECT_EQ(b.GetIro(4, 4), kAki);
}

TEST_F(BanUtuTest, TheMoveGoesToARemoteOpponentAsABoardPoint)
{
    PlayerKind[kSiro] = pkSerial;
    ctl.Ban.SetGeometry(TBanGeometry{75, 66, 21, 10});
    ctl.MouseUtu(75 + 3 * 21 + 5, 66 + 6 * 21 + 5);
    ASSERT_EQ(view.sent.size(), 1u);
    EXPECT_EQ(view.sent[0], (std::vector<int>{pkSerial, 4, 7, kKuro}));
    EXPECT_EQ(view.tjnInfo, "1 Black4-7");

    // After the end of the game either colour may click and nothing is sent.
    GameOver = 1;
    ctl.MouseUtu(75 + 5, 66 + 5);
    EXPECT_EQ(GobanLv[0]->GetIro(1, 1), kSiro);
    EXPECT_EQ(view.sent.size(), 1u);
}

TEST_F(BanUtuTest, NewGameWhileOneRunsAsksFirst)
{
    EXPECT_TRUE(Shell().BanUtu(3, 3, 0));
    prompt.answers = {false};
    ctl.Click("mnuNew");
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0], "Do you stop this Game?");
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 1);
    EXPECT_EQ(ctl.GameRunning, 1);
    EXPECT_EQ(GameInfoLock, 0);
    prompt.answers = {true};
    ctl.Click("btnNew");
    // The game has stopped; the dialog sets up the next one.
    EXPECT_EQ(ctl.GameRunning, 0);
    EXPECT_EQ(GameInfoLock, 1);
    EXPECT_TRUE(ctl.GameInfo.Visible);
    ctl.GameInfo.btnOKClick();
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 0);
    EXPECT_EQ(ctl.GameRunning, 1);
    EXPECT_FALSE(ctl.Item("btnPrev").enabled);
}

// Counts the stones drawn.
class TStoneCounter : public TNullCanvas {
public:
    void Ellipse(int, int, int, int, int, int) override { ++stones; }
    int stones = 0;
};

TEST_F(ShellTest, TheEnginesThinkingIsDrawnOnlyWhenSwitchedOn)
{
    TRecordingView view;
    TStoneCounter canvas;
    TScriptPrompt prompt;
    TMainCtl ctl(view, canvas, prompt);
    ctl.FormCreate(exeDir, {});
    const Point p{4, 4};
    Shell().ThinkIsiDraw(kKuro, p);
    Shell().ThinkIsiErase(p);
    EXPECT_EQ(canvas.stones, 0);
    ctl.Click("mnuDspSakiyomi");
    EXPECT_EQ(DspSakiyomi, 1);
    Shell().ThinkIsiDraw(kKuro, p);
    EXPECT_EQ(canvas.stones, 1);
    Level = 1;  // deeper than the first level of the look-ahead
    Shell().ThinkIsiDraw(kKuro, p);
    EXPECT_EQ(canvas.stones, 1);
    ctl.Click("mnuDspThink");
    Shell().ThinkIsiDraw(kSiro, p);
    EXPECT_EQ(canvas.stones, 2);
    Level = 0;
    EXPECT_EQ(TIniFile(IniFile()).ReadString("Form", "Sakiyomi", ""), "ON");
    EXPECT_EQ(TIniFile(IniFile()).ReadString("Form", "Think", ""), "ON");
}

TEST(TjnInfoTest, MoveLabelByLanguage)
{
    struct Case {
        int n, colour;
        Point p;
        int language;
        const char* want;
    };
    const Case cases[] = {
        {12, kKuro, {4, 16}, lgJapanese, "第12手 黒4-16"},
        {12, kSiro, {3, 3}, lgEnglish, "12 White3-3"},
        {7, kSiro, {0, 0}, lgJapanese, "第7手 白パス"},
        {7, kKuro, {0, 0}, lgEnglish, "7 BlackPass"},
        {101, kKuro, {19, 1}, lgChinese, "101 Black19-1"},
        {0, kKuro, {1, 1}, lgEnglish, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TMainCtl::TjnInfoText(c.n, c.colour, c.p, c.language), c.want);
}

} // namespace
} // namespace vorn::test
