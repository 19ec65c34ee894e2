#pragma once

#include <QDialog>

class QLineEdit;

// Changes the logged-in user's login name and password.
class TFormGantiPassword : public QDialog
{
    Q_OBJECT
public:
    explicit TFormGantiPassword(QWidget *parent = nullptr);

    void TombolSimpanClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *m_oldUser, *m_oldPassword, *m_newUser, *m_newPassword, *m_repeat;
};
