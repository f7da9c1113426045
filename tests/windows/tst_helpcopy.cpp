// The help's private copy in the temporary folder does not outlive its
// owner: Ctrl+C (SIGINT) ends Zorvexa cleanly and removes it, and the copy
// of a killed instance is removed by the next start.
#include "shell/application.h"
#include "shell/helpviewer.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

class TestHelpCopy : public QObject {
    Q_OBJECT
private slots:
    void ctrlCRemovesTheCopy();
    void nextStartRemovesAKilledOnesCopy();
};

void TestHelpCopy::ctrlCRemovesTheCopy()
{
    QString copy;
    {
        Application app;
        app.start();
        app.showHelpContents();
        QVERIFY(app.helpViewer() && app.helpViewer()->isVisible());
        copy = app.helpViewer()->workFolder();
        QTimer::singleShot(0, [] { std::raise(SIGINT); });
        QTimer::singleShot(10000, [] { QApplication::exit(7); });  // not ended: the test fails
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(QDir(copy).exists());
    }
    QVERIFY(!QDir(copy).exists());
}

// A copy whose owner was killed (SIGKILL), another whose owner runs (this
// test), then the real program started in the same temporary folder.
void TestHelpCopy::nextStartRemovesAKilledOnesCopy()
{
    const QString program = QCoreApplication::applicationDirPath() + "/zorvexa";
    QVERIFY2(QFile::exists(program), "the zorvexa program is not built");
    QTemporaryDir scratch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", scratch.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess killed;
    killed.setProcessEnvironment(environment);
    killed.start(QCoreApplication::applicationFilePath(), {"--leave-help-copy"});
    QVERIFY(killed.waitForFinished(20000));
    QCOMPARE(killed.exitStatus(), QProcess::CrashExit);
    const QStringList leftOver = QDir(scratch.path()).entryList({"zorvexa-help-*"}, QDir::Dirs);
    QCOMPARE(leftOver.size(), 1);
    qputenv("TMPDIR", scratch.path().toLocal8Bit());
    HelpViewer mine;
    qunsetenv("TMPDIR");
    QVERIFY(mine.workFolder().startsWith(scratch.path()));
    QProcess zorvexa;
    zorvexa.setProcessEnvironment(environment);
    zorvexa.start(program, {});
    QVERIFY(zorvexa.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(scratch.filePath(leftOver.first())).exists(), 20000);
    QVERIFY(QDir(mine.workFolder()).exists());
    ::kill(pid_t(zorvexa.processId()), SIGINT);
    QVERIFY(zorvexa.waitForFinished(10000));
    QCOMPARE(zorvexa.exitStatus(), QProcess::NormalExit);
    QCOMPARE(zorvexa.exitCode(), 0);
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The killed instance: its help copy made, then SIGKILL.
    if (argc > 1 && QByteArray(argv[1]) == "--leave-help-copy") {
        HelpViewer viewer;
        std::raise(viewer.isReady() ? SIGKILL : SIGTERM);
    }
    TestHelpCopy test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_helpcopy.moc"
