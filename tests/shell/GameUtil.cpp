#include "GameUtil.h"

#include "board/Goban.h"
#include "board/Rand.h"

namespace vorn::test {

std::deque<Point> EngineScript;
std::vector<int> EngineCallHintModes;

void ScriptedThink(Point& out)
{
    EngineCallHintModes.push_back(HintMode);
    out = Point{};
    if (!EngineScript.empty()) {
        out = EngineScript.front();
        EngineScript.pop_front();
    }
}

void RandomThink(Point& out)
{
    TGoban& b = *GobanLv[0];
    out = b.Tejun.Last() > 400 ? Point{} : RandomMove(b);
}

void HandicapRecordOnBoard0(std::uint64_t seed)
{
    BoardSize = 9;
    Handicap = 2;
    TGoban& b = *GobanLv[0];
    b.NewGame();
    RandSeed(seed);
    for (int i = 0; i < 29; ++i) {
        const Point p = RandomMove(b);
        EXPECT_EQ(b.Utu(p.x, p.y), kUtuOk);
    }
    b.Pass();
}

void StartSerialGame(TMainCtl& ctl, bool engineBlack, bool match)
{
    TGameInfo& d = ctl.GameInfo;
    ctl.Click("mnuNew");
    d.cmbBlackPlayer.Text = engineBlack ? "VORN" : "Peer";
    d.cmbWhitePlayer.Text = engineBlack ? "Peer" : "VORN";
    d.cmbTeai.Text = "0";
    d.chkComm.Checked = true;
    d.chkAiteWhite.Checked = engineBlack;
    d.rdoCom1.Checked = true;
    d.chkRenzoku.Checked = match;
    d.btnOKClick();
}

void GameTest::SetUp()
{
    ShellTest::SetUp();
    EngineScript.clear();
    EngineCallHintModes.clear();
}

void GameTest::TearDown()
{
    if (ctl.FormCreated == 1)
        ctl.FormClose();
    EngineScript.clear();
    ShellTest::TearDown();
}

void GameTest::Open(int language, int size)
{
    WriteIni("[Goban]\nSize=" + std::to_string(size) + "\n[Form]\nLanguage=" + std::to_string(language) + "\n");
    ctl.FormCreate(exeDir, {});
    ctl.Turn.Think = ScriptedThink;
    ctl.Turn.Clock = &clock;
}

void GameTest::Start(const std::string& black, const std::string& white, const std::string& teai,
                     const std::string& komi)
{
    ctl.Click("mnuNew");
    if (!black.empty()) {
        dlg.cmbBlackPlayer.Text = black;
        dlg.cmbBlackPlayerChange();
    }
    if (!white.empty()) {
        dlg.cmbWhitePlayer.Text = white;
        dlg.cmbWhitePlayerChange();
    }
    if (!teai.empty()) {
        dlg.cmbTeai.Text = teai;
        dlg.cmbTeaiChange();
    }
    if (!komi.empty())
        dlg.edtKomi.Text = komi;
    dlg.btnOKClick();
}

void GameTest::ClickPoint(int x, int y)
{
    const TBanDraw& b = ctl.Ban;
    ctl.FormMouseDown(mbLeft, b.CellLeft(x) + b.BanHalf, b.CellTop(y) + b.BanHalf);
}

} // namespace vorn::test
