#pragma once

#include <QString>
#include <QStringList>

// Sizes of printed text in millimetres, for the layout.
namespace TextMeasure {

// The height of one printed line of a font of `pointSize` points.
qreal lineHeightMm(qreal pointSize);

// Breaks `text` into lines no wider than `widthMm` at blanks; a word wider
// than the line is broken inside. Line breaks in the text are kept. With a
// QGuiApplication the widths come from the font itself; a program without
// one (a tool that only lays out) uses an average character width.
QStringList wrap(const QString &text, qreal widthMm, const QString &family, qreal pointSize, bool bold, bool italic);

} // namespace TextMeasure
