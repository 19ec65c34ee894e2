// Login, rights handed to the main window, and the password change.

#include "activeuser.h"
#include "formgantipassword.h"
#include "formlogin.h"
#include "login.h"
#include "mainwindowhost.h"
#include "password.h"
#include "scriptedmessages.h"
#include "session.h"
#include "sqlstatement.h"
#include "testdatabase.h"
#include "windowdriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// Records what the login does to the main window.
struct FakeMainWindow : MainWindowHost {
    QStringList calls;
    QString rights;
    bool loginVisibleDuringModal = true;
    QWidget *login = nullptr;
    void RzGroup1Items1Click() override { calls << QStringLiteral("lock"); }
    void openForUser(const LoginRow &row) override
    {
        calls << QStringLiteral("open");
        rights = row.wewenang;
    }
    void showModal() override
    {
        calls << QStringLiteral("modal");
        loginVisibleDuringModal = login && login->isVisible();
    }
};

QString storedPassword(const QString &user)
{
    SqlStatement st(Session::db(), QStringLiteral("select PasswordUser from MasterUser where NamaUser=:u"));
    st.bind(QStringLiteral("u"), user);
    return st.execFirst() ? st.value(QStringLiteral("PasswordUser")).toString() : QString();
}

} // namespace

class TestLogin : public QObject
{
    Q_OBJECT
    TestDatabase m_db{QStringLiteral("login")};

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_DATABASE(m_db);
        QVERIFY(m_db.runSql(QStringLiteral(
            "INSERT INTO MasterJabatan VALUES (2,'Kasir','1000000001','0'), (3,'Pendek','011','0');"
            "INSERT INTO MasterUser (IDUser,IDJabatan,NamaLengkap,NamaUser,PasswordUser,idcabang,koreksipenjualan,lihatharga)"
            " VALUES (2,2,'Siti','siti','Rahasia',1,'Tanggal Aktif','Disable'),"
            " (3,3,'Budi','budi','budi',1,'All','Enable'),"
            " (4,99,'Yatim','yatim','yatim',1,'All','Enable')")));
    }

    void cekLogin_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("found");
        QTest::newRow("plain password") << "siti" << "Rahasia" << true;
        QTest::newRow("name in other case") << "SITI" << "Rahasia" << true;
        QTest::newRow("password case counts") << "siti" << "rahasia" << false;
        QTest::newRow("wrong password") << "siti" << "salah" << false;
        QTest::newRow("name padded") << "siti " << "Rahasia" << true; // the server ignores trailing blanks
        QTest::newRow("no position row") << "yatim" << "yatim" << false;
        QTest::newRow("sql text is a name") << "' or '1'='1" << "' or '1'='1" << false;
        QTest::newRow("percent is a name") << "%" << "%" << false;
    }
    void cekLogin()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, found);
        const LoginCheck check = CekLogin(Session::db(), user, password);
        QVERIFY2(check.error.isEmpty(), qPrintable(check.error));
        QCOMPARE(check.row.has_value(), found);
    }

    // A plain password logs in once and is then stored as its hash, with
    // which the next login works.
    void plainPasswordIsReplacedByItsHash()
    {
        QVERIFY(!Password::isHash(storedPassword(QStringLiteral("budi"))));
        QVERIFY(CekLogin(Session::db(), QStringLiteral("budi"), QStringLiteral("budi")).row);
        const QString stored = storedPassword(QStringLiteral("budi"));
        QVERIFY(Password::isHash(stored));
        QVERIFY(CekLogin(Session::db(), QStringLiteral("budi"), QStringLiteral("budi")).row);
        QCOMPARE(storedPassword(QStringLiteral("budi")), stored);
        QVERIFY(!CekLogin(Session::db(), QStringLiteral("budi"), stored).row); // the hash is no password
    }

    void loginWindowOpensTheMainWindowWithTheRights()
    {
        ScriptedMessages messages;
        FakeMainWindow main;
        TFormLogin login;
        main.login = &login;
        login.setMainWindow(&main);
        Driver::open(&login);
        Driver::type(Driver::find<QLineEdit>(&login, QStringLiteral("EditUser")), QStringLiteral("siti"));
        Driver::type(Driver::find<QLineEdit>(&login, QStringLiteral("EditPassword")), QStringLiteral("Rahasia"));
        Driver::press(&login, Qt::Key_Return);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(main.calls, (QStringList{"lock", "open", "modal"}));
        QCOMPARE(main.rights, QStringLiteral("1000000001"));
        QVERIFY(!main.loginVisibleDuringModal);
        QCOMPARE(activeUser().IDUserAktif, QStringLiteral("2"));
        QCOMPARE(activeUser().NamaUserAktif, QStringLiteral("siti"));
        QCOMPARE(activeUser().IDCabangAktif, QStringLiteral("1"));
        QCOMPARE(activeUser().KoreksiPenjualanAktif, QStringLiteral("Tanggal Aktif"));
        QCOMPARE(activeUser().LihatHargaAktif, QStringLiteral("Disable"));
        // Back from the main window the login shows again, emptied.
        QVERIFY(login.isVisible());
        QVERIFY(Driver::find<QLineEdit>(&login, QStringLiteral("EditUser"))->text().isEmpty());
        QVERIFY(Driver::find<QLineEdit>(&login, QStringLiteral("EditPassword"))->text().isEmpty());
        QCOMPARE(Driver::find<QLabel>(&login, QStringLiteral("LabelNama"))->text(), QStringLiteral("TOKO DAGANG"));
    }

    void wrongLoginKeepsTheFields()
    {
        ScriptedMessages messages;
        FakeMainWindow main;
        TFormLogin login;
        login.setMainWindow(&main);
        Driver::open(&login);
        Driver::type(Driver::find<QLineEdit>(&login, QStringLiteral("EditUser")), QStringLiteral("siti"));
        Driver::type(Driver::find<QLineEdit>(&login, QStringLiteral("EditPassword")), QStringLiteral("salah"));
        Driver::press(&login, Qt::Key_Return);
        QCOMPARE(messages.texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("Login GAGAL!!! username atau password salah")});
        QVERIFY(main.calls.isEmpty());
        QCOMPARE(Driver::find<QLineEdit>(&login, QStringLiteral("EditUser"))->text(), QStringLiteral("siti"));
        QVERIFY(login.isVisible());
    }

    void passwordChange_data()
    {
        QTest::addColumn<QStringList>("fields"); // old user, old password, new user, new password, repeat
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong old password") << QStringList{"siti", "x", "siti", "a", "a"}
                                            << "Nama user / password lama salah!!!";
        QTest::newRow("another user's login") << QStringList{"budi", "budi", "budi", "a", "a"}
                                              << "Nama user / password lama salah!!!";
        QTest::newRow("old name in other case") << QStringList{"SITI", "Rahasia", "siti", "a", "a"}
                                                << "Nama user / password lama salah!!!";
        QTest::newRow("no new name") << QStringList{"siti", "Rahasia", "", "a", "a"} << "Nama user baru belum diisi!!!";
        QTest::newRow("repetition in other case")
            << QStringList{"siti", "Rahasia", "siti", "Baru", "baru"} << "Password baru dan ulangannya tidak sama!!!";
        QTest::newRow("name of another user") << QStringList{"siti", "Rahasia", "BUDI", "a", "a"}
                                              << "Nama user telah dipakai oleh orang lain!!!";
    }
    void passwordChange()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        ScriptedMessages messages;
        activeUser().NamaUserAktif = QStringLiteral("siti");
        const QString before = storedPassword(QStringLiteral("siti"));
        TFormGantiPassword window;
        Driver::open(&window);
        const char *names[] = {"EditUserLama", "EditPasswordLama", "EditUserBaru", "EditPasswordBaru", "EditUlangPassword"};
        for (int i = 0; i < 5; ++i)
            Driver::type(Driver::find<QLineEdit>(&window, QString::fromLatin1(names[i])), fields.at(i));
        Driver::press(&window, Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{message});
        QVERIFY(window.isVisible());
        QCOMPARE(storedPassword(QStringLiteral("siti")), before);
    }

    void passwordChangeStoresTheNewNameAndHash()
    {
        ScriptedMessages messages;
        activeUser().NamaUserAktif = QStringLiteral("siti");
        TFormGantiPassword window;
        Driver::open(&window);
        const QStringList fields{"siti", "Rahasia", "sitirahayu", "Baru#1", "Baru#1"};
        const char *names[] = {"EditUserLama", "EditPasswordLama", "EditUserBaru", "EditPasswordBaru", "EditUlangPassword"};
        for (int i = 0; i < 5; ++i)
            Driver::type(Driver::find<QLineEdit>(&window, QString::fromLatin1(names[i])), fields.at(i));
        Driver::press(&window, Qt::Key_Return);
        QCOMPARE(messages.texts(QStringLiteral("information")),
                 QStringList{QStringLiteral("Nama user / Password baru telah disimpan!!!")});
        QVERIFY(!window.isVisible());
        QCOMPARE(activeUser().NamaUserAktif, QStringLiteral("sitirahayu"));
        QVERIFY(Password::isHash(storedPassword(QStringLiteral("sitirahayu"))));
        QVERIFY(CekLogin(Session::db(), QStringLiteral("sitirahayu"), QStringLiteral("Baru#1")).row);
        QVERIFY(!CekLogin(Session::db(), QStringLiteral("siti"), QStringLiteral("Rahasia")).row);
    }
};

QTEST_MAIN(TestLogin)
#include "test_login.moc"
