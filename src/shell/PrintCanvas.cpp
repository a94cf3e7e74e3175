#include "shell/PrintCanvas.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include "board/Goban.h"
#include "shell/ImageCanvas.h"

namespace vorn {

void TQtPrintCanvas::FillRect(int left, int top, int right, int bottom, int colour)
{
    p_.fillRect(QRect(left, top, right - left, bottom - top), ColorFromBgr(colour));
}

void TQtPrintCanvas::FrameRect(int left, int top, int right, int bottom, int colour, int penWidth)
{
    p_.setPen(QPen(ColorFromBgr(colour), penWidth));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(QRect(left, top, right - left, bottom - top));
}

void TQtPrintCanvas::Line(int x1, int y1, int x2, int y2, int colour, int penWidth)
{
    p_.setPen(QPen(ColorFromBgr(colour), penWidth));
    p_.drawLine(x1, y1, x2, y2);
}

void TQtPrintCanvas::Ellipse(int left, int top, int right, int bottom, int pen, int penWidth, int brush)
{
    // The outline lies inside the rectangle.
    const double half = penWidth / 2.0;
    p_.setPen(QPen(ColorFromBgr(pen), penWidth));
    p_.setBrush(ColorFromBgr(brush));
    p_.drawEllipse(QRectF(left + half, top + half, right - left - penWidth, bottom - top - penWidth));
}

void TQtPrintCanvas::Text(int x, int y, const std::string& text, int points, bool bold, int colour)
{
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"), f.family()});
    f.setPixelSize(points * kPrintDpi / 72);
    f.setBold(bold);
    p_.setFont(f);
    p_.setPen(ColorFromBgr(colour));
    p_.drawText(QRect(x, y, 4000, 400), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::fromStdString(text));
}

QSize PrintPageSetUp(QPainter& painter, const QPaintDevice& device)
{
    const int dpiX = device.logicalDpiX() > 0 ? device.logicalDpiX() : kPrintDpi;
    const int dpiY = device.logicalDpiY() > 0 ? device.logicalDpiY() : kPrintDpi;
    const QSize page(static_cast<int>(static_cast<long long>(device.width()) * kPrintDpi / dpiX),
                     static_cast<int>(static_cast<long long>(device.height()) * kPrintDpi / dpiY));
    painter.setViewport(0, 0, device.width(), device.height());
    painter.setWindow(0, 0, page.width(), page.height());
    painter.setRenderHint(QPainter::Antialiasing);
    return page;
}

bool KifuPrintTo(QPrinter& printer, const TKifuHeader& header)
{
    printer.setDocName(QString::fromUtf8(kKifuPrintTitle));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QSize page = PrintPageSetUp(painter, printer);
    const TKifuPrintLayout layout =
        KifuPrintLayout(GobanLv[0]->Tejun, BoardSize, StonesBeforeFirstMove(BoardSize, Handicap), header,
                        page.width(), page.height());
    TQtPrintCanvas canvas(painter);
    for (int n = 1; n <= layout.Pages; ++n) {
        if (n > 1)
            printer.newPage();
        KifuPrintPage(layout, canvas, n);
    }
    painter.end();
    return true;
}

bool ImagePrintTo(QPrinter& printer, const QImage& image)
{
    printer.setDocName(QStringLiteral("VORN"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QSize page(printer.width(), printer.height());
    const QSize fit = image.size().scaled(page, Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(0, 0), fit), image);
    painter.end();
    return true;
}

} // namespace vorn
