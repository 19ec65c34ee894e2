// Reading template files: syntax errors name the file and the line, a
// missing file names the file, nothing is reused from an earlier load, the
// paper statements, and the two shipped templates.

#include "report.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString shipped(const QString &name)
{
    return QStringLiteral(DAGANG_PROGRAM_DIR "/Laporan/") + name;
}

QStringList lines(const RenderedReport &r)
{
    QStringList out = r.text().split(QLatin1Char('\n'));
    out.removeAll(QString());
    return out;
}

} // namespace

class TestReportTemplate : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void syntaxErrorsNameFileAndLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown statement") << "page A4\nmargins 10\nkertas A4\n" << "baris 3: perintah tidak dikenal: 'kertas'";
        QTest::newRow("counts comments and blanks") << "# judul\n\n  # lagi\nreport \"X\"\nband title\n  txt : 1\nend\n"
                                                    << "baris 6: perintah tidak dikenal di dalam band: 'txt' (text, line, box, when)";
        QTest::newRow("windows line ends") << "report \"X\"\r\nband title\r\n  text : [a] +\r\nend\r\n"
                                           << "baris 3: ekspresi salah: ekspresi berakhir terlalu cepat";
        QTest::newRow("band left open") << "band title\n  text : 1\n\n"
                                        << "baris 1: band title belum ditutup dengan 'end'";
        QTest::newRow("dataset left open") << "dataset Data\n  band detail\n  end\n"
                                           << "baris 1: dataset Data belum ditutup dengan 'end'";
        QTest::newRow("unknown option") << "band title\n  text warna=merah : 1\nend" << "baris 2: pilihan tidak dikenal untuk text: 'warna'";
        QTest::newRow("bad number") << "band title\n  text x=1O : 1\nend" << "baris 2: angka tidak sah: '1O'";
        QTest::newRow("negative number") << "band title height=-4\nend" << "baris 1: angka tidak sah: '-4'";
        QTest::newRow("bad alignment") << "band title\n  text align=kanan : 1\nend"
                                       << "baris 2: align tidak dikenal: 'kanan' (left, center, right)";
        QTest::newRow("bad format") << "band title\n  text format=rupiah : 1\nend" << "baris 2: format tidak dikenal: \"rupiah\"";
        QTest::newRow("text without expression") << "band title\n  text x=0\nend" << "baris 2: text memerlukan ekspresi setelah ':'";
        QTest::newRow("text before colon") << "band title\n  text \"Judul\"\nend"
                                           << "baris 2: teks \"Judul\" harus ditulis setelah ':' (text x=0 : \"Judul\")";
        QTest::newRow("open quote") << "font \"Arial 9" << "baris 1: tanda petik \" tidak ditutup";
        QTest::newRow("unknown paper") << "page B9" << "baris 1: ukuran kertas tidak dikenal: 'B9' (A3, A4, A5, F4, Letter, Legal)";
        QTest::newRow("custom size with orientation") << "page 210x140 landscape"
                                                      << "baris 1: ukuran lebar x tinggi sudah menentukan arah kertas: hapus 'landscape'";
        QTest::newRow("margins count") << "margins 1 2 3" << "baris 1: margins memerlukan 1, 2 atau 4 angka (kiri atas kanan bawah, mm)";
        QTest::newRow("band twice") << "band title\nend\nband title\nend" << "baris 3: band title sudah ada di baris 1";
        QTest::newRow("detail outside dataset") << "band detail\nend" << "baris 1: band detail hanya boleh di dalam dataset atau group";
        QTest::newRow("text outside band") << "dataset Data\n  text : 1\nend" << "baris 2: 'text' harus di dalam band";
        QTest::newRow("band in band") << "band title\n  band summary\n  end\nend"
                                      << "baris 2: 'band' tidak boleh di dalam band; tutup dulu band title dengan 'end'";
        QTest::newRow("end without block") << "report \"X\"\nend" << "baris 2: 'end' tanpa blok yang dibuka";
        QTest::newRow("group without key") << "dataset Data\n  group keeptogether\n  end\nend"
                                           << "baris 2: group memerlukan ekspresi setelah ':'";
        QTest::newRow("group after detail") << "dataset Data\n  band detail\n  end\n  group : [a]\n  end\nend"
                                            << "baris 4: group ditulis sebelum band detail";
        QTest::newRow("unknown group option") << "dataset Data\n  group sort : [a]\n  end\nend"
                                              << "baris 2: pilihan tidak dikenal untuk group: 'sort' (keeptogether, newpage, repeat)";
        QTest::newRow("link on outer dataset") << "dataset Data link=ID\nend" << "baris 1: link hanya untuk dataset di dalam dataset lain";
        QTest::newRow("bad when") << "band title\n  when [a] = \nend" << "baris 2: ekspresi salah: ekspresi berakhir terlalu cepat";
    }
    void syntaxErrorsNameFileAndLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Laporan"));
        const QString path = dir.filePath("Laporan/Stok.frf");
        QVERIFY(writeFile(path, text.toUtf8()));
        const auto t = ReportTemplate::load(path);
        QVERIFY(!t);
        QCOMPARE(t.error(), "Laporan/Stok.frf " + error);
    }

    void missingFileIsNamed()
    {
        const auto t = ReportTemplate::load("/tidak/ada/Laporan/NotaJual.frf");
        QVERIFY(!t);
        QCOMPARE(t.error(), QString("Template laporan tidak ditemukan: /tidak/ada/Laporan/NotaJual.frf"));
        QTemporaryDir dir;
        const auto folder = ReportTemplate::load(dir.path());
        QVERIFY(!folder);
        QVERIFY(folder.error().startsWith("Template laporan tidak ditemukan: "));
    }

    void everyLoadReadsTheFileAsItIsNow()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Laporan.frf");
        QVERIFY(writeFile(path, "report \"Pertama\"\n"));
        QCOMPARE(ReportTemplate::load(path)->title, QString("Pertama"));
        QVERIFY(writeFile(path, "report \"Kedua\"\nbogus\n"));
        const auto broken = ReportTemplate::load(path);
        QVERIFY(!broken);
        QCOMPARE(broken.error(), QString(path + " baris 2: perintah tidak dikenal: 'bogus'"));
        QVERIFY(writeFile(path, "report \"Ketiga\"\n"));
        QCOMPARE(ReportTemplate::load(path)->title, QString("Ketiga"));
        QVERIFY(QFile::remove(path));
        QVERIFY(!ReportTemplate::load(path));
    }

    void readsFilesAsShopsSaveThem()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Laporan"));
        // A Windows code page file, a UTF-8 file with BOM, a backslash path.
        QVERIFY(writeFile(dir.filePath("Laporan/a.frf"), "report \"Caf\xe9\"\n"));
        QCOMPARE(ReportTemplate::load(dir.filePath("Laporan/a.frf"))->title, QString::fromUtf8("Caf\u00e9"));
        QVERIFY(writeFile(dir.filePath("Laporan/b.frf"), "\xef\xbb\xbfreport \"Caf\xc3\xa9\"\n"));
        QCOMPARE(ReportTemplate::load(dir.filePath("Laporan/b.frf"))->title, QString::fromUtf8("Caf\u00e9"));
        QCOMPARE(ReportTemplate::load(dir.path() + "\\Laporan\\b.frf")->fileName, QString("Laporan/b.frf"));
    }

    void paperStatements_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QMarginsF>("margins");
        QTest::newRow("default") << "" << QSizeF(210, 297) << false << QMarginsF(10, 10, 10, 10);
        QTest::newRow("A4 landscape") << "page A4 landscape" << QSizeF(297, 210) << true << QMarginsF(10, 10, 10, 10);
        QTest::newRow("F4") << "page f4 portrait\nmargins 5" << QSizeF(215, 330) << false << QMarginsF(5, 5, 5, 5);
        QTest::newRow("continuous form") << "margins 6 4\npage 241x140" << QSizeF(241, 140) << true << QMarginsF(6, 4, 6, 4);
        QTest::newRow("half letter") << "page 140x216\nmargins 1 2 3 4,5" << QSizeF(140, 216) << false << QMarginsF(1, 2, 3, 4.5);
    }
    void paperStatements()
    {
        QFETCH(QString, text);
        QFETCH(QSizeF, paper);
        QFETCH(bool, landscape);
        QFETCH(QMarginsF, margins);
        const auto t = ReportTemplate::parse(text, "x");
        QVERIFY2(t, qPrintable(t.error()));
        QCOMPARE(QSizeF(t->page.widthMm, t->page.heightMm), paper);
        QCOMPARE(t->page.marginsMm, margins);
        // The printer gets the same paper the layout used.
        const QPageLayout layout = t->page.pageLayout();
        QCOMPARE(layout.orientation() == QPageLayout::Landscape, landscape);
        const QRectF full = layout.fullRect(QPageLayout::Millimeter);
        QVERIFY2(qAbs(full.width() - paper.width()) < 0.5 && qAbs(full.height() - paper.height()) < 0.5,
                 qPrintable(QString("%1 x %2").arg(full.width()).arg(full.height())));
        QCOMPARE(layout.margins(QPageLayout::Millimeter), margins);
    }

    void shippedTemplatesRender_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("MasterBarang") << "MasterBarang.frf"
                                      << QStringList{"Toko Maju\tHal 1 dari 1",
                                                     "Daftar Barang",
                                                     "Dicetak 01 Maret 2024",
                                                     "Kode\tNama Barang\tSatuan\tKeterangan\tBerat\tPajak",
                                                     "Kategori: Makanan",
                                                     "B01\tMie Instan\tDus\tisi 40\t1,5\tYa",
                                                     "B01\tMie Instan\tPcs\t\t0,075\tYa",
                                                     "Jumlah Makanan: 2 satuan barang",
                                                     "Kategori: Minuman",
                                                     "B02\tTeh Botol\tKrat\tisi 24\t12\tTidak",
                                                     "Jumlah Minuman: 1 satuan barang",
                                                     "Jumlah seluruhnya: 3 satuan barang",
                                                     "Toko Maju\tDicetak 01/03/2024 08:30"};
        QTest::newRow("Stok") << "Stok.frf"
                              << QStringList{"Toko Maju\tHal 1 dari 1",
                                             "Daftar Stok Barang",
                                             "Dicetak 01 Maret 2024",
                                             "No\tKode\tNama Barang\tKategori\tSatuan\tHarga\tStok\tStok Min.",
                                             "1\tB01\tMie Instan\tMakanan\tDus\t98.500,00\t12\t5",
                                             "2\tB01\tMie Instan\tMakanan\tPcs\t2.500,50\t-3\t0",
                                             "3\tB02\tTeh Botol\tMinuman\tKrat\t1.250.000,00\t1.500,25\t10",
                                             "Jumlah: 3 satuan barang",
                                             "Toko Maju\tDicetak 01/03/2024 08:30"};
    }
    void shippedTemplatesRender()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        const auto t = ReportTemplate::load(shipped(file));
        QVERIFY2(t, qPrintable(t.error()));
        QCOMPARE(t->page.paperName, QString("A4"));
        QCOMPARE(t->page.orientation, QPageLayout::Portrait);
        // As the window's query gives them: more columns than printed,
        // DECIMAL values as text, names in the server's case.
        ReportDataset data({"IDTypeBarang", "KodeBarang", "TypeBarang", "Kategori", "Satuan", "Ket", "Berat", "Harga",
                            "Stok", "Pajak", "stokminimal"});
        data.addRow({1, "B01", "Mie Instan", "Makanan", "Dus", "isi 40", "1.500", "98500.00", "12.00", "Ya", "5.00"});
        data.addRow({1, "B01", "Mie Instan", "Makanan", "Pcs", "", "0.075", "2500.50", "-3.00", "Ya", "0.00"});
        data.addRow({2, "B02", "Teh Botol", "Minuman", "Krat", "isi 24", "12.000", "1250000.00", "1500.25", "Tidak", "10.00"});
        Report report(*t);
        report.setVariable("nama", "Toko Maju");
        report.addDataset("Data", data);
        report.setPrintDate(QDateTime(QDate(2024, 3, 1), QTime(8, 30)));
        const auto r = report.render();
        QVERIFY2(r, qPrintable(r.error()));
        QCOMPARE(lines(*r), expected);
    }

    void shippedTemplatesPageLongLists_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("MasterBarang") << "MasterBarang.frf";
        QTest::newRow("Stok") << "Stok.frf";
    }
    void shippedTemplatesPageLongLists()
    {
        QFETCH(QString, file);
        const auto t = ReportTemplate::load(shipped(file));
        QVERIFY2(t, qPrintable(t.error()));
        ReportDataset data({"kodebarang", "typebarang", "Kategori", "Satuan", "Ket", "Berat", "Harga", "Stok", "Pajak", "stokminimal"});
        for (int i = 0; i < 200; ++i)
            data.addRow({QString("B%1").arg(i, 3, 10, QChar('0')), "Barang", QString("Kat %1").arg(i / 30), "Pcs", "", "1", "1000", "1", "Ya", "0"});
        Report report(*t);
        report.setVariable("nama", "Toko Maju");
        report.addDataset("Data", data);
        const auto r = report.render();
        QVERIFY2(r, qPrintable(r.error()));
        QVERIFY(r->pageCount() >= 3);
        int printedRows = 0;
        for (int p = 0; p < r->pageCount(); ++p) {
            const QStringList page = r->page(p).textLines();
            QCOMPARE(page.first(), QString("Toko Maju\tHal %1 dari %2").arg(p + 1).arg(r->pageCount()));
            QVERIFY2(page.filter(QRegularExpression("^(No\\t)?Kode\\t")).size() == 1, qPrintable(page.join('|')));
            printedRows += page.filter(QRegularExpression("\\bB\\d{3}\\t")).size();
        }
        QCOMPARE(printedRows, 200);
    }
};

QTEST_MAIN(TestReportTemplate)
#include "test_reporttemplate.moc"
