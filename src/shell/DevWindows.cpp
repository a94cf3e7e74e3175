#include "shell/DevWindows.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/DevViews.h"
#include "shell/MainCtl.h"

namespace vorn {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The face of the views' texts: the Japanese one the main board uses.
QFont ViewFont(int pixelHeight)
{
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"), f.family()});
    f.setPixelSize(pixelHeight);
    return f;
}

// The background of a form without one of its own.
constexpr int clBtnFace = 0xF0F0F0;

} // namespace

// ---------------------------------------------------------------------------

TDevMapWindow::TDevMapWindow(QWidget* parent, const char* name, const char* caption, TSideForm& model,
                             int background, int fontHeight, THandlers handlers)
    : QWidget(parent, Qt::Window), model_(model), background_(background), handlers_(std::move(handlers))
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromUtf8(caption));
    canvas_.SetTarget(this);
    canvas_.SetFont(ViewFont(fontHeight));
    SideGeometryApply(*this, model_.Geometry);
}

void TDevMapWindow::Repaint()
{
    canvas_.Resize(width(), height());
    canvas_.FillRect(0, 0, width(), height(), background_);
    handlers_.paint(canvas_);
    update();
}

void TDevMapWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, canvas_.Image());
}

void TDevMapWindow::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Repaint();
}

void TDevMapWindow::mousePressEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    handlers_.click(canvas_, at.x(), at.y());
    update();
}

void TDevMapWindow::closeEvent(QCloseEvent* e)
{
    handlers_.close();
    e->accept();
}

// ---------------------------------------------------------------------------

TDevInfoWindow::TDevInfoWindow(QWidget* parent, const char* name, const char* caption, TSideForm& model,
                               std::vector<TInfoControl> controls, std::function<void()> after)
    : QWidget(parent, Qt::Window), model_(model), controls_(std::move(controls))
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromUtf8(caption));
    setFont(ViewFont(12));
    auto* top = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* fields = new QGridLayout;
    // The lists three to a row beside the fields.
    auto* lists = new QGridLayout;
    left->addLayout(fields);
    top->addLayout(left);
    top->addLayout(lists, 1);
    int row = 0, listCount = 0;
    for (const TInfoControl& c : controls_) {
        QWidget* w = nullptr;
        switch (c.kind) {
        case TInfoControl::kEdit: {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(true);
            fields->addWidget(new QLabel(Q(c.label), this), row, 0);
            fields->addWidget(edit, row++, 1);
            w = edit;
            break;
        }
        case TInfoControl::kList: {
            auto* box = new QVBoxLayout;
            box->addWidget(new QLabel(Q(c.label), this));
            auto* list = new QListWidget(this);
            box->addWidget(list, 1);
            lists->addLayout(box, listCount / 3, listCount % 3);
            ++listCount;
            w = list;
            break;
        }
        case TInfoControl::kButton: {
            if (!c.label.empty())
                left->addWidget(new QLabel(Q(c.label), this));
            auto* button = new QPushButton(this);
            const std::function<void()> click = c.click;
            connect(button, &QPushButton::clicked, this, [click, after] {
                click();
                after();
            });
            left->addWidget(button);
            w = button;
            break;
        }
        case TInfoControl::kLabel: {
            auto* label = new QLabel(Q(c.label), this);
            left->addWidget(label);
            w = label;
            break;
        }
        }
        w->setObjectName(QString::fromLatin1(c.name));
        widgets_[c.name] = w;
    }
    left->addStretch(1);
    SideGeometryApply(*this, model_.Geometry);
    Sync();
}

void TDevInfoWindow::Sync()
{
    for (const TInfoControl& c : controls_) {
        QWidget* w = widgets_[c.name];
        if (c.kind == TInfoControl::kEdit)
            static_cast<QLineEdit*>(w)->setText(Q(*c.text));
        else if (c.kind == TInfoControl::kButton)
            static_cast<QPushButton*>(w)->setText(Q(*c.text));
        else if (c.kind == TInfoControl::kList) {
            auto* list = static_cast<QListWidget*>(w);
            list->clear();
            for (const std::string& line : *c.items)
                list->addItem(Q(line));
        }
    }
    if (model_.Visible && !isVisible())
        show();
}

QWidget* TDevInfoWindow::Control(const std::string& name) const
{
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

void TDevInfoWindow::closeEvent(QCloseEvent* e)
{
    model_.Visible = false;
    e->accept();
}

// ---------------------------------------------------------------------------

THyokaWindow::THyokaWindow(QWidget* parent, THyokaF& model, std::function<void()> close)
    : QMainWindow(parent, Qt::Window), model_(model), close_(std::move(close))
{
    setObjectName(QStringLiteral("HyokaF"));
    setWindowTitle(QString::fromUtf8(THyokaF::kCaption));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    setCentralWidget(Memo1);
    mnuHyoka = menuBar()->addAction(QString::fromUtf8(THyokaF::kHyokaCaption));
    mnuHyoka->setObjectName(QStringLiteral("mnuHyoka"));
    mnuClear = menuBar()->addAction(QString::fromUtf8(THyokaF::kClearCaption));
    mnuClear->setObjectName(QStringLiteral("mnuClear"));
    connect(mnuHyoka, &QAction::triggered, this, [this] {
        model_.mnuHyokaClick();
        Sync();
    });
    connect(mnuClear, &QAction::triggered, this, [this] {
        model_.mnuClearClick();
        Sync();
    });
    SideGeometryApply(*this, model_.Geometry);
}

void THyokaWindow::Sync()
{
    QString text;
    for (const std::string& line : model_.Memo) {
        if (!text.isEmpty())
            text += '\n';
        text += Q(line);
    }
    Memo1->setPlainText(text);
    Memo1->moveCursor(QTextCursor::End);
}

QAction* THyokaWindow::Action(const std::string& name) const
{
    return name == "mnuHyoka" ? mnuHyoka : name == "mnuClear" ? mnuClear : nullptr;
}

void THyokaWindow::closeEvent(QCloseEvent* e)
{
    close_();
    e->accept();
}

// ---------------------------------------------------------------------------

TDevWindows::TDevWindows(QWidget* parent, TMainCtl& ctl) : views_(ctl.DevViews)
{
    TDevViews& v = views_;
    auto closer = [this](const char* item) { return [this, item] { views_.FormClose(item); }; };
    auto mapClick = [this](auto click) {
        return [this, click](TCanvas&, int px, int py) {
            click(px, py);
            SyncInfos();
        };
    };
    maps_["mnuRen"] = new TDevMapWindow(
        parent, "RenForm", TRenForm::kCaption, v.RenForm, clBtnFace, TRenForm::kFontHeight,
        {[&v = views_](TCanvas& c) { v.RenForm.FormPaint(c); },
         mapClick([&v = views_](int px, int py) { v.RenForm.FormMouseDown(px, py); }), closer("mnuRen")});
    maps_["mnuGun"] = new TDevMapWindow(
        parent, "GunForm", TGunForm::kCaption, v.GunForm, clBtnFace, TRenForm::kFontHeight,
        {[&v = views_](TCanvas& c) { v.GunForm.FormPaint(c); },
         mapClick([&v = views_](int px, int py) { v.GunForm.FormMouseDown(px, py); }), closer("mnuGun")});
    maps_["mnuJi"] = new TDevMapWindow(
        parent, "JiForm", TJiForm::kCaption, v.JiForm, clBtnFace, TRenForm::kFontHeight,
        {[&v = views_](TCanvas& c) { v.JiForm.FormPaint(c); },
         mapClick([&v = views_](int px, int py) { v.JiForm.FormMouseDown(px, py); }), closer("mnuJi")});
    maps_["mnuLocate"] = new TDevMapWindow(
        parent, "LocateForm", TLocateForm::kCaption, v.LocateForm, TLocateForm::kBackColor,
        TLocateForm::kFontHeight,
        {[&v = views_](TCanvas& c) { v.LocateForm.FormPaint(c); },
         [&v = views_](TCanvas& c, int px, int py) { v.LocateForm.FormMouseDown(c, px, py); }, closer("mnuLocate")});
    auto sync = [this] { SyncInfos(); };
    infos_["RenInfo"] =
        new TDevInfoWindow(parent, "RenInfo", TRenInfo::kCaption, v.RenInfo, v.RenInfo.Controls(), sync);
    infos_["GunInfo"] =
        new TDevInfoWindow(parent, "GunInfo", TGunInfo::kCaption, v.GunInfo, v.GunInfo.Controls(), sync);
    infos_["JiInfo"] = new TDevInfoWindow(parent, "JiInfo", TJiInfo::kCaption, v.JiInfo, v.JiInfo.Controls(), sync);
    hyoka_ = new THyokaWindow(parent, v.Hyoka, closer("mnuHyoka"));
    all_ = {
        {maps_["mnuRen"], &v.RenForm},       {maps_["mnuGun"], &v.GunForm},     {maps_["mnuJi"], &v.JiForm},
        {maps_["mnuLocate"], &v.LocateForm}, {infos_["RenInfo"], &v.RenInfo}, {infos_["GunInfo"], &v.GunInfo},
        {infos_["JiInfo"], &v.JiInfo},       {hyoka_, &v.Hyoka},
    };
}

TDevWindows::~TDevWindows()
{
    for (const TEntry& e : all_)
        delete e.window;
}

void TDevWindows::Show(const std::string& menuItem, bool on)
{
    TSideForm* model = views_.Window(menuItem);
    if (model == nullptr)
        return;
    model->Visible = on;
    QWidget* w = menuItem == "mnuHyoka" ? static_cast<QWidget*>(hyoka_) : Map(menuItem);
    if (!on) {
        w->hide();
        return;
    }
    if (menuItem == "mnuHyoka")
        hyoka_->Sync();
    else
        Map(menuItem)->Repaint();
    w->show();
}

void TDevWindows::Refresh()
{
    for (auto& [item, map] : maps_)
        if (map->isVisible())
            map->Repaint();
}

void TDevWindows::LocateDrawText(Point p, const std::string& text, int colour)
{
    TDevMapWindow* w = maps_["mnuLocate"];
    if (!w->isVisible())
        return;
    views_.LocateForm.DrawText(w->Canvas(), text, p, colour);
    w->update();
}

void TDevWindows::LocateShowDirection()
{
    TDevMapWindow* w = maps_["mnuLocate"];
    if (!w->isVisible())
        return;
    views_.LocateForm.ShowDirection(w->Canvas());
    w->update();
}

void TDevWindows::StoreGeometry()
{
    for (const TEntry& e : all_)
        e.model->Geometry = SideGeometryOf(*e.window);
}

void TDevWindows::SyncInfos()
{
    for (auto& [name, info] : infos_)
        info->Sync();
}

TDevMapWindow* TDevWindows::Map(const std::string& menuItem) const
{
    const auto it = maps_.find(menuItem);
    return it == maps_.end() ? nullptr : it->second;
}

TDevInfoWindow* TDevWindows::Info(const std::string& name) const
{
    const auto it = infos_.find(name);
    return it == infos_.end() ? nullptr : it->second;
}

} // namespace vorn
