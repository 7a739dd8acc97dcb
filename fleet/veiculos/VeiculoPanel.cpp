#include "VeiculoPanel.h"

#include "TF_Cad_Veic.h"

#include "dialogs/DialogService.h"
#include "format/Format.h"
#include "widgets/DateEdit.h"
#include "widgets/FieldRules.h"
#include "widgets/NumericEdit.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace zedera::fleet {

using namespace zedera::registry;

namespace {

constexpr int kDescrBaixaMax = 200;

QLineEdit *description(QWidget *parent, const QString &name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QString firstChars(const QComboBox *combo, int n)
{
    return combo->currentText().left(n);
}

} // namespace

bool movedOn(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

namespace {

qint64 integerOf(const QString &text)
{
    return text.trimmed().toLongLong();
}

} // namespace

VeiculoPanel::VeiculoPanel(const RegistryDescriptor &descriptor, const RegistryEnvironment &environment,
                           QWidget *parent)
    : RegistryEditPanel(descriptor, environment, parent)
{
    build();
    clear();
}

void VeiculoPanel::build()
{
    // The code is allocated, never typed; whatever gives it the focus gives it to the number.
    QLineEdit *code = codeEdit();
    code->setReadOnly(true);
    code->setFocusPolicy(Qt::NoFocus);

    auto *area = new QWidget(this);
    static_cast<QFormLayout *>(layout())->addRow(area);
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0, col = 0;
    // One label and its controls per cell, three cells a row; `span` cells for wide fields.
    auto place = [&](const QString &label, QList<QWidget *> widgets, int span = 1) {
        if (col + span > 3)
            ++row, col = 0;
        auto *cell = new QHBoxLayout;
        for (QWidget *w : widgets)
            cell->addWidget(w, w->objectName().startsWith(u"t_descr") || w->objectName().startsWith(u"t_nome") ? 2 : 1);
        grid->addWidget(new QLabel(label, area), row, col * 2);
        grid->addLayout(cell, row, col * 2 + 1, 1, span * 2 - 1);
        col += span;
    };
    auto text = [&](const char *name, int length) {
        auto *e = new QLineEdit(area);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(length);
        makeUpperCase(e);
        return e;
    };
    auto integer = [&](const char *name, const char *mask) {
        auto *e = new IntegerEdit(area);
        e->setObjectName(QString::fromLatin1(name));
        e->setDisplayFormat(QString::fromLatin1(mask));
        return e;
    };
    auto decimal = [&](const char *name, const QString &mask) {
        auto *e = new DecimalEdit(area);
        e->setObjectName(QString::fromLatin1(name));
        e->setDisplayFormat(mask);
        return e;
    };
    auto picker = [&](const char *name) {
        auto *e = new PickerEdit(area);
        e->setObjectName(QString::fromLatin1(name));
        e->setDigitsOnly(true);
        e->setMaxLength(6);
        const QString field = e->objectName();
        connect(e, &PickerEdit::pickRequested, this, [this, field] { pick(field); });
        return e;
    };
    auto combo = [&](const char *name, const QStringList &items) {
        auto *c = new QComboBox(area);
        c->setObjectName(QString::fromLatin1(name));
        c->addItems(items);
        return c;
    };
    auto date = [&](const char *name) {
        auto *d = new DateEdit(area);
        d->setObjectName(QString::fromLatin1(name));
        return d;
    };
    const QStringList simNao{QStringLiteral("SIM"), QStringLiteral("NÃO")};

    // Created in the order the Enter key and the tab walk them.
    place(QStringLiteral("Número"), {m_nro = text("t_nro", 7)});
    code->setFocusProxy(m_nro);
    place(QStringLiteral("Modelo"), {m_modelo = text("t_modelo", 40)});
    place(QStringLiteral("Marca"), {m_marca = text("t_marca", 30)});
    place(QStringLiteral("Ano Fabr."), {m_anoFabr = integer("t_ano_fabr", "0")});
    place(QStringLiteral("Ano Mod."), {m_anoMod = integer("t_ano_mod", "0")});
    place(QStringLiteral("Tipo de veículo"),
          {m_tipoVeic = picker("t_tipo_veic"), m_descrTipoVeic = description(area, QStringLiteral("t_descr_tipo_veic"))});
    place(QStringLiteral("Combustível"), {m_tipoCombust = picker("t_tipo_combust"),
                                          m_descrTipoCombust = description(area, QStringLiteral("t_descr_tipo_combust"))});
    place(QStringLiteral("Nº do chassi"), {m_nroChassi = text("t_nro_chassi", 40)});
    m_letraPlaca = text("t_letra_placa", 4);
    m_nroPlaca = integer("t_nro_placa", "0000");
    m_nroPlaca->setAllowNegative(false);
    m_nroPlaca->setMaxLength(4);
    place(QStringLiteral("Placa do veículo"), {m_letraPlaca, m_nroPlaca});
    place(QStringLiteral("Mês Licenciamento"), {m_mesLicenc = combo("t_mes_licenc", TF_Cad_Veic::mesesLicenc())});
    place(QStringLiteral("Lotação"), {m_lotacao = integer("t_lotacao", "0")});
    place(QStringLiteral("Veloc. Min."), {m_velocMin = integer("t_veloc_min", "0")});
    place(QStringLiteral("Veloc. Max."), {m_velocMax = integer("t_veloc_max", "0")});
    place(QStringLiteral("Km Min."), {m_kmMin = integer("t_km_min", "0")});
    place(QStringLiteral("Km. Max."), {m_kmMax = integer("t_km_max", "0")});
    place(QStringLiteral("Cap. tanque"), {m_capacTanque = integer("t_capac_tanque", "###,###,###0")});
    place(QStringLiteral("Consumo Min."), {m_consMin = decimal("t_cons_min", QStringLiteral(",0.00;-,0.00"))});
    place(QStringLiteral("Consumo Max."), {m_consMax = decimal("t_cons_max", QStringLiteral(",0.00;-,0.00"))});
    place(QStringLiteral("Data aquis."), {m_dtAquis = date("t_dt_aquis")});
    place(QStringLiteral("Km aquis."), {m_kmAquis = integer("t_km_aquis", "###,###,###,###0")});
    place(QStringLiteral("Km ultimo movto"), {m_kmAtual = integer("t_km_atual", "###,###,###,###0")});
    place(QStringLiteral("Estado conserv."), {m_estado = decimal("t_estado", QStringLiteral("% ,0.00;-% ,0.00"))});
    place(QStringLiteral("Placa Patrimônio"), {m_placaPatrim = text("t_placa_patrim", 12)});
    m_setor = new PickerEdit(area);
    m_setor->setObjectName(QStringLiteral("t_setor"));
    m_setor->setInputMask(QStringLiteral("99.99.99"));
    connect(m_setor, &PickerEdit::pickRequested, this, [this] { pick(QStringLiteral("t_setor")); });
    place(QStringLiteral("Setor"), {m_setor, m_descrSetor = description(area, QStringLiteral("t_descr_setor"))}, 2);
    m_setorConv = description(area, QStringLiteral("t_setor_conv"));
    m_setorConv->setEnabled(false);
    place(QStringLiteral("Setor da conversão"), {m_setorConv});
    m_proj = picker("t_proj");
    m_sproj = new QLineEdit(area);
    m_sproj->setObjectName(QStringLiteral("t_sproj"));
    makeDigitsOnly(m_sproj, 6);
    place(QStringLiteral("Projeto"), {m_proj, m_sproj, m_descrProj = description(area, QStringLiteral("t_descr_proj"))}, 2);
    place(QStringLiteral("Motorista padrão"), {m_motorista = picker("t_motorista_padrao"),
                                               m_nomeMotorista = description(area, QStringLiteral("t_nome_motorista_padrao"))},
          2);
    place(QStringLiteral("Data alienação"), {m_dtAlienacao = date("t_dt_alienacao")});
    place(QStringLiteral("Declarável"), {m_declaravel = combo("t_declaravel", simNao)});
    place(QStringLiteral("Pertencente"), {m_pertence = combo("t_pertence", TF_Cad_Veic::pertences())});
    place(QStringLiteral("Controlar KM"), {m_contrKm = combo("t_contr_km", simNao)});
    place(QStringLiteral("Baixa"), {m_baixa = combo("t_baixa", TF_Cad_Veic::baixas())});
    place(QStringLiteral("Km de virada do Hodômetro"), {m_kmVirada = integer("t_km_virada", "###,###,###,###0")});
    m_descrBaixa = new QPlainTextEdit(area);
    m_descrBaixa->setObjectName(QStringLiteral("t_descr_baixa"));
    m_descrBaixa->setTabChangesFocus(true);
    m_descrBaixa->setMaximumHeight(m_descrBaixa->fontMetrics().height() * 3 + 12);
    place(QStringLiteral("Descrição da baixa"), {m_descrBaixa}, 3);
    // Kept in upper case and within the column's 200 characters, however the text arrives.
    connect(m_descrBaixa, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = m_descrBaixa->toPlainText();
        const QString kept = text.toUpper().left(kDescrBaixaMax);
        if (kept == text)
            return;
        const int position = std::min<int>(m_descrBaixa->textCursor().position(), int(kept.size()));
        const QSignalBlocker block(m_descrBaixa);
        m_descrBaixa->setPlainText(kept);
        QTextCursor cursor = m_descrBaixa->textCursor();
        cursor.setPosition(position);
        m_descrBaixa->setTextCursor(cursor);
    });

    QWidget *previous = nullptr;
    for (QWidget *w : area->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->focusPolicy() == Qt::NoFocus || qobject_cast<QLabel *>(w))
            continue;
        if (previous)
            setTabOrder(previous, w);
        previous = w;
        w->installEventFilter(this);
    }
}

QString VeiculoPanel::numero() const
{
    return m_nro->text().trimmed();
}

void VeiculoPanel::setNumero(const QString &numero)
{
    m_nro->setText(numero);
}

void VeiculoPanel::clear()
{
    RegistryEditPanel::clear();
    for (QLineEdit *e : findChildren<QLineEdit *>())
        if (e != codeEdit())
            e->clear();
    m_descrBaixa->clear();
    for (QComboBox *c : findChildren<QComboBox *>())
        c->setCurrentIndex(0);
    m_kmCarregado = 0;
    emit limpo();
}

void VeiculoPanel::show(const RegistryRow &row)
{
    clear();
    codeEdit()->setText(row.text(QStringLiteral("ve_cod")));
    auto integer = [&](IntegerEdit *e, const char *column) {
        const QVariant v = row.value(QString::fromLatin1(column));
        if (!v.isNull())
            e->setValue(v.toLongLong());
    };
    auto decimal = [&](DecimalEdit *e, const char *column) {
        const QVariant v = row.value(QString::fromLatin1(column));
        if (!v.isNull())
            e->setValue(Decimal::fromVariant(v));
    };
    auto index = [&](const char *column) {
        bool ok = false;
        const int i = row.text(QString::fromLatin1(column)).toInt(&ok);
        return ok ? i : -1;
    };
    m_nro->setText(row.text(QStringLiteral("ve_nro")));
    m_modelo->setText(row.text(QStringLiteral("ve_modelo")));
    m_marca->setText(row.text(QStringLiteral("ve_marca")));
    integer(m_anoFabr, "ve_ano_fabr");
    integer(m_anoMod, "ve_ano_mod");
    m_tipoVeic->setText(row.text(QStringLiteral("ve_tipo_veic")));
    m_descrTipoVeic->setText(row.text(QStringLiteral("tv_descr")));
    m_tipoCombust->setText(row.text(QStringLiteral("ve_tipo_combust")));
    m_descrTipoCombust->setText(row.text(QStringLiteral("tc_descr")));
    m_nroChassi->setText(row.text(QStringLiteral("ve_nro_chassi")));
    m_letraPlaca->setText(row.text(QStringLiteral("ve_letra_placa")));
    integer(m_nroPlaca, "ve_nro_placa");
    // An unreadable month or write-off stays on the cleared item rather than on none.
    if (const int mes = index("ve_mes_licenc"); mes >= 0 && mes < m_mesLicenc->count())
        m_mesLicenc->setCurrentIndex(mes);
    integer(m_lotacao, "ve_lotacao");
    integer(m_velocMin, "ve_veloc_min");
    integer(m_velocMax, "ve_veloc_max");
    integer(m_kmMin, "ve_km_min");
    integer(m_kmMax, "ve_km_max");
    integer(m_capacTanque, "ve_capac_tanque");
    decimal(m_consMin, "ve_cons_min");
    decimal(m_consMax, "ve_cons_max");
    m_dtAquis->setDate(row.value(QStringLiteral("ve_dt_aquis")).toDate());
    integer(m_kmAquis, "ve_km_aquis");
    integer(m_kmAtual, "ve_km_atual");
    decimal(m_estado, "ve_estado");
    m_placaPatrim->setText(row.text(QStringLiteral("ve_placa_patrim")));
    m_setor->setText(row.text(QStringLiteral("ve_setor")));
    m_descrSetor->setText(row.text(QStringLiteral("st_nome")));
    m_setorConv->setText(row.text(QStringLiteral("ve_setor_conv")));
    m_proj->setText(row.text(QStringLiteral("ve_proj")));
    m_sproj->setText(row.text(QStringLiteral("ve_sproj")));
    m_descrProj->setText(row.text(QStringLiteral("pra_descr")));
    m_motorista->setText(row.text(QStringLiteral("ve_motorista_padrao")));
    m_nomeMotorista->setText(row.text(QStringLiteral("mo_nome")));
    m_dtAlienacao->setDate(row.value(QStringLiteral("ve_dt_alienacao")).toDate());
    m_declaravel->setCurrentIndex(row.text(QStringLiteral("ve_declaravel")) == u"S" ? 0 : 1);
    if (const int p = index("ve_pertence"); p >= 1 && p <= m_pertence->count())
        m_pertence->setCurrentIndex(p - 1);
    m_contrKm->setCurrentIndex(row.text(QStringLiteral("ve_contr_km")) == u"S" ? 0 : 1);
    if (const int b = index("ve_baixa"); b >= 0 && b < m_baixa->count())
        m_baixa->setCurrentIndex(b);
    integer(m_kmVirada, "ve_km_virada");
    m_descrBaixa->setPlainText(row.text(QStringLiteral("ve_descr_baixa")));
    m_kmCarregado = row.integer(QStringLiteral("ve_km_atual"));
}

Bindings VeiculoPanel::bindings() const
{
    const QString placa = m_nroPlaca->isEmpty() ? QString()
                                                : QStringLiteral("%1").arg(m_nroPlaca->value(), 4, 10, QLatin1Char('0'));
    const QString proj = m_proj->text().trimmed();
    return {
        {QStringLiteral(":p_nro"), numero()},
        {QStringLiteral(":p_modelo"), m_modelo->text().trimmed()},
        {QStringLiteral(":p_marca"), m_marca->text().trimmed()},
        {QStringLiteral(":p_ano_fabr"), m_anoFabr->value()},
        {QStringLiteral(":p_ano_mod"), m_anoMod->value()},
        {QStringLiteral(":p_lotacao"), m_lotacao->value()},
        {QStringLiteral(":p_nro_chassi"), m_nroChassi->text().trimmed()},
        {QStringLiteral(":p_tipo_combust"), integerOf(m_tipoCombust->text())},
        {QStringLiteral(":p_tipo_veic"), integerOf(m_tipoVeic->text())},
        {QStringLiteral(":p_capac_tanque"), m_capacTanque->value()},
        {QStringLiteral(":p_letra_placa"), m_letraPlaca->text().trimmed()},
        {QStringLiteral(":p_nro_placa"), placa},
        {QStringLiteral(":p_mes_licenc"), firstChars(m_mesLicenc, 2)},
        {QStringLiteral(":p_dt_aquis"), m_dtAquis->date()},
        {QStringLiteral(":p_km_aquis"), m_kmAquis->value()},
        {QStringLiteral(":p_veloc_min"), m_velocMin->value()},
        {QStringLiteral(":p_veloc_max"), m_velocMax->value()},
        {QStringLiteral(":p_cons_min"), QVariant::fromValue(m_consMin->value())},
        {QStringLiteral(":p_cons_max"), QVariant::fromValue(m_consMax->value())},
        {QStringLiteral(":p_km_min"), m_kmMin->value()},
        {QStringLiteral(":p_km_max"), m_kmMax->value()},
        {QStringLiteral(":p_km_atual"), m_kmAtual->value()},
        {QStringLiteral(":p_estado"), QVariant::fromValue(m_estado->value())},
        {QStringLiteral(":p_placa_patrim"), m_placaPatrim->text().trimmed()},
        {QStringLiteral(":p_motorista_padrao"), integerOf(m_motorista->text())},
        {QStringLiteral(":p_ano_setor"), environment().exercicio},
        {QStringLiteral(":p_setor"), m_setor->text()},
        {QStringLiteral(":p_setor_conv"), QStringLiteral("")},
        {QStringLiteral(":p_proj"), integerOf(proj)},
        {QStringLiteral(":p_sproj"), integerOf(m_sproj->text())},
        {QStringLiteral(":p_dt_alienacao"), m_dtAlienacao->date()},
        {QStringLiteral(":p_declaravel"), firstChars(m_declaravel, 1)},
        {QStringLiteral(":p_baixa"), firstChars(m_baixa, 2)},
        {QStringLiteral(":p_descr_baixa"), m_descrBaixa->toPlainText()},
        {QStringLiteral(":p_pertence"), firstChars(m_pertence, 2)},
        {QStringLiteral(":p_contr_km"), firstChars(m_contrKm, 1)},
        {QStringLiteral(":p_km_virada"), m_kmVirada->value()},
        {QStringLiteral(":p_cad_atual"), QStringLiteral("0")},
    };
}

bool VeiculoPanel::refuse(const QString &message, QWidget *focus)
{
    dialogs().information(message, environment().titulo);
    focus->setFocus();
    return false;
}

bool VeiculoPanel::exists(const QString &sql, const Bindings &binds) const
{
    Query q(*environment().cad, sql);
    for (const auto &[name, value] : binds)
        q.bind(name, value);
    q.exec();
    return q.next();
}

bool VeiculoPanel::setorVazio() const
{
    return isBlankEntry(m_setor->displayText());
}

bool VeiculoPanel::controlaKm() const
{
    return m_contrKm->currentIndex() == 0;
}

bool VeiculoPanel::validar(QChar modo)
{
    const QString tipoVeic = m_tipoVeic->text().trimmed();
    if (tipoVeic.isEmpty())
        return refuse(QStringLiteral("O código do tipo de veículo deve ser informado."), m_tipoVeic);
    if (!exists(QStringLiteral("select tv_cod, tv_contr from vkl_tipo_veic where tv_cod = :p_cod"),
                {{QStringLiteral(":p_cod"), integerOf(tipoVeic)}}))
        return refuse(QStringLiteral("O código do tipo de veículo não esta cadastrado."), m_tipoVeic);
    const QString combust = m_tipoCombust->text().trimmed();
    if (combust.isEmpty())
        return refuse(QStringLiteral("O código do tipo de combustível deve ser informado."), m_tipoCombust);
    if (!exists(QStringLiteral("select tc_cod from vkl_tipo_combust where tc_cod = :p_cod"),
                {{QStringLiteral(":p_cod"), integerOf(combust)}}))
        return refuse(QStringLiteral("O código do tipo de combustível não esta cadastrado."), m_tipoCombust);
    if (setorVazio())
        return refuse(QStringLiteral("O código do setor deve ser informado."), m_setor);
    if (!exists(QStringLiteral("select st_cod from setores where st_exerc = :p_ano and st_cod = :p_cod"),
                {{QStringLiteral(":p_ano"), environment().exercicio}, {QStringLiteral(":p_cod"), m_setor->text()}}))
        return refuse(QStringLiteral("O código do setor não esta cadastrado."), m_setor);
    if (m_proj->text().trimmed().isEmpty())
        m_proj->setText(QStringLiteral("0"));
    // Project 0 is "no project", accepted with any sub-project.
    if (integerOf(m_proj->text()) != 0
        && !exists(QStringLiteral("select pra_proj from proj_almoxarifado where pra_proj = :p_proj and pra_sproj = :p_sproj"),
                   {{QStringLiteral(":p_proj"), integerOf(m_proj->text())},
                    {QStringLiteral(":p_sproj"), integerOf(m_sproj->text())}}))
        return refuse(QStringLiteral("Código do projeto não esta cadastrado."), m_proj);
    const QString motorista = m_motorista->text().trimmed();
    if (motorista.isEmpty())
        return refuse(QStringLiteral("O código do motorista deve ser informado."), m_motorista);
    if (!exists(QStringLiteral("select mo_cod from vkl_motoristas where mo_cod = :p_cod"),
                {{QStringLiteral(":p_cod"), integerOf(motorista)}}))
        return refuse(QStringLiteral("O código do motorista não esta cadastrado."), m_motorista);
    if (m_capacTanque->value() == 0)
        return refuse(QStringLiteral("A capacidade do tanque deve ser informado."), m_capacTanque);
    // Equipment never has its odometer controlled.
    if (m_pertence->currentIndex() == 2)
        m_contrKm->setCurrentIndex(1);
    if (!controlaKm())
        return true;
    if (modo == u'A' && m_kmAtual->value() != m_kmCarregado) {
        const bool keep = dialogs().question(
            QStringLiteral("ATENÇÃO: A kilometragem atual foi alterada, isto pode causar problemas no controle\r"
                           "da kilometragem deste veículo.\r\rÉ realmente necessária está alteração...?"),
            false, environment().titulo);
        if (!keep) {
            m_kmAtual->setValue(m_kmCarregado);
            m_kmAtual->setFocus();
            return false;
        }
    }
    if (m_kmVirada->value() == 0)
        return refuse(QStringLiteral("A kilometragem de virada do Hodômetro deve ser digitada."), m_kmVirada);
    return true;
}

bool VeiculoPanel::lookUp(QLineEdit *code, QLineEdit *descr, const QString &sql, const Bindings &binds,
                          const QString &absent)
{
    Query q(*environment().cad, sql);
    for (const auto &[name, value] : binds)
        q.bind(name, value);
    q.exec();
    if (!q.next()) {
        descr->clear();
        return refuse(absent, code);
    }
    descr->setText(q.value(0).toString().trimmed());
    return true;
}

bool VeiculoPanel::descrever(QWidget *entered)
{
    const auto code = [](const QLineEdit *e) { return QVariant(integerOf(e->text())); };
    if (entered == m_tipoCombust && !m_tipoVeic->text().trimmed().isEmpty())
        return lookUp(m_tipoVeic, m_descrTipoVeic, QStringLiteral("select tv_descr from vkl_tipo_veic where tv_cod = :p_cod"),
                      {{QStringLiteral(":p_cod"), code(m_tipoVeic)}},
                      QStringLiteral("Código do tipo de veículo não esta cadastrado."));
    if (entered == m_nroChassi && !m_tipoCombust->text().trimmed().isEmpty())
        return lookUp(m_tipoCombust, m_descrTipoCombust,
                      QStringLiteral("select tc_descr from vkl_tipo_combust where tc_cod = :p_cod"),
                      {{QStringLiteral(":p_cod"), code(m_tipoCombust)}},
                      QStringLiteral("Código do tipo de combustível não esta cadastrado."));
    if (entered == m_proj && !setorVazio())
        return lookUp(m_setor, m_descrSetor,
                      QStringLiteral("select st_nome from setores where st_exerc = :p_ano and st_cod = :p_cod"),
                      {{QStringLiteral(":p_ano"), environment().exercicio}, {QStringLiteral(":p_cod"), m_setor->text()}},
                      QStringLiteral("Código do setor não esta cadastrado."));
    // Project 0 is "no project" (see validar): nothing to describe.
    if (entered == m_motorista && integerOf(m_proj->text()) != 0)
        return lookUp(m_proj, m_descrProj,
                      QStringLiteral("select pra_descr from proj_almoxarifado where pra_proj = :p_proj and pra_sproj = :p_sproj"),
                      {{QStringLiteral(":p_proj"), code(m_proj)}, {QStringLiteral(":p_sproj"), code(m_sproj)}},
                      QStringLiteral("Código do projeto não esta cadastrado."));
    if (entered == m_dtAlienacao && !m_motorista->text().trimmed().isEmpty())
        return lookUp(m_motorista, m_nomeMotorista,
                      QStringLiteral("select mo_nome from vkl_motoristas where mo_cod = :p_cod"),
                      {{QStringLiteral(":p_cod"), code(m_motorista)}},
                      QStringLiteral("Código do motorista não esta cadastrado."));
    return true;
}

bool VeiculoPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Only the user moving on looks a code up: the focus coming back when a message box or the
    // window itself closes over a field would show the same message again, for ever.
    if (event->type() == QEvent::FocusIn && isEnabled() && movedOn(static_cast<QFocusEvent *>(event))) {
        try {
            descrever(static_cast<QWidget *>(watched));
        } catch (const DbError &e) {
            dialogs().error(e.message());
        }
    }
    return RegistryEditPanel::eventFilter(watched, event);
}

void VeiculoPanel::pick(const QString &field)
{
    const Picker picker = seletorPadrao(field);
    if (!picker)
        return;
    const QStringList picked = picker(window(), environment());
    if (picked.value(0).isEmpty())
        return;
    if (field == u"t_proj")
        m_sproj->setText(picked.value(1));
    if (auto *edit = findChild<QLineEdit *>(field))
        edit->setText(picked.value(0));
}

} // namespace zedera::fleet
