#pragma once

#include "framework/RegistryDescriptor.h"

#include "db/KeyAllocation.h"

#include <QList>
#include <QString>

#include <optional>

namespace zedera::registry {

// A comparison the user can pick: the SQL operator and its readable name (T_Condicoes).
struct FilterCondition {
    QString operador;
    QString descricao;
};

// The ten comparisons every registry offers, in the order the list shows them.
const QList<FilterCondition> &filterConditions();

// Builds a registry filter step by step, as the filter page drives it: a column, a comparison, a
// value, then E / OU to go on, with parentheses anywhere. It keeps two texts side by side: the
// conditions that follow the registry's filter base statement, and the description in Portuguese
// the user reads. Typed values never enter the SQL text: each becomes a named parameter
// (":p_filtro_1" ...), so a quote in a value is plain data.
class FilterBuilder {
public:
    enum class State { ChooseColumn, ChooseCondition, TypeValue, ChooseOperator };

    // Condition numbers the builder treats specially.
    static constexpr int kEntre = 6;
    static constexpr int kIniciadoCom = 7;
    static constexpr int kContendo = 8;
    static constexpr int kFinalizadoCom = 9;

    explicit FilterBuilder(QList<FilterField> fields = {});

    const QList<FilterField> &fields() const { return m_fields; }

    // A new filter: no conditions, the description "Selecione enquanto ", choose a column.
    void reiniciar();

    State state() const { return m_state; }
    // In the choose-operator state OU is refused after the first bound of ENTRE.
    bool orAllowed() const { return m_state == State::ChooseOperator && m_condition != kEntre; }
    int currentField() const { return m_field; }
    int currentCondition() const { return m_condition; }

    // Each step returns false, changing nothing, when it does not fit the current state.
    bool chooseColumn(int field);
    bool chooseCondition(int condition);

    struct ValueCheck {
        bool accepted = false;
        QString message; // why the value was refused
        QString text;    // the value as the box should now show it (a decimal comma becomes a point)
    };
    // Checks the typed value against the column's type and, when it is good, adds it.
    ValueCheck addValue(const QString &typed);

    bool andOperator();
    bool orOperator();
    void openParenthesis();
    void closeParenthesis();

    const QString &description() const { return m_description; }
    // The conditions as composed, placeholders in place of the values.
    const QString &composed() const { return m_sql; }
    // What follows the filter base statement. A complete filter is enclosed in parentheses, so
    // that an OU can never escape the base's own conditions (the joins, the hidden code 0).
    // Unbalanced parentheses are handed over as typed, and the server refuses them.
    QString conditions() const;
    const Bindings &values() const { return m_values; }

private:
    void append(const QString &sql, const QString &description);
    QString placeholder(const QVariant &value);

    QList<FilterField> m_fields;
    State m_state = State::ChooseColumn;
    int m_field = -1;
    int m_condition = 0;
    QString m_sql;
    QString m_description;
    Bindings m_values;
    int m_depth = 0;          // parentheses opened and not yet closed
    bool m_unbalanced = false; // a ")" came before its "("
};

} // namespace zedera::registry
