// The rank exam in the main window: the exam item and its dialog, a whole
// exam game against a scripted engine that the program is closed in and
// resumes, the verdicts by count, resignation and time, the series through
// the levels, and damaged exam files.
#include <filesystem>
#include <memory>

#include "GameUtil.h"
#include "records/Charset.h"
#include "records/Exam.h"

namespace vorn::test {
namespace {

// Black's wall on column 9, White's on column 11, a neutral column between:
// 152 points each.
std::string JigoBoard()
{
    std::string rows;
    for (int y = 1; y <= 19; ++y)
        rows += "........X.O........\n";
    return rows;
}

// Black's wall on column 10: Black 171, White 152.
std::string BlackAheadBoard()
{
    std::string rows;
    for (int y = 1; y <= 19; ++y)
        rows += ".........XO........\n";
    return rows;
}

class NinteiTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        EngineScript.clear();
    }
    void TearDown() override
    {
        Close();
        EngineScript.clear();
        ShellTest::TearDown();
    }
    // Starts the program in the language with the scripted engine.
    void Open(int language)
    {
        WriteIni("[Goban]\nSize=9\n[Form]\nLanguage=" + std::to_string(language) + "\n");
        Reopen();
    }
    // Starts the program again with the settings it left.
    void Reopen()
    {
        ctl = std::make_unique<TMainCtl>(view, canvas, prompt);
        ctl->FormCreate(exeDir, {});
        ctl->Turn.Think = ScriptedThink;
        ctl->Turn.Clock = &clock;
    }
    // The program ends: the window closes and the controller goes.
    void Close()
    {
        if (ctl && ctl->FormCreated == 1)
            ctl->FormClose();
        ctl.reset();
    }
    // The exam item, and the dialog confirmed, with the examinee's name
    // typed when it is given.
    void StartExam(const std::string& name = "")
    {
        ctl->Click("mnuExam");
        TGameInfo& d = ctl->GameInfo;
        ASSERT_TRUE(d.Visible);
        if (!name.empty())
            (d.edtBlackPlayer.ReadOnly ? d.edtWhitePlayer : d.edtBlackPlayer).Text = name;
        d.btnOKClick();
    }
    void ClickPoint(int x, int y)
    {
        const TBanDraw& b = ctl->Ban;
        ctl->FormMouseDown(mbLeft, b.CellLeft(x) + b.BanHalf, b.CellTop(y) + b.BanHalf);
    }
    std::string FilePath() const { return exeDir + "EXAM53.DAT"; }
    TExamState State()
    {
        TExamState s;
        std::string why;
        EXPECT_TRUE(ExamDecode(ReadText(FilePath()), s, why)) << why;
        return s;
    }
    // An exam file at a level, with a name and nothing stored.
    void PutLevel(int prev, int rank, const std::string& name = "Hanako")
    {
        TExamState s;
        s.PrevRank = static_cast<std::uint8_t>(prev);
        s.Rank = static_cast<std::int8_t>(rank);
        s.Teai = static_cast<std::int8_t>(14 - rank);
        for (std::size_t i = 0; i < name.size(); ++i)
            s.Name[static_cast<int>(i)] = static_cast<std::uint8_t>(name[i]);
        WriteText(FilePath(), ExamEncode(s));
    }
    // The examinee passes, then the engine passes, and the board is counted.
    void PassesToTheCount()
    {
        ctl->Click("mnuPass");
        ASSERT_EQ(GameOver, 1);
    }

    TRecordingView view;
    TNullCanvas canvas;
    TScriptPrompt prompt;
    TTestClock clock;
    std::unique_ptr<TMainCtl> ctl;
};

TEST_F(NinteiTest, TheFirstExamInBothLanguages)
{
    struct Case {
        int language;
        const char *gameName, *whiteKyu, *noRank, *teai, *ban;
    };
    const Case cases[] = {
        {lgEnglish, "9kyu authorization examination", "7kyu", "None", "2", "19"},
        {lgJapanese, "９級認定試験", "７級", "なし", "２子", "19路盤"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        std::filesystem::remove(FilePath());
        Open(c.language);
        ctl->Click("mnuExam");
        ASSERT_TRUE(std::filesystem::exists(FilePath()));
        const TGameInfo& d = ctl->GameInfo;
        EXPECT_TRUE(d.Visible);
        EXPECT_EQ(GameInfoMode, 2);
        EXPECT_EQ(BoardSize, 19);
        EXPECT_EQ(Handicap, 2);
        EXPECT_EQ(GobanLv[0]->GetIro(4, 16) + GobanLv[0]->GetIro(16, 4), 2 * kKuro);
        EXPECT_EQ(d.edtGameName.Text, c.gameName);
        EXPECT_EQ(d.edtWhitePlayer.Text, "VORN");
        EXPECT_EQ(d.edtWhiteKyu.Text, c.whiteKyu);
        EXPECT_EQ(d.edtBlackKyu.Text, c.noRank);
        EXPECT_EQ(d.edtBlackPlayer.Text, "");
        EXPECT_EQ(d.edtKomi.Text, "0");
        EXPECT_EQ(d.edtTeai.Text, c.teai);
        EXPECT_EQ(d.edtBan.Text, c.ban);
        // The examinee types a name, whatever the language; the engine's
        // name stays.
        EXPECT_FALSE(d.edtBlackPlayer.ReadOnly);
        EXPECT_TRUE(d.edtWhitePlayer.ReadOnly);
        // No name, no exam.
        ctl->GameInfo.btnOKClick();
        EXPECT_EQ(ctl->ExamMode, 0);
        ASSERT_EQ(prompt.messages.size(), 1u);
        prompt.messages.clear();
        // The engine, White, moves first.
        EngineScript = {{10, 3}};
        ctl->GameInfo.edtBlackPlayer.Text = "花子";
        ctl->GameInfo.btnOKClick();
        EXPECT_EQ(ctl->ExamMode, 1);
        EXPECT_EQ(PlayerKind[kSiro], pkComputer);
        EXPECT_EQ(PlayerKind[kKuro], pkHuman);
        EXPECT_EQ(GobanLv[0]->GetIro(10, 3), kSiro);
        const TExamState s = State();
        EXPECT_EQ(s.NameText(), "花子");
        EXPECT_EQ(s.TeCount, 1);
        EXPECT_EQ(s.Te[1], 3 * 20 + 10);
        EXPECT_TRUE(prompt.messages.empty());
        // The locks of an exam game.
        ctl->Click("mnuNew");
        ctl->Click("mnuExam");
        ctl->Click("mnuExit");
        EXPECT_TRUE(prompt.questions.empty());
        EXPECT_EQ(ctl->GameRunning, 1);
        ctl->ExamMode = 0;  // so that the next case can start afresh
        Close();
    }
}

// 37 moves with a pass by each side; the program is closed and opened
// again, and the exam item brings back the same position and the same side
// to move.
TEST_F(NinteiTest, AnInterruptedExamGameResumes)
{
    Open(lgEnglish);
    // White, the engine, plays along row 3 and passes at move 11; Black
    // along row 17 and passes at move 20.
    for (int i = 0; i < 19; ++i)
        EngineScript.push_back(i == 5 ? Point{} : Point{1 + i - (i > 5 ? 1 : 0), 3});
    StartExam("Taro");
    ASSERT_EQ(ctl->ExamMode, 1);
    for (int i = 0; i < 18; ++i) {
        if (i == 9)
            ctl->Click("mnuPass");
        else
            ClickPoint(1 + i - (i > 9 ? 1 : 0), 17);
    }
    const TTejun& t = GobanLv[0]->Tejun;
    ASSERT_EQ(t.Last(), 37);
    ASSERT_EQ(t.GetTe(11), Point{});
    ASSERT_EQ(t.GetTe(20), Point{});
    const std::string position = BoardDiagram(*GobanLv[0]);
    const TExamState s = State();
    EXPECT_EQ(s.TeCount, 37);
    EXPECT_EQ(s.Te[11], 0);
    EXPECT_EQ(s.Te[20], 0);
    EXPECT_EQ(s.Te[37], 3 * 20 + 18);

    Close();
    GobanLv[0]->NewGame();
    Reopen();
    EXPECT_EQ(ctl->ExamMode, 0);
    ctl->Click("mnuExam");
    EXPECT_EQ(BoardDiagram(*GobanLv[0]), position);
    EXPECT_EQ(t.Last(), 37);
    EXPECT_EQ(t.GetTe(11), Point{});
    EXPECT_EQ(t.GetTe(20), Point{});
    EXPECT_EQ(t.NextColor(), kKuro);
    EXPECT_EQ(ctl->GameInfo.edtBlackPlayer.Text, "Taro");
    EXPECT_TRUE(prompt.messages.empty());
    // The running record holds the replayed game with its passes.
    const std::string rec = ReadText(exeDir + "bug.ig1");
    EXPECT_NE(rec.find("A00 "), std::string::npos);
    EXPECT_NE(rec.find("S03 "), std::string::npos);

    // Confirmed, the examinee is to move and the clock runs.
    EngineScript = {{19, 3}};
    ctl->GameInfo.btnOKClick();
    EXPECT_EQ(ctl->ExamMode, 1);
    EXPECT_EQ(ctl->Thinking, 0);
    EXPECT_TRUE(ctl->Turn.timThink.Enabled);
    ClickPoint(18, 17);
    EXPECT_EQ(t.Last(), 39);
    EXPECT_EQ(GobanLv[0]->GetIro(19, 3), kSiro);
    EXPECT_EQ(State().TeCount, 39);
    EXPECT_EQ(State().NameText(), "Taro");
}

// Verdicts by count: the examinee White at 3 kyu against the engine's four
// stones.
TEST_F(NinteiTest, VerdictsByCount)
{
    struct Case {
        const char* what;
        int language;
        std::string board;
        const char* komi;
        const char* result;
        int rank, prevRank, passRun, failRun;
        const char* whiteKyu;
    };
    const Case cases[] = {
        {"White by 0.5", lgJapanese, JigoBoard(), "0.5", "白0.5目勝ち(黒=152白=152.5),３級認定", 9, 10, 1, 0, "３級"},
        {"White by 0.5", lgEnglish, JigoBoard(), "0.5", "W+0.5(B=152W=152.5),３級Authorization", 9, 10, 1, 0,
         "３級"},
        {"Black ahead", lgEnglish, BlackAheadBoard(), "0", "B+19(B=171W=152)", 10, 11, 0, 1, "4kyu"},
        {"draw", lgJapanese, JigoBoard(), "0", "ジゴ(引き分け)(黒=152白=152)", 10, 11, 0, 0, "４級"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " " + std::to_string(c.language));
        PutLevel(11, 10);
        Open(c.language);
        StartExam();
        ASSERT_EQ(ctl->ExamMode, 1);
        ASSERT_EQ(Handicap, 4);
        SetBoard(c.board, 4);
        ctl->GameInfo.edtKomi.Text = c.komi;
        ctl->Turn.ThinkTicks = 0;
        PassesToTheCount();
        EXPECT_EQ(ctl->GameInfo.edtResult.Text, c.result);
        EXPECT_EQ(ctl->GameInfo.edtWhiteKyu.Text, c.whiteKyu);
        EXPECT_EQ(ctl->ExamMode, 0);
        const TExamState s = State();
        EXPECT_EQ(s.Rank, c.rank);
        EXPECT_EQ(s.PrevRank, c.prevRank);
        EXPECT_EQ(s.PassRun, c.passRun);
        EXPECT_EQ(s.FailRun, c.failRun);
        EXPECT_EQ(s.TeCount, 0);
        for (const std::uint16_t v : s.Te)
            ASSERT_EQ(v, 0);
        // The locks are gone: a new game can be set up.
        prompt.answers = {true};
        ctl->Click("mnuNew");
        EXPECT_EQ(GameInfoMode, 0);
        ctl->GameInfo.btnCancelClick();
        Close();
    }
}

// The engine's resignation accepted passes; the examinee's fails.
TEST_F(NinteiTest, VerdictsByResignation)
{
    Open(lgEnglish);
    PutLevel(255, 16);
    EngineScript = {{-10, 3}};
    prompt.answers = {true};
    StartExam();
    EXPECT_EQ(ctl->ExamMode, 0);
    EXPECT_EQ(ctl->GameInfo.edtResult.Text, "Black Win,９級Authorization");
    EXPECT_EQ(view.status, "Black Win,９級Authorization");
    EXPECT_EQ(ctl->GameInfo.edtBlackKyu.Text, "９級");
    TExamState s = State();
    EXPECT_EQ(s.Rank, 15);
    EXPECT_EQ(s.PassRun, 1);

    // At 8 kyu the examinee resigns after a move each.
    EngineScript = {{10, 3}};
    StartExam();
    ASSERT_EQ(ctl->ExamMode, 1);
    ClickPoint(10, 17);
    prompt.answers = {true};
    ctl->Click("mnuResign");
    EXPECT_EQ(ctl->ExamMode, 0);
    EXPECT_EQ(ctl->GameRunning, 0);
    s = State();
    EXPECT_EQ(s.Rank, 15);
    EXPECT_EQ(s.PassRun, 0);
    EXPECT_EQ(s.FailRun, 1);
    EXPECT_EQ(s.TeCount, 0);
}

// The examinee's time per move: beeps in the last three seconds, the loss
// one tick after the limit, naming the side to move.
TEST_F(NinteiTest, VerdictsByTime)
{
    struct Case {
        int prev, rank, limit;
        std::vector<Point> engine;
        const char* loss;
    };
    const Case cases[] = {
        {255, 16, 19, {{10, 3}}, "黒時間切れ負け"},  // 9 kyu: the engine, White, moves first
        {6, 5, 10, {}, "白時間切れ負け"},            // 3 dan: the examinee, White, moves first
        {8, 7, 10, {}, "白時間切れ負け"},            // 1 dan
        {9, 8, 11, {}, "白時間切れ負け"},            // 1 kyu
    };
    Open(lgEnglish);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rank);
        PutLevel(c.prev, c.rank);
        EngineScript.assign(c.engine.begin(), c.engine.end());
        StartExam();
        ASSERT_EQ(ctl->ExamMode, 1);
        EXPECT_EQ(ExamTimeLimitSeconds(c.rank), c.limit);
        ASSERT_TRUE(ctl->Turn.timThink.Enabled);
        std::vector<int> beepTicks;
        for (int tick = 1; tick <= c.limit + 1; ++tick) {
            const int before = view.beeps;
            ASSERT_EQ(ctl->ExamMode, 1) << tick;
            ctl->Turn.timThinkTimer();
            if (view.beeps != before)
                beepTicks.push_back(tick);
        }
        EXPECT_EQ(beepTicks, (std::vector<int>{c.limit - 2, c.limit - 1, c.limit, c.limit + 1}));
        EXPECT_EQ(view.status, c.loss);
        EXPECT_EQ(ctl->GameInfo.edtResult.Text, c.loss);
        EXPECT_EQ(ctl->ExamMode, 0);
        EXPECT_EQ(ctl->GameRunning, 0);
        EXPECT_FALSE(ctl->Turn.timThink.Enabled);
        EXPECT_EQ(State().FailRun, 1);
        EXPECT_EQ(State().Rank, c.rank);
    }
}

// While the game dialog is up, the time field of the side to move shows the
// seconds of its turn; the loss on time comes after the 19th at 9 kyu.
TEST_F(NinteiTest, TheTimeFieldCountsTheSecondsOfTheTurn)
{
    Open(lgEnglish);
    PutLevel(255, 16);
    EngineScript = {{10, 3}};
    StartExam();
    ASSERT_EQ(ctl->ExamMode, 1);
    ASSERT_EQ(GobanLv[0]->Tejun.NextColor(), kKuro);
    ctl->Click("mnuInfo");
    ASSERT_TRUE(ctl->GameInfo.Visible);
    const struct {
        int tick;
        const char* shown;
    } samples[] = {{1, "0:00:01.0"}, {2, "0:00:02.0"}, {10, "0:00:10.0"}, {19, "0:00:19.0"}};
    int tick = 0;
    for (const auto& s : samples) {
        while (tick < s.tick) {
            ctl->Turn.timThinkTimer();
            ++tick;
        }
        EXPECT_EQ(ctl->GameInfo.edtBlackTime.Text, s.shown) << s.tick;
    }
    EXPECT_EQ(ctl->ExamMode, 1);
    ctl->Turn.timThinkTimer();
    EXPECT_EQ(ctl->GameInfo.edtResult.Text, "黒時間切れ負け");
}

// Through the levels: after 7 kyu the engine takes Black without stones,
// and after 8 dan the exam item does nothing.
TEST_F(NinteiTest, TheSeriesThroughTheLevels)
{
    Open(lgJapanese);
    PutLevel(15, 14);
    ctl->Click("mnuExam");
    EXPECT_EQ(Handicap, 0);
    EXPECT_EQ(ctl->GameInfo.edtKomi.Text, "6.5");
    EXPECT_EQ(ctl->GameInfo.edtBlackPlayer.Text, "Hanako");
    EXPECT_EQ(ctl->GameInfo.edtBlackKyu.Text, "８級");
    EXPECT_TRUE(ctl->GameInfo.edtBlackPlayer.ReadOnly);
    // The examinee, Black, moves first; the engine resigns at once.
    EngineScript = {{-4, 4}};
    prompt.answers = {true};
    ctl->GameInfo.btnOKClick();
    ClickPoint(16, 16);
    EXPECT_EQ(ctl->ExamMode, 0);
    EXPECT_EQ(ctl->GameInfo.edtResult.Text, "黒中押し勝ち,７級認定");

    ctl->Click("mnuExam");
    const TGameInfo& d = ctl->GameInfo;
    EXPECT_EQ(Handicap, 1);
    EXPECT_EQ(d.edtKomi.Text, "0");
    EXPECT_EQ(d.edtBlackPlayer.Text, "VORN");
    EXPECT_EQ(d.edtBlackKyu.Text, "５級");
    EXPECT_EQ(d.edtWhitePlayer.Text, "Hanako");
    EXPECT_EQ(d.edtWhiteKyu.Text, "７級");
    EXPECT_EQ(d.edtGameName.Text, "６級認定試験");
    EngineScript = {{4, 4}};
    ctl->GameInfo.btnOKClick();
    EXPECT_EQ(PlayerKind[kKuro], pkComputer);
    EXPECT_EQ(GobanLv[0]->GetIro(4, 4), kKuro);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 1);
    prompt.answers = {true};
    ctl->Click("mnuResign");

    // The top level passed ends the series.
    PutLevel(1, 0);
    StartExam();
    EXPECT_EQ(Handicap, 14);
    EngineScript = {{-4, 4}};
    prompt.answers = {true};
    ClickPoint(1, 1);
    EXPECT_EQ(ctl->GameInfo.edtResult.Text, "白中押し勝ち,八段認定");
    EXPECT_EQ(ctl->GameInfo.edtWhiteKyu.Text, "八段");
    EXPECT_EQ(State().PrevRank, 0);
    const std::string finished = ReadText(FilePath());
    ctl->GameInfo.Hide();
    ctl->Click("mnuExam");
    EXPECT_FALSE(ctl->GameInfo.Visible);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(ReadText(FilePath()), finished);
}

TEST_F(NinteiTest, TheExamItemDuringAGameAsksFirst)
{
    Open(lgEnglish);
    NewHumanGame(*ctl);
    ASSERT_EQ(ctl->GameRunning, 1);
    prompt.answers = {false};
    ctl->Click("mnuExam");
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0], "Do you stop this Game?");
    EXPECT_EQ(ctl->GameRunning, 1);
    EXPECT_FALSE(std::filesystem::exists(FilePath()));
    prompt.answers = {true};
    ctl->Click("mnuExam");
    EXPECT_EQ(ctl->GameRunning, 0);
    EXPECT_EQ(GameInfoMode, 2);
    EXPECT_TRUE(std::filesystem::exists(FilePath()));
    // The exam is played on 19x19 whatever the dialog showed for the game
    // just stopped.
    EngineScript = {{10, 3}};
    ctl->GameInfo.edtBlackPlayer.Text = "Jiro";
    ctl->GameInfo.btnOKClick();
    EXPECT_EQ(ctl->ExamMode, 1);
    EXPECT_EQ(BoardSize, 19);
    EXPECT_EQ(GobanLv[0]->GetIro(10, 3), kSiro);
}

TEST_F(NinteiTest, ADamagedFileIsReportedAndKept)
{
    Open(lgEnglish);
    TExamState s;
    s.TeCount = 2;
    s.Te[1] = 4 * 20 + 4;
    const std::string good = ExamEncode(s);
    std::string rank40 = good, moves9999 = good, offBoard = good;
    rank40[13] = 40;
    moves9999[17] = static_cast<char>(9999 & 0xFF);
    moves9999[18] = static_cast<char>(9999 >> 8);
    offBoard[21] = static_cast<char>(25 * 20 + 3);
    offBoard[22] = static_cast<char>((25 * 20 + 3) >> 8);
    for (const std::string& bytes : {good.substr(0, 100), rank40, moves9999, offBoard}) {
        WriteText(FilePath(), bytes);
        prompt.messages.clear();
        ctl->Click("mnuExam");
        EXPECT_EQ(prompt.messages.size(), 1u);
        EXPECT_FALSE(ctl->GameInfo.Visible);
        EXPECT_EQ(GameInfoLock, 0);
        EXPECT_EQ(ReadText(FilePath()), bytes);
    }
}

} // namespace
} // namespace vorn::test
