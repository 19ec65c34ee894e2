#include "backupname.h"

#include <QDir>

QString backupFileName(const QDateTime &at)
{
    return at.toString(QStringLiteral("ddMMyyyy_HH_mm")) + QStringLiteral(".bac");
}

QString defaultBackupFolder(const QString &programFolder)
{
    return QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("BackUp")) + QLatin1Char('/'));
}
