#pragma once

#include "datagrid.h"

#include <QDialog>
#include <QSqlRecord>

#include <functional>

class QLineEdit;
class QPushButton;

// "  Modul Browse": a keyword pick list. The caller writes the query (with
// :KataKunci, any letter case, any number of times), binds grid columns 1
// to 5, shows the dialog, and on Accepted reads the current row. One
// instance (sharedWindow): call begin() first, which puts the design back
// (columns, size, "Tambah" hidden), so no caller sees another's settings.
class TFormBrowse : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kColumns = 6;

    explicit TFormBrowse(QWidget *parent = nullptr);

    void begin();
    void setSql(const QString &sql) { m_sql = sql; }
    // Binds grid column `index` (1 to 5) to a field.
    void setColumn(int index, const QString &field, const QString &caption, bool visible, int width = 100);
    void setColumnVisible(int index, bool visible);
    // Shows "Tambah", which runs `action` and then reads the list again.
    void showAddButton(std::function<void()> action);
    void setWidths(int dialogWidth, int gridWidth);

    QSqlRecord currentRecord() const { return m_grid->currentRecord(); }
    QVariant value(const QString &field) const { return m_grid->currentValue(field); }

    void search();
    void choose();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QList<GridColumn> designColumns() const;

    QString m_sql;
    QList<GridColumn> m_columns;
    QLineEdit *m_keyword;
    DataGrid *m_grid;
    QPushButton *m_add;
    std::function<void()> m_addAction;
};
