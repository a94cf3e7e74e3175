// SGF records: the writer's layout, round trips, files as other programs
// write them (trees, escapes, collections, character sets) and bad files.
#include "RecordsUtil.h"

#include <algorithm>

#include "records/Charset.h"
#include "records/KifuSgf.h"

namespace vorn::test {
namespace {

class KifuSgfTest : public RecordsTest {
protected:
    bool LoadText(const std::string& sgf) { return RecordsTest::LoadText("t.sgf", sgf); }
    // A game in progress that a refused load must leave alone.
    void SomeGame()
    {
        Play({{4, 4}, {16, 16}, {0, 0}, {3, 16}});
        GobanLv[0]->Tejun.SetComment(2, "keep me");
        HaitiBan[10][10] = 2;
        GobanLv[0]->SetIro(10, 10, kSiro);
        KifuBlackPlayer = "Alice";
        KifuResult = "?";
    }
    // SomeGame on a new 19-line board.
    void FreshGame()
    {
        BoardSize = 19;
        Handicap = 0;
        GobanLv[0]->NewGame();
        FillGrid<unsigned char, 1, 19>(HaitiBan, 0);
        SomeGame();
    }
};

TEST_F(KifuSgfTest, WriterLayoutGolden)
{
    BoardSize = 9;
    GobanLv[0]->NewGame();
    KifuGameName = "Test";
    KifuDate = "2024-01-01";
    KifuBlackPlayer = "黒";
    KifuWhitePlayer = "White";
    KifuBlackKyu = "3d";
    KifuKomi = "6.5";
    Shell().HaitiIsi(kSiro, 2, 1);
    Play({{3, 3}, {7, 7}, {0, 0}, {5, 5}});
    GobanLv[0]->Tejun.SetComment(2, "a ] bracket\\");
    GobanLv[0]->Tejun.AddMark(4, "△", 5, 5);
    GobanLv[0]->Tejun.AddMark(4, "A", 1, 9);
    // An even game has no HA; a field without a value is left out.
    const std::string expected = "(;\r\nGM[1]FF[4]CA[UTF-8]\r\nSZ[9]\r\nGN[Test]\r\nDT[2024-01-01]\r\n"
                                 "PB[黒]\r\nPW[White]\r\nBR[3d]\r\nKM[6.5]\r\n"
                                 "AW[ba]\r\n;B[cc];W[gg]\r\nC[a \\] bracket\\\\]\r\n;B[tt];W[ee]\r\nTR[ee]LB[ai:A]\r\n)\r\n";
    EXPECT_EQ(KifuSgfText(), expected);
    ASSERT_TRUE(KifuSave(Path("g.sgf")));
    EXPECT_EQ(ReadText("g.sgf"), expected);
}

TEST_F(KifuSgfTest, MovesTenToALineAndHandicapStonesAsSetup)
{
    Handicap = 2;
    GobanLv[0]->NewGame();
    PlayRandom(25);
    const std::string text = KifuSgfText();
    EXPECT_NE(text.find("HA[2]\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nAB[pd][dp]\r\n;W["), std::string::npos) << text;
    // Three lines of moves: 10, 10 and 5 moves, the last closed by ")".
    std::vector<std::string> moveLines;
    std::size_t at = text.find("\r\n;");
    while (at != std::string::npos) {
        const std::size_t end = text.find("\r\n", at + 2);
        moveLines.push_back(text.substr(at + 2, end - at - 2));
        at = text.find("\r\n;", at + 2);
    }
    ASSERT_EQ(moveLines.size(), 3u);
    EXPECT_EQ(moveLines[0].size(), 60u);
    EXPECT_EQ(moveLines[1].size(), 60u);
    EXPECT_EQ(moveLines[2], moveLines[2].substr(0, 30) + ")");
}

TEST_F(KifuSgfTest, RoundTripKeepsEveryPartOfTheGame)
{
    BoardSize = 19;
    Handicap = 4;
    GobanLv[0]->NewGame();
    Shell().HaitiIsi(kKuro, 1, 19);
    Shell().HaitiIsi(kSiro, 19, 1);
    Shell().HaitiIsi(kSiro, 10, 3);
    PlayRandom(70, [](int i) { return i % 17 == 5; });
    TTejun& t = GobanLv[0]->Tejun;
    t.SetComment(0, "before the first move");
    t.SetComment(3, "a \\ backslash, a ] bracket\nand a second line");
    t.SetComment(40, "日本語のコメント：ソ表");
    t.AddMark(7, "×", 3, 3);
    t.AddMark(7, "○", 4, 3);
    t.AddMark(7, "□", 5, 3);
    t.AddMark(7, "△", 6, 3);
    t.AddMark(7, "ａ", 7, 3);
    t.AddMark(7, "12", 8, 3);
    t.AddMark(7, "a:", 9, 3);
    KifuGameName = "第1局 [test]";
    KifuDate = "2024-05-06";
    KifuPlace = "東京";
    KifuKomi = "0.5";
    KifuResult = "W+R";
    KifuBlackPlayer = "黒 太郎";
    KifuWhitePlayer = "White \\ Player";
    KifuBlackKyu = "2k";
    KifuWhiteKyu = "1d";
    KifuBlackTime = "60";
    KifuWhiteTime = "61";
    const std::string before = GameSnapshot();
    ASSERT_TRUE(KifuSave(Path("r.sgf")));

    // Another game meanwhile: 9x9, different strings.
    BoardSize = 9;
    Handicap = 0;
    GobanLv[0]->NewGame();
    FillGrid<unsigned char, 1, 19>(HaitiBan, 0);
    KifuGameName = KifuPlace = "other";
    ASSERT_TRUE(Load("r.sgf"));
    EXPECT_EQ(GameSnapshot(), before);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(NoLastMark, 0);
    // Saved again, the file is the same.
    EXPECT_EQ(KifuSgfText(), ReadText("r.sgf"));
}

// Files as other programs write them: one case per feature.
struct TReadCase {
    const char* name;
    const char* sgf;
    const char* moves;       // MoveList()
    const char* comments;    // comment of move 0 | comment of move 1
    int size;
    bool cut = false;        // no closing ")": read with the note that says so
};

TEST_F(KifuSgfTest, ReadsRecordsOfOtherPrograms)
{
    Language = lgEnglish;
    const TReadCase cases[] = {
        {"passes", "(;SZ[9];B[tt];W[])", "B(pass) W(pass) ", "|", 9},
        {"two black moves", "(;SZ[9];B[cc];B[dd])", "B(3,3) W(pass) B(4,4) ", "|", 9},
        {"variations follow the main line", "(;SZ[9];B[aa](;W[bb];B[cc](;W[ee])(;W[ff]))(;W[dd]))",
         "B(1,1) W(2,2) B(3,3) W(5,5) ", "|", 9},
        {"escapes", "(;SZ[9]C[root \\] text\\\\];B[aa]C[a\\]b\\:c])", "B(1,1) ", "root ] text\\|a]b:c", 9},
        {"soft line break", "(;SZ[9];B[aa]C[one \\\ntwo])", "B(1,1) ", "|one two", 9},
        {"line breaks", "(;SZ[9];B[aa]C[one\r\ntwo])", "B(1,1) ", "|one\ntwo", 9},
        {"blanks between properties", "(;GM[1] SZ[9]  HA[0]\n ; B[cc] \n;W [dd]\n)", "B(3,3) W(4,4) ", "|", 9},
        {"a collection gives its first game", "(;SZ[9];B[aa])\n(;SZ[13];B[bb])", "B(1,1) ", "|", 9},
        {"text before the tree", "From: a mail\n\n(;SZ[13];B[cc])", "B(3,3) ", "|", 13},
        {"old long identifiers", "(;GaMe[1]SiZe[9];Black[cc];White[dd])", "B(3,3) W(4,4) ", "|", 9},
        {"comment in the move's node before the move", "(;SZ[9];C[first]B[cc])", "B(3,3) ", "|first", 9},
        {"no size means 19", "(;;B[ss])", "B(19,19) ", "|", 19},
        {"tt is a pass on 13 lines", "(;SZ[13];B[tt];W[mm])", "B(pass) W(13,13) ", "|", 13},
        {"the closing parenthesis missing", "(;SZ[9];B[cc]C[last];W[dd]\r\n", "B(3,3) W(4,4) ", "|last", 9, true},
        {"inside a variation", "(;SZ[9];B[cc](;W[dd];B[ee]", "B(3,3) W(4,4) B(5,5) ", "|", 9, true},
        {"the root without its semicolon", "(SZ[9]C[root];B[cc])", "B(3,3) ", "root|", 9},
        {"both", "( SZ[13];B[cc];W[dd]", "B(3,3) W(4,4) ", "|", 13, true},
    };
    for (const TReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        shell.messages.clear();
        ASSERT_TRUE(LoadText(c.sgf));
        EXPECT_EQ(shell.messages.size(), c.cut ? 1u : 0u);
        if (c.cut && !shell.messages.empty())
            EXPECT_NE(shell.messages[0].find("cut short"), std::string::npos) << shell.messages[0];
        EXPECT_EQ(BoardSize, c.size);
        EXPECT_EQ(MoveList(), c.moves);
        const TTejun& t = GobanLv[0]->Tejun;
        EXPECT_EQ(t.GetComment(0) + "|" + (t.Last() >= 1 ? t.GetComment(1) : ""), c.comments);
        EXPECT_EQ(t.Current(), t.Last());
    }
}

TEST_F(KifuSgfTest, SetupStonesMarksAndLabels)
{
    ASSERT_TRUE(LoadText("(;FF[4]SZ[9]AB[aa:bb][ii] [ih]AW[ee];B[cc]TR[dd][de]LB[ff:AB][gg:]MA[hh]CR[ab:ac]SQ[gh];W[dd]"
                         "M[ei]L[ie])"));
    EXPECT_EQ(BoardDiagram(*GobanLv[0]), "XX.......\n"
                                         "XX.......\n"
                                         "..X......\n"
                                         "...O.....\n"
                                         "....O....\n"
                                         ".........\n"
                                         ".........\n"
                                         "........X\n"
                                         "........X\n");
    for (Point p : {Point(1, 1), Point(2, 1), Point(1, 2), Point(2, 2), Point(9, 9), Point(9, 8)})
        EXPECT_EQ(HaitiBan[p.x][p.y], kKuro);
    EXPECT_EQ(HaitiBan[5][5], kSiro);
    EXPECT_EQ(HaitiBan[3][3], 0);
    const TTejun& t = GobanLv[0]->Tejun;
    std::string marks;
    for (int n = 1; n <= 2; ++n)
        for (int i = 1; i <= t.MarkCount(n); ++i)
            marks += std::to_string(n) + t.MarkText(n, i) + std::to_string(t.MarkPoint(n, i).x)
                     + std::to_string(t.MarkPoint(n, i).y) + " ";
    EXPECT_EQ(marks, "1△44 1△45 1AB66 1□77 1×88 1○12 1○13 1□78 2□59 2ａ95 ");
}

TEST_F(KifuSgfTest, MarksBeforeTheFirstMoveAreNotStored)
{
    ASSERT_TRUE(LoadText("(;SZ[9]TR[aa];B[bb])"));
    EXPECT_EQ(GobanLv[0]->Tejun.MarkCount(1), 0);
}

TEST_F(KifuSgfTest, HandicapStonesFromOtherPrograms)
{
    // Standard points listed in AB: the board places them, nothing is a setup stone.
    ASSERT_TRUE(LoadText("(;SZ[19]HA[3]AB[dp][pd][pp];W[dd])"));
    EXPECT_EQ(Handicap, 3);
    EXPECT_NE(GameSnapshot().find("\nsetup\n"), std::string::npos) << "no setup stones";
    EXPECT_EQ(MoveList(), "W(4,4) ");
    EXPECT_EQ(GobanLv[0]->GetIro(16, 16), kKuro);

    // Our older files: HA alone places the standard stones.
    ASSERT_TRUE(LoadText("(;SZ[9]HA[2];W[ee])"));
    EXPECT_EQ(GobanLv[0]->GetIro(7, 3), kKuro);
    EXPECT_EQ(GobanLv[0]->GetIro(3, 7), kKuro);
    EXPECT_EQ(MoveList(), "W(5,5) ");

    // Stones placed freely: the exact position, White still moves first.
    ASSERT_TRUE(LoadText("(;SZ[19]HA[2]AB[cc][qq];W[dd])"));
    EXPECT_EQ(Handicap, 0);
    EXPECT_EQ(GobanLv[0]->GetIro(3, 3), kKuro);
    EXPECT_EQ(GobanLv[0]->GetIro(17, 17), kKuro);
    EXPECT_EQ(GobanLv[0]->GetIro(16, 4), kAki);
    EXPECT_EQ(MoveList(), "B(pass) W(4,4) ");
}

TEST_F(KifuSgfTest, HandicapStonesGivenAsBlacksFirstMoves)
{
    Language = lgEnglish;
    ASSERT_TRUE(LoadText("(;GM[1]FF[4]SZ[9]HA[2]KM[0.5];B[gc];B[cg];W[ee];B[cc])"));
    EXPECT_TRUE(shell.messages.empty());
    std::string stones;
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x)
            if (GobanLv[0]->GetIro(x, y) != kAki)
                stones += (GobanLv[0]->GetIro(x, y) == kKuro ? "B" : "W") + KifuPointText(x, y);
    EXPECT_EQ(stones, "B<3,3>B<7,3>W<5,5>B<3,7>");
    EXPECT_EQ(KifuKomi, "0.5");
    // White may pass between the stones.
    ASSERT_TRUE(LoadText("(;SZ[9]HA[2];B[gc];W[tt];B[cg];W[ee])"));
    EXPECT_EQ(MoveList(), "B(7,3) W(pass) B(3,7) W(5,5) ");
    EXPECT_TRUE(shell.messages.empty());

    // A real move on a stone is named as the file numbers it.
    EXPECT_FALSE(LoadText("(;SZ[9]HA[2];B[gc];B[cg];W[gc])"));
    ASSERT_FALSE(shell.messages.empty());
    EXPECT_NE(shell.messages.back().find("(move 3 is played on a stone at <7,3>)"), std::string::npos)
        << shell.messages.back();

    // Under rules that allow suicide, Black's move 7 takes its three stones
    // off; White's move 8 on one of them fails because of the suicide.
    shell.messages.clear();
    EXPECT_FALSE(LoadText("(;SZ[9]RU[NZ];B[aa];W[ca];B[ba];W[bb];B[ii];W[ac];B[ab];W[aa])"));
    ASSERT_FALSE(shell.messages.empty());
    EXPECT_NE(shell.messages.back().find("(move 7 at <1,2> is a suicide, which this program does not play)"),
              std::string::npos)
        << shell.messages.back();
    // White's suicide at move 4 leaves nothing; Black fills that point at
    // move 5, so Black's move 7 there is played on Black's own stone.
    shell.messages.clear();
    EXPECT_FALSE(LoadText("(;GM[1]FF[4]SZ[9]RU[NZ];B[ab];W[ee];B[ba];W[aa];B[aa];W[gg];B[aa])"));
    ASSERT_FALSE(shell.messages.empty());
    EXPECT_NE(shell.messages.back().find("(move 7 is played on a stone at <1,1>)"), std::string::npos)
        << shell.messages.back();
}

TEST_F(KifuSgfTest, AHandicapOfOneIsWrittenBack)
{
    ASSERT_TRUE(LoadText("(;SZ[19]HA[1]KM[0.5];B[pd];W[dp])"));
    EXPECT_EQ(Handicap, 1);
    EXPECT_NE(KifuSgfText().find("HA[1]\r\n"), std::string::npos) << KifuSgfText();
    const std::string position = GameSnapshot();
    ASSERT_TRUE(KifuSave(Path("one.sgf")));
    Handicap = 0;
    ASSERT_TRUE(Load("one.sgf"));
    EXPECT_EQ(Handicap, 1);
    EXPECT_EQ(GameSnapshot(), position);
}

TEST_F(KifuSgfTest, AHandicapOffTheBoardsOwnStonesKeepsItsKomiAndItsHA)
{
    // The stones as Black's first moves, and as setup stones off the
    // standard points: the board places none of its own, but the game is
    // still one of two handicap stones, without komi, and says so when saved.
    for (const char* sgf : {"(;GM[1]FF[4]SZ[19]HA[2];B[pd];B[dp];W[qq];B[cc])",
                            "(;GM[1]FF[4]SZ[19]HA[2]AB[cc][gg];W[qq])"}) {
        SCOPED_TRACE(sgf);
        ASSERT_TRUE(LoadText(sgf));
        EXPECT_EQ(KifuKomi, "0");
        const std::string position = GameSnapshot();
        const std::string text = KifuSgfText();
        EXPECT_NE(text.find("HA[2]\r\n"), std::string::npos) << text;
        ASSERT_TRUE(KifuSave(Path("ha.sgf")));
        ASSERT_TRUE(Load("ha.sgf"));
        EXPECT_EQ(GameSnapshot(), position);
        EXPECT_EQ(KifuSgfText(), text);
        EXPECT_TRUE(shell.messages.empty());
    }
    EXPECT_EQ(MoveList(), "B(pass) W(17,17) ");
    EXPECT_EQ(GobanLv[0]->GetIro(3, 3), kKuro);
    EXPECT_EQ(GobanLv[0]->GetIro(7, 7), kKuro);
    EXPECT_EQ(GobanLv[0]->GetIro(16, 4), kAki);

    // White answers the first stone at once where the file passed: the
    // stones are no longer Black's first moves, and a save that named the
    // handicap would be read back with the board's stones under them.
    ASSERT_TRUE(LoadText("(;GM[1]FF[4]SZ[19]HA[2];B[pd];B[dp];W[qq];B[cc])"));
    EXPECT_EQ(MoveList(), "B(16,4) W(pass) B(4,16) W(17,17) B(3,3) ");
    for (int i = 0; i < 4; ++i)
        GobanLv[0]->Matta();
    Play({{4, 16}});
    ASSERT_TRUE(KifuSave(Path("ha.sgf")));
    ASSERT_TRUE(Load("ha.sgf"));
    EXPECT_EQ(MoveList(), "B(16,4) W(4,16) ");
    EXPECT_TRUE(shell.messages.empty());
}

// UTF-8 text as UTF-16, big- or little-endian, with or without its mark.
std::string Utf16(const std::string& utf8, bool big, bool mark)
{
    return (mark ? std::string(big ? "\xFE\xFF" : "\xFF\xFE") : std::string())
           + FromUtf8(utf8, big ? "UTF-16BE" : "UTF-16LE");
}

TEST_F(KifuSgfTest, CharacterSets)
{
    // UTF-8 named, UTF-8 unnamed, Shift-JIS named, Shift-JIS unnamed.  The
    // second bytes of "ソ" and "ゾ" are "\" and "]" in Shift-JIS.
    const std::string sjis = "\x83\x5c\x83\x5d\x95\x5c"; // ソゾ表
    const struct {
        std::string sgf;
        std::string name;
        std::string comment;
    } cases[] = {
        {"(;CA[UTF-8]SZ[9]PB[本因坊];B[aa]C[ソゾ表])", "本因坊", "ソゾ表"},
        {"(;SZ[9]PB[本因坊];B[aa]C[ソゾ表])", "本因坊", "ソゾ表"},
        {"(;CA[Shift_JIS]SZ[9]PB[" + sjis + "];B[aa]C[" + sjis + "])", "ソゾ表", "ソゾ表"},
        {"(;SZ[9]PB[" + sjis + "];B[aa]C[" + sjis + "])", "ソゾ表", "ソゾ表"},
        {"(;CA[ISO-8859-1]SZ[9]PB[Jos\xe9];B[aa]C[caf\xe9])", "José", "café"},
        // CA is a property of the root only: in a comment it names nothing.
        {"(;SZ[9]PB[" + sjis + "];B[aa]C[" + sjis + " CA[UTF-8])", "ソゾ表", "ソゾ表 CA[UTF-8"},
        {"(;SZ[9]C[saved as CA[ISO-8859-1\\]]PB[" + sjis + "];B[aa]C[" + sjis + "])", "ソゾ表", "ソゾ表"},
        // A double-byte name before CA whose last byte is "\".
        {"(;PB[" + sjis + "]CA[SJIS]SZ[9];B[aa]C[" + sjis + "])", "ソゾ表", "ソゾ表"},
        // Unicode with a byte-order mark (its CA says so too, or nothing).
        {Utf16("(;CA[UTF-16LE]SZ[9]PB[本因坊];B[aa]C[ソゾ表])", false, true), "本因坊", "ソゾ表"},
        {Utf16("(;CA[UTF-16]SZ[9]PB[本因坊];B[aa]C[ソゾ表])", true, true), "本因坊", "ソゾ表"},
        {Utf16("(;SZ[9]PB[本因坊];B[aa]C[ソゾ表])", false, false), "本因坊", "ソゾ表"},
        {"\xEF\xBB\xBF(;CA[Shift_JIS]SZ[9]PB[本因坊];B[aa]C[ソゾ表])", "本因坊", "ソゾ表"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell.messages.clear();
        ASSERT_TRUE(LoadText(c.sgf));
        EXPECT_TRUE(shell.messages.empty());
        EXPECT_EQ(KifuBlackPlayer, c.name);
        EXPECT_EQ(GobanLv[0]->Tejun.GetComment(1), c.comment);
    }
}

TEST_F(KifuSgfTest, BadFilesLeaveTheGameAlone)
{
    const char* bad[] = {
        "", "garbage without a tree", "(;SZ[21];B[aa])", "(;SZ[abc])", "(;SZ[19:13])", "(;SZ[7])",
        "(;HA[20])", "(;HA[-1])", "(;SZ[9];B[jj])", "(;SZ[9];B[zz])", "(;SZ[19];B[a])", "(;GM[2];B[aa])",
        "(;FF[5];B[aa])", "(;SZ[9]AB[kk])", "(;SZ[9];B[aa]TR[zz])", "(;SZ[9];B[aa]LB[zz:x])", "(;B[aa];W",
        "(;C[unterminated", "(;B[aa] junk)", "(;B[aa](;W[bb]);B[cc])", "(;B[aa]\\", "(;SZ[9]C[x\\]", "(",
        "(;B[aa](", "( )",
    };
    SomeGame();
    const std::string before = GameSnapshot();
    for (const char* sgf : bad) {
        SCOPED_TRACE(sgf);
        shell.messages.clear();
        WriteText("bad.sgf", sgf);
        EXPECT_FALSE(KifuLoadHeader(Path("bad.sgf")));
        EXPECT_FALSE(KifuLoad(Path("bad.sgf")));
        EXPECT_EQ(shell.messages.size(), 2u);
        EXPECT_EQ(GameSnapshot(), before);
        EXPECT_EQ(NoLastMark, 0);
    }
}

TEST_F(KifuSgfTest, FilesCutInsideAPropertyAreRefused)
{
    Handicap = 2;
    GobanLv[0]->NewGame();
    Shell().HaitiIsi(kSiro, 3, 3);
    PlayRandom(30);
    GobanLv[0]->Tejun.SetComment(5, "comment");
    const std::string full = KifuSgfText();
    const std::size_t close = full.rfind(')');
    // A file that ends between two properties or nodes is read as far as it
    // goes (its closing ")" is missing); one cut inside a property is not.
    int read = 0;
    for (std::size_t n = 0; n < close; ++n) {
        const std::string cut = full.substr(0, n);
        const std::size_t open = cut.find_last_of('['), shut = cut.find_last_of(']');
        const bool between = n >= 2 && (open == std::string::npos || (shut != std::string::npos && shut > open))
                             && cut.find_last_not_of("\r\n") == cut.find_last_of(";]");
        TKifuRecord record;
        std::string why;
        EXPECT_EQ(KifuParseSgf(cut, record, why), between) << n << ": " << cut.substr(n > 20 ? n - 20 : 0);
        EXPECT_EQ(why.empty(), between) << n;
        read += between ? 1 : 0;
    }
    EXPECT_GT(read, 40);
    // And through the front door, for a few cut inside a value.
    SomeGame();
    const std::string before = GameSnapshot();
    for (std::size_t n : {std::size_t(1), full.find("SZ[") + 4, full.rfind("C[") + 3, close - 2}) {
        WriteText("cut.sgf", full.substr(0, n));
        EXPECT_FALSE(KifuLoadHeader(Path("cut.sgf"))) << n;
        EXPECT_FALSE(KifuLoad(Path("cut.sgf"))) << n;
        EXPECT_EQ(GameSnapshot(), before);
    }
}

TEST_F(KifuSgfTest, FilesThatEndBeforeTheirClosingParenthesisSaySo)
{
    Language = lgEnglish;
    const char* const kNote = "The file is cut short (before the closing \")\" of the game); what came before it was read.";
    const struct {
        const char* sgf;
        bool loads;
        const char* moves;   // when it loads
        const char* comment; // of the last move, when it loads
        bool note;
    } cases[] = {
        {"(;SZ[9];B[cc];W[dd])", true, "B(3,3) W(4,4) ", "", false},
        {"(;SZ[9];B[cc];W[dd])\r\n", true, "B(3,3) W(4,4) ", "", false},
        {"(;SZ[9];B[cc];W[dd]", true, "B(3,3) W(4,4) ", "", true},
        {"(;SZ[9];B[cc];W[dd];", true, "B(3,3) W(4,4) ", "", true},
        {"(;SZ[9];B[cc];W[dd]C[ok]", true, "B(3,3) W(4,4) ", "ok", true},
        {"(;SZ[9];B[cc];W[dd]\r\n", true, "B(3,3) W(4,4) ", "", true},
        {"(;SZ[9];B[cc](;W[dd])", true, "B(3,3) W(4,4) ", "", true},
        {"(;SZ[9];B[cc](;W[dd])(;W[ee]", true, "B(3,3) W(4,4) ", "", true},
        {"(;SZ[9]", true, "", "", true},
        // An escaped bracket ends no comment: the one that ends it comes later.
        {"(;SZ[9];B[cc];W[dd]C[a \\] b];B[ee]", true, "B(3,3) W(4,4) B(5,5) ", "", true},
        {"(;SZ[9];B[cc];W[dd]C[a \\] b])", true, "B(3,3) W(4,4) ", "a ] b", false},
        // Cut inside a comment right behind an escaped bracket: refused.
        {"(;SZ[9];B[cc];W[dd]C[a \\]", false, "", "", false},
        {"(;SZ[9];B[cc];W[dd]C[a \\", false, "", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sgf);
        FreshGame();
        const std::string before = GameSnapshot();
        shell.messages.clear();
        EXPECT_EQ(LoadText(c.sgf), c.loads);
        if (!c.loads) {
            EXPECT_EQ(GameSnapshot(), before);
            ASSERT_EQ(shell.messages.size(), 1u);
            EXPECT_NE(shell.messages[0].find("not a valid game record"), std::string::npos) << shell.messages[0];
            continue;
        }
        EXPECT_EQ(MoveList(), c.moves);
        const TTejun& t = GobanLv[0]->Tejun;
        EXPECT_EQ(t.GetComment(t.Last()), c.comment);
        ASSERT_EQ(shell.messages.size(), c.note ? 1u : 0u);
        if (c.note)
            EXPECT_EQ(shell.messages[0], kNote);
    }
}

TEST_F(KifuSgfTest, AMoveOnAStoneRefusesTheRecord)
{
    Language = lgEnglish;
    const struct {
        const char* sgf;
        const char* why; // nullptr: the record loads
    } cases[] = {
        {"(;SZ[9];B[cc];W[dd];B[cc])", "move 3 is played on a stone at <3,3>"},
        {"(;SZ[9];B[cc];W[cc])", "move 2 is played on a stone at <3,3>"},
        // On a setup stone, and on a handicap stone (White moves first).
        {"(;SZ[9]AW[ee];B[ee])", "move 1 is played on a stone at <5,5>"},
        {"(;SZ[9]HA[2];W[gc])", "move 1 is played on a stone at <7,3>"},
        // Counted as the file counts, without the pass put in before a
        // second black move.
        {"(;SZ[9];B[cc];B[dd];W[dd])", "move 3 is played on a stone at <4,4>"},
        // A point emptied by a capture or by AE may be played again.
        {"(;SZ[9];B[ba];W[aa];B[ab];W[ii];B[aa])", nullptr},
        {"(;SZ[9]AB[ee];AE[ee];W[ee])", nullptr},
        {"(;SZ[9];B[cc];W[dd])", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sgf);
        FreshGame();
        const std::string before = GameSnapshot();
        const int size = BoardSize;
        shell.messages.clear();
        WriteText("o.sgf", c.sgf);
        if (c.why == nullptr) {
            EXPECT_TRUE(Load("o.sgf"));
            EXPECT_TRUE(shell.messages.empty());
            continue;
        }
        EXPECT_FALSE(KifuLoadHeader(Path("o.sgf")));
        EXPECT_FALSE(KifuLoad(Path("o.sgf")));
        EXPECT_EQ(GameSnapshot(), before);
        EXPECT_EQ(BoardSize, size);
        ASSERT_EQ(shell.messages.size(), 2u);
        EXPECT_EQ(shell.messages[0],
                  Path("o.sgf") + " is not a valid game record (" + c.why + "). The current game is kept.");
    }
}

TEST_F(KifuSgfTest, RefusedMovesAreReportedOnce)
{
    Language = lgEnglish;
    // White's two tries at a surrounded corner are suicide; White then
    // plays on.
    ASSERT_TRUE(LoadText("(;SZ[9];B[ba];W[ii];B[ab];W[aa];W[aa];W[hh];B[gg])"));
    EXPECT_EQ(MoveList(), "B(2,1) W(9,9) B(1,2) W(8,8) B(7,7) ");
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_NE(shell.messages[0].find("<1,1> <1,1> (2)"), std::string::npos) << shell.messages[0];

    // A ko retaken at once is refused as well.
    shell.messages.clear();
    ASSERT_TRUE(LoadText("(;SZ[9];B[ba];W[ca];B[ab];W[db];B[bc];W[cc];B[ii];W[bb];B[cb];W[bb])"));
    EXPECT_EQ(MoveList(), "B(2,1) W(3,1) B(1,2) W(4,2) B(2,3) W(3,3) B(9,9) W(2,2) B(3,2) ");
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_NE(shell.messages[0].find("<2,2> (1)"), std::string::npos) << shell.messages[0];
}

TEST_F(KifuSgfTest, LongRecordStopsAtTheLimitWithOneReport)
{
    std::string sgf = "(;SZ[9]";
    for (int i = 0; i < 350; ++i)
        sgf += ";B[tt];W[tt]";
    sgf += ")";
    ASSERT_TRUE(LoadText(sgf));
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), kMaxTe);
    EXPECT_EQ(shell.messages.size(), 1u);
}

TEST_F(KifuSgfTest, HugeExpansionsAreRefused)
{
    // A small file whose point lists would make over a hundred thousand stones.
    std::string sgf = "(;SZ[19]";
    for (int i = 0; i < 300; ++i)
        sgf += ";AB[aa:ss]";
    SomeGame();
    const std::string before = GameSnapshot();
    EXPECT_FALSE(LoadText(sgf + ")"));
    EXPECT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(GameSnapshot(), before);
}

TEST_F(KifuSgfTest, SetupAfterTheFirstMoveStaysWithItsMove)
{
    // Setup in the root, after move 2 (a white stone, and a move's stone
    // cleared), and after the last move; also as the cleared point of a
    // setup stone.
    const char* const sgf = "(;SZ[9]AB[aa]AW[ii];B[cc];W[gg];AW[ee]AE[cc];B[dd];W[ff];AE[aa]AB[hh])";
    ASSERT_TRUE(LoadText(sgf));
    const std::string loaded = GameSnapshot();
    EXPECT_EQ(BoardDiagram(*GobanLv[0]), ".........\n"
                                         ".........\n"
                                         ".........\n"
                                         "...X.....\n"
                                         "....O....\n"
                                         ".....O...\n"
                                         "......O..\n"
                                         ".......X.\n"
                                         "........O\n");
    // The setup stones with their moves, in order within a node.
    auto moves = [] {
        std::vector<std::string> list;
        for (const THaiti& h : GobanLv[0]->Tejun.GetHaiti())
            list.push_back(std::to_string(h.te) + ":" + std::to_string(h.iro) + "(" + std::to_string(h.x) + ","
                           + std::to_string(h.y) + ") ");
        std::sort(list.begin(), list.end());
        std::string s;
        for (const std::string& e : list)
            s += e;
        return s;
    };
    const std::string setup = moves();
    EXPECT_EQ(setup, "0:1(1,1) 0:2(9,9) 2:0(3,3) 2:2(5,5) 4:0(1,1) 4:1(8,8) ");

    // Saved, the setup goes into nodes of its own behind its move; read back,
    // the game is the same, move by move.
    const std::string text = KifuSgfText();
    EXPECT_NE(text.find("AB[aa]\r\nAW[ii]\r\n;B[cc];W[gg]\r\n;AW[ee]AE[cc]\r\n;B[dd];W[ff]\r\n;AB[hh]AE[aa]\r\n)"),
              std::string::npos)
        << text;
    ASSERT_TRUE(KifuSave(Path("s.sgf")));
    ASSERT_TRUE(Load("s.sgf"));
    EXPECT_EQ(GameSnapshot(), loaded);
    EXPECT_EQ(moves(), setup);
    EXPECT_EQ(KifuSgfText(), text);

    // Stones set up during a game, one placed and taken away again.
    BoardSize = 9;
    GobanLv[0]->NewGame();
    FillGrid<unsigned char, 1, 19>(HaitiBan, 0);
    Play({{3, 3}, {7, 7}});
    Shell().HaitiIsi(kKuro, 5, 5);
    Shell().HaitiIsi(kSiro, 1, 1);
    Play({{4, 4}});
    Shell().HaitiIsi(kAki, 5, 5);
    const std::string played = BoardDiagram(*GobanLv[0]);
    ASSERT_TRUE(KifuSave(Path("p.sgf")));
    ASSERT_TRUE(Load("p.sgf"));
    EXPECT_EQ(BoardDiagram(*GobanLv[0]), played);
    EXPECT_EQ(moves(), "2:1(5,5) 2:2(1,1) 3:0(5,5) ");
    // The last move deleted: what was set up after it follows the move before.
    GobanLv[0]->Tejun.Truncate(3);
    EXPECT_EQ(moves(), "2:0(5,5) 2:1(5,5) 2:2(1,1) ");
}

TEST_F(KifuSgfTest, EachRecordStartsFromAnEmptyHeader)
{
    ASSERT_TRUE(LoadText("(;SZ[9]GN[First]PB[Alice]PW[Bob]BR[3d]KM[5.5]RE[B+R]DT[2020]PC[Here];B[cc])"));
    EXPECT_EQ(KifuBlackPlayer + KifuWhitePlayer + KifuResult + KifuKomi, "AliceBobB+R5.5");
    // A record without a header keeps nothing of the game before; its komi
    // is the one of its kind of game.
    ASSERT_TRUE(LoadText("(;SZ[9];B[dd])"));
    std::string header;
    for (const std::string* g : KifuGameStrings())
        header += "[" + *g + "]";
    EXPECT_EQ(header, "[][][][6.5][][][][][][][]");
    const std::string text = KifuSgfText();
    for (const char* id : {"GN[", "PB[", "PW[", "BR[", "RE[", "DT[", "PC[", "TM[", "HA["})
        EXPECT_EQ(text.find(id), std::string::npos) << id << "\n" << text;
    ASSERT_TRUE(LoadText("(;SZ[19]HA[2]PW[Bob];W[dd])"));
    EXPECT_EQ(KifuKomi, "0");
    EXPECT_EQ(KifuBlackPlayer, "");
}

TEST_F(KifuSgfTest, HandicapIsWrittenWithItsCount)
{
    const struct {
        const char* sgf;
        const char* ha; // what the saved record says, nullptr: no HA
    } cases[] = {
        {"(;SZ[9];B[cc])", nullptr},
        {"(;SZ[19]HA[4];W[cc])", "HA[4]"},
        // Placed freely: read with three setup stones on a board without
        // stones of its own, and written back so, with the file's handicap.
        {"(;SZ[19]HA[3]AB[cc][qq][jj];W[dd])", "HA[3]"},
        {"(;SZ[19]AB[cc][qq];B[dd])", nullptr},          // a position set up, Black to play
        {"(;SZ[19]AB[cc][qq]AW[jj];B[tt];W[dd])", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sgf);
        ASSERT_TRUE(LoadText(c.sgf));
        const std::string position = GameSnapshot();
        const std::string text = KifuSgfText();
        if (c.ha == nullptr)
            EXPECT_EQ(text.find("HA["), std::string::npos) << text;
        else
            EXPECT_NE(text.find(c.ha), std::string::npos) << text;
        ASSERT_TRUE(KifuSave(Path("h.sgf")));
        ASSERT_TRUE(Load("h.sgf"));
        EXPECT_EQ(GameSnapshot(), position);
    }
}

TEST_F(KifuSgfTest, SetupStonesOnHandicapPointsStaySetupStonesThroughASave)
{
    // Black setup stones on the very points of a handicap, then Black's own
    // move: a save must not turn them into a handicap with White to move.
    const struct {
        const char* sgf;
        int handicap;      // after each load
        const char* moves; // after each load
        bool ha;           // the save writes HA
    } cases[] = {
        {"(;SZ[9]AB[gc][cg];B[];W[ee])", 0, "B(pass) W(5,5) ", false},
        {"(;SZ[9]AB[gc][cg];B[tt];W[ee];B[cc])", 0, "B(pass) W(5,5) B(3,3) ", false},
        {"(;SZ[19]AB[dp][pd];B[qq];W[dd])", 0, "B(17,17) W(4,4) ", false},
        {"(;SZ[9]AB[gc][cg];W[ee])", 0, "B(pass) W(5,5) ", false},
        {"(;SZ[9]HA[2]AB[gc][cg];W[ee])", 2, "W(5,5) ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sgf);
        ASSERT_TRUE(LoadText(c.sgf));
        EXPECT_EQ(Handicap, c.handicap);
        EXPECT_EQ(MoveList(), c.moves);
        const std::string position = GameSnapshot();
        ASSERT_TRUE(KifuSave(Path("s.sgf")));
        EXPECT_EQ(ReadText("s.sgf").find("HA[") != std::string::npos, c.ha) << ReadText("s.sgf");
        for (int again = 0; again < 2; ++again) {
            ASSERT_TRUE(Load("s.sgf"));
            EXPECT_EQ(Handicap, c.handicap);
            EXPECT_EQ(MoveList(), c.moves);
            EXPECT_EQ(GameSnapshot(), position);
            ASSERT_TRUE(KifuSave(Path("s.sgf")));
        }
        EXPECT_TRUE(shell.messages.empty());
    }
}

TEST_F(KifuSgfTest, LoadStartsTheRunningRecordAtTheFirstMove)
{
    KifuRecOn = 1;
    KifuBlackPlayer = "before";
    ASSERT_TRUE(LoadText("(;SZ[9]PB[Black];B[cc];W[tt];B[dd])"));
    const std::string rec = ReadText("bug.ig1");
    EXPECT_NE(rec.find("PLAYER_BLACK Black\r\n"), std::string::npos) << rec;
    EXPECT_NE(rec.find("INT 9 0\r\nMOV\r\nC03 A00 D04 "), std::string::npos) << rec;
}

} // namespace
} // namespace vorn::test
