#pragma once

#include "mainwindowhost.h"
#include "rights.h"

#include <QDialog>
#include <QHash>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;

// "Form Utama": the hub shown modally after login. Its menus open the
// module windows through the window registry; the top menus follow the
// rights of the logged-in user's position. Closing it logs out.
class TFormUtama : public QDialog, public MainWindowHost
{
    Q_OBJECT
public:
    explicit TFormUtama(QWidget *parent = nullptr);

    void RzGroup1Items1Click() override;
    void openForUser(const LoginRow &row) override;
    void showModal() override;

    // The entry's action ("TransaksiPenjualan"), the top menu of a group
    // (0 "Menu" to 10 "Special").
    QAction *entry(const QString &id, int group = -1) const;
    QMenu *topMenu(int group) const { return m_topMenus.value(group); }
    // True when the entry can be reached now: it and every menu above it
    // are enabled. The function keys and the menus obey the same rule.
    bool reachable(const QAction *action) const;

    void logout();
    void runFunctionKey(int key);
    // Ctrl+Alt+E: the data reset, for a position with the "Utility" right.
    void dataReset();
    QString clockText() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    void buildFunctionKeys();
    // Enables the entries whose windows exist (registry), once per login.
    void refreshEntries();
    void updateClock();

    QHash<int, QMenu *> m_topMenus;
    QHash<QString, QAction *> m_entries;          // by objectName
    QHash<QAction *, QList<QMenu *>> m_menusAbove;
    QAction *m_login = nullptr;
    QAction *m_logout = nullptr;
    QAction *m_changePassword = nullptr;
    QFrame *m_legend = nullptr;
    QLabel *m_clock = nullptr;
    QTimer *m_clockTimer = nullptr;
    Rights m_rights;
};
