#include "session.h"

namespace {
QString g_name = QStringLiteral("MyConnection");
}

namespace Session {

QSqlDatabase db()
{
    return QSqlDatabase::database(g_name, false);
}

void setConnectionName(const QString &name)
{
    g_name = name;
}

QString connectionName()
{
    return g_name;
}

} // namespace Session
