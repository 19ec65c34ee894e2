#include "formeditmasterjabatan.h"

#include "messages.h"
#include "numberedits.h"
#include "rightsboxes.h"

#include <QFormLayout>
#include <QLineEdit>

TFormEditMasterJabatan::TFormEditMasterJabatan(QWidget *parent)
    : MasterEditDialog(QStringLiteral("TFormEditMasterJabatan"), QStringLiteral("  Edit Jabatan"), parent),
      m_name(new QLineEdit(this)), m_rights(new RightsBoxes(this))
{
    m_name->setObjectName(QStringLiteral("EditJabatan"));
    limitTyping(m_name, 30);
    form()->addRow(QStringLiteral("Nama Jabatan"), m_name);
    form()->addRow(QStringLiteral("Wewenang"), m_rights);
}

void TFormEditMasterJabatan::load(const QString &jabatan, const QString &wewenang)
{
    m_remembered = jabatan;
    m_name->setText(jabatan);
    m_rights->setWewenang(wewenang);
    m_name->setFocus();
}

QString TFormEditMasterJabatan::jabatan() const
{
    return m_name->text().trimmed();
}

QString TFormEditMasterJabatan::wewenang() const
{
    return m_rights->wewenang();
}

bool TFormEditMasterJabatan::validate()
{
    if (jabatan().isEmpty())
        return false;
    if (takenByAnother(QStringLiteral("Select IDJabatan From MasterJabatan Where Jabatan=trim(:Jabatan)"), jabatan(),
                       m_remembered)) {
        messages().error(QStringLiteral("Jabatan sudah ada !!!"));
        return false;
    }
    return true;
}
