// The analysis overlays of the main window, probed pixel by pixel in the
// backing image on known positions; the texts of the candidate display, the
// position judgement and the look-ahead values as tables; the look-ahead
// lines read from a move's comment.
#include "OverlayUtil.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "GnuGo.h"
#include "board/KuuIsi.h"
#include "engine/Hyoka.h"
#include "engine/Joseki.h"
#include "engine/Koho.h"
#include "engine/Kou.h"
#include "engine/Think.h"
#include "shell/Overlay.h"

namespace vorn::test {
namespace {

constexpr int clGreen = 0x00FF00;

// --- Texts -----------------------------------------------------------------------

TEST(OverlayTextTest, CandidatesKoThreatsAndLookAheadValues)
{
    struct Case {
        int v, b, k;
        bool kinds;
        const char* text;
        int code;
    };
    const Case candidates[] = {
        {0, 7, 5, false, ".7", 0},      // no value: the bonus after a point
        {0, 0, 5, false, ".0", 0},
        {25, 12, 18, false, "12", 3},   // a big point shows its bonus, in green
        {25, 0, 18, false, "25", 0},
        {18, 3, 5, false, "18.", 0},    // any other value with a bonus: a point after it
        {130, 0, 1, false, "30", 1},    // above 100: two digits, in cyan
        {230, 4, 1, false, "30.", 2},
        {-5, 0, 24, false, "5", -1},    // below 0: in black
        {-125, 2, 24, false, "25.", -1},
        {130, 9, 14, true, "14", 0},    // reason codes, all red
    };
    for (const Case& c : candidates) {
        std::string text;
        int code = 99;
        DspSelectText(c.v, c.b, c.k, c.kinds, text, code);
        EXPECT_EQ(text, c.text) << c.v << "+" << c.b;
        EXPECT_EQ(code, c.code) << c.v << "+" << c.b;
    }
    const struct {
        int v;
        const char* text;
        int code;
    } kou[] = {{7, "7", 1}, {0, "0", 1}, {150, "50", 2}, {-3, "3", -1}}, saki[] = {
        {7, "7", 0}, {150, "50", 1}, {-1, "1", -1}, {-99, "99", -1}, {-100, "0", -2}, {-205, "5", -2}};
    for (const auto& c : kou) {
        std::string text;
        int code = 99;
        KouDateText(c.v, text, code);
        EXPECT_EQ(text + " " + std::to_string(code), std::string(c.text) + " " + std::to_string(c.code)) << c.v;
    }
    for (const auto& c : saki) {
        std::string text;
        int code = 99;
        SakiyomiText(c.v, text, code);
        EXPECT_EQ(text + " " + std::to_string(code), std::string(c.text) + " " + std::to_string(c.code)) << c.v;
    }
}

TEST(OverlayTextTest, PositionJudgementInBothLanguages)
{
    const struct {
        int v;
        const char* english;
        const char* japanese;
    } cases[] = {
        {7, "Black3.5superior", "黒3目半優勢です"},
        {-1, "White0.5superior", "白0目半優勢です"},
        {0, "equal", "互角"},
        {4, "Black2superior", "黒2目優勢です"},
        {-13, "White6.5superior", "白6目半優勢です"},
        {-200, "White100superior", "白100目優勢です"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SituationText(c.v, lgEnglish), c.english) << c.v;
        EXPECT_EQ(SituationText(c.v, lgJapanese), c.japanese) << c.v;
        EXPECT_EQ(SituationText(c.v, lgChinese), c.japanese) << c.v;
    }
}

// --- The look-ahead lines of a comment -------------------------------------------------

// The lines as "x,y x,y =v" joined by " | ".
std::string LinesText(const TSakiyomiTejun& lines, const TSakiyomiValue& values, int n)
{
    std::string s;
    for (int i = 1; i <= n; ++i) {
        if (i > 1)
            s += " | ";
        for (int j = 1; j <= lines[i]->Last(); ++j)
            s += std::to_string(lines[i]->GetTe(j).x) + "," + std::to_string(lines[i]->GetTe(j).y) + " ";
        s += "=" + std::to_string(values[i]);
    }
    return s;
}

TEST(SakiyomiScanTest, CompleteLinesOnTheBoardOnly)
{
    ResetProgramState();
    BoardSize = 9;
    const struct {
        const char* comment;
        const char* lines;
        const char* bad;
    } cases[] = {
        {"<3,3><4,4>12\n<5,5>=-7\n<6,6><7,7><8,8>150\n", "3,3 4,4 =12 | 5,5 =-7 | 6,6 7,7 8,8 =150", ""},
        // The last line has no line end: it is not complete.
        {"<3,3>5\n<4,4>6", "3,3 =5", ""},
        {"<3,3><4,4>", "", ""},
        // A line with a point off the board goes; the lines around it stay.
        {"<3,3>5\n<10,4><4,4>6\n<5,5>7\n", "3,3 =5 | 5,5 =7", ""},
        {"<4,4><0,1>6\n<-1,3>2\n<2,2>1\n", "2,2 =1", ""},
        // A number that does not read ends the scan; complete lines stay.
        {"<3,3>5\n<4,x>6\n<5,5>7\n", "3,3 =5", "x"},
        {"<3,3>5\n<4,5>6.5\n<5,5>7\n", "3,3 =5", "6.5"},
        {"<3,3>abc\n", "", "abc"},
        {"Nice move, I think\n", "", "Nice move"},
        // Carriage returns, "=" and blanks around numbers; blank lines pass.
        {"\r\n<3,3>=5\r\n\r\n< 4 , 4 >=+6\r\n", "3,3 =5 | 4,4 =6", ""},
        // A line may hold no move at all.
        {"9\n<2,2>1\n", "=9 | 2,2 =1", ""},
        // At most ten lines.
        {"<1,1>1\n<1,2>2\n<1,3>3\n<1,4>4\n<1,5>5\n<1,6>6\n<1,7>7\n<1,8>8\n<1,9>9\n<2,1>10\n<2,2>11\n",
         "1,1 =1 | 1,2 =2 | 1,3 =3 | 1,4 =4 | 1,5 =5 | 1,6 =6 | 1,7 =7 | 1,8 =8 | 1,9 =9 | 2,1 =10", ""},
        {"<1,1>99999999999\n", "", "99999999999"},
    };
    TSakiyomiTejun lines;
    TSakiyomiValue values{};
    for (const auto& c : cases) {
        std::string bad = "?";
        const int n = SakiyomiScan(c.comment, lines, values, bad);
        EXPECT_EQ(LinesText(lines, values, n), c.lines) << c.comment;
        EXPECT_EQ(bad, c.bad) << c.comment;
        // The records past the lines kept are empty.
        for (int i = n + 1; i <= kSakiyomiLines; ++i)
            EXPECT_EQ(lines[i]->Last(), 0) << c.comment << " line " << i;
    }
}

// --- Overlays on known positions ------------------------------------------------------

// Black's wall along row 4 and column 6 of a 9x9 board, White's beside it.
const char* const kWalls = ". . . . . . . . .\n"
                           ". . . . . . . . .\n"
                           ". . . . . . . . .\n"
                           "X X X X X X O . .\n"
                           ". . . . . X O . .\n"
                           ". . . . . X O . .\n"
                           ". . . . . X O . .\n"
                           ". . . . . X O . .\n"
                           ". . . . . X O . .\n";

TEST_F(OverlayTest, TerritoryColoursEachEmptyCellByItsSideAndStrength)
{
    Start(9);
    Position(kWalls);
    ctl.Click("mnuDspJi");  // repaints at once
    EXPECT_TRUE(ctl.Checked("mnuDspJi"));
    std::set<int> seen;
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            const Point p(x, y);
            if (GobanLv[0]->GetIroPt(p) != kAki)
                continue;
            const int v = AreaMapView[x][y];
            const int want = v == 0    ? clOlive
                             : v == 1  ? 0x800080
                             : v >= 2  ? 0x000080
                             : v == -1 ? 0xC0C0C0
                                       : 0x808080;
            seen.insert(want);
            EXPECT_EQ(At(p, 3, 3), want) << x << "," << y << " area " << v;
            // The grid goes on through the coloured cell.
            EXPECT_EQ(At(p), clBlack) << x << "," << y;
        }
    // All five kinds of cell are in the picture, and the lower left corner
    // is Black's, firmly.
    EXPECT_EQ(seen.size(), 5u);
    EXPECT_EQ(At(Point(3, 6), 3, 3), 0x000080);
    EXPECT_EQ(At(Point(9, 9), 3, 3), 0x808080);
    // The star point in Black's territory is drawn again over its colour.
    EXPECT_EQ(AreaMapView[5][5], 2);
    EXPECT_EQ(At(Point(5, 5), 1, 1), clBlack);
    EXPECT_EQ(At(Point(5, 5), -1, -1), clBlack);
    EXPECT_EQ(At(Point(5, 5), 3, 3), 0x000080);

    // Off again: the board colour is back.
    ctl.Click("mnuDspJi");
    EXPECT_EQ(At(Point(3, 6), 3, 3), clOlive);
}

// White has eaten a stone inside Black's shape; nothing else is alive
// enough to question.
const char* const kDeadInside = ". . . . . . . . .\n"
                                ". . . . . O . . .\n"
                                ". . . . . . . . .\n"
                                "X X X . . O . . .\n"
                                ". . X . . . . . .\n"
                                ". O X X X . O . .\n"
                                "X X . . X . . . .\n"
                                ". . . . X . O . .\n"
                                ". . . . X . . . .\n";

// Black's corner chain of five has no eye and no room: it and White's
// stone inside it are in a capturing race.
const char* const kCornerRace = ". . . . . . . . .\n"
                                ". . . . . . . . .\n"
                                ". . . . . . . . .\n"
                                ". . . . . . . . .\n"
                                ". . . . . . . . .\n"
                                "O O O O . . . . .\n"
                                "X X X O . . . . .\n"
                                ". . X O . . . . .\n"
                                ". O X O . . . . .\n";

TEST_F(OverlayTest, DeadStonesAreCrossedAndWeakOnesMarkedWithATriangle)
{
    Start(9);
    Position(kDeadInside);
    ctl.Click("mnuDspDeath");
    const TGun* dead = GobanLv[0]->GunList.GetGunAt(Point(2, 6));
    ASSERT_NE(dead, nullptr);
    ASSERT_EQ(dead->GetDeath(), 1);
    // A black X on the white stone; the black group around it is unmarked.
    EXPECT_EQ(At(Point(2, 6), 2, 2), clBlack);
    EXPECT_EQ(At(Point(2, 6), -2, -2), clBlack);
    EXPECT_EQ(At(Point(2, 6), 2, -2), clBlack);
    EXPECT_EQ(At(Point(2, 6), 0, 3), clWhite);
    EXPECT_EQ(At(Point(3, 6), 2, 2), clBlack);
    EXPECT_EQ(At(Point(1, 7), 2, 2), clBlack);

    // Not dead, but as good as (no eye, death level above 70): a triangle,
    // white on the black stones, black on the white one.
    Position(kCornerRace);
    const TGun* race = GobanLv[0]->GunList.GetGunAt(Point(1, 7));
    ASSERT_NE(race, nullptr);
    ASSERT_EQ(race->GetDeath(), 0);
    ASSERT_GT(race->GetDeathLevel(), 70);
    for (Point p : {Point(1, 7), Point(2, 7), Point(3, 7), Point(3, 8), Point(3, 9)}) {
        EXPECT_EQ(At(p, 0, 3), clWhite) << p.x << "," << p.y;   // the base
        EXPECT_EQ(At(p, 0, -7), clWhite) << p.x << "," << p.y;  // the apex
        EXPECT_EQ(At(p, 0, 0), clBlack) << p.x << "," << p.y;   // inside
    }
    EXPECT_EQ(At(Point(2, 9), 0, 3), clBlack);
    EXPECT_EQ(At(Point(2, 9), 0, 5), clWhite);
    // The living white wall has no mark.
    EXPECT_EQ(At(Point(4, 7), 0, 3), clWhite);
}

TEST_F(OverlayTest, WeakGroupsShowTheirDeathLevelFromTheNextRepaint)
{
    Start(9);
    Position(kCornerRace);
    const TGun* black = GobanLv[0]->GunList.GetGunAt(Point(1, 7));
    const TGun* white = GobanLv[0]->GunList.GetGunAt(Point(2, 9));
    ASSERT_EQ(black->GetDeathLevel(), 100);
    ASSERT_TRUE(black->IsWeak());
    ASSERT_EQ(black->GetDeath(), 0);
    ASSERT_TRUE(white->IsWeak());
    const int whiteLevel = white->GetDeathLevel();

    // The switch alone draws nothing.
    ctl.Click("mnuWeakGun");
    EXPECT_TRUE(ctl.Checked("mnuWeakGun"));
    EXPECT_TRUE(canvas.texts.empty());
    EXPECT_EQ(Count(Point(1, 7), clWhite, 4, 4, Pitch() - 4, Pitch() - 4), 0);

    Repaint();
    ctl.FormPaint();
    // "00" for a sure death, white on the black stones; the white stone's
    // level in black.
    for (Point p : {Point(1, 7), Point(2, 7), Point(3, 7), Point(3, 8), Point(3, 9)}) {
        EXPECT_EQ(TextsIn(p), std::vector<std::string>{"00 16777215"}) << p.x << "," << p.y;
        EXPECT_GT(Count(p, clWhite, 4, 4, Pitch() - 4, Pitch() - 4), 5) << p.x << "," << p.y;
    }
    EXPECT_EQ(TextsIn(Point(2, 9)), std::vector<std::string>{std::to_string(whiteLevel) + " 0"});
    // The living wall shows nothing.
    EXPECT_TRUE(TextsIn(Point(4, 7)).empty());
}

TEST_F(OverlayTest, CapturingRacesAreRingedRedForTheLoser)
{
    Start(9);
    // White's ring of ten stones has no eye and loses to the black stones
    // inside it, which share the eye of Black's wall.
    Position(". . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . X X X X . .\n"
             ". . X O O O . X .\n"
             ". . X O X X O X .\n"
             ". . X O X . O X .\n"
             ". . X X O O O X .\n"
             ". . . . X X X . .\n");
    const TGun* white = GobanLv[0]->GunList.GetGunAt(Point(4, 5));
    const TGun* inner = GobanLv[0]->GunList.GetGunAt(Point(5, 6));
    ASSERT_EQ(white->GetLost(), 1);
    ASSERT_NE(inner->GetSmai(), 0);
    ASSERT_EQ(inner->GetLost(), 0);
    // Outlines are smooth: their pixels are near the colour.
    const int left = -Half(), top = -Half();
    EXPECT_TRUE(Near(Point(4, 5), left, 0, clBlack));  // the stone's own outline
    ctl.Click("mnuSemeai");
    EXPECT_TRUE(Near(Point(4, 5), left, 0, clRed));
    EXPECT_TRUE(Near(Point(4, 5), 0, top, clRed));
    EXPECT_EQ(At(Point(4, 5), 0, 0), clWhite);  // not filled
    EXPECT_TRUE(Near(Point(5, 6), left, 0, clBlue));
    EXPECT_EQ(At(Point(5, 6), 0, 0), clBlack);
    // Black's outer wall is in no race.
    EXPECT_TRUE(Near(Point(4, 4), left, 0, clBlack));
}

// --- Chains in atari, against GNU Go's liberty counts -----------------------------------

// GNU Go's liberty count of every stone, in the order given.
std::vector<int> GnuGoLiberties(GnuGo& gg, const std::vector<Point>& stones)
{
    std::string label = "countlib";
    for (Point p : stones)
        label += " " + gg.Vertex(p);
    std::istringstream in(gg.Derived(label, [&] {
        std::string answers;
        for (Point p : stones)
            answers += gg.Command("countlib " + gg.Vertex(p)) + "\n";
        return answers;
    }));
    std::vector<int> libs;
    int n = 0;
    while (in >> n)
        libs.push_back(n);
    return libs;
}

TEST_F(OverlayTest, AtariMarksAreOnTheStonesThatGnuGoCountsWithOneLiberty)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    Start(9, "Atari=ON\n");
    ASSERT_TRUE(ctl.Checked("mnuDspAtari"));
    int marked = 0;
    for (int game = 0; game < 3; ++game) {
        RandSeed(4100 + game);
        GobanLv[0]->NewGame();
        GnuGo gg;
        ASSERT_TRUE(gg.Start(9));
        for (int move = 1; move <= 70; ++move) {
            if (!PlayRandomWithGnuGo(gg))
                break;
            if (move % 10 != 0)
                continue;
            GobanLv[0]->Analyze();
            Repaint();
            std::vector<Point> stones;
            for (int y = 1; y <= 9; ++y)
                for (int x = 1; x <= 9; ++x)
                    if (GobanLv[0]->GetIro(x, y) != kAki)
                        stones.push_back(Point(x, y));
            const std::vector<int> libs = GnuGoLiberties(gg, stones);
            ASSERT_EQ(libs.size(), stones.size());
            for (std::size_t i = 0; i < stones.size(); ++i) {
                const Point s = stones[i];
                // The dot in the middle and the ring round the cell.
                const bool dot = At(s) == clRed;
                const bool ring = Near(s, -Half(), 0, clRed);
                EXPECT_EQ(dot, libs[i] == 1) << "game " << game << " move " << move << " at " << s.x << "," << s.y;
                EXPECT_EQ(ring, dot) << s.x << "," << s.y;
                marked += dot;
            }
        }
    }
    // The games put chains in atari now and then.
    EXPECT_GT(marked, 3);
}

// --- The engine's candidates and the hint ---------------------------------------------------

TEST_F(OverlayTest, CandidatesOfTheEngineMoveWithTheirValuesOrReasonCodes)
{
    Start(9);
    Position(kWalls);
    KohoDspCount = 4;
    const Point pts[] = {{2, 2}, {8, 2}, {3, 8}, {9, 9}};
    const int values[] = {0, 25, 18, 130};
    const int bonuses[] = {7, 12, 3, 0};
    const int kinds[] = {14, 18, 5, 1};
    for (int i = 1; i <= 4; ++i) {
        KohoDsp.Pt[i] = pts[i - 1];
        KohoDsp.Value[i] = values[i - 1];
        KohoDsp.Bonus[i] = static_cast<std::uint8_t>(bonuses[i - 1]);
        KohoDsp.Kind[i] = static_cast<std::uint8_t>(kinds[i - 1]);
    }
    // Only while mnuKoho is checked.
    ctl.Overlay.DspSelect();
    EXPECT_TRUE(canvas.texts.empty());

    ctl.Click("mnuKoho");
    ctl.Overlay.DspSelect();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"2,2 .7 255", "8,2 12 65280", "3,8 18. 255", "9,9 30 16776960"}));
    // The bonuses also go into the cells of the relation view.
    EXPECT_EQ(view.locateTexts, (std::vector<std::string>{"2,2 7 255", "8,2 12 255", "3,8 3 255"}));
    EXPECT_GT(Count(Point(8, 2), clGreen, 0, 0, Pitch(), Pitch()), 3);

    Repaint();
    ctl.Click("mnuKind");  // not stored, no repaint
    ctl.Overlay.DspSelect();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"2,2 14 255", "8,2 18 255", "3,8 5 255", "9,9 1 255"}));

    // The ko threats of the decision follow the candidates, each point with
    // its own value; a point off the board is not drawn.
    Repaint();
    KohoDspCount = 0;
    KouDateCount = 3;
    KouDateList[1] = Point(4, 4);
    KouDateListValue[1] = 7;
    KouDateList[2] = Point(12, 4);
    KouDateListValue[2] = 9;
    KouDateList[3] = Point(6, 6);
    KouDateListValue[3] = 150;
    ctl.Overlay.DspSelect();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"4,4 7 16776960", "6,6 50 16711680"}));
    KouDateCount = 0;
}

TEST_F(OverlayTest, TheHintMarksTheThreeBestCandidatesByValue)
{
    Start(9);
    const Point pts[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};
    const int values[] = {10, 30, 20, 30, 5};
    KohoCount = 5;
    for (int i = 1; i <= 5; ++i) {
        Koho.Pt[i] = pts[i - 1];
        Koho.Value[i] = values[i - 1];
        Koho.Bonus[i] = static_cast<std::uint8_t>(i);
    }
    ctl.Overlay.HintKohoPaint();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"2,2 ◆ 255", "4,4 ◆ 255", "3,3 ◆ 255"}));
    // The table is left in that order, each bonus with its point.
    EXPECT_EQ(Koho.Value[4], 10);
    EXPECT_EQ(Koho.Pt[4], Point(1, 1));
    EXPECT_EQ(Koho.Bonus[4], 1);
    EXPECT_GT(Count(Point(2, 2), clRed, 0, 0, Pitch(), Pitch()), 3);
}

// --- Look-ahead lines on the board ---------------------------------------------------------

TEST_F(OverlayTest, LookAheadLinesAreLoadedFromTheCommentAndPlayedOutOnTheBoard)
{
    Start(9);
    NewHumanGame(ctl);
    TTejun& t = GobanLv[0]->Tejun;
    ASSERT_TRUE(ctl.BanUtu(5, 5, 0));
    // Two lines start at (3, 3), the first of three moves; White is to move.
    t.SetComment(1, "<3,3><4,4><8,8>12\n<7,7>=150\n<3,3><6,6><6,7>-7\n");
    Repaint();
    ctl.Click("mnuSakiyomi");
    EXPECT_EQ(ctl.Overlay.SakiyomiCount, 3);
    EXPECT_TRUE(prompt.messages.empty());
    // Each value at its line's first move.
    EXPECT_EQ(Texts(), (std::vector<std::string>{"3,3 12 255", "7,7 50 16776960", "3,3 7 0"}));
    // A full repaint draws them again, last of all.
    Repaint();
    ctl.FormPaint();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"3,3 12 255", "7,7 50 16776960", "3,3 7 0"}));

    // The right button on (3, 3): the last of its lines stays on the board,
    // the moves numbered, and it too starts with White.
    Repaint();
    ctl.FormMouseDown(mbRight, ctl.Ban.CellLeft(3) + Half(), ctl.Ban.CellTop(3) + Half());
    EXPECT_EQ(At(Point(3, 3), 0, Half() - 3), clWhite);
    EXPECT_EQ(At(Point(6, 6), 0, Half() - 3), clBlack);
    EXPECT_EQ(At(Point(6, 7), 0, Half() - 3), clWhite);
    EXPECT_EQ(At(Point(4, 4), 3, 3), clOlive);  // the first line is gone
    EXPECT_EQ(At(Point(8, 8), 3, 3), clOlive);
    const std::vector<std::string> texts = Texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()),
              (std::vector<std::string>{"3,3 1 16711680", "6,6 2 16777215", "6,7 3 16711680"}));
    // Nothing was played.
    EXPECT_EQ(GobanLv[0]->GetIro(3, 3), kAki);
    EXPECT_EQ(t.Last(), 1);

    // A comment that is no look-ahead result: the lines completed before
    // the bad number stay, and the user is told.
    t.SetComment(1, "<2,2>4\n<2,3>x\n");
    Repaint();
    ctl.Click("mnuSakiyomi");
    EXPECT_EQ(ctl.Overlay.SakiyomiCount, 1);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"'x' is not a valid integer value"});
    EXPECT_EQ(Texts(), std::vector<std::string>{"2,2 4 255"});
}

TEST_F(OverlayTest, LookAheadLinesGoWhenARecentFileIsOpenedOrTheEngineMoves)
{
    Start(9);
    const std::string path = exeDir + "a.sgf";
    WriteText(path, "(;GM[1]SZ[9];B[ee]C[<3,3>5\n])");
    ctl.ReopenFiles[1] = path;
    ctl.Files.ReopenMenu();
    ctl.Click("mnuReopen1");
    ConfirmHumanGame(ctl);
    ASSERT_EQ(GobanLv[0]->GetIro(5, 5), kKuro);
    ctl.Click("mnuSakiyomi");
    ASSERT_EQ(ctl.Overlay.SakiyomiCount, 1);

    // The engine's move clears the records it reads; the count stays, and
    // a line without moves shows nothing.
    PlayerKind[kSiro] = pkComputer;
    ctl.Turn.Think = [](Point& out) { out = Point(7, 7); };
    JibunIro = kKuro;
    ctl.Click("mnuComUtu");
    EXPECT_EQ(GobanLv[0]->GetIro(7, 7), kSiro);
    EXPECT_EQ(JibunIro, kSiro);
    EXPECT_EQ(AiteIro, kKuro);
    EXPECT_EQ(ctl.SakiyomiTejun[1]->Last(), 0);
    EXPECT_EQ(ctl.Overlay.SakiyomiCount, 1);
    Repaint();
    ctl.FormPaint();
    EXPECT_TRUE(canvas.texts.empty());

    // Opening a recent file forgets them.
    GobanLv[0]->Tejun.SetComment(2, "<3,3>5\n<4,4>6\n");
    ctl.Click("mnuSakiyomi");
    ASSERT_EQ(ctl.Overlay.SakiyomiCount, 2);
    prompt.answers.push_back(true);  // the game in progress is given up
    ctl.Click("mnuReopen1");
    EXPECT_EQ(ctl.Overlay.SakiyomiCount, 0);
}

// --- Joseki continuations -------------------------------------------------------------------

TEST_F(OverlayTest, JosekiContinuationsAreMirroredWhileTheCornerIsOpen)
{
    Start(19);
    NewHumanGame(ctl);
    ASSERT_EQ(ctl.GameRunning, 1);
    for (int c = 1; c <= 4; ++c)
        JosekiCacheCount[c] = 0;
    auto node = [](int x, int y, int mark, int number) {
        TJskNode n;
        n.X = static_cast<std::uint8_t>(x);
        n.Y = static_cast<std::uint8_t>(y);
        n.Mark = static_cast<std::uint8_t>(mark);
        n.Weight = static_cast<std::uint8_t>(number);
        return n;
    };
    JosekiFlip[1] = 0;
    JosekiCache[1][0] = node(3, 4, 0, 5);     // shown twice while the corner is open
    JosekiCache[1][1] = node(4, 4, 1, 112);   // on the diagonal: once; 112 shows 12
    JosekiCache[1][2] = node(11, 12, 0, 3);   // a move elsewhere
    JosekiCacheCount[1] = 3;
    JosekiOrientFixed[1] = 0;
    JosekiFlip[3] = 0;
    JosekiCache[3][0] = node(3, 4, 2, 7);     // fixed: once, at (17, 16)
    JosekiCacheCount[3] = 1;
    JosekiOrientFixed[3] = 1;
    ctl.Click("mnuJoseki");
    std::vector<std::string> texts = Texts();
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"17,16 7 16711680", "3,4 5 255", "4,3 5 255", "4,4 12 16776960"}));

    // Not while the game dialog is up.
    Repaint();
    GameInfoLock = 1;
    ctl.Click("mnuJoseki");
    EXPECT_TRUE(canvas.texts.empty());
    GameInfoLock = 0;

    // On a smaller board the far corners' points lie off it and are not drawn.
    BoardSize = 9;
    GobanLv[0]->NewGame();
    Repaint();
    ctl.Overlay.JosekiPaint();
    texts = Texts();
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"3,4 5 255", "4,3 5 255", "4,4 12 16776960"}));
}

// --- Analysis commands -----------------------------------------------------------------------

TEST_F(OverlayTest, PositionJudgementGoesIntoTheResultFieldExceptInARankExam)
{
    Start(9);
    NewHumanGame(ctl);
    Komi = 6.5f;
    ASSERT_EQ(KeiseiHandanCalc(), -13);  // an empty board: the komi alone
    ctl.Click("mnuSituation");
    EXPECT_EQ(ctl.GameInfo.edtResult.Text, "White6.5superior");
    EXPECT_EQ(JibunIro, kKuro);

    ctl.Click("mnuJapanese");
    Komi = 0;
    ctl.Click("mnuSituation");
    EXPECT_EQ(ctl.GameInfo.edtResult.Text, "互角");

    ctl.GameInfo.edtResult.Text = "";
    ctl.ExamMode = 1;
    ctl.Click("mnuSituation");
    EXPECT_EQ(ctl.GameInfo.edtResult.Text, "");
    ctl.ExamMode = 0;
}

TEST_F(OverlayTest, KoShapesAreMarkedInTheCellCornerInTheColourThatTakes)
{
    Start(9);
    // Black takes a ko at (3, 2), White one at (1, 1).
    Position(". X O . . . . . .\n"
             "X O . O . . . . .\n"
             ". X O . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n");
    ctl.Click("mnuKou");
    // "0" at the top of the cell: Black's in black in its left half,
    // White's in white in its right half.
    EXPECT_EQ(Texts(), (std::vector<std::string>{"1,1 0 16777215", "3,2 0 0"}));
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[0].x, ctl.Ban.CellLeft(1) + Half());
    EXPECT_EQ(canvas.texts[1].x, ctl.Ban.CellLeft(3));
    EXPECT_EQ(canvas.texts[1].y, ctl.Ban.CellTop(2));
    EXPECT_GT(Count(Point(3, 2), clBlack, 1, 1, Half(), Half() - 2), 3);
    EXPECT_GT(Count(Point(1, 1), clWhite, Half(), 0, Pitch(), Half()), 3);
    EXPECT_EQ(Count(Point(1, 1), clWhite, 0, 0, Half(), Pitch()), 0);

}

} // namespace
} // namespace vorn::test
