// The .ig1 format and the running record: tokens, golden bytes, reading,
// and recovering a game from the running record after a crash.
#include "RecordsUtil.h"
#include "records/Charset.h"
#include "records/KifuIg1.h"

namespace vorn::test {
namespace {

class KifuIg1Test : public RecordsTest {
protected:
    bool LoadText(const std::string& text) { return RecordsTest::LoadText("t.ig1", text); }
    static std::string Ig1(const std::string& moveLines, const std::string& intLine = "INT 9 0")
    {
        return "#COMMENT\r\n" + intLine + "\r\nMOV\r\n" + moveLines;
    }
};

TEST_F(KifuIg1Test, MoveTokens)
{
    const struct {
        Point p;
        const char* token;
    } cases[] = {
        {{0, 0}, "A00 "}, {{1, 1}, "A01 "}, {{8, 3}, "H03 "}, {{9, 10}, "J10 "}, {{10, 2}, "K02 "}, {{19, 19}, "T19 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KifuIg1Token(c.p), c.token);
}

TEST_F(KifuIg1Test, TokenizerSplitsAtHalfAndFullWidthBlanks)
{
    KifuLine = "  INT\xE3\x80\x80" "19 0 \xE3\x80\x80";
    KifuTokPos = 1;
    EXPECT_EQ(KifuToken(), "INT");
    EXPECT_EQ(KifuTokPos, 6); // on the separator
    EXPECT_EQ(KifuToken(), "19");
    EXPECT_EQ(KifuToken(), "0");
    EXPECT_EQ(KifuToken(), "");
    EXPECT_EQ(KifuToken(), "");
}

TEST_F(KifuIg1Test, WriterGoldenBytes)
{
    BoardSize = 9;
    Handicap = 2;
    GobanLv[0]->NewGame();
    PlayerKind[kKuro] = pkHuman;
    PlayerKind[kSiro] = pkComputer;
    KifuGameName = "対局";
    KifuKomi = "0";
    KifuBlackPlayer = "黒";
    KifuWhitePlayer = "VORN";
    KifuBlackKyu = "3k"; // ranks are not written
    GobanLv[0]->Tejun.SetComment(1, "not written");
    std::vector<Point> moves;
    for (int i = 0; i < 16; ++i)
        moves.push_back(i == 4 ? Point() : Point(1 + i % 9, 5 + i / 9));
    Play(moves);
    const std::string expected = "#COMMENT\r\nGAME_NAME \x91\xce\x8b\xc7\r\nDATE \r\nPLACE \r\nKOMI 0\r\nWHO 0 1\r\n"
                                 "PLAYER_WHITE VORN\r\nPLAYER_BLACK \x8d\x95\r\nTIME_WHITE \r\nTIME_BLACK \r\n"
                                 "RESULT \r\nINT 9 2\r\nMOV\r\n"
                                 "A05 B05 C05 D05 A00 F05 G05 H05 J05 A06 B06 C06 D06 E06 F06 \r\n"
                                 "G06 -\r\n";
    EXPECT_EQ(KifuIg1Text(), expected);
    ASSERT_TRUE(KifuSave(Path("g.IG1")));
    EXPECT_EQ(ReadText("g.IG1"), expected);

    // An empty record ends with the line "-".
    GobanLv[0]->NewGame();
    const std::string empty = KifuIg1Text();
    EXPECT_EQ(empty.substr(empty.size() - 17), "INT 9 2\r\nMOV\r\n-\r\n");
}

TEST_F(KifuIg1Test, RoundTrip)
{
    Handicap = 3;
    GobanLv[0]->NewGame();
    PlayRandom(80, [](int i) { return i == 33 || i == 34 || i == 60; });
    KifuGameName = "名人戦 第七局";
    KifuDate = "2001-02-03";
    KifuPlace = "ホテル";
    KifuKomi = "5.5";
    KifuResult = "B+2.5";
    KifuBlackPlayer = "黒";
    KifuWhitePlayer = "白";
    KifuBlackTime = "3:00";
    KifuWhiteTime = "2:59";
    const std::string before = GameSnapshot();
    ASSERT_TRUE(KifuSave(Path("r.ig1")));
    BoardSize = 13;
    Handicap = 0;
    GobanLv[0]->NewGame();
    KifuGameName.clear();
    ASSERT_TRUE(Load("r.ig1"));
    EXPECT_EQ(GameSnapshot(), before);
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(KifuIg1Test, ReaderTokens)
{
    Language = lgEnglish;
    const struct {
        const char* name;
        std::string text;
        const char* moves;
        bool cut = true; // no "-" at the end: read with the note that says so
    } cases[] = {
        {"I and J are both column 9", Ig1("I01 J02 T19 A00 -\r\n", "INT 19 0"), "B(9,1) W(9,2) B(19,19) W(pass) ", false},
        {"a pass", Ig1("A00 C03\r\n"), "B(pass) W(3,3) "},
        {"other tokens carry nothing", Ig1("C03 xx D0 4444 D04\r\n"), "B(3,3) W(4,4) "},
        {"the record ends at -", Ig1("C03 --\r\nD04\r\n"), "B(3,3) ", false},
        {"take-backs", Ig1("C03 D04 MAT MAT E05 F06 MAT\r\n"), "B(5,5) "},
        {"a take-back before any move", Ig1("MAT C03\r\n"), "B(3,3) "},
        {"blank lines between games", Ig1("C03 D04\r\n\r\n\r\nE05\r\n"), "B(3,3) W(4,4) B(5,5) "},
        {"LF only", "INT 9 0\nMOV\nC03 D04\n", "B(3,3) W(4,4) "},
        {"no MOV line", "INT 13 0\r\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell.messages.clear();
        ASSERT_TRUE(LoadText(c.text));
        EXPECT_EQ(MoveList(), c.moves);
        ASSERT_EQ(shell.messages.size(), c.cut ? 1u : 0u);
        if (c.cut)
            EXPECT_NE(shell.messages[0].find("cut short"), std::string::npos) << shell.messages[0];
    }
    EXPECT_EQ(BoardSize, 13);
}

TEST_F(KifuIg1Test, AFileWithoutAnIntLineIsReadOnTheBoardInForce)
{
    BoardSize = 9;
    GobanLv[0]->NewGame();
    ASSERT_TRUE(LoadText("#COMMENT\r\nPLAYER_BLACK Taro\r\nMOV\r\nC03 G07 A00 E05 -\r\n"));
    EXPECT_EQ(BoardSize, 9);
    EXPECT_EQ(MoveList(), "B(3,3) W(7,7) B(pass) W(5,5) ");
    EXPECT_EQ(KifuBlackPlayer, "Taro");
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(KifuIg1Test, WordsInJapaneseAmongTheMovesCarryNothing)
{
    // 漢 (two bytes), ｱ (half-width, one byte) and both together (three
    // bytes) between the moves; a full-width blank separates as well.
    ASSERT_TRUE(LoadText(Ig1("C03 \x8a\xbf D04 \xb1 E05 \x8a\xbf\xb1 F06\x81\x40G07 -\r\n")));
    EXPECT_EQ(MoveList(), "B(3,3) W(4,4) B(5,5) W(6,6) B(7,7) ");
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(KifuIg1Test, AStrayLeadByteLeavesTheBlankAndTheNextMove)
{
    // 黒 in UTF-8 (its last byte reads as a Shift-JIS lead byte), then one
    // damaged byte: each is a word that carries nothing, and the blank after
    // it still separates, so C03 is played and the colours stay in turn.
    ASSERT_TRUE(LoadText(Ig1("E05 \xE9\xBB\x92 C03 G07 -\r\n", "INT 19 0")));
    EXPECT_EQ(MoveList(), "B(5,5) W(3,3) B(7,7) ");
    ASSERT_TRUE(LoadText(Ig1("E05 \x88 C03 G07 -\r\n", "INT 19 0")));
    EXPECT_EQ(MoveList(), "B(5,5) W(3,3) B(7,7) ");
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(KifuIg1Test, HeaderCharactersOutsideShiftJisAreCountedBeforeTheSave)
{
    Language = lgEnglish;
    ASSERT_TRUE(RecordsTest::LoadText("k.sgf", "(;CA[UTF-8]SZ[9]PB[김철수]PW[山田];B[cc])"));
    EXPECT_EQ(KifuIg1Losses(), "An .ig1 file does not keep characters outside Shift-JIS, which become \"?\" (3); "
                               "they will be missing when the file is read again. Save as .ig1 all the same?");
}

TEST_F(KifuIg1Test, HeaderValues)
{
    // Names default to "B" and "W"; a value is the whole rest of its line,
    // however long; a full-width blank may separate the keyword.
    const std::string longName(40, 'n');
    std::string kanji;
    for (int i = 0; i < 20; ++i)
        kanji += "\x8a\xbf"; // 漢 in Shift-JIS
    KifuBlackPlayer = "old";
    ASSERT_TRUE(LoadText("GAME_NAME " + longName + "\r\nPLACE a" + kanji + "\r\nKOMI\x81\x40" "6.5\r\nRESULT\r\nINT 9 0\r\nMOV\r\n-\r\n"));
    EXPECT_EQ(KifuGameName, longName);
    std::string whole = "a";
    for (int i = 0; i < 20; ++i)
        whole += "漢";
    EXPECT_EQ(KifuPlace, whole);
    EXPECT_EQ(KifuKomi, "6.5");
    EXPECT_EQ(KifuResult, "");
    EXPECT_EQ(KifuBlackPlayer, "B");
    EXPECT_EQ(KifuWhitePlayer, "W");
}

TEST_F(KifuIg1Test, HeaderValuesComeBackAsWritten)
{
    KifuGameName = "The 45th Honinbo title match, game seven";
    KifuPlace = "日本棋院 東京本院 幽玄の間 特別対局室";
    KifuBlackPlayer = "A player whose name is longer than thirty bytes";
    KifuWhiteTime = "  2:59 left ";
    ASSERT_TRUE(KifuSave(Path("h.ig1")));
    for (std::string* s : KifuGameStrings())
        s->clear();
    ASSERT_TRUE(Load("h.ig1"));
    EXPECT_EQ(KifuGameName, "The 45th Honinbo title match, game seven");
    EXPECT_EQ(KifuPlace, "日本棋院 東京本院 幽玄の間 特別対局室");
    EXPECT_EQ(KifuBlackPlayer, "A player whose name is longer than thirty bytes");
    EXPECT_EQ(KifuWhiteTime, "  2:59 left ");
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(KifuIg1Test, WhatAnIg1FileLosesIsSaidBeforeTheSave)
{
    Language = lgEnglish;
    const struct {
        const char* sgf; // the game, read from SGF
        const char* lost; // nullptr: the file keeps everything
    } cases[] = {
        {"(;SZ[9];B[cc];W[dd])", nullptr},
        {"(;SZ[9]HA[2];W[cc];B[tt])", nullptr},
        {"(;SZ[9]BR[3d]AB[aa];B[cc]C[good];W[dd]TR[cc][ee])",
         "setup stones (1), comments (1), marks (2), ranks (1)"},
        {"(;SZ[9]C[before the first move];B[cc])", "comments (1)"},
        {"(;SZ[9];B[cc];AW[ee])", "setup stones (1)"},
        // A problem: 16 black and 13 white stones.
        {"(;SZ[19]AB[ca][cb][cc][cd][ce][bf][cf][df][dg][dh][ei][fi][gi][hi][ii][ji]"
         "AW[ba][bb][bc][bd][be][af][ag][bg][cg][ch][eh][di][ah];B[ab])",
         "setup stones (29)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sgf);
        ASSERT_TRUE(RecordsTest::LoadText("w.sgf", c.sgf));
        if (c.lost == nullptr)
            EXPECT_EQ(KifuIg1Losses(), "");
        else
            EXPECT_EQ(KifuIg1Losses(), std::string("An .ig1 file does not keep ") + c.lost
                                           + "; they will be missing when the file is read again. "
                                             "Save as .ig1 all the same?");
    }
}

TEST_F(KifuIg1Test, BadFilesLeaveTheGameAlone)
{
    const std::string bad[] = {
        "",                              // no INT line
        "some text\r\nC03\r\n",          // neither INT nor MOV
        "INT 21 0\r\nMOV\r\n",           // board size
        "INT 19\r\nMOV\r\n",             // handicap missing
        "INT 19 15\r\nMOV\r\n",          // handicap
        "INT x 0\r\n",                   // not a number
        Ig1("U05 C03\r\n"),              // column 20
        Ig1("K05\r\n"),                  // column 10 on a 9x9 board
        Ig1("C10\r\n"),                  // row 10 on a 9x9 board
        Ig1("c03\r\n"),                  // lower case
        Ig1("CXX\r\n"),                  // row not a number
        Ig1("C03 D04\r\nINT 9 0\r\n"),   // a header line among the moves
    };
    Play({{3, 3}, {0, 0}, {5, 5}});
    KifuGameName = "mine";
    const std::string before = GameSnapshot();
    for (const std::string& text : bad) {
        SCOPED_TRACE(text);
        shell.messages.clear();
        WriteText("bad.ig1", text);
        EXPECT_FALSE(KifuLoadHeader(Path("bad.ig1")));
        EXPECT_FALSE(KifuLoad(Path("bad.ig1")));
        EXPECT_EQ(shell.messages.size(), 2u);
        EXPECT_EQ(GameSnapshot(), before);
    }
}

TEST_F(KifuIg1Test, RunningRecordLinesOfTen)
{
    KifuRecOn = 1;
    BoardSize = 9;
    GobanLv[0]->NewGame();
    KifuWhitePlayer = "白";
    KifuRecBegin();
    std::vector<Point> moves;
    for (int i = 0; i < 23; ++i)
        moves.push_back(Point(1 + i % 9, 1 + i / 9));
    Play(moves);
    const std::string expected = "#COMMENT\r\nGAME_NAME \r\nDATE \r\nPLACE \r\nKOMI \r\nWHO 0 0\r\nPLAYER_WHITE \x94\x92\r\n"
                                 "PLAYER_BLACK \r\nTIME_WHITE \r\nTIME_BLACK \r\nRESULT \r\n#COMMENT VORN5.91\r\n"
                                 "INT 9 0\r\nMOV\r\n"
                                 "A01 B01 C01 D01 E01 F01 G01 H01 J01 A02 \r\n"
                                 "B02 C02 D02 E02 F02 G02 H02 J02 A03 B03 \r\n"
                                 "C03 D03 E03 ";
    EXPECT_EQ(ReadText("bug.ig1"), expected);

    // Two blank lines before the next game of a match; text as it is.
    KifuRecAddBlank();
    KifuRecAddBlank();
    KifuRecAddLine("MAT ");
    EXPECT_EQ(ReadText("bug.ig1"), expected + "\r\n\r\nMAT ");
}

TEST_F(KifuIg1Test, CrashRecoveryWithPassesAndTakeBacks)
{
    // A game with passes, and take-backs as the undo command makes them:
    // the record steps back, the move goes, "MAT " follows.
    KifuRecOn = 1;
    Handicap = 2;
    GobanLv[0]->NewGame();
    KifuRecBegin();
    auto undo = [](int moves) {
        for (int i = 0; i < moves; ++i) {
            GobanLv[0]->Matta();
            KifuRecAddLine("MAT ");
        }
    };
    for (int i = 0; i < 40; ++i) {
        Play({i % 9 == 4 ? Point() : RandomMove(*GobanLv[0])});
        if (i == 12)
            undo(2); // against the engine: two moves
        if (i == 30)
            undo(1);
    }
    const std::string game = MoveList();
    const std::string board = BoardDiagram(*GobanLv[0]);
    EXPECT_NE(ReadText("bug.ig1").find("A00 "), std::string::npos);
    EXPECT_NE(ReadText("bug.ig1").find("MAT MAT "), std::string::npos);

    // The program dies; at the next start the file is set aside and opened.
    WriteText("bug1.ig1", ReadText("bug.ig1"));
    KifuRecOn = 0;
    Handicap = 0;
    GobanLv[0]->NewGame();
    ASSERT_TRUE(Load("bug1.ig1"));
    EXPECT_EQ(MoveList(), game);
    EXPECT_EQ(BoardDiagram(*GobanLv[0]), board);
    EXPECT_EQ(Handicap, 2);
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(KifuIg1Test, LoadingRewritesTheRunningRecordWithPasses)
{
    KifuRecOn = 1;
    ASSERT_TRUE(LoadText(Ig1("C03 A00 D04 MAT E05\r\n")));
    const std::string rec = ReadText("bug.ig1");
    EXPECT_EQ(rec.substr(rec.find("MOV\r\n")), "MOV\r\nC03 A00 D04 MAT E05 ");
    const std::string game = MoveList();
    WriteText("copy.ig1", rec);
    KifuRecOn = 0;
    ASSERT_TRUE(Load("copy.ig1"));
    EXPECT_EQ(MoveList(), game);
    EXPECT_EQ(game, "B(3,3) W(pass) B(5,5) ");
}

TEST_F(KifuIg1Test, RunningRecordFailureIsReportedOnce)
{
    KifuRecOn = 1;
    KifuRecName = Path("no/such/dir/bug.ig1");
    KifuRecBegin();
    Play({{3, 3}, {4, 4}, {5, 5}});
    EXPECT_EQ(shell.messages.size(), 1u);
}

TEST(CharsetTest, CutsNeverSplitACharacter)
{
    EXPECT_EQ(CutSjisBytes("abc", 2), "ab");
    EXPECT_EQ(CutSjisBytes("a漢字", 4), "a漢");
    EXPECT_EQ(CutSjisBytes("a漢字", 5), "a漢字");
    EXPECT_EQ(CutSjisBytes("ｱｲｳｴ", 3), "ｱｲｳ"); // half-width katakana: one byte each
    EXPECT_EQ(CutChars("□△x", 2), "□△");
    EXPECT_EQ(CutChars("ab", 5), "ab");
    EXPECT_EQ(CutChars("\xE3\x81", 1), "\xE3\x81");
}

TEST(CharsetTest, ConversionsReplaceWhatTheyCannotHold)
{
    EXPECT_EQ(Utf8ToSjis("～ソ"), "\x81\x60\x83\x5c");
    EXPECT_EQ(SjisToUtf8("\x81\x60\x83\x5c"), "～ソ");
    EXPECT_EQ(Utf8ToSjis("a😀b"), "a?b");
    EXPECT_EQ(SjisToUtf8("a\x83"), "a\xEF\xBF\xBD");     // cut in a character
    EXPECT_EQ(SjisToUtf8("a\xA0z"), "a\xEF\xBF\xBDz");  // no such byte
    EXPECT_EQ(ToUtf8("\xff", "UTF-8"), "\xEF\xBF\xBD");
    EXPECT_EQ(ToUtf8("caf\xe9", "latin1"), "café");
    EXPECT_TRUE(IsValidUtf8("日本 abc"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(IsValidUtf8("\xE3\x81"));
    EXPECT_EQ(CharsetCanonical(" shift_jis "), "CP932");
    EXPECT_EQ(CharsetCanonical("utf8"), "UTF-8");
}

} // namespace
} // namespace vorn::test
