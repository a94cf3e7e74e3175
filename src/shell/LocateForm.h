// TLocateForm: the point-relation view (位置情報) of the developer views.  A
// small copy of the game board, 17-pixel cells from an 8-pixel margin; a
// click on a point draws that point's relations as lines 2 pixels wide,
// coloured by the link value (from a stone) or by what stands at the
// related point (from an empty point).  Other views write short texts into
// its cells: the group view a group's relation entries, and the developer
// command 方向 the direction masks of the empty points.
#pragma once

#include <string>

#include "board/Point.h"
#include "shell/Canvas.h"
#include "shell/SideWindow.h"

namespace vorn {

// A line of the given width: a 1-pixel line and its copies moved down by 1
// to width - 1 pixels (moved right for a line steeper than 45 degrees).
// The last pixel is not drawn.
void WideLine(TCanvas& canvas, int x1, int y1, int x2, int y2, int colour, int width);

class TLocateForm : public TSideForm {
public:
    // The board with its grid and the stones of board 0.
    void FormPaint(TCanvas& canvas) const;
    // A click at a client pixel: unless it falls on a point of the board,
    // nothing; otherwise the board painted again and the relations of that
    // point drawn.  The margin left of and above the first cell counts as
    // column and row 1.
    void FormMouseDown(TCanvas& canvas, int px, int py) const;
    // The relations of (x, y) on board 0.
    void KankeiPaint(TCanvas& canvas, Point p) const;
    // A text at the top-left corner of the cell of p, 4 pixels further right
    // when it is one character long.
    void DrawText(TCanvas& canvas, const std::string& text, Point p, int colour) const;
    // Every empty point 4..size-3 on both axes: Black's and White's
    // direction masks as two hexadecimal digits, in red.
    void ShowDirection(TCanvas& canvas) const;

    // Cell size, and the margin before the first cell.
    static constexpr int LocPitch = 17;
    static constexpr int LocHalf = LocPitch / 2;
    static constexpr int LocOrgX = LocHalf;
    static constexpr int LocOrgY = LocHalf;
    static constexpr int kBackColor = 0xC0FFFF;
    static constexpr int kFontHeight = 19;
    static constexpr const char* kCaption = "位置情報";
    // Without a stored place the window shows the whole board of 19x19 with
    // its margin.
    static constexpr TSideGeometry kDefault{0, 0, 19 * LocPitch + 19, 19 * LocPitch + 20};

    // The pen colour of a relation line's code: green, blue, yellow, red,
    // purple for 0 to 4.
    static int LineColour(int code);
    // The code of relation i of the record of p on board 0: the link value
    // from a stone, the related point's colour + 1 from an empty point.
    static int LineCode(Point p, Point related, int value);
};

} // namespace vorn
