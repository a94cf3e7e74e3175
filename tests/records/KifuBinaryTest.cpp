// The binary formats .gw1 and .re3: games written by the test writers and
// read back, the formats' worked cases, and damaged files.
#include "RecordWriters.h"
#include "records/KifuBinary.h"

namespace vorn::test {
namespace {

using KifuBinaryTest = RecordFormatsTest;

TEST_F(KifuBinaryTest, LittleEndianIntegers)
{
    const struct {
        unsigned char b[4];
        std::int32_t i32;
        std::uint16_t u16;
    } cases[] = {
        {{0x78, 0x56, 0x34, 0x12}, 305419896, 0x5678},
        {{0xFF, 0xFF, 0xFF, 0xFF}, -1, 65535},
        {{0x34, 0x12, 0x00, 0x00}, 4660, 4660},
        {{0x00, 0x00, 0x00, 0x80}, INT32_MIN, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeInt32(c.b), c.i32);
        EXPECT_EQ(LeInt16(c.b), c.u16);
    }
}

TEST_F(KifuBinaryTest, Re3MarkLabels)
{
    const std::pair<int, const char*> cases[] = {
        {1, "Ａ"},  {5, "Ｅ"},  {9, "Ｉ"},  {10, "△"}, {11, "１"}, {18, "８"},
        {19, "△"}, {20, "１"}, {27, "８"}, {0, "？"},  {28, "？"}, {254, "？"},
    };
    for (const auto& [code, label] : cases)
        EXPECT_EQ(KifuRe3MarkText(code), label) << code;
}

// Comments and marks of board 0's record as the snapshot lists them.
std::string Notes()
{
    const std::string s = GameSnapshot();
    const std::size_t end = s.find("\nsetup"), begin = s.rfind('\n', end - 1) + 1;
    return s.substr(begin, end - begin);
}

TEST_F(KifuBinaryTest, Gw1GamesComeBack)
{
    std::string kanji;
    for (int i = 0; i < 1000; ++i)
        kanji += "漢";
    const struct {
        int size, handicap, moves;
    } cases[] = {{9, 0, 70}, {13, 2, 110}, {19, 4, 160}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        TTestGame g = Game(c.size, c.handicap, c.moves);
        g.gameName = "第一期名人戦 挑戦手合七番勝負 第七局 二日目A"; // 44 bytes: no NUL
        g.date = "2001-02-03";
        g.black = "黒田六段";
        g.white = "白石";
        g.comments = {{0, "序盤"}, {3, "好手"}, {-1, "none"}, {5, "a" + kanji}, {7, "next"}, {9999, "none"}};
        const int last = static_cast<int>(g.moves.size());
        g.comments[last] = "終局";
        ExpectRoundTrip("g.gw1", WriteGw1(g), g);
        EXPECT_EQ(KifuGameName + KifuDate + KifuBlackPlayer + KifuWhitePlayer, g.gameName + g.date + g.black + g.white);
        // 2001 bytes: the first 1500, cut before a character that would not fit.
        EXPECT_EQ(Notes(), "C0[序盤]C3[好手]C5[a" + kanji.substr(0, 749 * 3) + "]C7[next]C" + std::to_string(last) + "[終局]");
    }
}

TEST_F(KifuBinaryTest, Gw1MoveCountIsTheLengthDivTen)
{
    TTestGame g = Game(9, 0, 3);
    std::string file = WriteGw1(g);
    PutLe16(file, 10, 25);
    ASSERT_TRUE(LoadText("g.gw1", file));
    EXPECT_EQ(MoveList(), "B(4,1) W(7,1) ");
}

TEST_F(KifuBinaryTest, Re3GamesComeBackWithPassesMarksAndComments)
{
    TTestGame g = Game(19, 0, 150, 37);
    g.marks = {{1, {{1, 4, 1}, {10, 19, 19}, {27, 1, 19}}}, {37, {{19, 10, 10}}}};
    g.comments = {{2, "コメント two"}, {37, "パス"}, {150, "end"}};
    g.gameName = "テスト";
    g.date = "01/02/03";
    g.black = "黒";
    g.white = "白";
    // The handicap byte of an even game is 1; move 37 is a pass.
    ExpectRoundTrip("g.re3", WriteRe3(g), g);
    EXPECT_EQ(Notes(), "M1(4,1)ＡM1(19,19)△M1(1,19)８C2[コメント two]C37[パス]M37(10,10)△C150[end]");
    EXPECT_EQ(KifuGameName + KifuDate + KifuBlackPlayer + KifuWhitePlayer, "テスト01/02/03黒白");

    // Without the information block the names are blanks; nothing of the
    // game before stays.
    TTestGame h = Game(19, 3, 30);
    h.re3Info = false;
    KifuDate = "old";
    ExpectRoundTrip("h.re3", WriteRe3(h), h);
    EXPECT_EQ(KifuBlackPlayer + KifuWhitePlayer, "　　　　　　　　　　　　");
    EXPECT_EQ(KifuGameName + KifuDate, "");
}

TEST_F(KifuBinaryTest, Re3ColumnsCountFromTheRight)
{
    TTestGame g;
    g.moves = {{19, 3}, {1, 5}};
    std::string file = WriteRe3(g);
    const std::size_t moves = static_cast<std::size_t>(GetLe32(file, 6));
    ASSERT_EQ(file[moves], 1);
    ASSERT_EQ(file[moves + 12], 19);
    ASSERT_TRUE(LoadText("c.re3", file));
    EXPECT_EQ(MoveList(), "B(19,3) W(1,5) ");
}

TEST_F(KifuBinaryTest, Re3NotesOfARefusedMoveGoWithIt)
{
    // White retakes the ko at once: refused, and its mark and comment with it.
    TTestGame g;
    g.size = 19;
    g.moves = KoMoves(19);
    g.moves.resize(7);
    g.moves.push_back(g.moves[5]);
    g.moves.push_back({10, 10});
    g.marks = {{8, {{1, 3, 3}}}, {9, {{2, 4, 4}}}};
    g.comments = {{8, "retake"}, {9, "tenuki"}};
    ASSERT_TRUE(LoadText("k.re3", WriteRe3(g)));
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_NE(shell.messages[0].find("<5,1>"), std::string::npos);
    const TTejun& t = GobanLv[0]->Tejun;
    ASSERT_EQ(t.Last(), 8);
    EXPECT_EQ(t.GetComment(7), "");
    EXPECT_EQ(t.MarkCount(7), 0);
    EXPECT_EQ(t.GetComment(8), "tenuki");
    ASSERT_EQ(t.MarkCount(8), 1);
    EXPECT_EQ(t.MarkText(8, 1), "Ｂ");
}

// Every damaged file: no crash, one message, the game untouched when the
// file is refused, and otherwise the moves before the damage.
class KifuBinaryDamageTest : public KifuBinaryTest {
protected:
    // Loads a damaged file; false when it was refused.
    bool Check(const std::string& name, const std::string& bytes, const std::string& says = "")
    {
        const std::string before = GameSnapshot();
        shell.messages.clear();
        const bool loaded = LoadText(name, bytes);
        EXPECT_EQ(shell.messages.size(), 1u);
        if (!shell.messages.empty()) {
            EXPECT_NE(shell.messages[0].find(says), std::string::npos) << shell.messages[0];
        }
        if (!loaded) {
            EXPECT_EQ(GameSnapshot(), before);
        }
        return loaded;
    }
};

TEST_F(KifuBinaryDamageTest, EveryPrefix)
{
    TTestGame g = Game(9, 0, 14);
    g.comments = {{2, "c2"}, {9, "c9"}};
    g.marks = {{3, {{1, 5, 5}}}};
    g.black = "B";
    const std::string gw1 = WriteGw1(g), re3 = WriteRe3(g);
    // Everything before the moves is needed: the header and the
    // information block of .gw1, the header up to the handicap of .re3.
    const struct {
        const char* name;
        const std::string& file;
        std::size_t needed;
    } files[] = {{"p.gw1", gw1, static_cast<std::size_t>(GetLe32(gw1, 0)) + 195},
                 {"p.re3", re3, static_cast<std::size_t>(GetLe32(re3, 0)) + 1}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        for (std::size_t n = 0; n < f.file.size(); ++n) {
            SCOPED_TRACE(n);
            ASSERT_EQ(Check(f.name, f.file.substr(0, n)), n >= f.needed);
            if (n >= f.needed) {
                ASSERT_EQ(played_.rfind(MoveList(), 0), 0u) << MoveList();
            }
        }
        shell.messages.clear();
        ASSERT_TRUE(LoadText(f.name, f.file));
        EXPECT_EQ(MoveList(), played_);
        EXPECT_TRUE(shell.messages.empty());
    }
}

TEST_F(KifuBinaryDamageTest, BadFields)
{
    Language = lgEnglish;
    TTestGame g = Game(9, 0, 12);
    g.comments = {{2, "c2"}};
    g.marks = {{3, {{1, 5, 5}}}};
    const std::string gw1 = WriteGw1(g), re3 = WriteRe3(g);
    const std::size_t gwSize = static_cast<std::size_t>(GetLe32(gw1, 0));
    const std::size_t gwMoves = static_cast<std::size_t>(GetLe32(gw1, 6));
    const std::size_t reHandicap = static_cast<std::size_t>(GetLe32(re3, 0));
    const std::size_t reMoves = static_cast<std::size_t>(GetLe32(re3, 6));
    const std::size_t reMarks = static_cast<std::size_t>(GetLe32(re3, 18));
    auto patched = [](std::string s, std::size_t at, int value, int width) {
        if (width == 4)
            PutLe32(s, at, value);
        else if (width == 2)
            PutLe16(s, at, value);
        else
            s[at] = static_cast<char>(value);
        return s;
    };
    const int big = static_cast<int>(gw1.size() + re3.size());
    const struct {
        const char* name;
        std::string bytes;
        bool refused;
        const char* says;
    } cases[] = {
        {"x.gw1", patched(gw1, 0, -1, 4), true, "game information"},
        {"x.gw1", gw1.substr(0, 59), true, "shorter than its header"},
        {"x.re3", re3.substr(0, 35), true, "shorter than its header"},
        {"x.gw1", patched(gw1, 0, big, 4), true, "game information"},
        {"x.gw1", patched(gw1, gwSize, 25, 1), true, "board size"},
        {"x.gw1", patched(gw1, gwSize + 1, 200, 1), true, "handicap"},
        {"x.gw1", patched(gw1, 6, -10, 4), false, "cut short (moves)"},
        {"x.gw1", patched(gw1, 6, big, 4), false, "cut short (moves)"},
        {"x.gw1", patched(gw1, 30, big, 4), false, "cut short (comments)"},
        {"x.gw1", patched(gw1, 30, -3, 4), false, "cut short (comments)"},
        {"x.gw1", patched(gw1, gwMoves + 10 * 11 + 2, 0, 1), false, "outside the board were skipped: <0,2>"},
        {"x.gw1", patched(gw1, gwMoves + 10 * 11 + 3, 10, 1), false, "outside the board were skipped: <4,10>"},
        {"x.re3", patched(re3, 0, -1, 4), true, "no handicap"},
        {"x.re3", patched(re3, 0, big, 4), true, "no handicap"},
        {"x.re3", patched(re3, reHandicap, 200, 1), true, "handicap"},
        {"x.re3", patched(re3, 6, -12, 4), false, "cut short (moves)"},
        {"x.re3", patched(re3, 18, big, 4), false, "cut short (marks)"},
        {"x.re3", patched(re3, reMarks + 3, 0, 1), false, "cut short (marks)"}, // no 255
        {"x.re3", patched(re3, 30, -1, 4), false, "cut short (comments)"},
        {"x.re3", patched(re3, reMoves + 12 * 11, 30, 1), false, "outside the board were skipped: <-10,"},
        {"x.re3", patched(re3, reMoves + 12 * 11 + 1, 0, 1), false, "outside the board were skipped: <4,0>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        EXPECT_EQ(Check(c.name, c.bytes, c.says), !c.refused);
        const std::string says = c.says;
        if (says.find("cut short") != std::string::npos) {
            EXPECT_EQ(played_.rfind(MoveList(), 0), 0u) << MoveList();
        }
        // The moves before the damage stand; a cut mark list goes whole.
        if (says.find("(marks)") != std::string::npos) {
            EXPECT_EQ(GobanLv[0]->Tejun.Last(), 3);
            EXPECT_EQ(GobanLv[0]->Tejun.MarkCount(3), 0);
        }
        if (says.find("outside") != std::string::npos) {
            EXPECT_GE(GobanLv[0]->Tejun.Last(), 11);
        }
    }
}

} // namespace
} // namespace vorn::test
