#pragma once

#include "mainwindowhost.h"

#include <QDialog>

class QAction;
class QMenu;

// "Form Utama": the hub shown after login.
class TFormUtama : public QDialog, public MainWindowHost
{
    Q_OBJECT
public:
    explicit TFormUtama(QWidget *parent = nullptr);

    void RzGroup1Items1Click() override;
    void openForUser(const LoginRow &row) override;
    void showModal() override;

    void logout();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *m_login;
    QAction *m_logout;
    QAction *m_changePassword;
    QList<QMenu *> m_groups; // the menus enabled by rights 1 to 10
};
