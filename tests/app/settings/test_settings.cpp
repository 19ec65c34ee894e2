// The settings row and the branch window.

#include "formcabang.h"
#include "formsettingawal.h"
#include "scriptedmessages.h"
#include "session.h"
#include "settingawal.h"
#include "datagrid.h"
#include "testdatabase.h"
#include "windowdriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT
    TestDatabase m_db{QStringLiteral("settings")};

private Q_SLOTS:
    void initTestCase() { REQUIRE_DATABASE(m_db); }

    void savesEverySwitch()
    {
        ScriptedMessages messages;
        TFormSettingAwal w;
        Driver::open(&w);
        QCOMPARE(Driver::find<QLineEdit>(&w, "EditNama")->text(), QStringLiteral("TOKO DAGANG"));
        QCOMPARE(Driver::find<QComboBox>(&w, "ComboHargaAktif")->currentText(), QStringLiteral("HargaSistem"));
        Driver::type(Driver::find<QLineEdit>(&w, "EditNama"), "UD Maju Jaya");
        Driver::find<QComboBox>(&w, "ComboUbahHargaJual")->setCurrentIndex(1);
        Driver::find<QComboBox>(&w, "ComboNotaJual")->setCurrentIndex(2);
        Driver::find<QComboBox>(&w, "ComboHargaAktif")->setCurrentIndex(1);
        Driver::find<QComboBox>(&w, "ComboBarangSama")->setCurrentIndex(0);
        Driver::find<QComboBox>(&w, "ComboLastClose")->setCurrentIndex(0);
        Driver::find<QComboBox>(&w, "ComboUrutan")->setCurrentIndex(1);
        Driver::find<QComboBox>(&w, "ComboInputPembelian")->setCurrentIndex(1);
        Driver::find<QComboBox>(&w, "ComboBarcodeMode")->setCurrentIndex(1);
        Driver::find<QPushButton>(&w, "TombolSimpan")->click();
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(!w.isVisible());
        QCOMPARE(TestDatabase::scalar("select concat_ws('|', nama, ubahhargajual, notajualaktif, hargaaktif, barangsama, "
                                      "lastclose, pengurutannotajual, inputpembelian, barcodemode) from settingawal"),
                 QStringLiteral("UD Maju Jaya|1|/Laporan/NotaJualKecilKontinue.frf|HargaAkhir|Tidak Sama|Tampil|"
                                "Urut Kategori|Tanpa Set Harga|Point Harga"));

        // What the sales and purchase windows read back.
        const auto read = SettingAwal::read(Session::db());
        QVERIFY(read);
        QVERIFY(!read->salesPriceEditable());
        QVERIFY(read->lastSalePrice());
        QVERIFY(read->uniqueLines());
        QVERIFY(read->showFinishButton());
        QVERIFY(read->noteByCategory());
        QVERIFY(read->barcodePointHarga());
        QCOMPARE(read->purchasePrices(), SettingAwal::PurchasePrices::ReadOnly);
        QCOMPARE(read->salesNoteTemplate("/opt/dagang"), QStringLiteral("/opt/dagang/Laporan/NotaJualKecilKontinue.frf"));
    }

    // A reader tests one named value and takes anything else for the other
    // choice; the purchase input alone keeps the design for an unknown value.
    void readersOfTwoValuedSwitches()
    {
        SettingAwal s;
        s.barangsama = "tidak sama";
        s.lastclose = "";
        s.inputpembelian = "Lain";
        QVERIFY(!s.uniqueLines());
        QVERIFY(!s.showFinishButton());
        QCOMPARE(s.purchasePrices(), SettingAwal::PurchasePrices::AsDesigned);
        s.inputpembelian = "Normal";
        QCOMPARE(s.purchasePrices(), SettingAwal::PurchasePrices::Editable);
    }

    // A stored value that is none of the offered ones shows an empty
    // chooser, and the row is not saved until a listed value is chosen.
    void onlyListedValuesAreSaved()
    {
        QVERIFY(m_db.runSql("UPDATE settingawal SET notajualaktif='/Laporan/Lain.frf', ubahhargajual=7"));
        ScriptedMessages messages;
        TFormSettingAwal w;
        Driver::open(&w);
        QCOMPARE(Driver::find<QComboBox>(&w, "ComboNotaJual")->currentIndex(), -1);
        QCOMPARE(Driver::find<QComboBox>(&w, "ComboUbahHargaJual")->currentIndex(), -1);
        Driver::find<QPushButton>(&w, "TombolSimpan")->click();
        QCOMPARE(messages.texts("error"), QStringList{"Editing Harga Jual - Penjualan belum dipilih!!!"});
        QVERIFY(w.isVisible());
        QCOMPARE(TestDatabase::scalar("select notajualaktif from settingawal"), QStringLiteral("/Laporan/Lain.frf"));
        Driver::find<QComboBox>(&w, "ComboUbahHargaJual")->setCurrentIndex(0);
        Driver::find<QComboBox>(&w, "ComboNotaJual")->setCurrentIndex(0);
        Driver::find<QPushButton>(&w, "TombolSimpan")->click();
        QCOMPARE(TestDatabase::scalar("select concat(notajualaktif,ubahhargajual) from settingawal"),
                 QStringLiteral("/Laporan/NotaJual.frf0"));
    }

    void branchIsFoundAndChangedByName()
    {
        ScriptedMessages messages;
        TFormCabang w;
        Driver::open(&w);
        auto *grid = Driver::find<DataGrid>(&w, "Daftar");
        QCOMPARE(grid->rowCountAll(), 1);
        QCOMPARE(Driver::find<QLineEdit>(&w, "EditCabang")->text(), QStringLiteral("Pusat")); // copied from the row

        // A new name adds a branch.
        Driver::type(Driver::find<QLineEdit>(&w, "EditCabang"), "Timur");
        Driver::type(Driver::find<QLineEdit>(&w, "EditAlamat"), "Jl. Timur 1");
        Driver::type(Driver::find<QLineEdit>(&w, "EditLastClose"), "00007");
        Driver::press(&w, Qt::Key_Return);
        QCOMPARE(TestDatabase::scalar("select concat(alamat,'/',lastclose) from mastercabang where namacabang='Timur'"),
                 QStringLiteral("Jl. Timur 1/00007"));

        // An existing name with a new address: Cancel changes nothing, OK updates.
        for (bool ok : {false, true}) {
            Driver::type(Driver::find<QLineEdit>(&w, "EditCabang"), "Timur");
            Driver::type(Driver::find<QLineEdit>(&w, "EditAlamat"), "Jl. Baru 2");
            messages.answers << ok;
            Driver::press(&w, Qt::Key_Return);
            QCOMPARE(TestDatabase::scalar("select alamat from mastercabang where namacabang='Timur'"),
                     ok ? QStringLiteral("Jl. Baru 2") : QStringLiteral("Jl. Timur 1"));
        }
        QCOMPARE(messages.texts("okcancel"), (QStringList{"Menyimpan perubahan pada Cabang Timur ?",
                                                          "Menyimpan perubahan pada Cabang Timur ?"}));
        QCOMPARE(TestDatabase::scalar("select count(*) from mastercabang"), QStringLiteral("2"));

        // The keyword filters the list.
        Driver::type(Driver::find<QLineEdit>(&w, "EditKataKunci"), "tim");
        QCOMPARE(grid->rowCountAll(), 1);
    }

    // The delete question names the row that is deleted, whatever the
    // name field holds.
    void branchDeleteNamesTheRowDeleted()
    {
        ScriptedMessages messages;
        TFormCabang w;
        Driver::open(&w);
        auto *grid = Driver::find<DataGrid>(&w, "Daftar");
        grid->setCurrentRow(grid->findRow("namacabang", "Timur"));
        Driver::find<QLineEdit>(&w, "EditCabang")->setText("Pusat");
        messages.answers << true;
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(messages.texts("okcancel"), QStringList{"Menghapus data cabang dengan nama Timur ?"});
        QCOMPARE(TestDatabase::scalar("select group_concat(namacabang) from mastercabang"), QStringLiteral("Pusat"));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
