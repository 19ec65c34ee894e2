#include "sqlstatement.h"

#include <QSqlError>

namespace {

bool isNameStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

QString serverText(const QSqlError &e)
{
    const QString db = e.databaseText().trimmed();
    return db.isEmpty() ? e.text().trimmed() : db;
}

} // namespace

std::pair<QString, QStringList> SqlStatement::toPositional(const QString &sql)
{
    QString out;
    QStringList names;
    out.reserve(sql.size());
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            // Copy the quoted run; a doubled quote or a backslash escape stays inside.
            out += c;
            for (++i; i < n; ++i) {
                const QChar d = sql.at(i);
                out += d;
                if (d == QLatin1Char('\\') && c != QLatin1Char('`') && i + 1 < n) {
                    out += sql.at(++i);
                    continue;
                }
                if (d == c) {
                    if (i + 1 < n && sql.at(i + 1) == c) {
                        out += sql.at(++i);
                        continue;
                    }
                    break;
                }
            }
            continue;
        }
        const bool dashComment = c == QLatin1Char('-') && i + 1 < n && sql.at(i + 1) == QLatin1Char('-')
            && (i + 2 >= n || sql.at(i + 2).isSpace());
        if (dashComment || c == QLatin1Char('#')) {
            while (i < n && sql.at(i) != QLatin1Char('\n'))
                out += sql.at(i++);
            if (i < n)
                out += sql.at(i);
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && sql.at(i + 1) == QLatin1Char('*')) {
            const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            out += sql.mid(i, stop - i);
            i = stop - 1;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && isNameStart(sql.at(i + 1))
            && (i == 0 || sql.at(i - 1) != QLatin1Char(':'))) {
            qsizetype j = i + 1;
            while (j < n && isNameChar(sql.at(j)))
                ++j;
            names << sql.mid(i + 1, j - i - 1);
            out += QLatin1Char('?');
            i = j - 1;
            continue;
        }
        out += c;
    }
    return {out, names};
}

SqlStatement::SqlStatement(const QSqlDatabase &db, const QString &sql)
    : m_query(db)
{
    std::tie(m_positional, m_names) = toPositional(sql);
    m_values.resize(m_names.size());
    m_bound.fill(false, m_names.size());
}

SqlStatement &SqlStatement::bind(const QString &name, const QVariant &given)
{
    // An empty text is a text: the driver would bind a null QString as NULL.
    // NULL is asked for with an invalid QVariant only.
    QVariant value = given;
    if (value.typeId() == QMetaType::QString && value.toString().isNull())
        value = QString(QLatin1String(""));
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0) {
            m_values[i] = value;
            m_bound[i] = true;
        }
    }
    return *this;
}

SqlStatement &SqlStatement::bind(Params params)
{
    for (const auto &[name, value] : params)
        bind(name, value);
    return *this;
}

SqlStatement &SqlStatement::bindAll(const QVariant &value)
{
    for (const QString &name : std::as_const(m_names))
        bind(name, value);
    return *this;
}

bool SqlStatement::exec()
{
    m_error.clear();
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (!m_bound.at(i)) {
            m_error = QStringLiteral("Parameter :%1 belum diberi nilai").arg(m_names.at(i));
            return false;
        }
    }
    m_query.setForwardOnly(false);
    if (!m_query.prepare(m_positional)) {
        m_error = serverText(m_query.lastError());
        return false;
    }
    for (qsizetype i = 0; i < m_values.size(); ++i)
        m_query.bindValue(int(i), m_values.at(i));
    if (!m_query.exec()) {
        m_error = serverText(m_query.lastError());
        return false;
    }
    return true;
}

bool SqlStatement::execFirst()
{
    return exec() && m_query.first();
}

bool execSql(const QSqlDatabase &db, const QString &sql, SqlStatement::Params params, QString *error)
{
    SqlStatement st(db, sql);
    st.bind(params);
    const bool ok = st.exec();
    if (!ok && error)
        *error = st.errorText();
    return ok;
}

SqlTransaction::SqlTransaction(QSqlDatabase db)
    : m_db(std::move(db))
{
    m_started = m_db.transaction();
    m_open = m_started;
    if (!m_started)
        m_error = serverText(m_db.lastError());
}

SqlTransaction::~SqlTransaction()
{
    rollback();
}

bool SqlTransaction::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    if (m_db.commit())
        return true;
    m_error = serverText(m_db.lastError());
    m_db.rollback();
    return false;
}

void SqlTransaction::rollback()
{
    if (m_open) {
        m_open = false;
        m_db.rollback();
    }
}
