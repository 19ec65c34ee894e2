#include "mastereditdialog.h"

#include "messages.h"
#include "session.h"
#include "sqlstatement.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

MasterEditDialog::MasterEditDialog(const QString &objectName, const QString &caption, QWidget *parent)
    : QDialog(parent), m_form(new QFormLayout)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto *save = new QPushButton(QStringLiteral("Simpan Perubahan [Enter]"), this);
    save->setObjectName(QStringLiteral("TombolSimpan"));
    save->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Batal [Esc]"), this);
    cancel->setObjectName(QStringLiteral("TombolBatal"));
    cancel->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &MasterEditDialog::TombolSimpanClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addLayout(buttons);
}

void MasterEditDialog::TombolSimpanClick()
{
    if (validate())
        accept();
}

bool MasterEditDialog::takenByAnother(const QString &checkSql, const QString &value, const QString &remembered)
{
    if (value.compare(remembered, Qt::CaseInsensitive) == 0)
        return false;
    SqlStatement check(Session::db(), checkSql);
    check.bindAll(value);
    if (!check.exec()) {
        messages().error(check.errorText());
        return true;
    }
    return check.query().first();
}
