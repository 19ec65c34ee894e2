// Document numbers from the server: form, uniqueness under concurrent
// transactions, never behind the keys stored, no silent wrap-around.

#include "scriptedmessages.h"
#include "session.h"
#include "sqlstatement.h"
#include "testdatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QTest>
#include <QThread>

namespace {

QString callOn(const QSqlDatabase &db, const QString &function, QString *error = nullptr)
{
    SqlStatement st(db, QStringLiteral("SELECT %1()").arg(function));
    if (!st.execFirst()) {
        if (error)
            *error = st.errorText();
        return {};
    }
    return st.query().value(0).toString();
}

QSqlDatabase secondConnection(const ConnectionSettings &s, const QString &name)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
    db.setHostName(s.host);
    db.setPort(s.port);
    db.setDatabaseName(s.database);
    db.setUserName(s.user);
    db.setPassword(s.password);
    db.open();
    return db;
}

} // namespace

class TestDocumentNumbers : public QObject
{
    Q_OBJECT
    TestDatabase m_db{QStringLiteral("documentnumbers")};

private Q_SLOTS:
    void initTestCase() { REQUIRE_DATABASE(m_db); }

    void everyKindGivesTenCharactersCountingUp_data()
    {
        QTest::addColumn<QString>("function");
        for (const char *f : {"BuatNotaJual", "BuatNotaBeli", "BuatNotaBayarPiutang", "BuatNotaBayarHutang",
                              "BuatNotaPecahStok", "BuatNotaTitipan", "BuatNotaTitipanTerjual",
                              "BuatNotaKembaliTitipan"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }
    void everyKindGivesTenCharactersCountingUp()
    {
        QFETCH(QString, function);
        const QString first = callOn(Session::db(), function);
        const QString second = callOn(Session::db(), function);
        QCOMPARE(first.size(), 10);
        QCOMPARE(second.size(), 10);
        QVERIFY(first != second);
        QVERIFY(second > first);
    }

    void kindsHaveTheirOwnPrefixes()
    {
        QSet<QString> prefixes;
        for (const char *f : {"BuatNotaJual", "BuatNotaBeli", "BuatNotaBayarPiutang", "BuatNotaBayarHutang",
                              "BuatNotaPecahStok", "BuatNotaTitipan", "BuatNotaTitipanTerjual",
                              "BuatNotaKembaliTitipan"})
            prefixes.insert(callOn(Session::db(), QString::fromLatin1(f)).left(2));
        QCOMPARE(prefixes.size(), 8);
    }

    // Two workstations saving at once: the second waits for the first's
    // counter lock and then gets the next number, never the same one.
    void overlappingTransactionsGetDifferentNumbers()
    {
        QSqlDatabase a = secondConnection(m_db.settings(), QStringLiteral("a"));
        QVERIFY2(a.isOpen(), qPrintable(a.lastError().text()));
        QVERIFY(a.transaction());
        const QString numberA = callOn(a, QStringLiteral("BuatNotaJual"));
        QVERIFY(!numberA.isEmpty());

        QString numberB, errorB;
        QThread *other = QThread::create([&] {
            {
                QSqlDatabase b = secondConnection(m_db.settings(), QStringLiteral("b"));
                b.transaction();
                numberB = callOn(b, QStringLiteral("BuatNotaJual"), &errorB);
                b.commit();
                b.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("b"));
        });
        other->start();
        QTest::qWait(300); // b is now waiting for a's lock
        QVERIFY(numberB.isEmpty());
        QVERIFY(a.commit());
        QVERIFY(other->wait(20000));
        delete other;
        QVERIFY2(errorB.isEmpty(), qPrintable(errorB));
        QVERIFY(!numberB.isEmpty());
        QVERIFY(numberA != numberB);
        a.close();
        a = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("a"));
    }

    // After a restore the counter may be older than the keys in the
    // headers; the server code brings it past the largest one.
    void counterIsNeverBehindStoredKeys()
    {
        QVERIFY(execSql(Session::db(), QStringLiteral(
            "CREATE TABLE HPembelian (IDPembelian VARCHAR(10) NOT NULL PRIMARY KEY) ENGINE=InnoDB")));
        QVERIFY(execSql(Session::db(), QStringLiteral(
            "INSERT INTO HPembelian VALUES ('PB00000050'), ('PB00000007'), ('LAMA000999')")));
        QVERIFY(execSql(Session::db(), QStringLiteral("UPDATE NomorDokumen SET Nomor=3 WHERE Jenis='Beli'")));
        QVERIFY(execSql(Session::db(), QStringLiteral("CALL SelaraskanNomorDokumen()")));
        const QString saved = callOn(Session::db(), QStringLiteral("BuatNotaBeli"));
        QCOMPARE(saved, QStringLiteral("PB00000051"));
        QVERIFY(execSql(Session::db(), QStringLiteral("INSERT INTO HPembelian VALUES (:id)"), {{"id", saved}}));
        // Loading the server code again (as every restore does) keeps it so.
        QVERIFY(execSql(Session::db(), QStringLiteral("UPDATE NomorDokumen SET Nomor=0 WHERE Jenis='Beli'")));
        QString error;
        QVERIFY2(m_db.runScript(TestDatabase::programDir() + QStringLiteral("/function.sql"), &error), qPrintable(error));
        QCOMPARE(callOn(Session::db(), QStringLiteral("BuatNotaBeli")), QStringLiteral("PB00000052"));
    }

    void exhaustedCounterIsAnErrorNotARepeat()
    {
        QVERIFY(execSql(Session::db(), QStringLiteral("UPDATE NomorDokumen SET Nomor=99999998 WHERE Jenis='Titipan'")));
        QCOMPARE(callOn(Session::db(), QStringLiteral("BuatNotaTitipan")), QStringLiteral("TP99999999"));
        QString error;
        QCOMPARE(callOn(Session::db(), QStringLiteral("BuatNotaTitipan"), &error), QString());
        QVERIFY2(error.contains(QStringLiteral("Nomor dokumen sudah habis")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestDocumentNumbers)
#include "test_documentnumbers.moc"
