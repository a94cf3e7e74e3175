// TComFormWindow: the serial link window ("RS232C").  A thin Qt window around
// TComForm: it shows the packet trace in its memo and runs the resend and
// engine timers that the logic switches.
#pragma once

#include <QTimer>
#include <QWidget>

#include <cstddef>

#include "shell/ComForm.h"

class QPlainTextEdit;

namespace vorn {

class TComFormWindow : public QWidget, public TComView {
    Q_OBJECT
public:
    TComFormWindow(QWidget* parent, TComForm& model);
    ~TComFormWindow() override;

    // Shows the model as it stands.
    void Changed() override;
    QPlainTextEdit* Memo() const { return Memo1; }
    QTimer& SaisouTimer() { return timSaisou; }
    QTimer& VornTimer() { return timVorn; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    TComForm& model_;
    QPlainTextEdit* Memo1 = nullptr;
    QTimer timSaisou;
    QTimer timVorn;
    std::size_t shown_ = 0;  // trace lines in the memo
    int clears_ = 0;         // the trace's clears it has seen
};

} // namespace vorn
