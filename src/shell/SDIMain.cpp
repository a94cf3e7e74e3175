#include "shell/SDIMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>
#include <QWindow>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <QTranslator>

#include "shell/ComFormWindow.h"
#include "shell/CommentForm.h"
#include "shell/DevWindows.h"
#include "shell/DlgForm.h"
#include "shell/GameIForm.h"
#include "shell/PrintCanvas.h"
#include "shell/QtOtoPlayer.h"
#include "shell/NngsWindow.h"
#include "shell/TcpWindow.h"
#include "shell/VornApp.h"

namespace vorn {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The tool buttons' pictures.
QStyle::StandardPixmap ButtonIcon(const std::string& name)
{
    if (name == "btnNew")
        return QStyle::SP_FileIcon;
    if (name == "btnOpen")
        return QStyle::SP_DialogOpenButton;
    if (name == "btnSave")
        return QStyle::SP_DialogSaveButton;
    if (name == "btnFirst")
        return QStyle::SP_MediaSkipBackward;
    if (name == "btnPrev10")
        return QStyle::SP_MediaSeekBackward;
    if (name == "btnPrev")
        return QStyle::SP_ArrowLeft;
    if (name == "btnNext")
        return QStyle::SP_ArrowRight;
    if (name == "btnNext10")
        return QStyle::SP_MediaSeekForward;
    return QStyle::SP_MediaSkipForward;
}

// Whether a key goes into a text field as typing: any key of a multi-line
// editor, any but Enter (which sends the line or presses the window's
// default button) of a line, and of an editable list's line also none that
// picks another entry of the list.
bool IsTyping(QObject* watched, const QKeyEvent& k)
{
    const int key = k.key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (const auto* t = qobject_cast<QPlainTextEdit*>(watched))
        return !t->isReadOnly();
    if (const auto* t = qobject_cast<QTextEdit*>(watched))
        return !t->isReadOnly();
    if (const auto* e = qobject_cast<QLineEdit*>(watched))
        return !e->isReadOnly() && !enter;
    if (const auto* c = qobject_cast<QComboBox*>(watched))
        return c->isEditable() && !enter && key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_PageUp
               && key != Qt::Key_PageDown && key != Qt::Key_F4 && !(k.modifiers() & Qt::AltModifier);
    return false;
}

// The object a key event will reach.  A key from the keyboard is delivered
// to its top-level window first, which hands it on to a widget grabbing the
// keyboard, else to an open popup's focus widget, else to its own focus
// widget; a key sent to a widget reaches that widget.
QObject* KeyReceiver(QObject* watched)
{
    const auto* window = qobject_cast<QWindow*>(watched);
    if (window == nullptr)
        return watched;
    if (QWidget* grabber = QWidget::keyboardGrabber())
        return grabber;
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
    return window->focusObject();
}

// Swallows the user's input of every window of the program that acts on the
// game or the windows while it is installed on the application: buttons,
// wheel, touch, menu commands and their shortcut keys, and keys that go to
// anything but a text field.  Typing into a text field (the comment window,
// a link window's entry line, a dialog's fields) goes through.
class TInputSwallow : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: return !IsTyping(KeyReceiver(watched), *static_cast<QKeyEvent*>(e));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease: return true;
        // A text field claims its editing keys here before they can become
        // shortcuts; a key that no field claims becomes a shortcut, dropped
        // above.
        case QEvent::ShortcutOverride:
        default: return false;
        }
    }
};

} // namespace

void TQtPrompt::Message(const std::string& text)
{
    QMessageBox::information(&form_, QStringLiteral("VORN"), Q(text));
}

bool TQtPrompt::YesNo(const std::string& text)
{
    return QMessageBox::question(&form_, QStringLiteral("VORN"), Q(text), QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

TPrompt::TSaveAnswer TQtPrompt::SaveDiscardCancel(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("VORN"), Q(text), QMessageBox::NoButton, &form_);
    QPushButton* save = box.addButton(Q(Msg("Save", "保存")), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(Q(Msg("Discard", "破棄")), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(Q(Msg("Cancel", "キャンセル")), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return anSave;
    return box.clickedButton() == discard ? anDiscard : anCancel;
}

bool TQtPrompt::FileDialog(TFileQuery& query)
{
    QFileDialog& d = query.save ? form_.SaveDialog() : form_.OpenDialog();
    QStringList filters;
    for (const std::string& f : DialogNameFilters(query.filter))
        filters << Q(f);
    d.setNameFilters(filters);
    d.setDefaultSuffix(Q(query.defaultExt));
    if (!query.fileName.empty())
        d.selectFile(Q(query.fileName));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return false;
    query.fileName = d.selectedFiles().constFirst().toStdString();
    return true;
}

bool TQtPrompt::InputQuery(const std::string& title, const std::string& prompt, std::string& value)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(&form_, Q(title), Q(prompt), QLineEdit::Normal, Q(value), &ok);
    if (!ok)
        return false;
    value = text.toStdString();
    return true;
}

// ---------------------------------------------------------------------------

TClientArea::TClientArea(TSDIAppForm& form) : QWidget(&form), form_(form)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TClientArea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, form_.canvas_.Image());
}

void TClientArea::resizeEvent(QResizeEvent*) { form_.ClientResized(); }

void TClientArea::mousePressEvent(QMouseEvent* e)
{
    const int button = e->button() == Qt::LeftButton    ? mbLeft
                       : e->button() == Qt::RightButton ? mbRight
                       : e->button() == Qt::MiddleButton ? mbMiddle
                                                          : 0;
    const QPoint at = e->position().toPoint();
    form_.ctl_->FormMouseDown(button, at.x(), at.y());
}

// ---------------------------------------------------------------------------

TSDIAppForm::TSDIAppForm(const std::vector<std::string>& args, TPrompt* prompt, const std::string& exeDir)
{
    setObjectName(QStringLiteral("SDIAppForm"));
    if (prompt == nullptr) {
        ownPrompt_ = std::make_unique<TQtPrompt>(*this);
        prompt = ownPrompt_.get();
    }
    ctl_ = std::make_unique<TMainCtl>(*this, canvas_, *prompt);
    ownPlayer_ = std::make_unique<TQtOtoPlayer>();
    player_ = ownPlayer_.get();

    SDIAppMenu = menuBar();
    SDIAppMenu->setObjectName(QStringLiteral("SDIAppMenu"));
    client_ = new TClientArea(*this);
    setCentralWidget(client_);
    canvas_.SetTarget(client_);
    BuildSpeedPanel();
    StatusBar = new QStatusBar(client_);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    BuildMenus();

    for (auto [timer, name, ms] : {std::tuple{&timThink, "timThink", 1000}, {&timVornVorn, "timVornVorn", 1000},
                                   {&timRenzoku, "timRenzoku", 5000}, {&timAuto, "timAuto", 1000},
                                   {&timParam, "timParam", 500}}) {
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(ms);
    }
    timParam.setSingleShot(true);
    connect(&timParam, &QTimer::timeout, this, [this] { ctl_->timParamTimer(); });
    connect(&timThink, &QTimer::timeout, this, [this] { ctl_->Turn.timThinkTimer(); });
    connect(&timVornVorn, &QTimer::timeout, this, [this] { ctl_->Turn.timVornVornTimer(); });
    connect(&timRenzoku, &QTimer::timeout, this, [this] { ctl_->Score.timRenzokuTimer(); });
    gameInfoForm_ = new TGameInfoForm(this, ctl_->GameInfo);
    comForm_ = new TComFormWindow(this, ctl_->Com);
    connect(&timAuto, &QTimer::timeout, this, [this] { ctl_->Nav.timAutoTimer(); });

    // Errors of this window's handlers go to its controller's display.
    TVornApp::SetErrorDisplay(this, [this](const std::string& message) { ctl_->ErrorShow(message); });
    const std::string dir =
        exeDir.empty() ? QCoreApplication::applicationDirPath().toStdString() + "/" : exeDir;
    RunGuarded([&] { ctl_->FormCreate(dir, args); });
    // The link windows, after the main window (the TCP window listens at once).
    tcpWindow_ = new TTcpWindow(this, ctl_->Tcp, width());
    commentForm_ = new TCommntForm(this, ctl_->CommntF);
    devWindows_ = new TDevWindows(this, *ctl_);
    ctl_->DevMenu.FormShow();
    nngsWindow_ = new TNngsWindow(this, ctl_->Nngs, width());
    ItemsChanged();
}

TSDIAppForm::~TSDIAppForm()
{
    TVornApp::ClearErrorDisplay(this);
    if (!closed_)
        RunGuarded([this] {
            SideWindowsStore();
            ctl_->FormClose();
        });
    // The game dialog, the link windows, the side windows and the dialogs go
    // before the logic they show.
    delete gameInfoForm_;
    gameInfoForm_ = nullptr;
    delete tcpWindow_;
    tcpWindow_ = nullptr;
    delete nngsWindow_;
    nngsWindow_ = nullptr;
    delete comForm_;
    comForm_ = nullptr;
    delete commentForm_;
    commentForm_ = nullptr;
    delete devWindows_;
    devWindows_ = nullptr;
    for (auto& [name, dialog] : dialogs_)
        delete dialog;
    dialogs_.clear();
    // The print dialogs go before the printer they point at.
    delete printDialog_;
    delete printerSetupDialog_;
}

void TSDIAppForm::BuildSpeedPanel()
{
    SpeedPanel = new QWidget(client_);
    SpeedPanel->setObjectName(QStringLiteral("SpeedPanel"));
    SpeedPanel->setAutoFillBackground(true);
    QPalette pal = SpeedPanel->palette();
    pal.setColor(QPalette::Window, ColorFromBgr(clFormBack));
    SpeedPanel->setPalette(pal);
    int x = 2;
    for (const TUiDesign& d : UiDesign()) {
        if (d.kind != ukButton)
            continue;
        auto* act = new QAction(style()->standardIcon(ButtonIcon(d.name)), Q(d.caption), this);
        act->setObjectName(QString::fromLatin1(d.name));
        const std::string name = d.name;
        connect(act, &QAction::triggered, this, [this, name] {
            ctl_->Click(name);
            ItemsChanged();
        });
        auto* b = new QToolButton(SpeedPanel);
        b->setObjectName(QString::fromLatin1(d.name));
        b->setDefaultAction(act);
        b->setAutoRaise(true);
        b->setGeometry(x, 3, 24, 24);
        x += name == "btnSave" ? 34 : 25;
        actions_[name] = act;
        buttons_[name] = b;
    }
    lblTjnInfo = new QLabel(SpeedPanel);
    lblTjnInfo->setObjectName(QStringLiteral("lblTjnInfo"));
    lblTjnInfo->setGeometry(x + 12, 3, 240, 24);
}

void TSDIAppForm::BuildMenus()
{
    for (const TUiDesign& d : UiDesign()) {
        if (d.kind == ukButton)
            continue;
        QMenu* parent = nullptr;
        if (d.parent[0] != '\0') {
            const auto it = menus_.find(d.parent);
            if (it == menus_.end())
                continue;
            parent = it->second;
        }
        const std::string name = d.name;
        switch (d.kind) {
        case ukMenu: {
            QMenu* m = parent ? parent->addMenu(Q(d.caption)) : SDIAppMenu->addMenu(Q(d.caption));
            m->setObjectName(Q(name));
            m->menuAction()->setObjectName(Q(name));
            menus_[name] = m;
            break;
        }
        case ukSeparator:
            if (parent)
                parent->addSeparator();
            break;
        case ukItem: {
            QAction* a = parent->addAction(Q(d.caption));
            a->setObjectName(Q(name));
            a->setCheckable(d.checkable);
            if (d.shortcut[0] != '\0')
                a->setShortcut(QKeySequence(QString::fromLatin1(d.shortcut)));
            connect(a, &QAction::triggered, this, [this, name] {
                ctl_->Click(name);
                ItemsChanged();
            });
            actions_[name] = a;
            break;
        }
        case ukButton: break;
        }
    }
}

QAction* TSDIAppForm::Action(const std::string& name) const
{
    if (const auto it = actions_.find(name); it != actions_.end())
        return it->second;
    if (const auto it = menus_.find(name); it != menus_.end())
        return it->second->menuAction();
    return nullptr;
}

QMenu* TSDIAppForm::Menu(const std::string& name) const
{
    const auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

QToolButton* TSDIAppForm::Button(const std::string& name) const
{
    const auto it = buttons_.find(name);
    return it == buttons_.end() ? nullptr : it->second;
}

void TSDIAppForm::ItemsChanged()
{
    if (!ctl_)
        return;
    for (const TUiDesign& d : UiDesign()) {
        if (d.kind == ukSeparator)
            continue;
        QAction* a = Action(d.name);
        if (a == nullptr)
            continue;
        const TUiState& s = ctl_->Item(d.name);
        if (d.kind == ukButton) {
            // "short|long": the tooltip, then the status-bar text.
            const std::size_t bar = s.hint.find('|');
            a->setToolTip(Q(s.hint.substr(0, bar)));
            a->setStatusTip(bar == std::string::npos ? QString() : Q(s.hint.substr(bar + 1)));
        } else {
            a->setText(Q(s.caption));
            if (a->isCheckable())
                a->setChecked(s.checked);
        }
        a->setVisible(s.visible);
        a->setEnabled(s.enabled);
    }
}

int TSDIAppForm::ClientWidth() const { return client_->width(); }

int TSDIAppForm::ClientHeight() const { return client_->height(); }

void TSDIAppForm::ClientResized()
{
    const int w = client_->width(), h = client_->height();
    SpeedPanel->setGeometry(0, 0, w, kPanelHeight);
    StatusBar->setGeometry(0, h - kStatusHeight, w, kStatusHeight);
    canvas_.Resize(w, h, client_->devicePixelRatioF());
    ctl_->FormResize();
}

void TSDIAppForm::SetBounds(int left, int top, int width, int height)
{
    move(left, top);
    resize(width, height);
}

void TSDIAppForm::GetBounds(int& left, int& top, int& width, int& height) const
{
    left = x();
    top = y();
    width = this->width();
    height = this->height();
}

void TSDIAppForm::SetClientHeight(int height) { resize(width(), SDIAppMenu->sizeHint().height() + height); }

void TSDIAppForm::SetCaption(const std::string& text) { setWindowTitle(Q(text)); }

void TSDIAppForm::SetStatusText(const std::string& text)
{
    if (text.empty())
        StatusBar->clearMessage();
    else
        StatusBar->showMessage(Q(text));
    // The engine thinks without returning to the event loop: show it now.
    StatusBar->repaint();
}

void TSDIAppForm::SetTjnInfo(const std::string& text)
{
    lblTjnInfo->setText(Q(text));
    lblTjnInfo->repaint();
}

void TSDIAppForm::CloseWindow() { close(); }

void TSDIAppForm::StartParamTimer(int ms)
{
    timParam.setInterval(ms);
    timParam.start();
}

void TSDIAppForm::GameDialogChanged()
{
    if (gameInfoForm_ != nullptr)
        gameInfoForm_->Sync();
}

QTimer& TSDIAppForm::Timer(const std::string& name)
{
    if (name == "timVornVorn")
        return timVornVorn;
    if (name == "timRenzoku")
        return timRenzoku;
    if (name == "timAuto")
        return timAuto;
    if (name == "timParam")
        return timParam;
    return timThink;
}

void TSDIAppForm::TimersChanged()
{
    if (!ctl_)
        return;
    const TTurn& t = ctl_->Turn;
    for (auto [timer, state] : {std::pair{&timThink, &t.timThink}, std::pair{&timVornVorn, &t.timVornVorn},
                                std::pair{&timRenzoku, &t.timRenzoku}}) {
        if (timer->interval() != state->Interval)
            timer->setInterval(state->Interval);
        if (state->Enabled && !timer->isActive())
            timer->start();
        else if (!state->Enabled && timer->isActive())
            timer->stop();
    }
}

void TSDIAppForm::WaitCursor(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TSDIAppForm::InputDrop()
{
    // The queue is emptied with the input swallowed; the timers wait for the
    // event loop.
    TInputSwallow swallow;
    QCoreApplication::instance()->installEventFilter(&swallow);
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers);
    QCoreApplication::instance()->removeEventFilter(&swallow);
}

void TSDIAppForm::SetAutoTimer(bool enabled)
{
    if (enabled)
        timAuto.start();
    else
        timAuto.stop();
}

void TSDIAppForm::SendMove(int kind, int x, int y, int colour)
{
    // The move goes to the remote player by its kind, each link in its own form.
    switch (kind) {
    case pkSerial: ctl_->Com.SendMove(x, y, colour); break;
    case pkTcp: ctl_->Tcp.SendMove(x, y); break;
    case pkNngs: ctl_->Nngs.SendMove(x, y); break;
    default: break;
    }
}

void TSDIAppForm::OpenDocument(const std::string& address)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QDesktopServices::openUrl(QUrl(Q(address)));
    QApplication::restoreOverrideCursor();
}

QFileDialog& TSDIAppForm::OpenDialog()
{
    if (openDialog_ == nullptr) {
        openDialog_ = new QFileDialog(this);
        openDialog_->setObjectName(QStringLiteral("OpenDialog"));
        openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
        openDialog_->setFileMode(QFileDialog::ExistingFile);
    }
    return *openDialog_;
}

QFileDialog& TSDIAppForm::SaveDialog()
{
    if (saveDialog_ == nullptr) {
        saveDialog_ = new QFileDialog(this);
        saveDialog_->setObjectName(QStringLiteral("SaveDialog"));
        saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    }
    return *saveDialog_;
}

QPrinter& TSDIAppForm::Printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

QPrintDialog& TSDIAppForm::PrintDialog1()
{
    if (printDialog_ == nullptr) {
        printDialog_ = new QPrintDialog(&Printer(), this);
        printDialog_->setObjectName(QStringLiteral("PrintDialog1"));
    }
    return *printDialog_;
}

QPageSetupDialog& TSDIAppForm::PrinterSetupDialog()
{
    if (printerSetupDialog_ == nullptr) {
        printerSetupDialog_ = new QPageSetupDialog(&Printer(), this);
        printerSetupDialog_->setObjectName(QStringLiteral("PrinterSetupDialog"));
    }
    return *printerSetupDialog_;
}

void TSDIAppForm::LanguageChanged(int language)
{
    if (qtTranslator_) {
        QCoreApplication::removeTranslator(qtTranslator_.get());
        qtTranslator_.reset();
    }
    const char* locale = language == lgJapanese ? "ja" : language == lgChinese ? "zh_CN" : nullptr;
    if (locale != nullptr) {
        auto t = std::make_unique<QTranslator>();
        if (t->load(QStringLiteral("qtbase_") + QLatin1String(locale),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(t.get());
            qtTranslator_ = std::move(t);
        }
    }
    // The open side windows and dialogs take their captions again.
    if (commentForm_ != nullptr)
        commentForm_->Recaption();
    for (auto& [name, dialog] : dialogs_)
        if (dialog != nullptr && dialog->isVisible())
            dialog->Refresh();
}

void TSDIAppForm::closeEvent(QCloseEvent* e)
{
    // A game whose moves are not saved is not lost without a word.
    bool close = true;
    if (!closed_)
        RunGuarded([&] { close = ctl_->FormCloseQuery(); });
    if (!close) {
        e->ignore();
        return;
    }
    if (!closed_) {
        closed_ = true;
        timParam.stop();
        for (QTimer* t : {&timThink, &timVornVorn, &timRenzoku, &timAuto})
            t->stop();
        SideWindowsStore();
        ctl_->FormClose();
    }
    e->accept();
}

// ---------------------------------------------------------------------------
// Side windows and dialogs

void TSDIAppForm::SideWindowsStore()
{
    if (commentForm_ != nullptr)
        commentForm_->StoreGeometry();
    if (devWindows_ != nullptr)
        devWindows_->StoreGeometry();
}

void TSDIAppForm::DevWindowShow(const std::string& menuItem, bool on)
{
    if (devWindows_ != nullptr)
        devWindows_->Show(menuItem, on);
}

void TSDIAppForm::DevViewsRefresh()
{
    if (devWindows_ != nullptr)
        devWindows_->Refresh();
}

void TSDIAppForm::LocateDrawText(Point p, const std::string& text, int colour)
{
    if (devWindows_ != nullptr)
        devWindows_->LocateDrawText(p, text, colour);
}

void TSDIAppForm::LocateShowDirection()
{
    if (devWindows_ != nullptr)
        devWindows_->LocateShowDirection();
}

bool TSDIAppForm::CommentShown() const { return commentForm_ != nullptr && commentForm_->isVisible(); }

void TSDIAppForm::CommentSave()
{
    if (commentForm_ != nullptr)
        commentForm_->Pull();
    ctl_->CommntF.CommentSave();
}

void TSDIAppForm::CommentClear()
{
    ctl_->CommntF.CommentClear();
    if (commentForm_ != nullptr)
        commentForm_->Push();
}

void TSDIAppForm::CommentShow()
{
    ctl_->CommntF.CommentShow();
    if (commentForm_ != nullptr)
        commentForm_->Push();
}

void TSDIAppForm::CommentWindowShow(bool on)
{
    ctl_->CommntF.Visible = on;
    if (commentForm_ == nullptr)
        return;
    if (on) {
        CommentShow();
        commentForm_->show();
    } else {
        commentForm_->hide();
    }
}

void TSDIAppForm::SetOtoPlayer(TOtoPlayer* player) { player_ = player != nullptr ? player : ownPlayer_.get(); }

void TSDIAppForm::OtoPlay(int colour) { vorn::OtoPlay(*ctl_, *player_, colour); }

void TSDIAppForm::Beep() { player_->Beep(); }

TDlgForm& TSDIAppForm::Dialog(const std::string& name)
{
    TDlgForm*& f = dialogs_[name];
    if (f == nullptr) {
        if (name == "UtikataDlg")
            f = MakeUtikataForm(this, ctl_->UtikataDlg);
        else if (name == "BanIsiColor")
            f = MakeBanIsiForm(this, ctl_->BanIsiColor);
        else if (name == "OtoDlg")
            f = MakeOtoForm(this, ctl_->OtoDlg);
        else
            f = MakeAboutForm(this, ctl_->AboutBox);
    }
    return *f;
}

void TSDIAppForm::DialogExec(const std::string& name)
{
    TDlgForm& f = Dialog(name);
    f.setModal(true);
    f.exec();
    ItemsChanged();
}

void TSDIAppForm::AboutShow() { DialogExec("AboutBox"); }

void TSDIAppForm::ColorDialogShow() { DialogExec("BanIsiColor"); }

void TSDIAppForm::SoundDialogShow() { DialogExec("OtoDlg"); }

void TSDIAppForm::UtikataShow()
{
    TDlgForm& f = Dialog("UtikataDlg");
    f.show();
    f.raise();
    f.activateWindow();
}

void TSDIAppForm::KifuPrint()
{
    PrintOrReport([this](QPrinter& p) { return KifuPrintTo(p, ctl_->GameInfo.Fields()); });
}

void TSDIAppForm::FormPrint()
{
    PrintOrReport([this](QPrinter& p) { return ImagePrintTo(p, canvas_.Image()); });
}

void TSDIAppForm::PrintOrReport(const std::function<bool(QPrinter&)>& print)
{
    if (Printer().printerState() == QPrinter::Active)
        PrinterReset();
    if (print(Printer()))
        return;
    PrinterReset();
    ctl_->Prompt().Message(Msg("Cannot print", "印刷できません"));
}

void TSDIAppForm::PrinterReset()
{
    // A printer that could not be opened stays active for the toolkit and
    // refuses every later change: a new one takes over its set-up, and the
    // dialogs are made again for it.
    auto fresh = std::make_unique<QPrinter>();
    if (printer_) {
        fresh->setOutputFormat(printer_->outputFormat());
        if (printer_->outputFormat() == QPrinter::NativeFormat)
            fresh->setPrinterName(printer_->printerName());
        fresh->setOutputFileName(printer_->outputFileName());
        fresh->setPageLayout(printer_->pageLayout());
        fresh->setColorMode(printer_->colorMode());
        fresh->setCopyCount(printer_->copyCount());
    }
    delete printDialog_;
    printDialog_ = nullptr;
    delete printerSetupDialog_;
    printerSetupDialog_ = nullptr;
    printer_ = std::move(fresh);
}

void TSDIAppForm::PrinterSetupShow() { PrintDialog1().exec(); }

bool TSDIAppForm::event(QEvent* e)
{
    // The application's hints go into the status bar.
    if (e->type() == QEvent::StatusTip) {
        ctl_->ShowHint(static_cast<QStatusTipEvent*>(e)->tip().toStdString());
        return true;
    }
    if (e->type() == QEvent::WindowActivate && ctl_->FormCreated == 1)
        ctl_->Nav.FormActivate();
    return QMainWindow::event(e);
}

} // namespace vorn
