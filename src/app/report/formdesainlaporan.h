#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

// "  Desain Laporan": a plain text editor for one template file. "Periksa"
// parses the text and reports the first error with its line (the cursor
// goes to that line) or "Template benar"; "Simpan" writes the file only
// when the text parses. Every message goes through messages().
class TFormDesainLaporan : public QDialog
{
    Q_OBJECT
public:
    explicit TFormDesainLaporan(QWidget *parent = nullptr);

    // Opens the editor on `path` over the active window and returns when it
    // closes. A template that cannot be opened is reported and no editor
    // is shown.
    static void edit(const QString &path);

    // Loads the template at `path` (a "\" counts as "/") into the editor.
    // A missing or unreadable file is reported through messages().error()
    // and gives false; the editor then keeps what it had.
    bool openTemplate(const QString &path);
    QString path() const { return m_path; }

    // Asks before throwing away unsaved edits (Esc and "Tutup [Esc]").
    void reject() override;

private:
    void periksa();
    void simpan();
    // The first error of the editor's text, or empty; moves the cursor to
    // the line an error names.
    QString firstError();

    QPlainTextEdit *m_edit = nullptr;
    QPushButton *m_periksa = nullptr;
    QPushButton *m_simpan = nullptr;
    QPushButton *m_tutup = nullptr;
    QString m_path;
};
