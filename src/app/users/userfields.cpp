#include "userfields.h"

#include "messages.h"
#include "numberedits.h"
#include "session.h"
#include "sqlstatement.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlRecord>

namespace {

QComboBox *fixedChooser(QWidget *parent, const QString &name, const QStringList &entries)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(entries);
    return combo;
}

bool fill(QComboBox *combo, const QString &sql, const QString &textField, const QString &keyField)
{
    combo->clear();
    SqlStatement st(Session::db(), sql);
    if (!st.exec()) {
        messages().error(st.errorText());
        return false;
    }
    while (st.query().next())
        combo->addItem(st.value(textField).toString(), st.value(keyField));
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    return true;
}

QVariant keyOf(const QComboBox *combo)
{
    return combo->currentIndex() < 0 ? QVariant() : combo->currentData();
}

// Selects the entry equal to `text` ignoring letter case; with none, the
// chooser keeps its choice, or shows no entry when `noneWhenMissing`.
void selectText(QComboBox *combo, const QString &text, bool noneWhenMissing = false)
{
    const int i = combo->findText(text, Qt::MatchFixedString);
    if (i >= 0 || noneWhenMissing)
        combo->setCurrentIndex(i);
}

} // namespace

UserFields::UserFields(QWidget *parent)
    : QWidget(parent), m_namaLengkap(new QLineEdit(this)), m_alamat(new QPlainTextEdit(this)),
      m_telp(new QPlainTextEdit(this)), m_namaUser(new QLineEdit(this)), m_password(new QLineEdit(this)),
      m_jabatan(new QComboBox(this)),
      m_viewEdit(fixedChooser(this, QStringLiteral("ComboViewEdit"),
                              {QStringLiteral("Seluruh Tanggal"), QStringLiteral("Tanggal Hari Aktif")})),
      m_cabang(new QComboBox(this)),
      m_koreksi(fixedChooser(this, QStringLiteral("ComboKoreksiPenjualan"),
                             {QStringLiteral("All"), QStringLiteral("Tanggal Aktif")})),
      m_lihatHarga(fixedChooser(this, QStringLiteral("ComboLihatHarga"),
                                {QStringLiteral("Enable"), QStringLiteral("Disable")}))
{
    m_namaLengkap->setObjectName(QStringLiteral("EditNamaLengkap"));
    limitTyping(m_namaLengkap, 100);
    m_alamat->setObjectName(QStringLiteral("EditAlamat"));
    m_alamat->setTabChangesFocus(true);
    m_alamat->setFixedHeight(48);
    m_telp->setObjectName(QStringLiteral("EditTelp"));
    m_telp->setTabChangesFocus(true);
    m_telp->setFixedHeight(48);
    m_namaUser->setObjectName(QStringLiteral("EditNamaUser"));
    limitTyping(m_namaUser, 20);
    m_password->setObjectName(QStringLiteral("EditPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    limitTyping(m_password, 20);
    m_jabatan->setObjectName(QStringLiteral("ComboJabatan"));
    m_cabang->setObjectName(QStringLiteral("ComboCabang"));

    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("Nama Lengkap"), m_namaLengkap);
    form->addRow(QStringLiteral("Alamat"), m_alamat);
    form->addRow(QStringLiteral("Telp"), m_telp);
    form->addRow(QStringLiteral("Login User"), m_namaUser);
    form->addRow(QStringLiteral("Password"), m_password);
    form->addRow(QStringLiteral("Jabatan"), m_jabatan);
    form->addRow(QStringLiteral("View Edit"), m_viewEdit);
    form->addRow(QStringLiteral("Cabang"), m_cabang);
    form->addRow(QStringLiteral("Koreksi Penjualan"), m_koreksi);
    form->addRow(QStringLiteral("View Harga Jual"), m_lihatHarga);
}

bool UserFields::fillChoosers()
{
    const bool positions = fill(m_jabatan, QStringLiteral("SELECT * FROM MasterJabatan WHERE Flag=0 ORDER BY Jabatan asc"),
                                QStringLiteral("Jabatan"), QStringLiteral("IDJabatan"));
    const bool branches = fill(m_cabang, QStringLiteral(" select * from mastercabang "), QStringLiteral("namacabang"),
                               QStringLiteral("idcabang"));
    return positions && branches;
}

QString UserFields::namaLengkap() const { return m_namaLengkap->text().trimmed(); }
QString UserFields::alamat() const { return m_alamat->toPlainText().trimmed(); }
QString UserFields::telp() const { return m_telp->toPlainText().trimmed(); }
QString UserFields::namaUser() const { return m_namaUser->text().trimmed(); }
QString UserFields::password() const { return m_password->text().trimmed(); }
QVariant UserFields::idJabatan() const { return keyOf(m_jabatan); }
QVariant UserFields::idCabang() const { return keyOf(m_cabang); }
QString UserFields::viewEdit() const { return m_viewEdit->currentText().trimmed(); }
QString UserFields::koreksiPenjualan() const { return m_koreksi->currentText(); }
QString UserFields::lihatHarga() const { return m_lihatHarga->currentText(); }

void UserFields::clearTexts()
{
    m_namaLengkap->clear();
    m_alamat->clear();
    m_telp->clear();
    m_namaUser->clear();
    m_password->clear();
    if (m_jabatan->count() > 0)
        m_jabatan->setCurrentIndex(0);
}

void UserFields::load(const QSqlRecord &row)
{
    m_namaLengkap->setText(row.value(QStringLiteral("NamaLengkap")).toString());
    m_alamat->setPlainText(row.value(QStringLiteral("Alamat")).toString());
    m_telp->setPlainText(row.value(QStringLiteral("Telp")).toString());
    m_namaUser->setText(row.value(QStringLiteral("NamaUser")).toString());
    m_password->clear();
    selectText(m_jabatan, row.value(QStringLiteral("Jabatan")).toString());
    selectText(m_viewEdit, row.value(QStringLiteral("viewedit")).toString());
    selectText(m_cabang, row.value(QStringLiteral("namacabang")).toString(), true);
    selectText(m_koreksi, row.value(QStringLiteral("koreksipenjualan")).toString());
    selectText(m_lihatHarga, row.value(QStringLiteral("lihatharga")).toString());
}
