// TTcpWindow: the TCP link window on the screen.  A thin Qt window around
// the logic TTcpForm: memo (plain text only: what the peer sends is never
// taken for markup), entry line, status bar, menu and the engine's reply
// timer; it owns the link's sockets and hands them to the logic.
#pragma once

#include <QMainWindow>
#include <QTimer>

#include <cstddef>

#include "shell/TcpF.h"

class QAction;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QStatusBar;

namespace vorn {

class TTcpSocket;

class TTcpWindow : public QMainWindow, public TTcpView {
    Q_OBJECT
public:
    // Creates the sockets and runs the logic's start-up (settings, listening).
    TTcpWindow(QWidget* parent, TTcpForm& model, int mainWidth);
    // Writes the settings back; the sockets close.
    ~TTcpWindow() override;

    TTcpSocket& Socket() { return *socket_; }
    QPlainTextEdit* Memo() const { return Memo1; }
    QLineEdit* Entry() const { return Edit1; }
    QTimer& VornTimer() { return timVorn; }

    // TTcpView
    void Changed() override;
    void TimerChanged() override;
    bool FontDialog(TTcpFont& font) override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void Layout();

    TTcpForm& model_;
    TTcpSocket* socket_ = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QMenu* mnuComm = nullptr;
    QAction* mnuListen = nullptr;
    QAction* mnuConnect = nullptr;
    QAction* mnuDisConnect = nullptr;
    QAction* mnuExit = nullptr;
    QAction* Font1 = nullptr;
    QTimer timVorn;
    std::size_t memoShown_ = 0;  // memo lines already on the screen
    bool syncing_ = false;
};

} // namespace vorn
