#include "access/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QWidget>

namespace zedera {

namespace {

const QByteArray raiseRequest = QByteArrayLiteral("RAISE\n");

// The title has blanks and accents; lock files and socket names want a plain word. The user's name
// goes in too, so two people on one terminal server each run their own copy.
QString plainName(const QString &key)
{
    const QString who = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    const QByteArray digest =
        QCryptographicHash::hash((key + QLatin1Char('\n') + who).toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("zedera-") + QString::fromLatin1(digest.toHex().left(24));
}

} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent), m_key(key), m_serverName(plainName(key))
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
    if (m_lock)
        m_lock->unlock();
}

bool SingleInstance::start()
{
    if (m_primary)
        return true;

    // The lock decides who is first; a lock left by a copy that crashed is recognised as stale
    // (its process is gone) and taken over.
    auto lock =
        std::make_unique<QLockFile>(QDir(QDir::tempPath()).filePath(m_serverName + QStringLiteral(".lock")));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(1000)) {
            socket.write(raiseRequest);
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
        }
        return false;
    }
    m_lock = std::move(lock);
    m_primary = true;

    // Holding the lock, any socket of that name is a leftover of a crashed copy.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server->listen(m_serverName)) {
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *peer = m_server->nextPendingConnection()) {
                connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
                connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                    if (peer->readAll().contains(raiseRequest))
                        raiseWindow();
                });
            }
        });
    }
    // Without the socket the program still runs alone; a second copy then just ends.
    return true;
}

void SingleInstance::raiseWindow()
{
    if (m_window) {
        if (m_window->isMinimized())
            m_window->setWindowState((m_window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }
    emit activationRequested();
}

} // namespace zedera
