#include "formrestore.h"

#include "activeuser.h"
#include "backupname.h"
#include "messages.h"
#include "tdm.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

TFormRestore::TFormRestore(QWidget *parent)
    : ScriptDialog(QStringLiteral("TFormRestore"), QStringLiteral("  Restore"), QStringLiteral("Source File"),
                   QStringLiteral("Execute Restore"), parent)
{
}

void TFormRestore::showEvent(QShowEvent *event)
{
    ScriptDialog::showEvent(event);
    pathField()->setText(defaultBackupFolder(activeUser().PathAplikasi));
}

void TFormRestore::TombolBrowseClick()
{
    const QString file = messages().openFile(QStringLiteral("Restore"), QDir::fromNativeSeparators(pathField()->text()),
                                             QStringLiteral("Backup File (*.bac *.BAC)"));
    if (!file.isEmpty())
        pathField()->setText(QDir::toNativeSeparators(file));
}

void TFormRestore::TombolExecuteClick()
{
    const QString file = QDir::fromNativeSeparators(pathField()->text());
    if (!QFileInfo(file).isFile()) {
        messages().error(QStringLiteral("File tidak ditemukan !"));
        return;
    }
    const QDir folder(DM->FolderProgram);
    const ScriptResult result = runScript(
        DM->FolderProgram, QStringLiteral("Restore"),
        {folder.filePath(QStringLiteral("init.sql")), file, folder.filePath(QStringLiteral("function.sql"))},
        DM->settings());
    if (!result.succeeded()) {
        messages().error(QStringLiteral("Restore gagal!!!\n") + result.errorOutput);
        return;
    }
    messages().information(QStringLiteral("Data telah berhasil di-Restore"));
    accept();
}
