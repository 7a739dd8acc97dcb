#include "db/Decimal.h"

namespace zedera {

__extension__ typedef __int128 Int128;

namespace {

constexpr qint64 kPow10[] = {1, 10, 100, 1000, 10000};

// Divides rounding half away from zero.
qint64 divRound(Int128 num, Int128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    Int128 q = num / den;
    Int128 r = num % den;
    if (r < 0)
        r = -r;
    if (2 * r >= den)
        q += (num < 0) ? -1 : 1;
    return static_cast<qint64>(q);
}

} // namespace

std::optional<Decimal> Decimal::parse(QStringView text, QChar decimalPoint, QChar groupSeparator)
{
    QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (t.front() == u'-' || t.front() == u'+') {
        negative = t.front() == u'-';
        t = t.mid(1);
    }
    Int128 whole = 0;
    Int128 frac = 0; // up to five digits, the fifth only for rounding
    int fracDigits = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    bool roundUp = false;
    for (QChar c : t) {
        if (c == decimalPoint && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!seenPoint && !groupSeparator.isNull() && c == groupSeparator)
            continue;
        if (c < u'0' || c > u'9')
            return std::nullopt;
        seenDigit = true;
        const int digit = c.unicode() - u'0';
        if (!seenPoint) {
            whole = whole * 10 + digit;
            if (whole > Int128(922337203685477))
                return std::nullopt;
        } else if (fracDigits < kScale) {
            frac = frac * 10 + digit;
            ++fracDigits;
        } else if (fracDigits == kScale) {
            roundUp = digit >= 5;
            ++fracDigits;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    while (fracDigits < kScale) {
        frac *= 10;
        ++fracDigits;
    }
    qint64 units = static_cast<qint64>(whole * kFactor + frac + (roundUp ? 1 : 0));
    return fromUnits(negative ? -units : units);
}

Decimal Decimal::fromVariant(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return fromInteger(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        // Only reached when a caller forgot high precision; the text of the double, rounded at
        // the fourth place, is the closest exact value.
        return parse(QString::number(value.toDouble(), 'f', 6)).value_or(Decimal());
    default:
        if (value.metaType().id() == qMetaTypeId<Decimal>())
            return value.value<Decimal>();
        return parse(value.toString()).value_or(Decimal());
    }
}

Decimal Decimal::rounded(int places) const
{
    if (places >= kScale)
        return *this;
    if (places < 0)
        places = 0;
    const qint64 step = kPow10[kScale - places];
    return fromUnits(divRound(m_units, step) * step);
}

QString Decimal::toString(int places) const
{
    places = qBound(0, places, kScale);
    const Decimal r = rounded(places);
    const qint64 abs = r.m_units < 0 ? -r.m_units : r.m_units;
    QString s = QString::number(abs / kFactor);
    if (places > 0) {
        const qint64 frac = (abs % kFactor) / kPow10[kScale - places];
        s += u'.' + QString::number(frac).rightJustified(places, u'0');
    }
    if (r.m_units < 0)
        s.prepend(u'-');
    return s;
}

Decimal Decimal::operator*(Decimal o) const
{
    return fromUnits(divRound(Int128(m_units) * o.m_units, kFactor));
}

Decimal Decimal::operator/(Decimal o) const
{
    if (o.m_units == 0)
        return {};
    return fromUnits(divRound(Int128(m_units) * kFactor, o.m_units));
}

} // namespace zedera
