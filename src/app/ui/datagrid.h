#pragma once

#include "sqlstatement.h"

#include <QAbstractTableModel>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>

#include <functional>

// One column of a grid: the field it shows (matched ignoring case), its
// title, width, visibility and how a value becomes text.
struct GridColumn {
    QString field;
    QString title;
    int width = 100;
    bool visible = true;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    std::function<QString(const QVariant &)> format; // none: the value's own text

    static GridColumn text(const QString &field, const QString &title, int width = 100);
    // Right-aligned with FormatUang / FormatAngka over the plain number text.
    static GridColumn money(const QString &field, const QString &title, int width = 100);
    static GridColumn number(const QString &field, const QString &title, int width = 80);
};

// Shows chosen fields of a query result in the grid's own column order.
class GridColumnsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridColumnsModel(QSqlQueryModel *source, QObject *parent = nullptr);

    void setColumns(const QList<GridColumn> &columns);
    const QList<GridColumn> &columns() const { return m_columns; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    void remap();
    QSqlQueryModel *m_source;
    QList<GridColumn> m_columns;
    QList<int> m_sourceColumn; // -1: the field is not in the result
};

// The read-only list grid every window uses: rows of one query, whole-row
// selection, one wheel notch moves one record.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);

    void setColumns(const QList<GridColumn> &columns);
    QList<GridColumn> columns() const { return m_columns->columns(); }

    // Runs the statement and shows its rows; the current row becomes the
    // first. False on error (the grid is then closed), text in errorText().
    bool open(SqlStatement &statement);
    void close();
    bool isOpen() const { return m_open; }
    QString errorText() const { return m_error; }

    // Row count with every row fetched.
    int rowCountAll();
    bool isEmpty() const { return !m_open || m_source->rowCount() == 0; }

    int currentRow() const;
    void setCurrentRow(int row);       // clamped to the rows there are
    void moveBy(int rows);             // clamped
    QSqlRecord currentRecord() const;
    QVariant currentValue(const QString &field) const;
    QSqlRecord record(int row) const;

    // The first row from `from` on whose field equals value; -1 when none.
    int findRow(const QString &field, const QVariant &value, int from = 0,
                Qt::CaseSensitivity cs = Qt::CaseInsensitive);

    QSqlQueryModel *sourceModel() const { return m_source; }

Q_SIGNALS:
    void currentRowChanged(int row);

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    QSqlQueryModel *m_source;
    GridColumnsModel *m_columns;
    bool m_open = false;
    QString m_error;
};

// Up and Down move the grid by one record, PgUp and PgDn by ten, for the
// windows whose list follows these keys from any field. True when the key
// was one of them.
bool moveByNavigationKey(DataGrid *grid, const QKeyEvent *event);
// Runs `handler` when a plain Del is pressed in the grid.
void onDeleteKey(DataGrid *grid, std::function<void()> handler);

// One wheel step moves the grid's current record by one: a positive delta
// (away from the user) to the previous record, a negative one to the next.
// A delta of 0, or a grid without rows, does nothing.
void gridMouseWheel(DataGrid *grid, int delta);
