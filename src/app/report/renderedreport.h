#pragma once

#include "messages.h"
#include "pagesetup.h"
#include "renderedpage.h"

#include <QSizeF>
#include <QString>

#include <vector>

class QPainter;

// A report laid out into pages, ready for the print preview
// (messages().preview(report)), the printer, a PDF file or a test. It holds
// only its pages; nothing is laid out again when it is painted.
class RenderedReport : public Printable
{
public:
    RenderedReport(const QString &title, const PageSetup &page, qreal rollLengthMm, std::vector<RenderedPage> pages);

    QString title() const override { return m_title; }
    QPageLayout pageLayout() const override;
    // Paints every page on `printer` as it is set up (the preview's printer
    // or the one the user chose).
    void print(QPrinter *printer) const override;
    // Every page's textLines(), one line per printed line; a line holding
    // only a form feed ("\f") separates pages. Ends with a line break.
    QString text() const override;

    int pageCount() const { return int(m_pages.size()); }
    const RenderedPage &page(int index) const { return m_pages.at(size_t(index)); }
    const std::vector<RenderedPage> &pages() const { return m_pages; }
    const PageSetup &pageSetup() const { return m_page; }
    // The paper as printed, in mm; a roll report is as long as its content.
    QSizeF paperSizeMm() const;

    // Paints one page with its paper corner at the painter's origin, for a
    // preview drawn inside a window.
    void paintPage(QPainter &painter, int index, qreal dotsPerMm) const;

    // Writes every page to a PDF file at `path`, replacing it. On failure
    // `error` gets the reason in Indonesian and the file may be missing or
    // incomplete.
    bool savePdf(const QString &path, QString *error = nullptr) const;

private:
    QString m_title;
    PageSetup m_page;
    qreal m_rollLengthMm = 0;
    std::vector<RenderedPage> m_pages;
};
