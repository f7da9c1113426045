// Help: the collection built with the application, contents and search, in
// unusual set-ups: no home, a home or an installation that cannot be
// written, two instances, a missing or damaged documentation file.
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
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

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
    void searchIgnoresAccentsAndSpeaksHungarian();
    void escapeAndCtrlWClose();
    void twoInstancesNeverWriteTheInstallation();
    void brokenHelpFileIsNamed_data();
    void brokenHelpFileIsNamed();
};

void TestHelp::searchIgnoresAccentsAndSpeaksHungarian()
{
    HelpViewer viewer;
    QVERIFY(searchFor(viewer, QString::fromUtf8("memória")) > 0);
    QVERIFY(searchFor(viewer, "memoria") > 0);
    QCOMPARE(searchFor(viewer, "xylofonzenekar"), 0);
    auto *results = viewer.engine()->searchEngine()->resultWidget()->findChild<QTextBrowser *>();
    QVERIFY(results);
    const QString shown = results->toPlainText();
    QVERIFY2(shown.contains(QString::fromUtf8("A keresés nem hozott eredményt.")) && !shown.contains("search"),
             qPrintable(shown));
}

void TestHelp::escapeAndCtrlWClose()
{
    HelpViewer viewer;
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        viewer.showSearch();
        QApplication::setActiveWindow(&viewer);
        QVERIFY(viewer.isVisible());
        QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());  // from the words
        QVERIFY(!viewer.isVisible());
    }
}

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
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(QFile::setPermissions(blocker.fileName(), QFile::ReadOwner));
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
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->tabs()->currentIndex(), 0);
        QVERIFY(viewer->page()->toPlainText().contains("Zorvexa"));
        app.stand().findChild<QAction *>("keres")->trigger();
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
void TestHelp::twoInstancesNeverWriteTheInstallation()
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
    // The one left still reads and searches its files.
    QVERIFY(searchFor(second, "memoria") > 0);
    second.showContents();
    QVERIFY(second.page()->toPlainText().contains("Zorvexa"));
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
    for (QWidget *window : QApplication::topLevelWidgets())  // never an empty help window
        QVERIFY(!window->isVisible() || window == &app.stand());
    app.stand().Command2[4]->click();  // the calculator goes on
    QCOMPARE(app.stand().Text1->text(), QString("4"));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
