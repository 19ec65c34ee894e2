// The template editor: checking shows the first error with its line and
// puts the cursor there, saving refuses a template that does not parse,
// closing asks before unsaved edits are lost.

#include "formdesainlaporan.h"
#include "scriptedmessages.h"
#include "windowdriver.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kValid = "report \"Uji\"\nband title\n  text : \"Halo\"\nend\n";

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestFormDesainLaporan : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path;

private Q_SLOTS:
    void init()
    {
        QDir(m_dir.path()).mkpath("Laporan");
        m_path = m_dir.filePath("Laporan/Uji.frf");
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(kValid);
    }

    void checksAndSaves()
    {
        ScriptedMessages scripted;
        TFormDesainLaporan form;
        QVERIFY(form.openTemplate(m_path));
        QCOMPARE(form.windowTitle(), QString("  Desain Laporan"));
        Driver::open(&form);
        auto *edit = Driver::find<QPlainTextEdit>(&form, "EditTemplate");
        auto *periksa = Driver::find<QPushButton>(&form, "TombolPeriksa");
        auto *simpan = Driver::find<QPushButton>(&form, "TombolSimpan");
        QCOMPARE(Driver::find<QPushButton>(&form, "TombolTutup")->text(), QString("Tutup [Esc]"));
        QCOMPARE(edit->toPlainText().toUtf8(), kValid);

        QTest::mouseClick(periksa, Qt::LeftButton);
        QCOMPARE(scripted.shown.size(), 1);
        QCOMPARE(scripted.last(), QString("Template benar"));

        edit->setPlainText("report \"Uji\"\nband title\n  text : Sum(\nend\n");
        QTest::mouseClick(periksa, Qt::LeftButton);
        QCOMPARE(scripted.texts("error"),
                 QStringList{"Laporan/Uji.frf baris 3: ekspresi salah: ekspresi berakhir terlalu cepat"});
        QCOMPARE(edit->textCursor().blockNumber(), 2);

        scripted.clear();
        QTest::mouseClick(simpan, Qt::LeftButton);
        QCOMPARE(scripted.texts("error"),
                 QStringList{"Laporan/Uji.frf baris 3: ekspresi salah: ekspresi berakhir terlalu cepat\nTemplate tidak disimpan."});
        QCOMPARE(contents(m_path), kValid);

        scripted.clear();
        const QString fixed = "report \"Uji\"\nband title\n  text : Sum([a])\nend\n";
        edit->setPlainText(fixed);
        QTest::mouseClick(simpan, Qt::LeftButton);
        QCOMPARE(scripted.texts(), QStringList{"Template disimpan"});
        QCOMPARE(contents(m_path), fixed.toUtf8());

        // Saved: closing asks nothing.
        scripted.clear();
        Driver::press(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QVERIFY(scripted.shown.isEmpty());
    }

    void closingAsksAboutUnsavedEdits()
    {
        ScriptedMessages scripted;
        TFormDesainLaporan form;
        QVERIFY(form.openTemplate(m_path));
        Driver::open(&form);
        auto *edit = Driver::find<QPlainTextEdit>(&form, "EditTemplate");
        edit->setFocus();
        QTest::keyClicks(edit, "# catatan");
        QTest::keyClick(edit, Qt::Key_Return);
        scripted.answers << false;
        QTest::mouseClick(Driver::find<QPushButton>(&form, "TombolTutup"), Qt::LeftButton);
        QVERIFY(form.isVisible());
        QCOMPARE(scripted.texts("yesno"), QStringList{"Perubahan template belum disimpan. Tutup tanpa menyimpan?"});
        scripted.answers << true;
        Driver::press(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QCOMPARE(contents(m_path), kValid);
    }

    void missingTemplateIsReported()
    {
        ScriptedMessages scripted;
        const QString missing = m_dir.filePath("Laporan/TidakAda.frf");
        TFormDesainLaporan form;
        QVERIFY(!form.openTemplate(missing));
        // The static entry shows the error and opens no editor (a modal one
        // would block this test).
        TFormDesainLaporan::edit(missing);
        QCOMPARE(scripted.texts("error"), QStringList(2, "Template laporan tidak ditemukan: " + missing));
    }
};

QTEST_MAIN(TestFormDesainLaporan)
#include "test_formdesainlaporan.moc"
