// Plain helpers: named placeholders, ip.txt, rights strings, passwords.

#include "connectionsettings.h"
#include "password.h"
#include "rights.h"
#include "sqlstatement.h"

#include <QTemporaryDir>
#include <QTest>

class TestCoreHelpers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void placeholders_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("positional");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("repeated, mixed case")
            << "select * from t where a like :KataKunci or b like :katakunci"
            << "select * from t where a like ? or b like ?" << QStringList{"KataKunci", "katakunci"};
        QTest::newRow("quoted colon is text") << "select ':x', \":y\" from t where c=:c"
                                              << "select ':x', \":y\" from t where c=?" << QStringList{"c"};
        QTest::newRow("escaped quote") << "select 'it\\'s :no' , :yes" << "select 'it\\'s :no' , ?"
                                       << QStringList{"yes"};
        QTest::newRow("user variable assignment") << "select @n:=@n+1, :p" << "select @n:=@n+1, ?"
                                                  << QStringList{"p"};
        QTest::newRow("comment") << "select 1 -- :not\n, :p" << "select 1 -- :not\n, ?" << QStringList{"p"};
    }
    void placeholders()
    {
        QFETCH(QString, sql);
        QFETCH(QString, positional);
        QFETCH(QStringList, names);
        const auto [out, found] = SqlStatement::toPositional(sql);
        QCOMPARE(out, positional);
        QCOMPARE(found, names);
    }

    void ipLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("host") << "192.168.1.5" << "192.168.1.5" << 0;
        QTest::newRow("trailing CR") << "server\r\n" << "server" << 0;
        QTest::newRow("host and port") << "127.0.0.1:33061\r" << "127.0.0.1" << 33061;
        QTest::newRow("bad port stays host") << "server:abc" << "server:abc" << 0;
        QTest::newRow("ipv6") << "::1" << "::1" << 0;
    }
    void ipLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, host);
        QFETCH(int, port);
        const IpFile ip = parseIpLine(line);
        QCOMPARE(ip.host, host);
        QCOMPARE(ip.port, port);
    }

    void ipFileReadsFirstLineOnly()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("ip.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("dbhost:3307\r\nsecond line\r\n");
        f.close();
        const IpFile ip = readIpFile(f.fileName());
        QVERIFY(ip.ok);
        QCOMPARE(ip.host, QStringLiteral("dbhost"));
        QCOMPARE(ip.port, 3307);
        const IpFile missing = readIpFile(dir.filePath(QStringLiteral("nothing.txt")));
        QVERIFY(!missing.ok);
        QVERIFY(!missing.error.isEmpty());
    }

    void rights_data()
    {
        QTest::addColumn<QString>("wewenang");
        QTest::addColumn<QList<int>>("groups");
        QTest::newRow("all zero") << "0000000000" << QList<int>{};
        QTest::newRow("first and last") << "1000000001" << QList<int>{1, 10};
        QTest::newRow("short string") << "011" << QList<int>{2, 3};
        QTest::newRow("empty") << "" << QList<int>{};
        QTest::newRow("all") << "1111111111" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    }
    void rights()
    {
        QFETCH(QString, wewenang);
        QFETCH(QList<int>, groups);
        const Rights r = Rights::fromWewenang(wewenang);
        for (int g = 0; g <= 11; ++g)
            QCOMPARE(r.has(g), groups.contains(g));
    }

    void passwords()
    {
        const QString hashed = Password::hash(QStringLiteral("Rahasia1"));
        QVERIFY(Password::isHash(hashed));
        QVERIFY(hashed.size() <= 128);
        QVERIFY(Password::verify(hashed, QStringLiteral("Rahasia1")));
        QVERIFY(!Password::verify(hashed, QStringLiteral("rahasia1")));
        QVERIFY(!Password::needsRehash(hashed));
        // A plain password from before hashing: exact, and marked for a hash.
        QVERIFY(Password::verify(QStringLiteral("lama"), QStringLiteral("lama")));
        QVERIFY(!Password::verify(QStringLiteral("lama"), QStringLiteral("LAMA")));
        QVERIFY(Password::needsRehash(QStringLiteral("lama")));
        // A text that looks like SQL is only a password.
        const QString odd = QStringLiteral("' or '1'='1");
        QVERIFY(Password::verify(Password::hash(odd), odd));
    }
};

QTEST_GUILESS_MAIN(TestCoreHelpers)
#include "test_corehelpers.moc"
