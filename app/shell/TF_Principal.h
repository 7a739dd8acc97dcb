#pragma once

#include "session/Configuracao.h"

#include <QHash>
#include <QMainWindow>

#include <memory>

class QLabel;
class QToolButton;

namespace zedera {

class Acesso;
class Banco;
class RegistroSessao;
struct Sessao;

// The main window: it connects the database, runs the login, registers the user as connected,
// offers the menu and toolbar that open every other window, and ends the session in order.
class TF_Principal : public QMainWindow {
    Q_OBJECT
public:
    explicit TF_Principal(const PastasPrograma &pastas, QWidget *parent = nullptr);
    ~TF_Principal() override;

    // The start-up after the window exists: splash, configuration and connection, login (with the
    // year's parameters), fuel prices, registration as connected user, caption. False when the
    // program must end instead (every message has been shown).
    bool iniciar();

    // Ends the session: leaves the connected users, writes the exit line, disconnects. The window
    // then closes without asking again.
    void EncerrarSessao();
    bool encerrada() const { return m_encerrada; }

    // Opens the window of a menu item (as choosing it does).
    void abrirItem(const QString &nome);

    Acesso &acesso() { return *m_acesso; }
    Banco *banco() { return m_banco.get(); }
    QLabel *painelStatus(int indice) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void montarMenu();
    void montarBarra();
    void montarStatus();
    void AcessoButtonOff();
    void atualizarTitulo();
    void atualizarCombustiveis();
    bool registrarSessao();
    void men_usuarioClick();
    void men_alterar_senhaClick();
    void b_sairClick();
    void sair();

    PastasPrograma m_pastas;
    Sessao &m_sessao;
    std::unique_ptr<Acesso> m_acesso;
    std::unique_ptr<Banco> m_banco;
    std::unique_ptr<RegistroSessao> m_registro;
    QHash<QString, std::function<void()>> m_acoes;
    QHash<QString, QToolButton *> m_botoes;
    QLabel *lb_processos = nullptr;
    QList<QLabel *> m_status;
    bool m_encerrada = false;
};

} // namespace zedera
