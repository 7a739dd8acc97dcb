#include "FilterBuilder.h"

#include "format/Format.h"

#include <QRegularExpression>

namespace zedera::registry {

namespace {

const QString kStartDescription = QStringLiteral("Selecione enquanto ");

std::optional<qint64> wholeNumber(const QString &typed)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?\\d+$"));
    const QString t = typed.trimmed();
    if (!pattern.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

} // namespace

const QList<FilterCondition> &filterConditions()
{
    static const QList<FilterCondition> conditions{
        {QStringLiteral(" = "), QStringLiteral(" IGUAL ")},
        {QStringLiteral(" <> "), QStringLiteral(" DIFERENTE ")},
        {QStringLiteral(" < "), QStringLiteral(" MENOR QUE ")},
        {QStringLiteral(" > "), QStringLiteral(" MAIOR QUE ")},
        {QStringLiteral(" <= "), QStringLiteral(" MENOR E IGUAL ")},
        {QStringLiteral(" >= "), QStringLiteral(" MAIOR E IGUAL ")},
        {QStringLiteral(" between "), QStringLiteral(" ENTRE ")},
        {QStringLiteral(" like "), QStringLiteral(" INICIADO COM ")},
        {QStringLiteral(" like "), QStringLiteral(" CONTENDO ")},
        {QStringLiteral(" like "), QStringLiteral(" FINALIZADO COM ")},
    };
    return conditions;
}

FilterBuilder::FilterBuilder(QList<FilterField> fields) : m_fields(std::move(fields))
{
    reiniciar();
}

void FilterBuilder::reiniciar()
{
    m_state = State::ChooseColumn;
    m_field = -1;
    m_condition = 0;
    m_sql.clear();
    m_description = kStartDescription;
    m_values.clear();
    m_depth = 0;
    m_unbalanced = false;
}

void FilterBuilder::append(const QString &sql, const QString &description)
{
    m_sql += sql;
    m_description += description;
}

QString FilterBuilder::placeholder(const QVariant &value)
{
    const QString name = QStringLiteral(":p_filtro_%1").arg(m_values.size() + 1);
    m_values.append({name, value});
    return name;
}

bool FilterBuilder::chooseColumn(int field)
{
    if (m_state != State::ChooseColumn || field < 0 || field >= m_fields.size())
        return false;
    m_field = field;
    m_condition = 0;
    append(m_fields.at(field).campo + u' ', m_fields.at(field).descricao + u' ');
    m_state = State::ChooseCondition;
    return true;
}

bool FilterBuilder::chooseCondition(int condition)
{
    if (m_state != State::ChooseCondition || condition < 0 || condition >= filterConditions().size())
        return false;
    m_condition = condition;
    append(filterConditions().at(condition).operador, filterConditions().at(condition).descricao);
    m_state = State::TypeValue;
    return true;
}

FilterBuilder::ValueCheck FilterBuilder::addValue(const QString &typed)
{
    ValueCheck check;
    check.text = typed;
    if (m_state != State::TypeValue)
        return check;

    // Each value goes to the server as a parameter of the type the user chose for the column, so
    // that the comparison means what the typed literal used to mean (a code typed for a CHAR
    // column still compares as a number).
    QString expression;
    switch (m_fields.at(m_field).tipo.unicode()) {
    case u'I': {
        const auto n = wholeNumber(typed);
        if (!n) {
            check.message = QStringLiteral("Valor inteiro incorreto.");
            return check;
        }
        expression = QStringLiteral("cast(%1 as bigint)").arg(placeholder(*n));
        break;
    }
    case u'D': {
        const QDate date = parseDate(typed);
        if (!date.isValid()) {
            check.message = QStringLiteral("Data incorreta.");
            return check;
        }
        expression = QStringLiteral("cast(%1 as date)").arg(placeholder(date));
        break;
    }
    case u'H': {
        const QTime time = parseTime(typed);
        if (!time.isValid()) {
            check.message = QStringLiteral("Hora incorreta.");
            return check;
        }
        expression = QStringLiteral("cast(%1 as time)").arg(placeholder(time));
        break;
    }
    case u'N': {
        check.text.replace(u',', u'.');
        static const QRegularExpression pattern(QStringLiteral("^[+-]?(\\d*)(?:\\.(\\d*))?$"));
        const QString t = check.text.trimmed();
        const auto m = pattern.match(t);
        const qsizetype whole = m.captured(1).size();
        const qsizetype places = m.captured(2).size();
        // NUMERIC holds 18 digits; the value is read by the server from its text, exactly.
        if (!m.hasMatch() || whole + places == 0 || whole + places > 18) {
            check.message = QStringLiteral("Valor númerico incorreto.");
            return check;
        }
        expression = QStringLiteral("cast(cast(%1 as varchar(%2)) as numeric(18, %3))")
                         .arg(placeholder(t))
                         .arg(t.size())
                         .arg(places);
        break;
    }
    default: { // C: the wildcards of the chosen comparison go around the value
        QString pattern = typed;
        if (m_condition == kIniciadoCom)
            pattern = typed + u'%';
        else if (m_condition == kContendo)
            pattern = u'%' + typed + u'%';
        else if (m_condition == kFinalizadoCom)
            pattern = u'%' + typed;
        expression = QStringLiteral("cast(%1 as varchar(%2))")
                         .arg(placeholder(pattern))
                         .arg(std::max<qsizetype>(1, pattern.size()));
        break;
    }
    }

    append(expression, check.text + u' ');
    check.accepted = true;
    m_state = State::ChooseOperator;
    return check;
}

bool FilterBuilder::andOperator()
{
    if (m_state != State::ChooseOperator)
        return false;
    append(QStringLiteral(" and "), QStringLiteral(" E "));
    if (m_condition == kEntre) {
        // The second bound of ENTRE: same column, compared as by IGUAL.
        m_condition = 0;
        m_state = State::TypeValue;
    } else {
        m_state = State::ChooseColumn;
    }
    return true;
}

bool FilterBuilder::orOperator()
{
    if (!orAllowed())
        return false;
    append(QStringLiteral(" or "), QStringLiteral(" OU "));
    m_state = State::ChooseColumn;
    return true;
}

void FilterBuilder::openParenthesis()
{
    ++m_depth;
    append(QStringLiteral(" ( "), QStringLiteral(" ( "));
}

void FilterBuilder::closeParenthesis()
{
    if (--m_depth < 0)
        m_unbalanced = true;
    append(QStringLiteral(" ) "), QStringLiteral(" ) "));
}

QString FilterBuilder::conditions() const
{
    if (m_sql.trimmed().isEmpty() || m_unbalanced || m_depth != 0)
        return m_sql;
    return u'(' + m_sql + u')';
}

} // namespace zedera::registry
