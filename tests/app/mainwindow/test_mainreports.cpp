// The main window's three reports: which rows each prints, the stock value
// layout with its group and grand total, the empty and error messages.

#include "activeuser.h"
#include "mainreports.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The item tables as the reports read them (their owners add the rest).
const char *kFixture = R"SQL(
CREATE TABLE IF NOT EXISTS MasterKategori (IDKategori INT PRIMARY KEY, Kategori VARCHAR(50)) ENGINE=InnoDB;
CREATE TABLE IF NOT EXISTS MasterSatuan (IDSatuan INT PRIMARY KEY, Satuan VARCHAR(20)) ENGINE=InnoDB;
CREATE TABLE IF NOT EXISTS MasterTypeBarang (IDTypeBarang INT PRIMARY KEY, IDKategori INT, KodeBarang VARCHAR(30),
  TypeBarang VARCHAR(100), KenaPajak VARCHAR(1)) ENGINE=InnoDB;
CREATE TABLE IF NOT EXISTS DSatuan (IDTypeBarang INT, IDSatuan INT, Ket VARCHAR(50), Berat DECIMAL(18,2),
  Harga DECIMAL(18,2), HargaBeli DECIMAL(18,2), Stok DECIMAL(18,2), StokMinimal DECIMAL(18,2),
  PRIMARY KEY (IDTypeBarang, IDSatuan)) ENGINE=InnoDB;
DELETE FROM DSatuan; DELETE FROM MasterTypeBarang; DELETE FROM MasterSatuan; DELETE FROM MasterKategori;
INSERT INTO MasterKategori VALUES (1,'Minuman'),(2,'Sabun');
INSERT INTO MasterSatuan VALUES (1,'PCS'),(2,'DUS');
INSERT INTO MasterTypeBarang VALUES (1,1,'A001','AQUA 600','0'),(2,2,'S001','LIFEBUOY','1'),(3,1,'T001','TEH BOTOL','0');
INSERT INTO DSatuan VALUES
  (1,1,'',0.6,3000,2500.50,10,2),
  (1,2,'isi 24',15,70000,50000,0,0),
  (2,1,'',0.1,5000,4000,-3,0),
  (3,1,'',0.5,4000,3000.25,5,0);
)SQL";

QString lineWith(const QString &text, const QString &needle)
{
    for (const QString &line : text.split(QLatin1Char('\n')))
        if (line.contains(needle))
            return line.simplified();
    return QString();
}

} // namespace

class TestMainReports : public QObject
{
    Q_OBJECT
    TestDatabase m_db{QStringLiteral("mainreports")};

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_DATABASE(m_db);
        activeUser().PathAplikasi = TestDatabase::programDir();
    }
    void init()
    {
        QString error;
        QVERIFY2(m_db.runSql(QString::fromLatin1(kFixture), &error), qPrintable(error));
    }

    // Stock 0 is left out of the stock and value reports, kept in the item report.
    void rowsOfEachReport()
    {
        const auto items = MainReports::prepareItemReport();
        QVERIFY2(items, qPrintable(items.error()));
        const auto stock = MainReports::prepareStockReport();
        QVERIFY2(stock, qPrintable(stock.error()));
        const auto value = MainReports::prepareStockValueReport();
        QVERIFY2(value, qPrintable(value.error()));
        const QString itemText = items->render()->text();
        const QString stockText = stock->render()->text();
        const QString valueText = value->render()->text();
        QVERIFY(itemText.contains("isi 24"));
        QVERIFY(!lineWith(itemText, "AQUA 600").isEmpty());
        QCOMPARE(stockText.count("AQUA 600"), 1); // the DUS row with stock 0 is left out
        QVERIFY(stockText.contains("LIFEBUOY"));
        QVERIFY(stockText.contains("3.000,00"));
        QCOMPARE(valueText.count("AQUA 600"), 1);
        QVERIFY(stockText.contains("TOKO DAGANG"));
    }

    // Grouped per category, amounts as "#,0.00;-#,0.00"; the negative stock
    // value counts 0 in the grand total.
    void stockValueLayoutAndTotal()
    {
        const auto value = MainReports::prepareStockValueReport();
        QVERIFY2(value, qPrintable(value.error()));
        const auto rendered = value->render();
        QVERIFY2(rendered, qPrintable(rendered.error()));
        const QString text = rendered->text();
        QVERIFY(text.contains("Laporan Stok Barang Dalam Rupiah"));
        QCOMPARE(lineWith(text, "Minuman"), QStringLiteral("Kategori Minuman"));
        QCOMPARE(lineWith(text, "Sabun"), QStringLiteral("Kategori Sabun"));
        QCOMPARE(text.count("Kode Barang"), 2); // the heads stand in both groups
        QCOMPARE(lineWith(text, "AQUA 600"), QStringLiteral("A001 AQUA 600 10 2.500,50 25.005,00"));
        QCOMPARE(lineWith(text, "LIFEBUOY"), QStringLiteral("S001 LIFEBUOY -3 4.000,00 0,00"));
        QCOMPARE(lineWith(text, "GrandTotal"), QStringLiteral("GrandTotal : 40.006,25"));
        const QPageLayout page = rendered->pageLayout();
        QCOMPARE(page.pageSize().id(), QPageSize::A4);
        QCOMPARE(page.orientation(), QPageLayout::Portrait);
        QVERIFY(qAbs(page.margins(QPageLayout::Millimeter).left() - 6.35) < 0.01);

        // The same report as a PDF file.
        QTemporaryDir dir;
        const QString pdf = dir.filePath("nilai.pdf");
        QString error;
        QVERIFY2(rendered->savePdf(pdf, &error), qPrintable(error));
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is installed by scripts/deps.sh");
        QProcess p;
        p.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(p.waitForFinished(20000));
        const QString pdfText = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(pdfText.contains("40.006,25"), qPrintable(pdfText));
        QVERIFY(pdfText.contains("GrandTotal :"));
    }

    void previewGoesThroughTheMessageInterface()
    {
        ScriptedMessages messages;
        MainReports::stockValueReport();
        QCOMPARE(messages.texts("preview"), QStringList{"Laporan Stok Barang Dalam Rupiah"});
        QVERIFY(messages.previews.at(0).simplified().contains("GrandTotal : 40.006,25"));
    }

    void emptyReportsShowTheirMessageAndNoPreview()
    {
        QVERIFY(m_db.runSql("UPDATE DSatuan SET Stok=0"));
        ScriptedMessages messages;
        MainReports::stockReport();
        QCOMPARE(messages.texts(), QStringList{"Tidak ada data stok barang yang dapat ditampilkan!!!"});
        QVERIFY(messages.previews.isEmpty());
        QVERIFY(m_db.runSql("DELETE FROM DSatuan"));
        messages.clear();
        MainReports::itemReport();
        QCOMPARE(messages.texts(), QStringList{"Tidak ada data barang yang dapat ditampilkan!!!"});
        QVERIFY(messages.previews.isEmpty());
        // The value report has no empty check: it shows its title and a zero total.
        messages.clear();
        MainReports::stockValueReport();
        QCOMPARE(messages.texts("preview").size(), 1);
    }

    void missingTemplateAndServerErrorsAreShown()
    {
        ScriptedMessages messages;
        QTemporaryDir elsewhere;
        activeUser().PathAplikasi = elsewhere.path();
        MainReports::itemReport();
        QCOMPARE(messages.texts("error").size(), 1);
        QVERIFY2(messages.last().contains("MasterBarang.frf"), qPrintable(messages.last()));
        activeUser().PathAplikasi = TestDatabase::programDir();

        QVERIFY(m_db.runSql("DROP TABLE MasterSatuan"));
        messages.clear();
        MainReports::stockValueReport();
        QCOMPARE(messages.texts("error").size(), 1);
        QVERIFY2(messages.last().contains("mastersatuan", Qt::CaseInsensitive), qPrintable(messages.last()));
        QVERIFY(messages.previews.isEmpty());
    }
};

QTEST_MAIN(TestMainReports)
#include "test_mainreports.moc"
