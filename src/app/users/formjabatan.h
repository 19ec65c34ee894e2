#pragma once

#include "masterlistwindow.h"

class RightsBoxes;
class TFormEditMasterJabatan;

// "  Master Jabatan": the positions and their rights.
class TFormJabatan : public MasterListWindow
{
    Q_OBJECT
public:
    explicit TFormJabatan(QWidget *parent = nullptr);

    TFormEditMasterJabatan *editDialog() const { return m_edit; }

protected:
    QLineEdit *nameEdit() const override { return m_name; }
    void clearEntries() override;
    bool acceptNewName(const QString &trimmedName) override;
    QString nameCheckSql() const override;
    QString duplicateMessage() const override;
    bool insertRecord(const QString &trimmedName) override;
    bool editRecord(const QSqlRecord &row) override;

private:
    QLineEdit *m_name;
    RightsBoxes *m_rights;
    TFormEditMasterJabatan *m_edit;
};
