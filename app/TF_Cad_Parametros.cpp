#include "TF_Cad_Parametros.h"

#include "dialogs/DialogService.h"
#include "session/Banco.h"
#include "session/Parametros.h"
#include "session/Sessao.h"
#include "widgets/FieldRules.h"
#include "widgets/NamedButton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <limits>

namespace zedera {

namespace {

const QString kKmVeiculos = QStringLiteral("01 - Movto de veículos");
const QString kKmAbastecimento = QStringLiteral("02 - Movto de abastecimento");

} // namespace

TF_Cad_Parametros::TF_Cad_Parametros(Banco &banco, Sessao &sessao, QWidget *parent)
    : QDialog(parent), m_banco(banco), m_sessao(sessao)
{
    setObjectName(QStringLiteral("TF_Cad_Parametros"));
    setWindowTitle(QStringLiteral("G.K - Cadastro de Paramêtros"));
    montarCampos();
    enterActsAsTab(this);
    abrir();
}

void TF_Cad_Parametros::montarCampos()
{
    auto *dados = new QGridLayout;
    int linha = 0;
    const auto campo = [&](QLineEdit *&edit, const char *nome, const QString &rotulo, int coluna = 0) {
        edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(nome));
        auto *l = new QLabel(rotulo, this);
        l->setBuddy(edit);
        dados->addWidget(l, linha, coluna * 2);
        dados->addWidget(edit, linha, coluna * 2 + 1);
        if (coluna == 1 || rotulo.isEmpty())
            ++linha;
        return edit;
    };
    const auto proxima = [&] { ++linha; };

    campo(t_ano, "t_ano", QStringLiteral("Exercício"));
    t_ano->setReadOnly(true);
    t_ano->setFocusPolicy(Qt::NoFocus);
    t_ano->setMaxLength(4);
    proxima();
    makeUpperCase(campo(t_empresa, "t_empresa", QStringLiteral("Empresa")), 40);
    makeUpperCase(campo(t_sigla, "t_sigla", QStringLiteral("Sigla"), 1), 15);
    campo(t_cnpj, "t_cnpj", QStringLiteral("C.N.P.J"))->setInputMask(QStringLiteral("99.999.999/9999-99"));
    proxima();
    makeUpperCase(campo(t_end, "t_end", QStringLiteral("Endereço")), 40);
    makeUpperCase(campo(t_compl, "t_compl", QStringLiteral("Complemento"), 1), 15);
    makeUpperCase(campo(t_bairro, "t_bairro", QStringLiteral("Bairro")), 40);
    proxima();
    makeUpperCase(campo(t_cid, "t_cid", QStringLiteral("Cidade")), 40);
    makeUpperCase(campo(t_uf, "t_uf", QStringLiteral("UF"), 1), 2);
    campo(t_cep, "t_cep", QStringLiteral("CEP"))->setInputMask(QStringLiteral("99999-999"));
    proxima();
    campo(t_fone, "t_fone", QStringLiteral("Fone"))->setInputMask(QStringLiteral("(99) 9999-9999"));
    campo(t_fax, "t_fax", QStringLiteral("Fax"), 1)->setInputMask(QStringLiteral("(99) 9999-9999"));
    makeLowerCase(campo(t_email, "t_email", QStringLiteral("E-mail")), 60);
    proxima();
    // The column is an INTEGER: ten digits at most, checked against its range before saving.
    makeDigitsOnly(campo(t_detran, "t_detran", QStringLiteral("Cód. Detran")), 10);
    proxima();
    makeUpperCase(campo(t_prefeito, "t_prefeito", QStringLiteral("Prefeito")), 40);
    proxima();
    makeUpperCase(campo(t_diretor, "t_diretor", QStringLiteral("Diretor da Administração")), 40);
    proxima();
    makeUpperCase(campo(t_chefe, "t_chefe", QStringLiteral("Chefe do Departamento")), 40);
    proxima();

    auto *grupoKm = new QGroupBox(QStringLiteral(" Controlar KM atual do veículo "), this);
    grupoKm->setObjectName(QStringLiteral("t_km_atual"));
    m_kmVeiculos = new QRadioButton(kKmVeiculos, grupoKm);
    m_kmVeiculos->setObjectName(QStringLiteral("t_km_atual_01"));
    m_kmAbastecimento = new QRadioButton(kKmAbastecimento, grupoKm);
    m_kmAbastecimento->setObjectName(QStringLiteral("t_km_atual_02"));
    auto *layoutKm = new QHBoxLayout(grupoKm);
    layoutKm->addWidget(m_kmVeiculos);
    layoutKm->addWidget(m_kmAbastecimento);
    dados->addWidget(grupoKm, linha, 0, 1, 4);

    b_gravar = namedButton(this, QStringLiteral("b_gravar"), QStringLiteral("&Gravar"));
    b_alterar = namedButton(this, QStringLiteral("b_alterar"), QStringLiteral("&Alterar"));
    b_excluir = namedButton(this, QStringLiteral("b_excluir"), QStringLiteral("&Excluir"));
    b_cancelar = namedButton(this, QStringLiteral("b_cancelar"), QStringLiteral("&Cancelar"));
    b_fechar = namedButton(this, QStringLiteral("b_fechar"), QStringLiteral("&Fechar"));
    auto *botoes = new QHBoxLayout;
    for (QPushButton *b : {b_gravar, b_alterar, b_excluir, b_cancelar, b_fechar})
        botoes->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    auto *pn_dados = new QGroupBox(this);
    pn_dados->setObjectName(QStringLiteral("pn_dados"));
    pn_dados->setLayout(dados);
    layout->addWidget(pn_dados);
    layout->addLayout(botoes);

    connect(b_gravar, &QPushButton::clicked, this, &TF_Cad_Parametros::b_gravarClick);
    connect(b_alterar, &QPushButton::clicked, this, &TF_Cad_Parametros::b_alterarClick);
    connect(b_excluir, &QPushButton::clicked, this, &TF_Cad_Parametros::b_excluirClick);
    connect(b_fechar, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_Cad_Parametros::abrir()
{
    Connection &cad = m_banco.transCad();
    if (const auto atual = lerParametros(cad, m_sessao.exercicio)) {
        preencher(*atual);
        definirModo(u'A');
    } else {
        limparCampos();
        // A new exercise starts from last year's values.
        if (const auto anterior = lerParametros(cad, m_sessao.exercicio - 1))
            preencher(*anterior);
        t_ano->setText(QString::number(m_sessao.exercicio));
        definirModo(u'I');
    }
    t_empresa->setFocus();
}

void TF_Cad_Parametros::preencher(const ParametrosExercicio &p)
{
    t_ano->setText(QString::number(p.ano));
    t_empresa->setText(p.empresa);
    t_sigla->setText(p.sigla);
    t_cnpj->setText(p.cnpj);
    t_end->setText(p.end);
    t_compl->setText(p.complemento);
    t_bairro->setText(p.bairro);
    t_cid->setText(p.cid);
    t_uf->setText(p.uf);
    t_cep->setText(p.cep);
    t_fone->setText(p.fone);
    t_fax->setText(p.fax);
    t_email->setText(p.email);
    t_detran->setText(p.detran ? QString::number(p.detran) : QString());
    t_prefeito->setText(p.resp1);
    t_diretor->setText(p.resp2);
    t_chefe->setText(p.resp3);
    // Anything but "01" shows the form's default, fuelling.
    (p.contr_km == QStringLiteral("01") ? m_kmVeiculos : m_kmAbastecimento)->setChecked(true);
}

ParametrosExercicio TF_Cad_Parametros::doFormulario() const
{
    ParametrosExercicio p;
    p.ano = t_ano->text().toInt();
    p.empresa = t_empresa->text().trimmed();
    p.sigla = t_sigla->text().trimmed();
    p.cnpj = maskedText(t_cnpj);
    p.end = t_end->text().trimmed();
    p.complemento = t_compl->text().trimmed();
    p.bairro = t_bairro->text().trimmed();
    p.cid = t_cid->text().trimmed();
    p.uf = t_uf->text().trimmed();
    p.cep = maskedText(t_cep);
    p.fone = maskedText(t_fone);
    p.fax = maskedText(t_fax);
    p.email = t_email->text().trimmed();
    p.detran = t_detran->text().toLongLong();
    p.resp1 = t_prefeito->text().trimmed();
    p.resp2 = t_diretor->text().trimmed();
    p.resp3 = t_chefe->text().trimmed();
    p.contr_km = (m_kmVeiculos->isChecked() ? kKmVeiculos : kKmAbastecimento).left(2);
    return p;
}

void TF_Cad_Parametros::limparCampos()
{
    for (QLineEdit *e : findChildren<QLineEdit *>())
        e->clear();
    t_ano->setText(QString::number(m_sessao.exercicio));
    m_kmAbastecimento->setChecked(true);
}

void TF_Cad_Parametros::definirModo(QChar modo)
{
    m_modo = modo;
    const bool inclusao = modo == u'I';
    b_gravar->setEnabled(inclusao);
    b_alterar->setEnabled(!inclusao);
    b_excluir->setEnabled(!inclusao);
    b_cancelar->setEnabled(true);
}

bool TF_Cad_Parametros::validarDados()
{
    const auto recusa = [](QLineEdit *campo, const QString &mensagem) {
        dialogs().information(mensagem);
        campo->setFocus();
        return false;
    };
    const QString ano = t_ano->text().trimmed();
    if (ano.isEmpty())
        return recusa(t_ano, QStringLiteral("Exercício deve ser informado"));
    if (ano.size() != 4)
        return recusa(t_ano, QStringLiteral("Exercício deve ter quatro digitos."));
    if (t_empresa->text().trimmed().isEmpty())
        return recusa(t_empresa, QStringLiteral("Nome da Empresa deve ser informado."));
    // A tax number or postal code typed only in part is as unusable as none.
    if (!maskFilled(t_cnpj))
        return recusa(t_cnpj, QStringLiteral("C.N.P.J da empresa deve ser informado."));
    if (t_end->text().trimmed().isEmpty())
        return recusa(t_end, QStringLiteral("Endereço da empresa deve ser informado."));
    if (t_bairro->text().trimmed().isEmpty())
        return recusa(t_bairro, QStringLiteral("Bairro do endereço deve ser informado."));
    if (t_cid->text().trimmed().isEmpty())
        return recusa(t_cid, QStringLiteral("Cidade da empresa deve ser informada."));
    const QString uf = t_uf->text().trimmed();
    if (uf.isEmpty())
        return recusa(t_uf, QStringLiteral("Sigla do Estado deve ser informada."));
    if (uf.size() != 2)
        return recusa(t_uf, QStringLiteral("Sigla do Estado deve ter dois digitos."));
    if (!maskFilled(t_cep))
        return recusa(t_cep, QStringLiteral("CEP deve ser informado."));
    if (t_prefeito->text().trimmed().isEmpty())
        return recusa(t_prefeito, QStringLiteral("Nome do Prefeito deve ser informado."));
    if (t_diretor->text().trimmed().isEmpty())
        return recusa(t_diretor, QStringLiteral("Nome do diretor deve ser informado."));
    if (t_chefe->text().trimmed().isEmpty())
        return recusa(t_chefe, QStringLiteral("Nome do chefe deve ser informado."));
    if (t_detran->text().isEmpty())
        t_detran->setText(QStringLiteral("0"));
    if (t_detran->text().toLongLong() > std::numeric_limits<qint32>::max())
        return recusa(t_detran, QStringLiteral("Cód. Detran deve ter no máximo %1.")
                                    .arg(std::numeric_limits<qint32>::max()));
    return true;
}

void TF_Cad_Parametros::gravarSessao()
{
    copiarParaSessao(doFormulario(), m_sessao);
    emit parametrosGravados();
}

bool TF_Cad_Parametros::existeRegistro()
{
    return lerParametros(m_banco.transCad(), m_sessao.exercicio).has_value();
}

void TF_Cad_Parametros::b_gravarClick()
{
    if (!validarDados())
        return;
    if (dialogs().question(QStringLiteral("Confirma a inclusão do novo exercício"), true)) {
        try {
            incluirParametros(m_banco.transCad(), doFormulario());
        } catch (const DbError &e) {
            dialogs().error(e.message());
            return;
        }
        definirModo(u'A');
        gravarSessao();
    }
    accept();
}

void TF_Cad_Parametros::b_alterarClick()
{
    if (!validarDados())
        return;
    if (!dialogs().question(QStringLiteral("Confirma a alteração do exercício atual."), true))
        return;
    try {
        if (!alterarParametros(m_banco.transCad(), doFormulario())) {
            // Removed meanwhile on another workstation: the values typed here are not lost, they
            // can be saved as a new row.
            dialogs().information(QStringLiteral("Os parâmetros do exercício %1 não estão mais cadastrados.")
                                      .arg(m_sessao.exercicio));
            definirModo(u'I');
            return;
        }
    } catch (const DbError &e) {
        dialogs().error(e.message());
        return;
    }
    definirModo(u'A');
    gravarSessao();
}

void TF_Cad_Parametros::b_excluirClick()
{
    if (!dialogs().question(
            QStringLiteral("ATENÇÃO: Se for excluído o exercício atual, será necessário cadastrar novamente."),
            false))
        return;
    try {
        excluirParametros(m_banco.transCad(), m_sessao.exercicio);
    } catch (const DbError &e) {
        dialogs().error(e.message());
        return;
    }
    limparCampos();
    definirModo(u'I');
    t_empresa->setFocus();
}

void TF_Cad_Parametros::done(int resultado)
{
    bool existe = true;
    try {
        existe = existeRegistro();
    } catch (const DbError &e) {
        dialogs().error(e.message());
    }
    if (!existe) {
        const QString pergunta =
            QStringLiteral("ATENÇÃO: Não foi cadastrado os paramêtros para o exercício -> ")
            + QString::number(m_sessao.exercicio)
            + QStringLiteral(".\rDeve ser cadastrado os parametros para o sistema funcionar.\r\rDeseja cadastrar agora.");
        if (dialogs().question(pergunta, true)) {
            t_empresa->setFocus();
            return;
        }
        dialogs().information(QStringLiteral("O sistema será encerrado."));
        m_encerrar = true;
    }
    QDialog::done(resultado);
}

} // namespace zedera
