#include "shell/CommentForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDialog>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "shell/ImageCanvas.h"

namespace vorn {

TCommntForm::TCommntForm(QWidget* parent, TCommntF& model) : QMainWindow(parent, Qt::Window), model_(model)
{
    setObjectName(QStringLiteral("CommntF"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setCentralWidget(Memo1);
    Font = menuBar()->addAction(QString::fromStdString(model_.FontCaption));
    Font->setObjectName(QStringLiteral("Font"));
    connect(Font, &QAction::triggered, this, [this] { FontClick(); });
    connect(Memo1->document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) { ContentsChanged(position, removed, added); });
    Recaption();
    SideGeometryApply(*this, model_.Geometry);
    FontApply();
}

void TCommntForm::FontApply()
{
    QFont f = Memo1->font();
    f.setFamilies({QString::fromStdString(model_.FontName), QStringLiteral("Noto Sans CJK JP"), f.family()});
    if (model_.FontSize > 0)
        f.setPointSize(model_.FontSize);
    Memo1->setFont(f);
    // The stored system colour is the desktop's own text colour.
    QPalette pal = Memo1->palette();
    if (model_.FontColor != TCommntF::kSystemTextColor && model_.FontColor >= 0)
        pal.setColor(QPalette::Text, ColorFromBgr(model_.FontColor));
    Memo1->setPalette(pal);
}

void TCommntForm::Pull()
{
    model_.Memo = Memo1->toPlainText().toStdString();
    model_.Modified = Memo1->document()->isModified();
}

void TCommntForm::Push()
{
    syncing_ = true;
    Memo1->setPlainText(QString::fromStdString(model_.Memo));
    Memo1->document()->setModified(model_.Modified);
    syncing_ = false;
}

void TCommntForm::StoreGeometry() { model_.Geometry = SideGeometryOf(*this); }

void TCommntForm::FontClick()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, Memo1->font(), this);
    if (!ok)
        return;
    // Face and size are kept at exit; the style lasts for this run.
    Memo1->setFont(chosen);
    model_.FontName = chosen.family().toStdString();
    if (chosen.pointSize() > 0)
        model_.FontSize = chosen.pointSize();
}

void TCommntForm::ContentsChanged(int position, int removed, int added)
{
    if (syncing_)
        return;
    const int length = Memo1->document()->characterCount() - 1;
    const int excess = TypedExcess(length, removed, added, TCommntF::kMaxLength);
    if (excess <= 0)
        return;
    // The end of what was typed is taken back, once the edit is complete.
    const int from = position + added - excess, to = position + added;
    QMetaObject::invokeMethod(
        this,
        [this, from, to] {
            const int end = Memo1->document()->characterCount() - 1;
            if (to > end || from < 0)
                return;
            syncing_ = true;
            QTextCursor c(Memo1->document());
            c.setPosition(from);
            c.setPosition(to, QTextCursor::KeepAnchor);
            c.removeSelectedText();
            syncing_ = false;
        },
        Qt::QueuedConnection);
}

void TCommntForm::closeEvent(QCloseEvent* e)
{
    model_.FormClose();
    e->accept();
}

void TCommntForm::Recaption()
{
    model_.FormActivate();
    setWindowTitle(QString::fromStdString(model_.Caption));
    Font->setText(QString::fromStdString(model_.FontCaption));
}

bool TCommntForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Recaption();
    return QMainWindow::event(e);
}

} // namespace vorn
