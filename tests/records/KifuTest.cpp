// The front door of the record files: the format by the extension, formats
// that cannot be read, names that are no records, files that cannot be read.
#include "RecordsUtil.h"
#include "records/Kifu.h"

namespace vorn::test {
namespace {

class KifuTest : public RecordsTest {};

TEST_F(KifuTest, FormatByExtensionWithoutRegardToCase)
{
    const struct {
        const char* name;
        const char* ext; // nullptr: no record format
    } cases[] = {
        {"game.sgf", ".sgf"},  {"GAME.SGF", ".sgf"},   {"a.Ig1", ".ig1"},  {"/x/y.z/b.gw1", ".gw1"},
        {"b.RE3", ".re3"},     {"c.wwg", ".wwg"},      {"d.ugf", ".ugf"},  {"e.icf", ".icf"},
        {"a.sgf.bak", nullptr}, {"notes.txt", nullptr}, {"dir.sgf/name", nullptr}, {"sgf", nullptr},
        {"", nullptr},         {"x.sgf.ig1", ".ig1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TKifuFormat* f = KifuFormatOf(c.name);
        if (c.ext == nullptr)
            EXPECT_EQ(f, nullptr);
        else
            EXPECT_STREQ(f ? f->ext : "", c.ext);
    }
}

TEST_F(KifuTest, UpperCaseNameLoadsAsSgf)
{
    WriteText("GAME.SGF", "(;SZ[9];B[ee])");
    ASSERT_TRUE(KifuLoadHeader(Path("GAME.SGF")));
    EXPECT_EQ(BoardSize, 9);
    ASSERT_TRUE(KifuLoad(Path("GAME.SGF")));
    EXPECT_EQ(GobanLv[0]->GetIro(5, 5), kKuro);
}

TEST_F(KifuTest, NamesThatCannotBeLoadedAreReportedAndChangeNothing)
{
    Language = lgEnglish;
    const struct {
        const char* name;
        const char* says;
    } cases[] = {
        {"a.sgf.bak", "not a game record"}, {"notes.txt", "not a game record"}, {"x.gw1", "not a valid game record"},
        {"x.re3", "not a valid game record"}, {"x.wwg", "not a valid game record"},
        {"x.ugf", "not a valid game record"}, {"x.icf", "not a valid game record"}, {"missing.sgf", "Cannot open"},
    };
    Play({{4, 4}, {5, 5}});
    const std::string before = GameSnapshot();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.name) != "missing.sgf")
            WriteText(c.name, "(;SZ[9];B[aa])");
        shell.messages.clear();
        EXPECT_FALSE(KifuLoadHeader(Path(c.name)));
        EXPECT_FALSE(KifuLoad(Path(c.name)));
        ASSERT_EQ(shell.messages.size(), 2u);
        EXPECT_NE(shell.messages[0].find(c.says), std::string::npos) << shell.messages[0];
        EXPECT_EQ(GameSnapshot(), before);
    }
}

TEST_F(KifuTest, SaveChoosesOneFormatAndRefusesOtherNames)
{
    Play({{4, 4}, {0, 0}, {5, 5}});
    EXPECT_FALSE(KifuSave(Path("diagram.txt")));
    EXPECT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(ReadText("diagram.txt"), "");
    EXPECT_FALSE(KifuSave(Path("x.gw1")));
    EXPECT_EQ(shell.messages.size(), 2u);

    ASSERT_TRUE(KifuSave(Path("x.SGF")));
    EXPECT_EQ(ReadText("x.SGF").substr(0, 4), "(;\r\n");
    ASSERT_TRUE(KifuSave(Path("x.sgf.ig1")));
    EXPECT_EQ(ReadText("x.sgf.ig1").substr(0, 10), "#COMMENT\r\n");

    EXPECT_FALSE(KifuSave(Path("no/such/dir/x.sgf")));
    EXPECT_EQ(shell.messages.size(), 3u);
}

TEST_F(KifuTest, HeaderLoadResetsTheBoardAndSetupStones)
{
    Play({{4, 4}, {5, 5}});
    Shell().HaitiIsi(kSiro, 1, 1);
    WriteText("h.sgf", "(;SZ[13]HA[4];W[aa])");
    ASSERT_TRUE(KifuLoadHeader(Path("h.sgf")));
    EXPECT_EQ(BoardSize, 13);
    EXPECT_EQ(Handicap, 4);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 0);
    EXPECT_EQ(HaitiBan[1][1], 0);
    EXPECT_EQ(GobanLv[0]->GetIro(4, 4), kKuro); // a handicap stone
    EXPECT_EQ(GobanLv[0]->GetIro(5, 5), kAki);
}

TEST_F(KifuTest, WritersSaveTheGameDialogsFields)
{
    // The shell's dialog may hold an edited header: that is what is saved.
    struct TDialogShell : TRecordingShell {
        TKifuHeader GameInfoFields() override
        {
            TKifuHeader h;
            h.BlackPlayer = "edited";
            return h;
        }
    } dialog;
    SetShellHooks(&dialog);
    KifuBlackPlayer = "loaded";
    ASSERT_TRUE(KifuSave(Path("d.sgf")));
    EXPECT_NE(ReadText("d.sgf").find("PB[edited]"), std::string::npos);
    SetShellHooks(&shell);
}

} // namespace
} // namespace vorn::test
