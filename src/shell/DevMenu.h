// TDevMenu: the developer menu's window switches and the point tables of the
// two 状態 (status) submenus.  The switches show and close the side windows
// that show the engine's model (chains, groups, point relations, regions,
// evaluation) and draw the relation lines between stones; the status
// commands mark, on every empty point of board 0, what each colour can do
// there (capture, not play, self-atari, peep, cut, atari), Black's mark in
// the left half of the cell and White's in the right half, until the next
// repaint.
#pragma once

#include <string>

namespace vorn {

class TMainCtl;

// Point tables of TenMarkPaint and MapPaint.
enum {
    tmToruTen = 0,   // capture points
    tmKinsi = 1,     // forbidden points
    tmSelfAtari = 2, // self-atari points
};
enum {
    mpNozoki = 1,    // peeps recorded at the point
    mpKiri = 2,      // cutting points
    mpAtari = 3,     // atari points
    mpKiri2 = 4,     // cutting points of firm diagonal links in neutral area
};

class TDevMenu {
public:
    explicit TDevMenu(TMainCtl& main) : main_(main) {}
    TDevMenu(const TDevMenu&) = delete;
    TDevMenu& operator=(const TDevMenu&) = delete;

    // Runs the handler of a menu item of this unit; false for other names.
    bool Click(const std::string& name);

    // The main window is shown: the side windows switched on open, the
    // comment window first.
    void FormShow();
    // A window switch (mnuRen, mnuGun, mnuLocate, mnuJi, mnuHyoka): the
    // window closed or shown, the mark, the setting.
    void WindowToggle(const std::string& name);
    // The relation lines switched on draw at once; switched off they stay
    // until the next repaint.
    void mnuKankeiClick();

    // "0" on the empty points where the table of the mode holds 1.
    void TenMarkPaint(int mode);
    // The count or mark of the map of the mode where it is not 0.
    void MapPaint(int mode);

    void mnuToruClick() { TenMarkPaint(tmToruTen); }
    void mnuUtenaiClick() { TenMarkPaint(tmKinsi); }
    void mnuUtuTrrClick() { TenMarkPaint(tmSelfAtari); }
    void mnuNozokiClick();
    void mnuKiriClick();
    void mnuAtariClick();
    void mnuKiri2Click();
    void mnuHokoClick();

private:
    TMainCtl& main_;
};

} // namespace vorn
