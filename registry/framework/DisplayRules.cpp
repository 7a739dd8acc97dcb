#include "DisplayRules.h"

#include "format/Format.h"

namespace zedera::registry {

namespace {
QString storedText(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString().trimmed();
}
} // namespace

DisplayRule storedItemRule(const QStringList &items, int storedChars, const QString &otherwise)
{
    return [items, storedChars, otherwise](const QVariant &v) {
        const QString stored = storedText(v);
        for (const QString &item : items)
            if (!stored.isEmpty() && item.left(storedChars) == stored)
                return item;
        return otherwise;
    };
}

DisplayRule numberedItemRule(const QStringList &items)
{
    return [items](const QVariant &v) {
        bool ok = false;
        const int n = storedText(v).toInt(&ok);
        return ok && n >= 1 && n <= items.size() ? items.at(n - 1) : QString();
    };
}

DisplayRule numberMaskRule(const QString &mask)
{
    return [mask](const QVariant &v) { return v.isNull() ? QString() : formatNumber(mask, Decimal::fromVariant(v)); };
}

DisplayRule digitsMaskRule(const QString &picture)
{
    return [picture](const QVariant &v) {
        const QString digits = storedText(v);
        if (digits.size() != picture.count(u'9'))
            return digits;
        QString out;
        qsizetype next = 0;
        for (QChar c : picture)
            out += c == u'9' ? digits.at(next++) : c;
        return out;
    };
}

} // namespace zedera::registry
