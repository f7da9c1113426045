// Help: the collection built with the application, contents and search, with
// no home or a home that cannot be written; a look at it keeps the pending
// operation; SIGTERM, SIGHUP or SIGINT end it and remove its private copy,
// and a killed instance's copy goes at the next start.
#include "help/helpwindow.h"
#include "shell/application.h"
#include "stand/standwindow.h"
#include "support/messagerecorder.h"
#include "ui/messages.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <csignal>
#include <memory>

namespace {
// Searches and waits for the result; the number of hits.
int searchFor(HelpWindow &viewer, const QString &words)
{
    QSignalSpy done(viewer.engine()->searchEngine(), &QHelpSearchEngine::searchingFinished);
    viewer.search(words);
    return done.wait(20000) ? viewer.engine()->searchEngine()->searchResultCount() : -1;
}
}  // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void contentsFromTheMenu_data();
    void contentsFromTheMenu();
    void backFromTheHelp();
    void endTheLoops_data();
    void endTheLoops();
    void killedInstancesCopy();
};

// From the menu: contents, search (straight to the words to look for) and
// back, with the index written in a private copy under the temporary folder,
// whatever the home: as it is, unset, or not writable (a file, so not even
// root writes under it).
void TestHelp::contentsFromTheMenu_data()
{
    QTest::addColumn<int>("home");
    QTest::newRow("home") << 0;
    QTest::newRow("HOME unset") << 1;
    QTest::newRow("home not writable") << 2;
}

void TestHelp::contentsFromTheMenu()
{
    QFETCH(int, home);
    const QByteArray realHome = qgetenv("HOME");
    QTemporaryDir scratch;
    QFile blocker(scratch.filePath("home"));
    QVERIFY(blocker.open(QIODevice::WriteOnly) && blocker.setPermissions(QFile::ReadOwner));
    blocker.close();
    if (home > 0)
        home == 1 ? qunsetenv("HOME") : qputenv("HOME", blocker.fileName().toLocal8Bit());
    const auto restore = qScopeGuard([&realHome] { qputenv("HOME", realHome); });
    const QStringList rootBefore = QDir("/").entryList(QDir::AllEntries | QDir::Hidden);
    {
        MessageRecorder recorder;
        Application app;
        app.start();
        app.stand().findChild<QAction *>("tart")->trigger();
        HelpWindow *viewer = app.helpViewer();
        QVERIFY(viewer && viewer->window()->isVisible() && viewer->page()->toPlainText().contains("Zorvexa"));
        QCOMPARE(viewer->tabs()->currentIndex(), 0);
        app.stand().findChild<QAction *>("keres")->trigger();  // straight to the words to look for
        QCOMPARE(viewer->tabs()->currentIndex(), 1);
        QApplication::setActiveWindow(viewer->window());
        auto *words = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(words && viewer->window()->isAncestorOf(words));
        app.stand().findChild<QAction *>("index")->trigger();
        QCOMPARE(viewer->tabs()->currentIndex(), 0);
        QVERIFY(searchFor(*viewer, "memória") > 0);
        QVERIFY2(viewer->workFolder().startsWith(QDir::tempPath() + "/"), qPrintable(viewer->workFolder()));
        QVERIFY(recorder.shown.isEmpty());
    }
    QCOMPARE(QDir("/").entryList(QDir::AllEntries | QDir::Hidden), rootBefore);
}

// SIGTERM, SIGHUP and SIGINT (Ctrl+C) end Zorvexa cleanly at any point: the event loops end,
// a modal box's included, and the shutdown runs (the help's private copy is
// removed).
void TestHelp::endTheLoops_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("boxOpen");
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        for (const bool boxOpen : {false, true})
            QTest::addRow("%s%s", strsignal(signal), boxOpen ? ", a message box open" : "") << signal << boxOpen;
}

void TestHelp::endTheLoops()
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

// "12 +", F1, back to the calculator, "3 =" gives 15: the help is no
// window the calculator waits for.
void TestHelp::backFromTheHelp()
{
    Application app;
    app.start();
    StandWindow &w = app.stand();
    w.Command2[1]->click(), w.Command2[2]->click(), w.Command5[0]->click();
    QTest::keyClick(w.Text1, Qt::Key_F1);
    QVERIFY(app.helpViewer() && app.helpViewer()->window()->isVisible());
    QApplication::setActiveWindow(app.helpViewer()->window());
    QApplication::setActiveWindow(&w);
    w.Command2[3]->click(), w.Command7->click();
    QCOMPARE(w.Text1->text() + "|" + w.tape()->text(), "15|12+3 ");
}

// A copy whose owner was killed (SIGKILL) and one whose owner runs (this
// test), then the real program started in that temporary folder, and ended
// by SIGINT.
void TestHelp::killedInstancesCopy()
{
    const QString program = QCoreApplication::applicationDirPath() + "/zorvexa";
    QVERIFY2(QFile::exists(program), "the zorvexa program is not built");
    QTemporaryDir scratch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", scratch.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess killed, zorvexa;
    killed.setProcessEnvironment(environment);
    killed.start(QCoreApplication::applicationFilePath(), {"--leave-help-copy"});
    QVERIFY(killed.waitForFinished(20000) && killed.exitStatus() == QProcess::CrashExit);
    const QStringList leftOver = QDir(scratch.path()).entryList({"zorvexa-help-*"}, QDir::Dirs);
    QCOMPARE(leftOver.size(), 1);
    qputenv("TMPDIR", scratch.path().toLocal8Bit());
    const std::unique_ptr<HelpWindow> mine = openHelpWindow();
    qunsetenv("TMPDIR");
    QVERIFY(mine && mine->workFolder().startsWith(scratch.path()));
    zorvexa.setProcessEnvironment(environment);
    zorvexa.start(program, {});
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(scratch.filePath(leftOver.first())).exists(), 20000);
    QVERIFY(QDir(mine->workFolder()).exists());
    ::kill(pid_t(zorvexa.processId()), SIGINT);
    QVERIFY(zorvexa.waitForFinished(10000));
    QCOMPARE(zorvexa.exitStatus(), QProcess::NormalExit);
    QCOMPARE(zorvexa.exitCode(), 0);
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--leave-help-copy") {  // the killed instance
        const std::unique_ptr<HelpWindow> viewer = openHelpWindow();
        std::raise(viewer && viewer->isReady() ? SIGKILL : SIGTERM);
    }
    TestHelp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_help.moc"
