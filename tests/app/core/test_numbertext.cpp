// Number text: the formatting table, parsing back, the key filter and the
// exact decimal type under it.

#include "decimal.h"
#include "numbertext.h"

#include <QTest>

using namespace NumberText;

class TestNumberText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formats_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("angka");
        QTest::addColumn<QString>("uang");
        const char *rows[][3] = {
            {"", "0", "0,00"},
            {"   ", "0", "0,00"},
            {"0", "0", "0,00"},
            {"7", "7", "7,00"},
            {"0012", "12", "12,00"},
            {"100", "100", "100,00"},
            {"999999", "999.999", "999.999,00"},
            {"1234567", "1.234.567", "1.234.567,00"},
            {"1.234.567", "1.234.567", "1.234.567,00"},
            {"-123456", "-123.456", "-123.456,00"},
            {"-1234567", "-1.234.567", "-1.234.567,00"},
            {"1234,5", "1.234,5", "1.234,50"},
            {"1234,", "1.234", "1.234,00"},
            {",5", "0,5", "0,50"},
            {"-0,5", "-0,5", "-0,50"},
            {"1234,5678", "1.234,5678", "1.234,57"},
            {"1234,05", "1.234,05", "1.234,05"},
            {"1234,001", "1.234,001", "1.234,00"},
            {"12,999", "12,999", "13,00"},
            {"-12,999", "-12,999", "-13,00"},
            {"999,995", "999,995", "1.000,00"},
            // An exact half goes to the even hundredth; anything above it up.
            {"0,125", "0,125", "0,12"},
            {"0,135", "0,135", "0,14"},
            {"0,1250001", "0,1250001", "0,13"},
            {"0,005", "0,005", "0,00"},
            {"0,10", "0,10", "0,10"},
            {"1000000000000,01", "1.000.000.000.000,01", "1.000.000.000.000,01"},
        };
        for (const auto &r : rows)
            QTest::newRow(r[0][0] ? r[0] : "(empty)") << QString::fromUtf8(r[0]) << QString::fromUtf8(r[1])
                                                    << QString::fromUtf8(r[2]);
    }
    void formats()
    {
        QFETCH(QString, input);
        QFETCH(QString, angka);
        QFETCH(QString, uang);
        QCOMPARE(FormatAngka(input), angka);
        QCOMPARE(FormatUang(input), uang);
        // Formatting is stable: removing the dots and formatting again gives the same text.
        QCOMPARE(FormatAngka(HapusTitik(angka)), angka);
        QCOMPARE(FormatUang(HapusTitik(uang)), uang);
        QVERIFY(!angka.startsWith(QLatin1String("-.")));
    }

    void plainTextOfStoredValues_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("plain");
        QTest::newRow("money") << QVariant(QStringLiteral("1250000.00")) << QStringLiteral("1250000");
        QTest::newRow("fraction") << QVariant(QStringLiteral("12.50")) << QStringLiteral("12,5");
        QTest::newRow("negative") << QVariant(QStringLiteral("-0.75")) << QStringLiteral("-0,75");
        QTest::newRow("integer") << QVariant(42) << QStringLiteral("42");
        QTest::newRow("null") << QVariant() << QStringLiteral("0");
        QTest::newRow("wide") << QVariant(QStringLiteral("123456789012345678.25")) << QStringLiteral("123456789012345678,25");
    }
    void plainTextOfStoredValues()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, plain);
        QCOMPARE(plainFromDb(stored), plain);
    }

    void parsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<QString>("dbText");
        QTest::newRow("money text") << QStringLiteral("1.234.567,50") << true << QStringLiteral("1234567.5");
        QTest::newRow("plain") << QStringLiteral("12,5") << true << QStringLiteral("12.5");
        QTest::newRow("negative") << QStringLiteral("-1.000") << true << QStringLiteral("-1000");
        QTest::newRow("empty") << QString() << false << QString();
        QTest::newRow("letters") << QStringLiteral("12a") << false << QString();
        QTest::newRow("two commas") << QStringLiteral("1,2,3") << false << QString();
    }
    void parsing()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(QString, dbText);
        const auto value = parse(text);
        QCOMPARE(value.has_value(), isNumber);
        if (value)
            QCOMPARE(value->toDbText(), dbText);
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("allowMinus");
        QTest::addColumn<QString>("result"); // empty: swallowed
        QTest::newRow("digit") << "12" << "3" << false << "3";
        QTest::newRow("dot becomes comma") << "12" << "." << false << ",";
        QTest::newRow("comma into empty") << "" << "," << false << "";
        QTest::newRow("second comma") << "1,5" << "," << false << "";
        QTest::newRow("dot after comma") << "1,5" << "." << false << "";
        QTest::newRow("letter") << "1" << "a" << false << "";
        QTest::newRow("minus refused") << "1" << "-" << false << "";
        QTest::newRow("minus allowed anywhere") << "12" << "-" << true << "-";
        QTest::newRow("backspace") << "12" << "\b" << false << "\b";
    }
    void keyFilter()
    {
        QFETCH(QString, current);
        QFETCH(QString, key);
        QFETCH(bool, allowMinus);
        QFETCH(QString, result);
        const QChar out = filterKey(key.at(0), current, allowMinus ? SignPolicy::AllowMinus : SignPolicy::Unsigned);
        QCOMPARE(out.isNull() ? QString() : QString(out), result);
    }

    void decimalIsExact()
    {
        // 0.1 + 0.2 is not 0.3 in binary floating point; here it is.
        const Decimal sum = *Decimal::fromDbText(QStringLiteral("0.1")) + *Decimal::fromDbText(QStringLiteral("0.2"));
        QCOMPARE(sum, *Decimal::fromDbText(QStringLiteral("0.3")));
        const Decimal qty = *Decimal::fromDbText(QStringLiteral("3"));
        const Decimal price = *Decimal::fromDbText(QStringLiteral("33333.33"));
        QCOMPARE((qty * price).toDbText(), QStringLiteral("99999.99"));
        QCOMPARE((Decimal(10) / Decimal(3)).rounded(2).toDbText(), QStringLiteral("3.33"));
        QCOMPARE(Decimal::fromDbText(QStringLiteral("2.345"))->rounded(2, Decimal::Rounding::HalfEven).toDbText(),
                 QStringLiteral("2.34"));
        QCOMPARE(Decimal::fromDbText(QStringLiteral("-2.345"))->rounded(2).toDbText(), QStringLiteral("-2.35"));
        QVERIFY(!Decimal::fromDbText(QStringLiteral("1e5")));
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_numbertext.moc"
