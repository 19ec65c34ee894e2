#pragma once

#include <QWidget>

class QMovie;

// "  Silakan Tunggu...": a borderless busy window, centred, kept above the
// others without taking the focus. With data.tmp in the current folder it
// plays that animation; otherwise it shows two lines of text.
class TFormTungguSebentar : public QWidget
{
    Q_OBJECT
public:
    // Normal: created at start (TFormTungguSebentar); Awal: beside the
    // first-start restore window (TFormTungguSebentarAwal).
    enum class Kind { Normal, Awal };

    explicit TFormTungguSebentar(Kind kind = Kind::Normal, QWidget *parent = nullptr);

    void showBusy();
    bool playsAnimation() const { return m_movie != nullptr; }

private:
    QMovie *m_movie = nullptr;
};
