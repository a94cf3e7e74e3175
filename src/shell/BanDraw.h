// TBanDraw: the picture of board 0 in the main window: the board geometry and
// the drawing primitives (board and grid, star points, stones, erased points,
// the last-move mark, move numbers, texts and labels on points).  It draws
// through a TCanvas, so the same code serves the window and the tests.
#pragma once

#include <string>

#include "board/Array.h"
#include "board/Point.h"
#include "shell/Canvas.h"

namespace vorn {

// Where the board sits in the client area.  (BanX, BanY) is the top-left
// corner of the cell of point (1, 1); a cell is BanPitch pixels square and
// its intersection lies BanHalf pixels right of and below that corner.
struct TBanGeometry {
    int BanX = 1;
    int BanY = 1;
    int BanPitch = 17;
    int BanHalf = 8;
    bool operator==(const TBanGeometry&) const = default;
};

// The geometry for a client area of clientWidth x clientHeight pixels with a
// tool panel of panelHeight at the top and a status bar of statusHeight at
// the bottom.  The pitch is odd so the intersection is a cell's exact centre;
// a board too large for the window gets the smallest pitch and is clipped.
TBanGeometry CalcBanGeometry(int clientWidth, int clientHeight, int panelHeight, int statusHeight, int size,
                             bool banLeft);

// Number of characters of a UTF-8 text.
int CharCount(const std::string& s);

// The pen colour of a relation line by its kind 0 to 4 (green, blue,
// yellow, red, purple); -1 for any other kind.
int KankeiPen(int kind);
// The shift of a relation line from a to b that keeps the two lines of one
// relation (one drawn from each end) apart: along a row drawn left to right
// 1 pixel down, along a column drawn downwards 1 pixel right, any other
// line drawn downwards 2 pixels down.
void KankeiShift(Point a, Point b, int& dx, int& dy);

// Font colour of a text code of IrhTextOut.
int IrhTextColour(int code);

class TBanDraw {
public:
    explicit TBanDraw(TCanvas& canvas) : canvas_(canvas) {}

    TCanvas& Canvas() { return canvas_; }

    // Geometry (recomputed by every full paint).
    int BanX = 1;
    int BanY = 1;
    int BanPitch = 17;
    int BanHalf = 8;
    void SetGeometry(const TBanGeometry& g);
    TBanGeometry Geometry() const { return TBanGeometry{BanX, BanY, BanPitch, BanHalf}; }
    int CellLeft(int x) const { return BanX + (x - 1) * BanPitch; }
    int CellTop(int y) const { return BanY + (y - 1) * BanPitch; }
    // The point under a pixel; false when the pixel is off the board.  Pixels
    // left of or above the board give points below 1 (division rounds down).
    bool PixelToPoint(int px, int py, Point& p) const;

    // Colours ($BBGGRR) and the one-colour switch.
    int BanColor = clOlive;
    int KuroIsiColor = clBlack;
    int SiroIsiColor = clWhite;
    bool OneColor = false;

    // The board with its grid and star points.
    void BoardPaint();
    // Every stone of board 0.
    void IsiPaintAll();
    void HosiDraw(int x, int y);
    void IsiDraw(int colour, int x, int y);
    // Clears one cell to the colour and draws its segments of the grid again.
    void BanPointPaint(int x, int y, int colour);
    // An empty point: the cell in the board colour, with its star point.
    void IsiErase(int x, int y);
    // A cell with a square mark (territory at the end of a game).
    void BanMarkPaint(int x, int y, int pen, int brush);
    void LastMarkDraw(int x, int y);
    // The dead mark, an X over the stone of the colour at (x, y): white on a
    // black stone, black on a white one.
    void DeadMarkDraw(int colour, int x, int y);
    // A circle round the cell in the colour, not filled.
    void RingDraw(int x, int y, int colour);
    // A chain in atari: the ring and a small dot of the colour in the middle.
    void AtariMarkDraw(int x, int y, int colour);
    // A stone likely to die: a triangle, white on a black stone, black on a
    // white one.
    void WeakMarkDraw(int colour, int x, int y);
    // A short text whose character cell starts dx pixels right of the
    // top-left corner of the cell of p (the point-table marks).
    void CornerTextOut(const std::string& text, Point p, int dx, int colour);
    void IrhTextOut(const std::string& text, Point p, int code);
    // A stone of the colour with n on it, white on a black stone and black on
    // a white one (the steps of a reading sequence).
    void NumberedIsiDraw(int colour, int n, Point p);
    // Move number n on a stone of the colour.
    void BangoDraw(int colour, int n, int x, int y);
    // Move numbers on every stone, counted up to the move shown.
    void BangoPaint();
    // A relation line between the intersections of two points, its colour by
    // kind (the link value); an unknown kind keeps the colour of the last line.
    void KankeiDraw(int x1, int y1, int x2, int y2, int kind);
    void KankeiDraw2(Point a, Point b, int kind) { KankeiDraw(a.x, a.y, b.x, b.y, kind); }

    // Labels of the move shown, and the points they were drawn on.
    Grid<std::string, 1, 19> IrhLabels;
    void IrhLabelPaint();
    void IrhLabelErase();
    void IrhLabelsReset();

private:
    bool OnBoard(int x, int y) const;
    void CellLines(int x, int y);

    TCanvas& canvas_;
    int kankeiPen_ = 0x008000;
};

} // namespace vorn
