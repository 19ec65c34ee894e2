// The number edits as a user types into them, the typing limit, and the
// grid wheel on an empty grid.

#include "datagrid.h"
#include "numberedits.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A small window with a money edit, a quantity edit and a default button.
struct Window {
    QDialog dialog;
    QLineEdit *money = new QLineEdit(&dialog);
    QLineEdit *quantity = new QLineEdit(&dialog);
    QLineEdit *signedQuantity = new QLineEdit(&dialog);
    QPushButton *ok = new QPushButton(QStringLiteral("OK"), &dialog);
    int pressed = 0;

    Window()
    {
        auto *layout = new QVBoxLayout(&dialog);
        for (QWidget *w : {static_cast<QWidget *>(money), static_cast<QWidget *>(quantity),
                           static_cast<QWidget *>(signedQuantity), static_cast<QWidget *>(ok)})
            layout->addWidget(w);
        NumberEdits::attachMoney(money);
        NumberEdits::attachQuantity(quantity);
        NumberEdits::attachQuantity(signedQuantity, NumberEdits::Keys::AllowMinus);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++pressed; });
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
};

// Gives the edit the focus as a click or Tab does, and lets the window
// settle (the entering handler selects the text on the next turn).
void focus(QLineEdit *edit)
{
    edit->setFocus(Qt::TabFocusReason);
    QTest::qWait(10);
}

} // namespace

class TestNumberEdits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void moneyEditFormatsOnLeavingAndStripsOnEntering()
    {
        Window w;
        focus(w.quantity);
        w.money->setText(QStringLiteral("1.234.567,5"));
        focus(w.money);
        QCOMPARE(w.money->text(), QStringLiteral("1234567,5"));
        QCOMPARE(w.money->selectedText(), QStringLiteral("1234567,5"));
        QTest::keyClicks(w.money, QStringLiteral("2500,125"));
        focus(w.quantity);
        QCOMPARE(w.money->text(), QStringLiteral("2.500,12"));
        focus(w.money);
        w.money->clear();
        focus(w.quantity);
        QCOMPARE(w.money->text(), QStringLiteral("0,00"));
    }

    void quantityKeyFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // while the edit has the focus
        QTest::addColumn<QString>("left");  // after leaving it
        QTest::newRow("dot becomes comma") << "12.5" << "12,5" << "12,5";
        QTest::newRow("second comma refused") << "1,2,3" << "1,23" << "1,23";
        QTest::newRow("comma first refused") << ",5" << "5" << "5";
        QTest::newRow("letters and minus refused") << "1a-2b" << "12" << "12";
        QTest::newRow("grouped on leaving") << "1234567" << "1234567" << "1.234.567";
    }
    void quantityKeyFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, left);
        Window w;
        focus(w.quantity);
        QTest::keyClicks(w.quantity, typed);
        QCOMPARE(w.quantity->text(), shown);
        focus(w.money);
        QCOMPARE(w.quantity->text(), left);
    }

    void keypadDotAndMinus()
    {
        Window w;
        focus(w.signedQuantity);
        QTest::keyClicks(w.signedQuantity, QStringLiteral("-7"));
        QTest::keyClick(w.signedQuantity, Qt::Key_Period, Qt::KeypadModifier, '.');
        QTest::keyClicks(w.signedQuantity, QStringLiteral("25"));
        QCOMPARE(w.signedQuantity->text(), QStringLiteral("-7,25"));
    }

    // Enter is not a character the filter judges: it reaches the window.
    void enterReachesTheDefaultButton()
    {
        Window w;
        focus(w.quantity);
        QTest::keyClick(w.quantity, Qt::Key_Return);
        QCOMPARE(w.pressed, 1);
    }

    void typingLimitDoesNotCutWhatTheProgramWrites()
    {
        QLineEdit edit;
        limitTyping(&edit, 5);
        edit.show();
        edit.setFocus();
        QTest::keyClicks(&edit, QStringLiteral("1234567"));
        QCOMPARE(edit.text(), QStringLiteral("12345"));
        edit.setText(QStringLiteral("12.500.000,00"));
        QCOMPARE(edit.text(), QStringLiteral("12.500.000,00"));
    }

    void wheelOnAnEmptyGridDoesNothing()
    {
        DataGrid grid;
        gridMouseWheel(&grid, 120);
        gridMouseWheel(&grid, -120);
        gridMouseWheel(&grid, 0);
        QCOMPARE(grid.currentRow(), -1);
    }
};

QTEST_MAIN(TestNumberEdits)
#include "test_numberedits.moc"
