#include "decimal.h"

#include <QRegularExpression>

namespace {

// Fixed text with `places` fraction digits, trailing zeros and a lone "." removed.
QString trimmedFixed(const Decimal::Backend &v, int places)
{
    QString s = QString::fromStdString(v.str(places, std::ios_base::fixed));
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

} // namespace

std::optional<Decimal> Decimal::fromDbText(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    const QString t = text.trimmed();
    if (!form.match(t).hasMatch())
        return std::nullopt;
    return Decimal(Backend(t.toStdString()));
}

Decimal Decimal::fromDb(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return {};
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
        || value.typeId() == QMetaType::UInt || value.typeId() == QMetaType::ULongLong)
        return Decimal(value.toLongLong());
    return fromDbText(value.toString()).value_or(Decimal());
}

QString Decimal::toDbText() const
{
    return trimmedFixed(rounded(12, Rounding::HalfEven).m_value, 12);
}

Decimal Decimal::rounded(int places, Rounding mode) const
{
    Backend scale = boost::multiprecision::pow(Backend(10), places);
    Backend scaled = boost::multiprecision::abs(m_value) * scale;
    Backend whole = boost::multiprecision::floor(scaled);
    Backend rest = scaled - whole;
    const Backend half("0.5");
    if (rest > half)
        whole += 1;
    else if (rest == half) {
        if (mode == Rounding::HalfAwayFromZero)
            whole += 1;
        else if (boost::multiprecision::fmod(whole, Backend(2)) != 0)
            whole += 1;
    }
    Backend result = whole / scale;
    // Division by a power of ten is exact in a decimal backend.
    return Decimal(m_value < 0 ? Backend(-result) : result);
}

Decimal Decimal::abs() const
{
    return Decimal(Backend(boost::multiprecision::abs(m_value)));
}
