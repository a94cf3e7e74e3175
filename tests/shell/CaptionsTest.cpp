// Language switching and the caption files.
#include "shell/Captions.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QString>

#include <filesystem>
#include <set>

#include "ShellUtil.h"
#include "shell/IniFile.h"
#include "shell/TcpWindow.h"

namespace vorn::test {
namespace {

bool IsNavKey(const std::string& key)
{
    return key == "mnuPrev10" || key == "mnuNext10" || key == "mnuPrevComment" || key == "mnuNextComment";
}

class CaptionsTest : public WindowTest {
protected:
    std::string Text(const std::string& name) { return form->Action(name)->text().toStdString(); }
    // Every caption of the window against the caption file of the language.
    void ExpectCaptionsOf(int language)
    {
        const TIniFile file(exeDir + CaptionFileName(language));
        EXPECT_EQ(form->windowTitle().toStdString(), file.ReadString("Main", "Caption", "?"));
        for (const std::string& key : CaptionKeys()) {
            if (key == "Caption" || IsNavKey(key))
                continue;
            ASSERT_NE(form->Action(key), nullptr) << key;
            EXPECT_EQ(Text(key), file.ReadString("Main", key, "?")) << language << " " << key;
        }
        EXPECT_EQ(Text("mnuPrev10"), file.ReadString("Main", "mnuPrev10", "?"));
        EXPECT_EQ(Text("mnuNext10"), file.ReadString("Main", "mnuNext10", "?"));
    }
};

TEST(CaptionFilesTest, EveryFileHoldsEveryKey)
{
    for (int language : {lgEnglish, lgJapanese, lgChinese}) {
        const TIniFile file(SourceData(CaptionFileName(language)));
        std::set<std::string> seen;
        for (const std::string& key : CaptionKeys()) {
            EXPECT_FALSE(file.ReadString("Main", key, "").empty()) << CaptionFileName(language) << " " << key;
            EXPECT_TRUE(seen.insert(key).second) << key;
        }
    }
    // The built-in captions cover the same keys.
    for (const std::string& key : CaptionKeys()) {
        EXPECT_FALSE(BuiltinCaption(lgEnglish, key).empty()) << key;
        EXPECT_FALSE(BuiltinCaption(lgJapanese, key).empty()) << key;
    }
    // The Japanese file carries the window's designed captions.
    const TIniFile ja(SourceData("JAPANESE.INI"));
    for (const TUiDesign& d : UiDesign()) {
        if (ja.KeyExists("Main", d.name)) {
            EXPECT_EQ(ja.ReadString("Main", d.name, ""), d.caption) << d.name;
        }
    }
}

TEST_F(CaptionsTest, SwitchingLanguageChangesEveryCaption)
{
    Open(19);
    ExpectCaptionsOf(lgJapanese);
    EXPECT_TRUE(Ctl().Checked("mnuJapanese"));

    Ctl().Click("mnuEnglish");
    ExpectCaptionsOf(lgEnglish);
    EXPECT_EQ(Language, lgEnglish);
    EXPECT_TRUE(form->Action("mnuEnglish")->isChecked());
    EXPECT_FALSE(form->Action("mnuJapanese")->isChecked());
    EXPECT_EQ(form->Action("btnNew")->toolTip().toStdString(), "New Game");
    EXPECT_EQ(form->Action("btnNew")->statusTip().toStdString(), "Increase including a game newly");
    EXPECT_EQ(form->Action("btnSave")->statusTip().toStdString(), "");
    EXPECT_EQ(TIniFile(IniFile()).ReadString("Form", "Language", ""), "1");

    // Chinese: its captions, but the messages and hints stay Japanese.
    Ctl().Click("mnuJapanese");
    Ctl().mnuChineseClick();
    ExpectCaptionsOf(lgChinese);
    EXPECT_FALSE(form->Action("mnuChinese")->isVisible());
    EXPECT_TRUE(form->Action("mnuChinese")->isChecked());
    EXPECT_EQ(form->Action("btnLast")->toolTip().toStdString(), "最終手へ");
    EXPECT_STREQ(Msg("Game end", "終局です"), "終局です");
    EXPECT_EQ(TIniFile(IniFile()).ReadString("Form", "Language", ""), "3");

    // Items without a key keep their designed captions.
    EXPECT_EQ(Text("mnuLanguage"), "Language(&L)");
    EXPECT_EQ(Text("mnuTcpIp"), "TCP/IP");
}

TEST_F(CaptionsTest, TheMoveLabelFollowsTheLanguageAtOnce)
{
    Open(19);
    NewHumanGame(Ctl());
    Click(4, 4);
    Click(16, 16);
    const auto label = [this] { return form->TjnInfoLabel()->text().toStdString(); };
    EXPECT_EQ(label(), "第2手 白16-16");
    Ctl().Click("mnuEnglish");
    EXPECT_EQ(label(), "2 White16-16");
    Ctl().Click("mnuPass");
    EXPECT_EQ(label(), "3 BlackPass");
    Ctl().Click("mnuJapanese");
    EXPECT_EQ(label(), "第3手 黒パス");
    // Chinese writes the label in the English form.
    Ctl().mnuChineseClick();
    EXPECT_EQ(label(), "3 BlackPass");
}

// The chat window listens from the start, in the language of that moment;
// its status follows a later switch, whether the window is up or not.
TEST_F(CaptionsTest, TheChatWindowsWaitingTextFollowsTheLanguage)
{
    Open(19);
    QMainWindow* chat = form->TcpWindow();
    ASSERT_NE(chat, nullptr);
    EXPECT_EQ(chat->statusBar()->currentMessage().toStdString(), "受信待ち...");
    Ctl().Click("mnuEnglish");
    Ctl().Click("mnuTcpIp");
    EXPECT_TRUE(chat->isVisible());
    EXPECT_EQ(chat->windowTitle().toStdString(), "Chat");
    EXPECT_EQ(chat->statusBar()->currentMessage().toStdString(), "Waiting...");
    Ctl().Click("mnuJapanese");
    EXPECT_EQ(chat->statusBar()->currentMessage().toStdString(), "受信待ち...");

    // Items that have no English caption keep their designed one in English.
    Ctl().Click("mnuEnglish");
    EXPECT_EQ(Text("mnuDspSakiyomi"), "先読み");
    EXPECT_EQ(Text("mnuBanLeft"), "盤を左に寄せる");
    EXPECT_EQ(Text("mnuTusin"), "通信対局");
}

TEST_F(CaptionsTest, CommentJumpRenamesTheTenMoveItems)
{
    Open(19, "", "[Form]\nLanguage=1\n");
    EXPECT_EQ(Text("mnuPrev10"), "10 Moves Back");
    Ctl().Click("mnuToCmt");
    EXPECT_TRUE(Ctl().Checked("mnuToCmt"));
    EXPECT_EQ(Text("mnuPrev10"), "Previous Comment");
    EXPECT_EQ(Text("mnuNext10"), "Next Comment");
    EXPECT_EQ(TIniFile(IniFile()).ReadString("Form", "ToComment", ""), "ON");
}

TEST_F(CaptionsTest, MissingOrIncompleteCaptionFilesKeepTheMenusReadable)
{
    std::filesystem::remove(exeDir + "ENGLISH.INI");
    WriteText(exeDir + "JAPANESE.INI", "[Main]\nCaption=試験\nmnuFile=ふぁいる\nmnuHelp=\n");
    Open(19);
    EXPECT_EQ(form->windowTitle().toStdString(), "試験");
    EXPECT_EQ(Text("mnuFile"), "ふぁいる");
    EXPECT_EQ(Text("mnuExit"), "終了(&X)");
    EXPECT_EQ(Text("mnuHelp"), BuiltinCaption(lgJapanese, "mnuHelp"));

    Ctl().Click("mnuEnglish");
    EXPECT_EQ(form->windowTitle().toStdString(), BuiltinCaption(lgEnglish, "Caption"));
    for (const std::string& key : CaptionKeys()) {
        if (key == "Caption" || IsNavKey(key))
            continue;
        EXPECT_EQ(Text(key), BuiltinCaption(lgEnglish, key)) << key;
        EXPECT_FALSE(Text(key).empty()) << key;
    }
}

TEST_F(CaptionsTest, HintsGoToTheStatusBar)
{
    Open(19);
    QStatusTipEvent tip(QStringLiteral("途中から対局を始めます"));
    QApplication::sendEvent(form.get(), &tip);
    EXPECT_EQ(form->Status()->currentMessage().toStdString(), "途中から対局を始めます");
}

} // namespace
} // namespace vorn::test
