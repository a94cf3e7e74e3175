// The file menu: opening and saving records through scripted file dialogs,
// the recent files, the text export's own name, and the dialogs' filters.
#include "shell/FileMenu.h"

#include <QAction>

#include <filesystem>

#include "ShellUtil.h"
#include "board/Goban.h"
#include "records/KifuTextOut.h"
#include "shell/IniFile.h"

namespace vorn::test {
namespace {

namespace fs = std::filesystem;

const char kOneMove[] = "(;GM[1]FF[4]SZ[9];B[cc])";

class FileMenuTest : public CtlTest {
protected:
    // A new game on 9x9 in English, with a few moves: a capture, a pass, a
    // comment and a label.
    void PlayAGame()
    {
        Start("[Goban]\nSize=9\n[Form]\nLanguage=1\n");
        NewHumanGame(ctl);
        ASSERT_EQ(ctl.GameRunning, 1);
        TGoban& b = *GobanLv[0];
        for (Point p : {Point{5, 4}, Point{5, 5}, Point{4, 5}, Point{1, 1}, Point{6, 5}, Point{1, 9}, Point{5, 6}})
            ASSERT_TRUE(Shell().BanUtu(p.x, p.y, 0));
        ASSERT_TRUE(b.Pass());
        ASSERT_TRUE(Shell().BanUtu(9, 9, 0));
        b.Tejun.SetComment(2, "white's stone");
        b.Tejun.AddMark(7, "A", 5, 5);
    }
    // The moves of board 0 as text: "x,y" each, passes "-".
    static std::string Moves()
    {
        const TTejun& t = GobanLv[0]->Tejun;
        std::string out;
        for (int n = 1; n <= t.Last(); ++n) {
            const Point p = t.GetTe(n);
            out += p.x == 0 ? "- " : std::to_string(p.x) + "," + std::to_string(p.y) + " ";
        }
        return out;
    }
    std::vector<std::string> Recent() const
    {
        std::vector<std::string> out;
        for (int i = 1; i <= 4; ++i)
            out.push_back(ctl.ReopenFiles[i]);
        return out;
    }
};

TEST_F(FileMenuTest, SavedAndOpenedAgainThroughTheMenu)
{
    struct Case {
        const char* name;
        bool comments;  // the format keeps comments and labels
    };
    for (const Case& c : {Case{"game.sgf", true}, Case{"game.ig1", false}, Case{"GAME.SGF", true}}) {
        SCOPED_TRACE(c.name);
        PlayAGame();
        const std::string played = Moves();
        ASSERT_EQ(played, "5,4 5,5 4,5 1,1 6,5 1,9 5,6 - 9,9 ");
        const std::string path = exeDir + c.name;

        prompt.files = {path};
        prompt.fileQueries.clear();
        // .ig1 keeps neither the comment nor the label: saved all the same.
        if (!c.comments)
            prompt.answers = {true};
        ctl.Click("mnuSaveAs");
        ASSERT_EQ(prompt.fileQueries.size(), 1u);
        EXPECT_TRUE(prompt.fileQueries[0].save);
        EXPECT_EQ(prompt.fileQueries[0].filter, "Smart Go Board(*.sgf)|*.sgf|GOTERM(*.ig1)|*.ig1|all files(*.*)|*.*");
        EXPECT_EQ(prompt.fileQueries[0].defaultExt, "sgf");
        ASSERT_TRUE(fs::exists(path));
        EXPECT_EQ(ctl.ParamFile, path);
        EXPECT_EQ(ctl.ReopenFiles[1], path);

        // A new game, then the record again.
        prompt.answers = {true, true};
        NewHumanGame(ctl);
        EXPECT_EQ(ctl.ParamFile, "");
        EXPECT_EQ(GobanLv[0]->Tejun.Last(), 0);
        prompt.files = {path};
        ctl.Click("mnuOpen");
        // The game goes on from the record once its dialog is confirmed.
        EXPECT_EQ(GameInfoLock, 1);
        ConfirmHumanGame(ctl);
        EXPECT_EQ(prompt.questions.back(), "Do you stop this Game?");
        EXPECT_EQ(prompt.fileQueries.back().filter.substr(0, 44), "Smart Go Board(*.sgf)|*.sgf|GOTERM(*.ig1)|*.");
        EXPECT_EQ(prompt.fileQueries.back().defaultExt, "ig1");
        EXPECT_FALSE(prompt.fileQueries.back().save);
        EXPECT_EQ(Moves(), played);
        const TTejun& t = GobanLv[0]->Tejun;
        EXPECT_EQ(t.Current(), t.Last());
        EXPECT_EQ(GobanLv[0]->GetIro(5, 5), kAki);
        EXPECT_EQ(t.Hama(kKuro), 1);
        EXPECT_EQ(t.GetComment(2), c.comments ? "white's stone" : "");
        EXPECT_EQ(t.MarkCount(7), c.comments ? 1 : 0);
        EXPECT_EQ(ctl.ParamFile, path);
        EXPECT_EQ(ctl.ReopenFiles[1], path);
        EXPECT_EQ(ctl.ReopenFiles[2], "");  // the same file only once
        EXPECT_EQ(ctl.GameRunning, 1);      // the game goes on from the record
        EXPECT_EQ(Controls(), "1 0 0");
        EXPECT_TRUE(prompt.messages.empty()) << prompt.messages[0];
        ctl.FormClose();
    }
}

TEST_F(FileMenuTest, PlainSaveWritesTheRecordsFileWithoutAsking)
{
    PlayAGame();
    const std::string path = exeDir + "game.sgf";
    prompt.files = {path};
    ctl.Click("mnuSaveAs");
    ctl.Files.ReopenAdd(exeDir + "other.sgf");
    prompt.fileQueries.clear();

    ASSERT_TRUE(Shell().BanUtu(2, 2, 0));
    view.typedComment = "typed, not yet stored";
    ctl.Click("btnSave");
    EXPECT_TRUE(prompt.fileQueries.empty());
    const std::string text = ReadText(path);
    EXPECT_NE(text.find("W[bb]"), std::string::npos);
    // The comment being typed is in the file.
    EXPECT_NE(text.find("C[typed, not yet stored]"), std::string::npos);
    // A plain save leaves the recent files as they were.
    EXPECT_EQ(Recent(), (std::vector<std::string>{exeDir + "other.sgf", path, "", ""}));
}

TEST_F(FileMenuTest, SaveWithoutANameIsSaveAs)
{
    PlayAGame();
    ctl.Click("mnuSave");  // cancelled
    ASSERT_EQ(prompt.fileQueries.size(), 1u);
    EXPECT_TRUE(prompt.fileQueries[0].save);
    EXPECT_EQ(ctl.ParamFile, "");
    EXPECT_EQ(Recent()[0], "");

    prompt.files = {exeDir + "named.ig1"};
    prompt.answers = {true}; // the comment and the label are left out
    ctl.Click("mnuSave");
    EXPECT_TRUE(fs::exists(exeDir + "named.ig1"));
    EXPECT_EQ(ctl.ParamFile, exeDir + "named.ig1");
}

TEST_F(FileMenuTest, SavingAsIg1SaysWhatTheFileLosesAndMayBeCancelled)
{
    PlayAGame(); // a comment on move 2, a label on move 7
    const std::string question = "An .ig1 file does not keep comments (1), marks (1); they will be missing when "
                                 "the file is read again. Save as .ig1 all the same?";
    const std::string ig1 = exeDir + "lossy.ig1";

    // Cancelled: nothing written, the name neither the record's nor recent.
    prompt.files = {ig1};
    prompt.answers = {false};
    ctl.Click("mnuSaveAs");
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0], question);
    EXPECT_FALSE(fs::exists(ig1));
    EXPECT_EQ(ctl.ParamFile, "");
    EXPECT_EQ(Recent()[0], "");
    EXPECT_FALSE(ctl.Files.MovesSaved());

    // Confirmed: written, and a plain save asks again before it writes.
    prompt.files = {ig1};
    prompt.answers = {true};
    ctl.Click("mnuSaveAs");
    EXPECT_TRUE(fs::exists(ig1));
    EXPECT_EQ(ctl.ParamFile, ig1);
    EXPECT_TRUE(ctl.Files.MovesSaved());
    ASSERT_TRUE(Shell().BanUtu(2, 2, 0));
    prompt.answers = {false};
    ctl.Click("mnuSave");
    EXPECT_EQ(prompt.questions.size(), 3u);
    EXPECT_EQ(ReadText(ig1).find("B02 "), std::string::npos);

    // SGF keeps it all: no question.
    prompt.files = {exeDir + "whole.sgf"};
    ctl.Click("mnuSaveAs");
    EXPECT_EQ(prompt.questions.size(), 3u);
    EXPECT_TRUE(fs::exists(exeDir + "whole.sgf"));

    // Nothing to lose: no question either.
    GobanLv[0]->Tejun.SetComment(2, "");
    GobanLv[0]->Tejun.SetMarks(7, {});
    prompt.files = {exeDir + "plain.ig1"};
    ctl.Click("mnuSaveAs");
    EXPECT_EQ(prompt.questions.size(), 3u);
    EXPECT_TRUE(fs::exists(exeDir + "plain.ig1"));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(FileMenuTest, TheTextExportKeepsItsOwnName)
{
    PlayAGame();
    const std::string record = exeDir + "game.sgf";
    prompt.files = {record, exeDir + "diagram.txt"};
    ctl.Click("mnuSaveAs");
    ctl.Click("mnuTextOut");
    ASSERT_EQ(prompt.fileQueries.size(), 2u);
    EXPECT_EQ(prompt.fileQueries[1].filter, "Text files|*.TXT");
    EXPECT_TRUE(prompt.fileQueries[1].save);
    EXPECT_EQ(ctl.Files.TextOutFile, exeDir + "diagram.txt");
    EXPECT_EQ(ReadText(exeDir + "diagram.txt"), KifuTextDiagram());
    EXPECT_EQ(ctl.ParamFile, record);
    EXPECT_EQ(Recent()[0], record);

    // A plain save after the export still writes the record.
    ASSERT_TRUE(Shell().BanUtu(2, 2, 0));
    ctl.Click("mnuSave");
    EXPECT_EQ(prompt.fileQueries.size(), 2u);
    EXPECT_NE(ReadText(record).find("W[bb]"), std::string::npos);
    EXPECT_TRUE(prompt.messages.empty());

    // The next export proposes the last diagram's name.
    ctl.Click("mnuTextOut");
    EXPECT_EQ(prompt.fileQueries.back().fileName, exeDir + "diagram.txt");
}

TEST_F(FileMenuTest, NamesOfNoRecordFormatAreReportedAndNeverRemembered)
{
    PlayAGame();
    const std::string played = Moves();
    WriteText(exeDir + "notes.txt", kOneMove);

    prompt.answers = {true};
    prompt.files = {exeDir + "notes.txt"};
    ctl.Click("mnuOpen");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].find("notes.txt"), std::string::npos);
    // The game was not given up for a file that cannot be read.
    EXPECT_EQ(Moves(), played);
    EXPECT_EQ(ctl.GameRunning, 1);

    prompt.files = {exeDir + "game.doc"};
    ctl.Click("mnuSaveAs");
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_NE(prompt.messages[1].find("game.doc"), std::string::npos);
    EXPECT_FALSE(fs::exists(exeDir + "game.doc"));

    EXPECT_EQ(Recent(), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(ctl.ParamFile, "");
    EXPECT_FALSE(ctl.Item("mnuReopen1").visible);
}

TEST_F(FileMenuTest, BadRecordLeavesTheGameAlone)
{
    PlayAGame();
    const std::string played = Moves();
    for (const char* text : {"(;GM[1]FF[4]SZ[15];B[cc])", "(;GM[1]SZ[9];B[cc", "garbage"}) {
        WriteText(exeDir + "bad.sgf", text);
        prompt.answers = {true};
        prompt.files = {exeDir + "bad.sgf"};
        ctl.Click("mnuOpen");
        EXPECT_EQ(Moves(), played) << text;
        EXPECT_EQ(BoardSize, 9);
        EXPECT_EQ(ctl.GameRunning, 1);
    }
    EXPECT_EQ(prompt.messages.size(), 3u);
    EXPECT_EQ(Recent()[0], "");
    EXPECT_EQ(ctl.ParamFile, "");
}

TEST_F(FileMenuTest, RecentFiles)
{
    Start();
    std::vector<std::string> names;
    for (const char* n : {"a.sgf", "b.sgf", "c.sgf", "d.sgf", "e.sgf"}) {
        names.push_back(exeDir + n);
        WriteText(names.back(), kOneMove);
    }
    auto open = [&](const std::string& path) {
        prompt.answers.push_back(true);
        prompt.files.push_back(path);
        ctl.Click("mnuOpen");
        ConfirmHumanGame(ctl);
    };
    for (int i = 0; i < 5; ++i)
        open(names[i]);
    // The fifth distinct file dropped the oldest.
    EXPECT_EQ(Recent(), (std::vector<std::string>{names[4], names[3], names[2], names[1]}));
    for (int i = 1; i <= 4; ++i) {
        const TUiState& item = ctl.Item("mnuReopen" + std::to_string(i));
        EXPECT_TRUE(item.visible);
        EXPECT_EQ(item.caption, "&" + std::to_string(i) + " " + ctl.ReopenFiles[i]);
    }

    // The second goes to the top; the third and fourth stay.
    open(names[3]);
    EXPECT_EQ(Recent(), (std::vector<std::string>{names[3], names[4], names[2], names[1]}));

    // A recent-file item opens its file and moves it to the top.
    GobanLv[0]->Tejun.Truncate(1);
    prompt.answers.push_back(true);
    ctl.Click("mnuReopen3");
    ConfirmHumanGame(ctl);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 1);
    EXPECT_EQ(ctl.ParamFile, names[2]);
    EXPECT_EQ(Recent(), (std::vector<std::string>{names[2], names[3], names[4], names[1]}));
    EXPECT_EQ(view.commentShows > 0, true);

    // A recent file that has gone is reported; the list stays as it was.
    fs::remove(names[1]);
    prompt.answers.push_back(true);
    ctl.Click("mnuReopen4");
    EXPECT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(Recent(), (std::vector<std::string>{names[2], names[3], names[4], names[1]}));
    EXPECT_EQ(ctl.ParamFile, names[2]);

    // The list outlives the run.
    ctl.FormClose();
    const TIniFile ini(IniFile());
    EXPECT_EQ(ini.ReadString("Form", "File1", ""), names[2]);
    EXPECT_EQ(ini.ReadString("Form", "File4", ""), names[1]);
}

TEST_F(FileMenuTest, OpeningWhileAGameRuns)
{
    PlayAGame();
    const std::string played = Moves();
    WriteText(exeDir + "one.sgf", kOneMove);

    // No: nothing is asked further and the game goes on.
    prompt.answers = {false};
    prompt.files = {exeDir + "one.sgf"};
    ctl.Click("mnuOpen");
    EXPECT_TRUE(prompt.fileQueries.empty());
    EXPECT_EQ(Moves(), played);
    EXPECT_EQ(ctl.GameRunning, 1);

    // Yes, then the dialog cancelled: still the same game.
    prompt.files = {""};
    prompt.answers = {true};
    ctl.Click("mnuOpen");
    EXPECT_EQ(prompt.fileQueries.size(), 1u);
    EXPECT_EQ(Moves(), played);
    EXPECT_EQ(ctl.GameRunning, 1);

    // Yes and a file: the record replaces the game.
    prompt.files = {exeDir + "one.sgf"};
    prompt.answers = {true};
    ctl.Click("btnOpen");
    EXPECT_EQ(Moves(), "3,3 ");
    EXPECT_EQ(GameInfoMode, 1);
    EXPECT_EQ(prompt.questions.size(), 3u);
}

TEST_F(FileMenuTest, TheGameWaitsWhileARecordIsChosen)
{
    PlayAGame();
    const std::string played = Moves();
    WriteText(exeDir + "one.sgf", kOneMove);
    WriteText(exeDir + "bad.sgf", "garbage");
    ASSERT_TRUE(ctl.Turn.timThink.Enabled);
    // Behind the dialog no timer may tick: no clock charged, no engine move,
    // no next game of a match.
    std::vector<bool> running;
    prompt.whileFileDialog = [&] {
        const TTurn& t = ctl.Turn;
        running.push_back(t.timThink.Enabled || t.timVornVorn.Enabled || t.timRenzoku.Enabled);
    };
    struct Case {
        const char* what;
        std::string file;
        bool replaced;
    } cases[] = {{"cancelled", "", false}, {"refused", exeDir + "bad.sgf", false}, {"read", exeDir + "one.sgf", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        running.clear();
        prompt.answers = {true};
        prompt.files = {c.file};
        ctl.Click("mnuOpen");
        EXPECT_EQ(running, std::vector<bool>{false});
        // A game kept goes on with its clock; a game replaced has none.
        EXPECT_EQ(ctl.Turn.timThink.Enabled, !c.replaced);
        EXPECT_EQ(ctl.GameRunning, c.replaced ? 0 : 1);
        if (!c.replaced) {
            EXPECT_EQ(Moves(), played);
        }
    }

    // Engine against engine: its timer stops for the dialog and comes back.
    ConfirmHumanGame(ctl);
    ctl.Turn.TimerSet(ctl.Turn.timThink, false);
    ctl.Turn.TimerSet(ctl.Turn.timVornVorn, true);
    running.clear();
    prompt.answers = {true};
    prompt.files = {""};
    ctl.Click("mnuOpen");
    EXPECT_EQ(running, std::vector<bool>{false});
    EXPECT_TRUE(ctl.Turn.timVornVorn.Enabled);
    EXPECT_FALSE(ctl.Turn.timThink.Enabled);
}

TEST_F(FileMenuTest, ARecordLeftByCancelIsNotSavedOver)
{
    Start("[Goban]\nSize=9\n[Form]\nLanguage=1\n");
    const std::string path = exeDir + "kept.sgf";
    const std::string text = "(;GM[1]FF[4]SZ[9]AB[ee];B[cc];W[gg])";
    WriteText(path, text);
    prompt.files = {path};
    ctl.Click("mnuOpen");
    ASSERT_EQ(GobanLv[0]->Tejun.Last(), 2);
    ASSERT_EQ(ctl.ParamFile, path);
    ctl.GameInfo.btnCancelClick();
    // Save finds no record to write back: it asks for a name, and the
    // dialog cancelled leaves the file as it was.
    ctl.Click("mnuSave");
    EXPECT_EQ(prompt.fileQueries.size(), 2u);
    EXPECT_EQ(ReadText(path), text);
    EXPECT_EQ(ctl.ParamFile, "");
    // Nor does the setup stone of the record come back in a new game.
    NewHumanGame(ctl);
    EXPECT_EQ(GobanLv[0]->GetIro(5, 5), kAki);
    prompt.files = {exeDir + "new.sgf"};
    ctl.Click("mnuSave");
    EXPECT_EQ(ReadText(exeDir + "new.sgf").find("AB["), std::string::npos);
}

TEST_F(FileMenuTest, ItemsThatWaitForTheGameDialogTheExamOrTheEngine)
{
    PlayAGame();
    WriteText(exeDir + "one.sgf", kOneMove);
    ctl.ReopenFiles[1] = exeDir + "one.sgf";
    const std::string played = Moves();
    prompt.answers = {true, true, true, true, true, true, true, true};

    GameInfoLock = 1;
    for (const char* item : {"mnuOpen", "mnuReopen1", "mnuSave", "mnuSaveAs"})
        ctl.Click(item);
    GameInfoLock = 0;
    ctl.ExamMode = 1;
    for (const char* item : {"mnuOpen", "mnuReopen1"})
        ctl.Click(item);
    ctl.ExamMode = 0;
    ctl.Thinking = 1;
    for (const char* item : {"mnuSave", "btnSave", "mnuSaveAs"})
        ctl.Click(item);
    ctl.Thinking = 0;
    EXPECT_TRUE(prompt.fileQueries.empty());
    EXPECT_TRUE(prompt.questions.empty());
    EXPECT_EQ(Moves(), played);

    // An empty recent entry opens nothing.
    ctl.ReopenFiles[2] = "";
    ctl.Click("mnuReopen2");
    EXPECT_TRUE(prompt.questions.empty());
}

TEST(DialogFilterTest, PairsBecomeDialogEntries)
{
    const std::vector<std::string> open = DialogNameFilters(KifuOpenFilter());
    ASSERT_EQ(open.size(), 8u);
    EXPECT_EQ(open[0], "Smart Go Board (*.sgf)");
    EXPECT_EQ(open[1], "GOTERM (*.ig1)");
    EXPECT_EQ(open[3], "碁ﾜｰﾙﾄﾞ (*.gw1)");
    EXPECT_EQ(open[7], "すべてのﾌｧｲﾙ (*.*)");
    EXPECT_EQ(DialogNameFilters(KifuSaveFilter(lgEnglish))[2], "all files (*.*)");
    EXPECT_EQ(DialogNameFilters(KifuSaveFilter(lgJapanese))[2], "すべてのﾌｧｲﾙ (*.*)");
    EXPECT_EQ(DialogNameFilters(kTextOutFilter), std::vector<std::string>{"Text files (*.TXT)"});
    EXPECT_EQ(DialogNameFilters("Records|*.sgf;*.ig1|odd"), std::vector<std::string>{"Records (*.sgf *.ig1)"});
    EXPECT_TRUE(DialogNameFilters("").empty());
}

TEST_F(FileMenuTest, ExitAsksBeforeMovesAreLost)
{
    // No moves, or moves as they were read: the window closes at once.
    Start("[Goban]\nSize=9\n[Form]\nLanguage=1\n");
    EXPECT_TRUE(ctl.FormCloseQuery());
    const std::string path = OpenRecord("one.sgf", kOneMove);
    ctl.Click("mnuLast");
    EXPECT_TRUE(ctl.FormCloseQuery());
    EXPECT_TRUE(prompt.saveQuestions.empty());

    // A move played: Cancel keeps the window and the game, Discard closes.
    ASSERT_TRUE(Shell().BanUtu(7, 7, 0));
    prompt.saveAnswers = {TPrompt::anCancel, TPrompt::anDiscard};
    EXPECT_FALSE(ctl.FormCloseQuery());
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 2);
    EXPECT_TRUE(ctl.FormCloseQuery());
    ASSERT_EQ(prompt.saveQuestions.size(), 2u);
    EXPECT_EQ(prompt.saveQuestions[0], "The moves of this game are not saved. Save them before VORN ends?");

    // Save writes the record's own file, and the question does not come back.
    prompt.saveAnswers = {TPrompt::anSave};
    EXPECT_TRUE(ctl.FormCloseQuery());
    EXPECT_NE(ReadText(path).find(";W[gg]"), std::string::npos) << ReadText(path);
    EXPECT_TRUE(ctl.FormCloseQuery());
    EXPECT_EQ(prompt.saveQuestions.size(), 3u);
    EXPECT_TRUE(prompt.fileQueries.size() == 1u); // only the open
}

TEST_F(FileMenuTest, ExitSavesANewGameUnderANameAskedFor)
{
    PlayAGame();
    const std::string moves = Moves();
    // The save dialog cancelled: the window stays open.
    prompt.saveAnswers = {TPrompt::anSave, TPrompt::anSave};
    prompt.files = {""};
    EXPECT_FALSE(ctl.FormCloseQuery());
    const std::string path = exeDir + "ended.sgf";
    prompt.files = {path};
    EXPECT_TRUE(ctl.FormCloseQuery());
    ctl.FormClose();
    // The game comes back from the file.
    prompt.answers = {true};
    OpenRecord("ended.sgf", ReadText(path));
    ctl.Click("mnuLast");
    EXPECT_EQ(Moves(), moves);

    // In Japanese the question is in Japanese.
    ctl.Click("mnuJapanese");
    ASSERT_TRUE(Shell().BanUtu(9, 1, 0));
    EXPECT_TRUE(ctl.FormCloseQuery());
    EXPECT_EQ(prompt.saveQuestions.back(), "この対局の手順は保存されていません。終了する前に保存しますか？");
}

using FileMenuWindowTest = WindowTest;

TEST_F(FileMenuWindowTest, ClosingTheWindowAsksFirst)
{
    Open(9);
    NewHumanGame(Ctl());
    Click(3, 3);
    prompt.saveAnswers = {TPrompt::anCancel};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 1);
    EXPECT_TRUE(fs::exists(exeDir + "bug.ig1"));
    // Discarded: the window closes and the running record goes with it.
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(fs::exists(exeDir + "bug.ig1"));
    EXPECT_EQ(prompt.saveQuestions.size(), 2u);
}

TEST_F(FileMenuWindowTest, SaveAsAndReopenFromTheMenu)
{
    Open(9);
    NewHumanGame(Ctl());
    Click(3, 3);
    Click(7, 7);
    const std::string path = exeDir + "window.sgf";
    prompt.files = {path};
    form->Action("mnuSaveAs")->trigger();
    ASSERT_TRUE(fs::exists(path));
    QAction* reopen = form->Action("mnuReopen1");
    EXPECT_TRUE(reopen->isVisible());
    EXPECT_EQ(reopen->text().toStdString(), "&1 " + path);
    EXPECT_FALSE(form->Action("mnuReopen2")->isVisible());

    prompt.answers = {true, true};
    NewHumanGame(Ctl());
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 0);
    reopen->trigger();
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 2);
    EXPECT_EQ(GobanLv[0]->GetIro(7, 7), kSiro);
    EXPECT_EQ(At(Grab(), 3, 3, 3, 3), clBlack);
    EXPECT_TRUE(form->Action("btnPrev")->isEnabled());
}

} // namespace
} // namespace vorn::test
