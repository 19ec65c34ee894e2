#pragma once

#include "renderedpage.h"

#include <QPointF>

#include <vector>

class QPagedPaintDevice;
class QPainter;

// Paints laid-out pages. Needs QtGui fonts (a QGuiApplication), no widgets.
namespace ReportPainter {

// Paints one page with `dotsPerMm` device pixels per millimetre; the
// paper's top-left corner lands on `paperOriginPx` (device pixels, may be
// negative when the device starts inside the margins).
void paintPage(QPainter &painter, const RenderedPage &page, qreal dotsPerMm, const QPointF &paperOriginPx);

// Paints every page on a printer or PDF writer, one device page each, with
// the device's own page layout deciding where the paper's corner is. False
// when no painter could start on the device (a PDF path that cannot be
// written, a printer that is not ready).
bool paintAll(QPagedPaintDevice *device, const std::vector<RenderedPage> &pages);

} // namespace ReportPainter
