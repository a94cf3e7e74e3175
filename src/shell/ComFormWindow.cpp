#include "shell/ComFormWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>

#include "shell/LinkWindow.h"

namespace vorn {

TComFormWindow::TComFormWindow(QWidget* parent, TComForm& model) : QWidget(parent, Qt::Window), model_(model)
{
    setObjectName(QStringLiteral("ComForm"));
    setWindowTitle(QStringLiteral("RS232C"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
    timSaisou.setObjectName(QStringLiteral("timSaisou"));
    timVorn.setObjectName(QStringLiteral("timVorn"));
    connect(&timSaisou, &QTimer::timeout, this, [this] { model_.timSaisouTimer(); });
    connect(&timVorn, &QTimer::timeout, this, [this] { model_.timVornTimer(); });
    model_.View = this;
    model_.Messages.Post = LinkPoster(this);
    Changed();
}

TComFormWindow::~TComFormWindow()
{
    if (model_.View == this)
        model_.View = nullptr;
    model_.Messages.Post = nullptr;
}

void TComFormWindow::Changed()
{
    const std::vector<std::string>& lines = model_.Memo1;
    if (model_.MemoClears != clears_ || lines.size() < shown_) {
        Memo1->clear();
        shown_ = 0;
        clears_ = model_.MemoClears;
    }
    for (; shown_ < lines.size(); ++shown_)
        Memo1->appendPlainText(QString::fromStdString(lines[shown_]));
    for (auto [timer, state] : {std::pair{&timSaisou, &model_.timSaisou}, std::pair{&timVorn, &model_.timVorn}}) {
        if (timer->interval() != state->Interval)
            timer->setInterval(state->Interval);
        if (state->Enabled && !timer->isActive())
            timer->start();
        else if (!state->Enabled && timer->isActive())
            timer->stop();
    }
    if (model_.Visible && !isVisible()) {
        setGeometry(model_.Left, model_.Top, model_.Width, model_.Height);
        show();
    } else if (!model_.Visible && isVisible()) {
        hide();
    }
}

void TComFormWindow::closeEvent(QCloseEvent* e)
{
    model_.Visible = false;
    e->accept();
}

void TComFormWindow::moveEvent(QMoveEvent* e)
{
    QWidget::moveEvent(e);
    if (isVisible()) {
        model_.Left = x();
        model_.Top = y();
    }
}

void TComFormWindow::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (isVisible()) {
        model_.Width = width();
        model_.Height = height();
    }
}

} // namespace vorn
