// Server-side figures: document numbers under a saving transaction, the
// master list over a large table (open and position on the last record),
// and the stock value report over a large catalogue.

#include "activeuser.h"
#include "formjabatan.h"
#include "mainreports.h"
#include "scriptedmessages.h"
#include "session.h"
#include "sqlstatement.h"
#include "testdatabase.h"

#include <QElapsedTimer>
#include <QTest>

class BenchDatabase : public QObject
{
    Q_OBJECT
    TestDatabase m_db{"bench"};

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_DATABASE(m_db);
        // 20,000 positions and 20,000 item units.
        QString error;
        QVERIFY2(m_db.runSql(R"SQL(
            SET SESSION max_recursive_iterations = 30000;
            INSERT INTO MasterJabatan (Jabatan, Wewenang)
              WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)
              SELECT CONCAT('Jabatan ', LPAD(i, 6, '0')), '1010101010' FROM n;
            CREATE TABLE MasterKategori (IDKategori INT PRIMARY KEY, Kategori VARCHAR(50));
            CREATE TABLE MasterSatuan (IDSatuan INT PRIMARY KEY, Satuan VARCHAR(20));
            CREATE TABLE MasterTypeBarang (IDTypeBarang INT PRIMARY KEY, IDKategori INT, KodeBarang VARCHAR(30),
              TypeBarang VARCHAR(100), KenaPajak VARCHAR(1));
            CREATE TABLE DSatuan (IDTypeBarang INT, IDSatuan INT, Ket VARCHAR(50), Berat DECIMAL(18,2),
              Harga DECIMAL(18,2), HargaBeli DECIMAL(18,2), Stok DECIMAL(18,2), StokMinimal DECIMAL(18,2),
              PRIMARY KEY (IDTypeBarang, IDSatuan));
            INSERT INTO MasterSatuan VALUES (1, 'PCS');
            INSERT INTO MasterKategori WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50)
              SELECT i, CONCAT('Kategori ', i) FROM n;
            INSERT INTO MasterTypeBarang WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)
              SELECT i, 1 + i % 50, CONCAT('B', LPAD(i, 6, '0')), CONCAT('Barang ', i), '0' FROM n;
            INSERT INTO DSatuan WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)
              SELECT i, 1, '', 1, 1000 + i, 750.25 + i, 1 + i % 90, 0 FROM n;
        )SQL", &error), qPrintable(error));
        activeUser().PathAplikasi = TestDatabase::programDir();
    }

    void documentNumberInASavingTransaction()
    {
        QBENCHMARK {
            SqlTransaction t(Session::db());
            SqlStatement st(Session::db(), "SELECT BuatNotaJual()");
            QVERIFY(st.execFirst());
            QVERIFY(t.commit());
        }
    }

    void masterListOpenAndPositionOnLast()
    {
        ScriptedMessages messages;
        TFormJabatan w;
        QBENCHMARK {
            w.reopenList();
            w.list()->setCurrentRow(0);
            const int row = w.list()->findRow("Jabatan", "Jabatan 020000");
            QVERIFY(row > 0);
            w.list()->setCurrentRow(row);
        }
    }

    void stockValueReportOverTwentyThousandUnits()
    {
        QBENCHMARK_ONCE {
            const auto report = MainReports::prepareStockValueReport();
            QVERIFY2(report, qPrintable(report.error()));
            const auto rendered = report->render();
            QVERIFY2(rendered, qPrintable(rendered.error()));
            qInfo("pages: %d", rendered->pageCount());
        }
    }
};

QTEST_MAIN(BenchDatabase)
#include "bench_database.moc"
