#include "TF_Principal.h"

#include "MenuPrincipal.h"
#include "TF_Abertura.h"
#include "TF_Acesso.h"
#include "TF_Cad_Parametros.h"
#include "TF_Config.h"
#include "access/Acesso.h"
#include "dialogs/DialogService.h"
#include "session/Banco.h"
#include "session/ConectarBanco.h"
#include "session/RegistroSessao.h"
#include "session/Sessao.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zedera {

namespace {

QStyle::StandardPixmap iconeDoBotao(const QString &nome)
{
    static const QHash<QString, QStyle::StandardPixmap> icones = {
        {QStringLiteral("b_usuario"), QStyle::SP_FileDialogContentsView},
        {QStringLiteral("b_movto_veic"), QStyle::SP_MediaSeekForward},
        {QStringLiteral("b_movto_abast"), QStyle::SP_DriveHDIcon},
        {QStringLiteral("b_manut_veic"), QStyle::SP_BrowserReload},
        {QStringLiteral("b_ordem_serv"), QStyle::SP_FileDialogDetailedView},
        {QStringLiteral("b_sair"), QStyle::SP_DialogCloseButton},
    };
    return icones.value(nome, QStyle::SP_FileIcon);
}

} // namespace

TF_Principal::TF_Principal(const PastasPrograma &pastas, QWidget *parent)
    : QMainWindow(parent), m_pastas(pastas), m_sessao(Sessao::atual()), m_acesso(std::make_unique<Acesso>())
{
    setObjectName(QStringLiteral("F_Principal"));
    setWindowTitle(Sessao::tituloPrograma());

    auto *central = new QWidget(this);
    lb_processos = new QLabel(central);
    lb_processos->setObjectName(QStringLiteral("lb_processos"));
    lb_processos->setAlignment(Qt::AlignCenter);
    lb_processos->setFixedHeight(80);
    QFont fonte = lb_processos->font();
    fonte.setBold(true);
    fonte.setPointSize(fonte.pointSize() + 8);
    lb_processos->setFont(fonte);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(lb_processos);
    layout->addStretch();
    setCentralWidget(central);

    for (const auto &[nome, fabrica] : janelasDoMenu().asKeyValueRange()) {
        m_acoes.insert(nome, [this, f = fabrica] {
            try {
                ContextoJanela contexto{this, *m_banco, m_sessao};
                std::unique_ptr<QDialog> janela = f(contexto);
                if (!janela)
                    return;
                auto *parametros = qobject_cast<TF_Cad_Parametros *>(janela.get());
                if (parametros)
                    connect(parametros, &TF_Cad_Parametros::parametrosGravados, this,
                            &TF_Principal::atualizarTitulo);
                dialogs().exec(*janela);
                if (parametros && parametros->encerrarPrograma()) {
                    EncerrarSessao();
                    close();
                }
            } catch (const DbError &e) {
                dialogs().error(e.message());
            }
        });
    }
    m_acoes.insert(QStringLiteral("men_usuario"), [this] { men_usuarioClick(); });
    m_acoes.insert(QStringLiteral("men_alterar_senha"), [this] { men_alterar_senhaClick(); });

    montarMenu();
    montarBarra();
    montarStatus();

    m_acesso->setMenuPrincipal(menuBar());
    connect(m_acesso.get(), &Acesso::buttonOff, this, &TF_Principal::AcessoButtonOff);
}

TF_Principal::~TF_Principal() = default;

void TF_Principal::montarMenu()
{
    const std::function<void(QMenu *, const QList<ItemMenu> &)> preencher = [&](QMenu *menu,
                                                                                const QList<ItemMenu> &itens) {
        for (const ItemMenu &item : itens) {
            if (item.separador()) {
                // Separators at either end or next to each other are not drawn.
                menu->addSeparator();
            } else if (!item.itens.isEmpty()) {
                auto *sub = new QMenu(item.titulo, menu);
                sub->setObjectName(item.nome);
                preencher(sub, item.itens);
                if (sub->isEmpty()) {
                    delete sub;
                    continue;
                }
                sub->menuAction()->setObjectName(item.nome);
                menu->addMenu(sub);
            } else if (m_acoes.contains(item.nome)) {
                QAction *acao = menu->addAction(item.titulo);
                acao->setObjectName(item.nome);
                connect(acao, &QAction::triggered, this, [this, nome = item.nome] { abrirItem(nome); });
            }
        }
    };
    for (const MenuTopo &topo : menuPrincipal()) {
        auto *menu = new QMenu(topo.titulo, menuBar());
        preencher(menu, topo.itens);
        if (menu->isEmpty()) {
            delete menu;
            continue;
        }
        menu->menuAction()->setStatusTip(topo.dica);
        menuBar()->addMenu(menu);
    }
}

void TF_Principal::montarBarra()
{
    auto *barra = addToolBar(QStringLiteral("ToolBar1"));
    barra->setObjectName(QStringLiteral("ToolBar1"));
    barra->setMovable(false);
    for (const BotaoBarra &b : botoesBarra()) {
        if (!b.item.isEmpty() && !m_acoes.contains(b.item))
            continue;
        auto *botao = new QToolButton(barra);
        botao->setObjectName(b.nome);
        botao->setText(b.titulo);
        botao->setToolTip(b.dica.isEmpty() ? b.titulo : b.dica);
        botao->setStatusTip(b.dica);
        botao->setIcon(style()->standardIcon(iconeDoBotao(b.nome)));
        botao->setIconSize(QSize(32, 32));
        botao->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        botao->setAutoRaise(true);
        botao->setFixedSize(116, 65);
        QFont fonte = botao->font();
        fonte.setBold(true);
        botao->setFont(fonte);
        barra->addWidget(botao);
        if (b.divisorDepois)
            barra->addSeparator();
        if (b.item.isEmpty()) {
            connect(botao, &QToolButton::clicked, this, &TF_Principal::b_sairClick);
        } else {
            connect(botao, &QToolButton::clicked, this, [this, item = b.item] { abrirItem(item); });
            m_botoes.insert(b.item, botao);
        }
    }
}

void TF_Principal::montarStatus()
{
    int indice = 0;
    for (const int largura : {320, 160, 260, 50}) {
        auto *painel = new QLabel(statusBar());
        painel->setObjectName(QStringLiteral("Status%1").arg(indice++));
        painel->setFixedWidth(largura);
        painel->setFrameShape(QFrame::Panel);
        painel->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(painel);
        m_status << painel;
    }
    statusBar()->setSizeGripEnabled(false);
}

QLabel *TF_Principal::painelStatus(int indice) const
{
    return m_status.value(indice);
}

bool TF_Principal::event(QEvent *event)
{
    // The hint of whatever the mouse is over goes to the first panel.
    if (event->type() == QEvent::StatusTip) {
        m_status[0]->setText(u' ' + static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TF_Principal::AcessoButtonOff()
{
    for (const auto &[item, botao] : m_botoes.asKeyValueRange()) {
        const QAction *acao = menuBar()->findChild<QAction *>(item);
        botao->setEnabled(acao && Acesso::nivelDoItem(acao) > 0);
    }
}

void TF_Principal::abrirItem(const QString &nome)
{
    // Every window works on the open database of a logged-in session.
    if (!m_banco || m_encerrada || m_sessao.exercicio == 0)
        return;
    if (const auto acao = m_acoes.value(nome))
        acao();
}

void TF_Principal::atualizarTitulo()
{
    setWindowTitle(m_sessao.tituloJanelaPrincipal());
}

bool TF_Principal::iniciar()
{
    {
        TF_Abertura abertura(this);
        dialogs().exec(abertura);
    }
    m_sessao.definirTitulo(Sessao::tituloPrograma());

    m_banco = ConectarBanco(m_sessao, m_pastas, &TF_Config::pedir);
    if (!m_banco) {
        dialogs().information(QStringLiteral("A conexão com o BANCO DE DADOS não foi possível."),
                              QStringLiteral("Atenção"));
        return false;
    }

    m_acesso->setArqNome(m_pastas.destino(Acesso::defaultFileName()));
    if (const QString existente = m_pastas.localizar(Acesso::defaultFileName()); !existente.isEmpty())
        m_acesso->setArqNome(existente);
    if (!m_acesso->prepararArquivo(this)) {
        EncerrarSessao();
        return false;
    }

    {
        TF_Acesso login(*m_acesso, *m_banco, m_sessao, this);
        if (dialogs().exec(login) != QDialog::Accepted || m_sessao.exercicio == 0) {
            EncerrarSessao();
            return false;
        }
    }

    atualizarCombustiveis();
    if (!registrarSessao()) {
        EncerrarSessao();
        return false;
    }
    m_status[1]->setText(m_acesso->LogNome());
    atualizarTitulo();
    return true;
}

void TF_Principal::atualizarCombustiveis()
{
    lb_processos->setText(QStringLiteral("ATUALIZANDO VALORES DOS TIPOS DE COMBUSTÍVEIS"));
    lb_processos->repaint();
    try {
        Connection &transacao = m_banco->transacao();
        WriteTransaction tr(transacao);
        Query(transacao, QStringLiteral("execute procedure atual_vr_tp_combust")).exec();
        tr.commit();
    } catch (const DbError &) {
        dialogs().information(QStringLiteral("Não foi possível atualizar os valores dos tipos de combustíveis."));
    }
    lb_processos->clear();
}

bool TF_Principal::registrarSessao()
{
    m_registro = std::make_unique<RegistroSessao>(m_banco->transacao());
    const QString nome = m_acesso->LogNome();
    try {
        const auto resultado = m_registro->registrar(nome, nome == Acesso::MasterUsuario(),
                                                     RegistroSessao::localDaEstacao());
        if (resultado == RegistroSessao::Resultado::JaAtivo) {
            dialogs().error(QStringLiteral("Usuário já está ativo."));
            return false;
        }
    } catch (const DbError &e) {
        dialogs().error(e.message());
        return false;
    }
    return true;
}

void TF_Principal::EncerrarSessao()
{
    if (m_encerrada)
        return;
    m_encerrada = true;
    if (m_registro) {
        try {
            m_registro->encerrar();
        } catch (const DbError &e) {
            dialogs().error(e.message());
        }
    }
    if (m_banco)
        m_banco->desconectar();
}

void TF_Principal::closeEvent(QCloseEvent *event)
{
    if (!m_encerrada) {
        if (!dialogs().question(QStringLiteral("Essa aplicação será encerrada."), true)) {
            event->ignore();
            return;
        }
        EncerrarSessao();
    }
    event->accept();
}

void TF_Principal::b_sairClick()
{
    if (!dialogs().question(QStringLiteral("Deseja sair do sistema."), true))
        return;
    sair();
}

void TF_Principal::sair()
{
    EncerrarSessao();
    close();
}

void TF_Principal::men_usuarioClick()
{
    if (!m_acesso->LogAdmin()) {
        dialogs().error(QStringLiteral("Usuário não autorizado."));
        return;
    }
    m_acesso->administrarUsuarios(this);
}

void TF_Principal::men_alterar_senhaClick()
{
    if (!m_acesso->LogAltSenha()) {
        dialogs().error(QStringLiteral("Usuário não esta autorizado para alterar senha."));
        return;
    }
    m_acesso->alterarSenha(this);
}

} // namespace zedera
