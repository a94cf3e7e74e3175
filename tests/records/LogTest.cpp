// The trace log: written only while the trace switch is on, line ends, the
// per-game file name, and the text form of a point.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Util.h"

#include "board/Hooks.h"
#include "records/Log.h"

namespace vorn::test {
namespace {

namespace fs = std::filesystem;

// Runs each test in a fresh directory of its own.
class LogTest : public VornTest {
protected:
    void SetUp() override
    {
        VornTest::SetUp();
        old_ = fs::current_path();
        std::string tmpl = (fs::temp_directory_path() / "vorn-log-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
        fs::current_path(dir_);
    }
    void TearDown() override
    {
        fs::current_path(old_);
        fs::remove_all(dir_);
        VornTest::TearDown();
    }
    static std::string Read(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::size_t FileCount() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    fs::path old_, dir_;
};

TEST_F(LogTest, NothingIsWrittenWhileTheSwitchIsOff)
{
    LogClear();
    LogWrite("VornThink0(8)=<4,4>");
    KifuGameName = "Match";
    LogNewGameFile();
    LogWriteGame("line", true);
    LogAppend("text", "other.txt", true);
    EXPECT_EQ(FileCount(), 0u);
    // An existing trace is left alone too.
    { std::ofstream("log.txt") << "old"; }
    LogClear();
    EXPECT_EQ(Read("log.txt"), "old");
}

TEST_F(LogTest, LinesEndWithCrLfAndClearEmptiesTheFile)
{
    LogMode = 1;
    LogClear();
    EXPECT_TRUE(fs::exists("log.txt"));
    EXPECT_EQ(Read("log.txt"), "");
    LogWrite("VornThink0(8)=<4,4>");
    LogWrite("YS=<4,4>3");
    EXPECT_EQ(Read("log.txt"), "VornThink0(8)=<4,4>\r\nYS=<4,4>3\r\n");
    LogClear();
    EXPECT_EQ(Read("log.txt"), "");
}

TEST_F(LogTest, PerGameFileIsNamedAfterTheGameAndTheNextMove)
{
    LogMode = 1;
    BoardSize = 9;
    GobanLv[0]->NewGame();
    for (int i = 0; i < 24; ++i)
        ASSERT_EQ(GobanLv[0]->Utu(1 + i % 9, 1 + i / 9), kUtuOk);
    KifuGameName = "Match";
    LogNewGameFile();
    EXPECT_EQ(LogGameFileName, "Match_25.txt");
    LogWriteGame("<3,3><4,4>", false);
    LogWriteGame(" 12", true);
    EXPECT_EQ(Read("Match_25.txt"), "<3,3><4,4> 12\r\n");
    // The same move again empties the file.
    LogNewGameFile();
    EXPECT_EQ(Read("Match_25.txt"), "");

    KifuGameName.clear();
    LogNewGameFile();
    EXPECT_EQ(LogGameFileName, "_25.txt");
    EXPECT_TRUE(fs::exists("_25.txt"));
}

TEST_F(LogTest, GameNameFromARecordStaysInTheCurrentDirectory)
{
    LogMode = 1;
    KifuGameName = "../escape/x";
    LogNewGameFile();
    EXPECT_EQ(LogGameFileName, ".._escape_x_1.txt");
    EXPECT_TRUE(fs::exists(dir_ / ".._escape_x_1.txt"));
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(LogTest, FailureToOpenIsSilent)
{
    LogMode = 1;
    LogAppend("text", "no-such-dir/log.txt", true);
    LogAppend("text", "", true);
    EXPECT_EQ(FileCount(), 0u);
}

TEST_F(LogTest, PointText)
{
    EXPECT_EQ(ItiToStr(Point(4, 16)), "<4,16>");
    EXPECT_EQ(ItiToStr(Point(0, 0)), "<0,0>");
    EXPECT_EQ(ItiToStr(Point(-3, 5)), "<-3,5>");
    std::string s = "old";
    ItiToStr(Point(19, 1), s);
    EXPECT_EQ(s, "<19,1>");
}

} // namespace
} // namespace vorn::test
