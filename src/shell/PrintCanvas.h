// TQtPrintCanvas: the record printing's surface on a QPainter, in pixels of
// a page at 300 dots per inch whatever the device's own resolution (a
// printer, a PDF file, an image).
#pragma once

#include <QSize>

#include "shell/KPrint.h"

class QImage;
class QPainter;
class QPaintDevice;
class QPrinter;

namespace vorn {

class TQtPrintCanvas : public TPrintCanvas {
public:
    explicit TQtPrintCanvas(QPainter& painter) : p_(painter) {}

    void FillRect(int left, int top, int right, int bottom, int colour) override;
    void FrameRect(int left, int top, int right, int bottom, int colour, int penWidth) override;
    void Line(int x1, int y1, int x2, int y2, int colour, int penWidth) override;
    void Ellipse(int left, int top, int right, int bottom, int pen, int penWidth, int brush) override;
    void Text(int x, int y, const std::string& text, int points, bool bold, int colour) override;

private:
    QPainter& p_;
};

// Maps the painter, active on the device, to page pixels at 300 dpi; answers
// the page's size in those pixels.
QSize PrintPageSetUp(QPainter& painter, const QPaintDevice& device);

// Prints the record of board 0 (moves 1 to the move shown) with the game
// dialog's header on the printer, one page after the other; false when the
// printer cannot be opened.
bool KifuPrintTo(QPrinter& printer, const TKifuHeader& header);
// Prints an image as large as the page allows; false when the printer cannot
// be opened.
bool ImagePrintTo(QPrinter& printer, const QImage& image);

} // namespace vorn
