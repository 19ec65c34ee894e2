#pragma once

#include "renderedpage.h"
#include "reportdataset.h"
#include "reporttemplate.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVariant>

#include <vector>

// What a report is laid out from: the template and the data the window
// bound to it. Nothing here is owned; it must outlive the layout.
struct ReportInput {
    struct Dataset {
        QString name;
        const ReportDataset *data = nullptr;
    };
    const ReportTemplate *layout = nullptr;
    std::vector<Dataset> datasets;     // in the order the window added them
    QHash<QString, QVariant> variables; // lower-case names
    QDateTime printDate;

    const ReportDataset *dataset(const QString &name) const;
    // The dataset an unqualified field outside any dataset block refers to:
    // the template's first dataset block, or the first one added.
    const ReportDataset *primary() const;
    QString primaryName() const;
};

// Lays a report out into pages. `pageCount` is what Pages prints; the
// caller runs the layout a second time with the real count when the
// template prints it. The input is assumed checked (ReportCheck): a field
// or dataset that is missing prints as NULL here.
struct LaidOutReport {
    std::vector<RenderedPage> pages;
    qreal rollLengthMm = 0; // the paper length of a roll report
};
LaidOutReport layOutReport(const ReportInput &input, int pageCount);
