#include "shell/NngsConnectWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vorn {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

TNngsConnectWindow::TNngsConnectWindow(QWidget* parent, TNngsConnectForm& model)
    : QDialog(parent), model_(model)
{
    setObjectName(QStringLiteral("NngsConnectForm"));
    setModal(false);
    lblHost = new QLabel(this);
    lblHost->setGeometry(8, 12, 60, 20);
    edtHost = new QLineEdit(this);
    edtHost->setObjectName(QStringLiteral("edtHost"));
    edtHost->setMaxLength(TNngsConnectForm::kHostMax);
    edtHost->setGeometry(72, 10, 200, 22);
    connect(edtHost, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (!syncing_)
            model_.SetHost(t.toStdString());
    });
    OKBtn = new QPushButton(this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    OKBtn->setGeometry(112, 44, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        model_.SetHost(edtHost->text().toStdString());
        model_.OKBtnClick();
    });
    CancelBtn = new QPushButton(this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(196, 44, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, [this] { model_.CancelBtnClick(); });
    setFixedSize(284, 80);
    model_.SetView(this);
    Changed();
}

TNngsConnectWindow::~TNngsConnectWindow() { model_.SetView(nullptr); }

void TNngsConnectWindow::Changed()
{
    syncing_ = true;
    setWindowTitle(Q(model_.Caption));
    lblHost->setText(Q(model_.lblHost));
    OKBtn->setText(Q(model_.OKBtn));
    CancelBtn->setText(Q(model_.CancelBtn));
    if (edtHost->text() != Q(model_.edtHost))
        edtHost->setText(Q(model_.edtHost));
    if (model_.Visible && !isVisible()) {
        move(model_.Left, model_.Top);
        show();
    } else if (!model_.Visible && isVisible()) {
        hide();
    }
    syncing_ = false;
}

void TNngsConnectWindow::closeEvent(QCloseEvent* e)
{
    model_.Visible = false;
    e->accept();
}

void TNngsConnectWindow::moveEvent(QMoveEvent* e)
{
    QDialog::moveEvent(e);
    if (isVisible()) {
        model_.Left = x();
        model_.Top = y();
    }
}

void TNngsConnectWindow::reject()
{
    // Escape is the cancel button.
    model_.CancelBtnClick();
}

} // namespace vorn
