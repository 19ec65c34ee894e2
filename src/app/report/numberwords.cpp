#include "numberwords.h"

#include <QStringList>

namespace {

const char *const kUnits[] = {"", "satu", "dua", "tiga", "empat", "lima", "enam", "tujuh", "delapan", "sembilan",
                              "sepuluh", "sebelas"};

// 0..999 in words; empty for 0.
QString belowThousand(int n)
{
    QStringList words;
    const int hundreds = n / 100;
    const int rest = n % 100;
    if (hundreds == 1)
        words << QStringLiteral("seratus");
    else if (hundreds > 1)
        words << QString::fromLatin1(kUnits[hundreds]) + QStringLiteral(" ratus");
    if (rest >= 1 && rest <= 11)
        words << QString::fromLatin1(kUnits[rest]);
    else if (rest >= 12 && rest <= 19)
        words << QString::fromLatin1(kUnits[rest - 10]) + QStringLiteral(" belas");
    else if (rest >= 20) {
        words << QString::fromLatin1(kUnits[rest / 10]) + QStringLiteral(" puluh");
        if (rest % 10)
            words << QString::fromLatin1(kUnits[rest % 10]);
    }
    return words.join(QLatin1Char(' '));
}

} // namespace

QString numberInWords(const Decimal &value)
{
    const Decimal whole = value.rounded(0, Decimal::Rounding::HalfAwayFromZero);
    if (whole.isZero())
        return QStringLiteral("nol");
    QString digits = whole.abs().toDbText();
    // Groups of three digits from the right, most significant first.
    while (digits.size() % 3)
        digits.prepend(QLatin1Char('0'));
    const int groupCount = int(digits.size() / 3);
    static const char *const kScales[] = {"", "ribu", "juta", "miliar", "triliun"};
    QStringList words;
    for (int g = 0; g < groupCount; ++g) {
        const int n = digits.mid(g * 3, 3).toInt();
        const int scale = groupCount - 1 - g; // 0 = units, 1 = thousands, ...
        if (n == 0)
            continue;
        QStringList scaleWords;
        if (scale % 4)
            scaleWords << QString::fromLatin1(kScales[scale % 4]);
        for (int t = 0; t < scale / 4; ++t)
            scaleWords << QString::fromLatin1(kScales[4]);
        if (scale == 1 && n == 1)
            words << QStringLiteral("seribu");
        else
            words << (QStringList{belowThousand(n)} + scaleWords).join(QLatin1Char(' '));
    }
    const QString text = words.join(QLatin1Char(' '));
    return whole.isNegative() ? QStringLiteral("minus ") + text : text;
}
