// TCommntForm: the comment window's window.  A thin Qt form around the
// window's logic TCommntF: a text box filling the client area and the font
// menu.  It keeps the text box and the logic's Memo in step when the main
// window saves or fills the comment, limits typing to the logic's length,
// and hands over its place at exit.
#pragma once

#include <QMainWindow>

#include "shell/Comment.h"

class QPlainTextEdit;
class QAction;

namespace vorn {

class TCommntForm : public QMainWindow {
public:
    TCommntForm(QWidget* parent, TCommntF& model);

    // The text box into the logic (before a save), the logic into the text
    // box (after it filled or emptied the comment).
    void Pull();
    void Push();
    // The place and font into the logic, for the settings written at exit.
    void StoreGeometry();
    // The caption and the menu in the selected language.
    void Recaption();
    // Runs the font dialog; the chosen font is the text box's.
    void FontClick();
    QPlainTextEdit* Memo() const { return Memo1; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    void ContentsChanged(int position, int removed, int added);
    void FontApply();

    TCommntF& model_;
    QPlainTextEdit* Memo1 = nullptr;
    QAction* Font = nullptr;
    bool syncing_ = false;
};

} // namespace vorn
