#include "scriptedmessages.h"

ScriptedMessages::ScriptedMessages()
{
    setMessages(this);
}

ScriptedMessages::~ScriptedMessages()
{
    setMessages(nullptr);
}

QStringList ScriptedMessages::texts(const QString &kind) const
{
    QStringList out;
    for (const Shown &s : shown)
        if (kind.isEmpty() || s.kind == kind)
            out << s.text;
    return out;
}

void ScriptedMessages::clear()
{
    shown.clear();
    unexpected.clear();
    previews.clear();
    answers.clear();
    inputs.clear();
    files.clear();
}

void ScriptedMessages::information(const QString &text) { shown.append({QStringLiteral("information"), text}); }
void ScriptedMessages::warning(const QString &text) { shown.append({QStringLiteral("warning"), text}); }
void ScriptedMessages::error(const QString &text) { shown.append({QStringLiteral("error"), text}); }

bool ScriptedMessages::answer(const QString &kind, const QString &text)
{
    shown.append({kind, text});
    if (answers.isEmpty()) {
        unexpected << text;
        return false;
    }
    return answers.dequeue();
}

bool ScriptedMessages::askYesNo(const QString &text) { return answer(QStringLiteral("yesno"), text); }
bool ScriptedMessages::askOkCancel(const QString &text) { return answer(QStringLiteral("okcancel"), text); }

std::optional<QString> ScriptedMessages::input(const QString &, const QString &prompt, const QString &)
{
    shown.append({QStringLiteral("input"), prompt});
    if (inputs.isEmpty()) {
        unexpected << prompt;
        return std::nullopt;
    }
    return inputs.dequeue();
}

QString ScriptedMessages::file(const QString &kind, const QString &text)
{
    shown.append({kind, text});
    if (files.isEmpty()) {
        unexpected << text;
        return {};
    }
    return files.dequeue();
}

QString ScriptedMessages::openFile(const QString &caption, const QString &, const QString &)
{
    return file(QStringLiteral("open"), caption);
}

QString ScriptedMessages::saveFile(const QString &caption, const QString &, const QString &)
{
    return file(QStringLiteral("save"), caption);
}

QString ScriptedMessages::chooseFolder(const QString &caption, const QString &)
{
    return file(QStringLiteral("folder"), caption);
}

void ScriptedMessages::preview(const Printable &document)
{
    shown.append({QStringLiteral("preview"), document.title()});
    previews << document.text();
}
