#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace {

QString desktopName()
{
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("SESSIONNAME"); // Windows
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user + QLatin1Char('@') + display;
}

} // namespace

QString SingleInstance::defaultKey()
{
    return QStringLiteral("dagang");
}

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
{
    const QString id = key + QLatin1Char('-')
        + QString::fromLatin1(QCryptographicHash::hash(desktopName().toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(id + QStringLiteral(".lock")));
    // The program runs for hours: no age makes its lock stale. A lock left by
    // a process that died is still taken over, found by its process id.
    m_lock->setStaleLockTime(0);
    m_primary = m_lock->tryLock(100);
    if (!m_primary) {
        QLocalSocket socket;
        socket.connectToServer(id);
        if (socket.waitForConnected(1000)) {
            socket.write("activate\n");
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
        }
        return;
    }
    QLocalServer::removeServer(id);
    m_server = new QLocalServer(this);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = m_server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            Q_EMIT activationRequested();
        }
    });
    m_server->listen(id);
}

SingleInstance::~SingleInstance() = default;
