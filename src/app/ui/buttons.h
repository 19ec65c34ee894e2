#pragma once

#include <QList>
#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

// A window's button: the default one answers Enter; the others never take
// Enter over when they get the focus.
enum class ButtonRole { Default, Normal };

QPushButton *makeButton(QWidget *parent, const QString &objectName, const QString &text,
                        ButtonRole role = ButtonRole::Normal);

// A window's row of buttons: `left` at the left edge, `right` at the right.
QHBoxLayout *buttonRow(const QList<QWidget *> &left, const QList<QWidget *> &right);
