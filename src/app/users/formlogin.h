#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class MainWindowHost;

// The login window, the application's main window: the process ends when
// it closes. A successful login hides it and shows the main window modally;
// when that closes the login shows again with empty fields.
class TFormLogin : public QDialog
{
    Q_OBJECT
public:
    explicit TFormLogin(QWidget *parent = nullptr);

    void setMainWindow(MainWindowHost *host) { m_host = host; }

    void TombolLoginClick();

    // Called after a successful login, before the main window shows (the
    // due-payables reminder).
    void setAfterLogin(std::function<void()> hook) { m_afterLogin = std::move(hook); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    MainWindowHost *m_host = nullptr;
    std::function<void()> m_afterLogin;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QLabel *m_business;
};
