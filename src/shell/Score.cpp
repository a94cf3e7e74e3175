#include "shell/Score.h"

#include <filesystem>

#include "board/Basic.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "records/Kifu.h"
#include "records/KifuIg1.h"
#include "shell/GameI.h"
#include "shell/MainCtl.h"
#include "shell/Turn.h"

namespace vorn {

namespace {

constexpr int clSilver = 0xC0C0C0;
constexpr int kRenzokuDelay = 3000;         // ms before the next game of a match
constexpr int kRenzokuSerialDelay = 30000;  // after a serial game in which the engine played White

} // namespace

void JiCount(float& kuroScore, float& siroScore)
{
    const TGoban& b = *GobanLv[0];
    double k = b.Tejun.Hama(kKuro), s = b.Tejun.Hama(kSiro);
    const TRenList& list = b.RenList;
    for (int n = 1; n <= list.Count(); ++n) {
        const TRen* r = list.Items(n);
        if (r == nullptr)
            continue;
        if (r->GetIro() == kAki) {
            const int owner = r->JiOwner();
            if (owner == kKuro)
                k += r->IsiCount();
            else if (owner == kSiro)
                s += r->IsiCount();
        } else if (r->GetGunDeath()) {
            // Each dead stone is a prisoner and leaves a point of territory.
            (r->GetIro() == kKuro ? s : k) += 2 * r->IsiCount();
        }
    }
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (b.GetDeathRenMark(x, y) == 1) {
                if (b.JiList.GetJiIroPt(Point(x, y)) == kKuro)
                    k -= 1;
                else
                    s -= 1;
            }
    kuroScore = static_cast<float>(k);
    siroScore = static_cast<float>(s);
}

std::string KekkaString(float k, float s, int language)
{
    const std::string kt = NumberText(k), st = NumberText(s);
    const double diff = k > s ? static_cast<double>(k) - s : static_cast<double>(s) - k;
    if (language == lgEnglish) {
        std::string t = k == s ? "W+0" : (k < s ? "W+" : "B+") + NumberText(diff);
        return t + "(B=" + kt + "W=" + st + ")";
    }
    std::string t = k == s ? "ジゴ(引き分け)" : (k < s ? "白" : "黒") + NumberText(diff) + "目勝ち";
    return t + "(黒=" + kt + "白=" + st + ")";
}

std::string RenzokuFileName(int count)
{
    namespace fs = std::filesystem;
    std::string name;
    for (int n = count < 1 ? 1 : count, tries = 0; tries < 100000; ++n, ++tries) {
        name = "Play" + std::to_string(n) + ".sgf";
        std::error_code ec;
        if (!fs::exists(name, ec) && !ec)
            break;
    }
    return name;
}

// ---------------------------------------------------------------------------

TScore::TScore(TMainCtl& main) : main_(main) {}

bool TScore::Click(const std::string& name)
{
    if (name == "mnuEnd")
        mnuEndClick();
    else if (name == "mnuTusin")
        mnuTusinClick();
    else
        return false;
    return true;
}

void TScore::mnuEndClick()
{
    TMainCtl& m = main_;
    if (m.ExamMode == 1 || m.GameRunning != 1 || m.Thinking == 1 || GameInfoLock == 1)
        return;
    if (GameOver != 1) {
        GameOver = 1;
        GameEnd();
        return;
    }
    // The game resumes: the passes that ended it no longer count, the empty
    // regions are no chains any more, and the side to move gets the turn.
    m.Turn.TimerSet(m.Turn.timRenzoku, false);
    m.SetChecked("mnuEnd", false);
    GameOver = 0;
    m.PassCount = 0;
    m.AnalyzeBoard0();
    m.FormPaint();
    if (PlayerKind[GobanLv[0]->Tejun.NextColor()] == pkComputer)
        m.ComUtu();
    else
        m.Turn.TimerSet(m.Turn.timThink, true);
}

void TScore::GameEnd()
{
    TMainCtl& m = main_;
    GameOver = 1;
    m.Turn.TimerSet(m.Turn.timThink, false);
    m.Turn.TimerSet(m.Turn.timVornVorn, false);
    m.SetChecked("mnuEnd", true);
    m.DictionariesClose();
    m.AnalyzeBoard0();
    // What a ladder query drew goes before the count is shown.
    if (m.RepaintNeeded == 1) {
        m.RepaintNeeded = 0;
        m.FormPaint();
    }
    ScoreShow();
    if (m.GameInfo.chkRenzoku.Checked) {
        ++m.RenzokuCount;
        if (KifuSave(RenzokuFileName(m.RenzokuCount)))
            m.Files.MarkSaved();
        const bool slow = m.GameInfo.SerialInGame == 1 && PlayerKind[kSiro] == pkComputer;
        m.Turn.TimerSet(m.Turn.timRenzoku, true, slow ? kRenzokuSerialDelay : kRenzokuDelay);
    }
}

void TScore::ScoreShow()
{
    JiCount();
    KekkaText();
    DeadMarkPaint();
    JiPaint();
    main_.Ban.Canvas().Show(false);
}

void TScore::JiCount() { vorn::JiCount(KuroScore, SiroScore); }

void TScore::KekkaText()
{
    TMainCtl& m = main_;
    Komi = ParseKomi(m.GameInfo.edtKomi.Text);
    SiroScore += Komi;
    m.GameInfo.edtResult.Text = KekkaString(KuroScore, SiroScore, Language);
    if (m.ExamMode == 1) {
        // The examinee plays White when the engine plays Black.
        const bool examineeWins = PlayerKind[kKuro] == pkComputer ? SiroScore > KuroScore : KuroScore > SiroScore;
        const bool examineeLoses = PlayerKind[kKuro] == pkComputer ? KuroScore > SiroScore : SiroScore > KuroScore;
        if (examineeWins)
            m.Nintei.NinteiShow();
        else if (examineeLoses)
            m.Nintei.ExamEnd();
        else
            m.Nintei.ExamDraw();
    }
    m.GameInfo.Show();
}

void TScore::DeadMarkPaint()
{
    const TGoban& b = *GobanLv[0];
    for (int n = 1; n <= b.RenList.Count(); ++n) {
        const TRen* r = b.RenList.Items(n);
        if (r == nullptr || r->GetIro() == kAki || !r->GetGunDeath())
            continue;
        for (int i = 1; i <= r->IsiCount(); ++i) {
            const Point p = r->GetIsi(i);
            main_.Ban.DeadMarkDraw(r->GetIro(), p.x, p.y);
        }
    }
}

void TScore::DeadStonesPaint()
{
    const TGoban& b = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            const int c = b.GetIro(x, y);
            if ((c == kKuro || c == kSiro) && b.IsDeath(x, y) == 1)
                main_.Ban.DeadMarkDraw(c, x, y);
        }
}

void TScore::JiPaint()
{
    TBanDraw& ban = main_.Ban;
    const TGoban& b = *GobanLv[0];
    for (int n = 1; n <= b.RenList.Count(); ++n) {
        const TRen* r = b.RenList.Items(n);
        if (r == nullptr || r->GetIro() != kAki)
            continue;
        const int o = r->JiOwner();
        const int fill = o == kKuro ? clSilver : clWhite;
        for (int i = 1; i <= r->IsiCount(); ++i) {
            const Point p = r->GetIsi(i);
            // Nobody's point, and points beside a group in seki, keep a
            // plain olive board.
            if (o == 0 || HasSekiGun4(p)) {
                ban.BanPointPaint(p.x, p.y, clOlive);
                continue;
            }
            if (b.GetDeathRenMark(p.x, p.y) == 1)
                ban.BanMarkPaint(p.x, p.y, clBlue, fill);
            else
                ban.BanPointPaint(p.x, p.y, fill);
            // No real eye here: a red square.
            if (b.IsKakeme(p.x, p.y) && !HasDeathGun8(p))
                ban.BanMarkPaint(p.x, p.y, clRed, fill);
        }
    }
}

void TScore::SiIsiToggle(int x, int y)
{
    TMainCtl& m = main_;
    TGoban& b = *GobanLv[0];
    TRen* r = b.RenList.RenAt(x, y);
    if (r == nullptr || (r->GetIro() != kKuro && r->GetIro() != kSiro))
        return;
    // Only the clicked chain changes, not the other chains of its group.
    const int dead = r->GetGunDeath() ? 0 : 1;
    r->SetGunDeath(dead);
    for (int i = 1; i <= r->IsiCount(); ++i) {
        const Point p = r->GetIsi(i);
        b.SetDeathPt(p, dead);
        if (dead == 1)
            m.Ban.DeadMarkDraw(r->GetIro(), p.x, p.y);
        else
            m.Ban.IsiDraw(r->GetIro(), p.x, p.y);
    }
    ScoreShow();
}

void TScore::timRenzokuTimer()
{
    TMainCtl& m = main_;
    TGameInfo& dlg = m.GameInfo;
    m.Turn.TimerSet(m.Turn.timRenzoku, false);
    KifuBlackTime.clear();
    KifuWhiteTime.clear();
    dlg.edtBlackTime.Text.clear();
    dlg.edtWhiteTime.Text.clear();
    dlg.edtResult.Text.clear();
    Jikan[kKuro] = Jikan[kSiro] = 0;
    dlg.Changed();

    GobanLv[0]->NewGame();
    FillGrid<unsigned char, 1, 19>(HaitiBan, 0);
    m.DictionariesStart();
    // The running record holds the games of the match one after another.
    if (KifuRecOn == 1) {
        KifuRecAddBlank();
        KifuRecAddBlank();
    }
    m.GameRunning = 1;
    GameOver = 0;
    m.PassCount = 0;
    m.SetChecked("mnuEnd", false);
    m.BackButtons(false);
    m.ForwardButtons(false);
    m.TjnInfoShow();
    m.FormResize();

    if (dlg.SerialInGame != 1) {
        m.SetEnabled("mnuPlay", true);
        if (PlayerKind[GobanLv[0]->Tejun.NextColor()] == pkComputer)
            m.ComUtu();
        else
            m.Turn.TimerSet(m.Turn.timThink, true);
        return;
    }
    // A serial match: the players change colours.
    std::swap(PlayerKind[kKuro], PlayerKind[kSiro]);
    std::swap(dlg.edtBlackPlayer.Text, dlg.edtWhitePlayer.Text);
    dlg.Changed();
    m.Com.NextGame(PlayerKind[kSiro] == pkSerial);
}

void TScore::mnuTusinClick() { main_.Com.Show(); }

} // namespace vorn
