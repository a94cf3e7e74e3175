// Start-up, settings and shutdown of the main window, headless.
#include "shell/MainCtl.h"

#include <filesystem>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ShellUtil.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "shell/IniFile.h"

namespace vorn::test {
namespace {

class StartupTest : public ShellTest {
protected:
    void Start(const std::vector<std::string>& args = {})
    {
        ctl.FormCreate(exeDir, args);
    }
    TRecordingView view;
    TNullCanvas canvas;
    TScriptPrompt prompt;
    TMainCtl ctl{view, canvas, prompt};
};

TEST_F(StartupTest, DefaultsWithoutASettingsFile)
{
    Start();
    EXPECT_EQ(BoardSize, 19);
    EXPECT_EQ(Handicap, 0);
    EXPECT_EQ(ctl.Ban.BanColor, 0x008080);
    EXPECT_EQ(ctl.Ban.KuroIsiColor, 0);
    EXPECT_EQ(ctl.Ban.SiroIsiColor, 0xFFFFFF);
    EXPECT_EQ(view.left, 0);
    EXPECT_EQ(view.width, 400);
    EXPECT_EQ(view.height, 430);
    EXPECT_EQ(view.clientHeight, 0);
    EXPECT_EQ(Language, lgJapanese);
    EXPECT_TRUE(ctl.Checked("mnuJapanese"));
    EXPECT_EQ(ctl.SoundOn, 0);
    EXPECT_EQ(VsComputerMode, 0);
    EXPECT_EQ(YomiSikatuMode, 1);
    EXPECT_EQ(SakiyomiMode, 1);
    EXPECT_EQ(YomiWide, 3);
    EXPECT_EQ(YomiDeep, 6);
    EXPECT_EQ(YomiTime, 40);
    EXPECT_EQ(ctl.FormCreated, 1);
    EXPECT_EQ(KifuRecOn, 1);
    EXPECT_EQ(ExeDir, exeDir);
    EXPECT_EQ(KifuRecName, exeDir + "bug.ig1");
    EXPECT_EQ(view.paramTimer, 0);
    for (int i = 1; i <= 10; ++i)
        EXPECT_NE(ctl.SakiyomiTejun[i], nullptr);
    EXPECT_FALSE(ctl.Item("mnuDev").visible);
    EXPECT_FALSE(ctl.Item("btnPrev").enabled);
}

TEST_F(StartupTest, BoardSizeAndHandicapAreClamped)
{
    struct Case {
        const char* size;
        const char* handicap;
        int wantSize, wantHandicap;
    };
    const Case cases[] = {
        {"15", "2", 15, 2}, {"25", "12", 19, 0}, {"3", "-1", 9, 0}, {"9", "9", 9, 9},
        {"abc", "x", 19, 0}, {"19", "0", 19, 0},
    };
    for (const Case& c : cases) {
        WriteIni(std::string("[Goban]\nSize=") + c.size + "\nOkiIsi=" + c.handicap + "\n");
        TRecordingView v;
        TMainCtl m(v, canvas, prompt);
        m.FormCreate(exeDir, {});
        EXPECT_EQ(BoardSize, c.wantSize) << c.size;
        EXPECT_EQ(Handicap, c.wantHandicap) << c.handicap;
        m.FormClose();
    }
}

TEST_F(StartupTest, EverySettingIsReadAsStored)
{
    WriteIni("[Goban]\nBanColor=255\nKuroIsiColor=4210752\nSiroIsiColor=12632256\n"
             "[Form]\nLeft=10\nTop=20\nWidth=640\nHeight=700\nBango=ON\nBanLeft=on\nAtari=1\nJiai=ON\n"
             "Sound=ON\nLanguage=1\nWhiteSound=w.wav\nBlackSound=b.wav\nFile1=a.sgf\nFile3=c.ig1\nUserName=Ann\n"
             "[Utikata]\nVsComputerMode=1\nYomiSikatuMode=0\nSakiyomiMode=2\nYomiWide=5\nYomiDeep=9\nYomiTime=7\n");
    Start();
    EXPECT_EQ(ctl.Ban.BanColor, 255);
    EXPECT_EQ(ctl.Ban.KuroIsiColor, 4210752);
    EXPECT_EQ(ctl.Ban.SiroIsiColor, 12632256);
    EXPECT_EQ(view.left, 10);
    EXPECT_EQ(view.top, 20);
    EXPECT_EQ(view.width, 640);
    EXPECT_EQ(view.height, 700);
    EXPECT_TRUE(ctl.Checked("mnuNumber"));
    EXPECT_FALSE(ctl.Checked("mnuBanLeft"));   // "on" is not "ON"
    EXPECT_FALSE(ctl.Checked("mnuDspAtari"));  // nor is "1"
    EXPECT_TRUE(ctl.Checked("mnuDspJi"));
    EXPECT_EQ(ctl.SoundOn, 1);
    EXPECT_EQ(Language, lgEnglish);
    EXPECT_EQ(ctl.WhiteSound, "w.wav");
    EXPECT_EQ(ctl.BlackSound, "b.wav");
    EXPECT_EQ(ctl.ReopenFiles[1], "a.sgf");
    EXPECT_EQ(ctl.ReopenFiles[2], "");
    EXPECT_EQ(ctl.ReopenFiles[3], "c.ig1");
    EXPECT_TRUE(ctl.Item("mnuReopen1").visible);
    EXPECT_FALSE(ctl.Item("mnuReopen2").visible);
    EXPECT_EQ(UserName, "Ann");
    EXPECT_EQ(VsComputerMode, 1);
    EXPECT_EQ(YomiSikatuMode, 0);
    EXPECT_EQ(SakiyomiMode, 0);  // only 1 is on
    EXPECT_EQ(YomiWide, 5);
    EXPECT_EQ(YomiDeep, 9);
    EXPECT_EQ(YomiTime, 7);
}

TEST_F(StartupTest, UnknownLanguageIsEnglishAndIsStoredSo)
{
    WriteIni("[Form]\nLanguage=7\n");
    Start();
    EXPECT_EQ(Language, lgEnglish);
    EXPECT_TRUE(ctl.Checked("mnuEnglish"));
    EXPECT_FALSE(ctl.Checked("mnuJapanese"));
    EXPECT_EQ(TIniFile(IniFile()).ReadInteger("Form", "Language", 0), 1);
}

TEST_F(StartupTest, TinySavedHeightGrowsTheClientArea)
{
    WriteIni("[Form]\nHeight=20\n");
    Start();
    EXPECT_EQ(view.clientHeight, 20 + 323 + 30 + 19);
}

TEST_F(StartupTest, RecordOnTheCommandLineArmsTheTimer)
{
    Start({"/tmp/game.sgf", "more"});
    EXPECT_EQ(ctl.ParamFile, "/tmp/game.sgf");
    EXPECT_EQ(view.paramTimer, 500);
}

TEST_F(StartupTest, CloseWritesSizeBoundsAndRecentFilesAndKeepsTheRest)
{
    WriteIni("[Form]\nLanguage=1\nFile2=old.sgf\nBango=ON\n[Utikata]\nYomiTime=99\n");
    Start();
    BoardSize = 13;
    Handicap = 3;
    view.left = 5, view.top = 6, view.width = 700, view.height = 650;
    ctl.ReopenFiles[1] = "new.sgf";
    ctl.ReopenFiles[2] = "";  // an emptied entry keeps its old value
    ctl.FormClose();
    const TIniFile ini(IniFile());
    EXPECT_EQ(ini.ReadInteger("Goban", "Size", 0), 13);
    EXPECT_EQ(ini.ReadInteger("Goban", "OkiIsi", 0), 3);
    EXPECT_EQ(ini.ReadInteger("Form", "Left", 0), 5);
    EXPECT_EQ(ini.ReadInteger("Form", "Top", 0), 6);
    EXPECT_EQ(ini.ReadInteger("Form", "Width", 0), 700);
    EXPECT_EQ(ini.ReadInteger("Form", "Height", 0), 650);
    EXPECT_EQ(ini.ReadString("Form", "File1", ""), "new.sgf");
    EXPECT_EQ(ini.ReadString("Form", "File2", ""), "old.sgf");
    EXPECT_EQ(ini.ReadString("Form", "Bango", ""), "ON");
    EXPECT_EQ(ini.ReadInteger("Utikata", "YomiTime", 0), 99);
    EXPECT_EQ(ctl.FormCreated, 0);

    // The next start reads back what was written.
    TRecordingView v;
    TMainCtl again(v, canvas, prompt);
    again.FormCreate(exeDir, {});
    EXPECT_EQ(BoardSize, 13);
    EXPECT_EQ(Handicap, 3);
    EXPECT_EQ(v.width, 700);
}

TEST_F(StartupTest, RecordNamedOnTheCommandLineIsLoadedAndPlayable)
{
    const std::string file = exeDir + "game.sgf";
    WriteText(file, "(;GM[1]FF[4]SZ[9]PB[Kuro]PW[Shiro];B[cc];W[gg];B[cg])");
    Start({file});
    ASSERT_EQ(view.paramTimer, 500);
    ctl.timParamTimer();
    // The game dialog shows the record's header; the game starts when it is confirmed.
    EXPECT_EQ(ctl.GameRunning, 0);
    EXPECT_EQ(GameInfoLock, 1);
    ASSERT_TRUE(ctl.GameInfo.Visible);
    EXPECT_EQ(ctl.GameInfo.cmbBlackPlayer.Text, "Kuro");
    EXPECT_EQ(ctl.GameInfo.edtBan.Text, "９路盤");
    ctl.GameInfo.btnOKClick();
    const TGoban& b = *GobanLv[0];
    EXPECT_EQ(BoardSize, 9);
    EXPECT_EQ(b.Tejun.Last(), 3);
    EXPECT_EQ(b.GetIro(3, 3), kKuro);
    EXPECT_EQ(b.GetIro(7, 7), kSiro);
    EXPECT_EQ(b.GetIro(3, 7), kKuro);
    EXPECT_EQ(KifuBlackPlayer, "Kuro");
    EXPECT_EQ(GameInfoMode, 1);
    EXPECT_EQ(ctl.GameRunning, 1);
    EXPECT_EQ(view.tjnInfo, "第3手 黒3-7");
    EXPECT_EQ(NoLastMark, 0);
    // The game goes on from the record: white to move.
    EXPECT_TRUE(Shell().BanUtu(5, 5, 0));
    EXPECT_EQ(b.GetIro(5, 5), kSiro);
}

TEST_F(StartupTest, CommandLineRecordIsDrawnOnItsOwnBoard)
{
    // The window remembers a 19x19 board; the record is 9x9.
    const std::string file = exeDir + "small.sgf";
    WriteText(file, "(;GM[1]FF[4]SZ[9];B[cc];W[gg])");
    Start({file});
    ASSERT_EQ(BoardSize, 19);
    ctl.timParamTimer();
    EXPECT_EQ(BoardSize, 9);
    EXPECT_EQ(ctl.Ban.Geometry(), CalcBanGeometry(view.ClientWidth(), view.ClientHeight(), view.PanelHeight(),
                                                  view.StatusHeight(), 9, false));
}

TEST_F(StartupTest, UnreadableCommandLineRecordChangesNothing)
{
    Start({exeDir + "missing.sgf"});
    ctl.timParamTimer();
    EXPECT_EQ(ctl.GameRunning, 0);
    EXPECT_EQ(GameInfoLock, 0);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 0);
    EXPECT_EQ(prompt.messages.size(), 1u);  // the reader's report
}

TEST_F(StartupTest, TheRunningRecordFollowsTheGame)
{
    Start();
    NewHumanGame(ctl);
    for (Point p : {Point{4, 4}, Point{16, 16}, Point{3, 16}})
        ASSERT_TRUE(Shell().BanUtu(p.x, p.y, 0));
    const std::string rec = ReadText(KifuRecName);
    EXPECT_NE(rec.find("MOV"), std::string::npos);
    EXPECT_LT(rec.find("MOV"), rec.size() - 6);  // moves follow the header
    ctl.FormClose();
    EXPECT_FALSE(std::filesystem::exists(KifuRecName));
}

TEST_F(StartupTest, ExitClosesTheWindowExceptInARankExam)
{
    struct TClosingView : TRecordingView {
        void CloseWindow() override { ++closes; }
        int closes = 0;
    } v;
    TMainCtl m(v, canvas, prompt);
    m.FormCreate(exeDir, {});
    m.ExamMode = 1;
    m.Click("mnuExit");
    EXPECT_EQ(v.closes, 0);
    m.ExamMode = 0;
    m.Click("mnuExit");
    EXPECT_EQ(v.closes, 1);
}

// --- The running record left by a run that did not end cleanly -------------

TEST_F(StartupTest, LeftOverRunningRecordTakesTheNextFreeNumber)
{
    WriteText(exeDir + "bug.ig1", "crashed game");
    WriteText(exeDir + "bug1.ig1", "older 1");
    WriteText(exeDir + "bug2.ig1", "older 2");
    Start();
    EXPECT_EQ(ReadText(exeDir + "bug1.ig1"), "older 1");
    EXPECT_EQ(ReadText(exeDir + "bug2.ig1"), "older 2");
    EXPECT_EQ(ReadText(exeDir + "bug3.ig1"), "crashed game");
    EXPECT_FALSE(std::filesystem::exists(exeDir + "bug.ig1"));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "異常終了した場合は作者までメールください");
}

TEST_F(StartupTest, LeftOverRecordInEnglishAndSilentInDeveloperMode)
{
    WriteIni("[Form]\nLanguage=1\n");
    WriteText(exeDir + "bug.ig1", "x");
    Start();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "Email us when the game closed inappropriately");
    EXPECT_TRUE(std::filesystem::exists(exeDir + "bug1.ig1"));

    // The next start, after this copy has ended (in the middle of its
    // engine's move, so the record stays).
    ctl.Thinking = 1;
    ctl.FormClose();
    WriteText(exeDir + "bug.ig1", "y");
    DevMode = 1;
    TScriptPrompt quiet;
    TRecordingView v;
    TMainCtl dev(v, canvas, quiet);
    dev.FormCreate(exeDir, {});
    EXPECT_TRUE(quiet.messages.empty());
    EXPECT_EQ(ReadText(exeDir + "bug2.ig1"), "y");
    EXPECT_TRUE(dev.Item("mnuDev").visible);
}

TEST_F(StartupTest, CleanExitRemovesTheRunningRecordUnlessTheEngineThinks)
{
    Start();
    WriteText(KifuRecName, "game so far");
    ctl.FormClose();
    EXPECT_FALSE(std::filesystem::exists(exeDir + "bug.ig1"));

    TRecordingView v;
    TMainCtl thinking(v, canvas, prompt);
    thinking.FormCreate(exeDir, {});
    WriteText(KifuRecName, "game so far");
    thinking.Thinking = 1;
    thinking.FormClose();
    EXPECT_TRUE(std::filesystem::exists(exeDir + "bug.ig1"));
}

// --- Two copies of the program -----------------------------------------------

// Holds the running record's lock in a child process, as another copy of the
// program would, until the child is killed.  Only system calls run in the
// child.
class TOtherCopy {
public:
    explicit TOtherCopy(const std::string& lockPath)
    {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        const char* path = lockPath.c_str();
        pid_ = ::fork();
        if (pid_ == 0) {
            const int fd = ::open(path, O_RDWR | O_CREAT, 0644);
            const char ok = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? '1' : '0';
            (void)!::write(ready[1], &ok, 1);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char ok = '0';
        locked_ = pid_ > 0 && ::read(ready[0], &ok, 1) == 1 && ok == '1';
        ::close(ready[0]);
    }
    ~TOtherCopy() { Kill(); }
    bool Locked() const { return locked_; }
    // kill -9: the copy ends without a word, its files stay as they are.
    void Kill()
    {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool locked_ = false;
};

TEST_F(StartupTest, ASecondCopyLeavesTheRunningRecordOfTheFirstAlone)
{
    WriteIni("[Form]\nLanguage=1\n");
    Start();
    NewHumanGame(ctl);
    for (Point p : {Point{4, 4}, Point{16, 16}})
        ASSERT_TRUE(Shell().BanUtu(p.x, p.y, 0));
    const std::string first = ReadText(exeDir + "bug.ig1");
    ASSERT_NE(first.find("MOV"), std::string::npos);

    TScriptPrompt prompt2;
    TRecordingView view2;
    TMainCtl second(view2, canvas, prompt2);
    second.FormCreate(exeDir, {});
    // No abnormal end reported, nothing renamed, no record of its own, and
    // one message that says why.
    EXPECT_EQ(prompt2.messages,
              std::vector<std::string>{"Another VORN is running: this one keeps no running record (bug.ig1)"});
    EXPECT_FALSE(std::filesystem::exists(exeDir + "bug1.ig1"));
    EXPECT_EQ(ReadText(exeDir + "bug.ig1"), first);
    EXPECT_EQ(KifuRecOn, 0);
    // Its exit leaves the first copy's record where it is.
    second.FormClose();
    EXPECT_EQ(ReadText(exeDir + "bug.ig1"), first);

    // The first copy's clean exit removes the record and the lock.
    ctl.FormClose();
    EXPECT_FALSE(std::filesystem::exists(exeDir + "bug.ig1"));
    EXPECT_FALSE(std::filesystem::exists(exeDir + "bug.ig1.lock"));
}

TEST_F(StartupTest, TheRecordOfACopyThatWasKilledIsSetAsideAtTheNextStart)
{
    TOtherCopy other(exeDir + "bug.ig1.lock");
    ASSERT_TRUE(other.Locked());
    WriteText(exeDir + "bug.ig1", "the other copy's game");

    // While the other copy lives its record is not touched; a message says
    // why this one keeps none (in Japanese by default).
    Start();
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"VORNがもう一つ動いています：こちらは対局の記録(bug.ig1)を残しません"});
    ctl.FormClose();
    EXPECT_EQ(ReadText(exeDir + "bug.ig1"), "the other copy's game");

    // kill -9: the lock file stays behind, unlocked.  The next start takes it
    // and sets the record aside as after any abnormal end.
    other.Kill();
    ASSERT_TRUE(std::filesystem::exists(exeDir + "bug.ig1.lock"));
    TScriptPrompt prompt2;
    TRecordingView view2;
    TMainCtl next(view2, canvas, prompt2);
    next.FormCreate(exeDir, {});
    ASSERT_EQ(prompt2.messages.size(), 1u);
    EXPECT_EQ(prompt2.messages[0], "異常終了した場合は作者までメールください");
    EXPECT_EQ(ReadText(exeDir + "bug1.ig1"), "the other copy's game");
    EXPECT_EQ(KifuRecOn, 1);
    EXPECT_TRUE(view2.status.empty());
    // And it is the copy that holds the lock now.
    TRunLock probe;
    EXPECT_EQ(probe.Acquire(exeDir + "bug.ig1.lock"), TRunLock::lsBusy);
    next.FormClose();
    EXPECT_EQ(probe.Acquire(exeDir + "bug.ig1.lock"), TRunLock::lsHeld);
}

} // namespace
} // namespace vorn::test
