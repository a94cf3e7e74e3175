// The comment window: what the user types belongs to the move shown, goes
// into the record and its files, and is never lost or invented by moving
// through the record; its place follows the side-window scheme.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "DialogUtil.h"
#include "shell/CommentForm.h"
#include "shell/IniFile.h"

namespace vorn::test {
namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const TTejun& Record() { return GobanLv[0]->Tejun; }

class CommentTest : public DialogTest {
protected:
    // A game between two people with the comment window open and three moves.
    void ThreeMoves()
    {
        Start();
        ctl->Click("mnuComment");
        ASSERT_TRUE(view.commentShown);
        NewHumanGame(*ctl);
        Play(4, 4);
        Play(16, 16);
        Play(16, 4);
    }
};

TEST_F(CommentTest, ATypedCommentStaysWithItsMoveAndReachesTheFile)
{
    ThreeMoves();
    Type("a fine move\nreally");
    ctl->Click("mnuPrev");
    EXPECT_EQ(ctl->CommntF.Memo, "");
    ctl->Click("mnuNext");
    EXPECT_EQ(ctl->CommntF.Memo, "a fine move\nreally");
    EXPECT_FALSE(ctl->CommntF.Modified);
    // Lines are kept with CR LF in the record.
    EXPECT_EQ(Record().GetComment(3), "a fine move\r\nreally");

    const std::string path = exeDir + "c.sgf";
    prompt.files.push_back(path);
    ctl->Click("mnuSaveAs");
    const std::string sgf = ReadText(path);
    EXPECT_TRUE(Has(sgf, "C[a fine move")) << sgf;
    // Read back, the comment shows as it was typed.
    prompt.files.push_back(path);
    ctl->Click("mnuOpen");
    ctl->Click("mnuLast");
    EXPECT_EQ(Record().Current(), 3);
    EXPECT_EQ(ctl->CommntF.Memo, "a fine move\nreally");
}

TEST_F(CommentTest, AnEmptiedBoxRemovesTheCommentAndAnUntouchedOneChangesNothing)
{
    ThreeMoves();
    Type("first");
    ctl->Click("mnuPrev");  // move 2, untouched and empty
    ctl->Click("mnuPrev");  // move 1
    EXPECT_FALSE(Record().HasComment(2));
    ctl->Click("mnuLast");
    EXPECT_EQ(ctl->CommntF.Memo, "first");
    Type("");
    ctl->Click("mnuPrev");
    EXPECT_FALSE(Record().HasComment(3));
    ctl->Click("mnuNext");
    EXPECT_EQ(ctl->CommntF.Memo, "");
}

TEST_F(CommentTest, MoveZeroHasACommentOfItsOwn)
{
    ThreeMoves();
    ctl->Click("mnuFirst");
    ASSERT_EQ(Record().Current(), 0);
    Type("before the game");
    ctl->Click("mnuNext");
    EXPECT_EQ(Record().GetComment(0), "before the game");
    EXPECT_FALSE(Record().HasComment(1));
    ctl->Click("mnuFirst");
    EXPECT_EQ(ctl->CommntF.Memo, "before the game");
}

TEST_F(CommentTest, ANewMoveStartsEmptyAndAnEngineTurnSavesFirst)
{
    ThreeMoves();
    Type("typed before the next move");
    Play(4, 16);
    EXPECT_EQ(Record().GetComment(3), "typed before the next move");
    EXPECT_EQ(ctl->CommntF.Memo, "");
    EXPECT_FALSE(Record().HasComment(4));
    // With the window hidden a played move does not save the box.
    ctl->Click("mnuComment");
    EXPECT_FALSE(view.commentShown);
    Type("not saved");
    Play(10, 10);
    EXPECT_FALSE(Record().HasComment(4));
}

TEST_F(CommentTest, ALongCommentFromARecordIsShownAndKeptWhole)
{
    Start();
    ctl->Click("mnuComment");
    std::string longText;
    for (int i = 0; i < 150; ++i)
        longText += "0123456789012345678\r\n";  // 3150 characters
    const std::string path = exeDir + "long.sgf";
    WriteText(path, "(;SZ[9];B[ee]C[" + longText + "];W[cc])");
    prompt.files.push_back(path);
    ctl->Click("mnuOpen");
    ConfirmHumanGame(*ctl);
    ctl->Click("mnuFirst");
    ctl->Click("mnuNext");
    EXPECT_EQ(ctl->CommntF.Memo.size(), 3000u);
    ctl->Click("mnuNext");
    ctl->Click("mnuPrev");
    EXPECT_EQ(Record().GetComment(1).size(), longText.size() - 150);  // the reader keeps LF
    EXPECT_EQ(ctl->CommntF.Memo.size(), 3000u);
}

TEST(TypedExcess, TypingStopsAtTheLimitButAnythingMayShrink)
{
    struct Case {
        int length, removed, added, excess;
    } const cases[] = {
        {1500, 0, 1, 0}, {1501, 0, 1, 1}, {1505, 0, 10, 5}, {3001, 0, 1, 1},
        {2996, 5, 1, 0}, {3000, 1, 1, 0}, {1510, 0, 400, 10}, {0, 0, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TypedExcess(c.length, c.removed, c.added, 1500), c.excess)
            << c.length << " " << c.removed << " " << c.added;
}

// --- Place, font and the close box -------------------------------------------

TEST_F(CommentTest, WithoutItsSectionTheWindowOpensBelowTheMainWindow)
{
    Start("[Form]\nLeft=30\nTop=40\nWidth=500\nHeight=450\n");
    EXPECT_EQ(ctl->CommntF.Geometry, (TSideGeometry{30, 490, 500, 200}));
    EXPECT_EQ(ctl->CommntF.FontColor, TCommntF::kSystemTextColor);
    EXPECT_EQ(ctl->CommntF.FontSize, 9);
    EXPECT_EQ(ctl->CommntF.FontName, "ＭＳ Ｐゴシック");
    ctl->CommntF.Geometry = TSideGeometry{5, 6, 300, 120};
    ctl->CommntF.FontSize = 12;
    Restart();
    const std::string ini = Ini();
    for (const char* line : {"[CommentF]", "Left=5", "Top=6", "Width=300", "Height=120", "FontColor=-2147483640",
                             "FontSize=12", "FontName=ＭＳ Ｐゴシック"})
        EXPECT_TRUE(Has(ini, line)) << line << "\n" << ini;
    EXPECT_EQ(ctl->CommntF.Geometry, (TSideGeometry{5, 6, 300, 120}));
    EXPECT_EQ(ctl->CommntF.FontSize, 12);
}

TEST_F(CommentTest, TheCloseBoxUnticksTheMenuAndStoresOff)
{
    Start("[Form]\nComment=ON\n");
    EXPECT_TRUE(ctl->Checked("mnuComment"));
    ctl->CommntF.FormClose();
    EXPECT_FALSE(ctl->Checked("mnuComment"));
    EXPECT_TRUE(Has(Ini(), "Comment=OFF"));
    ctl->CommntF.FormActivate();
    EXPECT_EQ(ctl->CommntF.Caption, "コメント");
    ctl->LanguageSelect(lgEnglish);
    ctl->CommntF.FormActivate();
    EXPECT_EQ(ctl->CommntF.Caption, "Comment");
    EXPECT_EQ(ctl->CommntF.FontCaption, "Font");
}

TEST_F(ShellTest, SideGeometryReadsDefaultsOrKeepsTheDesign)
{
    WriteIni("[RenInfo]\nLeft=7\nTop=-1\nWidth=abc\n[RenForm]\nHeight=90\n");
    const TIniFile ini(IniFile());
    const TSideGeometry design{475, 98, 341, 254};
    EXPECT_EQ(SideGeometryReadKeep(ini, "RenInfo", design), (TSideGeometry{7, 98, 341, 254}));
    EXPECT_EQ(SideGeometryReadKeep(ini, "Nothing", design), design);
    EXPECT_EQ(SideGeometryRead(ini, "RenForm", TSideGeometry{0, 0, 100, 100}), (TSideGeometry{0, 0, 100, 90}));
    TIniFile out(IniFile());
    SideGeometryWrite(out, "FormHyoka", TSideGeometry{1, 2, 233, 200});
    out.UpdateFile();
    const TIniFile back(IniFile());
    EXPECT_EQ(SideGeometryRead(back, "FormHyoka", TSideGeometry{}), (TSideGeometry{1, 2, 233, 200}));
}

// --- The window ---------------------------------------------------------------

class CommentWindowTest : public WindowTest {};

TEST_F(CommentWindowTest, TypingInTheWindowReachesTheRecordAndStopsAtTheLimit)
{
    Open(9, "", "[Form]\nComment=ON\n");
    TCommntForm* f = form->CommentForm();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    NewHumanGame(Ctl());
    Click(5, 5);
    Click(3, 3);
    QPlainTextEdit* memo = f->Memo();
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText(QStringLiteral("白の応手\n二行目"));
    Ctl().Click("mnuPrev");
    EXPECT_EQ(memo->toPlainText(), QString());
    Ctl().Click("mnuNext");
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("白の応手\n二行目"));
    EXPECT_EQ(GobanLv[0]->Tejun.GetComment(2), "白の応手\r\n二行目");

    // A comment longer than typing allows is shown and left whole.
    const std::string longText(3000, 'x');
    GobanLv[0]->Tejun.SetComment(1, longText);
    Ctl().Click("mnuPrev");
    EXPECT_EQ(memo->toPlainText().size(), 3000);
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText(QStringLiteral("y"));  // typing refused
    QApplication::processEvents();
    Ctl().Click("mnuNext");
    EXPECT_EQ(GobanLv[0]->Tejun.GetComment(1), longText);

    memo->clear();
    memo->insertPlainText(QString(1600, QLatin1Char('a')));
    QApplication::processEvents();
    EXPECT_EQ(memo->toPlainText().size(), TCommntF::kMaxLength);

    // Closing it by its close box unticks the menu item.
    f->close();
    EXPECT_FALSE(Ctl().Checked("mnuComment"));
    EXPECT_FALSE(form->CommentShown());
}

} // namespace
} // namespace vorn::test
