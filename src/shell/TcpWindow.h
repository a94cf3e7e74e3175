// TTcpWindow: the TCP link window on the screen.  A thin Qt window around
// the logic TTcpForm: memo (plain text only: what the peer sends is never
// taken for markup), entry line, status bar, menu and the engine's reply
// timer; it owns the link's sockets and hands them to the logic.
#pragma once

#include "shell/LinkWindow.h"
#include "shell/TcpF.h"

class QAction;

namespace vorn {

class TTcpSocket;

class TTcpWindow : public TLinkWindow<TTcpForm>, public TTcpView {
    Q_OBJECT
public:
    // Creates the sockets and runs the logic's start-up (settings, listening).
    TTcpWindow(QWidget* parent, TTcpForm& model, int mainWidth);
    // Writes the settings back; the sockets close.
    ~TTcpWindow() override;

    TTcpSocket& Socket() { return *socket_; }

    // TTcpView
    void Changed() override;
    void TimerChanged() override;
    bool FontDialog(TTcpFont& font) override;

protected:
    void changeEvent(QEvent* e) override;

private:
    TTcpSocket* socket_ = nullptr;
    QAction* mnuListen = nullptr;
    QAction* mnuConnect = nullptr;
    QAction* mnuDisConnect = nullptr;
    QAction* mnuExit = nullptr;
    QAction* Font1 = nullptr;
};

} // namespace vorn
