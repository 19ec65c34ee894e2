#include "buttons.h"

#include <QPushButton>

QPushButton *makeButton(QWidget *parent, const QString &objectName, const QString &text, ButtonRole role)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    if (role == ButtonRole::Default)
        button->setDefault(true);
    else
        button->setAutoDefault(false);
    return button;
}
