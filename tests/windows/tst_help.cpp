// Help: the collection built with the application, contents and search, in
// unusual set-ups: no home, a home or an installation that cannot be
// written, two instances, a missing or damaged documentation file, a missing
// viewer module; a look at it keeps the pending operation; the end by SIGTERM,
// SIGHUP or SIGINT removes its private copy, and a killed instance's copy goes
// at the next start; the pages say what the program does.
#include "help/helpfiles.h"
#include "help/helpwindow.h"
#include "shell/application.h"
#include "stand/standwindow.h"
#include "support/messagerecorder.h"
#include "support/typing.h"
#include "ui/messages.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
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
    void backFromTheHelp();
    void endTheLoops_data();
    void endTheLoops();
    void killedInstancesCopy();
    void pages();
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

// Each instance works in its own copy and removes it; the installed files
// are never written.
void TestHelp::twoInstancesSearchAndClose()
{
    const QString folder = helpfiles::findHelpFolder();
    QVERIFY(!folder.isEmpty());
    const QStringList before = snapshot(folder);
    std::unique_ptr<HelpWindow> first = openHelpWindow();
    const std::unique_ptr<HelpWindow> help = openHelpWindow();
    QVERIFY(first && help);
    HelpWindow &second = *help;
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
        QApplication::setActiveWindow(second.window());
        QVERIFY(second.window()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
        QVERIFY(!second.window()->isVisible());
    }
    QCOMPARE(snapshot(folder), before);
}

// The documentation file or the viewer module, as the build puts them beside
// the program, missing or cut short.
void TestHelp::brokenHelpFileIsNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("keptBytes");
    QTest::addColumn<QString>("cause");
    QTest::newRow("missing") << "zorvexa.qch" << qint64(-1) << QString::fromUtf8("hiányzik");
    QTest::newRow("truncated") << "zorvexa.qch" << qint64(16384) << QString::fromUtf8("sérült");
    QTest::newRow("empty") << "zorvexa.qch" << qint64(0) << QString::fromUtf8("sérült");
    QTest::newRow("viewer missing") << "zorvexa-help.so" << qint64(-1) << QString::fromUtf8("hiányzik");
}

void TestHelp::brokenHelpFileIsNamed()
{
    QFETCH(QString, name);
    QFETCH(qint64, keptBytes);
    QFETCH(QString, cause);
    const QString file = QCoreApplication::applicationDirPath() + "/" + name;
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
    QVERIFY2(text.contains("(" + name + ")") && text.contains(cause), qPrintable(text));
    QCOMPARE(recorder.shown.at(0).icon, messages::Icon::Exclamation);
    QVERIFY(!app.helpViewer() || !app.helpViewer()->window()->isVisible());  // never an empty help window
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

// The built pages on the "-" inside a number, the small results, results
// from the shown decimals, the fraction rule, the keys, the one memory
// indicator every view shows and the solver's coefficients of any length;
// no page tells of a per-window indicator or a coefficient too long.
void TestHelp::pages()
{
    const std::unique_ptr<HelpWindow> viewer = openHelpWindow();
    QVERIFY(viewer && viewer->isReady());
    const auto textOf = [&viewer](const QUrl &url) {
        QTextDocument document;
        document.setHtml(QString::fromUtf8(viewer->engine()->fileData(url)));
        return document.toPlainText().simplified();
    };
    const QList<QUrl> every = viewer->engine()->files("hu.zorvexa.help", QString(), "html");
    QVERIFY2(every.size() >= 9, qPrintable(QString::number(every.size())));
    for (const QUrl &url : every) {
        const QString text = textOf(url);
        for (const char *untrue : {"értéke 5", "bárhol elfogadja", "csak abban az ablakban", "Túl nagy együttható"})
            QVERIFY2(!text.contains(untrue, Qt::CaseInsensitive), qPrintable(url.toString() + ": " + untrue));
    }
    const QList<QPair<QString, QStringList>> says{
        {"index",
         {"--5", "0.000000000000001", ".795851", "F1, vissza a számológéphez, 3 = eredménye 15",
          "Az „M” memóriajelző ezt az egy rekeszt mutatja: mindhárom nézetben világít"}},
        {"egyszeru",
         {"5-3 és a --5 a „Számjegyeket írjon be!”", "0.000000000000001", ".795851",
          "Az „M” jelzés is közös: mindhárom nézetben látszik, bármelyikben tette el a számot"}},
        {"bovitett", {"(5-3, --5)", "0.000000000000001", "2617010996188.4", "85.805 → 0.073347673085023"}},
        {"informatikai", {"1.1-ből a „16” választásakor 1.5 lesz", "0.000000000000001", "tizedes billentyűje itt is"}},
        {"masodfoku",
         {"1, Tab, -3, Tab, 2", "Az együtthatók akármilyen hosszúak lehetnek", "„Az eredmény túl kicsi!”"}},
        {"uzenetek", {"„Az eredmény túl kicsi!”", "Az együtthatók hossza nincs korlátozva"}},
        {"billentyuk", {"Mindhárom nézetben pontot ír", "Ctrl+Shift+Q", "Ctrl+Enter"}}};
    for (const auto &[page, phrases] : says) {
        const QString text = textOf(QUrl("qthelp://hu.zorvexa.help/doc/" + page + ".html"));
        for (const QString &phrase : phrases)
            QVERIFY2(text.contains(phrase), qPrintable(page + ": " + phrase));
    }
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
