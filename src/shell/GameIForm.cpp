#include "shell/GameIForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPushButton>
#include <QRadioButton>

#include "shell/Canvas.h"
#include "shell/ImageCanvas.h"

namespace vorn {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr int kDesignHeight = 272;

} // namespace

TGameInfoForm::TGameInfoForm(QWidget* parent, TGameInfo& model) : QDialog(parent), model_(model)
{
    setObjectName(QStringLiteral("GameInfo"));
    setModal(false);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ColorFromBgr(0xC0DCC0));
    setPalette(pal);
    Build();
    Sync();
}

void TGameInfoForm::Build()
{
    using G = TGameInfo;
    // The group box first, so that its radio buttons lie above it.
    bindings_ = {
        {"RadioGroup1", &G::RadioGroup1, kGroup, 345, 54, 112, 106},
        {"lblGameName", &G::lblGameName, kLabel, 8, 10, 62, 20},
        {"edtGameName", &G::edtGameName, kEdit, 72, 8, 237, 22},
        {"lblPlayer", &G::lblPlayer, kLabel, 40, 36, 100, 18},
        {"lblKyu", &G::lblKyu, kLabel, 166, 36, 44, 18},
        {"lblHama", &G::lblHama, kLabel, 214, 36, 40, 18},
        {"lblTime", &G::lblTime, kLabel, 256, 36, 80, 18},
        {"lblSiro", &G::lblSiro, kLabel, 8, 58, 32, 20},
        {"cmbWhitePlayer", &G::cmbWhitePlayer, kCombo, 40, 56, 121, 22},
        {"edtWhitePlayer", &G::edtWhitePlayer, kEdit, 40, 56, 105, 22},
        {"edtWhiteKyu", &G::edtWhiteKyu, kEdit, 166, 56, 44, 22},
        {"edtWhiteHama", &G::edtWhiteHama, kEdit, 214, 56, 38, 22},
        {"edtWhiteTime", &G::edtWhiteTime, kEdit, 256, 56, 80, 22},
        {"lblKuro", &G::lblKuro, kLabel, 8, 86, 32, 20},
        {"cmbBlackPlayer", &G::cmbBlackPlayer, kCombo, 40, 84, 121, 22},
        {"edtBlackPlayer", &G::edtBlackPlayer, kEdit, 40, 84, 105, 22},
        {"edtBlackKyu", &G::edtBlackKyu, kEdit, 166, 84, 44, 22},
        {"edtBlackHama", &G::edtBlackHama, kEdit, 214, 84, 38, 22},
        {"edtBlackTime", &G::edtBlackTime, kEdit, 256, 84, 80, 22},
        {"lblTeai", &G::lblTeai, kLabel, 8, 118, 62, 20},
        {"cmbTeai", &G::cmbTeai, kCombo, 72, 116, 90, 22},
        {"edtTeai", &G::edtTeai, kEdit, 72, 116, 90, 22},
        {"lblKomi", &G::lblKomi, kLabel, 176, 118, 36, 20},
        {"edtKomi", &G::edtKomi, kEdit, 214, 116, 50, 22},
        {"lblDate", &G::lblDate, kLabel, 8, 148, 62, 20},
        {"edtDate", &G::edtDate, kEdit, 72, 146, 100, 22},
        {"lblPlace", &G::lblPlace, kLabel, 176, 148, 36, 20},
        {"edtPlace", &G::edtPlace, kEdit, 214, 146, 122, 22},
        {"lblBanSize", &G::lblBanSize, kLabel, 8, 178, 62, 20},
        {"cmbBan", &G::cmbBan, kCombo, 72, 176, 90, 22},
        {"edtBan", &G::edtBan, kEdit, 72, 176, 90, 22},
        {"lblResult", &G::lblResult, kLabel, 8, 208, 62, 20},
        {"edtResult", &G::edtResult, kEdit, 72, 206, 264, 22},
        {"btnOK", &G::btnOK, kButton, 130, 238, 80, 26},
        {"btnCancel", &G::btnCancel, kButton, 230, 238, 80, 26},
        {"chkComm", &G::chkComm, kCheck, 345, 8, 115, 20},
        {"chkAiteWhite", &G::chkAiteWhite, kCheck, 345, 30, 115, 20},
        {"rdoCom1", &G::rdoCom1, kRadio, 355, 74, 95, 20},
        {"rdoCom2", &G::rdoCom2, kRadio, 355, 95, 95, 20},
        {"rdoTcpip", &G::rdoTcpip, kRadio, 355, 116, 95, 20},
        {"rdoNNGS", &G::rdoNNGS, kRadio, 355, 137, 95, 20},
        {"chkRenzoku", &G::chkRenzoku, kCheck, 345, 168, 115, 20},
    };
    for (TBinding& b : bindings_) {
        const std::string name = b.name;
        switch (b.kind) {
        case kLabel: b.widget = new QLabel(this); break;
        case kGroup: b.widget = new QGroupBox(this); break;
        case kEdit: {
            auto* e = new QLineEdit(this);
            if (name.find("Kyu") != std::string::npos)
                e->setMaxLength(4);
            if (name.find("Hama") != std::string::npos)
                e->setMaxLength(3);
            connect(e, &QLineEdit::textEdited, this, [this, &b](const QString& t) { Edited(b, t); });
            b.widget = e;
            break;
        }
        case kCombo: {
            auto* c = new QComboBox(this);
            c->setEditable(true);
            connect(c, &QComboBox::currentTextChanged, this, [this, &b](const QString& t) { Edited(b, t); });
            b.widget = c;
            break;
        }
        case kCheck:
        case kRadio: {
            QAbstractButton* c = b.kind == kCheck ? static_cast<QAbstractButton*>(new QCheckBox(this))
                                                  : static_cast<QAbstractButton*>(new QRadioButton(this));
            connect(c, &QAbstractButton::toggled, this, [this, &b](bool on) {
                if (!syncing_)
                    (model_.*b.member).Checked = on;
            });
            b.widget = c;
            break;
        }
        case kButton: {
            auto* p = new QPushButton(this);
            connect(p, &QPushButton::clicked, this, [this, name] {
                if (name == "btnOK")
                    model_.btnOKClick();
                else
                    model_.btnCancelClick();
            });
            b.widget = p;
            break;
        }
        }
        b.widget->setObjectName(QString::fromLatin1(b.name));
    }
}

void TGameInfoForm::Edited(const TBinding& b, const QString& text)
{
    if (syncing_)
        return;
    (model_.*b.member).Text = text.toStdString();
    const std::string name = b.name;
    if (name == "cmbWhitePlayer")
        model_.cmbWhitePlayerChange();
    else if (name == "cmbBlackPlayer")
        model_.cmbBlackPlayerChange();
    else if (name == "cmbTeai")
        model_.cmbTeaiChange();
    else if (name == "cmbBan")
        model_.cmbBanChange();
}

void TGameInfoForm::Apply(TBinding& b)
{
    const TDlgControl& c = model_.*b.member;
    QWidget* w = b.widget;
    w->setGeometry(c.Left >= 0 ? c.Left : b.x, b.y, c.Width >= 0 ? c.Width : b.w, b.h);
    w->setVisible(c.Visible);
    const QString text = Q(c.Text);
    switch (b.kind) {
    case kLabel: static_cast<QLabel*>(w)->setText(text); break;
    case kGroup: static_cast<QGroupBox*>(w)->setTitle(text); break;
    case kEdit: {
        auto* e = static_cast<QLineEdit*>(w);
        if (e->text() != text)
            e->setText(text);
        e->setReadOnly(c.ReadOnly);
        break;
    }
    case kCombo: {
        auto* cb = static_cast<QComboBox*>(w);
        QStringList items;
        for (const std::string& i : c.Items)
            items << Q(i);
        QStringList now;
        for (int i = 0; i < cb->count(); ++i)
            now << cb->itemText(i);
        if (now != items) {
            cb->clear();
            cb->addItems(items);
        }
        if (cb->currentText() != text)
            cb->setEditText(text);
        break;
    }
    case kCheck:
    case kRadio: {
        auto* x = static_cast<QAbstractButton*>(w);
        x->setText(text);
        x->setChecked(c.Checked);
        break;
    }
    case kButton: static_cast<QPushButton*>(w)->setText(text); break;
    }
}

void TGameInfoForm::Sync()
{
    syncing_ = true;
    setWindowTitle(Q(model_.Caption));
    for (TBinding& b : bindings_)
        Apply(b);
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    setFixedSize(model_.DesignWidth * dpi / 96, kDesignHeight);
    if (model_.Visible && !isVisible()) {
        move(model_.Left, model_.Top);
        show();
    } else if (!model_.Visible && isVisible()) {
        hide();
    }
    syncing_ = false;
}

QWidget* TGameInfoForm::Control(const std::string& name) const
{
    for (const TBinding& b : bindings_)
        if (name == b.name)
            return b.widget;
    return nullptr;
}

void TGameInfoForm::closeEvent(QCloseEvent* e)
{
    if (model_.Visible)
        model_.FormClose();
    e->accept();
}

void TGameInfoForm::reject()
{
    if (model_.Visible)
        model_.FormClose();
    QDialog::reject();
}

void TGameInfoForm::moveEvent(QMoveEvent* e)
{
    QDialog::moveEvent(e);
    if (isVisible()) {
        model_.Left = x();
        model_.Top = y();
    }
}

} // namespace vorn
