// Backup and restore through their windows and the real scripts.

#include "activeuser.h"
#include "backupname.h"
#include "formbackup.h"
#include "formrestore.h"
#include "programfolder.h"
#include "scriptedmessages.h"
#include "tdm.h"
#include "testdatabase.h"
#include "windowdriver.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestBackup : public QObject
{
    Q_OBJECT
    TestDatabase m_db{QStringLiteral("backup")};

private Q_SLOTS:
    void initTestCase() { REQUIRE_DATABASE(m_db); }

    void fileNamePattern()
    {
        QCOMPARE(backupFileName(QDateTime(QDate(2026, 3, 5), QTime(7, 4, 59))), QStringLiteral("05032026_07_04.bac"));
        QCOMPARE(backupFileName(QDateTime(QDate(2026, 12, 31), QTime(23, 59))), QStringLiteral("31122026_23_59.bac"));
    }

    // A backup into the default folder (created when missing), a change,
    // and a restore from that file that brings the changed row back.
    void backupThenRestoreBringsBackAChangedRow()
    {
        ScriptedMessages messages;
        ProgramFolder folder;
        activeUser().PathAplikasi = folder.path();
        m_db.session()->FolderProgram = folder.path();
        QVERIFY(m_db.runSql("UPDATE settingawal SET nama='SEBELUM'"));

        TFormBackUp backup;
        Driver::open(&backup);
        QCOMPARE(Driver::find<QLineEdit>(&backup, "EditFile")->text(),
                 QDir::toNativeSeparators(folder.path() + "/BackUp/"));
        Driver::press(&backup, Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{"Data telah berhasil di-BackUp"});
        QVERIFY(!backup.isVisible());
        const QStringList files = QDir(folder.path("BackUp")).entryList({"*.bac"});
        QCOMPARE(files.size(), 1);
        QVERIFY(QRegularExpression("^\\d{8}_\\d{2}_\\d{2}\\.bac$").match(files.at(0)).hasMatch());

        QVERIFY(m_db.runSql("UPDATE settingawal SET nama='SESUDAH'; INSERT INTO MasterCabang (namacabang) VALUES ('Baru')"));
        messages.clear();
        TFormRestore restore;
        Driver::open(&restore);
        // The default is the folder, which is no file.
        Driver::press(&restore, Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{"File tidak ditemukan !"});
        QVERIFY(restore.isVisible());
        Driver::find<QLineEdit>(&restore, "EditFile")->setText(folder.path("BackUp/" + files.at(0)));
        Driver::press(&restore, Qt::Key_Return);
        QCOMPARE(messages.last(), QStringLiteral("Data telah berhasil di-Restore"));
        // The open connection goes on over the restored data.
        QCOMPARE(TestDatabase::scalar("select nama from settingawal"), QStringLiteral("SEBELUM"));
        QCOMPARE(TestDatabase::scalar("select count(*) from MasterCabang where namacabang='Baru'"), QStringLiteral("0"));
    }

    void failingScriptsAreReportedAsFailures()
    {
        ScriptedMessages messages;
        ProgramFolder folder;
        activeUser().PathAplikasi = folder.path();
        m_db.session()->FolderProgram = folder.path();
        folder.breakScript("backup.sh", "disk penuh");
        folder.breakScript("Restore.sh", "file rusak");

        TFormBackUp backup;
        Driver::open(&backup);
        Driver::press(&backup, Qt::Key_Return);
        QCOMPARE(messages.texts("error"), QStringList{"Backup gagal!!!\ndisk penuh"});
        QVERIFY(backup.isVisible());
        backup.hide();

        QFile file(folder.path("data.bac"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        messages.clear();
        TFormRestore restore;
        Driver::open(&restore);
        Driver::find<QLineEdit>(&restore, "EditFile")->setText(file.fileName());
        Driver::press(&restore, Qt::Key_Return);
        QCOMPARE(messages.texts("error"), QStringList{"Restore gagal!!!\nfile rusak"});
        QVERIFY(restore.isVisible());
        // A script that cannot be started is a failure too.
        QVERIFY(QFile::remove(folder.path("Restore.sh")));
        messages.clear();
        Driver::press(&restore, Qt::Key_Return);
        QCOMPARE(messages.texts("error").size(), 1);
        QVERIFY2(messages.last().startsWith("Restore gagal!!!\nScript tidak ditemukan: "), qPrintable(messages.last()));
        // Esc presses "Close".
        QTest::keyClick(&restore, Qt::Key_Escape);
        QVERIFY(!restore.isVisible());
    }
};

QTEST_MAIN(TestBackup)
#include "test_backup.moc"
