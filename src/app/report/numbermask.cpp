#include "numbermask.h"

namespace {

bool isPlaceholder(QChar c)
{
    return c == QLatin1Char('#') || c == QLatin1Char('0') || c == QLatin1Char(',') || c == QLatin1Char('.');
}

// Splits on ";" outside quotes.
QStringList splitSections(const QString &mask)
{
    QStringList parts;
    QString current;
    QChar quote;
    for (QChar c : mask) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            parts << current;
            current.clear();
            continue;
        }
        current += c;
    }
    parts << current;
    return parts;
}

QString grouped(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char('.');
        out += digits.at(i);
    }
    return out;
}

} // namespace

std::optional<NumberMask::Section> NumberMask::parseSection(const QString &text, QString *error)
{
    Section s;
    QString literal;
    bool seenPlaceholder = false;
    bool literalAfterPlaceholder = false;
    bool inFraction = false;
    QChar quote;
    for (QChar c : text) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                literal += c;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            if (seenPlaceholder)
                literalAfterPlaceholder = true;
            continue;
        }
        if (!isPlaceholder(c)) {
            literal += c;
            if (seenPlaceholder)
                literalAfterPlaceholder = true;
            continue;
        }
        if (literalAfterPlaceholder) {
            if (error)
                *error = QStringLiteral("teks di tengah angka pada format \"%1\"").arg(text);
            return std::nullopt;
        }
        if (!seenPlaceholder) {
            s.prefix = literal;
            literal.clear();
            seenPlaceholder = true;
        }
        if (c == QLatin1Char('.')) {
            inFraction = true; // a second "." is taken as a plain decimal position
        } else if (c == QLatin1Char(',')) {
            if (!inFraction)
                s.grouping = true;
        } else if (inFraction) {
            ++s.maxFraction;
            if (c == QLatin1Char('0'))
                s.minFraction = s.maxFraction;
        } else if (c == QLatin1Char('0')) {
            ++s.minInteger;
        }
    }
    if (!quote.isNull()) {
        if (error)
            *error = QStringLiteral("tanda petik tidak ditutup pada format \"%1\"").arg(text);
        return std::nullopt;
    }
    s.hasDigits = seenPlaceholder;
    if (seenPlaceholder)
        s.suffix = literal;
    else
        s.prefix = literal;
    s.empty = text.isEmpty();
    return s;
}

std::optional<NumberMask> NumberMask::parse(const QString &mask, QString *error)
{
    const QStringList parts = splitSections(mask);
    if (parts.size() > 3) {
        if (error)
            *error = QStringLiteral("format \"%1\" memiliki lebih dari tiga bagian").arg(mask);
        return std::nullopt;
    }
    NumberMask m;
    for (const QString &part : parts) {
        auto section = parseSection(part, error);
        if (!section)
            return std::nullopt;
        m.m_sections.push_back(*section);
    }
    if (m.m_sections.front().empty) {
        if (error)
            *error = QStringLiteral("format angka kosong");
        return std::nullopt;
    }
    return m;
}

QString NumberMask::apply(const Section &section, const Decimal &magnitude)
{
    if (!section.hasDigits)
        return section.prefix;
    // Zero fraction digits are dropped by toDbText, so the text holds at
    // most maxFraction decimals after rounding.
    const QString plain = magnitude.rounded(section.maxFraction, Decimal::Rounding::HalfAwayFromZero).toDbText();
    const qsizetype dot = plain.indexOf(QLatin1Char('.'));
    QString integer = dot < 0 ? plain : plain.left(dot);
    QString fraction = dot < 0 ? QString() : plain.mid(dot + 1);
    if (integer == QLatin1String("0"))
        integer.clear();
    while (integer.size() < section.minInteger)
        integer.prepend(QLatin1Char('0'));
    while (fraction.size() < section.minFraction)
        fraction += QLatin1Char('0');
    QString out = section.grouping ? grouped(integer) : integer;
    if (!fraction.isEmpty())
        out += QLatin1Char(',') + fraction;
    if (out.isEmpty())
        out = QStringLiteral("0"); // "#" alone still prints something for zero
    return section.prefix + out + section.suffix;
}

QString NumberMask::format(const Decimal &value) const
{
    const Section &positive = m_sections.front();
    const Decimal magnitude = value.abs();
    // The sign is decided on the printed value, so -0.001 with "0.00" is zero.
    const bool isZero = magnitude.rounded(positive.maxFraction, Decimal::Rounding::HalfAwayFromZero).isZero();
    if (isZero) {
        if (m_sections.size() >= 3 && !m_sections[2].empty)
            return apply(m_sections[2], Decimal());
        return apply(positive, Decimal());
    }
    if (value.isNegative()) {
        if (m_sections.size() >= 2 && !m_sections[1].empty)
            return apply(m_sections[1], magnitude);
        return QLatin1Char('-') + apply(positive, magnitude);
    }
    return apply(positive, magnitude);
}
