#include "windowdriver.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

namespace Driver {

void type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = window->focusWidget();
    if (!target || !window->isAncestorOf(target))
        target = window;
    QTest::keyClick(target, key, modifiers);
}

void open(QWidget *window)
{
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QCoreApplication::processEvents();
}

QAction *action(QWidget *root, const QString &nameOrText)
{
    const auto actions = root->findChildren<QAction *>();
    for (QAction *a : actions)
        if (a->objectName() == nameOrText || a->text() == nameOrText)
            return a;
    QTest::qFail(qPrintable(QStringLiteral("no action %1").arg(nameOrText)), __FILE__, __LINE__);
    return nullptr;
}

void onNextModal(std::function<void(QDialog *)> handler)
{
    QWidget *before = QApplication::activeModalWidget();
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, before, handler] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog == before || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        handler(dialog);
    });
    timer->start();
}

} // namespace Driver
