#pragma once

#include "messages.h"

#include <QList>
#include <QQueue>
#include <QString>

// The message interface of the tests: records every text shown and answers
// questions, input boxes and file dialogs from queues. A question with no
// queued answer is recorded as unexpected and answered No / Cancel. It
// installs itself on construction and puts the real one back when destroyed.
class ScriptedMessages : public Messages
{
public:
    struct Shown {
        QString kind; // "information", "warning", "error", "yesno", "okcancel", "input", "open", "save", "folder", "preview"
        QString text;
    };

    ScriptedMessages();
    ~ScriptedMessages() override;

    QQueue<bool> answers;        // Yes/No and OK/Cancel
    QQueue<std::optional<QString>> inputs;
    QQueue<QString> files;       // open, save and folder choosers
    QList<Shown> shown;
    QStringList unexpected;      // questions asked with no answer queued
    QStringList previews;        // the text of every previewed document

    QStringList texts(const QString &kind = QString()) const;
    QString last() const { return shown.isEmpty() ? QString() : shown.last().text; }
    void clear();

    void information(const QString &text) override;
    void warning(const QString &text) override;
    void error(const QString &text) override;
    bool askYesNo(const QString &text) override;
    bool askOkCancel(const QString &text) override;
    std::optional<QString> input(const QString &title, const QString &prompt, const QString &initial) override;
    QString openFile(const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFile(const QString &caption, const QString &path, const QString &filter) override;
    QString chooseFolder(const QString &caption, const QString &folder) override;
    void preview(const Printable &document) override;

private:
    bool answer(const QString &kind, const QString &text);
    QString file(const QString &kind, const QString &text);
};
