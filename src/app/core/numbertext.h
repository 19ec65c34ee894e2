#pragma once

#include "decimal.h"

#include <QChar>
#include <QString>
#include <QVariant>

#include <optional>

// Number text in the Indonesian form: "." groups thousands, "," separates
// decimals (1.234.567,50). None of these functions depend on the
// workstation's regional settings.
namespace NumberText {

// Removes every "."; nothing else changes.
QString HapusTitik(const QString &text);

// Grouped number, fraction exactly as typed ("1234,5678" -> "1.234,5678").
QString FormatAngka(const QString &text);

// Grouped amount with exactly two decimals, the fraction rounded to the
// nearest hundredth with an exact half going to the even hundredth
// ("12,999" -> "13,00").
QString FormatUang(const QString &text);

// Plain number text of a stored value: "," as decimal sign, no grouping, no
// exponent, no trailing fraction zeros ("1250000.00" -> "1250000",
// "12.50" -> "12,5"). NULL gives "0".
QString plainFromDb(const QVariant &value);
QString plain(const Decimal &value);

// Reads number text back: HapusTitik, then "," as decimal sign. An empty or
// malformed text is not a number.
std::optional<Decimal> parse(const QString &text);
// As parse, but a text that is not a number counts as 0.
Decimal parseOrZero(const QString &text);

// The key filter of the number edits. Returns the character the edit should
// receive, or a null QChar when the key is swallowed. `current` is the edit's
// text before the key.
enum class SignPolicy { Unsigned, AllowMinus };
QChar filterKey(QChar key, const QString &current, SignPolicy sign);

} // namespace NumberText
