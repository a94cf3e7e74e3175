// TGunForm: the group map (群情報) of the developer views.  Every point of the
// current level's board carries the number of its group (00 where none),
// written on a cell coloured by the stone there, as the chain map does; a
// click on a point of a group opens the group information window and writes
// the group's relation entries and breathing points onto the point-relation
// view.
#pragma once

#include "shell/Canvas.h"
#include "shell/RenForm.h"
#include "shell/SideWindow.h"

namespace vorn {

class TGunInfo;
class TMainCtl;

class TGunForm : public TSideForm {
public:
    TGunForm(TMainCtl& main, TGunInfo& info) : main_(main), info_(info) {}
    TGunForm(const TGunForm&) = delete;
    TGunForm& operator=(const TGunForm&) = delete;

    // The group numbers of the current level's board.
    void FormPaint(TCanvas& canvas) const;
    // A click at a client pixel: nothing off the board's cells or where no
    // group stands; otherwise the group shown in the information window and
    // its relations on the point-relation view.
    void FormMouseDown(int px, int py);
    // Board 0's group n on the point-relation view: the relation kind of
    // each of its entries at the entry's empty point, aqua inside an area
    // and blue outside; then each breathing point's value in white.
    void ShowFrom(int n);

    static constexpr const char* kCaption = "群情報";
    // Without a stored place the window shows the whole map of 19x19.
    static constexpr TSideGeometry kDefault{0, 0, 19 * kMapPitch, 19 * kMapPitch};

private:
    TMainCtl& main_;
    TGunInfo& info_;
};

} // namespace vorn
