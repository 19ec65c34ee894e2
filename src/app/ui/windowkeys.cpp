#include "windowkeys.h"

#include <QAction>
#include <QWidget>

QAction *bindKey(QWidget *window, const QKeySequence &key, std::function<void()> handler)
{
    auto *action = new QAction(window);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, window, [handler = std::move(handler)] { handler(); });
    window->addAction(action);
    return action;
}
