#pragma once

#include "reportresult.h"
#include "reporttemplate.h"

#include <QString>
#include <QStringList>

#include <vector>

// Reads the text of a template file (docs/REPORTS.md) into a
// ReportTemplate. Stops at the first error, reported as
// "<fileName> baris <n>: <what is wrong>". Checks syntax, expressions and
// formats only: whether the fields and variables exist is known when the
// report is rendered with its data.
class TemplateParser
{
public:
    TemplateParser(const QString &text, const QString &fileName);
    ReportResult<ReportTemplate> parse();

private:
    struct Arg {
        QString key; // empty for a bare word or quoted text
        QString value;
        bool quoted = false;
    };
    struct Statement {
        int line = 0;
        QString keyword; // lower case
        std::vector<Arg> args;
        QString expression;
        bool hasExpression = false;
    };

    bool next(Statement &out);
    Statement tokenize(const QString &text, int line) const;

    void parseTopLevel(ReportTemplate &t);
    ReportBand parseBand(const Statement &open, BandKind kind);
    ReportDataBlock parseDataset(const Statement &open, bool nested);
    ReportGroup parseGroup(const Statement &open);
    ReportItem parseItem(const Statement &st);
    void parsePage(const Statement &st, ReportTemplate &t);
    void parseMargins(const Statement &st, ReportTemplate &t);
    void parseFont(const Statement &st, ReportTemplate &t);

    Expression expressionOf(const Statement &st) const;
    qreal number(const Statement &st, const QString &text, bool allowZero = true) const;
    [[noreturn]] void fail(int line, const QString &message) const;
    [[noreturn]] void unclosed(const Statement &open, const QString &what) const;

    QStringList m_lines;
    QString m_fileName;
    int m_pos = 0; // next line index
};
