#pragma once

#include "mastereditdialog.h"

class QLineEdit;
class RightsBoxes;

// Edit dialog of a position: name and the ten rights.
class TFormEditMasterJabatan : public MasterEditDialog
{
    Q_OBJECT
public:
    explicit TFormEditMasterJabatan(QWidget *parent = nullptr);

    void load(const QString &jabatan, const QString &wewenang);
    QString jabatan() const;
    QString wewenang() const;

protected:
    bool validate() override;

private:
    QLineEdit *m_name;
    RightsBoxes *m_rights;
    QString m_remembered;
};
