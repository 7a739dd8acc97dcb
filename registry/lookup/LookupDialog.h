#pragma once

#include "LookupModel.h"

#include "framework/RegistryDescriptor.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace zedera::registry {

// What lookups share: the read-only list `Lista`, picking a row by Enter or double click, and the
// keys (Enter moves to the next control, in the list it picks). The picked values are empty until
// a row is picked; the caller reads them after the window closes.
class LookupBase : public QDialog {
    Q_OBJECT
public:
    // The values of the picked row, in the order the lookup returns them; empty when the window
    // closed without a pick.
    const QStringList &valoresCapturados() const { return m_capturados; }
    // The first of them: the code the caller asked for.
    QString codigoCapturado() const { return m_capturados.value(0); }

    LookupModel &model() const { return *m_model; }
    QTableView *grid() const { return m_grid; }
    // The list's current row, -1 when none.
    int currentRow() const;

protected:
    LookupBase(Connection &connection, QList<GridColumn> columns, QStringList returns, QWidget *parent);

    Connection &connection() const { return m_connection; }
    // Opens the list; a database error goes to the error box and leaves the list empty.
    bool openList(const QString &sql, const Bindings &bindings);
    // Makes `row` the current row, shown, with the list focused.
    void showRow(int row);
    // The window's keys are seen here before its controls: call once the controls exist.
    void watchKeys();
    virtual void keyF2() {}
    // A click on a list title.
    virtual void titleClicked(int section) { Q_UNUSED(section); }

    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    void pick();

    Connection &m_connection;
    QStringList m_returns;
    QStringList m_capturados;
    LookupModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
};

// A lookup over one suite table: the field drop-down `t_campo` chooses the column that orders the
// list and that Localizar searches.
struct LookupDescriptor {
    QString className;
    QString caption;
    QString title;      // the title strip
    QString help;       // the help strip
    QString base;       // the statement up to its "order by "
    Bindings bindings;  // parameters of the base statement
    // Searchable columns; `campo` orders the list, and "a;b" searches two columns together.
    QList<FilterField> fields;
    int defaultField = 0;
    QString initialOrder; // empty: the default field's column
    QList<GridColumn> columns;
    QStringList returns;  // result columns handed to the caller
};

class LookupDialog : public LookupBase {
    Q_OBJECT
public:
    LookupDialog(LookupDescriptor descriptor, Connection &connection, QWidget *parent = nullptr);

    const LookupDescriptor &descriptor() const { return m_descriptor; }
    // The column (or columns) the list is ordered by.
    const QString &ordem() const { return m_ordem; }

    // b_localizar: the first row, in the list's order, whose chosen column matches the value.
    void localizar();

protected:
    void keyF2() override;
    void titleClicked(int section) override;

private:
    void campoChanged(int index);
    void reopen(const QString &order);

    LookupDescriptor m_descriptor;
    QString m_ordem;
    QComboBox *m_campo = nullptr;
    QLabel *m_valorLabel = nullptr;
    QLineEdit *m_valor = nullptr;
};

} // namespace zedera::registry
