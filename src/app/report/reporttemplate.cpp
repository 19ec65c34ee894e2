#include "reporttemplate.h"

#include "templateparser.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

ReportItem ReportItem::text(qreal x, qreal width, const Expression &expression)
{
    ReportItem item;
    item.x = x;
    item.width = width;
    item.expression = expression;
    return item;
}

ReportItem ReportItem::rule(qreal x, qreal y, qreal width, qreal penWidth)
{
    ReportItem item;
    item.kind = Kind::Line;
    item.x = x;
    item.y = y;
    item.width = width;
    item.height = 0;
    item.penWidth = penWidth;
    return item;
}

ReportItem ReportItem::box(qreal x, qreal y, qreal width, qreal height, qreal penWidth)
{
    ReportItem item;
    item.kind = Kind::Box;
    item.x = x;
    item.y = y;
    item.width = width;
    item.height = height;
    item.penWidth = penWidth;
    return item;
}

ReportItem &ReportBand::addText(qreal x, qreal width, const QString &expression)
{
    return addItem(ReportItem::text(x, width, Expression::parse(expression)));
}

ReportItem &ReportBand::addItem(const ReportItem &item)
{
    items.push_back(item);
    return items.back();
}

QString ReportTemplate::displayName(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype at = p.lastIndexOf(QLatin1String("/Laporan/"), -1, Qt::CaseInsensitive);
    if (at >= 0)
        return p.mid(at + 1);
    return p;
}

ReportResult<QString> ReportTemplate::readText(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!QFileInfo(p).isFile())
        return ReportResult<QString>::failure(QStringLiteral("Template laporan tidak ditemukan: %1").arg(p));
    QFile file(p);
    if (!file.open(QIODevice::ReadOnly))
        return ReportResult<QString>::failure(
            QStringLiteral("Template laporan tidak dapat dibaca: %1 (%2)").arg(p, file.errorString()));
    const QByteArray bytes = file.readAll();
    // Shops edit templates in whatever editor they have: UTF-8 (with or
    // without BOM) is expected, and a file saved in a Windows code page
    // is read as Latin-1 rather than refused.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

ReportResult<ReportTemplate> ReportTemplate::load(const QString &path)
{
    const ReportResult<QString> text = readText(path);
    if (!text)
        return ReportResult<ReportTemplate>::failure(text.error());
    return parse(*text, displayName(path));
}

ReportResult<ReportTemplate> ReportTemplate::parse(const QString &text, const QString &fileName)
{
    return TemplateParser(text, fileName).parse();
}
