// The developer views and the evaluation window: the number maps probed by
// pixel and text, a click on each map, the chain window against GNU Go's
// chains, the ladder drawing, the group window and its four buttons on a
// straight three, the region window's marks, the point-relation view's
// lines, texts and direction masks, the evaluation report, the windows'
// places in VORN.INI and their close boxes, and the Qt windows themselves.
#include "OverlayUtil.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <set>
#include <sstream>

#include "GnuGo.h"
#include "board/Gun.h"
#include "board/Jisho.h"
#include "board/KuuIsi.h"
#include "board/Rand.h"
#include "board/Sicho.h"
#include "shell/DevViews.h"
#include "shell/DevWindows.h"

namespace vorn::test {
namespace {

constexpr int clAqua = 0xFFFF00;
constexpr int clGreen = 0x008000;

// Black's straight three in the corner: one eye and the vital point (2, 1),
// which kills for White and lives for Black.
const char* const kStraightThree = ". . . X O . . . .\n"
                                   "X X X X O . . . .\n"
                                   "O O O O O . . . .\n"
                                   ". . . . . . . . .\n"
                                   ". . . . . . . . .\n"
                                   ". . . . . . O . .\n"
                                   ". . . . . . . . .\n"
                                   ". . . . . . . . .\n"
                                   ". . . . . . . . .\n";

// A white stone in Black's corner and a black stone in White's corner, both
// dead; the walls live.
const char* const kDeadStones = "O . . X O . . . .\n"
                                ". . . X O . . . .\n"
                                ". . . X O . . . .\n"
                                ". . . X O . . . .\n"
                                ". . . X O . . . .\n"
                                ". . . X O . . . .\n"
                                ". . . X O . . . .\n"
                                ". . . X O . . . .\n"
                                ". . . X O . . . X\n";

class DevViewsTest : public OverlayTest {
protected:
    void SetUp() override
    {
        OverlayTest::SetUp();
        map.Resize(420, 420);
        // The maps' face, 12 pixels high.
        QFont f = map.Font();
        f.setPixelSize(12);
        map.SetFont(f);
    }
    TDevViews& Views() { return ctl.DevViews; }
    // A click in the middle of the map cell of p.
    template <class Form>
    void MapClick(Form& form, Point p)
    {
        form.FormMouseDown((p.x - 1) * kMapPitch + 6, (p.y - 1) * kMapPitch + 6);
    }
    // The texts written at the corner of the map cell of p, as "text colour".
    std::vector<std::string> MapTexts(Point p) const
    {
        std::vector<std::string> out;
        for (const auto& t : map.texts)
            if (t.x == (p.x - 1) * kMapPitch && t.y == (p.y - 1) * kMapPitch)
                out.push_back(t.text + " " + std::to_string(t.colour));
        return out;
    }
    // Pixels of the colour in the map cell of p.
    int MapCount(Point p, int colour) const
    {
        int n = 0;
        for (int x = 0; x < kMapPitch; ++x)
            for (int y = 0; y < kMapPitch; ++y)
                n += BgrFromColor(map.Image().pixelColor((p.x - 1) * kMapPitch + x, (p.y - 1) * kMapPitch + y))
                     == colour;
        return n;
    }
    int MapAt(int px, int py) const { return BgrFromColor(map.Image().pixelColor(px, py)); }
    void MapClear()
    {
        map.FillRect(0, 0, 420, 420, clFormBack);
        map.texts.clear();
        map.lines.clear();
    }

    TTeeCanvas map;
};

// --- Number maps ---------------------------------------------------------------------------

TEST(MapNumberTest, AtLeastTwoDigitsWithALeadingZero)
{
    const std::pair<int, const char*> cases[] = {{0, "00"}, {1, "01"}, {7, "07"}, {10, "10"}, {99, "99"},
                                                 {123, "123"}, {361, "361"}};
    for (const auto& [n, text] : cases)
        EXPECT_EQ(MapNumberText(n), text);
}

TEST_F(DevViewsTest, ChainNumbersSitInTheirCellsInTheColoursOfTheStones)
{
    Start(19);
    // 181 single stones on the points with x + y even, Black on odd rows and
    // White on even ones: chains are numbered in rows from the top, ten on
    // an odd row and nine on an even one.
    std::string d;
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 19; ++x)
            d += (x + y) % 2 != 0 ? ". " : y % 2 == 1 ? "X " : "O ";
        d += "\n";
    }
    Position(d);
    Views().RenForm.FormPaint(map);
    // Chain 7 is the seventh stone of row 1, chain 123 the ninth of row 13,
    // chain 11 the first of row 2.
    EXPECT_EQ(MapTexts(Point(13, 1)), std::vector<std::string>{"07 16777215"});
    EXPECT_EQ(MapTexts(Point(17, 13)), std::vector<std::string>{"123 16777215"});
    EXPECT_EQ(MapTexts(Point(2, 2)), std::vector<std::string>{"11 0"});
    EXPECT_EQ(MapTexts(Point(1, 2)), std::vector<std::string>{"00 0"});
    EXPECT_GT(MapCount(Point(13, 1), clBlack), 60);
    EXPECT_GT(MapCount(Point(2, 2), clWhite), 60);
    EXPECT_GT(MapCount(Point(1, 2), clYellow), 60);
    EXPECT_EQ(map.texts.size(), 361u);
    // The group map: the same cells with the group numbers.
    map.texts.clear();
    Views().GunForm.FormPaint(map);
    EXPECT_EQ(MapTexts(Point(13, 1)),
              std::vector<std::string>{MapNumberText(GobanLv[0]->GunList.GetGunNo(13, 1)) + " 16777215"});
    EXPECT_EQ(MapTexts(Point(1, 2)), std::vector<std::string>{"00 0"});
    EXPECT_EQ(map.texts.size(), 361u);
}

TEST_F(DevViewsTest, ClicksOffTheCellsOrOnNothingOpenNoWindow)
{
    Start(9);
    Position(kDeadStones);
    TDevViews& v = Views();
    struct Click {
        int px, py;
    } const off[] = {{9 * kMapPitch, 5}, {5, 9 * kMapPitch}, {9 * kMapPitch + 20, 9 * kMapPitch + 20}};
    for (const Click& c : off) {
        v.RenForm.FormMouseDown(c.px, c.py);
        v.GunForm.FormMouseDown(c.px, c.py);
        v.JiForm.FormMouseDown(c.px, c.py);
    }
    EXPECT_FALSE(v.RenInfo.Visible);
    EXPECT_FALSE(v.GunInfo.Visible);
    EXPECT_FALSE(v.JiInfo.Visible);
    EXPECT_TRUE(v.RenInfo.edtRenNo.empty());
    // A point without a group, and a living wall stone outside every region.
    MapClick(v.GunForm, Point(6, 5));
    MapClick(v.JiForm, Point(4, 5));
    EXPECT_FALSE(v.GunInfo.Visible);
    EXPECT_FALSE(v.JiInfo.Visible);
    EXPECT_TRUE(view.locateTexts.empty());
    // The last cell of the board still counts.
    v.RenForm.FormMouseDown(9 * kMapPitch - 1, 9 * kMapPitch - 1);
    EXPECT_TRUE(v.RenInfo.Visible);
    EXPECT_EQ(v.RenInfo.edtRenNo, std::to_string(GobanLv[0]->RenList.RenNo(9, 9)));
    EXPECT_EQ(v.RenInfo.edtIsiIro, "黒");
}

TEST_F(DevViewsTest, RegionMapShowsDeadStonesGreenAndAqua)
{
    Start(9);
    Position(kDeadStones);
    ASSERT_EQ(GobanLv[0]->IsDeath(1, 1), 1);
    ASSERT_EQ(GobanLv[0]->IsDeath(9, 9), 1);
    Views().JiForm.FormPaint(map);
    struct Case {
        Point p;
        int back;
        int text;
    } const cases[] = {
        {{9, 9}, clGreen, clWhite}, // dead black stone
        {{1, 1}, clAqua, clBlack},  // dead white stone
        {{4, 5}, clBlack, clWhite}, // living walls
        {{5, 5}, clWhite, clBlack},
    };
    for (const Case& c : cases) {
        EXPECT_GT(MapCount(c.p, c.back), 60) << c.p.x << "," << c.p.y;
        const auto texts = MapTexts(c.p);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].substr(texts[0].find(' ') + 1), std::to_string(c.text));
    }
    // Black's firm area is maroon, White's grey; the walls belong to no region.
    EXPECT_GT(MapCount(Point(2, 5), 0x000080), 60);
    EXPECT_GT(MapCount(Point(6, 5), clGrey), 60);
    EXPECT_EQ(MapTexts(Point(4, 5)), std::vector<std::string>{"00 16777215"});
}

TEST(JiCellColoursTest, LaterRulesOverrideEarlierOnes)
{
    struct Case {
        int colour, a, back, text;
    } const cases[] = {
        {kAki, 1, clRed, clWhite},     {kAki, 2, 0x000080, clWhite}, {kAki, -1, 0xC0C0C0, clBlack},
        {kAki, -2, clGrey, clBlack},   {kAki, 0, clYellow, clBlack}, {kKuro, 0, clBlack, clWhite},
        {kKuro, -1, clGreen, clWhite}, {kKuro, 2, clGreen, clWhite}, {kSiro, 0, clWhite, clBlack},
        {kSiro, 1, clAqua, clBlack},   {kSiro, -2, clAqua, clBlack},
    };
    for (const Case& c : cases) {
        int back = -1, text = -1;
        JiCellColours(c.colour, c.a, back, text);
        EXPECT_EQ(back, c.back) << c.colour << " " << c.a;
        EXPECT_EQ(text, c.text) << c.colour << " " << c.a;
    }
}

// --- The chain window ------------------------------------------------------------------------

// GNU Go's view of the chains at the given stones: per stone a line with
// its worm's stones, then a line with its liberties; then the stones of
// each colour on two lines.
std::string GnuGoChains(GnuGo& gg, const std::vector<Point>& stones)
{
    std::string label = "worms";
    for (Point p : stones)
        label += " " + gg.Vertex(p);
    return gg.Derived(label, [&] {
        std::string out;
        for (Point p : stones)
            out += gg.Command("worm_stones " + gg.Vertex(p)) + "|" + gg.Command("findlib " + gg.Vertex(p)) + "\n";
        out += gg.Command("list_stones black") + "\n" + gg.Command("list_stones white") + "\n";
        return out;
    });
}

std::set<Point, bool (*)(Point, Point)> PointSet()
{
    return std::set<Point, bool (*)(Point, Point)>(
        [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
}

TEST_F(DevViewsTest, ChainWindowAgreesWithGnuGo)
{
    if (!GnuGo::Available())
        GTEST_SKIP() << "gnugo is not installed";
    Start(9);
    int checked = 0;
    for (int game = 0; game < 2; ++game) {
        RandSeed(4200 + game);
        GobanLv[0]->NewGame();
        GnuGo gg;
        ASSERT_TRUE(gg.Start(9));
        for (int move = 1; move <= 45; ++move)
            if (!PlayRandomWithGnuGo(gg))
                break;
        GobanLv[0]->Analyze();
        // The first stone of every chain, clicked in the chain map.
        std::vector<Point> stones;
        const TRenList& list = GobanLv[0]->RenList;
        for (int n = 1; n <= list.Count(); ++n)
            if (const TRen* r = list.Items(n); r != nullptr && r->GetIro() != kAki)
                stones.push_back(r->GetIsi(1));
        std::istringstream in(GnuGoChains(gg, stones));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        ASSERT_EQ(lines.size(), stones.size() + 2);
        Grid<int, 0, 20> board{};
        for (int y = 0; y <= 10; ++y)
            for (int x = 0; x <= 10; ++x)
                board[x][y] = (x < 1 || x > 9 || y < 1 || y > 9) ? kHen : kAki;
        for (int c = kKuro; c <= kSiro; ++c) {
            std::istringstream s(lines[stones.size() + static_cast<std::size_t>(c) - 1]);
            for (std::string v; s >> v;)
                board[gg.FromVertex(v).x][gg.FromVertex(v).y] = c;
        }
        for (std::size_t i = 0; i < stones.size(); ++i) {
            const std::string& line = lines[i];
            std::istringstream worm(line.substr(0, line.find('|'))), libs(line.substr(line.find('|') + 1));
            auto wormSet = PointSet(), libSet = PointSet(), gotStones = PointSet(), gotLibs = PointSet();
            for (std::string v; worm >> v;)
                wormSet.insert(gg.FromVertex(v));
            for (std::string v; libs >> v;)
                libSet.insert(gg.FromVertex(v));
            // Neighbour points of each kind as GNU Go's board has them.
            auto seen = PointSet();
            int counts[4] = {0, 0, 0, 0};
            const int own = board[stones[i].x][stones[i].y];
            for (Point s : wormSet)
                for (Point d : {Point(0, -1), Point(1, 0), Point(0, 1), Point(-1, 0)}) {
                    const Point q(s.x + d.x, s.y + d.y);
                    if (board[q.x][q.y] != own && seen.insert(q).second)
                        ++counts[board[q.x][q.y]];
                }
            MapClick(Views().RenForm, stones[i]);
            const TRenInfo& info = Views().RenInfo;
            for (const std::string& t : info.lstYoso) {
                const auto dash = t.find('-');
                gotStones.insert(Point(std::stoi(t.substr(0, dash)), std::stoi(t.substr(dash + 1))));
            }
            for (const std::string& t : info.lstRkuu) {
                const auto dash = t.find('-');
                gotLibs.insert(Point(std::stoi(t.substr(0, dash)), std::stoi(t.substr(dash + 1))));
            }
            const std::string at = gg.Vertex(stones[i]);
            EXPECT_EQ(info.edtIsiSu, std::to_string(wormSet.size())) << at;
            EXPECT_TRUE(gotStones == wormSet) << at;
            EXPECT_EQ(info.edtKuu, std::to_string(libSet.size())) << at;
            EXPECT_TRUE(gotLibs == libSet) << at;
            EXPECT_EQ(info.edtKuu, std::to_string(counts[kAki])) << at;
            EXPECT_EQ(info.edtKuro, std::to_string(counts[kKuro])) << at;
            EXPECT_EQ(info.edtSiro, std::to_string(counts[kSiro])) << at;
            EXPECT_EQ(info.edtHen, std::to_string(counts[kHen])) << at;
            EXPECT_EQ(info.edtIsiIro, own == kKuro ? "黒" : "白") << at;
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
}

TEST_F(DevViewsTest, LadderDrawingStartsWithTheRightColour)
{
    Start(9);
    struct Case {
        const char* diagram;
        bool atari;
        int firstColour; // the stone drawn first
        const char* first;
    } const cases[] = {
        // Two liberties: the attacker (Black) plays first.
        {". . . . . . . . .\n"
         ". . . . . . . . .\n"
         ". . . . . . . . .\n"
         ". . . . X . . . .\n"
         ". . . X O . . . .\n"
         ". . . . . . . . .\n"
         ". . . . . . . . .\n"
         ". . . . . . . . .\n"
         ". . . . . . . . .\n",
         false, kKuro, "5-6"},
        // In atari: the chain's own extension first, then Black's ladder.
        {". . . . . . . . .\n"
         ". . . . . . . . .\n"
         ". . . . . . . . .\n"
         ". . . . X . . . .\n"
         ". . . X O X . . .\n"
         ". . . . . X . . .\n"
         ". . . . . . . . .\n"
         ". . . . . . . . .\n"
         ". . . . . . . . .\n",
         true, kSiro, "5-6"},
    };
    for (const Case& c : cases) {
        Position(c.diagram);
        const Point o(5, 5);
        if (c.atari)
            SichoAtariCheck(o);  // the ladder query stores the sequence
        TRenInfo& info = Views().RenInfo;
        MapClick(Views().RenForm, o);
        ASSERT_EQ(info.edtRenNo, std::to_string(GobanLv[0]->RenList.RenNo(5, 5)));
        info.btnSichoClick();
        ASSERT_FALSE(info.lstSicho.empty());
        EXPECT_EQ(info.lstSicho[0], c.first);
        // Stones alternate, each numbered in the contrasting colour.
        for (std::size_t i = 0; i < info.lstSicho.size(); ++i) {
            const std::string& t = info.lstSicho[i];
            const Point p(std::stoi(t.substr(0, t.find('-'))), std::stoi(t.substr(t.find('-') + 1)));
            const int colour = i % 2 == 0 ? c.firstColour : Aite(c.firstColour);
            EXPECT_EQ(At(p, -Half() + 2, 0), colour == kKuro ? clBlack : clWhite) << t;
            EXPECT_EQ(TextsIn(p), std::vector<std::string>{std::to_string(i + 1) + " "
                                                           + std::to_string(colour == kKuro ? clWhite : clBlack)})
                << t;
        }
        EXPECT_EQ(ctl.RepaintNeeded, 1);
        Repaint();
    }
    // The game board no longer has a chain of that number: nothing is drawn.
    TRenInfo& info = Views().RenInfo;
    info.lstSicho = {"kept"};
    Position(". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
             ". . . . X . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
             ". . . . . . . . .\n");
    info.edtRenNo = "3";
    info.btnSichoClick();
    info.edtRenNo = "x";
    info.btnSichoClick();
    EXPECT_TRUE(canvas.texts.empty());
    EXPECT_EQ(info.lstSicho, std::vector<std::string>{"kept"});
}

// --- The group window --------------------------------------------------------------------------

TEST_F(DevViewsTest, GroupWindowOnAStraightThree)
{
    Start(9);
    Position(kStraightThree);
    TDevViews& v = Views();
    MapClick(v.GunForm, Point(1, 2));
    ASSERT_TRUE(v.GunInfo.Visible);
    const TGunInfo& g = v.GunInfo;
    EXPECT_EQ(g.edtIsiSu, "5");
    EXPECT_EQ(g.edtRenSu, "1");
    EXPECT_EQ(g.edtIsiIro, "黒");
    EXPECT_EQ(g.edtMe, "3");
    EXPECT_EQ(g.lstRen, std::vector<std::string>{std::to_string(GobanLv[0]->RenList.RenNo(1, 2))});
    auto yoso = g.lstYoso;
    std::sort(yoso.begin(), yoso.end());
    EXPECT_EQ(yoso, (std::vector<std::string>{"1,2", "2,2", "3,2", "4,1", "4,2"}));
    // The eye space's three points are its liberties, each related as adjacent.
    EXPECT_EQ(g.edtDame.substr(0, 2), "3=");
    for (const char* entry : {"1,1-1,2=1", "2,1-2,2=1", "3,1-4,1=1"})
        EXPECT_NE(std::find(g.lstFrom.begin(), g.lstFrom.end(), entry), g.lstFrom.end()) << entry;
    // The relation entries on the relation view: Black's eye space is in
    // Black's area (aqua).
    EXPECT_NE(std::find(view.locateTexts.begin(), view.locateTexts.end(), "2,1 1 16776960"), view.locateTexts.end());
    EXPECT_EQ(view.locateTexts.size(),
              static_cast<std::size_t>(g.lstFrom.size() + GobanLv[0]->GunList.GetGunAt(Point(1, 2))->GetKokyuSu()));
}

TEST_F(DevViewsTest, GroupButtonsDrawTheirAnswersOnTheBoard)
{
    Start(9);
    Position(kStraightThree);
    TGunInfo& g = Views().GunInfo;
    MapClick(Views().GunForm, Point(1, 2));
    const Point vital(2, 1);
    // Kill and live: the vital point numbered in red, no stone.
    for (auto press : {&TGunInfo::btnKorosuClick, &TGunInfo::Button1Click}) {
        (g.*press)();
        EXPECT_EQ(TextsIn(vital), std::vector<std::string>{"1 255"});
        EXPECT_EQ(At(vital, -Half() + 3, -Half() + 3), clOlive);
        EXPECT_EQ(Level, 0);
        Repaint();
    }
    // The capture sequence: White's stones only, numbered in black.
    g.btnToruTjnClick();
    ASSERT_FALSE(canvas.texts.empty());
    for (const std::string& t : Texts())
        EXPECT_EQ(t.substr(t.rfind(' ') + 1), "0") << t;
    EXPECT_EQ(Texts()[0].substr(Texts()[0].find(' ') + 1), "1 0");
    Repaint();
    // The candidate area: "X" in aqua over the eye space and the stones.
    g.btnKohoClick();
    EXPECT_EQ(TextsIn(vital), std::vector<std::string>{"X 16776960"});
    EXPECT_EQ(TextsIn(Point(1, 2)), std::vector<std::string>{"X 16776960"});
    EXPECT_TRUE(TextsIn(Point(9, 9)).empty());
    Repaint();
    // No group of the shown number on the game board: nothing.
    g.edtGunNo = "77";
    for (auto press : {&TGunInfo::btnKorosuClick, &TGunInfo::Button1Click, &TGunInfo::btnToruTjnClick,
                       &TGunInfo::btnKohoClick})
        (g.*press)();
    EXPECT_TRUE(canvas.texts.empty());
}

TEST_F(DevViewsTest, KillButtonReadsTheShownPositionNotTheLastAnalysis)
{
    Start(9);
    Position(kStraightThree);
    MapClick(Views().GunForm, Point(1, 2));
    // Black lives before the button is pressed; the analysis is stale.
    ASSERT_EQ(GobanLv[0]->Utu(2, 1), kUtuOk);
    Views().GunInfo.btnKorosuClick();
    EXPECT_TRUE(canvas.texts.empty());
}

// --- The region window ---------------------------------------------------------------------------

TEST_F(DevViewsTest, RegionWindowListsPointsWithTheirMarks)
{
    Start(9);
    // Black's edge eye at (2, 1) is false (White holds the diagonal (3, 2)),
    // and Black's stone (3, 1) is captured inside White's region.
    Position("X . X O . . . . .\n"
             ". X O O . . . . .\n"
             "X X O . . . . . .\n"
             "O O O . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n");
    TDevViews& v = Views();
    MapClick(v.JiForm, Point(2, 1));
    ASSERT_TRUE(v.JiInfo.Visible);
    EXPECT_EQ(v.JiInfo.edtJisu, "1");
    EXPECT_EQ(v.JiInfo.edtIsiIro, "黒");
    EXPECT_EQ(v.JiInfo.edtKakeme, "Yes");
    EXPECT_EQ(v.JiInfo.edtMe, "0");
    ASSERT_EQ(v.JiInfo.lstYoso.size(), 1u);
    EXPECT_EQ(v.JiInfo.lstYoso[0].substr(0, 4), "2,1*");
    EXPECT_EQ(v.JiInfo.edtSeki, "");
    EXPECT_TRUE(v.JiInfo.lstPartLocate.empty());
    MapClick(v.JiForm, Point(3, 1));
    EXPECT_EQ(v.JiInfo.edtIsiIro, "白");
    EXPECT_NE(std::find(v.JiInfo.lstYoso.begin(), v.JiInfo.lstYoso.end(), "3,1@"), v.JiInfo.lstYoso.end());
    EXPECT_EQ(v.JiInfo.edtGunNo, std::to_string(GobanLv[0]->GunList.GetGunNo(4, 1)));
    // A region number the game board lacks leaves the window as it was.
    const auto before = v.JiInfo.lstYoso;
    v.JiInfo.ShowJi(kMaxJi);
    v.JiInfo.ShowJi(0);
    EXPECT_EQ(v.JiInfo.lstYoso, before);
}

TEST(KakemeTextTest, VerdictsAndNone)
{
    const std::pair<int, const char*> cases[] = {
        {kKakemeNone, "--"}, {kKakemeYes, "Yes"}, {kKakemeKamo, "Kamo"}, {kKakemeNo, "No"}, {kKakemeNotMe, "NotMe"}};
    for (const auto& [v, text] : cases)
        EXPECT_EQ(KakemeText(v), text);
}

// --- The point-relation view ---------------------------------------------------------------------

TEST_F(DevViewsTest, RelationLinesKeepTheirTwoDirectionsApart)
{
    Start(9);
    // Black's one-space jump (3, 5)-(5, 5).
    Position(". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
             ". . X . X . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
             ". . . . . . . . .\n");
    const TLocateForm& loc = Views().LocateForm;
    const int row = 17 * 5 - 1;  // the grid line of row 5
    const int mid = 17 * 4 - 7;  // between the two stones, off the grid
    ASSERT_EQ(row, TLocateForm::LocOrgY + TLocateForm::LocHalf + 4 * TLocateForm::LocPitch);
    // From (5, 5), right to left: on the grid line and the row below it.
    loc.FormMouseDown(map, 8 + 4 * 17 + 3, 8 + 4 * 17 + 3);
    const int pen = MapAt(mid, row);
    EXPECT_TRUE(pen == clBlue || pen == clYellow) << pen;
    EXPECT_EQ(MapAt(mid, row + 1), pen);
    EXPECT_EQ(MapAt(mid, row + 2), clOlive);
    EXPECT_EQ(MapAt(mid, row - 1), clOlive);
    // From (3, 5), left to right: one pixel below; the grid line shows.
    loc.FormMouseDown(map, 8 + 2 * 17 + 3, 8 + 4 * 17 + 3);
    EXPECT_EQ(MapAt(mid, row), clBlack);
    EXPECT_EQ(MapAt(mid, row + 1), pen);
    EXPECT_EQ(MapAt(mid, row + 2), pen);
    EXPECT_EQ(MapAt(mid, row + 3), clOlive);
}

TEST_F(DevViewsTest, RelationViewClicksAndLineCodes)
{
    Start(9);
    Position(". . . . . . . . .\n. . . . . . . . .\n. . . . X . . . .\n. . . . . . . . .\n"
             "X . X . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
             ". . . . . . . . .\n");
    const TLocateForm& loc = Views().LocateForm;
    auto relationLines = [&] {
        std::vector<TTeeCanvas::LineCall> out;
        for (const auto& l : map.lines)
            if (l.colour != clBlack)
                out.push_back(l);
        return out;
    };
    // Below and right of the board: nothing, not even a repaint.
    for (auto [px, py] : {std::pair{8 + 9 * 17, 20}, std::pair{20, 8 + 9 * 17}}) {
        MapClear();
        loc.FormMouseDown(map, px, py);
        EXPECT_TRUE(map.lines.empty()) << px << "," << py;
    }
    // The margin left of the first column counts as column 1: the lines of
    // (1, 5), each drawn from its crossing at (16, 84).
    MapClear();
    loc.FormMouseDown(map, 3, 8 + 4 * 17 + 5);
    ASSERT_FALSE(relationLines().empty());
    for (const auto& l : relationLines()) {
        EXPECT_TRUE(l.x1 == 16 || l.x1 == 17) << l.x1;
        EXPECT_TRUE(l.y1 >= 84 && l.y1 <= 86) << l.y1;
    }
    // From an empty point the code is the colour at the related point + 1:
    // (5, 4) sees the black stone (5, 3) above it, yellow.
    MapClear();
    loc.FormMouseDown(map, 8 + 4 * 17 + 3, 8 + 3 * 17 + 3);
    bool up = false;
    for (const auto& l : relationLines())
        if (l.x2 == 17 * 5 - 1 && l.y2 == 17 * 3 - 1) {
            up = true;
            EXPECT_EQ(l.colour, 0x00FFFF);
        }
    EXPECT_TRUE(up);
    EXPECT_EQ(TLocateForm::LineColour(4), 0x800080);
    // Stones are drawn in their cells; the background stops at the margin.
    EXPECT_EQ(MapAt(8 + 4 * 17 + 4, 8 + 2 * 17 + 8), clBlack);
    EXPECT_EQ(MapAt(2, 2), TLocateForm::kBackColor);
    EXPECT_EQ(MapAt(9, 9), clOlive);
    // An empty point far from stones and edges has no relation: the board
    // painted again, nothing else.
    std::string d;
    for (int y = 1; y <= 13; ++y) {
        for (int x = 1; x <= 13; ++x)
            d += x == 5 && y == 3 ? "X " : ". ";
        d += "\n";
    }
    Position(d);
    MapClear();
    loc.FormMouseDown(map, 8 + 6 * 17 + 3, 8 + 7 * 17 + 3);
    EXPECT_EQ(MapAt(8 + 6 * 17 + 8, 8 + 7 * 17 + 8), clBlack);  // the grid crossing of (7, 8)
    EXPECT_TRUE(relationLines().empty());
}

TEST_F(DevViewsTest, RelationViewTextsAndDirectionMasks)
{
    Start(9);
    Position(". . . . . . . . .\n. . . . . . . . .\n. . . . X . . . .\n. . . . . . . . .\n"
             ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
             ". . . . . . . . .\n");
    const TLocateForm& loc = Views().LocateForm;
    // One character 4 pixels further right than two.
    loc.DrawText(map, "7", Point(2, 3), clRed);
    loc.DrawText(map, "12", Point(2, 3), clBlue);
    ASSERT_EQ(map.texts.size(), 2u);
    EXPECT_EQ(map.texts[0].x, 8 + 17 + 4);
    EXPECT_EQ(map.texts[1].x, 8 + 17);
    EXPECT_EQ(map.texts[1].y, 8 + 2 * 17);
    map.texts.clear();
    ctl.Click("mnuHoko");
    EXPECT_EQ(view.directions, 1);
    loc.ShowDirection(map);
    // On 9x9 only the centre 3 x 3 points; the stone (5, 3) is above (5, 4)
    // in its column: up, right and left for Black.
    std::vector<std::string> got;
    for (const auto& t : map.texts) {
        const Point p((t.x - 8) / 17 + 1, (t.y - 8) / 17 + 1);
        EXPECT_TRUE(p.x >= 4 && p.x <= 6 && p.y >= 4 && p.y <= 6) << t.text;
        EXPECT_EQ(t.colour, clRed);
        if (p == Point(5, 4))
            got.push_back(t.text);
    }
    EXPECT_EQ(map.texts.size(), 9u);
    EXPECT_EQ(got, std::vector<std::string>{"B0"});
}

// --- The evaluation window -----------------------------------------------------------------------

TEST_F(DevViewsTest, EvaluationReportsThirteenLines)
{
    Start(9);
    Position(kDeadStones);
    THyokaF& h = Views().Hyoka;
    h.mnuHyokaClick();
    ASSERT_EQ(h.Memo.size(), 13u);
    EXPECT_EQ(h.Memo[0].rfind("評価:", 0), 0u);
    EXPECT_EQ(h.Memo[1], "黒");
    EXPECT_EQ(h.Memo[7], "白");
    // One dead stone of each colour; no reinforcement is ever counted.
    EXPECT_EQ(h.Memo[3], "死石:4");
    EXPECT_EQ(h.Memo[9], "死石:4");
    EXPECT_EQ(h.Memo[6], "手入:0");
    EXPECT_EQ(h.Memo[12], "手入:0");
    EXPECT_EQ(h.Memo[2].rfind("地所:", 0), 0u);
    EXPECT_NE(h.Memo[2].find('+'), std::string::npos);
    // A second report without a move is the same.
    h.mnuHyokaClick();
    ASSERT_EQ(h.Memo.size(), 26u);
    EXPECT_TRUE(std::equal(h.Memo.begin(), h.Memo.begin() + 13, h.Memo.begin() + 13));
    h.mnuClearClick();
    EXPECT_TRUE(h.Memo.empty());
}

// --- Places and close boxes ----------------------------------------------------------------------

TEST_F(DevViewsTest, PlacesDefaultsTheKeepRuleAndTheWriteAtExit)
{
    WriteIni("[RenInfo]\nLeft=-1\nTop=5\n[RenForm]\nLeft=-1\n[JiForm]\nWidth=300\n");
    ctl.FormCreate(exeDir, {});
    TDevViews& v = Views();
    struct Case {
        const TSideForm& form;
        TSideGeometry place;
    } const cases[] = {
        // The maps' cells of 13 pixels, 19 of them; the relation view's of 17
        // pixels with a margin of 19 and 20.
        {v.Hyoka, {0, 0, 233, 200}},       {v.RenForm, {-1, 0, 247, 247}},   {v.RenInfo, {475, 5, 341, 254}},
        {v.GunForm, {0, 0, 247, 247}},     {v.GunInfo, {247, 386, 390, 309}}, {v.JiForm, {247, 0, 300, 247}},
        {v.JiInfo, {250, 145, 205, 258}}, {v.LocateForm, {0, 0, 342, 343}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.form.Geometry, c.place) << c.place.Left << "," << c.place.Top;
    v.GunInfo.Geometry = {11, 12, 13, 14};
    ctl.FormClose();
    const std::string ini = ReadText(IniFile());
    for (const char* section : {"[FormHyoka]", "[RenForm]", "[RenInfo]", "[GunForm]", "[GunInfo]", "[JiForm]",
                                "[JiInfo]", "[FormLocate]"})
        EXPECT_NE(ini.find(section), std::string::npos) << section;
    EXPECT_NE(ini.find("[GunInfo]\nLeft=11\nTop=12\nWidth=13\nHeight=14"), std::string::npos);
}

TEST_F(DevViewsTest, CloseBoxesUntickTheirItems)
{
    Start(9);
    TDevViews& v = Views();
    for (const char* item : {"mnuRen", "mnuGun", "mnuLocate", "mnuJi", "mnuHyoka"}) {
        ctl.Click(item);
        ASSERT_TRUE(ctl.Checked(item));
        v.Window(item)->Visible = true;
        v.FormClose(item);
        EXPECT_FALSE(ctl.Checked(item)) << item;
        EXPECT_FALSE(v.Window(item)->Visible) << item;
    }
    const std::string ini = ReadText(IniFile());
    for (const char* key : {"Ren=OFF", "Gun=OFF", "Locate=OFF", "Ji=OFF", "Hyoka=OFF"})
        EXPECT_NE(ini.find(key), std::string::npos) << key;
    EXPECT_EQ(v.Window("mnuComment"), nullptr);
}

// --- The Qt windows ------------------------------------------------------------------------------

class DevWindowTest : public WindowTest {};

TEST_F(DevWindowTest, MapsOpenAtStartUpShowInformationAndFollowTheGame)
{
    DevMode = 1;
    Open(9, "", "[Form]\nRen=ON\nJi=ON\n[RenForm]\nWidth=200\nHeight=200\n");
    TDevWindows& w = *form->DevWindows();
    TDevMapWindow& ren = *w.Map("mnuRen");
    ASSERT_TRUE(ren.isVisible());
    EXPECT_TRUE(w.Map("mnuJi")->isVisible());
    EXPECT_FALSE(w.Map("mnuGun")->isVisible());
    EXPECT_FALSE(w.Hyoka()->isVisible());
    EXPECT_EQ(ren.width(), 200);
    // A move: the map follows at once.
    Ctl().GameRunning = 1;
    ASSERT_TRUE(Ctl().BanUtu(3, 3, 0));
    Ctl().DspRefresh();
    QApplication::processEvents();
    const QImage img = ren.Canvas().Image();
    auto count = [&img](Point p, int colour) {
        int n = 0;
        for (int x = 0; x < kMapPitch; ++x)
            for (int y = 0; y < kMapPitch; ++y)
                n += BgrFromColor(img.pixelColor((p.x - 1) * kMapPitch + x, (p.y - 1) * kMapPitch + y)) == colour;
        return n;
    };
    EXPECT_GT(count(Point(3, 3), clBlack), 60);
    EXPECT_GT(count(Point(5, 5), clYellow), 60);
    // A click on the stone opens the chain window with its fields.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2 * kMapPitch + 5, 2 * kMapPitch + 5), QPointF(),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&ren, &press);
    QApplication::processEvents();
    TDevInfoWindow& info = *w.Info("RenInfo");
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(static_cast<QLineEdit*>(info.Control("edtIsiSu"))->text(), QStringLiteral("1"));
    EXPECT_EQ(static_cast<QLineEdit*>(info.Control("edtKuu"))->text(), QStringLiteral("4"));
    EXPECT_EQ(static_cast<QListWidget*>(info.Control("lstYoso"))->item(0)->text(), QStringLiteral("3-3"));
    // The evaluation window by its menu item, its report by its own menu.
    Ctl().Click("mnuHyoka");
    ASSERT_TRUE(w.Hyoka()->isVisible());
    w.Hyoka()->Action("mnuHyoka")->trigger();
    EXPECT_EQ(w.Hyoka()->Memo()->toPlainText().count('\n'), 12);
    // The close box unticks the item; the menu item hides without it.
    ren.close();
    EXPECT_FALSE(Ctl().Checked("mnuRen"));
    EXPECT_NE(ReadText(IniFile()).find("Ren=OFF"), std::string::npos);
    Ctl().Click("mnuJi");
    EXPECT_FALSE(w.Map("mnuJi")->isVisible());
    EXPECT_FALSE(Ctl().Checked("mnuJi"));
    // At exit every window's place is written.
    w.Hyoka()->resize(250, 210);
    form.reset();
    const std::string ini = ReadText(IniFile());
    EXPECT_NE(ini.find("[FormHyoka]"), std::string::npos);
    EXPECT_NE(ini.find("Width=250\nHeight=210"), std::string::npos);
    EXPECT_NE(ini.find("[RenInfo]"), std::string::npos);
}

TEST_F(DevWindowTest, WithoutAStoredPlaceTheViewsShowTheWholeBoard)
{
    DevMode = 1;
    Open(19, "", "[Form]\nRen=ON\nGun=ON\nLocate=ON\n");
    TDevWindows& w = *form->DevWindows();
    // The maps: 19 cells of 13 pixels; the corner cell 19-19 is an empty
    // point's yellow, whole.
    for (const char* item : {"mnuRen", "mnuGun"}) {
        TDevMapWindow& map = *w.Map(item);
        ASSERT_TRUE(map.isVisible()) << item;
        EXPECT_EQ(map.width(), 247) << item;
        EXPECT_EQ(map.height(), 247) << item;
        const QImage img = map.Canvas().Image();
        int yellow = 0;
        for (int x = 18 * kMapPitch; x < 19 * kMapPitch; ++x)
            for (int y = 18 * kMapPitch; y < 19 * kMapPitch; ++y)
                yellow += BgrFromColor(img.pixelColor(x, y)) == clYellow;
        EXPECT_GT(yellow, 60) << item;
    }
    // The relation view: the line of column 19 runs at 8 + 18 * 17 + 8 = 322
    // pixels, the margin of $C0FFFF to 342 x 343.
    TDevMapWindow& loc = *w.Map("mnuLocate");
    ASSERT_TRUE(loc.isVisible());
    EXPECT_EQ(loc.width(), 342);
    EXPECT_EQ(loc.height(), 343);
    const QImage img = loc.Canvas().Image();
    EXPECT_EQ(BgrFromColor(img.pixelColor(322, 100)), clBlack);
    EXPECT_EQ(BgrFromColor(img.pixelColor(100, 322)), clBlack);
    EXPECT_EQ(BgrFromColor(img.pixelColor(341, 342)), TLocateForm::kBackColor);
}

TEST_F(DevWindowTest, RelationViewShowsTextsOnlyWhileOpen)
{
    Open(9, "", "[Form]\nLocate=ON\n");
    TDevWindows& w = *form->DevWindows();
    TDevMapWindow& loc = *w.Map("mnuLocate");
    ASSERT_TRUE(loc.isVisible());
    loc.resize(200, 200);
    QApplication::processEvents();
    const QImage before = loc.Canvas().Image();
    form->LocateDrawText(Point(5, 5), "88", clRed);
    EXPECT_NE(loc.Canvas().Image(), before);
    Ctl().Click("mnuLocate");
    ASSERT_FALSE(loc.isVisible());
    const QImage hidden = loc.Canvas().Image();
    form->LocateDrawText(Point(6, 6), "88", clRed);
    form->LocateShowDirection();
    EXPECT_EQ(loc.Canvas().Image(), hidden);
}

} // namespace
} // namespace vorn::test
