#include "formgantipassword.h"

#include "activeuser.h"
#include "buttons.h"
#include "login.h"
#include "messages.h"
#include "numberedits.h"
#include "session.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *field(QWidget *parent, const QString &name, bool masked)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    limitTyping(edit, 20);
    if (masked)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

} // namespace

TFormGantiPassword::TFormGantiPassword(QWidget *parent)
    : QDialog(parent), m_oldUser(field(this, QStringLiteral("EditUserLama"), false)),
      m_oldPassword(field(this, QStringLiteral("EditPasswordLama"), true)),
      m_newUser(field(this, QStringLiteral("EditUserBaru"), false)),
      m_newPassword(field(this, QStringLiteral("EditPasswordBaru"), true)),
      m_repeat(field(this, QStringLiteral("EditUlangPassword"), true))
{
    setObjectName(QStringLiteral("TFormGantiPassword"));
    setWindowTitle(QStringLiteral("  Ganti Nama User / Password"));
    auto *save = makeButton(this, QStringLiteral("TombolSimpan"), QStringLiteral("&Simpan [Enter]"), ButtonRole::Default);
    auto *close = makeButton(this, QStringLiteral("TombolTutup"), QStringLiteral("Tutup [Esc]"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Nama User Lama"), m_oldUser);
    form->addRow(QStringLiteral("Password Lama"), m_oldPassword);
    form->addRow(QStringLiteral("Nama User Baru"), m_newUser);
    form->addRow(QStringLiteral("Password Baru"), m_newPassword);
    form->addRow(QStringLiteral("Ulangi Password Baru"), m_repeat);
    auto *buttons = buttonRow({}, {save, close});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &TFormGantiPassword::TombolSimpanClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormGantiPassword::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    for (QLineEdit *e : {m_oldUser, m_oldPassword, m_newUser, m_newPassword, m_repeat})
        e->clear();
    m_oldUser->setFocus();
}

void TFormGantiPassword::TombolSimpanClick()
{
    PasswordChange change;
    change.oldUser = m_oldUser->text();
    change.oldPassword = m_oldPassword->text();
    change.newUser = m_newUser->text();
    change.newPassword = m_newPassword->text();
    change.repeatPassword = m_repeat->text();
    const QString failure = changePassword(Session::db(), change, activeUser().NamaUserAktif);
    if (!failure.isEmpty()) {
        messages().error(failure);
        return;
    }
    activeUser().NamaUserAktif = change.newUser;
    messages().information(QStringLiteral("Nama user / Password baru telah disimpan!!!"));
    accept();
}
