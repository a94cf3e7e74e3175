// The line formats .wwg, .ugf and .icf: games written by the test writers
// and read back, the formats' worked cases, and damaged files.
#include "RecordWriters.h"
#include "records/Charset.h"
#include "records/KifuLines.h"

namespace vorn::test {
namespace {

class KifuLinesTest : public RecordFormatsTest {
protected:
    bool LoadLines(const std::string& name, const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& l : lines)
            text += Utf8ToSjis(l) + "\r\n";
        return LoadText(name, text);
    }
    static std::vector<std::string> Wwg(const std::vector<std::string>& moves, const std::string& size = "9")
    {
        std::vector<std::string> lines = {"", "", "黒", "", "", "白", "", "", size, "0", "6.5", "", "", "", "",
                                          "名前", "2001", ""};
        lines.insert(lines.end(), moves.begin(), moves.end());
        return lines;
    }
    static std::vector<std::string> Icf(const std::vector<std::string>& moves, const std::string& setup = "K65")
    {
        std::vector<std::string> lines = {"2001/02/03", "黒：黒の名前", "白：白の名前", "互先", setup};
        lines.insert(lines.end(), moves.begin(), moves.end());
        return lines;
    }
};

TEST_F(KifuLinesTest, GamesComeBack)
{
    const struct {
        const char* name;
        std::string (*write)(const TTestGame&);
        int size, handicap, moves;
    } cases[] = {
        {"g.wwg", WriteWwg, 9, 0, 70},  {"g.wwg", WriteWwg, 13, 3, 100}, {"g.wwg", WriteWwg, 19, 0, 150},
        {"g.ugf", WriteUgf, 9, 2, 70},  {"g.ugf", WriteUgf, 13, 0, 100}, {"g.ugf", WriteUgf, 19, 9, 150},
        {"g.icf", WriteIcf, 19, 0, 150}, {"g.icf", WriteIcf, 19, 5, 150},
        {"g.icf", WriteIcf, 9, 0, 70},   {"g.icf", WriteIcf, 13, 2, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.size));
        TTestGame g = Game(c.size, c.handicap, c.moves);
        const bool icf = std::string(c.name) == "g.icf";
        if (icf) {
            // The file names no board size: the one in force is the game's.
            BoardSize = c.size;
            GobanLv[0]->NewGame();
        }
        g.gameName = "棋聖戦";
        g.date = "2001-02-03";
        g.komi = "6.5";
        g.black = "黒石";
        g.white = "白石";
        ExpectRoundTrip(c.name, c.write(g), g);
        EXPECT_EQ(KifuGameName, icf ? "囲碁倶楽部" : g.gameName);
        EXPECT_EQ(KifuDate + KifuKomi + KifuBlackPlayer + KifuWhitePlayer, "2001-02-036.5黒石白石");
    }
}

TEST_F(KifuLinesTest, WwgPlaysTheSideToMoveWhateverTheLetter)
{
    ASSERT_TRUE(LoadLines("w.wwg", Wwg({"B 2 2", "B 3 15", "junk", "W 0 0"}, "19")));
    EXPECT_EQ(MoveList(), "B(3,3) W(4,16) B(1,1) ");
    EXPECT_EQ(KifuBlackPlayer, "黒");
    EXPECT_EQ(KifuWhitePlayer, "白");
    EXPECT_EQ(KifuKomi, "6.5");
    EXPECT_EQ(KifuGameName, "名前");
    EXPECT_EQ(KifuDate, "2001");
}

TEST_F(KifuLinesTest, UgfKeysAndData)
{
    std::string longName(45, 'n');
    longName.replace(39, 3, "漢"); // straddles byte 40 in Shift-JIS
    ASSERT_TRUE(LoadLines("u.ugf", {"[Header]", "Title " + longName, "Hdcp 2 0.5", "Size 19", "Place=Other",
                                    "[Data]", "QD,W1,1", "", "D", "DQ,B1,2"}));
    EXPECT_EQ(Handicap, 2);
    EXPECT_EQ(KifuKomi, "0.5");
    EXPECT_EQ(KifuGameName, std::string(39, 'n'));
    EXPECT_EQ(KifuPlace, "Other");
    EXPECT_EQ(MoveList(), "W(17,4) B(4,17) ");
    // Keys joined with "=" are keys as well; the game before leaves no name
    // behind.
    KifuBlackPlayer = "old";
    ASSERT_TRUE(LoadLines("u.ugf", {"Title=New", "Size=9", "[Data]", "CC"}));
    EXPECT_EQ(KifuGameName, "New");
    EXPECT_EQ(KifuBlackPlayer, "");
    EXPECT_EQ(BoardSize, 9);
}

TEST_F(KifuLinesTest, UgfAsFilesWriteIt)
{
    Language = lgEnglish;
    const std::vector<std::string> realHeader = {
        "[Header]", "Lang=JP", "Title=The 45th Honinbo", "Place=Tokyo", "Date=2001/05/06",
        "PlayerB=黒太郎,5d,,", "PlayerW=White Jiro,9p,,", "Size=9", "Hdcp=2,0.5", "[Remote]", "[Files]"};
    auto with = [](std::vector<std::string> lines, const std::vector<std::string>& more) {
        lines.insert(lines.end(), more.begin(), more.end());
        return lines;
    };
    const struct {
        const char* name;
        std::vector<std::string> lines;
        int size, handicap;
        const char* komi;
        const char* black;
        const char* moves;
    } cases[] = {
        // White moves first in a handicap game; a later section ends the moves.
        {"keys with =", with(realHeader, {"[Data]", "EE,W1,0", "CC,B2,0", "[Figure]", ".Text,1", "Figure text"}), 9, 2,
         "0.5", "黒太郎", "W(5,5) B(3,3) "},
        {"keys with blanks", {"Size 9", "Hdcp 2 0.5", "BMemb1 黒太郎,5d", "[Data]", "EE", "CC"}, 9, 2, "0.5",
         "黒太郎,5d", "W(5,5) B(3,3) "},
        {"even game on 13 lines", {"Size=13", "Hdcp=0,6.5", "PlayerB=Taro", "[Data]", "DD,B1,0", "KK,W2,0"}, 13, 0,
         "6.5", "Taro", "B(4,4) W(11,11) "},
        {"no komi", {"Size=19", "Hdcp=3", "[Data]", "QQ,W1,0"}, 19, 3, "0", "", "W(17,17) "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BoardSize = 19;
        Handicap = 0;
        GobanLv[0]->NewGame();
        shell.messages.clear();
        ASSERT_TRUE(LoadLines("r.ugf", c.lines));
        EXPECT_EQ(BoardSize, c.size);
        EXPECT_EQ(Handicap, c.handicap);
        EXPECT_EQ(KifuKomi, c.komi);
        EXPECT_EQ(KifuBlackPlayer, c.black);
        EXPECT_EQ(MoveList(), c.moves);
        EXPECT_TRUE(shell.messages.empty());
    }
    EXPECT_EQ(KifuGameName, "");
    ASSERT_TRUE(LoadLines("r.ugf", with(realHeader, {"[Data]"})));
    EXPECT_EQ(KifuGameName, "The 45th Honinbo");
    EXPECT_EQ(KifuPlace, "Tokyo");
    EXPECT_EQ(KifuDate, "2001/05/06");
    EXPECT_EQ(KifuWhitePlayer, "White Jiro");

    // A line that is no point of two capital letters refuses the file.
    for (const char* move : {"@A,B1,0", "A@,B1,0", "ss,B1,0"}) {
        SCOPED_TRACE(move);
        const std::string before = GameSnapshot();
        shell.messages.clear();
        EXPECT_FALSE(LoadLines("r.ugf", {"Size=9", "Hdcp=0,6.5", "[Data]", "CC,B1,0", move}));
        EXPECT_EQ(GameSnapshot(), before);
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_NE(shell.messages[0].find(std::string("a line that is not a move: \"") + move + "\""), std::string::npos)
            << shell.messages[0];
    }
}

TEST_F(KifuLinesTest, UgfPointOffTheBoardIsAPass)
{
    // The files write a pass as a point off the board, most often "YA".
    ASSERT_TRUE(LoadLines("p.ugf", {"Size=9", "Hdcp=0,6.5", "[Data]", "EE,B1,1,0", "CC,W1,2,0", "YA,B1,3,0",
                                    "GG,W1,4,0"}));
    EXPECT_EQ(MoveList(), "B(5,5) W(3,3) B(pass) W(7,7) ");
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(KifuLinesTest, UgfFieldsLoseTheCommaThatEndsThem)
{
    // "Key=value" fields end with a comma and are read whole.
    const std::string title = "The 45th Honinbo title match, the seventh game";
    ASSERT_TRUE(LoadLines("f.ugf", {"[Header]", "Title=" + title + ",", "Place=Tokyo,", "Size=9", "[Data]"}));
    EXPECT_EQ(KifuGameName, title);
    EXPECT_EQ(KifuPlace, "Tokyo");
}

TEST_F(KifuLinesTest, IcfWorkedCases)
{
    // Read on the board size in force, 19 lines here.
    BoardSize = 19;
    GobanLv[0]->NewGame();
    const std::string comment = "コメント" + std::string(300, 'x');
    ASSERT_TRUE(LoadLines("i.icf", {"2001/02/03", "白：白の名前", "黒：黒の名前", "３子局(S)",
                                    "S65K0404S1616C" + comment, "B2304", "x1616", "B0317", "owa", "B0505"}));
    EXPECT_EQ(BoardSize, 19);
    EXPECT_EQ(Handicap, 3);
    EXPECT_EQ(KifuKomi, "-6.5");
    EXPECT_EQ(KifuBlackPlayer, "黒の名前");
    EXPECT_EQ(KifuWhitePlayer, "白の名前");
    EXPECT_EQ(KifuGameName, "囲碁倶楽部");
    EXPECT_EQ(HaitiBan[4][4], kKuro);
    EXPECT_EQ(HaitiBan[16][16], kSiro);
    // 256 bytes of the file: the four kana take eight.
    EXPECT_EQ(GobanLv[0]->Tejun.GetComment(0), "コメント" + std::string(248, 'x'));
    // Column 23 is column 3; (16, 16) holds a setup stone; "owa" ends the moves.
    EXPECT_EQ(MoveList(), "W(3,4) B(3,17) ");

    // " owa" is a move line like any other (and cannot be read as one).
    EXPECT_FALSE(LoadLines("i.icf", Icf({"B0505", " owa"})));
    ASSERT_TRUE(LoadLines("i.icf", Icf({"B0505", "owa", " owa"})));
    EXPECT_EQ(KifuKomi, "6.5");
    EXPECT_EQ(Handicap, 0);
}

TEST_F(KifuLinesTest, RecordsWithoutTheirEndMarkerSaySo)
{
    Language = lgEnglish;
    const struct {
        const char* name;
        std::string text;
        const char* moves;
        const char* note; // nullptr: no message
    } cases[] = {
        {"e.ig1", "INT 9 0\r\nMOV\r\nC03 D04 -\r\n", "B(3,3) W(4,4) ", nullptr},
        {"e.ig1", "INT 9 0\r\nMOV\r\nC03 D04 -", "B(3,3) W(4,4) ", nullptr},
        {"e.ig1", "INT 9 0\r\nMOV\r\nC03 D04 \r\n", "B(3,3) W(4,4) ", "(moves, before the closing \"-\")"},
        {"e.ig1", "INT 9 0\r\nMOV\r\nC03 D0", "B(3,3) ", "(moves, before the closing \"-\")"},
        {"e.ig1", "#COMMENT\r\nINT 9 0\r\n", "", "(moves, before the closing \"-\")"},
        // The running record never has one.
        {"e.ig1", "#COMMENT\r\n#COMMENT VORN5.91\r\nINT 9 0\r\nMOV\r\nC03 D04 ", "B(3,3) W(4,4) ", nullptr},
        {"e.icf", "d\r\n\r\n\r\n\r\nK65\r\nB0303\r\nW2404\r\nowa\r\n", "B(3,3) W(4,4) ", nullptr},
        {"e.icf", "d\r\n\r\n\r\n\r\nK65\r\nB0303\r\nW2404\r\n", "B(3,3) W(4,4) ", "(moves, before the closing \"owa\")"},
        {"e.icf", "d\r\n\r\n\r\n\r\nK65\r\nB0303", "B(3,3) ", "(moves, before the closing \"owa\")"},
        {"e.icf", "d\r\n\r\n\r\n\r\nK65", "", "(moves, before the closing \"owa\")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BoardSize = 9;
        shell.messages.clear();
        ASSERT_TRUE(LoadText(c.name, c.text));
        EXPECT_EQ(MoveList(), c.moves);
        if (c.note == nullptr) {
            EXPECT_TRUE(shell.messages.empty());
            continue;
        }
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0], std::string("The file is cut short ") + c.note + "; what came before it was read.");
    }
}

TEST_F(KifuLinesTest, IcfIsReadOnTheBoardSizeInForce)
{
    Language = lgEnglish;
    const struct {
        int size; // in force before the load
        std::vector<std::string> lines;
        const char* moves;
        const char* says; // a refusal or the replay's report; nullptr: none
    } cases[] = {
        {9, Icf({"B0505", "W2703", "B0909", "owa"}), "B(5,5) W(7,3) B(9,9) ", nullptr},
        {13, Icf({"B1313", "W2101", "owa"}), "B(13,13) W(1,1) ", nullptr},
        {19, Icf({"B1616", "W2404", "owa"}), "B(16,16) W(4,4) ", nullptr},
        // Setup stones and moves past the edge of a 9-line board.
        {9, Icf({"B0505", "owa"}, "K65K1010"), "", "a setup stone off the board: <10,10>"},
        {9, Icf({"B0505", "B1010", "owa"}, "K65K0909"), "B(5,5) ", "outside the board were skipped: <10,10> (1)"},
        // A handicap on the board in force: 9 lines, its two stones.
        {9, {"d", "黒：a", "白：b", "２子局", "K05", "W2505", "owa"}, "W(5,5) ", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        BoardSize = c.size;
        Handicap = 0;
        GobanLv[0]->NewGame();
        shell.messages.clear();
        const bool loaded = LoadLines("s.icf", c.lines);
        EXPECT_EQ(BoardSize, c.size);
        if (c.says == nullptr) {
            EXPECT_TRUE(loaded);
            EXPECT_TRUE(shell.messages.empty());
        } else {
            ASSERT_EQ(shell.messages.size(), 1u);
            EXPECT_NE(shell.messages[0].find(c.says), std::string::npos) << shell.messages[0];
        }
        if (loaded)
            EXPECT_EQ(MoveList(), c.moves);
    }
    EXPECT_EQ(Handicap, 2);
    EXPECT_EQ(GobanLv[0]->GetIro(7, 3), kKuro);
    EXPECT_EQ(GobanLv[0]->GetIro(3, 7), kKuro);
}

TEST_F(KifuLinesTest, IcfHandicapTexts)
{
    const std::pair<const char*, int> cases[] = {
        {"互先", 0},   {"先", 1},     {"２子局", 2}, {"３子局", 3}, {"３子局(S)", 3}, {"４子局", 4}, {"５子局", 5},
        {"６子局", 6}, {"７子局", 7}, {"８子局", 8}, {"９子局", 9}, {"2子局", -1},    {"先 ", -1},    {"", -1},
    };
    for (const auto& [text, handicap] : cases)
        EXPECT_EQ(KifuIcfHandicap(Utf8ToSjis(text)), handicap) << text;
}

TEST_F(KifuLinesTest, DamagedFiles)
{
    Language = lgEnglish;
    PlayTestGame(9, 0, 30);
    KifuGameName = "mine";
    const struct {
        const char* name;
        std::vector<std::string> lines;
        const char* says; // a refusal, or the replay's report
        bool refused;
    } cases[] = {
        {"d.wwg", {"", "", "", "", "", "", "", "", "9", "0", "", "", "", "", "", "", ""}, "before its moves", true},
        {"d.wwg", Wwg({}, "25"), "board size", true},
        {"d.wwg", Wwg({}, "nine"), "cannot be read", true},
        {"d.wwg", Wwg({"B 2 x"}), "cannot be read", true},
        {"d.wwg", Wwg({"B 2"}), "cannot be read", true},
        {"d.wwg", Wwg({"B 2 2", "W 9 0", "B -1 3"}), "outside the board were skipped: <10,1> <0,4> (2)", false},
        {"d.ugf", {"Size 25", "[Data]"}, "board size", true},
        {"d.ugf", {"Hdcp 200 0.5", "[Data]"}, "handicap", true},
        {"d.ugf", {"Hdcp x 0.5", "[Data]"}, "cannot be read", true},
        {"d.ugf", {"Size 9", "CC"}, "[Data]", true},
        {"d.ugf", {"Size 9", "[Data]", "CC", "JA", "@C", "漢字"}, "a line that is not a move: \"@C\"", true},
        {"d.icf", {"date", "黒：a", "白：b", "互先"}, "before its moves", true},
        {"d.icf", {"date", "owa", "黒：a", "白：b", "互先", "K65"}, "before its moves", true},
        {"d.icf", Icf({}, "K65K0420"), "setup stone off the board", true},
        {"d.icf", Icf({}, "K65K04"), "cannot be read", true},
        {"d.icf", Icf({"B04"}), "cannot be read", true},
        {"d.icf", Icf({"B0400", "B2020", "B4004"}), "outside the board were skipped: <4,0> <0,20> <20,4> (3)", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        const std::string before = GameSnapshot();
        shell.messages.clear();
        EXPECT_EQ(LoadLines(c.name, c.lines), !c.refused);
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_NE(shell.messages[0].find(c.says), std::string::npos) << shell.messages[0];
        if (c.refused) {
            EXPECT_EQ(GameSnapshot(), before);
        }
    }
}

TEST_F(KifuLinesTest, EveryPrefix)
{
    TTestGame g = PlayTestGame(9, 0, 12);
    g.comments = {{0, "開始"}};
    g.black = "黒";
    for (const auto& [name, file] : {std::pair{"p.wwg", WriteWwg(g)}, std::pair{"p.ugf", WriteUgf(g)},
                                     std::pair{"p.icf", WriteIcf(g)}}) {
        SCOPED_TRACE(name);
        for (std::size_t n = 0; n <= file.size(); ++n) {
            const std::string before = GameSnapshot();
            shell.messages.clear();
            if (!LoadText(name, file.substr(0, n))) {
                ASSERT_EQ(GameSnapshot(), before) << n;
            }
            ASSERT_LE(shell.messages.size(), 1u) << n;
        }
        EXPECT_TRUE(shell.messages.empty());
        EXPECT_EQ(GobanLv[0]->Tejun.Last(), 12);
    }
}

} // namespace
} // namespace vorn::test
