#include "session/Banco.h"

#include <QDir>

namespace zedera {

namespace {
int s_instances = 0;
}

Banco::Banco(const ConnectionSettings &settings) : m_settings(settings)
{
    // Qt connection names are process-wide; a second Banco (a test's second workstation) gets its
    // own suffix so the two never share a connection.
    const QString suffix = s_instances++ == 0 ? QString() : QStringLiteral("_%1").arg(s_instances);
    m_transacao = std::make_unique<Connection>(QStringLiteral("TRANSACAO") + suffix, settings);
    m_transCad = std::make_unique<Connection>(QStringLiteral("TRANS_CAD") + suffix, settings);
    m_trans01 = std::make_unique<Connection>(QStringLiteral("TRANS_01") + suffix, settings);
}

Banco::~Banco() = default;

ConnectionSettings Banco::settingsFor(const QString &caminhoBd, const QString &usuario, const QString &senha)
{
    ConnectionSettings s;
    QString folder = caminhoBd;
    // A local folder may be written without its closing separator; "host:" forms are kept as typed.
    if (!folder.isEmpty() && !folder.endsWith(u'/') && !folder.endsWith(u'\\') && !folder.endsWith(u':'))
        folder += u'/';
    s.databaseName = folder + databaseFileName();
    if (!usuario.isEmpty())
        s.user = usuario;
    if (!senha.isEmpty())
        s.password = senha;
    return s;
}

void Banco::conectar()
{
    m_transacao->open();
    m_transCad->open();
    m_trans01->open();
}

void Banco::desconectar()
{
    m_trans01->close();
    m_transCad->close();
    m_transacao->close();
}

bool Banco::conectado() const
{
    return m_transacao->isOpen();
}

} // namespace zedera
