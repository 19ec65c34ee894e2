#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class Messages;

// The hidden data reset: four independent questions; the deletions the user
// confirmed run in one transaction, through the server's delete triggers,
// so either all of them happen or none.
struct DataResetStep {
    QString question;
    QStringList statements;
    QString removed; // what the closing message names
};

const QList<DataResetStep> &dataResetSteps();

struct DataResetResult {
    QString summary; // the closing message on success
    QString error;   // the server's text when it failed (nothing was changed)
};

DataResetResult runDataReset(const QSqlDatabase &db, Messages &messages);
