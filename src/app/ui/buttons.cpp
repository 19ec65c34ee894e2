#include "buttons.h"

#include <QHBoxLayout>
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

QHBoxLayout *buttonRow(const QList<QWidget *> &left, const QList<QWidget *> &right)
{
    auto *row = new QHBoxLayout;
    for (QWidget *w : left)
        row->addWidget(w);
    row->addStretch();
    for (QWidget *w : right)
        row->addWidget(w);
    return row;
}
