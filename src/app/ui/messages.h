#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

// A document ready for the print preview: the report layer's rendered
// reports implement it.
class Printable
{
public:
    virtual ~Printable() = default;
    virtual QString title() const = 0;
    virtual QPageLayout pageLayout() const = 0;
    // Paints every page on `printer` (preview, paper or PDF).
    virtual void print(QPrinter *printer) const = 0;
    // The text of every page in reading order, one line per printed line.
    virtual QString text() const = 0;
};

// Every message box, question, input box and file dialog of the program goes
// through this interface, so that tests can replace it with a scripted one.
// Windows call messages(); no window calls QMessageBox directly.
class Messages
{
public:
    virtual ~Messages() = default;

    virtual void information(const QString &text) = 0;
    virtual void warning(const QString &text) = 0;
    virtual void error(const QString &text) = 0;
    // Yes/No question; true for Yes.
    virtual bool askYesNo(const QString &text) = 0;
    // OK/Cancel question; true for OK.
    virtual bool askOkCancel(const QString &text) = 0;
    // A one-line input box; nullopt when cancelled.
    virtual std::optional<QString> input(const QString &title, const QString &prompt, const QString &initial) = 0;
    // File and folder choosers; an empty text when cancelled. `filter` is in
    // Qt's form ("Backup File (*.bac *.BAC)").
    virtual QString openFile(const QString &caption, const QString &folder, const QString &filter) = 0;
    virtual QString saveFile(const QString &caption, const QString &path, const QString &filter) = 0;
    virtual QString chooseFolder(const QString &caption, const QString &folder) = 0;
    // The print preview, from which the user prints; returns when it closes.
    virtual void preview(const Printable &document) = 0;
};

// The interface in force. Until setMessages() is called it is the one that
// shows real dialogs over the active window.
Messages &messages();
// Replaces the interface (tests); nullptr puts the real one back. The caller
// keeps ownership.
void setMessages(Messages *replacement);

// The real dialogs.
class DialogMessages : public Messages
{
public:
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
};
