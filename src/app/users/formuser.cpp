#include "formuser.h"

#include "formeditmasteruser.h"
#include "messages.h"
#include "password.h"
#include "session.h"
#include "userfields.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace {

MasterListWindow::Definition definition()
{
    MasterListWindow::Definition s;
    s.objectName = QStringLiteral("TFormUser");
    s.caption = QStringLiteral("  Master User");
    s.listSql = QStringLiteral(
        "Select u.*,  j.Jabatan , (select namacabang from mastercabang where idcabang = u.idcabang) namacabang "
        "From MasterUser u, MasterJabatan j Where u.Flag=0 and j.IdJabatan=u.IDJabatan Order By u.NamaLengkap asc");
    s.columns << GridColumn::text(QStringLiteral("IDUSER"), QStringLiteral("Kode"), 60)
              << GridColumn::text(QStringLiteral("NAMALENGKAP"), QStringLiteral("Nama User"), 300)
              << GridColumn::text(QStringLiteral("NAMACABANG"), QStringLiteral("Nama Cabang"), 200);
    s.keyField = QStringLiteral("IDUser");
    s.nameField = QStringLiteral("NamaLengkap");
    s.addCaption = QStringLiteral("Tambah User  [Enter]");
    s.clearButton = true;
    s.deleteSql = QStringLiteral("Delete From MasterUser Where IDUser=:IDUser");
    s.search.refreshSql = QStringLiteral(
        "Select IDUser,NamaLengkap From MasterUser Where Flag=0 and NamaLengkap like :KataKunci "
        "Order By NamaLengkap asc");
    s.search.column = GridColumn::text(QStringLiteral("NamaLengkap"), QStringLiteral("Nama User"));
    s.search.mode = QStringLiteral("User");
    s.search.keyField = s.keyField;
    s.search.deleteSql = s.deleteSql;
    return s;
}

} // namespace

TFormUser::TFormUser(QWidget *parent)
    : MasterListWindow(definition(), parent), m_fields(new UserFields(this)), m_edit(new TFormEditMasterUser(this))
{
    entryLayout()->addWidget(m_fields);
}

QLineEdit *TFormUser::nameEdit() const
{
    return m_fields->namaLengkapEdit();
}

void TFormUser::clearEntries()
{
    m_fields->clearTexts();
}

void TFormUser::prepareShow()
{
    if (m_fields->fillChoosers())
        m_edit->fillChoosers();
}

bool TFormUser::acceptNewName(const QString &trimmedName)
{
    if (trimmedName.size() >= 2)
        return true;
    messages().error(QStringLiteral("Panjang nama User minimal 2 karakter!!!"));
    return false;
}

QString TFormUser::nameCheckSql() const
{
    return QStringLiteral("Select IDUser From MasterUser Where NamaLengkap=trim(:NamaLengkap)");
}

QString TFormUser::duplicateMessage() const
{
    return QStringLiteral("Nama lengkap sudah ada!!!");
}

bool TFormUser::acceptNewRecord()
{
    SqlStatement check(Session::db(), QStringLiteral("Select IDUser From MasterUser Where NamaUser=trim(:NamaUser)"));
    check.bind(QStringLiteral("NamaUser"), m_fields->namaUser());
    if (!check.exec()) {
        messages().error(check.errorText());
        return false;
    }
    if (!check.query().first())
        return true;
    messages().error(QStringLiteral("Login user sudah ada!!!"));
    return false;
}

bool TFormUser::insertRecord(const QString &trimmedName)
{
    const QString hashed = Password::hash(m_fields->password());
    if (hashed.isEmpty()) {
        messages().error(QStringLiteral("Password tidak dapat di-hash"));
        return false;
    }
    SqlStatement insert(Session::db(), QStringLiteral(
        "Insert Into MasterUser (iduser, idjabatan, namalengkap, alamat, telp, namauser, passworduser, keterangan, "
        "flag, viewedit, idcabang, koreksipenjualan, lihatharga) Values(0,:IDJabatan,:NamaLengkap,:Alamat,:Telp,"
        ":NamaUser,:PasswordUser, :Keterangan,'0', :viewedit, :idcabang, :koreksipenjualan, :lihatharga)"));
    insert.bind({{QStringLiteral("IDJabatan"), m_fields->idJabatan()},
                 {QStringLiteral("NamaLengkap"), trimmedName},
                 {QStringLiteral("Alamat"), m_fields->alamat()},
                 {QStringLiteral("Telp"), m_fields->telp()},
                 {QStringLiteral("NamaUser"), m_fields->namaUser()},
                 {QStringLiteral("PasswordUser"), hashed},
                 {QStringLiteral("Keterangan"), QString()},
                 {QStringLiteral("viewedit"), m_fields->viewEdit()},
                 {QStringLiteral("idcabang"), m_fields->idCabang()},
                 {QStringLiteral("koreksipenjualan"), m_fields->koreksiPenjualan()},
                 {QStringLiteral("lihatharga"), m_fields->lihatHarga()}});
    return runWrite(insert);
}

bool TFormUser::editRecord(const QSqlRecord &row)
{
    m_edit->load(row);
    if (m_edit->exec() != QDialog::Accepted)
        return false;
    const UserFields *f = m_edit->fields();
    if (f->namaLengkap().isEmpty())
        return false;
    QVariant hashed; // NULL keeps the stored password
    if (!f->password().isEmpty()) {
        hashed = Password::hash(f->password());
        if (hashed.toString().isEmpty()) {
            messages().error(QStringLiteral("Password tidak dapat di-hash"));
            return false;
        }
    }
    SqlStatement update(Session::db(), QStringLiteral(
        "Update MasterUser Set IDJabatan=:IDJabatan, NamaLengkap=:NamaLengkap, Alamat=:Alamat, Telp=:Telp, "
        "NamaUser=:NamaUser, PasswordUser=COALESCE(:PasswordUser, PasswordUser), Keterangan=:Keterangan, "
        "viewedit=:viewedit, idcabang = :idcabang, koreksipenjualan = :koreksipenjualan, lihatharga = :lihatharga "
        "Where IDUser=:IDUser"));
    update.bind({{QStringLiteral("IDJabatan"), f->idJabatan()},
                 {QStringLiteral("NamaLengkap"), f->namaLengkap()},
                 {QStringLiteral("Alamat"), f->alamat()},
                 {QStringLiteral("Telp"), f->telp()},
                 {QStringLiteral("NamaUser"), f->namaUser()},
                 {QStringLiteral("PasswordUser"), hashed},
                 {QStringLiteral("Keterangan"), QString()},
                 {QStringLiteral("viewedit"), f->viewEdit()},
                 {QStringLiteral("idcabang"), f->idCabang()},
                 {QStringLiteral("koreksipenjualan"), f->koreksiPenjualan()},
                 {QStringLiteral("lihatharga"), f->lihatHarga()},
                 {QStringLiteral("IDUser"), row.value(QStringLiteral("IDUser"))}});
    return runWrite(update);
}
