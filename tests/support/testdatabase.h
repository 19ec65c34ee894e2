#pragma once

#include "connectionsettings.h"

#include <QString>

#include <memory>

class TDM;

// A fresh database on the private test server for one test program, loaded
// from the assembled init.sql and function.sql, and the session (TDM) open
// on it. A missing server is a failure, never a skip.
class TestDatabase
{
public:
    // `name` becomes part of the database name ("t_<name>").
    explicit TestDatabase(const QString &name);
    ~TestDatabase();

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    const ConnectionSettings &settings() const { return m_settings; }
    TDM *session() const { return m_session.get(); }

    // Runs an SQL script file with the mariadb client (DELIMITER allowed).
    bool runScript(const QString &path, QString *error = nullptr) const;
    // Runs SQL text with the mariadb client.
    bool runSql(const QString &sql, QString *error = nullptr) const;
    // The first column of the first row of `sql` on the session, as text.
    static QString scalar(const QString &sql);

    static ConnectionSettings serverSettings(); // the private server, no database
    static QString programDir();                // where init.sql and the scripts are

private:
    ConnectionSettings m_settings;
    std::unique_ptr<TDM> m_session;
    QString m_error;
};

// Fails the current test function when the database could not be made.
#define REQUIRE_DATABASE(db) QVERIFY2((db).ok(), qPrintable((db).error()))
