// TMainCtl: the main window's logic without the window.  It owns the game
// flow of board 0 (flags, gates, the one move entry BanUtu, the hand-over of
// the turn, the refusal messages), the start-up and shutdown with the
// settings in VORN.INI, the language and the captions of the menus, and the
// full repaint of the board.  The Qt window TSDIAppForm drives it and shows
// what it decides; tests drive it directly with a scripted TPrompt.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "board/Array.h"
#include "board/Hooks.h"
#include "board/Point.h"
#include "board/Tejun.h"
#include "shell/About.h"
#include "shell/BanDraw.h"
#include "shell/BanIsi.h"
#include "shell/Captions.h"
#include "shell/Comment.h"
#include "shell/ComForm.h"
#include "shell/DevMenu.h"
#include "shell/DevViews.h"
#include "shell/FileMenu.h"
#include "shell/GameI.h"
#include "shell/Nintei.h"
#include "shell/Oto.h"
#include "shell/NngsF.h"
#include "shell/Overlay.h"
#include "shell/RunLock.h"
#include "shell/Score.h"
#include "shell/TcpF.h"
#include "shell/TejunNav.h"
#include "shell/Turn.h"
#include "shell/Utikata.h"

namespace vorn {

// A file dialog's question: an existing file to open, or a name to save
// under.
struct TFileQuery {
    bool save = false;
    std::string filter;      // "description|pattern|description|pattern..."
    std::string defaultExt;  // added to a name typed without one; no dot
    std::string fileName;    // in: the name proposed; out: the name chosen
};

// Modal questions and messages: the one way the game flow talks to the user.
class TPrompt {
public:
    virtual ~TPrompt() = default;
    // A message box with an OK button.
    virtual void Message(const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool YesNo(const std::string& text) = 0;
    // A file dialog; false when it was cancelled.
    virtual bool FileDialog(TFileQuery& query)
    {
        (void)query;
        return false;
    }
    // A line of text asked for under a title and a prompt, starting from
    // value; false when it was cancelled.
    virtual bool InputQuery(const std::string& title, const std::string& prompt, std::string& value)
    {
        (void)title, (void)prompt, (void)value;
        return false;
    }
    // Whether to save something before it is lost: Save, Discard or Cancel
    // (buttons in the selected language).
    enum TSaveAnswer { anSave, anDiscard, anCancel };
    virtual TSaveAnswer SaveDiscardCancel(const std::string& text) { return YesNo(text) ? anSave : anDiscard; }
};

// What the logic asks of the window (and of the side windows and links it
// will own).  The defaults make a silent window of 550 x 520 client pixels,
// enough to run the logic headless.
class TMainView {
public:
    virtual ~TMainView() = default;
    // The client area: tool panel at the top, board, status bar at the bottom.
    virtual int ClientWidth() const { return 550; }
    virtual int ClientHeight() const { return 520; }
    virtual int PanelHeight() const { return 30; }
    virtual int StatusHeight() const { return 19; }
    // Outer bounds of the window.
    virtual void SetBounds(int left, int top, int width, int height) { (void)left, (void)top, (void)width, (void)height; }
    virtual void GetBounds(int& left, int& top, int& width, int& height) const
    {
        left = top = 0;
        width = 400;
        height = 430;
    }
    virtual void SetClientHeight(int height) { (void)height; }
    virtual void SetCaption(const std::string& text) { (void)text; }
    virtual void SetStatusText(const std::string& text) { (void)text; }
    // The move label of the tool panel.
    virtual void SetTjnInfo(const std::string& text) { (void)text; }
    // Captions, check marks, visibility, enabled states or hints changed.
    virtual void ItemsChanged() {}
    virtual void CloseWindow() {}
    // Calls TMainCtl::timParamTimer once, ms milliseconds from now.
    virtual void StartParamTimer(int ms) { (void)ms; }
    // The selected language changed: the windows and dialogs that are open
    // show their captions in it, and so do the toolkit's own buttons.
    virtual void LanguageChanged(int language) { (void)language; }

    // The game dialog (TMainCtl::GameInfo) changed: shown, hidden, or a
    // field, caption or list.
    virtual void GameDialogChanged() {}
    // A game timer (TMainCtl::Turn) was started, stopped or given another
    // interval.
    virtual void TimersChanged() {}
    // The hourglass while the engine thinks.
    virtual void WaitCursor(bool on) { (void)on; }
    // The engine thinks without returning to the event loop, so what the
    // user clicked or typed meanwhile waits in the queue: it is delivered
    // now and thrown away, before the window takes input again.  Called when
    // the engine's turn (or the hint) is over; what else waits in the queue
    // is handled as the event loop would.
    virtual void InputDrop() {}
    // The comment window: whether it is shown; store its text as the comment
    // of the move shown; clear it; show the comment of the move shown.
    virtual bool CommentShown() const { return false; }
    virtual void CommentSave() {}
    virtual void CommentClear() {}
    // The comment window: fill it with the comment of the move shown; show
    // or hide it.
    virtual void CommentShow() {}
    virtual void CommentWindowShow(bool on) { (void)on; }
    // The replay timer timAuto (1000 ms): while it runs, each tick calls
    // TTejunNav::timAutoTimer.
    virtual void SetAutoTimer(bool enabled) { (void)enabled; }
    // The move sound for a stone of the colour.
    virtual void OtoPlay(int colour) { (void)colour; }
    // The system beep (the rank exam's last seconds).
    virtual void Beep() {}
    // Sends a move (x, y) of the colour to a remote player of the kind.
    virtual void SendMove(int kind, int x, int y, int colour) { (void)kind, (void)x, (void)y, (void)colour; }
    // The about box, the board and stone colour dialog (both modal), and the
    // contents of the help.
    virtual void AboutShow() {}
    virtual void ColorDialogShow() {}
    virtual void HelpContentsShow() {}
    // Opens a document or web address with the desktop's viewer.
    virtual void OpenDocument(const std::string& address) { (void)address; }
    // The engine settings dialog (modeless) and the sound dialog (modal).
    virtual void UtikataShow() {}
    virtual void SoundDialogShow() {}
    // Printing: the record (moves 1 to the move shown), the window's
    // picture, and the printer set-up dialog.
    virtual void KifuPrint() {}
    virtual void FormPrint() {}
    virtual void PrinterSetupShow() {}
    // The developer views and the evaluation window, each by the menu item
    // that switches it (mnuRen, mnuGun, mnuLocate, mnuJi, mnuHyoka): shown
    // (modeless) or closed.
    virtual void DevWindowShow(const std::string& menuItem, bool on) { (void)menuItem, (void)on; }
    // The developer views drawn again from board 0's analysis.
    virtual void DevViewsRefresh() {}
    // The point-relation view, while it is shown: a text in the cell of a
    // point in a colour ($BBGGRR), and the direction marks of every point.
    virtual void LocateDrawText(Point p, const std::string& text, int colour) { (void)p, (void)text, (void)colour; }
    virtual void LocateShowDirection() {}
};

// State of one menu item or tool button.
struct TUiState {
    std::string caption;
    std::string hint;
    bool checked = false;
    bool visible = true;
    bool enabled = true;
};

// Relations a point can hold, and so the room a caller keeps for them.
constexpr int kLocateCallMax = 15;

// Mouse buttons of FormMouseDown.
enum { mbLeft = 1, mbRight = 2, mbMiddle = 3 };

class TMainCtl : public TShellHooks {
public:
    TMainCtl(TMainView& view, TCanvas& canvas, TPrompt& prompt);
    ~TMainCtl() override;
    TMainCtl(const TMainCtl&) = delete;
    TMainCtl& operator=(const TMainCtl&) = delete;

    // --- Life of the window -------------------------------------------------
    // Creation: boards, records, settings, language, the left-over running
    // record; args are the command-line arguments after the program's name.
    void FormCreate(const std::string& exeDir, const std::vector<std::string>& args);
    // Before closing: a game whose moves are not saved is saved, discarded
    // or kept open as the user answers; false keeps the window open.
    bool FormCloseQuery();
    // Closing: settings written back, the running record removed.
    void FormClose();
    // Opens the record named on the command line (once, after start-up).
    void timParamTimer();
    // The client area changed size: background, then the whole board.
    void FormResize();
    // The whole board with its stones, marks and the overlays switched on.
    void FormPaint();
    // A tool button's long hint for the status bar.
    void ShowHint(const std::string& hint);
    // The application's error display: an error stopped an operation of the
    // window.  The look-ahead is unwound, board 0 analysed again and
    // repainted, the engine's turn ended, the error logged with the position
    // and the message shown; the program goes on.
    void ErrorShow(const std::string& message);

    // --- Menus and tool buttons ---------------------------------------------
    // Runs the handler of a menu item or tool button by its name.
    void Click(const std::string& name);
    const TUiState& Item(const std::string& name) const;
    bool Checked(const std::string& name) const { return Item(name).checked; }
    void SetChecked(const std::string& name, bool on);
    void SetEnabled(const std::string& name, bool on);
    // The developer menu mnuDev shown or hidden also switches developer
    // mode (DevMode) and the engine's trace log (LogMode) on or off.
    void SetVisible(const std::string& name, bool on);
    const std::string& Caption() const { return caption_; }

    void mnuExitClick();
    void mnuAboutClick();
    void mnuColorClick();
    void mnuSoundClick();
    void mnuVornMoveClick();
    void mnuContentsClick();
    void mnuHomePageClick();
    void mnuEnglishClick() { LanguageSelect(lgEnglish); }
    void mnuJapaneseClick() { LanguageSelect(lgJapanese); }
    void mnuChineseClick() { LanguageSelect(lgChinese); }
    void LanguageSelect(int language);
    // Applies the captions of a caption file to the window and its menus.
    void LanguageLoad(const std::string& captionFile);
    // Captions of the two ten-move items (ten moves, or the comment jump).
    void NavCaptionLoad(const std::string& captionFile);
    void mnuNumberClick();
    void mnuBanLeftClick();
    void mnuOneColorClick();
    void mnuDeployClick();
    void mnuDeployClrClick();
    void mnuNewClick();

    // --- Playing ------------------------------------------------------------
    void FormMouseDown(int button, int px, int py);
    void HaitiClick(int px, int py, int colour);
    void MouseUtu(int px, int py);
    void SichoQuery(int px, int py);
    // True when (x, y) is none of the moves 1..Current of board 0.
    bool HaitiFree(int x, int y) const;
    void DspRefresh();
    void TjnInfoShow();
    void BanClear();
    void BackButtons(bool enable);
    void ForwardButtons(bool enable);
    // Stops the running game and shows the game dialog.
    void GameStop();
    // The engine's move for the side to move (TTurn::ComUtu).
    void ComUtu() { Turn.ComUtu(); }

    // --- Game links -----------------------------------------------------------
    // The result of a game won by resignation, or on time, by the winner.
    static std::string WinText(int winner, bool onTime, int language);
    // A link ended the game (the peer resigned, the server closed it): the
    // status bar shows why, the game dialog the result (when there is one),
    // and the game stops, or, with stop false, is over (its clocks stopped)
    // while the link stays open.
    void LinkGameEnd(const std::string& status, const std::string& result, bool stop = true);
    // A link stops its game (the peer or the line failed): stopped, and the
    // status bar says so instead of whose turn it was.
    void LinkGameStop();
    // After a remote player's move: when it ended the game, the status bar
    // says so.
    void PeerMoveShown();

    // Record navigation, undo and replay; the file menu.
    TTejunNav Nav{*this};
    TFileMenu Files{*this};
    // The TCP link window's logic.
    TTcpForm Tcp{*this};
    // The Go-server window's logic.
    TNngsForm Nngs{*this};

    // --- Calls from the core (TShellHooks) ------------------------------------
    bool BanUtu(int x, int y, int noAnalyze) override;
    void HaitiIsi(int colour, int x, int y) override;
    void IsiDraw(int colour, int x, int y) override;
    void ThinkIsiDraw(int colour, Point p) override;
    void ThinkIsiErase(Point p) override;
    void BangoDraw(int colour, int n, int x, int y) override;
    void StatusText(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    bool Pass() override { return Turn.Pass(); }
    TKifuHeader GameInfoFields() override { return GameInfo.Fields(); }

    // --- The game: its dialog, the engine's turn and clocks, the end --------
    TGameInfo GameInfo;
    TTurn Turn;
    TScore Score;
    // The serial link: its port, protocol and trace.
    TComForm Com{*this};
    // The analysis overlays and commands; the developer menu's switches and
    // the status marks.
    TOverlay Overlay{*this};
    TDevMenu DevMenu{*this};
    // The rank exam.
    TNintei Nintei{*this};

    // --- Dialogs and side windows (their logic; the window shows them) -------
    TUtikataDlg UtikataDlg{*this};
    TBanIsiColor BanIsiColor{*this};
    TOtoDlg OtoDlg{*this};
    TCommntF CommntF{*this};
    // The developer views and the evaluation window.
    TDevViews DevViews{*this};
    TAboutBox AboutBox;
    TPrompt& Prompt() { return prompt_; }
    TMainView& View() { return view_; }

    // --- State ----------------------------------------------------------------
    TBanDraw Ban;                         // geometry, colours, drawing primitives
    unsigned char FormCreated = 0;        // 1 once the settings are read
    unsigned char GameRunning = 0;        // 1 while a game is in progress
    unsigned char Thinking = 0;           // 1 while the engine is to move or thinks
    unsigned char RepaintNeeded = 0;      // 1 after a ladder query drew on the board
    unsigned char ExamMode = 0;           // 1 during a rank-exam game
    unsigned char SoundOn = 0;
    int PassCount = 0;
    int RenzokuCount = 0;
    std::string ParamFile;                // the record named on the command line
    std::string WhiteSound, BlackSound;   // move sounds (wave files)
    Arr<std::string, 1, 4> ReopenFiles;   // recent files, newest first
    // The engine's look-ahead lines kept for display.
    Arr<std::unique_ptr<TTejun>, 1, 10> SakiyomiTejun;
    std::string IniPath;                  // VORN.INI

    // The move label for move n of the colour at p (x = 0 for a pass).
    static std::string TjnInfoText(int n, int colour, Point p, int language);

private:
    friend class TGameInfo;
    friend class TTurn;
    friend class TScore;
    friend class TComForm;
    friend class TOverlay;
    friend class TDevMenu;
    friend class TNintei;
    TUiState& ItemRef(const std::string& name);
    void ApplyTejunInfo();
    // The move label of the shown move, in the selected language.
    void TjnInfoCaption();
    bool HaitiKeepsLiberties(int colour, int x, int y);
    // The running record of this copy: taken when no other running copy
    // holds it (a record left by a copy that died set aside first), else
    // none is kept and a message says so.
    void RunningRecordTake();
    void RecoverRunningRecord();
    void SwitchToggle(const std::string& name);
    void Refuse(int code, int x, int y);
    // Lines of the relations of every stone (all, or only the links on the board).
    void KankeiPaint(bool linksOnly);

    // Calls into units that are built elsewhere; each is the one place where
    // the shell reaches them.
    void AnalyzeBoard0();
    bool SichoRead(int libs, Point p, int& result, int& kind);
    void FollowMove(Point p, int colour);
    void ExamAddMove(int n, Point p);
    void SiIsiToggle(int x, int y) { Score.SiIsiToggle(x, y); }
    void SakiyomiLineShow(int x, int y);
    void OverlayPaint();
    void DeadStonesPaint() { Score.DeadStonesPaint(); }
    void JiPaint() { Score.JiPaint(); }
    int LocateCall(int x, int y, Arr<Point, 1, kLocateCallMax>& points, Arr<int, 1, kLocateCallMax>& values);
    void DevViewsRefresh();
    void DictionariesCreate();
    void DictionariesStart();
    void DictionariesClose();

    // Units of the main window that work on its state.
    friend class TTejunNav;
    friend class TFileMenu;
    friend class TTcpForm;
    friend class TNngsForm;

    TMainView& view_;
    TPrompt& prompt_;
    // Held while this copy keeps the running record.
    TRunLock runLock_;
    bool ownsRunRecord_ = false;  // the running record is this copy's
    std::string caption_;
    std::vector<TUiState> items_;
    std::unordered_map<std::string, std::size_t> itemIndex_;
};

} // namespace vorn
