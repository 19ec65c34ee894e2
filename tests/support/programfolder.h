#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A program folder of a test's own: the scripts and the assembled SQL
// copied from the build, optionally an ip.txt, and the current folder
// switched to it for the test's lifetime.
class ProgramFolder
{
public:
    // A null `ipLine` writes no ip.txt.
    explicit ProgramFolder(const QString &ipLine = QString());
    ~ProgramFolder();

    QString path() const { return m_dir.path(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Replaces a script with one that writes `error` to stderr and fails.
    void breakScript(const QString &script, const QString &error);

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
