// Start-up: the single-instance rule, the session, the login window (the
// application's main window), the main window, then the message loop.

#include "appwindows.h"
#include "formlogin.h"
#include "formutama.h"
#include "singleinstance.h"
#include "tdm.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dagang"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dagang"));

    SingleInstance guard(SingleInstance::defaultKey());
    if (!guard.isPrimary())
        return 0; // the running copy was asked to come to the front

    TDM dm;
    if (dm.DataModuleCreate() == TDM::Outcome::Quit)
        return 0;

    registerAppWindows();

    TFormLogin login;
    TFormUtama utama;
    login.setMainWindow(&utama);
    QObject::connect(&guard, &SingleInstance::activationRequested, &login, [&login] {
        QWidget *front = QApplication::activeModalWidget();
        if (!front)
            front = &login;
        front->showNormal();
        front->raise();
        front->activateWindow();
    });
    QObject::connect(&login, &QDialog::finished, &app, &QApplication::quit);
    login.show();
    return app.exec();
}
