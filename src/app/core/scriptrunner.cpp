#include "scriptrunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>

namespace ScriptRunner {

QString scriptFor(const QString &folder, const QString &base)
{
#ifdef Q_OS_WIN
    return QDir(folder).filePath(base + QStringLiteral(".bat"));
#else
    return QDir(folder).filePath(base + QStringLiteral(".sh"));
#endif
}

ScriptResult run(const QString &script, const QStringList &arguments, const QProcessEnvironment &environment)
{
    ScriptResult result;
    if (!QFileInfo::exists(script)) {
        result.errorOutput = QStringLiteral("Script tidak ditemukan: %1").arg(QDir::toNativeSeparators(script));
        return result;
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QFileInfo(script).absolutePath());
#ifdef Q_OS_WIN
    process.setProgram(QStringLiteral("cmd.exe"));
    process.setArguments(QStringList{QStringLiteral("/c"), QDir::toNativeSeparators(script)} + arguments);
#else
    process.setProgram(QStringLiteral("bash"));
    process.setArguments(QStringList{script} + arguments);
#endif
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            loop.quit();
    });
    process.start();
    if (process.state() == QProcess::NotRunning && process.error() == QProcess::FailedToStart) {
        result.errorOutput = process.errorString();
        return result;
    }
    result.started = true;
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    result.errorOutput = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return result;
}

} // namespace ScriptRunner
