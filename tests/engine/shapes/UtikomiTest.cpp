// Invasions between the opponent's linked stones on the low lines: the point
// of each shape, and what keeps it from being proposed.
#include <string>
#include <vector>

#include "Util.h"
#include "engine/DecisionUtil.h"
#include "engine/shapes/RelationMoves.h"

#include "board/Goban.h"
#include "board/Locate.h"
#include "engine/Koho.h"
#include "engine/Think.h"
#include "engine/shapes/Utikomi.h"

namespace vorn::test {
namespace {

using UtikomiTest = VornTest;

TEST_F(UtikomiTest, InvasionPoints)
{
    // Black (the engine) invades between White's stones; 19 x 19, the upper
    // left corner.  A White stone on the fourth line whose link to the edge
    // is firm also gives the second-line point under it.
    struct {
        const char* name;
        std::vector<std::pair<const char*, char>> stones;
        std::vector<const char*> want;
    } const cases[] = {
        {"one-space jump on the fourth line: under the gap", {{"C4", 'O'}, {"E4", 'O'}}, {"D3", "C2", "E2"}},
        {"a third White stone in the box", {{"C4", 'O'}, {"E4", 'O'}, {"D5", 'O'}}, {"C2", "E2"}},
        {"a Black stone in the box", {{"C4", 'O'}, {"E4", 'O'}, {"D5", 'X'}}, {"C2", "E2"}},
        {"knight's move from the third line: the fifth-line point", {{"E3", 'O'}, {"C4", 'O'}}, {"E5"}},
        {"the knight's point already in touch with Black", {{"E3", 'O'}, {"C4", 'O'}, {"H5", 'X'}}, {}},
        {"a fourth-line stone facing the edge", {{"J4", 'O'}}, {"J2"}},
        {"the second-line point in touch with Black", {{"J4", 'O'}, {"M2", 'X'}}, {}},
        {"the second-line point in touch with two White stones", {{"J4", 'O'}, {"H2", 'O'}, {"L2", 'O'}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrepareDecision(Stones(19, c.stones).c_str(), kKuro);
        KohoKind = kkKankei;
        AiteKankeiThink();
        EXPECT_EQ(Level, 0);
        EXPECT_EQ(KohoKind, kkAiteKankei);
        EXPECT_EQ(KohoCount, static_cast<int>(c.want.size())) << CandidateList();
        for (const char* name : c.want) {
            const int i = KohoEntry(ParsePoint(name));
            ASSERT_NE(i, 0) << name << CandidateList();
            EXPECT_EQ(Koho.Value[i], 18);
            EXPECT_EQ(Koho.Bonus[i], 0);
            EXPECT_EQ(Koho.Kind[i], kkAiteKankei);
        }
    }
}

TEST_F(UtikomiTest, TheEdgeLinkStandsWhereItsPointIsTaken)
{
    // The premise of the two last invasion cases: the fourth-line stone's
    // link to the edge is still firm, only its second-line point is claimed.
    for (const auto& stones : {std::vector<std::pair<const char*, char>>{{"J4", 'O'}, {"M2", 'X'}},
                               std::vector<std::pair<const char*, char>>{{"J4", 'O'}, {"H2", 'O'}, {"L2", 'O'}}}) {
        PrepareDecision(Stones(19, stones).c_str(), kKuro);
        const TLocate& stone = GobanLv[0]->GetLocatePt(ParsePoint("J4"));
        bool edge = false;
        for (int i = 1; i <= stone.GetKankeiSu(); ++i)
            edge = edge || (stone.GetKankeiKind(i) == Kankei3ken && !stone.OnBoardAt(i) && stone.GetLinkGrade(i) == 1);
        EXPECT_TRUE(edge);
        const TLocate& x = GobanLv[0]->GetLocatePt(ParsePoint("J2"));
        EXPECT_TRUE(x.CountIro(kKuro) > 0 || x.CountKankeiLE(KankeiOgeima, kSiro) >= 2);
    }
}

TEST_F(UtikomiTest, AddsOnlyAndNeverSelects)
{
    // The engine's own links are not invaded, and nothing is chosen.
    PrepareDecision(Stones(19, {{"C4", 'X'}, {"E4", 'X'}, {"J4", 'X'}}).c_str(), kKuro);
    AiteKankeiThink();
    EXPECT_EQ(KohoCount, 0) << CandidateList();
    PrepareDecision(Stones(19, {{"C4", 'O'}, {"E4", 'O'}}).c_str(), kKuro);
    ThinkTe = Point();
    AiteKankeiThink();
    EXPECT_GT(KohoCount, 0);
    EXPECT_EQ(ThinkTe, Point());
}

} // namespace
} // namespace vorn::test
