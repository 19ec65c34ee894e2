#pragma once

#include <QDateTime>
#include <QString>

// The backup file of a moment: "ddMMyyyy_hh_mm" + ".bac" (two backups in
// the same minute share a name; the second replaces the first).
QString backupFileName(const QDateTime &at);
// The default backup folder: BackUp below the program folder.
QString defaultBackupFolder(const QString &programFolder);
