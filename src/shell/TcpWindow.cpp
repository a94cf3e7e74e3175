#include "shell/TcpWindow.h"

#include <QAction>
#include <QFontDialog>

#include "net/TcpSocket.h"
#include "shell/ImageCanvas.h"

namespace vorn {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

TTcpWindow::TTcpWindow(QWidget* parent, TTcpForm& model, int mainWidth) : TLinkWindow(parent, model, "TcpForm")
{
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

    socket_ = new TTcpSocket(model_.Protocol, this);
    model_.SetView(this);
    model_.Messages.Post = LinkPoster(this);
    model_.FormCreate(mainWidth);
    PlaceFromModel();
    Changed();
}

TTcpWindow::~TTcpWindow()
{
    model_.FormDestroy();
    model_.SetView(nullptr);
    model_.Messages.Post = nullptr;
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
    MemoSync();
    if (Edit1->text() != Q(model_.Edit1))
        Edit1->setText(Q(model_.Edit1));
    QFont font(Q(model_.Font.Name), model_.Font.Size > 0 ? model_.Font.Size : 9);
    if (Memo1->font() != font)
        Memo1->setFont(font);
    QPalette pal = Memo1->palette();
    pal.setColor(QPalette::Text, model_.Font.Color == kClWindowText ? palette().color(QPalette::Text)
                                                                    : ColorFromBgr(model_.Font.Color));
    Memo1->setPalette(pal);
    Layout(21);
    VisibleSync();
    syncing_ = false;
}

void TTcpWindow::TimerChanged() { TimerSync(); }

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

void TTcpWindow::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        model_.FormActivate();
}

} // namespace vorn
