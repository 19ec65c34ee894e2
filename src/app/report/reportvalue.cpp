#include "reportvalue.h"

#include "numbertext.h"

#include <QRegularExpression>

ReportValue ReportValue::text(const QString &text)
{
    ReportValue v;
    v.m_type = Type::Text;
    v.m_text = text;
    return v;
}

ReportValue ReportValue::number(const Decimal &number)
{
    ReportValue v;
    v.m_type = Type::Number;
    v.m_number = number;
    return v;
}

ReportValue ReportValue::date(const QDate &date)
{
    if (!date.isValid())
        return {};
    ReportValue v;
    v.m_type = Type::Date;
    v.m_dateTime = QDateTime(date, QTime(0, 0));
    return v;
}

ReportValue ReportValue::time(const QTime &time)
{
    if (!time.isValid())
        return {};
    ReportValue v;
    v.m_type = Type::Time;
    v.m_dateTime = QDateTime(QDate(2000, 1, 1), time);
    return v;
}

ReportValue ReportValue::dateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return {};
    ReportValue v;
    v.m_type = Type::DateTime;
    v.m_dateTime = dateTime;
    return v;
}

ReportValue ReportValue::boolean(bool value)
{
    ReportValue v;
    v.m_type = Type::Bool;
    v.m_bool = value;
    return v;
}

ReportValue ReportValue::fromVariant(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return number(Decimal::fromDb(value.toLongLong()));
    case QMetaType::Bool:
        return boolean(value.toBool());
    case QMetaType::QDate:
        return date(value.toDate());
    case QMetaType::QTime:
        return time(value.toTime());
    case QMetaType::QDateTime:
        return dateTime(value.toDateTime());
    default:
        return text(value.toString());
    }
}

bool ReportValue::isBlank() const
{
    return m_type == Type::Null || (m_type == Type::Text && m_text.trimmed().isEmpty());
}

std::optional<Decimal> ReportValue::toNumber() const
{
    switch (m_type) {
    case Type::Number:
        return m_number;
    case Type::Text: {
        if (auto n = Decimal::fromDbText(m_text))
            return n;
        const QString t = m_text.trimmed();
        if (t.contains(QLatin1Char(',')) && !t.contains(QLatin1Char('.')))
            return NumberText::parse(t);
        return std::nullopt;
    }
    case Type::Bool:
        return Decimal(m_bool ? 1 : 0);
    default:
        return std::nullopt;
    }
}

std::optional<QDateTime> ReportValue::toDateTime() const
{
    switch (m_type) {
    case Type::Date:
    case Type::DateTime:
    case Type::Time:
        return m_dateTime;
    case Type::Text: {
        static const QRegularExpression form(
            QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:[ T](\\d{2}):(\\d{2})(?::(\\d{2}))?)?"));
        const QRegularExpressionMatch m = form.match(m_text.trimmed());
        if (!m.hasMatch())
            return std::nullopt;
        const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        const QTime t(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (!d.isValid() || !t.isValid())
            return std::nullopt;
        return QDateTime(d, t);
    }
    default:
        return std::nullopt;
    }
}

bool ReportValue::toBool() const
{
    switch (m_type) {
    case Type::Null:
        return false;
    case Type::Bool:
        return m_bool;
    case Type::Number:
        return !m_number.isZero();
    case Type::Text: {
        if (auto n = toNumber())
            return !n->isZero();
        const QString t = m_text.trimmed().toLower();
        return !t.isEmpty() && t != QLatin1String("tidak") && t != QLatin1String("false");
    }
    default:
        return true;
    }
}

QString ReportValue::toText() const
{
    switch (m_type) {
    case Type::Null:
        return {};
    case Type::Text:
        return m_text;
    case Type::Number:
        return NumberText::plain(m_number);
    case Type::Date:
        return m_dateTime.date().toString(QStringLiteral("dd/MM/yyyy"));
    case Type::Time:
        return m_dateTime.time().toString(QStringLiteral("HH:mm"));
    case Type::DateTime:
        return m_dateTime.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    case Type::Bool:
        return m_bool ? QStringLiteral("Ya") : QStringLiteral("Tidak");
    }
    return {};
}

int ReportValue::compare(const ReportValue &a, const ReportValue &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    const auto na = a.toNumber();
    const auto nb = b.toNumber();
    if (na && nb)
        return *na < *nb ? -1 : (*nb < *na ? 1 : 0);
    const auto da = a.toDateTime();
    const auto db = b.toDateTime();
    if (da && db)
        return *da < *db ? -1 : (*db < *da ? 1 : 0);
    return QString::compare(a.toText(), b.toText(), Qt::CaseSensitive);
}
