#include "textmeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>

#include <functional>
#include <memory>

namespace TextMeasure {

namespace {

constexpr qreal kMmPerPoint = 25.4 / 72.0;
// Printed lines need a little air above the font's own height.
constexpr qreal kLineSpacing = 1.25;
constexpr int kMeasureDpi = 1200;

// Metrics at a fixed resolution, so that the layout is the same on every
// screen and matches the printer and the PDF.
const QPaintDevice *measureDevice()
{
    static std::unique_ptr<QImage> image;
    if (!image) {
        image = std::make_unique<QImage>(1, 1, QImage::Format_Mono);
        const int dotsPerMeter = qRound(kMeasureDpi / 0.0254);
        image->setDotsPerMeterX(dotsPerMeter);
        image->setDotsPerMeterY(dotsPerMeter);
    }
    return image.get();
}

} // namespace

qreal lineHeightMm(qreal pointSize)
{
    return pointSize * kMmPerPoint * kLineSpacing;
}

QStringList wrap(const QString &text, qreal widthMm, const QString &family, qreal pointSize, bool bold, bool italic)
{
    std::function<qreal(const QString &)> widthOf;
    std::unique_ptr<QFontMetricsF> metrics;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QFont font(family);
        font.setPointSizeF(pointSize);
        font.setBold(bold);
        font.setItalic(italic);
        metrics = std::make_unique<QFontMetricsF>(font, measureDevice());
        widthOf = [&metrics](const QString &s) { return metrics->horizontalAdvance(s) * 25.4 / kMeasureDpi; };
    } else {
        const qreal average = pointSize * kMmPerPoint * 0.55;
        widthOf = [average](const QString &s) { return s.size() * average; };
    }

    QStringList out;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        const QStringList words = paragraph.split(QLatin1Char(' '));
        for (QString word : words) {
            QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (widthOf(candidate) <= widthMm || (line.isEmpty() && word.isEmpty())) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty()) {
                out << line;
                line.clear();
            }
            // A word wider than the line is cut where it overflows.
            while (word.size() > 1 && widthOf(word) > widthMm) {
                qsizetype fit = 1;
                while (fit < word.size() && widthOf(word.left(fit + 1)) <= widthMm)
                    ++fit;
                out << word.left(fit);
                word = word.mid(fit);
            }
            line = word;
        }
        out << line;
    }
    return out;
}

} // namespace TextMeasure
