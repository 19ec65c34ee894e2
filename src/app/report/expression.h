#pragma once

#include "reportvalue.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class ExpressionEnvironment;
struct ExpressionNode;

// The printed value of a text item, a group key or a band's condition,
// written in the report expression language (docs/REPORTS.md):
//   "Kategori: " + [Kategori]        literal text and a field
//   [Data.Harga] * [Qty]             a field of a named dataset, arithmetic
//   $nama                            a variable set by the window
//   "Hal " + Page + " dari " + Pages page number and page count
//   Sum([Harga]), Count()            totals over the band's rows
//   If([Stok] < [stokminimal], "Kurang", "")
// An Expression is immutable and cheap to copy; parsing never throws: an
// expression that cannot be read keeps the reason in error() and evaluates
// to NULL.
class Expression
{
public:
    enum class Aggregate { Sum, Count, Min, Max };
    enum class Builtin { Page, Pages, Date, Time, Line, GroupLine };

    Expression() = default; // empty: evaluates to NULL
    static Expression parse(const QString &source);
    // Shorthands for templates built in code.
    static Expression literal(const QString &text);
    static Expression field(const QString &name);

    bool isEmpty() const { return !m_root && m_error.isEmpty(); }
    bool isValid() const { return m_error.isEmpty(); }
    // Indonesian, without the template's name and line.
    QString error() const { return m_error; }
    QString source() const { return m_source; }

    ReportValue evaluate(const ExpressionEnvironment &env) const;

    // What a template check needs to know before rendering.
    struct FieldUse {
        QString dataset; // empty when unqualified
        QString name;
        bool inAggregate = false;
    };
    std::vector<FieldUse> fields() const;
    QStringList variables() const;
    bool uses(Builtin builtin) const;

private:
    std::shared_ptr<const ExpressionNode> m_root;
    QString m_source;
    QString m_error;
    friend struct ExpressionEvaluator;
};

// What an expression reads from the report being laid out. The layout
// implements it; tests can implement it with fixed answers.
class ExpressionEnvironment
{
public:
    virtual ~ExpressionEnvironment() = default;
    // `dataset` is empty for an unqualified [Field].
    virtual ReportValue field(const QString &dataset, const QString &name) const = 0;
    virtual ReportValue variable(const QString &name) const = 0;
    virtual ReportValue builtin(Expression::Builtin which) const = 0;
    // Evaluates `argument` once per row in the band's scope (see
    // docs/REPORTS.md) and combines the results; `argument` is empty for
    // Count().
    virtual ReportValue aggregate(Expression::Aggregate function, const Expression &argument) const = 0;
};
