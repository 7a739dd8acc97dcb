#pragma once

#include "access/UserStore.h"
#include "db/Connection.h"
#include "session/Configuracao.h"
#include "session/Parametros.h"

#include <QMap>
#include <QString>

#include <memory>

namespace zedera::testing {

// A program's surroundings for tests: its folder (configuration files, users file), a user
// configuration folder, and a fresh database named contabil.gdb in a folder of its own.
class AmbientePrograma {
public:
    AmbientePrograma();

    const QString &pasta() const { return m_pasta; }
    const QString &pastaUsuario() const { return m_pastaUsuario; }
    // CAMINHO_BD of this environment's database (with the trailing separator).
    const QString &pastaBanco() const { return m_pastaBanco; }
    PastasPrograma pastas() const { return PastasPrograma(m_pasta, m_pastaUsuario); }

    // Writes section VKL of the selected configuration file with the given lines ("KEY=value").
    void escreverConfig(int config, const QStringList &linhas) const;
    // The usual file: CAMINHO_BD pointing at this database and the three backup values.
    void escreverConfigCompleta(int config = 0) const;

    // A connection of the test's own on the database (the program keeps its own).
    Connection &banco();

    // Users file with the master user (password senhaMestre()) plus the given users and groups.
    struct Usuario {
        QString nome;
        QString senha;
        QString grupo;
        bool admin = false;
        bool altSenha = false;
    };
    void criarUsuarios(const QList<Usuario> &usuarios, const QList<AccessGroup> &grupos) const;
    QString arquivoUsuarios() const;
    static QString senhaMestre() { return QStringLiteral("MESTRE1"); }

    // Stores the parameters of a year (a complete, valid row).
    void inserirParametros(int ano, const QString &empresa = QStringLiteral("PREFEITURA MUNICIPAL"),
                           const QString &cidade = QStringLiteral("SANTA LUZIA"));
    static ParametrosExercicio parametrosExemplo(int ano);

    // Rows of a table as text lines "v1|v2|...", in the order of the given statement.
    QStringList linhas(const QString &select);

private:
    QString m_pasta;
    QString m_pastaUsuario;
    QString m_pastaBanco;
    std::unique_ptr<Connection> m_conexao;
};

} // namespace zedera::testing
