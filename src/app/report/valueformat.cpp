#include "valueformat.h"

#include "numbertext.h"

#include <QLocale>

#include <algorithm>

namespace {

// The characters of a format that stand outside its quoted texts ('...' or
// "..."): those are what decide between a mask and a date pattern.
QString outsideQuotes(const QString &text)
{
    QString out;
    QChar quote;
    for (QChar c : text) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else {
            out += c;
        }
    }
    return out;
}

bool containsOutsideQuotes(const QString &text, const QString &chars)
{
    const QString bare = outsideQuotes(text);
    return std::any_of(bare.cbegin(), bare.cend(), [&chars](QChar c) { return chars.contains(c); });
}

// Date and time letters with separators between them; any other letter
// outside quotes means the text is no pattern ("rupiah" is refused rather
// than printing the hour in it).
bool isDatePattern(const QString &text)
{
    static const QString letters = QStringLiteral("dMyhHmszaApPt");
    bool hasField = false;
    for (QChar c : outsideQuotes(text)) {
        if (!c.isLetter())
            continue;
        if (!letters.contains(c))
            return false;
        hasField = hasField || QStringLiteral("dMyhHms").contains(c);
    }
    return hasField;
}

} // namespace

std::optional<ValueFormat> ValueFormat::parse(const QString &text, QString *error)
{
    ValueFormat f;
    f.m_text = text;
    const QString name = text.trimmed().toLower();
    if (name == QLatin1String("money")) {
        f.m_kind = Kind::Money;
        return f;
    }
    if (name == QLatin1String("number")) {
        f.m_kind = Kind::Number;
        return f;
    }
    if (containsOutsideQuotes(text, QStringLiteral("#0"))) {
        f.m_mask = NumberMask::parse(text, error);
        if (!f.m_mask)
            return std::nullopt;
        f.m_kind = Kind::Mask;
        return f;
    }
    if (isDatePattern(text)) {
        f.m_kind = Kind::Date;
        return f;
    }
    if (error)
        *error = QStringLiteral("format tidak dikenal: \"%1\"").arg(text);
    return std::nullopt;
}

QString ValueFormat::apply(const ReportValue &value) const
{
    switch (m_kind) {
    case Kind::None:
        return value.toText();
    case Kind::Money:
    case Kind::Number:
    case Kind::Mask: {
        std::optional<Decimal> n = value.isBlank() ? std::optional<Decimal>(Decimal()) : value.toNumber();
        if (!n)
            return value.toText();
        if (m_kind == Kind::Mask)
            return m_mask->format(*n);
        const QString plain = NumberText::plain(*n);
        return m_kind == Kind::Money ? NumberText::FormatUang(plain) : NumberText::FormatAngka(plain);
    }
    case Kind::Date: {
        if (value.isBlank())
            return {};
        const auto when = value.toDateTime();
        if (!when)
            return value.toText();
        static const QLocale indonesian(QLocale::Indonesian, QLocale::Indonesia);
        if (value.type() == ReportValue::Type::Time)
            return indonesian.toString(when->time(), m_text);
        return indonesian.toString(*when, m_text);
    }
    }
    return value.toText();
}
