// The main window: rights, entries reached through the registry, the
// function keys, logout with its backup question, the data reset, the clock.

#include "formutama.h"
#include "menutree.h"
#include "scriptedmessages.h"
#include "session.h"
#include "sqlstatement.h"
#include "testdatabase.h"
#include "windowdriver.h"
#include "windowregistry.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

namespace {

LoginRow userWith(const QString &wewenang)
{
    LoginRow row;
    row.wewenang = wewenang;
    row.idUser = QStringLiteral("1");
    row.namaUser = QStringLiteral("admin");
    return row;
}

const QStringList kTopMenus = {"Master", "Barang", "Pembelian", "Penjualan", "Hutang", "Piutang",
                               "Laporan", "Akuntansi", "Utility", "Special"};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
    TestDatabase m_db{QStringLiteral("mainwindow")};
    QStringList m_opened;

    // Every entry gets an opener that records its id.
    void registerAll()
    {
        WindowRegistry::clear();
        QStringList ids{"GantiPassword", "Backup"};
        for (const MenuEntry &e : menuEntries())
            ids << e.id;
        for (const QString &id : ids)
            WindowRegistry::add(id, [this, id] { m_opened << id; });
    }

    QStringList enabledTopMenus(TFormUtama &w)
    {
        QStringList out;
        for (int g = 0; g <= 10; ++g)
            if (w.topMenu(g)->isEnabled())
                out << w.topMenu(g)->title();
        return out;
    }

private Q_SLOTS:
    void initTestCase() { REQUIRE_DATABASE(m_db); }
    void init()
    {
        registerAll();
        m_opened.clear();
    }

    void rightsEnableTheirTopMenus_data()
    {
        QTest::addColumn<QString>("wewenang");
        QTest::addColumn<QStringList>("enabled");
        QTest::newRow("all zero") << "0000000000" << QStringList{"Menu"};
        QTest::newRow("1 and 10") << "1000000001" << QStringList{"Menu", "Master", "Special"};
        QTest::newRow("short string") << "0001" << QStringList{"Menu", "Penjualan"};
        QTest::newRow("all") << "1111111111" << (QStringList{"Menu"} + kTopMenus);
    }
    void rightsEnableTheirTopMenus()
    {
        QFETCH(QString, wewenang);
        QFETCH(QStringList, enabled);
        TFormUtama w;
        QCOMPARE(enabledTopMenus(w), QStringList{"Menu"}); // locked at creation
        w.RzGroup1Items1Click();
        w.openForUser(userWith(wewenang));
        QStringList got = enabledTopMenus(w);
        std::sort(got.begin(), got.end());
        std::sort(enabled.begin(), enabled.end());
        QCOMPARE(got, enabled);
        QVERIFY(!Driver::action(&w, "MenuLogin")->isEnabled());
        QVERIFY(Driver::action(&w, "MenuLogout")->isEnabled());
        QVERIFY(Driver::action(&w, "MenuGantiPassword")->isEnabled());
    }

    void aNewLoginStartsFromNothing()
    {
        TFormUtama w;
        w.openForUser(userWith("1111111111"));
        w.RzGroup1Items1Click();
        QVERIFY(Driver::action(&w, "MenuLogin")->isEnabled());
        QVERIFY(!Driver::action(&w, "MenuLogout")->isEnabled());
        w.openForUser(userWith("0000001000"));
        QCOMPARE(enabledTopMenus(w), (QStringList{"Menu", "Laporan"}));
    }

    void entriesWithoutAWindowAreDisabled()
    {
        WindowRegistry::clear();
        WindowRegistry::add("TransaksiPenjualan", [this] { m_opened << "TransaksiPenjualan"; });
        WindowRegistry::add("TransaksiPenjualanPajak", [this] { m_opened << "pajak"; });
        TFormUtama w;
        w.openForUser(userWith("1111111111"));
        QVERIFY(w.entry("TransaksiPenjualan")->isEnabled());
        QVERIFY(!w.entry("KoreksiPenjualan")->isEnabled());
        QVERIFY(!w.entry("TransaksiPenjualanPajak")->isEnabled()); // disabled whatever is registered
        QVERIFY(!w.entry("RequestPelanggan")->isVisible());
        QVERIFY(!w.entry("ViewRequestPelanggan")->isVisible());
        w.entry("TransaksiPenjualan")->trigger();
        QCOMPARE(m_opened, QStringList{"TransaksiPenjualan"});
    }

    void menuCaptionsStandAsGiven()
    {
        TFormUtama w;
        QCOMPARE(w.entry("HargaPenyesuaianStok")->text(), QStringLiteral("Harga && Penyesuaian Stok Barang..."));
        QCOMPARE(w.entry("ExportStokBarang")->text(), QStringLiteral("Export Stok Barang "));
        QCOMPARE(w.entry("Backup", 10)->text(), QStringLiteral("Backup"));
        QCOMPARE(w.entry("Backup")->text(), QStringLiteral("Backup..."));
        QStringList tops;
        for (const MenuGroup &g : menuGroups())
            tops << g.caption;
        QCOMPARE(tops, (QStringList{"Menu", "Master", "Barang", "Pembelian", "Penjualan", "Hutang", "Piutang",
                                    "Akuntansi", "Laporan", "Utility", "Special"}));
    }

    // A key works only when its entry and every menu above it are enabled,
    // so no key reaches a window the user's rights keep closed.
    void functionKeys_data()
    {
        QTest::addColumn<QString>("wewenang");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opens"); // empty: nothing
        const QString none;
        const QString zero = "0000000000";
        for (int k : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7,
                      Qt::Key_F8, Qt::Key_F9, Qt::Key_F11})
            QTest::addRow("no rights F%d", k - Qt::Key_F1 + 1) << zero << k << none;
        QTest::newRow("F1 purchases") << "0010000000" << int(Qt::Key_F1) << "TransaksiPembelian";
        QTest::newRow("F2 sales") << "0001000000" << int(Qt::Key_F2) << "TransaksiPenjualan";
        QTest::newRow("F3 stock") << "0100000000" << int(Qt::Key_F3) << "HargaPenyesuaianStok";
        QTest::newRow("F4 consignment") << "0001000000" << int(Qt::Key_F4) << "Titipan";
        QTest::newRow("F5 consignment sold") << "0001000000" << int(Qt::Key_F5) << "TitipanTerjual";
        QTest::newRow("F6 consignment back") << "0001000000" << int(Qt::Key_F6) << "ReturTitipan";
        QTest::newRow("F7 sales report") << "0000001000" << int(Qt::Key_F7) << "RekapPenjualan";
        QTest::newRow("F8 purchase report") << "0000001000" << int(Qt::Key_F8) << "RekapPembelian";
        QTest::newRow("F9 consignment report") << "0000001000" << int(Qt::Key_F9) << "NotaTitipan";
        QTest::newRow("F11 sales correction") << "0001000000" << int(Qt::Key_F11) << "KoreksiPenjualan";
        QTest::newRow("F11 without sales right") << "1110111111" << int(Qt::Key_F11) << none;
        QTest::newRow("F2 with only reports") << "0000001000" << int(Qt::Key_F2) << none;
    }
    void functionKeys()
    {
        QFETCH(QString, wewenang);
        QFETCH(int, key);
        QFETCH(QString, opens);
        ScriptedMessages messages;
        TFormUtama w;
        w.openForUser(userWith(wewenang));
        Driver::open(&w);
        QTest::keyClick(&w, Qt::Key(key));
        QCOMPARE(m_opened, opens.isEmpty() ? QStringList{} : QStringList{opens});
        QVERIFY(messages.shown.isEmpty());
        w.hide();
    }

    void entryNotBuiltYetIsNotReachedByItsKey()
    {
        WindowRegistry::clear();
        TFormUtama w;
        w.openForUser(userWith("1111111111"));
        Driver::open(&w);
        QTest::keyClick(&w, Qt::Key_F2);
        QVERIFY(m_opened.isEmpty());
        w.hide();
    }

    void logoutAsksTheBackupQuestion_data()
    {
        QTest::addColumn<int>("how"); // 0 menu, 1 F10, 2 closing the window
        QTest::addColumn<bool>("backup");
        QTest::newRow("menu, no backup") << 0 << false;
        QTest::newRow("F10, backup") << 1 << true;
        QTest::newRow("closing, backup") << 2 << true;
    }
    void logoutAsksTheBackupQuestion()
    {
        QFETCH(int, how);
        QFETCH(bool, backup);
        ScriptedMessages messages;
        messages.answers << backup;
        TFormUtama w;
        w.openForUser(userWith("0000000000"));
        Driver::open(&w);
        if (how == 0)
            Driver::action(&w, "MenuLogout")->trigger();
        else if (how == 1)
            QTest::keyClick(&w, Qt::Key_F10);
        else
            w.close();
        QCOMPARE(messages.texts("yesno"), QStringList{"Sebelum program ditutup, apakah data mau di-backup???"});
        QCOMPARE(m_opened, backup ? QStringList{"Backup"} : QStringList{});
        QVERIFY(!w.isVisible());
        // Esc alone does not log out.
        Driver::open(&w);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        w.hide();
    }

    void dataResetRunsTheConfirmedDeletionsTogether()
    {
        QVERIFY(m_db.runSql("CREATE TABLE hpenjualan (id INT PRIMARY KEY) ENGINE=InnoDB;"
                            "CREATE TABLE hpembelian (id INT PRIMARY KEY) ENGINE=InnoDB;"
                            "CREATE TABLE dsatuan (id INT PRIMARY KEY, stok DECIMAL(18,2)) ENGINE=InnoDB;"
                            "INSERT INTO hpenjualan VALUES (1),(2); INSERT INTO hpembelian VALUES (1);"
                            "INSERT INTO dsatuan VALUES (1, 5)"));
        ScriptedMessages messages;
        TFormUtama w;
        w.openForUser(userWith("0000000010"));
        Driver::open(&w);

        // The last confirmed step fails (no item table): nothing is removed.
        messages.answers << true << false << true << true;
        QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(messages.texts("yesno"), (QStringList{"hapus semua transaksi jual?", "hapus semua transaksi beli?",
                                                       "nol kan semua stok?", "Hapus semua tipe barang?"}));
        QCOMPARE(messages.texts("error").size(), 1);
        QVERIFY(messages.texts("error").at(0).startsWith("Data tidak dihapus, terdapat kesalahan!!! "));
        QCOMPARE(TestDatabase::scalar("select count(*) from hpenjualan"), QStringLiteral("2"));
        QCOMPARE(TestDatabase::scalar("select stok from dsatuan"), QStringLiteral("5.00"));

        messages.clear();
        messages.answers << true << true << false << false;
        QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(messages.texts("information"),
                 QStringList{"Data telah dihapus: semua transaksi jual, semua transaksi beli."});
        QCOMPARE(TestDatabase::scalar("select count(*) from hpenjualan"), QStringLiteral("0"));
        QCOMPARE(TestDatabase::scalar("select count(*) from hpembelian"), QStringLiteral("0"));
        QCOMPARE(TestDatabase::scalar("select stok from dsatuan"), QStringLiteral("5.00"));
        w.hide();
    }

    void dataResetIsOnlyForTheUtilityRight()
    {
        ScriptedMessages messages;
        TFormUtama w;
        w.openForUser(userWith("1111111101"));
        Driver::open(&w);
        QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(messages.shown.isEmpty());
        w.hide();
    }

    void clockIsIndonesian()
    {
        TFormUtama w;
        static const QRegularExpression form(
            "^(Senin|Selasa|Rabu|Kamis|Jumat|Sabtu|Minggu), \\d\\d (Januari|Februari|Maret|April|Mei|Juni|Juli|Agustus|"
            "September|Oktober|November|Desember) \\d{4}  -  \\d\\d:\\d\\d:\\d\\d$");
        QVERIFY2(form.match(w.clockText()).hasMatch(), qPrintable(w.clockText()));
    }

    void legendShowsAtLogin()
    {
        TFormUtama w;
        Driver::open(&w);
        QVERIFY(!Driver::find<QWidget>(&w, "PanelFungsi")->isVisible());
        w.openForUser(userWith("1"));
        QVERIFY(Driver::find<QWidget>(&w, "PanelFungsi")->isVisible());
        QCOMPARE(Driver::find<QLabel>(&w, "LegendaF10")->text(), QStringLiteral("Logout (F10)"));
        w.hide();
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
