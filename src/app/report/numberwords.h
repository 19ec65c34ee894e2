#pragma once

#include "decimal.h"

#include <QString>

// An amount in Indonesian words, in lower case, as printed on notes
// ("seratus dua puluh lima ribu"): the value rounded to a whole number,
// half away from zero; "minus" before a negative amount; "nol" for zero.
// Amounts of a thousand trillion and more are written group by group
// ("satu ribu triliun"), never cut.
QString numberInWords(const Decimal &value);
