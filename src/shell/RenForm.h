// TRenForm: the chain map (連情報) of the developer views, and the cells that
// the group and region maps share with it.  Every point of the current
// level's board carries the number of its chain, written "%.2d" on a cell
// coloured by what stands there; a click on a point opens the chain
// information window for that chain.  While the chain list also numbers the
// empty areas, empty points show their area's number, otherwise 00.
#pragma once

#include <string>

#include "board/Point.h"
#include "shell/Canvas.h"
#include "shell/SideWindow.h"

namespace vorn {

class TRenInfo;

// The cells of the number maps: 13 pixels square, the cell of (x, y) with
// its top-left corner at ((x - 1) * 13, (y - 1) * 13) of the client area.
constexpr int kMapPitch = 13;
constexpr int clYellow = 0x00FFFF;

// A map's number, at least two digits with a leading zero: 07, 123.
std::string MapNumberText(int n);
// The point of a client pixel by truncating division; false unless both
// coordinates lie in 1 to the board size.
bool MapPoint(int px, int py, Point& p);
// The cell of p filled with back, its number at the corner in colour text.
void MapCellPaint(TCanvas& canvas, Point p, int number, int back, int text);
// The cell colours of a point by its contents: black, white, or yellow for
// an empty point, with white text on black and black text otherwise.
void StoneCellColours(int colour, int& back, int& text);

class TRenForm : public TSideForm {
public:
    explicit TRenForm(TRenInfo& info) : info_(info) {}
    TRenForm(const TRenForm&) = delete;
    TRenForm& operator=(const TRenForm&) = delete;

    // The chain numbers of the current level's board.
    void FormPaint(TCanvas& canvas) const;
    // A click at a client pixel: the chain information window shown and
    // filled with the chain there; nothing off the board's cells.
    void FormMouseDown(int px, int py);

    static constexpr const char* kCaption = "連情報";
    // Without a stored place the window shows the whole map of 19x19.
    static constexpr TSideGeometry kDefault{0, 0, 19 * kMapPitch, 19 * kMapPitch};
    static constexpr int kFontHeight = 12;

private:
    TRenInfo& info_;
};

} // namespace vorn
