#include "formtunggusebentar.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMovie>
#include <QScreen>
#include <QVBoxLayout>

TFormTungguSebentar::TFormTungguSebentar(Kind kind, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(kind == Kind::Awal ? QStringLiteral("TFormTungguSebentarAwal") : QStringLiteral("TFormTungguSebentar"));
    setWindowTitle(QStringLiteral("  Silakan Tunggu..."));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto *layout = new QVBoxLayout(this);
    QFont bold = font();
    bold.setBold(true);

    // Any trouble with the animation leaves the text form.
    const QString animation = QDir::current().filePath(QStringLiteral("data.tmp"));
    if (QFileInfo::exists(animation)) {
        auto *movie = new QMovie(animation, QByteArray(), this);
        if (movie->isValid()) {
            m_movie = movie;
            auto *picture = new QLabel(this);
            picture->setAlignment(Qt::AlignCenter);
            picture->setMovie(movie);
            auto *caption = new QLabel(QStringLiteral("SILAHKAN TUNGGU..."), this);
            caption->setAlignment(Qt::AlignCenter);
            caption->setFont(bold);
            layout->addWidget(picture, 1);
            layout->addWidget(caption);
            setFixedSize(306, 128);
        } else {
            delete movie;
        }
    }
    if (!m_movie) {
        for (const QString &line : {QStringLiteral("SILAHKAN TUNGGU"), QStringLiteral("DATA SEDANG DIPROSES")}) {
            auto *label = new QLabel(line, this);
            label->setAlignment(Qt::AlignCenter);
            label->setFont(bold);
            layout->addWidget(label);
        }
        setFixedSize(306, 60);
    }
}

void TFormTungguSebentar::showBusy()
{
    if (QScreen *screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    if (m_movie)
        m_movie->start();
    show();
    raise();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
