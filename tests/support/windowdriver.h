#pragma once

#include <QDialog>
#include <QString>
#include <QTest>
#include <QWidget>

#include <functional>

class QAction;
class QLineEdit;

// Drives real windows offscreen the way a user does.
namespace Driver {

// The child of `root` with this objectName; fails the test when missing.
template <class T>
T *find(QWidget *root, const QString &name)
{
    T *child = root->findChild<T *>(name);
    if (!child)
        QTest::qFail(qPrintable(QStringLiteral("no control %1 in %2").arg(name, root->objectName())), __FILE__, __LINE__);
    return child;
}

// Focuses the edit, selects its text and types `text` over it, key by key.
void type(QLineEdit *edit, const QString &text);
// Presses a key on the widget that has the focus inside `window` (or the window).
void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Shows a window as the user sees it (not modal, so the test keeps going).
void open(QWidget *window);
// The action of a menu or pop-up with this objectName or text.
QAction *action(QWidget *root, const QString &nameOrText);

// Runs `handler` on the next modal dialog that opens (an edit dialog shown
// with exec()), then returns. The handler must close the dialog.
void onNextModal(std::function<void(QDialog *)> handler);

} // namespace Driver
