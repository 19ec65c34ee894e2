#include "formutama.h"

#include "activeuser.h"
#include "formgantipassword.h"
#include "formjabatan.h"
#include "formuser.h"
#include "messages.h"
#include "sharedwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

TFormUtama::TFormUtama(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormUtama"));
    setWindowTitle(QStringLiteral("Form Utama"));
    resize(900, 600);
    activeUser().PathAplikasi = QDir::currentPath();
    auto *bar = new QMenuBar(this);
    QMenu *menu = bar->addMenu(QStringLiteral("Menu"));
    m_login = menu->addAction(QStringLiteral("Login..."));
    m_logout = menu->addAction(QStringLiteral("Logout"), this, &TFormUtama::logout);
    m_changePassword = menu->addAction(QStringLiteral("Ganti Nama User / Password..."), this,
                                       [] { sharedWindow<TFormGantiPassword>().exec(); });
    menu->addAction(QStringLiteral("Keluar"), qApp, &QApplication::quit);
    for (const char *title : {"Master", "Barang", "Pembelian", "Penjualan", "Hutang", "Piutang", "Laporan",
                              "Akuntansi", "Utility", "Special"})
        m_groups << bar->addMenu(QString::fromLatin1(title));
    m_groups[8]->addAction(QStringLiteral("Jabatan User..."), this, [] { sharedWindow<TFormJabatan>().exec(); });
    m_groups[8]->addAction(QStringLiteral("Master User..."), this, [] { sharedWindow<TFormUser>().exec(); });
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addStretch();
    RzGroup1Items1Click();
}

void TFormUtama::RzGroup1Items1Click()
{
    m_login->setEnabled(true);
    m_logout->setEnabled(false);
    m_changePassword->setEnabled(false);
    for (QMenu *group : std::as_const(m_groups))
        group->setEnabled(false);
}

void TFormUtama::openForUser(const LoginRow &row)
{
    const Rights rights = row.rights();
    for (int i = 0; i < m_groups.size(); ++i)
        m_groups[i]->setEnabled(rights.has(i + 1));
    m_login->setEnabled(false);
    m_logout->setEnabled(true);
    m_changePassword->setEnabled(true);
}

void TFormUtama::showModal()
{
    exec();
}

void TFormUtama::logout()
{
    close();
}

void TFormUtama::closeEvent(QCloseEvent *event)
{
    messages().askYesNo(QStringLiteral("Sebelum program ditutup, apakah data mau di-backup???"));
    QDialog::closeEvent(event);
}
