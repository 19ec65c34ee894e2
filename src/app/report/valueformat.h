#pragma once

#include "numbermask.h"
#include "reportvalue.h"

#include <QString>

#include <optional>

// How a text item prints its value:
//  - "money":  FormatUang of the value's plain number text ("1.234,50");
//  - "number": FormatAngka of it ("1.234,5");
//  - a number mask ("#,0.00;-#,0.00"), see NumberMask;
//  - a date pattern ("dd/MM/yyyy", "dd MMMM yyyy HH:mm") with Indonesian
//    month and day names.
// A format says which it is by its text: "money" and "number" by name, a
// mask by holding "#" or "0", a pattern by holding d, M, y, h, H, m or s
// and no letters other than Qt's date and time letters (quoted text aside).
// A value the format does not fit (a text that is no number under a number
// format, a number under a date pattern) prints as it would without format.
// NULL prints "0,00" under money, "0" under number and a mask's zero, and
// nothing under a date pattern.
class ValueFormat
{
public:
    enum class Kind { None, Money, Number, Mask, Date };

    ValueFormat() = default; // no format: ReportValue::toText()
    // nullopt and `error` (Indonesian) when the text is none of the above.
    static std::optional<ValueFormat> parse(const QString &text, QString *error = nullptr);

    Kind kind() const { return m_kind; }
    QString text() const { return m_text; }
    QString apply(const ReportValue &value) const;

private:
    Kind m_kind = Kind::None;
    QString m_text;
    std::optional<NumberMask> m_mask;
};
