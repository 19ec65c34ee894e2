// Datasets read from the server: every row whatever the query's position,
// column names ignoring case, DECIMAL values as exact text all the way to
// the printed total.

#include "report.h"
#include "session.h"
#include "testdatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

class TestReportDataset : public QObject
{
    Q_OBJECT
    TestDatabase m_db{QStringLiteral("report")};

    QSqlQuery select(bool forwardOnly)
    {
        QSqlQuery q(Session::db());
        q.setForwardOnly(forwardOnly);
        if (!q.exec("SELECT Kode, Nama, Harga, Tanggal, Qty FROM UjiLaporan ORDER BY Kode"))
            qFatal("%s", qPrintable(q.lastError().text()));
        return q;
    }

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_DATABASE(m_db);
        QVERIFY(m_db.runSql("CREATE TABLE UjiLaporan (Kode VARCHAR(10), Nama VARCHAR(30), Harga DECIMAL(20,2),"
                            " Tanggal DATE, Qty INT);"
                            "INSERT INTO UjiLaporan VALUES ('A1', 'Gula', 1234567890123456.78, '2024-03-09', 2),"
                            " ('A2', 'Kopi', 0.10, NULL, NULL), ('A3', 'Teh', -0.05, '2024-12-31', 7);"));
    }

    void readsEveryRow_data()
    {
        QTest::addColumn<bool>("forwardOnly");
        QTest::addColumn<bool>("moveFirst");
        QTest::newRow("fresh forward-only") << true << false;
        QTest::newRow("forward-only checked for rows") << true << true;
        QTest::newRow("scrollable moved to the end") << false << true;
    }
    void readsEveryRow()
    {
        QFETCH(bool, forwardOnly);
        QFETCH(bool, moveFirst);
        QSqlQuery q = select(forwardOnly);
        if (moveFirst)
            QVERIFY(forwardOnly ? q.next() : q.last());
        const ReportDataset data = ReportDataset::fromQuery(q);
        QCOMPARE(data.columns(), QStringList({"Kode", "Nama", "Harga", "Tanggal", "Qty"}));
        QCOMPARE(data.rowCount(), 3);
        QCOMPARE(data.value(0, "kode").toString(), QString("A1"));
        QCOMPARE(data.value(2, "KODE").toString(), QString("A3"));
        // DECIMAL arrives as the server's text, never through double.
        QCOMPARE(data.value(0, "harga").typeId(), int(QMetaType::QString));
        QCOMPARE(data.value(0, "harga").toString(), QString("1234567890123456.78"));
        QCOMPARE(data.value(0, "tanggal").toDate(), QDate(2024, 3, 9));
        QVERIFY(data.value(1, "Tanggal").isNull());
        QCOMPARE(data.value(0, "Qty").toInt(), 2);
        QVERIFY(!data.value(3, "Kode").isValid());
        QVERIFY(!data.value(0, "TidakAda").isValid());
    }

    void inactiveQueryGivesNothing()
    {
        QSqlQuery q(Session::db());
        const ReportDataset data = ReportDataset::fromQuery(q);
        QCOMPARE(data.columnCount(), 0);
        QVERIFY(data.isEmpty());
    }

    void totalsStayExact()
    {
        auto t = ReportTemplate::parse("dataset Data\n"
                                       "  band detail\n"
                                       "    text w=20 : [kode]\n"
                                       "    text x=20 w=60 align=right format=money : [harga]\n"
                                       "    text x=80 w=30 : Format([tanggal], \"dd/MM/yyyy\")\n"
                                       "  end\n"
                                       "end\n"
                                       "band summary\n"
                                       "  text x=20 w=60 align=right format=money : Sum([Harga])\n"
                                       "  text x=80 w=30 : Sum([Qty] * [Harga])\n"
                                       "end\n",
                                       "Laporan/Uji.frf");
        QVERIFY2(t, qPrintable(t.error()));
        QSqlQuery q = select(true);
        Report report(*t);
        report.addDataset("Data", ReportDataset::fromQuery(q));
        const auto r = report.render();
        QVERIFY2(r, qPrintable(r.error()));
        QCOMPARE(r->text(), QString("A1\t1.234.567.890.123.456,78\t09/03/2024\n"
                                    "A2\t0,10\t\n"
                                    "A3\t-0,05\t31/12/2024\n"
                                    "1.234.567.890.123.456,83\t2469135780246913,21\n"));
    }
};

QTEST_MAIN(TestReportDataset)
#include "test_reportdataset.moc"
