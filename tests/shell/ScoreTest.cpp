// End of game and scoring: known 9x9 end positions counted with the komi,
// dead chains toggled by hand and counted again, resuming, the territory
// picture, and continuous matches with their records.
#include <filesystem>

#include <QApplication>
#include <QLineEdit>

#include "GameUtil.h"
#include "board/Goban.h"
#include "shell/GameIForm.h"

namespace vorn::test {
namespace {

namespace fs = std::filesystem;

// Black's wall on the fourth line, White's on the sixth, a neutral column
// between: 27 points each.
const char* const kJigo = R"(
...X.O...
...X.O...
...X.O...
...X.O...
...X.O...
...X.O...
...X.O...
...X.O...
...X.O...
)";

// The walls touch: Black 27, White 36.
const char* const kWalls = R"(
...XO....
...XO....
...XO....
...XO....
...XO....
...XO....
...XO....
...XO....
...XO....
)";

// White's area split in two eyes by a line; a lone black stone in the upper
// one is dead.
const char* const kDeadStone = R"(
...XO....
...XO..X.
...XO....
...XO....
...XOOOOO
...XO....
...XO....
...XO....
...XO....
)";

// Two black stones in White's upper eye.
const char* const kTwoStones = R"(
...XO....
...XO.XX.
...XO....
...XO....
...XOOOOO
...XO....
...XO....
...XO....
...XO....
)";

// A white stone in atari in Black's corner.
const char* const kCapture = R"(
OX.XO....
...XO....
...XO....
...XO....
...XO....
...XO....
...XO....
...XO....
...XO....
)";

TEST(KekkaTest, ResultTexts)
{
    struct Case {
        float k, s;
        const char* english;
        const char* japanese;
    };
    const Case cases[] = {
        {60, 59.5f, "B+0.5(B=60W=59.5)", "黒0.5目勝ち(黒=60白=59.5)"},
        {62, 58.5f, "B+3.5(B=62W=58.5)", "黒3.5目勝ち(黒=62白=58.5)"},
        {60, 60, "W+0(B=60W=60)", "ジゴ(引き分け)(黒=60白=60)"},
        {27, 42.5f, "W+15.5(B=27W=42.5)", "白15.5目勝ち(黒=27白=42.5)"},
        {0, 6.5f, "W+6.5(B=0W=6.5)", "白6.5目勝ち(黒=0白=6.5)"},
        {-2, 3, "W+5(B=-2W=3)", "白5目勝ち(黒=-2白=3)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KekkaString(c.k, c.s, lgEnglish), c.english);
        EXPECT_EQ(KekkaString(c.k, c.s, lgJapanese), c.japanese);
        EXPECT_EQ(KekkaString(c.k, c.s, lgChinese), c.japanese);
    }
}

using ScoreTest = GameTest;

TEST_F(ScoreTest, TwoPassesCountKnownEndPositions)
{
    struct Case {
        const char* what;
        const char* diagram;
        const char* komi;
        int language;
        float kuro, siro;  // White's with the komi
        const char* result;
    };
    const Case cases[] = {
        {"jigo", kJigo, "0", lgEnglish, 27, 27, "W+0(B=27W=27)"},
        {"jigo", kJigo, "0", lgJapanese, 27, 27, "ジゴ(引き分け)(黒=27白=27)"},
        {"walls", kWalls, "6.5", lgEnglish, 27, 42.5f, "W+15.5(B=27W=42.5)"},
        {"walls", kWalls, "6.5", lgJapanese, 27, 42.5f, "白15.5目勝ち(黒=27白=42.5)"},
        {"no komi text", kWalls, "", lgEnglish, 27, 36, "W+9(B=27W=36)"},
        {"komi not a number", kWalls, "six", lgEnglish, 27, 36, "W+9(B=27W=36)"},
        // The stone is a prisoner and its point White's: 16 + 15 + 2.
        {"dead stone", kDeadStone, "6.5", lgEnglish, 27, 39.5f, "W+12.5(B=27W=39.5)"},
        {"dead stone", kDeadStone, "6.5", lgJapanese, 27, 39.5f, "白12.5目勝ち(黒=27白=39.5)"},
    };
    bool opened = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + (c.language == lgEnglish ? " en" : " ja"));
        if (!opened) {
            Open(c.language);
            opened = true;
        }
        Language = c.language;
        Start(Language == lgEnglish ? "Man" : "人間", Language == lgEnglish ? "Man" : "人間");
        SetBoard(c.diagram);
        dlg.edtKomi.Text = c.komi;
        ctl.Click("mnuPass");
        ctl.Click("mnuPass");
        ASSERT_EQ(GameOver, 1);
        EXPECT_FLOAT_EQ(ctl.Score.KuroScore, c.kuro);
        EXPECT_FLOAT_EQ(ctl.Score.SiroScore, c.siro);
        EXPECT_EQ(dlg.edtResult.Text, c.result);
        EXPECT_TRUE(dlg.Visible);
        EXPECT_TRUE(ctl.Checked("mnuEnd"));
        // The game stays in the free mode after its end.
        EXPECT_EQ(ctl.GameRunning, 1);
        ctl.GameStop();
        dlg.Hide();
    }
}

TEST_F(ScoreTest, PrisonersCount)
{
    Open();
    Start("Man", "Man");
    SetBoard(kCapture);
    ClickPoint(1, 2);  // Black takes the white stone
    ASSERT_EQ(GobanLv[0]->Tejun.Hama(kKuro), 1);
    ctl.Click("mnuPass");
    ctl.Click("mnuPass");
    // 25 empty points and one prisoner against 36 and the komi.
    EXPECT_EQ(dlg.edtResult.Text, "W+16.5(B=26W=42.5)");
}

TEST_F(ScoreTest, ADeadChainToggledByClicksIsCountedAgain)
{
    Open();
    Start("Man", "Man");
    SetBoard(kTwoStones);
    ctl.Click("mnuEnd");
    ASSERT_EQ(GameOver, 1);
    // Alive, the two stones leave White's upper eye to nobody; dead, they
    // give White four points and the eye.
    const std::string alive = "B+4.5(B=27W=22.5)", dead = "W+13.5(B=27W=40.5)";
    const TGoban& b = *GobanLv[0];
    const bool deadFirst = b.RenList.RenAt(7, 2)->GetGunDeath();
    EXPECT_EQ(dlg.edtResult.Text, deadFirst ? dead : alive);

    // A click on a stone after the end toggles its chain and counts again.
    ClickPoint(7, 2);
    EXPECT_EQ(b.Tejun.Last(), 0);  // no move
    EXPECT_EQ(dlg.edtResult.Text, deadFirst ? alive : dead);
    EXPECT_EQ(b.IsDeath(8, 2), deadFirst ? 0 : 1);
    EXPECT_EQ(b.IsDeath(4, 5), 0);  // only the clicked chain
    ClickPoint(8, 2);
    EXPECT_EQ(dlg.edtResult.Text, deadFirst ? dead : alive);
    EXPECT_TRUE(prompt.messages.empty());

    // A live wall marked dead by hand: its nine stones and Black's area go
    // to White.
    if (b.RenList.RenAt(4, 1)->GetGunDeath())
        ClickPoint(4, 1);
    ClickPoint(4, 1);
    EXPECT_TRUE(b.RenList.RenAt(4, 1)->GetGunDeath());
    EXPECT_TRUE(StartsWith(dlg.edtResult.Text, "W+"));

    // A click on an empty point in the free mode plays there.
    ClickPoint(9, 9);
    EXPECT_EQ(b.GetIro(9, 9), kKuro);
}

TEST_F(ScoreTest, ALadderQueryKeepsTheDeadChainsMarkedByHand)
{
    Open();
    Start("Man", "Man");
    SetBoard(kTwoStones);
    ctl.Click("mnuEnd");
    ASSERT_EQ(GameOver, 1);
    const TGoban& b = *GobanLv[0];
    // The two stones marked against the judgement's verdict.
    const bool judged = b.RenList.RenAt(7, 2)->GetGunDeath();
    ClickPoint(7, 2);
    const std::string counted = dlg.edtResult.Text;
    ASSERT_NE(b.RenList.RenAt(7, 2)->GetGunDeath(), judged);
    const TBanDraw& ban = ctl.Ban;
    for (Point p : {Point(7, 2), Point(5, 5), Point(9, 9)}) {
        ctl.FormMouseDown(mbRight, ban.CellLeft(p.x) + ban.BanHalf, ban.CellTop(p.y) + ban.BanHalf);
        EXPECT_NE(b.RenList.RenAt(7, 2)->GetGunDeath(), judged) << p.x << "," << p.y;
        EXPECT_EQ(b.IsDeath(8, 2), judged ? 0 : 1);
    }
    // The count that follows the next toggle starts from the marks shown.
    ClickPoint(7, 2);
    ClickPoint(7, 2);
    EXPECT_EQ(dlg.edtResult.Text, counted);
}

TEST_F(ScoreTest, ResumingHandsTheMoveOverByPlayerKind)
{
    Open();
    // Engine against engine: Black passes at the start (the script is empty).
    Start("VORN", "VORN");
    ASSERT_TRUE(ctl.Turn.timVornVorn.Enabled);
    ctl.Click("mnuEnd");
    EXPECT_EQ(GameOver, 1);
    EXPECT_FALSE(ctl.Turn.timVornVorn.Enabled);
    EXPECT_FALSE(ctl.Turn.timThink.Enabled);
    // White, the engine, is to move: resuming gives it the move at once.
    EngineScript = {{4, 4}};
    ctl.Click("mnuEnd");
    EXPECT_EQ(GameOver, 0);
    EXPECT_FALSE(ctl.Checked("mnuEnd"));
    EXPECT_EQ(GobanLv[0]->GetIro(4, 4), kSiro);
    EXPECT_FALSE(ctl.Turn.timThink.Enabled);
    EXPECT_TRUE(ctl.Turn.timVornVorn.Enabled);
    ctl.GameStop();

    // A human to move: the game clock runs again; the passes that ended
    // the game are forgotten, so one more pass does not end it.
    dlg.Hide();
    Start("Man", "Man");
    ctl.Click("mnuPass");
    ctl.Click("mnuPass");
    ASSERT_EQ(GameOver, 1);
    ctl.Click("mnuEnd");
    EXPECT_EQ(GameOver, 0);
    EXPECT_TRUE(ctl.Turn.timThink.Enabled);
    ctl.Click("mnuPass");
    EXPECT_EQ(GameOver, 0);

    // Not during a rank exam.
    ctl.ExamMode = 1;
    ctl.Click("mnuEnd");
    EXPECT_EQ(GameOver, 0);
}

class RenzokuTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        dir_ = EnterFolder("match");
    }
    // The match's next game starts; its engines pass at once.
    void NextGame()
    {
        ASSERT_TRUE(ctl.Turn.timRenzoku.Enabled);
        ctl.Score.timRenzokuTimer();
        while (ctl.Turn.timVornVorn.Enabled)
            ctl.Turn.timVornVornTimer();
    }
    std::string dir_;
};

TEST_F(RenzokuTest, EachGameIsSavedUnderAFreeNameAndTheNextOneFollows)
{
    WriteText("Play1.sgf", "an earlier match");
    Open();
    ctl.Click("mnuNew");
    dlg.chkRenzoku.Checked = true;
    dlg.cmbBlackPlayer.Text = dlg.cmbWhitePlayer.Text = "VORN";
    dlg.btnOKClick();
    ctl.Turn.timVornVornTimer();  // White passes: the first game is over
    ASSERT_EQ(GameOver, 1);
    EXPECT_EQ(ctl.RenzokuCount, 1);
    EXPECT_EQ(ReadText("Play1.sgf"), "an earlier match");
    EXPECT_TRUE(fs::exists("Play2.sgf"));
    EXPECT_EQ(ctl.Turn.timRenzoku.Interval, 3000);

    Jikan[kKuro] = 55;
    NextGame();
    EXPECT_EQ(ctl.RenzokuCount, 2);
    EXPECT_TRUE(fs::exists("Play3.sgf"));
    NextGame();
    EXPECT_EQ(ctl.RenzokuCount, 3);
    EXPECT_TRUE(fs::exists("Play4.sgf"));
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 2);  // each game starts afresh
    EXPECT_EQ(Jikan[kKuro], 0);
    EXPECT_NE(ReadText("Play4.sgf").find("PB[VORN]"), std::string::npos);

    // Stopping the game stops the match.
    ASSERT_TRUE(ctl.Turn.timRenzoku.Enabled);
    ctl.GameStop();
    EXPECT_FALSE(ctl.Turn.timRenzoku.Enabled);
    EXPECT_EQ(RenzokuFileName(1), "Play5.sgf");
}

TEST_F(RenzokuTest, ASerialMatchWaitsLongerAndSwapsColours)
{
    Open();
    ctl.Click("mnuNew");
    dlg.chkRenzoku.Checked = true;
    dlg.cmbBlackPlayer.Text = "Man";
    dlg.cmbWhitePlayer.Text = "VORN";
    dlg.btnOKClick();
    // A serial peer plays Black against the engine.
    dlg.SerialInGame = 1;
    PlayerKind[kKuro] = pkSerial;
    dlg.edtBlackPlayer.Text = "Peer";
    ctl.Click("mnuEnd");
    EXPECT_EQ(ctl.Turn.timRenzoku.Interval, 30000);
    ctl.Score.timRenzokuTimer();
    EXPECT_EQ(PlayerKind[kKuro], pkComputer);
    EXPECT_EQ(PlayerKind[kSiro], pkSerial);
    EXPECT_EQ(dlg.edtBlackPlayer.Text, "VORN");
    EXPECT_EQ(dlg.edtWhitePlayer.Text, "Peer");
    // The first move comes from the serial exchange, not from the engine.
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 0);
    EXPECT_EQ(ctl.GameRunning, 1);
    EXPECT_EQ(GameOver, 0);
}

// --- The picture after the end -------------------------------------------------

using ScorePictureTest = WindowTest;

TEST_F(ScorePictureTest, TerritoryDamesAndDeadStonesAreDrawn)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    NewHumanGame(Ctl());
    SetBoard(kJigo);
    Ctl().Click("mnuEnd");
    QImage img = Grab();
    EXPECT_EQ(At(img, 2, 5, 3, 3), 0xC0C0C0);  // Black's territory, silver
    EXPECT_EQ(At(img, 8, 5, 3, 3), clWhite);   // White's
    EXPECT_EQ(At(img, 5, 5, 3, 3), clOlive);   // nobody's
    EXPECT_EQ(static_cast<QLineEdit*>(form->GameInfoForm()->Control("edtResult"))->text().toStdString(),
              "W+6.5(B=27W=33.5)");

    // A dead chain carries an X: white on a black stone, black on a white one.
    Click(4, 5);
    img = Grab();
    EXPECT_EQ(At(img, 4, 5), clWhite);
    Click(6, 5);
    img = Grab();
    EXPECT_EQ(At(img, 6, 5), clBlack);
    // The whole repaint keeps the marks.
    Ctl().FormPaint();
    img = Grab();
    EXPECT_EQ(At(img, 4, 5), clWhite);
    EXPECT_EQ(At(img, 6, 5), clBlack);
}

} // namespace
} // namespace vorn::test
