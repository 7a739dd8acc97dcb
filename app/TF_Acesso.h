#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zedera {

class Acesso;
class Banco;
struct Sessao;

// The login: working year, user and password. Three refused attempts end the program. A year
// without parameters opens the parameters window before the main window becomes usable. The
// dialog is accepted only when the user is logged in and the session holds the year's parameters;
// any other way out ends the program.
class TF_Acesso : public QDialog {
    Q_OBJECT
public:
    TF_Acesso(Acesso &acesso, Banco &banco, Sessao &sessao, QWidget *parent = nullptr);

    static constexpr int maxTentativas = 3;
    int tentativas() const { return m_tentativas; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ativar();
    void b_okClick();
    // Loads the year's parameters into the session, or has them registered; false when the user
    // chose to leave instead.
    bool carregarParametros();

    Acesso &m_acesso;
    Banco &m_banco;
    Sessao &m_sessao;
    int m_tentativas = 0;
    bool m_ativado = false;

    QLineEdit *t_exercicio;
    QLineEdit *t_usuario;
    QLineEdit *t_senha;
    QPushButton *b_ok;
    QPushButton *b_cancelar;
};

} // namespace zedera
