// The two small registries whose edit panels do more than show and write their fields.
#include "SimpleRegistries.h"

#include "lookup/Lookups.h"

#include "dialogs/DialogService.h"
#include "widgets/NamedButton.h"
#include "widgets/NumericEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zedera::registry {

CombustPanel::CombustPanel(const RegistryDescriptor &descriptor, const RegistryEnvironment &environment)
    : RegistryEditPanel(descriptor, environment)
{
    QPushButton *pick = namedButton(this, QStringLiteral("b_loc_mat_cad"), QStringLiteral("Localizar material"));
    form()->addRow(QString(), pick);
    connect(pick, &QPushButton::clicked, this, [this] { pickMaterial(); });
}

void CombustPanel::pickMaterial()
{
    TF_Loc_Mat_Almox lookup(*environment().cad, this);
    dialogs().exec(lookup);
    if (lookup.codigoCapturado().isEmpty())
        return;
    auto *code = static_cast<QLineEdit *>(field(QStringLiteral("t_cod_mat_cad")));
    code->setText(lookup.codigoCapturado());
    code->setFocus();
}

void CombustPanel::showMaterial(const QString &code, bool proposePrice)
{
    auto *descr = static_cast<QLineEdit *>(field(QStringLiteral("t_descr_mat_cad")));
    auto *price = static_cast<DecimalEdit *>(field(QStringLiteral("t_vr_compra_cad")));
    // The unit value of the material's latest warehouse entry.
    Query q(*environment().cad,
            QStringLiteral("select mo_vrunit, mt_descricao from movimento_materiais, material where mo_material = :p_cod "
                           "and mo_mov = 'E' and mo_material = mt_codigo order by mo_data"));
    q.bind(QStringLiteral(":p_cod"), code.toLongLong()).exec();
    QString description;
    Decimal last;
    bool any = false;
    while (q.next()) {
        any = true;
        description = q.text(QStringLiteral("mt_descricao"));
        last = q.decimal(QStringLiteral("mo_vrunit"));
    }
    descr->setText(any ? description : QString());
    if (proposePrice)
        price->setValue(any ? last : Decimal());
}

void CombustPanel::fieldEntered(QWidget *entered)
{
    if (entered != field(QStringLiteral("t_vr_compra_cad")))
        return;
    const QString code = value(QStringLiteral("t_cod_mat_cad"));
    if (!code.isEmpty() && code != u"0")
        showMaterial(code, true);
}

void CombustPanel::show(const RegistryRow &row)
{
    RegistryEditPanel::show(row);
    // The material's description is not stored with the fuel; the stored price stays as it is.
    const QString code = row.text(QStringLiteral("tc_material"));
    if (!code.isEmpty() && code != u"0")
        showMaterial(code, false);
}

TabelaPanel::TabelaPanel(const RegistryDescriptor &descriptor, const RegistryEnvironment &environment)
    : RegistryEditPanel(descriptor, environment)
{
    for (auto *b : field(QStringLiteral("t_contr"))->findChildren<QRadioButton *>())
        connect(b, &QRadioButton::toggled, this, [this] { controlChanged(); });
}

void TabelaPanel::controlChanged()
{
    auto *km = static_cast<QLineEdit *>(field(QStringLiteral("t_km")));
    const bool controlled = value(QStringLiteral("t_contr")) == u"S";
    km->setEnabled(controlled);
    if (!controlled)
        km->clear();
}

void TabelaPanel::show(const RegistryRow &row)
{
    RegistryEditPanel::show(row);
    controlChanged();
}

void TabelaPanel::clear()
{
    RegistryEditPanel::clear();
    controlChanged();
}

TF_Cad_Combust::TF_Cad_Combust(const RegistryEnvironment &environment, Opener opener, QWidget *parent)
    : RegistryWindow(describe(), environment, opener, new CombustPanel(describe(), environment), parent)
{
}

TF_Cad_Tabela::TF_Cad_Tabela(const RegistryEnvironment &environment, Opener opener, QWidget *parent)
    : RegistryWindow(describe(), environment, opener, new TabelaPanel(describe(), environment), parent)
{
}

} // namespace zedera::registry
