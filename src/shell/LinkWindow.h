// TLinkWindow: the frame the two link windows (TCP and Go server) share on
// the screen.  A main window around its logic Form: a read-only memo, an
// entry line that hands its text to Form::Edit1 and sends it on Enter, a
// status bar, the communication menu and the engine's reply timer.  Closing
// only hides the window (the link stays); a move or a resize goes to the
// logic's place and size.
//
// Form has Memo1 (the memo's lines; only the last may change once shown, or
// old lines drop from the front), Edit1, Edit1KeyDown, timVornTimer, timVorn
// (Enabled, Interval), Visible, Left, Top, Width, Height, MemoWidth,
// MemoHeight, EditTop and FormResize.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include <QCloseEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

namespace vorn {

// Hands a function to the event loop: it runs after the handler at hand has
// returned, while the context lives (the link's messages, TLinkMessages).
inline std::function<void(std::function<void()>)> LinkPoster(QObject* context)
{
    return [context](std::function<void()> fn) { QMetaObject::invokeMethod(context, std::move(fn), Qt::QueuedConnection); };
}

template <class Form>
class TLinkWindow : public QMainWindow {
public:
    QPlainTextEdit* Memo() const { return Memo1; }
    QLineEdit* Entry() const { return Edit1; }
    QTimer& VornTimer() { return timVorn; }

protected:
    // The memo, the entry line, the status bar, the menu and the timer.
    TLinkWindow(QWidget* parent, Form& model, const char* name) : QMainWindow(parent, Qt::Window), model_(model)
    {
        setObjectName(QString::fromLatin1(name));
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
        timVorn.setObjectName(QStringLiteral("timVorn"));
        connect(&timVorn, &QTimer::timeout, this, [this] { model_.timVornTimer(); });
    }

    // The place read by the logic.
    void PlaceFromModel() { setGeometry(model_.Left, model_.Top, model_.Width, model_.Height); }

    // Shown or hidden as the logic says.
    void VisibleSync()
    {
        if (model_.Visible && !isVisible())
            show();
        else if (!model_.Visible && isVisible())
            hide();
    }

    // The memo follows the logic's lines, as plain text, and shows the last
    // of them whenever they change.
    void MemoSync()
    {
        const std::vector<std::string>& lines = model_.Memo1;
        bool changed = false;
        // Old lines dropped from the model: shown anew.
        if (lines.size() < memoShown_) {
            Memo1->clear();
            memoShown_ = 0;
            changed = true;
        }
        // The last line shown may have grown (a prompt still open).
        if (memoShown_ > 0 && lines[memoShown_ - 1] != memoLast_) {
            QTextCursor c(Memo1->document()->lastBlock());
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            c.insertText(QString::fromStdString(lines[memoShown_ - 1]));
            memoLast_ = lines[memoShown_ - 1];
            changed = true;
        }
        for (; memoShown_ < lines.size(); ++memoShown_) {
            Memo1->appendPlainText(QString::fromStdString(lines[memoShown_]));
            memoLast_ = lines[memoShown_];
            changed = true;
        }
        // The memo's own scrolling follows only while its last line is in
        // sight, which a line that wraps ends for good; and a memo filled
        // while hidden shows its cursor when shown, so the cursor goes to
        // the end too.
        if (changed) {
            Memo1->moveCursor(QTextCursor::End);
            Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
        }
    }

    // The memo and the entry line where the logic places them.
    void Layout(int editHeight)
    {
        Memo1->setGeometry(0, 0, std::max(model_.MemoWidth, 1), std::max(model_.MemoHeight, 1));
        Edit1->setGeometry(0, std::max(model_.EditTop, 0), std::max(model_.MemoWidth, 1), editHeight);
    }

    // The timer follows the logic's.
    void TimerSync()
    {
        if (timVorn.interval() != model_.timVorn.Interval)
            timVorn.setInterval(model_.timVorn.Interval);
        if (model_.timVorn.Enabled && !timVorn.isActive())
            timVorn.start();
        else if (!model_.timVorn.Enabled && timVorn.isActive())
            timVorn.stop();
    }

    void closeEvent(QCloseEvent* e) override
    {
        // Closing only hides the window; the link stays.
        model_.Visible = false;
        e->accept();
    }

    void moveEvent(QMoveEvent* e) override
    {
        QMainWindow::moveEvent(e);
        if (isVisible()) {
            model_.Left = x();
            model_.Top = y();
        }
    }

    void resizeEvent(QResizeEvent* e) override
    {
        QMainWindow::resizeEvent(e);
        if (!syncing_)
            model_.FormResize(width(), height());
    }

    Form& model_;
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QMenu* mnuComm = nullptr;
    QTimer timVorn;
    bool syncing_ = false;       // the window is being set from the logic
    std::size_t memoShown_ = 0;  // memo lines on the screen
    std::string memoLast_;       // the last of them as shown (it may still grow)
};

} // namespace vorn
