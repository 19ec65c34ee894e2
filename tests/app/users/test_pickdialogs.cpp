// The keyword pick list: search as you type with the keyword untrimmed,
// every :KataKunci bound, choosing only from a non-empty list, and the
// design put back for the next caller.

#include "formbrowse.h"
#include "formpencarian.h"
#include "scriptedmessages.h"
#include "session.h"
#include "sqlstatement.h"
#include "testdatabase.h"
#include "windowdriver.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestPickDialogs : public QObject
{
    Q_OBJECT
    TestDatabase m_db{QStringLiteral("pickdialogs")};

    void configure(TFormBrowse &b)
    {
        b.begin();
        b.setSql("select IDJabatan as Kode, Jabatan, Wewenang from MasterJabatan "
                 "where Jabatan like :KataKunci or Wewenang like :katakunci order by Jabatan");
        b.setColumn(1, "Jabatan", "Nama Jabatan", true, 200);
        b.setColumn(2, "Wewenang", "Wewenang", true, 100);
    }

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_DATABASE(m_db);
        QVERIFY(m_db.runSql("INSERT INTO MasterJabatan (Jabatan, Wewenang) VALUES ('Kasir','0001'), ('Gudang','01')"));
    }

    void searchesAsYouTypeAndChooses()
    {
        ScriptedMessages messages;
        TFormBrowse b;
        configure(b);
        Driver::open(&b);
        auto *grid = Driver::find<DataGrid>(&b, "Daftar");
        auto *keyword = Driver::find<QLineEdit>(&b, "EditKataKunci");
        QCOMPARE(grid->rowCountAll(), 3); // empty keyword: everything
        QTest::keyClicks(keyword, "gud");
        QCOMPARE(grid->rowCountAll(), 1);
        keyword->setText(" Kasir"); // untrimmed: the blank must match too
        QCOMPARE(grid->rowCountAll(), 0);
        Driver::press(&b, Qt::Key_Return); // nothing to choose: stays open
        QVERIFY(b.isVisible());
        QCOMPARE(b.result(), int(QDialog::Rejected));
        keyword->setText("0001"); // matched through the second, lower-case placeholder
        QCOMPARE(grid->rowCountAll(), 1);
        Driver::press(&b, Qt::Key_Return);
        QCOMPARE(b.result(), int(QDialog::Accepted));
        QCOMPARE(b.value("Jabatan").toString(), QStringLiteral("Kasir"));
        QVERIFY(messages.shown.isEmpty());
    }

    // The search dialog edits through the editor registered for its mode
    // word (letter case ignored) and reads the list again; a mode with no
    // editor does nothing.
    void searchEditsThroughTheRegisteredEditor()
    {
        ScriptedMessages messages;
        QString edited;
        TFormPencarian::registerEditor("Uji", [&](const QSqlRecord &row) {
            edited = row.value("Jabatan").toString();
            return execSql(Session::db(), "UPDATE MasterJabatan SET Jabatan='Gudang Besar' WHERE IDJabatan=:id",
                           {{"id", row.value("IDJabatan")}});
        });
        TFormPencarian dialog;
        TFormPencarian::Request request;
        request.refreshSql = "Select IDJabatan,Jabatan From MasterJabatan Where Jabatan like :KataKunci Order By Jabatan";
        request.column = GridColumn::text("Jabatan", "Nama Jabatan");
        request.mode = "UJI";
        request.keyField = "IDJabatan";
        dialog.configure(request);
        Driver::open(&dialog);
        Driver::type(Driver::find<QLineEdit>(&dialog, "EditKataKunci"), " gud ");
        Driver::press(&dialog, Qt::Key_Return);
        auto *grid = Driver::find<DataGrid>(&dialog, "Daftar");
        QCOMPARE(grid->rowCountAll(), 1);
        QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(edited, QStringLiteral("Gudang"));
        QCOMPARE(grid->currentValue("Jabatan").toString(), QStringLiteral("Gudang Besar"));

        request.mode = "Jabatan";
        dialog.configure(request);
        edited.clear();
        dialog.TombolCariClick();
        dialog.editCurrent();
        QVERIFY(edited.isEmpty());
        QVERIFY(messages.shown.isEmpty());
    }

    void beginPutsTheDesignBack()
    {
        TFormBrowse b;
        configure(b);
        b.showAddButton([] {});
        b.begin();
        QVERIFY(Driver::find<QPushButton>(&b, "Button1")->isHidden());
        auto *grid = Driver::find<DataGrid>(&b, "Daftar");
        QCOMPARE(grid->columns().at(1).field, QString());
        QCOMPARE(grid->columns().at(1).title, QStringLiteral("Nama Pelanggan"));
        QVERIFY(!grid->columns().at(2).visible);
    }
};

QTEST_MAIN(TestPickDialogs)
#include "test_pickdialogs.moc"
