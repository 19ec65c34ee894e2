#pragma once

#include "mastereditdialog.h"

class QSqlRecord;
class UserFields;

// Edit dialog of a user. The password field starts empty and an empty
// password means "unchanged".
class TFormEditMasterUser : public MasterEditDialog
{
    Q_OBJECT
public:
    explicit TFormEditMasterUser(QWidget *parent = nullptr);

    UserFields *fields() const { return m_fields; }
    bool fillChoosers();
    void load(const QSqlRecord &row);

protected:
    bool validate() override;

private:
    UserFields *m_fields;
    QString m_rememberedName;
    QString m_rememberedLogin;
};
