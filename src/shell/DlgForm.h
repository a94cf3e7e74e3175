// TDlgForm: the window of a small settings dialog, built from a table of its
// controls, each bound to the TDlgControl that holds it in the dialog's
// logic.  The form shows the controls as they stand (Sync) and hands the
// user's edits, ticks and clicks back to the logic; a button's handler that
// answers true closes the dialog (the modal result OK).
//
// The forms of the engine settings, colour, sound and version dialogs are
// made by the functions below.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "shell/GameI.h"

namespace vorn {

class TAboutBox;
class TBanIsiColor;
class TOtoDlg;
class TUtikataDlg;

class TDlgForm : public QDialog {
public:
    enum TKind { kLabel, kEdit, kCombo, kCheck, kRadio, kButton, kGroup, kRectShape, kCircleShape, kIcon };

    // A dialog of the client size; caption is the logic's caption text.
    TDlgForm(QWidget* parent, const char* name, int width, int height, const std::string& caption);

    // A control at x, y, w, h of the client area, or of the group box named
    // group (radio buttons in one group exclude each other).  colour: the
    // fill of a shape; maxLength: the characters an edit takes (0 any).
    QWidget* Add(const char* name, TDlgControl* control, TKind kind, int x, int y, int w, int h,
                 const char* group = nullptr, int colour = 0, int maxLength = 0);
    // What a click on a button or a shape runs; for a button, true closes
    // the dialog as confirmed.
    void OnClick(const char* name, std::function<bool()> handler);
    // What runs each time the dialog becomes the active window, before it
    // shows the controls again.
    void OnActivate(std::function<void()> handler) { onActivate_ = std::move(handler); }
    // A button that Enter presses.
    void SetDefault(const char* name);

    // Shows the logic's controls and caption.
    void Sync();
    // As when the dialog becomes the active window: the logic's activation,
    // then Sync.
    void Refresh() { Activated(); }
    QWidget* Control(const std::string& name) const;
    // Runs the click handler of a control, as the user's click does.
    void ClickControl(const std::string& name);

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    struct TBinding {
        std::string name;
        TDlgControl* control;
        TKind kind;
        QWidget* widget;
        std::function<bool()> click;
    };
    TBinding* Find(const std::string& name);
    void Activated();

    const std::string& caption_;
    std::vector<TBinding> bindings_;
    std::function<void()> onActivate_;
    bool syncing_ = false;
};

// The forms of the dialogs, each over its logic, which outlives it.
TDlgForm* MakeUtikataForm(QWidget* parent, TUtikataDlg& dlg);
TDlgForm* MakeBanIsiForm(QWidget* parent, TBanIsiColor& dlg);
TDlgForm* MakeOtoForm(QWidget* parent, TOtoDlg& dlg);
TDlgForm* MakeAboutForm(QWidget* parent, TAboutBox& dlg);

} // namespace vorn
