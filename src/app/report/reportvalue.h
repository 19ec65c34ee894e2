#pragma once

#include "decimal.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

#include <optional>

// One value inside a report expression: a field, a variable, a literal or
// a computed result. Numbers are exact (Decimal); a text that reads as a
// number counts as one in arithmetic, totals, comparisons and number
// formats, so that DECIMAL columns read as text ("1234.50") need no
// conversion.
class ReportValue
{
public:
    enum class Type { Null, Text, Number, Date, Time, DateTime, Bool };

    ReportValue() = default; // NULL
    static ReportValue text(const QString &text);
    static ReportValue number(const Decimal &number);
    static ReportValue date(const QDate &date);
    static ReportValue time(const QTime &time);
    static ReportValue dateTime(const QDateTime &dateTime);
    static ReportValue boolean(bool value);
    // A dataset or variable value: integers become numbers, QString stays
    // text, QDate / QTime / QDateTime keep their kind, an invalid or NULL
    // QVariant is NULL. A double is taken through its shortest text.
    static ReportValue fromVariant(const QVariant &value);

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Type::Null; }
    // NULL or a text of blanks only.
    bool isBlank() const;

    // A number, or a text in the server's form ("-1234.50") or with a
    // decimal comma and no grouping ("1234,5"). Anything else is no number.
    std::optional<Decimal> toNumber() const;
    Decimal toNumberOrZero() const { return toNumber().value_or(Decimal()); }
    // A date or date-time, or a text "yyyy-MM-dd" optionally followed by a
    // time ("yyyy-MM-dd HH:mm:ss" or with "T").
    std::optional<QDateTime> toDateTime() const;
    bool toBool() const;

    // The text printed when the item has no format: numbers in plain form
    // with a decimal comma ("1234,5"), dates dd/MM/yyyy, date-times
    // dd/MM/yyyy HH:mm, times HH:mm, booleans "Ya" / "Tidak", NULL "".
    // A text is printed exactly as it is.
    QString toText() const;

    // Orders two values: as numbers when both read as numbers, as dates
    // when both read as dates, otherwise as texts. NULL comes first.
    static int compare(const ReportValue &a, const ReportValue &b);

private:
    Type m_type = Type::Null;
    QString m_text;
    Decimal m_number;
    QDateTime m_dateTime; // Date and Time use its parts
    bool m_bool = false;
};
