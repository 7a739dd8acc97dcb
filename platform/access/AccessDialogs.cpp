#include "access/AccessDialogs.h"

#include "access/UserStore.h"
#include "dialogs/DialogService.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedera {

void enterMovesFocus(QDialog &dialog, const QList<QLineEdit *> &fields, QPushButton *button)
{
    for (QPushButton *b : dialog.findChildren<QPushButton *>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QLineEdit *field = fields.at(i);
        if (i + 1 < fields.size()) {
            QLineEdit *next = fields.at(i + 1);
            QObject::connect(field, &QLineEdit::returnPressed, next,
                             [next] { next->setFocus(Qt::TabFocusReason); });
        } else if (button) {
            QObject::connect(field, &QLineEdit::returnPressed, button, &QPushButton::click);
        }
    }
}

QLineEdit *passwordField(const QString &objectName, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(UserStore::maxSenha);
    return field;
}

bool newPasswordAccepted(QLineEdit *nova, QLineEdit *confirma)
{
    const QString problem = UserStore::passwordProblem(nova->text());
    if (!problem.isEmpty()) {
        dialogs().warning(problem);
        nova->setFocus();
        return false;
    }
    if (UserStore::normalize(nova->text()) != UserStore::normalize(confirma->text())) {
        dialogs().warning(QStringLiteral("A confirmação não confere com a nova senha."));
        confirma->clear();
        confirma->setFocus();
        return false;
    }
    return true;
}

namespace {

// OK and Cancel buttons named b_ok and b_cancelar.
QDialogButtonBox *okCancel(QDialog *dialog)
{
    auto *box = new QDialogButtonBox(dialog);
    QPushButton *ok = box->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("b_ok"));
    QPushButton *cancel = box->addButton(QStringLiteral("&Cancelar"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("b_cancelar"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return box;
}

QPushButton *okButton(QDialog *dialog)
{
    return dialog->findChild<QPushButton *>(QStringLiteral("b_ok"));
}

} // namespace

TF_Senha_Master::TF_Senha_Master(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TF_Senha_Master"));
    setWindowTitle(QStringLiteral("Senha do Usuário Master"));

    auto *text =
        new QLabel(QStringLiteral("O arquivo de usuários ainda não existe.\n"
                                  "Defina a senha do usuário %1, que cadastra os usuários e os grupos "
                                  "do sistema e tem acesso a todos os itens do menu.")
                       .arg(UserStore::masterName()),
                   this);
    text->setObjectName(QStringLiteral("lb_explicacao"));
    text->setWordWrap(true);

    m_senha = passwordField(QStringLiteral("t_senha"), this);
    m_confirma = passwordField(QStringLiteral("t_confirma"), this);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Senha"), m_senha);
    form->addRow(QStringLiteral("&Confirme a senha"), m_confirma);

    QDialogButtonBox *buttons = okCancel(this);
    connect(okButton(this), &QPushButton::clicked, this, &TF_Senha_Master::confirmar);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(buttons);
    enterMovesFocus(*this, {m_senha, m_confirma}, okButton(this));
    setMinimumWidth(380);
    m_senha->setFocus();
}

QString TF_Senha_Master::senha() const
{
    return UserStore::normalize(m_senha->text());
}

void TF_Senha_Master::confirmar()
{
    if (newPasswordAccepted(m_senha, m_confirma))
        accept();
}

TF_Alterar_Senha::TF_Alterar_Senha(const QString &usuario, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TF_Alterar_Senha"));
    setWindowTitle(QStringLiteral("Alterar Senha"));

    auto *user = new QLabel(usuario, this);
    user->setObjectName(QStringLiteral("lb_usuario"));
    m_atual = passwordField(QStringLiteral("t_senha_atual"), this);
    m_nova = passwordField(QStringLiteral("t_nova_senha"), this);
    m_confirma = passwordField(QStringLiteral("t_confirma_senha"), this);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Usuário"), user);
    form->addRow(QStringLiteral("Senha &atual"), m_atual);
    form->addRow(QStringLiteral("&Nova senha"), m_nova);
    form->addRow(QStringLiteral("&Confirme a nova senha"), m_confirma);

    QDialogButtonBox *buttons = okCancel(this);
    connect(okButton(this), &QPushButton::clicked, this, &TF_Alterar_Senha::confirmar);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    enterMovesFocus(*this, {m_atual, m_nova, m_confirma}, okButton(this));
    setMinimumWidth(340);
    m_atual->setFocus();
}

void TF_Alterar_Senha::confirmar()
{
    if (!m_checker || !m_checker(m_atual->text())) {
        dialogs().warning(QStringLiteral("A senha atual não confere."));
        m_atual->clear();
        m_atual->setFocus();
        return;
    }
    if (!newPasswordAccepted(m_nova, m_confirma))
        return;
    QString erro;
    if (!m_saver || !m_saver(m_nova->text(), &erro)) {
        dialogs().error(erro.isEmpty() ? QStringLiteral("A senha não foi alterada.") : erro);
        return;
    }
    dialogs().information(QStringLiteral("Senha alterada."));
    accept();
}

} // namespace zedera
