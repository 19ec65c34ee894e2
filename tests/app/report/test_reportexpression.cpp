// The report expression language on its own: what expressions evaluate to
// against fixed fields and variables, and the errors of those that cannot
// be read.

#include "expression.h"

#include <QTest>

namespace {

// Fixed answers; aggregates total the argument over three fixed rows.
class FixedEnvironment : public ExpressionEnvironment
{
public:
    QHash<QString, QVariant> fields{{"harga", "1500.50"}, {"qty", "3"}, {"kode", "00123"}, {"nama", "Gula Pasir"},
                                    {"data.harga", "99"}, {"kosong", QVariant()}, {"tanggal", QDate(2024, 5, 1)}};
    QList<QHash<QString, QVariant>> rows{{{"harga", "10"}, {"nama", "B"}},
                                         {{"harga", "-2.5"}, {"nama", "C"}},
                                         {{"harga", QVariant()}, {"nama", "A"}}};
    mutable const QHash<QString, QVariant> *row = nullptr;

    ReportValue field(const QString &dataset, const QString &name) const override
    {
        if (row)
            return ReportValue::fromVariant(row->value(name.toLower()));
        const QString key = (dataset.isEmpty() ? QString() : dataset + ".") + name;
        return ReportValue::fromVariant(fields.value(key.toLower()));
    }
    ReportValue variable(const QString &name) const override
    {
        return name.compare("nama", Qt::CaseInsensitive) == 0 ? ReportValue::text("Toko Maju") : ReportValue();
    }
    ReportValue builtin(Expression::Builtin which) const override
    {
        return which == Expression::Builtin::Page ? ReportValue::number(2) : ReportValue::number(7);
    }
    ReportValue aggregate(Expression::Aggregate function, const Expression &argument) const override
    {
        if (function == Expression::Aggregate::Count && argument.isEmpty())
            return ReportValue::number(int(rows.size()));
        Decimal sum;
        int count = 0;
        ReportValue best;
        for (const auto &r : rows) {
            row = &r;
            const ReportValue v = argument.evaluate(*this);
            row = nullptr;
            if (v.isBlank())
                continue;
            ++count;
            sum += v.toNumberOrZero();
            const int c = best.isNull() ? 0 : ReportValue::compare(v, best);
            if (best.isNull() || (function == Expression::Aggregate::Min ? c < 0 : c > 0))
                best = v;
        }
        if (function == Expression::Aggregate::Sum)
            return ReportValue::number(sum);
        if (function == Expression::Aggregate::Count)
            return ReportValue::number(count);
        return best;
    }
};

} // namespace

class TestReportExpression : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void evaluates_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("printed");
        QTest::newRow("literal") << "\"Daftar \"\"Barang\"\"\"" << "Daftar \"Barang\"";
        QTest::newRow("single quotes") << "'Hal'" << "Hal";
        QTest::newRow("field as it is") << "[Harga]" << "1500.50";
        QTest::newRow("field of a dataset") << "[Data.Harga]" << "99";
        QTest::newRow("text joins") << "\"Kode \" + [kode]" << "Kode 00123";
        QTest::newRow("numbers add exactly") << "[harga] + 0.1 + 0.2" << "1500,8";
        QTest::newRow("number texts add") << "[kode] + [qty]" << "126";
        QTest::newRow("ampersand joins") << "[kode] & [qty]" << "001233";
        QTest::newRow("multiply") << "[harga] * [qty]" << "4501,5";
        QTest::newRow("precedence") << "2 + 3 * 4 - (1 - 2)" << "15";
        QTest::newRow("unary minus") << "-[qty] * 2" << "-6";
        QTest::newRow("division") << "10 / 4" << "2,5";
        QTest::newRow("division by zero is empty") << "[harga] / 0" << "";
        QTest::newRow("null in arithmetic is zero") << "[kosong] + 5" << "5";
        QTest::newRow("variable") << "$NAMA + \" - \" + Page + \"/\" + Pages" << "Toko Maju - 2/7";
        QTest::newRow("if true") << "If([qty] > 2, \"banyak\", \"sedikit\")" << "banyak";
        QTest::newRow("if numeric text compare") << "If([harga] < 200, \"murah\", \"mahal\")" << "mahal";
        QTest::newRow("and or not") << "If(not ([qty] = 3) or [nama] <> \"\" and 1 <= 2, \"ya\", \"tidak\")" << "ya";
        QTest::newRow("text compare") << "If([nama] = \"Gula Pasir\", 1, 0)" << "1";
        QTest::newRow("null equals empty only to null") << "If([kosong] = \"\", 1, 0)" << "0";
        QTest::newRow("date compare") << "If([tanggal] >= \"2024-04-30\", \"baru\", \"lama\")" << "baru";
        QTest::newRow("format money") << "\"Total: \" + Format([harga] * [qty], \"money\")" << "Total: 4.501,50";
        QTest::newRow("format mask") << "Format(-[harga], \"#,0.00;(#,0.00)\")" << "(1.500,50)";
        QTest::newRow("format date") << "Format([tanggal], \"dd MMM yyyy\")" << "01 Mei 2024";
        QTest::newRow("upper lower trim") << "Upper([nama]) + Lower(\" X\") + Trim(\"  y  \")" << "GULA PASIR xy";
        QTest::newRow("terbilang") << "Terbilang([harga] * 2) + \" rupiah\"" << "tiga ribu satu rupiah";
        QTest::newRow("sum skips null") << "Sum([harga])" << "7,5";
        QTest::newRow("count rows") << "Count()" << "3";
        QTest::newRow("count values") << "Count([harga])" << "2";
        QTest::newRow("min number") << "Min([harga])" << "-2.5";
        QTest::newRow("max text") << "Max([nama])" << "C";
        QTest::newRow("aggregate in arithmetic") << "Sum([harga] * 2) / Count()" << "5";
        QTest::newRow("names ignore case") << "SUM([harga]) + page" << "9,5";
    }
    void evaluates()
    {
        QFETCH(QString, source);
        QFETCH(QString, printed);
        const Expression e = Expression::parse(source);
        QVERIFY2(e.isValid(), qPrintable(e.error()));
        QCOMPARE(e.evaluate(FixedEnvironment()).toText(), printed);
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << "  " << "ekspresi kosong";
        QTest::newRow("open text") << "\"Total" << "teks tidak ditutup dengan \"";
        QTest::newRow("open field") << "[Harga" << "tanda ']' tidak ada";
        QTest::newRow("empty field") << "[]" << "nama field kosong: []";
        QTest::newRow("open bracket") << "(1 + 2" << "tanda kurung ')' tidak ada";
        QTest::newRow("unknown function") << "Summ([x])" << "fungsi tidak dikenal: 'Summ'";
        QTest::newRow("bare name") << "Harga" << "nama tidak dikenal: 'Harga' (field ditulis [Harga], variabel $Harga)";
        QTest::newRow("function without brackets") << "Sum" << "fungsi Sum memerlukan tanda kurung";
        QTest::newRow("wrong argument count") << "If(1, 2)" << "fungsi If memerlukan 3 argumen";
        QTest::newRow("sum without argument") << "Sum()" << "fungsi Sum memerlukan 1 argumen";
        QTest::newRow("nested aggregate") << "Sum(Count())" << "fungsi Count tidak boleh di dalam fungsi total lain";
        QTest::newRow("format not literal") << "Format([x], [y])" << "argumen kedua Format harus teks format, misalnya \"money\"";
        QTest::newRow("bad format") << "Format([x], \"rupiah\")" << "format tidak dikenal: \"rupiah\"";
        QTest::newRow("trailing text") << "[a] [b]" << "tidak diharapkan: '[b]'";
        QTest::newRow("unknown symbol") << "[a] % 2" << "tanda tidak dikenal: '%'";
        QTest::newRow("dangling operator") << "[a] +" << "ekspresi berakhir terlalu cepat";
        QTest::newRow("empty variable") << "$ + 1" << "nama variabel kosong setelah '$'";
    }
    void refuses()
    {
        QFETCH(QString, source);
        QFETCH(QString, error);
        const Expression e = Expression::parse(source);
        QVERIFY(!e.isValid());
        QCOMPARE(e.error(), error);
        QVERIFY(e.evaluate(FixedEnvironment()).isNull());
    }

    void reportsWhatItReads()
    {
        const Expression e = Expression::parse("[Data.Kode] + $nama + Sum([Harga] * [qty]) + Pages");
        const auto fields = e.fields();
        QCOMPARE(int(fields.size()), 3);
        QCOMPARE(fields[0].dataset, QString("Data"));
        QVERIFY(!fields[0].inAggregate);
        QVERIFY(fields[1].inAggregate && fields[2].inAggregate);
        QCOMPARE(e.variables(), QStringList{"nama"});
        QVERIFY(e.uses(Expression::Builtin::Pages));
        QVERIFY(!e.uses(Expression::Builtin::Page));
    }
};

QTEST_MAIN(TestReportExpression)
#include "test_reportexpression.moc"
