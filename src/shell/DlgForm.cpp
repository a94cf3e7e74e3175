#include "shell/DlgForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "shell/About.h"
#include "shell/BanIsi.h"
#include "shell/ImageCanvas.h"
#include "shell/Oto.h"
#include "shell/Utikata.h"

namespace vorn {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr int kDialogBack = 0xC0DCC0;

// A coloured rectangle or circle that takes mouse presses.
class TShape : public QWidget {
public:
    TShape(QWidget* parent, bool circle, int colour) : QWidget(parent), circle_(circle), colour_(colour) {}
    std::function<void()> pressed;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, circle_);
        p.setPen(Qt::black);
        p.setBrush(ColorFromBgr(colour_));
        const QRect r = rect().adjusted(0, 0, -1, -1);
        if (circle_)
            p.drawEllipse(r);
        else
            p.drawRect(r);
    }
    void mousePressEvent(QMouseEvent*) override
    {
        if (pressed)
            pressed();
    }

private:
    bool circle_;
    int colour_;
};

void Paint(QWidget& w, int colour)
{
    w.setAutoFillBackground(true);
    QPalette pal = w.palette();
    pal.setColor(QPalette::Window, ColorFromBgr(colour));
    w.setPalette(pal);
}

} // namespace

TDlgForm::TDlgForm(QWidget* parent, const char* name, int width, int height, const std::string& caption)
    : QDialog(parent), caption_(caption)
{
    setObjectName(QString::fromLatin1(name));
    setFixedSize(width, height);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QWidget* TDlgForm::Add(const char* name, TDlgControl* control, TKind kind, int x, int y, int w, int h,
                       const char* group, int colour, int maxLength)
{
    QWidget* parent = this;
    if (group != nullptr)
        if (TBinding* g = Find(group))
            parent = g->widget;
    const std::size_t index = bindings_.size();
    QWidget* widget = nullptr;
    switch (kind) {
    case kLabel: widget = new QLabel(parent); break;
    case kGroup: widget = new QGroupBox(parent); break;
    case kIcon: {
        auto* l = new QLabel(parent);
        const QIcon icon =
            QApplication::windowIcon().isNull() ? style()->standardIcon(QStyle::SP_ComputerIcon) : QApplication::windowIcon();
        l->setPixmap(icon.pixmap(w, h));
        widget = l;
        break;
    }
    case kEdit: {
        auto* e = new QLineEdit(parent);
        if (maxLength > 0)
            e->setMaxLength(maxLength);
        connect(e, &QLineEdit::textEdited, this, [this, index](const QString& t) {
            if (!syncing_)
                bindings_[index].control->Text = t.toStdString();
        });
        widget = e;
        break;
    }
    case kCombo: {
        auto* c = new QComboBox(parent);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        connect(c, &QComboBox::currentTextChanged, this, [this, index](const QString& t) {
            if (!syncing_)
                bindings_[index].control->Text = t.toStdString();
        });
        widget = c;
        break;
    }
    case kCheck:
    case kRadio: {
        QAbstractButton* b = kind == kCheck ? static_cast<QAbstractButton*>(new QCheckBox(parent))
                                            : static_cast<QAbstractButton*>(new QRadioButton(parent));
        connect(b, &QAbstractButton::toggled, this, [this, index](bool on) {
            if (!syncing_)
                bindings_[index].control->Checked = on;
        });
        widget = b;
        break;
    }
    case kButton: {
        auto* b = new QPushButton(parent);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, index] { ClickControl(bindings_[index].name); });
        widget = b;
        break;
    }
    case kRectShape:
    case kCircleShape: {
        auto* s = new TShape(parent, kind == kCircleShape, colour);
        s->pressed = [this, index] { ClickControl(bindings_[index].name); };
        widget = s;
        break;
    }
    }
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, w, h);
    bindings_.push_back(TBinding{name, control, kind, widget, {}});
    return widget;
}

TDlgForm::TBinding* TDlgForm::Find(const std::string& name)
{
    for (TBinding& b : bindings_)
        if (b.name == name)
            return &b;
    return nullptr;
}

void TDlgForm::OnClick(const char* name, std::function<bool()> handler)
{
    if (TBinding* b = Find(name))
        b->click = std::move(handler);
}

void TDlgForm::SetDefault(const char* name)
{
    if (TBinding* b = Find(name))
        if (auto* p = qobject_cast<QPushButton*>(b->widget))
            p->setDefault(true);
}

void TDlgForm::ClickControl(const std::string& name)
{
    TBinding* b = Find(name);
    if (b == nullptr || !b->click)
        return;
    const bool close = b->click();
    Sync();
    if (close && b->kind == kButton)
        accept();
}

QWidget* TDlgForm::Control(const std::string& name) const
{
    for (const TBinding& b : bindings_)
        if (b.name == name)
            return b.widget;
    return nullptr;
}

void TDlgForm::Sync()
{
    syncing_ = true;
    setWindowTitle(Q(caption_));
    for (TBinding& b : bindings_) {
        if (b.control == nullptr)
            continue;
        const TDlgControl& c = *b.control;
        const QString text = Q(c.Text);
        switch (b.kind) {
        case kLabel: static_cast<QLabel*>(b.widget)->setText(text); break;
        case kGroup: static_cast<QGroupBox*>(b.widget)->setTitle(text); break;
        case kButton: static_cast<QPushButton*>(b.widget)->setText(text); break;
        case kEdit: {
            auto* e = static_cast<QLineEdit*>(b.widget);
            if (e->text() != text)
                e->setText(text);
            break;
        }
        case kCombo: {
            auto* cb = static_cast<QComboBox*>(b.widget);
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
            auto* x = static_cast<QAbstractButton*>(b.widget);
            if (!c.Text.empty() || b.kind == kCheck)
                x->setText(text);
            // A radio button of a group can only be unticked with the
            // group's exclusion lifted for the moment.
            const bool exclusive = x->autoExclusive();
            x->setAutoExclusive(false);
            x->setChecked(c.Checked);
            x->setAutoExclusive(exclusive);
            break;
        }
        case kRectShape:
        case kCircleShape:
        case kIcon: break;
        }
        b.widget->setVisible(c.Visible);
    }
    syncing_ = false;
}

void TDlgForm::Activated()
{
    if (onActivate_)
        onActivate_();
    Sync();
}

bool TDlgForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Activated();
    return QDialog::event(e);
}

void TDlgForm::showEvent(QShowEvent* e)
{
    Activated();
    QDialog::showEvent(e);
}

// ---------------------------------------------------------------------------
// The dialogs

TDlgForm* MakeUtikataForm(QWidget* parent, TUtikataDlg& dlg)
{
    auto* f = new TDlgForm(parent, "UtikataDlg", 200, 192, dlg.Caption);
    Paint(*f, kDialogBack);
    f->setModal(false);
    f->Add("chkSikatuYomi", &dlg.chkSikatuYomi, TDlgForm::kCheck, 8, 8, 188, 22);
    f->Add("chkVsComputer", &dlg.chkVsComputer, TDlgForm::kCheck, 8, 32, 188, 22);
    f->Add("chkSakiyomi", &dlg.chkSakiyomi, TDlgForm::kCheck, 8, 56, 188, 22);
    const int edits = TUtikataDlg::kEditLength;
    f->Add("lblWide", &dlg.lblWide, TDlgForm::kLabel, 8, 88, 86, 20);
    f->Add("edtYomiWide", &dlg.edtYomiWide, TDlgForm::kEdit, 96, 86, 32, 22, nullptr, 0, edits);
    f->Add("lblDeep", &dlg.lblDeep, TDlgForm::kLabel, 8, 114, 86, 20);
    f->Add("edtYomiDeep", &dlg.edtYomiDeep, TDlgForm::kEdit, 96, 112, 32, 22, nullptr, 0, edits);
    f->Add("lblTime", &dlg.lblTime, TDlgForm::kLabel, 8, 140, 86, 20);
    f->Add("edtYomiTime", &dlg.edtYomiTime, TDlgForm::kEdit, 96, 138, 32, 22, nullptr, 0, edits);
    f->Add("lblMinute", &dlg.lblMinute, TDlgForm::kLabel, 134, 140, 60, 20);
    f->Add("OKBtn", &dlg.OKBtn, TDlgForm::kButton, 16, 164, 78, 24);
    f->Add("CancelBtn", &dlg.CancelBtn, TDlgForm::kButton, 106, 164, 78, 24);
    f->SetDefault("OKBtn");
    f->OnActivate([&dlg] { dlg.FormActivate(); });
    f->OnClick("OKBtn", [&dlg] { return dlg.OKBtnClick(); });
    f->OnClick("CancelBtn", [&dlg] { return dlg.CancelBtnClick(); });
    return f;
}

TDlgForm* MakeBanIsiForm(QWidget* parent, TBanIsiColor& dlg)
{
    auto* f = new TDlgForm(parent, "BanIsiColor", 316, 208, dlg.Caption);
    f->Add("gbBan", &dlg.gbBan, TDlgForm::kGroup, 8, 8, 160, 192);
    for (int n = 1; n <= 4; ++n) {
        const std::string rb = "rbBan" + std::to_string(n), shp = "shpBan" + std::to_string(n);
        const int top = 22 + (n - 1) * 42;
        f->Add(rb.c_str(), &dlg.rbBan[n], TDlgForm::kRadio, 8, top + 6, 18, 20, "gbBan");
        f->Add(shp.c_str(), nullptr, TDlgForm::kRectShape, 32, top, 101, 31, "gbBan", BanSwatchColor(n));
        f->OnClick(shp.c_str(), [&dlg, n] {
            dlg.shpBanMouseDown(n);
            return false;
        });
    }
    f->Add("gbIsi", &dlg.gbIsi, TDlgForm::kGroup, 176, 8, 132, 100);
    for (int n = 1; n <= 2; ++n) {
        const std::string rb = "rbIsi" + std::to_string(n), suffix = std::to_string(n);
        const int top = 22 + (n - 1) * 38;
        f->Add(rb.c_str(), &dlg.rbIsi[n], TDlgForm::kRadio, 8, top + 5, 18, 20, "gbIsi");
        f->Add(("shpKuro" + suffix).c_str(), nullptr, TDlgForm::kCircleShape, 32, top, 30, 30, "gbIsi",
               KuroSwatchColor(n));
        f->Add(("shpSiro" + suffix).c_str(), nullptr, TDlgForm::kCircleShape, 68, top, 30, 30, "gbIsi",
               SiroSwatchColor(n));
    }
    f->Add("btnOK", &dlg.btnOK, TDlgForm::kButton, 204, 150, 78, 26);
    f->SetDefault("btnOK");
    f->OnActivate([&dlg] { dlg.FormActivate(); });
    f->OnClick("btnOK", [&dlg] {
        dlg.btnOKClick();
        return true;
    });
    return f;
}

TDlgForm* MakeOtoForm(QWidget* parent, TOtoDlg& dlg)
{
    auto* f = new TDlgForm(parent, "OtoDlg", 240, 170, dlg.Caption);
    Paint(*f, kDialogBack);
    f->Add("chkOto", &dlg.chkOto, TDlgForm::kCheck, 16, 10, 208, 24);
    f->Add("lblWhite", &dlg.lblWhite, TDlgForm::kLabel, 16, 48, 84, 20);
    f->Add("cboSiroIsi", &dlg.cboSiroIsi, TDlgForm::kCombo, 100, 46, 128, 24);
    f->Add("lblBlack", &dlg.lblBlack, TDlgForm::kLabel, 16, 84, 84, 20);
    f->Add("cboKuroIsi", &dlg.cboKuroIsi, TDlgForm::kCombo, 100, 82, 128, 24);
    f->Add("OKBtn", &dlg.OKBtn, TDlgForm::kButton, 30, 130, 78, 26);
    f->Add("CancelBtn", &dlg.CancelBtn, TDlgForm::kButton, 132, 130, 78, 26);
    f->SetDefault("OKBtn");
    f->OnActivate([&dlg] { dlg.FormActivate(); });
    f->OnClick("OKBtn", [&dlg] {
        dlg.OKBtnClick();
        return true;
    });
    f->OnClick("CancelBtn", [] { return true; });
    return f;
}

TDlgForm* MakeAboutForm(QWidget* parent, TAboutBox& dlg)
{
    auto* f = new TDlgForm(parent, "AboutBox", 250, 216, dlg.Caption);
    f->Add("Panel1", nullptr, TDlgForm::kGroup, 8, 8, 233, 161);
    f->Add("ProgramIcon", nullptr, TDlgForm::kIcon, 8, 8, 33, 33, "Panel1");
    f->Add("ProductName", &dlg.ProductName, TDlgForm::kLabel, 52, 14, 176, 24, "Panel1");
    f->Add("Version", &dlg.Version, TDlgForm::kLabel, 52, 48, 176, 24, "Panel1");
    f->Add("OKButton", &dlg.OKButton, TDlgForm::kButton, 86, 178, 78, 26);
    f->SetDefault("OKButton");
    f->OnActivate([&dlg] { dlg.FormActivate(); });
    f->OnClick("OKButton", [] { return true; });
    return f;
}

} // namespace vorn
