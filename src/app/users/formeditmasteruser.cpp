#include "formeditmasteruser.h"

#include "messages.h"
#include "userfields.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSqlRecord>

TFormEditMasterUser::TFormEditMasterUser(QWidget *parent)
    : MasterEditDialog(QStringLiteral("TFormEditMasterUser"), QStringLiteral("  Edit User"), parent),
      m_fields(new UserFields(this))
{
    form()->addRow(m_fields);
    m_fields->passwordEdit()->setPlaceholderText(QStringLiteral("(tidak diubah)"));
}

bool TFormEditMasterUser::fillChoosers()
{
    return m_fields->fillChoosers();
}

void TFormEditMasterUser::load(const QSqlRecord &row)
{
    m_fields->load(row);
    m_rememberedName = row.value(QStringLiteral("NamaLengkap")).toString();
    m_rememberedLogin = row.value(QStringLiteral("NamaUser")).toString();
    m_fields->namaLengkapEdit()->setFocus();
}

bool TFormEditMasterUser::validate()
{
    if (takenByAnother(QStringLiteral("Select IDUser From MasterUser Where NamaUser=trim(:NamaUser)"),
                       m_fields->namaUser(), m_rememberedLogin)) {
        messages().error(QStringLiteral("Login user sudah ada !!!"));
        return false;
    }
    if (takenByAnother(QStringLiteral("Select IDUser From MasterUser Where NamaLengkap=trim(:NamaLengkap)"),
                       m_fields->namaLengkap(), m_rememberedName)) {
        messages().error(QStringLiteral("Nama lengkap sudah ada !!!"));
        return false;
    }
    if (m_fields->namaLengkap().size() < 2) {
        messages().error(QStringLiteral("Nama User minimal 2 karakter !!!"));
        return false;
    }
    return true;
}
