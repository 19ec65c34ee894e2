#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QSizeF>
#include <QString>

#include <optional>

// The paper of a report, in millimetres as printed (a landscape A4 is 297
// wide). Roll paper has a width only: its one page is as long as the
// content.
struct PageSetup {
    QString paperName = QStringLiteral("A4"); // named sizes; empty for custom and roll
    qreal widthMm = 210;
    qreal heightMm = 297; // 0 for roll paper
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{10, 10, 10, 10};

    bool isRoll() const { return heightMm <= 0; }
    qreal contentWidthMm() const { return widthMm - marginsMm.left() - marginsMm.right(); }

    // A3, A4, A5, F4 (215 x 330), Letter, Legal; nullopt for another name.
    static std::optional<PageSetup> named(const QString &name, QPageLayout::Orientation orientation);
    static PageSetup custom(qreal widthMm, qreal heightMm);
    static PageSetup roll(qreal widthMm);

    // The page layout for a printer or PDF writer; a roll gets the given
    // length.
    QPageLayout pageLayout(qreal rollLengthMm = 0) const;
};
