#pragma once

#include "FilterBuilder.h"

#include "framework/RegistryWindow.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace zedera::registry {

// The filter page `pg_filtro` of a registry window: the column and comparison lists, the
// operator buttons, the value box and the description of the filter being built. In each step
// only the controls that step needs are enabled; the parentheses are always at hand.
class FilterPage : public FilterPageWidget {
    Q_OBJECT
public:
    FilterPage(RegistryWindow &window, QWidget *parent = nullptr);

    void startFilter() override;

    const FilterBuilder &builder() const { return m_builder; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // reiniciar_filtro: empty value box, the base text alone, choose a column.
    void reiniciarFiltro();
    void columnChosen();
    void conditionChosen();
    void acrescentar();
    void andClicked();
    void orClicked();
    void aplicar();
    void showState();
    void showTexts();
    void prepareValueBox();

    RegistryWindow &m_window;
    FilterBuilder m_builder;

    QListWidget *m_campo = nullptr;
    QListWidget *m_condicao = nullptr;
    QPushButton *m_and = nullptr;
    QPushButton *m_or = nullptr;
    QWidget *m_valuePanel = nullptr;
    QLabel *m_vrLabel = nullptr;
    QLineEdit *m_valor = nullptr;
    QPlainTextEdit *m_sql = nullptr;
    QPlainTextEdit *m_descr = nullptr;
};

// Makes every registry window build its filter page with FilterPage. The program calls it once
// at start; tests that open a filter page call it too.
void installFilterPage();

} // namespace zedera::registry
