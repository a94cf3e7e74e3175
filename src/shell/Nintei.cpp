#include "shell/Nintei.h"

#include "board/Goban.h"
#include "board/Hooks.h"
#include "records/Exam.h"
#include "records/KifuIg1.h"
#include "shell/MainCtl.h"

namespace vorn {

namespace {

// The beeps count down this many seconds before the limit.
constexpr int kExamWarnSeconds = 3;
// The highest dan level; from the next one down the kyu levels give time.
constexpr int kExamLastDan = 7;

} // namespace

int ExamTimeLimitSeconds(int level)
{
    constexpr int base = 10;
    return level > kExamLastDan ? base + (level - kExamLastDan) : base;
}

bool TNintei::Click(const std::string& name)
{
    if (name != "mnuExam")
        return false;
    mnuExamClick();
    return true;
}

void TNintei::mnuExamClick()
{
    TMainCtl& m = main_;
    if (GameInfoLock == 1 || m.ExamMode == 1)
        return;
    if (m.GameRunning == 1) {
        if (!m.prompt_.YesNo(Msg("Do you stop this Game?", "対局を中止してもいいですか？")))
            return;
        m.GameStop();
    }
    // A finished series and a damaged file (reported) leave everything as it is.
    const int r = vorn::ExamSetup();
    if (r < kExamNewGame)
        return;
    m.ParamFile.clear();
    BoardSize = 19;
    GobanLv[0]->NewGame();
    FillGrid<unsigned char, 1, 19>(HaitiBan, 0);
    m.PassCount = 0;
    m.FormResize();
    if (r >= 0)
        vorn::ExamReplay();
    else if (KifuRecOn == 1)
        KifuRecBegin();
    m.TjnInfoShow();
    m.BackButtons(GobanLv[0]->Tejun.Current() > 0);
    m.ForwardButtons(false);

    GameInfoLock = 1;
    GameInfoMode = 2;
    m.GameInfo.Show();
    vorn::ExamSetup();
    m.GameInfo.ExamInfoShow();
    m.Turn.ThinkTicks = 0;
}

void TNintei::NinteiShow()
{
    TMainCtl& m = main_;
    if (m.ExamMode != 1)
        return;
    TGameInfo& d = m.GameInfo;
    const std::string text = d.edtResult.Text + "," + ExamRankText + Msg("Authorization", "認定");
    m.view_.SetStatusText(text);
    d.edtResult.Text = text;
    int passed = -1;
    // The examinee's rank field shows the rank just passed, in Japanese
    // whatever the language.
    if (vorn::ExamAdvance(passed))
        (PlayerKind[kKuro] != pkComputer ? d.edtBlackKyu : d.edtWhiteKyu).Text = RankName(passed, lgJapanese);
    d.Changed();
    m.ExamMode = 0;
}

void TNintei::ExamEnd()
{
    TMainCtl& m = main_;
    if (m.ExamMode != 1)
        return;
    vorn::ExamEnd();
    m.ExamMode = 0;
}

void TNintei::ExamDraw()
{
    TMainCtl& m = main_;
    if (m.ExamMode != 1)
        return;
    vorn::ExamDraw();
    m.ExamMode = 0;
}

void TNintei::ExamTimeLimit()
{
    TMainCtl& m = main_;
    if (m.ExamMode != 1)
        return;
    const int limit = ExamTimeLimitSeconds(ExamLevel);
    const int ticks = m.Turn.ThinkTicks;
    if (ticks <= limit - kExamWarnSeconds)
        return;
    m.view_.Beep();
    if (ticks <= limit)
        return;
    // The side to move at the end of the record loses.
    const TTejun& t = GobanLv[0]->Tejun;
    const std::string text = std::string(t.TeColor(t.Last() + 1) == kKuro ? "黒" : "白") + "時間切れ負け";
    m.view_.SetStatusText(text);
    m.GameInfo.edtResult.Text = text;
    m.GameInfo.Changed();
    m.GameStop();
    ExamEnd();
}

void TNintei::ExamSetName()
{
    const TGameInfo& d = main_.GameInfo;
    vorn::ExamSetName(d.edtWhitePlayer.Text != "VORN" ? d.edtWhitePlayer.Text : d.edtBlackPlayer.Text);
}

void TNintei::ExamAddMove(int n, Point p)
{
    if (main_.ExamMode == 1)
        vorn::ExamAddMove(n, p);
}

} // namespace vorn
