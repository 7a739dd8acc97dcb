#include "TF_Acesso.h"

#include "TF_Cad_Parametros.h"
#include "access/Acesso.h"
#include "dialogs/DialogService.h"
#include "session/Banco.h"
#include "session/Parametros.h"
#include "session/Sessao.h"
#include "widgets/FieldRules.h"

#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zedera {

namespace {

// The password shows one '*' per character, whatever the platform's own mark.
class EstiloSenha : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return u'*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QString anoAtual()
{
    return QString::number(QDate::currentDate().year());
}

} // namespace

TF_Acesso::TF_Acesso(Acesso &acesso, Banco &banco, Sessao &sessao, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_acesso(acesso), m_banco(banco),
      m_sessao(sessao)
{
    setObjectName(QStringLiteral("TF_Acesso"));
    setWindowTitle(QStringLiteral("Controle de Acesso"));

    auto *moldura = new QFrame(this);
    moldura->setFrameShape(QFrame::StyledPanel);
    auto *icone = new QLabel(moldura);
    icone->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(24, 24));
    auto *titulo = new QLabel(QStringLiteral("C O N T R O L E   D E   A C E S S O"), moldura);
    QFont fonte = titulo->font();
    fonte.setBold(true);
    titulo->setFont(fonte);
    auto *cabecalho = new QHBoxLayout;
    cabecalho->addWidget(icone);
    cabecalho->addWidget(titulo, 1);

    t_exercicio = new QLineEdit(moldura);
    t_exercicio->setObjectName(QStringLiteral("t_exercicio"));
    makeDigitsOnly(t_exercicio, 4);
    t_usuario = new QLineEdit(moldura);
    t_usuario->setObjectName(QStringLiteral("t_usuario"));
    makeUpperCase(t_usuario, 15);
    t_senha = new QLineEdit(moldura);
    t_senha->setObjectName(QStringLiteral("t_senha"));
    makeUpperCase(t_senha, 10);
    t_senha->setEchoMode(QLineEdit::Password);
    auto *estilo = new EstiloSenha;
    estilo->setParent(t_senha);
    t_senha->setStyle(estilo);

    auto *campos = new QGridLayout;
    const QList<QPair<QString, QLineEdit *>> rotulos = {{QStringLiteral("Exercício"), t_exercicio},
                                                        {QStringLiteral("Usuário"), t_usuario},
                                                        {QStringLiteral("Senha"), t_senha}};
    for (int i = 0; i < rotulos.size(); ++i) {
        auto *l = new QLabel(rotulos[i].first, moldura);
        l->setBuddy(rotulos[i].second);
        campos->addWidget(l, i, 0);
        campos->addWidget(rotulos[i].second, i, 1);
    }

    b_ok = new QPushButton(QStringLiteral("OK"), moldura);
    b_ok->setObjectName(QStringLiteral("b_ok"));
    b_cancelar = new QPushButton(QStringLiteral("Cancelar"), moldura);
    b_cancelar->setObjectName(QStringLiteral("b_cancelar"));
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(b_ok);
    botoes->addWidget(b_cancelar);

    auto *layoutMoldura = new QVBoxLayout(moldura);
    layoutMoldura->addLayout(cabecalho);
    layoutMoldura->addLayout(campos);
    layoutMoldura->addLayout(botoes);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(moldura);

    connect(b_ok, &QPushButton::clicked, this, &TF_Acesso::b_okClick);
    connect(b_cancelar, &QPushButton::clicked, this, &QDialog::reject);
    enterActsAsTab(this);
    ativar();
}

void TF_Acesso::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *dono = parentWidget(); dono && dono->isVisible())
        move(dono->geometry().center() - rect().center());
}

void TF_Acesso::ativar()
{
    m_tentativas = 0;
    m_sessao.exercicio = 0;
    t_exercicio->setText(anoAtual());
    t_usuario->setFocus();
}

void TF_Acesso::b_okClick()
{
    if (t_exercicio->text().isEmpty())
        t_exercicio->setText(anoAtual());
    if (t_exercicio->text().size() != 4) {
        dialogs().error(QStringLiteral("Exercício deve ter quatro digitos."));
        t_exercicio->setFocus();
        return;
    }
    if (t_exercicio->text() != anoAtual()
        && !dialogs().question(QStringLiteral("Exercício esta diferente do atual.\r\rDeseja continuar."), true)) {
        t_exercicio->setFocus();
        return;
    }

    if (!m_acesso.login(t_usuario->text(), t_senha->text())) {
        t_senha->clear();
        if (++m_tentativas >= maxTentativas) {
            dialogs().information(QStringLiteral("Tentativas esgotadas."));
            reject();
            return;
        }
        t_usuario->setFocus();
        return;
    }
    t_senha->clear();

    m_sessao.exercicio = t_exercicio->text().toInt();
    m_sessao.usuario = m_acesso.LogNome();
    bool continuar = false;
    try {
        continuar = carregarParametros();
    } catch (const DbError &e) {
        dialogs().error(e.message());
        return;
    }
    if (continuar)
        accept();
    else
        reject();
}

bool TF_Acesso::carregarParametros()
{
    if (const auto p = lerParametros(m_banco.transacao(), m_sessao.exercicio)) {
        copiarParaSessao(*p, m_sessao);
        return true;
    }
    TF_Cad_Parametros parametros(m_banco, m_sessao, this);
    dialogs().exec(parametros);
    if (parametros.encerrarPrograma())
        return false;
    // The window closes only once the year has its row; read it as stored.
    const auto gravados = lerParametros(m_banco.transacao(), m_sessao.exercicio);
    if (gravados)
        copiarParaSessao(*gravados, m_sessao);
    return gravados.has_value();
}

} // namespace zedera
