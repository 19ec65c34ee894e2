#pragma once

#include <QString>

#include <optional>
#include <utility>

// A value, or the Indonesian text that says why there is none. The report
// layer returns it wherever a window has to show a failure to the user
// (loading a template, rendering a report): the window passes error() to
// messages().error() as it is.
template <class T>
class ReportResult
{
public:
    ReportResult(T value) : m_value(std::move(value)) {} // NOLINT: implicit on purpose
    static ReportResult failure(QString error)
    {
        ReportResult r;
        r.m_error = std::move(error);
        return r;
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // Empty when ok().
    const QString &error() const { return m_error; }

    // Only when ok().
    T &value() { return *m_value; }
    const T &value() const { return *m_value; }
    T &operator*() { return *m_value; }
    const T &operator*() const { return *m_value; }
    T *operator->() { return &*m_value; }
    const T *operator->() const { return &*m_value; }

private:
    ReportResult() = default;
    std::optional<T> m_value;
    QString m_error;
};
