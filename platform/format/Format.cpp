#include "format/Format.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace zedera {

namespace {

// A number as digits: the whole part without leading zeros ("0" for zero) and the fraction
// rounded to the places a section asked for.
struct Digits {
    QString whole;
    QString frac;
    bool isZero() const
    {
        return whole == u"0" && std::all_of(frac.cbegin(), frac.cend(), [](QChar c) { return c == u'0'; });
    }
};
using Rounder = std::function<Digits(int places)>;

struct Token {
    enum Kind { Zero, Hash, Point, Literal } kind;
    QString text;
};

struct Section {
    QList<Token> tokens;
    int intPlaces = 0; // placeholders before the point
    int minInt = 0;    // from the first '0' before the point on
    int fracPlaces = 0;
    int minFrac = 0;   // up to the last '0' after the point
    bool grouping = false;
};

QStringList splitSections(const QString &mask)
{
    QStringList sections{QString()};
    QChar quote;
    for (QChar c : mask) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u';') {
            sections << QString();
            continue;
        }
        sections.last() += c;
    }
    return sections;
}

Section parseSection(const QString &text)
{
    Section s;
    bool afterPoint = false;
    const auto literal = [&s](QChar c) {
        if (s.tokens.isEmpty() || s.tokens.last().kind != Token::Literal)
            s.tokens.append({Token::Literal, QString()});
        s.tokens.last().text += c;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\'' || c == u'"') {
            qsizetype end = text.indexOf(c, i + 1);
            if (end < 0)
                end = text.size();
            for (qsizetype k = i + 1; k < end; ++k)
                literal(text.at(k));
            i = end;
        } else if (c == u'0' || c == u'#') {
            s.tokens.append({c == u'0' ? Token::Zero : Token::Hash, QString()});
            if (afterPoint) {
                ++s.fracPlaces;
                if (c == u'0')
                    s.minFrac = s.fracPlaces;
            } else {
                ++s.intPlaces;
                if (c == u'0' && s.minInt == 0)
                    s.minInt = -s.intPlaces; // position of the first '0', made into a count below
            }
        } else if (c == u'.') {
            if (!afterPoint) {
                afterPoint = true;
                s.tokens.append({Token::Point, QString()});
            }
        } else if (c == u',') {
            s.grouping = true;
        } else {
            literal(c);
        }
    }
    if (s.minInt < 0)
        s.minInt = s.intPlaces + s.minInt + 1;
    return s;
}

QString render(const Section &s, const Digits &d, bool minus)
{
    QString whole = d.whole == u"0" ? QString() : d.whole;
    if (whole.size() < s.minInt)
        whole = QString(s.minInt - whole.size(), u'0') + whole;
    QString frac = d.frac;
    while (frac.size() > s.minFrac && frac.endsWith(u'0'))
        frac.chop(1);

    QString out;
    if (minus)
        out += u'-';
    const qsizetype len = whole.size();
    const auto emitWhole = [&](qsizetype from, qsizetype to) {
        for (qsizetype j = from; j < to; ++j) {
            out += whole.at(j);
            if (s.grouping && j < len - 1 && (len - 1 - j) % 3 == 0)
                out += u'.';
        }
    };
    int intIndex = 0;
    int fracIndex = 0;
    bool wholeDone = s.intPlaces > 0;
    for (const Token &t : s.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out += t.text;
            break;
        case Token::Point:
            if (!wholeDone) { // no placeholder before the point: the whole part still goes first
                emitWhole(0, len);
                wholeDone = true;
            }
            if (!frac.isEmpty())
                out += u',';
            break;
        case Token::Zero:
        case Token::Hash:
            if (intIndex < s.intPlaces) {
                // Placeholders are filled from the right; digits beyond them all go to the first.
                const qsizetype first = len - s.intPlaces + intIndex;
                if (intIndex == 0)
                    emitWhole(0, qMax<qsizetype>(first + 1, 0));
                else if (first >= 0)
                    emitWhole(first, first + 1);
                ++intIndex;
            } else {
                if (!wholeDone) {
                    emitWhole(0, len);
                    wholeDone = true;
                }
                if (fracIndex < frac.size())
                    out += frac.at(fracIndex);
                ++fracIndex;
            }
            break;
        }
    }
    return out;
}

// What an empty positive section gives: the number as it is, without grouping.
QString plain(const Digits &d, bool minus)
{
    QString frac = d.frac;
    while (frac.endsWith(u'0'))
        frac.chop(1);
    QString out = minus ? QStringLiteral("-") : QString();
    out += d.whole;
    if (!frac.isEmpty())
        out += u',' + frac;
    return out;
}

QString format(const QString &mask, bool negative, bool zero, const Rounder &round)
{
    const QStringList sections = splitSections(mask);
    const auto present = [&sections](int i) { return i < sections.size() && !sections.at(i).isEmpty(); };
    if (!present(0))
        return plain(round(Decimal::kScale), negative && !zero);

    int index = 0;
    if (zero && present(2))
        index = 2;
    else if (negative && present(1))
        index = 1;
    Section section = parseSection(sections.at(index));
    Digits digits = round(section.fracPlaces);
    if (!zero && digits.isZero()) {
        // Too small for the section's decimals: printed as the zero it shows, never as "-0,00".
        if (present(2)) {
            section = parseSection(sections.at(2));
            digits = round(section.fracPlaces);
        } else if (index == 1) {
            section = parseSection(sections.at(0));
            digits = round(section.fracPlaces);
        }
        return render(section, digits, false);
    }
    return render(section, digits, negative && index == 0);
}

} // namespace

QString formatNumber(const QString &mask, const Decimal &value)
{
    const quint64 units = value.isNegative() ? quint64(0) - quint64(value.units()) : quint64(value.units());
    const Rounder round = [units](int places) {
        const quint64 factor = quint64(Decimal::kFactor);
        quint64 r = units;
        if (places < Decimal::kScale) {
            quint64 step = 1;
            for (int i = places; i < Decimal::kScale; ++i)
                step *= 10;
            r = (units + step / 2) / step * step; // half away from zero, on the absolute value
        }
        Digits d{QString::number(r / factor),
                 QString::number(r % factor).rightJustified(Decimal::kScale, u'0')};
        if (places < Decimal::kScale)
            d.frac.truncate(places);
        else
            d.frac += QString(places - Decimal::kScale, u'0');
        return d;
    };
    return format(mask, value.isNegative(), value.isZero(), round);
}

QString formatNumber(const QString &mask, qint64 value)
{
    const quint64 abs = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    const Rounder round = [abs](int places) { return Digits{QString::number(abs), QString(places, u'0')}; };
    return format(mask, value < 0, value == 0, round);
}

QString formatDate(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString formatTime(const QTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("hh:mm")) : QString();
}

bool isBlankEntry(const QString &text)
{
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
}

namespace {

// The parts of a masked entry split at the separator, each all digits (blanks and '_' around
// them allowed); empty when a part is missing or holds anything else.
QList<int> numericParts(const QString &text, QChar separator, int count, QList<int> *widths = nullptr)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != count)
        return {};
    QList<int> values;
    for (QString part : parts) {
        part.remove(u'_');
        part = part.trimmed();
        if (part.isEmpty() || !std::all_of(part.cbegin(), part.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return {};
        values << part.toInt();
        if (widths)
            *widths << int(part.size());
    }
    return values;
}

} // namespace

QDate parseDate(const QString &text)
{
    QList<int> widths;
    const QList<int> p = numericParts(text, u'/', 3, &widths);
    if (p.isEmpty() || widths[0] > 2 || widths[1] > 2 || (widths[2] != 2 && widths[2] != 4))
        return {};
    int year = p[2];
    if (widths[2] == 2) {
        const int now = QDate::currentDate().year();
        year += now / 100 * 100;
        if (year > now + 50)
            year -= 100;
        else if (year <= now - 50)
            year += 100;
    }
    return QDate(year, p[1], p[0]); // invalid for 31/02, 00/01, ...
}

QTime parseTime(const QString &text)
{
    QList<int> widths;
    const QList<int> p = numericParts(text, u':', 2, &widths);
    if (p.isEmpty() || widths[0] > 2 || widths[1] > 2)
        return {};
    return QTime(p[0], p[1]); // invalid beyond 23:59
}

} // namespace zedera
