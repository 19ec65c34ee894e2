#include "programfolder.h"

#include "testdatabase.h"

#include <QFile>

ProgramFolder::ProgramFolder(const QString &ipLine)
    : m_previous(QDir::currentPath())
{
    const QDir program(TestDatabase::programDir());
    for (const QString &name : program.entryList(QDir::Files))
        if (name.endsWith(QLatin1String(".sh")) || name.endsWith(QLatin1String(".sql")))
            QFile::copy(program.filePath(name), m_dir.filePath(name));
    if (!ipLine.isNull()) {
        QFile ip(m_dir.filePath(QStringLiteral("ip.txt")));
        if (ip.open(QIODevice::WriteOnly))
            ip.write(ipLine.toUtf8() + "\r\n");
    }
    QDir::setCurrent(m_dir.path());
}

ProgramFolder::~ProgramFolder()
{
    QDir::setCurrent(m_previous);
}

void ProgramFolder::breakScript(const QString &script, const QString &error)
{
    QFile f(m_dir.filePath(script));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write("echo '" + error.toUtf8() + "' >&2\nexit 3\n");
}
