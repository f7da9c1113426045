// Help: the collection built with the application, contents and search, in
// unusual set-ups: no home, a home or an installation that cannot be
// written, two instances, a missing or damaged documentation file; and the
// end by SIGTERM or SIGHUP, which removes the help's private copy too.
#include "ui/messages.h"
#include "shell/application.h"
#include "shell/helpfiles.h"
#include "shell/helpviewer.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchResultWidget>
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
int searchFor(HelpViewer &viewer, const QString &words)
{
    QSignalSpy done(viewer.engine()->searchEngine(), &QHelpSearchEngine::searchingFinished);
    viewer.search(words);
    return done.wait(20000) ? viewer.engine()->searchEngine()->searchResultCount() : -1;
}

// Every entry of a folder, hidden ones included, with size, time and content.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(info.filePath());
        const QByteArray content = info.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        entries << info.fileName() + QString::number(info.lastModified().toMSecsSinceEpoch()) +
                       QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex();
    }
    return entries;
}
}  // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void contentsFromTheMenu_data();
    void contentsFromTheMenu();
    void twoInstancesSearchAndClose();
    void brokenHelpFileIsNamed_data();
    void brokenHelpFileIsNamed();
    void endTheLoops_data();
    void endTheLoops();
    void endTheProgram_data();
    void endTheProgram();
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
        HelpViewer *viewer = app.helpViewer();
        QVERIFY(viewer && viewer->isVisible() && viewer->page()->toPlainText().contains("Zorvexa"));
        QCOMPARE(viewer->tabs()->currentIndex(), 0);
        app.stand().findChild<QAction *>("keres")->trigger();  // straight to the words to look for
        QCOMPARE(viewer->tabs()->currentIndex(), 1);
        QApplication::setActiveWindow(viewer);
        auto *words = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(words && viewer->isAncestorOf(words));
        app.stand().findChild<QAction *>("index")->trigger();
        QCOMPARE(viewer->tabs()->currentIndex(), 0);
        QVERIFY(searchFor(*viewer, "memória") > 0);
        QVERIFY2(viewer->workFolder().startsWith(QDir::tempPath() + "/"), qPrintable(viewer->workFolder()));
        QVERIFY(recorder.shown.isEmpty());
    }
    QCOMPARE(QDir("/").entryList(QDir::AllEntries | QDir::Hidden), rootBefore);
}

// Each instance works in its own copy and removes it; the installed files
// are never written.
void TestHelp::twoInstancesSearchAndClose()
{
    const QString folder = helpfiles::findHelpFolder();
    QVERIFY(!folder.isEmpty());
    const QStringList before = snapshot(folder);
    auto first = std::make_unique<HelpViewer>();
    HelpViewer second;
    const QString firstFolder = first->workFolder();
    QVERIFY(first->isReady() && second.isReady() && firstFolder != second.workFolder());
    QVERIFY(!firstFolder.startsWith(folder) && QDir(firstFolder).exists());
    QVERIFY(searchFor(*first, "memória") > 0);
    first->showContents();
    first.reset();
    QVERIFY(!QDir(firstFolder).exists());
    // The one left still reads and searches its files, accents or not, and
    // speaks Hungarian when nothing is found.
    QVERIFY(searchFor(second, "memoria") > 0);
    QCOMPARE(searchFor(second, "xylofonzenekar"), 0);
    const QString shown = second.engine()->searchEngine()->resultWidget()->findChild<QTextBrowser *>()->toPlainText();
    QVERIFY2(shown.contains(QString::fromUtf8("A keresés nem hozott eredményt.")) && !shown.contains("search"),
             qPrintable(shown));
    second.showContents();
    QVERIFY(second.page()->toPlainText().contains("Zorvexa"));
    // Escape and Ctrl+W close it, from the words to look for.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        second.showSearch();
        QApplication::setActiveWindow(&second);
        QVERIFY(second.isVisible());
        QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
        QVERIFY(!second.isVisible());
    }
    QCOMPARE(snapshot(folder), before);
}

void TestHelp::brokenHelpFileIsNamed_data()
{
    QTest::addColumn<qint64>("keptBytes");
    QTest::addColumn<QString>("cause");
    QTest::newRow("missing") << qint64(-1) << QString::fromUtf8("hiányzik");
    QTest::newRow("truncated") << qint64(16384) << QString::fromUtf8("sérült");
    QTest::newRow("empty") << qint64(0) << QString::fromUtf8("sérült");
}

void TestHelp::brokenHelpFileIsNamed()
{
    QFETCH(qint64, keptBytes);
    QFETCH(QString, cause);
    const QString file = helpfiles::findHelpFolder() + "/" + helpfiles::kDocumentationFile;
    QVERIFY(QFile::rename(file, file + ".aside"));
    const auto restore = qScopeGuard([&file] { QFile::remove(file), QFile::rename(file + ".aside", file); });
    if (keptBytes >= 0) {
        QFile whole(file + ".aside"), cut(file);
        QVERIFY(whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
        cut.write(whole.read(keptBytes));
    }
    MessageRecorder recorder;
    Application app;
    app.start();
    app.stand().findChild<QAction *>("tart")->trigger();
    QCOMPARE(recorder.shown.size(), 1);
    const QString text = recorder.shown.at(0).text;
    QVERIFY2(text.contains("zorvexa.qch") && text.contains(cause), qPrintable(text));
    QCOMPARE(recorder.shown.at(0).icon, messages::Icon::Exclamation);
    QVERIFY(!app.helpViewer() || !app.helpViewer()->isVisible());  // never an empty help window
}

// SIGTERM and SIGHUP end Zorvexa cleanly at any point: the event loops end,
// a modal box's included, and the shutdown runs (the help's private copy is
// removed).
void TestHelp::endTheLoops_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("boxOpen");
    for (const int signal : {SIGTERM, SIGHUP})
        for (const bool boxOpen : {false, true})
            QTest::addRow("%s%s", signal == SIGTERM ? "SIGTERM" : "SIGHUP", boxOpen ? ", a message box open" : "")
                << signal << boxOpen;
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

void TestHelp::endTheProgram_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestHelp::endTheProgram()
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

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
