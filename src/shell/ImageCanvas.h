// TImageCanvas: the main window's drawing surface, a backing image that the
// window's paint event shows.  Everything the board drawing does lands in the
// image first, so drawing while the engine thinks works and an expose of the
// window never loses a mark.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

#include "shell/Canvas.h"

class QWidget;

namespace vorn {

// The one conversion of a stored $BBGGRR colour (red in the low byte) to Qt,
// and back.
QColor ColorFromBgr(int bgr);
int BgrFromColor(const QColor& c);

class TImageCanvas : public TCanvas {
public:
    TImageCanvas();

    // The widget that shows the image; Show() updates or repaints it.
    void SetTarget(QWidget* w) { target_ = w; }
    // New size in the window's logical pixels, kept at the screen's
    // device-pixel ratio so the drawing is sharp on a scaled screen (all
    // drawing stays in logical pixels, as the mouse positions are); the
    // picture is cleared to the window's background colour.
    void Resize(int width, int height, double pixelRatio = 1.0);
    const QImage& Image() const { return image_; }
    void SetFont(const QFont& f) { font_ = f; }
    const QFont& Font() const { return font_; }

    void FillRect(int left, int top, int right, int bottom, int colour) override;
    void Rectangle(int left, int top, int right, int bottom, int pen, int penWidth, int brush) override;
    void Ellipse(int left, int top, int right, int bottom, int pen, int brush) override;
    void Line(int x1, int y1, int x2, int y2, int colour, bool lastPixel) override;
    void TextOut(int x, int y, const std::string& text, int colour) override;
    void Show(bool now) override;

private:
    QImage image_;
    QFont font_;
    QWidget* target_ = nullptr;
};

} // namespace vorn
