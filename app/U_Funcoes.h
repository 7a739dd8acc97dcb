#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// Text and date helpers shared by the printed reports and a few windows. No state, no database.
namespace zedera {

// Trims the text and widens its gaps, left to right, one blank at a time (first the single gaps,
// then the double ones...) until it is exactly `largura` long. A longer text is cut; a text
// without a blank is returned trimmed and shorter.
QString Justificar(const QString &texto, int largura);

// Punctuates a string of digits: "CEP" 99999-999, "CGC" 99.999.999/9999-99, "CPF" 999.999.999-99,
// "SETOR" 99.99.99, "FONE" by length (6, 8, 9 or 10 digits; any other length is returned as it
// is). A short value gives a short result with its punctuation; an unknown tipo gives "".
QString Formatar(const QString &tipo, const QString &valor);

// "Janeiro" to "Dezembro"; "" outside 1 to 12.
QString NomeDoMes(int mes);

// Every occurrence of the one character `de` exchanged for the text `para` (which may be empty or
// longer). A `de` that is not exactly one character changes nothing.
QString TrocarCaractere(const QString &texto, const QString &de, const QString &para);

// Drops blanks, control characters and anything else unprintable from both ends of the text.
QString LimparTexto(const QString &texto);

// Elapsed time between two moments, as the reports print it.
struct DiasHoras {
    bool valido = false; // false when a date is missing or wrong: there is nothing to show
    qint64 dias = 0;     // whole days between the moments, whichever comes first
    QTime horas;         // what remains of the difference below a day, as a time of day

    QString textoDias() const { return valido ? QString::number(dias) : QString(); }
    QString textoHoras() const { return valido ? horas.toString(QStringLiteral("hh:mm")) : QString(); }
};

// data1 hora1 to data2 hora2. A missing time counts as midnight of its date. Wall-clock time: the
// daylight-saving change of a night does not add or take an hour.
DiasHoras CalcularDiasHoras(const QDate &data1, const QTime &hora1, const QDate &data2,
                            const QTime &hora2);

} // namespace zedera
