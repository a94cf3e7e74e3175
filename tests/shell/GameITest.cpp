// The game dialog: its tables, the new-game and record modes in both
// languages, player kinds, refused input, its settings and the header it
// gives the record writers.
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>

#include <clocale>
#include <cstdlib>

#include "GameUtil.h"
#include "board/Goban.h"
#include "records/Kifu.h"
#include "shell/GameIForm.h"
#include "shell/IniFile.h"
#include "shell/Score.h"

namespace vorn::test {
namespace {

TEST(GameITables, NamesAndWhatTheBoardSupports)
{
    EXPECT_STREQ(TeaiName(0), "互い先");
    EXPECT_STREQ(TeaiName(3), "３子");
    EXPECT_STREQ(TeaiName(11), "風鈴");
    EXPECT_STREQ(TeaiName(14), "25子");
    EXPECT_STREQ(TeaiName(15), "");
    EXPECT_STREQ(TeaiName(-1), "");
    EXPECT_STREQ(BanSizeName(9), "９路盤");
    EXPECT_STREQ(BanSizeName(15), "");

    struct SizeCase {
        const char* text;
        int size;
    };
    for (const SizeCase& c : {SizeCase{"19路盤", 19}, {"13路盤", 13}, {"９路盤", 9}, {"13", 13}, {" 9 ", 9},
                              {"15", 0}, {"25", 0}, {"0", 0}, {"", 0}, {"abc", 0}, {"-19", 0}})
        EXPECT_EQ(ParseBanSize(c.text), c.size) << c.text;

    struct TeaiCase {
        const char* text;
        int size, handicap;
    };
    for (const TeaiCase& c : {TeaiCase{"互い先", 19, 0}, {"３子", 9, 3}, {"3", 13, 3}, {"9", 9, 9}, {"風鈴", 19, 11},
                              {"12", 19, 12}, {"12", 13, -1}, {"中四目", 9, -1}, {"15", 19, -1}, {"-1", 19, -1},
                              {"x", 19, -1}, {"", 19, -1}})
        EXPECT_EQ(ParseTeai(c.text, c.size), c.handicap) << c.text << " on " << c.size;

    struct KomiCase {
        const char* text;
        float komi;
    };
    for (const KomiCase& c : {KomiCase{"6.5", 6.5f}, {" 0.5 ", 0.5f}, {"-3", -3}, {"", 0}, {"six", 0},
                              {"6.5x", 0}, {"nan", 0}, {"inf", 0}, {"1e309", 0}})
        EXPECT_FLOAT_EQ(ParseKomi(c.text), c.komi) << c.text;
    EXPECT_EQ(NumberText(6.5), "6.5");
    EXPECT_EQ(NumberText(60), "60");
}

// A user whose locale writes "6,5" still plays with komi 6.5 and gets
// results written with a point, as records and peers expect.
TEST(GameITables, KomiAndResultsKeepTheirPointUnderACommaLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    struct KomiCase {
        const char* text;
        float komi;
        const char* shown;
    };
    for (const KomiCase& c : {KomiCase{"6.5", 6.5f, "6.5"}, {"0.5", 0.5f, "0.5"}, {"-3.5", -3.5f, "-3.5"},
                              {"+5.5", 5.5f, "5.5"}, {"7", 7.0f, "7"}, {"6,5", 0.0f, "0"}}) {
        EXPECT_FLOAT_EQ(ParseKomi(c.text), c.komi) << c.text;
        EXPECT_EQ(NumberText(ParseKomi(c.text)), c.shown) << c.text;
    }
    EXPECT_EQ(KekkaString(60.0f, 59.5f, lgEnglish), "B+0.5(B=60W=59.5)");
    EXPECT_EQ(KekkaString(60.0f, 59.5f, lgJapanese), "黒0.5目勝ち(黒=60白=59.5)");
    std::setlocale(LC_NUMERIC, before.c_str());
}

// CI runs this program once more under a decimal-comma locale: make sure
// the locale really took effect there, or that run would prove nothing.
TEST(GameITables, TheCommaLocaleRunHasItsLocale)
{
    if (std::getenv("VORN_COMMA_LOCALE") == nullptr)
        GTEST_SKIP() << "not the comma-locale run";
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

using GameITest = GameTest;

TEST_F(GameITest, EnglishHandicapAndSizeStartA13x13Game)
{
    Open(lgEnglish, 19);
    ctl.Click("mnuNew");
    ASSERT_TRUE(dlg.Visible);
    EXPECT_EQ(GameInfoLock, 1);
    EXPECT_EQ(dlg.Caption, "Game Infomation");
    EXPECT_EQ(dlg.btnOK.Text, "Start");
    EXPECT_EQ(dlg.cmbBan.Items, (std::vector<std::string>{"19", "13", "9"}));
    EXPECT_EQ(dlg.cmbTeai.Items.size(), 15u);
    EXPECT_EQ(dlg.cmbTeai.Text, "0");
    EXPECT_FALSE(dlg.edtDate.Text.empty());
    EXPECT_EQ(dlg.DesignWidth, 460);

    dlg.cmbBan.Text = "13";
    dlg.cmbBanChange();
    EXPECT_EQ(dlg.cmbTeai.Items, (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(BoardSize, 19);  // only read so far
    dlg.cmbTeai.Text = "3";
    dlg.cmbTeaiChange();
    EXPECT_EQ(dlg.edtKomi.Text, "0");
    dlg.cmbTeai.Text = "0";
    dlg.cmbTeaiChange();
    EXPECT_EQ(dlg.edtKomi.Text, "0");  // in English even "0" gives no komi
    dlg.cmbTeai.Text = "3";
    dlg.btnOKClick();

    ASSERT_EQ(ctl.GameRunning, 1);
    EXPECT_EQ(BoardSize, 13);
    EXPECT_EQ(Handicap, 3);
    const TGoban& b = *GobanLv[0];
    EXPECT_EQ(b.GetIro(10, 4), kKuro);
    EXPECT_EQ(b.GetIro(4, 10), kKuro);
    EXPECT_EQ(b.GetIro(10, 10), kKuro);
    EXPECT_EQ(b.Tejun.NextColor(), kSiro);
    EXPECT_EQ(dlg.edtTeai.Text, "3");
    EXPECT_EQ(dlg.edtBan.Text, "13");
    EXPECT_TRUE(dlg.edtTeai.Visible);
    EXPECT_FALSE(dlg.cmbTeai.Visible);
    EXPECT_FALSE(dlg.btnOK.Visible);
    EXPECT_FALSE(dlg.btnCancel.Visible);
    EXPECT_TRUE(dlg.edtResult.Visible);
    EXPECT_EQ(dlg.DesignWidth, 330);
    EXPECT_EQ(GameInfoLock, 0);
    EXPECT_TRUE(ctl.Item("mnuPlay").enabled);
}

TEST_F(GameITest, JapaneseHandicapNamesSetTheKomi)
{
    Open(lgJapanese);
    ctl.Click("mnuNew");
    EXPECT_EQ(dlg.Caption, "対局情報");
    EXPECT_EQ(dlg.cmbBan.Items, (std::vector<std::string>{"19路盤", "13路盤", "９路盤"}));
    EXPECT_EQ(dlg.cmbBan.Text, "９路盤");
    EXPECT_EQ(dlg.cmbTeai.Text, "互い先");
    EXPECT_EQ(dlg.cmbTeai.Items.back(), "９子");  // 9x9: no large patterns
    EXPECT_EQ(dlg.edtGameName.Left, 72);
    dlg.cmbTeai.Text = "２子";
    dlg.cmbTeaiChange();
    EXPECT_EQ(dlg.edtKomi.Text, "0");
    dlg.cmbTeai.Text = "互い先";
    dlg.cmbTeaiChange();
    EXPECT_EQ(dlg.edtKomi.Text, "6.5");
    dlg.cmbBan.Text = "19路盤";
    dlg.cmbBanChange();
    EXPECT_EQ(dlg.cmbTeai.Items.back(), "25子");
    dlg.cmbTeai.Text = "風鈴";
    dlg.edtGameName.Text = "名局";
    dlg.btnOKClick();
    EXPECT_EQ(BoardSize, 19);
    EXPECT_EQ(Handicap, 11);
    EXPECT_FLOAT_EQ(Komi, 6.5f);
    EXPECT_EQ(KifuGameName, "名局");
    EXPECT_EQ(dlg.edtTeai.Text, "風鈴");
    EXPECT_EQ(dlg.edtBan.Text, "19路盤");
    // Chinese reads names and numbers alike.
    ctl.GameStop();
    Language = lgChinese;
    ctl.Click("mnuNew");
    dlg.cmbBan.Text = "13路盤";
    dlg.cmbTeai.Text = "2";
    dlg.btnOKClick();
    EXPECT_EQ(BoardSize, 13);
    EXPECT_EQ(Handicap, 2);
}

TEST_F(GameITest, PlayersAreTheEngineAHumanOrARemoteOpponent)
{
    Open();
    ctl.Click("mnuNew");
    EXPECT_EQ(dlg.cmbWhitePlayer.Items, (std::vector<std::string>{"Man", "VORN"}));
    dlg.cmbBlackPlayer.Text = "VORN";
    dlg.cmbBlackPlayerChange();
    EXPECT_EQ(PlayerKind[kKuro], pkComputer);
    dlg.cmbBlackPlayer.Text = "Man";
    dlg.cmbBlackPlayerChange();
    EXPECT_EQ(PlayerKind[kKuro], pkHuman);

    // A TCP peer plays Black: the game waits for the link's handshake, and
    // the choices are already put away.
    dlg.chkComm.Checked = true;
    dlg.chkAiteWhite.Checked = false;
    dlg.rdoCom1.Checked = false;
    dlg.rdoTcpip.Checked = true;
    dlg.cmbWhitePlayer.Text = "Man";
    dlg.btnOKClick();
    EXPECT_EQ(PlayerKind[kKuro], pkTcp);
    EXPECT_EQ(PlayerKind[kSiro], pkHuman);
    EXPECT_EQ(dlg.TcpInGame, 1);
    EXPECT_EQ(ctl.GameRunning, 0);
    EXPECT_FALSE(dlg.cmbBlackPlayer.Visible);
    EXPECT_TRUE(dlg.edtBlackPlayer.Visible);

    // With the own side Black, the serial peer on COM2 plays White.
    struct Case {
        bool aiteWhite;
        TDlgControl TGameInfo::*radio;
        int black, white, port;
    };
    const Case cases[] = {
        {true, &TGameInfo::rdoCom2, pkHuman, pkSerial, 2},
        {true, &TGameInfo::rdoNNGS, pkHuman, pkNngs, 1},
        {false, &TGameInfo::rdoCom1, pkSerial, pkHuman, 1},
    };
    for (const Case& c : cases) {
        dlg.FormClose();
        GameInfoLock = 0;
        ctl.Click("mnuNew");
        dlg.chkAiteWhite.Checked = c.aiteWhite;
        for (TDlgControl* r : {&dlg.rdoCom1, &dlg.rdoCom2, &dlg.rdoTcpip, &dlg.rdoNNGS})
            r->Checked = false;
        (dlg.*c.radio).Checked = true;
        dlg.cmbBlackPlayer.Text = dlg.cmbWhitePlayer.Text = "Man";
        dlg.btnOKClick();
        EXPECT_EQ(PlayerKind[kKuro], c.black);
        EXPECT_EQ(PlayerKind[kSiro], c.white);
        EXPECT_EQ(dlg.SerialPort, c.port);
        ctl.GameStop();
    }
}

TEST_F(GameITest, InvalidInputIsRefusedWithAMessageAndChangesNothing)
{
    Open(lgEnglish, 13);
    Komi = 1.5f;
    KifuGameName = "before";
    struct Case {
        const char* what;
        const char* black;
        const char* ban;
        const char* teai;
        const char* message;
    };
    const Case cases[] = {
        {"no player", "", "13", "0", "Choose a match player"},
        {"no handicap", "Man", "13", "", "Choose handicap"},
        {"no size", "Man", "", "0", "Choose boad size"},
        {"size 25", "Man", "25", "0", "Choose boad size"},
        {"size 0", "Man", "0", "0", "Choose boad size"},
        {"size 15", "Man", "15", "0", "Choose boad size"},
        {"size by no name", "Man", "big", "0", "Choose boad size"},
        {"large pattern on 13x13", "Man", "13", "12", "Choose handicap"},
        {"handicap 15", "Man", "19", "15", "Choose handicap"},
        {"handicap by no name", "Man", "9", "some", "Choose handicap"},
    };
    ctl.Click("mnuNew");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompt.messages.clear();
        dlg.edtGameName.Text = "after";
        dlg.cmbBlackPlayer.Text = c.black;
        dlg.cmbBan.Text = c.ban;
        dlg.cmbTeai.Text = c.teai;
        dlg.edtKomi.Text = "4";
        dlg.btnOKClick();
        ASSERT_EQ(prompt.messages.size(), 1u);
        EXPECT_EQ(prompt.messages[0], c.message);
        EXPECT_EQ(BoardSize, 13);
        EXPECT_EQ(Handicap, 0);
        EXPECT_FLOAT_EQ(Komi, 1.5f);
        EXPECT_EQ(KifuGameName, "before");
        EXPECT_EQ(ctl.GameRunning, 0);
        EXPECT_EQ(GameInfoLock, 1);
        EXPECT_TRUE(dlg.Visible);
        EXPECT_TRUE(dlg.btnOK.Visible);
    }
    // Japanese messages.
    Language = lgJapanese;
    prompt.messages.clear();
    dlg.cmbBan.Text = "25";
    dlg.btnOKClick();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "盤の大きさを選んでください");
}

TEST_F(GameITest, ALoadedRecordKeepsItsClocksAndGoesOn)
{
    Open(lgJapanese);
    const std::string file = exeDir + "game.sgf";
    WriteText(file, "(;GM[1]FF[4]SZ[9]PB[Kuro]PW[VORN]BR[3k]KM[6.5]BL[1:02:03.4]WL[0:10:00.0];B[cc];W[gg];B[cg])");
    ctl.ParamFile = file;
    ctl.timParamTimer();
    ASSERT_TRUE(dlg.Visible);
    EXPECT_EQ(dlg.edtBan.Text, "９路盤");
    EXPECT_EQ(dlg.edtTeai.Text, "互い先");
    EXPECT_EQ(dlg.cmbWhitePlayer.Text, "VORN");
    EXPECT_EQ(dlg.edtBlackKyu.Text, "3k");
    EXPECT_FALSE(dlg.cmbBan.Visible);
    EXPECT_EQ(Jikan[kKuro], 37230);
    EXPECT_EQ(Jikan[kSiro], 6000);

    // White, the engine, is to move: it moves as the game starts.
    EngineScript = {{5, 5}};
    dlg.cmbWhitePlayerChange();
    dlg.btnOKClick();
    EXPECT_EQ(ctl.GameRunning, 1);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 4);
    EXPECT_EQ(GobanLv[0]->GetIro(5, 5), kSiro);
    EXPECT_EQ(GobanLv[0]->GetIro(3, 3), kKuro);
    EXPECT_EQ(Jikan[kKuro], 37230);
}

TEST_F(GameITest, ANewGameShowsNothingOfTheGameBefore)
{
    Open();
    Start("Man", "Man");
    // A capture and a resignation.
    for (Point p : {Point(1, 2), Point(1, 1), Point(2, 1)})
        ClickPoint(p.x, p.y);
    ASSERT_EQ(GobanLv[0]->Tejun.Hama(kKuro), 1);
    prompt.answers = {true};
    ctl.Click("mnuResign");
    ASSERT_FALSE(dlg.edtResult.Text.empty());
    ASSERT_EQ(ctl.GameRunning, 0);

    // The new-game dialog: no result, no prisoners; nor in the running
    // record that the new game starts.
    ctl.Click("mnuNew");
    EXPECT_EQ(dlg.edtResult.Text, "");
    EXPECT_EQ(dlg.edtBlackHama.Text, "  0");
    EXPECT_EQ(dlg.edtWhiteHama.Text, "  0");
    dlg.btnOKClick();
    const std::string rec = ReadText(exeDir + "bug.ig1");
    EXPECT_NE(rec.find("RESULT \r\n"), std::string::npos) << rec;
    EXPECT_EQ(rec.find("Win"), std::string::npos) << rec;
}

TEST_F(GameITest, ALoadedRecordShowsItsLastMove)
{
    Open();
    const std::string file = exeDir + "passes.sgf";
    WriteText(file, "(;GM[1]FF[4]SZ[9];B[cc];W[gg];B[tt];W[tt])");
    ctl.ParamFile = file;
    ctl.timParamTimer();
    EXPECT_EQ(GobanLv[0]->Tejun.Current(), 4);
    EXPECT_EQ(view.tjnInfo, "4 WhitePass");
}

TEST_F(GameITest, TheExamModeShowsNamesAndRanks)
{
    Open(lgJapanese);
    KifuBlackPlayer = "VORN";
    KifuBlackKyu = "5級";
    KifuWhiteKyu = "なし";
    KifuPlace = "club";
    GameInfoMode = 2;
    dlg.Show();
    dlg.ExamInfoShow();
    EXPECT_TRUE(dlg.edtBlackPlayer.Visible);
    EXPECT_FALSE(dlg.cmbBlackPlayer.Visible);
    EXPECT_TRUE(dlg.edtBlackPlayer.ReadOnly);
    EXPECT_FALSE(dlg.edtWhitePlayer.ReadOnly);  // the examinee types a name
    EXPECT_EQ(dlg.edtPlace.Text, "");
    EXPECT_EQ(dlg.DesignWidth, 300);
    // Without the examinee's name the exam does not start.
    dlg.edtWhitePlayer.Text = "";
    dlg.btnOKClick();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "対局者名を入力してください");
    dlg.edtWhitePlayer.Text = "Hanako";
    dlg.btnOKClick();
    EXPECT_EQ(ctl.ExamMode, 1);
    EXPECT_EQ(PlayerKind[kKuro], pkComputer);
    EXPECT_EQ(PlayerKind[kSiro], pkHuman);
}

TEST_F(GameITest, CancelLeavesAnEmptyBoardAndNoGame)
{
    Open();
    const std::string file = exeDir + "game.sgf";
    WriteText(file, "(;GM[1]FF[4]SZ[9];B[cc];W[gg])");
    ctl.ParamFile = file;
    ctl.timParamTimer();
    ASSERT_EQ(GobanLv[0]->Tejun.Last(), 2);
    dlg.btnCancelClick();
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 0);
    EXPECT_EQ(GobanLv[0]->GetIro(3, 3), kAki);
    EXPECT_EQ(GameInfoLock, 0);
    EXPECT_FALSE(dlg.Visible);
    EXPECT_EQ(ctl.GameRunning, 0);
}

TEST_F(GameITest, AGameGoingOnFromARecordRunsUnderTheRecordsHeader)
{
    Open();
    Start("Alice", "Bob", "", "0.5");
    ClickPoint(5, 5);
    ctl.GameStop();
    dlg.Hide();
    // Twelve moves: the running record breaks its move line after the tenth.
    const std::string file = exeDir + "carol.sgf";
    WriteText(file, "(;GM[1]FF[4]SZ[9]PB[Carol]PW[Dave]KM[5.5]RE[B+R];B[cc];W[gg];B[cg];W[gc];B[ee];W[dd];"
                    "B[de];W[ce];B[cd];W[ed];B[fd];W[ec])");
    prompt.files = {file};
    ctl.Click("mnuOpen");
    ASSERT_EQ(GameInfoLock, 1);
    ASSERT_EQ(GobanLv[0]->Tejun.Last(), 12);
    dlg.btnOKClick();
    ASSERT_EQ(ctl.GameRunning, 1);
    ClickPoint(9, 9);

    const std::string rec = ReadText(KifuRecName);
    for (const char* line : {"PLAYER_BLACK Carol\r\n", "PLAYER_WHITE Dave\r\n", "KOMI 5.5\r\n", "INT 9 0\r\n"})
        EXPECT_NE(rec.find(line), std::string::npos) << line;
    EXPECT_EQ(rec.find("Alice"), std::string::npos);
    EXPECT_EQ(rec.find("KOMI 0.5"), std::string::npos);
    // Recovered after a crash, it is the game as it stands.
    const std::string copy = exeDir + "bug1.ig1";
    WriteText(copy, rec);
    const TTejun played = GobanLv[0]->Tejun;
    ctl.GameStop();
    ASSERT_TRUE(KifuLoad(copy));
    const TTejun& t = GobanLv[0]->Tejun;
    ASSERT_EQ(t.Last(), 13);
    for (int n = 1; n <= 13; ++n)
        EXPECT_EQ(t.GetTe(n), played.GetTe(n)) << "move " << n;
    EXPECT_EQ(KifuBlackPlayer, "Carol");
    EXPECT_EQ(KifuKomi, "5.5");
}

TEST_F(GameITest, ThePlayersAndThePlaceAreRemembered)
{
    Open(lgJapanese);
    EXPECT_EQ(KifuBlackPlayer, "人間");
    EXPECT_EQ(dlg.Left, 340);
    Start("VORN", "人間");
    dlg.Left = 500;
    ctl.FormClose();
    const TIniFile ini(IniFile());
    EXPECT_EQ(ini.ReadString("GameInfo", "Black", ""), "VORN");
    EXPECT_EQ(ini.ReadString("GameInfo", "White", ""), "人間");
    EXPECT_EQ(ini.ReadInteger("FormTaikyoku", "Left", 0), 500);

    // The next start offers them again.
    TRecordingView v;
    TMainCtl again(v, canvas, prompt);
    again.FormCreate(exeDir, {});
    again.Click("mnuNew");
    EXPECT_EQ(again.GameInfo.cmbBlackPlayer.Text, "VORN");
    EXPECT_EQ(again.GameInfo.Left, 500);
    // A run without a game does not forget them.
    again.GameInfo.btnCancelClick();
    again.FormClose();
    const TIniFile after(IniFile());
    EXPECT_EQ(after.ReadString("GameInfo", "Black", ""), "VORN");
    EXPECT_EQ(after.ReadString("GameInfo", "White", ""), "人間");
}

TEST_F(GameITest, TheLastGamesPlayersAreOfferedForTheNextAndCancelKeepsTheSize)
{
    Open();
    Start("VORN", "Alice");
    ctl.GameStop();
    dlg.Hide();
    ctl.Click("mnuNew");
    EXPECT_EQ(dlg.cmbBlackPlayer.Text, "VORN");
    EXPECT_EQ(dlg.cmbWhitePlayer.Text, "Alice");
    // A size chosen and then cancelled changes neither the board nor the
    // size the next dialog offers.
    dlg.cmbBan.Text = "19";
    dlg.cmbBanChange();
    EXPECT_EQ(dlg.cmbTeai.Items.size(), 15u);
    dlg.cmbBan.Text = "big";
    dlg.cmbBanChange();
    EXPECT_EQ(BoardSize, 9);
    dlg.btnCancelClick();
    EXPECT_EQ(BoardSize, 9);
    ctl.Click("mnuNew");
    EXPECT_EQ(dlg.cmbBan.Text, "9");
    EXPECT_EQ(dlg.cmbTeai.Items.size(), 10u);
}

TEST_F(GameITest, TheRecordWritersTakeTheDialogsFields)
{
    Open();
    Start("VORN", "Man");
    dlg.edtPlace.Text = "Osaka";
    dlg.edtWhiteKyu.Text = "2d";
    ASSERT_TRUE(KifuSave(exeDir + "out.sgf"));
    const std::string sgf = ReadText(exeDir + "out.sgf");
    for (const char* prop : {"PB[VORN]", "PW[Man]", "PC[Osaka]", "WR[2d]", "KM[6.5]"})
        EXPECT_NE(sgf.find(prop), std::string::npos) << prop;
    // The prisoners show in the dialog as the game goes on.
    EXPECT_EQ(dlg.edtBlackHama.Text, "  0");
}

TEST_F(WindowTest, TheGameDialogsWindowFollowsItsLogic)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    TGameInfoForm* f = form->GameInfoForm();
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->isVisible());
    Ctl().Click("mnuNew");
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle().toStdString(), "Game Infomation");
    auto* komi = static_cast<QLineEdit*>(f->Control("edtKomi"));
    komi->setText("3.5");
    emit komi->textEdited("3.5");
    EXPECT_EQ(Ctl().GameInfo.edtKomi.Text, "3.5");
    auto* teai = static_cast<QComboBox*>(f->Control("cmbTeai"));
    EXPECT_EQ(teai->count(), 10);
    teai->setEditText("2");
    EXPECT_EQ(Ctl().GameInfo.cmbTeai.Text, "2");
    EXPECT_EQ(komi->text(), "0");  // the handicap's komi
    // Closing the dialog frees the window again.
    f->close();
    EXPECT_FALSE(Ctl().GameInfo.Visible);
    EXPECT_EQ(GameInfoLock, 0);
}

TEST_F(GameITest, ALanguageSwitchRecaptionsTheOpenDialogAndKeepsItsChoices)
{
    // A fresh profile is Japanese; the user switches to English.
    Open(lgJapanese, 13);
    ctl.Click("mnuNew");
    ASSERT_TRUE(dlg.Visible);
    EXPECT_EQ(dlg.cmbWhitePlayer.Text, "人間");
    dlg.cmbTeai.Text = "３子";
    dlg.cmbTeaiChange();
    ctl.Click("mnuEnglish");
    EXPECT_EQ(dlg.Caption, "Game Infomation");
    EXPECT_EQ(dlg.lblGameName.Text, "Game Name");
    EXPECT_EQ(dlg.btnOK.Text, "Start");
    EXPECT_EQ(dlg.cmbWhitePlayer.Text, "Man");
    EXPECT_EQ(dlg.cmbWhitePlayer.Items.front(), "Man");
    EXPECT_EQ(dlg.cmbTeai.Text, "3");
    EXPECT_EQ(dlg.cmbBan.Text, "13");
    EXPECT_EQ(ctl.CommntF.Caption, "Comment");
    dlg.btnOKClick();
    EXPECT_EQ(Handicap, 3);
    EXPECT_EQ(BoardSize, 13);
    EXPECT_EQ(KifuWhitePlayer, "Man");
    // The running game's fields follow too.
    ctl.Click("mnuJapanese");
    EXPECT_EQ(dlg.edtTeai.Text, "３子");
    EXPECT_EQ(dlg.lblResult.Text, "結果");
    // A name of the user's own is no default: it stays.
    ctl.Click("mnuNew");
    dlg.cmbWhitePlayer.Text = "Taro";
    ctl.Click("mnuEnglish");
    EXPECT_EQ(dlg.cmbWhitePlayer.Text, "Taro");
}

TEST_F(ShellTest, AnEnglishStartOffersTheEnglishDefaultName)
{
    // Remembered from a Japanese session: the default name, and a real one.
    WriteIni("[Form]\nLanguage=1\n[GameInfo]\nBlack=人間\nWhite=Hanako\n");
    TRecordingView v;
    TNullCanvas c;
    TScriptPrompt p;
    TMainCtl m(v, c, p);
    m.FormCreate(exeDir, {});
    EXPECT_EQ(KifuBlackPlayer, "Man");
    EXPECT_EQ(KifuWhitePlayer, "Hanako");
    m.FormClose();
}

TEST_F(WindowTest, ALanguageSwitchReachesTheToolkitsOwnTexts)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm"))
        GTEST_SKIP() << "Qt's Japanese translations are not installed";
    Open(9, "", "[Form]\nLanguage=1\n");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Cancel");
    Ctl().Click("mnuJapanese");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "キャンセル");
    Ctl().Click("mnuEnglish");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Cancel");
}

// Every caption of the dialog shown whole, in both languages, for a new game
// and for the game once it runs; the dialog beside the main window.
TEST_F(WindowTest, TheGameDialogFitsItsCaptionsAndLeavesTheBoardFree)
{
    Open(9, "", "[Form]\nLanguage=1\n");
    form->resize(330, 380);
    form->move(0, 0);
    QApplication::processEvents();
    TGameInfoForm* f = form->GameInfoForm();
    const char* const captioned[] = {"lblGameName", "lblPlayer", "lblKyu", "lblHama", "lblTime", "lblSiro", "lblKuro",
                                     "lblTeai", "lblKomi", "lblDate", "lblPlace", "lblBanSize", "lblResult", "btnOK",
                                     "btnCancel", "chkComm", "chkAiteWhite", "rdoCom1", "rdoNNGS", "chkRenzoku"};
    auto check = [&](const std::string& when) {
        QApplication::processEvents();
        const QRect inside = f->rect();
        for (const char* name : captioned) {
            QWidget* w = f->Control(name);
            if (!w->isVisibleTo(f))
                continue;
            EXPECT_GE(w->width(), w->sizeHint().width()) << when << " " << name;
            const QRect at(w->mapTo(f, QPoint(0, 0)), w->size());
            EXPECT_TRUE(inside.contains(at)) << when << " " << name;
        }
        EXPECT_FALSE(f->frameGeometry().intersects(form->frameGeometry())) << when;
    };
    Ctl().Click("mnuNew");
    ASSERT_TRUE(f->isVisible());
    EXPECT_TRUE(f->Control("chkComm")->isVisibleTo(f));
    check("new game, English");
    Ctl().Click("mnuJapanese");
    EXPECT_EQ(static_cast<QLabel*>(f->Control("lblGameName"))->text().toStdString(), "対局名：");
    check("new game, Japanese");
    ConfirmHumanGame(Ctl());
    EXPECT_FALSE(f->Control("chkComm")->isVisibleTo(f));
    EXPECT_TRUE(f->Control("edtResult")->isVisibleTo(f));
    check("game, Japanese");
}

} // namespace
} // namespace vorn::test
