#pragma once

#include "db/Decimal.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace zedera {

// Numbers shown and printed with display masks, in Brazilian style (1.234,56).
//
// A mask has up to three sections separated by ';': positive, negative and zero values. An empty
// or missing negative or zero section falls back on the positive one; a negative value printed
// with its own section gets no minus sign (the section writes one if it wants it), while one
// printed with the positive section gets a leading '-'. A value that rounds to zero at the
// section's decimals is printed as zero, without a sign. Within a section:
//   0  a digit, always shown        #  a digit, shown only when significant
//   .  the decimal point (the first one; later ones are ignored), printed as ','
//   ,  anywhere: group the whole part by thousands with '.'
//   'text' or "text"  literal text; any other character is literal too ("R$ ", "%", " Lts").
// Rounding is half away from zero. An empty positive section prints the plain number.
QString formatNumber(const QString &mask, const Decimal &value);
QString formatNumber(const QString &mask, qint64 value);
inline QString formatNumber(const QString &mask, int value) { return formatNumber(mask, qint64(value)); }

// "dd/MM/yyyy"; an invalid (null) date gives an empty text.
QString formatDate(const QDate &date);
// "hh:mm"; an invalid (null) time gives an empty text.
QString formatTime(const QTime &time);

// Reads what a date edit ("99/99/9999") holds. Blank ("  /  /    ") and impossible dates (31/02)
// both give an invalid QDate; isBlankEntry() tells them apart. A two-digit year is taken as the
// nearest one within fifty years of today.
QDate parseDate(const QString &text);
// Reads "hh:mm" (hours 0-23, minutes 0-59); blank or impossible gives an invalid QTime.
QTime parseTime(const QString &text);
// True when a masked entry holds no digit at all: only blanks, '_' placeholders and the mask's
// separators. Such an entry is a NULL value, not a wrong one.
bool isBlankEntry(const QString &text);

} // namespace zedera
