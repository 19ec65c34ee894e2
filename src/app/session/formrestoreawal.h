#pragma once

#include "connectionsettings.h"

#include <QDialog>

class QLineEdit;
class TFormTungguSebentar;

// "  Restore": the first-start restore, offered while the server cannot be
// reached. It runs Restoreawal with (init.sql, the backup file,
// function.sql) from the program folder.
class TFormRestoreAwal : public QDialog
{
    Q_OBJECT
public:
    // Retry: closed without either button, so the connection is tried again.
    // Quit: "Close" pressed. Restored: the restore succeeded; the program
    // must be restarted.
    enum class Outcome { Retry, Quit, Restored };

    TFormRestoreAwal(const QString &folderProgram, const ConnectionSettings &settings,
                     TFormTungguSebentar *busy, QWidget *parent = nullptr);

    Outcome outcome() const { return m_outcome; }

    void TombolBrowseClick();
    void TombolExecuteClick();
    void TombolCloseClick();

protected:
    // Esc presses "Close"; closing the window by other means retries.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_folder;
    ConnectionSettings m_settings;
    TFormTungguSebentar *m_busy;
    QLineEdit *m_file;
    Outcome m_outcome = Outcome::Retry;
};
