#include "reportpainter.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

namespace ReportPainter {

void paintPage(QPainter &painter, const RenderedPage &page, qreal dotsPerMm, const QPointF &paperOriginPx)
{
    auto toDevice = [&](const QPointF &mm) { return paperOriginPx + mm * dotsPerMm; };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const LineRun &line : page.lines) {
        // A hairline on a 1200 dpi printer is invisible: one device pixel at least.
        const qreal width = qMax<qreal>(1.0, line.penWidth * 25.4 / 72 * dotsPerMm);
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QLineF(toDevice(line.lineMm.p1()), toDevice(line.lineMm.p2())));
    }
    painter.setPen(Qt::black);
    for (const TextRun &run : page.texts) {
        if (run.text.isEmpty())
            continue;
        QFont font(run.fontFamily);
        font.setPointSizeF(run.fontSize);
        font.setBold(run.bold);
        font.setItalic(run.italic);
        font.setUnderline(run.underline);
        painter.setFont(font);
        const QRectF rect(toDevice(run.rectMm.topLeft()), run.rectMm.size() * dotsPerMm);
        // Text longer than its item is cut at the item's sides rather than
        // printed over the next column; above and below it may spill.
        painter.save();
        painter.setClipRect(QRectF(rect.left(), rect.top() - rect.height(), rect.width(), rect.height() * 3));
        painter.drawText(rect, int(run.alignment | Qt::AlignVCenter | Qt::TextSingleLine), run.text);
        painter.restore();
    }
    painter.restore();
}

bool paintAll(QPagedPaintDevice *device, const std::vector<RenderedPage> &pages)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    const int dpi = device->logicalDpiX();
    const qreal dotsPerMm = dpi / 25.4;
    const QPointF origin = -device->pageLayout().paintRectPixels(dpi).topLeft();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device->newPage()) {
            painter.end();
            return false;
        }
        paintPage(painter, pages[i], dotsPerMm, origin);
    }
    return painter.end();
}

} // namespace ReportPainter
