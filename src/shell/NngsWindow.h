// TNngsWindow: the Go-server window on the screen.  A thin Qt window around
// the logic TNngsForm: memo (plain text: what the server sends is never
// taken for markup), entry line, status bar, menu and the engine's reply
// timer; it owns the server socket and the host dialog's window.
#pragma once

#include "shell/LinkWindow.h"
#include "shell/NngsF.h"

class QAction;

namespace vorn {

class TNngsConnectWindow;
class TNngsSocket;

class TNngsWindow : public TLinkWindow<TNngsForm>, public TNngsView {
    Q_OBJECT
public:
    // Creates the socket and the host dialog and reads the settings.
    TNngsWindow(QWidget* parent, TNngsForm& model, int mainWidth);
    // Writes the settings back; the socket closes.
    ~TNngsWindow() override;

    TNngsSocket& Socket() { return *socket_; }
    TNngsConnectWindow& ConnectWindow() { return *connect_; }

    // TNngsView
    void Changed() override;
    void TimerChanged() override;

private:
    TNngsSocket* socket_ = nullptr;
    TNngsConnectWindow* connect_ = nullptr;
    QAction* mnuConnect = nullptr;
    QAction* mnuHost = nullptr;
};

} // namespace vorn
