#pragma once

#include <QList>
#include <QString>

// The main window's fixed menu tree. Each entry opens the window registered
// under its id (WindowRegistry), except the few the main window runs itself.
struct MenuEntry {
    int group;        // 0: "Menu"; 1 to 10: the position in the rights string
    QString submenu;  // "" or the submenu's caption ("Master", "Penjualan", ...)
    QString caption;  // as shown
    QString id;       // registry id, and the action's objectName after "Menu"
};

struct MenuGroup {
    int group;
    QString caption;
};

// The top menus in the order they stand in the menu bar.
const QList<MenuGroup> &menuGroups();
// Every entry of the rights groups, in menu order.
const QList<MenuEntry> &menuEntries();
