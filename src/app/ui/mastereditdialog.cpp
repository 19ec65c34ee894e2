#include "mastereditdialog.h"

#include "buttons.h"
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
    auto *save = makeButton(this, QStringLiteral("TombolSimpan"), QStringLiteral("Simpan Perubahan [Enter]"), ButtonRole::Default);
    auto *cancel = makeButton(this, QStringLiteral("TombolBatal"), QStringLiteral("Batal [Esc]"));
    connect(save, &QPushButton::clicked, this, &MasterEditDialog::TombolSimpanClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = buttonRow({}, {save, cancel});
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
