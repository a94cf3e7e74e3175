#include "shell/Turn.h"

#include "board/GameKeep.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "engine/Fault.h"
#include "engine/Joban.h"
#include "engine/Think.h"
#include "records/KifuIg1.h"
#include "shell/Kakugen.h"
#include "shell/MainCtl.h"

namespace vorn {

// ---------------------------------------------------------------------------
// Calls into units built elsewhere (the engine core, the rank exam, the
// links).  Each function is the one place where the game flow reaches that
// service; those marked "Not built yet" do nothing until the unit lands.

void EngineThinkMove(Point& out) { ThinkMove(out); }

void TTurn::JobanInit() { vorn::JobanInit(); }

namespace {

void HintColoursSet(int side)
{
    JibunIro = static_cast<std::uint8_t>(side);
    AiteIro = static_cast<std::uint8_t>(Aite(side));
}

} // namespace

// ---------------------------------------------------------------------------

TTurn::TTurn(TMainCtl& main) : Clock(&steady_), Think(EngineThinkMove), main_(main) {}

bool TTurn::Click(const std::string& name)
{
    if (name == "mnuPass")
        mnuPassClick();
    else if (name == "mnuResign")
        mnuResignClick();
    else if (name == "mnuHint")
        mnuHintClick();
    else if (name == "mnuComUtu")
        mnuComUtuClick();
    else
        return false;
    return true;
}

void TTurn::TimerSet(TGameTimer& timer, bool on, int interval)
{
    timer.Enabled = on;
    if (interval > 0)
        timer.Interval = interval;
    main_.view_.TimersChanged();
}

void TTurn::GameTimersStop()
{
    timThink.Enabled = false;
    timVornVorn.Enabled = false;
    timRenzoku.Enabled = false;
    main_.view_.TimersChanged();
}

void TTurn::StatusShow(bool yourTurn)
{
    if (main_.GameInfo.EngineInGame != 1)
        return;
    main_.view_.SetStatusText(StatusLineText(yourTurn, Language));
}

void TTurn::ThinkSafe(Point& te, const char* operation)
{
    const TGameKeep keep;
    std::string message;
    try {
        Think(te);
        return;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "unknown error";
    }
    te = Point{};
    // The position as the engine was asked.
    FaultRecover(&keep);
    FaultLog(FaultReport(operation, message));
    main_.FormPaint();
}

bool TTurn::PassAppend()
{
    // A pass captures nothing: the capture list of the move before must not
    // go into the record with it.
    ToruListSu = 0;
    TGoban& b = *GobanLv[0];
    if (!b.Pass())
        return false;
    // The stone before loses its last-move mark.
    const TTejun& t = b.Tejun;
    const int n = t.Current();
    if (n > 1 && t.GetTe(n - 1).x > 0)
        main_.Ban.IsiDraw(t.TeColor(n - 1), t.GetTe(n - 1).x, t.GetTe(n - 1).y);
    main_.Ban.Canvas().Show(false);
    main_.Nav.ButtonsUpdate();
    if (KifuRecOn == 1)
        KifuRecAddMove();
    return true;
}

void TTurn::ComUtu()
{
    EngineTurn();
    // What the user clicked or typed while the engine thought goes, once the
    // turn is over and handed on.
    main_.view_.InputDrop();
}

void TTurn::EngineTurn()
{
    TMainCtl& m = main_;
    TMainView& view = m.view_;
    TGoban& b = *GobanLv[0];

    if (view.CommentShown()) {
        view.CommentSave();
        view.CommentClear();
    }
    m.Thinking = 1;
    // The engine's clock grows by its measured thinking time only.
    TimerSet(timThink, false);
    StatusShow(false);
    const std::int64_t t1 = Clock->NowMs();
    view.WaitCursor(true);
    Point te;
    ThinkSafe(te, "the engine's move");
    view.WaitCursor(false);
    const std::int64_t t2 = Clock->NowMs();

    if (te.x < 0) {
        const bool bothEngines = PlayerKind[kKuro] == pkComputer && PlayerKind[kSiro] == pkComputer;
        if (!bothEngines && TouryoRefused == 0 && VsComputerMode == 0) {
            if (m.prompt_.YesNo(Msg("Do you accept VORN's resigns?", "VORNは投了します。受け入れますか？"))) {
                m.Thinking = 0;
                TouryoShow();
                m.Nintei.NinteiShow();
                return;
            }
            TouryoRefused = 1;
        }
        te.x = -te.x;
    }
    // A move the board refuses (its message shown) becomes a pass, so the
    // engine's turn always ends with a move in the record.
    if (te.x > 0 && !m.BanUtu(te.x, te.y, 0))
        te = Point{};
    if (te.x == 0) {
        if (!PassAppend()) {
            // The full record has said so; the engine's turn ends and the
            // window takes input again.
            m.Thinking = 0;
            return;
        }
        m.TjnInfoShow();
        ++m.PassCount;
    }
    m.ExamAddMove(b.Tejun.Current(), te);

    m.Thinking = 0;
    view.CommentShow();
    m.Overlay.DspSelect();

    const int n = b.Tejun.NextColor();
    const int e = Aite(n);
    const char* gameEnd = Msg("Game end", "終局です");
    if (GameOver == 0) {
        switch (const int kind = PlayerKind[n]) {
        case pkSerial:
        case pkTcp:
        case pkNngs:
            view.SendMove(kind, te.x, te.y, e);
            view.SetStatusText(m.PassCount >= 2 ? gameEnd : Msg("Match player's turn", "通信相手の番です"));
            break;
        case pkHuman:
            if (m.PassCount >= 2)
                view.SetStatusText(gameEnd);
            else
                StatusShow(true);
            ThinkTicks = 0;
            break;
        default: break;
        }
    }

    Jikan[e] = JikanAdd(Jikan[e], ElapsedTenths(t1, t2));
    m.GameInfo.JikanToStr(e, Jikan[e]);

    if (m.PassCount >= 2) {
        GameOver = 1;
        view.SetStatusText(gameEnd); // also after a game of the engine against itself
        m.Score.GameEnd();
        if (PlayerKind[n] == pkNngs)
            m.Nngs.SendDone();
        return;
    }
    if (PlayerKind[n] == pkComputer)
        TimerSet(timVornVorn, true);
    else
        TimerSet(timThink, true);
}

bool TTurn::Pass()
{
    TMainCtl& m = main_;
    m.Nav.ForwardDraw();
    m.Nav.ButtonsUpdate();
    m.TjnInfoShow();
    ++m.PassCount;
    if (m.PassCount < 2)
        return false;
    GameOver = 1;
    m.Score.GameEnd();
    return true;
}

void TTurn::mnuPassClick()
{
    TMainCtl& m = main_;
    if (m.GameRunning != 1 || m.Thinking == 1 || GameInfoLock == 1)
        return;
    const TGoban& b = *GobanLv[0];
    // The side to move passes, at the end of the record; after the end of
    // the game either colour may.
    if (b.Tejun.Current() != b.Tejun.Last())
        return;
    const int passer = b.Tejun.NextColor();
    if (GameOver != 1 && PlayerKind[passer] != pkHuman)
        return;
    if (!PassAppend())
        return;
    if (GameOver == 1) {
        // After the end of a game a pass only enters the record.
        m.TjnInfoShow();
        return;
    }
    m.ExamAddMove(b.Tejun.Current(), Point{});
    const int n = Aite(passer);
    switch (const int kind = PlayerKind[n]) {
    case pkSerial:
    case pkTcp:
    case pkNngs: m.view_.SendMove(kind, 0, 0, passer); break;
    default: break;
    }
    if (Pass())
        return;
    if (PlayerKind[n] == pkComputer)
        ComUtu();
}

std::string TTurn::PeerMoveError(int kind, int x, int y)
{
    TMainCtl& m = main_;
    TGoban& b = *GobanLv[0];
    // The move goes after the last one, whatever the board shows.
    if (m.GameRunning == 1 && b.Tejun.Current() != b.Tejun.Last())
        m.Nav.mnuLastClick();
    const int side = b.Tejun.NextColor();
    const bool pass = x == 0 && y == 0;
    // A pass after the end of the game only confirms the end.
    if (pass && m.GameRunning == 1 && GameOver == 1)
        return "";
    const bool playable = m.GameRunning == 1 && GameOver == 0 && PlayerKind[side] == kind
                          && (pass || (b.OnBoard(x, y) && b.CheckUtu(side, x, y) == kUtuOk));
    if (playable)
        return "";
    return Msg("Match player's move cannot be played：<", "相手の手は打てません：<") + std::to_string(x) + ","
           + std::to_string(y) + ">";
}

void TTurn::PeerUtu(int x, int y)
{
    TMainCtl& m = main_;
    if (GameOver == 1)
        return;
    if (x == 0) {
        if (PassAppend())
            Pass();
        return;
    }
    TimerSet(timThink, false);
    m.BanUtu(x, y, 0);
}

void TTurn::mnuResignClick()
{
    TMainCtl& m = main_;
    if (m.GameRunning != 1 || m.Thinking == 1 || GameInfoLock == 1)
        return;
    // Only the side to move resigns (either colour after the end).
    if (GameOver != 1 && PlayerKind[GobanLv[0]->Tejun.NextColor()] != pkHuman)
        return;
    if (!m.prompt_.YesNo(Msg("Do you resign?", "投了しますか？")))
        return;
    TouryoShow();
    main_.Nintei.ExamEnd();
}

void TTurn::TouryoShow()
{
    TMainCtl& m = main_;
    const int s = GobanLv[0]->Tejun.NextColor();
    const std::string text = Language == lgEnglish ? std::string(s == kKuro ? "White" : "Black") + " Win"
                                                   : std::string(s == kKuro ? "白" : "黒") + "中押し勝ち";
    m.view_.SetStatusText(text);
    m.GameInfo.edtResult.Text = text;
    m.GameInfo.Changed();
    m.GameStop();
    // What a ladder query drew goes with the game.
    if (m.RepaintNeeded == 1)
        m.FormPaint();
}

void TTurn::mnuHintClick()
{
    TMainCtl& m = main_;
    const TGoban& b = *GobanLv[0];
    if (GameInfoLock == 1 || m.GameRunning != 1 || m.Thinking == 1 || b.Tejun.Current() != b.Tejun.Last())
        return;
    HintColoursSet(b.Tejun.NextColor());
    HintMode = 1;
    Point ignored;
    ThinkSafe(ignored, "the hint");
    HintMode = 0;
    m.Overlay.HintKohoPaint();
    m.view_.InputDrop();
}

void TTurn::mnuComUtuClick()
{
    TMainCtl& m = main_;
    const TGoban& b = *GobanLv[0];
    if (GameInfoLock == 1 || m.GameRunning != 1 || m.Thinking == 1 || GameOver == 1
        || b.Tejun.Current() != b.Tejun.Last())
        return;
    // The look-ahead lines of an earlier move go; the engine plays the side
    // to move.
    for (auto& t : m.SakiyomiTejun)
        if (t)
            t->Clear();
    HintColoursSet(b.Tejun.NextColor());
    ComUtu();
}

void TTurn::timThinkTimer()
{
    TMainCtl& m = main_;
    const TGoban& b = *GobanLv[0];
    const int s = b.Tejun.NextColor();
    // While an earlier move is shown nobody is charged.
    if (b.Tejun.Current() == b.Tejun.Last())
        Jikan[s] = JikanAdd(Jikan[s], 10);
    ++ThinkTicks;
    // In a rank-exam game the seconds of this turn (the clock's text counts
    // tenths).
    if (m.GameInfo.Visible)
        m.GameInfo.JikanToStr(s, m.ExamMode == 1 ? ThinkTicks * 10 : Jikan[s]);
    if (ThinkTicks % 10 == 0)
        StatusShow(true);
    if (m.ExamMode == 1)
        m.Nintei.ExamTimeLimit();
}

void TTurn::timVornVornTimer()
{
    TimerSet(timVornVorn, false);
    mnuComUtuClick();
}

void TTurn::EngineTurnResume()
{
    TMainCtl& m = main_;
    const TTejun& t = GobanLv[0]->Tejun;
    if (m.GameRunning != 1 || m.Thinking == 1 || GameOver != 0 || t.Current() != t.Last()
        || PlayerKind[t.NextColor()] != pkComputer)
        return;
    TimerSet(timVornVorn, true);
}

} // namespace vorn
