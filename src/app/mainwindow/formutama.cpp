#include "formutama.h"

#include "activeuser.h"
#include "datareset.h"
#include "menutree.h"
#include "messages.h"
#include "session.h"
#include "windowkeys.h"
#include "windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Entries that stay as the menu shows them whatever is registered.
const QStringList kHidden = {QStringLiteral("RequestPelanggan"), QStringLiteral("ViewRequestPelanggan")};
const QStringList kAlwaysDisabled = {QStringLiteral("TransaksiPenjualanPajak"), QStringLiteral("Bantuan")};

struct FunctionKey {
    int key;
    const char *legend;
    const char *entry; // nullptr: logout
};

const FunctionKey kFunctionKeys[] = {
    {Qt::Key_F1, "Pembelian(F1)", "TransaksiPembelian"},
    {Qt::Key_F2, "Penjualan(F2)", "TransaksiPenjualan"},
    {Qt::Key_F3, "Penyesuaian Stok(F3)", "HargaPenyesuaianStok"},
    {Qt::Key_F4, "Penjualan Titipan(F4)", "Titipan"},
    {Qt::Key_F5, "Titipan Terjual(F5)", "TitipanTerjual"},
    {Qt::Key_F6, "Titipan Kembali(F6)", "ReturTitipan"},
    {Qt::Key_F7, "Laporan Penjualan(F7)", "RekapPenjualan"},
    {Qt::Key_F8, "Laporan Pembelian(F8)", "RekapPembelian"},
    {Qt::Key_F9, "Laporan Titipan(F9)", "NotaTitipan"},
    {Qt::Key_F10, "Logout (F10)", nullptr},
    {Qt::Key_F11, "Koreksi Penjualan (F11)", "KoreksiPenjualan"},
};

QString actionName(const MenuEntry &e)
{
    return (e.group == 10 ? QStringLiteral("MenuSpecial") : QStringLiteral("Menu")) + e.id;
}

} // namespace

TFormUtama::TFormUtama(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TFormUtama"));
    setWindowTitle(QStringLiteral("Form Utama"));
    resize(1024, 700);
    activeUser().PathAplikasi = QDir::currentPath();
    activeUser().IDUserAktif = QStringLiteral("0");
    activeUser().NamaUserAktif = QStringLiteral("Administrator");
    buildMenus();
    buildFunctionKeys();

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setSizeGripEnabled(false);
    auto *left = new QLabel(this);
    left->setObjectName(QStringLiteral("PaneKiri"));
    auto *marquee = new QLabel(this);
    marquee->setObjectName(QStringLiteral("PaneMarquee"));
    m_clock = new QLabel(this);
    m_clock->setObjectName(QStringLiteral("LabelJam"));
    m_clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    status->addWidget(left, 1);
    status->addWidget(marquee, 1);
    status->addPermanentWidget(m_clock);
    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &TFormUtama::updateClock);
    m_clockTimer->start();
    updateClock();

    auto *layout = qobject_cast<QVBoxLayout *>(this->layout());
    layout->addStretch(1);
    layout->addWidget(m_legend, 0, Qt::AlignHCenter);
    layout->addStretch(2);
    layout->addWidget(status);
    RzGroup1Items1Click();
}

void TFormUtama::buildMenus()
{
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu"));
    for (const MenuGroup &g : menuGroups()) {
        QMenu *menu = bar->addMenu(g.caption);
        menu->setObjectName(g.group == 0 ? QStringLiteral("MenuUtama") : QStringLiteral("Menu") + g.caption);
        m_topMenus.insert(g.group, menu);
    }
    QMenu *main = m_topMenus.value(0);
    m_login = main->addAction(QStringLiteral("Login..."));
    m_login->setObjectName(QStringLiteral("MenuLogin"));
    m_logout = main->addAction(QStringLiteral("Logout"), this, &TFormUtama::logout);
    m_logout->setObjectName(QStringLiteral("MenuLogout"));
    m_logout->setShortcut(QKeySequence(Qt::Key_F10));
    m_logout->setShortcutContext(Qt::WidgetShortcut); // F10 is handled with the other keys
    m_changePassword = main->addAction(QStringLiteral("Ganti Nama User / Password..."), this,
                                       [] { WindowRegistry::open(QStringLiteral("GantiPassword")); });
    m_changePassword->setObjectName(QStringLiteral("MenuGantiPassword"));
    QAction *quit = main->addAction(QStringLiteral("Keluar"), this, [] { QCoreApplication::exit(0); });
    quit->setObjectName(QStringLiteral("MenuKeluar"));
    for (QAction *a : {m_login, m_logout, m_changePassword, quit})
        m_menusAbove.insert(a, {main});

    QHash<QString, QMenu *> submenus;
    for (const MenuEntry &e : menuEntries()) {
        QMenu *top = m_topMenus.value(e.group);
        QMenu *parent = top;
        QList<QMenu *> above{top};
        if (!e.submenu.isEmpty()) {
            const QString key = QString::number(e.group) + QLatin1Char('/') + e.submenu;
            parent = submenus.value(key);
            if (!parent) {
                parent = top->addMenu(e.submenu);
                parent->setObjectName(QStringLiteral("Menu") + top->title() + e.submenu);
                submenus.insert(key, parent);
            }
            above << parent;
        }
        QAction *action = parent->addAction(e.caption);
        action->setObjectName(actionName(e));
        action->setVisible(!kHidden.contains(e.id));
        const QString id = e.id;
        connect(action, &QAction::triggered, this, [id] { WindowRegistry::open(id); });
        m_entries.insert(action->objectName(), action);
        m_menusAbove.insert(action, above);
    }
    refreshEntries();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(bar);
}

void TFormUtama::buildFunctionKeys()
{
    m_legend = new QFrame(this);
    m_legend->setObjectName(QStringLiteral("PanelFungsi"));
    m_legend->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(m_legend);
    grid->setHorizontalSpacing(40);
    grid->setVerticalSpacing(10);
    grid->setContentsMargins(30, 20, 30, 20);
    int i = 0;
    for (const FunctionKey &k : kFunctionKeys) {
        auto *label = new QLabel(QString::fromLatin1(k.legend), m_legend);
        label->setObjectName(QStringLiteral("LegendaF%1").arg(k.key - Qt::Key_F1 + 1));
        QFont f = label->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 2);
        label->setFont(f);
        grid->addWidget(label, i % 6, i / 6);
        ++i;
        const int key = k.key;
        bindKey(this, QKeySequence(key), [this, key] { runFunctionKey(key); });
    }
    bindKey(this, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E), [this] { dataReset(); });
    m_legend->hide();
}

void TFormUtama::refreshEntries()
{
    for (const MenuEntry &e : menuEntries()) {
        QAction *action = m_entries.value(actionName(e));
        action->setEnabled(!kAlwaysDisabled.contains(e.id) && WindowRegistry::has(e.id));
    }
}

QAction *TFormUtama::entry(const QString &id, int group) const
{
    return m_entries.value((group == 10 ? QStringLiteral("MenuSpecial") : QStringLiteral("Menu")) + id);
}

bool TFormUtama::reachable(const QAction *action) const
{
    if (!action || !action->isEnabled() || !action->isVisible())
        return false;
    for (const QMenu *menu : m_menusAbove.value(const_cast<QAction *>(action)))
        if (!menu->isEnabled())
            return false;
    return true;
}

void TFormUtama::RzGroup1Items1Click()
{
    m_login->setEnabled(true);
    m_logout->setEnabled(false);
    m_changePassword->setEnabled(false);
    for (auto it = m_topMenus.cbegin(); it != m_topMenus.cend(); ++it)
        it.value()->setEnabled(it.key() == 0);
    m_rights = Rights();
}

void TFormUtama::openForUser(const LoginRow &row)
{
    m_rights = row.rights();
    refreshEntries();
    m_legend->show();
    for (int group = 1; group <= Rights::kCount; ++group)
        m_topMenus.value(group)->setEnabled(m_rights.has(group));
    m_login->setEnabled(false);
    m_logout->setEnabled(true);
    m_changePassword->setEnabled(WindowRegistry::has(QStringLiteral("GantiPassword")));
}

void TFormUtama::showModal()
{
    exec();
}

void TFormUtama::runFunctionKey(int key)
{
    for (const FunctionKey &k : kFunctionKeys) {
        if (k.key != key)
            continue;
        if (!k.entry) {
            logout();
            return;
        }
        QAction *action = entry(QString::fromLatin1(k.entry));
        if (reachable(action))
            action->trigger();
        return;
    }
}

void TFormUtama::logout()
{
    close();
}

void TFormUtama::closeEvent(QCloseEvent *event)
{
    if (messages().askYesNo(QStringLiteral("Sebelum program ditutup, apakah data mau di-backup???")))
        WindowRegistry::open(QStringLiteral("Backup"));
    QDialog::closeEvent(event);
}

void TFormUtama::keyPressEvent(QKeyEvent *event)
{
    // Esc does not log out: only "Logout", F10 or closing the window do.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void TFormUtama::dataReset()
{
    if (!m_rights.has(Rights::Utility))
        return;
    const DataResetResult result = runDataReset(Session::db(), messages());
    if (!result.error.isEmpty())
        messages().error(result.error);
    else
        messages().information(result.summary);
}

QString TFormUtama::clockText() const
{
    return m_clock->text();
}

void TFormUtama::updateClock()
{
    static const QLocale indonesian(QLocale::Indonesian, QLocale::Indonesia);
    m_clock->setText(indonesian.toString(QDateTime::currentDateTime(),
                                         QStringLiteral("dddd, dd MMMM yyyy  -  hh:mm:ss")));
}
