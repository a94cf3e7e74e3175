// TUtikataDlg: the engine settings dialog (VORNの打ち方設定), modeless: three
// switches and three numbers that the engine reads while it thinks.  The
// dialog shows the settings in force each time it becomes the active window,
// so edits left unconfirmed are replaced; OK takes them over in order and
// stores them in section Utikata of VORN.INI.
//
// The dialog's logic without a window: each control is a TDlgControl that
// the Qt form shows and edits.
#pragma once

#include <string>

#include "shell/GameI.h"

namespace vorn {

class TMainCtl;

// A decimal integer as the settings dialogs accept it: blanks before it, a
// sign, digits, nothing after.  False for any other text.
bool ParseDlgInteger(const std::string& text, int& value);

class TUtikataDlg {
public:
    explicit TUtikataDlg(TMainCtl& main) : main_(main) {}
    TUtikataDlg(const TUtikataDlg&) = delete;
    TUtikataDlg& operator=(const TUtikataDlg&) = delete;

    // The controls from the settings in force, captions in the language.
    void FormActivate();
    // Takes the controls over and stores them; false, with a message, when a
    // number is not an integer: the dialog then stays open.
    bool OKBtnClick();
    // Closes; nothing changes.
    bool CancelBtnClick() { return true; }

    TDlgControl chkSikatuYomi, chkVsComputer, chkSakiyomi;
    TDlgControl lblWide, lblDeep, lblTime, lblMinute;
    TDlgControl edtYomiWide, edtYomiDeep, edtYomiTime;
    TDlgControl OKBtn, CancelBtn;
    std::string Caption;

    // The edits take two characters.
    static constexpr int kEditLength = 2;

private:
    TMainCtl& main_;
};

} // namespace vorn
