// The fixture of the overlay tests: the main window's logic, headless, drawing
// into a real backing image that the tests probe pixel by pixel, with the
// texts and lines it drew written down beside.
#pragma once

#include <string>
#include <vector>

#include "ShellUtil.h"
#include "shell/ImageCanvas.h"

namespace vorn::test {

class GnuGo;

// A random move (RandomMove) for the side to move, played on board 0 and
// told to GNU Go; false when that side has no move left.
bool PlayRandomWithGnuGo(GnuGo& gg);

class TTeeCanvas : public TImageCanvas {
public:
    struct Text {
        int x, y;
        std::string text;
        int colour;
    };
    struct LineCall {
        int x1, y1, x2, y2, colour;
    };
    void TextOut(int x, int y, const std::string& text, int colour) override
    {
        texts.push_back({x, y, text, colour});
        TImageCanvas::TextOut(x, y, text, colour);
    }
    void Line(int x1, int y1, int x2, int y2, int colour, bool lastPixel) override
    {
        lines.push_back({x1, y1, x2, y2, colour});
        TImageCanvas::Line(x1, y1, x2, y2, colour, lastPixel);
    }
    std::vector<Text> texts;
    std::vector<LineCall> lines;
};

// A headless window that writes down what it was asked to show.
class TOverlayView : public TNavView {
public:
    void DevWindowShow(const std::string& item, bool on) override { windows.push_back(item + (on ? " on" : " off")); }
    void CommentWindowShow(bool on) override { windows.push_back(std::string("mnuComment") + (on ? " on" : " off")); }
    void LocateDrawText(Point p, const std::string& text, int colour) override
    {
        locateTexts.push_back(std::to_string(p.x) + "," + std::to_string(p.y) + " " + text + " "
                              + std::to_string(colour));
    }
    void LocateShowDirection() override { ++directions; }
    std::vector<std::string> windows;
    std::vector<std::string> locateTexts;
    int directions = 0;
};

class OverlayTest : public ShellTest {
protected:
    // Starts on an empty board of the size, English, with more settings of
    // section Form.
    void Start(int size, const std::string& form = "");
    // Board 0 from a diagram, analysed and repainted; the texts and lines
    // drawn so far are forgotten.
    void Position(const std::string& diagram);
    void Repaint();
    // The colour ($BBGGRR) of a pixel at an offset from the intersection of p.
    int At(Point p, int dx = 0, int dy = 0) const;
    // The pixel's colour is the colour, or the colour smoothed into its
    // surroundings (the outline of a round stone or ring).
    bool Near(Point p, int dx, int dy, int colour) const;
    // Pixels of the colour in the cell of p, within columns [x0, x1) and rows
    // [y0, y1) counted from the cell's top-left corner.
    int Count(Point p, int colour, int x0, int y0, int x1, int y1) const;
    // The texts drawn in the cell of p, in drawing order, as "text colour".
    std::vector<std::string> TextsIn(Point p) const;
    // Every text drawn, as "x,y text colour" with the point of its cell.
    std::vector<std::string> Texts() const;
    int Pitch() const { return ctl.Ban.BanPitch; }
    int Half() const { return ctl.Ban.BanHalf; }

    TOverlayView view;
    TTeeCanvas canvas;
    TScriptPrompt prompt;
    TMainCtl ctl{view, canvas, prompt};
};

} // namespace vorn::test
