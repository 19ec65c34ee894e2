// Laying reports out: groups and totals, page breaks with repeated headers
// and page numbers, keep-together groups, page totals, roll paper, nested
// datasets, wrapped text, and the errors found when data is bound.

#include "report.h"

#include <QTest>

namespace {

ReportTemplate parsed(const QString &text)
{
    auto t = ReportTemplate::parse(text, QStringLiteral("Laporan/Uji.frf"));
    if (!t)
        qFatal("%s", qPrintable(t.error()));
    return *t;
}

QStringList lines(const RenderedReport &r)
{
    QStringList out = r.text().split(QLatin1Char('\n'));
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

RenderedReport rendered(const Report &report)
{
    auto r = report.render();
    if (!r)
        qFatal("%s", qPrintable(r.error()));
    return *r;
}

ReportDataset numbered(int count)
{
    ReportDataset data({QStringLiteral("n")});
    for (int i = 1; i <= count; ++i)
        data.addRow({i});
    return data;
}

// Masks are put into the templates with arg(): moc stops reading the file
// at a "#" inside a raw string.

// A 100 x 100 mm page: the page header ends at 20 mm, the page footer
// starts at 80 mm, so six 10 mm bands fit on each page.
const char *const kSmallPage = R"T(
page 100x100
margins 10
font "Arial" 8
band pageheader height=10
  text : "Kepala " + $nama
end
band pagefooter height=10
  text w=40 : "Hal " + Page + " dari " + Pages
  text x=40 w=40 align=right : "Subtotal " + Sum([n])
end
)T";

} // namespace

class TestReportLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void groupsWithTotalsAndGrandTotal()
    {
        Report report(parsed(QString::fromUtf8(R"T(
report "Uji"
page A5
font "Arial" 10
band title
  text : "Penjualan per kategori"
end
dataset Data
  band columnheader
    text x=0 w=30 : "Kode"
    text x=30 w=50 : "Nama"
    text x=80 w=40 align=right : "Harga"
  end
  group : [Kategori]
    band header
      text : "Kategori " + [Kategori]
    end
    band footer
      text w=80 : "Total " + [Kategori] + " (" + Count() + ")"
      text x=80 w=40 align=right format="%1" : Sum([Harga])
    end
  end
  band detail
    text x=0 w=10 : GroupLine
    text x=10 w=20 : [kode]
    text x=30 w=50 : [nama]
    text x=80 w=40 align=right format=money : [harga]
  end
end
band summary
  text w=80 : "Total semua " + Count()
  text x=80 w=40 align=right format=money : Sum([Harga])
  text y=5 : "Termahal " + Format(Max([Harga]), "money") + ", termurah " + Format(Min([Harga]), "money")
end
)T").arg("#,0.00;-#,0.00")));
        ReportDataset data({"Kategori", "kode", "nama", "harga"});
        data.addRow({"Makanan", "B01", "Mie", "1500.50"});
        data.addRow({"Makanan", "B02", "Roti", "12000"});
        data.addRow({"Minuman", "B03", "Teh", "-250.25"});
        data.addRow({"Minuman", "B04", "Kopi", "1000000.10"});
        data.addRow({"Rokok", "B05", "Kretek", QVariant()});
        report.addDataset("data", data);
        const QStringList expected = {
            "Penjualan per kategori",
            "Kode\tNama\tHarga",
            "Kategori Makanan",
            "1\tB01\tMie\t1.500,50",
            "2\tB02\tRoti\t12.000,00",
            "Total Makanan (2)\t13.500,50",
            "Kategori Minuman",
            "1\tB03\tTeh\t-250,25",
            "2\tB04\tKopi\t1.000.000,10",
            "Total Minuman (2)\t999.749,85",
            "Kategori Rokok",
            "1\tB05\tKretek\t0,00",
            "Total Rokok (1)\t0,00",
            "Total semua 5\t1.013.250,35",
            "Termahal 1.000.000,10, termurah -250,25",
        };
        QCOMPARE(lines(rendered(report)), expected);
    }

    void pageBreaksRepeatHeadersAndNumberPages()
    {
        Report report(parsed(QString::fromLatin1(kSmallPage) + QString::fromUtf8(R"T(
dataset Data
  band columnheader height=10
    text : "Nomor"
  end
  band detail height=10
    text : "Baris " + [n]
  end
end
band summary height=10
  text : "Jumlah " + Sum([n])
end
)T")));
        report.setVariable("NAMA", "Toko Maju");
        report.addDataset("Data", numbered(11));
        const RenderedReport r = rendered(report);
        QCOMPARE(r.pageCount(), 3);
        // Page 1: column header and five rows; the footer totals that page only.
        QCOMPARE(r.page(0).textLines(), QStringList({"Kepala Toko Maju", "Nomor", "Baris 1", "Baris 2", "Baris 3",
                                                     "Baris 4", "Baris 5", "Hal 1 dari 3\tSubtotal 15"}));
        QCOMPARE(r.page(1).textLines(), QStringList({"Kepala Toko Maju", "Nomor", "Baris 6", "Baris 7", "Baris 8",
                                                     "Baris 9", "Baris 10", "Hal 2 dari 3\tSubtotal 40"}));
        QCOMPARE(r.page(2).textLines(),
                 QStringList({"Kepala Toko Maju", "Nomor", "Baris 11", "Jumlah 66", "Hal 3 dari 3\tSubtotal 11"}));
        // The footer sits at the bottom of every page, however full.
        for (int p = 0; p < r.pageCount(); ++p) {
            const TextRun &last = *std::max_element(r.page(p).texts.begin(), r.page(p).texts.end(),
                                                    [](const TextRun &a, const TextRun &b) { return a.rectMm.top() < b.rectMm.top(); });
            QCOMPARE(last.rectMm.top(), 80.0);
        }
        QCOMPARE(r.text().count(QLatin1Char('\f')), 2);
    }

    void keepTogetherMovesWholeGroups_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("page1");
        QTest::addColumn<QStringList>("page2");
        // Group 1 (header + 2 rows) fills 20..50 mm; group 2 needs 40 mm and
        // only 30 mm are left.
        QTest::newRow("keeptogether") << "keeptogether" << 5
                                      << QStringList{"Kepala X", "Grup G1", "Baris 1", "Baris 2", "Hal 1 dari 2\tSubtotal 3"}
                                      << QStringList{"Kepala X", "Grup G2", "Baris 3", "Baris 4", "Baris 5",
                                                     "Hal 2 dari 2\tSubtotal 12"};
        QTest::newRow("split") << "" << 5
                               << QStringList{"Kepala X", "Grup G1", "Baris 1", "Baris 2", "Grup G2", "Baris 3", "Baris 4",
                                              "Hal 1 dari 2\tSubtotal 10"}
                               << QStringList{"Kepala X", "Baris 5", "Hal 2 dari 2\tSubtotal 5"};
        QTest::newRow("repeated header") << "repeat" << 5
                                         << QStringList{"Kepala X", "Grup G1", "Baris 1", "Baris 2", "Grup G2", "Baris 3",
                                                        "Baris 4", "Hal 1 dari 2\tSubtotal 10"}
                                         << QStringList{"Kepala X", "Grup G2", "Baris 5", "Hal 2 dari 2\tSubtotal 5"};
        // A group taller than a page cannot be kept together: it breaks as
        // usual rather than leaving a page empty.
        QTest::newRow("larger than a page") << "keeptogether" << 9
                                            << QStringList{"Kepala X", "Grup G1", "Baris 1", "Baris 2", "Grup G2",
                                                           "Baris 3", "Baris 4", "Hal 1 dari 2\tSubtotal 10"}
                                            << QStringList{"Kepala X", "Baris 5", "Baris 6", "Baris 7", "Baris 8",
                                                           "Baris 9", "Hal 2 dari 2\tSubtotal 35"};
    }
    void keepTogetherMovesWholeGroups()
    {
        QFETCH(QString, options);
        QFETCH(int, rows);
        QFETCH(QStringList, page1);
        QFETCH(QStringList, page2);
        Report report(parsed(QString::fromLatin1(kSmallPage) + QString::fromUtf8(R"T(
dataset Data
  group %1 : [grp]
    band header height=10
      text : "Grup " + [grp]
    end
  end
  band detail height=10
    text : "Baris " + [n]
  end
end
)T").arg(options)));
        report.setVariable("nama", "X");
        ReportDataset grouped({"n", "grp"});
        for (int i = 1; i <= rows; ++i)
            grouped.addRow({i, i <= 2 ? "G1" : "G2"});
        report.addDataset("Data", grouped);
        const RenderedReport r = rendered(report);
        QCOMPARE(r.pageCount(), 2);
        QCOMPARE(r.page(0).textLines(), page1);
        QCOMPARE(r.page(1).textLines(), page2);
    }

    void groupHeaderIsNotLeftAloneAtThePageBottom()
    {
        // Five 10 mm rows fill 20..70 mm; the next group's header would fit
        // (70..80) but its first row would not.
        Report report(parsed(QString::fromLatin1(kSmallPage) + QString::fromUtf8(R"T(
dataset Data
  group : [grp]
    band header height=10
      text : "Grup " + [grp]
    end
  end
  band detail height=10
    text : "Baris " + [n]
  end
end
)T")));
        report.setVariable("nama", "X");
        ReportDataset data({"n", "grp"});
        for (int i = 1; i <= 7; ++i)
            data.addRow({i, i <= 5 ? "A" : "B"});
        report.addDataset("Data", data);
        const RenderedReport r = rendered(report);
        QCOMPARE(r.page(0).textLines().mid(1, 6), QStringList({"Grup A", "Baris 1", "Baris 2", "Baris 3", "Baris 4", "Baris 5"}));
        QCOMPARE(r.page(1).textLines().mid(1, 3), QStringList({"Grup B", "Baris 6", "Baris 7"}));
    }

    void newPagePerGroup()
    {
        Report report(parsed(QString::fromUtf8(R"T(
page A4
dataset Data
  group newpage : [grp]
    band header
      text : "Grup " + [grp]
    end
  end
  band detail
    text : [n]
  end
end
)T")));
        ReportDataset data({"n", "grp"});
        for (int i = 1; i <= 5; ++i)
            data.addRow({i, i <= 2 ? "A" : (i <= 4 ? "B" : "C")});
        report.addDataset("Data", data);
        const RenderedReport r = rendered(report);
        QCOMPARE(r.pageCount(), 3);
        QCOMPARE(r.page(1).textLines(), QStringList({"Grup B", "3", "4"}));
    }

    void rollPaperIsOnePageAsLongAsItsContent()
    {
        Report report(parsed(QString::fromUtf8(R"T(
page roll 76
margins 3 5 3 5
band pagefooter height=6
  text : "Terima kasih"
end
dataset Data
  band detail height=4
    text : [n]
  end
end
)T")));
        report.addDataset("Data", numbered(100));
        const RenderedReport r = rendered(report);
        QCOMPARE(r.pageCount(), 1);
        QCOMPARE(r.paperSizeMm(), QSizeF(76, 5 + 100 * 4 + 6 + 5));
        QCOMPARE(lines(r).last(), QStringLiteral("Terima kasih"));
        const QRectF paper = r.pageLayout().fullRect(QPageLayout::Millimeter);
        QVERIFY(qAbs(paper.width() - 76) < 0.5);
        QVERIFY(qAbs(paper.height() - 416) < 0.5);
    }

    void nestedDatasetPrintsLinkedRowsUnderEachMaster()
    {
        Report report(parsed(QString::fromUtf8(R"T(
page A4
dataset Nota
  band detail
    text : "Nota " + [IDNota] + " " + [Pelanggan]
  end
  dataset Baris link=IDNota
    band detail
      text x=5 w=40 : Line + ". " + [Barang]
      text x=45 w=30 align=right format=money : [Qty] * [Harga]
    end
    band footer
      text x=45 w=30 align=right format=money : Sum([Qty] * [Harga])
    end
  end
end
)T")));
        ReportDataset notes({"IDNota", "Pelanggan"});
        notes.addRow({"J001", "Budi"});
        notes.addRow({"J002", "Siti"});
        notes.addRow({"J003", "Tanpa baris"});
        ReportDataset items({"IDNota", "Barang", "Qty", "Harga"});
        items.addRow({"J002", "Teh", "3", "2500.50"});
        items.addRow({"J001", "Mie", "2", "3000"});
        items.addRow({"J002", "Gula", "1.5", "14000"});
        report.addDataset("Nota", notes);
        report.addDataset("Baris", items);
        QCOMPARE(lines(rendered(report)), QStringList({"Nota J001 Budi", "1. Mie\t6.000,00", "6.000,00", "Nota J002 Siti",
                                                       "1. Teh\t7.501,50", "2. Gula\t21.000,00", "28.501,50",
                                                       "Nota J003 Tanpa baris"}));
    }

    void wrappedTextGrowsItsBand()
    {
        Report report(parsed(QString::fromUtf8(R"T(
page A4
dataset Data
  band detail
    text w=25 wrap : [nama]
    text x=30 w=20 : [kode]
  end
end
)T")));
        ReportDataset data({"nama", "kode"});
        data.addRow({"Kecap manis botol besar isi enam ratus mililiter", "K1"});
        data.addRow({"Garam", "K2"});
        report.addDataset("Data", data);
        const QStringList out = lines(rendered(report));
        QVERIFY2(out.size() >= 4, qPrintable(out.join(" | ")));
        QVERIFY(out.first().endsWith("\tK1"));
        QCOMPARE(out.last(), QStringLiteral("Garam\tK2"));
        QCOMPARE(out.mid(0, out.size() - 1).join(' ').remove("\tK1"), QStringLiteral("Kecap manis botol besar isi enam ratus mililiter"));
    }

    void whenLeavesBandsOut()
    {
        Report report(parsed(QString::fromUtf8(R"T(
dataset Data
  band detail
    when [Diskon] <> 0 and not ([kode] = "X")
    text : Line + ". " + [kode] + " diskon " + [Diskon]
  end
end
band summary
  when Count() > 4
  text : "tidak dicetak"
end
)T")));
        ReportDataset data({"kode", "Diskon"});
        data.addRow({"A", "0.00"});
        data.addRow({"B", "5"});
        data.addRow({"X", "5"});
        data.addRow({"C", "2"});
        report.addDataset("Data", data);
        QCOMPARE(lines(rendered(report)), QStringList({"1. B diskon 5", "2. C diskon 2"}));
    }

    void bindingErrorsNameTheLine_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("error");
        QTest::newRow("field") << "dataset Data\n band detail\n  text : [Hargaa]\n end\nend"
                               << "Laporan/Uji.frf baris 3: field [Hargaa] tidak ada pada data Data";
        QTest::newRow("qualified field") << "band title\n text : [Data.nama]\nend\ndataset Data\nend"
                                         << "Laporan/Uji.frf baris 2: field [nama] tidak ada pada data Data";
        QTest::newRow("variable") << "band title\n text : $periode\nend"
                                  << "Laporan/Uji.frf baris 2: variabel $periode belum diisi oleh jendela";
        QTest::newRow("dataset") << "dataset Data\nend\ndataset Lain\nend"
                                 << "Laporan/Uji.frf baris 3: data 'Lain' tidak diberikan oleh jendela";
        QTest::newRow("group key") << "dataset Data\n group : [Kat]\n end\nend"
                                   << "Laporan/Uji.frf baris 2: field [Kat] tidak ada pada data Data";
        QTest::newRow("link") << "dataset Data\n dataset Data link=IDNota\n end\nend"
                              << "Laporan/Uji.frf baris 2: field link [IDNota] tidak ada pada data Data";
    }
    void bindingErrorsNameTheLine()
    {
        QFETCH(QString, body);
        QFETCH(QString, error);
        Report report(parsed(body));
        report.addDataset("Data", numbered(2));
        const auto r = report.render();
        QVERIFY(!r);
        QCOMPARE(r.error(), error);
    }

    void templateBuiltInCodeRendersLikeTheFile()
    {
        const QString file = QString::fromUtf8(R"T(
report "Barang Rupiah"
page A4 landscape
margins 12
font "Arial" 9
band title
  text align=center bold size=14 : "Laporan Stok Barang Dalam Rupiah"
end
dataset Data
  band detail
    text x=0 w=30 : [kode]
    text x=30 w=40 align=right format="%1" : [stok]
  end
end
band summary
  line pen=1
  text y=1 x=30 w=40 align=right format=money : Sum([stok] * [harga])
end
)T").arg("#,0;-#,0");
        ReportTemplate code;
        code.fileName = "Barang Rupiah";
        code.title = "Barang Rupiah";
        code.page = *PageSetup::named("A4", QPageLayout::Landscape);
        code.page.marginsMm = QMarginsF(12, 12, 12, 12);
        ReportBand &title = code.titleBand.emplace(BandKind::Title);
        ReportItem &heading = title.addText(0, -1, "\"Laporan Stok Barang Dalam Rupiah\"");
        heading.alignment = Qt::AlignHCenter;
        heading.bold = true;
        heading.fontSize = 14;
        ReportDataBlock block;
        block.dataset = "Data";
        ReportBand &detail = block.detail.emplace(BandKind::Detail);
        detail.addItem(ReportItem::text(0, 30, Expression::field("kode")));
        ReportItem &stok = detail.addText(30, 40, "[stok]");
        stok.alignment = Qt::AlignRight;
        stok.format = *ValueFormat::parse("#,0;-#,0");
        code.datasets.push_back(block);
        ReportBand &summary = code.summary.emplace(BandKind::Summary);
        summary.addItem(ReportItem::rule(0, 0, -1, 1));
        ReportItem &total = summary.addText(30, 40, "Sum([stok] * [harga])");
        total.y = 1;
        total.alignment = Qt::AlignRight;
        total.format = *ValueFormat::parse("money");

        ReportDataset data({"kode", "stok", "harga"});
        data.addRow({"A1", "1500", "2500.25"});
        data.addRow({"A2", "-3", "100"});
        const QDateTime when(QDate(2024, 3, 1), QTime(8, 0));
        Report fromFile(parsed(file));
        Report fromCode(code);
        for (Report *r : {&fromFile, &fromCode}) {
            r->addDataset("Data", data);
            r->setPrintDate(when);
        }
        const RenderedReport a = rendered(fromFile);
        const RenderedReport b = rendered(fromCode);
        QCOMPARE(lines(a), QStringList({"Laporan Stok Barang Dalam Rupiah", "A1\t1.500", "A2\t-3", "3.750.075,00"}));
        QCOMPARE(lines(b), lines(a));
        QCOMPARE(b.paperSizeMm(), QSizeF(297, 210));
        QCOMPARE(b.page(0).lines.size(), a.page(0).lines.size());
        QCOMPARE(b.page(0).texts.front().rectMm, a.page(0).texts.front().rectMm);
    }

    void codeBuiltExpressionErrorsSurfaceOnRender()
    {
        ReportTemplate code;
        code.fileName = "Nota kecil";
        code.titleBand.emplace(BandKind::Title).addText(0, 20, "Sum([x]");
        const auto r = Report(code).render();
        QVERIFY(!r);
        QVERIFY2(r.error().startsWith("Nota kecil: ekspresi salah: "), qPrintable(r.error()));
    }
};

QTEST_MAIN(TestReportLayout)
#include "test_reportlayout.moc"
