#pragma once

#include <QKeySequence>

#include <functional>

class QWidget;
class QAction;

// Binds a key to an action of a window (F-keys, Ctrl+Del, Esc). The key
// works while the window is active, whatever control has the focus.
QAction *bindKey(QWidget *window, const QKeySequence &key, std::function<void()> handler);
