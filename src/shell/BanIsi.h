// TBanIsiColor: the board and stone colour dialog (盤石の色), modal: four
// board colours and two pairs of stone colours to pick from.  OK puts the
// choice into the colours the board drawing uses, stores it in section Goban
// of VORN.INI and repaints the board; the close box changes nothing.
//
// The ticks are set once, when the dialog is made at start-up; afterwards
// they show the user's last choice.
#pragma once

#include <string>

#include "board/Array.h"
#include "shell/GameI.h"

namespace vorn {

class TMainCtl;

// The board swatches 1..4 and the stone pairs 1..2 ($BBGGRR).
int BanSwatchColor(int n);
int KuroSwatchColor(int n);
int SiroSwatchColor(int n);

class TBanIsiColor {
public:
    explicit TBanIsiColor(TMainCtl& main) : main_(main) {}
    TBanIsiColor(const TBanIsiColor&) = delete;
    TBanIsiColor& operator=(const TBanIsiColor&) = delete;

    // Ticks the swatches of the colours in force (no board swatch when none
    // matches).
    void FormCreate();
    // Captions in the language.
    void FormActivate();
    // A press on board swatch n ticks its radio button.
    void shpBanMouseDown(int n);
    // Takes the ticked colours, stores them and repaints the board.
    void btnOKClick();

    Arr<TDlgControl, 1, 4> rbBan;
    Arr<TDlgControl, 1, 2> rbIsi;
    TDlgControl gbBan, gbIsi, btnOK;
    std::string Caption;

private:
    TMainCtl& main_;
};

} // namespace vorn
