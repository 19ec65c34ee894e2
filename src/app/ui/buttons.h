#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A window's button: the default one answers Enter; the others never take
// Enter over when they get the focus.
enum class ButtonRole { Default, Normal };

QPushButton *makeButton(QWidget *parent, const QString &objectName, const QString &text,
                        ButtonRole role = ButtonRole::Normal);
