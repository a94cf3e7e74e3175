#include "shell/NngsWindow.h"

#include <QAction>
#include <QFont>

#include "net/NngsSocket.h"
#include "shell/NngsConnectWindow.h"

namespace vorn {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

TNngsWindow::TNngsWindow(QWidget* parent, TNngsForm& model, int mainWidth)
    : TLinkWindow(parent, model, "NngsForm")
{
    QFont memoFont(QStringLiteral("System"));
    memoFont.setPixelSize(16);
    Memo1->setFont(memoFont);
    QFont editFont(QStringLiteral("System"));
    editFont.setPixelSize(19);
    Edit1->setFont(editFont);

    mnuConnect = mnuComm->addAction(QString());
    mnuConnect->setObjectName(QStringLiteral("mnuConnect"));
    connect(mnuConnect, &QAction::triggered, this, [this] { model_.mnuConnectClick(); });
    mnuHost = mnuComm->addAction(QString());
    mnuHost->setObjectName(QStringLiteral("mnuHost"));
    connect(mnuHost, &QAction::triggered, this, [this] { model_.mnuHostClick(); });

    timVorn.setSingleShot(true);

    socket_ = new TNngsSocket(model_.Protocol, this);
    connect_ = new TNngsConnectWindow(this, model_.NngsConnectForm);
    model_.SetView(this);
    model_.Messages.Post = LinkPoster(this);
    model_.FormCreate(mainWidth);
    PlaceFromModel();
    Changed();
}

TNngsWindow::~TNngsWindow()
{
    model_.FormDestroy();
    model_.SetView(nullptr);
    model_.Messages.Post = nullptr;
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
    Layout(27);
    VisibleSync();
    syncing_ = false;
}

void TNngsWindow::TimerChanged() { TimerSync(); }

} // namespace vorn
