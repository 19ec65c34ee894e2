#pragma once

#include "masterlistwindow.h"

class TFormEditMasterUser;
class UserFields;

// "  Master User": the users, their positions, branches and switches.
class TFormUser : public MasterListWindow
{
    Q_OBJECT
public:
    explicit TFormUser(QWidget *parent = nullptr);

    TFormEditMasterUser *editDialog() const { return m_edit; }

protected:
    QLineEdit *nameEdit() const override;
    void clearEntries() override;
    void prepareShow() override;
    bool acceptNewName(const QString &trimmedName) override;
    QString nameCheckSql() const override;
    QString duplicateMessage() const override;
    bool acceptNewRecord() override;
    bool insertRecord(const QString &trimmedName) override;
    bool editRecord(const QSqlRecord &row) override;

private:
    UserFields *m_fields;
    TFormEditMasterUser *m_edit;
};
