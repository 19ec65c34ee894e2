#pragma once

#include <QDialog>

class QFormLayout;
class SqlStatement;

// The edit dialog of a master list: the window's fields in a form, and
// "Simpan Perubahan [Enter]", which accepts only when validate() does.
// Esc cancels.
class MasterEditDialog : public QDialog
{
    Q_OBJECT
public:
    void TombolSimpanClick();

protected:
    MasterEditDialog(const QString &objectName, const QString &caption, QWidget *parent = nullptr);

    QFormLayout *form() const { return m_form; }
    // The dialog's checks; shows its own message and returns false to keep
    // the dialog open.
    virtual bool validate() = 0;

    // True when `value` is in use by a record (the check statement, its
    // one parameter bound to `value`, finds a row) unless it equals `remembered`
    // ignoring letter case. A server error is shown and counts as in use.
    static bool takenByAnother(const QString &checkSql, const QString &value, const QString &remembered);

private:
    QFormLayout *m_form;
};
