#pragma once

#include "db/Connection.h"
#include "db/KeyAllocation.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QWidget;

namespace zedera::registry {

// One row of a registry list as the list query returned it, by column name (any case).
class RegistryRow {
public:
    RegistryRow() = default;
    RegistryRow(QStringList columns, QVariantList values);

    QVariant value(const QString &column) const;
    QString text(const QString &column) const; // trimmed of the blanks CHAR columns carry
    qint64 integer(const QString &column) const;
    bool isEmpty() const { return m_values.isEmpty(); }

private:
    QStringList m_columns; // upper case, as the server names them
    QVariantList m_values;
};

// Turns a stored value into the text a grid cell or a printed column shows ("01" -> "01 - Ativo").
using DisplayRule = std::function<QString(const QVariant &value)>;

// A column of the list grid. `field` is the lower-case column name; a click on the title orders
// the list by it.
struct GridColumn {
    QString title;
    QString field;
    int width = 0;          // pixels; 0 keeps the grid's default
    DisplayRule display;    // empty: the value as text
    bool alignRight = false;
};

// An item of the search drop-down `t_campo_pesq`: choosing it orders the list by `column`, and
// Localizar finds the first row whose column equals or starts with the typed value.
struct SearchItem {
    enum class Match { Equal, StartsWith };
    QString label;
    QString column;
    int maxLength = 0;
    Match match = Match::StartsWith;
    QString mask;            // input mask put on the value box ("" none)
    bool digitsOnly = false; // the value box takes digits and backspace only
    // Masked values are stored as their digits only: the typed value is compared by its digits.
    bool compareDigits = false;
};

// A column the filter builder offers: SQL text and readable name (both with a blank on each
// side), the value's maximum length and type (I integer, C character, D date, H time, N decimal),
// the value box's mask and the prompt shown while the value is typed.
struct FilterField {
    QString campo;
    QString descricao;
    int tamanho = 0;
    QChar tipo;
    QString mascara;
    QString ajuda;
};

// A reference that forbids deleting a row: the query (bound with :p_cod, the row's code) and the
// message shown when it returns a row, after "ATENÇÃO: Registro não pode ser excluído.\r\r". A few registries word the message differently on the
// search page; `searchPageMessage` then holds that text.
struct DeleteGuard {
    QString sql;
    QString message;
    QString searchPageMessage;
};

// A text field that must be filled and must not repeat another row's value. The duplicate test
// runs on insert always and on alter only when the value differs from the row as shown.
struct UniqueTextRule {
    QString field;           // objectName of the edit
    QString emptyMessage;
    QString duplicateSql;    // returns the code of a row holding the value
    QString param;           // parameter of the value in duplicateSql (":p_nome")
    QString duplicateMessage; // followed by that row's code
};

// The statements of a registry. List, letter and filter statements are prefixes that the window
// completes with the ordering column (and the letter condition or the filter's conditions).
struct RegistryStatements {
    QString list;       // + campo_ordem
    QString letter;     // + column + " like :p_letra order by " + column
    QString filterBase; // + the filter's conditions (+ " order by " + campo_ordem)
    QString codeExists; // :p_cod
    QString highestCode; // returns `ultimo`
    QString nextCode;   // returns `proximo`
    QString insert;     // :p_cod and the panel's parameters
    QString update;
    QString remove;     // :p_cod
};

// One printed cell of a record: `rowOffset` counts from the record's first row; `column` is
// where the text starts, or with rightAlignTo where it ends.
struct PrintCell {
    int rowOffset = 0;
    int column = 1;
    bool rightAlign = false;
    bool bold = false;
    QString field;
    DisplayRule display; // empty: the value as text
    QString numberMask;  // printed as a number through this mask (ImpVal)
};

// The printed list of a registry: page frame and record layout.
struct PrintLayout {
    QString title;
    int width = 80;
    int pitch = 10;   // characters per inch
    int centre = 41;
    QStringList heading; // one text of `width` characters per heading row
    bool companyOnly = false; // the first header line without " DE " + city
    QList<PrintCell> cells;
    int recordRows = 1;
    // Rows the counter moves on after a record's last row (a blank row between records that take
    // several rows); between the rows of one record it moves on by one.
    int advanceAfterRecord = 1;
};

// A field of the edit panel and how it maps to its column and parameter.
struct EditField {
    enum class Kind {
        Text,    // line edit; `maxLength`, `upper`, `mask` (digits stored without the mask's literals)
        Digits,  // line edit that takes digits and backspace only
        Choice,  // drop-down of `items`; stores the first `storedChars` characters of the item
        Radio,   // radio group of `items`; stores the first `storedChars` characters of the item
        Money,   // currency edit
    };
    QString objectName;
    QString label;
    Kind kind = Kind::Text;
    QString column;   // lower-case column shown by mostrar_registro
    QString param;    // insert/update parameter (":p_nome"); empty when the field is not written
    int maxLength = 0;
    bool upper = false;
    QString mask;
    QStringList items;
    int storedChars = 2;
    int radioColumns = 1;
    bool emptyAsZero = false; // an empty text is written as "0"
    bool readOnly = false;

    static EditField text(const QString &name, const QString &label, const QString &column, const QString &param,
                          int maxLength, bool upper = true)
    {
        EditField f;
        f.objectName = name, f.label = label, f.column = column, f.param = param, f.maxLength = maxLength;
        f.upper = upper;
        return f;
    }
    static EditField of(Kind kind, const QString &name, const QString &label, const QString &column,
                        const QString &param)
    {
        EditField f;
        f.kind = kind, f.objectName = name, f.label = label, f.column = column, f.param = param;
        return f;
    }
    static EditField pick(Kind kind, const QString &name, const QString &label, const QString &column,
                          const QString &param, const QStringList &items, int storedChars)
    {
        EditField f = of(kind, name, label, column, param);
        f.items = items, f.storedChars = storedChars;
        return f;
    }
};

// Everything that tells one registry window from another.
struct RegistryDescriptor {
    QString className;   // "TF_Cad_Motorista"
    QString caption;     // "G.K - Cadastro de Motoristas"
    QString listName;    // objectName of the grid ("Lista_Motorista")
    QString printerName; // "Impr_Motorista"
    QString codeColumn;  // "mo_cod"
    QString codeField;   // objectName of the code edit ("t_cod_cad")
    QString alterFocus;  // field focused by F4 ("t_nome_cad")
    // Fields whose focus-in tests the code typed during an insert.
    QStringList codeTypedFields;

    QList<GridColumn> columns;
    QList<SearchItem> searchItems;
    int defaultSearchItem = 0;
    QString initialOrder;          // campo_ordem before the first search item applies
    QList<FilterField> filterFields;
    RegistryStatements statements;
    QList<EditField> editFields;
    QList<UniqueTextRule> uniqueRules;
    QList<DeleteGuard> guards;
    PrintLayout print;

    // Capture mode: a non-empty text refuses to return the row (the driver must be active).
    std::function<QString(const RegistryRow &)> captureRefusal;
};

// Where a registry window runs: the connection of TRANS_CAD and the session values it shows.
struct RegistryEnvironment {
    Connection *cad = nullptr;
    QString titulo;
    QString empresa;
    QString cidade;
    int exercicio = 0;
};

} // namespace zedera::registry
