#include "formrestoreawal.h"

#include "formtunggusebentar.h"
#include "messages.h"
#include "scriptrunner.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TFormRestoreAwal::TFormRestoreAwal(const QString &folderProgram, const ConnectionSettings &settings,
                                   TFormTungguSebentar *busy, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_folder(folderProgram), m_settings(settings), m_busy(busy), m_file(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TFormRestoreAwal"));
    setWindowTitle(QStringLiteral("  Restore"));
    m_file->setObjectName(QStringLiteral("EditFile"));
    m_file->setMinimumWidth(360);
    auto *browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("TombolBrowse"));
    browse->setText(QStringLiteral("..."));
    auto *execute = new QPushButton(QStringLiteral("Execute Restore"), this);
    execute->setObjectName(QStringLiteral("TombolExecute"));
    execute->setDefault(true);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("TombolClose"));
    close->setAutoDefault(false);

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Source File"), this));
    row->addWidget(m_file, 1);
    row->addWidget(browse);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(execute);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    connect(browse, &QToolButton::clicked, this, &TFormRestoreAwal::TombolBrowseClick);
    connect(execute, &QPushButton::clicked, this, &TFormRestoreAwal::TombolExecuteClick);
    connect(close, &QPushButton::clicked, this, &TFormRestoreAwal::TombolCloseClick);
}

void TFormRestoreAwal::TombolBrowseClick()
{
    const QString file = messages().openFile(QStringLiteral("Restore"), m_folder,
                                             QStringLiteral("Backup File (*.bac *.BAC)"));
    if (!file.isEmpty())
        m_file->setText(QDir::toNativeSeparators(file));
}

void TFormRestoreAwal::TombolCloseClick()
{
    m_outcome = Outcome::Quit;
    reject();
}

void TFormRestoreAwal::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        TombolCloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormRestoreAwal::TombolExecuteClick()
{
    const QString file = QDir::fromNativeSeparators(m_file->text());
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        messages().error(QStringLiteral("File tidak ditemukan !"));
        return;
    }
    QApplication::processEvents();
    const QDir folder(m_folder);
    if (m_busy)
        m_busy->showBusy();
    const ScriptResult result = ScriptRunner::run(
        ScriptRunner::scriptFor(m_folder, QStringLiteral("Restoreawal")),
        {folder.filePath(QStringLiteral("init.sql")), file, folder.filePath(QStringLiteral("function.sql"))},
        m_settings.scriptEnvironment());
    if (m_busy)
        m_busy->hide();
    if (!result.succeeded()) {
        messages().error(QStringLiteral("Restore gagal, data belum di-restore!!!\n") + result.errorOutput);
        return;
    }
    messages().information(QStringLiteral("Data telah berhasil di-Restore\rTolong applikasi ini di-restart!!!"));
    m_outcome = Outcome::Restored;
    accept();
}
