#include "TF_Config.h"

#include "dialogs/DialogService.h"
#include "session/Sessao.h"
#include "widgets/FieldRules.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedera {

namespace {

QLineEdit *novoCampo(const QString &nome, QWidget *parent)
{
    auto *campo = new QLineEdit(parent);
    campo->setObjectName(nome);
    campo->setMinimumWidth(360);
    return campo;
}

} // namespace

TF_Config::TF_Config(Sessao &sessao, QWidget *parent) : QDialog(parent), m_sessao(sessao)
{
    setObjectName(QStringLiteral("TF_Config"));
    setWindowTitle(QStringLiteral("V.E.X - Configurações"));

    auto *grupoBanco = new QGroupBox(QStringLiteral(" Acesso ao Banco de Dados "), this);
    m_ajuda = new QPlainTextEdit(grupoBanco);
    m_ajuda->setObjectName(QStringLiteral("m_ajuda"));
    m_ajuda->setReadOnly(true);
    m_ajuda->setFocusPolicy(Qt::NoFocus);
    m_ajuda->setPlainText(QStringList{
        QStringLiteral("  Digite o caminho completo do banco de dados."),
        QString(),
        QStringLiteral("  Ser for em rede -> IP ou Host mais o caminho. "),
        QStringLiteral("  Ex. com IP - ( 192.168.0.10:/srv/banco/ ou 192.168.0.10:c:\\banco\\ )"),
        QStringLiteral("  Ex. com Host - ( \\\\servidor\\compartilhamento\\banco\\ )"),
        QString(),
        QStringLiteral("  Se for local -> Ex. ( c:\\banco\\ )"),
    }.join(u'\n'));
    m_ajuda->setFixedHeight(m_ajuda->fontMetrics().lineSpacing() * 8 + 12);
    t_caminho_bd = novoCampo(QStringLiteral("t_caminho_bd"), grupoBanco);
    auto *formBanco = new QFormLayout;
    formBanco->addRow(QStringLiteral("Caminho do Banco de Dados"), t_caminho_bd);
    auto *layoutBanco = new QVBoxLayout(grupoBanco);
    layoutBanco->addWidget(m_ajuda);
    layoutBanco->addLayout(formBanco);

    auto *grupoBackup = new QGroupBox(QStringLiteral(" Configuração para Backup "), this);
    t_ip = novoCampo(QStringLiteral("t_ip"), grupoBackup);
    t_caminho_bk = novoCampo(QStringLiteral("t_caminho_bk"), grupoBackup);
    t_caminho_map = novoCampo(QStringLiteral("t_caminho_map"), grupoBackup);
    auto *formBackup = new QFormLayout(grupoBackup);
    formBackup->addRow(QStringLiteral("IP ou Nome do servidor"), t_ip);
    formBackup->addRow(QStringLiteral("Caminho do Banco de Dados sem o IP ou Nome do Servidor"), t_caminho_bk);
    formBackup->addRow(QStringLiteral("Caminho mapeado do Banco de Dados"), t_caminho_map);

    b_ok = new QPushButton(QStringLiteral("&Ok"), this);
    b_ok->setObjectName(QStringLiteral("b_ok"));
    b_cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    b_cancelar->setObjectName(QStringLiteral("b_cancelar"));
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(b_ok);
    botoes->addWidget(b_cancelar);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grupoBanco);
    layout->addWidget(grupoBackup);
    layout->addLayout(botoes);

    connect(b_ok, &QPushButton::clicked, this, &TF_Config::b_okClick);
    connect(b_cancelar, &QPushButton::clicked, this, &QDialog::reject);
    enterActsAsTab(this);
    t_caminho_bd->setFocus();
}

void TF_Config::pedir(Sessao &sessao)
{
    TF_Config janela(sessao);
    dialogs().exec(janela);
}

void TF_Config::b_okClick()
{
    const struct {
        QLineEdit *campo;
        const char16_t *mensagem;
    } obrigatorios[] = {
        {t_caminho_bd, u"O caminho do Banco de Dados deve ser informado."},
        {t_ip, u"O IP ou Nome do Servidor do Banco de Dados deve ser informado."},
        {t_caminho_bk, u"O caminho do Banco de Dados para backup deve ser informado."},
        {t_caminho_map, u"O caminho mapeado do Banco de Dados para backup deve ser informado."},
    };
    for (const auto &o : obrigatorios) {
        if (o.campo->text().trimmed().isEmpty()) {
            dialogs().warning(QString::fromUtf16(o.mensagem), QStringLiteral("Atenção"));
            o.campo->setFocus();
            return;
        }
    }
    m_sessao.caminho_bd = t_caminho_bd->text().trimmed();
    m_sessao.ip = t_ip->text().trimmed();
    m_sessao.caminho_bk = t_caminho_bk->text().trimmed();
    m_sessao.caminho_map = t_caminho_map->text().trimmed();
    accept();
}

} // namespace zedera
