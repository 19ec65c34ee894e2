#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One copy of the program per desktop. The first copy holds a lock file and
// listens on a local socket; a later copy finds the lock taken, asks the
// first to come to the front and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // `key` names the program; the user and the display are added to it.
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True for the first copy. For a later copy this has already asked the
    // first one to come to the front.
    bool isPrimary() const { return m_primary; }

    static QString defaultKey();

Q_SIGNALS:
    // Another copy was started: bring the program's window to the front.
    void activationRequested();

private:
    bool m_primary = false;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
