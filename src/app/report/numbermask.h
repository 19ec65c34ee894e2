#pragma once

#include "decimal.h"

#include <QString>

#include <optional>
#include <vector>

// A number mask of a report item, "#,0.00;-#,0.00", printed with the
// Indonesian separators ("." groups thousands, "," separates decimals).
//
// Up to three sections separated by ";": positive, negative, zero. A
// negative value printed with the first section gets a "-" in front; with
// the negative section it is printed without sign, so the section says how
// it looks ("-#,0.00", "(#,0.00)"). In a section "0" is a digit always
// printed, "#" a digit printed when needed, the first "." marks the decimal
// position, a "," anywhere in the integer part turns on grouping. Text
// before the first or after the last placeholder is printed as it is
// (quoted with ' or " when it holds placeholder characters); text between
// placeholders is refused. An empty section stands for the positive one;
// a section without placeholders prints only its text (";;''" prints
// nothing for zero). The value is rounded half away from zero to the
// number of decimal placeholders; a value that rounds to zero counts as zero
// and never prints a sign.
class NumberMask
{
public:
    // nullopt and `error` (Indonesian) when the mask cannot be read.
    static std::optional<NumberMask> parse(const QString &mask, QString *error = nullptr);

    QString format(const Decimal &value) const;

private:
    struct Section {
        QString prefix;
        QString suffix;
        int minInteger = 0;
        int minFraction = 0;
        int maxFraction = 0;
        bool grouping = false;
        bool hasDigits = false; // a section of text only prints just that text
        bool empty = true;
    };
    static std::optional<Section> parseSection(const QString &text, QString *error);
    static QString apply(const Section &section, const Decimal &magnitude);

    std::vector<Section> m_sections;
};
