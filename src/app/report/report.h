#pragma once

#include "renderedreport.h"
#include "reportdataset.h"
#include "reportresult.h"
#include "reporttemplate.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

// A template with the data and values a window binds to it:
//
//   auto layout = ReportTemplate::load(pathAplikasi + "/Laporan/Stok.frf");
//   if (!layout) { messages().error(layout.error()); return; }
//   Report report(*layout);
//   report.setVariable("nama", namaUsaha);
//   report.addDataset("Data", ReportDataset::fromQuery(query));
//   report.preview();
//
// The report keeps its own copies; the template and datasets may go away
// after they are handed over.
class Report
{
public:
    explicit Report(ReportTemplate layout);

    // A value the template prints as $name (name matched ignoring case).
    // Numbers as Decimal::toDbText() or integers, dates as QDate.
    void setVariable(const QString &name, const QVariant &value);
    // The rows of the template's `dataset <name>` block; adding a name again
    // replaces its rows.
    void addDataset(const QString &name, ReportDataset dataset);
    // What Date and Time print; the moment of render() when not set.
    void setPrintDate(const QDateTime &when) { m_printDate = when; }

    const ReportTemplate &layout() const { return m_layout; }

    // Checks the template against the bound data and lays it out. Fails
    // with "<template> baris <n>: ..." for a dataset the window did not add,
    // a field no dataset has, a variable not set or an expression that
    // cannot be read.
    ReportResult<RenderedReport> render() const;

    // Renders and opens the print preview through messages(); a failure is
    // shown through messages().error() and gives false.
    bool preview() const;

private:
    ReportTemplate m_layout;
    std::vector<std::pair<QString, ReportDataset>> m_datasets;
    QHash<QString, QVariant> m_variables; // lower-case names
    QDateTime m_printDate;
};
