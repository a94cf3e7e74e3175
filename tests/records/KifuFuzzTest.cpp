// Damaged records from a seeded random source: valid SGF and .ig1 files cut
// short, bytes flipped, delimiters and multi-byte lead bytes thrown in,
// stretches repeated.  No reader may crash or read past its data, a refused file
// must leave the game alone, and an accepted one must leave a sound board.
#include "RecordWriters.h"
#include "RecordsUtil.h"
#include "records/KifuBinary.h"
#include "records/KifuIg1.h"
#include "records/KifuLines.h"
#include "records/KifuSgf.h"

namespace vorn::test {
namespace {

class KifuFuzzTest : public RecordsTest {
protected:
    // Valid records to start from: written by our writers, and by hand.
    std::vector<std::string> Seeds()
    {
        std::vector<std::string> seeds = {
            "(;GM[1]FF[4]CA[UTF-8]SZ[9]HA[0]PB[黒]C[root \\] c]AB[aa:bb]AW[ee];B[cc]TR[dd]LB[ff:AB];W[tt]"
            "(;B[gg]C[x\\\\y];W[hh])(;B[ii]))",
            "(;CA[Shift_JIS]SZ[13]PW[\x83\x5c\x83\x5d];B[aa]C[\x95\x5c];W[bb])(;SZ[9];B[aa])",
            "#COMMENT\r\nGAME_NAME \x91\xce\x8b\xc7\r\nKOMI\x81\x40" "6.5\r\nINT 9 0\r\nMOV\r\nC03 A00 D04 MAT E05\r\n-\r\n",
        };
        Handicap = 2;
        GobanLv[0]->NewGame();
        Shell().HaitiIsi(kSiro, 3, 3);
        PlayRandom(40, [](int i) { return i % 13 == 7; });
        GobanLv[0]->Tejun.SetComment(3, "コメント ] \\");
        GobanLv[0]->Tejun.AddMark(4, "△", 4, 4);
        KifuGameName = "名前";
        seeds.push_back(KifuSgfText());
        seeds.push_back(KifuIg1Text());
        return seeds;
    }

    static std::string Mutate(std::string s)
    {
        static const char kDelimiters[] = "()[];\\:\r\n ABWCMT-0123456789\x81\x83\x5c\x5d\xe3\xff";
        const int edits = 1 + Random(4);
        for (int e = 0; e < edits; ++e) {
            const int len = static_cast<int>(s.size());
            const int at = len > 0 ? Random(len) : 0;
            switch (Random(6)) {
            case 0: // cut short
                s.resize(static_cast<std::size_t>(at));
                break;
            case 1: // flip a byte
                if (len > 0)
                    s[static_cast<std::size_t>(at)] = static_cast<char>(Random(256));
                break;
            case 2: // insert a delimiter or a lead byte
                s.insert(static_cast<std::size_t>(at), 1, kDelimiters[Random(sizeof kDelimiters - 1)]);
                break;
            case 3: // delete a run
                s.erase(static_cast<std::size_t>(at), static_cast<std::size_t>(Random(8)));
                break;
            case 4: { // repeat a stretch
                const std::string stretch = s.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(Random(40)));
                s.insert(static_cast<std::size_t>(len > 0 ? Random(len) : 0), stretch);
                break;
            }
            default: // a digit changed: sizes, handicaps, rows
                for (std::size_t i = static_cast<std::size_t>(at); i < s.size(); ++i)
                    if (s[i] >= '0' && s[i] <= '9') {
                        s[i] = static_cast<char>('0' + Random(10));
                        break;
                    }
                break;
            }
        }
        return s;
    }

    static void ExpectSoundBoard()
    {
        ASSERT_TRUE(BoardSize == 9 || BoardSize == 13 || BoardSize == 19);
        ASSERT_TRUE(Handicap >= 0 && Handicap <= 14);
        const TGoban& b = *GobanLv[0];
        ASSERT_LE(b.Tejun.Last(), kMaxTe);
        ASSERT_EQ(b.Tejun.Current(), b.Tejun.Last());
        for (int x = 0; x <= BoardSize + 1; ++x)
            for (int y = 0; y <= BoardSize + 1; ++y) {
                const bool edge = x == 0 || y == 0 || x == BoardSize + 1 || y == BoardSize + 1;
                ASSERT_EQ(b.Ban[x][y] == kHen, edge) << x << "," << y;
            }
    }
};

TEST_F(KifuFuzzTest, DamagedRecordsNeverCrashOrChangeARefusingGame)
{
    RandSeed(20240607);
    const std::vector<std::string> seeds = Seeds();
    ResetProgramState();
    SetShellHooks(&shell);
    const TKifuParser parsers[] = {KifuParseSgf, KifuParseIg1};
    int accepted = 0, refused = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::string input = Mutate(seeds[static_cast<std::size_t>(Random(static_cast<int>(seeds.size())))]);
        for (TKifuParser parse : parsers) {
            const std::string before = GameSnapshot();
            TKifuRecord record;
            std::string why;
            if (!parse(input, record, why)) {
                ++refused;
                EXPECT_FALSE(why.empty());
                ASSERT_EQ(GameSnapshot(), before) << input;
                continue;
            }
            ++accepted;
            KifuApply(record);
            ExpectSoundBoard();
            if (HasFatalFailure())
                FAIL() << input;
        }
        shell.messages.clear();
    }
    // The mutations reach both sides of the readers' checks.
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 100);
}

TEST_F(KifuFuzzTest, RefusedFilesThroughTheFrontDoor)
{
    RandSeed(77);
    const std::vector<std::string> seeds = Seeds();
    std::string before = GameSnapshot();
    int refused = 0;
    for (int i = 0; i < 200; ++i) {
        const std::string input = Mutate(seeds[static_cast<std::size_t>(i) % seeds.size()]);
        const char* name = i % 2 ? "f.sgf" : "f.ig1";
        WriteText(name, input);
        if (KifuLoadHeader(Path(name))) {
            // Accepted: the loaded game is what the next refusal must keep.
            ASSERT_TRUE(KifuLoad(Path(name)));
            ExpectSoundBoard();
            before = GameSnapshot();
            continue;
        }
        ++refused;
        EXPECT_FALSE(KifuLoad(Path(name)));
        ASSERT_EQ(GameSnapshot(), before) << input;
        ASSERT_EQ(NoLastMark, 0);
    }
    EXPECT_GT(refused, 20);
}

TEST_F(KifuFuzzTest, DamagedRecordsOfTheReadOnlyFormats)
{
    RandSeed(4711);
    TTestGame g = PlayTestGame(9, 0, 30);
    g.comments = {{0, "開始"}, {3, "好手"}, {12, "c"}};
    g.marks = {{4, {{1, 3, 3}, {11, 5, 5}}}};
    g.black = "黒";
    g.komi = "-6.5";
    g.setup = {{1, {4, 4}}, {2, {16, 16}}};
    const std::pair<TKifuParser, std::string> seeds[] = {
        {KifuParseGw1, WriteGw1(g)}, {KifuParseRe3, WriteRe3(g)}, {KifuParseWwg, WriteWwg(g)},
        {KifuParseUgf, WriteUgf(g)}, {KifuParseIcf, WriteIcf(g)},
    };
    ResetProgramState();
    SetShellHooks(&shell);
    int accepted = 0, refused = 0;
    for (int i = 0; i < 1500; ++i) {
        const auto& [parse, seed] = seeds[static_cast<std::size_t>(i) % std::size(seeds)];
        const std::string input = Mutate(seed);
        const std::string before = GameSnapshot();
        TKifuRecord record;
        std::string why;
        if (!parse(input, record, why)) {
            ++refused;
            EXPECT_FALSE(why.empty());
            ASSERT_EQ(GameSnapshot(), before);
            continue;
        }
        ++accepted;
        KifuApply(record);
        ExpectSoundBoard();
        if (HasFatalFailure())
            FAIL() << i;
        shell.messages.clear();
    }
    EXPECT_GT(accepted, 300);
    EXPECT_GT(refused, 100);
}

} // namespace
} // namespace vorn::test
