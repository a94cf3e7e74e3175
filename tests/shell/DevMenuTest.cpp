// The developer menu and the status marks: relation lines between stones,
// the per-colour marks of the status commands, the window switches with
// their settings, the reopening of the side windows at start-up and the
// engine's move on demand.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "OverlayUtil.h"

#include "engine/Koho.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

// Black's knight's move (3, 3)-(4, 5); (3, 3) also relates to the edge above
// it and to its left, (4, 5) to the edge on its left.
const char* const kKnight = ". . . . . . . . .\n"
                            ". . . . . . . . .\n"
                            ". . X . . . . . .\n"
                            ". . . . . . . . .\n"
                            ". . . X . . . . .\n"
                            ". . . . . . . . .\n"
                            ". . . . . . . . .\n"
                            ". . . . . . . . .\n"
                            ". . . . . . . . .\n";

// The lines drawn, as "x1,y1-x2,y2 colour", in pixels from the intersection
// of (3, 3).
std::vector<std::string> LinesFrom(const TTeeCanvas& canvas, const TBanDraw& b)
{
    const int ox = b.CellLeft(3) + b.BanHalf, oy = b.CellTop(3) + b.BanHalf;
    std::vector<std::string> out;
    for (const auto& l : canvas.lines)
        if (l.colour != clBlack)  // the grid
            out.push_back(std::to_string(l.x1 - ox) + "," + std::to_string(l.y1 - oy) + "-" + std::to_string(l.x2 - ox)
                      + "," + std::to_string(l.y2 - oy) + " " + std::to_string(l.colour));
    return out;
}

TEST_F(OverlayTest, KnightsMoveLinkedBothWaysGivesTwoLinesTwoPixelsApart)
{
    Start(9);
    Position(kKnight);
    const int p = Pitch();
    ctl.Click("mnuLink");
    // Link value 1, blue; the line from the upper stone runs 2 pixels lower.
    // The relations to the edge are no links on the board.
    EXPECT_EQ(LinesFrom(canvas, ctl.Ban),
              (std::vector<std::string>{"0,2-" + std::to_string(p) + "," + std::to_string(2 * p + 2) + " 16711680",
                                        std::to_string(p) + "," + std::to_string(2 * p) + "-0,0 16711680"}));
    const Point a(3, 3);
    // Halfway down, two blue pixels 2 apart with the board between.
    EXPECT_EQ(At(a, 24, 48), clBlue);
    EXPECT_EQ(At(a, 24, 50), clBlue);
    EXPECT_EQ(At(a, 24, 46), clOlive);
    EXPECT_EQ(At(a, 24, 52), clOlive);

    // All relations: the edge too, to the margin.
    ctl.Click("mnuLink");
    canvas.lines.clear();
    ctl.Click("mnuKankei");
    EXPECT_EQ(LinesFrom(canvas, ctl.Ban).size(), 5u);
    int margin = 0;
    for (const auto& l : canvas.lines)
        margin += l.colour != clBlack && (l.x2 < ctl.Ban.BanX || l.y2 < ctl.Ban.BanY);
    EXPECT_EQ(margin, 3);
    // Switched off, the lines stay until the next repaint.
    ctl.Click("mnuKankei");
    EXPECT_EQ(At(a, 24, 48), clBlue);
    Repaint();
    EXPECT_EQ(At(a, 24, 48), clOlive);
}

// --- Status marks --------------------------------------------------------------------------

TEST_F(OverlayTest, StatusMarksSitInTheHalfOfTheirColour)
{
    Start(9);
    // Black's stone (5, 5) is in atari; Black may not play at (1, 1); White
    // at (9, 9) would be in atari.
    Position(". O . . . . . . .\n"
             "O . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . O . . . .\n"
             ". . . O X O . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . . .\n"
             ". . . . . . . X .\n");
    // White captures at the liberty: a white "0" in the right half.
    ctl.Click("mnuToru");
    EXPECT_EQ(Texts(), std::vector<std::string>{"5,6 0 16777215"});
    const Point lib(5, 6);
    EXPECT_GT(Count(lib, clWhite, Half() + 1, 0, Pitch(), Half()), 3);
    EXPECT_EQ(Count(lib, clWhite, 0, 0, Half(), Pitch()), 0);
    EXPECT_EQ(canvas.texts[0].x, ctl.Ban.CellLeft(5) + Half());
    EXPECT_EQ(canvas.texts[0].y, ctl.Ban.CellTop(6));

    Repaint();
    ctl.Click("mnuUtenai");
    EXPECT_EQ(Texts(), std::vector<std::string>{"1,1 0 0"});
    EXPECT_GT(Count(Point(1, 1), clBlack, 1, 1, Half(), Half() - 2), 3);
    Repaint();
    ctl.Click("mnuUtuTrr");
    EXPECT_EQ(Texts(), std::vector<std::string>{"9,9 0 16777215"});

    // The pair list: the diagonal links round the black stone and the (3,3)
    // diagonals of White's corner stones, each kind at the stone B with a
    // red line to its partner A; the chain in atari that can escape, kind 21
    // at its liberty.
    Repaint();
    ctl.Click("mnuKohoLocate");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"5,4 2 255", "5,4 2 255", "2,1 13 255", "1,2 13 255", "5,6 21 255"}));
    EXPECT_EQ(LinesFrom(canvas, ctl.Ban), (std::vector<std::string>{"98,51-147,100 255", "98,51-49,100 255",
                                                                     "-49,-96-98,51 255", "-98,-47-49,100 255"}));
    EXPECT_EQ(At(Point(2, 1), 24, 26), clRed);
}

// --- Switches -----------------------------------------------------------------------------

TEST_F(OverlayTest, EachSwitchIsStoredAndRepaintsOnlyWhereItShould)
{
    Start(9);
    const struct {
        const char* item;
        const char* key;
        bool repaints;
        const char* window;  // the side window it shows, if any
    } cases[] = {
        {"mnuNumber", "Bango", true, ""},      {"mnuDspJi", "Jiai", true, ""},
        {"mnuSemeai", "Semeai", true, ""},     {"mnuDspDeath", "Death", true, ""},
        {"mnuLink", "Link", true, ""},         {"mnuDspAtari", "Atari", true, ""},
        {"mnuKankei", "Relation", false, ""},  {"mnuWeakGun", "WeakGun", false, ""},
        {"mnuKoho", "Koho", false, ""},        {"mnuDspThink", "Think", false, ""},
        {"mnuDspSakiyomi", "Sakiyomi", false, ""}, {"mnuRen", "Ren", false, "mnuRen"},
        {"mnuGun", "Gun", false, "mnuGun"},    {"mnuLocate", "Locate", false, "mnuLocate"},
        {"mnuJi", "Ji", false, "mnuJi"},       {"mnuHyoka", "Hyoka", false, "mnuHyoka"},
    };
    std::string all = "[Goban]\nSize=9\n[Form]\nComment=ON\n";
    for (const auto& c : cases) {
        for (const bool on : {true, false}) {
            // A mark on the board tells whether the click repainted it.
            ctl.Ban.IrhTextOut("Z", Point(8, 8), 0);
            view.windows.clear();
            ctl.Click(c.item);
            EXPECT_EQ(ctl.Checked(c.item), on) << c.item;
            EXPECT_EQ(Count(Point(8, 8), clRed, 0, 0, Pitch(), Pitch()) == 0, c.repaints) << c.item;
            EXPECT_NE(ReadText(IniFile()).find(std::string(c.key) + (on ? "=ON" : "=OFF")), std::string::npos)
                << c.item;
            const std::vector<std::string> shown =
                *c.window != '\0' ? std::vector<std::string>{std::string(c.window) + (on ? " on" : " off")}
                                  : std::vector<std::string>{};
            EXPECT_EQ(view.windows, shown) << c.item;
            Repaint();
        }
        all += std::string(c.key) + "=ON\n";
    }
    // Read back at the next start; the side windows open, the comment
    // window first.
    WriteIni(all);
    TOverlayView view2;
    TTeeCanvas canvas2;
    TMainCtl ctl2(view2, canvas2, prompt);
    ctl2.FormCreate(exeDir, {});
    for (const auto& c : cases)
        EXPECT_TRUE(ctl2.Checked(c.item)) << c.item;
    ctl2.DevMenu.FormShow();
    EXPECT_EQ(view2.windows, (std::vector<std::string>{"mnuComment on", "mnuRen on", "mnuLocate on", "mnuGun on",
                                                        "mnuJi on", "mnuHyoka on"}));
    // The kind switch is not stored.
    ctl2.Click("mnuKind");
    EXPECT_TRUE(ctl2.Checked("mnuKind"));
    EXPECT_EQ(ReadText(IniFile()).find("Kind"), std::string::npos);
}

TEST_F(OverlayTest, TheEngineMovesOnDemandOnlyAtTheLastMoveOfARunningGame)
{
    Start(9);
    ctl.Turn.Think = [](Point& out) { out = Point(7, 7); };
    // No game.
    ctl.Click("mnuComUtu");
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 0);
    NewHumanGame(ctl);
    ASSERT_TRUE(ctl.BanUtu(3, 3, 0));
    ASSERT_TRUE(ctl.BanUtu(5, 5, 0));
    ctl.SakiyomiTejun[2]->Add(4, 4);
    // An earlier move shown: nothing.
    ctl.Click("mnuPrev");
    ctl.Click("mnuComUtu");
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 2);
    EXPECT_EQ(ctl.SakiyomiTejun[2]->Last(), 1);
    // The game dialog up: nothing.
    ctl.Click("mnuNext");
    GameInfoLock = 1;
    ctl.Click("mnuComUtu");
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 2);
    GameInfoLock = 0;
    // Black to move: the engine plays Black, its look-ahead records cleared.
    JibunIro = kSiro;
    AiteIro = kKuro;
    ctl.Click("mnuComUtu");
    EXPECT_EQ(GobanLv[0]->Tejun.Last(), 3);
    EXPECT_EQ(GobanLv[0]->GetIro(7, 7), kKuro);
    EXPECT_EQ(JibunIro, kKuro);
    EXPECT_EQ(AiteIro, kSiro);
    EXPECT_EQ(ctl.SakiyomiTejun[2]->Last(), 0);
}

// --- The engine's trace, which follows the developer menu ----------------------------------------

namespace fs = std::filesystem;

// The trace is written in the current directory: each test runs in an empty
// one of its own.
class TraceTest : public OverlayTest {
protected:
    void SetUp() override
    {
        OverlayTest::SetUp();
        dir_ = EnterFolder("cwd");
    }
    // The names of the files in the current directory, sorted.
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // A game between two people on 9 x 9 with 24 moves played, move 24 shown.
    void Game24()
    {
        NewHumanGame(ctl);
        for (int i = 0; i < 24; ++i)
            ASSERT_TRUE(ctl.BanUtu(1 + i % 9, 1 + i / 9, 0)) << i;
        ASSERT_EQ(GobanLv[0]->Tejun.Current(), 24);
    }
    // The engine's look-ahead for the side to move with 5-5 as its only
    // candidate, in the game of that name.
    static void LookAhead(const std::string& gameName)
    {
        KifuGameName = gameName;
        JibunIro = static_cast<std::uint8_t>(GobanLv[0]->Tejun.NextColor());
        AiteIro = static_cast<std::uint8_t>(JibunIro ^ 3);
        KohoClear();
        AddKohoEx(Point(5, 5), 40, kkKankei, Point());
        Point out;
        Sakiyomi(Point(5, 5), out);
    }
    std::string dir_;
};

TEST_F(TraceTest, MenuShownTracesTheMoveChoiceAndTheLookAheadUntilItIsHidden)
{
    DevMode = 1;
    Start(9);
    ASSERT_TRUE(ctl.Item("mnuDev").visible);
    Game24();
    // The look-ahead for move 25 leaves a file named after the game and the
    // move; a game without a name gives the bare number.
    LookAhead("Match");
    LookAhead("");
    EXPECT_TRUE(fs::exists("Match_25.txt"));
    EXPECT_TRUE(fs::exists("_25.txt"));
    // The engine's move choice empties log.txt and writes its lines there.
    fs::remove("log.txt");
    ctl.Click("mnuComUtu");
    ASSERT_EQ(GobanLv[0]->Tejun.Last(), 25);
    EXPECT_TRUE(fs::exists("log.txt"));

    // The menu hidden: no file is made or changed any more.
    ctl.SetVisible("mnuDev", false);
    { std::ofstream("log.txt", std::ios::binary) << "old"; }
    const std::vector<std::string> before = Files();
    ctl.Click("mnuComUtu");
    ASSERT_EQ(GobanLv[0]->Tejun.Last(), 26);
    LookAhead("Hidden");
    EXPECT_EQ(Files(), before);
    EXPECT_EQ(ReadText("log.txt"), "old");
}

TEST_F(TraceTest, MenuHiddenAtStartUpLeavesNoTraceUntilItIsShown)
{
    Start(9);
    ASSERT_FALSE(ctl.Item("mnuDev").visible);
    Game24();
    { std::ofstream("log.txt", std::ios::binary) << "old"; }
    LookAhead("Match");
    ctl.Click("mnuComUtu");
    ASSERT_EQ(GobanLv[0]->Tejun.Last(), 25);
    EXPECT_EQ(Files(), std::vector<std::string>{"log.txt"});
    EXPECT_EQ(ReadText("log.txt"), "old");

    // Shown later: the next look-ahead and move choice leave their trace.
    ctl.SetVisible("mnuDev", true);
    LookAhead("Match");
    EXPECT_TRUE(fs::exists("Match_26.txt"));
    ctl.Click("mnuComUtu");
    EXPECT_NE(ReadText("log.txt"), "old");
}

} // namespace
} // namespace vorn::test
