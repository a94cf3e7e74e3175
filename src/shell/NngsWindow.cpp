#include "shell/NngsWindow.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>

#include "net/NngsSocket.h"
#include "shell/NngsConnectWindow.h"

namespace vorn {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

TNngsWindow::TNngsWindow(QWidget* parent, TNngsForm& model, int mainWidth)
    : QMainWindow(parent, Qt::Window), model_(model)
{
    setObjectName(QStringLiteral("NngsForm"));
    auto* client = new QWidget(this);
    setCentralWidget(client);
    Memo1 = new QPlainTextEdit(client);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    QFont memoFont(QStringLiteral("System"));
    memoFont.setPixelSize(16);
    Memo1->setFont(memoFont);
    Edit1 = new QLineEdit(client);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    QFont editFont(QStringLiteral("System"));
    editFont.setPixelSize(19);
    Edit1->setFont(editFont);
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
    mnuConnect = mnuComm->addAction(QString());
    mnuConnect->setObjectName(QStringLiteral("mnuConnect"));
    connect(mnuConnect, &QAction::triggered, this, [this] { model_.mnuConnectClick(); });
    mnuHost = mnuComm->addAction(QString());
    mnuHost->setObjectName(QStringLiteral("mnuHost"));
    connect(mnuHost, &QAction::triggered, this, [this] { model_.mnuHostClick(); });

    timVorn.setObjectName(QStringLiteral("timVorn"));
    timVorn.setSingleShot(true);
    connect(&timVorn, &QTimer::timeout, this, [this] { model_.timVornTimer(); });

    socket_ = new TNngsSocket(model_.Protocol, this);
    connect_ = new TNngsConnectWindow(this, model_.NngsConnectForm);
    model_.SetView(this);
    model_.FormCreate(mainWidth);
    setGeometry(model_.Left, model_.Top, model_.Width, model_.Height);
    Changed();
}

TNngsWindow::~TNngsWindow()
{
    model_.FormDestroy();
    model_.SetView(nullptr);
    delete connect_;
    connect_ = nullptr;
    delete socket_;
    socket_ = nullptr;
}

void TNngsWindow::Changed()
{
    syncing_ = true;
    setWindowTitle(Q(model_.Caption));
    mnuComm->setTitle(Q(model_.mnuCommCaption));
    mnuConnect->setText(Q(model_.mnuConnectCaption));
    mnuHost->setText(Q(model_.mnuHostCaption));
    if (StatusBar1->currentMessage() != Q(model_.StatusText))
        StatusBar1->showMessage(Q(model_.StatusText));
    MemoSync();
    if (Edit1->text() != Q(model_.Edit1))
        Edit1->setText(Q(model_.Edit1));
    Layout();
    if (model_.Visible && !isVisible())
        show();
    else if (!model_.Visible && isVisible())
        hide();
    syncing_ = false;
}

void TNngsWindow::MemoSync()
{
    const std::vector<std::string>& lines = model_.Memo1;
    // Old lines dropped from the model: shown anew.
    if (lines.size() < memoShown_) {
        Memo1->clear();
        memoShown_ = 0;
    }
    // The last line shown may have grown (a prompt still open).
    if (memoShown_ > 0 && lines[memoShown_ - 1] != memoLast_) {
        QTextCursor c(Memo1->document()->lastBlock());
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        c.insertText(Q(lines[memoShown_ - 1]));
        memoLast_ = lines[memoShown_ - 1];
    }
    for (; memoShown_ < lines.size(); ++memoShown_) {
        Memo1->appendPlainText(Q(lines[memoShown_]));
        memoLast_ = lines[memoShown_];
    }
}

void TNngsWindow::Layout()
{
    Memo1->setGeometry(0, 0, std::max(model_.MemoWidth, 1), std::max(model_.MemoHeight, 1));
    Edit1->setGeometry(0, std::max(model_.EditTop, 0), std::max(model_.MemoWidth, 1), 27);
}

void TNngsWindow::TimerChanged()
{
    if (timVorn.interval() != model_.timVorn.Interval)
        timVorn.setInterval(model_.timVorn.Interval);
    if (model_.timVorn.Enabled && !timVorn.isActive())
        timVorn.start();
    else if (!model_.timVorn.Enabled && timVorn.isActive())
        timVorn.stop();
}

void TNngsWindow::closeEvent(QCloseEvent* e)
{
    // Closing only hides the window; the connection stays.
    model_.Visible = false;
    e->accept();
}

void TNngsWindow::moveEvent(QMoveEvent* e)
{
    QMainWindow::moveEvent(e);
    if (isVisible()) {
        model_.Left = x();
        model_.Top = y();
    }
}

void TNngsWindow::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    if (!syncing_)
        model_.FormResize(width(), height());
}

} // namespace vorn
