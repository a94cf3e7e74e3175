// TNngsWindow: the Go-server window on the screen.  A thin Qt window around
// the logic TNngsForm: memo (plain text: what the server sends is never
// taken for markup), entry line, status bar, menu and the engine's reply
// timer; it owns the server socket and the host dialog's window.
#pragma once

#include <QMainWindow>
#include <QTimer>

#include <cstddef>
#include <string>

#include "shell/NngsF.h"

class QAction;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QStatusBar;

namespace vorn {

class TNngsConnectWindow;
class TNngsSocket;

class TNngsWindow : public QMainWindow, public TNngsView {
    Q_OBJECT
public:
    // Creates the socket and the host dialog and reads the settings.
    TNngsWindow(QWidget* parent, TNngsForm& model, int mainWidth);
    // Writes the settings back; the socket closes.
    ~TNngsWindow() override;

    TNngsSocket& Socket() { return *socket_; }
    TNngsConnectWindow& ConnectWindow() { return *connect_; }
    QPlainTextEdit* Memo() const { return Memo1; }
    QLineEdit* Entry() const { return Edit1; }
    QTimer& VornTimer() { return timVorn; }

    // TNngsView
    void Changed() override;
    void TimerChanged() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Layout();
    void MemoSync();

    TNngsForm& model_;
    TNngsSocket* socket_ = nullptr;
    TNngsConnectWindow* connect_ = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QMenu* mnuComm = nullptr;
    QAction* mnuConnect = nullptr;
    QAction* mnuHost = nullptr;
    QTimer timVorn;
    std::size_t memoShown_ = 0;  // memo lines on the screen
    std::string memoLast_;       // the last of them as shown (it may still grow)
    bool syncing_ = false;
};

} // namespace vorn
