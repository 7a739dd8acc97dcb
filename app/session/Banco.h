#pragma once

#include "db/Connection.h"

#include <memory>

namespace zedera {

// The program's database: the connection BANCO and its three transactions. Each transaction name
// is a connection of its own on the same database, so a commit on one never closes the lists that
// another has open. Reads run outside explicit transactions and see other workstations' commits;
// writes are short WriteTransactions on the transaction the window uses.
class Banco {
public:
    // databaseName is the configured folder plus "contabil.gdb" (a path, or "host:path").
    explicit Banco(const ConnectionSettings &settings);
    ~Banco();

    static QString databaseFileName() { return QStringLiteral("contabil.gdb"); }
    // CAMINHO_BD of the configuration plus the file name; user and password default to the
    // program's own unless the configuration gives them.
    static ConnectionSettings settingsFor(const QString &caminhoBd, const QString &usuario = {},
                                          const QString &senha = {});

    // Opens the three transactions; throws DbError with the server's text.
    void conectar();
    void desconectar();
    bool conectado() const;

    const ConnectionSettings &settings() const { return m_settings; }
    Connection &transacao() { return *m_transacao; }
    Connection &transCad() { return *m_transCad; }
    Connection &trans01() { return *m_trans01; }

private:
    ConnectionSettings m_settings;
    std::unique_ptr<Connection> m_transacao;
    std::unique_ptr<Connection> m_transCad;
    std::unique_ptr<Connection> m_trans01;
};

} // namespace zedera
