#include "renderedreport.h"

#include "reportpainter.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

RenderedReport::RenderedReport(const QString &title, const PageSetup &page, qreal rollLengthMm,
                               std::vector<RenderedPage> pages)
    : m_title(title), m_page(page), m_rollLengthMm(rollLengthMm), m_pages(std::move(pages))
{
}

QPageLayout RenderedReport::pageLayout() const
{
    return m_page.pageLayout(m_rollLengthMm);
}

QSizeF RenderedReport::paperSizeMm() const
{
    return QSizeF(m_page.widthMm, m_page.isRoll() ? m_rollLengthMm : m_page.heightMm);
}

void RenderedReport::print(QPrinter *printer) const
{
    if (printer)
        ReportPainter::paintAll(printer, m_pages);
}

QString RenderedReport::text() const
{
    QString out;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (i > 0)
            out += QStringLiteral("\f\n");
        for (const QString &line : m_pages[i].textLines())
            out += line + QLatin1Char('\n');
    }
    return out;
}

void RenderedReport::paintPage(QPainter &painter, int index, qreal dotsPerMm) const
{
    if (index >= 0 && index < pageCount())
        ReportPainter::paintPage(painter, m_pages[size_t(index)], dotsPerMm, QPointF(0, 0));
}

bool RenderedReport::savePdf(const QString &path, QString *error) const
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    {
        QPdfWriter writer(path);
        writer.setTitle(m_title);
        writer.setCreator(QStringLiteral("Dagang"));
        writer.setResolution(600);
        QPageLayout layout = pageLayout();
        // Our pages carry their own margins; the writer's would shift them.
        layout.setMinimumMargins(QMarginsF());
        layout.setMargins(QMarginsF());
        writer.setPageLayout(layout);
        if (!ReportPainter::paintAll(&writer, m_pages))
            return failed(QStringLiteral("File PDF tidak dapat ditulis: %1").arg(path));
    }
    if (QFileInfo(path).size() <= 0)
        return failed(QStringLiteral("File PDF tidak dapat ditulis: %1").arg(path));
    return true;
}
