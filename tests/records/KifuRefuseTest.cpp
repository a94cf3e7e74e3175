// A record whose reading or replay fails with a run-time error is refused
// with the message like any bad file, and the game stays as it was.
#include "RecordsUtil.h"

#include "board/GameKeep.h"

namespace vorn::test {
namespace {

class KifuRefuseTest : public RecordsTest {
protected:
    // A game of a few moves with a header and a setup stone.
    void PlayAGame()
    {
        BoardSize = 13;
        GobanLv[0]->NewGame();
        Shell().HaitiIsi(kSiro, 7, 7);
        Play({{4, 4}, {10, 10}, {4, 10}, Point(), {3, 3}});
        KifuBlackPlayer = "黒";
        KifuResult = "B+R";
    }
};

// The move entry fails at its n-th move.
class TFailingShell : public TRecordingShell {
public:
    bool BanUtu(int x, int y, int noAnalyze) override
    {
        if (++moves == failAt)
            (void)GobanLv[0]->IsDeath(20, 1);
        return TRecordingShell::BanUtu(x, y, noAnalyze);
    }
    int moves = 0;
    int failAt = 0;
};

bool ThrowingParser(const std::string&, TKifuRecord& record, std::string&)
{
    record.Add(TKifuEvent::evReset, 9, 0);
    throw std::out_of_range("basic_string::substr");
}

const char* const kGame = "(;GM[1]FF[4]SZ[9]PB[Black]PW[White];B[cc];W[gg];B[cg];W[gc];B[ee];W[de])";

TEST_F(KifuRefuseTest, AReplayThatFailsLeavesTheGameAsItWas)
{
    PlayAGame();
    WriteText("game.sgf", kGame);
    for (int failAt : {1, 3, 6}) {
        SCOPED_TRACE(failAt);
        const std::string before = GameSnapshot();
        const TGameKeep keep;
        TFailingShell failing;
        failing.failAt = failAt;
        SetShellHooks(&failing);
        Language = lgEnglish;
        EXPECT_FALSE(KifuLoad(Path("game.sgf")));
        SetShellHooks(&shell);
        ASSERT_EQ(failing.messages.size(), 1u);
        EXPECT_EQ(failing.messages[0], Path("game.sgf") + " could not be loaded (index 20 outside 1..19). The current game is kept.")
            << failing.messages[0];
        EXPECT_EQ(GameSnapshot(), before);
        EXPECT_FALSE(keep.Changed());
        EXPECT_EQ(BoardSize, 13);
        EXPECT_EQ(Level, 0);
        EXPECT_TRUE(GobanLv[0]->CheckChains());
    }
    // The same file loads when nothing fails.
    EXPECT_TRUE(Load("game.sgf"));
    EXPECT_EQ(BoardSize, 9);
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 6);
}

TEST_F(KifuRefuseTest, AReaderThatFailsRefusesTheFile)
{
    PlayAGame();
    WriteText("any.sgf", kGame);
    const std::string before = GameSnapshot();
    Language = lgJapanese;
    EXPECT_FALSE(KifuLoadWith(ThrowingParser, Path("any.sgf"), false));
    EXPECT_FALSE(KifuLoadWith(ThrowingParser, Path("any.sgf"), true));
    ASSERT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(shell.messages[0],
              Path("any.sgf") + " は正しい棋譜ではありません（basic_string::substr）。現在の対局はそのままです。");
    EXPECT_EQ(GameSnapshot(), before);
}

// What a keep holds comes back whole: size, handicap, stones, the record
// with its comments, setup stones and the header.
TEST_F(KifuRefuseTest, AKeptGameComesBackWhole)
{
    PlayAGame();
    GobanLv[0]->Tejun.SetComment(2, "a comment");
    const std::string before = GameSnapshot();
    const TGameKeep keep;
    EXPECT_FALSE(keep.Changed());
    WriteText("game.sgf", kGame);
    ASSERT_TRUE(Load("game.sgf"));
    EXPECT_TRUE(keep.Changed());
    EXPECT_NE(GameSnapshot(), before);
    keep.Restore();
    EXPECT_EQ(GameSnapshot(), before);
    EXPECT_FALSE(keep.Changed());
    EXPECT_TRUE(GobanLv[0]->CheckChains());
    // A take-back alone is a change.
    GobanLv[0]->Matta();
    EXPECT_TRUE(keep.Changed());
}

} // namespace
} // namespace vorn::test
