#include "formrestoreawal.h"

#include "messages.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

TFormRestoreAwal::TFormRestoreAwal(const QString &folderProgram, const ConnectionSettings &settings, QWidget *parent)
    : ScriptDialog(QStringLiteral("TFormRestoreAwal"), QStringLiteral("  Restore"), QStringLiteral("Source File"),
                   QStringLiteral("Execute Restore"), parent),
      m_folder(folderProgram), m_settings(settings)
{
    m_firstStart = true;
}

void TFormRestoreAwal::TombolBrowseClick()
{
    const QString file = messages().openFile(QStringLiteral("Restore"), m_folder,
                                             QStringLiteral("Backup File (*.bac *.BAC)"));
    if (!file.isEmpty())
        pathField()->setText(QDir::toNativeSeparators(file));
}

void TFormRestoreAwal::TombolCloseClick()
{
    m_outcome = Outcome::Quit;
    reject();
}

void TFormRestoreAwal::TombolExecuteClick()
{
    const QString file = QDir::fromNativeSeparators(pathField()->text());
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        messages().error(QStringLiteral("File tidak ditemukan !"));
        return;
    }
    const QDir folder(m_folder);
    const ScriptResult result = runScript(
        m_folder, QStringLiteral("Restoreawal"),
        {folder.filePath(QStringLiteral("init.sql")), file, folder.filePath(QStringLiteral("function.sql"))},
        m_settings);
    if (!result.succeeded()) {
        messages().error(QStringLiteral("Restore gagal, data belum di-restore!!!\n") + result.errorOutput);
        return;
    }
    messages().information(QStringLiteral("Data telah berhasil di-Restore\rTolong applikasi ini di-restart!!!"));
    m_outcome = Outcome::Restored;
    accept();
}
