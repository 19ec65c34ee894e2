#include "formlogin.h"

#include "activeuser.h"
#include "buttons.h"
#include "login.h"
#include "mainwindowhost.h"
#include "messages.h"
#include "numberedits.h"
#include "session.h"
#include "sqlstatement.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormLogin::TFormLogin(QWidget *parent)
    : QDialog(parent), m_user(new QLineEdit(this)), m_password(new QLineEdit(this)), m_business(new QLabel(this))
{
    setObjectName(QStringLiteral("TFormLogin"));
    setWindowTitle(QStringLiteral("  Login"));
    m_business->setObjectName(QStringLiteral("LabelNama"));
    QFont big = m_business->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    m_business->setFont(big);
    m_business->setAlignment(Qt::AlignCenter);
    m_user->setObjectName(QStringLiteral("EditUser"));
    limitTyping(m_user, 20);
    m_password->setObjectName(QStringLiteral("EditPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    limitTyping(m_password, 20);
    auto *login = makeButton(this, QStringLiteral("TombolLogin"), QStringLiteral("&Login [Enter]"), ButtonRole::Default);
    auto *close = makeButton(this, QStringLiteral("TombolTutup"), QStringLiteral("Tutup [Esc]"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("User Name"), m_user);
    form->addRow(QStringLiteral("Password"), m_password);
    auto *buttons = buttonRow({}, {login, close});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_business);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(login, &QPushButton::clicked, this, &TFormLogin::TombolLoginClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormLogin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_user->clear();
    m_password->clear();
    m_user->setFocus();
    SqlStatement st(Session::db(), QStringLiteral(" select * from settingawal "));
    if (st.execFirst())
        m_business->setText(st.value(QStringLiteral("nama")).toString());
    else if (!st.errorText().isEmpty())
        messages().error(st.errorText());
}

void TFormLogin::TombolLoginClick()
{
    const LoginCheck check = CekLogin(Session::db(), m_user->text(), m_password->text());
    if (!check.row) {
        messages().error(check.error.isEmpty() ? QStringLiteral("Login GAGAL!!! username atau password salah")
                                               : check.error);
        return;
    }
    if (!check.error.isEmpty()) // the password could not be upgraded to a hash; the login stands
        messages().warning(check.error);
    const LoginRow &row = *check.row;
    ActiveUser &user = activeUser();
    user.IDUserAktif = row.idUser;
    user.IDCabangAktif = row.idCabang;
    user.NamaUserAktif = row.namaUser;
    user.KoreksiPenjualanAktif = row.koreksiPenjualan;
    user.LihatHargaAktif = row.lihatHarga;
    if (!m_host)
        return;
    m_host->RzGroup1Items1Click();
    m_host->openForUser(row);
    hide();
    if (m_afterLogin)
        m_afterLogin();
    m_host->showModal();
    show();
}
