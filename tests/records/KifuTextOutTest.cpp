// The text diagram: golden bytes of whole diagrams, the header line for
// move 0 and for a pass, and the glyphs of the edges and star points.
#include "RecordsUtil.h"
#include "records/KifuTextOut.h"

namespace vorn::test {
namespace {

// Shift-JIS bytes of the diagram's characters, written out by hand.
const std::string kKuroJ = "\x8d\x95", kSiroJ = "\x94\x92", kTe = "\x8e\xe8", kMade = "\x82\xdc\x82\xc5";
const std::string kHama = "\x83\x6e\x83\x7d", kMe = "\x96\xda";

// One board row in placeholders: X black, O white, # black and @ white of
// the move shown, . a corner or star point, | and - the edges, + inside.
std::string Row(int y, const std::string& points)
{
    static const std::pair<char, const char*> kGlyphs[] = {
        {'X', "\x81\x9c"}, {'O', "\x81\x9b"}, {'#', "\x81\x9f"}, {'@', "\x81\x9e"},
        {'.', "\x81\x45"}, {'|', "\x81\x62"}, {'-', "\x81\x7c"}, {'+', "\x81\x7b"},
    };
    char number[16];
    std::snprintf(number, sizeof number, "%2d", y);
    std::string out = number;
    for (const char c : points)
        for (const auto& [placeholder, bytes] : kGlyphs)
            if (c == placeholder)
                out += bytes;
    return out + "\r\n";
}

std::string Header(const std::string& colour, const std::string& move, const std::string& point, int black, int white)
{
    char hama[64];
    std::snprintf(hama, sizeof hama, "%3d", black);
    std::string out = colour + move + kTe + point + kMade + "  " + kHama + "  " + kKuroJ + hama + kMe;
    std::snprintf(hama, sizeof hama, "%3d", white);
    return out + "  " + kSiroJ + hama + kMe + "\r\n";
}

const std::string kLetters9 = "\x81\x40\x82\x60\x82\x61\x82\x62\x82\x63\x82\x64\x82\x65\x82\x66\x82\x67\x82\x69\r\n";

class KifuTextOutTest : public RecordsTest {};

std::string Rows(const std::vector<std::string>& rows)
{
    std::string out;
    for (std::size_t i = 0; i < rows.size(); ++i)
        out += Row(static_cast<int>(i) + 1, rows[i]);
    return out;
}

TEST_F(KifuTextOutTest, NineByNineGolden)
{
    BoardSize = 9;
    GobanLv[0]->NewGame();
    // Black takes a white stone in the corner; White's move is shown.
    Play({{2, 1}, {1, 1}, {1, 2}, {7, 7}, {5, 5}, {3, 3}});
    EXPECT_EQ(KifuTextDiagram(), Header(kSiroJ, "  6", "C-3", 1, 0) + kLetters9
                                     + Rows({".X------.", "X+++++++|", "|+@+++++|", "|+++++++|", "|+++X+++|",
                                             "|+++++++|", "|+++++O+|", "|+++++++|", ".-------."}));
    // One move back: Black's move is shown, White's stone is not there yet.
    GobanLv[0]->Modosu();
    const std::string five = Header(kKuroJ, "  5", "E-5", 1, 0) + kLetters9
                             + Rows({".X------.", "X+++++++|", "|+++++++|", "|+++++++|", "|+++#+++|", "|+++++++|",
                                     "|+++++O+|", "|+++++++|", ".-------."});
    EXPECT_EQ(KifuTextDiagram(), five);
    ASSERT_TRUE(KifuTextOut(Path("d.txt")));
    EXPECT_EQ(ReadText("d.txt"), five);
    EXPECT_FALSE(KifuTextOut(Path("no/such/dir/d.txt")));
    EXPECT_EQ(shell.messages.size(), 1u);
}

TEST_F(KifuTextOutTest, HeaderOfMoveZeroAndOfAPass)
{
    BoardSize = 9;
    GobanLv[0]->NewGame();
    const std::string empty = Header(kSiroJ, "  0", "@-0", 0, 0);
    EXPECT_EQ(KifuTextDiagram().substr(0, empty.size()), empty);
    Play({{5, 5}, {0, 0}});
    const std::string pass = Header(kSiroJ, "  2", "@-0", 0, 0); // White passed
    EXPECT_EQ(KifuTextDiagram().substr(0, pass.size()), pass);
    // Columns from 9 skip "I": the letter of column 10 is "K".
    BoardSize = 19;
    GobanLv[0]->NewGame();
    Play({{10, 12}});
    const std::string k = Header(kKuroJ, "  1", "K-12", 0, 0);
    EXPECT_EQ(KifuTextDiagram().substr(0, k.size()), k);
}

TEST_F(KifuTextOutTest, StarPointsRowNumbersAndColumnLetters)
{
    const std::string text = KifuTextDiagram(); // an empty 19x19 board
    std::vector<std::string> lines;
    for (std::size_t begin = 0, end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        lines.push_back(text.substr(begin, end - begin));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[1], "\x81\x40\x82\x60\x82\x61\x82\x62\x82\x63\x82\x64\x82\x65\x82\x66\x82\x67\x82\x69\x82\x6a"
                        "\x82\x6b\x82\x6c\x82\x6d\x82\x6e\x82\x6f\x82\x70\x82\x71\x82\x72\x82\x73");
    auto glyph = [&lines](int x, int y) { return lines[static_cast<std::size_t>(y) + 1].substr(2 * x, 2); };
    const struct {
        int x, y;
        const char* bytes;
    } points[] = {
        {4, 4, "\x81\x45"},  {10, 16, "\x81\x45"}, {16, 10, "\x81\x45"}, {10, 10, "\x81\x45"}, {4, 5, "\x81\x7b"},
        {1, 1, "\x81\x45"},  {19, 19, "\x81\x45"}, {1, 4, "\x81\x62"},   {19, 10, "\x81\x62"}, {4, 1, "\x81\x7c"},
        {10, 19, "\x81\x7c"}, {3, 3, "\x81\x7b"},
    };
    for (const auto& p : points)
        EXPECT_EQ(glyph(p.x, p.y), p.bytes) << p.x << "," << p.y;
    EXPECT_EQ(lines[8].substr(0, 2), " 7");
    EXPECT_EQ(lines[13].substr(0, 2), "12");
    EXPECT_EQ(lines[20].size(), 2u + 19 * 2);

    // 13 lines: thirteen letters, no star points.
    BoardSize = 13;
    GobanLv[0]->NewGame();
    const std::string small = KifuTextDiagram();
    EXPECT_NE(small.find("\x82\x6d\r\n"), std::string::npos); // ends with "Ｎ"
    EXPECT_EQ(small.find("\x82\x6e"), std::string::npos);
    EXPECT_EQ(small.find(" 4\x81\x62\x81\x7b\x81\x7b\x81\x7b\x81\x7b"), small.find(" 4"));
}

} // namespace
} // namespace vorn::test
