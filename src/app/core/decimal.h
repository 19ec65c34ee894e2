#pragma once

#include <QString>
#include <QVariant>

#include <boost/multiprecision/cpp_dec_float.hpp>

#include <compare>
#include <optional>

// The one exact decimal type for money and quantities. Values travel to and
// from the server as decimal text ("1234.50"), never as double.
class Decimal
{
public:
    using Backend = boost::multiprecision::cpp_dec_float_50;

    enum class Rounding { HalfEven, HalfAwayFromZero };

    Decimal() = default;
    Decimal(int value) : m_value(value) {}               // NOLINT: implicit on purpose
    Decimal(long long value) : m_value(value) {}         // NOLINT

    // Reads server text: optional sign, digits, optional "." and digits.
    // Anything else (exponents, grouping, blanks inside) is refused.
    static std::optional<Decimal> fromDbText(const QString &text);
    // A value read with QSql::HighPrecision (text) or an integer column.
    // A NULL or unreadable value gives 0.
    static Decimal fromDb(const QVariant &value);

    // "1234.5": for binding to a statement. Rounded to at most 12 fraction
    // digits so that the noise of a division never reaches the server.
    QString toDbText() const;
    QVariant toDb() const { return toDbText(); }

    Decimal rounded(int places, Rounding mode = Rounding::HalfAwayFromZero) const;

    bool isZero() const { return m_value.is_zero(); }
    bool isNegative() const { return m_value < 0; }
    Decimal abs() const;

    Decimal operator-() const { return Decimal(Backend(-m_value)); }
    Decimal &operator+=(const Decimal &o) { m_value += o.m_value; return *this; }
    Decimal &operator-=(const Decimal &o) { m_value -= o.m_value; return *this; }
    Decimal &operator*=(const Decimal &o) { m_value *= o.m_value; return *this; }
    Decimal &operator/=(const Decimal &o) { m_value /= o.m_value; return *this; }
    friend Decimal operator+(Decimal a, const Decimal &b) { return a += b; }
    friend Decimal operator-(Decimal a, const Decimal &b) { return a -= b; }
    friend Decimal operator*(Decimal a, const Decimal &b) { return a *= b; }
    friend Decimal operator/(Decimal a, const Decimal &b) { return a /= b; }
    friend bool operator==(const Decimal &a, const Decimal &b) { return a.m_value == b.m_value; }
    friend std::partial_ordering operator<=>(const Decimal &a, const Decimal &b)
    {
        if (a.m_value < b.m_value) return std::partial_ordering::less;
        if (a.m_value > b.m_value) return std::partial_ordering::greater;
        return std::partial_ordering::equivalent;
    }

private:
    explicit Decimal(const Backend &v) : m_value(v) {}
    Backend m_value;
};
