#include "VehicleTestKit.h"

#include "framework/RegistryListModel.h"
#include "widgets/NumericEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableView>

namespace zedera::fleet::testing {

using namespace zedera::registry;
using namespace zedera::registry::testing;

void seed(RegistryFixture &f)
{
    f.exec(u"insert into vkl_tipo_veic values(1, 'CAMINHAO', 'K')"_qs);
    f.exec(u"insert into vkl_tipo_combust values(1, 'DIESEL', 0, 0)"_qs);
    f.exec(u"insert into vkl_motoristas values(1, 'JOAO DA SILVA', 'JOAO', '01')"_qs);
    f.exec(u"insert into vkl_motoristas values(2, 'PEDRO', 'PEDRO', '01')"_qs);
    f.exec(u"insert into setores (st_exerc, st_cod, st_nome) values(2026, '01.02.03', 'OBRAS')"_qs);
    f.exec(u"insert into setores (st_exerc, st_cod, st_nome) values(2025, '01.02.03', 'OBRAS 2025')"_qs);
    f.exec(u"insert into proj_almoxarifado (pra_proj, pra_sproj, pra_descr) values(0, 0, 'SEM PROJETO')"_qs);
    f.exec(u"insert into proj_almoxarifado (pra_proj, pra_sproj, pra_descr) values(5, 2, 'ESTRADAS')"_qs);
}

void addVehicle(RegistryFixture &f, int cod, const QString &nro, const QVariantHash &changes)
{
    QVariantHash v{{u"ve_cod"_qs, cod},           {u"ve_nro"_qs, nro},
                   {u"ve_modelo"_qs, u"MODELO %1"_qs.arg(cod)},
                   {u"ve_tipo_combust"_qs, 1},    {u"ve_tipo_veic"_qs, 1},
                   {u"ve_capac_tanque"_qs, 50},   {u"ve_motorista_padrao"_qs, 1},
                   {u"ve_ano_setor"_qs, 2026},    {u"ve_setor"_qs, u"01.02.03"_qs},
                   {u"ve_proj"_qs, 0},            {u"ve_sproj"_qs, 0},
                   {u"ve_mes_licenc"_qs, u"00"_qs}, {u"ve_declaravel"_qs, u"S"_qs},
                   {u"ve_baixa"_qs, u"00"_qs},    {u"ve_pertence"_qs, u"01"_qs},
                   {u"ve_contr_km"_qs, u"S"_qs},  {u"ve_km_virada"_qs, 999999},
                   {u"ve_km_atual"_qs, 1000},     {u"ve_cad_atual"_qs, u"0"_qs}};
    for (auto it = changes.begin(); it != changes.end(); ++it)
        v.insert(it.key(), it.value());
    const QStringList columns = v.keys();
    QStringList params;
    for (const QString &c : columns)
        params << u':' + c;
    Query q(*f.cad, u"insert into vkl_veiculos (%1) values (%2)"_qs.arg(columns.join(u", "), params.join(u", ")));
    for (const QString &c : columns)
        q.bind(u':' + c, v.value(c));
    q.exec();
}

// Sets a field of the edit page as the user leaves it.
void set(QWidget &w, const QString &name, const QString &value)
{
    QWidget *field = child<QWidget>(w, name);
    if (auto *c = qobject_cast<QComboBox *>(field))
        c->setCurrentIndex(c->findText(value));
    else if (auto *i = qobject_cast<IntegerEdit *>(field))
        value.isEmpty() ? i->clear() : i->setValue(value.toLongLong());
    else if (auto *d = qobject_cast<DecimalEdit *>(field))
        d->setValue(Decimal::parse(value).value_or(Decimal()));
    else if (auto *t = qobject_cast<QPlainTextEdit *>(field))
        t->setPlainText(value);
    else
        qobject_cast<QLineEdit *>(field)->setText(value);
}

QString text(const QWidget &w, const QString &name)
{
    QWidget *field = child<QWidget>(w, name);
    if (auto *c = qobject_cast<QComboBox *>(field))
        return c->currentText();
    return qobject_cast<QLineEdit *>(field)->text();
}

QString focused()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void focusRow(TF_Cad_Veic &w, int row)
{
    auto *grid = child<QTableView>(w, u"Lista_Veic"_qs);
    grid->setFocus();
    grid->setCurrentIndex(w.listModel().index(row, 0));
}

} // namespace zedera::fleet::testing
