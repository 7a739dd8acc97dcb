#include "LookupDialog.h"

#include "U_Funcoes.h"

#include "dialogs/DialogService.h"
#include "widgets/FieldRules.h"
#include "widgets/NamedButton.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QVBoxLayout>

#include <optional>

namespace zedera::registry {

namespace {

// The lookups' search messages carry no caption.
const QString kNoCaption = QStringLiteral("");

QLabel *strip(QWidget *parent, const QString &text, bool bold)
{
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 2);
        l->setFont(f);
    }
    return l;
}

// How Localizar compares a row with the typed value.
struct Search {
    QStringList columns;
    bool bareCode = false;   // C: compare letters and digits only
    QString text;            // C: the beginning the column must have, upper case
    QList<qint64> numbers;   // otherwise: the values the columns must equal, in order
};

QString bare(const QString &text)
{
    QString out;
    for (QChar c : text)
        if (c.isLetterOrNumber())
            out += c;
    return out;
}

// Reads the typed value for a field row; nullopt when it does not suit the row's type. A code
// typed through a mask with two columns ("12345.00001") gives one number per column; a missing
// sub-part leaves its column free.
std::optional<Search> searchFor(const FilterField &field, const QString &typed)
{
    Search s;
    s.columns = field.campo.trimmed().split(u';');
    if (field.tipo == u'C') {
        // A masked code is compared by its letters and digits, so that what was typed through the
        // mask ("01.02.") finds the code however it is kept ("01.02.03" or "010203").
        s.bareCode = !field.mascara.isEmpty();
        s.text = (s.bareCode ? bare(typed) : typed).toUpper();
        return s;
    }
    static const QRegularExpression whole(QStringLiteral("^[+-]?\\d+$"));
    QStringList parts = s.columns.size() > 1 ? typed.split(QRegularExpression(QStringLiteral("[^0-9+-]")))
                                             : QStringList{typed.trimmed()};
    for (QString &p : parts)
        p = p.trimmed();
    while (parts.size() > 1 && parts.back().isEmpty())
        parts.removeLast();
    if (parts.size() > s.columns.size())
        return std::nullopt;
    for (const QString &p : parts) {
        bool ok = false;
        const qint64 n = p.toLongLong(&ok);
        if (!whole.match(p).hasMatch() || !ok)
            return std::nullopt;
        s.numbers << n;
    }
    return s;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// LookupBase

LookupBase::LookupBase(Connection &connection, QList<GridColumn> columns, QStringList returns, QWidget *parent)
    : QDialog(parent), m_connection(connection), m_returns(std::move(returns))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_model = new LookupModel(std::move(columns), this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("Lista"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < m_model->columns().size(); ++i)
        if (m_model->columns().at(i).width > 0)
            m_grid->setColumnWidth(i, m_model->columns().at(i).width);
    connect(m_grid, &QTableView::doubleClicked, this, [this] { pick(); });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { titleClicked(section); });
}

int LookupBase::currentRow() const
{
    const QModelIndex i = m_grid->currentIndex();
    return i.isValid() ? i.row() : -1;
}

bool LookupBase::openList(const QString &sql, const Bindings &bindings)
{
    try {
        m_model->open(m_connection, sql, bindings);
    } catch (const DbError &e) {
        dialogs().error(e.message());
        return false;
    }
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0, 0));
    return true;
}

void LookupBase::showRow(int row)
{
    const QModelIndex i = m_model->index(row, std::max(0, m_grid->currentIndex().column()));
    m_grid->setCurrentIndex(i);
    m_grid->scrollTo(i, QAbstractItemView::PositionAtCenter);
    m_grid->setFocus();
}

void LookupBase::pick()
{
    const int row = currentRow();
    if (row < 0)
        return;
    QStringList values;
    for (const QString &column : m_returns) {
        const QVariant v = m_model->value(row, column);
        values << (v.isNull() ? QString() : v.toString().trimmed());
    }
    m_capturados = values;
    accept();
}

void LookupBase::done(int result)
{
    // The list's cursor is not kept past the window.
    m_model->close();
    QDialog::done(result);
}

void LookupBase::watchKeys()
{
    for (QWidget *w : findChildren<QWidget *>())
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(this);
}

bool LookupBase::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_F2) {
        keyF2();
        return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
        if (watched == m_grid)
            pick();
        else
            focusNextChild();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// LookupDialog

LookupDialog::LookupDialog(LookupDescriptor descriptor, Connection &connection, QWidget *parent)
    : LookupBase(connection, descriptor.columns, descriptor.returns, parent), m_descriptor(std::move(descriptor))
{
    setObjectName(m_descriptor.className);
    setWindowTitle(m_descriptor.caption);
    resize(620, 440);

    auto *panel = new QWidget(this);
    auto *pesquisar = new QLabel(QStringLiteral("Pesquisar"), panel);
    m_campo = new QComboBox(panel);
    m_campo->setObjectName(QStringLiteral("t_campo"));
    m_valorLabel = new QLabel(QStringLiteral("Digite............"), panel);
    m_valorLabel->setObjectName(QStringLiteral("lb_valor_pesq"));
    m_valor = new QLineEdit(panel);
    m_valor->setObjectName(QStringLiteral("t_valor_pesq"));
    makeUpperCase(m_valor);
    auto *localizarButton = namedButton(panel, QStringLiteral("b_localizar"), QStringLiteral("&Localizar"));
    auto *sair = namedButton(this, QStringLiteral("b_sair"), QStringLiteral("&Sair"));

    auto *search = new QHBoxLayout(panel);
    search->addWidget(pesquisar);
    search->addWidget(m_campo, 1);
    search->addWidget(m_valorLabel);
    search->addWidget(m_valor, 2);
    search->addWidget(localizarButton);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(sair);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(strip(this, m_descriptor.title, true));
    layout->addWidget(strip(this, m_descriptor.help, false));
    layout->addWidget(panel);
    layout->addWidget(grid(), 1);
    layout->addLayout(bottom);

    connect(localizarButton, &QPushButton::clicked, this, &LookupDialog::localizar);
    connect(sair, &QPushButton::clicked, this, &QDialog::reject);

    for (const FilterField &f : m_descriptor.fields)
        m_campo->addItem(f.descricao.trimmed());
    const FilterField &standard = m_descriptor.fields.at(m_descriptor.defaultField);
    reopen(m_descriptor.initialOrder.isEmpty() ? standard.campo : m_descriptor.initialOrder);
    m_campo->setCurrentIndex(m_descriptor.defaultField);
    connect(m_campo, &QComboBox::currentIndexChanged, this, &LookupDialog::campoChanged);
    setTabOrder(m_campo, m_valor);
    setTabOrder(m_valor, localizarButton);
    setTabOrder(localizarButton, grid());
    setTabOrder(grid(), sair);
    watchKeys();
    m_campo->setFocus();
}

void LookupDialog::reopen(const QString &order)
{
    // "a;b" orders by both columns.
    m_ordem = TrocarCaractere(order.trimmed(), QStringLiteral(";"), QStringLiteral(","));
    openList(m_descriptor.base + m_ordem, m_descriptor.bindings);
}

void LookupDialog::campoChanged(int index)
{
    if (index < 0 || index >= m_descriptor.fields.size())
        return;
    const FilterField &f = m_descriptor.fields.at(index);
    m_valorLabel->setText(f.ajuda);
    m_valor->clear();
    m_valor->setInputMask(f.mascara);
    m_valor->setMaxLength(f.tamanho > 0 ? f.tamanho : 32767);
    reopen(f.campo);
}

void LookupDialog::titleClicked(int section)
{
    if (section >= 0 && section < m_descriptor.columns.size())
        reopen(m_descriptor.columns.at(section).field);
}

void LookupDialog::keyF2()
{
    m_campo->setFocus();
}

void LookupDialog::localizar()
{
    const int index = std::max(0, m_campo->currentIndex());
    const FilterField &field = m_descriptor.fields.at(index);
    const std::optional<Search> search = searchFor(field, m_valor->text());
    if (!search) {
        dialogs().information(QStringLiteral("Valor da pesquisa é inválido referente ao campo escolhido"),
                              kNoCaption);
        return;
    }

    QList<int> columns;
    for (const QString &c : search->columns)
        columns << model().resultColumn(c.trimmed());
    int found = -1;
    if (!columns.contains(-1)) {
        if (field.tipo == u'C') {
            const int column = columns.first();
            found = model().findFirst([&](const LookupModel &m, int row) {
                const QVariant v = m.value(row, column);
                if (v.isNull())
                    return false;
                const QString cell = v.toString();
                return (search->bareCode ? bare(cell) : cell).toUpper().startsWith(search->text);
            });
        } else {
            found = model().findFirst([&](const LookupModel &m, int row) {
                for (qsizetype i = 0; i < search->numbers.size(); ++i) {
                    const QVariant v = m.value(row, columns.at(i));
                    if (v.isNull() || Decimal::fromVariant(v) != Decimal::fromInteger(search->numbers.at(i)))
                        return false;
                }
                return true;
            });
        }
    }
    if (found < 0) {
        dialogs().information(QStringLiteral("Nenhum registro foi localizado com o valor fornecido."), kNoCaption);
        m_valor->setFocus();
        return;
    }
    m_valor->clear();
    showRow(found);
}

} // namespace zedera::registry
