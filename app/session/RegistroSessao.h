#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace zedera {

class Connection;

// Who is connected (ativos) and the log of entries and exits (acessos). A user works on one
// workstation at a time; the access component's master user may be logged in anywhere at once and
// is therefore never listed as connected, though its entries and exits are logged.
class RegistroSessao {
public:
    enum class Resultado { Registrado, JaAtivo };

    // `transacao` is the program's TRANSACAO connection.
    explicit RegistroSessao(Connection &transacao);

    // Registers the logged-in user: refuses a user already connected (nothing is written then),
    // adds the user to the connected users unless `usuarioMestre`, and writes the entry line, all
    // in one commit. `local` is what the workstation column LOCAL receives when the table has it.
    Resultado registrar(const QString &logNome, bool usuarioMestre, const QString &local);
    // Removes this session's line from the connected users and writes the exit line. A session
    // that never registered (the program ending during login) writes nothing: the same user may
    // be connected on another workstation, and that line is not ours to remove.
    void encerrar();

    bool registrado() const { return m_registrado; }
    const QString &usuario() const { return m_usuario; }

    // Whether this database's connected-users table has the workstation column LOCAL.
    static bool ativosTemLocal(Connection &transacao);
    // This workstation as "host name (local IP address)".
    static QString localDaEstacao();

    // The clock; tests fix it.
    static void definirRelogio(std::function<QDateTime()> relogio);

private:
    void gravarAcesso(const QString &evento);

    Connection &m_transacao;
    QString m_usuario;
    bool m_registrado = false;
    bool m_mestre = false;
};

} // namespace zedera
