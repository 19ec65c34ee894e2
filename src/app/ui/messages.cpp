#include "messages.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QToolBar>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

Messages *g_replacement = nullptr;

QWidget *parentWindow()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

// Texts may separate lines with a lone CR; a message box wants LF.
QString shown(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString caption()
{
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Informasi") : name;
}

} // namespace

Messages &messages()
{
    static DialogMessages real;
    return g_replacement ? *g_replacement : real;
}

void setMessages(Messages *replacement)
{
    g_replacement = replacement;
}

void DialogMessages::information(const QString &text)
{
    QMessageBox::information(parentWindow(), caption(), shown(text));
}

void DialogMessages::warning(const QString &text)
{
    QMessageBox::warning(parentWindow(), caption(), shown(text));
}

void DialogMessages::error(const QString &text)
{
    QMessageBox::critical(parentWindow(), caption(), shown(text));
}

bool DialogMessages::askYesNo(const QString &text)
{
    return QMessageBox::question(parentWindow(), caption(), shown(text), QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

bool DialogMessages::askOkCancel(const QString &text)
{
    return QMessageBox::question(parentWindow(), caption(), shown(text), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel)
        == QMessageBox::Ok;
}

std::optional<QString> DialogMessages::input(const QString &title, const QString &prompt, const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parentWindow(), title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString DialogMessages::openFile(const QString &captionText, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parentWindow(), captionText, folder, filter);
}

QString DialogMessages::saveFile(const QString &captionText, const QString &path, const QString &filter)
{
    return QFileDialog::getSaveFileName(parentWindow(), captionText, path, filter);
}

QString DialogMessages::chooseFolder(const QString &captionText, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parentWindow(), captionText, folder);
}

void DialogMessages::preview(const Printable &document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(document.pageLayout());
    printer.setDocName(document.title());
    QPrintPreviewDialog dialog(&printer, parentWindow());
    dialog.setWindowTitle(document.title());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter *p) { document.print(p); });
    // Besides printing (a printer, or a PDF file through the print dialog)
    // the preview saves a PDF directly.
    if (auto *toolbar = dialog.findChild<QToolBar *>()) {
        toolbar->addSeparator();
        QAction *pdf = toolbar->addAction(QStringLiteral("Simpan PDF"));
        pdf->setObjectName(QStringLiteral("TombolSimpanPdf"));
        QObject::connect(pdf, &QAction::triggered, &dialog, [&document, this] {
            QString path = saveFile(QStringLiteral("Simpan PDF"), document.title() + QStringLiteral(".pdf"),
                                    QStringLiteral("PDF (*.pdf)"));
            if (path.isEmpty())
                return;
            if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
                path += QStringLiteral(".pdf");
            QPrinter file(QPrinter::HighResolution);
            file.setOutputFormat(QPrinter::PdfFormat);
            file.setOutputFileName(path);
            file.setPageLayout(document.pageLayout());
            file.setDocName(document.title());
            document.print(&file);
            if (!QFileInfo::exists(path))
                error(QStringLiteral("File PDF tidak dapat disimpan: %1").arg(path));
        });
    }
    if (QScreen *screen = QGuiApplication::primaryScreen())
        dialog.resize(screen->availableSize());
    dialog.setWindowState(Qt::WindowMaximized);
    dialog.exec();
}
