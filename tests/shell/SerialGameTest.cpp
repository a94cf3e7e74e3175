// Whole 9x9 games of our engine against GNU Go in Go Modem Protocol mode,
// over a pseudo-terminal that the program opens as COM1: the program is
// set up through the game dialog as a user would, and the game runs to its
// end (two passes).  Every move must be legal on both sides, and the game
// GNU Go writes must be ours move by move and stone by stone.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <unistd.h>

#include "GnuGo.h"
#include "GameUtil.h"
#include "board/Rand.h"

namespace vorn::test {
namespace {

using std::chrono::steady_clock;

// The moves of an SGF game record: (x, y) with y counted from the top,
// (0, 0) a pass; colours alternate from Black.
std::vector<Point> SgfMoves(const std::string& sgf, std::vector<int>& colours)
{
    std::vector<Point> moves;
    for (std::size_t i = 0; i + 2 < sgf.size(); ++i) {
        if (sgf[i] != ';' || (sgf[i + 1] != 'B' && sgf[i + 1] != 'W') || sgf[i + 2] != '[')
            continue;
        const std::size_t end = sgf.find(']', i + 3);
        const std::string v = sgf.substr(i + 3, end - i - 3);
        colours.push_back(sgf[i + 1] == 'B' ? kKuro : kSiro);
        moves.push_back(v.size() == 2 && v != "tt" ? Point(v[0] - 'a' + 1, v[1] - 'a' + 1) : Point());
    }
    return moves;
}

// The stones of a colour on board 0 as GNU Go lists them ("A1 C3 ...").
std::string OurStones(const GnuGo& g, int colour)
{
    std::vector<std::string> v;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (GobanLv[0]->GetIro(x, y) == colour)
                v.push_back(g.Vertex(Point(x, y)));
    std::sort(v.begin(), v.end());
    std::string s;
    for (const std::string& t : v)
        s += t + " ";
    return s;
}

std::string SortedList(const std::string& list)
{
    std::istringstream in(list);
    std::vector<std::string> v;
    for (std::string t; in >> t;)
        v.push_back(t);
    std::sort(v.begin(), v.end());
    std::string s;
    for (const std::string& t : v)
        s += t + " ";
    return s;
}

class SerialGameTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        if (!GnuGo::Available())
            GTEST_SKIP() << "gnugo is not installed";
        ASSERT_GE(pty.master, 0);
        // A continuous match saves its records in the current directory.
        saved_ = std::filesystem::current_path();
        std::filesystem::current_path(exeDir);
        view.ctl = &ctl;
        WriteIni("[Goban]\nSize=9\n[Form]\nLanguage=1\n[Comm]\nCom1=" + pty.name + "\n");
        ctl.FormCreate(exeDir, {});
        RandSeed(35);
    }
    void TearDown() override
    {
        peer.Kill();
        if (ctl.FormCreated == 1)
            ctl.FormClose();
        if (!saved_.empty())
            std::filesystem::current_path(saved_);
        ShellTest::TearDown();
    }

    void Start(bool engineBlack, bool match = false)
    {
        StartSerialGame(ctl, engineBlack, match);
        ASSERT_TRUE(ctl.Com.CommX1.Opened());
    }

    // A fresh GNU Go on the line playing the colour, writing its record.
    void PeerStarts(const char* colour, const std::string& sgf)
    {
        peer.Kill();
        ASSERT_TRUE(peer.Start(pty.master, std::string("--boardsize 9 --level 1 --never-resign -r 7 --color ")
                                               + colour + " -o " + sgf));
        pty.CloseSlave();
    }

    // Runs the game, the link's timer firing at once, to its end (two
    // passes).  It must not stop or take longer than 20 seconds.
    void PlayOut()
    {
        const auto end = steady_clock::now() + std::chrono::seconds(20);
        while (GameOver != 1 && ctl.GameRunning == 1 && steady_clock::now() < end) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            if (ctl.Com.timVorn.Enabled)
                ctl.Com.timVornTimer();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_EQ(GameOver, 1) << "moves: " << GobanLv[0]->Tejun.Last() << "\n" << Trace();
        // GNU Go confirms the end with one more pass; it is acknowledged and
        // changes nothing.
        const auto confirm = steady_clock::now() + std::chrono::milliseconds(300);
        while (steady_clock::now() < confirm)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(GameOver, 1);
        EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front() << "\n" << Trace();
    }

    // The packet trace, for a failure's message.
    std::string Trace() const
    {
        std::string s;
        for (const std::string& line : ctl.Com.Memo1)
            s += line + "\n";
        return s;
    }

    // GNU Go's record is ours, move by move, and its final position ours.
    void SameGame(const std::string& sgfPath)
    {
        // GNU Go writes its record after every move; the last may still be
        // on its way.
        const TTejun& t = GobanLv[0]->Tejun;
        std::stringstream ss;
        std::vector<int> colours;
        std::vector<Point> moves;
        const auto end = steady_clock::now() + std::chrono::seconds(3);
        for (;;) {
            std::ifstream in(sgfPath);
            ss.str("");
            ss << in.rdbuf();
            colours.clear();
            moves = SgfMoves(ss.str(), colours);
            if (static_cast<int>(moves.size()) >= t.Last() || steady_clock::now() > end)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ASSERT_EQ(static_cast<int>(moves.size()), t.Last()) << ss.str();
        EXPECT_GT(t.Last(), 10);
        for (int n = 1; n <= t.Last(); ++n) {
            EXPECT_EQ(moves[n - 1], t.GetTe(n)) << "move " << n;
            EXPECT_EQ(colours[n - 1], t.TeColor(n)) << "move " << n;
        }
        GnuGo g;
        ASSERT_TRUE(g.Start(9));
        g.Command("loadsgf " + sgfPath);
        EXPECT_EQ(SortedList(g.Command("list_stones black")), OurStones(g, kKuro));
        EXPECT_EQ(SortedList(g.Command("list_stones white")), OurStones(g, kSiro));
    }

    PtyPair pty;
    GnuGoGmp peer;
    TLinkView view;
    TNullCanvas canvas;
    TScriptPrompt prompt;
    TMainCtl ctl{view, canvas, prompt};

private:
    std::filesystem::path saved_;
};

TEST_F(SerialGameTest, TwoGamesOfOneRunWithBothColours)
{
    // The engine as Black sends NEWGAME at once; GNU Go as White waits for
    // it and finds it in the line when it starts.
    Start(true);
    ASSERT_FALSE(ctl.Com.Memo1.empty());
    EXPECT_EQ(ctl.Com.Memo1[0], "01 a1 a0 80  ---> Send Data");
    PeerStarts("white", exeDir + "first.sgf");
    PlayOut();
    SameGame(exeDir + "first.sgf");

    // A new game with the colours changed, against a freshly started GNU Go
    // that speaks first: the sequence bits of the first game are gone.
    ctl.GameStop();
    EXPECT_FALSE(ctl.Com.CommX1.Opened());
    EXPECT_TRUE(peer.Wait(5000)) << "GNU Go ends when the line closes";
    Start(false);
    EXPECT_TRUE(ctl.Com.Memo1.empty());
    PeerStarts("black", exeDir + "second.sgf");
    PlayOut();
    SameGame(exeDir + "second.sgf");
}

TEST_F(SerialGameTest, ContinuousMatchChangesColoursOnTheOpenLine)
{
    Start(false, true);
    PeerStarts("black", exeDir + "first.sgf");
    PlayOut();
    SameGame(exeDir + "first.sgf");
    EXPECT_TRUE(std::filesystem::exists(exeDir + "Play1.sgf"));
    EXPECT_EQ(ctl.Turn.timRenzoku.Interval, 30000);

    // The next game: the engine takes Black and sends NEWGAME on the line
    // that stayed open, to the next GNU Go.
    peer.Kill();
    ctl.Score.timRenzokuTimer();
    EXPECT_EQ(PlayerKind[kKuro], pkComputer);
    EXPECT_EQ(PlayerKind[kSiro], pkSerial);
    ASSERT_TRUE(ctl.Com.CommX1.Opened());
    ASSERT_EQ(ctl.Com.Memo1.size(), 1u);
    EXPECT_EQ(ctl.Com.Memo1[0], "01 a1 a0 80  ---> Send Data");
    PeerStarts("white", exeDir + "second.sgf");
    PlayOut();
    SameGame(exeDir + "second.sgf");
}

TEST_F(SerialGameTest, CrossedNewGamesOfTwoBlacksEndWithTheColourMessage)
{
    // The engine as Black sends NEWGAME; GNU Go as Black sends its own as it
    // starts, before it reads ours.  Ours goes again and is taken; told that
    // we play Black too, GNU Go ends and the line closes.
    Start(true);
    PeerStarts("black", exeDir + "crossed.sgf");
    auto end = steady_clock::now() + std::chrono::seconds(10);
    bool ended = false;
    while (!(ended = peer.Wait(0)) && steady_clock::now() < end)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(ended) << "GNU Go waits on\n" << Trace();
    // Its end of the line goes with it.
    close(pty.master);
    pty.master = -1;
    end = steady_clock::now() + std::chrono::seconds(5);
    while (prompt.messages.empty() && steady_clock::now() < end)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const std::string text = "The colours do not agree: told that we play Black, the other side closed the serial "
                             "line (COM1). The game was stopped.";
    EXPECT_EQ(prompt.messages, std::vector<std::string>{text}) << Trace();
    EXPECT_EQ(ctl.GameRunning, 0);
    ASSERT_GE(ctl.Com.Memo1.size(), 3u);
    EXPECT_EQ(ctl.Com.Memo1[1], "01 a1 a0 80  <--- Read Data");
    EXPECT_EQ(ctl.Com.Memo1[2], "01 a1 a0 80  ---> ReSend Data");
}

TEST_F(SerialGameTest, CrossedNewGamesWithTheColoursApartStartTheGame)
{
    // The engine plays White here and sends NEWGAME as well, as a program
    // may whatever its colour; GNU Go as Black sends its own.  Ours is
    // taken, the colours fit, and the game is played out.
    Start(false);
    ctl.Com.Gmp.SendNewGame();
    PeerStarts("black", exeDir + "crossed.sgf");
    PlayOut();
    ASSERT_GE(ctl.Com.Memo1.size(), 3u);
    EXPECT_EQ(ctl.Com.Memo1[1], "01 a1 a0 80  <--- Read Data");
    EXPECT_EQ(ctl.Com.Memo1[2], "01 a1 a0 80  ---> ReSend Data");
    SameGame(exeDir + "crossed.sgf");
}

} // namespace
} // namespace vorn::test
