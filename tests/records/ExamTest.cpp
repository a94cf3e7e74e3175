// The rank exam's state file: its bytes against an encoder written here from
// the file's layout, the exam games of every level in both languages, each
// operation's change to the file, damaged files, and the replay of a stored
// game with its passes.
#include "RecordsUtil.h"
#include "records/Charset.h"
#include "records/Exam.h"

namespace vorn::test {
namespace {

// The block by its layout: name at 0, PrevRank 12, Rank 13, Teai 14,
// PassRun 15, FailRun 16, TeCount 17 (u16), moves from 19 (u16 each), all
// little-endian, 1219 bytes.
struct TBlock {
    std::string name;  // bytes
    int prev = 255, rank = 16, teai = -2, passRun = 0, failRun = 0, count = 0;
    std::vector<std::pair<int, int>> te{};  // (move number, stored value)
};

std::string Bytes(const TBlock& b)
{
    std::string out(1219, '\0');
    for (std::size_t i = 0; i < b.name.size() && i < 12; ++i)
        out[i] = b.name[i];
    out[12] = static_cast<char>(b.prev);
    out[13] = static_cast<char>(b.rank & 0xFF);
    out[14] = static_cast<char>(b.teai & 0xFF);
    out[15] = static_cast<char>(b.passRun);
    out[16] = static_cast<char>(b.failRun);
    out[17] = static_cast<char>(b.count & 0xFF);
    out[18] = static_cast<char>((b.count >> 8) & 0xFF);
    for (const auto& [k, v] : b.te) {
        out[19 + 2 * (k - 1)] = static_cast<char>(v & 0xFF);
        out[20 + 2 * (k - 1)] = static_cast<char>((v >> 8) & 0xFF);
    }
    return out;
}

// The stored value of a point.
int Te(int x, int y) { return y * 20 + x; }

class ExamTest : public RecordsTest {
protected:
    std::string File() const { return ReadText("EXAM53.DAT"); }
    void Put(const TBlock& b) const { WriteText("EXAM53.DAT", Bytes(b)); }
};

TEST_F(ExamTest, ANewFileIsCreatedWithItsGoldenBytes)
{
    Language = lgJapanese;
    KifuBlackPlayer = "old";
    EXPECT_EQ(ExamSetup(), kExamNewGame);
    const std::string want = Bytes({});
    EXPECT_EQ(File(), want);
    EXPECT_EQ(static_cast<unsigned char>(File()[14]), 254);
    EXPECT_EQ(ExamEncode(TExamState{}), want);
    EXPECT_TRUE(shell.messages.empty());
}

// The exam game of each level: players, ranks, handicap, komi, name.
TEST_F(ExamTest, TheExamGameOfEachLevelInBothLanguages)
{
    struct Case {
        int prev, rank, language;
        int handicap, level;
        const char *gameName, *black, *blackKyu, *white, *whiteKyu, *komi, *rankText;
    };
    const Case cases[] = {
        {255, 16, lgEnglish, 2, 16, "9kyu authorization examination", "Hanako", "None", "VORN", "7kyu", "0", "９級"},
        {255, 16, lgJapanese, 2, 16, "９級認定試験", "Hanako", "なし", "VORN", "７級", "0", "９級"},
        {255, 16, lgChinese, 2, 16, "９級認定試験", "Hanako", "なし", "VORN", "７級", "0", "９級"},
        {16, 15, lgEnglish, 1, 15, "8kyu authorization examination", "Hanako", "9kyu", "VORN", "7kyu", "0", "８級"},
        {15, 14, lgJapanese, 0, 14, "７級認定試験", "Hanako", "８級", "VORN", "７級", "6.5", "７級"},
        {14, 13, lgEnglish, 1, 13, "6kyu authorization examination", "VORN", "5kyu", "Hanako", "7kyu", "0", "６級"},
        {14, 13, lgJapanese, 1, 13, "６級認定試験", "VORN", "５級", "Hanako", "７級", "0", "６級"},
        {11, 10, lgJapanese, 4, 10, "３級認定試験", "VORN", "５級", "Hanako", "４級", "0", "３級"},
        {6, 5, lgEnglish, 9, 5, "3dan authorization examination", "VORN", "5kyu", "Hanako", "2dan", "0", "三段"},
        {5, 4, lgJapanese, 10, 4, "四段認定試験", "VORN", "５級", "Hanako", "三段", "0", "四段"},
        {1, 0, lgEnglish, 14, 0, "8dan authorization examination", "VORN", "5kyu", "Hanako", "7dan", "0", "八段"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.gameName) + " language " + std::to_string(c.language));
        Language = c.language;
        Put({"Hanako", c.prev, c.rank, 14 - c.rank, 0, 0, 0, {}});
        KifuPlace = "club";
        KifuResult = "B+3";
        EXPECT_EQ(ExamSetup(), kExamNewGame);
        EXPECT_EQ(Handicap, c.handicap);
        EXPECT_EQ(ExamLevel, c.level);
        EXPECT_EQ(ExamRankText, c.rankText);
        EXPECT_EQ(KifuGameName, c.gameName);
        EXPECT_EQ(KifuBlackPlayer, c.black);
        EXPECT_EQ(KifuBlackKyu, c.blackKyu);
        EXPECT_EQ(KifuWhitePlayer, c.white);
        EXPECT_EQ(KifuWhiteKyu, c.whiteKyu);
        EXPECT_EQ(KifuKomi, c.komi);
        EXPECT_EQ(KifuPlace, "");
        EXPECT_EQ(KifuResult, "");
        EXPECT_EQ(KifuDate.size(), 10u);
    }
    // A stored game answers its handicap; the finished series answers -2
    // and sets nothing.
    Put({"Hanako", 11, 10, 4, 0, 0, 3, {{1, Te(4, 4)}, {2, 0}, {3, Te(16, 16)}}});
    EXPECT_EQ(ExamSetup(), 4);
    Put({"Hanako", 0, -1, 15, 17, 0, 0, {}});
    KifuGameName = "kept";
    EXPECT_EQ(ExamSetup(), kExamFinished);
    EXPECT_EQ(KifuGameName, "kept");
    EXPECT_TRUE(shell.messages.empty());
}

// Each operation changes exactly its fields; Teai is always 14 - Rank.
TEST_F(ExamTest, EachOperationChangesItsBytes)
{
    ASSERT_EQ(ExamSetup(), kExamNewGame);
    ASSERT_TRUE(ExamSetName("Taro Yamada"));
    EXPECT_EQ(File(), Bytes({"Taro Yamada"}));
    ASSERT_TRUE(ExamAddMove(1, {16, 4}));
    ASSERT_TRUE(ExamAddMove(2, {}));
    ASSERT_TRUE(ExamAddMove(3, {3, 17}));
    EXPECT_EQ(File(), Bytes({"Taro Yamada", 255, 16, -2, 0, 0, 3, {{1, Te(16, 4)}, {2, 0}, {3, Te(3, 17)}}}));
    // Failed: FailRun + 1, the moves gone, every entry cleared.
    ASSERT_TRUE(ExamEnd());
    EXPECT_EQ(File(), Bytes({"Taro Yamada", 255, 16, -2, 0, 1}));
    // Passed: the level moves up, Teai with it.
    ASSERT_TRUE(ExamAddMove(1, {4, 4}));
    int passed = 0;
    ASSERT_TRUE(ExamAdvance(passed));
    EXPECT_EQ(passed, 16);
    EXPECT_EQ(File(), Bytes({"Taro Yamada", 16, 15, -1, 1, 0}));
    ASSERT_TRUE(ExamAdvance(passed));
    ASSERT_TRUE(ExamAdvance(passed));
    EXPECT_EQ(File(), Bytes({"Taro Yamada", 14, 13, 1, 3, 0}));
    ASSERT_TRUE(ExamEnd());
    ASSERT_TRUE(ExamEnd());
    EXPECT_EQ(File(), Bytes({"Taro Yamada", 14, 13, 1, 0, 2}));
    // A shorter name leaves nothing of the longer one.
    ASSERT_TRUE(ExamSetName("Jo"));
    EXPECT_EQ(File(), Bytes({"Jo", 14, 13, 1, 0, 2}));
    // A draw forgets the game and nothing else.
    ASSERT_TRUE(ExamAddMove(1, {10, 10}));
    ASSERT_TRUE(ExamDraw());
    EXPECT_EQ(File(), Bytes({"Jo", 14, 13, 1, 0, 2}));
    // Passing the top level ends the series.
    Put({"Jo", 1, 0, 14, 5, 0});
    ASSERT_TRUE(ExamAdvance(passed));
    EXPECT_EQ(passed, 0);
    EXPECT_EQ(File(), Bytes({"Jo", 0, -1, 15, 6, 0}));
    EXPECT_EQ(ExamSetup(), kExamFinished);
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(ExamTest, NamesAreShiftJisCutBetweenCharacters)
{
    struct Case {
        const char* name;
        const char* stored;  // the 12 bytes, as text up to the first NUL
    };
    const Case cases[] = {
        {"山田太郎", "山田太郎"},                 // 8 bytes
        {"山田太郎花子", "山田太郎花子"},         // exactly 12
        {"ABCDEFGHIJK山", "ABCDEFGHIJK"},        // the 13th byte would split 山
        {"ABCDEFGHIJKLMNOP", "ABCDEFGHIJKL"},    // longer than 12
        {"ｶﾀｶﾅ－｜", "ｶﾀｶﾅ－｜"},                 // half-width kana and the Windows-only signs
        {"", ""},
    };
    ASSERT_EQ(ExamSetup(), kExamNewGame);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ExamSetName("ABCDEFGHIJKL"));
        ASSERT_TRUE(ExamSetName(c.name));
        EXPECT_EQ(File(), Bytes({Utf8ToSjis(c.stored)}));
        TExamState s;
        ASSERT_TRUE(ExamLoad(s));
        EXPECT_EQ(s.NameText(), c.stored);
    }
}

TEST_F(ExamTest, MovesBeyondTheRecordAreNotStored)
{
    ASSERT_EQ(ExamSetup(), kExamNewGame);
    ASSERT_TRUE(ExamAddMove(600, {19, 19}));
    const std::string full = File();
    EXPECT_EQ(full, Bytes({"", 255, 16, -2, 0, 0, 600, {{600, Te(19, 19)}}}));
    for (const int n : {601, 9999, 0, -1})
        EXPECT_FALSE(ExamAddMove(n, {4, 4})) << n;
    EXPECT_FALSE(ExamAddMove(5, {20, 1}));
    EXPECT_FALSE(ExamAddMove(5, {1, 0}));
    EXPECT_EQ(File(), full);
}

// A damaged file is reported and left as it is, by every operation.
TEST_F(ExamTest, DamagedFilesAreReportedAndKept)
{
    struct Case {
        const char* what;
        std::string bytes;
    };
    const std::string good = Bytes({"Taro", 16, 15, -1, 1, 0, 2, {{1, Te(4, 4)}, {2, 0}}});
    const Case cases[] = {
        {"short", good.substr(0, 1218)},
        {"long", good + "x"},
        {"empty", ""},
        {"rank 40", Bytes({"Taro", 255, 40, -26})},
        {"rank -1 before the top", Bytes({"Taro", 1, -1, 15})},
        {"passed rank 17", Bytes({"Taro", 17, 16, -2})},
        {"9999 moves", Bytes({"Taro", 255, 16, -2, 0, 0, 9999})},
        {"601 moves", Bytes({"Taro", 255, 16, -2, 0, 0, 601})},
        {"a move on row 25", Bytes({"Taro", 255, 16, -2, 0, 0, 2, {{1, Te(4, 4)}, {2, Te(3, 25)}}})},
        {"a move on column 0", Bytes({"Taro", 255, 16, -2, 0, 0, 1, {{1, Te(0, 3)}}})},
        {"a move on row 0", Bytes({"Taro", 255, 16, -2, 0, 0, 1, {{1, 3}}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteText("EXAM53.DAT", c.bytes);
        shell.messages.clear();
        KifuGameName = "kept";
        EXPECT_EQ(ExamSetup(), kExamDamaged);
        EXPECT_EQ(KifuGameName, "kept");
        EXPECT_FALSE(ExamEnd());
        int passed = 0;
        EXPECT_FALSE(ExamAdvance(passed));
        EXPECT_FALSE(ExamSetName("Jiro"));
        EXPECT_FALSE(ExamAddMove(3, {5, 5}));
        EXPECT_FALSE(ExamReplay());
        EXPECT_EQ(File(), c.bytes);
        EXPECT_EQ(shell.messages.size(), 6u);
        EXPECT_EQ(GobanLv[0]->Tejun.Last(), 0);
    }
    // Stale entries beyond the stored moves are never read.
    const std::string stale = Bytes({"Taro", 255, 16, -2, 0, 0, 1, {{1, Te(4, 4)}, {2, 9999}}});
    WriteText("EXAM53.DAT", stale);
    shell.messages.clear();
    EXPECT_EQ(ExamSetup(), 2);
    EXPECT_TRUE(shell.messages.empty());
    // A Teai that disagrees with the level is taken as 14 - Rank.
    Put({"Taro", 255, 14, 7});
    EXPECT_EQ(ExamSetup(), kExamNewGame);
    EXPECT_EQ(Handicap, 0);
    EXPECT_EQ(KifuWhitePlayer, "VORN");
}

// The stored game comes back move by move, its passes as passes, so every
// stone keeps its colour.
TEST_F(ExamTest, ReplayPlaysTheStoredGameWithItsPasses)
{
    BoardSize = 19;
    Handicap = 2;
    GobanLv[0]->NewGame();
    std::vector<Point> moves;
    for (int i = 0; i < 37; ++i)
        moves.push_back(i == 10 || i == 19 ? Point() : Point(1 + i % 19, 3 + 2 * (i / 19)));
    std::vector<std::pair<int, int>> stored;
    for (int i = 0; i < 37; ++i)
        stored.push_back({i + 1, moves[i].x == 0 ? 0 : Te(moves[i].x, moves[i].y)});
    Play(moves);
    const std::string want = BoardDiagram(*GobanLv[0]) + MoveList();
    ASSERT_EQ(GobanLv[0]->Tejun.TeColor(38), kKuro);

    // A stale move beyond the stored ones is not played.
    stored.push_back({38, Te(10, 10)});
    Put({"Taro", 255, 16, -2, 0, 0, 37, stored});
    GobanLv[0]->NewGame();
    KifuRecOn = 1;
    ASSERT_EQ(ExamSetup(), 2);
    ASSERT_TRUE(ExamReplay());
    EXPECT_EQ(BoardDiagram(*GobanLv[0]) + MoveList(), want);
    EXPECT_EQ(GobanLv[0]->Tejun.NextColor(), kKuro);
    // The running record was started afresh and holds every move, passes too.
    const std::string rec = ReadText("bug.ig1");
    EXPECT_NE(rec.find("INT 19 2"), std::string::npos);
    std::size_t passes = 0;
    for (std::size_t at = rec.find("A00 "); at != std::string::npos; at = rec.find("A00 ", at + 1))
        ++passes;
    EXPECT_EQ(passes, 2u);
    EXPECT_TRUE(shell.messages.empty());

    // A stored move the board refuses ends the replay with a message.
    Put({"Taro", 255, 16, -2, 0, 0, 3, {{1, Te(4, 4)}, {2, Te(4, 4)}, {3, Te(5, 5)}}});
    GobanLv[0]->NewGame();
    EXPECT_FALSE(ExamReplay());
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 1);
    EXPECT_EQ(shell.messages.size(), 1u);
}

TEST_F(ExamTest, RankNames)
{
    EXPECT_STREQ(RankName(0, lgEnglish), "8dan");
    EXPECT_STREQ(RankName(7, lgJapanese), "初段");
    EXPECT_STREQ(RankName(8, lgChinese), "１級");
    EXPECT_STREQ(RankName(16, lgEnglish), "9kyu");
    EXPECT_STREQ(RankName(17, lgEnglish), "");
    EXPECT_STREQ(RankName(-1, lgJapanese), "");
}

} // namespace
} // namespace vorn::test
