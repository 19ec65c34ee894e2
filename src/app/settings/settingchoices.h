#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The switches of settingawal that the settings window offers, with the
// values each accepts. `byPosition` columns store the chosen position,
// the others the chosen text.
struct SettingChoice {
    QString column;
    QString label;
    QString objectName;
    QStringList values;
    bool byPosition = false;
};

const QList<SettingChoice> &settingChoices();
