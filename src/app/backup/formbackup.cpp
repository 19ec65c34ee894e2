#include "formbackup.h"

#include "activeuser.h"
#include "backupname.h"
#include "messages.h"
#include "tdm.h"

#include <QDir>
#include <QLineEdit>

TFormBackUp::TFormBackUp(QWidget *parent)
    : ScriptDialog(QStringLiteral("TFormBackUp"), QStringLiteral("  Back Up"), QStringLiteral("Destination File"),
                   QStringLiteral("Execute Back-Up"), parent)
{
}

void TFormBackUp::showEvent(QShowEvent *event)
{
    ScriptDialog::showEvent(event);
    pathField()->setText(defaultBackupFolder(activeUser().PathAplikasi));
}

void TFormBackUp::TombolBrowseClick()
{
    const QString folder = messages().chooseFolder(QStringLiteral("Back Up"), pathField()->text());
    if (!folder.isEmpty())
        pathField()->setText(QDir::toNativeSeparators(folder));
}

void TFormBackUp::TombolExecuteClick()
{
    const QString folder = QDir::fromNativeSeparators(pathField()->text());
    if (!QDir().mkpath(folder)) {
        messages().error(QStringLiteral("Backup gagal!!!\nFolder %1 tidak dapat dibuat").arg(pathField()->text()));
        return;
    }
    const QString file = QDir(folder).filePath(backupFileName(QDateTime::currentDateTime()));
    const ScriptResult result = runScript(activeUser().PathAplikasi, QStringLiteral("backup"), {file}, DM->settings());
    if (!result.succeeded()) {
        messages().error(QStringLiteral("Backup gagal!!!\n") + result.errorOutput);
        return;
    }
    messages().information(QStringLiteral("Data telah berhasil di-BackUp"));
    accept();
}
