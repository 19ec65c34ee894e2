#include "report.h"

#include "messages.h"
#include "reportcheck.h"
#include "reportlayout.h"

#include <QFileInfo>

namespace {

bool printsPageCount(const ReportBand &band)
{
    for (const ReportItem &item : band.items)
        if (item.expression.uses(Expression::Builtin::Pages))
            return true;
    return band.printWhen.uses(Expression::Builtin::Pages);
}

bool printsPageCount(const ReportDataBlock &block)
{
    for (const std::optional<ReportBand> *band : {&block.columnHeader, &block.detail, &block.footer})
        if (band->has_value() && printsPageCount(**band))
            return true;
    for (const ReportGroup &group : block.groups)
        for (const std::optional<ReportBand> *band : {&group.header, &group.footer})
            if (band->has_value() && printsPageCount(**band))
                return true;
    for (const ReportDataBlock &child : block.children)
        if (printsPageCount(child))
            return true;
    return false;
}

bool printsPageCount(const ReportTemplate &t)
{
    for (const std::optional<ReportBand> *band : {&t.titleBand, &t.pageHeader, &t.summary, &t.pageFooter})
        if (band->has_value() && printsPageCount(**band))
            return true;
    for (const ReportDataBlock &block : t.datasets)
        if (printsPageCount(block))
            return true;
    return false;
}

} // namespace

Report::Report(ReportTemplate layout) : m_layout(std::move(layout)) {}

void Report::setVariable(const QString &name, const QVariant &value)
{
    m_variables.insert(name.toLower(), value);
}

void Report::addDataset(const QString &name, ReportDataset dataset)
{
    for (auto &entry : m_datasets) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0) {
            entry.second = std::move(dataset);
            return;
        }
    }
    m_datasets.emplace_back(name, std::move(dataset));
}

ReportResult<RenderedReport> Report::render() const
{
    ReportInput input;
    input.layout = &m_layout;
    for (const auto &entry : m_datasets)
        input.datasets.push_back({entry.first, &entry.second});
    input.variables = m_variables;
    input.printDate = m_printDate.isValid() ? m_printDate : QDateTime::currentDateTime();

    const QString problem = checkReport(input);
    if (!problem.isEmpty())
        return ReportResult<RenderedReport>::failure(problem);

    LaidOutReport laidOut = layOutReport(input, 0);
    // Pages changes no height, so a second run with the real count lays
    // the report out on the same pages.
    if (printsPageCount(m_layout))
        laidOut = layOutReport(input, int(laidOut.pages.size()));

    QString title = m_layout.title;
    if (title.isEmpty())
        title = QFileInfo(m_layout.fileName).completeBaseName();
    return RenderedReport(title, m_layout.page, laidOut.rollLengthMm, std::move(laidOut.pages));
}

bool Report::preview() const
{
    const ReportResult<RenderedReport> rendered = render();
    if (!rendered) {
        messages().error(rendered.error());
        return false;
    }
    messages().preview(*rendered);
    return true;
}
