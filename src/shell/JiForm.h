// TJiForm: the region map (地情報) of the developer views.  Every point of the
// current level's board carries the number of its region (00 where none),
// on a cell coloured by the signed area map and the stone there: reds on
// Black's side, greys on White's, yellow for neutral empty points, and a
// stone that the area map counts for the other side (a dead stone) green
// when black and aqua when white.  A click on a point of a region opens the
// region information window.
#pragma once

#include "shell/Canvas.h"
#include "shell/SideWindow.h"

namespace vorn {

class TJiInfo;

// The cell colours of a point holding colour with area value a.
void JiCellColours(int colour, int a, int& back, int& text);

class TJiForm : public TSideForm {
public:
    explicit TJiForm(TJiInfo& info) : info_(info) {}
    TJiForm(const TJiForm&) = delete;
    TJiForm& operator=(const TJiForm&) = delete;

    // The region numbers of the current level's board.
    void FormPaint(TCanvas& canvas) const;
    // A click at a client pixel: nothing off the board's cells or where no
    // region lies; otherwise the region of that number shown.
    void FormMouseDown(int px, int py);

    static constexpr const char* kCaption = "地情報";
    static constexpr TSideGeometry kDefault{247, 0, 247, 247};

private:
    TJiInfo& info_;
};

} // namespace vorn
