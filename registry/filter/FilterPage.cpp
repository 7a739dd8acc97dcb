#include "FilterPage.h"

#include "dialogs/DialogService.h"
#include "widgets/FieldRules.h"
#include "widgets/NamedButton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedera::registry {

namespace {

const QString kDigiteInicial = QStringLiteral("Digite.........");
const QString kDigite = QStringLiteral("Digite....");

QListWidget *list(QWidget *parent, const QString &name)
{
    auto *l = new QListWidget(parent);
    l->setObjectName(name);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    return l;
}

} // namespace

FilterPage::FilterPage(RegistryWindow &window, QWidget *parent)
    : FilterPageWidget(parent), m_window(window), m_builder(window.descriptor().filterFields)
{
    setObjectName(QStringLiteral("filtro"));

    m_campo = list(this, QStringLiteral("t_campo_filtro"));
    m_condicao = list(this, QStringLiteral("t_condicao_filtro"));

    auto *operators = new QGroupBox(QStringLiteral("Selecione o operador e clique"), this);
    m_and = namedButton(operators, QStringLiteral("b_and_filtro"), QStringLiteral("E"));
    m_or = namedButton(operators, QStringLiteral("b_or_filtro"), QStringLiteral("OU"));
    auto *open = namedButton(operators, QStringLiteral("b_abrir_aspa_filtro"), QStringLiteral("("));
    open->setToolTip(QStringLiteral("Abrir aspas"));
    auto *close = namedButton(operators, QStringLiteral("b_fechar_aspa_filtro"), QStringLiteral(")"));
    close->setToolTip(QStringLiteral("Fechar aspas"));
    auto *opLayout = new QHBoxLayout(operators);
    for (QPushButton *b : {m_and, m_or, open, close})
        opLayout->addWidget(b);

    m_valuePanel = new QGroupBox(this);
    m_valuePanel->setObjectName(QStringLiteral("pn_vr_filtro"));
    auto *note = new QLabel(
        QStringLiteral("Digite o  Valor do campo selecionado e depois clique no botão ( Montar )"),
        m_valuePanel);
    note->setWordWrap(true);
    m_vrLabel = new QLabel(kDigiteInicial, m_valuePanel);
    m_vrLabel->setObjectName(QStringLiteral("lb_vr_filtro"));
    m_valor = new QLineEdit(m_valuePanel);
    m_valor->setObjectName(QStringLiteral("t_vr_filtro"));
    makeUpperCase(m_valor);
    auto *acrescentar =
        namedButton(m_valuePanel, QStringLiteral("b_acrescentar_filtro"), QStringLiteral("Acrescentar no &Filtro"));
    auto *valueLayout = new QVBoxLayout(m_valuePanel);
    valueLayout->addWidget(note);
    valueLayout->addWidget(m_vrLabel);
    valueLayout->addWidget(m_valor);
    valueLayout->addWidget(acrescentar);

    // The statement is kept beside the description for whoever needs to see what will run; the
    // user reads the description.
    m_sql = new QPlainTextEdit(this);
    m_sql->setObjectName(QStringLiteral("t_sql_filtro"));
    m_sql->setReadOnly(true);
    m_sql->hide();
    m_descr = new QPlainTextEdit(this);
    m_descr->setObjectName(QStringLiteral("t_descr_filtro"));
    m_descr->setReadOnly(true);

    auto *aplicar = namedButton(this, QStringLiteral("b_aplicar_filtro"), QStringLiteral("&Aplicar filtro"));
    auto *novo = namedButton(this, QStringLiteral("b_novo_filtro"), QStringLiteral("&Novo filtro"));
    auto *voltar = namedButton(this, QStringLiteral("b_voltar_filtro"), QStringLiteral("&Voltar para pesquisa"));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Selecione o Campo  e tecle ( F2 )"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Selecione a condição  e tecle ( F2 )"), this), 0, 1);
    grid->addWidget(m_campo, 1, 0, 2, 1);
    grid->addWidget(m_condicao, 1, 1, 2, 1);
    grid->addWidget(operators, 1, 2);
    grid->addWidget(m_valuePanel, 2, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {aplicar, novo, voltar})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("T e x t o   d o   F i l t r o"), this));
    layout->addWidget(m_descr);
    layout->addWidget(m_sql);
    layout->addLayout(buttons);

    for (const FilterField &f : m_builder.fields())
        m_campo->addItem(f.descricao);
    for (const FilterCondition &c : filterConditions())
        m_condicao->addItem(c.descricao);

    m_campo->installEventFilter(this);
    m_condicao->installEventFilter(this);
    m_valor->installEventFilter(this);
    connect(m_campo, &QListWidget::itemDoubleClicked, this, &FilterPage::columnChosen);
    connect(m_condicao, &QListWidget::itemDoubleClicked, this, &FilterPage::conditionChosen);
    connect(acrescentar, &QPushButton::clicked, this, &FilterPage::acrescentar);
    connect(m_and, &QPushButton::clicked, this, &FilterPage::andClicked);
    connect(m_or, &QPushButton::clicked, this, &FilterPage::orClicked);
    connect(open, &QPushButton::clicked, this, [this] {
        m_builder.openParenthesis();
        showTexts();
    });
    connect(close, &QPushButton::clicked, this, [this] {
        m_builder.closeParenthesis();
        showTexts();
    });
    connect(aplicar, &QPushButton::clicked, this, &FilterPage::aplicar);
    connect(novo, &QPushButton::clicked, this, [this] {
        reiniciarFiltro();
        m_vrLabel->setText(kDigite);
    });
    connect(voltar, &QPushButton::clicked, this, [this] { m_window.showSearchPage(); });

    m_builder.reiniciar();
    showTexts();
    showState();
}

void FilterPage::startFilter()
{
    reiniciarFiltro();
}

void FilterPage::reiniciarFiltro()
{
    m_valor->clear();
    m_valor->setInputMask({});
    m_valor->setMaxLength(32767);
    m_builder.reiniciar();
    showTexts();
    showState();
    m_campo->setCurrentRow(0);
    m_campo->setFocus();
}

void FilterPage::showTexts()
{
    m_sql->setPlainText(m_window.descriptor().statements.filterBase + m_builder.conditions());
    m_descr->setPlainText(m_builder.description());
}

void FilterPage::showState()
{
    using State = FilterBuilder::State;
    const State s = m_builder.state();
    m_campo->setEnabled(s == State::ChooseColumn);
    m_condicao->setEnabled(s == State::ChooseCondition);
    m_valuePanel->setEnabled(s == State::TypeValue);
    m_and->setEnabled(s == State::ChooseOperator);
    m_or->setEnabled(m_builder.orAllowed());
}

void FilterPage::prepareValueBox()
{
    const FilterField &f = m_builder.fields().at(m_builder.currentField());
    m_valor->setInputMask(f.mascara);
    if (f.tamanho > 0)
        m_valor->setMaxLength(f.tamanho);
    m_valor->clear();
    m_valor->setFocus();
}

void FilterPage::columnChosen()
{
    if (!m_builder.chooseColumn(m_campo->currentRow()))
        return;
    showTexts();
    showState();
    m_condicao->setCurrentRow(0);
    m_condicao->setFocus();
}

void FilterPage::conditionChosen()
{
    if (!m_builder.chooseCondition(m_condicao->currentRow()))
        return;
    showTexts();
    showState();
    prepareValueBox();
}

void FilterPage::acrescentar()
{
    const FilterBuilder::ValueCheck check = m_builder.addValue(m_valor->text());
    if (!check.accepted) {
        if (check.text != m_valor->text())
            m_valor->setText(check.text);
        if (!check.message.isEmpty())
            dialogs().information(check.message, m_window.titulo());
        m_valor->setFocus();
        return;
    }
    m_valor->clear();
    m_valor->setInputMask({});
    m_vrLabel->setText(kDigite);
    showTexts();
    showState();
    m_and->setFocus();
}

void FilterPage::andClicked()
{
    if (!m_builder.andOperator())
        return;
    showTexts();
    showState();
    if (m_builder.state() == FilterBuilder::State::TypeValue) {
        m_condicao->setCurrentRow(0);
        prepareValueBox();
    } else {
        m_campo->setFocus();
    }
}

void FilterPage::orClicked()
{
    if (!m_builder.orOperator())
        return;
    showTexts();
    showState();
    m_campo->setFocus();
}

void FilterPage::aplicar()
{
    const auto outcome = m_window.applyFilter(m_builder.conditions(), m_builder.values());
    if (outcome == RegistryWindow::FilterOutcome::Applied)
        return;
    reiniciarFiltro();
}

bool FilterPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_valor && event->type() == QEvent::FocusIn && m_builder.currentField() >= 0) {
        m_vrLabel->setText(m_builder.fields().at(m_builder.currentField()).ajuda);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == m_campo && (key == Qt::Key_F2 || enter)) {
            columnChosen();
            return true;
        }
        if (watched == m_condicao && (key == Qt::Key_F2 || enter)) {
            conditionChosen();
            return true;
        }
        if (watched == m_valor && enter) {
            acrescentar();
            return true;
        }
    }
    return FilterPageWidget::eventFilter(watched, event);
}

void installFilterPage()
{
    RegistryWindow::setFilterPageFactory(
        [](RegistryWindow &window, QWidget *page) -> FilterPageWidget * { return new FilterPage(window, page); });
}

} // namespace zedera::registry
