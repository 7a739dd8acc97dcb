#include "U_Funcoes.h"

#include <initializer_list>
#include <utility>

namespace zedera {

QString Justificar(const QString &texto, int largura)
{
    QString s = texto.trimmed();
    if (s.isEmpty())
        return s;
    if (s.size() >= largura)
        return s.left(qMax(largura, 0));
    if (!s.contains(u' '))
        return s;

    // Widen the gaps of the current width from left to right; when none is left after the
    // position, look for the next wider gaps from the start. The whole rest of the line is
    // searched: a long stretch without a gap must not make the search skip to wider gaps (or,
    // with nothing wider, never end).
    QString gap(1, u' ');
    qsizetype from = 0;
    while (s.size() < largura) {
        const qsizetype at = s.indexOf(gap, from);
        if (at < 0) {
            gap += u' ';
            from = 0;
            continue;
        }
        s.insert(at + 1, u' ');
        from = at + 1 + gap.size();
    }
    return s;
}

namespace {

// The pieces of `valor` of the given lengths, each followed by its separator; pieces past the
// end of the value are empty, separators stay.
QString punctuate(const QString &valor, std::initializer_list<std::pair<int, const char16_t *>> pieces)
{
    QString out;
    qsizetype pos = 0;
    for (const auto &[length, separator] : pieces) {
        out += valor.mid(pos, length);
        out += QString::fromUtf16(separator);
        pos += length;
    }
    return out;
}

} // namespace

QString Formatar(const QString &tipo, const QString &valor)
{
    if (tipo == u"CEP")
        return punctuate(valor, {{5, u"-"}, {3, u""}});
    if (tipo == u"CGC")
        return punctuate(valor, {{2, u"."}, {3, u"."}, {3, u"/"}, {4, u"-"}, {2, u""}});
    if (tipo == u"CPF")
        return punctuate(valor, {{3, u"."}, {3, u"."}, {3, u"-"}, {2, u""}});
    if (tipo == u"SETOR")
        return punctuate(valor, {{2, u"."}, {2, u"."}, {2, u""}});
    if (tipo == u"FONE") {
        switch (valor.size()) {
        case 6:
            return QStringLiteral("(  ) ") + punctuate(valor, {{2, u"-"}, {4, u""}});
        case 8: // local number without area code
            return QStringLiteral("(  ) ") + punctuate(valor, {{4, u"-"}, {4, u""}});
        case 9: // local mobile number without area code
            return QStringLiteral("(  ) ") + punctuate(valor, {{5, u"-"}, {4, u""}});
        case 10:
            return punctuate(valor, {{0, u"("}, {2, u") "}, {4, u"-"}, {4, u""}});
        default:
            return valor; // nothing known to punctuate, nothing dropped
        }
    }
    return {};
}

QString NomeDoMes(int mes)
{
    static const char16_t *const nomes[] = {u"Janeiro", u"Fevereiro", u"Março",    u"Abril",
                                            u"Maio",    u"Junho",     u"Julho",    u"Agosto",
                                            u"Setembro", u"Outubro",  u"Novembro", u"Dezembro"};
    if (mes < 1 || mes > 12)
        return {};
    return QString::fromUtf16(nomes[mes - 1]);
}

QString TrocarCaractere(const QString &texto, const QString &de, const QString &para)
{
    if (de.size() != 1)
        return texto;
    QString out = texto;
    return out.replace(de.at(0), para);
}

QString LimparTexto(const QString &texto)
{
    // Accented letters are printable and stay; blanks, controls (including DEL and the C1 range)
    // and other non-printing characters go.
    const auto unprintable = [](QChar c) { return c.unicode() < 33 || !c.isPrint() || c.isSpace(); };
    qsizetype begin = 0;
    qsizetype end = texto.size();
    while (begin < end && unprintable(texto.at(begin)))
        ++begin;
    while (end > begin && unprintable(texto.at(end - 1)))
        --end;
    return texto.mid(begin, end - begin);
}

DiasHoras CalcularDiasHoras(const QDate &data1, const QTime &hora1, const QDate &data2,
                            const QTime &hora2)
{
    DiasHoras r;
    if (!data1.isValid() || !data2.isValid())
        return r;
    constexpr qint64 secsPerDay = 24 * 60 * 60;
    const auto secsOfDay = [](const QTime &t) { return t.isValid() ? qint64(t.msecsSinceStartOfDay() / 1000) : 0; };
    qint64 secs = data1.daysTo(data2) * secsPerDay + secsOfDay(hora2) - secsOfDay(hora1);
    if (secs < 0)
        secs = -secs;
    r.valido = true;
    r.dias = secs / secsPerDay;
    r.horas = QTime(0, 0).addSecs(int(secs % secsPerDay));
    return r;
}

} // namespace zedera
