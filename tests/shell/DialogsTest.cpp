// The engine settings, colour, sound and version dialogs, and the move
// sounds, driven through their logic as the user drives the forms.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

#include <filesystem>

#include "DialogUtil.h"
#include "shell/DlgForm.h"
#include "shell/QtOtoPlayer.h"

namespace vorn::test {
namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// --- Engine settings --------------------------------------------------------

TEST(DlgInteger, ReadsWhatTheEditsAccept)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    } const cases[] = {
        {"40", true, 40}, {"0", true, 0},   {"-5", true, -5},  {"+7", true, 7},   {" 9", true, 9},
        {"", false, 0},   {"a", false, 0},  {"1a", false, 0},  {"-", false, 0},   {"9 ", false, 0},
        {"2147483647", true, 2147483647},   {"-2147483648", true, -2147483647 - 1}, {"2147483648", false, 0},
    };
    for (const Case& c : cases) {
        int v = 12345;
        EXPECT_EQ(ParseDlgInteger(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
}

TEST_F(DialogTest, EngineSettingsAreShownAtEveryActivationAndStoredByOk)
{
    Start("[Utikata]\nYomiWide=5\nVsComputerMode=1\n");
    TUtikataDlg& d = ctl->UtikataDlg;
    d.FormActivate();
    EXPECT_EQ(d.edtYomiWide.Text, "5");
    EXPECT_EQ(d.edtYomiDeep.Text, "6");
    EXPECT_EQ(d.edtYomiTime.Text, "40");
    EXPECT_TRUE(d.chkVsComputer.Checked);
    EXPECT_TRUE(d.chkSikatuYomi.Checked);
    EXPECT_TRUE(d.chkSakiyomi.Checked);

    // Unconfirmed edits give way to the settings when the dialog comes back.
    d.edtYomiWide.Text = "9";
    d.chkSakiyomi.Checked = false;
    d.FormActivate();
    EXPECT_EQ(d.edtYomiWide.Text, "5");
    EXPECT_TRUE(d.chkSakiyomi.Checked);

    // Cancel keeps everything.
    d.edtYomiWide.Text = "9";
    EXPECT_TRUE(d.CancelBtnClick());
    EXPECT_EQ(YomiWide, 5);
    d.FormActivate();  // opened again
    EXPECT_EQ(d.edtYomiWide.Text, "5");

    d.chkVsComputer.Checked = false;
    d.chkSakiyomi.Checked = false;
    d.edtYomiDeep.Text = "8";
    d.edtYomiTime.Text = "-5";  // accepted and kept as typed
    EXPECT_TRUE(d.OKBtnClick());
    EXPECT_EQ(VsComputerMode, 0);
    EXPECT_EQ(SakiyomiMode, 0);
    EXPECT_EQ(YomiDeep, 8);
    EXPECT_EQ(YomiTime, -5);
    const std::string ini = Ini();
    for (const char* line : {"VsComputerMode=0", "YomiSikatuMode=1", "SakiyomiMode=0", "YomiWide=5", "YomiDeep=8",
                             "YomiTime=-5"})
        EXPECT_TRUE(Has(ini, line)) << line << "\n" << ini;

    Restart();
    EXPECT_EQ(VsComputerMode, 0);
    EXPECT_EQ(SakiyomiMode, 0);
    EXPECT_EQ(YomiSikatuMode, 1);
    EXPECT_EQ(YomiDeep, 8);
    EXPECT_EQ(YomiTime, -5);
}

TEST_F(DialogTest, AnInvalidSecondNumberStopsTheDialogWithTheFirstTaken)
{
    Start("[Form]\nLanguage=1\n");
    TUtikataDlg& d = ctl->UtikataDlg;
    d.FormActivate();
    d.chkVsComputer.Checked = true;
    d.edtYomiWide.Text = "7";
    d.edtYomiDeep.Text = "";
    d.edtYomiTime.Text = "12";
    EXPECT_FALSE(d.OKBtnClick());  // the dialog stays open
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "'' is not a valid integer value");
    EXPECT_EQ(VsComputerMode, 1);  // taken for this run
    EXPECT_EQ(YomiWide, 7);
    EXPECT_EQ(YomiDeep, 6);  // kept, as is what follows
    EXPECT_EQ(YomiTime, 40);
    EXPECT_FALSE(Has(Ini(), "[Utikata]"));
    Restart();
    EXPECT_EQ(VsComputerMode, 0);
    EXPECT_EQ(YomiWide, 3);
}

TEST_F(DialogTest, CaptionsFollowTheLanguageChineseGivingJapanese)
{
    struct Case {
        int language;
        const char* utikata;
        const char* color;
        const char* sound;
        const char* about;
        const char* product;
    } const cases[] = {
        {1, "VORN's move", "Color", "Sound", "About VORN", "VORN"},
        {2, "VORNの打ち方設定", "盤石の色", "着手音", "ﾊﾞｰｼﾞｮﾝ情報", "対局囲碁｢ＶＯＲＮ｣"},
        {3, "VORNの打ち方設定", "盤石の色", "着手音", "ﾊﾞｰｼﾞｮﾝ情報", "対局囲碁｢ＶＯＲＮ｣"},
    };
    Start();
    for (const Case& c : cases) {
        ctl->LanguageSelect(c.language);
        ctl->UtikataDlg.FormActivate();
        ctl->BanIsiColor.FormActivate();
        ctl->OtoDlg.FormActivate();
        ctl->AboutBox.FormActivate();
        EXPECT_EQ(ctl->UtikataDlg.Caption, c.utikata);
        EXPECT_EQ(ctl->BanIsiColor.Caption, c.color);
        EXPECT_EQ(ctl->OtoDlg.Caption, c.sound);
        EXPECT_EQ(ctl->AboutBox.Caption, c.about);
        EXPECT_EQ(ctl->AboutBox.ProductName.Text, c.product);
        EXPECT_EQ(ctl->AboutBox.Version.Text, "Version 5.91");
        EXPECT_EQ(ctl->UtikataDlg.CancelBtn.Text, c.language == 1 ? "Cancel" : "キャンセル");
        EXPECT_EQ(ctl->OtoDlg.CancelBtn.Text, "ｷｬﾝｾﾙ");
    }
}

// --- Colours ------------------------------------------------------------------

TEST_F(DialogTest, ABoardSwatchSurvivesARestart)
{
    Start();
    TBanIsiColor& d = ctl->BanIsiColor;
    EXPECT_TRUE(d.rbBan[1].Checked);  // the olive default
    EXPECT_TRUE(d.rbIsi[1].Checked);
    d.shpBanMouseDown(4);
    d.rbIsi[1].Checked = false;
    d.rbIsi[2].Checked = true;
    d.btnOKClick();
    EXPECT_EQ(ctl->Ban.BanColor, 0x99CCFF);
    EXPECT_EQ(ctl->Ban.KuroIsiColor, 0x008000);
    EXPECT_EQ(ctl->Ban.SiroIsiColor, 0x00FF00);
    Restart();
    EXPECT_EQ(ctl->Ban.BanColor, 0x99CCFF);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(ctl->BanIsiColor.rbBan[n].Checked, n == 4) << n;
    EXPECT_TRUE(ctl->BanIsiColor.rbIsi[2].Checked);
    EXPECT_EQ(ctl->Ban.KuroIsiColor, 0x008000);
}

TEST_F(DialogTest, AHandTypedBoardColourIsKeptAndRewritten)
{
    Start("[Goban]\nBanColor=12345\n");
    TBanIsiColor& d = ctl->BanIsiColor;
    EXPECT_EQ(ctl->Ban.BanColor, 12345);
    for (int n = 1; n <= 4; ++n)
        EXPECT_FALSE(d.rbBan[n].Checked) << n;
    d.btnOKClick();
    EXPECT_EQ(ctl->Ban.BanColor, 12345);
    const std::string ini = Ini();
    EXPECT_TRUE(Has(ini, "BanColor=12345"));
    EXPECT_TRUE(Has(ini, "KuroIsiColor=0"));
    EXPECT_TRUE(Has(ini, "SiroIsiColor=16777215"));
}

TEST_F(DialogTest, TheColourFormTicksByItsSwatchesButNotByTheStones)
{
    Start();
    std::unique_ptr<TDlgForm> f(MakeBanIsiForm(nullptr, ctl->BanIsiColor));
    f->show();
    QApplication::processEvents();
    f->ClickControl("shpBan3");
    EXPECT_TRUE(ctl->BanIsiColor.rbBan[3].Checked);
    EXPECT_FALSE(ctl->BanIsiColor.rbBan[1].Checked);
    EXPECT_TRUE(static_cast<QRadioButton*>(f->Control("rbBan3"))->isChecked());
    // A stone swatch has no handler; the stone pair stays.
    f->ClickControl("shpKuro2");
    f->ClickControl("shpSiro2");
    EXPECT_TRUE(ctl->BanIsiColor.rbIsi[1].Checked);
    EXPECT_FALSE(ctl->BanIsiColor.rbIsi[2].Checked);
    // The close box changes nothing, also not in VORN.INI.
    f->reject();
    EXPECT_EQ(ctl->Ban.BanColor, 0x008080);
    EXPECT_FALSE(Has(Ini(), "BanColor"));
    // The user's radio button reaches the logic.
    static_cast<QRadioButton*>(f->Control("rbIsi2"))->click();
    EXPECT_TRUE(ctl->BanIsiColor.rbIsi[2].Checked);
    EXPECT_FALSE(ctl->BanIsiColor.rbIsi[1].Checked);
    f->ClickControl("btnOK");
    EXPECT_EQ(ctl->Ban.BanColor, 0x00C1C1);
    EXPECT_EQ(ctl->Ban.KuroIsiColor, 0x008000);
}

TEST_F(WindowTest, TheChosenBoardColourIsPaintedAtOnceAndEveryDialogOpens)
{
    Open(9);
    EXPECT_EQ(At(Grab(), 5, 4, 4, 4), 0x008080);
    Ctl().BanIsiColor.shpBanMouseDown(2);
    Ctl().BanIsiColor.btnOKClick();
    EXPECT_EQ(At(Grab(), 5, 4, 4, 4), 0x00C7FF);

    struct Case {
        const char* name;
        const char* title;
    } const cases[] = {
        {"UtikataDlg", "VORNの打ち方設定"}, {"BanIsiColor", "盤石の色"}, {"OtoDlg", "着手音"}, {"AboutBox", "ﾊﾞｰｼﾞｮﾝ情報"}};
    for (const Case& c : cases) {
        TDlgForm& f = form->Dialog(c.name);
        f.show();
        QApplication::processEvents();
        EXPECT_EQ(f.windowTitle().toStdString(), c.title);
        f.hide();
    }
    // The engine settings form shows the settings and hands an edit back.
    TDlgForm& f = form->Dialog("UtikataDlg");
    f.show();
    auto* wide = static_cast<QLineEdit*>(f.Control("edtYomiWide"));
    EXPECT_EQ(wide->text(), QStringLiteral("3"));
    EXPECT_EQ(wide->maxLength(), 2);
    wide->setText(QStringLiteral("12"));
    emit wide->textEdited(wide->text());
    f.ClickControl("OKBtn");
    EXPECT_EQ(YomiWide, 12);
    EXPECT_FALSE(f.isVisible());
}

// --- Sounds -----------------------------------------------------------------

TEST_F(DialogTest, SoundsFollowTheSettingsOnlyWhileAGameRuns)
{
    Start("[Form]\nSound=ON\nBlackSound=b.wav\nWhiteSound=\n");
    // A record read outside a game, and browsing it, is silent.
    const std::string path = exeDir + "g.sgf";
    WriteText(path, "(;SZ[19];B[dd];W[pp];B[dp];W[pd])");
    prompt.files.push_back(path);
    ctl->Click("mnuOpen");
    ctl->Click("mnuFirst");
    ctl->Click("mnuNext");
    EXPECT_TRUE(view.player.played.empty());

    // The game goes on from the move shown: White's move 2 beeps (an empty
    // name), Black's move 3 plays the file.
    ConfirmHumanGame(*ctl);
    ASSERT_EQ(ctl->GameRunning, 1);
    ASSERT_EQ(GobanLv[0]->Tejun.Current(), 1);
    Play(10, 10);
    Play(3, 16);
    EXPECT_EQ(view.player.played, (std::vector<std::string>{"beep", "b.wav"}));
    ctl->Click("mnuFirst");
    view.player.played.clear();
    ctl->Click("mnuLast");           // a run sounds once at most
    EXPECT_LE(view.player.played.size(), 1u);
    view.player.played.clear();
    ctl->Click("mnuPrev");
    ctl->Click("mnuNext");           // a single step sounds
    EXPECT_EQ(view.player.played, std::vector<std::string>{"b.wav"});

    view.player.played.clear();
    ctl->SoundOn = 0;
    Play(16, 3);
    EXPECT_TRUE(view.player.played.empty());
}

TEST_F(DialogTest, TheBlackAndWhiteSoundsGoToTheirColours)
{
    Start("[Form]\nSound=ON\nBlackSound=b.wav\nWhiteSound=ビープ音\n");
    NewHumanGame(*ctl);
    Play(10, 10);
    Play(3, 16);
    EXPECT_EQ(view.player.played, (std::vector<std::string>{"b.wav", "beep"}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(DialogTest, TheSoundDialogListsTheBeepAndTheWaveFilesAndStoresThreeKeys)
{
    Start("[Form]\nLanguage=1\n");
    const std::string dir = exeDir + "sounds";
    std::filesystem::create_directories(dir + "/c.wav");  // a directory is no sound
    for (const char* f : {"b.wav", "a.WAV", "notes.txt", "wav"})
        WriteText(dir + "/" + f, "");
    TOtoDlg& d = ctl->OtoDlg;
    d.FormCreate(dir);
    const std::vector<std::string> expected{"BEEP", "a.WAV", "b.wav"};
    EXPECT_EQ(d.cboSiroIsi.Items, expected);
    EXPECT_EQ(d.cboKuroIsi.Items, expected);
    EXPECT_FALSE(d.chkOto.Checked);

    d.chkOto.Checked = true;
    d.cboSiroIsi.Text = "a.WAV";
    d.cboKuroIsi.Text = "BEEP";
    d.OKBtnClick();
    const std::string ini = Ini();
    for (const char* line : {"SOUND=ON", "WHITESOUND=a.WAV", "BLACKSOUND=BEEP"})
        EXPECT_TRUE(Has(ini, line)) << line << "\n" << ini;

    // The start-up keys are the same entries; the beep entry stays English
    // in a Japanese run and still beeps.
    std::string japanese = ini;
    japanese.replace(japanese.find("Language=1"), 10, "Language=2");
    WriteIni(japanese);
    Restart();
    EXPECT_EQ(ctl->SoundOn, 1);
    EXPECT_EQ(ctl->WhiteSound, "a.WAV");
    EXPECT_EQ(ctl->BlackSound, "BEEP");
    ctl->OtoDlg.FormCreate(dir);
    EXPECT_EQ(ctl->OtoDlg.cboKuroIsi.Items.at(0), "ビープ音");
    NewHumanGame(*ctl);
    Play(4, 4);
    Play(5, 5);
    EXPECT_EQ(view.player.played, (std::vector<std::string>{"beep", "a.WAV"}));

    // Unticked, every move is silent, and "OFF" is stored.
    ctl->OtoDlg.chkOto.Checked = false;
    ctl->OtoDlg.OKBtnClick();
    Play(6, 6);
    EXPECT_EQ(view.player.played.size(), 2u);
    EXPECT_TRUE(Has(Ini(), "SOUND=OFF") || Has(Ini(), "Sound=OFF"));
}

// A wave file: the format chunk (tag, channels, rate, bits), chunks before
// the data, then the data chunk with its stated size and the bytes present.
std::string Wave(int tag, int channels, int rate, int bits, const std::string& before, std::uint32_t dataSize,
                 std::size_t present, int fmtSize = 16)
{
    auto le = [](std::uint32_t v, int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xFF);
        return s;
    };
    const int align = channels * bits / 8;
    std::string fmt = le(tag == 0xFFFE ? 0xFFFE : tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4)
                      + le(align, 2) + le(bits, 2);
    if (fmtSize == 40)
        fmt += le(22, 2) + le(bits, 2) + le(0, 4) + le(1, 2) + std::string(14, '\0');
    fmt.resize(fmtSize, '\0');
    std::string body = "WAVEfmt " + le(fmtSize, 4) + fmt + before + "data" + le(dataSize, 4) + std::string(present, 'x');
    return "RIFF" + le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

TEST(ParseWave, ReadsPlainWavesAndRefusesTheRest)
{
    const std::string list = std::string("LIST") + '\3' + std::string(3, '\0') + "abc" + '\0';  // odd, padded
    struct Case {
        const char* what;
        std::string bytes;
        bool ok;
        int channels, bits;
        std::size_t offset, size;
    } const cases[] = {
        {"16-bit mono", Wave(1, 1, 8000, 16, "", 100, 100), true, 1, 16, 44, 100},
        {"8-bit stereo", Wave(1, 2, 22050, 8, "", 64, 64), true, 2, 8, 44, 64},
        {"float", Wave(3, 1, 44100, 32, "", 40, 40), true, 1, 32, 44, 40},
        {"extensible", Wave(0xFFFE, 2, 48000, 16, "", 8, 8, 40), true, 2, 16, 68, 8},
        {"a padded chunk first", Wave(1, 1, 8000, 16, list, 10, 10), true, 1, 16, 56, 10},
        {"data cut short", Wave(1, 2, 8000, 16, "", 1000, 10), true, 2, 16, 44, 8},
        {"no whole frame", Wave(1, 2, 8000, 16, "", 3, 3), false, 0, 0, 0, 0},
        {"compressed", Wave(2, 1, 8000, 4, "", 10, 10), false, 0, 0, 0, 0},
        {"12-bit", Wave(1, 1, 8000, 12, "", 10, 10), false, 0, 0, 0, 0},
        {"no channels", Wave(1, 0, 8000, 16, "", 10, 10), false, 0, 0, 0, 0},
        {"short format", Wave(1, 1, 8000, 16, "", 10, 10, 14), false, 0, 0, 0, 0},
        {"not RIFF", "RIFX" + Wave(1, 1, 8000, 16, "", 10, 10).substr(4), false, 0, 0, 0, 0},
        {"text", "not a sound", false, 0, 0, 0, 0},
        {"empty", "", false, 0, 0, 0, 0},
        {"cut in the header", Wave(1, 1, 8000, 16, "", 10, 10).substr(0, 30), false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TWave w;
        EXPECT_EQ(ParseWave(c.bytes, w), c.ok) << c.what;
        if (!c.ok)
            continue;
        EXPECT_EQ(w.Channels, c.channels) << c.what;
        EXPECT_EQ(w.Bits, c.bits) << c.what;
        EXPECT_EQ(w.DataOffset, c.offset) << c.what;
        EXPECT_EQ(w.DataSize, c.size) << c.what;
    }
    // Data before the format chunk cannot be read.
    std::string swapped = Wave(1, 1, 8000, 16, "", 4, 4);
    const std::string data = swapped.substr(36), fmt = swapped.substr(12, 24);
    swapped = swapped.substr(0, 12) + data + fmt;
    TWave w;
    EXPECT_FALSE(ParseWave(swapped, w));
}

TEST_F(DialogTest, TheDesktopPlayerIsSilentOnMissingAndDamagedFiles)
{
    Start();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(exeDir)));
    // A short wave file, and one that is no wave at all.
    WriteText(exeDir + "tick.wav", Wave(1, 1, 8000, 16, "", 1600, 1600));
    WriteText(exeDir + "bad.wav", "not a sound");
    {
        TQtOtoPlayer player;
        player.Play("missing.wav");
        player.Play("bad.wav");
        player.Play("tick.wav");
        player.Play("tick.wav");
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    QDir::setCurrent(before);
    EXPECT_TRUE(prompt.messages.empty());
}

} // namespace
} // namespace vorn::test
