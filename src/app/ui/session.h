#pragma once

#include <QSqlDatabase>

// The one database connection every window works on. The session (TDM)
// opens it at start; windows and dialogs reach it through here so that the
// shared widgets do not depend on the start-up code.
namespace Session {

QSqlDatabase db();
void setConnectionName(const QString &name);
QString connectionName();

} // namespace Session
