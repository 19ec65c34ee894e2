#include "numberedits.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

namespace {

enum class Kind { Money, Quantity };

class NumberEditFilter : public QObject
{
public:
    NumberEditFilter(QLineEdit *edit, Kind kind, NumberEdits::Keys keys)
        : QObject(edit), m_edit(edit), m_kind(kind), m_keys(keys)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_edit)
            return false;
        switch (event->type()) {
        case QEvent::FocusIn:
            NumberEdits::EditAngkaEnter(m_edit);
            break;
        case QEvent::FocusOut:
            if (m_kind == Kind::Money)
                NumberEdits::EditUangExit(m_edit);
            else
                NumberEdits::EditAngkaExit(m_edit);
            break;
        case QEvent::KeyPress:
            if (m_keys != NumberEdits::Keys::Any)
                return filterKey(static_cast<QKeyEvent *>(event));
            break;
        default:
            break;
        }
        return false;
    }

private:
    // True when the key is swallowed (or replaced).
    bool filterKey(QKeyEvent *key)
    {
        const QString text = key->text();
        if (text.size() != 1 || !text.at(0).isPrint() || (key->modifiers() & Qt::ControlModifier))
            return false; // Enter, Backspace, arrows, shortcuts: not characters the filter judges
        const QChar typed = text.at(0);
        const QChar result = NumberText::filterKey(typed, m_edit->text(),
                                                      m_keys == NumberEdits::Keys::AllowMinus
                                                          ? NumberText::SignPolicy::AllowMinus
                                                          : NumberText::SignPolicy::Unsigned);
        if (result.isNull())
            return true;
        if (result != typed) {
            m_edit->insert(QString(result));
            return true;
        }
        return false;
    }

    QLineEdit *m_edit;
    Kind m_kind;
    NumberEdits::Keys m_keys;
};

void attach(QLineEdit *edit, Kind kind, NumberEdits::Keys keys)
{
    edit->installEventFilter(new NumberEditFilter(edit, kind, keys));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

class TypingLimit : public QValidator
{
public:
    TypingLimit(int length, QObject *parent) : QValidator(parent), m_length(length) {}
    State validate(QString &input, int &) const override
    {
        return input.size() <= m_length ? Acceptable : Invalid;
    }

private:
    int m_length;
};

} // namespace

namespace NumberEdits {

void attachMoney(QLineEdit *edit, Keys keys)
{
    attach(edit, Kind::Money, keys);
}

void attachQuantity(QLineEdit *edit, Keys keys)
{
    attach(edit, Kind::Quantity, keys);
}

void EditAngkaEnter(QLineEdit *edit)
{
    edit->setText(NumberText::HapusTitik(edit->text()));
    // A mouse click that gave the focus places the caret after this event:
    // select on the next turn of the loop so the selection stays.
    QTimer::singleShot(0, edit, [edit] { if (edit->hasFocus()) edit->selectAll(); });
    edit->selectAll();
}

void EditUangExit(QLineEdit *edit)
{
    edit->setText(NumberText::FormatUang(edit->text()));
}

void EditAngkaExit(QLineEdit *edit)
{
    edit->setText(NumberText::FormatAngka(edit->text()));
}

} // namespace NumberEdits

void limitTyping(QLineEdit *edit, int length)
{
    edit->setValidator(new TypingLimit(length, edit));
}
