// TNngsConnectWindow: the Go-server host dialog on the screen, a thin Qt
// dialog around TNngsConnectForm: the label, the host entry (30 characters
// at most), OK (the default button) and Cancel.
#pragma once

#include <QDialog>

#include "shell/NngsConnect.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorn {

class TNngsConnectWindow : public QDialog, public TNngsConnectView {
    Q_OBJECT
public:
    TNngsConnectWindow(QWidget* parent, TNngsConnectForm& model);
    ~TNngsConnectWindow() override;

    QLineEdit* HostEntry() const { return edtHost; }
    QPushButton* OkButton() const { return OKBtn; }
    QPushButton* CancelButton() const { return CancelBtn; }

    // TNngsConnectView
    void Changed() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void reject() override;

private:
    TNngsConnectForm& model_;
    QLabel* lblHost = nullptr;
    QLineEdit* edtHost = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    bool syncing_ = false;
};

} // namespace vorn
