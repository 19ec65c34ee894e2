#include "testdatabase.h"

#include "session.h"
#include "sqlstatement.h"
#include "tdm.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>

namespace {

QStringList clientArguments(const ConnectionSettings &s)
{
    return {QStringLiteral("--no-defaults"), QStringLiteral("-h"), s.host, QStringLiteral("-P"),
            QString::number(s.port), QStringLiteral("-u"), s.user, QStringLiteral("--default-character-set=utf8mb4")};
}

bool runClient(const ConnectionSettings &s, const QString &database, const QString &stdinFile,
               const QString &sql, QString *error)
{
    QProcess client;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MYSQL_PWD"), s.password);
    client.setProcessEnvironment(env);
    QStringList args = clientArguments(s);
    if (!sql.isEmpty())
        args << QStringLiteral("-e") << sql;
    if (!database.isEmpty())
        args << database;
    if (!stdinFile.isEmpty())
        client.setStandardInputFile(stdinFile);
    client.start(QStringLiteral("mariadb"), args);
    if (!client.waitForStarted(10000)) {
        if (error)
            *error = QStringLiteral("mariadb client did not start: ") + client.errorString();
        return false;
    }
    client.waitForFinished(120000);
    if (client.exitStatus() != QProcess::NormalExit || client.exitCode() != 0) {
        if (error)
            *error = QString::fromLocal8Bit(client.readAllStandardError());
        return false;
    }
    return true;
}

} // namespace

ConnectionSettings TestDatabase::serverSettings()
{
    ConnectionSettings s;
    s.host = qEnvironmentVariable("DAGANG_TEST_HOST", QStringLiteral("127.0.0.1"));
    s.port = qEnvironmentVariableIntValue("DAGANG_TEST_PORT");
    if (s.port == 0)
        s.port = 33062;
    s.database.clear();
    return s;
}

QString TestDatabase::programDir()
{
    return QStringLiteral(DAGANG_PROGRAM_DIR);
}

TestDatabase::TestDatabase(const QString &name)
{
    m_settings = serverSettings();
    m_settings.database = QStringLiteral("t_") + name;
    const QString dir = programDir();
    QString error;
    const QString create = QStringLiteral("DROP DATABASE IF EXISTS `%1`; CREATE DATABASE `%1` CHARACTER SET utf8mb4 "
                                          "COLLATE utf8mb4_general_ci")
                               .arg(m_settings.database);
    if (!runClient(m_settings, QString(), QString(), create, &error)) {
        m_error = QStringLiteral("The private test server at %1:%2 cannot be used: %3")
                      .arg(m_settings.host).arg(m_settings.port).arg(error);
        return;
    }
    for (const QString &file : {QStringLiteral("init.sql"), QStringLiteral("function.sql")}) {
        if (!runScript(QDir(dir).filePath(file), &error)) {
            m_error = file + QStringLiteral(": ") + error;
            return;
        }
    }
    m_session = std::make_unique<TDM>(m_settings);
    m_session->FolderProgram = dir;
    if (!m_session->openConnection())
        m_error = QStringLiteral("The session could not connect to %1").arg(m_settings.database);
}

TestDatabase::~TestDatabase() = default;

bool TestDatabase::runScript(const QString &path, QString *error) const
{
    if (!QFile::exists(path)) {
        if (error)
            *error = QStringLiteral("missing ") + path;
        return false;
    }
    return runClient(m_settings, m_settings.database, path, QString(), error);
}

bool TestDatabase::runSql(const QString &sql, QString *error) const
{
    return runClient(m_settings, m_settings.database, QString(), sql, error);
}

QString TestDatabase::scalar(const QString &sql)
{
    SqlStatement st(Session::db(), sql);
    if (!st.execFirst())
        return QStringLiteral("<no row: %1>").arg(st.errorText());
    return st.query().value(0).toString();
}
