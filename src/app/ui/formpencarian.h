#pragma once

#include "datagrid.h"

#include <QDialog>
#include <QSqlRecord>

#include <functional>

class QLineEdit;
class QPushButton;

// "  Modul Pencarian": finds a record of a master list by name and lets the
// user edit it through the master's own edit dialog, or delete it. One
// instance (sharedWindow), configured by the caller before each showing.
class TFormPencarian : public QDialog
{
    Q_OBJECT
public:
    // What a caller sets before showing the dialog.
    struct Request {
        QString refreshSql;   // the list; must contain :KataKunci
        GridColumn column;    // grid column 0: field and title
        QString mode;         // the kind of record: "Jabatan", "User", "Barang", ...
        QString keyField;     // the record's key in the list
        QString deleteSql;    // deletes one record, keyed by :<keyField>
    };

    // Edits the current row of the list: shows the master's dialog and, on
    // OK, writes the changed columns of that record. Returns true when it
    // wrote. The master windows register theirs by mode word; a mode with
    // none (Jabatan, User, Agen) does nothing on edit.
    using Editor = std::function<bool(const QSqlRecord &row)>;
    static void registerEditor(const QString &mode, Editor editor);

    explicit TFormPencarian(QWidget *parent = nullptr);

    void configure(const Request &request);
    const Request &request() const { return m_request; }

    // Runs the search with the keyword as typed (trimmed).
    void TombolCariClick();
    void editCurrent();
    void deleteCurrent();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Request m_request;
    QLineEdit *m_keyword;
    DataGrid *m_grid;
    QPushButton *m_search;
};
