#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <compare>
#include <optional>

namespace zedera {

// An exact decimal with four places, for money, litres, quantities and hours. The database keeps
// two places; four travel in memory so that unit prices and averages keep their precision until
// they are stored. Never goes through double.
class Decimal {
public:
    static constexpr int kScale = 4;
    static constexpr qint64 kFactor = 10000;

    constexpr Decimal() = default;
    constexpr Decimal(int whole) : m_units(qint64(whole) * kFactor) {} // NOLINT: ints are exact
    static constexpr Decimal fromUnits(qint64 units) { Decimal d; d.m_units = units; return d; }
    static constexpr Decimal fromInteger(qint64 whole) { return fromUnits(whole * kFactor); }

    // Reads "1234.56", "-0.5", "12" (and, with decimalPoint ',', "1234,56"). Digits beyond the
    // fourth place are rounded half away from zero. Group separators are accepted when given.
    static std::optional<Decimal> parse(QStringView text, QChar decimalPoint = u'.',
                                        QChar groupSeparator = QChar());
    // Reads a value as it comes from the database (a string under high precision, or an integer).
    // A null variant gives zero.
    static Decimal fromVariant(const QVariant &value);

    constexpr qint64 units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }
    constexpr bool isNegative() const { return m_units < 0; }
    // The whole part, truncated toward zero.
    constexpr qint64 truncated() const { return m_units / kFactor; }

    // Rounded half away from zero to the given number of places (0 to 4).
    Decimal rounded(int places) const;

    // Plain text with '.' and exactly `places` decimals: "1234.56", "-0.5000".
    QString toString(int places = kScale) const;
    // What is bound to a NUMERIC(18,2) parameter: the value rounded to two places, as text.
    QString toDatabaseString() const { return rounded(2).toString(2); }

    Decimal operator-() const { return fromUnits(-m_units); }
    Decimal operator+(Decimal o) const { return fromUnits(m_units + o.m_units); }
    Decimal operator-(Decimal o) const { return fromUnits(m_units - o.m_units); }
    // Products and quotients are rounded half away from zero to four places.
    Decimal operator*(Decimal o) const;
    // Division by zero gives zero: callers that must tell it apart check the divisor first.
    Decimal operator/(Decimal o) const;
    Decimal &operator+=(Decimal o) { m_units += o.m_units; return *this; }
    Decimal &operator-=(Decimal o) { m_units -= o.m_units; return *this; }
    Decimal &operator*=(Decimal o) { return *this = *this * o; }
    Decimal &operator/=(Decimal o) { return *this = *this / o; }

    constexpr auto operator<=>(const Decimal &) const = default;
    constexpr bool operator==(const Decimal &) const = default;

private:
    qint64 m_units = 0; // value * 10^4
};

} // namespace zedera

Q_DECLARE_METATYPE(zedera::Decimal)
