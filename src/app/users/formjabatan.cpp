#include "formjabatan.h"

#include "formeditmasterjabatan.h"
#include "numberedits.h"
#include "rightsboxes.h"
#include "session.h"

#include <QFormLayout>
#include <QLineEdit>

namespace {

QString listSql()
{
    QString rights;
    for (int i = 0; i < 10; ++i)
        rights += QStringLiteral(", IF(SUBSTRING(Wewenang,%1,1)='1','*','') AS Wewenang%2").arg(i + 1).arg(i);
    return QStringLiteral("Select *%1 From MasterJabatan Where Flag='0' Order By Jabatan asc").arg(rights);
}

MasterListWindow::Definition definition()
{
    MasterListWindow::Definition s;
    s.objectName = QStringLiteral("TFormJabatan");
    s.caption = QStringLiteral("  Master Jabatan");
    s.listSql = listSql();
    s.columns << GridColumn::text(QStringLiteral("Jabatan"), QStringLiteral("Nama Jabatan"), 220);
    for (int i = 0; i < 10; ++i) {
        GridColumn right = GridColumn::text(QStringLiteral("Wewenang%1").arg(i), QString::number(i + 1), 32);
        right.alignment = Qt::AlignCenter;
        s.columns << right;
    }
    s.keyField = QStringLiteral("IDJabatan");
    s.nameField = QStringLiteral("Jabatan");
    s.addCaption = QStringLiteral("Tambah Jabatan  [Enter]");
    s.deleteSql = QStringLiteral("Delete From MasterJabatan Where IDJabatan=:IDJabatan");
    s.search.refreshSql = QStringLiteral(
        "Select IDJabatan,Jabatan From MasterJabatan Where Jabatan like :KataKunci Order By Jabatan asc");
    s.search.column = GridColumn::text(QStringLiteral("Jabatan"), QStringLiteral("Nama Jabatan"));
    s.search.mode = QStringLiteral("Jabatan");
    s.search.keyField = s.keyField;
    s.search.deleteSql = s.deleteSql;
    return s;
}

} // namespace

TFormJabatan::TFormJabatan(QWidget *parent)
    : MasterListWindow(definition(), parent), m_name(new QLineEdit(this)), m_rights(new RightsBoxes(this)),
      m_edit(new TFormEditMasterJabatan(this))
{
    m_name->setObjectName(QStringLiteral("EditJabatan"));
    limitTyping(m_name, 30);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Nama Jabatan"), m_name);
    form->addRow(QStringLiteral("Wewenang"), m_rights);
    entryLayout()->addLayout(form);
}

void TFormJabatan::clearEntries()
{
    m_name->clear();
    m_rights->clear();
}

bool TFormJabatan::acceptNewName(const QString &trimmedName)
{
    return !trimmedName.isEmpty();
}

QString TFormJabatan::nameCheckSql() const
{
    return QStringLiteral("Select IDJabatan From MasterJabatan Where Jabatan=trim(:Jabatan)");
}

QString TFormJabatan::duplicateMessage() const
{
    return QStringLiteral("Nama Jabatan sudah ada!!!");
}

bool TFormJabatan::insertRecord(const QString &trimmedName)
{
    SqlStatement insert(Session::db(), QStringLiteral("Insert Into MasterJabatan Values(0,:Jabatan,:Wewenang,:Flag)"));
    insert.bind({{QStringLiteral("Jabatan"), trimmedName},
                 {QStringLiteral("Wewenang"), m_rights->wewenang()},
                 {QStringLiteral("Flag"), QStringLiteral("0")}});
    return runWrite(insert);
}

bool TFormJabatan::editRecord(const QSqlRecord &row)
{
    m_edit->load(row.value(QStringLiteral("Jabatan")).toString(), row.value(QStringLiteral("Wewenang")).toString());
    if (m_edit->exec() != QDialog::Accepted || m_edit->jabatan().isEmpty())
        return false;
    SqlStatement update(Session::db(), QStringLiteral(
        "Update MasterJabatan Set Jabatan=:Jabatan, Wewenang=:Wewenang, Flag='0' Where IDJabatan=:IDJabatan"));
    update.bind({{QStringLiteral("Jabatan"), m_edit->jabatan()},
                 {QStringLiteral("Wewenang"), m_edit->wewenang()},
                 {QStringLiteral("IDJabatan"), row.value(QStringLiteral("IDJabatan"))}});
    return runWrite(update);
}
