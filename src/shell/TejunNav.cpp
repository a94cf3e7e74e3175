#include "shell/TejunNav.h"

#include <unordered_map>

#include "board/Goban.h"
#include "engine/Joseki.h"
#include "engine/Koho.h"
#include "engine/Yose.h"
#include "records/KifuIg1.h"
#include "shell/MainCtl.h"

namespace vorn {

namespace {

// A run of many steps plays no move sound; the sound setting comes back
// when the run ends.
class TSilentRun {
public:
    explicit TSilentRun(TMainCtl& ctl) : ctl_(ctl), saved_(ctl.SoundOn) { ctl_.SoundOn = 0; }
    ~TSilentRun() { ctl_.SoundOn = saved_; }
    TSilentRun(const TSilentRun&) = delete;
    TSilentRun& operator=(const TSilentRun&) = delete;

private:
    TMainCtl& ctl_;
    unsigned char saved_;
};

TTejun& Record() { return GobanLv[0]->Tejun; }

} // namespace

bool TTejunNav::Click(const std::string& name)
{
    using Handler = void (TTejunNav::*)();
    static const std::unordered_map<std::string, Handler> handlers = {
        {"mnuFirst", &TTejunNav::mnuFirstClick},   {"btnFirst", &TTejunNav::mnuFirstClick},
        {"mnuPrev10", &TTejunNav::mnuPrev10Click}, {"btnPrev10", &TTejunNav::mnuPrev10Click},
        {"mnuPrev", &TTejunNav::mnuPrevClick},     {"btnPrev", &TTejunNav::mnuPrevClick},
        {"mnuNext", &TTejunNav::mnuNextClick},     {"btnNext", &TTejunNav::mnuNextClick},
        {"mnuNext10", &TTejunNav::mnuNext10Click}, {"btnNext10", &TTejunNav::mnuNext10Click},
        {"mnuLast", &TTejunNav::mnuLastClick},     {"btnLast", &TTejunNav::mnuLastClick},
        {"mnuDel", &TTejunNav::mnuDelClick},       {"mnuToCmt", &TTejunNav::mnuToCmtClick},
        {"mnuComment", &TTejunNav::mnuCommentClick}, {"mnuUndo", &TTejunNav::mnuUndoClick},
        {"mnuAuto", &TTejunNav::mnuAutoClick},
    };
    const auto it = handlers.find(name);
    if (it == handlers.end())
        return false;
    (this->*(it->second))();
    return true;
}

// ---------------------------------------------------------------------------
// Drawing one step

void TTejunNav::LabelsErase()
{
    // Erasing a label clears its whole point; a stone that stood under it is
    // drawn again at once, so the step below starts from a true picture.
    TBanDraw& ban = ctl_.Ban;
    const TGoban& b = *GobanLv[0];
    // Labels left from a larger board lie off this one and are only forgotten.
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y) {
            if (ban.IrhLabels[x][y].empty())
                continue;
            ban.IrhLabels[x][y].clear();
            ban.IsiErase(x, y);
            ban.IsiDraw(b.GetIro(x, y), x, y);  // draws nothing on an empty point
        }
}

void TTejunNav::BackDraw()
{
    TGoban& b = *GobanLv[0];
    const TTejun& t = b.Tejun;
    const int n = t.Current();
    if (n == 0)
        return;
    TBanDraw& ban = ctl_.Ban;
    LabelsErase();
    const int back = t.NextColor();
    for (int i = 1; i <= t.ToruCount(); ++i) {
        const Point q = t.ToruIsi(i);
        ban.IsiDraw(back, q.x, q.y);
    }
    const Point p = t.CurTe();
    if (p.x > 0)
        ban.IsiErase(p.x, p.y);
    b.Modosu();
    if (n > 1) {
        const Point shown = t.CurTe();
        if (shown.x > 0)
            ban.LastMarkDraw(shown.x, shown.y);
    }
    ban.Canvas().Show(false);
}

void TTejunNav::ForwardDraw()
{
    TGoban& b = *GobanLv[0];
    const TTejun& t = b.Tejun;
    if (t.Current() >= t.Last())
        return;
    TBanDraw& ban = ctl_.Ban;
    LabelsErase();
    const Point before = t.CurTe();
    if (before.x > 0)
        ban.IsiDraw(t.CurColor(), before.x, before.y);
    b.Susumu();
    const Point p = t.CurTe();
    if (p.x > 0) {
        const int c = t.CurColor();
        ban.IsiDraw(c, p.x, p.y);
        ctl_.view_.OtoPlay(c);
        ban.LastMarkDraw(p.x, p.y);
    }
    for (int i = 1; i <= t.ToruCount(); ++i) {
        const Point q = t.ToruIsi(i);
        ban.IsiErase(q.x, q.y);
    }
    ban.Canvas().Show(false);
}

void TTejunNav::ButtonsUpdate()
{
    const TTejun& t = Record();
    ctl_.BackButtons(t.Current() > 0);
    ctl_.ForwardButtons(t.Current() < t.Last());
}

void TTejunNav::StepDone()
{
    ctl_.view_.CommentShow();
    ctl_.AnalyzeBoard0();
    ctl_.DspRefresh();
    ctl_.TjnInfoShow();
    ButtonsUpdate();
    // Back at the last move, an engine to move takes its turn again.
    ctl_.Turn.EngineTurnResume();
}

// ---------------------------------------------------------------------------
// Navigation commands

void TTejunNav::OneStep(bool forward)
{
    if (ctl_.Thinking == 1)
        return;
    // A single step keeps the chains up to date move by move.
    RenSabun = 1;
    ctl_.view_.CommentSave();
    if (forward)
        ForwardDraw();
    else
        BackDraw();
    RenSabun = 0;
    StepDone();
}

void TTejunNav::mnuPrevClick() { OneStep(false); }

void TTejunNav::mnuNextClick() { OneStep(true); }

void TTejunNav::mnuFirstClick()
{
    if (ctl_.Thinking == 1)
        return;
    ctl_.view_.CommentSave();
    while (Record().Current() > 0)
        BackDraw();
    StepDone();
}

void TTejunNav::mnuLastClick()
{
    if (ctl_.Thinking == 1)
        return;
    TSilentRun silent(ctl_);
    ctl_.view_.CommentSave();
    const int last = Record().Last();
    while (Record().Current() < last)
        ForwardDraw();
    StepDone();
}

void TTejunNav::mnuPrev10Click()
{
    if (ctl_.Thinking == 1)
        return;
    ctl_.view_.CommentSave();
    const TTejun& t = Record();
    if (ctl_.Checked("mnuToCmt")) {
        // Back to the nearest earlier move with a comment, or to move 1.
        for (int m = t.Current() - 1; m >= 1; --m) {
            BackDraw();
            if (t.HasComment(m))
                break;
        }
    } else {
        for (int i = 0; i < 10 && t.Current() > 0; ++i)
            BackDraw();
    }
    StepDone();
}

void TTejunNav::mnuNext10Click()
{
    if (ctl_.Thinking == 1)
        return;
    TSilentRun silent(ctl_);
    ctl_.view_.CommentSave();
    const TTejun& t = Record();
    if (ctl_.Checked("mnuToCmt")) {
        // On to the next move with a comment, or to the last move.
        for (int m = t.Current() + 1; m <= t.Last(); ++m) {
            ForwardDraw();
            if (t.HasComment(m))
                break;
        }
    } else {
        for (int i = 0; i < 10 && t.Current() < t.Last(); ++i)
            ForwardDraw();
    }
    StepDone();
}

void TTejunNav::mnuDelClick()
{
    if (ctl_.Thinking == 1)
        return;
    TGoban& b = *GobanLv[0];
    const int s = b.Tejun.Current();
    const int last = b.Tejun.Last();
    if (s == last)
        return;
    if (!ctl_.prompt_.YesNo(std::to_string(s + 1) + Msg("move downward delete?", "手目以降を削除しますか？")))
        return;
    b.Tejun.Truncate(s + 1);
    // The running record and the joseki dictionaries follow the game as it
    // now stands, so that a crash or the next move does not bring the
    // deleted moves back.
    if (ctl_.GameRunning == 1) {
        RunningRecordTakeBack(last - s);
        DictionariesRewind();
        PassCountFromRecord();
    }
    ButtonsUpdate();
    ctl_.AnalyzeBoard0();
    YoseCacheClear();
    // The game goes on from the move shown: its side to move gets the turn,
    // the engine at once (nothing else would start it), a human's clock.
    if (ctl_.GameRunning == 1 && GameOver == 0) {
        switch (PlayerKind[b.Tejun.NextColor()]) {
        case pkComputer: ctl_.ComUtu(); break;
        case pkHuman: ctl_.Turn.TimerSet(ctl_.Turn.timThink, true); break;
        default: break;  // a remote player's link drives its move
        }
    }
}

void TTejunNav::mnuToCmtClick() { ctl_.SwitchToggle("mnuToCmt"); }

void TTejunNav::mnuCommentClick()
{
    ctl_.SwitchToggle("mnuComment");
    ctl_.view_.CommentWindowShow(ctl_.Checked("mnuComment"));
}

// ---------------------------------------------------------------------------
// Undo in a game

void TTejunNav::RunningRecordTakeBack(int n)
{
    if (KifuRecOn != 1)
        return;
    for (int i = 0; i < n; ++i)
        KifuRecAddLine("MAT ");
}

void TTejunNav::mnuUndoClick()
{
    if (ctl_.GameRunning != 1 || ctl_.Thinking == 1)
        return;
    if (ctl_.ExamMode == 1) {
        ctl_.prompt_.Message(Msg("You cannot undo in Dan&Kyu Ranking Exam", "段級位認定試験中は待ったはできません"));
        return;
    }
    // A remote player has the move already: taking it back here would leave
    // the two boards apart.
    for (int c : {kKuro, kSiro})
        if (PlayerKind[c] == pkSerial || PlayerKind[c] == pkTcp || PlayerKind[c] == pkNngs) {
            ctl_.prompt_.Message(Msg("You cannot undo in a game against a remote player",
                                     "通信対局中は待ったはできません"));
            return;
        }
    TTejun& t = Record();
    const int s = t.Current();
    if (s != t.Last() || s == 0)
        return;

    ctl_.view_.CommentSave();
    BackDraw();
    ctl_.view_.CommentShow();
    ctl_.TjnInfoShow();
    RunningRecordTakeBack(1);
    t.Truncate(s);

    // Against the engine its answer goes too: the human is to move again.
    const int n = s - 1;
    if (n > 0 && PlayerKind[t.NextColor()] == pkComputer)
        BackOne(n);
    TakenBack();
}

void TTejunNav::TakeBackLast()
{
    const TTejun& t = Record();
    const int s = t.Current();
    if (s != t.Last() || s == 0)
        return;
    BackOne(s);
    TakenBack();
}

void TTejunNav::BackOne(int s)
{
    BackDraw();
    Record().Truncate(s);
    ctl_.TjnInfoShow();
    RunningRecordTakeBack(1);
}

void TTejunNav::TakenBack()
{
    PassCountFromRecord();
    DictionariesRewind();
    ButtonsUpdate();
    ctl_.AnalyzeBoard0();
    ctl_.DspRefresh();
    YoseCacheClear();
}

void TTejunNav::PassCountFromRecord()
{
    const TTejun& t = Record();
    int n = 0;
    while (n < t.Current() && t.GetTe(t.Current() - n).x == 0)
        ++n;
    ctl_.PassCount = n;
}

// ---------------------------------------------------------------------------
// Automatic replay and the window

void TTejunNav::mnuAutoClick()
{
    const bool on = !ctl_.Checked("mnuAuto");
    ctl_.SetChecked("mnuAuto", on);
    ctl_.view_.SetAutoTimer(on);
}

void TTejunNav::timAutoTimer()
{
    mnuNextClick();
    const TTejun& t = Record();
    if (t.Current() >= t.Last()) {
        ctl_.view_.SetAutoTimer(false);
        ctl_.SetChecked("mnuAuto", false);
    }
}

void TTejunNav::FormActivate() { ctl_.TjnInfoShow(); }

// ---------------------------------------------------------------------------
// Calls into units built elsewhere.

void TTejunNav::DictionariesRewind()
{
    // The dictionaries follow the shortened game as at the game start; an
    // answer prepared for the moves taken back no longer applies.
    JosekiStart();
    PreparedTeClear();
    const TTejun& t = GobanLv[0]->Tejun;
    for (int n = 1; n <= t.Current(); ++n)
        ctl_.FollowMove(t.GetTe(n), t.TeColor(n));
}

void TTejunNav::YoseCacheClear()
{
    // The values stored for the moves taken back no longer hold.
    ::vorn::YoseCacheClear();
}

} // namespace vorn
