#include "reportdataset.h"

#include <QSqlQuery>
#include <QSqlRecord>

ReportDataset::ReportDataset(const QStringList &columns) : m_columns(columns)
{
    for (int i = 0; i < m_columns.size(); ++i) {
        const QString key = m_columns.at(i).toLower();
        if (!m_index.contains(key))
            m_index.insert(key, i);
    }
}

ReportDataset ReportDataset::fromQuery(QSqlQuery &query)
{
    if (!query.isActive() || !query.isSelect())
        return {};
    const QSqlRecord record = query.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    ReportDataset data(names);
    bool onRow = query.isForwardOnly() ? (query.isValid() || query.next()) : query.first();
    while (onRow) {
        QVariantList row;
        row.reserve(names.size());
        for (int i = 0; i < names.size(); ++i)
            row << query.value(i);
        data.m_rows.push_back(std::move(row));
        onRow = query.next();
    }
    return data;
}

void ReportDataset::addRow(const QVariantList &values)
{
    QVariantList row = values.mid(0, m_columns.size());
    while (row.size() < m_columns.size())
        row << QVariant();
    m_rows.push_back(std::move(row));
}

int ReportDataset::columnIndex(const QString &name) const
{
    return m_index.value(name.toLower(), -1);
}

QVariant ReportDataset::value(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return m_rows[size_t(row)].at(column);
}
