#include "TF_Loc_SE.h"

#include "dialogs/DialogService.h"
#include "format/Format.h"
#include "widgets/FieldRules.h"
#include "widgets/NamedButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zedera::registry {

namespace {

const QString kItens = QStringLiteral("select ise_ano, ise_num, ise_seq, ise_material, mt_descricao, ise_quant \n"
                                      "from itens_solicitacao_entrada, material where ise_ano = :p_ano and \n"
                                      "ise_num = :p_num and ise_material = mt_codigo order by ");

QList<GridColumn> itemColumns()
{
    return {
        {QStringLiteral("Item"), QStringLiteral("ise_seq"), 50, {}, true},
        {QStringLiteral("Material"), QStringLiteral("ise_material"), 70, {}, true},
        {QStringLiteral("Descrição do material"), QStringLiteral("mt_descricao"), 330, {}, false},
        {QStringLiteral("Quantidade"), QStringLiteral("ise_quant"), 100,
         [](const QVariant &v) {
             return v.isNull() ? QString() : formatNumber(QStringLiteral(",#0.00"), Decimal::fromVariant(v));
         },
         true},
    };
}

} // namespace

TF_Loc_SE::TF_Loc_SE(Connection &connection, QWidget *parent)
    : LookupBase(connection, itemColumns(),
                 {QStringLiteral("ise_ano"), QStringLiteral("ise_num"), QStringLiteral("ise_seq"),
                  QStringLiteral("ise_material"), QStringLiteral("ise_quant")},
                 parent)
{
    setObjectName(QStringLiteral("TF_Loc_SE"));
    setWindowTitle(QStringLiteral("G.K - Localizar Solicitação de materiais"));
    resize(620, 400);

    m_ano = new QLineEdit(this);
    m_ano->setObjectName(QStringLiteral("t_ano"));
    makeDigitsOnly(m_ano, 4);
    m_nro = new QLineEdit(this);
    m_nro->setObjectName(QStringLiteral("t_nro"));
    makeDigitsOnly(m_nro, 6);
    auto *localizarButton = namedButton(this, QStringLiteral("b_localizar"), QStringLiteral("&Localizar"));
    auto *sair = namedButton(this, QStringLiteral("b_sair"), QStringLiteral("&Sair"));

    auto *search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("Ano"), this));
    search->addWidget(m_ano);
    search->addWidget(new QLabel(QStringLiteral("Número"), this));
    search->addWidget(m_nro);
    search->addWidget(localizarButton);
    search->addStretch();
    auto *help = new QLabel(QStringLiteral("ENTER -> Captura o registro selecionado na lista"), this);
    help->setAlignment(Qt::AlignCenter);
    help->setFrameShape(QFrame::Panel);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(sair);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addLayout(search);
    layout->addWidget(grid(), 1);
    layout->addLayout(bottom);

    connect(localizarButton, &QPushButton::clicked, this, &TF_Loc_SE::localizar);
    connect(sair, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(m_ano, m_nro);
    setTabOrder(m_nro, localizarButton);
    setTabOrder(localizarButton, grid());
    setTabOrder(grid(), sair);
    watchKeys();
    m_ano->setFocus();
}

std::optional<ItemSolicitacao> TF_Loc_SE::itemCapturado() const
{
    const QStringList &v = valoresCapturados();
    if (v.size() < 5)
        return std::nullopt;
    ItemSolicitacao item;
    item.ano = v.at(0).toInt();
    item.numero = v.at(1).toInt();
    item.item = v.at(2).toInt();
    item.material = v.at(3).toInt();
    item.quantidade = Decimal::parse(v.at(4)).value_or(Decimal());
    return item;
}

void TF_Loc_SE::localizar()
{
    const QString ano = m_ano->text().trimmed();
    const QString nro = m_nro->text().trimmed();
    QString refusal;
    QLineEdit *field = nullptr;
    if (ano.isEmpty()) {
        refusal = QStringLiteral("Ano deve ser informado.");
        field = m_ano;
    } else if (ano.size() != 4) {
        refusal = QStringLiteral("Ano deve ser quatro digitos.");
        field = m_ano;
    } else if (nro.isEmpty()) {
        refusal = QStringLiteral("Número deve ser informado.");
        field = m_nro;
    }
    if (field) {
        dialogs().information(refusal);
        field->setFocus();
        return;
    }

    m_anoListado = ano.toInt();
    m_nroListado = nro.toInt();
    m_listado = true;
    if (!listItems(QStringLiteral("ise_seq")))
        return;
    if (model().rowCount() == 0) {
        dialogs().information(QStringLiteral("Nenhuma solicitação encontrada com estas informações."));
        m_nro->setFocus();
        return;
    }
    showRow(0);
}

bool TF_Loc_SE::listItems(const QString &order)
{
    return openList(kItens + order, {{QStringLiteral(":p_ano"), m_anoListado}, {QStringLiteral(":p_num"), m_nroListado}});
}

void TF_Loc_SE::titleClicked(int section)
{
    if (m_listado && section >= 0 && section < model().columns().size())
        listItems(model().columns().at(section).field);
}

} // namespace zedera::registry
