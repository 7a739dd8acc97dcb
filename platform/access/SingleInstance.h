#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;
class QWidget;

namespace zedera {

// Keeps one running copy of the program per user session. The first copy holds a lock file and
// listens on a local socket, both named after a key (the application title); a later copy finds
// the lock taken, asks the first copy to come to the front and must end.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy (it now holds the lock). False when another copy runs: that
    // copy has been asked to raise its window and the caller ends the program.
    bool start();
    bool isPrimary() const { return m_primary; }

    // Window restored and raised when another copy starts (activationRequested() is emitted too).
    void setWindow(QWidget *window) { m_window = window; }

signals:
    void activationRequested();

private:
    void raiseWindow();

    QString m_key;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    QPointer<QWidget> m_window;
    bool m_primary = false;
};

} // namespace zedera
