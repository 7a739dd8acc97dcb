#include "session/RegistroSessao.h"

#include "db/Connection.h"
#include "db/KeyAllocation.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>

namespace zedera {

namespace {

std::function<QDateTime()> &relogio()
{
    static std::function<QDateTime()> s_relogio;
    return s_relogio;
}

QDateTime agora()
{
    const QDateTime t = relogio() ? relogio()() : QDateTime::currentDateTime();
    // Whole seconds: the log is read by people, and a stored time compares equal to what was read.
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute(), t.time().second()));
}

} // namespace

RegistroSessao::RegistroSessao(Connection &transacao) : m_transacao(transacao) {}

void RegistroSessao::definirRelogio(std::function<QDateTime()> r)
{
    relogio() = std::move(r);
}

bool RegistroSessao::ativosTemLocal(Connection &transacao)
{
    Query q(transacao, QStringLiteral("SELECT RDB$FIELD_NAME FROM RDB$RELATION_FIELDS WHERE "
                                      "RDB$RELATION_NAME = 'ATIVOS' and RDB$FIELD_NAME = 'LOCAL'"));
    q.exec();
    return q.next();
}

QString RegistroSessao::localDaEstacao()
{
    QString ip;
    for (const QHostAddress &a : QNetworkInterface::allAddresses()) {
        if (!a.isLoopback() && a.protocol() == QAbstractSocket::IPv4Protocol) {
            ip = a.toString();
            break;
        }
    }
    if (ip.isEmpty())
        ip = QHostAddress(QHostAddress::LocalHost).toString();
    return QHostInfo::localHostName() + QStringLiteral(" (") + ip + u')';
}

RegistroSessao::Resultado RegistroSessao::registrar(const QString &logNome, bool usuarioMestre,
                                                    const QString &local)
{
    WriteTransaction tr(m_transacao);
    Query ativo(m_transacao, QStringLiteral("select usuario from ativos where usuario = :p_usuario"));
    ativo.bind(QStringLiteral(":p_usuario"), logNome).exec();
    if (ativo.next())
        return Resultado::JaAtivo;

    const QDateTime momento = agora();
    if (!usuarioMestre) {
        const bool comLocal = ativosTemLocal(m_transacao);
        Query insere(m_transacao, comLocal
                                      ? QStringLiteral("insert into ativos values(:p_usuario,:p_hora, :p_ip)")
                                      : QStringLiteral("insert into ativos values(:p_usuario,:p_hora)"));
        insere.bind(QStringLiteral(":p_usuario"), logNome);
        insere.bind(QStringLiteral(":p_hora"), momento);
        if (comLocal)
            insere.bind(QStringLiteral(":p_ip"), local);
        try {
            insere.exec();
        } catch (const DbError &e) {
            // Another workstation registered the same user between our check and this insert.
            if (e.isDuplicateKey())
                return Resultado::JaAtivo;
            throw;
        }
    }
    m_usuario = logNome;
    gravarAcesso(QStringLiteral("ENTRADA"));
    tr.commit();
    m_registrado = true;
    m_mestre = usuarioMestre;
    return Resultado::Registrado;
}

void RegistroSessao::encerrar()
{
    if (!m_registrado)
        return;
    WriteTransaction tr(m_transacao);
    if (!m_mestre) {
        Query apaga(m_transacao, QStringLiteral("delete from ativos where usuario = :p_usuario"));
        apaga.bind(QStringLiteral(":p_usuario"), m_usuario).exec();
    }
    gravarAcesso(QStringLiteral("SAIDA"));
    tr.commit();
    m_registrado = false;
}

void RegistroSessao::gravarAcesso(const QString &evento)
{
    const QDateTime momento = agora();
    // The texts differ only by the event word, which is part of the statement, not typed input.
    const QString insert = QStringLiteral("insert into acessos values(:p_sequencia, :p_usuario, :p_data, "
                                          ":p_hora, '%1')")
                               .arg(evento);
    insertWithNextKey(m_transacao, QStringLiteral("select max(seq) + 1 as proximo from acessos"), {},
                      [&](qint64 seq) {
                          Query q(m_transacao, insert);
                          q.bind(QStringLiteral(":p_sequencia"), seq);
                          q.bind(QStringLiteral(":p_usuario"), m_usuario);
                          q.bind(QStringLiteral(":p_data"), momento.date());
                          q.bind(QStringLiteral(":p_hora"), momento.time());
                          q.exec();
                      });
}

} // namespace zedera
