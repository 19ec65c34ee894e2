#include "formdesainlaporan.h"

#include "buttons.h"
#include "messages.h"
#include "reporttemplate.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QVBoxLayout>

TFormDesainLaporan::TFormDesainLaporan(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormDesainLaporan"));
    setWindowTitle(QStringLiteral("  Desain Laporan"));
    resize(900, 650);

    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QStringLiteral("EditTemplate"));
    m_edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);

    // No default button: Enter belongs to the editor.
    m_periksa = makeButton(this, QStringLiteral("TombolPeriksa"), QStringLiteral("Periksa"));
    m_simpan = makeButton(this, QStringLiteral("TombolSimpan"), QStringLiteral("Simpan"));
    m_tutup = makeButton(this, QStringLiteral("TombolTutup"), QStringLiteral("Tutup [Esc]"));

    auto *buttons = buttonRow({m_periksa, m_simpan}, {m_tutup});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);

    connect(m_periksa, &QPushButton::clicked, this, &TFormDesainLaporan::periksa);
    connect(m_simpan, &QPushButton::clicked, this, &TFormDesainLaporan::simpan);
    connect(m_tutup, &QPushButton::clicked, this, &TFormDesainLaporan::reject);
}

void TFormDesainLaporan::edit(const QString &path)
{
    // A fresh editor each time: it holds one file's unsaved text and
    // nothing worth keeping after it closes.
    TFormDesainLaporan dialog(QApplication::activeWindow());
    if (dialog.openTemplate(path))
        dialog.exec();
}

bool TFormDesainLaporan::openTemplate(const QString &path)
{
    const ReportResult<QString> text = ReportTemplate::readText(path);
    if (!text) {
        messages().error(text.error());
        return false;
    }
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_path = p;
    m_edit->setPlainText(*text);
    m_edit->document()->setModified(false);
    return true;
}

QString TFormDesainLaporan::firstError()
{
    const auto parsed = ReportTemplate::parse(m_edit->toPlainText(), ReportTemplate::displayName(m_path));
    if (parsed)
        return {};
    static const QRegularExpression lineOf(QStringLiteral(" baris (\\d+): "));
    const QRegularExpressionMatch m = lineOf.match(parsed.error());
    if (m.hasMatch()) {
        const QTextBlock block = m_edit->document()->findBlockByNumber(m.captured(1).toInt() - 1);
        if (block.isValid()) {
            QTextCursor cursor(block);
            m_edit->setTextCursor(cursor);
            m_edit->centerCursor();
        }
    }
    return parsed.error();
}

void TFormDesainLaporan::periksa()
{
    const QString error = firstError();
    if (error.isEmpty())
        messages().information(QStringLiteral("Template benar"));
    else
        messages().error(error);
    m_edit->setFocus();
}

void TFormDesainLaporan::simpan()
{
    if (m_path.isEmpty()) {
        messages().error(QStringLiteral("Belum ada file template yang dibuka"));
        return;
    }
    const QString error = firstError();
    if (!error.isEmpty()) {
        messages().error(error + QStringLiteral("\nTemplate tidak disimpan."));
        return;
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_edit->toPlainText().toUtf8()) < 0 || !file.commit()) {
        messages().error(QStringLiteral("Template tidak dapat disimpan: %1 (%2)").arg(m_path, file.errorString()));
        return;
    }
    m_edit->document()->setModified(false);
    messages().information(QStringLiteral("Template disimpan"));
}

void TFormDesainLaporan::reject()
{
    if (m_edit->document()->isModified()
        && !messages().askYesNo(QStringLiteral("Perubahan template belum disimpan. Tutup tanpa menyimpan?")))
        return;
    QDialog::reject();
}
