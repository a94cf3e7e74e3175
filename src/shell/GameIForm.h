// TGameInfoForm: the game dialog's window.  A thin Qt form around the
// dialog's logic TGameInfo: it shows each control's model (text, list,
// check mark, visibility) and hands the user's edits and clicks back to the
// logic's handlers.  Layouts size it to its captions in either language;
// the link options on its right show only where the design is wide enough
// for them (the new-game dialog), and it opens beside the main window.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "shell/GameI.h"

namespace vorn {

class TGameInfoForm : public QDialog {
    Q_OBJECT
public:
    TGameInfoForm(QWidget* parent, TGameInfo& model);

    // Shows the model as it stands.
    void Sync();
    // The widget of a control by its name ("edtKomi", "btnOK", ...).
    QWidget* Control(const std::string& name) const;

protected:
    void closeEvent(QCloseEvent* e) override;
    // Escape closes the dialog as its close box does.
    void reject() override;
    void moveEvent(QMoveEvent* e) override;

private:
    enum TKind { kLabel, kEdit, kCombo, kCheck, kRadio, kButton, kGroup };
    struct TBinding {
        const char* name;
        TDlgControl TGameInfo::*member;
        TKind kind;
        QWidget* widget = nullptr;
    };
    void Build();
    void Arrange();
    void Apply(TBinding& b);
    void Edited(const TBinding& b, const QString& text);
    // Where the dialog opens: its remembered place, moved beside the main
    // window when it would cover it.
    QPoint Place() const;

    TGameInfo& model_;
    std::vector<TBinding> bindings_;
    QWidget* links_ = nullptr;  // the link options
    bool syncing_ = false;
};

} // namespace vorn
