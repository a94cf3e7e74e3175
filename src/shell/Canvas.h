// TCanvas: the drawing surface of the main window as the board drawing sees
// it.  Coordinates are pixels of the window's client area; colours are
// $BBGGRR integers (red in the low byte), as the settings store them.
// Rectangles and ellipses cover left..right-1 and top..bottom-1.
#pragma once

#include <string>

namespace vorn {

// Colours the drawing uses by name ($BBGGRR).
enum : int {
    clBlack = 0x000000,
    clWhite = 0xFFFFFF,
    clGrey = 0x808080,
    clRed = 0x0000FF,
    clBlue = 0xFF0000,
    clOlive = 0x008080,       // the designed board colour
    clFormBack = 0xC0DCC0,    // the window's background
    clNone = -1,              // as a brush: no fill
};

class TCanvas {
public:
    virtual ~TCanvas() = default;
    // Fills the rectangle with the colour, no outline.
    virtual void FillRect(int left, int top, int right, int bottom, int colour) = 0;
    // A rectangle outlined with a pen of the colour and width, filled with brush.
    virtual void Rectangle(int left, int top, int right, int bottom, int pen, int penWidth, int brush) = 0;
    // An ellipse inside the rectangle, 1-pixel outline of colour pen, filled
    // with brush (clNone: only the outline).
    virtual void Ellipse(int left, int top, int right, int bottom, int pen, int brush) = 0;
    // A 1-pixel line from (x1, y1) to (x2, y2); the last pixel only when
    // lastPixel is true.
    virtual void Line(int x1, int y1, int x2, int y2, int colour, bool lastPixel = true) = 0;
    // UTF-8 text whose character cell starts at (x, y), transparent background.
    virtual void TextOut(int x, int y, const std::string& text, int colour) = 0;
    // What was drawn should reach the screen: soon (now = false) or before
    // this call returns (now = true, for drawing while the engine thinks).
    virtual void Show(bool now) { (void)now; }
};

} // namespace vorn
