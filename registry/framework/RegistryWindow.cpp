#include "RegistryWindow.h"

#include "RegistryEditPanel.h"
#include "RegistryListModel.h"

#include "dialogs/DialogService.h"
#include "widgets/NamedButton.h"
#include "filter/FilterPage.h"
#include "widgets/FieldRules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

namespace zedera::registry {

namespace {

FilterPageFactory &filterFactory()
{
    static FilterPageFactory factory;
    return factory;
}

QLabel *header(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    l->setFont(f);
    return l;
}

// Letter tabs in the order of the keyboard the program was made for.
QStringList letterTabs()
{
    QStringList tabs{QStringLiteral("*")};
    for (char c = 'A'; c <= 'V'; ++c)
        tabs << QString(QChar(c));
    tabs << QStringLiteral("X") << QStringLiteral("Y") << QStringLiteral("W") << QStringLiteral("Z");
    for (char c = '0'; c <= '9'; ++c)
        tabs << QString(QChar(c));
    return tabs;
}

} // namespace

void RegistryWindow::setFilterPageFactory(FilterPageFactory factory)
{
    filterFactory() = std::move(factory);
}

RegistryWindow::RegistryWindow(RegistryDescriptor descriptor, const RegistryEnvironment &environment, Opener opener,
                               RegistryEditPanel *panel, QWidget *parent)
    : QDialog(parent), m_descriptor(std::move(descriptor)), m_env(environment), m_opener(opener)
{
    setObjectName(m_descriptor.className);
    setWindowTitle(m_descriptor.caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    resize(676, 427);

    m_model = new RegistryListModel(m_descriptor.columns, this);
    m_panel = panel ? panel : new RegistryEditPanel(m_descriptor, m_env);

    auto *layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pg_princ"));
    layout->addWidget(m_pages);
    m_pgPesq = new QWidget;
    m_pgPesq->setObjectName(QStringLiteral("pg_pesq"));
    m_pgCad = new QWidget;
    m_pgCad->setObjectName(QStringLiteral("pg_cad"));
    m_pgFiltro = new QWidget;
    m_pgFiltro->setObjectName(QStringLiteral("pg_filtro"));
    m_pages->addWidget(m_pgPesq);
    m_pages->addWidget(m_pgCad);
    m_pages->addWidget(m_pgFiltro);
    buildSearchPage(m_pgPesq);
    buildEditPage(m_pgCad);
    new QVBoxLayout(m_pgFiltro);
    // Every registry has the filter builder unless a test put something else in its place.
    if (!filterFactory())
        installFilterPage();
    if (filterFactory()) {
        m_filterContent = filterFactory()(*this, m_pgFiltro);
        if (m_filterContent)
            m_pgFiltro->layout()->addWidget(m_filterContent);
    }

    installKeyPreview(m_pgPesq);
    installKeyPreview(m_pgCad);

    // Opening: nothing captured yet, the search page, the whole list ordered by the default
    // search item's column.
    m_codigoCapturado.clear();
    m_pages->setCurrentWidget(m_pgPesq);
    m_modoLista = u'N';
    m_campoOrdem = m_descriptor.initialOrder;
    guarded([this] {
        m_campoPesq->blockSignals(true);
        for (const SearchItem &item : m_descriptor.searchItems)
            m_campoPesq->addItem(item.label);
        m_campoPesq->setCurrentIndex(m_descriptor.defaultSearchItem);
        m_campoPesq->blockSignals(false);
        searchFieldChanged();
    });
    m_campoPesq->setFocus();
    m_built = true;
}

RegistryWindow::~RegistryWindow() = default;

void RegistryWindow::buildSearchPage(QWidget *page)
{
    auto *v = new QVBoxLayout(page);
    v->addWidget(header(page, QStringLiteral("L I S T A")));

    auto *pn = new QWidget(page);
    pn->setObjectName(QStringLiteral("pn_campo_pesq"));
    auto *h = new QHBoxLayout(pn);
    m_campoPesq = new QComboBox(pn);
    m_campoPesq->setObjectName(QStringLiteral("t_campo_pesq"));
    auto *lbCampo = new QLabel(QStringLiteral("Selecione o &campo a pesquisar"), pn);
    lbCampo->setBuddy(m_campoPesq);
    m_vrPesq = new QLineEdit(pn);
    m_vrPesq->setObjectName(QStringLiteral("t_vr_pesq"));
    makeUpperCase(m_vrPesq);
    auto *lbValor = new QLabel(QStringLiteral("&Digite o valor da pesquisa"), pn);
    lbValor->setBuddy(m_vrPesq);
    auto *bLocalizar = namedButton(pn, QStringLiteral("b_localizar_pesq"), QStringLiteral("&Localizar"));
    h->addWidget(lbCampo);
    h->addWidget(m_campoPesq);
    h->addWidget(lbValor);
    h->addWidget(m_vrPesq, 1);
    h->addWidget(bLocalizar);
    v->addWidget(pn);

    m_grid = new QTableView(page);
    m_grid->setObjectName(m_descriptor.listName);
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setTabKeyNavigation(false);
    for (int i = 0; i < m_descriptor.columns.size(); ++i)
        if (m_descriptor.columns.at(i).width > 0)
            m_grid->setColumnWidth(i, m_descriptor.columns.at(i).width);
    v->addWidget(m_grid, 1);

    m_tabs = new QTabBar(page);
    m_tabs->setObjectName(QStringLiteral("tab_ordem"));
    m_tabs->setShape(QTabBar::TriangularSouth);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    for (const QString &t : letterTabs())
        m_tabs->addTab(t);
    v->addWidget(m_tabs);

    auto *buttons = new QHBoxLayout;
    auto *bExcluir = namedButton(page, QStringLiteral("b_excluir_pesq"), QStringLiteral("&Excluir"));
    m_filtrar = namedButton(page, QStringLiteral("b_filtrar_pesq"), QStringLiteral("&Filtrar - Desativado"));
    auto *bImprimir = namedButton(page, QStringLiteral("b_imprimir_pesq"), QStringLiteral("&Imprimir"));
    auto *bSair = namedButton(page, QStringLiteral("b_sair_pesq"), QStringLiteral("&Sair"));
    m_situaFiltro = new QLabel(QStringLiteral("FILTRO DESATIVADO"), page);
    m_situaFiltro->setObjectName(QStringLiteral("lb_situa_filtro"));
    buttons->addWidget(bExcluir);
    buttons->addWidget(m_filtrar);
    buttons->addWidget(m_situaFiltro);
    buttons->addStretch();
    buttons->addWidget(bImprimir);
    buttons->addWidget(bSair);
    v->addLayout(buttons);
    v->addWidget(new QLabel(
        QStringLiteral("F2 -> Pesquisar   ---   F3 -> Inserir   ---   F4 -> Alterar   ---   ENTER -> Capturar"), page));

    connect(m_campoPesq, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { searchFieldChanged(); }); });
    connect(bLocalizar, &QPushButton::clicked, this, [this] { guarded([this] { localizar(); }); });
    connect(m_tabs, &QTabBar::tabBarClicked, this, [this](int i) { guarded([this, i] { letterChosen(i); }); });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int s) { guarded([this, s] { titleClicked(s); }); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { mostrar_registro(); });
    connect(bExcluir, &QPushButton::clicked, this, [this] { guarded([this] { excluir(true); }); });
    connect(m_filtrar, &QPushButton::clicked, this, [this] { guarded([this] { filterButton(); }); });
    connect(bImprimir, &QPushButton::clicked, this, [this] { guarded([this] { imprimir(); }); });
    connect(bSair, &QPushButton::clicked, this, &QDialog::reject);
}

void RegistryWindow::buildEditPage(QWidget *page)
{
    auto *v = new QVBoxLayout(page);
    auto *top = new QHBoxLayout;
    top->addWidget(header(page, QStringLiteral("M a n u t e n ç ã o   d o s   D a d o s")), 1);
    m_condFiltroCad = new QLabel(QStringLiteral("FILTRO DESATIVADO"), page);
    m_condFiltroCad->setObjectName(QStringLiteral("lb_cond_filtro_cad"));
    top->addWidget(m_condFiltroCad);
    v->addLayout(top);

    auto *nav = new QHBoxLayout;
    auto *bPrimeiro = namedButton(page, QStringLiteral("b_primeiro_cad"), QStringLiteral("&Primeiro"));
    auto *bAnterior = namedButton(page, QStringLiteral("b_anterior_cad"), QStringLiteral("A&nterior"));
    auto *bProximo = namedButton(page, QStringLiteral("b_proximo_cad"), QStringLiteral("Pró&ximo"));
    auto *bUltimo = namedButton(page, QStringLiteral("b_ultimo_cad"), QStringLiteral("Úl&timo"));
    for (auto *b : {bPrimeiro, bAnterior, bProximo, bUltimo})
        nav->addWidget(b);
    nav->addStretch();
    v->addLayout(nav);

    m_panel->setParent(page);
    v->addWidget(m_panel, 1);

    auto *buttons = new QHBoxLayout;
    auto *bGravar = namedButton(page, QStringLiteral("b_gravar_cad"), QStringLiteral("&Gravar"));
    auto *bAlterar = namedButton(page, QStringLiteral("b_alterar_cad"), QStringLiteral("&Alterar"));
    auto *bExcluir = namedButton(page, QStringLiteral("b_excluir_cad"), QStringLiteral("&Excluir"));
    auto *bCancelar = namedButton(page, QStringLiteral("b_cancelar_cad"), QStringLiteral("&Cancelar"));
    auto *bVoltar = namedButton(page, QStringLiteral("b_voltar_cad"), QStringLiteral("&Voltar para pesquisa"));
    for (auto *b : {bGravar, bAlterar, bExcluir, bCancelar, bVoltar})
        buttons->addWidget(b);
    v->addLayout(buttons);
    v->addWidget(new QLabel(QStringLiteral("F3 -> Inserir   ---   F4 -> Alterar"), page));

    connect(bPrimeiro, &QPushButton::clicked, this, [this] { navigate(-2); });
    connect(bAnterior, &QPushButton::clicked, this, [this] { navigate(-1); });
    connect(bProximo, &QPushButton::clicked, this, [this] { navigate(1); });
    connect(bUltimo, &QPushButton::clicked, this, [this] { navigate(2); });
    connect(bGravar, &QPushButton::clicked, this, [this] { guarded([this] { gravar(); }); });
    connect(bAlterar, &QPushButton::clicked, this, [this] { guarded([this] { alterar(); }); });
    connect(bExcluir, &QPushButton::clicked, this, [this] { guarded([this] { excluir(false); }); });
    connect(bCancelar, &QPushButton::clicked, this, [this] { cancelar(); });
    connect(bVoltar, &QPushButton::clicked, this, [this] {
        m_pages->setCurrentWidget(m_pgPesq);
        m_grid->setFocus();
    });
}

void RegistryWindow::installKeyPreview(QWidget *root)
{
    root->installEventFilter(this);
    for (QWidget *w : root->findChildren<QWidget *>())
        w->installEventFilter(this);
}

bool RegistryWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        if (handleKey(qobject_cast<QWidget *>(watched), static_cast<QKeyEvent *>(event)))
            return true;
    } else if (event->type() == QEvent::FocusIn && m_built) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && m_descriptor.codeTypedFields.contains(w->objectName()) && m_modo == u'I')
            guarded([this] { codeTyped(); });
        if (w && m_panel->isAncestorOf(w)) {
            QWidget *field = w;
            while (field && field->parentWidget() != m_panel && field != m_panel)
                field = field->parentWidget();
            if (field && field != m_panel)
                guarded([this, field] { m_panel->fieldEntered(field); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RegistryWindow::keyPressEvent(QKeyEvent *event)
{
    if (handleKey(focusWidget(), event))
        return;
    QDialog::keyPressEvent(event);
}

bool RegistryWindow::handleKey(QWidget *target, QKeyEvent *event)
{
    QWidget *page = m_pages->currentWidget();
    if (page == m_pgFiltro)
        return false;
    // A button that the mode just disabled leaves the focus nowhere; the keys still work.
    if (!target || !isAncestorOf(target))
        target = page;
    const int key = event->key();
    const bool inGrid = target == m_grid || m_grid->isAncestorOf(target);

    if (key == Qt::Key_F2 && page == m_pgPesq) {
        guarded([this] {
            m_vrPesq->clear();
            m_campoPesq->setFocus();
            searchFieldChanged();
        });
        return true;
    }
    if (key == Qt::Key_F3) {
        m_pages->setCurrentWidget(m_pgCad);
        startInsert();
        return true;
    }
    if (key == Qt::Key_F4) {
        if (page == m_pgPesq && !inGrid) {
            dialogs().information(QStringLiteral("Selecione o registro na lista primeiro."), titulo());
            return true;
        }
        startAlter(inGrid ? m_grid : m_pgCad);
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;

    if (inGrid) {
        if (m_model->rowCount() == 0) {
            dialogs().information(QStringLiteral("Não existe registros para capturar."), titulo());
            return true;
        }
        if (capturing()) {
            captureRow();
            return true;
        }
        // Enter walks the grid's columns, from the last back to the first.
        const QModelIndex current = m_grid->currentIndex();
        const int row = current.isValid() ? current.row() : 0;
        const int column = current.isValid() ? (current.column() + 1) % m_model->columnCount() : 0;
        m_grid->setCurrentIndex(m_model->index(row, column));
        return true;
    }
    if (qobject_cast<QPlainTextEdit *>(target) || qobject_cast<QTextEdit *>(target))
        return false;
    focusNextChild();
    return true;
}

} // namespace zedera::registry
