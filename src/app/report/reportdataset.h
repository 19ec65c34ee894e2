#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

class QSqlQuery;

// The rows a report prints: named columns and rows of values, held in
// memory so that the report can group, total and page through them freely.
// Column names are matched ignoring letter case.
//
// Numbers travel as text in the server's form ("1234.50") or as integers,
// never as double: a query must run with QSql::HighPrecision (the session's
// connection does), and code that fills rows passes Decimal::toDbText().
// Dates travel as QDate / QDateTime.
class ReportDataset
{
public:
    ReportDataset() = default;
    explicit ReportDataset(const QStringList &columns);

    // Every row of an executed SELECT, from its first row whatever the
    // query's position (a forward-only query that was already moved on
    // gives the rows from its current one). The query is left at its end.
    // An inactive query gives a dataset with no columns and no rows.
    static ReportDataset fromQuery(QSqlQuery &query);

    // Appends a row; missing trailing values are NULL, extra ones dropped.
    void addRow(const QVariantList &values);

    const QStringList &columns() const { return m_columns; }
    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    // -1 when there is no such column. With two columns of one name the
    // first counts.
    int columnIndex(const QString &name) const;
    bool hasColumn(const QString &name) const { return columnIndex(name) >= 0; }

    // NULL (an invalid QVariant) for a row or column out of range.
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString &column) const { return value(row, columnIndex(column)); }

private:
    QStringList m_columns;
    QHash<QString, int> m_index; // lower-case name -> column
    std::vector<QVariantList> m_rows;
};
