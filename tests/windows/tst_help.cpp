// Help: the collection built with the application, contents and search, in
// unusual set-ups: no home, a home or an installation that cannot be
// written, two instances, a missing or damaged documentation file, a missing
// viewer module; a look at it keeps the pending operation.
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
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

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

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
