#pragma once

#include "datagrid.h"
#include "formpencarian.h"

#include <QDialog>
#include <QKeySequence>

class QAction;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// The master-list window: a list over the window's list statement, entry
// fields for a new record, add / clear / close buttons, the menu "Menu"
// ("Posisi Otomatis", "Pencarian...") and the list's pop-up menu ("Edit
// Data...", "Hapus Data"). A window states its statements, texts and entry
// fields; adding, editing, deleting, searching and positioning are here.
class MasterListWindow : public QDialog
{
    Q_OBJECT
public:
    struct Definition {
        QString objectName;        // the window class, "TFormJabatan"
        QString caption;           // "  Master Jabatan"
        QString listSql;           // the list statement (no parameters)
        QList<GridColumn> columns;
        QString keyField;          // "IDJabatan"
        QString nameField;         // the column the name edit fills, "Jabatan"
        QString addCaption;        // "Tambah Jabatan  [Enter]"
        bool clearButton = false;  // "Bersihkan Form"
        QKeySequence searchKey = QKeySequence(Qt::Key_F3);
        QString deleteSql;         // deletes one record keyed by :<keyField>
        TFormPencarian::Request search;
    };

    DataGrid *list() const { return m_grid; }
    bool autoPosition() const;

    // The actions, public so that tests and menus can run them.
    void addRecord();
    void editCurrent();
    void deleteCurrent();
    void showSearch();
    void clearForm();
    bool reopenList();

protected:
    explicit MasterListWindow(const Definition &definition, QWidget *parent = nullptr);

    // The window's entry fields go into this layout (call from the constructor).
    QVBoxLayout *entryLayout() const { return m_entries; }

    // --- What each window states ---
    virtual QLineEdit *nameEdit() const = 0;
    virtual void clearEntries() = 0;
    // Checks that come before the duplicate check (minimum length, empty
    // name). Shows its own message; false stops the add.
    virtual bool acceptNewName(const QString &trimmedName) = 0;
    // The duplicate check: statement (its one parameter bound to the trimmed name)
    // and message. The list moves to the existing record on a duplicate.
    virtual QString nameCheckSql() const = 0;
    virtual QString duplicateMessage() const = 0;
    // Further checks after the name is known to be new.
    virtual bool acceptNewRecord() { return true; }
    // Writes the new record; errors are reported by runWrite().
    virtual bool insertRecord(const QString &trimmedName) = 0;
    // Shows the edit dialog for `row` and writes it on OK; true when written.
    virtual bool editRecord(const QSqlRecord &row) = 0;
    // Extra work when the window is shown (filling choosers).
    virtual void prepareShow() {}

    // --- Helpers for the windows ---
    // Runs a writing statement, showing the server's text on failure.
    bool runWrite(SqlStatement &statement);
    // Shows `message` and moves the list to the record the check found.
    void showDuplicate(const QString &message, const QVariant &existingKey);
    void positionOnKey(const QVariant &key);
    void positionOnName(const QString &name);

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Walks from the current record to the first match; when none matches
    // the list stays on its last record.
    void positionOn(const QString &field, const QVariant &value, Qt::CaseSensitivity cs);

    Definition m_definition;
    DataGrid *m_grid;
    QVBoxLayout *m_entries;
    QAction *m_autoPosition;
};
