#include "numbertext.h"

namespace NumberText {

namespace {

const QChar kDot = QLatin1Char('.');
const QChar kComma = QLatin1Char(',');
const QChar kMinus = QLatin1Char('-');

// Inserts a "." before every third digit counted from the right; a leading
// "-" is not a digit, so "-." never appears.
QString groupIntegerPart(const QString &integer)
{
    QString sign;
    QString digits = integer;
    if (digits.startsWith(kMinus)) {
        sign = kMinus;
        digits.remove(0, 1);
    }
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3 + 1);
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype fromRight = n - i; // position counted from 1 at the right
        if (i > 0 && fromRight % 3 == 0)
            grouped += kDot;
        grouped += digits.at(i);
    }
    if (grouped.isEmpty())
        grouped = QStringLiteral("0");
    return sign + grouped;
}

struct Split {
    QString integer;  // may start with "-"
    QString fraction; // "" or "," followed by the digits as typed
};

// The first steps both formatters share. Returns false for blank input.
bool prepare(const QString &text, Split &out)
{
    QString t = HapusTitik(text);
    if (t.trimmed().isEmpty())
        return false;
    while (t.startsWith(QLatin1Char('0')))
        t.remove(0, 1);
    if (t.startsWith(kComma))
        t.prepend(QLatin1Char('0'));
    const qsizetype comma = t.indexOf(kComma);
    out.integer = comma < 0 ? t : t.left(comma);
    out.fraction = comma < 0 ? QString() : t.mid(comma);
    return true;
}

// Adds one to the magnitude of an integer text ("-12" -> "-13", "" -> "1").
QString incrementMagnitude(const QString &integer)
{
    const bool negative = integer.startsWith(kMinus);
    QString digits = negative ? integer.mid(1) : integer;
    int i = int(digits.size()) - 1;
    for (; i >= 0; --i) {
        const QChar c = digits.at(i);
        if (c == QLatin1Char('9')) {
            digits[i] = QLatin1Char('0');
            continue;
        }
        if (c.isDigit()) {
            digits[i] = QChar(c.unicode() + 1);
            break;
        }
        break; // not a digit: leave the rest as it is
    }
    if (i < 0)
        digits.prepend(QLatin1Char('1'));
    return negative ? kMinus + digits : digits;
}

bool allDigits(const QString &s)
{
    for (QChar c : s)
        if (!c.isDigit())
            return false;
    return true;
}

} // namespace

QString HapusTitik(const QString &text)
{
    QString t = text;
    t.remove(kDot);
    return t;
}

QString FormatAngka(const QString &text)
{
    Split s;
    if (!prepare(text, s))
        return QStringLiteral("0");
    if (s.fraction == QString(kComma))
        s.fraction.clear();
    return groupIntegerPart(s.integer) + s.fraction;
}

QString FormatUang(const QString &text)
{
    Split s;
    if (!prepare(text, s))
        return QStringLiteral("0,00");
    QString fraction = QStringLiteral(",00");
    const QString digits = s.fraction.mid(1).trimmed();
    if (!digits.isEmpty() && allDigits(digits)) {
        // Nearest hundredth, an exact half to the even hundredth.
        int hundredths = digits.left(2).leftJustified(2, QLatin1Char('0')).toInt();
        const QString rest = digits.mid(2);
        const bool overHalf = !rest.isEmpty() && rest.at(0) > QLatin1Char('5');
        const bool exactlyHalf = !rest.isEmpty() && rest.at(0) == QLatin1Char('5')
            && rest.mid(1).count(QLatin1Char('0')) == rest.size() - 1;
        const bool aboveHalf = !rest.isEmpty() && rest.at(0) == QLatin1Char('5') && !exactlyHalf;
        if (overHalf || aboveHalf || (exactlyHalf && hundredths % 2 == 1))
            ++hundredths;
        if (hundredths == 100)
            s.integer = incrementMagnitude(s.integer);
        else if (hundredths > 0)
            fraction = kComma + QString::number(hundredths).rightJustified(2, QLatin1Char('0'));
    }
    return groupIntegerPart(s.integer) + fraction;
}

QString plain(const Decimal &value)
{
    QString t = value.toDbText();
    t.replace(kDot, kComma);
    return t;
}

QString plainFromDb(const QVariant &value)
{
    return plain(Decimal::fromDb(value));
}

std::optional<Decimal> parse(const QString &text)
{
    QString t = HapusTitik(text).trimmed();
    if (t.isEmpty() || t.contains(kDot))
        return std::nullopt;
    t.replace(kComma, kDot);
    return Decimal::fromDbText(t);
}

Decimal parseOrZero(const QString &text)
{
    return parse(text).value_or(Decimal());
}

QChar filterKey(QChar key, const QString &current, SignPolicy sign)
{
    if (key == kDot)
        key = kComma;
    if (key == kComma)
        return current.isEmpty() || current.contains(kComma) ? QChar() : key;
    if (key == QLatin1Char('\b') || key == QLatin1Char('\t') || (key >= QLatin1Char('0') && key <= QLatin1Char('9')))
        return key;
    if (key == kMinus && sign == SignPolicy::AllowMinus)
        return key;
    return QChar();
}

} // namespace NumberText
