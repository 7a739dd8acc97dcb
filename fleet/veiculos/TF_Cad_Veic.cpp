#include "TF_Cad_Veic.h"

#include "VeiculoImpressao.h"
#include "VeiculoPanel.h"

#include "dialogs/DialogService.h"
#include "framework/RegistryListModel.h"
#include "textprint/TextPrinter.h"

#include <QBoxLayout>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSqlRecord>

namespace zedera::fleet {

using namespace zedera::registry;

namespace {

// The panel keeps a reference to the descriptor it was built from, so it needs one that lives on.
const RegistryDescriptor &descritor()
{
    static const RegistryDescriptor d = TF_Cad_Veic::describe();
    return d;
}

// The vehicle with whatever it refers to, also when one of those rows is missing.
const QString kVeiculoAvulso = QStringLiteral(
    "select vkl_veiculos.*, tc_descr, tv_descr, tv_contr, mo_nome, mo_apelido, st_nome, pra_descr "
    "from vkl_veiculos "
    "left join vkl_tipo_combust on ve_tipo_combust = tc_cod "
    "left join vkl_tipo_veic on ve_tipo_veic = tv_cod "
    "left join vkl_motoristas on ve_motorista_padrao = mo_cod "
    "left join setores on ve_ano_setor = st_exerc and ve_setor = st_cod "
    "left join proj_almoxarifado on ve_proj = pra_proj and ve_sproj = pra_sproj "
    "where ve_cod = :p_cod");

} // namespace

TF_Cad_Veic::TF_Cad_Veic(const RegistryEnvironment &environment, Opener opener, QWidget *parent)
    : RegistryWindow(describe(), environment, opener, new VeiculoPanel(descritor(), environment), parent)
{
    resize(1000, 640);
    connect(&veiculoPanel(), &VeiculoPanel::limpo, this, [this] { setForaDaLista(std::nullopt); });

    // Shown while the fields hold a vehicle the open list does not: what is saved or deleted is
    // that vehicle, not the list's current row.
    auto *page = findChild<QWidget *>(QStringLiteral("pg_cad"));
    m_foraDaListaLabel = new QLabel(page);
    m_foraDaListaLabel->setObjectName(QStringLiteral("lb_fora_lista"));
    m_foraDaListaLabel->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold"));
    m_foraDaListaLabel->hide();
    if (auto *box = qobject_cast<QBoxLayout *>(page->layout()))
        box->insertWidget(1, m_foraDaListaLabel);
}

TF_Cad_Veic::~TF_Cad_Veic() = default;

VeiculoPanel &TF_Cad_Veic::veiculoPanel() const
{
    return static_cast<VeiculoPanel &>(panel());
}

void TF_Cad_Veic::setForaDaLista(std::optional<qint64> code)
{
    m_foraDaLista = code;
    if (code)
        m_foraDaListaLabel->setText(
            QStringLiteral("Veículo fora da lista atual: a alteração vale para o veículo de código %1.").arg(*code));
    m_foraDaListaLabel->setVisible(code.has_value());
}

void TF_Cad_Veic::done(int result)
{
    // Capture leaves the row's code (the framework) and its fleet number.
    if (result == QDialog::Accepted && !codigoCapturado().isEmpty())
        m_numeroCapturado = currentRecord().text(QStringLiteral("ve_nro"));
    RegistryWindow::done(result);
}

bool TF_Cad_Veic::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && modo() == u'I' && watched->objectName() == u"t_modelo"
        && movedOn(static_cast<QFocusEvent *>(event))) {
        try {
            numeroDigitado();
        } catch (const DbError &e) {
            dialogs().error(e.message());
        }
    }
    return RegistryWindow::eventFilter(watched, event);
}

void TF_Cad_Veic::numeroDigitado()
{
    const QString numero = veiculoPanel().numero();
    if (numero.isEmpty())
        return;
    Query q(*environment().cad, QStringLiteral("select ve_cod, ve_nro from vkl_veiculos where ve_nro = :p_nro"));
    q.bind(QStringLiteral(":p_nro"), numero).exec();
    if (!q.next())
        return;
    const qint64 code = q.integer(QStringLiteral("ve_cod"));
    abrir_lista();
    if (locateCode(code)) {
        habilitar_botoes(u'A');
        return;
    }
    alterarForaDaLista(code);
}

void TF_Cad_Veic::alterarForaDaLista(qint64 code)
{
    Query q(*environment().cad, kVeiculoAvulso);
    q.bind(QStringLiteral(":p_cod"), code).exec();
    if (!q.next())
        return;
    const QSqlRecord record = q.raw().record();
    QStringList columns;
    QVariantList values;
    for (int i = 0; i < record.count(); ++i) {
        columns << record.fieldName(i);
        values << q.value(i);
    }
    habilitar_botoes(u'A');
    veiculoPanel().show(RegistryRow(columns, values));
    setForaDaLista(code);
}

std::optional<qint64> TF_Cad_Veic::codigoEmEdicao() const
{
    if (modo() == u'A' && m_foraDaLista)
        return m_foraDaLista;
    return RegistryWindow::codigoEmEdicao();
}

bool TF_Cad_Veic::validarDadosExtra()
{
    VeiculoPanel &p = veiculoPanel();
    if (modo() == u'A' && p.numero() == u"0") {
        dialogs().information(QStringLiteral("Veículo não pode ser alterado."), titulo());
        return false;
    }
    // Every window finds a vehicle by its fleet number, so two vehicles must never share one.
    if (!p.numero().isEmpty()) {
        Query q(*environment().cad, QStringLiteral("select ve_cod from vkl_veiculos where ve_nro = :p_nro"));
        q.bind(QStringLiteral(":p_nro"), p.numero()).exec();
        const std::optional<qint64> self = modo() == u'A' ? codigoEmEdicao() : std::nullopt;
        while (q.next()) {
            const qint64 other = q.integer(QStringLiteral("ve_cod"));
            if (other != self) {
                dialogs().information(QStringLiteral("Número já existe cadastrado com o código --> ") +
                                          QString::number(other),
                                      titulo());
                if (auto *nro = p.field(QStringLiteral("t_nro")))
                    nro->setFocus();
                return false;
            }
        }
    }
    return p.validar(modo());
}

bool TF_Cad_Veic::exclusaoPermitida(bool fromSearchPage)
{
    const QString numero = fromSearchPage ? currentRecord().text(QStringLiteral("ve_nro")) : veiculoPanel().numero();
    if (numero == u"0") {
        dialogs().information(QStringLiteral("Veículo não pode ser excluído."), titulo());
        return false;
    }
    return true;
}

void TF_Cad_Veic::completarInclusao(qint64 codigo, Bindings &valores)
{
    // A vehicle saved without a fleet number is known by its code.
    for (auto &[name, value] : valores) {
        if (name == u":p_nro" && value.toString().isEmpty()) {
            value = QString::number(codigo);
            veiculoPanel().setNumero(value.toString());
        }
    }
}

void TF_Cad_Veic::imprimir()
{
    if (listModel().rowCount() == 0) {
        dialogs().information(QStringLiteral("Não existe registros para impressão."), titulo());
        return;
    }
    auto *printer = findChild<TextPrinter *>(QStringLiteral("Impr_Veic"));
    if (!printer) {
        printer = new TextPrinter(this);
        printer->setObjectName(QStringLiteral("Impr_Veic"));
    }
    VeiculoImpressao job(*printer, environment());
    job.imprimir(listModel());
}

} // namespace zedera::fleet
