// TSDIAppForm: the main window.  A thin Qt shell around TMainCtl: it builds
// the menus and tool buttons from the window's design, shows the backing
// image of the board, and turns Qt's events into the controller's handlers.
#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "shell/ImageCanvas.h"
#include "shell/MainCtl.h"

class QFileDialog;
class QLabel;
class QMenu;
class QPageSetupDialog;
class QPrintDialog;
class QPrinter;
class QStatusBar;
class QToolButton;
class QTranslator;

namespace vorn {
class TComFormWindow;
class TCommntForm;
class TDevWindows;
class TDlgForm;
class TGameInfoForm;
class TOtoPlayer;
class TNngsWindow;
class TTcpWindow;
}

namespace vorn {

class TSDIAppForm;

// Questions and messages as modal message boxes; file names through the
// window's open and save dialogs.
class TQtPrompt : public TPrompt {
public:
    explicit TQtPrompt(TSDIAppForm& form) : form_(form) {}
    void Message(const std::string& text) override;
    bool YesNo(const std::string& text) override;
    bool FileDialog(TFileQuery& query) override;
    bool InputQuery(const std::string& title, const std::string& prompt, std::string& value) override;
    TSaveAnswer SaveDiscardCancel(const std::string& text) override;

private:
    TSDIAppForm& form_;
};

// The client area: tool panel on top, status bar at the bottom, the board's
// image between and beneath them.
class TClientArea : public QWidget {
    Q_OBJECT
public:
    explicit TClientArea(TSDIAppForm& form);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    TSDIAppForm& form_;
};

class TSDIAppForm : public QMainWindow, public TMainView {
    Q_OBJECT
public:
    // prompt: where questions go (a message box when none is given); args:
    // the command line after the program's name.
    explicit TSDIAppForm(const std::vector<std::string>& args = {}, TPrompt* prompt = nullptr,
                         const std::string& exeDir = "");
    ~TSDIAppForm() override;

    TMainCtl& Ctl() { return *ctl_; }
    TImageCanvas& Canvas() { return canvas_; }
    TClientArea* Client() { return client_; }
    QAction* Action(const std::string& name) const;
    QMenu* Menu(const std::string& name) const;
    QToolButton* Button(const std::string& name) const;
    QLabel* TjnInfoLabel() const { return lblTjnInfo; }
    QStatusBar* Status() const { return StatusBar; }
    TGameInfoForm* GameInfoForm() const { return gameInfoForm_; }
    TTcpWindow* TcpWindow() const { return tcpWindow_; }
    TNngsWindow* NngsWindow() const { return nngsWindow_; }
    TComFormWindow* ComForm() const { return comForm_; }
    QTimer& Timer(const std::string& name);
    QTimer& AutoTimer() { return timAuto; }

    // TMainView
    int ClientWidth() const override;
    int ClientHeight() const override;
    int PanelHeight() const override { return kPanelHeight; }
    int StatusHeight() const override { return kStatusHeight; }
    void SetBounds(int left, int top, int width, int height) override;
    void GetBounds(int& left, int& top, int& width, int& height) const override;
    void SetClientHeight(int height) override;
    void SetCaption(const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    void SetTjnInfo(const std::string& text) override;
    void ItemsChanged() override;
    void CloseWindow() override;
    void StartParamTimer(int ms) override;
    void LanguageChanged(int language) override;
    void OpenDocument(const std::string& address) override;
    void GameDialogChanged() override;
    void TimersChanged() override;
    void WaitCursor(bool on) override;
    void InputDrop() override;
    void SetAutoTimer(bool enabled) override;
    void SendMove(int kind, int x, int y, int colour) override;
    bool CommentShown() const override;
    void CommentSave() override;
    void CommentClear() override;
    void CommentShow() override;
    void CommentWindowShow(bool on) override;
    void OtoPlay(int colour) override;
    void Beep() override;
    void AboutShow() override;
    void ColorDialogShow() override;
    void UtikataShow() override;
    void SoundDialogShow() override;
    void KifuPrint() override;
    void FormPrint() override;
    void PrinterSetupShow() override;
    void DevWindowShow(const std::string& menuItem, bool on) override;
    void DevViewsRefresh() override;
    void LocateDrawText(Point p, const std::string& text, int colour) override;
    void LocateShowDirection() override;

    // The comment window; the dialogs by name ("UtikataDlg", "BanIsiColor",
    // "OtoDlg", "AboutBox"), made on first use.
    TCommntForm* CommentForm() const { return commentForm_; }
    // The developer views and the evaluation window.
    TDevWindows* DevWindows() const { return devWindows_; }
    TDlgForm& Dialog(const std::string& name);
    // Where the move sounds go (the desktop's unless a player is given; the
    // caller keeps it alive).
    void SetOtoPlayer(TOtoPlayer* player);

    // The file, print and printer set-up dialogs, made on first use.
    QFileDialog& OpenDialog();
    QFileDialog& SaveDialog();
    QPrinter& Printer();
    QPrintDialog& PrintDialog1();
    QPageSetupDialog& PrinterSetupDialog();

    static constexpr int kPanelHeight = 30;
    static constexpr int kStatusHeight = 19;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    friend class TClientArea;
    void BuildMenus();
    void BuildSpeedPanel();
    void ClientResized();
    // The side windows hand their places over before the settings are written.
    void SideWindowsStore();
    // A modal dialog: made on first use, shown until it is closed.
    void DialogExec(const std::string& name);
    // Prints on the printer; a print that fails is reported and leaves a
    // printer ready for the next set-up and print.
    void PrintOrReport(const std::function<bool(QPrinter&)>& print);
    void PrinterReset();

    TImageCanvas canvas_;
    std::unique_ptr<TQtPrompt> ownPrompt_;
    std::unique_ptr<TMainCtl> ctl_;
    bool closed_ = false;

    TClientArea* client_ = nullptr;
    QWidget* SpeedPanel = nullptr;
    QLabel* lblTjnInfo = nullptr;
    QStatusBar* StatusBar = nullptr;
    QMenuBar* SDIAppMenu = nullptr;
    std::unordered_map<std::string, QAction*> actions_;
    std::unordered_map<std::string, QMenu*> menus_;
    std::unordered_map<std::string, QToolButton*> buttons_;

    QFileDialog* openDialog_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    QPrintDialog* printDialog_ = nullptr;
    QPageSetupDialog* printerSetupDialog_ = nullptr;
    TGameInfoForm* gameInfoForm_ = nullptr;
    TTcpWindow* tcpWindow_ = nullptr;
    TNngsWindow* nngsWindow_ = nullptr;
    TComFormWindow* comForm_ = nullptr;
    TCommntForm* commentForm_ = nullptr;
    TDevWindows* devWindows_ = nullptr;
    std::unordered_map<std::string, TDlgForm*> dialogs_;
    std::unique_ptr<TOtoPlayer> ownPlayer_;
    TOtoPlayer* player_ = nullptr;
    // The toolkit's own texts (standard buttons, file dialogs) in the
    // selected language, where the system has them.
    std::unique_ptr<QTranslator> qtTranslator_;

    // The window's timers: the game clock, engine against engine, the next
    // game of a match, automatic replay, the delayed opening of a record.
    QTimer timThink;
    QTimer timVornVorn;
    QTimer timRenzoku;
    QTimer timAuto;
    QTimer timParam;
};

} // namespace vorn
