#include "shell/GameIForm.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

#include "shell/Canvas.h"
#include "shell/ImageCanvas.h"

namespace vorn {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The narrowest design that shows the link options (the new-game dialog's).
constexpr int kLinksWidth = 400;

// Room for a sample text in an edit field, with its frame.
void RoomFor(QWidget* w, const QString& sample)
{
    w->setMinimumWidth(w->fontMetrics().horizontalAdvance(sample) + 14);
}

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
    Arrange();
    Sync();
}

void TGameInfoForm::Build()
{
    using G = TGameInfo;
    bindings_ = {
        {"RadioGroup1", &G::RadioGroup1, kGroup},      {"lblGameName", &G::lblGameName, kLabel},
        {"edtGameName", &G::edtGameName, kEdit},       {"lblPlayer", &G::lblPlayer, kLabel},
        {"lblKyu", &G::lblKyu, kLabel},                {"lblHama", &G::lblHama, kLabel},
        {"lblTime", &G::lblTime, kLabel},              {"lblSiro", &G::lblSiro, kLabel},
        {"cmbWhitePlayer", &G::cmbWhitePlayer, kCombo}, {"edtWhitePlayer", &G::edtWhitePlayer, kEdit},
        {"edtWhiteKyu", &G::edtWhiteKyu, kEdit},       {"edtWhiteHama", &G::edtWhiteHama, kEdit},
        {"edtWhiteTime", &G::edtWhiteTime, kEdit},     {"lblKuro", &G::lblKuro, kLabel},
        {"cmbBlackPlayer", &G::cmbBlackPlayer, kCombo}, {"edtBlackPlayer", &G::edtBlackPlayer, kEdit},
        {"edtBlackKyu", &G::edtBlackKyu, kEdit},       {"edtBlackHama", &G::edtBlackHama, kEdit},
        {"edtBlackTime", &G::edtBlackTime, kEdit},     {"lblTeai", &G::lblTeai, kLabel},
        {"cmbTeai", &G::cmbTeai, kCombo},              {"edtTeai", &G::edtTeai, kEdit},
        {"lblKomi", &G::lblKomi, kLabel},              {"edtKomi", &G::edtKomi, kEdit},
        {"lblDate", &G::lblDate, kLabel},              {"edtDate", &G::edtDate, kEdit},
        {"lblPlace", &G::lblPlace, kLabel},            {"edtPlace", &G::edtPlace, kEdit},
        {"lblBanSize", &G::lblBanSize, kLabel},        {"cmbBan", &G::cmbBan, kCombo},
        {"edtBan", &G::edtBan, kEdit},                 {"lblResult", &G::lblResult, kLabel},
        {"edtResult", &G::edtResult, kEdit},           {"btnOK", &G::btnOK, kButton},
        {"btnCancel", &G::btnCancel, kButton},         {"chkComm", &G::chkComm, kCheck},
        {"chkAiteWhite", &G::chkAiteWhite, kCheck},    {"rdoCom1", &G::rdoCom1, kRadio},
        {"rdoCom2", &G::rdoCom2, kRadio},              {"rdoTcpip", &G::rdoTcpip, kRadio},
        {"rdoNNGS", &G::rdoNNGS, kRadio},              {"chkRenzoku", &G::chkRenzoku, kCheck},
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
            c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
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

void TGameInfoForm::Arrange()
{
    auto w = [this](const char* name) { return Control(name); };
    RoomFor(w("edtGameName"), QStringLiteral("WWWWWWWWWWWWWWWWWW"));
    for (const char* n : {"edtWhitePlayer", "edtBlackPlayer", "cmbWhitePlayer", "cmbBlackPlayer"})
        RoomFor(w(n), QStringLiteral("WWWWWWWWW"));
    for (const char* n : {"edtWhiteKyu", "edtBlackKyu"})
        RoomFor(w(n), QStringLiteral("99級"));
    for (const char* n : {"edtWhiteHama", "edtBlackHama"})
        RoomFor(w(n), QStringLiteral("999"));
    for (const char* n : {"edtWhiteTime", "edtBlackTime"})
        RoomFor(w(n), QStringLiteral("00:00:00.0"));
    RoomFor(w("edtKomi"), QStringLiteral("-99.5"));
    RoomFor(w("edtDate"), QStringLiteral("2000/12/31"));
    RoomFor(w("edtTeai"), QStringLiteral("風鈴中"));
    RoomFor(w("edtBan"), QStringLiteral("１９路盤"));
    RoomFor(w("edtPlace"), QStringLiteral("WWWWWWW"));

    // The game: a grid of captions and fields; a combo box and the field
    // that stands in its place once the game runs share one cell.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    grid->addWidget(w("lblGameName"), 0, 0);
    grid->addWidget(w("edtGameName"), 0, 1, 1, 4);
    grid->addWidget(w("lblPlayer"), 1, 1);
    grid->addWidget(w("lblKyu"), 1, 2);
    grid->addWidget(w("lblHama"), 1, 3);
    grid->addWidget(w("lblTime"), 1, 4);
    const char* const rows[2][6] = {
        {"lblSiro", "cmbWhitePlayer", "edtWhitePlayer", "edtWhiteKyu", "edtWhiteHama", "edtWhiteTime"},
        {"lblKuro", "cmbBlackPlayer", "edtBlackPlayer", "edtBlackKyu", "edtBlackHama", "edtBlackTime"},
    };
    for (int r = 0; r < 2; ++r) {
        grid->addWidget(w(rows[r][0]), 2 + r, 0);
        grid->addWidget(w(rows[r][1]), 2 + r, 1);
        grid->addWidget(w(rows[r][2]), 2 + r, 1);
        for (int c = 3; c < 6; ++c)
            grid->addWidget(w(rows[r][c]), 2 + r, c - 1);
    }
    grid->addWidget(w("lblTeai"), 4, 0);
    grid->addWidget(w("cmbTeai"), 4, 1);
    grid->addWidget(w("edtTeai"), 4, 1);
    grid->addWidget(w("lblKomi"), 4, 2, Qt::AlignRight);
    grid->addWidget(w("edtKomi"), 4, 3);
    grid->addWidget(w("lblDate"), 5, 0);
    grid->addWidget(w("edtDate"), 5, 1);
    grid->addWidget(w("lblPlace"), 5, 2, Qt::AlignRight);
    grid->addWidget(w("edtPlace"), 5, 3, 1, 2);
    grid->addWidget(w("lblBanSize"), 6, 0);
    grid->addWidget(w("cmbBan"), 6, 1);
    grid->addWidget(w("edtBan"), 6, 1);
    grid->addWidget(w("lblResult"), 7, 0);
    grid->addWidget(w("edtResult"), 7, 1, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(w("btnOK"));
    buttons->addWidget(w("btnCancel"));
    buttons->addStretch();
    grid->addLayout(buttons, 8, 0, 1, 5);

    // The link options.
    links_ = new QWidget(this);
    links_->setObjectName(QStringLiteral("links"));
    auto* side = new QVBoxLayout(links_);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(w("chkComm"));
    side->addWidget(w("chkAiteWhite"));
    auto* group = static_cast<QGroupBox*>(w("RadioGroup1"));
    auto* radios = new QVBoxLayout(group);
    for (const char* n : {"rdoCom1", "rdoCom2", "rdoTcpip", "rdoNNGS"}) {
        w(n)->setParent(group);
        radios->addWidget(w(n));
    }
    side->addWidget(group);
    side->addWidget(w("chkRenzoku"));
    side->addStretch();

    auto* all = new QHBoxLayout(this);
    all->setSizeConstraint(QLayout::SetFixedSize);
    all->addLayout(grid);
    all->addSpacing(8);
    all->addWidget(links_);
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
    // The new-game dialog's design is wide enough for the link options; the
    // dialog of a running game or an exam is not.
    links_->setVisible(model_.DesignWidth >= kLinksWidth);
    if (model_.Visible && !isVisible()) {
        layout()->activate();
        move(Place());
        show();
    } else if (!model_.Visible && isVisible()) {
        hide();
    }
    syncing_ = false;
}

QPoint TGameInfoForm::Place() const
{
    const QPoint kept(model_.Left, model_.Top);
    const QWidget* main = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (main == nullptr || !main->isVisible())
        return kept;
    const QRect m = main->frameGeometry();
    const QSize size = sizeHint();
    if (!QRect(kept, size).intersects(m))
        return kept;
    // Right of the main window, else left of it, else as far right as the
    // screen allows.
    const QRect screen = main->screen() != nullptr ? main->screen()->availableGeometry() : QRect(kept, size);
    if (m.right() + 1 + size.width() <= screen.right() + 1)
        return QPoint(m.right() + 1, m.top());
    if (m.left() - size.width() >= screen.left())
        return QPoint(m.left() - size.width(), m.top());
    return QPoint(std::max(screen.left(), screen.right() + 1 - size.width()), m.top());
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
