// Stepping through a record, deleting later moves, undo in a game and the
// automatic replay, headless.
#include "shell/TejunNav.h"

#include <QApplication>
#include <QTimer>

#include "GameUtil.h"
#include "ShellUtil.h"
#include "board/Goban.h"
#include "engine/Sikatu.h"
#include "engine/Yose.h"
#include "records/Kifu.h"

namespace vorn::test {
namespace {

// Ten moves on 9x9: black's seventh move captures the white stone at (5,5);
// moves 3 and 8 carry comments, move 5 a label on the stone of move 1.
const char kTenMoves[] =
    "(;GM[1]FF[4]SZ[9];B[ed];W[ee];B[de]C[third];W[cc];B[fe]LB[ed:A];W[gg];B[ef];W[bg]C[eighth];B[gc];W[hh])";
const Point kTenPoints[] = {{5, 4}, {5, 5}, {4, 5}, {3, 3}, {6, 5}, {7, 7}, {5, 6}, {2, 7}, {7, 3}, {8, 8}};

// The position after n moves of kTenMoves.
std::string TenMovesAfter(int n)
{
    std::string rows(81, '.');
    for (int i = 0; i < n; ++i) {
        const Point p = kTenPoints[i];
        rows[(p.y - 1) * 9 + (p.x - 1)] = i % 2 == 0 ? 'X' : 'O';
    }
    if (n >= 7)
        rows[(5 - 1) * 9 + (5 - 1)] = '.';
    std::string out;
    for (int y = 0; y < 9; ++y)
        out += rows.substr(y * 9, 9) + "\n";
    return out;
}

// The controls expected with move n of 10 shown.
std::string ControlsAt(int n) { return std::string(n > 0 ? "1" : "0") + (n < 10 ? " 1 1" : " 0 0"); }

class TejunNavTest : public CtlTest {
protected:
    void OpenTenMoves(const std::string& ini = "")
    {
        Start(ini);
        OpenRecord("ten.sgf", kTenMoves);
        ASSERT_EQ(Record().Last(), 10);
    }
    const TTejun& Record() const { return GobanLv[0]->Tejun; }
    int Shown() const { return Record().Current(); }
};

TEST_F(TejunNavTest, WalkingATenMoveRecordOneStepAtATime)
{
    OpenTenMoves();
    ASSERT_EQ(Shown(), 10);
    EXPECT_EQ(Controls(), ControlsAt(10));

    ctl.Click("btnFirst");
    EXPECT_EQ(Shown(), 0);
    EXPECT_EQ(BoardDiagram(*GobanLv[0]), TenMovesAfter(0));
    EXPECT_EQ(Controls(), ControlsAt(0));
    EXPECT_EQ(view.tjnInfo, "");

    for (int n = 1; n <= 10; ++n) {
        ctl.Click("mnuNext");
        ASSERT_EQ(Shown(), n);
        EXPECT_EQ(BoardDiagram(*GobanLv[0]), TenMovesAfter(n)) << "forward to " << n;
        EXPECT_EQ(Controls(), ControlsAt(n)) << "forward to " << n;
        EXPECT_EQ(Record().Hama(kKuro), n >= 7 ? 1 : 0);
    }
    EXPECT_EQ(view.tjnInfo, "第10手 白8-8");
    ctl.Click("btnNext");  // at the end: nothing moves
    EXPECT_EQ(Shown(), 10);

    for (int n = 9; n >= 0; --n) {
        ctl.Click("btnPrev");
        ASSERT_EQ(Shown(), n);
        EXPECT_EQ(BoardDiagram(*GobanLv[0]), TenMovesAfter(n)) << "back to " << n;
        EXPECT_EQ(Controls(), ControlsAt(n)) << "back to " << n;
        EXPECT_EQ(Record().Hama(kKuro), n >= 7 ? 1 : 0);
    }
    // Every step saved the comment window before and filled it after.
    EXPECT_GE(view.commentSaves, 21);
    EXPECT_GE(view.commentShows, 21);
    // Stepping never shortens the record.
    EXPECT_EQ(Record().Last(), 10);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(TejunNavTest, TenMovesFirstAndLast)
{
    OpenTenMoves();
    struct Step {
        const char* item;
        int shown;
    };
    const Step steps[] = {
        {"mnuPrev10", 0}, {"mnuNext10", 10}, {"mnuFirst", 0}, {"mnuNext", 1},  {"mnuNext10", 10},
        {"mnuPrev", 9},   {"mnuPrev10", 0},  {"mnuLast", 10}, {"btnPrev10", 0}, {"btnLast", 10},
        {"mnuPrev", 9},   {"mnuPrev", 8},    {"btnNext10", 10},
    };
    for (const Step& s : steps) {
        ctl.Click(s.item);
        ASSERT_EQ(Shown(), s.shown) << s.item;
        EXPECT_EQ(BoardDiagram(*GobanLv[0]), TenMovesAfter(s.shown)) << s.item;
        EXPECT_EQ(Controls(), ControlsAt(s.shown)) << s.item;
    }
}

TEST_F(TejunNavTest, CommentJumps)
{
    OpenTenMoves("[Form]\nToComment=ON\nLanguage=1\n");
    ASSERT_TRUE(ctl.Checked("mnuToCmt"));
    EXPECT_EQ(ctl.Item("mnuPrev10").caption, "Previous Comment");
    // Backwards: to the commented moves, then to move 1, then nothing.
    for (int want : {8, 3, 1, 1}) {
        ctl.Click("mnuPrev10");
        EXPECT_EQ(Shown(), want);
    }
    EXPECT_EQ(Controls(), "1 1 1");
    // Forwards: to the commented moves, then on to the last move.
    for (int want : {3, 8, 10}) {
        ctl.Click("mnuNext10");
        EXPECT_EQ(Shown(), want);
        EXPECT_EQ(BoardDiagram(*GobanLv[0]), TenMovesAfter(want));
    }
    EXPECT_EQ(Controls(), ControlsAt(10));

    // The switch goes back to ten moves and is stored.
    ctl.Click("mnuToCmt");
    EXPECT_FALSE(ctl.Checked("mnuToCmt"));
    EXPECT_EQ(ctl.Item("mnuNext10").caption, "10 Moves Forward");
    ctl.Click("mnuPrev10");
    EXPECT_EQ(Shown(), 0);
}

TEST_F(TejunNavTest, OnlySingleStepsSound)
{
    OpenTenMoves();
    ctl.Click("mnuFirst");
    ctl.SoundOn = 1;
    view.sounds.clear();
    ctl.Click("mnuNext");
    EXPECT_EQ(view.sounds, std::vector<int>{kKuro});
    ctl.Click("mnuNext10");
    ctl.Click("mnuFirst");
    ctl.Click("mnuLast");
    EXPECT_EQ(view.sounds.size(), 1u);  // the runs were silent
    EXPECT_EQ(ctl.SoundOn, 1);          // and the setting came back
    ctl.Click("mnuPrev");
    ctl.Click("mnuNext");
    EXPECT_EQ(view.sounds, (std::vector<int>{kKuro, kSiro}));
}

TEST_F(TejunNavTest, NothingMovesWhileTheEngineIsToMove)
{
    OpenTenMoves();
    ctl.Thinking = 1;
    for (const char* item : {"mnuFirst", "mnuPrev", "mnuPrev10", "mnuDel", "mnuUndo"})
        ctl.Click(item);
    EXPECT_EQ(Shown(), 10);
    EXPECT_EQ(Record().Last(), 10);
    ctl.Thinking = 0;
    ctl.Click("mnuFirst");
    ctl.Thinking = 1;
    for (const char* item : {"mnuNext", "mnuNext10", "mnuLast"})
        ctl.Click(item);
    EXPECT_EQ(Shown(), 0);
    EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(TejunNavTest, DeletingTheLaterMovesAsksFirst)
{
    OpenTenMoves();
    for (int i = 0; i < 6; ++i)
        ctl.Click("mnuPrev");
    ASSERT_EQ(Shown(), 4);

    prompt.answers = {false, false};
    ctl.Click("mnuDel");
    Language = lgEnglish;
    ctl.Click("mnuDel");
    Language = lgJapanese;
    ASSERT_EQ(prompt.questions.size(), 2u);
    EXPECT_EQ(prompt.questions[0], "5手目以降を削除しますか？");
    EXPECT_EQ(prompt.questions[1], "5move downward delete?");
    EXPECT_EQ(Record().Last(), 10);

    prompt.answers = {true};
    ctl.Click("mnuDel");
    EXPECT_EQ(Record().Last(), 4);
    EXPECT_EQ(Shown(), 4);
    EXPECT_EQ(BoardDiagram(*GobanLv[0]), TenMovesAfter(4));
    EXPECT_EQ(Controls(), "1 0 0");
    // The comment of a deleted move went with it.
    EXPECT_FALSE(Record().HasComment(8));

    // At the end of the record there is nothing to delete and no question.
    ctl.Click("mnuDel");
    EXPECT_EQ(prompt.questions.size(), 3u);

    // From the start everything goes.
    ctl.Click("mnuFirst");
    prompt.answers = {true};
    ctl.Click("mnuDel");
    EXPECT_EQ(prompt.questions.back(), "1手目以降を削除しますか？");
    EXPECT_EQ(Record().Last(), 0);
    EXPECT_EQ(Controls(), "0 0 0");
}

TEST_F(TejunNavTest, DeletingInAGameTakesTheMovesOutOfTheRunningRecordToo)
{
    OpenTenMoves();
    ASSERT_EQ(ctl.GameRunning, 1);
    ctl.Click("mnuPrev");
    ctl.Click("mnuPrev");
    prompt.answers = {true};
    ctl.Click("mnuDel");
    ASSERT_EQ(Record().Last(), 8);
    const std::string rec = ReadText(KifuRecName);
    EXPECT_EQ(rec.substr(rec.size() - 8), "MAT MAT ");

    // A crash now recovers the game as it stands.
    const std::string copy = exeDir + "recovered.ig1";
    WriteText(copy, rec);
    ASSERT_TRUE(KifuLoad(copy));
    EXPECT_EQ(Record().Last(), 8);
    EXPECT_EQ(BoardDiagram(*GobanLv[0]), TenMovesAfter(8));
}

// --- Undo in a game -----------------------------------------------------------

class UndoTest : public TejunNavTest {
protected:
    // A new game on 9x9 between the players given.
    void NewGame(int black, int white)
    {
        Start("[Goban]\nSize=9\n[Form]\nLanguage=1\n");
        NewHumanGame(ctl);
        ASSERT_EQ(ctl.GameRunning, 1);
        PlayerKind[kKuro] = black;
        PlayerKind[kSiro] = white;
    }
    void Play(std::initializer_list<Point> moves)
    {
        for (Point p : moves)
            ASSERT_TRUE(Shell().BanUtu(p.x, p.y, 0));
    }
    // The running record from its move line on.
    std::string RunningMoves() const
    {
        const std::string rec = ReadText(KifuRecName);
        const std::size_t mov = rec.find("MOV\r\n");
        return mov == std::string::npos ? "?" : rec.substr(mov + 5);
    }
};

TEST_F(UndoTest, AgainstTheEngineTwoMovesGoAndTheRunningRecordSaysSoTwice)
{
    NewGame(pkHuman, pkComputer);
    Play({{3, 3}, {7, 7}, {3, 7}, {7, 3}});
    ASSERT_EQ(RunningMoves(), "C03 G07 C07 G03 ");
    ctl.PassCount = 1;

    ctl.Click("mnuUndo");
    EXPECT_EQ(Record().Last(), 2);
    EXPECT_EQ(Shown(), 2);
    EXPECT_EQ(Record().NextColor(), kKuro);  // the human is to move again
    EXPECT_EQ(GobanLv[0]->GetIro(3, 7), kAki);
    EXPECT_EQ(GobanLv[0]->GetIro(7, 3), kAki);
    EXPECT_EQ(GobanLv[0]->GetIro(7, 7), kSiro);
    EXPECT_EQ(RunningMoves(), "C03 G07 C07 G03 MAT MAT ");
    EXPECT_EQ(ctl.PassCount, 0);
    EXPECT_EQ(Controls(), "1 0 0");
    EXPECT_EQ(view.tjnInfo, "2 White7-7");
    EXPECT_TRUE(prompt.messages.empty());

    // The game goes on from there, and the running record with it.
    Play({{5, 5}});
    EXPECT_EQ(RunningMoves(), "C03 G07 C07 G03 MAT MAT E05 ");
    // Read back after a crash, the record is the game as it stands.
    const std::string copy = exeDir + "crash.ig1";
    WriteText(copy, ReadText(KifuRecName));
    ASSERT_TRUE(KifuLoad(copy));
    EXPECT_EQ(Record().Last(), 3);
    EXPECT_EQ(Record().GetTe(3), Point(5, 5));
    EXPECT_EQ(GobanLv[0]->GetIro(3, 7), kAki);
}

TEST_F(UndoTest, UndoRestoresCapturedStones)
{
    NewGame(pkHuman, pkComputer);
    // White's (5,5) is captured by black's fourth stone; white answers.
    Play({{5, 4}, {5, 5}, {4, 5}, {1, 1}, {6, 5}, {1, 9}, {5, 6}, {9, 9}});
    ASSERT_EQ(GobanLv[0]->GetIro(5, 5), kAki);
    ctl.Click("mnuUndo");
    EXPECT_EQ(Record().Last(), 6);
    EXPECT_EQ(GobanLv[0]->GetIro(5, 5), kSiro);
    EXPECT_EQ(Record().Hama(kKuro), 0);
}

TEST_F(UndoTest, BetweenTwoPeopleOneMoveGoes)
{
    NewGame(pkHuman, pkHuman);
    Play({{3, 3}, {7, 7}, {3, 7}});
    ctl.Click("mnuUndo");
    EXPECT_EQ(Record().Last(), 2);
    EXPECT_EQ(RunningMoves(), "C03 G07 C07 MAT ");
    ctl.Click("mnuUndo");
    ctl.Click("mnuUndo");
    EXPECT_EQ(Record().Last(), 0);
    EXPECT_EQ(Controls(), "0 0 0");
    ctl.Click("mnuUndo");  // nothing left to take back
    EXPECT_EQ(RunningMoves(), "C03 G07 C07 MAT MAT MAT ");
}

TEST_F(UndoTest, RightAfterTheEnginesFirstAnswer)
{
    NewGame(pkHuman, pkComputer);
    Play({{3, 3}, {7, 7}});
    ctl.Click("mnuUndo");
    EXPECT_EQ(Record().Last(), 0);
    EXPECT_EQ(Controls(), "0 0 0");
    EXPECT_EQ(RunningMoves(), "C03 G07 MAT MAT ");
}

// The shapes the engine pondered without a kill belong to their game.
TEST_F(UndoTest, PonderedShapesAreForgottenAtGameStart)
{
    SikatuGunCache[1] = TSikatuGun{6, 10, 99};
    SikatuGunCount = 1;
    NewGame(pkHuman, pkComputer);
    EXPECT_EQ(SikatuGunCount, 0);
}

// The endgame values stored by the engine follow the game: a new game starts
// without them, a move forgets those around it, a take-back forgets them all.
TEST_F(UndoTest, EndgameCacheFollowsTheGame)
{
    YoseCacheValid = 1;
    YoseCacheValue[kKuro][2][2] = 4;
    NewGame(pkHuman, pkHuman);
    auto store = [](Point p, int v) {
        for (int c = kKuro; c <= kSiro; ++c)
            YoseCacheValue[c][p.x][p.y] = v;
    };
    int v = 0, b = 0;
    EXPECT_EQ(YoseCacheValid, 0) << "a new game starts with an empty cache";
    YoseCacheValid = 1;
    store({4, 4}, 3);
    store({9, 9}, 5);
    Play({{5, 5}});
    EXPECT_FALSE(YoseCacheGet(kKuro, {4, 4}, v, b)) << "next to the move";
    EXPECT_TRUE(YoseCacheGet(kSiro, {9, 9}, v, b) && v == 5) << "far from it";

    ctl.Click("mnuUndo");
    EXPECT_FALSE(YoseCacheGet(kSiro, {9, 9}, v, b));
    EXPECT_EQ(YoseCacheValid, 0);

}

TEST_F(UndoTest, RefusedOrIgnored)
{
    NewGame(pkHuman, pkComputer);
    Play({{3, 3}, {7, 7}, {3, 7}, {7, 3}});

    // Only at the end of the record.
    ctl.Click("mnuPrev");
    ctl.Click("mnuUndo");
    EXPECT_EQ(Record().Last(), 4);
    ctl.Click("mnuNext");

    // Not in a rank exam.
    ctl.ExamMode = 1;
    ctl.Click("mnuUndo");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "You cannot undo in Dan&Kyu Ranking Exam");
    ctl.ExamMode = 0;

    // Not against a remote player, whose board would no longer agree.
    for (int kind : {pkSerial, pkTcp, pkNngs}) {
        PlayerKind[kSiro] = kind;
        ctl.Click("mnuUndo");
    }
    ASSERT_EQ(prompt.messages.size(), 4u);
    EXPECT_EQ(prompt.messages[3], "You cannot undo in a game against a remote player");
    Language = lgJapanese;
    ctl.Click("mnuUndo");
    ctl.ExamMode = 1;
    ctl.Click("mnuUndo");
    ctl.ExamMode = 0;
    ASSERT_EQ(prompt.messages.size(), 6u);
    EXPECT_EQ(prompt.messages[4], "通信対局中は待ったはできません");
    EXPECT_EQ(prompt.messages[5], "段級位認定試験中は待ったはできません");
    PlayerKind[kSiro] = pkComputer;

    // Not without a game.
    ctl.GameStop();
    ctl.Click("mnuUndo");
    EXPECT_EQ(Record().Last(), 4);
    EXPECT_EQ(RunningMoves(), "C03 G07 C07 G03 ");
}

// Two passes in a row end the game however the record came to end in one.
TEST_F(UndoTest, APassLeftAtTheEndStillCountsAfterUndoAndDelete)
{
    struct Case {
        const char* what;
        bool byDelete;
    } cases[] = {{"undo", false}, {"delete", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NewGame(pkHuman, pkHuman);
        GameOver = 0;
        Play({{3, 3}});
        ctl.Click("mnuPass");   // White passes
        ASSERT_EQ(ctl.PassCount, 1);
        Play({{7, 7}, {3, 7}}); // and the game goes on
        if (c.byDelete) {
            ctl.Click("mnuPrev");
            ctl.Click("mnuPrev");
            prompt.answers = {true};
            ctl.Click("mnuDel");
        } else {
            ctl.Click("mnuUndo");
            ctl.Click("mnuUndo");
        }
        ASSERT_EQ(Record().Last(), 2);
        EXPECT_EQ(ctl.PassCount, 1);
        EXPECT_EQ(GameOver, 0);
        ctl.Click("mnuPass");   // Black passes too: the end
        EXPECT_EQ(GameOver, 1);
        ctl.GameStop();
    }
}

TEST_F(UndoTest, ADeleteThatLeavesTheEngineToMoveHandsItTheTurn)
{
    NewGame(pkHuman, pkComputer);
    ctl.Turn.Think = ScriptedThink;
    Play({{3, 3}, {7, 7}, {3, 7}, {7, 3}});
    // Back to Black's third move: White, the engine, is to move there.
    ctl.Click("mnuPrev");
    ASSERT_EQ(Record().NextColor(), kSiro);
    EngineScript = {{5, 5}};
    prompt.answers = {true};
    ctl.Click("mnuDel");
    EXPECT_EQ(Record().Last(), 4);
    EXPECT_EQ(Record().GetTe(4), Point(5, 5));
    EXPECT_EQ(Record().NextColor(), kKuro);
    EXPECT_EQ(ctl.Thinking, 0);
    EXPECT_TRUE(ctl.Turn.timThink.Enabled);
    // The human plays on.
    EXPECT_TRUE(Shell().BanUtu(6, 6, 0));

    // Back to White's move: the human is to move, and keeps the clock.
    ctl.Click("mnuPrev");
    ASSERT_EQ(Record().NextColor(), kKuro);
    prompt.answers = {true};
    ctl.Click("mnuDel");
    EXPECT_EQ(Record().Last(), 4);
    EXPECT_TRUE(EngineScript.empty());
    EXPECT_TRUE(ctl.Turn.timThink.Enabled);
    EngineScript.clear();
}

// --- Automatic replay ---------------------------------------------------------

TEST_F(TejunNavTest, AutomaticReplayStepsOnEachTickAndStopsAtTheEnd)
{
    OpenTenMoves();
    ctl.Click("mnuPrev10");
    ctl.Click("mnuAuto");
    EXPECT_TRUE(ctl.Checked("mnuAuto"));
    EXPECT_TRUE(view.autoTimer);
    for (int n = 1; n <= 10; ++n) {
        ASSERT_TRUE(view.autoTimer);
        ctl.Nav.timAutoTimer();
        EXPECT_EQ(Shown(), n);
        EXPECT_EQ(BoardDiagram(*GobanLv[0]), TenMovesAfter(n));
    }
    EXPECT_FALSE(view.autoTimer);
    EXPECT_FALSE(ctl.Checked("mnuAuto"));
    EXPECT_EQ(Controls(), ControlsAt(10));

    // A tick waits while the engine is to move; switched off by hand the
    // replay stops at once.
    ctl.Click("mnuFirst");
    ctl.Click("mnuAuto");
    ctl.Thinking = 1;
    ctl.Nav.timAutoTimer();
    EXPECT_EQ(Shown(), 0);
    ctl.Thinking = 0;
    ctl.Nav.timAutoTimer();
    ctl.Click("mnuAuto");
    EXPECT_FALSE(view.autoTimer);
    EXPECT_EQ(Shown(), 1);
}

// --- In the window ------------------------------------------------------------

using TejunNavWindowTest = WindowTest;

TEST_F(TejunNavWindowTest, KeysTimerAndALabelledStone)
{
    Open(9);
    WriteText(exeDir + "ten.sgf", kTenMoves);
    prompt.files.push_back(exeDir + "ten.sgf");
    form->Action("mnuOpen")->trigger();
    ASSERT_EQ(GobanLv[0]->Tejun.Last(), 10);
    EXPECT_FALSE(form->Action("btnNext")->isEnabled());

    form->Action("mnuFirst")->trigger();
    EXPECT_EQ(GobanLv[0]->Tejun.Current(), 0);
    EXPECT_TRUE(form->Action("mnuNext")->isEnabled());
    EXPECT_FALSE(form->Action("btnPrev")->isEnabled());
    EXPECT_EQ(form->Action("mnuFirst")->shortcut().toString(), "F1");

    // Move 5 carries a label on the stone of move 1: stepping on from there
    // takes the label away and keeps the stone in the picture.
    for (int i = 0; i < 5; ++i)
        form->Action("btnNext")->trigger();
    EXPECT_EQ(Ctl().Ban.IrhLabels[5][4], "A");
    form->Action("btnNext")->trigger();
    EXPECT_EQ(Ctl().Ban.IrhLabels[5][4], "");
    EXPECT_EQ(At(Grab(), 5, 4, 3, 3), clBlack);
    EXPECT_EQ(At(Grab(), 6, 5, 3, 3), clBlack);
    form->Action("btnPrev")->trigger();
    form->Action("btnPrev")->trigger();
    EXPECT_EQ(At(Grab(), 6, 5, 3, 3), clOlive);  // move 5 taken back: empty
    EXPECT_EQ(At(Grab(), 5, 4, 3, 3), clBlack);

    // The replay item runs the window's timer.
    QTimer* timer = &form->AutoTimer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    form->Action("mnuAuto")->trigger();
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(form->Action("mnuAuto")->isChecked());
    form->Action("mnuLast")->trigger();
    timer->setInterval(0);
    for (int i = 0; i < 1000 && timer->isActive(); ++i)
        QApplication::processEvents();
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(form->Action("mnuAuto")->isChecked());
}

} // namespace
} // namespace vorn::test
