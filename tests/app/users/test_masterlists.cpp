// The master-list window on a real server, through the position and user
// windows: add, duplicates, edit, delete, search and positioning.

#include "formeditmasterjabatan.h"
#include "formeditmasteruser.h"
#include "formjabatan.h"
#include "formpencarian.h"
#include "formuser.h"
#include "password.h"
#include "scriptedmessages.h"
#include "session.h"
#include "sharedwindow.h"
#include "sqlstatement.h"
#include "testdatabase.h"
#include "windowdriver.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString scalar(const QString &sql) { return TestDatabase::scalar(sql); }

QString currentName(MasterListWindow &w, const QString &field)
{
    return w.list()->currentValue(field).toString();
}

} // namespace

class TestMasterLists : public QObject
{
    Q_OBJECT
    TestDatabase m_db{QStringLiteral("masterlists")};

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_DATABASE(m_db);
        QVERIFY(m_db.runSql(QStringLiteral(
            "INSERT INTO MasterJabatan VALUES (2,'Kasir','0001000000','0'), (3,'Gudang','0100000000','0');"
            "INSERT INTO MasterCabang (idcabang, namacabang) VALUES (2,'Selatan')")));
    }

    void positionAddsWithRightsAndRefusesDuplicates()
    {
        ScriptedMessages messages;
        TFormJabatan w;
        Driver::open(&w);
        QCOMPARE(w.list()->rowCountAll(), 3);
        Driver::type(Driver::find<QLineEdit>(&w, "EditJabatan"), "  Manajer  ");
        Driver::find<QCheckBox>(&w, "CheckWewenang1")->setChecked(true);
        Driver::find<QCheckBox>(&w, "CheckWewenang10")->setChecked(true);
        Driver::press(&w, Qt::Key_Return);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(scalar("select Wewenang from MasterJabatan where Jabatan='Manajer'"), QStringLiteral("1000000001"));
        QCOMPARE(currentName(w, "Jabatan"), QStringLiteral("Manajer"));
        QCOMPARE(w.list()->currentValue("Wewenang0").toString(), QStringLiteral("*"));
        QCOMPARE(w.list()->currentValue("Wewenang1").toString(), QString());
        QVERIFY(Driver::find<QLineEdit>(&w, "EditJabatan")->text().isEmpty());
        QVERIFY(!Driver::find<QCheckBox>(&w, "CheckWewenang1")->isChecked());

        // Same name in other case: refused, list moved to the existing one.
        w.list()->setCurrentRow(0);
        Driver::type(Driver::find<QLineEdit>(&w, "EditJabatan"), "kasir ");
        Driver::press(&w, Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{"Nama Jabatan sudah ada!!!"});
        QCOMPARE(scalar("select count(*) from MasterJabatan"), QStringLiteral("4"));
        QCOMPARE(currentName(w, "Jabatan"), QStringLiteral("Kasir"));

        // An empty name does nothing at all.
        messages.clear();
        Driver::type(Driver::find<QLineEdit>(&w, "EditJabatan"), "   ");
        Driver::press(&w, Qt::Key_Return);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(scalar("select count(*) from MasterJabatan"), QStringLiteral("4"));
    }

    void withoutAutoPositionTheListStaysOnTop()
    {
        ScriptedMessages messages;
        TFormJabatan w;
        Driver::open(&w);
        Driver::action(&w, "MenuPosisiOtomatis")->trigger();
        QVERIFY(!w.autoPosition());
        Driver::type(Driver::find<QLineEdit>(&w, "EditJabatan"), "Zeta");
        Driver::press(&w, Qt::Key_Return);
        QCOMPARE(w.list()->currentRow(), 0);
        Driver::action(&w, "MenuPosisiOtomatis")->trigger();
    }

    void positionEditRefusesAnotherRowsNameAndAcceptsACaseChange()
    {
        ScriptedMessages messages;
        TFormJabatan w;
        Driver::open(&w);
        const int row = w.list()->findRow("Jabatan", "Gudang");
        w.list()->setCurrentRow(row);
        const QString key = w.list()->currentValue("IDJabatan").toString();
        int attempts = 0;
        Driver::onNextModal([&](QDialog *d) {
            auto *name = Driver::find<QLineEdit>(d, "EditJabatan");
            QCOMPARE(name->text(), QStringLiteral("Gudang"));
            name->setText("Kasir");
            Driver::find<QPushButton>(d, "TombolSimpan")->click();
            ++attempts;
            QVERIFY(d->isVisible()); // refused, still open
            name->setText("GUDANG");
            Driver::find<QCheckBox>(d, "CheckWewenang9")->setChecked(true);
            Driver::find<QPushButton>(d, "TombolSimpan")->click();
        });
        w.editCurrent();
        QCOMPARE(attempts, 1);
        QCOMPARE(messages.texts(), QStringList{"Jabatan sudah ada !!!"});
        QCOMPARE(scalar("select concat(Jabatan,'/',Wewenang) from MasterJabatan where IDJabatan=" + key),
                 QStringLiteral("GUDANG/0100000010"));
        QCOMPARE(w.list()->currentValue("IDJabatan").toString(), key);
    }

    void deleteAsksAndKeepsTheRowNumber()
    {
        ScriptedMessages messages;
        TFormJabatan w;
        Driver::open(&w);
        const int before = w.list()->rowCountAll();
        w.list()->setCurrentRow(1);
        const QString name = currentName(w, "Jabatan");
        messages.answers << false;
        w.list()->setFocus();
        QTest::keyClick(w.list(), Qt::Key_Delete);
        QCOMPARE(w.list()->rowCountAll(), before);
        messages.answers << true;
        QTest::keyClick(w.list(), Qt::Key_Delete);
        QCOMPARE(messages.texts("yesno"), (QStringList{"Apakah yakin akan dihapus?", "Apakah yakin akan dihapus?"}));
        QCOMPARE(w.list()->rowCountAll(), before - 1);
        QCOMPARE(w.list()->currentRow(), 1);
        QCOMPARE(scalar("select count(*) from MasterJabatan where Jabatan='" + name + "'"), QStringLiteral("0"));
        // Ctrl+Del never deletes.
        QTest::keyClick(w.list(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(w.list()->rowCountAll(), before - 1);
        QVERIFY(messages.unexpected.isEmpty());
    }

    void keysMoveTheListFromTheEntryField()
    {
        ScriptedMessages messages;
        QVERIFY(m_db.runSql("INSERT INTO MasterJabatan (Jabatan) VALUES ('A1'),('A2'),('A3'),('A4'),('A5'),"
                            "('A6'),('A7'),('A8'),('A9'),('B1'),('B2'),('B3')"));
        TFormJabatan w;
        Driver::open(&w);
        Driver::find<QLineEdit>(&w, "EditJabatan")->setFocus();
        Driver::press(&w, Qt::Key_Down);
        QCOMPARE(w.list()->currentRow(), 1);
        Driver::press(&w, Qt::Key_PageDown);
        QCOMPARE(w.list()->currentRow(), 11);
        Driver::press(&w, Qt::Key_PageUp);
        QCOMPARE(w.list()->currentRow(), 1);
        Driver::press(&w, Qt::Key_Up);
        Driver::press(&w, Qt::Key_Up);
        QCOMPARE(w.list()->currentRow(), 0);
        gridMouseWheel(w.list(), -120);
        QCOMPARE(w.list()->currentRow(), 1);
        gridMouseWheel(w.list(), 0);
        QCOMPARE(w.list()->currentRow(), 1);
    }

    // The search dialog finds by a trimmed keyword, treats quotes and
    // percent signs as text, and deletes through the window's statement.
    void searchFindsAndDeletes()
    {
        ScriptedMessages messages;
        TFormJabatan w;
        Driver::open(&w);
        QVERIFY(m_db.runSql("INSERT INTO MasterJabatan (Jabatan) VALUES ('Sopir''s 100%')"));
        int listed = -1, quoted = -1;
        Driver::onNextModal([&](QDialog *d) {
            QCOMPARE(d->objectName(), QStringLiteral("TFormPencarian"));
            auto *keyword = Driver::find<QLineEdit>(d, "EditKataKunci");
            auto *grid = Driver::find<DataGrid>(d, "Daftar");
            keyword->setText("  A ");
            QTest::keyClick(keyword, Qt::Key_Return);
            listed = grid->rowCountAll();
            keyword->setText("'s 100%");
            QTest::keyClick(keyword, Qt::Key_Return);
            quoted = grid->rowCountAll();
            messages.answers << true;
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Delete);
            QTest::keyClick(d, Qt::Key_Escape);
        });
        Driver::action(&w, "MenuPencarian")->trigger();
        QVERIFY(listed >= 9);
        QCOMPARE(quoted, 1);
        QCOMPARE(messages.texts("error"), QStringList{});
        QCOMPARE(scalar("select count(*) from MasterJabatan where Jabatan like 'Sopir%'"), QStringLiteral("0"));
    }

    void userAddChecksInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("message");
        QTest::newRow("too short") << " X " << "baru" << "Panjang nama User minimal 2 karakter!!!";
        QTest::newRow("full name taken") << "administrator" << "baru" << "Nama lengkap sudah ada!!!";
        QTest::newRow("login taken") << "Orang Baru" << "ADMIN" << "Login user sudah ada!!!";
    }
    void userAddChecksInOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, login);
        QFETCH(QString, message);
        ScriptedMessages messages;
        TFormUser w;
        Driver::open(&w);
        const QString before = scalar("select count(*) from MasterUser");
        Driver::type(Driver::find<QLineEdit>(&w, "EditNamaLengkap"), name);
        Driver::type(Driver::find<QLineEdit>(&w, "EditNamaUser"), login);
        Driver::press(&w, Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(scalar("select count(*) from MasterUser"), before);
    }

    void userAddStoresAHashAndTheChosenBranch()
    {
        ScriptedMessages messages;
        TFormUser w;
        Driver::open(&w);
        Driver::type(Driver::find<QLineEdit>(&w, "EditNamaLengkap"), " Dewi Lestari ");
        Driver::find<QPlainTextEdit>(&w, "EditAlamat")->setPlainText("Jl. Kenanga 3\nSurabaya");
        Driver::type(Driver::find<QLineEdit>(&w, "EditNamaUser"), "dewi");
        Driver::type(Driver::find<QLineEdit>(&w, "EditPassword"), "Kata Sandi");
        auto *position = Driver::find<QComboBox>(&w, "ComboJabatan");
        position->setCurrentIndex(position->findText("Kasir"));
        auto *branch = Driver::find<QComboBox>(&w, "ComboCabang");
        branch->setCurrentIndex(branch->findText("Selatan"));
        Driver::find<QComboBox>(&w, "ComboLihatHarga")->setCurrentIndex(1);
        Driver::press(&w, Qt::Key_Return);
        QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.last()));
        QCOMPARE(scalar("select concat(NamaLengkap,'|',Alamat,'|',NamaUser,'|',IDJabatan,'|',idcabang,'|',lihatharga,"
                        "'|',Keterangan,'|',Flag) from MasterUser where NamaUser='dewi'"),
                 QStringLiteral("Dewi Lestari|Jl. Kenanga 3\nSurabaya|dewi|2|2|Disable||0"));
        QVERIFY(Password::verify(scalar("select PasswordUser from MasterUser where NamaUser='dewi'"), "Kata Sandi"));
        QCOMPARE(currentName(w, "NamaLengkap"), QStringLiteral("Dewi Lestari"));
        // "Bersihkan Form" ran: texts gone, the position back to its first entry.
        QVERIFY(Driver::find<QLineEdit>(&w, "EditNamaLengkap")->text().isEmpty());
        QCOMPARE(position->currentIndex(), 0);
        QCOMPARE(branch->currentText(), QStringLiteral("Selatan"));
    }

    void userEditKeepsAnEmptyPasswordAndStoresNoBranchAsNull()
    {
        ScriptedMessages messages;
        TFormUser w;
        Driver::open(&w);
        const QString hashBefore = scalar("select PasswordUser from MasterUser where NamaUser='dewi'");
        w.list()->setCurrentRow(w.list()->findRow("NamaLengkap", "Dewi Lestari"));
        Driver::onNextModal([&](QDialog *d) {
            auto *password = Driver::find<QLineEdit>(d, "EditPassword");
            QVERIFY(password->text().isEmpty());
            QCOMPARE(password->echoMode(), QLineEdit::Password);
            QCOMPARE(Driver::find<QComboBox>(d, "ComboCabang")->currentText(), QStringLiteral("Selatan"));
            Driver::find<QLineEdit>(d, "EditNamaUser")->setText("ADMIN");
            Driver::find<QPushButton>(d, "TombolSimpan")->click();
            QVERIFY(d->isVisible());
            Driver::find<QLineEdit>(d, "EditNamaUser")->setText("DEWI"); // only the case changes
            Driver::find<QLineEdit>(d, "EditNamaLengkap")->setText("dewi lestari");
            Driver::find<QComboBox>(d, "ComboCabang")->setCurrentIndex(-1);
            Driver::find<QPushButton>(d, "TombolSimpan")->click();
        });
        w.editCurrent();
        QCOMPARE(messages.texts(), QStringList{"Login user sudah ada !!!"});
        QCOMPARE(scalar("select concat(NamaLengkap,'|',NamaUser,'|',ifnull(idcabang,'NULL')) from MasterUser where "
                        "PasswordUser='" + hashBefore + "'"),
                 QStringLiteral("dewi lestari|DEWI|NULL"));

        // A typed password replaces the hash.
        Driver::onNextModal([&](QDialog *d) {
            Driver::find<QLineEdit>(d, "EditPassword")->setText("Sandi Baru");
            Driver::find<QPushButton>(d, "TombolSimpan")->click();
        });
        w.editCurrent();
        QVERIFY(Password::verify(scalar("select PasswordUser from MasterUser where NamaUser='dewi'"), "Sandi Baru"));
    }

    void userWithoutAnyBranchIsStoredWithNull()
    {
        ScriptedMessages messages;
        QVERIFY(m_db.runSql("DELETE FROM MasterCabang"));
        TFormUser w;
        Driver::open(&w);
        Driver::type(Driver::find<QLineEdit>(&w, "EditNamaLengkap"), "Tanpa Cabang");
        Driver::type(Driver::find<QLineEdit>(&w, "EditNamaUser"), "tanpa");
        Driver::press(&w, Qt::Key_Return);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(scalar("select ifnull(idcabang,'NULL') from MasterUser where NamaUser='tanpa'"), QStringLiteral("NULL"));
    }
};

QTEST_MAIN(TestMasterLists)
#include "test_masterlists.moc"
