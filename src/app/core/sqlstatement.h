#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <initializer_list>
#include <utility>

// A statement with named placeholders (":Name") that binds a value to every
// occurrence whose name matches ignoring letter case, and that reports
// failure by return value with the server's own text. Values always travel
// as bound parameters, never as SQL text.
class SqlStatement
{
public:
    using Params = std::initializer_list<std::pair<QString, QVariant>>;

    SqlStatement(const QSqlDatabase &db, const QString &sql);

    // Binds `value` to every placeholder named `name` (case ignored). Binding
    // a name the statement does not have is allowed and does nothing. A text
    // is bound as a text even when empty; QVariant() binds NULL.
    SqlStatement &bind(const QString &name, const QVariant &value);
    SqlStatement &bind(Params params);
    // Binds `value` to every placeholder (a check statement's one parameter).
    SqlStatement &bindAll(const QVariant &value);

    // Prepares and runs the statement. False on any error; errorText() then
    // holds the server's message. Every placeholder must have been bound.
    bool exec();

    // Runs and moves to the first row; false when it failed or gave no row.
    bool execFirst();

    QSqlQuery &query() { return m_query; }
    QVariant value(const QString &column) const { return m_query.value(column); }
    QString errorText() const { return m_error; }

    // The placeholder names in order of appearance (as written).
    const QStringList &placeholders() const { return m_names; }
    QString positionalSql() const { return m_positional; }

    // Splits `sql` into positional SQL and the names it uses. Quoted texts,
    // back-quoted names and comments are left alone, as are "::" and ":=".
    static std::pair<QString, QStringList> toPositional(const QString &sql);

private:
    QSqlQuery m_query;
    QString m_positional;
    QStringList m_names;
    QVector<QVariant> m_values;
    QVector<bool> m_bound;
    QString m_error;
};

// Runs one statement with parameters; false on error, with the text in *error.
bool execSql(const QSqlDatabase &db, const QString &sql, SqlStatement::Params params = {},
             QString *error = nullptr);

// Rolls back unless committed: a saving action commits all its rows or none.
class SqlTransaction
{
public:
    explicit SqlTransaction(QSqlDatabase db);
    ~SqlTransaction();
    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    bool started() const { return m_started; }
    bool commit();
    void rollback();
    QString errorText() const { return m_error; }

private:
    QSqlDatabase m_db;
    bool m_started = false;
    bool m_open = false;
    QString m_error;
};
