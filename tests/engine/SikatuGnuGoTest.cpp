// Life and death and capturing races against GNU Go: every kill and life
// move that the engine proposes in the life-and-death problems is one that
// GNU Go's owl reading confirms (so any correct move passes, not only the
// listed ones), and every race move of the race problems keeps, by GNU Go's
// semeai reading, the race that the side to move wins when it moves first.
#include "GnuGo.h"
#include "Problems.h"
#include "Util.h"

#include <sstream>

#include "board/Diagram.h"
#include "board/Gun.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

class SikatuGnuGoTest : public VornTest {
protected:
    // GNU Go's board as board 0 stands.
    static void Mirror(GnuGo& gg)
    {
        const TGoban& b = *GobanLv[0];
        ASSERT_TRUE(gg.Start(BoardSize));
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                if (const int c = b.GetIro(x, y); c == kKuro || c == kSiro)
                    gg.Command(std::string("play ") + (c == kKuro ? "black " : "white ") + gg.Vertex(Point(x, y)));
    }
    static std::string FirstWord(const std::string& s)
    {
        std::istringstream in(s);
        std::string w;
        in >> w;
        return w;
    }
};

TEST_F(SikatuGnuGoTest, KillAndLifeMovesAreConfirmedByGnuGo)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    int moves = 0, passes = 0;
    for (const TProblem& p : LoadProblems("sikatu.tst"))
        for (const TProblemCheck& check : p.checks) {
            if (check.command != "kill" && check.command != "live")
                continue;
            ResetProgramState();
            SetupProblem(p);
            std::string detail;
            const std::string answer = RunProblemCommand(check, detail);
            GnuGo gg;
            ASSERT_NO_FATAL_FAILURE(Mirror(gg));
            const bool kill = check.command == "kill";
            const std::string target = check.args.at(0);
            if (answer == "pass") {
                // Nothing proposed: GNU Go finds nothing either.
                EXPECT_EQ(FirstWord(gg.Command((kill ? "owl_attack " : "owl_defend ") + target)),
                          kill ? "0" : "1")
                    << p.Where() << " " << check.text;
                ++passes;
                continue;
            }
            const std::string verdict
                = gg.Command((kill ? "owl_does_attack " : "owl_does_defend ") + answer + " " + target);
            EXPECT_EQ(FirstWord(verdict), "1") << p.Where() << " " << check.text << ": the engine's " << answer
                                               << "\n" << detail;
            ++moves;
        }
    EXPECT_GE(moves, 10);
    EXPECT_GE(passes, 2);
}

TEST_F(SikatuGnuGoTest, RaceMovesKeepTheRaceWonForGnuGo)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    int races = 0;
    for (const TProblem& p : LoadProblems("semeai.tst"))
        for (const TProblemCheck& check : p.checks) {
            if (check.command != "semeai")
                continue;
            ResetProgramState();
            SetupProblem(p);
            std::string detail;
            const std::string answer = RunProblemCommand(check, detail);
            ASSERT_NE(answer, "pass") << p.Where();
            // The engine's races: its groups in a race and their partners.
            const TGoban& b = *GobanLv[0];
            std::vector<std::pair<Point, Point>> pairs;
            for (int n = 1; n <= b.GunList.GetCount(); ++n) {
                const TGun* g = b.GunList.GetGun(n);
                if (g == nullptr || g->GetIsiIro() != JibunIro || g->GetSmai() != 1)
                    continue;
                for (int i = 1; i <= g->GetSemeaiSu(); ++i)
                    if (const TGun* q = b.GunList.GetGun(g->GetSemeai(i)); q != nullptr)
                        pairs.emplace_back(g->GetYoso(1), q->GetYoso(1));
            }
            GnuGo gg;
            ASSERT_NO_FATAL_FAILURE(Mirror(gg));
            const std::string colour = JibunIro == kKuro ? "black" : "white";
            int critical = 0;
            for (const auto& [own, partner] : pairs) {
                const std::string a = gg.Vertex(own), z = gg.Vertex(partner);
                // A race that whoever moves first wins.
                if (gg.Command("analyze_semeai " + a + " " + z).rfind("1 1", 0) != 0
                    || gg.Command("analyze_semeai " + z + " " + a).rfind("1 1", 0) != 0)
                    continue;
                ++critical;
                EXPECT_EQ(gg.Command("analyze_semeai_after_move " + colour + " " + answer + " " + a + " " + z).substr(0, 3),
                          "1 1")
                    << p.Where() << ": the engine's " << answer << " loses the race of " << a << " against " << z;
            }
            EXPECT_GE(critical, 1) << p.Where();
            ++races;
        }
    EXPECT_GE(races, 4);
}

} // namespace
} // namespace vorn::test
