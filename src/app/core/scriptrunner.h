#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs one of the backup or restore scripts beside the program and waits for
// it, keeping the event loop turning so that windows still repaint. The
// ".sh" twin runs under bash, the ".bat" under cmd.exe.
struct ScriptResult {
    bool started = false;
    int exitCode = -1;
    bool crashed = false;
    QString errorOutput;   // what the script wrote to stderr (or why it did not start)

    bool succeeded() const { return started && !crashed && exitCode == 0; }
};

namespace ScriptRunner {

// The script for this system: `base` + ".sh" here, + ".bat" on Windows.
QString scriptFor(const QString &folder, const QString &base);

ScriptResult run(const QString &script, const QStringList &arguments,
                 const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

} // namespace ScriptRunner
