// What a rendered report gives the rest of the program: PDF files, the
// printer, the print preview through messages(), and pixels where the
// layout put them.

#include "report.h"
#include "scriptedmessages.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Three pages of 10 mm rows on A5 landscape.
RenderedReport threePages()
{
    auto t = ReportTemplate::parse(QStringLiteral(
        "report \"Daftar Uji\"\n"
        "page A5 landscape\n"
        "margins 15 10 15 10\n"
        "band pageheader height=10\n"
        "  text : \"Daftar Uji \" + $nama\n"
        "  text x=100 w=80 align=right : \"Hal \" + Page + \"/\" + Pages\n"
        "end\n"
        "dataset Data\n"
        "  band detail height=10\n"
        "    text w=60 : [kode]\n"
        "    text x=60 w=50 align=right format=money : [harga]\n"
        "  end\n"
        "end\n"), "Laporan/Uji.frf");
    if (!t)
        qFatal("%s", qPrintable(t.error()));
    Report report(*t);
    report.setVariable("nama", "Toko Maju");
    ReportDataset data({"kode", "harga"});
    for (int i = 1; i <= 30; ++i)
        data.addRow({QString("BRG%1").arg(i), QString("%1250.50").arg(i)});
    report.addDataset("Data", data);
    auto r = report.render();
    if (!r)
        qFatal("%s", qPrintable(r.error()));
    return *r;
}

int pdfPageCount(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

} // namespace

class TestReportOutput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void savesPdfWithEveryPage()
    {
        const RenderedReport r = threePages();
        QCOMPARE(r.pageCount(), 3);
        QTemporaryDir dir;
        const QString path = dir.filePath("uji.pdf");
        QString error;
        QVERIFY2(r.savePdf(path, &error), qPrintable(error));
        QVERIFY(QFileInfo(path).size() > 1000);
        QCOMPARE(pdfPageCount(path), 3);
    }

    void pdfHoldsThePrintedText()
    {
        const QString tool = QStandardPaths::findExecutable("pdftotext");
        if (tool.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const RenderedReport r = threePages();
        QTemporaryDir dir;
        const QString path = dir.filePath("uji.pdf");
        QVERIFY(r.savePdf(path));
        QProcess p;
        p.start(tool, {"-layout", path, "-"});
        QVERIFY(p.waitForFinished(30000));
        const QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
        for (int i = 0; i < r.pageCount(); ++i)
            for (const QString &line : r.page(i).textLines())
                for (const QString &cell : line.split('\t'))
                    QVERIFY2(pages.value(i).contains(cell), qPrintable(QString("page %1: %2").arg(i + 1).arg(cell)));
    }

    void textLandsWhereTheLayoutPutsIt()
    {
        const QString tool = QStandardPaths::findExecutable("pdftotext");
        if (tool.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        auto t = ReportTemplate::parse("page A5 landscape\nmargins 15 10 15 10\n"
                                       "band title\n  text x=50 w=60 : \"Penanda\"\nend\n", "x");
        QVERIFY(t);
        const auto r = Report(*t).render();
        QVERIFY(r);
        QTemporaryDir dir;
        // Both ways out: the PDF writer without margins of its own, and a
        // printer that starts painting inside the template's margins.
        QVERIFY(r->savePdf(dir.filePath("writer.pdf")));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printer.pdf"));
        printer.setPageLayout(r->pageLayout());
        r->print(&printer);
        const qreal ptPerMm = 72 / 25.4;
        for (const QString name : {"writer.pdf", "printer.pdf"}) {
            QProcess p;
            p.start(tool, {"-bbox", dir.filePath(name), "-"});
            QVERIFY(p.waitForFinished(30000));
            const QString html = QString::fromUtf8(p.readAllStandardOutput());
            const auto page = QRegularExpression("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"").match(html);
            QVERIFY2(page.hasMatch(), qPrintable(html));
            QVERIFY(qAbs(page.captured(1).toDouble() - 210 * ptPerMm) < 1);
            QVERIFY(qAbs(page.captured(2).toDouble() - 148 * ptPerMm) < 1);
            const auto word = QRegularExpression("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>Penanda<").match(html);
            QVERIFY2(word.hasMatch(), qPrintable(html));
            const qreal xMm = word.captured(1).toDouble() / ptPerMm;
            const qreal yMm = word.captured(2).toDouble() / ptPerMm;
            QVERIFY2(qAbs(xMm - 65) < 1 && yMm > 9.5 && yMm < 12, qPrintable(QString("%1: %2, %3").arg(name).arg(xMm).arg(yMm)));
        }
    }

    void unwritablePdfIsAnError()
    {
        QString error;
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!threePages().savePdf("/tidak/ada/folder/uji.pdf", &error));
        QCOMPARE(error, QString("File PDF tidak dapat ditulis: /tidak/ada/folder/uji.pdf"));
    }

    void printsOnThePreviewPrinter()
    {
        // What the preview dialog does: its printer takes the report's layout.
        const RenderedReport r = threePages();
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printer.pdf"));
        printer.setPageLayout(r.pageLayout());
        r.print(&printer);
        QCOMPARE(pdfPageCount(dir.filePath("printer.pdf")), 3);
        const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
        QVERIFY(qAbs(paper.width() - 210) < 0.5 && qAbs(paper.height() - 148) < 0.5);
    }

    void previewGoesThroughMessages()
    {
        ScriptedMessages scripted;
        auto t = ReportTemplate::parse("report \"Judul\"\nband title\n  text : \"Halo \" + $nama\nend\n", "Laporan/Halo.frf");
        QVERIFY(t);
        Report report(*t);
        QVERIFY(!report.preview());
        QCOMPARE(scripted.texts("error"), QStringList{"Laporan/Halo.frf baris 3: variabel $nama belum diisi oleh jendela"});
        QVERIFY(scripted.previews.isEmpty());
        scripted.clear();
        report.setVariable("nama", "Budi");
        QVERIFY(report.preview());
        QCOMPARE(scripted.previews, QStringList{"Halo Budi\n"});
        QVERIFY(scripted.texts("error").isEmpty());
    }

    void paintsWhereTheLayoutPutsThings()
    {
        auto t = ReportTemplate::parse(QStringLiteral("page 100x50\nmargins 10\nfont \"DejaVu Sans\" 12\n"
                                                      "band title\n"
                                                      "  text x=50 w=30 align=right bold : \"MMMM\"\n"
                                                      "  line y=15 w=20 pen=2\n"
                                                      "end\n"),
                                       "x");
        QVERIFY(t);
        const auto r = Report(*t).render();
        QVERIFY(r);
        const qreal dotsPerMm = 4;
        QImage image(400, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        r->paintPage(painter, 0, dotsPerMm);
        painter.end();
        auto darkIn = [&](const QRectF &mm) {
            int dark = 0;
            const QRect px = QRectF(mm.topLeft() * dotsPerMm, mm.size() * dotsPerMm).toRect() & image.rect();
            for (int y = px.top(); y <= px.bottom(); ++y)
                for (int x = px.left(); x <= px.right(); ++x)
                    dark += qGray(image.pixel(x, y)) < 128;
            return dark;
        };
        // The text ends at the item's right edge (10 + 50 + 30 = 90 mm) and
        // starts well after the item's left edge; the rule runs 10..30 mm at 25 mm.
        QVERIFY(darkIn(QRectF(75, 10, 15, 6)) > 20);
        QCOMPARE(darkIn(QRectF(0, 0, 65, 12)), 0);
        QCOMPARE(darkIn(QRectF(90.5, 0, 9.5, 50)), 0);
        QVERIFY(darkIn(QRectF(11, 24.5, 18, 1)) > 50);
        QCOMPARE(darkIn(QRectF(31, 20, 40, 10)), 0);
    }
};

QTEST_MAIN(TestReportOutput)
#include "test_reportoutput.moc"
