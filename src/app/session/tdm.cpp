#include "tdm.h"

#include "datagrid.h"
#include "formrestoreawal.h"
#include "messages.h"
#include "session.h"

#include <QDir>
#include <QSqlError>

TDM *DM = nullptr;

TDM::TDM(const ConnectionSettings &defaults, QObject *parent)
    : QObject(parent), m_settings(defaults)
{
    DM = this;
}

TDM::~TDM()
{
    {
        QSqlDatabase db = MyConnection();
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(Session::connectionName());
    if (DM == this)
        DM = nullptr;
}

QSqlDatabase TDM::MyConnection() const
{
    return Session::db();
}

TDM::Outcome TDM::DataModuleCreate()
{
    const IpFile ip = readIpFile(QDir::current().filePath(QStringLiteral("ip.txt")));
    if (ip.ok) {
        m_settings.host = ip.host;
        if (ip.port > 0)
            m_settings.port = ip.port;
    } else {
        // The connection keeps the design default host; start-up goes on.
        messages().error(QStringLiteral("ip.txt tidak dapat dibaca: %1").arg(ip.error));
    }
    FolderProgram = QDir::currentPath();
    FontJudul = QFont(QStringLiteral("Verdana"), 8, QFont::Bold);
    FontIsi = QFont(QStringLiteral("Verdana"), 8, QFont::Normal);

    while (!openConnection()) {
        TFormRestoreAwal restore(FolderProgram, m_settings);
        restore.exec();
        if (restore.outcome() != TFormRestoreAwal::Outcome::Retry)
            return Outcome::Quit;
    }
    return Outcome::Connected;
}

bool TDM::openConnection()
{
    QSqlDatabase db = QSqlDatabase::contains(Session::connectionName())
        ? QSqlDatabase::database(Session::connectionName(), false)
        : QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), Session::connectionName());
    db.close();
    db.setHostName(m_settings.host);
    db.setPort(m_settings.port);
    db.setDatabaseName(m_settings.database);
    db.setUserName(m_settings.user);
    db.setPassword(m_settings.password);
    db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=10"));
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    return db.open();
}

void TDM::GridMouseWheel(DataGrid *grid, int delta)
{
    gridMouseWheel(grid, delta);
}
