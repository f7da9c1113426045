// SIGTERM and SIGHUP end Zorvexa cleanly at any point: the event loops end,
// a modal box's included, and the shutdown runs (the help's private copy is
// removed).
#include "shared/messages.h"
#include "shell/application.h"
#include "shell/helpviewer.h"
#include "standard/standwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <csignal>

class TestSignals : public QObject {
    Q_OBJECT
private slots:
    void endTheLoops_data();
    void endTheLoops();
    void endTheProgram_data();
    void endTheProgram();
};

void TestSignals::endTheLoops_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("boxOpen");
    for (const int signal : {SIGTERM, SIGHUP})
        for (const bool boxOpen : {false, true})
            QTest::addRow("%s%s", signal == SIGTERM ? "SIGTERM" : "SIGHUP", boxOpen ? ", a message box open" : "")
                << signal << boxOpen;
}

void TestSignals::endTheLoops()
{
    QFETCH(int, signal);
    QFETCH(bool, boxOpen);
    QString helpCopy;
    bool boxWasOpen = false, boxReturned = false;
    {
        Application app;
        app.start();
        app.stand().findChild<QAction *>("tart")->trigger();
        QVERIFY(app.helpViewer() && app.helpViewer()->isReady());
        helpCopy = app.helpViewer()->workFolder();
        QTimer::singleShot(0, &app, [&] {
            if (!boxOpen)
                return void(std::raise(signal));
            QTimer::singleShot(0, [&] {
                boxWasOpen = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()) != nullptr;
                std::raise(signal);
            });
            messages::show("Zorvexa", messages::Icon::None, &app.stand());  // a real box: no handler
            boxReturned = true;
        });
        QTimer::singleShot(10000, [] { QApplication::exit(7); });  // not ended: the test fails
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(boxWasOpen, boxOpen);
        QCOMPARE(boxReturned, boxOpen);
        QVERIFY(QDir(helpCopy).exists());
    }
    QVERIFY(!QDir(helpCopy).exists());
}

void TestSignals::endTheProgram_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestSignals::endTheProgram()
{
    QFETCH(int, signal);
    const QString program = QCoreApplication::applicationDirPath() + "/zorvexa";
    if (!QFile::exists(program))
        QSKIP("the zorvexa program is not built");
    QProcess zorvexa;
    zorvexa.start(program, {});
    QVERIFY(zorvexa.waitForStarted());
    // Signalled once it catches the signal: its handlers are in place.
    const auto catches = [&zorvexa, signal] {
        QFile status(QStringLiteral("/proc/%1/status").arg(zorvexa.processId()));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray &line : status.readAll().split('\n'))
                if (line.startsWith("SigCgt:"))
                    return ((line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1) != 0;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(catches(), 20000);
    ::kill(pid_t(zorvexa.processId()), signal);
    QVERIFY(zorvexa.waitForFinished(10000));
    QCOMPARE(zorvexa.exitStatus(), QProcess::NormalExit);
    QCOMPARE(zorvexa.exitCode(), 0);
}

QTEST_MAIN(TestSignals)
#include "tst_signals.moc"
