#include "datagrid.h"

#include "numbertext.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QSqlError>
#include <QWheelEvent>

GridColumn GridColumn::text(const QString &field, const QString &title, int width)
{
    GridColumn c;
    c.field = field;
    c.title = title;
    c.width = width;
    return c;
}

GridColumn GridColumn::money(const QString &field, const QString &title, int width)
{
    GridColumn c = text(field, title, width);
    c.alignment = Qt::AlignRight | Qt::AlignVCenter;
    c.format = [](const QVariant &v) { return NumberText::FormatUang(NumberText::plainFromDb(v)); };
    return c;
}

GridColumn GridColumn::number(const QString &field, const QString &title, int width)
{
    GridColumn c = text(field, title, width);
    c.alignment = Qt::AlignRight | Qt::AlignVCenter;
    c.format = [](const QVariant &v) { return NumberText::FormatAngka(NumberText::plainFromDb(v)); };
    return c;
}

GridColumnsModel::GridColumnsModel(QSqlQueryModel *source, QObject *parent)
    : QAbstractTableModel(parent), m_source(source)
{
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(source, &QAbstractItemModel::modelReset, this, [this] {
        remap();
        endResetModel();
    });
    connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex &, int first, int last) { beginInsertRows({}, first, last); });
    connect(source, &QAbstractItemModel::rowsInserted, this, [this] { endInsertRows(); });
}

void GridColumnsModel::setColumns(const QList<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    remap();
    endResetModel();
}

void GridColumnsModel::remap()
{
    m_sourceColumn.clear();
    const QSqlRecord rec = m_source->record();
    for (const GridColumn &c : m_columns) {
        int found = -1;
        for (int i = 0; !c.field.isEmpty() && i < rec.count(); ++i) {
            if (rec.fieldName(i).compare(c.field, Qt::CaseInsensitive) == 0) {
                found = i;
                break;
            }
        }
        m_sourceColumn << found;
    }
}

int GridColumnsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_source->rowCount();
}

int GridColumnsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridColumnsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= m_columns.size())
        return {};
    const GridColumn &c = m_columns.at(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(c.alignment);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const int src = m_sourceColumn.value(index.column(), -1);
    if (src < 0)
        return {};
    const QVariant v = m_source->data(m_source->index(index.row(), src));
    if (c.format)
        return c.format(v);
    return v.isNull() ? QVariant(QString()) : v;
}

QVariant GridColumnsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_columns.size())
        return m_columns.at(section).title;
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return {};
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool GridColumnsModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_source->canFetchMore();
}

void GridColumnsModel::fetchMore(const QModelIndex &parent)
{
    if (!parent.isValid())
        m_source->fetchMore();
}

DataGrid::DataGrid(QWidget *parent)
    : QTableView(parent), m_source(new QSqlQueryModel(this)), m_columns(new GridColumnsModel(m_source, this))
{
    setModel(m_columns);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setFixedWidth(14);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { Q_EMIT currentRowChanged(current.isValid() ? current.row() : -1); });
}

void DataGrid::setColumns(const QList<GridColumn> &columns)
{
    m_columns->setColumns(columns);
    for (int i = 0; i < columns.size(); ++i) {
        setColumnHidden(i, !columns.at(i).visible);
        setColumnWidth(i, columns.at(i).width);
    }
}

bool DataGrid::open(SqlStatement &statement)
{
    m_error.clear();
    if (!statement.exec()) {
        m_error = statement.errorText();
        close();
        return false;
    }
    m_source->setQuery(std::move(statement.query()));
    if (m_source->lastError().isValid()) {
        m_error = m_source->lastError().text();
        close();
        return false;
    }
    m_open = true;
    setColumns(m_columns->columns());
    setCurrentRow(0);
    return true;
}

void DataGrid::close()
{
    m_source->clear();
    m_open = false;
}

int DataGrid::rowCountAll()
{
    while (m_source->canFetchMore())
        m_source->fetchMore();
    return m_source->rowCount();
}

int DataGrid::currentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void DataGrid::setCurrentRow(int row)
{
    if (isEmpty())
        return;
    if (row >= m_source->rowCount())
        row = rowCountAll() - 1;
    row = std::max(0, row);
    int column = 0;
    while (column < m_columns->columnCount() - 1 && isColumnHidden(column))
        ++column;
    const QModelIndex target = m_columns->index(row, column);
    setCurrentIndex(target);
    selectRow(row);
    scrollTo(target);
}

void DataGrid::moveBy(int rows)
{
    if (isEmpty())
        return;
    setCurrentRow(std::max(0, currentRow() + rows));
}

QSqlRecord DataGrid::record(int row) const
{
    return m_source->record(row);
}

QSqlRecord DataGrid::currentRecord() const
{
    const int row = currentRow();
    return row < 0 ? QSqlRecord() : m_source->record(row);
}

QVariant DataGrid::currentValue(const QString &field) const
{
    const QSqlRecord r = currentRecord();
    const int i = r.indexOf(field);
    return i < 0 ? QVariant() : r.value(i);
}

int DataGrid::findRow(const QString &field, const QVariant &value, int from, Qt::CaseSensitivity cs)
{
    const int rows = rowCountAll();
    const QString wanted = value.toString();
    for (int row = std::max(0, from); row < rows; ++row) {
        const QSqlRecord r = m_source->record(row);
        const int i = r.indexOf(field);
        if (i >= 0 && r.value(i).toString().compare(wanted, cs) == 0)
            return row;
    }
    return -1;
}

void DataGrid::wheelEvent(QWheelEvent *event)
{
    gridMouseWheel(this, event->angleDelta().y());
    event->accept();
}

void gridMouseWheel(DataGrid *grid, int delta)
{
    if (!grid || delta == 0 || grid->isEmpty())
        return;
    grid->moveBy(delta > 0 ? -1 : 1);
}

bool moveByNavigationKey(DataGrid *grid, const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up: grid->moveBy(-1); return true;
    case Qt::Key_Down: grid->moveBy(1); return true;
    case Qt::Key_PageUp: grid->moveBy(-10); return true;
    case Qt::Key_PageDown: grid->moveBy(10); return true;
    default: return false;
    }
}

namespace {

class DeleteKeyFilter : public QObject
{
public:
    DeleteKeyFilter(DataGrid *grid, std::function<void()> handler) : QObject(grid), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Delete || key->modifiers() != Qt::NoModifier)
            return false;
        m_handler();
        return true;
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void onDeleteKey(DataGrid *grid, std::function<void()> handler)
{
    grid->installEventFilter(new DeleteKeyFilter(grid, std::move(handler)));
}
