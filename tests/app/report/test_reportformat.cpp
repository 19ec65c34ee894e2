// How report items print values: number masks with Indonesian separators,
// money and number formats, date patterns, amounts in words, and the
// formats a template may not use.

#include "numberwords.h"
#include "valueformat.h"

#include <QTest>

class TestReportFormat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("printed");
        // Values arrive as the server's decimal text, as integers, or as dates.
        QTest::newRow("mask grouped two decimals") << "#,0.00;-#,0.00" << QVariant("1234.5") << "1.234,50";
        QTest::newRow("mask negative section") << "#,0.00;-#,0.00" << QVariant(-5) << "-5,00";
        QTest::newRow("mask negative in brackets") << "#,0.00;(#,0.00)" << QVariant("-1234567.891") << "(1.234.567,89)";
        QTest::newRow("mask no negative section") << "#,0.00" << QVariant("-0.5") << "-0,50";
        QTest::newRow("mask rounds half away") << "#,0" << QVariant("1234.5") << "1.235";
        QTest::newRow("mask rounds negative half away") << "#,0;-#,0" << QVariant("-2.5") << "-3";
        QTest::newRow("mask tiny negative is zero") << "#,0.00;-#,0.00" << QVariant("-0.001") << "0,00";
        QTest::newRow("mask zero section") << "#,0;-#,0;'-'" << QVariant("0.00") << "-";
        QTest::newRow("mask empty zero section prints nothing") << "#,0;-#,0;''" << QVariant(0) << "";
        QTest::newRow("mask without grouping") << "0.00" << QVariant("1234567.5") << "1234567,50";
        QTest::newRow("mask optional decimals") << "#,0.##" << QVariant("1234.5") << "1.234,5";
        QTest::newRow("mask optional decimals of whole") << "#,0.##" << QVariant("1234") << "1.234";
        QTest::newRow("mask leading zeros") << "000" << QVariant(7) << "007";
        QTest::newRow("mask prefix and suffix") << "Rp #,0 'pcs'" << QVariant("25000") << "Rp 25.000 pcs";
        QTest::newRow("mask big exact") << "#,0.00" << QVariant("123456789012345678.99") << "123.456.789.012.345.678,99";
        QTest::newRow("mask null is zero") << "#,0.00" << QVariant() << "0,00";
        QTest::newRow("mask text not a number") << "#,0" << QVariant("Habis") << "Habis";
        QTest::newRow("mask decimal comma text") << "#,0.00" << QVariant("1234,5") << "1.234,50";
        QTest::newRow("money") << "money" << QVariant("1234.5") << "1.234,50";
        QTest::newRow("money half to even") << "money" << QVariant("0.125") << "0,12";
        QTest::newRow("money negative") << "money" << QVariant("-1250000.00") << "-1.250.000,00";
        QTest::newRow("money integer") << "money" << QVariant(qlonglong(3000000000)) << "3.000.000.000,00";
        QTest::newRow("money null") << "money" << QVariant() << "0,00";
        QTest::newRow("number") << "number" << QVariant("1234.500") << "1.234,5";
        QTest::newRow("number whole") << "number" << QVariant("-1250000.00") << "-1.250.000";
        QTest::newRow("date") << "dd/MM/yyyy" << QVariant(QDate(2024, 3, 9)) << "09/03/2024";
        QTest::newRow("date month name") << "dd MMMM yyyy" << QVariant(QDate(2024, 8, 17)) << "17 Agustus 2024";
        QTest::newRow("date time") << "dd-MM-yy HH:mm" << QVariant(QDateTime(QDate(2024, 1, 2), QTime(13, 5)))
                                   << "02-01-24 13:05";
        QTest::newRow("date from server text") << "dd/MM/yyyy" << QVariant("2024-12-31 23:59:00") << "31/12/2024";
        QTest::newRow("date null") << "dd/MM/yyyy" << QVariant() << "";
        QTest::newRow("date text not a date") << "dd/MM/yyyy" << QVariant("kosong") << "kosong";
    }
    void formats()
    {
        QFETCH(QString, format);
        QFETCH(QVariant, value);
        QFETCH(QString, printed);
        QString error;
        const auto f = ValueFormat::parse(format, &error);
        QVERIFY2(f, qPrintable(error));
        QCOMPARE(f->apply(ReportValue::fromVariant(value)), printed);
    }

    void unformattedValues_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("printed");
        QTest::newRow("server text as it is") << QVariant("1234.50") << "1234.50";
        QTest::newRow("code keeps its zeros") << QVariant("00123") << "00123";
        QTest::newRow("integer") << QVariant(42) << "42";
        QTest::newRow("date") << QVariant(QDate(2024, 3, 9)) << "09/03/2024";
        QTest::newRow("null") << QVariant() << "";
    }
    void unformattedValues()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, printed);
        QCOMPARE(ValueFormat().apply(ReportValue::fromVariant(value)), printed);
    }

    void refusedFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown word") << "uang" << "format tidak dikenal: \"uang\"";
        QTest::newRow("text between digits") << "#,0 x 00" << "teks di tengah angka pada format \"#,0 x 00\"";
        QTest::newRow("four sections") << "0;0;0;0" << "format \"0;0;0;0\" memiliki lebih dari tiga bagian";
        QTest::newRow("open quote") << "#,0 'pcs" << "tanda petik tidak ditutup pada format \"#,0 'pcs\"";
    }
    void refusedFormats()
    {
        QFETCH(QString, format);
        QFETCH(QString, error);
        QString actual;
        QVERIFY(!ValueFormat::parse(format, &actual));
        QCOMPARE(actual, error);
    }

    void amountsInWords_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("words");
        QTest::newRow("zero") << "0" << "nol";
        QTest::newRow("teens") << "11" << "sebelas";
        QTest::newRow("belas") << "17" << "tujuh belas";
        QTest::newRow("seratus") << "100" << "seratus";
        QTest::newRow("seribu") << "1000" << "seribu";
        QTest::newRow("ribuan") << "125750" << "seratus dua puluh lima ribu tujuh ratus lima puluh";
        QTest::newRow("sebelas ribu") << "11000" << "sebelas ribu";
        QTest::newRow("juta") << "2001001" << "dua juta seribu satu";
        QTest::newRow("satu juta") << "1000000" << "satu juta";
        QTest::newRow("miliar") << "3000000010" << "tiga miliar sepuluh";
        QTest::newRow("rounded") << "999.5" << "seribu";
        QTest::newRow("negative") << "-15" << "minus lima belas";
    }
    void amountsInWords()
    {
        QFETCH(QString, amount);
        QFETCH(QString, words);
        QCOMPARE(numberInWords(*Decimal::fromDbText(amount)), words);
    }
};

QTEST_MAIN(TestReportFormat)
#include "test_reportformat.moc"
