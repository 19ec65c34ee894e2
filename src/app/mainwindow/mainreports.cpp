#include "mainreports.h"

#include "activeuser.h"
#include "messages.h"
#include "session.h"
#include "sqlstatement.h"

#include <QDir>

namespace MainReports {

namespace {

// Reads a report's rows; the failure is the server's text.
ReportResult<ReportDataset> readRows(const QString &sql)
{
    SqlStatement st(Session::db(), sql);
    if (!st.exec())
        return ReportResult<ReportDataset>::failure(st.errorText());
    return ReportDataset::fromQuery(st.query());
}

QString businessName()
{
    SqlStatement st(Session::db(), QStringLiteral("select nama from settingawal"));
    return st.execFirst() ? st.value(QStringLiteral("nama")).toString() : QString();
}

// A template report: the template first (a missing one is named even when
// there are rows), then the rows, then the empty check.
ReportResult<Report> templateReport(const QString &templateName, const QString &sql, const QString &emptyMessage)
{
    const auto layout = ReportTemplate::load(
        QDir(activeUser().PathAplikasi).filePath(QStringLiteral("Laporan/") + templateName));
    if (!layout)
        return ReportResult<Report>::failure(layout.error());
    auto rows = readRows(sql);
    if (!rows)
        return ReportResult<Report>::failure(rows.error());
    if (rows->isEmpty())
        return ReportResult<Report>::failure(emptyMessage);
    Report report(*layout);
    report.setVariable(QStringLiteral("nama"), businessName());
    report.addDataset(QStringLiteral("Data"), std::move(*rows));
    return report;
}

void show(const ReportResult<Report> &report)
{
    if (!report)
        messages().error(report.error());
    else
        report->preview();
}

} // namespace

ReportResult<Report> prepareItemReport()
{
    return templateReport(
        QStringLiteral("MasterBarang.frf"),
        QStringLiteral("Select b.*, k.Kategori, s.Satuan, d.Ket, d.Berat, IF(KenaPajak=0,'Tidak','Ya') as Pajak "
                       "from MasterTypeBarang b, MasterKategori k, MasterSatuan s, DSatuan d "
                       "Where b.IDKategori = k.IDKategori and s.IDSatuan=d.IDSatuan and d.IDTypeBarang=b.IDTypeBarang "
                       "Order by k.Kategori, b.TypeBarang, s.Satuan Asc"),
        QStringLiteral("Tidak ada data barang yang dapat ditampilkan!!!"));
}

ReportResult<Report> prepareStockReport()
{
    return templateReport(
        QStringLiteral("Stok.frf"),
        QStringLiteral("Select b.*, k.Kategori, s.Satuan, d.Ket, d.Berat, d.Harga, d.Stok, "
                       "IF(KenaPajak=0,'Tidak','Ya') as Pajak , d.stokminimal "
                       "from MasterTypeBarang b, MasterKategori k, MasterSatuan s, DSatuan d "
                       "Where d.Stok<>0 and b.IDKategori = k.IDKategori and s.IDSatuan=d.IDSatuan "
                       "and d.IDTypeBarang=b.IDTypeBarang Order by b.kodebarang, b.TypeBarang, s.Satuan Asc"),
        QStringLiteral("Tidak ada data stok barang yang dapat ditampilkan!!!"));
}

ReportTemplate stockValueLayout()
{
    const QString amount = QStringLiteral("#,0.00;-#,0.00");
    ReportTemplate t;
    t.fileName = QStringLiteral("Laporan Stok Barang Dalam Rupiah");
    t.title = QStringLiteral("Laporan Stok Barang Dalam Rupiah");
    t.page = *PageSetup::named(QStringLiteral("A4"), QPageLayout::Portrait);
    t.page.marginsMm = QMarginsF(6.35, 6.35, 6.35, 6.35);

    ReportBand title(BandKind::Title);
    ReportItem &heading = title.addText(0, -1, QStringLiteral("\"Laporan Stok Barang Dalam Rupiah\""));
    heading.alignment = Qt::AlignHCenter;
    heading.bold = true;
    heading.fontSize = 14;
    title.minHeight = 10;
    t.titleBand = title;

    ReportDataBlock data;
    data.dataset = QStringLiteral("Data");
    ReportGroup byCategory;
    byCategory.key = Expression::field(QStringLiteral("IDKATEGORI"));
    byCategory.keepTogether = true;
    ReportBand header(BandKind::GroupHeader);
    for (const auto &[x, w, text] : {std::tuple{0.0, 20.0, "\"Kategori\""}, std::tuple{20.0, 120.0, "[Kategori]"}}) {
        ReportItem &item = header.addText(x, w, QString::fromLatin1(text));
        item.y = 2;
        item.bold = true;
    }
    const struct { qreal x, w; const char *caption; bool right; } heads[] = {
        {0, 30, "Kode Barang", false}, {30, 75, "Nama Barang", false}, {105, 20, "Stok", true},
        {125, 35, "Harga Beli", true}, {160, 37, "SubTotal", true}};
    for (const auto &h : heads) {
        ReportItem &item = header.addText(h.x, h.w, QStringLiteral("\"%1\"").arg(QLatin1String(h.caption)));
        item.y = 8;
        item.bold = true;
        if (h.right)
            item.alignment = Qt::AlignRight;
    }
    header.addItem(ReportItem::rule(0, 13, -1));
    header.minHeight = 14;
    byCategory.header = header;
    data.groups.push_back(byCategory);

    ReportBand detail(BandKind::Detail);
    detail.addText(0, 30, QStringLiteral("[kodebarang]"));
    detail.addText(30, 75, QStringLiteral("[typebarang]"));
    ReportItem &stock = detail.addText(105, 20, QStringLiteral("[stok]"));
    stock.alignment = Qt::AlignRight;
    stock.format = *ValueFormat::parse(QStringLiteral("number")); // quantities as number text
    for (const auto &[x, w, field] : {std::tuple{125.0, 35.0, "[hargabeli]"}, std::tuple{160.0, 37.0, "[subtotal1]"}}) {
        ReportItem &item = detail.addText(x, w, QString::fromLatin1(field));
        item.alignment = Qt::AlignRight;
        item.format = *ValueFormat::parse(amount);
    }
    data.detail = detail;
    t.datasets.push_back(data);

    ReportBand summary(BandKind::Summary);
    summary.addItem(ReportItem::rule(0, 1, -1));
    ReportItem &label = summary.addText(110, 50, QStringLiteral("\"GrandTotal :\""));
    label.y = 2;
    label.bold = true;
    label.alignment = Qt::AlignRight;
    ReportItem &total = summary.addText(160, 37, QStringLiteral("Sum([subtotal1])"));
    total.y = 2;
    total.bold = true;
    total.alignment = Qt::AlignRight;
    total.format = *ValueFormat::parse(amount);
    summary.minHeight = 8;
    t.summary = summary;
    return t;
}

ReportResult<Report> prepareStockValueReport()
{
    // A unit whose stock or buying price is negative counts 0 in the total.
    auto rows = readRows(QStringLiteral(
        "Select b.*, k.Kategori, s.Satuan, d.Ket, d.Berat, d.Harga, d.hargabeli, d.Stok , "
        "if(d.stok * d.hargabeli<0,0,d.stok * d.hargabeli) as subtotal1 "
        "from MasterTypeBarang b, MasterKategori k, MasterSatuan s, DSatuan d "
        "Where d.Stok<>0 and b.IDKategori = k.IDKategori and s.IDSatuan=d.IDSatuan and d.IDTypeBarang=b.IDTypeBarang "
        "Order by k.Kategori, b.TypeBarang, s.Satuan Asc"));
    if (!rows)
        return ReportResult<Report>::failure(rows.error());
    Report report(stockValueLayout());
    report.addDataset(QStringLiteral("Data"), std::move(*rows));
    return report;
}

void itemReport()
{
    show(prepareItemReport());
}

void stockReport()
{
    show(prepareStockReport());
}

void stockValueReport()
{
    show(prepareStockValueReport());
}

} // namespace MainReports
