#pragma once

#include "RegistryDescriptor.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableView;

namespace zedera::registry {

class RegistryEditPanel;
class RegistryListModel;
class RegistryWindow;

// The content of the filter page `pg_filtro`, written by the filter builder. The window creates it
// once, through the factory below, inside the page, and calls startFilter() each time the page
// opens from the search page. The builder reads the window's descriptor (filterFields, the filter
// base statement) and hands its conditions back through RegistryWindow::applyFilter.
class FilterPageWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // A new filter: base text, "Selecione enquanto ", column list focused on its first row.
    virtual void startFilter() = 0;
};
using FilterPageFactory = std::function<FilterPageWidget *(RegistryWindow &window, QWidget *page)>;

// The registry window: a search page with the list, an edit page with one record and a filter
// page, configured by a descriptor. Every registry of the program is one of these plus its edit
// panel.
class RegistryWindow : public QDialog {
    Q_OBJECT
public:
    // Who opened the window. Opened from the menu it never captures; opened by another window,
    // Enter on a row returns the row's code in codigoCapturado() and closes the window.
    enum class Opener { Menu, Window };
    enum class FilterOutcome { Applied, NoRows, Malformed };

    // `panel` (taken over) is the registry's own edit panel; without one the window builds the
    // generic panel from the descriptor's edit fields.
    RegistryWindow(RegistryDescriptor descriptor, const RegistryEnvironment &environment, Opener opener,
                   RegistryEditPanel *panel = nullptr, QWidget *parent = nullptr);
    ~RegistryWindow() override;

    // The code picked in capture mode; empty when the window closed without a pick.
    const QString &codigoCapturado() const { return m_codigoCapturado; }

    const RegistryDescriptor &descriptor() const { return m_descriptor; }
    const RegistryEnvironment &environment() const { return m_env; }
    const QString &titulo() const { return m_env.titulo; }
    bool capturing() const { return m_opener == Opener::Window; }
    QChar modo() const { return m_modo; }
    QChar modoLista() const { return m_modoLista; }
    const QString &campoOrdem() const { return m_campoOrdem; }
    int codigo() const { return m_codigo; }

    // Used by the filter builder. Runs the filter base statement followed by `conditions` (which
    // name their values as parameters, bound from `values`, never pasted into the text):
    // - rows: list mode S, the list ordered by campo_ordem, search page with the grid focused;
    // - no row: "Nenhum registro encontrado nesta condição.", the list reopened whole;
    // - the server refuses the statement: "Filtro incorreto faça novamente.", the list closed.
    // The window shows those messages; on NoRows and Malformed the builder starts a new filter.
    FilterOutcome applyFilter(const QString &conditions, const Bindings &values);
    // Back to the search page with the list unchanged (b_voltar_filtro).
    void showSearchPage();

    // Installed once by the program (and by tests that use the filter page).
    static void setFilterPageFactory(FilterPageFactory factory);

    // The list as loaded, and its current row (-1 on an empty list).
    RegistryListModel &listModel() const { return *m_model; }
    int currentRow() const;
    RegistryRow currentRecord() const;

protected:
    RegistryEditPanel &panel() const { return *m_panel; }
    // Extra checks of a registry after the shared ones; false stops the save (the check has
    // already shown its message and focused its field).
    virtual bool validarDadosExtra() { return true; }
    // The code of the record that Alterar and the edit page's Excluir act on: the list's current
    // row, unless a registry alters a record the list does not show. nullopt: none.
    virtual std::optional<qint64> codigoEmEdicao() const;
    // Checks of a registry before the delete guards run; false stops the delete (the check has
    // already shown its message).
    virtual bool exclusaoPermitida(bool fromSearchPage)
    {
        Q_UNUSED(fromSearchPage);
        return true;
    }
    // Last changes to an insert's parameters once its code is known (a value derived from it).
    virtual void completarInclusao(qint64 codigo, Bindings &valores)
    {
        Q_UNUSED(codigo);
        Q_UNUSED(valores);
    }
    // b_imprimir_pesq; a registry whose printed record is not a set of cells prints its own.
    virtual void imprimir();
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    // Framework routines, as the registry windows name them.
    void habilitar_botoes(QChar modo);
    void abrir_lista();
    void mostrar_registro();
    // Moves the list to the row of `code`; false when the list does not hold it.
    bool locateCode(qint64 code);

private:
    void limpar_campos();
    bool validar_dados();

    void buildSearchPage(QWidget *page);
    void buildEditPage(QWidget *page);
    void installKeyPreview(QWidget *root);
    bool handleKey(QWidget *target, QKeyEvent *event);

    void searchFieldChanged();
    void localizar();
    void letterChosen(int index);
    void titleClicked(int section);
    void filterButton();
    void startInsert();
    void startAlter(QWidget *fromPage);
    void codeTyped();
    void gravar();
    void alterar();
    void excluir(bool fromSearchPage);
    void cancelar();
    void navigate(int step);
    void captureRow();

    void openList(const QString &sql, const Bindings &bindings);
    void setCurrentRow(int row);
    void setFilterLabels(bool active);
    // Runs `action`, showing a database error in the error box instead of letting it escape
    // the event loop; the window stays in its page and mode.
    void guarded(const std::function<void()> &action);

    RegistryDescriptor m_descriptor;
    RegistryEnvironment m_env;
    Opener m_opener;
    bool m_built = false;

    QChar m_modo = u'N';
    QChar m_modoLista = u'N';
    QString m_campoOrdem;
    QString m_letra = QStringLiteral("*");
    int m_codigo = 0;
    QString m_codigoCapturado;
    QString m_filterConditions;
    Bindings m_filterValues;

    RegistryListModel *m_model = nullptr;
    RegistryEditPanel *m_panel = nullptr;
    FilterPageWidget *m_filterContent = nullptr;

    QStackedWidget *m_pages = nullptr;
    QWidget *m_pgPesq = nullptr;
    QWidget *m_pgCad = nullptr;
    QWidget *m_pgFiltro = nullptr;
    QComboBox *m_campoPesq = nullptr;
    QLineEdit *m_vrPesq = nullptr;
    QTableView *m_grid = nullptr;
    QTabBar *m_tabs = nullptr;
    QPushButton *m_filtrar = nullptr;
    QLabel *m_situaFiltro = nullptr;
    QLabel *m_condFiltroCad = nullptr;
};

} // namespace zedera::registry
