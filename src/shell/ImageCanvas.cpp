#include "shell/ImageCanvas.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

namespace vorn {

QColor ColorFromBgr(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

int BgrFromColor(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

TImageCanvas::TImageCanvas() : image_(1, 1, QImage::Format_RGB32)
{
    image_.fill(ColorFromBgr(clFormBack));
    // Board texts: a face with the Japanese characters, about as tall as the
    // numbers and labels the cells leave room for.
    font_.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"), font_.family()});
    font_.setPixelSize(15);
}

void TImageCanvas::Resize(int width, int height, double pixelRatio)
{
    if (width < 1)
        width = 1;
    if (height < 1)
        height = 1;
    if (!(pixelRatio >= 1.0 && pixelRatio <= 8.0))
        pixelRatio = 1.0;
    const int w = static_cast<int>(std::ceil(width * pixelRatio));
    const int h = static_cast<int>(std::ceil(height * pixelRatio));
    if (image_.width() == w && image_.height() == h && image_.devicePixelRatio() == pixelRatio)
        return;
    image_ = QImage(w, h, QImage::Format_RGB32);
    image_.setDevicePixelRatio(pixelRatio);
    image_.fill(ColorFromBgr(clFormBack));
}

void TImageCanvas::FillRect(int left, int top, int right, int bottom, int colour)
{
    if (right <= left || bottom <= top)
        return;
    QPainter p(&image_);
    p.fillRect(QRect(left, top, right - left, bottom - top), ColorFromBgr(colour));
}

void TImageCanvas::Rectangle(int left, int top, int right, int bottom, int pen, int penWidth, int brush)
{
    if (right <= left || bottom <= top)
        return;
    QPainter p(&image_);
    p.fillRect(QRect(left, top, right - left, bottom - top), ColorFromBgr(pen));
    const int w = penWidth < 1 ? 1 : penWidth;
    if (right - left > 2 * w && bottom - top > 2 * w)
        p.fillRect(QRect(left + w, top + w, right - left - 2 * w, bottom - top - 2 * w), ColorFromBgr(brush));
}

void TImageCanvas::Ellipse(int left, int top, int right, int bottom, int pen, int brush)
{
    if (right - left < 2 || bottom - top < 2)
        return;
    QPainter p(&image_);
    // Stones and rings round, also when they are small.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ColorFromBgr(pen), 1));
    if (brush == clNone)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(ColorFromBgr(brush));
    // The outline's middle half a pixel inside the cell's edge pixels.
    p.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

void TImageCanvas::Line(int x1, int y1, int x2, int y2, int colour, bool lastPixel)
{
    QPainter p(&image_);
    QPen pen(ColorFromBgr(colour), 1);
    pen.setCapStyle(lastPixel ? Qt::SquareCap : Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(x1, y1, x2, y2);
}

void TImageCanvas::TextOut(int x, int y, const std::string& text, int colour)
{
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(ColorFromBgr(colour));
    p.drawText(QRect(x, y, 400, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::fromStdString(text));
}

void TImageCanvas::Show(bool now)
{
    if (target_ == nullptr)
        return;
    if (now)
        target_->repaint();
    else
        target_->update();
}

} // namespace vorn
