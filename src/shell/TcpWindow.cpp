#include "shell/TcpWindow.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QFontDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "net/TcpSocket.h"
#include "shell/ImageCanvas.h"

namespace vorn {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

TTcpWindow::TTcpWindow(QWidget* parent, TTcpForm& model, int mainWidth)
    : QMainWindow(parent, Qt::Window), model_(model)
{
    setObjectName(QStringLiteral("TcpForm"));
    auto* client = new QWidget(this);
    setCentralWidget(client);
    Memo1 = new QPlainTextEdit(client);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Edit1 = new QLineEdit(client);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (!syncing_)
            model_.Edit1 = t.toStdString();
    });
    connect(Edit1, &QLineEdit::returnPressed, this, [this] {
        model_.Edit1 = Edit1->text().toStdString();
        model_.Edit1KeyDown(13);
    });
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);

    mnuComm = menuBar()->addMenu(QString());
    mnuComm->setObjectName(QStringLiteral("mnuComm"));
    auto item = [this](QMenu* menu, const char* name, void (TTcpForm::*handler)()) {
        QAction* a = menu != nullptr ? menu->addAction(QString()) : menuBar()->addAction(QString());
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, handler] { (model_.*handler)(); });
        return a;
    };
    mnuListen = item(mnuComm, "mnuListen", &TTcpForm::mnuListenClick);
    mnuListen->setCheckable(true);
    mnuConnect = item(mnuComm, "mnuConnect", &TTcpForm::mnuConnectClick);
    mnuDisConnect = item(mnuComm, "mnuDisConnect", &TTcpForm::mnuDisConnectClick);
    mnuComm->addSeparator();
    mnuExit = item(mnuComm, "mnuExit", &TTcpForm::mnuExitClick);
    Font1 = item(nullptr, "Font1", &TTcpForm::Font1Click);

    timVorn.setObjectName(QStringLiteral("timVorn"));
    connect(&timVorn, &QTimer::timeout, this, [this] { model_.timVornTimer(); });

    socket_ = new TTcpSocket(model_.Protocol, this);
    model_.SetView(this);
    model_.FormCreate(mainWidth);
    setGeometry(model_.Left, model_.Top, model_.Width, model_.Height);
    Changed();
}

TTcpWindow::~TTcpWindow()
{
    model_.FormDestroy();
    model_.SetView(nullptr);
    delete socket_;
    socket_ = nullptr;
}

void TTcpWindow::Changed()
{
    syncing_ = true;
    setWindowTitle(Q(model_.Caption));
    mnuComm->setTitle(Q(model_.mnuComm.Caption));
    for (auto [action, item] : {std::pair{mnuListen, &model_.mnuListen}, std::pair{mnuConnect, &model_.mnuConnect},
                                std::pair{mnuDisConnect, &model_.mnuDisConnect}, std::pair{mnuExit, &model_.mnuExit},
                                std::pair{Font1, &model_.Font1}}) {
        action->setText(Q(item->Caption));
        if (action->isCheckable())
            action->setChecked(item->Checked);
    }
    if (StatusBar1->currentMessage() != Q(model_.StatusText))
        StatusBar1->showMessage(Q(model_.StatusText));
    // New lines only, as plain text.
    if (model_.Memo1.size() < memoShown_) {
        Memo1->clear();
        memoShown_ = 0;
    }
    for (; memoShown_ < model_.Memo1.size(); ++memoShown_)
        Memo1->appendPlainText(Q(model_.Memo1[memoShown_]));
    if (Edit1->text() != Q(model_.Edit1))
        Edit1->setText(Q(model_.Edit1));
    QFont font(Q(model_.Font.Name), model_.Font.Size > 0 ? model_.Font.Size : 9);
    if (Memo1->font() != font)
        Memo1->setFont(font);
    QPalette pal = Memo1->palette();
    pal.setColor(QPalette::Text, model_.Font.Color == kClWindowText ? palette().color(QPalette::Text)
                                                                    : ColorFromBgr(model_.Font.Color));
    Memo1->setPalette(pal);
    Layout();
    if (model_.Visible && !isVisible())
        show();
    else if (!model_.Visible && isVisible())
        hide();
    syncing_ = false;
}

void TTcpWindow::Layout()
{
    Memo1->setGeometry(0, 0, std::max(model_.MemoWidth, 1), std::max(model_.MemoHeight, 1));
    Edit1->setGeometry(0, std::max(model_.EditTop, 0), std::max(model_.MemoWidth, 1), 21);
}

void TTcpWindow::TimerChanged()
{
    if (timVorn.interval() != model_.timVorn.Interval)
        timVorn.setInterval(model_.timVorn.Interval);
    if (model_.timVorn.Enabled && !timVorn.isActive())
        timVorn.start();
    else if (!model_.timVorn.Enabled && timVorn.isActive())
        timVorn.stop();
}

bool TTcpWindow::FontDialog(TTcpFont& font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, QFont(Q(font.Name), font.Size), this);
    if (!ok)
        return false;
    font.Name = chosen.family().toStdString();
    font.Size = chosen.pointSize() > 0 ? chosen.pointSize() : font.Size;
    return true;
}

void TTcpWindow::closeEvent(QCloseEvent* e)
{
    // Closing only hides the window; the link stays.
    model_.Visible = false;
    e->accept();
}

void TTcpWindow::moveEvent(QMoveEvent* e)
{
    QMainWindow::moveEvent(e);
    if (isVisible()) {
        model_.Left = x();
        model_.Top = y();
    }
}

void TTcpWindow::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    if (!syncing_)
        model_.FormResize(width(), height());
}

void TTcpWindow::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        model_.FormActivate();
}

} // namespace vorn
