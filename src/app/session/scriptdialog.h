#pragma once

#include "connectionsettings.h"
#include "scriptrunner.h"

#include <QDialog>

class QLineEdit;

// The backup and restore windows: a path field with a browse button, an
// execute button (the default) and "Close" (Esc presses it); no close box.
// Running a script shows the busy window while the program stays
// responsive to repaint.
class ScriptDialog : public QDialog
{
    Q_OBJECT
public:
    QLineEdit *pathField() const { return m_path; }

    virtual void TombolBrowseClick() = 0;
    virtual void TombolExecuteClick() = 0;
    virtual void TombolCloseClick() { reject(); }

protected:
    ScriptDialog(const QString &objectName, const QString &caption, const QString &fieldLabel,
                 const QString &executeCaption, QWidget *parent = nullptr);

    // Runs `base` (.sh here, .bat on Windows) from `folder` with `arguments`
    // under the connection's environment, the busy window showing meanwhile.
    ScriptResult runScript(const QString &folder, const QString &base, const QStringList &arguments,
                           const ConnectionSettings &connection);

    void keyPressEvent(QKeyEvent *event) override;

    // The first-start restore shows its own busy window (TFormTungguSebentarAwal).
    bool m_firstStart = false;

private:
    QLineEdit *m_path;
};
