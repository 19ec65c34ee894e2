// Start-up: ip.txt, the open-or-restore loop with the first-start restore
// (reachable server, unreachable server, missing file, failing script, a
// real restore), the busy window and the single-instance rule.

#include "formrestoreawal.h"
#include "formtunggusebentar.h"
#include "programfolder.h"
#include "scriptedmessages.h"
#include "scriptrunner.h"
#include "session.h"
#include "singleinstance.h"
#include "sqlstatement.h"
#include "tdm.h"
#include "testdatabase.h"
#include "windowdriver.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

namespace {

QString serverLine()
{
    const ConnectionSettings s = TestDatabase::serverSettings();
    return QStringLiteral("%1:%2").arg(s.host).arg(s.port);
}

ConnectionSettings defaultsFor(const QString &database)
{
    ConnectionSettings s = TestDatabase::serverSettings();
    s.host = QStringLiteral("localhost");
    s.port = 3306;
    s.database = database;
    return s;
}

// Answers the restore window: fills the file, then presses the buttons named.
void answerRestore(const QString &file, const QStringList &buttons)
{
    Driver::onNextModal([file, buttons](QDialog *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("TFormRestoreAwal"));
        Driver::find<QLineEdit>(dialog, QStringLiteral("EditFile"))->setText(file);
        for (const QString &b : buttons)
            Driver::find<QPushButton>(dialog, b)->click();
        if (dialog->isVisible())
            dialog->close(); // as from the task bar: the connection is tried again
    });
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
    TestDatabase m_db{QStringLiteral("startup")};

private Q_SLOTS:
    void initTestCase()
    {
        REQUIRE_DATABASE(m_db);
        // The fixture's own session is not the one under test.
        QSqlDatabase::database(Session::connectionName()).close();
    }

    void reachableServerOpensWithoutRestore()
    {
        ScriptedMessages messages;
        ProgramFolder folder(serverLine());
        TDM dm(defaultsFor(m_db.settings().database));
        QCOMPARE(dm.DataModuleCreate(), TDM::Outcome::Connected);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(dm.FolderProgram, folder.path());
        QCOMPARE(dm.settings().host, TestDatabase::serverSettings().host);
        QCOMPARE(dm.FontJudul.family(), QStringLiteral("Verdana"));
        QVERIFY(dm.FontJudul.bold());
        QCOMPARE(TestDatabase::scalar(QStringLiteral("select nama from settingawal")), QStringLiteral("TOKO DAGANG"));
    }

    // The I/O error is reported, the design host is kept, and the session
    // still opens and records its folder.
    void unreadableIpFileIsReportedAndStartGoesOn()
    {
        ScriptedMessages messages;
        ProgramFolder folder{QString()};
        ConnectionSettings defaults = TestDatabase::serverSettings();
        defaults.database = m_db.settings().database;
        TDM dm(defaults);
        QCOMPARE(dm.DataModuleCreate(), TDM::Outcome::Connected);
        QCOMPARE(messages.texts(QStringLiteral("error")).size(), 1);
        QVERIFY(messages.last().startsWith(QStringLiteral("ip.txt tidak dapat dibaca")));
        QCOMPARE(dm.FolderProgram, folder.path());
        QCOMPARE(dm.settings().host, defaults.host);
    }

    void unreachableServerOffersRestoreAndCloseQuits()
    {
        ScriptedMessages messages;
        ProgramFolder folder(QStringLiteral("127.0.0.1:1"));
        TDM dm(defaultsFor(m_db.settings().database));
        answerRestore(QString(), {QStringLiteral("TombolClose")});
        QCOMPARE(dm.DataModuleCreate(), TDM::Outcome::Quit);
        QVERIFY(messages.shown.isEmpty());
    }

    void missingFileStaysAndClosingByOtherMeansRetries()
    {
        ScriptedMessages messages;
        ProgramFolder folder(QStringLiteral("127.0.0.1:1"));
        TDM dm(defaultsFor(m_db.settings().database));
        // First showing: a file that does not exist (the window stays), then
        // the window is closed without a button, so the loop tries the
        // connection again and shows a new restore window: "Close" there.
        int showings = 0;
        QTimer answer;
        answer.setInterval(10);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog->property("answered").toBool())
                return;
            dialog->setProperty("answered", true);
            if (++showings == 1) {
                Driver::find<QLineEdit>(dialog, QStringLiteral("EditFile"))->setText(folder.path(QStringLiteral("tidak-ada.bac")));
                Driver::find<QPushButton>(dialog, QStringLiteral("TombolExecute"))->click();
                QVERIFY(dialog->isVisible());
                dialog->close();
            } else {
                Driver::find<QPushButton>(dialog, QStringLiteral("TombolClose"))->click();
            }
        });
        answer.start();
        QCOMPARE(dm.DataModuleCreate(), TDM::Outcome::Quit);
        QCOMPARE(showings, 2);
        QCOMPARE(messages.texts(QStringLiteral("error")), QStringList{QStringLiteral("File tidak ditemukan !")});
    }

    void failingScriptIsAFailureAndTheWindowStays()
    {
        ScriptedMessages messages;
        ProgramFolder folder(QStringLiteral("127.0.0.1:1"));
        folder.breakScript(QStringLiteral("Restoreawal.sh"), QStringLiteral("server tidak dapat dihubungi"));
        QFile backup(folder.path(QStringLiteral("data.bac")));
        QVERIFY(backup.open(QIODevice::WriteOnly));
        backup.close();

        TFormRestoreAwal window(folder.path(), defaultsFor(QStringLiteral("x")));
        Driver::open(&window);
        Driver::find<QLineEdit>(&window, QStringLiteral("EditFile"))->setText(backup.fileName());
        Driver::find<QPushButton>(&window, QStringLiteral("TombolExecute"))->click();
        QCOMPARE(messages.texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("Restore gagal, data belum di-restore!!!\nserver tidak dapat dihubungi")});
        QVERIFY(window.isVisible());
        QCOMPARE(window.outcome(), TFormRestoreAwal::Outcome::Retry);
        window.close();
    }

    // The whole road: a backup of a database, a start against a database
    // that does not exist yet, the first-start restore from that backup,
    // and the next start finds the restored rows.
    void realRestoreRebuildsTheDatabase()
    {
        ScriptedMessages messages;
        ProgramFolder folder(serverLine());
        QString error;
        QVERIFY2(m_db.runSql(QStringLiteral("UPDATE settingawal SET nama='TOKO CADANGAN'"), &error), qPrintable(error));

        const QString backupFile = folder.path(QStringLiteral("11122026_10_30.bac"));
        const ScriptResult backup = ScriptRunner::run(ScriptRunner::scriptFor(folder.path(), QStringLiteral("backup")),
                                                      {backupFile}, m_db.settings().scriptEnvironment());
        QVERIFY2(backup.succeeded(), qPrintable(backup.errorOutput));

        const QString target = m_db.settings().database + QStringLiteral("_baru");
        QVERIFY(m_db.runSql(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(target)));
        {
            TDM dm(defaultsFor(target));
            answerRestore(backupFile, {QStringLiteral("TombolExecute")});
            QCOMPARE(dm.DataModuleCreate(), TDM::Outcome::Quit);
            QCOMPARE(messages.texts(QStringLiteral("information")),
                     QStringList{QStringLiteral("Data telah berhasil di-Restore\rTolong applikasi ini di-restart!!!")});
        }
        TDM again(defaultsFor(target));
        QCOMPARE(again.DataModuleCreate(), TDM::Outcome::Connected);
        QCOMPARE(TestDatabase::scalar(QStringLiteral("select nama from settingawal")), QStringLiteral("TOKO CADANGAN"));
        QCOMPARE(TestDatabase::scalar(QStringLiteral("select count(*) from settingawal")), QStringLiteral("1"));
        QCOMPARE(TestDatabase::scalar(QStringLiteral("select BuatNotaJual()")).size(), 10);
        QVERIFY(m_db.runSql(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(target)));
    }

    void busyWindowWithoutAnimationShowsTwoLines()
    {
        ProgramFolder folder(serverLine());
        TFormTungguSebentar busy;
        QVERIFY(!busy.playsAnimation());
        QCOMPARE(busy.size(), QSize(306, 60));
        QCOMPARE(busy.windowTitle(), QStringLiteral("  Silakan Tunggu..."));
        // A data.tmp that is no animation is ignored.
        QFile junk(folder.path(QStringLiteral("data.tmp")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not an animation");
        junk.close();
        TFormTungguSebentar busyAwal(TFormTungguSebentar::Kind::Awal);
        QCOMPARE(busyAwal.objectName(), QStringLiteral("TFormTungguSebentarAwal"));
        QCOMPARE(busyAwal.size(), QSize(306, 60));
    }

    void secondCopyBringsTheFirstToTheFront()
    {
        const QString key = QStringLiteral("dagang-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance first(key);
        QVERIFY(first.isPrimary());
        QSignalSpy activated(&first, &SingleInstance::activationRequested);
        SingleInstance second(key);
        QVERIFY(!second.isPrimary());
        QVERIFY(activated.wait(3000));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
