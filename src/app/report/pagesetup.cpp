#include "pagesetup.h"

#include <QPageSize>

#include <utility>

std::optional<PageSetup> PageSetup::named(const QString &name, QPageLayout::Orientation orientation)
{
    struct Paper {
        const char *name;
        qreal width;
        qreal height;
    };
    static const Paper papers[] = {
        {"A3", 297, 420},      {"A4", 210, 297},        {"A5", 148, 210},
        {"F4", 215, 330},      {"Letter", 215.9, 279.4}, {"Legal", 215.9, 355.6},
    };
    for (const Paper &p : papers) {
        if (name.compare(QLatin1String(p.name), Qt::CaseInsensitive) != 0)
            continue;
        PageSetup s;
        s.paperName = QLatin1String(p.name);
        s.orientation = orientation;
        s.widthMm = orientation == QPageLayout::Landscape ? p.height : p.width;
        s.heightMm = orientation == QPageLayout::Landscape ? p.width : p.height;
        return s;
    }
    return std::nullopt;
}

PageSetup PageSetup::custom(qreal widthMm, qreal heightMm)
{
    PageSetup s;
    s.paperName.clear();
    s.widthMm = widthMm;
    s.heightMm = heightMm;
    s.orientation = widthMm > heightMm ? QPageLayout::Landscape : QPageLayout::Portrait;
    return s;
}

PageSetup PageSetup::roll(qreal widthMm)
{
    PageSetup s;
    s.paperName.clear();
    s.widthMm = widthMm;
    s.heightMm = 0;
    s.orientation = QPageLayout::Portrait;
    return s;
}

QPageLayout PageSetup::pageLayout(qreal rollLengthMm) const
{
    qreal w = widthMm;
    qreal h = isRoll() ? rollLengthMm : heightMm;
    QPageLayout::Orientation o = isRoll() ? QPageLayout::Portrait : orientation;
    if (isRoll() && w > h)
        o = QPageLayout::Landscape; // a very short roll note
    // QPageSize wants the portrait form; the orientation turns it.
    if (o == QPageLayout::Landscape && w > h)
        std::swap(w, h);
    const QString name = paperName.isEmpty() ? QStringLiteral("Custom") : paperName;
    const QPageSize size(QSizeF(w, h), QPageSize::Millimeter, name, QPageSize::ExactMatch);
    return QPageLayout(size, o, marginsMm, QPageLayout::Millimeter);
}
