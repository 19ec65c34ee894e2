#pragma once

#include "expression.h"
#include "pagesetup.h"
#include "reportresult.h"
#include "valueformat.h"

#include <QString>

#include <optional>
#include <vector>

// The object model of a report layout. A template file (docs/REPORTS.md)
// is parsed into it, and windows that keep their layout in code build it
// directly; both render the same way. Positions and sizes are millimetres:
// x from the left margin, y from the top of the band. `line` fields hold
// the template line an element came from, 0 when built in code; errors
// found while rendering name it.

enum class BandKind { Title, PageHeader, ColumnHeader, GroupHeader, Detail, GroupFooter, DatasetFooter, Summary, PageFooter };

struct ReportItem {
    enum class Kind { Text, Line, Box };
    Kind kind = Kind::Text;
    qreal x = 0;
    qreal y = 0;
    qreal width = -1;  // < 0: up to the right margin (a line without height too)
    qreal height = -1; // < 0: one line of the item's font; a line: 0

    // Text only.
    Expression expression;
    ValueFormat format;
    Qt::Alignment alignment = Qt::AlignLeft;
    QString fontFamily; // empty: the report's
    qreal fontSize = 0; // points; 0: the report's
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool wrap = false; // break long text into lines within the width; the band grows

    qreal penWidth = 0.5; // points, lines and boxes

    int line = 0;

    static ReportItem text(qreal x, qreal width, const Expression &expression);
    static ReportItem rule(qreal x, qreal y, qreal width, qreal penWidth = 0.5);
    static ReportItem box(qreal x, qreal y, qreal width, qreal height, qreal penWidth = 0.5);
};

struct ReportBand {
    BandKind kind = BandKind::Detail;
    qreal minHeight = 0;    // mm; the band is at least as tall as its items
    Expression printWhen;   // empty: always printed
    std::vector<ReportItem> items;
    int line = 0;

    explicit ReportBand(BandKind k = BandKind::Detail) : kind(k) {}
    // Appends a text item whose value is `expression` (expression syntax);
    // the reference is valid until the next item is added.
    ReportItem &addText(qreal x, qreal width, const QString &expression);
    ReportItem &addItem(const ReportItem &item);
};

struct ReportGroup {
    Expression key;            // a new group starts where its value changes
    bool keepTogether = false; // moves a group that does not fit to the next page whole
    bool newPage = false;      // every group after the first starts a page
    bool repeatHeader = false; // the header is printed again on each page the group runs on
    std::optional<ReportBand> header;
    std::optional<ReportBand> footer;
    int line = 0;
};

// The rows of one dataset and their bands. A nested block prints under
// every row of its master the rows whose `linkField` equals the master's
// `masterField` (the same name when empty).
struct ReportDataBlock {
    QString dataset;
    QString linkField;
    QString masterField;
    std::optional<ReportBand> columnHeader;
    std::vector<ReportGroup> groups; // outermost first
    std::optional<ReportBand> detail;
    std::optional<ReportBand> footer;
    std::vector<ReportDataBlock> children;
    int line = 0;
};

struct ReportTemplate {
    // Shown in errors: the path from the "Laporan" folder on
    // ("Laporan/Stok.frf"), or a name given by the code that built it.
    QString fileName;
    QString title; // the preview's and the PDF's title
    PageSetup page;
    QString fontFamily = QStringLiteral("Arial");
    qreal fontSize = 9; // points

    std::optional<ReportBand> titleBand;
    std::optional<ReportBand> pageHeader;
    std::vector<ReportDataBlock> datasets; // printed one after the other
    std::optional<ReportBand> summary;
    std::optional<ReportBand> pageFooter;

    // Reads and parses the file at `path` (a "\" counts as "/"); nothing is
    // kept between calls, so an edited file is read as it now is. Errors:
    // the file is missing or unreadable (named by its full path), or the
    // first syntax error with the file's name and line.
    static ReportResult<ReportTemplate> load(const QString &path);
    // The text of a template file as load() reads it (UTF-8, or Latin-1
    // when the bytes are no UTF-8); the error names the file.
    static ReportResult<QString> readText(const QString &path);
    // Parses template text; `fileName` only names it in errors.
    static ReportResult<ReportTemplate> parse(const QString &text, const QString &fileName);

    // "Laporan/Stok.frf" for any path ending in a folder named Laporan,
    // otherwise the path as given.
    static QString displayName(const QString &path);
};
