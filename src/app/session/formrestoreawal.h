#pragma once

#include "scriptdialog.h"

// "  Restore": the first-start restore, offered while the server cannot be
// reached. It runs Restoreawal with (init.sql, the backup file,
// function.sql) from the program folder.
class TFormRestoreAwal : public ScriptDialog
{
    Q_OBJECT
public:
    // Retry: closed without either button, so the connection is tried again.
    // Quit: "Close" pressed. Restored: the restore succeeded; the program
    // must be restarted.
    enum class Outcome { Retry, Quit, Restored };

    TFormRestoreAwal(const QString &folderProgram, const ConnectionSettings &settings, QWidget *parent = nullptr);

    Outcome outcome() const { return m_outcome; }

    void TombolBrowseClick() override;
    void TombolExecuteClick() override;
    void TombolCloseClick() override;

private:
    QString m_folder;
    ConnectionSettings m_settings;
    Outcome m_outcome = Outcome::Retry;
};
